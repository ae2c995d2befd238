// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayPath.h"

#include <QGuiApplication>

#include "WaylandPictures.h"
#include "X11Pictures.h"

std::unique_ptr<DisplayPath> DisplayPath::create(QWidget *widget, const QSize &largest)
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        return X11Pictures::create(widget, largest);
    }
    if (platform.startsWith(QLatin1String("wayland"))) {
        return WaylandPictures::create(widget);
    }
    return nullptr;
}

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayPath.h"

#include <QGuiApplication>

#include "DisplayConfig.h"
#include "DisplayLog.h"
#include "QtPaints.h"

#if ZANDEL_WAYLAND_FLUSH_ENABLED
#include "WaylandPictures.h"
#endif
#if ZANDEL_X11_PICTURES_ENABLED
#include "X11Pictures.h"
#endif

namespace {

// The platform's own path, or null where it has none (each says why in the log).
std::unique_ptr<DisplayPath> quickPath(QWidget *widget, const QString &platform)
{
    if (platform == QLatin1String("xcb")) {
#if ZANDEL_X11_PICTURES_ENABLED
        return X11Pictures::create(widget);
#else
        qCDebug(lcDisplay, "X11 shared memory: not built (ZANDEL_X11_PICTURES=OFF)");
#endif
    } else if (platform.startsWith(QLatin1String("wayland"))) {
#if ZANDEL_WAYLAND_FLUSH_ENABLED
        return WaylandPictures::create(widget);
#else
        qCDebug(lcDisplay, "Wayland subsurface: not built (ZANDEL_WAYLAND_FLUSH=OFF)");
#endif
    } else {
        qCDebug(lcDisplay, "no quicker path on the platform %s", qPrintable(platform));
    }
    Q_UNUSED(widget)
    return nullptr;
}

} // namespace

std::unique_ptr<DisplayPath> DisplayPath::create(QWidget *widget)
{
    if (std::unique_ptr<DisplayPath> path = quickPath(widget, QGuiApplication::platformName())) {
        return path;
    }
    qCDebug(lcDisplay, "pictures: Qt paints the picture box");
    return std::make_unique<QtPaints>(widget);
}

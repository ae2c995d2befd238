// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayPath.h"

#include <QGuiApplication>

#include "DisplayConfig.h"
#include "DisplayLog.h"
#include "DisplayPlatform.h"
#include "QtPaints.h"

#if ZANDEL_WITH_WAYLAND
#include "WaylandPictures.h"
#endif
#if ZANDEL_WITH_X11_SHM
#include "X11Pictures.h"
#endif

namespace {

// The platform's own path, or null where it has none (each says why in the log).
std::unique_ptr<DisplayPath> quickPath(QWidget *widget)
{
    if (DisplayPlatform::isX11()) {
#if ZANDEL_WITH_X11_SHM
        return X11Pictures::create(widget);
#else
        qCDebug(lcDisplay, "X11 shared memory: not built (WITH_X11_SHM=OFF)");
#endif
    } else if (DisplayPlatform::isWayland()) {
#if ZANDEL_WITH_WAYLAND
        return WaylandPictures::create(widget);
#else
        qCDebug(lcDisplay, "Wayland subsurface: not built (WITH_WAYLAND=OFF)");
#endif
    } else {
        qCDebug(lcDisplay, "no quicker path on the platform %s", qPrintable(QGuiApplication::platformName()));
    }
    Q_UNUSED(widget)
    return nullptr;
}

} // namespace

std::unique_ptr<DisplayPath> DisplayPath::create(QWidget *widget)
{
    if (std::unique_ptr<DisplayPath> path = quickPath(widget)) {
        return path;
    }
    qCDebug(lcDisplay, "pictures: Qt paints the picture box");
    return std::make_unique<QtPaints>(widget);
}

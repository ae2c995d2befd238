// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WaylandFlush.h"

#ifdef ZANDEL_WAYLAND_FLUSH

#include <wayland-client-core.h>

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>

std::unique_ptr<WaylandFlush> WaylandFlush::create()
{
    // Qt 6.4 hands out the display connection only through its platform interface; from Qt 6.5 on,
    // QNativeInterface::QWaylandApplication does the same in public.
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    auto *display =
        native ? static_cast<wl_display *>(native->nativeResourceForIntegration("wl_display")) : nullptr;
    if (!display) {
        return nullptr;
    }
    return std::unique_ptr<WaylandFlush>(new WaylandFlush(display));
}

void WaylandFlush::send()
{
    // Only sends: nothing is read or dispatched, so no event of the window system runs here.
    wl_display_flush(m_display);
}

#else // built without Qt's private headers: the requests leave with the event loop

std::unique_ptr<WaylandFlush> WaylandFlush::create()
{
    return nullptr;
}

void WaylandFlush::send() {}

#endif

bool WaylandFlush::show(const QImage &, const QRect &)
{
    return false;
}

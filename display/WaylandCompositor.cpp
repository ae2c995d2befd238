// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WaylandCompositor.h"

#include <cstring>
#include <wayland-client.h>

#include <QGuiApplication>

#include "DisplayLog.h"

// Qt 6.4 hands out the display connection only through its platform interface, behind private
// headers; from Qt 6.5 on, QNativeInterface::QWaylandApplication gives it in public.
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
#include <qpa/qplatformnativeinterface.h>
#endif

namespace {

void noteGlobal(void *data, wl_registry *, uint32_t, const char *interface, uint32_t)
{
    if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0) {
        *static_cast<bool *>(data) = true;
    }
}

void forgetGlobal(void *, wl_registry *, uint32_t) {}

bool askForDecorations(wl_display *display)
{
    // A queue of the program's own, so that none of Qt's events is dispatched meanwhile.
    wl_event_queue *queue = wl_display_create_queue(display);
    auto *wrapped = static_cast<wl_display *>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(wrapped), queue);
    wl_registry *registry = wl_display_get_registry(wrapped);
    static const wl_registry_listener listener{noteGlobal, forgetGlobal};
    bool offered = false;
    wl_registry_add_listener(registry, &listener, &offered);
    const bool answered = wl_display_roundtrip_queue(display, queue) >= 0;
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(wrapped);
    wl_event_queue_destroy(queue);
    return answered && offered;
}

} // namespace

namespace WaylandCompositor {

wl_display *connection()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    return native ? static_cast<wl_display *>(native->nativeResourceForIntegration("wl_display")) : nullptr;
#else
    auto *wayland = qGuiApp->nativeInterface<QNativeInterface::QWaylandApplication>();
    return wayland ? wayland->display() : nullptr;
#endif
}

bool decoratesWindows()
{
    static const bool decorates = [] {
        wl_display *display = connection();
        const bool offered = display && askForDecorations(display);
        qCDebug(lcDisplay, "window frames: %s", offered ? "drawn by the compositor" : "drawn by the program");
        return offered;
    }();
    return decorates;
}

} // namespace WaylandCompositor

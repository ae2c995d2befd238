// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WaylandCompositor.h"

#include <cstring>
#include <wayland-client.h>

#include <QGuiApplication>

#include "DisplayLog.h"

// Qt 6.4 hands out the display connection only through its platform interface, behind private
// headers; that interface still has it on later versions, which also need it for the surfaces.
#include <qpa/qplatformnativeinterface.h>

namespace {

struct Search
{
    const char *name;
    const wl_interface *bindAs;
    WaylandCompositor::Global found;
};

void noteGlobal(void *data, wl_registry *registry, uint32_t id, const char *interface, uint32_t)
{
    auto *search = static_cast<Search *>(data);
    if (std::strcmp(interface, search->name) == 0 && !search->found.offered) {
        search->found.offered = true;
        if (search->bindAs) {
            search->found.bound = wl_registry_bind(registry, id, search->bindAs, 1);
        }
    }
}

void forgetGlobal(void *, wl_registry *, uint32_t) {}

} // namespace

namespace WaylandCompositor {

wl_display *connection()
{
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    return native ? static_cast<wl_display *>(native->nativeResourceForIntegration("wl_display")) : nullptr;
}

bool decoratesWindows()
{
    static const bool decorates = [] {
        wl_display *display = connection();
        bool offered = false;
        if (display) {
            wl_event_queue *queue = wl_display_create_queue(display);
            offered = global(queue, "zxdg_decoration_manager_v1").offered;
            wl_event_queue_destroy(queue);
        }
        qCDebug(lcDisplay, "window frames: %s", offered ? "drawn by the compositor" : "drawn by the program");
        return offered;
    }();
    return decorates;
}

Global global(wl_event_queue *queue, const char *name, const wl_interface *bindAs)
{
    wl_display *display = connection();
    if (!display) {
        return {};
    }
    auto *wrapped = static_cast<wl_display *>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(wrapped), queue);
    wl_registry *registry = wl_display_get_registry(wrapped);
    static const wl_registry_listener listener{noteGlobal, forgetGlobal};
    Search search{name, bindAs, {}};
    wl_registry_add_listener(registry, &listener, &search);
    if (wl_display_roundtrip_queue(display, queue) < 0) {
        search.found.offered = false;
    }
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(wrapped);
    return search.found;
}

} // namespace WaylandCompositor

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "X11WindowManager.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <thread>
#include <xcb/xcb.h>

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
// The server's time, which Qt learns on its own connection; KDE's libraries activate windows by it.
#include <QtGui/private/qtx11extras_p.h>

#include "DisplayLog.h"
#include "X11Connection.h"
#include "X11EventWait.h"

namespace {

using X11Connection::own;

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto reply = own(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// Whether a window manager runs that says it takes this request (activation, frame extents).
bool windowManagerTakes(xcb_connection_t *connection, xcb_window_t root, xcb_atom_t request)
{
    static const xcb_atom_t supported = atom(connection, "_NET_SUPPORTED");
    const auto reply = own(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, supported, XCB_ATOM_ATOM, 0, 1024), nullptr));
    if (!reply || reply->format != 32) {
        return false;
    }
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, request) != atoms + count;
}

// The server's time now, or the last time Qt has seen on an event where that is later.
xcb_timestamp_t latestTime()
{
    const xcb_timestamp_t server = QX11Info::getTimestamp();
    if (server == XCB_CURRENT_TIME) {
        return server;
    }
    // Never older than a key Qt has taken and written on the focused window: a window manager that
    // prevents focus stealing refuses a request older than that, and the server's time as a property
    // change shows it is not bound to be later than the stamp it gave an input event.
    xcb_timestamp_t latest = server;
    for (const xcb_timestamp_t seen : {QX11Info::appTime(), QX11Info::appUserTime()}) {
        // Server times wrap after 49.7 days: later is what lies less than half of that ahead.
        if (static_cast<std::int32_t>(seen - latest) > 0) {
            latest = seen;
        }
    }
    return latest;
}

} // namespace

namespace X11WindowManager {

bool request(QWidget *window)
{
    xcb_connection_t *connection = X11Connection::get();
    if (!connection) {
        return false;
    }
    static const xcb_atom_t activeWindow = atom(connection, "_NET_ACTIVE_WINDOW");
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    // Without a window manager, Qt sets the focus itself.
    if (!windowManagerTakes(connection, screen->root, activeWindow)) {
        return false;
    }
    const xcb_timestamp_t now = latestTime();
    if (activeWindow == XCB_ATOM_NONE || now == XCB_CURRENT_TIME) {
        qCDebug(lcDisplay, "activation: Qt's request, the server's time is not to be had");
        return false;
    }
    // Qt's own requests from now on carry that time too.
    QX11Info::setAppTime(now);
    const QWidget *active = QApplication::activeWindow();
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window->winId());
    message.type = activeWindow;
    message.data.data32[0] = 1; // from an application, as its user's action
    message.data.data32[1] = now;
    message.data.data32[2] = active ? static_cast<xcb_window_t>(active->winId()) : XCB_NONE;
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
    qCDebug(lcDisplay, "activation: %s at time %u, the latest the program knows",
            qPrintable(window->windowTitle()), now);
    return true;
}

void fixFrame(QWidget *window)
{
    xcb_connection_t *connection = X11Connection::get();
    if (!connection) {
        return;
    }
    static const xcb_atom_t motifHints = atom(connection, "_MOTIF_WM_HINTS");
    // flags (functions, decorations), functions (move, close), decorations (border, title, menu),
    // input mode, status
    const std::uint32_t hints[] = {0x1 | 0x2, 0x04 | 0x20, 0x02 | 0x08 | 0x10, 0, 0};
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, motifHints, motifHints, 32, 5, hints);

    static const xcb_atom_t requestExtents = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (windowManagerTakes(connection, screen->root, requestExtents)) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = id;
        message.type = requestExtents;
        xcb_send_event(connection, 0, screen->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&message));
    }
    xcb_flush(connection);
}

std::optional<QMargins> frameExtentsNow(QWidget *window)
{
    xcb_connection_t *connection = X11Connection::get();
    if (!connection) {
        return std::nullopt;
    }
    static const xcb_atom_t extentsAtom = atom(connection, "_NET_FRAME_EXTENTS");
    const auto reply =
        own(xcb_get_property_reply(connection,
                                   xcb_get_property(connection, 0, static_cast<xcb_window_t>(window->winId()),
                                                    extentsAtom, XCB_ATOM_CARDINAL, 0, 4),
                                   nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) {
        return std::nullopt;
    }
    const auto *extents = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    // left, right, top, bottom
    return QMargins(static_cast<int>(extents[0]), static_cast<int>(extents[2]), static_cast<int>(extents[1]),
                    static_cast<int>(extents[3]));
}

std::optional<QMargins> frameExtents(QWidget *window, std::chrono::milliseconds patience)
{
    xcb_connection_t *connection = X11Connection::get();
    if (!connection) {
        return std::nullopt;
    }
    static const xcb_atom_t requestExtents = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!windowManagerTakes(connection, screen->root, requestExtents)) {
        return std::nullopt;
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (const std::optional<QMargins> frame = frameExtentsNow(window)) {
            if (frame->isNull()) {
                qCDebug(lcDisplay, "frame: %s has empty extents before it is shown",
                        qPrintable(window->windowTitle()));
                return std::nullopt;
            }
            return frame;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            qCDebug(lcDisplay, "frame: no extents for %s before it is shown",
                    qPrintable(window->windowTitle()));
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void whenFramed(QWidget *window, std::function<void(const QMargins &)> framed)
{
    xcb_connection_t *connection = X11Connection::get();
    if (!connection) {
        return;
    }
    static const xcb_atom_t extentsAtom = atom(connection, "_NET_FRAME_EXTENTS");
    const auto id = static_cast<xcb_window_t>(window->winId());
    auto frame = std::make_shared<QMargins>();
    new X11EventWait(
        window,
        [=](const xcb_generic_event_t *event) {
            if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) {
                return false;
            }
            const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
            if (notify->window != id || notify->atom != extentsAtom) {
                return false;
            }
            *frame = frameExtentsNow(window).value_or(QMargins());
            return !frame->isNull();
        },
        [=] { framed(*frame); });
}

} // namespace X11WindowManager

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "X11KeyboardMapHold.h"

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QGuiApplication>

#include "DisplayLog.h"
#include "X11Connection.h"

namespace {

// XKB events share one event code; the second byte says which (the XKB protocol).
constexpr std::uint8_t XkbNewKeyboardNotify = 0;
// Where NewKeyboardNotify says what changed (keycodes, geometry, device), 16 bits.
constexpr std::size_t ChangedAt = 16;
constexpr char XkbName[] = "XKEYBOARD";
// The server marks an event that a client sent.
constexpr std::uint8_t SentBySendEvent = 0x80;

} // namespace

std::unique_ptr<KeyboardMapHold> X11KeyboardMapHold::create()
{
    xcb_connection_t *connection = X11Connection::get();
    if (!connection) {
        return nullptr;
    }
    const auto xkb = X11Connection::own(xcb_query_extension_reply(
        connection, xcb_query_extension(connection, sizeof XkbName - 1, XkbName), nullptr));
    const bool present = xkb && xkb->present;
    const std::uint8_t xkbEvent = present ? xkb->first_event : 0;
    if (!present) {
        qCDebug(lcDisplay, "keyboard map: the X server has no XKB");
        return nullptr;
    }
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    qCDebug(lcDisplay, "keyboard map: a new keyboard's map is read after the trial");
    return std::unique_ptr<KeyboardMapHold>(new X11KeyboardMapHold(connection, xkbEvent, window));
}

X11KeyboardMapHold::X11KeyboardMapHold(xcb_connection_t *connection, std::uint8_t xkbEvent,
                                       std::uint32_t window)
    : m_connection(connection), m_xkbEvent(xkbEvent), m_window(window)
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11KeyboardMapHold::~X11KeyboardMapHold()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
    xcb_destroy_window(m_connection, m_window);
}

void X11KeyboardMapHold::hold()
{
    m_holding = true;
}

void X11KeyboardMapHold::release()
{
    m_holding = false;
    if (!m_held) {
        return;
    }
    m_held = false;
    // An empty event mask sends it to the window's creator, this program; queued behind what the
    // server has already sent, it is read once the event loop runs again.
    xcb_send_event(m_connection, 0, m_window, XCB_EVENT_MASK_NO_EVENT, m_notice.data());
    xcb_flush(m_connection);
    qCDebug(lcDisplay, "keyboard map: a new keyboard's notice held during the trial, sent back");
}

bool X11KeyboardMapHold::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != m_xkbEvent || event->pad0 != XkbNewKeyboardNotify) {
        return false;
    }
    if (!m_holding) {
        if (event->response_type & SentBySendEvent) {
            qCDebug(lcDisplay, "keyboard map: the notice held during the trial is back; Qt reads the map");
        }
        return false;
    }
    // Every notice leads to the same reading of the whole map: the last one stands for all, with
    // all that any of them changed.
    std::uint16_t changed = 0;
    if (m_held) {
        std::memcpy(&changed, m_notice.data() + ChangedAt, sizeof changed);
    }
    std::memcpy(m_notice.data(), event, m_notice.size());
    std::uint16_t alsoChanged = 0;
    std::memcpy(&alsoChanged, m_notice.data() + ChangedAt, sizeof alsoChanged);
    changed |= alsoChanged;
    std::memcpy(m_notice.data() + ChangedAt, &changed, sizeof changed);
    m_held = true;
    return true;
}

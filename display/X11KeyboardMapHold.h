// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include <QAbstractNativeEventFilter>

#include "KeyboardMapHold.h"

struct xcb_connection_t;

// The X11 hold: a native event filter that, while held, takes XKB's NewKeyboardNotify from Qt and
// sends it back to the program on release, through a window of its own (the server delivers an
// event so sent, whatever its type, to the window's creator). Keys remapped during a trial
// (xmodmap, xkbcomp: XKB's MapNotify) pass at once, so that they map right.
class X11KeyboardMapHold : public KeyboardMapHold, private QAbstractNativeEventFilter
{
public:
    // Null where the server has no XKB.
    static std::unique_ptr<KeyboardMapHold> create();
    ~X11KeyboardMapHold() override;

    void hold() override;
    void release() override;

private:
    X11KeyboardMapHold(xcb_connection_t *connection, std::uint8_t xkbEvent, std::uint32_t window);
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

    xcb_connection_t *m_connection;
    std::uint8_t m_xkbEvent;
    // An unmapped window of the program's own, for the notice sent back to it.
    std::uint32_t m_window;
    bool m_holding = false;
    bool m_held = false;
    std::array<char, 32> m_notice{};
};

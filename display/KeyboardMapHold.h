// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

// Keeps keyboard-map work out of a trial's measured time. On X11 the server announces a "new
// keyboard" whenever a key comes from another device than the last one did (a second keyboard,
// the device carrying the media keys, an on-screen keyboard, any XTEST client), and Qt answers each
// notice by reading the whole map again, a few milliseconds of round trips on the first hit. While
// held, such notices wait until the trial has ended; the keys that come with them still map by the
// map Qt has, which gives arrows and keypad the same on every layout. This object does nothing: it
// stands where the platform has no such notices.
class KeyboardMapHold
{
public:
    // The platform's hold, or this one; never null. Logs its choice in zandel.display.
    static std::unique_ptr<KeyboardMapHold> create();
    virtual ~KeyboardMapHold() = default;

    // From the moment a trial starts.
    virtual void hold() {}
    // Once it has ended: a notice held meanwhile is handled now, by the event loop.
    virtual void release() {}
};

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QObject>

// Waits for one X11 event that Qt receives, without taking it from Qt: the first that awaited
// accepts runs then, once, from the event loop. Goes then, or with its owner.
class X11EventWait : public QObject, private QAbstractNativeEventFilter
{
public:
    X11EventWait(QObject *owner, std::function<bool(const xcb_generic_event_t *)> awaited,
                 std::function<void()> then);
    ~X11EventWait() override;

private:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

    std::function<bool(const xcb_generic_event_t *)> m_awaited;
    std::function<void()> m_then;
    bool m_seen = false;
};

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "X11EventWait.h"

#include <xcb/xcb.h>

#include <QCoreApplication>

X11EventWait::X11EventWait(QObject *owner, std::function<bool(const xcb_generic_event_t *)> awaited,
                           std::function<void()> then)
    : QObject(owner), m_awaited(std::move(awaited)), m_then(std::move(then))
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11EventWait::~X11EventWait()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool X11EventWait::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (m_seen || eventType != "xcb_generic_event_t" ||
        !m_awaited(static_cast<const xcb_generic_event_t *>(message))) {
        return false;
    }
    m_seen = true;
    // Not from inside Qt's handling of the event, which it still gets.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_then();
            deleteLater();
        },
        Qt::QueuedConnection);
    return false;
}

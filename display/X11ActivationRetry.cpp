// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "X11ActivationRetry.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include "DisplayLog.h"
#include "X11WindowManager.h"

namespace {
// Long enough for mutter under load to frame and map the window; a key after that is not one that
// was already under way as the window opened.
constexpr int patienceMs = 5000;
} // namespace

X11ActivationRetry::X11ActivationRetry(QWidget *window) : QObject(window), m_window(window)
{
    // One at a time for a window.
    for (X11ActivationRetry *other : window->findChildren<X11ActivationRetry *>(Qt::FindDirectChildrenOnly)) {
        if (other != this) {
            other->stop();
        }
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
    QCoreApplication::instance()->installEventFilter(this);
    QTimer::singleShot(patienceMs, this, &X11ActivationRetry::stop);
}

X11ActivationRetry::~X11ActivationRetry()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
    QCoreApplication::instance()->removeEventFilter(this);
}

void X11ActivationRetry::stop()
{
    if (m_stopped) {
        return;
    }
    m_stopped = true;
    QCoreApplication::instance()->removeNativeEventFilter(this);
    QCoreApplication::instance()->removeEventFilter(this);
    deleteLater();
}

bool X11ActivationRetry::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType == "xcb_generic_event_t") {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
            reinterpret_cast<const xcb_map_notify_event_t *>(event)->window ==
                static_cast<xcb_window_t>(m_window->winId())) {
            askSoon();
        }
    }
    return false;
}

bool X11ActivationRetry::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (watched == m_window) {
            stop();
        }
        break;
    case QEvent::Hide:
        // A spontaneous hide is the window manager unmapping the window as it frames it.
        if (watched == m_window && !event->spontaneous()) {
            stop();
        }
        break;
    case QEvent::KeyPress:
        // Arrows are the trial's keys, still coming as the window opens; any other key, like a
        // click, is the person turning to something else, which the window must not take from them.
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            askSoon();
            break;
        default:
            stop();
            break;
        }
        break;
    case QEvent::MouseButtonPress:
        stop();
        break;
    default:
        break;
    }
    return false;
}

void X11ActivationRetry::askSoon()
{
    if (m_asking || m_stopped) {
        return;
    }
    m_asking = true;
    // From the event loop, once Qt has handled the event: a key's time is then the program's last.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_asking = false;
            if (!m_stopped && m_window->isVisible() && !m_window->isActiveWindow()) {
                qCDebug(lcDisplay, "activation: %s asked again", qPrintable(m_window->windowTitle()));
                X11WindowManager::request(m_window);
            }
        },
        Qt::QueuedConnection);
}

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowPlacement.h"

#include <QEvent>
#include <QWidget>

#include "WindowFrame.h"

WindowPlacement::WindowPlacement(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window) {
        return QObject::eventFilter(watched, event);
    }
    constexpr Qt::WindowStates stretched = Qt::WindowFullScreen | Qt::WindowMaximized;
    // Qt sends the show event before it maps the window.
    if (event->type() == QEvent::Show && !m_placed) {
        m_placed = true;
        m_frameUnknown = !WindowFrame::centre(m_window);
    } else if (event->type() == QEvent::Paint && m_frameUnknown) {
        m_frameUnknown = false;
        // Not from inside the paint event; the frame has been drawn by the time the window paints.
        QMetaObject::invokeMethod(
            this, [this] { WindowFrame::centreFramed(m_window); }, Qt::QueuedConnection);
    } else if (event->type() == QEvent::WindowStateChange && (m_window->windowState() & stretched)) {
        m_window->setWindowState(m_window->windowState() & ~stretched);
    }
    return QObject::eventFilter(watched, event);
}

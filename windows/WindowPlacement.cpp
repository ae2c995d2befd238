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
        if (!WindowFrame::centre(m_window)) {
            WindowFrame::centreWhenFramed(m_window);
        }
    } else if (event->type() == QEvent::WindowStateChange && (m_window->windowState() & stretched)) {
        m_window->setWindowState(m_window->windowState() & ~stretched);
    }
    return QObject::eventFilter(watched, event);
}

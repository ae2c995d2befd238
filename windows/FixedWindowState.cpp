// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FixedWindowState.h"

#include <QEvent>
#include <QWidget>

FixedWindowState::FixedWindowState(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

bool FixedWindowState::eventFilter(QObject *watched, QEvent *event)
{
    constexpr Qt::WindowStates stretched = Qt::WindowFullScreen | Qt::WindowMaximized;
    if (watched == m_window && event->type() == QEvent::WindowStateChange &&
        (m_window->windowState() & stretched)) {
        m_window->setWindowState(m_window->windowState() & ~stretched);
    }
    return QObject::eventFilter(watched, event);
}

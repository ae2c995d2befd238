// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CentredFrame.h"

#include <QEvent>
#include <QWidget>

#include "WindowFrame.h"

CentredFrame::CentredFrame(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

bool CentredFrame::eventFilter(QObject *watched, QEvent *event)
{
    // Qt sends the show event before it maps the window.
    if (watched == m_window && event->type() == QEvent::Show && !m_placed) {
        m_placed = true;
        WindowFrame::centre(m_window);
    }
    return QObject::eventFilter(watched, event);
}

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BusyWait.h"

#include <QApplication>
#include <QEvent>

void BusyWait::waiting(std::chrono::milliseconds waited)
{
    if (!m_waiting) {
        m_waiting = true;
        QCoreApplication::instance()->installEventFilter(this);
    }
    if (waited >= CursorAfter && !m_busyCursor) {
        m_busyCursor = true;
        QApplication::setOverrideCursor(Qt::BusyCursor);
    }
    // Not a nested event loop: Quit's exit request would end that, not the program after the save.
    QCoreApplication::processEvents();
}

void BusyWait::doneWaiting()
{
    if (m_busyCursor) {
        m_busyCursor = false;
        QApplication::restoreOverrideCursor();
    }
    if (m_waiting) {
        m_waiting = false;
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

bool BusyWait::eventFilter(QObject *watched, QEvent *event)
{
    if (event->isInputEvent()) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

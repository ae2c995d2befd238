// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

// Keeps a window of fixed size at that size: a window manager that grants a request to make it
// full screen or maximised anyway (xfwm4 and KWin stretch it to the screen, its controls in a
// corner) is asked straight back for the normal state.
class FixedWindowState : public QObject
{
public:
    explicit FixedWindowState(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};

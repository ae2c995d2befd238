// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

// Keeps a window of fixed size where and as it is designed. As it is first shown, before it is
// mapped, its frame is centred on the screen, so that it is placed once and never seen to move; a
// window manager that tells the frame only once it has drawn it has the first window moved once
// more, as soon as it does. Later it stays where the person puts it. A window manager that
// makes it full screen or maximised all the same (xfwm4 and KWin stretch it to the screen, its
// controls in a corner) is asked straight back for the normal state.
class WindowPlacement : public QObject
{
public:
    explicit WindowPlacement(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_placed = false;
};

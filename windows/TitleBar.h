// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QToolButton;

// A title bar of the program's own, for a window that the window system leaves without a frame:
// the caption, a close box, and a bar to move the window by. It offers no minimise or maximise,
// as the frames drawn elsewhere do not. It stands above the window's designed client area, which
// keeps its size and moves down below it as the window is first shown.
class TitleBar : public QWidget
{
public:
    explicit TitleBar(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void makeRoom();

    QWidget *m_window;
    QToolButton *m_close;
    bool m_roomMade = false;
};

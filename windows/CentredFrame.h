// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

// Centres a window's frame on the screen as the window is first shown, before it is mapped, so that
// it is placed once and never seen to move; later it stays where the person puts it.
class CentredFrame : public QObject
{
public:
    explicit CentredFrame(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_placed = false;
};

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The explanation window: the heading (Label2), the rules (Label1) and a way back (Command1).
class Form3 : public QWidget
{
    Q_OBJECT

public:
    // mainWindow is made the active window again by Back.
    explicit Form3(QWidget *mainWindow);

    // The rules as one line of 1132 characters; its runs of spaces lay out the key table when the
    // label wraps it.
    static QString rulesText();

private:
    QWidget *m_mainWindow;
    QPushButton *m_command1;
    QLabel *m_label1;
    QLabel *m_label2;
};

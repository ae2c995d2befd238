// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;

// The result window: the lines of the last trial in List1 and a way back (Command1).
class Form2 : public QWidget
{
    Q_OBJECT

public:
    // mainWindow is made the active window again by Back.
    explicit Form2(QWidget *mainWindow);

    void clearList();
    void addLine(const QString &text);

private:
    QWidget *m_mainWindow;
    QPushButton *m_command1;
    QListWidget *m_list1;
};

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include "LockWaiter.h"

// While a finished score waits for another copy of the program: the windows go on painting and
// answering the window manager, keys and clicks made meanwhile count for nothing, and after half a
// second a busy cursor shows that the score is being saved. A close request is taken: the program
// ends once the score is written.
class BusyWait : public QObject, public LockWaiter
{
public:
    static constexpr std::chrono::milliseconds CursorAfter{500};

    void waiting(std::chrono::milliseconds waited) override;
    void doneWaiting() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_waiting = false;
    bool m_busyCursor = false;
};

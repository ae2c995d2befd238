// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

// The windows while a finished score waits for another copy of the program to let go of the score
// file, however long that takes: they go on painting and answering the window manager, and show
// that the score is being saved. No call may throw, take a step of the trial or count as input.
class LockWaiter
{
public:
    virtual ~LockWaiter() = default;

    // Every few milliseconds while the wait lasts, with the time waited so far.
    virtual void waiting(std::chrono::milliseconds waited) = 0;
    // Once the wait is over, after at least one call of waiting().
    virtual void doneWaiting() = 0;
};

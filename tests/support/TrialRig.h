// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "CallLog.h"
#include "FakeDisplay.h"
#include "FakeRuntime.h"
#include "Trial.h"
#include "TrialFolders.h"

// A trial on the doubles, in fresh folders.
struct TrialRig
{
    TrialFolders folders;
    CallLog log;
    FakeRuntime runtime{folders.application(), folders.drive(), log};
    FakeDisplay display{log};
    Trial trial{runtime, display};

    // The key that answers the arrow in a slot of the arrow table.
    static std::int16_t keyFor(int slot);
    QString arrowPath(int slot) const;

    void press(std::int16_t keyCode) { trial.keyDown(keyCode); }
    // Start, then a right key for each of ten arrows; before the tenth the clock is set so the trial
    // lasts elapsed milliseconds.
    void playTrial(std::int64_t elapsed = 2000);
};

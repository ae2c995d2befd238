// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <deque>
#include <functional>

#include "SystemRuntime.h"

struct CallLog;

// The real files and images, with a clock the test sets, pauses that only advance that clock, and
// random numbers the test feeds. Logs pauses, clock readings and image loads.
class FakeRuntime : public SystemRuntime
{
public:
    FakeRuntime(const QString &applicationFolder, const QString &driveFolder, CallLog &log);

    std::int32_t now = 0;
    std::deque<float> randoms;
    int seedCount = 0;
    // Called at each pause, before the clock moves on.
    std::function<void(int milliseconds)> onPause;

    // Feeds draws that name these arrows of the arrow table.
    void feedSlots(std::initializer_list<int> arrows);

    std::int32_t tickCount() override;
    void pause(int milliseconds) override;
    void seedRandom() override;
    float nextRandom() override;
    QImage loadImage(const QString &path) override;
    // The trial's priority stays as it is unless a test asks for the real step.
    bool realPriority = false;
    void setTrialPriority(bool raised) override
    {
        if (realPriority) {
            SystemRuntime::setTrialPriority(raised);
        }
    }

private:
    CallLog &m_log;
};

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A low real-time priority (SCHED_FIFO) for the calling thread while a trial runs, so that other
// programs on the machine take less of its time: directly where RLIMIT_RTPRIO allows it (root, or
// a user with a real-time limit), else through RealtimeKit on the system bus, else not at all.
// Refusal is silent: the trial runs as it would without.
class RealtimePriority
{
public:
    // The priority asked for: low, above every ordinary program and below the system's own threads.
    static constexpr int Priority = 5;

    RealtimePriority() = default;
    ~RealtimePriority();
    RealtimePriority(const RealtimePriority &) = delete;
    RealtimePriority &operator=(const RealtimePriority &) = delete;

    // True when the thread now runs at the real-time priority.
    bool raise() noexcept;
    // Back to the policy and priority the thread had before raise.
    void restore() noexcept;

private:
    bool raiseThroughRealtimeKit() noexcept;

    bool m_raised = false;
    int m_policy = 0;
    int m_priority = 0;
};

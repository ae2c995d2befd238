// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <utility>

#include <QStringList>

// One list of what the trial asked of runtime and display, in order, shared by both doubles.
struct CallLog
{
    QStringList entries;

    void add(const QString &entry) { entries.append(entry); }
    QStringList take() { return std::exchange(entries, {}); }
};

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

class QImage;

// Whoever shows the pictures, told of each pause so that it can make the picture after the pause
// quicker: work inside the pause, never a step of the trial brought forward, never an error.
class PauseCompanion
{
public:
    virtual ~PauseCompanion() = default;

    // At the start of a pause, with the pictures the next step may show, as loaded last.
    virtual void prepare(const QList<QImage> &upcoming) = 0;
    // A few hundred microseconds before the pause ends.
    virtual void wake() = 0;
};

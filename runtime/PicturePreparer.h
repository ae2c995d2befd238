// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

class QImage;

// The window the trial runs in, inside each of the trial's pauses (the main window's PauseWork): it
// makes the picture after the pause quick to show, warms what the step after the pause goes
// through, and wakes the display server shortly before the pause ends. SystemRuntime::pause calls
// it; the timeline of a pause is written there.
//
// The contract: the pictures handed to prepare() are the very QImage objects (the same cacheKey)
// that the loads after the pause return, so what is made ready for them is found again; no call
// may fail, throw, take a step of the trial or count as input: it is work done inside the pause,
// never a described step brought forward.
class PicturePreparer
{
public:
    virtual ~PicturePreparer() = default;

    // At the start of a pause, with the pictures the next step may show.
    virtual void prepare(const QList<QImage> &upcoming) = 0;
    // Once awake near the end of the pause, about a millisecond and a half before it ends.
    virtual void warm() = 0;
    // A few hundred microseconds before the pause ends.
    virtual void wake() = 0;
};

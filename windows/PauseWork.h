// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PicturePreparer.h"

class PictureBox;
class QPushButton;

// What the main window does inside each of the trial's pauses; the pause's timeline, and when each
// of these is called, is in SystemRuntime::pause. The pictures after the pause are made ready on
// the picture box's way to the screen; Start's disabled look and a key's way to the box are warmed;
// the display server is woken. None of it shows anything, takes a step of the trial or counts as
// input.
class PauseWork : public PicturePreparer
{
public:
    PauseWork(QPushButton *start, PictureBox *box) : m_start(start), m_box(box) {}

    void prepare(const QList<QImage> &upcoming) override;
    void warm() override;
    void wake() override;

private:
    void warmStartsDisabledLook();
    void warmTheWayOfAKey();

    QPushButton *m_start;
    PictureBox *m_box;
};

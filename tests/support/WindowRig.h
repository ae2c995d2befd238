// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QPushButton>

#include "CallLog.h"
#include "FakeRuntime.h"
#include "Form1.h"
#include "PictureBox.h"
#include "PlatformError.h"
#include "TrialFolders.h"

// The main window on the runtime double, shown and active; errors are recorded instead of shown.
struct WindowRig
{
    TrialFolders folders;
    CallLog log;
    FakeRuntime runtime{folders.application(), folders.drive(), log};
    QList<PlatformError> errors;
    Form1 form1{runtime, [this](const PlatformError &error) { errors.append(error); }};

    WindowRig();

    void activateMainWindow();
    PictureBox *picture() const;
    QPushButton *button(const char *name) const
    {
        return form1.findChild<QPushButton *>(QLatin1String(name));
    }
    void click(const char *name) const;
    // Presses a key where the keyboard focus is, as a person would.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Start, then the right arrow key for each of ten arrows.
    void playTrial();
};

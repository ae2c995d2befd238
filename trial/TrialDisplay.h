// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

// What the trial shows: the picture box and Start button of the main window, and the result
// window with its list. The windows implement it; the result window is created hidden on first use.
class TrialDisplay
{
public:
    virtual ~TrialDisplay() = default;

    virtual void setPicture(const QImage &image) = 0;
    virtual void setStartEnabled(bool enabled) = 0;
    virtual void clearResultList() = 0;
    virtual void addResultLine(const QString &text) = 0;
    virtual void showResultWindow() = 0;
};

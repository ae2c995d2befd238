// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TrialDisplay.h"

struct CallLog;

// Records what the trial shows.
class FakeDisplay : public TrialDisplay
{
public:
    explicit FakeDisplay(CallLog &log);

    QImage picture;
    bool startEnabled = true;
    QStringList resultLines;
    int resultWindowShown = 0;

    void setPicture(const QImage &image) override;
    void setStartEnabled(bool enabled) override;
    void clearResultList() override;
    void addResultLine(const QString &text) override;
    void showResultWindow() override;

private:
    CallLog &m_log;
};

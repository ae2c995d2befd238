// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDisplay.h"

#include "CallLog.h"

FakeDisplay::FakeDisplay(CallLog &log) : m_log(log) {}

void FakeDisplay::setPicture(const QImage &image)
{
    m_log.add(QStringLiteral("picture"));
    picture = image;
}

void FakeDisplay::setStartEnabled(bool enabled)
{
    m_log.add(enabled ? QStringLiteral("start on") : QStringLiteral("start off"));
    startEnabled = enabled;
}

void FakeDisplay::clearResultList()
{
    m_log.add(QStringLiteral("list clear"));
    resultLines.clear();
}

void FakeDisplay::addResultLine(const QString &text)
{
    m_log.add(QStringLiteral("list add"));
    resultLines.append(text);
}

void FakeDisplay::showResultWindow()
{
    m_log.add(QStringLiteral("result shown"));
    ++resultWindowShown;
}

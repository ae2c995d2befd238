// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeRuntime.h"

#include <stdexcept>

#include "CallLog.h"

FakeRuntime::FakeRuntime(const QString &applicationFolder, const QString &driveFolder, CallLog &log)
    : SystemRuntime(applicationFolder, driveFolder), m_log(log)
{
}

void FakeRuntime::feedSlots(std::initializer_list<int> arrows)
{
    for (int slot : arrows) {
        randoms.push_back((static_cast<float>(slot) + 0.5f) / 4.0f);
    }
}

std::int32_t FakeRuntime::tickCount()
{
    m_log.add(QStringLiteral("clock"));
    return now;
}

void FakeRuntime::pause(int milliseconds)
{
    m_log.add(QStringLiteral("pause %1").arg(milliseconds));
    if (onPause) {
        onPause(milliseconds);
    }
    now =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(now) + static_cast<std::uint32_t>(milliseconds));
}

void FakeRuntime::seedRandom()
{
    ++seedCount;
}

float FakeRuntime::nextRandom()
{
    if (randoms.empty()) {
        throw std::logic_error("the test fed too few random numbers");
    }
    const float r = randoms.front();
    randoms.pop_front();
    return r;
}

QImage FakeRuntime::loadImage(const QString &path)
{
    m_log.add(QStringLiteral("image ") + path);
    return SystemRuntime::loadImage(path);
}

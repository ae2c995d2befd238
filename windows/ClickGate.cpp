// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClickGate.h"

#include <chrono>
#include <cstdint>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QInputEvent>

namespace {

// Far longer than the clicks queued behind a handler take to arrive, far shorter than 2^31 ms.
constexpr qint64 GuardFor = 10'000;

// Whether time a comes before time b on a 32-bit clock that wraps.
bool before(quint32 a, quint32 b)
{
    return static_cast<std::int32_t>(a - b) < 0;
}

} // namespace

ClickGate::ClickGate(QAbstractButton *button, Clock clock)
    : QObject(button), m_button(button), m_clock(std::move(clock))
{
    QCoreApplication::instance()->installEventFilter(this);
}

ClickGate::~ClickGate()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

qint64 ClickGate::steadyMilliseconds()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

void ClickGate::buttonDisabled()
{
    m_gapSinceDisabled = false;
    m_guarding = false;
}

void ClickGate::buttonEnabled()
{
    // Without a single stamped event seen there is nothing to tell the clicks apart by.
    m_guarding = m_gapKnown;
    m_enabledOn = m_clock();
    m_enabledAt = static_cast<quint32>(m_enabledOn) - m_gap;
}

void ClickGate::noteArrival(quint32 stamp)
{
    const quint32 gap = static_cast<quint32>(m_clock()) - stamp;
    if (!m_gapSinceDisabled || before(gap, m_gap)) {
        m_gap = gap;
        m_gapKnown = true;
        m_gapSinceDisabled = true;
    }
}

bool ClickGate::eventFilter(QObject *watched, QEvent *event)
{
    if (!event->isInputEvent()) {
        return false;
    }
    const auto stamp = static_cast<quint32>(static_cast<QInputEvent *>(event)->timestamp());
    if (stamp == 0) {
        return false;
    }
    noteArrival(stamp);
    if (m_guarding && m_clock() - m_enabledOn > GuardFor) {
        m_guarding = false;
    }
    if (watched != m_button || !m_guarding) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (!before(m_enabledAt, stamp)) {
            return true; // made while the button was greyed
        }
        m_guarding = false; // the events come in order: all later ones are newer still
        return false;
    default:
        return false;
    }
}

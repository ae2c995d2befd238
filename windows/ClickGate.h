// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include <QObject>

class QAbstractButton;

// Lets a button take only the clicks made while it could be clicked. A click on the greyed button
// waits in the queue while a handler blocks (the trial's last pause); if that handler enables the
// button, Qt would hand it the click as if it had been made just then. The display server stamps
// each input event with its own time, so the click is compared with the moment the button was
// enabled, told in the server's time: our clock less the smallest gap seen between an event's stamp
// and its arrival here. A gap only ever overstates the server's lead, so a click made after that
// moment is never lost; clicks without a stamp (0) always pass. Only the clicks that waited behind
// the handler are at stake, which arrive at once: the gate opens for good a few seconds after the
// button is enabled, before the wrapping stamps could ever be misread.
class ClickGate : public QObject
{
public:
    // Milliseconds on a clock that runs at the display server's rate.
    using Clock = std::function<qint64()>;

    explicit ClickGate(QAbstractButton *button, Clock clock = steadyMilliseconds);
    ~ClickGate() override;

    void setClock(Clock clock) { m_clock = std::move(clock); }
    // Told when the button is greyed and when it may be clicked again.
    void buttonDisabled();
    void buttonEnabled();

    static qint64 steadyMilliseconds();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void noteArrival(quint32 stamp);

    QAbstractButton *m_button;
    Clock m_clock;
    // Our clock less the server's, modulo 2^32 as the stamps wrap; the smallest seen since the
    // button was greyed, since clocks of two machines drift apart.
    quint32 m_gap = 0;
    bool m_gapKnown = false;
    bool m_gapSinceDisabled = false;
    quint32 m_enabledAt = 0;
    // When the button was enabled, on our own clock, which does not wrap.
    qint64 m_enabledOn = 0;
    bool m_guarding = false;
};

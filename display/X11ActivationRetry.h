// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

class QWidget;

// Asks the window manager again to activate a window it has just been asked to, until the window
// is active: once the window is mapped, since mutter 44 and later map it only when their frames
// client has framed it and drop an earlier request ("not showing, not focusing after all"); and
// after each arrow key the program's other windows still take, since mutter refuses a request
// older than the focused window's last key, whose time it reads from that window whenever it gets
// round to it: while the trial's keys keep coming, any one request can lose. Stops when the window
// is active or hidden, at any other key or a click (the person turning to something else), and
// after a few seconds.
class X11ActivationRetry : public QObject, private QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    explicit X11ActivationRetry(QWidget *window);
    ~X11ActivationRetry() override;

private:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void askSoon();
    void stop();

    QWidget *m_window;
    bool m_asking = false;
    bool m_stopped = false;
};

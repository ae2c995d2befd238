// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DisplayPath.h"

// The path where there is no quicker one: the widget repaints at once, as Qt paints any widget.
// On X11 Qt then waits for the server before each picture; natively on Wayland the picture leaves
// only with the next pass of the event loop, after the pause.
class QtPaints : public DisplayPath
{
public:
    explicit QtPaints(QWidget *widget) : m_widget(widget) {}

    void show(const QImage &picture) override;
    void prepare(const QList<QImage> &) override {}
    void wake() override {}

private:
    QWidget *m_widget;
};

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include <QList>

class QImage;
class QWidget;

// The picture box's way to the screen. The trial pauses right after each picture, with no event
// loop to send it, so every path shows and sends at once: on X11 the server shows the pictures from
// shared memory, on Wayland they go to a surface of their own, elsewhere Qt paints the widget.
class DisplayPath
{
public:
    // The quickest path the widget's shown window offers; never null. Logs its choice in
    // zandel.display.
    static std::unique_ptr<DisplayPath> create(QWidget *widget);
    virtual ~DisplayPath() = default;

    // Shows the picture (Format_RGB32) at the top-left corner of the widget's contents, white in
    // the rest, and sends it to the display server.
    virtual void show(const QImage &picture) = 0;
    // Inside a trial's pause, with the pictures the step after it may show (the very objects the
    // loads will return): makes them quick to show. Never fails, never a step of the trial.
    virtual void prepare(const QList<QImage> &pictures) = 0;
    // A few hundred microseconds before a pause ends: wakes the display server, so that the next
    // picture finds it awake.
    virtual void wake() = 0;
};

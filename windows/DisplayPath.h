// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include <QList>

class QImage;
class QRect;
class QSize;
class QWidget;

// The picture box's way to the screen where Qt's own would keep the person waiting: on X11 the
// server shows the pictures from shared memory, on Wayland what Qt painted is sent at once. The
// trial pauses right after each picture, with no event loop to send it.
class DisplayPath
{
public:
    // Null where Qt's own painting is all there is. Pictures are shown in areas of at most largest.
    static std::unique_ptr<DisplayPath> create(QWidget *widget, const QSize &largest);
    virtual ~DisplayPath() = default;

    // Puts the picture (Format_RGB32) at the top-left corner of area, given in the window's pixels,
    // white in the rest of area, and sends it; false when Qt must paint it instead.
    virtual bool show(const QImage &picture, const QRect &area) = 0;
    // Sends what Qt has just painted to the display server.
    virtual void send() = 0;
    // Whether shown pictures lie in a surface of their own above the widget, so that the window's
    // own copy, which Qt shows when the window is uncovered, need not hold them.
    virtual bool coversWidget() const = 0;

    // Inside a trial's pause: makes these pictures quick to show.
    virtual void prepare(const QList<QImage> &pictures) = 0;
    // Shortly before a pause ends: wakes the display server, so that the next picture finds it
    // awake.
    virtual void wake() = 0;
};

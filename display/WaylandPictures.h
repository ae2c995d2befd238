// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include <QPointer>
#include <QWindow>

#include "DisplayPath.h"

class QBackingStore;
class QWidget;
class WaylandBuffers;
struct wl_display;
struct wl_surface;

// Shows pictures on Wayland in a surface of their own above the picture box, and sends each to the
// compositor at once. Qt commits a painted picture right away but sends its requests only when the
// event loop next runs, after the trial's pause; and painting the main window copies all of it
// into a fresh buffer, since the compositor still holds the one shown. Once the surface is on
// screen each picture has a buffer of its own, written inside a pause and then only attached, as
// the X11 path keeps its pictures in shared memory; Qt paints them where that cannot be had.
class WaylandPictures : public DisplayPath
{
public:
    // Null, with the reason in the log, unless the widget's window is on Wayland.
    static std::unique_ptr<WaylandPictures> create(QWidget *widget);
    ~WaylandPictures() override;

    void show(const QImage &picture) override;
    // Writes the pictures into buffers of their own, or takes a free buffer of Qt's for the next
    // picture, so that showing it copies nothing.
    void prepare(const QList<QImage> &pictures) override;
    // A request that changes nothing, which wakes the compositor.
    void wake() override;

private:
    WaylandPictures(QWidget *widget, wl_display *display, QWindow *window);
    // Sends what was painted: nothing is read or dispatched, so no event of the window system runs.
    void send();
    // The surface to attach buffers of the program's own to, with buffers for pictures of this
    // size, made now if mayMake; null where Qt paints them.
    wl_surface *ownBuffersSurface(const QSize &size, bool mayMake);

    QWidget *m_widget;
    wl_display *m_display;
    // A child window, which Qt makes a subsurface of the main window's that updates on its own.
    // The main window owns it; it may go first.
    QPointer<QWindow> m_surface;
    std::unique_ptr<QBackingStore> m_store;
    std::unique_ptr<WaylandBuffers> m_buffers;
};

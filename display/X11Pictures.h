// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <memory>

#include <QImage>
#include <QObject>
#include <QRect>

#include "DisplayPath.h"
#include "RecentPictures.h"

struct xcb_connection_t;
class QWidget;

// Shows pictures in a window on X11 without waiting for the server. Qt's own painting waits one
// round trip for the server to finish reading its shared memory before it paints the same area
// again; here each picture gets memory of its own that is written once and read by the server
// whenever the picture is shown.
class X11Pictures : public QObject, public DisplayPath
{
public:
    // Null, with the reason in the log, unless the widget's window is on X11 with shared memory,
    // unscaled, in 32-bit pixels laid out as QImage::Format_RGB32.
    static std::unique_ptr<X11Pictures> create(QWidget *widget);
    ~X11Pictures() override;

    X11Pictures(const X11Pictures &) = delete;
    X11Pictures &operator=(const X11Pictures &) = delete;

    void show(const QImage &picture) override;
    // Brings the window's own copy up to date, takes Qt's wait for the server, and writes each
    // picture into its slot of shared memory, so that showing it writes nothing.
    void prepare(const QList<QImage> &pictures) override;
    // A request with no reply; the server wakes to read it.
    void wake() override;

    // How many pictures the shared memory holds at once; the least recently shown gives way.
    static constexpr std::size_t Slots = RecentPictureSlots;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A picture's key changes with its pixels; a slot holds the part of it that was shown.
    struct Slot
    {
        qint64 key = -1;
        QSize size;
        std::size_t offset = 0;
    };

    X11Pictures(QWidget *widget, xcb_connection_t *connection, std::uint32_t window, std::uint8_t depth,
                std::uint32_t segment, std::uint8_t *memory, const QSize &largest);
    std::size_t offsetOf(const QImage &picture, const QSize &shown);
    QRect areaInWindow() const;
    // Qt shows the window's own copy when the window is uncovered; the pictures put straight on the
    // screen are painted into it inside the next pause, or just before an expose.
    void updateWindowCopy();

    QWidget *m_widget;
    QImage m_shown;
    bool m_windowCopyStale = false;
    xcb_connection_t *m_connection;
    std::uint32_t m_window;
    std::uint8_t m_depth;
    std::uint32_t m_segment;
    std::uint8_t *m_memory;
    QSize m_largest;
    std::uint32_t m_gc;
    QRect m_lastShown;
    RecentPictures<Slot> m_slots;
};

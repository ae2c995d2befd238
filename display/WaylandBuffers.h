// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include <QImage>
#include <QSize>

#include "RecentPictures.h"

struct wl_buffer;
struct wl_display;
struct wl_event_queue;
struct wl_shm;
struct wl_shm_pool;

// The picture box's pictures in memory shared with the compositor, one buffer each, as the box
// shows them: written once, then attached whenever the picture is shown, with nothing copied. Its
// objects take their events on a queue of their own, so that none of Qt's is dispatched here.
class WaylandBuffers
{
public:
    // Null, with the reason in the log, where the compositor offers no shared memory.
    static std::unique_ptr<WaylandBuffers> create(wl_display *display, const QSize &size);
    ~WaylandBuffers();

    WaylandBuffers(const WaylandBuffers &) = delete;
    WaylandBuffers &operator=(const WaylandBuffers &) = delete;

    QSize size() const { return m_size; }
    // Writes the picture into a buffer of its own, unless one holds it already or every buffer is
    // still held by the compositor.
    void ready(const QImage &picture);
    // The buffer that shows the picture, to be attached now; null where every buffer is still held.
    wl_buffer *bufferToShow(const QImage &picture);

    // How many pictures are kept at once; the least recently shown gives way.
    static constexpr std::size_t Slots = RecentPictureSlots;

private:
    // A picture's key changes with its pixels; no picture has the key of an empty slot.
    struct Slot
    {
        qint64 key = -1;
        wl_buffer *buffer = nullptr;
        std::size_t offset = 0;
        // Attached and not yet given back by the compositor.
        bool held = false;
    };

    WaylandBuffers(wl_display *display, wl_event_queue *queue, wl_shm *shm, const QSize &size, int file,
                   std::uint8_t *memory);
    // The slot that holds the picture, written there on first use.
    Slot *slotFor(const QImage &picture);
    static void released(void *data, wl_buffer *buffer);

    wl_display *m_display;
    wl_event_queue *m_queue;
    wl_shm *m_shm;
    wl_shm_pool *m_pool = nullptr;
    QSize m_size;
    int m_file;
    std::uint8_t *m_memory;
    RecentPictures<Slot> m_slots;
};

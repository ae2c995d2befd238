// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WaylandBuffers.h"

#include <algorithm>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <QPainter>

#include "DisplayLog.h"
#include "PicturePainting.h"
#include "WaylandCompositor.h"

namespace {

constexpr int BytesPerPixel = 4;

} // namespace

std::unique_ptr<WaylandBuffers> WaylandBuffers::create(wl_display *display, const QSize &size)
{
    if (size.isEmpty()) {
        return nullptr;
    }
    wl_event_queue *queue = wl_display_create_queue(display);
    auto *shm = static_cast<wl_shm *>(
        WaylandCompositor::global(queue, wl_shm_interface.name, &wl_shm_interface).bound);

    const std::size_t bytes = Slots * static_cast<std::size_t>(size.width() * size.height() * BytesPerPixel);
    const int file = shm ? memfd_create("zandel-pictures", MFD_CLOEXEC) : -1;
    void *memory = MAP_FAILED;
    if (file >= 0 && ftruncate(file, static_cast<off_t>(bytes)) == 0) {
        memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, file, 0);
    }
    if (memory == MAP_FAILED) {
        qCDebug(lcDisplay, "Wayland buffers: %s",
                shm ? "no shared memory to be had" : "the compositor offers no wl_shm");
        if (file >= 0) {
            close(file);
        }
        if (shm) {
            wl_shm_destroy(shm);
        }
        wl_event_queue_destroy(queue);
        return nullptr;
    }
    return std::unique_ptr<WaylandBuffers>(
        new WaylandBuffers(display, queue, shm, size, file, static_cast<std::uint8_t *>(memory)));
}

WaylandBuffers::WaylandBuffers(wl_display *display, wl_event_queue *queue, wl_shm *shm, const QSize &size,
                               int file, std::uint8_t *memory)
    : m_display(display), m_queue(queue), m_shm(shm), m_size(size), m_file(file), m_memory(memory)
{
    const int stride = size.width() * BytesPerPixel;
    const std::size_t slotBytes = static_cast<std::size_t>(stride * size.height());
    m_pool = wl_shm_create_pool(m_shm, m_file, static_cast<int32_t>(Slots * slotBytes));
    static const wl_buffer_listener listener{released};
    std::size_t offset = 0;
    for (Slot &slot : m_slots.all()) {
        slot.offset = offset;
        offset += slotBytes;
        // QImage::Format_RGB32 is XRGB8888 in the compositor's terms.
        slot.buffer = wl_shm_pool_create_buffer(m_pool, static_cast<int32_t>(slot.offset), size.width(),
                                                size.height(), stride, WL_SHM_FORMAT_XRGB8888);
        wl_buffer_add_listener(slot.buffer, &listener, this);
    }
    wl_display_flush(m_display);
    qCDebug(lcDisplay, "Wayland buffers: %zu of %dx%d", Slots, size.width(), size.height());
}

WaylandBuffers::~WaylandBuffers()
{
    for (const Slot &slot : m_slots.all()) {
        wl_buffer_destroy(slot.buffer);
    }
    wl_shm_pool_destroy(m_pool);
    wl_shm_destroy(m_shm);
    wl_display_flush(m_display);
    wl_event_queue_destroy(m_queue);
    munmap(m_memory, Slots * static_cast<std::size_t>(m_size.width() * m_size.height() * BytesPerPixel));
    close(m_file);
}

void WaylandBuffers::released(void *data, wl_buffer *buffer)
{
    for (Slot &slot : static_cast<WaylandBuffers *>(data)->m_slots.all()) {
        if (slot.buffer == buffer) {
            slot.held = false;
        }
    }
}

void WaylandBuffers::ready(const QImage &picture)
{
    slotFor(picture);
}

wl_buffer *WaylandBuffers::bufferToShow(const QImage &picture)
{
    Slot *slot = slotFor(picture);
    if (!slot) {
        return nullptr;
    }
    slot->held = true;
    return slot->buffer;
}

WaylandBuffers::Slot *WaylandBuffers::slotFor(const QImage &picture)
{
    // Releases the compositor has sent; nothing is read from the connection here.
    wl_display_dispatch_queue_pending(m_display, m_queue);
    const qint64 key = picture.cacheKey();
    if (Slot *found = m_slots.find([&](const Slot &slot) { return slot.key == key; })) {
        return found;
    }
    Slot *slot = m_slots.giveWay([](const Slot &slot) { return !slot.held; });
    if (!slot) {
        return nullptr;
    }
    QImage target(m_memory + slot->offset, m_size.width(), m_size.height(), m_size.width() * BytesPerPixel,
                  QImage::Format_RGB32);
    QPainter painter(&target);
    PicturePainting::paint(painter, QRect(QPoint(), m_size), picture);
    slot->key = key;
    return slot;
}

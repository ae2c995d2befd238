// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "X11Pictures.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <QBackingStore>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <QWindow>

#include "DisplayLog.h"
#include "PicturePainting.h"
#include "X11Connection.h"

namespace {

constexpr std::uint32_t White = 0xffffff;

std::size_t slotBytes(const QSize &largest)
{
    return static_cast<std::size_t>(largest.width()) * static_cast<std::size_t>(largest.height()) * 4;
}

using X11Connection::own;

// The window's visual stores a pixel as QImage::Format_RGB32 does on this machine.
bool sharesRgb32Layout(xcb_connection_t *connection, xcb_window_t window, std::uint8_t depth)
{
    const xcb_setup_t *setup = xcb_get_setup(connection);
    if (setup->image_byte_order != (QSysInfo::ByteOrder == QSysInfo::LittleEndian
                                        ? XCB_IMAGE_ORDER_LSB_FIRST
                                        : XCB_IMAGE_ORDER_MSB_FIRST)) {
        return false;
    }
    bool thirtyTwoBits = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem; xcb_format_next(&format)) {
        thirtyTwoBits |= format.data->depth == depth && format.data->bits_per_pixel == 32;
    }
    const auto attributes = own(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr));
    if (!thirtyTwoBits || !attributes) {
        return false;
    }
    for (auto screen = xcb_setup_roots_iterator(setup); screen.rem; xcb_screen_next(&screen)) {
        for (auto depths = xcb_screen_allowed_depths_iterator(screen.data); depths.rem;
             xcb_depth_next(&depths)) {
            for (auto type = xcb_depth_visuals_iterator(depths.data); type.rem; xcb_visualtype_next(&type)) {
                if (type.data->visual_id == attributes->visual) {
                    return type.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
                           type.data->red_mask == 0xff0000 && type.data->green_mask == 0x00ff00 &&
                           type.data->blue_mask == 0x0000ff;
                }
            }
        }
    }
    return false;
}

// Memory shared with the server, or null where the server cannot hand out a segment.
std::uint8_t *createSegment(xcb_connection_t *connection, std::uint32_t segment, std::size_t size)
{
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(connection, &xcb_shm_id);
    if (!extension || !extension->present) {
        qCDebug(lcDisplay, "X11 shared memory: the server has no MIT-SHM");
        return nullptr;
    }
    const auto version =
        own(xcb_shm_query_version_reply(connection, xcb_shm_query_version(connection), nullptr));
    if (!version || (version->major_version == 1 && version->minor_version < 2)) {
        qCDebug(lcDisplay, "X11 shared memory: the server's MIT-SHM hands out no segments (before 1.2)");
        return nullptr;
    }
    const auto reply = own(xcb_shm_create_segment_reply(
        connection, xcb_shm_create_segment(connection, segment, static_cast<std::uint32_t>(size), 0),
        nullptr));
    if (!reply) {
        qCDebug(lcDisplay, "X11 shared memory: the server refused a segment");
        return nullptr;
    }
    const int *fds = xcb_shm_create_segment_reply_fds(connection, reply.get());
    if (reply->nfd != 1) {
        for (int i = 0; i < reply->nfd; ++i) {
            ::close(fds[i]);
        }
        qCDebug(lcDisplay, "X11 shared memory: the segment came with %d descriptors", reply->nfd);
        return nullptr;
    }
    // Faulted in now, not page by page when a picture is first written inside a trial.
    void *memory = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE, fds[0], 0);
    ::close(fds[0]);
    if (memory == MAP_FAILED) {
        xcb_shm_detach(connection, segment);
        qCDebug(lcDisplay, "X11 shared memory: the segment could not be mapped");
        return nullptr;
    }
    return static_cast<std::uint8_t *>(memory);
}

} // namespace

std::unique_ptr<X11Pictures> X11Pictures::create(QWidget *widget)
{
    xcb_connection_t *connection = X11Connection::get();
    if (!connection) {
        qCDebug(lcDisplay, "X11 shared memory: no X11 connection");
        return nullptr;
    }
    const QSize largest = widget->contentsRect().size();
    if (widget->devicePixelRatioF() != 1.0 || largest.isEmpty()) {
        qCDebug(lcDisplay, "X11 shared memory: the window is scaled (%g) or the box empty",
                widget->devicePixelRatioF());
        return nullptr;
    }
    const auto window = static_cast<xcb_window_t>(widget->window()->winId());
    const auto geometry =
        own(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    if (!geometry || !sharesRgb32Layout(connection, window, geometry->depth)) {
        qCDebug(lcDisplay, "X11 shared memory: the window's pixels are not laid out as 32-bit RGB");
        return nullptr;
    }
    const std::uint32_t segment = xcb_generate_id(connection);
    std::uint8_t *memory = createSegment(connection, segment, Slots * slotBytes(largest));
    if (!memory) {
        return nullptr;
    }
    qCDebug(lcDisplay, "pictures: X11 shared memory, %zu slots of %dx%d", Slots, largest.width(),
            largest.height());
    return std::unique_ptr<X11Pictures>(
        new X11Pictures(widget, connection, window, geometry->depth, segment, memory, largest));
}

X11Pictures::X11Pictures(QWidget *widget, xcb_connection_t *connection, std::uint32_t window,
                         std::uint8_t depth, std::uint32_t segment, std::uint8_t *memory,
                         const QSize &largest)
    : m_widget(widget), m_connection(connection), m_window(window), m_depth(depth), m_segment(segment),
      m_memory(memory), m_largest(largest), m_gc(xcb_generate_id(connection))
{
    // No exposure events: the pictures in memory are always whole.
    const std::uint32_t values[] = {White, 0};
    xcb_create_gc(m_connection, m_gc, m_window, XCB_GC_FOREGROUND | XCB_GC_GRAPHICS_EXPOSURES, values);
    std::size_t offset = 0;
    for (Slot &slot : m_slots.all()) {
        slot.offset = offset;
        offset += slotBytes(m_largest);
    }
    m_widget->window()->windowHandle()->installEventFilter(this);
    m_widget->installEventFilter(this);
}

X11Pictures::~X11Pictures()
{
    xcb_free_gc(m_connection, m_gc);
    xcb_shm_detach(m_connection, m_segment);
    xcb_flush(m_connection);
    ::munmap(m_memory, Slots * slotBytes(m_largest));
}

QRect X11Pictures::areaInWindow() const
{
    const QRect contents = m_widget->contentsRect();
    return QRect(m_widget->mapTo(m_widget->window(), contents.topLeft()), contents.size());
}

void X11Pictures::show(const QImage &picture)
{
    const QRect area = areaInWindow();
    QBackingStore *store = m_widget->backingStore();
    if (!store || !QRect(QPoint(), store->size()).contains(area)) {
        m_widget->repaint(m_widget->contentsRect()); // the window is not laid out for it yet
        return;
    }
    const QRect shown = QRect(area.topLeft(), picture.size()) & area & QRect(area.topLeft(), m_largest);
    if (!shown.isEmpty()) {
        xcb_shm_put_image(m_connection, m_window, m_gc, static_cast<std::uint16_t>(shown.width()),
                          static_cast<std::uint16_t>(shown.height()), 0, 0,
                          static_cast<std::uint16_t>(shown.width()),
                          static_cast<std::uint16_t>(shown.height()), static_cast<std::int16_t>(shown.x()),
                          static_cast<std::int16_t>(shown.y()), m_depth, XCB_IMAGE_FORMAT_Z_PIXMAP, 0,
                          m_segment, static_cast<std::uint32_t>(offsetOf(picture, shown.size())));
    }
    if (shown != m_lastShown) {
        m_lastShown = shown;
        for (const QRect &rest : QRegion(area) - shown) {
            const xcb_rectangle_t rectangle{
                static_cast<std::int16_t>(rest.x()), static_cast<std::int16_t>(rest.y()),
                static_cast<std::uint16_t>(rest.width()), static_cast<std::uint16_t>(rest.height())};
            xcb_poly_fill_rectangle(m_connection, m_window, m_gc, 1, &rectangle);
        }
    }
    xcb_flush(m_connection);
    m_shown = picture;
    m_windowCopyStale = true;
}

void X11Pictures::prepare(const QList<QImage> &pictures)
{
    updateWindowCopy();
    if (QBackingStore *store = m_widget->backingStore()) {
        // Qt waits for the server to finish reading what it last sent before it paints the same
        // place again; an empty paint of the whole window waits now, so that disabling Start after
        // the pause paints without that wait.
        store->beginPaint(QRect(QPoint(), store->size()));
        store->endPaint();
    }
    for (const QImage &picture : pictures) {
        if (!picture.isNull()) {
            offsetOf(picture, picture.size().boundedTo(m_largest));
        }
    }
}

void X11Pictures::wake()
{
    xcb_no_operation(m_connection);
    xcb_flush(m_connection);
}

// Where the shown part of the picture lies in the shared memory, written there on first use.
std::size_t X11Pictures::offsetOf(const QImage &picture, const QSize &shown)
{
    const qint64 key = picture.cacheKey();
    if (const Slot *found =
            m_slots.find([&](const Slot &slot) { return slot.key == key && slot.size == shown; })) {
        return found->offset;
    }
    Slot *slot = m_slots.giveWay([](const Slot &) { return true; });
    if (slot->key != -1) {
        // The server may still be reading the picture that had it.
        std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const std::size_t rowBytes = static_cast<std::size_t>(shown.width()) * 4;
    for (int row = 0; row < shown.height(); ++row) {
        std::memcpy(m_memory + slot->offset + static_cast<std::size_t>(row) * rowBytes,
                    pixels.constScanLine(row), rowBytes);
    }
    slot->key = key;
    slot->size = shown;
    return slot->offset;
}

bool X11Pictures::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_widget && event->type() == QEvent::Paint) {
        m_windowCopyStale = false; // Qt paints the box's own picture into the copy
    } else if (event->type() == QEvent::Expose) {
        updateWindowCopy(); // before Qt shows the copy
    }
    return QObject::eventFilter(watched, event);
}

void X11Pictures::updateWindowCopy()
{
    QBackingStore *store = m_widget->backingStore();
    if (!m_windowCopyStale || !store) {
        return;
    }
    m_windowCopyStale = false;
    const QRect area = areaInWindow();
    store->beginPaint(area);
    {
        QPainter painter(store->paintDevice());
        PicturePainting::paint(painter, area, m_shown);
    }
    store->endPaint();
}

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WaylandPictures.h"

#include <wayland-client-protocol.h>

#include <QBackingStore>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <QWindow>

#include "DisplayLog.h"
#include "PicturePainting.h"
#include "WaylandBuffers.h"
#include "WaylandCompositor.h"

// The surface of a window is not public on any Qt version; KDE's libraries take it from here too.
#include <qpa/qplatformnativeinterface.h>

namespace {

wl_surface *surfaceOf(QWindow *window)
{
    return static_cast<wl_surface *>(
        QGuiApplication::platformNativeInterface()->nativeResourceForWindow("surface", window));
}

} // namespace

std::unique_ptr<WaylandPictures> WaylandPictures::create(QWidget *widget)
{
    wl_display *display = WaylandCompositor::connection();
    QWindow *window = widget->window()->windowHandle();
    if (!display || !window) {
        qCDebug(lcDisplay, "Wayland subsurface: no Wayland display connection");
        return nullptr;
    }
    qCDebug(lcDisplay, "pictures: Wayland subsurface, sent at once");
    return std::unique_ptr<WaylandPictures>(new WaylandPictures(widget, display, window));
}

WaylandPictures::WaylandPictures(QWidget *widget, wl_display *display, QWindow *window)
    : m_widget(widget), m_display(display), m_surface(new QWindow(window))
{
    // The picture box below it keeps the keys and the focus.
    m_surface->setFlags(Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
    m_surface->setSurfaceType(QSurface::RasterSurface);
    m_store = std::make_unique<QBackingStore>(m_surface);
    const QRect contents = widget->contentsRect();
    m_surface->setGeometry(QRect(widget->mapTo(widget->window(), contents.topLeft()), contents.size()));
    m_store->resize(contents.size());
}

WaylandPictures::~WaylandPictures()
{
    m_buffers.reset();
    m_store.reset();
    delete m_surface;
}

void WaylandPictures::show(const QImage &picture)
{
    const QRect contents = m_widget->contentsRect();
    const QRect area(m_widget->mapTo(m_widget->window(), contents.topLeft()), contents.size());
    if (m_surface) {
        if (m_surface->geometry() != area) {
            m_surface->setGeometry(area);
            m_store->resize(area.size());
        }
        // Shown only once the main window is, since Qt 6.4 never exposes a child made before that.
        if (!m_surface->isVisible()) {
            m_surface->show();
        }
    }
    if (!m_surface || !m_surface->isExposed()) {
        // Until the surface is exposed, the picture box paints as usual, sent at once all the same.
        m_widget->repaint(contents);
        send();
        return;
    }
    if (wl_surface *surface = ownBuffersSurface(area.size(), false)) {
        if (wl_buffer *buffer = m_buffers->bufferToShow(picture)) {
            wl_surface_attach(surface, buffer, 0, 0);
            wl_surface_damage_buffer(surface, 0, 0, area.width(), area.height());
            wl_surface_commit(surface);
            send();
            return;
        }
    }
    const QRect whole(QPoint(), area.size());
    m_store->beginPaint(whole);
    {
        QPainter painter(m_store->paintDevice());
        PicturePainting::paint(painter, whole, picture);
    }
    m_store->endPaint();
    m_store->flush(whole);
    send();
}

void WaylandPictures::prepare(const QList<QImage> &pictures)
{
    if (!m_surface || !m_surface->isExposed()) {
        return;
    }
    if (ownBuffersSurface(m_surface->geometry().size(), true)) {
        for (const QImage &picture : pictures) {
            m_buffers->ready(picture);
        }
        return;
    }
    // Qt paints into a buffer the compositor has let go of, copying the last picture into it
    // first; an empty paint takes one now.
    m_store->beginPaint(QRegion());
    m_store->endPaint();
}

wl_surface *WaylandPictures::ownBuffersSurface(const QSize &size, bool mayMake)
{
    // Buffers in the box's pixels; a scaled window keeps Qt's, which know the scale.
    if (!m_surface || m_surface->devicePixelRatio() != 1.0) {
        return nullptr;
    }
    if (mayMake && (!m_buffers || m_buffers->size() != size)) {
        // A round trip, so only inside a pause.
        m_buffers = WaylandBuffers::create(m_display, size);
    }
    if (!m_buffers || m_buffers->size() != size) {
        return nullptr;
    }
    return surfaceOf(m_surface);
}

void WaylandPictures::wake()
{
    if (!m_surface || !m_surface->isExposed()) {
        return;
    }
    if (wl_surface *surface = surfaceOf(m_surface)) {
        // Damage is applied with the next commit, and an empty one changes nothing.
        wl_surface_damage_buffer(surface, 0, 0, 0, 0);
        send();
    }
}

void WaylandPictures::send()
{
    wl_display_flush(m_display);
}

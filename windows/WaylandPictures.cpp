// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WaylandPictures.h"

#include <QBackingStore>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <QWindow>

#ifdef ZANDEL_WAYLAND_FLUSH

#include <wayland-client-protocol.h>

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>

std::unique_ptr<WaylandPictures> WaylandPictures::create(QWidget *widget)
{
    // Qt 6.4 hands out the display connection only through its platform interface; from Qt 6.5 on,
    // QNativeInterface::QWaylandApplication does the same in public.
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    auto *display =
        native ? static_cast<wl_display *>(native->nativeResourceForIntegration("wl_display")) : nullptr;
    QWindow *window = widget->window()->windowHandle();
    if (!display || !window) {
        return nullptr;
    }
    auto pictures = std::unique_ptr<WaylandPictures>(new WaylandPictures(display, window));
    // Shown now, so that the compositor has shown it once before a trial needs it.
    pictures->m_surface->setGeometry(QRect(widget->mapTo(widget->window(), widget->contentsRect().topLeft()),
                                           widget->contentsRect().size()));
    pictures->m_store->resize(widget->contentsRect().size());
    return pictures;
}

void WaylandPictures::send()
{
    // Only sends: nothing is read or dispatched, so no event of the window system runs here.
    wl_display_flush(m_display);
}

void WaylandPictures::wake()
{
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    auto *surface = m_surface && m_surface->isExposed()
                        ? static_cast<wl_surface *>(native->nativeResourceForWindow("surface", m_surface))
                        : nullptr;
    if (surface) {
        // Damage is applied with the next commit, and an empty one changes nothing.
        wl_surface_damage_buffer(surface, 0, 0, 0, 0);
        send();
    }
}

#else // built without Qt's private headers: Qt paints, and its requests leave with the event loop

std::unique_ptr<WaylandPictures> WaylandPictures::create(QWidget *)
{
    return nullptr;
}

void WaylandPictures::send() {}

void WaylandPictures::wake() {}

#endif

void WaylandPictures::prepare(const QList<QImage> &)
{
    // Qt paints into a buffer the compositor has let go of, copying the last picture into it
    // first; an empty paint takes one now.
    if (m_surface && m_surface->isExposed()) {
        m_store->beginPaint(QRegion());
        m_store->endPaint();
    }
}

WaylandPictures::WaylandPictures(wl_display *display, QWindow *window)
    : m_display(display), m_surface(new QWindow(window))
{
    // The picture box below it keeps the keys and the focus.
    m_surface->setFlags(Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
    m_surface->setSurfaceType(QSurface::RasterSurface);
    m_store = std::make_unique<QBackingStore>(m_surface);
}

WaylandPictures::~WaylandPictures()
{
    m_store.reset();
    delete m_surface;
}

bool WaylandPictures::show(const QImage &picture, const QRect &area)
{
    if (!m_surface) {
        return false;
    }
    if (m_surface->geometry() != area) {
        m_surface->setGeometry(area);
        m_store->resize(area.size());
    }
    // Shown only once the main window is, since Qt 6.4 never exposes a child made before that; until
    // the child is exposed, the picture box paints as usual.
    if (!m_surface->isVisible()) {
        m_surface->show();
    }
    if (!m_surface->isExposed()) {
        return false;
    }
    const QRect whole(QPoint(), area.size());
    m_store->beginPaint(whole);
    {
        QPainter painter(m_store->paintDevice());
        painter.drawImage(QPoint(), picture);
        for (const QRect &rest : QRegion(whole) - QRect(QPoint(), picture.size())) {
            painter.fillRect(rest, Qt::white);
        }
    }
    m_store->endPaint();
    m_store->flush(whole);
    send();
    return true;
}

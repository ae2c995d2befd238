// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureBox.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include "DisplayPath.h"
#include "KeyRepeat.h"
#include "PicturePainting.h"
#include "VirtualKey.h"

PictureBox::PictureBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    // paintPicture covers every pixel inside the border, so nothing is filled first only to be painted over.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    KeyRepeat::sendRepeatsWithoutReleases();
}

PictureBox::~PictureBox() = default;

void PictureBox::setImage(const QImage &image)
{
    m_image = image;
    const QWindow *shownIn = window()->windowHandle();
    if (!isVisible() || !shownIn || !shownIn->isExposed()) {
        update(contentsRect()); // painted when it shows
        return;
    }
    path()->show(m_image);
}

DisplayPath *PictureBox::path()
{
    if (!m_path && isVisible() && window()->windowHandle()) {
        m_path = DisplayPath::create(this);
    }
    return m_path.get();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    if (!area.contains(event->rect())) {
        drawFrame(&painter);
    }
    PicturePainting::paint(painter, area, m_image);
}

void PictureBox::focusInEvent(QFocusEvent *)
{
    // The box shows no focus, so unlike QWidget it does not repaint when it gains or loses it: the
    // focus comes to it as the trial starts, and the repaint would cost the first arrow time.
}

void PictureBox::focusOutEvent(QFocusEvent *)
{
    m_heldKeys.forget();
}

namespace {

quint32 physicalKey(const QKeyEvent *event)
{
    return event->nativeScanCode() != 0 ? event->nativeScanCode() : static_cast<quint32>(event->key());
}

} // namespace

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    if (m_rehearsing) {
        event->accept();
        return;
    }
    // A held key would answer arrows not yet seen; each answer needs its own press.
    const bool isNew = m_heldKeys.pressed(physicalKey(event), static_cast<quint32>(event->timestamp()));
    event->accept();
    if (isNew && !event->isAutoRepeat()) {
        emit keyDown(VirtualKey::fromQt(event->key(), event->modifiers()));
    }
}

void PictureBox::keyReleaseEvent(QKeyEvent *event)
{
    if (m_rehearsing) {
        event->accept();
        return;
    }
    m_heldKeys.released(physicalKey(event), static_cast<quint32>(event->timestamp()));
    QFrame::keyReleaseEvent(event);
}

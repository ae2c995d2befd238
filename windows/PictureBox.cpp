// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureBox.h"

#include <QBackingStore>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include "DisplayPath.h"
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
    choosePath();
    const QRect area = areaInWindow();
    QBackingStore *store = backingStore();
    if (m_path && store && QRect(QPoint(), store->size()).contains(area) && m_path->show(m_image, area)) {
        // The window's own copy is brought up to date inside the next pause, or before the window
        // is next exposed, whichever comes first: no event loop runs before then.
        m_windowCopyStale = !m_path->coversWidget();
        return;
    }
    // Paints at once: the trial pauses right after, and the person must see the blank picture
    // between two arrows, and each arrow when the clock starts. The border stays as it is.
    repaint(contentsRect());
    if (m_path) {
        m_path->send();
    }
}

void PictureBox::prepare(const QList<QImage> &upcoming)
{
    // Start's pause comes before the first picture of a trial, so the path is made there at the
    // latest, neither at start-up nor while the clock runs.
    choosePath();
    updateWindowCopy();
    QBackingStore *store = backingStore();
    if (m_path && !m_path->coversWidget() && store) {
        // Qt waits for the X server to finish reading what it last sent before it paints the same
        // place again; an empty paint of the whole window waits now, so that disabling Start after
        // the pause paints without that wait.
        store->beginPaint(QRect(QPoint(), store->size()));
        store->endPaint();
    }
    if (m_path) {
        QList<QImage> pictures = upcoming;
        pictures.append(m_image); // the blank, when the next trial starts
        m_path->prepare(pictures);
    }
}

void PictureBox::wake()
{
    if (m_path) {
        m_path->wake();
    }
}

bool PictureBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose) {
        updateWindowCopy();
    }
    return QFrame::eventFilter(watched, event);
}

void PictureBox::updateWindowCopy()
{
    QBackingStore *store = backingStore();
    if (!m_windowCopyStale || !store) {
        return;
    }
    m_windowCopyStale = false;
    const QRect area = areaInWindow();
    store->beginPaint(area);
    {
        QPainter painter(store->paintDevice());
        paintPicture(painter, area);
    }
    store->endPaint();
}

QRect PictureBox::areaInWindow() const
{
    return QRect(mapTo(window(), contentsRect().topLeft()), contentsRect().size());
}

void PictureBox::choosePath()
{
    QWindow *shownIn = window()->windowHandle();
    if (m_pathChecked || !isVisible() || !shownIn) {
        return;
    }
    m_pathChecked = true;
    m_path = DisplayPath::create(this, contentsRect().size());
    shownIn->installEventFilter(this);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    m_windowCopyStale = false;
    QPainter painter(this);
    const QRect area = contentsRect();
    if (!area.contains(event->rect())) {
        drawFrame(&painter);
    }
    paintPicture(painter, area);
}

void PictureBox::paintPicture(QPainter &painter, const QRect &area) const
{
    painter.save();
    painter.setClipRect(area);
    painter.drawImage(area.topLeft(), m_image);
    // White where the picture does not reach.
    for (const QRect &rest : QRegion(area) - QRect(area.topLeft(), m_image.size())) {
        painter.fillRect(rest, palette().color(QPalette::Window));
    }
    painter.restore();
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
    // A held key would answer arrows not yet seen; each answer needs its own press.
    const bool isNew = m_heldKeys.pressed(physicalKey(event), static_cast<quint32>(event->timestamp()));
    event->accept();
    if (isNew && !event->isAutoRepeat()) {
        emit keyDown(VirtualKey::fromQt(event->key(), event->modifiers()));
    }
}

void PictureBox::keyReleaseEvent(QKeyEvent *event)
{
    m_heldKeys.released(physicalKey(event), static_cast<quint32>(event->timestamp()));
    QFrame::keyReleaseEvent(event);
}

#include "PictureBox.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include "VirtualKey.h"

PictureBox::PictureBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setImage(const QImage &image)
{
    m_image = image;
    // The border stays as it is; redrawing its shaded lines would cost more than the picture.
    repaint(contentsRect());
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    if (!area.contains(event->rect())) {
        drawFrame(&painter);
    }
    painter.setClipRect(area);
    painter.drawImage(area.topLeft(), m_image);
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    // A held key would answer arrows not yet seen; each answer needs its own press.
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    const int shift = event->modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0;
    emit keyDown(VirtualKey::fromQt(event->key(), event->modifiers()), shift);
    event->accept();
}

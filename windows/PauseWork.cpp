// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PauseWork.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWindow>

#include "DisplayPath.h"
#include "PictureBox.h"

void PauseWork::prepare(const QList<QImage> &upcoming)
{
    // Start's pause comes before the first picture of a trial, so the path is made there at the
    // latest, neither at start-up nor while the clock runs.
    if (DisplayPath *path = m_box->path()) {
        QList<QImage> pictures = upcoming;
        pictures.append(m_box->image()); // the blank, when the next trial starts
        path->prepare(pictures);
    }
}

void PauseWork::warm()
{
    if (m_start->isEnabled()) {
        warmStartsDisabledLook();
    }
    warmTheWayOfAKey();
}

void PauseWork::wake()
{
    if (DisplayPath *path = m_box->path()) {
        path->wake();
    }
}

void PauseWork::warmStartsDisabledLook()
{
    // Start's pause: Start is disabled and painted right after the first arrow, outside the clock
    // but seen in the first hit. Painted in that look once now, where no one sees it, the style's
    // pieces and the text's glyphs are warm for it.
    QStyleOptionButton option;
    option.initFrom(m_start);
    option.state &= ~(QStyle::State_Enabled | QStyle::State_HasFocus);
    option.palette.setCurrentColorGroup(QPalette::Disabled);
    option.text = m_start->text();
    QImage scratch(m_start->size(), QImage::Format_RGB32);
    QPainter painter(&scratch);
    m_start->style()->drawControl(QStyle::CE_PushButton, &option, &painter, m_start);
}

void PauseWork::warmTheWayOfAKey()
{
    // After a pause's sleep, Qt's way for a key is out of the processor's caches: the first key
    // waiting for the next arrow took some 40 µs longer to arrive than the keys after it. A key
    // that is no key takes that way now and is dropped by the box, so it never counts as input.
    // Sent, not spontaneous, and without a time stamp, it reaches neither an accessibility bridge
    // nor the click gate. Only while the keys come to the box: in Start's pause Start has the focus.
    QWidget *window = m_box->window();
    QWindow *keysTo = window->windowHandle();
    if (!keysTo || window->focusWidget() != m_box) {
        return;
    }
    m_box->setRehearsing(true);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier);
    QCoreApplication::sendEvent(keysTo, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier);
    QCoreApplication::sendEvent(keysTo, &release);
    m_box->setRehearsing(false);
}

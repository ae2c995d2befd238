// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TitleBar.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

#include "WindowLook.h"

namespace {

// As tall as the frames Qt draws on Wayland, so that nothing else moves by switching.
constexpr int Height = 30;

} // namespace

TitleBar::TitleBar(QWidget *window) : QWidget(window), m_window(window), m_close(new QToolButton(this))
{
    setObjectName(QStringLiteral("TitleBar"));
    // Neither takes the focus, so the windows' tab order and focus stay as designed.
    setFocusPolicy(Qt::NoFocus);
    m_close->setFocusPolicy(Qt::NoFocus);
    // Named, as the main window's own font is: the default one, left to fontconfig, may come out
    // monospaced. The caption paints it bold.
    setFont(WindowLook::arial(8));
    m_close->setAutoRaise(true);
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_close->setToolTip(QStringLiteral("Schließen"));
    // The same close event as a window manager's close box sends.
    connect(m_close, &QToolButton::clicked, m_window, &QWidget::close);
    // The neutral colours of a frame, not the window's own background.
    QPalette colours = palette();
    const QPalette standard = style()->standardPalette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Mid}) {
        colours.setColor(QPalette::Active, role, standard.color(QPalette::Active, role));
        colours.setColor(QPalette::Inactive, role, standard.color(QPalette::Inactive, role));
        colours.setColor(QPalette::Disabled, role, standard.color(QPalette::Disabled, role));
    }
    setPalette(colours);
    setAutoFillBackground(true);
    window->installEventFilter(this);
}

bool TitleBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Show:
            makeRoom();
            break;
        case QEvent::WindowTitleChange:
        case QEvent::ActivationChange:
            update();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TitleBar::makeRoom()
{
    if (m_roomMade) {
        return;
    }
    m_roomMade = true;
    const QSize client = m_window->size();
    for (QWidget *child : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child != this && !child->isWindow()) {
            child->move(child->pos() + QPoint(0, Height));
        }
    }
    m_window->setFixedSize(client.width(), client.height() + Height);
    setGeometry(0, 0, client.width(), Height);
    const int side = Height - 6;
    m_close->setGeometry(client.width() - side - 3, 3, side, side);
    raise();
}

void TitleBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width(), height() - 1);
    const bool active = m_window->isActiveWindow();
    painter.setPen(palette().color(active ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    const QRect caption = rect().adjusted(Height, 0, -Height, 0);
    painter.drawText(
        caption, Qt::AlignCenter,
        painter.fontMetrics().elidedText(m_window->windowTitle(), Qt::ElideRight, caption.width()));
}

void TitleBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_window->windowHandle()) {
        m_window->windowHandle()->startSystemMove();
    }
}

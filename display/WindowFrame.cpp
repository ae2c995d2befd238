// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFrame.h"

#include <chrono>

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include "DisplayConfig.h"

#if ZANDEL_X11_PICTURES_ENABLED
#include "X11WindowManager.h"
#endif

namespace WindowFrame {

void fix(QWidget *window)
{
#if ZANDEL_X11_PICTURES_ENABLED
    X11WindowManager::fixFrame(window);
#else
    Q_UNUSED(window)
#endif
}

void centre(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
#if ZANDEL_X11_PICTURES_ENABLED
    // A window manager answers within a few milliseconds; one that does not is not waited for long.
    const QMargins frame = X11WindowManager::frameExtents(window, std::chrono::milliseconds(100));
#else
    const QMargins frame;
#endif
    const QRect framed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size().grownBy(frame),
                                             screen->availableGeometry());
    // The client area's own place, which no window manager moves by its frame.
    window->setGeometry(QRect(framed.topLeft() + QPoint(frame.left(), frame.top()), window->size()));
}

} // namespace WindowFrame

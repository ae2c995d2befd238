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
#if ZANDEL_WAYLAND_FLUSH_ENABLED
#include "WaylandCompositor.h"
#endif

namespace {

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

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

bool needsOwnTitleBar(QWidget *window)
{
#if ZANDEL_WAYLAND_FLUSH_ENABLED
    if (onWayland() && !WaylandCompositor::decoratesWindows()) {
        // Qt drops the frameless hint while title bar hints stand beside it.
        window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        return true;
    }
#else
    Q_UNUSED(window)
#endif
    return false;
}

} // namespace WindowFrame

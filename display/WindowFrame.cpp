// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFrame.h"

#include <chrono>
#include <optional>

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include "DisplayConfig.h"
#include "DisplayPlatform.h"

#if ZANDEL_WITH_X11
#include "X11WindowManager.h"
#endif
#if ZANDEL_WITH_WAYLAND
#include "WaylandCompositor.h"
#endif

namespace {

// The frame a window manager gave an earlier window, for one that tells a frame only once it has
// drawn it (KWin 5.27 on X11): all of the program's windows ask for the same frame.
std::optional<QMargins> frameSeenBefore;

void placeCentred(QWidget *window, const QMargins &frame)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect framed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size().grownBy(frame),
                                             screen->availableGeometry());
    // The client area's own place, which no window manager moves by its frame.
    window->setGeometry(QRect(framed.topLeft() + QPoint(frame.left(), frame.top()), window->size()));
}

} // namespace

namespace WindowFrame {

void fix(QWidget *window)
{
#if ZANDEL_WITH_X11
    X11WindowManager::fixFrame(window);
#else
    Q_UNUSED(window)
#endif
}

bool centre(QWidget *window)
{
    std::optional<QMargins> frame;
#if ZANDEL_WITH_X11
    // A window manager answers within a few milliseconds; one that does not is not waited for long.
    frame = X11WindowManager::frameExtents(window, std::chrono::milliseconds(100));
#endif
    if (!frame) {
        frame = frameSeenBefore;
    }
    placeCentred(window, frame.value_or(QMargins()));
    return frame.has_value();
}

void centreWhenFramed(QWidget *window)
{
#if ZANDEL_WITH_X11
    X11WindowManager::whenFramed(window, [window](const QMargins &frame) {
        frameSeenBefore = frame;
        placeCentred(window, frame);
    });
#else
    Q_UNUSED(window)
#endif
}

bool needsOwnTitleBar(QWidget *window)
{
#if ZANDEL_WITH_WAYLAND
    if (DisplayPlatform::isWayland() && !WaylandCompositor::decoratesWindows()) {
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

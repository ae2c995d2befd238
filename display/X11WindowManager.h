// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

#include <QMargins>

class QWidget;

// What the program asks of an X11 window manager for its windows.
namespace X11WindowManager {

// Asks to activate a window with the server's time now, as the person's own action: the window
// opens because of their last key or click. False where the window is not on X11, or no window
// manager takes such a request.
bool request(QWidget *window);

// Motif hints for a fixed frame: moving and closing only; border, title and menu. Also asks the
// window manager for the frame's extents, so that they are known before the window is shown.
// Nothing where the window is not on X11.
void fixFrame(QWidget *window);

// The frame's extents as the window manager tells them (_NET_FRAME_EXTENTS), waiting up to patience
// for one that takes the request to answer; none where there is no such window manager.
QMargins frameExtents(QWidget *window, std::chrono::milliseconds patience);

} // namespace X11WindowManager

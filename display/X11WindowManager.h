// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include <QMargins>

class QWidget;

// What the program asks of an X11 window manager for its windows.
namespace X11WindowManager {

// Asks to activate a window with the latest time, as the person's own action: the window
// opens because of their last key or click. False where the window is not on X11, or no window
// manager takes such a request.
bool request(QWidget *window);

// Motif hints for a fixed frame: moving and closing only; border, title and menu. Also asks the
// window manager for the frame's extents, so that they are known before the window is shown.
// Nothing where the window is not on X11.
void fixFrame(QWidget *window);

// The frame's extents as the window manager tells them (_NET_FRAME_EXTENTS) before the window is
// shown, waiting up to patience for one that takes the request to answer; none where the window is
// not on X11, no window manager takes the request, or it did not answer in time. All zeros count as
// none: the window asks for a title bar, and mutter 44 and later answer with zeros before they know
// their frame.
std::optional<QMargins> frameExtents(QWidget *window, std::chrono::milliseconds patience);

// The frame's extents as the window manager has set them so far, asked of the server now.
std::optional<QMargins> frameExtentsNow(QWidget *window);

// Calls framed once, from the event loop, when the window manager first sets the window's frame
// extents to something other than zeros. Nothing where the window is not on X11.
void whenFramed(QWidget *window, std::function<void(const QMargins &)> framed);

} // namespace X11WindowManager

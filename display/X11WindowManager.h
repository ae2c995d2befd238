// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// What the program asks of an X11 window manager for its windows.
namespace X11WindowManager {

// Asks to activate a window with the server's time now, as the person's own action: the window
// opens because of their last key or click. False where the window is not on X11, or no window
// manager takes such a request.
bool request(QWidget *window);

// Motif hints for a fixed frame: moving and closing only; border, title and menu. Nothing where the
// window is not on X11.
void fixFrame(QWidget *window);

} // namespace X11WindowManager

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// Asks an X11 window manager to activate a window with the server's time now, as the person's own
// action: the window opens because of their last key or click.
namespace X11Activation {

// False where the window is not on X11, or its window manager takes no such request.
bool request(QWidget *window);

} // namespace X11Activation

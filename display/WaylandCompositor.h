// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct wl_display;

// What the program asks of a Wayland compositor beyond what Qt 6.4 offers in public.
namespace WaylandCompositor {

// Qt's connection to the compositor, or null when the program is not on Wayland.
wl_display *connection();

// Whether the compositor draws the windows' frames (xdg-decoration, as KWin offers). Asked once.
bool decoratesWindows();

} // namespace WaylandCompositor

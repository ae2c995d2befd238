// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct wl_display;
struct wl_event_queue;
struct wl_interface;

// What the program asks of a Wayland compositor beyond what Qt 6.4 offers in public.
namespace WaylandCompositor {

// Qt's connection to the compositor, or null when the program is not on Wayland.
wl_display *connection();

// Whether the compositor draws the windows' frames (xdg-decoration, as KWin offers). Asked once.
bool decoratesWindows();

// What the compositor says of one of its globals, asked with a round trip on queue, a queue of the
// caller's own, so that none of Qt's events is dispatched meanwhile. Given bindAs, an offered
// global is bound at version 1, taking its events on queue.
struct Global
{
    bool offered = false;
    void *bound = nullptr;
};
Global global(wl_event_queue *queue, const char *name, const wl_interface *bindAs = nullptr);

} // namespace WaylandCompositor

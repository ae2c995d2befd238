// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "DisplayPath.h"

struct wl_display;

// On Wayland, Qt commits a painted picture at once but sends its requests only when the event loop
// next runs; the trial's pause would hold the blank back until the next arrow replaces it. This
// sends them right after the commit.
class WaylandFlush : public DisplayPath
{
public:
    // Null unless the program runs on Wayland and was built with Qt's private headers.
    static std::unique_ptr<WaylandFlush> create();

    bool show(const QImage &picture, const QRect &area) override;
    void send() override;

private:
    explicit WaylandFlush(wl_display *display) : m_display(display) {}

    wl_display *m_display;
};

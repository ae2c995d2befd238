// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace WindowFrame {

// Asks the window manager for a fixed frame: no resizing, no minimise or maximise box, a title bar
// with its menu and the close box. On X11 Qt's own Motif hints claim the resize function and
// handles, which window managers refuse only because the minimum and maximum size agree; the hints
// are set here, before the window is first shown. Elsewhere Qt's window flags say it.
void fix(QWidget *window);

} // namespace WindowFrame

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

// Places the window so that its frame, not only its client area, stands at the centre of the
// screen. Called as it is first shown: a window manager that tells the frame's extents on request
// has had them asked for at creation, and is given a few milliseconds more; the window is placed
// once, before it is mapped. Otherwise the frame another window was given is taken, or, for the
// first, the client area is centred, and false returned.
bool centre(QWidget *window);

// For a window placed without knowing its frame: once the window manager tells the frame, after
// the window is mapped, the frame is centred after all (the first window moves by half the title
// bar's height; later ones took the frame seen before and stay), and remembered for later windows.
void centreWhenFramed(QWidget *window);

// Whether the window is to carry a title bar of the program's own: natively on Wayland under a
// compositor that draws no frames, where Qt's would offer minimise and maximise. Such a window is
// made frameless here.
bool needsOwnTitleBar(QWidget *window);

} // namespace WindowFrame

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace WindowActivation {

// Shows a top-level window without modality, raises it and asks for the keyboard focus. Window
// managers that prevent focus stealing (mutter) weigh the request's time against the person's last
// input. Qt stamps it with the last event it has handled, which keys still queued after the one
// that opened the window outdo; on X11 the request carries the server's time now instead. Natively
// on Wayland a client cannot bring back a window the person has minimised, and is not told that it
// is: a window still shown but not active is shown anew.
void activate(QWidget *window);

} // namespace WindowActivation

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A held key must answer one arrow only. An X server sends each repeat of a held key as a release
// and a press, which the program tells from a real press and release only by their equal time
// stamps; but while a screen reader listens to the keys, Qt's accessibility bridge hands the
// program copies of the key events without their stamps, and Qt's own repeat mark is not always
// set. So on X11 the server is asked for repeats without releases (XKB's detectable auto-repeat):
// a press that follows a press with no release between is a repeat, stamped or not. Elsewhere
// nothing is done: on Wayland, Qt makes the repeats itself and marks them.
namespace KeyRepeat {

// Once for the process; later calls do nothing. Logs in zandel.display what it found.
void sendRepeatsWithoutReleases();

} // namespace KeyRepeat

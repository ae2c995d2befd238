// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// XKB's detectable auto-repeat on Qt's connection: for this client the server then repeats a held
// key as presses alone, and sends its release once, when the key comes up.
namespace X11KeyRepeat {

// Whether the server took it; false where it has no XKB.
bool sendRepeatsWithoutReleases();

} // namespace X11KeyRepeat

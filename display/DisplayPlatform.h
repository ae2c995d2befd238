// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Which of Qt's platforms the program runs on, asked in one place.
namespace DisplayPlatform {

bool isX11();
// "wayland" and its variants, such as "wayland-egl".
bool isWayland();

} // namespace DisplayPlatform

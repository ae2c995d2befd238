// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include <Qt>

// The key codes the trial compares: 37 to 40 for the cursor keys (and the keypad's arrows outside
// number mode), 96 to 105 for the keypad's digits in number mode; 0 for any other key. A Qt::Key
// will not do, because Qt tells the keypad's digits from the main row's only by a modifier.
namespace VirtualKey {

std::int16_t fromQt(int key, Qt::KeyboardModifiers modifiers);

} // namespace VirtualKey

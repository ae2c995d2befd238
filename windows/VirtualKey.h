#pragma once

#include <cstdint>

#include <Qt>

// The virtual key code of a key as the trial knows it: 37 to 40 for the cursor keys and for the
// keypad's arrows outside number mode, 96 to 105 for the keypad's digits in number mode, and the
// usual codes for letters, main-row digits and common keys. Anything else is 0, which no test uses.
namespace VirtualKey {

std::int16_t fromQt(int key, Qt::KeyboardModifiers modifiers);

} // namespace VirtualKey

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VirtualKey.h"

#include "Trial.h"

namespace VirtualKey {

std::int16_t fromQt(int key, Qt::KeyboardModifiers modifiers)
{
    // Qt's own codes for punctuation overlap the arrow codes ('%' is 37, '&' is 38), so only keys
    // listed here pass on a code.
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && modifiers.testFlag(Qt::KeypadModifier)) {
        return static_cast<std::int16_t>(Trial::KeyPad0 + (key - Qt::Key_0));
    }
    switch (key) {
    case Qt::Key_Left:
        return Trial::KeyLeft;
    case Qt::Key_Up:
        return Trial::KeyUp;
    case Qt::Key_Right:
        return Trial::KeyRight;
    case Qt::Key_Down:
        return Trial::KeyDown;
    default:
        return 0;
    }
}

} // namespace VirtualKey

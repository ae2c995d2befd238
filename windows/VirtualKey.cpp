#include "VirtualKey.h"

namespace VirtualKey {

std::int16_t fromQt(int key, Qt::KeyboardModifiers modifiers)
{
    // Qt's own codes for punctuation overlap the arrow codes ('%' is 37, '&' is 38), so only keys
    // listed here pass on a code.
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        const int digit = key - Qt::Key_0;
        return static_cast<std::int16_t>(modifiers.testFlag(Qt::KeypadModifier) ? 96 + digit : 48 + digit);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<std::int16_t>(65 + (key - Qt::Key_A));
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return static_cast<std::int16_t>(112 + (key - Qt::Key_F1));
    }
    switch (key) {
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

} // namespace VirtualKey

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>

// Tells a key's real presses from the repeats of a held key. Qt marks a repeat only when it finds
// the release the X server sends with it and the press right behind it in its queue; a pause splits
// them, and a repeat would then count as a press. Here a press is new only when the key was released
// since its last press, and a release stamped with the time of the press after it belongs to a
// repeat. Where the X server sends repeats without releases (KeyRepeat), that first rule alone
// decides, also for events that come without stamps. Keys are told apart by the scan code where the
// platform gives one.
class HeldKeys
{
public:
    // Whether this press is a new one; remembers it either way.
    bool pressed(quint32 key, quint32 stamp);
    void released(quint32 key, quint32 stamp);
    // Releases made while another widget has the focus are not seen; a key down when the focus comes
    // back is taken as new.
    void forget() { m_keys.clear(); }

private:
    struct Key
    {
        bool releasedSincePress = false;
        quint32 releasedAt = 0;
    };
    QHash<quint32, Key> m_keys;
};

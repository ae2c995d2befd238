// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HeldKeys.h"

bool HeldKeys::pressed(quint32 key, quint32 stamp)
{
    const auto known = m_keys.find(key);
    if (known == m_keys.end()) {
        m_keys.insert(key, Key());
        return true;
    }
    // A stamp of 0 is no time at all (a synthesised event), never the time of a repeat.
    const bool isNew = known->releasedSincePress && (known->releasedAt != stamp || stamp == 0);
    known->releasedSincePress = false;
    return isNew;
}

void HeldKeys::released(quint32 key, quint32 stamp)
{
    Key &state = m_keys[key];
    state.releasedSincePress = true;
    state.releasedAt = stamp;
}

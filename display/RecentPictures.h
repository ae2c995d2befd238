// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// The few pictures a path to the screen keeps ready to show, in slots of its memory: found again
// by their key, the least recently used giving way to a new one. A changed file decodes to a new
// picture, so only a few are kept. Slot is the path's own: it has a key, -1 while empty.
inline constexpr std::size_t RecentPictureSlots = 8;

template <typename Slot> class RecentPictures
{
public:
    RecentPictures() : m_slots(RecentPictureSlots) {}

    // In no particular order, for setting them up and letting them go.
    std::vector<Slot> &all() { return m_slots; }

    // The slot for which matches(slot) holds, now the most recently used; null for none.
    template <typename Match> Slot *find(Match matches)
    {
        const auto found = std::find_if(m_slots.begin(), m_slots.end(), matches);
        return found == m_slots.end() ? nullptr : use(found);
    }

    // The least recently used slot for which mayGo(slot) holds, now the most recently used, to
    // take a new picture; null where none may go.
    template <typename MayGo> Slot *giveWay(MayGo mayGo)
    {
        const auto found = std::find_if(m_slots.begin(), m_slots.end(), mayGo);
        return found == m_slots.end() ? nullptr : use(found);
    }

private:
    Slot *use(typename std::vector<Slot>::iterator slot)
    {
        std::rotate(slot, slot + 1, m_slots.end());
        return &m_slots.back();
    }

    // Most recently used last.
    std::vector<Slot> m_slots;
};

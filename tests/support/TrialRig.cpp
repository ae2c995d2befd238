// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TrialRig.h"

namespace {

const char *const ArrowFiles[] = {"/Zandel_oben.jpg", "/Zandel_rechts.jpg", "/Zandel_unten.jpg",
                                  "/Zandel_links.jpg"};

} // namespace

std::int16_t TrialRig::keyFor(int slot)
{
    static constexpr std::int16_t keys[] = {Trial::KeyUp, Trial::KeyRight, Trial::KeyDown, Trial::KeyLeft};
    return keys[slot];
}

QString TrialRig::arrowPath(int slot) const
{
    return folders.application() + QLatin1String(ArrowFiles[slot]);
}

void TrialRig::playTrial(std::int64_t elapsed)
{
    const int arrows[] = {2, 0, 3, 1, 1, 2, 0, 3, 3, 2, 0};
    for (int slot : arrows) {
        runtime.feedSlots({slot});
    }
    trial.start();
    const std::int32_t startedAt = runtime.now;
    for (int hit = 0; hit < Trial::HitsPerTrial; ++hit) {
        if (hit == Trial::HitsPerTrial - 1) {
            // The tenth hit's own pause still runs before the clock is read.
            runtime.now =
                static_cast<std::int32_t>(static_cast<std::uint32_t>(startedAt) +
                                          static_cast<std::uint32_t>(elapsed - Trial::PauseBetweenArrows));
        }
        press(keyFor(arrows[hit]));
    }
}

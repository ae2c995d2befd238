// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyRepeat.h"

#include "DisplayConfig.h"
#include "DisplayLog.h"
#include "DisplayPlatform.h"

#if ZANDEL_WITH_X11
#include "X11KeyRepeat.h"
#endif

namespace KeyRepeat {

void sendRepeatsWithoutReleases()
{
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
#if ZANDEL_WITH_X11
    if (DisplayPlatform::isX11()) {
        if (X11KeyRepeat::sendRepeatsWithoutReleases()) {
            qCDebug(lcDisplay, "held keys: the X server sends their repeats without releases");
        } else {
            qCDebug(lcDisplay,
                    "held keys: the X server sends their repeats with releases, told by time stamps");
        }
        return;
    }
#endif
    qCDebug(lcDisplay, "held keys: repeats as the platform marks them");
}

} // namespace KeyRepeat

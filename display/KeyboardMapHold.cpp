// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyboardMapHold.h"

#include "DisplayConfig.h"
#include "DisplayLog.h"
#include "DisplayPlatform.h"

#if ZANDEL_WITH_X11
#include "X11KeyboardMapHold.h"
#endif

std::unique_ptr<KeyboardMapHold> KeyboardMapHold::create()
{
#if ZANDEL_WITH_X11
    if (DisplayPlatform::isX11()) {
        if (std::unique_ptr<KeyboardMapHold> hold = X11KeyboardMapHold::create()) {
            return hold;
        }
    }
#endif
    qCDebug(lcDisplay, "keyboard map: read whenever the platform says");
    return std::make_unique<KeyboardMapHold>();
}

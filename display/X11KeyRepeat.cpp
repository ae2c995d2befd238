// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "X11KeyRepeat.h"

#include <xcb/xcb.h>
// The XKB header names a field of one of its structures "explicit"; Qt includes it the same way.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include "X11Connection.h"

namespace X11KeyRepeat {

bool sendRepeatsWithoutReleases()
{
    xcb_connection_t *connection = X11Connection::get();
    if (!connection) {
        return false;
    }
    // Qt has already said which XKB it speaks on this connection; the server wants that first.
    const std::uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const auto reply = X11Connection::own(xcb_xkb_per_client_flags_reply(
        connection, xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0),
        nullptr));
    return reply && (reply->supported & flag) && (reply->value & flag);
}

} // namespace X11KeyRepeat

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdlib>
#include <memory>

struct xcb_connection_t;

// The X11 code's one way to Qt's connection to the X server, and to the replies it hands out.
namespace X11Connection {

// Qt's own connection; null unless the program runs on X11.
xcb_connection_t *get();

// A reply from xcb, which the caller frees.
template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPointer<Reply> own(Reply *reply)
{
    return ReplyPointer<Reply>(reply, &std::free);
}

} // namespace X11Connection

# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Listens to every key on the accessibility bus as a screen reader does, and lets each pass on.
import pyatspi


def on_key(event):
    return False  # not consumed: the program gets the key


def on_event(event):
    pass


# A screen reader also listens to events; Qt's bridge hands keys round only while some listener does.
pyatspi.Registry.registerEventListener(on_event, "object:state-changed:focused")
pyatspi.Registry.registerKeystrokeListener(
    on_key, kind=(pyatspi.KEY_PRESSED_EVENT, pyatspi.KEY_RELEASED_EVENT), mask=pyatspi.allModifiers())
print("listening", flush=True)
pyatspi.Registry.start()

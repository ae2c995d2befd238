#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with a screen reader's kind of key listener on the accessibility bus (AT-SPI), as
# Orca has, and Qt's accessibility bridge switched on. Run inside a D-Bus session of its own, which
# starts the accessibility bus when the listener asks for it.
set -euo pipefail
out=$(mktemp)
/usr/bin/python3 "$(dirname "$0")/key-listener.py" >"$out" &
listener=$!
trap 'kill "$listener" 2>/dev/null; wait "$listener" 2>/dev/null || true; rm -f "$out"' EXIT
for _ in $(seq 400); do
    grep -q listening "$out" && break
    kill -0 "$listener" 2>/dev/null || break
    sleep 0.05
done
grep -q listening "$out" || { echo "the key listener did not start" >&2; exit 1; }
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ZANDEL_KEY_LISTENER=1 "$@"

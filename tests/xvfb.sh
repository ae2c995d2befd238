#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on an X server of its own (Xvfb, 1280x1024, 24 bits) and returns its status once
# the server has ended. Unlike xvfb-run: the server does not reset when its last client leaves (a
# test's xdotool or setxkbmap that leaves before the program has connected would make the program
# find no display), and it is gone before the next test's server takes a display number.
set -uo pipefail
folder=$(mktemp -d)
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 3>"$folder/display" 2>"$folder/log" &
server=$!
for _ in $(seq 200); do
    [[ -s $folder/display ]] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.05
done
if [[ ! -s $folder/display ]]; then
    echo "Xvfb did not start: $(cat "$folder/log")" >&2
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
    rm -rf "$folder"
    exit 1
fi
export DISPLAY=:$(<"$folder/display")
"$@"
status=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
rm -rf "$folder"
exit "$status"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on an X server of its own (Xvfb, 1280x1024, 24 bits) and returns its status once
# the server has ended. xvfb-run does not wait for its server: one still going down when the next
# test's server takes the same display number removes that server's socket, and the next test
# finds no display.
set -uo pipefail
folder=$(mktemp -d)
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$folder/display" 2>"$folder/log" &
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

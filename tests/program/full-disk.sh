#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# When seeding the score file fails half-way, as on a full disk, the old score file stays as it was,
# nothing is left beside it, and the program reports the error and ends with status 1.
source "$(dirname "$0")/common.sh"

for _ in $(seq 700); do printf ' 100\r\n'; done >ppunkte.txt
mkdir -p "$(dirname "$score")"
printf ' 12\r\n' >"$score"
# No file may grow past 1 KiB; the seed copy is 4 KiB. The signal would kill the program instead of
# failing the write.
(trap '' XFSZ; ulimit -f 1; exec "$program" >"$tmp/out" 2>"$tmp/err") &
pid=$!
box=$(wait_window "Zandel-Programm") || fail "no message box"
grep -qxF "Fehler beim Lesen oder Schreiben der Datei: $score" "$tmp/err" || fail "the failed write was not reported"
dismiss_message_box "$box"
wait_exit || fail "the program did not end after the message"
[[ $status -eq 1 ]] || fail "exit status $status, not 1"
[[ $(cat "$score") == $' 12\r' ]] || fail "the score file changed: $(od -An -c "$score" | head -n 2)"
[[ $(ls -A "$(dirname "$score")") == ppunkte.txt ]] || fail "left behind: $(ls -A "$(dirname "$score")")"
echo "PASS: failed seeding reported, score file kept"

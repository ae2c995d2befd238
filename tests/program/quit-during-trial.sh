#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Quit while a trial runs ends the program at once and writes no score line: after Quit come more
# than enough keys to finish the trial, which a program that ignored Quit would score.
source "$(dirname "$0")/common.sh"

cp "$seed" ppunkte.txt
start_program
main=$(wait_window "Zandel-Programm") || fail "the main window did not appear"
click_at "$main" "${START[@]}"
# Keys and clicks queue behind Start's pause and are handled in order. Each round of the four keys
# answers at least one arrow.
for _ in 1 2 3; do xdotool key --delay 20 Up Right Down Left; done
click_at "$main" "${QUIT[@]}"
for _ in $(seq 15); do xdotool key --delay 20 Up Right Down Left 2>/dev/null || true; done
wait_exit || fail "Quit did not end the program"
[[ $status -eq 0 ]] || fail "exit status $status after Quit"
cmp "$seed" "$score" || fail "the score file changed"
echo "PASS: no score line after Quit"

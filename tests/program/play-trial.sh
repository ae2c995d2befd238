#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole trial with real key presses: the score line lands in the score file and the result
# window shows; Back returns to the main window and Quit ends the program.
source "$(dirname "$0")/common.sh"

cp "$seed" ppunkte.txt
start_program
main=$(wait_window "Zandel-Programm") || fail "the main window did not appear"
click_at "$main" "${START[@]}"

# The start-up check, done before the window shows, seeded the score file.
cmp "$seed" "$score" || fail "the score file is not the seed copy"
points=$(play_until_scored)
((points >= 0 && points <= 400)) || fail "score out of range: $points"
cmp -n "$(stat -c %s "$seed")" "$seed" "$score" || fail "the seed scores were not kept"

back_from_result
wait_window_gone "Ergebnis Zandel" || fail "Zurück did not hide the result window"

click_at "$main" "${QUIT[@]}"
wait_exit || fail "Quit did not end the program"
[[ $status -eq 0 ]] || fail "exit status $status after Quit"
echo "PASS: score $points written and shown"

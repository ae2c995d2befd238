#!/usr/bin/env bash
# Quit while a trial runs ends the program at once and writes no score line.
source "$(dirname "$0")/common.sh"

cp "$seed" ppunkte.txt
start_program
main=$(wait_window "Zandel-Programm") || fail "the main window did not appear"
click_at "$main" "${START[@]}"
sleep 1.5
xdotool key --delay 30 Up Right Down Left Up Right
click_at "$main" "${QUIT[@]}"
wait_exit || fail "Quit did not end the program"
[[ $status -eq 0 ]] || fail "exit status $status after Quit"
cmp "$seed" "$score" || fail "the score file changed"
echo "PASS: no score line after Quit"

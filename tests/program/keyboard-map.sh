#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The keyboard's map as it changes around and during trials: the first key of a fresh X server,
# which comes from a device the server has not seen and so announces a new keyboard, and layouts
# switched between and during trials (us, de, fr), with arrows and the keypad, Num Lock on and off.
# Every trial must finish, and each notice held during a trial must come back to Qt after it.
source "$(dirname "$0")/common.sh"

export QT_LOGGING_RULES="zandel.display.debug=true"
held() { grep -c 'notice held during the trial, sent back' "$tmp/err" || true; }
back() { grep -c 'notice held during the trial is back' "$tmp/err" || true; }

# Plays the given keys round after round until a score is appended, switching the layout to
# $1 after the first round; the keys of all four directions answer every arrow.
play_switching_to() {
    local layout=$1 size_before i
    shift
    size_before=$(stat -c %s "$score")
    for i in $(seq 300); do
        (( i == 2 )) && setxkbmap "$layout"
        [[ $(stat -c %s "$score") -gt $size_before ]] && return 0
        xdotool key --delay 15 "$@"
    done
    fail "a trial with $* and the layout switched to $layout did not finish"
}

# Waits for the held notices to have come back, as many as were sent (sent as the result window
# opens, they come back once the event loop runs again).
wait_back() {
    local i
    for i in $(seq 600); do
        (( $(back) == $(held) )) && return 0
        sleep 0.05
    done
    fail "held $(held) notices, $(back) came back"
}

setxkbmap us
cp "$seed" ppunkte.txt
start_program
main=$(wait_window "Zandel-Programm") || fail "the main window did not appear"
grep -q 'keyboard map: a new keyboard' "$tmp/err" || fail "no keyboard-map hold on X11: $(cat "$tmp/err")"

# No key has reached this server yet: the first one, in the trial, announces a new keyboard.
click_at "$main" "${START[@]}"
play_switching_to de Up Right Down Left
back_from_result
(( $(held) == 1 )) || fail "the first trial held $(held) notices"
wait_back

xdotool key Num_Lock
click_at "$main" "${START[@]}"
play_switching_to fr KP_8 KP_6 KP_2 KP_4
back_from_result
wait_back

xdotool key Num_Lock
click_at "$main" "${START[@]}"
play_switching_to us KP_Up KP_Right KP_Down KP_Left
back_from_result
wait_back

(( $(held) >= 2 )) || fail "switching layouts during trials held $(held) notices"
! grep -q 'XCB error' "$tmp/err" || fail "X errors: $(grep 'XCB error' "$tmp/err")"
click_at "$main" "${QUIT[@]}"
wait_exit || fail "Quit did not end the program"
echo "PASS: three trials across layouts and Num Lock, $(held) keyboard notices held and given back"

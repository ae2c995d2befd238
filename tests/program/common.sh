# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests of the real program. Arguments: the program, the seed copy.
# Each test runs in a fresh data folder and working directory, under the X display that
# tests/xvfb.sh gives it, and stops whatever it started.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/windows.sh"

program=$1
seed=$2
tmp=$(mktemp -d)
export XDG_DATA_HOME=$tmp/data
score=$XDG_DATA_HOME/zandel-programm/Programme/ppunkte.txt
mkdir -p "$tmp/work"
cd "$tmp/work"
pid=
status=

cleanup() {
    if [[ -n $pid ]]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [[ -s $tmp/err ]]; then
        echo "--- the program's standard error:" >&2
        cat "$tmp/err" >&2
    fi
    exit 1
}

start_program() {
    "$program" >"$tmp/out" 2>"$tmp/err" &
    pid=$!
}

# Waits up to 30 s until no visible window has this title.
wait_window_gone() {
    local i
    for i in $(seq 600); do
        [[ -n $(find_window "$1") ]] || return 0
        sleep 0.05
    done
    return 1
}

# Waits up to 30 s for the program to end and keeps its exit status in $status.
wait_exit() {
    local i
    for i in $(seq 600); do
        if ! kill -0 "$pid" 2>/dev/null; then
            status=0
            wait "$pid" || status=$?
            pid=
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Presses Return in a message box until the program ends; the box may map before it takes keys.
dismiss_message_box() {
    local box=$1 i
    for i in $(seq 30); do
        xdotool mousemove --window "$box" 10 10 key Return 2>/dev/null || true
        for _ in $(seq 20); do
            kill -0 "$pid" 2>/dev/null || return 0
            sleep 0.05
        done
    done
}

# Clicks at a point of a window's client area, given in pixels.
click_at() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Streams all four arrow keys until a score line is appended to the score file: wrong keys are
# ignored, so every arrow is answered within four presses. Prints the score.
play_until_scored() {
    local size_before=0 i
    [[ -f $score ]] && size_before=$(stat -c %s "$score")
    for i in $(seq 300); do
        if [[ -f $score && $(stat -c %s "$score") -gt $size_before ]]; then
            break
        fi
        xdotool key --delay 15 Up Right Down Left
    done
    local added
    added=$(tail -c +$((size_before + 1)) "$score")
    [[ $added =~ ^\ ([0-9]{1,3})$'\r'$ ]] || fail "not one score record: $(printf '%s' "$added" | od -An -c)"
    echo "${BASH_REMATCH[1]}"
}

# Clicks Zurück in the result window, which lies over the main window's buttons.
back_from_result() {
    local result
    result=$(wait_window "Ergebnis Zandel") || fail "the result window did not appear"
    click_at "$result" "${BACK_FROM_RESULT[@]}"
}

# Starts $program, plays one trial, goes back and quits; the score file must start with the seed
# copy. Keeps the score in $points.
play_one_trial_and_quit() {
    start_program
    local main
    main=$(wait_window "Zandel-Programm") || fail "the program did not come up"
    click_at "$main" "${START[@]}"
    points=$(play_until_scored)
    cmp -n "$(stat -c %s "$seed")" "$seed" "$score" || fail "the score file was not seeded from the seed copy"
    back_from_result
    click_at "$main" "${QUIT[@]}"
    wait_exit || fail "Quit did not end the program"
    [[ $status -eq 0 ]] || fail "exit status $status after Quit"
}

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside an X display (scripts/bench.sh starts one, with -noreset so that the server does
# not restart between programs) and prints the benchmark table.
# Arguments: the build folder, the number of runs of each measure (at least 5).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/buttons.sh"
build=$(cd "$1" && pwd)
runs=$2

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Prints the id of the visible window with exactly this title; waits up to 20 s.
wait_window() {
    local id i
    for i in $(seq 400); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [[ -n $id ]] && { echo "$id"; return 0; }
        sleep 0.05
    done
    echo "no window titled $1" >&2
    return 1
}

peak_kib() {
    awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"
}

stop() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
cd "$build" # the seed copy lies here

# 1. The trial in process, answered the moment each arrow shows.
"$build/bench/bench-trial-overhead" "$runs" 2>/dev/null >"$work/overhead"

# 2 and 4. Start-up until the window is mapped, and a minimal Qt window as the baseline, measured
# before anything has started an accessibility bus. The score file is seeded by a first start that
# is not counted: the usual start finds it in place.
export XDG_DATA_HOME=$work/start
"$build/bench/map-wait" "Zandel-Programm" "$build/zandel-programm" >/dev/null
program_starts=() baseline_starts=() baseline_peaks=()
for run in $(seq "$runs"); do
    program_starts+=("$("$build/bench/map-wait" "Zandel-Programm" "$build/zandel-programm")")
    baseline_starts+=("$("$build/bench/map-wait" "Minimal" "$build/bench/bench-minimal-window")")
    "$build/bench/bench-minimal-window" &
    pid=$!
    wait_window "Minimal" >/dev/null
    sleep 0.5
    baseline_peaks+=("$(peak_kib "$pid")")
    stop "$pid"
done

# 3 and 4. The program fed by a calm player: one round of the four arrow keys every 0.1 s, so a
# right key waits for every arrow (each comes at least 200 ms after the last) without the player
# loading the machine. Its scores, its time beyond the pauses, and its peak memory; then the same
# with the accessibility bridge on, as with a screen reader running.
play() {
    local data=$1 out=$2
    shift 2
    export XDG_DATA_HOME=$data
    local score=$XDG_DATA_HOME/zandel-programm/Programme/ppunkte.txt
    "$@" "$build/bench/bench-end-to-end" >"$out" 2>"$work/program-err" &
    pid=$!
    window=$(wait_window "Zandel-Programm") || { cat "$work/program-err" >&2; exit 1; }
    local size
    size=$(stat -c %s "$score")
    xdotool mousemove --window "$window" "${START[@]}" click 1
    # One player process for the whole trial; starting one per round would load the machine more
    # than the program does.
    local rounds=()
    for _ in $(seq 300); do rounds+=(key Up Right Down Left sleep 0.1); done
    xdotool "${rounds[@]}" &
    local player=$!
    for _ in $(seq 600); do
        [[ $(stat -c %s "$score") -gt $size ]] && break
        sleep 0.05
    done
    stop "$player"
    last_score=$(tail -c +$((size + 1)) "$score" | tr -d ' \r\n')
    last_peak=$(peak_kib "$pid")
    stop "$pid"
    last_beyond=$(awk '{ printf "%.1f", $1 / 1000 }' "$out")
}
scores=() beyond=() program_peaks=() beyond_a11y=()
for run in $(seq "$runs"); do
    play "$work/data-$run" "$work/e2e-$run"
    scores+=("$last_score") beyond+=("$last_beyond") program_peaks+=("$last_peak")
    play "$work/data-a11y-$run" "$work/e2e-a11y-$run" env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    beyond_a11y+=("$last_beyond")
done

value() { awk -F'\t' -v key="$1" '$1 == key { print $2 }' "$work/overhead"; }
program_start=$(printf '%s\n' "${program_starts[@]}" | median)
baseline_start=$(printf '%s\n' "${baseline_starts[@]}" | median)
program_peak=$(printf '%s\n' "${program_peaks[@]}" | median)
baseline_peak=$(printf '%s\n' "${baseline_peaks[@]}" | median)

echo "Medians of $runs runs each."
echo
echo "| measure | value | goal |"
echo "|---|---|---|"
echo "| trial overhead per trial (gesamtzeit - 2000 ms, finer clock), in process | $(value 'trial overhead per trial (ms)') ms | at most 4 ms |"
echo "| trial overhead per hit | $(value 'trial overhead per hit (ms)') ms | |"
while IFS=$'\t' read -r step amount; do
    echo "| - ${step#  } | $amount | |"
done < <(grep '^  ' "$work/overhead")
echo "| end-to-end scores (calm xdotool player) | ${scores[*]} | 400 |"
echo "| end-to-end time beyond the pauses | ${beyond[*]} ms (median $(printf '%s\n' "${beyond[@]}" | median)) | |"
echo "| the same, accessibility bridge on | ${beyond_a11y[*]} ms (median $(printf '%s\n' "${beyond_a11y[@]}" | median)) | at most 6 ms |"
echo "| start-up until mapped: program / minimal Qt window | $program_start ms / $baseline_start ms | |"
echo "| start-up ratio | $(awk -v a="$program_start" -v b="$baseline_start" 'BEGIN { printf "%.2f", a / b }') | at most 1.15 |"
echo "| peak resident memory: program through a trial / minimal Qt window | $((program_peak / 1024)) MiB / $((baseline_peak / 1024)) MiB | |"
echo "| memory ratio | $(awk -v a="$program_peak" -v b="$baseline_peak" 'BEGIN { printf "%.2f", a / b }') | |"

#!/usr/bin/env bash
# Runs inside an X display (scripts/bench.sh starts one, with -noreset so that the server does
# not restart between programs) and prints the benchmark table.
# Arguments: the build folder, the number of runs of each measure (at least 5).
set -euo pipefail
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

# 2 and 4. The real program fed a stream of all four arrow keys; its score and peak memory.
scores=() program_peaks=()
for run in $(seq "$runs"); do
    export XDG_DATA_HOME=$work/data-$run
    score=$XDG_DATA_HOME/zandel-programm/Programme/ppunkte.txt
    "$build/zandel-programm" 2>"$work/program-err" &
    pid=$!
    window=$(wait_window "Zandel-Programm") || { cat "$work/program-err" >&2; exit 1; }
    size=$(stat -c %s "$score")
    xdotool mousemove --window "$window" 664 204 click 1
    for i in $(seq 300); do
        [[ $(stat -c %s "$score") -gt $size ]] && break
        xdotool key --delay 10 Up Right Down Left
    done
    scores+=("$(tail -c +$((size + 1)) "$score" | tr -d ' \r\n')")
    program_peaks+=("$(peak_kib "$pid")")
    stop "$pid"
done

# 3 and 4. Start-up until the window is mapped, and a minimal Qt window as the baseline. The score
# file is seeded by a first start that is not counted: the usual start finds it in place.
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

value() { awk -F'\t' -v key="$1" '$1 == key { print $2 }' "$work/overhead"; }
program_start=$(printf '%s\n' "${program_starts[@]}" | median)
baseline_start=$(printf '%s\n' "${baseline_starts[@]}" | median)
program_peak=$(printf '%s\n' "${program_peaks[@]}" | median)
baseline_peak=$(printf '%s\n' "${baseline_peaks[@]}" | median)

echo "Medians of $runs runs each."
echo
echo "| measure | value | goal |"
echo "|---|---|---|"
echo "| trial overhead per trial (gesamtzeit - 2000 ms) | $(value 'trial overhead per trial (ms)') ms | at most 10 ms |"
echo "| trial overhead per hit | $(value 'trial overhead per hit (ms)') ms | |"
echo "| - image load, per image | $(value '  image load (ms per image)') ms | |"
echo "| - image paint, per image | $(value '  image paint (ms per image)') ms | |"
echo "| - pause overrun, per pause | $(value '  pause overrun (ms per pause)') ms | |"
echo "| - rest, per hit | $(value '  rest per hit (ms)') ms | |"
echo "| end-to-end scores (xdotool key stream) | ${scores[*]} (median $(printf '%s\n' "${scores[@]}" | median)) | 400 |"
echo "| start-up until mapped: program / minimal Qt window | $program_start ms / $baseline_start ms | |"
echo "| start-up ratio | $(awk -v a="$program_start" -v b="$baseline_start" 'BEGIN { printf "%.2f", a / b }') | at most 1.2 |"
echo "| peak resident memory: program through a trial / minimal Qt window | $((program_peak / 1024)) MiB / $((baseline_peak / 1024)) MiB | |"
echo "| memory ratio | $(awk -v a="$program_peak" -v b="$baseline_peak" 'BEGIN { printf "%.2f", a / b }') | |"

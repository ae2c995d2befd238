#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside an X display (scripts/bench.sh starts one, with -noreset so that the server does
# not restart between programs) and prints the benchmark table.
# Arguments: the build folder, the number of runs of each measure (at least 5), the chart's path.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/windows.sh"
build=$(cd "$1" && pwd)
runs=$2
chart=$3

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
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

# 1. The trial in process, answered the moment each arrow shows; then with two busy loops on the
# two cores, with the trial's real-time priority and without it.
"$build/bench/bench-trial-overhead" "$runs" 2>/dev/null >"$work/overhead"
# The same natively on Wayland, on a headless weston of its own (pixman), where weston is installed.
if command -v weston >/dev/null; then
    bash "$(dirname "${BASH_SOURCE[0]}")/../tests/wayland/under-weston.sh" \
        "$build/bench/bench-trial-overhead" "$runs" 2>/dev/null >"$work/overhead-wayland" || true
fi
busy() { while :; do :; done; }
busy & busy1=$!
busy & busy2=$!
"$build/bench/bench-trial-overhead" "$runs" 2>/dev/null >"$work/overhead-loaded"
"$build/bench/bench-trial-overhead" "$runs" --no-realtime 2>/dev/null >"$work/overhead-loaded-plain"
kill "$busy1" "$busy2"
wait "$busy1" "$busy2" 2>/dev/null || true

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

# 3 and 4. On screen: the program, the floor (a plain Xlib program doing the same trial), the
# floor that also wakes its server before each pause ends, as the program does, and the program
# with the accessibility bridge on, as with a screen reader running, each in fresh processes of
# three trials on fresh X servers, played by a calm player started after the first click on Start
# (one xdotool process, a round of the four arrow keys every 0.1 s, so a right key waits for every
# arrow without loading the machine) and watched by the photodiode. Scores and peak memory come
# from the program's processes.
source "$(dirname "${BASH_SOURCE[0]}")/onscreen.sh"
trials_per_process=3
onscreen program "$runs" "$trials_per_process"
onscreen floor "$runs" "$trials_per_process"
onscreen floor-wake "$runs" "$trials_per_process"
onscreen program-a11y "$runs" "$trials_per_process" env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# Medians of what the photodiode saw, in ms: all trials, first trials of a process, first hits,
# later hits (arrow to blank), and blank to the next arrow beyond the pause.
onscreen_median() {
    local kind=$1 what=$2
    case $what in
    all) awk '$1 == "trial" { print $3 }' "$work/onscreen-$kind" ;;
    first) awk '$1 == "trial" && $2 == 1 { print $3 }' "$work/onscreen-$kind" ;;
    later) awk '$1 == "trial" && $2 > 1 { print $3 }' "$work/onscreen-$kind" ;;
    firsthit) awk '$1 == "hit" && $3 == 0 && $4 >= 0 { print $4 }' "$work/onscreen-$kind" ;;
    laterhit) awk '$1 == "hit" && $3 > 0 && $4 >= 0 { print $4 }' "$work/onscreen-$kind" ;;
    toarrow) awk '$1 == "hit" { print $5 }' "$work/onscreen-$kind" ;;
    esac | median
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }

# The per-trial figures, drawn for the README.
if command -v gnuplot >/dev/null; then
    for kind in program floor floor-wake program-a11y; do
        awk '$1 == "trial" { print ++n, $3 }' "$work/onscreen-$kind" >"$work/plot-$kind"
    done
    gnuplot <<PLOT
set terminal pngcairo size 800,420 font "Liberation Sans,10"
set output "$chart"
set title "On screen beyond the pauses, per trial ($(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), Xvfb)"
set xlabel "trial (three per process, the first played as a person does)"
set ylabel "ms"
set yrange [0:*]
set key top left
plot "$work/plot-program" with linespoints title "program", \
     "$work/plot-program-a11y" with linespoints title "program, accessibility bridge on", \
     "$work/plot-floor" with linespoints title "floor (plain Xlib)", \
     "$work/plot-floor-wake" with linespoints title "floor waking its server"
PLOT
fi

value() { awk -F'\t' -v key="$1" '$1 == key { print $2 }' "$work/${2:-overhead}"; }
program_start=$(printf '%s\n' "${program_starts[@]}" | median)
baseline_start=$(printf '%s\n' "${baseline_starts[@]}" | median)
program_peak=$(median <"$work/peaks-program")
baseline_peak=$(printf '%s\n' "${baseline_peaks[@]}" | median)

on_screen_row() {
    local label=$1 what=$2 goal=$3 program floor waking a11y
    program=$(onscreen_median program "$what") floor=$(onscreen_median floor "$what")
    waking=$(onscreen_median floor-wake "$what") a11y=$(onscreen_median program-a11y "$what")
    echo "| $label | $floor ms | $waking ms | $program ms | $(ratio "$program" "$floor") |" \
        "$(ratio "$program" "$waking") | $a11y ms | $(ratio "$a11y" "$floor") | $goal |"
}
echo "On screen, seen by the photodiode: $((runs * trials_per_process)) trials in $runs processes of each kind."
echo
echo "| on screen | floor | waking floor | program | program / floor | program / waking floor | a11y bridge on | a11y / floor | goal |"
echo "|---|---|---|---|---|---|---|---|---|"
on_screen_row "beyond the pauses, all trials" all "program / waking floor at most 2.0"
on_screen_row "beyond the pauses, first trial of each process" first "program / floor at most 1.25"
on_screen_row "beyond the pauses, later trials" later ""
on_screen_row "first hit: arrow -> blank" firsthit ""
on_screen_row "later hits: arrow -> blank" laterhit ""
on_screen_row "blank -> next arrow, beyond 200 ms" toarrow ""
echo "| scores (program) | | | $(tr '\n' ' ' <"$work/scores-program") | | | $(tr '\n' ' ' <"$work/scores-program-a11y") | | 400 every time |"
echo
echo "In process, medians of $runs trials; start-up and memory, medians of $runs runs."
echo
echo "| in process | value | goal |"
echo "|---|---|---|"
echo "| trial overhead per trial (gesamtzeit - 2000 ms, finer clock) | $(value 'trial overhead per trial (ms)') ms | at most 2.5 ms |"
echo "| trial overhead per hit | $(value 'trial overhead per hit (ms)') ms | |"
while IFS=$'\t' read -r step amount; do
    echo "| - ${step#  } | $amount | |"
done < <(grep '^  ' "$work/overhead")
if [[ -s $work/overhead-wayland ]]; then
    wayland=$(value 'trial overhead per trial (ms)' overhead-wayland)
    echo "| the same natively on Wayland (weston, headless, pixman) | $wayland ms ($(ratio "$wayland" "$(value 'trial overhead per trial (ms)')") of X11) | at most 1.25 of X11 |"
    echo "| - Wayland: blank shown / arrow shown after the pause | $(value '  blank shown' overhead-wayland) / $(value '  arrow shown, after the pause' overhead-wayland) | |"
fi
loaded=$(value 'trial overhead per trial (ms)' overhead-loaded)
loaded_plain=$(value 'trial overhead per trial (ms)' overhead-loaded-plain)
echo "| two busy loops, real-time priority | $loaded ms ($(ratio "$loaded" "$(value 'trial overhead per trial (ms)')") of unloaded) | at most 1.5 of unloaded |"
echo "| two busy loops, normal priority | $loaded_plain ms ($(ratio "$loaded_plain" "$(value 'trial overhead per trial (ms)')") of unloaded) | |"
echo "| start-up until mapped: program / minimal Qt window | $program_start ms / $baseline_start ms | |"
echo "| start-up ratio | $(awk -v a="$program_start" -v b="$baseline_start" 'BEGIN { printf "%.2f", a / b }') | at most 1.15 |"
echo "| peak resident memory: program through a trial / minimal Qt window | $((program_peak / 1024)) MiB / $((baseline_peak / 1024)) MiB | |"
echo "| memory ratio | $(awk -v a="$program_peak" -v b="$baseline_peak" 'BEGIN { printf "%.2f", a / b }') | |"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by measure.sh: plays trials on the program or a floor in fresh processes, each on a fresh
# X server, watched by the photodiode, and keeps what onscreen.awk reads from each process in one
# file per kind.
#   onscreen KIND PROCESSES TRIALS [env VAR=VALUE ...]
# KIND is program, program-a11y, floor or floor-wake; the figures go to $work/onscreen-KIND.

onscreen() {
    local kind=$1 processes=$2 trials=$3
    shift 3
    : >"$work/onscreen-$kind"
    local run
    for run in $(seq "$processes"); do
        onscreen_process "$kind" "$trials" "$@" >>"$work/onscreen-$kind"
    done
}

# The number of lines of a file, 0 when it is missing.
lines_of() { [[ -f $1 ]] && wc -l <"$1" || echo 0; }

onscreen_process() {
    local kind=$1 trials=$2
    shift 2
    local data=$work/onscreen-data-$kind-$RANDOM out=$work/onscreen-out title
    export XDG_DATA_HOME=$data
    local score=$XDG_DATA_HOME/zandel-programm/Programme/ppunkte.txt
    # A server of its own, as a person meets it: it has seen no key yet, so the first key announces
    # a new keyboard, as a key from another device than the last one does.
    local server number
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display-number" 2>/dev/null &
    server=$!
    for _ in $(seq 200); do [[ -s $work/display-number ]] && break; sleep 0.05; done
    number=$(<"$work/display-number")
    local DISPLAY=:$number
    export DISPLAY
    case $kind in
    floor) title=Floor; "$@" "$build/bench/floor" >"$out" 2>/dev/null & ;;
    floor-wake) title=Floor; "$@" "$build/bench/floor" --wake >"$out" 2>/dev/null & ;;
    *) title=Zandel-Programm; "$@" "$build/zandel-programm" >"$out" 2>/dev/null & ;;
    esac
    local pid=$!
    local window
    window=$(wait_window "$title") || exit 1
    "$build/bench/photodiode" "$window" "${PICTURE_AREA[@]}" >"$work/diode" &
    local diode=$!
    for _ in $(seq 200); do [[ -s $work/diode ]] && break; sleep 0.01; done
    local rounds=()
    for _ in $(seq 3000); do rounds+=(key Up Right Down Left sleep 0.1); done
    local player= trial
    for trial in $(seq "$trials"); do
        local done_before
        if [[ $kind == floor* ]]; then done_before=$(lines_of "$out"); else done_before=$(lines_of "$score"); fi
        xdotool windowfocus --sync "$window" mousemove --window "$window" "${START[@]}" click 1
        # One player for the whole process, started after the first click on Start: no key
        # before the first trial, as a person's first key comes once the trial has started.
        if [[ -z $player ]]; then
            xdotool "${rounds[@]}" &
            player=$!
        fi
        for _ in $(seq 600); do
            if [[ $kind == floor* ]]; then
                (($(lines_of "$out") > done_before)) && break
            else
                (($(lines_of "$score") > done_before)) && break
            fi
            sleep 0.05
        done
        if [[ $kind != floor* ]]; then
            local result
            result=$(wait_window "Ergebnis Zandel") || exit 1
            xdotool mousemove --window "$result" "${BACK_FROM_RESULT[@]}" click 1
            sleep 0.3
        fi
    done
    stop "$player"
    if [[ $kind != floor* ]]; then
        tail -n "$trials" "$score" | tr -d ' \r' >>"$work/scores-$kind"
        peak_kib "$pid" >>"$work/peaks-$kind"
    fi
    stop "$diode"
    stop "$pid"
    stop "$server"
    rm -f "$work/display-number"
    grep -v ready "$work/diode" | awk -f "$(dirname "${BASH_SOURCE[0]}")/onscreen.awk"
}

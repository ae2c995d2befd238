#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a headless weston of its own, with the compositor's log of the requests it
# receives in the file named by ZANDEL_COMPOSITOR_LOG.
set -euo pipefail

tmp=$(mktemp -d)
weston_pid= debug_pid=
cleanup() {
    [[ -n $debug_pid ]] && kill "$debug_pid" 2>/dev/null
    [[ -n $weston_pid ]] && kill "$weston_pid" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --use-pixman --socket=wayland-test --idle-time=0 --debug \
    --log="$tmp/weston.log" &
weston_pid=$!
for _ in $(seq 600); do
    [[ -S $XDG_RUNTIME_DIR/wayland-test ]] && break
    kill -0 "$weston_pid" 2>/dev/null || { cat "$tmp/weston.log" >&2; exit 1; }
    sleep 0.05
done
export WAYLAND_DISPLAY=wayland-test ZANDEL_COMPOSITOR_LOG=$tmp/proto.log
weston-debug proto >"$ZANDEL_COMPOSITOR_LOG" &
debug_pid=$!
# The log is subscribed once weston has said so in it.
for _ in $(seq 600); do
    [[ -s $ZANDEL_COMPOSITOR_LOG ]] && break
    sleep 0.05
done
env -u DISPLAY QT_QPA_PLATFORM=wayland "$@"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and prints the benchmark table (not a test).
# Optional arguments: runs of each measure, at least 5 (default 7); --update-docs to draw the chart
# into docs/timing.png, which the README shows (else build-bench/timing.png).
set -euo pipefail
ZANDEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ZANDEL_ROOT/scripts/common.sh"

runs=7
# A build of its own, so that the benchmark programs stay out of build/.
export ZANDEL_BUILD=$ZANDEL_ROOT/build-bench
chart=$ZANDEL_BUILD/timing.png
for argument in "$@"; do
    case $argument in
    --update-docs) chart=$ZANDEL_ROOT/docs/timing.png ;;
    *) runs=$argument ;;
    esac
done
((runs >= 5)) || runs=5
ZANDEL_PACKAGES+=("${ZANDEL_TEST_PACKAGES[@]}" dbus-bin gnuplot-nox libxdamage-dev libxext-dev)
zandel_install_missing
zandel_build -DZANDEL_BENCHMARKS=ON
echo "Machine: $(nproc) cores, $(awk '/^MemTotal:/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)," \
    "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(. /etc/os-release && echo "$PRETTY_NAME")"
# A desktop has a session bus, which Qt asks about accessibility at start-up; without one, libdbus
# would first try to launch a bus and add that time to every start.
LANG=C.UTF-8 dbus-run-session -- xvfb-run -a -s "-noreset -screen 0 1280x1024x24" bash "$ZANDEL_ROOT/bench/measure.sh" "$ZANDEL_BUILD" "$runs" "$chart"

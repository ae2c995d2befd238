#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots of the three windows under a virtual X display.
# Builds first; needs ImageMagick's import, which it installs when missing.
set -euo pipefail
ZANDEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ZANDEL_ROOT/scripts/common.sh"

if [[ ${1:-} != --inside ]]; then
    ZANDEL_PACKAGES+=(xvfb xauth xdotool x11-utils imagemagick)
    zandel_install_missing
    zandel_build
    exec env LANG=C.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --inside
fi

out=$ZANDEL_ROOT/docs
# The helpers of the tests of the real program: a fresh data folder, start, find and click windows.
source "$ZANDEL_ROOT/tests/program/common.sh" "$ZANDEL_ROOT/build/zandel-programm" "$ZANDEL_ROOT/build/ppunkte.txt"
cp "$seed" ppunkte.txt

start_program
main=$(wait_window "Zandel-Programm") || fail "the main window did not appear"
click_at "$main" "${START[@]}"
sleep 1.5
import -window "$main" "$out/main-window.png"

play_until_scored >/dev/null
result=$(wait_window "Ergebnis Zandel") || fail "the result window did not appear"
sleep 0.5
import -window "$result" "$out/result-window.png"

back_from_result
click_at "$main" "${EXPLANATION[@]}"
explanation=$(wait_window "Erklärung Zandel-Programm") || fail "the explanation window did not appear"
sleep 0.5
import -window "$explanation" "$out/explanation-window.png"
echo "Screenshots in $out"

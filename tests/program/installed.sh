#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program, started through its launcher from another working directory, finds its
# images and seed copy and plays a trial; the desktop entry and icons are in place.
source "$(dirname "$0")/common.sh"
build=$3

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "install failed"
for file in libexec/zandel-programm/zandel-programm libexec/zandel-programm/leer.jpg libexec/zandel-programm/ppunkte.txt \
    share/applications/zandel-programm.desktop share/icons/hicolor/scalable/apps/zandel-programm.svg \
    share/icons/hicolor/48x48/apps/zandel-programm.png share/man/man6/zandel-programm.6; do
    [[ -f $prefix/$file ]] || fail "not installed: $file"
done
grep -qx 'Categories=Education;' "$prefix/share/applications/zandel-programm.desktop" || fail "no category"

program=$prefix/bin/zandel-programm
play_one_trial_and_quit
echo "PASS: installed program scored $points"

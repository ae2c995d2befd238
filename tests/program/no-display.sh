#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display, or with one that cannot be reached, the program says so in one German line and
# ends with status 1, touching no file. A fault of the toolkit with the display there is no missing
# display: Qt's own lines stay, and the German line names what failed.
source "$(dirname "$0")/common.sh"

cp "$seed" ppunkte.txt
check() {
    local expected=$1
    shift
    local code=0
    env "$@" "$program" >"$tmp/out" 2>"$tmp/err" || code=$?
    [[ $code -eq 1 ]] || fail "exit status $code, not 1 ($*)"
    [[ $(cat "$tmp/err") == "$expected" ]] || fail "standard error is not: $expected"
    [[ ! -e $XDG_DATA_HOME ]] || fail "the data folder was made ($*)"
}
check "Keine grafische Anzeige: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt" -u DISPLAY -u WAYLAND_DISPLAY
check "Keine grafische Anzeige: :98765 ist nicht erreichbar" -u WAYLAND_DISPLAY DISPLAY=:98765
check "Keine grafische Anzeige: nirgends ist nicht erreichbar" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=nirgends \
    XDG_RUNTIME_DIR="$tmp"

code=0
QT_QPA_PLATFORM=nonexistent "$program" >"$tmp/out" 2>"$tmp/err" || code=$?
[[ $code -eq 1 ]] || fail "exit status $code, not 1, for a platform Qt does not have"
[[ $(tail -n 1 "$tmp/err") == "Grafische Oberfläche nicht gestartet: Qt-Plattform nonexistent" ]] ||
    fail "the toolkit's fault was not named"
grep -q 'platform plugin "nonexistent"' "$tmp/err" || fail "Qt's own line was dropped"
[[ ! -e $XDG_DATA_HOME ]] || fail "the data folder was made"
echo "PASS: no display reported, and a fault of the toolkit named as such"

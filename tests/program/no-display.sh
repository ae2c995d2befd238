#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display, or with one that cannot be reached, the program says so in one German line and
# ends with status 1, touching no file.
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
echo "PASS: no display reported"

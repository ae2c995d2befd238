#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Without the seed copy in the working directory, start-up reports the missing file on standard
# error and in a message box, and the program ends with status 1.
source "$(dirname "$0")/common.sh"

start_program
box=$(wait_window "Zandel-Programm") || fail "no message box"
expected="Datei nicht gefunden: $tmp/work/ppunkte.txt"
# The line is written before the box is shown.
grep -qxF "$expected" "$tmp/err" || fail "standard error does not say: $expected"
dismiss_message_box "$box"
wait_exit || fail "the program did not end after the message"
[[ $status -eq 1 ]] || fail "exit status $status, not 1"
echo "PASS: missing seed copy reported, exit status 1"

#!/usr/bin/env bash
# Without the seed copy in the working directory, start-up reports the missing file on standard
# error and in a message box, and the program ends with status 1.
source "$(dirname "$0")/common.sh"

start_program
box=$(wait_window "Zandel-Programm") || fail "no message box"
expected="Datei nicht gefunden: $tmp/work/ppunkte.txt"
for i in $(seq 100); do
    grep -qxF "$expected" "$tmp/err" && break
    sleep 0.1
done
grep -qxF "$expected" "$tmp/err" || fail "standard error does not say: $expected"
# The box may map before it takes keys; press Return until it closes.
for i in $(seq 20); do
    kill -0 "$pid" 2>/dev/null || break
    xdotool mousemove --window "$box" 10 10 key Return 2>/dev/null || true
    sleep 1
done
wait_exit || fail "the program did not end after the message"
[[ $status -eq 1 ]] || fail "exit status $status, not 1"
echo "PASS: missing seed copy reported, exit status 1"

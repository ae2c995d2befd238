#!/usr/bin/env bash
# A whole trial with real key presses: the score line lands in the score file and the result
# window shows; Back returns to the main window and Quit ends the program.
source "$(dirname "$0")/common.sh"

cp "$seed" ppunkte.txt
start_program
main=$(wait_window "Zandel-Programm") || fail "the main window did not appear"
click_at "$main" "${START[@]}"

# Wrong keys are ignored, so a stream of all four arrows answers every arrow.
seed_size=$(stat -c %s ppunkte.txt)
for i in $(seq 300); do
    if [[ -f $score && $(stat -c %s "$score") -gt $seed_size ]]; then
        break
    fi
    xdotool key --delay 15 Up Right Down Left
done

[[ -f $score ]] || fail "no score file"
cmp -n "$seed_size" "$seed" "$score" || fail "the seed scores were not kept"
added=$(tail -c +$((seed_size + 1)) "$score" | od -An -c | tr -s ' ')
[[ $(tail -c +$((seed_size + 1)) "$score") =~ ^\ [0-9]{1,3}$'\r'$ ]] || fail "not one score record: $added"
points=$(tail -c +$((seed_size + 1)) "$score" | tr -d ' \r\n')
((points >= 0 && points <= 400)) || fail "score out of range: $points"

result=$(wait_window "Ergebnis Zandel") || fail "the result window did not appear"
click_at "$result" 236 264 # Zurück
sleep 0.5
xdotool search --onlyvisible --name "^Ergebnis Zandel\$" >/dev/null 2>&1 && fail "Zurück did not hide the result window"

click_at "$main" "${QUIT[@]}"
wait_exit || fail "Quit did not end the program"
[[ $status -eq 0 ]] || fail "exit status $status after Quit"
echo "PASS: score $points written and shown"

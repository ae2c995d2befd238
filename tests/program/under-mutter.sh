#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Under GNOME's window manager, which prevents focus stealing: a fast trial whose keys keep coming
# after the tenth hit still brings the result window to the front with the focus; neither window
# offers to be resized, minimised or maximised, and each frame is centred. Runs in dbus-run-session.
source "$(dirname "$0")/common.sh"

mutter --x11 --replace --sm-disable >"$tmp/mutter.log" 2>&1 &
wm=$!
stop_wm() {
    kill "$wm" 2>/dev/null || true
    wait "$wm" 2>/dev/null || true
    cleanup
}
trap stop_wm EXIT
for _ in $(seq 600); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "mutter did not start: $(cat "$tmp/mutter.log")"

# Whether a window's frame, title bar included, is centred on the screen within 2 px; waits up to
# 30 s, as the window is centred again once mutter has told its frame. Keeps what it saw in $framing.
framing=
wait_centred() {
    local left right top bottom x y width height screen_width screen_height centre_x centre_y
    read -r screen_width screen_height < <(xwininfo -root |
        awk '/^  Width:/ { w = $2 } /^  Height:/ { h = $2 } END { print w, h }')
    for _ in $(seq 600); do
        read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
        read -r x y width height < <(xwininfo -id "$1" |
            awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 } /^  Width:/ { w = $2 }
                 /^  Height:/ { h = $2 } END { print x, y, w, h }')
        framing="client at $x,$y ${width}x$height, extents $left $right $top $bottom"
        if [[ $left =~ ^[0-9]+$ && $top =~ ^[0-9]+$ ]]; then
            centre_x=$(( (x - left) * 2 + width + left + right ))
            centre_y=$(( (y - top) * 2 + height + top + bottom ))
            (( centre_x - screen_width >= -2 && centre_x - screen_width <= 2 &&
               centre_y - screen_height >= -2 && centre_y - screen_height <= 2 )) && return 0
        fi
        sleep 0.05
    done
    return 1
}

cp "$seed" ppunkte.txt
start_program
main=$(wait_window "Zandel-Programm") || fail "the main window did not appear"
# Clicked once it stands where it stays: a click while it moves may miss Start.
wait_centred "$main" || fail "frame not centred: $framing"
click_at "$main" "${START[@]}"
size_before=$(stat -c %s "$score")
for _ in $(seq 300); do
    xdotool key --delay 10 Up Right Down Left
    [[ $(stat -c %s "$score") -gt $size_before ]] && break
done
[[ $(stat -c %s "$score") -gt $size_before ]] || fail "the trial did not finish"
# Keys still coming while the result window opens.
xdotool key --delay 10 $(printf "Up Right Down Left %.0s" $(seq 10))

result=
active=
for _ in $(seq 600); do
    result=$(find_window 'Ergebnis Zandel')
    active=$(xdotool getactivewindow 2>/dev/null || true)
    [[ -n $result && $active == "$result" ]] && break
    sleep 0.05
done
[[ -n $result ]] || fail "the result window was not shown"
[[ $active == "$result" ]] ||
    fail "the result window did not take the focus: $(xprop -id "$result" _NET_WM_STATE)"
on_top=$(xprop -root _NET_CLIENT_LIST_STACKING | awk '{ print $NF }')
(( on_top == result )) || fail "the result window is not on top: $(xprop -root _NET_CLIENT_LIST_STACKING)"

# A fixed frame: moving and closing only (Motif functions 0x24), border, title and menu (0x1a); and
# what mutter then allows.
for window in "$main" "$result"; do
    hints=$(xprop -id "$window" _MOTIF_WM_HINTS)
    [[ $hints == *'= 0x3, 0x24, 0x1a, 0x0, 0x0' ]] || fail "Motif hints: $hints"
    allowed=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
    [[ $allowed == *_NET_WM_ACTION_CLOSE* ]] || fail "no close: $allowed"
    [[ $allowed != *MINIMIZE* && $allowed != *MAXIMIZE* && $allowed != *RESIZE* && $allowed != *FULLSCREEN* ]] ||
        fail "more allowed than moving and closing: $allowed"
done

for window in "$main" "$result"; do
    wait_centred "$window" || fail "frame not centred: $framing"
done
echo "PASS: under mutter the result window is in front with the focus, both frames fixed and centred"

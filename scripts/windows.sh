# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# What the scripts need to find the program's windows and click them: the centres of the buttons,
# in pixels of their window's client area, and wait_window. Sourced by the tests of the real program,
# the benchmark and the screenshot script.
START=(664 204)
QUIT=(664 300)
EXPLANATION=(664 396)
BACK_FROM_RESULT=(236 264)
# The picture box in the main window's client area: left, top, width, height; the program's own
# figures in windows/MainWindowFigures.h (4560, 2760, 3495 and 3495 twips) at 15 twips a pixel.
PICTURE_AREA=(304 184 233 233)

# Prints the id of the first visible window with exactly this title, or nothing. Mutter 44 and later
# draw title bars in windows of a client of their own that carry the same title; those are passed over.
find_window() {
    local id
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true); do
        if [[ $(xprop -id "$id" WM_CLASS 2>/dev/null) != *mutter-x11-frames* ]]; then
            echo "$id"
            return 0
        fi
    done
}

# Prints the id of the visible window with exactly this title, once it has the keyboard focus, so
# that it takes the clicks and keys that follow; waits up to 30 s.
wait_window() {
    local id i
    for i in $(seq 600); do
        id=$(find_window "$1")
        if [[ -n $id ]] && timeout 30 xdotool windowfocus --sync "$id" 2>/dev/null; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    echo "no window titled $1" >&2
    return 1
}

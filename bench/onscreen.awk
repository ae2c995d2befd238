# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads a photodiode's damage times (microseconds, one a line) of one process and prints, for each
# complete trial, "trial N MS" (first arrow to eleventh, beyond 2000 ms) and for each hit
# "hit N K ARROW_TO_BLANK BLANK_TO_ARROW" in milliseconds (the second beyond the 200 ms pause).
# Damages more than 600 ms apart belong to different trials; within a trial, more than 100 ms apart
# start a new arrow: its damage, then its blank's once the waiting key is handled.
{ t[n++] = $1 }
END {
    trial = 0
    for (i = 0; i < n; i = j + 1) {
        for (j = i; j + 1 < n && t[j + 1] - t[j] <= 600000; j++) {}
        clusters = 0
        first[0] = i
        for (k = i + 1; k <= j; k++) {
            if (t[k] - t[k - 1] > 100000) {
                first[++clusters] = k
            }
        }
        first[++clusters] = j + 1
        if (clusters != 11) {
            continue
        }
        trial++
        printf "trial %d %.3f\n", trial, (t[first[10]] - t[first[0]]) / 1000 - 2000
        for (c = 0; c < 10; c++) {
            toBlank = first[c + 1] - first[c] >= 2 ? (t[first[c] + 1] - t[first[c]]) / 1000 : -1
            printf "hit %d %d %.3f %.3f\n", trial, c, toBlank, (t[first[c + 1]] - t[first[c + 1] - 1]) / 1000 - 200
        }
    }
}

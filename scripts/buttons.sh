# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Centres of the buttons the scripts click, in pixels of their window's client area. Sourced by the
# tests of the real program, the benchmark and the screenshot script.
START=(664 204)
QUIT=(664 300)
EXPLANATION=(664 396)
BACK_FROM_RESULT=(236 264)
# The picture box's picture area in the main window's client area: left, top, width, height.
PICTURE_AREA=(304 184 233 233)

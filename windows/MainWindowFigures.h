// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window's size and its picture box, in twips as the window is designed (1/1440 inch, 15
// to a pixel at 96 dots per inch). Plain constants, so that the benchmark's plain X11 floor and its
// minimal Qt window take the very figures the program shows.
namespace MainWindowFigures {

constexpr int TwipsPerPixel = 15;
constexpr int Width = 15405;
constexpr int Height = 11025;
constexpr int PictureLeft = 4560;
constexpr int PictureTop = 2760;
constexpr int PictureSide = 3495;

constexpr int pixels(int twips)
{
    return twips / TwipsPerPixel;
}

} // namespace MainWindowFigures

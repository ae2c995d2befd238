// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QImage;
class QPainter;
class QRect;

namespace PicturePainting {

// Paints the picture at its natural size from the top-left corner of area, clipped to it, and white
// where it does not reach: the picture box as every path shows it.
void paint(QPainter &painter, const QRect &area, const QImage &picture);

} // namespace PicturePainting

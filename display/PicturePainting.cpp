// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PicturePainting.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

namespace PicturePainting {

void paint(QPainter &painter, const QRect &area, const QImage &picture)
{
    painter.save();
    painter.setClipRect(area);
    painter.drawImage(area.topLeft(), picture);
    for (const QRect &rest : QRegion(area) - QRect(area.topLeft(), picture.size())) {
        painter.fillRect(rest, Qt::white);
    }
    painter.restore();
}

} // namespace PicturePainting

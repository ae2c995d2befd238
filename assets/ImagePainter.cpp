// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the picture box images (a blank picture and a dark arrow for each direction, all white
// pictures sized to fit inside the 233-pixel picture box with its sunken border) and the
// application icon at each size; the icon follows desktop/icons/zandel-programm.svg.
//
//   cmake --build build --target draw-images && build/assets/draw-images assets desktop/icons

#include <cstdio>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QString>

namespace {

constexpr int Side = 225;
// Neutral grey: with no colour in it, fast JPEG decoding leaves no tinted fringe at the edges.
const QColor ArrowColour(30, 30, 30);

QImage blank()
{
    QImage image(Side, Side, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// An arrow pointing up, turned clockwise by the given angle about the centre.
QImage arrow(qreal degrees)
{
    QImage image = blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(Side / 2.0, Side / 2.0);
    painter.rotate(degrees);
    // Tip at the top, a head of 150 x 85 pixels over a shaft 46 pixels wide; 180 pixels long in all.
    const QPolygonF shape{{0, -90}, {75, -5}, {23, -5}, {23, 90}, {-23, 90}, {-23, -5}, {-75, -5}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArrowColour);
    painter.drawPolygon(shape);
    return image;
}

// The icon on a 256-pixel grid, scaled to side pixels.
QImage icon(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 256.0, side / 256.0);
    painter.setPen(QPen(ArrowColour, 6));
    painter.setBrush(QColor(192, 192, 255));
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 40, 40);
    const QPolygonF arrowShape{{128, 30},  {212, 122}, {154, 122}, {154, 226},
                               {102, 226}, {102, 122}, {44, 122}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArrowColour);
    painter.drawPolygon(arrowShape);
    return image;
}

bool save(const QImage &image, const QString &folder, const QString &name)
{
    const QString path = folder + QLatin1Char('/') + name;
    const bool jpeg = name.endsWith(QLatin1String(".jpg"));
    if (!image.save(path, jpeg ? "JPG" : "PNG", jpeg ? 95 : -1)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IMAGE_FOLDER ICON_FOLDER\n", argv[0]);
        return 2;
    }
    const QString images = QString::fromLocal8Bit(argv[1]);
    const QString icons = QString::fromLocal8Bit(argv[2]);
    bool ok = save(blank(), images, QStringLiteral("leer.jpg")) &&
              save(arrow(0), images, QStringLiteral("Zandel_oben.jpg")) &&
              save(arrow(90), images, QStringLiteral("Zandel_rechts.jpg")) &&
              save(arrow(180), images, QStringLiteral("Zandel_unten.jpg")) &&
              save(arrow(270), images, QStringLiteral("Zandel_links.jpg"));
    for (int side : {16, 32, 48, 64, 128, 256}) {
        ok = ok && save(icon(side), icons, QStringLiteral("zandel-programm-%1.png").arg(side));
    }
    return ok ? 0 : 1;
}

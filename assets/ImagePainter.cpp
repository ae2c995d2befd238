// Draws the picture box images: a blank picture and a dark arrow for each direction, all white
// pictures sized to fit inside the 233-pixel picture box with its sunken border.
//
//   cmake --build build --target draw-images && build/assets/draw-images assets

#include <cstdio>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QString>

namespace {

constexpr int Side = 225;
const QColor ArrowColour(24, 28, 64);

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
    const QPolygonF shape{{0, -90},  {75, -5}, {23, -5},  {23, 90},
                          {-23, 90}, {-23, -5}, {-75, -5}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArrowColour);
    painter.drawPolygon(shape);
    return image;
}

bool save(const QImage &image, const QString &folder, const char *name)
{
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    if (!image.save(path, "JPG", 95)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool ok = save(blank(), folder, "leer.jpg") && save(arrow(0), folder, "Zandel_oben.jpg") &&
                    save(arrow(90), folder, "Zandel_rechts.jpg") && save(arrow(180), folder, "Zandel_unten.jpg") &&
                    save(arrow(270), folder, "Zandel_links.jpg");
    return ok ? 0 : 1;
}

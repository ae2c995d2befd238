// Measures what the program adds to a trial: the real trial and windows, the real clock and
// pauses, answered by a player that presses the right key the moment each arrow is shown.
// Prints, as medians over the trials, gesamtzeit minus the ten fixed pauses, per trial and per
// hit, and where a hit's time goes: loading an image, painting it, and the rest.

#include <algorithm>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "Form1.h"
#include "PictureBox.h"
#include "PlatformError.h"
#include "SystemRuntime.h"

namespace {

// The real runtime, remembering which arrow was loaded last and how long image loads take.
class WatchedRuntime : public SystemRuntime
{
public:
    using SystemRuntime::SystemRuntime;

    QString lastImage;
    qint64 loadNanoseconds = 0;
    int loads = 0;
    qint64 pauseOvershootNanoseconds = 0;
    int pauses = 0;

    void pause(int milliseconds) override
    {
        QElapsedTimer timer;
        timer.start();
        SystemRuntime::pause(milliseconds);
        pauseOvershootNanoseconds += timer.nsecsElapsed() - milliseconds * 1000000LL;
        ++pauses;
    }

    QImage loadImage(const QString &path) override
    {
        QElapsedTimer timer;
        timer.start();
        QImage image = SystemRuntime::loadImage(path);
        loadNanoseconds += timer.nsecsElapsed();
        ++loads;
        lastImage = path;
        return image;
    }
};

Qt::Key keyFor(const QString &arrowPath)
{
    if (arrowPath.endsWith(QLatin1String("oben.jpg"))) {
        return Qt::Key_Up;
    }
    if (arrowPath.endsWith(QLatin1String("rechts.jpg"))) {
        return Qt::Key_Right;
    }
    if (arrowPath.endsWith(QLatin1String("unten.jpg"))) {
        return Qt::Key_Down;
    }
    return Qt::Key_Left;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

// Milliseconds to paint one image into a shown picture box, taking turns with another.
double paintMilliseconds(PictureBox &box, const QImage &first, const QImage &second)
{
    constexpr int Rounds = 200;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Rounds; ++i) {
        box.setImage(i % 2 ? first : second);
    }
    return timer.nsecsElapsed() / 1e6 / Rounds;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int trials = argc > 1 ? std::max(5, QString::fromLocal8Bit(argv[1]).toInt()) : 5;
    // The build folder holds the images and the seed copy.
    const QString buildFolder = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
    QDir::setCurrent(buildFolder);
    QTemporaryDir drive;
    WatchedRuntime runtime(buildFolder, drive.path());
    Form1 form1(runtime, [](const PlatformError &error) { std::fprintf(stderr, "%s\n", qPrintable(error.message())); });
    form1.show();
    if (!QTest::qWaitForWindowExposed(&form1)) {
        std::fprintf(stderr, "the main window was not shown\n");
        return 1;
    }
    auto *start = form1.findChild<QPushButton *>(QStringLiteral("Command1"));
    auto *picture = form1.findChild<PictureBox *>(QStringLiteral("Picture1"));

    std::vector<double> overhead;
    std::vector<double> loadPerImage;
    std::vector<double> overshootPerPause;
    for (int trial = 0; trial < trials; ++trial) {
        runtime.loadNanoseconds = 0;
        runtime.loads = 0;
        runtime.pauseOvershootNanoseconds = 0;
        runtime.pauses = 0;
        start->click();
        for (int hit = 0; hit < Trial::HitsPerTrial; ++hit) {
            QKeyEvent press(QEvent::KeyPress, keyFor(runtime.lastImage), Qt::NoModifier);
            QApplication::sendEvent(picture, &press);
        }
        if (form1.isEnding() || !form1.trial().gesamtzeit) {
            return 1;
        }
        overhead.push_back(static_cast<double>(*form1.trial().gesamtzeit - 2000));
        loadPerImage.push_back(runtime.loadNanoseconds / 1e6 / runtime.loads);
        overshootPerPause.push_back(runtime.pauseOvershootNanoseconds / 1e6 / runtime.pauses);
        QCoreApplication::processEvents();
    }

    const double perTrial = median(overhead);
    const double load = median(loadPerImage);
    const double overshoot = median(overshootPerPause);
    const double paint = paintMilliseconds(*picture, runtime.loadImage(runtime.lastImage),
                                           runtime.loadImage(buildFolder + QStringLiteral("/leer.jpg")));
    // A hit loads and paints two images: the blank one and the next arrow.
    std::printf("trial overhead per trial (ms)\t%.1f\n", perTrial);
    std::printf("trial overhead per hit (ms)\t%.2f\n", perTrial / Trial::HitsPerTrial);
    std::printf("  image load (ms per image)\t%.2f\n", load);
    std::printf("  image paint (ms per image)\t%.2f\n", paint);
    std::printf("  pause overrun (ms per pause)\t%.2f\n", overshoot);
    std::printf("  rest per hit (ms)\t%.2f\n", perTrial / Trial::HitsPerTrial - 2 * (load + paint) - overshoot);
    std::printf("trials\t%d\n", trials);
    return 0;
}

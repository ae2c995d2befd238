// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures what the program adds to a trial: the real trial and windows, the real clock and
// pauses, answered by a player that presses the right key the moment each arrow is shown. Prints
// medians over the trials: the trial's time beyond its ten pauses, taken with a clock finer than the
// trial's own milliseconds, and where a hit's time goes, step by step.

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "FileAccess.h"
#include "Form1.h"
#include "PictureBox.h"
#include "PlatformError.h"
#include "SystemRuntime.h"

namespace {

QElapsedTimer since;

double now()
{
    return static_cast<double>(since.nsecsElapsed()) / 1000.0; // microseconds
}

// The real runtime, noting when the trial reads the clock, pauses and loads images.
class WatchedRuntime : public SystemRuntime
{
public:
    using SystemRuntime::SystemRuntime;

    bool realtime = true;
    std::vector<double> clockReads;
    double pauseBegin = 0, pauseEnd = 0, loadBegin = 0, loadEnd = 0;
    std::map<std::string, std::vector<double>> steps;
    QString lastArrow;

    std::int32_t tickCount() override
    {
        clockReads.push_back(now());
        return SystemRuntime::tickCount();
    }

    void pause(int milliseconds) override
    {
        pauseBegin = now();
        if (milliseconds == Trial::PauseBetweenArrows) {
            steps["blank shown"].push_back(pauseBegin - loadEnd);
        }
        SystemRuntime::pause(milliseconds);
        pauseEnd = now();
        if (milliseconds == Trial::PauseBetweenArrows) {
            steps["pause overrun"].push_back(pauseEnd - pauseBegin - milliseconds * 1000.0);
        }
    }

    void setTrialPriority(bool raised) override
    {
        if (realtime) {
            SystemRuntime::setTrialPriority(raised);
        }
    }

    QImage loadImage(const QString &path) override
    {
        const bool blank = path.endsWith(QLatin1String("leer.jpg"));
        loadBegin = now();
        QImage image = SystemRuntime::loadImage(path);
        loadEnd = now();
        if (blank) {
            steps["blank load"].push_back(loadEnd - loadBegin);
        } else {
            steps["arrow drawn and loaded, after the pause"].push_back(loadEnd - pauseEnd);
            lastArrow = path;
        }
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
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

double percentile90(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() * 9 / 10];
}

// Microseconds to show one picture in a shown picture box, taking turns with another, back to back.
double warmShowMicroseconds(PictureBox &box, const QImage &first, const QImage &second)
{
    constexpr int Rounds = 200;
    const double begin = now();
    for (int i = 0; i < Rounds; ++i) {
        box.setImage(i % 2 ? first : second);
    }
    return (now() - begin) / Rounds;
}

// Microseconds to read an arrow's file right after a pause, as the trial does.
double coldReadMicroseconds(SystemRuntime &runtime, const QString &path)
{
    std::vector<double> reads;
    for (int i = 0; i < 10; ++i) {
        runtime.SystemRuntime::pause(Trial::PauseBetweenArrows);
        const double begin = now();
        FileAccess::read(path, 1 << 20);
        reads.push_back(now() - begin);
    }
    return median(reads);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    since.start();
    const int trials = argc > 1 ? std::max(5, QString::fromLocal8Bit(argv[1]).toInt()) : 5;
    // The build folder holds the images and the seed copy.
    const QString buildFolder =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
    QDir::setCurrent(buildFolder);
    QTemporaryDir drive;
    WatchedRuntime runtime(buildFolder, drive.path());
    runtime.realtime = !app.arguments().contains(QStringLiteral("--no-realtime"));
    Form1 form1(runtime, [](const PlatformError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
    });
    form1.show();
    if (!QTest::qWaitForWindowExposed(&form1)) {
        std::fprintf(stderr, "the main window was not shown\n");
        return 1;
    }
    auto *start = form1.findChild<QPushButton *>(QStringLiteral("Command1"));
    auto *picture = form1.findChild<PictureBox *>(QStringLiteral("Picture1"));

    std::vector<double> overhead;
    for (int trial = 0; trial < trials; ++trial) {
        runtime.clockReads.clear();
        start->click();
        for (int hit = 1; hit <= Trial::HitsPerTrial; ++hit) {
            // The event loop runs between two keys, as it does for a person.
            double begin = now();
            QCoreApplication::processEvents();
            runtime.steps[hit == 1 ? "event loop after Start" : "event loop between hits"].push_back(now() -
                                                                                                     begin);
            begin = now();
            const Qt::Key key = keyFor(runtime.lastArrow);
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(picture, &press);
            if (hit < Trial::HitsPerTrial) {
                runtime.steps["arrow shown, after the pause"].push_back(now() - runtime.loadEnd);
                runtime.steps["hit beyond its pause"].push_back(now() - begin -
                                                                Trial::PauseBetweenArrows * 1000.0);
            }
            // Let go, as a person does: a key held down answers no further arrow.
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            QApplication::sendEvent(picture, &release);
        }
        if (form1.isEnding() || runtime.clockReads.size() != 2) {
            return 1;
        }
        overhead.push_back((runtime.clockReads[1] - runtime.clockReads[0]) / 1000.0 - 2000.0);
    }
    const double perTrial = median(overhead);
    const QImage arrow = runtime.loadImage(runtime.lastArrow);
    const QImage blank = runtime.loadImage(buildFolder + QStringLiteral("/leer.jpg"));

    std::printf("trial overhead per trial (ms)\t%.1f\n", perTrial);
    std::printf("trial overhead per hit (ms)\t%.2f\n", perTrial / Trial::HitsPerTrial);
    // In the order of a hit.
    for (const char *step : {"event loop after Start", "event loop between hits", "blank load", "blank shown",
                             "pause overrun", "arrow drawn and loaded, after the pause",
                             "arrow shown, after the pause", "hit beyond its pause"}) {
        const std::vector<double> &values = runtime.steps[step];
        std::printf("  %s\t%.0f µs (p90 %.0f)\n", step, median(values), percentile90(values));
    }
    std::printf("  file read after a pause\t%.0f µs\n", coldReadMicroseconds(runtime, runtime.lastArrow));
    std::printf("  picture shown back to back, warm\t%.0f µs\n",
                warmShowMicroseconds(*picture, arrow, blank));
    std::printf("trials\t%d\n", trials);
    return 0;
}

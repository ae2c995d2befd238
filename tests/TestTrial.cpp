// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <limits>

#include <QFile>
#include <QTest>

#include "NumberText.h"
#include "PlatformError.h"
#include "TrialRig.h"

class TestTrial : public QObject
{
    Q_OBJECT

private slots:
    void loadShowsTheBlankPictureAndSeeds()
    {
        TrialRig rig;
        rig.trial.load();
        QCOMPARE(rig.runtime.seedCount, 1);
        QCOMPARE(rig.log.take(), QStringList({QStringLiteral("image ") + rig.folders.application() +
                                                  QStringLiteral(R"(\leer.jpg)"),
                                              QStringLiteral("picture")}));
        QVERIFY(!rig.display.picture.isNull());
        QVERIFY(!rig.trial.isRunning());
        QVERIFY(!rig.trial.startzeit.has_value());
    }

    void startRunsItsStepsInOrder()
    {
        TrialRig rig;
        rig.trial.load();
        rig.log.take();
        rig.runtime.feedSlots({1});
        rig.runtime.now = 5000;
        rig.trial.start();
        QCOMPARE(rig.log.take(),
                 QStringList({QStringLiteral("list clear"), QStringLiteral("pause 1000"),
                              QStringLiteral("image ") + rig.arrowPath(1), QStringLiteral("picture"),
                              QStringLiteral("start off"), QStringLiteral("clock")}));
        QCOMPARE(rig.trial.startzeit, 6000);
        QVERIFY(rig.trial.isRunning());
    }

    void wholeTrialIgnoresWrongAndOtherKeys()
    {
        TrialRig rig;
        rig.trial.load();
        rig.runtime.feedSlots({0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2});
        rig.trial.start();
        const int shown[] = {0, 1, 2, 3, 0, 1, 2, 3, 0, 1};
        const std::int16_t others[] = {65, 13, 32, 56, 54,
                                       52, 50, 0,  -1, std::numeric_limits<std::int16_t>::max()};
        for (int slot : shown) {
            rig.log.take();
            for (int wrong = 0; wrong < 4; ++wrong) {
                if (wrong != slot) {
                    rig.press(TrialRig::keyFor(wrong));
                }
            }
            for (std::int16_t key : others) {
                rig.press(key);
            }
            QVERIFY2(rig.log.entries.isEmpty(), qPrintable(rig.log.entries.join(QLatin1Char('|'))));
            rig.press(TrialRig::keyFor(slot));
        }
        QVERIFY(!rig.trial.isRunning());
        // The pauses are the only time that passed: ten fixed pauses make a perfect 400.
        QCOMPARE(rig.trial.gesamtzeit, 2000);
        QCOMPARE(rig.trial.punkte, 400);
        QCOMPARE(rig.display.resultLines,
                 QStringList({QStringLiteral(" "), QStringLiteral(" Erreichte Punktzahl:  400"),
                              QStringLiteral(" "), QStringLiteral(" Benötigte Zeit:       2 Sekunden")}));
        QCOMPARE(rig.display.resultWindowShown, 1);
        QVERIFY(rig.display.startEnabled);
        QVERIFY(TrialFolders::readAll(rig.folders.scoreFile()).endsWith("\r\n 400\r\n"));
    }

    void pausesOfAWholeTrial()
    {
        TrialRig rig;
        rig.trial.load();
        rig.log.take();
        rig.playTrial();
        const QStringList pauses = rig.log.entries.filter(QStringLiteral("pause"));
        QCOMPARE(pauses.size(), 11);
        QCOMPARE(pauses.first(), QStringLiteral("pause 1000"));
        QCOMPARE(pauses.count(QStringLiteral("pause 200")), 10);
    }

    void tenthHitFinishesInOrder()
    {
        TrialRig rig;
        rig.trial.load();
        rig.runtime.feedSlots({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3});
        rig.trial.start();
        for (int hit = 0; hit < 9; ++hit) {
            rig.press(Trial::KeyUp);
        }
        rig.log.take();
        rig.press(Trial::KeyUp);
        const QString blank =
            QStringLiteral("image ") + rig.folders.application() + QStringLiteral("/leer.jpg");
        QCOMPARE(
            rig.log.take(),
            QStringList({blank, QStringLiteral("picture"), QStringLiteral("pause 200"),
                         QStringLiteral("image ") + rig.arrowPath(3), QStringLiteral("picture"),
                         QStringLiteral("clock"), QStringLiteral("list add"), QStringLiteral("list add"),
                         QStringLiteral("list add"), QStringLiteral("list add"), QStringLiteral("start on"),
                         QStringLiteral("result shown"), blank, QStringLiteral("picture")}));
    }

    void scoreFromTime_data()
    {
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<int>("score");
        QTest::newRow("2000") << qint64(2000) << 400;
        QTest::newRow("2010, 399.5 to even") << qint64(2010) << 400;
        QTest::newRow("2030, 398.5 to even") << qint64(2030) << 398;
        QTest::newRow("5000") << qint64(5000) << 250;
        QTest::newRow("9970, 1.5 to even") << qint64(9970) << 2;
        QTest::newRow("9990, 0.5 to even") << qint64(9990) << 0;
        QTest::newRow("10000") << qint64(10000) << 0;
        QTest::newRow("10001") << qint64(10001) << 0;
        QTest::newRow("an hour") << qint64(3600000) << 0;
    }
    void scoreFromTime()
    {
        QFETCH(qint64, elapsed);
        QFETCH(int, score);
        TrialRig rig;
        rig.trial.load();
        rig.playTrial(elapsed);
        QCOMPARE(rig.trial.gesamtzeit, elapsed);
        QCOMPARE(rig.trial.punkte, score);
        QCOMPARE(rig.display.resultLines.at(1),
                 QStringLiteral(" Erreichte Punktzahl: ") + NumberText::fromNumber(score));
        QVERIFY(TrialFolders::readAll(rig.folders.scoreFile())
                    .endsWith(NumberText::fromNumber(score).toUtf8() + "\r\n"));
    }

    void resultLinesByteForByte()
    {
        TrialRig rig;
        rig.trial.load();
        rig.playTrial(2345);
        QCOMPARE(rig.display.resultLines.size(), 4);
        QCOMPARE(rig.display.resultLines.at(0).toUtf8(), QByteArray(" "));
        QCOMPARE(rig.display.resultLines.at(1).toUtf8(), QByteArray(" Erreichte Punktzahl:  383"));
        QCOMPARE(rig.display.resultLines.at(2).toUtf8(), QByteArray(" "));
        QCOMPARE(rig.display.resultLines.at(3).toUtf8(),
                 QByteArray(" Ben\xC3\xB6tigte Zeit:       2.345 Sekunden"));
    }

    void clockWrapKeepsTheTrueLength_data()
    {
        QTest::addColumn<qint64>("startedAt");
        QTest::newRow("across the sign change") << qint64(std::numeric_limits<std::int32_t>::max() - 500);
        QTest::newRow("across the wrap to zero") << qint64(-700);
        QTest::newRow("negative reading") << qint64(std::numeric_limits<std::int32_t>::min() + 3);
    }
    void clockWrapKeepsTheTrueLength()
    {
        QFETCH(qint64, startedAt);
        TrialRig rig;
        rig.trial.load();
        rig.runtime.now = static_cast<std::int32_t>(startedAt - Trial::PauseBeforeFirstArrow);
        rig.playTrial(2030);
        QCOMPARE(rig.trial.startzeit, static_cast<std::int32_t>(startedAt));
        QCOMPARE(rig.trial.gesamtzeit, 2030);
        QCOMPARE(rig.trial.punkte, 398);
    }

    void keypadDigitsAnswerLikeArrows()
    {
        TrialRig rig;
        rig.trial.load();
        const int arrows[] = {0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2};
        for (int slot : arrows) {
            rig.runtime.feedSlots({slot});
        }
        const std::int16_t keypad[] = {Trial::KeyPad8, Trial::KeyPad6, Trial::KeyPad2, Trial::KeyPad4};
        const std::int16_t mainRow[] = {56, 54, 50, 52};
        rig.trial.start();
        for (int hit = 0; hit < Trial::HitsPerTrial; ++hit) {
            rig.log.take();
            rig.press(mainRow[arrows[hit]]);
            QVERIFY(rig.log.entries.isEmpty());
            rig.press(keypad[arrows[hit]]);
            QVERIFY(!rig.log.entries.isEmpty());
        }
        QCOMPARE(rig.display.resultWindowShown, 1);
    }

    void keysOutsideATrialDoNothing()
    {
        TrialRig rig;
        rig.trial.load();
        const QByteArray seeded = TrialFolders::readAll(rig.folders.scoreFile());
        rig.log.take();
        // Before the first Start the empty arrow reads as "up".
        for (int i = 0; i < 12; ++i) {
            rig.press(Trial::KeyUp);
        }
        QVERIFY(rig.log.entries.isEmpty());

        rig.playTrial();
        rig.log.take();
        const QByteArray afterTrial = TrialFolders::readAll(rig.folders.scoreFile());
        QCOMPARE(afterTrial, seeded + " 400\r\n");
        // The last drawn arrow is still set, but without a Start no key counts.
        for (int i = 0; i < 12; ++i) {
            for (int slot = 0; slot < 4; ++slot) {
                rig.press(TrialRig::keyFor(slot));
            }
        }
        QVERIFY(rig.log.entries.isEmpty());
        QCOMPARE(rig.display.resultLines.size(), 4);
        QCOMPARE(TrialFolders::readAll(rig.folders.scoreFile()), afterTrial);
    }

    void startClearsTheLastResult()
    {
        TrialRig rig;
        rig.trial.load();
        rig.playTrial(5000);
        QCOMPARE(rig.display.resultLines.size(), 4);
        rig.runtime.feedSlots({0});
        rig.trial.start();
        QVERIFY(rig.display.resultLines.isEmpty());
    }

    void drawRule_data()
    {
        QTest::addColumn<float>("random");
        QTest::addColumn<int>("slot");
        QTest::newRow("0") << 0.0f << 0;
        QTest::newRow("just below a quarter") << 0.2499999f << 0;
        QTest::newRow("a quarter") << 0.25f << 1;
        QTest::newRow("a half") << 0.5f << 2;
        QTest::newRow("three quarters") << 0.75f << 3;
        QTest::newRow("largest float below 1") << std::nextafter(1.0f, 0.0f) << 3;
    }
    void drawRule()
    {
        QFETCH(float, random);
        QFETCH(int, slot);
        TrialRig rig;
        rig.trial.load();
        rig.log.take();
        rig.runtime.randoms.push_back(random);
        rig.trial.start();
        QVERIFY(rig.log.entries.contains(QStringLiteral("image ") + rig.arrowPath(slot)));
    }

    void missingArrowFailsOnlyWhenDrawn()
    {
        TrialRig rig;
        QVERIFY(QFile::remove(rig.folders.application() + QStringLiteral("/Zandel_links.jpg")));
        rig.trial.load();
        rig.runtime.feedSlots({0, 1, 3});
        rig.trial.start();
        rig.press(Trial::KeyUp);
        try {
            rig.press(Trial::KeyRight);
            QFAIL("the missing left arrow was not reported");
        } catch (const PlatformError &error) {
            QCOMPARE(error.kind(), PlatformError::Kind::FileNotFound);
            QCOMPARE(error.detail(), rig.arrowPath(3));
        }
    }

    void missingBlankPictureFailsTheLoadStep()
    {
        TrialRig rig;
        QVERIFY(QFile::remove(rig.folders.application() + QStringLiteral("/leer.jpg")));
        try {
            rig.trial.load();
            QFAIL("the missing blank picture was not reported");
        } catch (const PlatformError &error) {
            QCOMPARE(error.kind(), PlatformError::Kind::FileNotFound);
        }
        QVERIFY(!QFileInfo::exists(rig.folders.scoreFile()));
    }
};

QTEST_GUILESS_MAIN(TestTrial)
#include "TestTrial.moc"

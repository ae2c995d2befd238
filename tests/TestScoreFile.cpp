// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include "PlatformError.h"
#include "TrialRig.h"

namespace {

// The seed copy shipped with the program.
const QByteArray Seed = TrialFolders::readAll(QStringLiteral(ZANDEL_ASSET_DIR "/ppunkte.txt"));

} // namespace

class TestScoreFile : public QObject
{
    Q_OBJECT

private slots:
    void theSeedCopyHoldsRecordsAndOutlastsTheThreshold()
    {
        TrialFolders folders;
        const QByteArray seed = TrialFolders::readAll(folders.seedCopy());
        // Shorter, and every start would seed the file again.
        QVERIFY(seed.size() >= Trial::SeedThreshold);
        QVERIFY(seed.endsWith("\r\n"));
        static const QRegularExpression record(QStringLiteral("^ [1-9]?[0-9]?[0-9]$"));
        const QList<QByteArray> lines = seed.chopped(1).split('\n');
        for (const QByteArray &line : lines) {
            QVERIFY2(line.endsWith('\r') && record.match(QString::fromLatin1(line.chopped(1))).hasMatch(),
                     line);
        }
    }

    void recordsAreSpaceDigitsCrLf_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("0") << 0 << QByteArray(" 0\r\n");
        QTest::newRow("7") << 7 << QByteArray(" 7\r\n");
        QTest::newRow("400") << 400 << QByteArray(" 400\r\n");
        QTest::newRow("500") << 500 << QByteArray(" 500\r\n");
    }
    void recordsAreSpaceDigitsCrLf()
    {
        QFETCH(int, score);
        QFETCH(QByteArray, record);
        TrialRig rig;
        rig.trial.punkte = score;
        rig.trial.speichern(Trial::ScoreFile);
        rig.trial.speichern(Trial::ScoreFile);
        QCOMPARE(TrialFolders::readAll(rig.folders.scoreFile()), record + record);
    }

    void bothSpellingsNameOneFile()
    {
        TrialRig rig;
        rig.trial.load();
        rig.playTrial(5000);
        QCOMPARE(TrialFolders::readAll(rig.folders.scoreFile()), Seed + " 250\r\n");
        QCOMPARE(QDir(rig.folders.drive()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Programme")});
    }

    void startUpCheck_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("missing") << false << QByteArray() << Seed;
        QTest::newRow("empty") << true << QByteArray() << Seed;
        QTest::newRow("one record kept after the seed") << true << QByteArray(" 0\r\n") << Seed + " 0\r\n";
        QTest::newRow("9 bytes kept after the seed")
            << true << QByteArray(" 1\r\n 12\r\n") << Seed + " 1\r\n 12\r\n";
        QTest::newRow("10 bytes stay")
            << true << QByteArray(" 12\r\n 34\r\n") << QByteArray(" 12\r\n 34\r\n");
        QTest::newRow("10 bytes of 1 and 3 digits stay")
            << true << QByteArray(" 1\r\n 123\r\n") << QByteArray(" 1\r\n 123\r\n");
    }
    void startUpCheck()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        TrialRig rig;
        if (exists) {
            QVERIFY(QDir().mkpath(rig.folders.drive() + QStringLiteral("/Programme")));
            TrialFolders::writeAll(rig.folders.scoreFile(), before);
        }
        rig.trial.load();
        QCOMPARE(TrialFolders::readAll(rig.folders.scoreFile()), after);
    }

    void seedWithoutLineEndGetsOneBeforeKeptScores()
    {
        TrialRig rig;
        TrialFolders::writeAll(rig.folders.seedCopy(), "Beispiel");
        TrialFolders::writeAll(rig.folders.scoreFile(), " 5\r\n");
        rig.trial.load();
        QCOMPARE(TrialFolders::readAll(rig.folders.scoreFile()), QByteArray("Beispiel\r\n 5\r\n"));
    }

    void missingSeedCopyIsAnErrorAndKeepsTheFile()
    {
        TrialRig rig;
        QVERIFY(QFile::remove(rig.folders.seedCopy()));
        TrialFolders::writeAll(rig.folders.scoreFile(), " 5\r\n");
        try {
            rig.trial.load();
            QFAIL("the missing seed copy was not reported");
        } catch (const PlatformError &error) {
            QCOMPARE(error.kind(), PlatformError::Kind::FileNotFound);
            QCOMPARE(error.message(), QStringLiteral("Datei nicht gefunden: ") + rig.folders.seedCopy());
        }
        QCOMPARE(TrialFolders::readAll(rig.folders.scoreFile()), QByteArray(" 5\r\n"));
    }

    void seedCopyIsTakenFromTheWorkingDirectory()
    {
        TrialRig rig;
        // A seed copy beside the executable does not count.
        QVERIFY(QFile::rename(rig.folders.seedCopy(),
                              rig.folders.application() + QStringLiteral("/ppunkte.txt")));
        QVERIFY_THROWS_EXCEPTION(PlatformError, rig.trial.load());
    }

    void failedAppendWritesNothing()
    {
        TrialRig rig;
        rig.trial.load();
        rig.runtime.feedSlots({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        rig.trial.start();
        for (int hit = 0; hit < Trial::HitsPerTrial - 1; ++hit) {
            rig.press(Trial::KeyUp);
        }
        // The score folder disappears during the trial.
        QVERIFY(QDir(rig.folders.drive() + QStringLiteral("/Programme")).removeRecursively());
        try {
            rig.press(Trial::KeyUp);
            QFAIL("the failed append was not reported");
        } catch (const PlatformError &error) {
            QCOMPARE(error.kind(), PlatformError::Kind::PathNotFound);
        }
        QVERIFY(!QFileInfo::exists(rig.folders.drive() + QStringLiteral("/programme")));
        QCOMPARE(rig.display.resultWindowShown, 0);
    }
};

QTEST_GUILESS_MAIN(TestScoreFile)
#include "TestScoreFile.moc"

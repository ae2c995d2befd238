// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <chrono>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "FileAccess.h"
#include "LockWaiter.h"
#include "PlatformError.h"
#include "TrialRig.h"

namespace {

// The seed copy shipped with the program.
const QByteArray Seed = TrialFolders::readAll(QStringLiteral(ZANDEL_ASSET_DIR "/ppunkte.txt"));

// Another copy of the program: it holds the score file's lock, changes the file after a while as it
// likes, and lets go.
class OtherCopy
{
public:
    OtherCopy(const QString &scoreFile, std::function<void()> change)
        : m_lock(FileAccess::lockFolderOf(scoreFile, std::chrono::milliseconds(0))),
          m_thread([this, change = std::move(change)] {
              std::this_thread::sleep_for(std::chrono::milliseconds(300));
              change();
              m_lock = FileLock();
          })
    {
    }
    ~OtherCopy() { m_thread.join(); }

private:
    FileLock m_lock;
    std::thread m_thread;
};

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

    void anotherCopysOperationIsWaitedFor()
    {
        TrialRig rig;
        // Its record comes first, since it held the lock before this copy appended.
        TrialFolders::writeAll(rig.folders.scoreFile(), Seed);
        {
            OtherCopy other(rig.folders.scoreFile(),
                            [&] { FileAccess::appendRecord(rig.folders.scoreFile(), " 7\r\n"); });
            rig.trial.punkte = 400;
            rig.trial.speichern(Trial::ScoreFile);
        }
        QCOMPARE(TrialFolders::readAll(rig.folders.scoreFile()), Seed + " 7\r\n 400\r\n");

        // Two copies started at once: the one that comes second finds the file grown, and seeds none.
        TrialFolders::writeAll(rig.folders.scoreFile(), " 5\r\n");
        {
            OtherCopy other(rig.folders.scoreFile(),
                            [&] { FileAccess::appendRecord(rig.folders.scoreFile(), " 77\r\n 88\r\n"); });
            rig.trial.load();
        }
        QCOMPARE(TrialFolders::readAll(rig.folders.scoreFile()), QByteArray(" 5\r\n 77\r\n 88\r\n"));
    }

    void aLockHeldOnIsReportedAtStartUpAndWaitedForWithAScore()
    {
        TrialRig rig;
        TrialFolders::writeAll(rig.folders.scoreFile(), Seed);
        FileLock held = FileAccess::lockFolderOf(rig.folders.scoreFile(), std::chrono::milliseconds(0));

        // At start-up nothing finished is at stake: a few seconds, then the report.
        QElapsedTimer waited;
        waited.start();
        try {
            rig.trial.load();
            QFAIL("the start-up check went past the other copy's lock");
        } catch (const PlatformError &error) {
            QCOMPARE(error.kind(), PlatformError::Kind::FileLocked);
        }
        QVERIFY(waited.elapsed() >= 1000);
        QCOMPARE(TrialFolders::readAll(rig.folders.scoreFile()), Seed);

        // A finished score outwaits a copy slower than that, the windows told all along.
        struct Windows : LockWaiter
        {
            FileLock *held = nullptr;
            int waits = 0;
            bool done = false;
            void waiting(std::chrono::milliseconds soFar) override
            {
                ++waits;
                if (soFar >= std::chrono::milliseconds(4000)) {
                    *held = FileLock();
                }
            }
            void doneWaiting() override { done = true; }
        } windows;
        windows.held = &held;
        rig.runtime.setLockWaiter(&windows);
        rig.trial.punkte = 400;
        rig.trial.speichern(Trial::ScoreFile);
        rig.runtime.setLockWaiter(nullptr);
        QVERIFY(windows.done);
        QVERIFY(windows.waits > 100);
        QCOMPARE(TrialFolders::readAll(rig.folders.scoreFile()), Seed + " 400\r\n");
    }

    void aFolderThatMayOnlyBeWrittenIsUsedUnlocked()
    {
        // Scores could be kept in a folder that may be written but not listed; the lock must not
        // bar it. Root reads any folder, so a child gives that up.
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("Programme"));
        const QString scoreFile = folder + QStringLiteral("/ppunkte.txt");
        QVERIFY(QDir().mkpath(folder));
        TrialFolders::writeAll(scoreFile, Seed);
        QVERIFY(::chmod(QFile::encodeName(root.path()).constData(), 0755) == 0);
        QVERIFY(::chmod(QFile::encodeName(scoreFile).constData(), 0666) == 0);
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0333) == 0);
        const pid_t child = ::fork();
        if (child == 0) {
            const bool unprivileged = ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
            try {
                const FileLock lock = FileAccess::lockFolderOf(scoreFile, std::chrono::milliseconds(0));
                ::_exit(unprivileged ? 0 : 1);
            } catch (...) {
                ::_exit(1);
            }
        }
        int status = 1;
        ::waitpid(child, &status, 0);
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "a folder that may not be read was refused");
    }

    void leftoversOfAnInterruptedSeedingAreRemoved()
    {
        TrialRig rig;
        const QString folder = rig.folders.drive() + QStringLiteral("/Programme/");
        TrialFolders::writeAll(folder + QStringLiteral(".ppunkte.txt.1x2y3z"), Seed.left(7));
        TrialFolders::writeAll(folder + QStringLiteral(".ppunkte.txt.meine-kopie"), Seed);
        rig.trial.load();
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                 QStringList({QStringLiteral(".ppunkte.txt.meine-kopie"), QStringLiteral("ppunkte.txt")}));
        QCOMPARE(TrialFolders::readAll(rig.folders.scoreFile()), Seed);
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

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "PicturePreparer.h"
#include "PlatformError.h"
#include "SystemRuntime.h"
#include "Trial.h"
#include "TrialFolders.h"

namespace {

// Lets no file grow past a size, as a full disk would, for the life of the object.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_previous.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

// Runs call and returns the kind of the PlatformError it throws.
template <typename Call> std::optional<PlatformError::Kind> errorOf(Call call, QString *message = nullptr)
{
    try {
        call();
    } catch (const PlatformError &error) {
        if (message) {
            *message = error.message();
        }
        return error.kind();
    }
    return std::nullopt;
}

// The real pauses on a clock that moves on at every reading, and a sleep that jumps ahead: a pause
// runs at once, and the test sees where in it each piece of work fell.
class SteppedRuntime : public SystemRuntime
{
public:
    using SystemRuntime::SystemRuntime;
    using Clock = SystemRuntime::Clock;
    Clock::time_point time() const { return m_time; }

protected:
    Clock::time_point pauseClock() const override { return m_time += std::chrono::microseconds(10); }
    void sleepUntil(Clock::time_point time) override { m_time = std::max(m_time, time); }

private:
    mutable Clock::time_point m_time;
};

struct RecordingPreparer : PicturePreparer
{
    const SteppedRuntime &runtime;
    QList<QImage> prepared;
    SteppedRuntime::Clock::time_point warmedAt, wokeAt;

    explicit RecordingPreparer(const SteppedRuntime &runtime) : runtime(runtime) {}
    void prepare(const QList<QImage> &upcoming) override { prepared = upcoming; }
    void warm() override { warmedAt = runtime.time(); }
    void wake() override { wokeAt = runtime.time(); }
};

} // namespace

class TestSystemRuntime : public QObject
{
    Q_OBJECT

private slots:
    void createsTheProgramFolder()
    {
        QTemporaryDir root;
        const QString drive = root.filePath(QStringLiteral("deep/data/zandel-programm"));
        SystemRuntime runtime(QStringLiteral("/app"), drive);
        QVERIFY(QFileInfo(drive + QStringLiteral("/Programme")).isDir());
        QCOMPARE(runtime.applicationFolder(), QStringLiteral("/app"));
    }

    void programFolderThatCannotBeMadeIsAnError()
    {
        QTemporaryDir root;
        TrialFolders::writeAll(root.filePath(QStringLiteral("file")), "x");
        const auto kind =
            errorOf([&] { SystemRuntime(QStringLiteral("/app"), root.filePath(QStringLiteral("file"))); });
        QCOMPARE(kind, PlatformError::Kind::PathNotFound);

        const QString tooLong = root.filePath(QString(300, QLatin1Char('z')));
        QCOMPARE(errorOf([&] { SystemRuntime(QStringLiteral("/app"), tooLong); }),
                 PlatformError::Kind::NameTooLong);

        // A data folder that exists but may not be entered; root enters any, so a child gives it up.
        const QString barred = root.filePath(QStringLiteral("barred"));
        QVERIFY(QDir().mkpath(barred + QStringLiteral("/zandel-programm")));
        QVERIFY(::chmod(QFile::encodeName(barred).constData(), 0700) == 0);
        const pid_t child = ::fork();
        if (child == 0) {
            const bool unprivileged = ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
            const auto kind = errorOf(
                [&] { SystemRuntime(QStringLiteral("/app"), barred + QStringLiteral("/zandel-programm")); });
            ::_exit(unprivileged && kind == PlatformError::Kind::AccessDenied ? 0 : 1);
        }
        int status = 1;
        ::waitpid(child, &status, 0);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "a barred folder was not reported as such");
    }

    void appendLineWritesWholeLines()
    {
        TrialFolders folders;
        SystemRuntime runtime(folders.application(), folders.drive());
        runtime.appendLine(QStringLiteral(R"(C:\Programme\neu.txt)"), QStringLiteral(" 0"));
        runtime.appendLine(QStringLiteral(R"(C:\programme\NEU.txt)"), QStringLiteral(" 400"));
        QCOMPARE(TrialFolders::readAll(folders.drive() + QStringLiteral("/Programme/neu.txt")),
                 QByteArray(" 0\r\n 400\r\n"));
        QVERIFY(!QFileInfo::exists(folders.drive() + QStringLiteral("/programme")));
    }

    void appendLineFailures()
    {
        TrialFolders folders;
        SystemRuntime runtime(folders.application(), folders.drive());
        QString message;
        QCOMPARE(
            errorOf([&] { runtime.appendLine(QStringLiteral(R"(C:\Fehlt\p.txt)"), QStringLiteral(" 1")); },
                    &message),
            PlatformError::Kind::PathNotFound);
        QCOMPARE(message,
                 QStringLiteral("Pfad nicht gefunden: ") + folders.drive() + QStringLiteral("/Fehlt/p.txt"));
        // A folder cannot be opened as a file.
        QCOMPARE(
            errorOf([&] { runtime.appendLine(QStringLiteral(R"(C:\Programme)"), QStringLiteral(" 1")); }),
            PlatformError::Kind::AccessDenied);
    }

    void aRecordAlwaysStartsALine()
    {
        TrialFolders folders;
        SystemRuntime runtime(folders.application(), folders.drive());
        TrialFolders::writeAll(folders.scoreFile(), " 198");
        runtime.appendLine(Trial::ScoreFile, QStringLiteral(" 383"));
        runtime.appendLine(Trial::ScoreFile, QStringLiteral(" 7"));
        QCOMPARE(TrialFolders::readAll(folders.scoreFile()), QByteArray(" 198\r\n 383\r\n 7\r\n"));
    }

    void failedWritesLeaveTheFileAsItWas()
    {
        TrialFolders folders;
        SystemRuntime runtime(folders.application(), folders.drive());
        const QByteArray before(" 12\r\n");
        TrialFolders::writeAll(folders.scoreFile(), before);
        {
            // As on a full disk: no file may grow past a few bytes.
            const FileSizeLimit limit(before.size() + 2);
            QCOMPARE(errorOf([&] { runtime.appendLine(Trial::ScoreFile, QStringLiteral(" 400")); }),
                     PlatformError::Kind::FileIo);
            QCOMPARE(errorOf([&] { runtime.replaceFile(Trial::ScoreFileAtStart, QByteArray(100, 'x')); }),
                     PlatformError::Kind::FileIo);
        }
        QCOMPARE(TrialFolders::readAll(folders.scoreFile()), before);
        QCOMPARE(QDir(folders.drive() + QStringLiteral("/Programme")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("ppunkte.txt")});
    }

    void onlyRegularFilesOfASaneSize()
    {
        TrialFolders folders;
        SystemRuntime runtime(folders.application(), folders.drive());
        QVERIFY(::mkfifo(QFile::encodeName(folders.scoreFile()).constData(), 0600) == 0);
        // A pipe would block start-up for good, and a device never ends.
        QCOMPARE(errorOf([&] { runtime.fileLength(Trial::ScoreFileAtStart); }),
                 PlatformError::Kind::NotARegularFile);
        QCOMPARE(errorOf([&] { runtime.readFile(Trial::ScoreFileAtStart); }),
                 PlatformError::Kind::NotARegularFile);
        QCOMPARE(errorOf([&] { runtime.appendLine(Trial::ScoreFile, QStringLiteral(" 1")); }),
                 PlatformError::Kind::NotARegularFile);
        QCOMPARE(errorOf([&] { runtime.readFile(QStringLiteral("/dev/zero")); }),
                 PlatformError::Kind::NotARegularFile);

        QFile seed(folders.seedCopy());
        QVERIFY(seed.open(QIODevice::WriteOnly) && seed.resize(2 << 20));
        QCOMPARE(errorOf([&] { runtime.readFile(Trial::SeedCopy); }), PlatformError::Kind::FileTooLarge);
    }

    void fileLengthCreatesAMissingFile()
    {
        TrialFolders folders;
        SystemRuntime runtime(folders.application(), folders.drive());
        QCOMPARE(runtime.fileLength(QStringLiteral(R"(C:\Programme\ppunkte.txt)")), 0);
        QVERIFY(QFileInfo::exists(folders.scoreFile()));
        TrialFolders::writeAll(folders.scoreFile(), " 12\r\n");
        QCOMPARE(runtime.fileLength(QStringLiteral(R"(C:\programme\PPUNKTE.TXT)")), 5);
        QCOMPARE(TrialFolders::readAll(folders.scoreFile()), QByteArray(" 12\r\n"));
    }

    void readAndReplaceFiles()
    {
        TrialFolders folders;
        SystemRuntime runtime(folders.application(), folders.drive());
        QString message;
        QCOMPARE(errorOf([&] { runtime.readFile(QStringLiteral(R"(C:\Programme\fehlt.txt)")); }, &message),
                 PlatformError::Kind::FileNotFound);
        QCOMPARE(message, QStringLiteral("Datei nicht gefunden: ") + folders.drive() +
                              QStringLiteral("/Programme/fehlt.txt"));

        runtime.replaceFile(QStringLiteral(R"(C:\Programme\ppunkte.txt)"), QByteArray("\x00\x01 7\r\n", 6));
        QCOMPARE(runtime.readFile(QStringLiteral(R"(C:\programme\ppunkte.txt)")),
                 QByteArray("\x00\x01 7\r\n", 6));
        runtime.replaceFile(QStringLiteral(R"(C:\Programme\ppunkte.txt)"), QByteArray(" 9\r\n"));
        QCOMPARE(TrialFolders::readAll(folders.scoreFile()), QByteArray(" 9\r\n"));
        // Nothing is left behind beside the file.
        QCOMPARE(QDir(folders.drive() + QStringLiteral("/Programme")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("ppunkte.txt")});
    }

    void loadImageReadsTheFileEveryTime()
    {
        TrialFolders folders;
        SystemRuntime runtime(folders.application(), folders.drive());
        const QString blank = folders.application() + QStringLiteral("/leer.jpg");
        const QString up = folders.application() + QStringLiteral("/Zandel_oben.jpg");
        const QImage first = runtime.loadImage(blank);
        QCOMPARE(runtime.loadImage(blank), first);
        // Replaced by another picture: the new one shows.
        QVERIFY(QFile::remove(blank) && QFile::copy(up, blank));
        QCOMPARE(runtime.loadImage(blank), runtime.loadImage(up));
        QVERIFY(runtime.loadImage(blank) != first);
        // Gone after it was shown: still an error at the next load.
        QVERIFY(QFile::remove(blank));
        QCOMPARE(errorOf([&] { runtime.loadImage(blank); }), PlatformError::Kind::FileNotFound);
    }

    void workInsidePausesKeepsEveryLoadHonest()
    {
        TrialFolders folders;
        SteppedRuntime runtime(folders.application(), folders.drive());
        RecordingPreparer preparer(runtime);
        runtime.setPicturePreparer(&preparer);
        const QString app = folders.application();
        const QString up = app + QStringLiteral("/Zandel_oben.jpg"),
                      right = app + QStringLiteral("/Zandel_rechts.jpg");
        const QString down = app + QStringLiteral("/Zandel_unten.jpg"),
                      left = app + QStringLiteral("/Zandel_links.jpg");
        runtime.expectImages({up, right, down, left});

        // Start's pause decodes the arrows ahead: the preparer is handed the very pictures the
        // loads then return, warms after the sleep (what it warms before would be cold again) and
        // wakes the display shortly before the pause ends, not after.
        const auto begin = runtime.time();
        runtime.pause(Trial::PauseBeforeFirstArrow);
        QVERIFY(runtime.time() - begin >= std::chrono::milliseconds(Trial::PauseBeforeFirstArrow));
        QVERIFY(runtime.time() - preparer.warmedAt <= std::chrono::microseconds(1600));
        QVERIFY(preparer.warmedAt < preparer.wokeAt);
        QVERIFY(runtime.time() - preparer.wokeAt < std::chrono::milliseconds(1));
        QCOMPARE(preparer.prepared.size(), 4);
        QCOMPARE(runtime.loadImage(up).cacheKey(), preparer.prepared.first().cacheKey());

        // Files that change after the warm-up: the warm-up reports nothing, and each load shows the
        // new picture or fails as it would have without it.
        QVERIFY(QFile::remove(right) && QFile::copy(app + QStringLiteral("/leer.jpg"), right));
        QVERIFY(QFile::remove(down));
        TrialFolders::writeAll(left, "kein Bild");
        runtime.pause(Trial::PauseBeforeFirstArrow);
        runtime.pause(Trial::PauseBetweenArrows);
        QCOMPARE(runtime.loadImage(right), runtime.loadImage(app + QStringLiteral("/leer.jpg")));
        QCOMPARE(errorOf([&] { runtime.loadImage(down); }), PlatformError::Kind::FileNotFound);
        QCOMPARE(errorOf([&] { runtime.loadImage(left); }), PlatformError::Kind::InvalidPicture);
    }

    void defaultDriveFolderFollowsTheXdgRules()
    {
        const QByteArray home = qgetenv("HOME");
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("HOME", "/home/spieler");
        qputenv("XDG_DATA_HOME", "relativ/daten");
        QCOMPARE(SystemRuntime::defaultDriveFolder(),
                 QStringLiteral("/home/spieler/.local/share/zandel-programm"));
        qputenv("XDG_DATA_HOME", "/daten");
        QCOMPARE(SystemRuntime::defaultDriveFolder(), QStringLiteral("/daten/zandel-programm"));
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("HOME");
        QCOMPARE(errorOf([] { SystemRuntime::defaultDriveFolder(); }), PlatformError::Kind::NoDataFolder);
        qputenv("HOME", home);
        qputenv("XDG_DATA_HOME", dataHome);
    }

    void loadImage()
    {
        TrialFolders folders;
        SystemRuntime runtime(folders.application(), folders.drive());
        const QImage blank = runtime.loadImage(folders.application() + QStringLiteral(R"(\leer.jpg)"));
        QCOMPARE(blank.size(), QSize(225, 225));

        QString message;
        QCOMPARE(errorOf([&] { runtime.loadImage(folders.application() + QStringLiteral("/fehlt.jpg")); },
                         &message),
                 PlatformError::Kind::FileNotFound);
        QVERIFY(message.endsWith(QStringLiteral("/app/fehlt.jpg")));

        TrialFolders::writeAll(folders.application() + QStringLiteral("/kaputt.jpg"), "kein Bild");
        QCOMPARE(errorOf([&] { runtime.loadImage(folders.application() + QStringLiteral("/kaputt.jpg")); }),
                 PlatformError::Kind::InvalidPicture);

        // Cut short, a JPEG still decodes, grey below the cut; the arrow's direction may be lost.
        const QByteArray arrow =
            TrialFolders::readAll(folders.application() + QStringLiteral("/Zandel_oben.jpg"));
        TrialFolders::writeAll(folders.application() + QStringLiteral("/halb.jpg"),
                               arrow.left(arrow.size() / 2));
        QCOMPARE(errorOf([&] { runtime.loadImage(folders.application() + QStringLiteral("/halb.jpg")); }),
                 PlatformError::Kind::InvalidPicture);

        // Other formats are known by their content, whatever the name says.
        QByteArray png;
        QBuffer buffer(&png);
        QVERIFY(blank.save(&buffer, "PNG"));
        TrialFolders::writeAll(folders.application() + QStringLiteral("/png.jpg"), png);
        QCOMPARE(runtime.loadImage(folders.application() + QStringLiteral("/png.jpg")), blank);
    }

    void randomStaysBelowOne()
    {
        // The largest double below 1 rounds to 1.0f; the guard keeps it inside the four arrows.
        const float top = SystemRuntime::toUnitFloat(std::nextafter(1.0, 0.0));
        QVERIFY(top < 1.0f);
        QCOMPARE(std::floor(top * 4.0f), 3.0f);
        QCOMPARE(SystemRuntime::toUnitFloat(0.25), 0.25f);
        QCOMPARE(SystemRuntime::toUnitFloat(0.0), 0.0f);

        TrialFolders folders;
        SystemRuntime runtime(folders.application(), folders.drive());
        runtime.seedRandom();
        int counts[4] = {};
        for (int i = 0; i < 4000; ++i) {
            const float r = runtime.nextRandom();
            QVERIFY(r >= 0.0f && r < 1.0f);
            ++counts[static_cast<int>(std::floor(r * 4.0f))];
        }
        for (int count : counts) {
            QVERIFY2(count > 800, "each arrow should come up about equally often");
        }
    }
};

QTEST_GUILESS_MAIN(TestSystemRuntime)
#include "TestSystemRuntime.moc"

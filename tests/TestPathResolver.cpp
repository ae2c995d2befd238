// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "PathResolver.h"
#include "PlatformError.h"

class TestPathResolver : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString m_drive;
    QString m_previousDirectory;

private slots:
    void init()
    {
        QVERIFY(m_root.isValid());
        m_drive = m_root.filePath(QStringLiteral("drive"));
        QVERIFY(QDir().mkpath(m_drive + QStringLiteral("/Programme")));
        m_previousDirectory = QDir::currentPath();
    }
    void cleanup()
    {
        QDir::setCurrent(m_previousDirectory);
        QDir(m_drive).removeRecursively();
    }

    void driveCStandsForTheDriveFolder_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("backslashes") << QStringLiteral(R"(C:\Programme\ppunkte.txt)");
        QTest::newRow("other case") << QStringLiteral(R"(C:\programme\ppunkte.txt)");
        QTest::newRow("slashes") << QStringLiteral("C:/PROGRAMME/ppunkte.txt");
        QTest::newRow("small drive letter") << QStringLiteral(R"(c:\Programme\ppunkte.txt)");
        QTest::newRow("doubled separators") << QStringLiteral(R"(C:\\Programme\/ppunkte.txt)");
    }
    void driveCStandsForTheDriveFolder()
    {
        QFETCH(QString, path);
        QCOMPARE(PathResolver(m_drive).resolve(path), m_drive + QStringLiteral("/Programme/ppunkte.txt"));
    }

    void existingFileMatchesWithoutCase()
    {
        QFile file(m_drive + QStringLiteral("/Programme/PPunkte.TXT"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(PathResolver(m_drive).resolve(QStringLiteral(R"(C:\programme\ppunkte.txt)")),
                 file.fileName());
    }

    void everySpellingLeadsToTheSameEntry()
    {
        // With both folders present, the start-up check and the appends must still meet in one file.
        QVERIFY(QDir().mkpath(m_drive + QStringLiteral("/programme")));
        const PathResolver paths(m_drive);
        QCOMPARE(paths.resolve(QStringLiteral(R"(C:\programme\x)")),
                 m_drive + QStringLiteral("/Programme/x"));
        QCOMPARE(paths.resolve(QStringLiteral(R"(C:\Programme\x)")),
                 m_drive + QStringLiteral("/Programme/x"));
    }

    void applicationFolderIsTakenAsReported()
    {
        const QString app = m_root.filePath(QStringLiteral("drive/app"));
        QVERIFY(QDir().mkpath(app));
        QVERIFY(QDir().mkpath(m_root.filePath(QStringLiteral("drive/App"))));
        QCOMPARE(PathResolver(m_drive, app).resolve(app + QStringLiteral(R"(\leer.jpg)")),
                 app + QStringLiteral("/leer.jpg"));
    }

    void missingComponentsKeepTheirSpelling()
    {
        QCOMPARE(PathResolver(m_drive).resolve(QStringLiteral(R"(C:\Neu\Datei.TXT)")),
                 m_drive + QStringLiteral("/Neu/Datei.TXT"));
    }

    void otherDrivesAreNotFound()
    {
        try {
            PathResolver(m_drive).resolve(QStringLiteral(R"(D:\Programme\ppunkte.txt)"));
            QFAIL("drive D: resolved");
        } catch (const PlatformError &error) {
            QCOMPARE(error.kind(), PlatformError::Kind::PathNotFound);
        }
    }

    void dotIsTheCurrentWorkingDirectory()
    {
        const PathResolver paths(m_drive);
        QVERIFY(QDir::setCurrent(m_drive));
        QCOMPARE(paths.resolve(QStringLiteral(R"(.\ppunkte.txt)")), m_drive + QStringLiteral("/ppunkte.txt"));
        // The working directory at the time of the call counts, not the one at construction.
        QVERIFY(QDir::setCurrent(m_drive + QStringLiteral("/Programme")));
        QCOMPARE(paths.resolve(QStringLiteral(R"(.\ppunkte.txt)")),
                 m_drive + QStringLiteral("/Programme/ppunkte.txt"));
    }

    void applicationFolderWithEitherSeparator_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("literal");
        QTest::addColumn<QString>("expected");
        const QString app = m_root.filePath(QStringLiteral("drive/Programme"));
        QTest::newRow("backslash") << app << QStringLiteral(R"(\leer.jpg)")
                                   << app + QStringLiteral("/leer.jpg");
        QTest::newRow("slash") << app << QStringLiteral("/leer.jpg") << app + QStringLiteral("/leer.jpg");
        QTest::newRow("root, backslash")
            << QStringLiteral("/") << QStringLiteral(R"(\leer.jpg)") << QStringLiteral("/leer.jpg");
        QTest::newRow("root, slash") << QStringLiteral("/") << QStringLiteral("/leer.jpg")
                                     << QStringLiteral("/leer.jpg");
    }
    void applicationFolderWithEitherSeparator()
    {
        QFETCH(QString, folder);
        QFETCH(QString, literal);
        QFETCH(QString, expected);
        QCOMPARE(PathResolver(m_drive).resolve(folder + literal), expected);
    }
};

QTEST_GUILESS_MAIN(TestPathResolver)
#include "TestPathResolver.moc"

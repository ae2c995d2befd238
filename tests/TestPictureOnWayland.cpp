// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "CallLog.h"
#include "FakeRuntime.h"
#include "Form1.h"
#include "PlatformError.h"
#include "TrialFolders.h"

namespace {

// The requests the compositor has received, from its own log (weston-debug proto), which it
// writes as it takes each one.
class CompositorLog
{
public:
    explicit CompositorLog(const QString &path) : m_file(path) { m_file.open(QIODevice::ReadOnly); }

    bool isOpen() const { return m_file.isOpen(); }

    // Surface commits received since the last call.
    int newCommits()
    {
        int commits = 0;
        while (true) {
            const QByteArray line = m_pending + m_file.readLine();
            if (!line.endsWith('\n')) {
                m_pending = line;
                return commits;
            }
            m_pending.clear();
            commits += line.contains(" rq wl_surface@") && line.contains(".commit()") ? 1 : 0;
        }
    }

    // Waits, without running the event loop, until a commit arrives; false after five seconds.
    bool receivesCommit()
    {
        QElapsedTimer timer;
        timer.start();
        while (newCommits() == 0) {
            if (timer.hasExpired(5000)) {
                return false;
            }
            QTest::qSleep(1);
        }
        return true;
    }

private:
    QFile m_file;
    QByteArray m_pending;
};

} // namespace

// The real windows on a Wayland compositor: each picture must reach it while the trial pauses,
// when no event loop runs to send it.
class TestPictureOnWayland : public QObject
{
    Q_OBJECT

private slots:
    void blankReachesTheCompositorInEveryPause()
    {
        CompositorLog compositor(qEnvironmentVariable("ZANDEL_COMPOSITOR_LOG"));
        QVERIFY2(compositor.isOpen(), "no compositor log in ZANDEL_COMPOSITOR_LOG");
        TrialFolders folders;
        CallLog log;
        FakeRuntime runtime(folders.application(), folders.drive(), log);
        QList<PlatformError> errors;
        Form1 form1(runtime, [&](const PlatformError &error) { errors.append(error); });
        form1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form1));
        QTest::qWait(200); // let the first frames settle, then count only what the trial sends
        compositor.newCommits();

        QList<bool> committedInPause;
        runtime.onPause = [&](int milliseconds) {
            if (milliseconds == Trial::PauseBetweenArrows) {
                committedInPause.append(compositor.receivesCommit());
            }
        };
        // Equal arrows in a row: only the blank between them tells them apart.
        for (int hit = 0; hit <= Trial::HitsPerTrial; ++hit) {
            runtime.feedSlots({0});
        }
        form1.trial().start();
        for (int hit = 0; hit < Trial::HitsPerTrial; ++hit) {
            form1.trial().keyDown(Trial::KeyUp);
        }
        QVERIFY(errors.isEmpty());
        QCOMPARE(committedInPause, QList<bool>(Trial::HitsPerTrial, true));
    }
};

QTEST_MAIN(TestPictureOnWayland)
#include "TestPictureOnWayland.moc"

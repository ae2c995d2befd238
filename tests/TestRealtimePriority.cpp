// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <grp.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTest>

#include "RealtimePriority.h"
#include "TrialRig.h"

namespace {

// Runs check in a child process and returns its exit status.
template <typename Check> int inChild(Check check)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(check());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

// No real-time priority to be had: no limit for it, no root, no RealtimeKit.
bool refuseRealtime()
{
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
        return false;
    }
    const rlimit none{0, 0};
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/system_bus_socket");
    return ::setrlimit(RLIMIT_RTPRIO, &none) == 0;
}

} // namespace

class TestRealtimePriority : public QObject
{
    Q_OBJECT

private slots:
    void raisesForTheTrialAndRestores()
    {
        RealtimePriority priority;
        if (!priority.raise()) {
            QSKIP("this user may not take a real-time priority here");
        }
        sched_param parameter{};
        QCOMPARE(::sched_getscheduler(0) & ~SCHED_RESET_ON_FORK, SCHED_FIFO);
        ::sched_getparam(0, &parameter);
        QCOMPARE(parameter.sched_priority, RealtimePriority::Priority);
        priority.restore();
        QCOMPARE(::sched_getscheduler(0), SCHED_OTHER);
    }

    void aRefusedPriorityNeverFailsATrial()
    {
        TrialRig rig;
        rig.trial.load();
        const QByteArray before = TrialFolders::readAll(rig.folders.scoreFile());
        const int status = inChild([&] {
            // Still free to play and store the score once it is no longer root.
            const QByteArray root = QFileInfo(rig.folders.application()).path().toLocal8Bit();
            const QByteArray score = rig.folders.scoreFile().toLocal8Bit();
            if (::chmod(root.constData(), 0755) != 0 || ::chmod(score.constData(), 0666) != 0 ||
                !refuseRealtime()) {
                return 2;
            }
            if (RealtimePriority().raise()) {
                return 5; // not refused after all
            }
            rig.runtime.realPriority = true;
            try {
                rig.playTrial();
            } catch (...) {
                return 3;
            }
            return ::sched_getscheduler(0) == SCHED_OTHER ? 0 : 4;
        });
        QCOMPARE(status, 0);
        QCOMPARE(TrialFolders::readAll(rig.folders.scoreFile()), before + " 400\r\n");
    }
};

QTEST_GUILESS_MAIN(TestRealtimePriority)
#include "TestRealtimePriority.moc"

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RealtimePriority.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QLoggingCategory>
#include <QVariant>

// Which priority a trial runs at, and why a higher one was refused:
// QT_LOGGING_RULES="zandel.priority.debug=true".
Q_LOGGING_CATEGORY(lcPriority, "zandel.priority", QtWarningMsg)

namespace {

// RealtimeKit lends real-time priority only to a thread that a limit on its CPU time would stop if
// it ran away; the thread never runs this long without sleeping.
constexpr rlim_t RealtimeLimitMicroseconds = 200000;
constexpr int RealtimeKitTimeoutMilliseconds = 200;

bool setPolicy(int policy, int priority)
{
    sched_param parameter{};
    parameter.sched_priority = priority;
    return pthread_setschedparam(pthread_self(), policy, &parameter) == 0;
}

} // namespace

RealtimePriority::~RealtimePriority()
{
    restore();
}

bool RealtimePriority::raise() noexcept
{
    if (m_raised) {
        return true;
    }
    sched_param parameter{};
    if (pthread_getschedparam(pthread_self(), &m_policy, &parameter) != 0) {
        return false;
    }
    m_priority = parameter.sched_priority;
    // SCHED_RESET_ON_FORK: a program started from here never inherits the priority.
    if (setPolicy(SCHED_FIFO | SCHED_RESET_ON_FORK, Priority)) {
        qCDebug(lcPriority, "trial at real-time priority %d, set directly", Priority);
        m_raised = true;
    } else if (raiseThroughRealtimeKit()) {
        qCDebug(lcPriority, "trial at real-time priority %d, lent by RealtimeKit", Priority);
        m_raised = true;
    }
    return m_raised;
}

void RealtimePriority::restore() noexcept
{
    if (m_raised) {
        setPolicy(m_policy, m_priority);
        m_raised = false;
    }
}

bool RealtimePriority::raiseThroughRealtimeKit() noexcept
{
    try {
        rlimit limit{};
        if (getrlimit(RLIMIT_RTTIME, &limit) != 0) {
            qCDebug(lcPriority, "trial at normal priority: RLIMIT_RTTIME unreadable");
            return false;
        }
        if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max < RealtimeLimitMicroseconds) {
            qCDebug(lcPriority, "trial at normal priority: RLIMIT_RTTIME too low for RealtimeKit");
            return false;
        }
        if (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur > RealtimeLimitMicroseconds) {
            limit.rlim_cur = RealtimeLimitMicroseconds;
            if (setrlimit(RLIMIT_RTTIME, &limit) != 0) {
                qCDebug(lcPriority, "trial at normal priority: RLIMIT_RTTIME could not be set");
                return false;
            }
        }
        QDBusConnection bus = QDBusConnection::systemBus();
        if (!bus.isConnected()) {
            qCDebug(lcPriority, "trial at normal priority: not allowed directly, and no system bus");
            return false;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.RealtimeKit1"), QStringLiteral("/org/freedesktop/RealtimeKit1"),
            QStringLiteral("org.freedesktop.RealtimeKit1"), QStringLiteral("MakeThreadRealtime"));
        call << QVariant::fromValue(static_cast<qulonglong>(::syscall(SYS_gettid)))
             << QVariant::fromValue(static_cast<uint>(Priority));
        const QDBusMessage reply = bus.call(call, QDBus::Block, RealtimeKitTimeoutMilliseconds);
        if (reply.type() != QDBusMessage::ReplyMessage) {
            qCDebug(lcPriority, "trial at normal priority: RealtimeKit said %s",
                    qPrintable(reply.errorMessage()));
            return false;
        }
        return true;
    } catch (...) {
        return false;
    }
}

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

#include <QHash>
#include <QRandomGenerator>

#include "PathResolver.h"
#include "RealtimePriority.h"
#include "Runtime.h"

// The services on this machine. The drive "C:" is a fixed per-user folder; its "Programme" folder
// always exists where the program expects it, so the constructor creates both when missing.
class SystemRuntime : public Runtime
{
public:
    SystemRuntime(const QString &applicationFolder, const QString &driveFolder);

    // $XDG_DATA_HOME/zandel-programm, by default ~/.local/share/zandel-programm. Throws
    // PlatformError (NoDataFolder) when neither variable holds an absolute path.
    static QString defaultDriveFolder();
    // A double draw in [0, 1) as a float below 1: rounding to single precision can reach 1.0,
    // which would draw the empty slot after the four arrows.
    static float toUnitFloat(double draw);

    QString applicationFolder() const override;
    std::int32_t tickCount() override;
    void pause(int milliseconds) override;
    void expectImages(const QStringList &paths) override;
    void setPicturePreparer(PicturePreparer *preparer) override;
    void setTrialPriority(bool raised) override;
    void seedRandom() override;
    float nextRandom() override;
    QImage loadImage(const QString &path) override;
    void appendLine(const QString &path, const QString &text) override;
    qint64 fileLength(const QString &path) override;
    QByteArray readFile(const QString &path) override;
    void replaceFile(const QString &path, const QByteArray &content) override;
    FileLock lockFile(const QString &path, LockWait wait) override;
    void setLockWaiter(LockWaiter *waiter) override;

protected:
    using Clock = std::chrono::steady_clock;
    // The clock and the sleep a pause is timed by; a test drives them to run a pause at once.
    virtual Clock::time_point pauseClock() const { return Clock::now(); }
    virtual void sleepUntil(Clock::time_point time);

private:
    // Reads each expected picture's file and hands visit its native path and bytes; starts no file
    // after the deadline, skips a file that fails.
    template <typename Visit> void readExpected(Clock::time_point deadline, Visit visit) noexcept;
    // The pictures whose files hold what was last decoded, decoding those that changed when asked:
    // the very objects the loads after the pause will return.
    QList<QImage> readyPictures(bool decodeChanged, Clock::time_point deadline) noexcept;
    // Reads the files again, so that the load after the pause finds them in the cache.
    void warmFiles(Clock::time_point deadline) noexcept;
    void spinUntil(Clock::time_point time) const;
    // The picture for these bytes of the file, decoded only when they differ from the last ones.
    const QImage &decoded(const QString &native, const QByteArray &bytes);

    struct Decoded
    {
        QByteArray bytes;
        QImage image;
    };

    QString m_applicationFolder;
    PathResolver m_paths;
    QRandomGenerator m_random;
    // Per path, the bytes last decoded and their picture.
    QHash<QString, Decoded> m_lastDecoded;
    QStringList m_expected;
    PicturePreparer *m_preparer = nullptr;
    LockWaiter *m_lockWaiter = nullptr;
    RealtimePriority m_priority;
};

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
    void setPauseCompanion(PauseCompanion *companion) override;
    void setTrialPriority(bool raised) override;
    void seedRandom() override;
    float nextRandom() override;
    QImage loadImage(const QString &path) override;
    void appendLine(const QString &path, const QString &text) override;
    qint64 fileLength(const QString &path) override;
    QByteArray readFile(const QString &path) override;
    void replaceFile(const QString &path, const QByteArray &content) override;
    FileLock lockFile(const QString &path) override;

protected:
    using Clock = std::chrono::steady_clock;
    // The clock and the sleep a pause is timed by; a test drives them to run a pause at once.
    virtual Clock::time_point pauseClock() const { return Clock::now(); }
    virtual void sleepUntil(Clock::time_point time);

private:
    // Reads the expected pictures' files, decodes those that changed when decode is set, and
    // returns the pictures whose files hold what was last decoded. Starts no file after the
    // deadline; never throws.
    QList<QImage> readAhead(bool decode, Clock::time_point deadline) noexcept;
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
    PauseCompanion *m_companion = nullptr;
    RealtimePriority m_priority;
};

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include "FileLock.h"

class LockWaiter;
class PicturePreparer;

// The platform services the trial reaches: clock, pauses, random numbers, images and files.
// Paths are given in the program's own drive-letter syntax (see PathResolver); files must be
// regular files. Every failure throws PlatformError.
class Runtime
{
public:
    virtual ~Runtime() = default;

    // How long a lock is waited for: a few seconds, then PlatformError (FileLocked); or as long as
    // the copy that holds it lives, telling the lock waiter meanwhile (a dead copy's lock goes with
    // it).
    enum class LockWait
    {
        Bounded,
        WhileHeld,
    };

    // Folder of the executable, no trailing separator except at the root.
    virtual QString applicationFolder() const = 0;

    // Milliseconds since the system started, as a 32-bit value that wraps.
    virtual std::int32_t tickCount() = 0;
    // Blocks the calling thread for the whole time. Inside it, the pictures expected next are read
    // ahead (a long pause decodes them too) and the picture preparer makes them ready to show;
    // errors there are ignored, since each load reads its file anew and fails as it would have.
    // SystemRuntime::pause holds the timeline.
    virtual void pause(int milliseconds) = 0;
    // The pictures the steps after a pause may load.
    virtual void expectImages(const QStringList &paths) = 0;
    // Told of each pause; null for none. Not owned.
    virtual void setPicturePreparer(PicturePreparer *preparer) = 0;
    // A low real-time priority for the calling thread while a trial runs, where the system allows
    // it; silently nothing where it does not.
    virtual void setTrialPriority(bool raised) = 0;

    virtual void seedRandom() = 0;
    // Uniform in [0, 1), never 1.
    virtual float nextRandom() = 0;

    // Reads the file anew at every call; a file that is not a picture is an error.
    virtual QImage loadImage(const QString &path) = 0;

    // Opens for appending (creating the file), writes text, CR and LF in one write, closes. The line
    // starts with CR LF when the file does not end in a line feed, so it never joins another.
    virtual void appendLine(const QString &path, const QString &text) = 0;
    // Opens for reading and writing (creating an empty file), takes the length, closes.
    virtual qint64 fileLength(const QString &path) = 0;
    // A file of at most 1 MiB.
    virtual QByteArray readFile(const QString &path) = 0;
    // Writes the new content beside the file and renames it into place, so a failure never leaves
    // a half-written file. Expects the caller to hold the file's lock.
    virtual void replaceFile(const QString &path, const QByteArray &content) = 0;
    // Keeps every other copy of the program from the file until the lock goes.
    virtual FileLock lockFile(const QString &path, LockWait wait) = 0;
    // Told while a lock is waited for as long as it is held; null for none. Not owned.
    virtual void setLockWaiter(LockWaiter *waiter) = 0;
};

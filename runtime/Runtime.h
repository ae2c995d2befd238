// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include <QByteArray>
#include <QImage>
#include <QString>

// The platform services the trial reaches: clock, pauses, random numbers, images and files.
// Paths are given in the program's own drive-letter syntax (see PathResolver); files must be
// regular files. Every failure throws PlatformError.
class Runtime
{
public:
    virtual ~Runtime() = default;

    // Folder of the executable, no trailing separator except at the root.
    virtual QString applicationFolder() const = 0;

    // Milliseconds since the system started, as a 32-bit value that wraps.
    virtual std::int32_t tickCount() = 0;
    // Blocks the calling thread for the whole time.
    virtual void pause(int milliseconds) = 0;

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
    // a half-written file.
    virtual void replaceFile(const QString &path, const QByteArray &content) = 0;
};

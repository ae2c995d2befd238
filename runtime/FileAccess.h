// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include <QByteArray>
#include <QString>

#include "FileLock.h"

// Whole-file operations on native paths, each opening and closing the file. They accept regular
// files only (a link to one counts), never block on a pipe or device, check every step and throw
// PlatformError on any failure, leaving the file as it was.
namespace FileAccess {

// The content of a file of at most limit bytes.
QByteArray read(const QString &path, qint64 limit);

// Opens for reading and writing, creating an empty file when missing, and returns the length.
qint64 lengthCreating(const QString &path);

// Appends bytes in one write and syncs them; a line end goes first when the file's last byte is not
// a line feed, so a record always starts a line of its own. A failed append is cut back off.
void appendRecord(const QString &path, const QByteArray &bytes);

// Writes content beside the file, syncs it, then renames it over the file: a failure at any step
// leaves the old file untouched and removes the new one. A stop signal waits until it is done, and
// what an earlier replace left behind (killed half-way) is removed first; so the caller holds the
// folder's lock.
void replace(const QString &path, const QByteArray &content);

// Locks the folder that holds the file (through a link, the folder of what it points to): replace()
// puts a new file in the old one's place, so a lock on the file would not outlive it. Waits up to
// patience for another holder, then throws PlatformError (FileLocked); without patience, as long as
// the holder keeps it, calling whileWaiting every few milliseconds with the time waited so far. A
// folder that may not be read is not locked.
FileLock lockFolderOf(const QString &path, std::optional<std::chrono::milliseconds> patience,
                      const std::function<void(std::chrono::milliseconds)> &whileWaiting = {});

// Creates the folder and those above it where missing.
void makeFolders(const QString &path);

} // namespace FileAccess

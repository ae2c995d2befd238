// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// An advisory lock that every copy of the program takes before it reads or changes the score file,
// held until the object goes; made by FileAccess::lockFolderOf.
class FileLock
{
public:
    FileLock() = default;
    // Takes over a descriptor that holds the lock.
    explicit FileLock(int lockedFd) : m_fd(lockedFd) {}
    FileLock(FileLock &&other) noexcept;
    FileLock &operator=(FileLock &&other) noexcept;
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    ~FileLock();

private:
    void release();

    int m_fd = -1;
};

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileLock.h"

#include <unistd.h>
#include <utility>

FileLock::FileLock(FileLock &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

FileLock &FileLock::operator=(FileLock &&other) noexcept
{
    if (this != &other) {
        release();
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

FileLock::~FileLock()
{
    release();
}

void FileLock::release()
{
    // Closing the only descriptor of the open folder drops the lock.
    if (m_fd >= 0) {
        ::close(std::exchange(m_fd, -1));
    }
}

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileAccess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QRegularExpression>

#include "PlatformError.h"

// Waits for another copy's lock, and what a killed seeding left behind:
// QT_LOGGING_RULES="zandel.files.debug=true".
Q_LOGGING_CATEGORY(lcFiles, "zandel.files", QtWarningMsg)

namespace {

using Kind = PlatformError::Kind;

[[noreturn]] void fail(Kind kind, const QString &path)
{
    throw PlatformError(kind, path);
}

bool isFolder(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

[[noreturn]] void failToOpen(int error, const QString &path)
{
    switch (error) {
    case ENOENT:
        fail(isFolder(QFileInfo(path).absolutePath()) ? Kind::FileNotFound : Kind::PathNotFound, path);
    case ENOTDIR:
    case ELOOP:
        fail(Kind::PathNotFound, path);
    case ENAMETOOLONG:
        fail(Kind::NameTooLong, path);
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        fail(Kind::AccessDenied, path);
    default:
        fail(Kind::FileIo, path);
    }
}

// Owns a file descriptor; closing is checked by close(), the destructor only cleans up.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    Descriptor(Descriptor &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Descriptor &operator=(Descriptor &&) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }

    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }
    bool close() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

// Refuses anything but a regular file: a pipe would block and a device never ends.
void requireRegular(const struct stat &info, const QString &path)
{
    if (S_ISDIR(info.st_mode)) {
        fail(Kind::AccessDenied, path);
    }
    if (!S_ISREG(info.st_mode)) {
        fail(Kind::NotARegularFile, path);
    }
}

Descriptor openRegular(const QString &path, int flags, struct stat *info)
{
    const QByteArray native = QFile::encodeName(path);
    // Opening a pipe for writing fails without a reader, so look first; for reading, O_NONBLOCK
    // opens a pipe at once and fstat tells.
    if ((flags & O_ACCMODE) != O_RDONLY && ::stat(native.constData(), info) == 0) {
        requireRegular(*info, path);
    }
    Descriptor fd(::open(native.constData(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
    if (fd.get() < 0) {
        failToOpen(errno, path);
    }
    if (::fstat(fd.get(), info) != 0) {
        fail(Kind::FileIo, path);
    }
    requireRegular(*info, path);
    return fd;
}

// Holds back the signals that stop the program (as a desktop's log-out or Ctrl+C send them) for a
// few lines that must finish; one that came meanwhile takes effect when the object goes. Any thread
// may receive a signal sent to the process, so a handler notes it rather than a thread's mask.
class StopSignalsHeld
{
public:
    StopSignalsHeld()
    {
        s_arrived = 0;
        struct sigaction noting = {};
        noting.sa_handler = [](int signal) { s_arrived = signal; };
        sigemptyset(&noting.sa_mask);
        for (std::size_t i = 0; i < std::size(Signals); ++i) {
            ::sigaction(Signals[i], &noting, &m_before[i]);
        }
    }
    StopSignalsHeld(const StopSignalsHeld &) = delete;
    StopSignalsHeld &operator=(const StopSignalsHeld &) = delete;
    ~StopSignalsHeld()
    {
        for (std::size_t i = 0; i < std::size(Signals); ++i) {
            ::sigaction(Signals[i], &m_before[i], nullptr);
        }
        if (s_arrived != 0) {
            ::raise(s_arrived);
        }
    }

private:
    static constexpr int Signals[] = {SIGTERM, SIGINT, SIGHUP};
    static inline volatile std::sig_atomic_t s_arrived = 0;
    struct sigaction m_before[std::size(Signals)];
};

// The name replace() gives the new content while it is written: hidden, beside the file.
QString temporaryName(const QFileInfo &target)
{
    return QStringLiteral(".") + target.fileName() + QLatin1Char('.') +
           QString::number(QRandomGenerator::global()->generate(), 36);
}

// Copies that a replace() killed half-way (by SIGKILL or a power cut) left beside the file.
void removeLeftovers(const QFileInfo &target)
{
    const QRegularExpression ours(QStringLiteral("^\\.") + QRegularExpression::escape(target.fileName()) +
                                  QStringLiteral("\\.[0-9a-z]{1,7}$"));
    const QDir folder = target.absoluteDir();
    const QStringList candidates =
        folder.entryList({QStringLiteral(".") + target.fileName() + QStringLiteral(".*")},
                         QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : candidates) {
        if (ours.match(name).hasMatch()) {
            qCDebug(lcFiles, "removing %s, left by a seeding that was killed", qPrintable(name));
            ::unlink(QFile::encodeName(folder.filePath(name)).constData());
        }
    }
}

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

} // namespace

namespace FileAccess {

QByteArray read(const QString &path, qint64 limit)
{
    struct stat info;
    Descriptor fd = openRegular(path, O_RDONLY, &info);
    if (info.st_size > limit) {
        fail(Kind::FileTooLarge, path);
    }
    // One byte more than the file holds, so that a single read usually meets its end.
    QByteArray content(static_cast<qsizetype>(info.st_size) + 1, Qt::Uninitialized);
    qint64 size = 0;
    for (;;) {
        const ssize_t got =
            ::read(fd.get(), content.data() + size, static_cast<size_t>(content.size() - size));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            fail(Kind::FileIo, path);
        }
        size += got;
        if (size < content.size()) {
            break; // a regular file reads short only at its end
        }
        if (size > limit) {
            fail(Kind::FileTooLarge, path); // it grew while being read
        }
        content.resize(size + 4096);
    }
    content.truncate(size);
    if (!fd.close()) {
        fail(Kind::FileIo, path);
    }
    return content;
}

qint64 lengthCreating(const QString &path)
{
    struct stat info;
    Descriptor fd = openRegular(path, O_RDWR | O_CREAT, &info);
    if (!fd.close()) {
        fail(Kind::FileIo, path);
    }
    return info.st_size;
}

void appendRecord(const QString &path, const QByteArray &bytes)
{
    struct stat info;
    Descriptor fd = openRegular(path, O_RDWR | O_APPEND | O_CREAT, &info);
    const off_t sizeBefore = info.st_size;
    QByteArray record = bytes;
    char last = '\n';
    if (sizeBefore > 0) {
        if (::pread(fd.get(), &last, 1, sizeBefore - 1) != 1) {
            fail(Kind::FileIo, path);
        }
    }
    if (last != '\n') {
        record.prepend("\r\n");
    }
    if (!writeAll(fd.get(), record.constData(), record.size()) || ::fsync(fd.get()) != 0) {
        // A record is written whole or not at all.
        [[maybe_unused]] const int ignored = ::ftruncate(fd.get(), sizeBefore);
        fail(Kind::FileIo, path);
    }
    if (!fd.close()) {
        fail(Kind::FileIo, path);
    }
}

void replace(const QString &path, const QByteArray &content)
{
    QString target = path;
    struct stat old;
    const bool exists = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    if (exists) {
        requireRegular(old, path);
        target = QFileInfo(path).canonicalFilePath(); // through a link, replace what it points to
    }
    const QFileInfo targetInfo(target);
    removeLeftovers(targetInfo);

    // From here to the rename or the clean-up, a stop leaves no copy behind.
    const StopSignalsHeld held;
    QByteArray temporary;
    int created = -1;
    while (created < 0) {
        temporary = QFile::encodeName(targetInfo.absoluteDir().filePath(temporaryName(targetInfo)));
        created = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (created < 0 && errno != EEXIST) {
            failToOpen(errno, path);
        }
    }
    Descriptor fd(created);
    if (exists) {
        ::fchmod(fd.get(), old.st_mode & 07777); // as before; not worth failing over
    }
    if (!writeAll(fd.get(), content.constData(), content.size()) || ::fsync(fd.get()) != 0 || !fd.close() ||
        ::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0) {
        ::unlink(temporary.constData());
        fail(Kind::FileIo, path);
    }
    // The rename itself lasts only once the folder is synced.
    Descriptor folder(
        ::open(QFile::encodeName(targetInfo.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0 || ::fsync(folder.get()) != 0 || !folder.close()) {
        fail(Kind::FileIo, path);
    }
}

FileLock lockFolderOf(const QString &path, std::optional<std::chrono::milliseconds> patience,
                      const std::function<void(std::chrono::milliseconds)> &whileWaiting)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QString folder = QFileInfo(canonical.isEmpty() ? path : canonical).absolutePath();
    Descriptor fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0 && errno == EACCES) {
        // A folder that may be written but not listed served before the lock came; it still does,
        // unguarded against a second copy.
        qCDebug(lcFiles, "%s: may not be read, so it is not locked", qPrintable(folder));
        return FileLock();
    }
    if (fd.get() < 0) {
        // Named by the file the caller wants: its folder is what is missing or barred.
        failToOpen(errno == ENOENT ? ENOTDIR : errno, path);
    }
    const auto since = std::chrono::steady_clock::now();
    bool waited = false;
    while (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) {
            continue;
        }
        if (errno == ENOLCK) {
            fail(Kind::NoLock, path);
        }
        if (errno != EWOULDBLOCK) {
            fail(Kind::FileIo, path);
        }
        const auto soFar =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - since);
        if (patience && soFar >= *patience) {
            qCDebug(lcFiles, "%s: another copy held the lock too long; giving up", qPrintable(folder));
            fail(Kind::FileLocked, path);
        }
        if (!waited) {
            qCDebug(lcFiles, "%s: waiting for another copy's lock", qPrintable(folder));
            waited = true;
        }
        if (whileWaiting) {
            whileWaiting(soFar);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return FileLock(fd.release());
}

void makeFolders(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    for (qsizetype from = 1;; ++from) {
        const qsizetype slash = clean.indexOf(QLatin1Char('/'), from);
        const QString folder = slash < 0 ? clean : clean.left(slash);
        // An ancestor that may not be entered says so here (EACCES), not as a missing path.
        if (::mkdir(QFile::encodeName(folder).constData(), 0777) != 0 && errno != EEXIST) {
            failToOpen(errno, folder);
        }
        if (slash < 0) {
            break;
        }
        from = slash;
    }
    struct stat info;
    if (::stat(QFile::encodeName(clean).constData(), &info) != 0) {
        failToOpen(errno, clean);
    }
    if (!S_ISDIR(info.st_mode)) {
        fail(Kind::PathNotFound, clean);
    }
}

} // namespace FileAccess

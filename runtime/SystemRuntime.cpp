// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SystemRuntime.h"

#include <bit>
#include <chrono>
#include <cmath>
#include <thread>

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QTime>

#include "FileAccess.h"
#include "LockWaiter.h"
#include "PicturePreparer.h"
#include "PlatformError.h"

namespace {

// The seed copy is a few records; anything near this size is not one.
constexpr qint64 ReadLimit = 1 << 20;
constexpr qint64 ImageLimit = 64 << 20;
// Another copy holds the score file's lock only for one short operation; longer means it hangs.
constexpr std::chrono::seconds LockPatience(3);
// A pause at least this long (Start's) decodes the expected pictures ahead.
constexpr int DecodeAheadFrom = 1000;
// The last part of a pause is waited out awake; a thread woken from a sleep starts late.
constexpr std::chrono::microseconds AwakeAtEnd(1500);
// A display server asleep for a whole pause is slow to take the next picture; a request this long
// before the end wakes it in time, one much earlier lets it fall asleep again.
constexpr std::chrono::microseconds WakeBeforeEnd(300);

// Qt's image readers and QImage tell only in a warning when a picture's data ends early or is
// corrupt (a JPEG then still decodes, grey where data was missing) or when memory runs out.
constexpr char ImageReaderCategory[] = "qt.gui.imageio";

QtMessageHandler handlerBeforeDecode = nullptr;
bool decoderComplained = false;
bool decoderOutOfMemory = false;

void noteDecoderComplaint(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        // Reported in German instead of an English line.
        if (text.contains(QLatin1String("out of memory"))) {
            decoderOutOfMemory = true;
            return;
        }
        if (context.category &&
            qstrncmp(context.category, ImageReaderCategory, sizeof ImageReaderCategory - 1) == 0) {
            decoderComplained = true;
            return;
        }
    }
    handlerBeforeDecode(type, context, text);
}

// Listens to those warnings for its lifetime.
class DecoderWatch
{
public:
    DecoderWatch()
    {
        decoderComplained = false;
        decoderOutOfMemory = false;
        handlerBeforeDecode = qInstallMessageHandler(noteDecoderComplaint);
    }
    DecoderWatch(const DecoderWatch &) = delete;
    DecoderWatch &operator=(const DecoderWatch &) = delete;
    ~DecoderWatch() { qInstallMessageHandler(handlerBeforeDecode); }
};

// The whole picture in bytes, in the format the windows paint in, so that showing it converts
// nothing. JPEG is tried first; other formats are recognised by their content.
QImage decodeWhole(const QByteArray &bytes, const QString &native)
{
    const char *format = bytes.startsWith("\xFF\xD8") ? "JPEG" : nullptr;
    QImage image;
    {
        const DecoderWatch watch;
        image = QImage::fromData(bytes, format);
        if (!image.isNull() && !decoderComplained) {
            image = image.convertToFormat(QImage::Format_RGB32);
            decoderOutOfMemory = decoderOutOfMemory || image.isNull();
        } else if (image.isNull() && !decoderComplained) {
            // A reader that knows the picture's size and says nothing against its data failed
            // only to get the memory for it.
            QByteArray data = bytes;
            QBuffer buffer(&data);
            decoderOutOfMemory = QImageReader(&buffer, format).size().isValid();
        }
    }
    if (decoderOutOfMemory) {
        throw PlatformError(PlatformError::Kind::OutOfMemory, native);
    }
    if (decoderComplained || image.isNull()) {
        throw PlatformError(PlatformError::Kind::InvalidPicture, native);
    }
    return image;
}

} // namespace

SystemRuntime::SystemRuntime(const QString &applicationFolder, const QString &driveFolder)
    : m_applicationFolder(applicationFolder), m_paths(driveFolder, applicationFolder)
{
    FileAccess::makeFolders(m_paths.resolve(QStringLiteral(R"(C:\Programme)")));
}

QString SystemRuntime::defaultDriveFolder()
{
    // As the XDG base directories say: a relative XDG_DATA_HOME is ignored, and without a home
    // there is nowhere to keep scores (never below the root or the working directory).
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(dataHome)) {
        const QString home = qEnvironmentVariable("HOME");
        if (!QDir::isAbsolutePath(home)) {
            throw PlatformError(PlatformError::Kind::NoDataFolder,
                                QStringLiteral("weder XDG_DATA_HOME noch HOME ist ein absoluter Pfad"));
        }
        dataHome = home + QStringLiteral("/.local/share");
    }
    return QDir::cleanPath(dataHome + QStringLiteral("/zandel-programm"));
}

float SystemRuntime::toUnitFloat(double draw)
{
    const float r = static_cast<float>(draw);
    return r < 1.0f ? r : std::nextafter(1.0f, 0.0f);
}

QString SystemRuntime::applicationFolder() const
{
    return m_applicationFolder;
}

std::int32_t SystemRuntime::tickCount()
{
    const auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceBoot).count();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ms));
}

// What happens inside each of the trial's pauses, in order. All of it is work for the step after
// the pause, none of it a step of the trial, and none of it can fail the pause.
void SystemRuntime::pause(int milliseconds)
{
    const Clock::time_point end = pauseClock() + std::chrono::milliseconds(milliseconds);
    // 1. The pictures after the pause are made ready to show (Start's pause decodes the arrows).
    const QList<QImage> upcoming = readyPictures(milliseconds >= DecodeAheadFrom, end - AwakeAtEnd);
    if (m_preparer) {
        m_preparer->prepare(upcoming);
    }
    // 2. Asleep for most of it.
    sleepUntil(end - AwakeAtEnd);
    // 3. Awake near the end: the way the waiting keys take and the files for the load after the
    //    pause warm again (after a sleep they are out of the processor's caches), then the display
    //    server woken, just early enough that it does not fall asleep again.
    if (m_preparer) {
        m_preparer->warm();
    }
    warmFiles(end - WakeBeforeEnd);
    if (m_preparer) {
        spinUntil(end - WakeBeforeEnd);
        m_preparer->wake();
    }
    // 4. The rest waited out awake: a thread woken from a sleep starts late.
    spinUntil(end);
}

void SystemRuntime::spinUntil(Clock::time_point time) const
{
    while (pauseClock() < time) {
    }
}

void SystemRuntime::sleepUntil(Clock::time_point time)
{
    // Resumes after a signal.
    std::this_thread::sleep_until(time);
}

void SystemRuntime::expectImages(const QStringList &paths)
{
    m_expected = paths;
}

void SystemRuntime::setPicturePreparer(PicturePreparer *preparer)
{
    m_preparer = preparer;
}

void SystemRuntime::setTrialPriority(bool raised)
{
    if (raised) {
        m_priority.raise();
    } else {
        m_priority.restore();
    }
}

template <typename Visit> void SystemRuntime::readExpected(Clock::time_point deadline, Visit visit) noexcept
{
    for (const QString &path : std::as_const(m_expected)) {
        if (pauseClock() >= deadline) {
            break;
        }
        try {
            const QString native = m_paths.resolve(path);
            visit(native, FileAccess::read(native, ImageLimit));
        } catch (...) {
            // The load at the assignment reads the file again and reports what is wrong.
        }
    }
}

QList<QImage> SystemRuntime::readyPictures(bool decodeChanged, Clock::time_point deadline) noexcept
{
    QList<QImage> pictures;
    readExpected(deadline, [&](const QString &native, const QByteArray &bytes) {
        const auto last = m_lastDecoded.constFind(native);
        if (last != m_lastDecoded.cend() && last->bytes == bytes) {
            pictures.append(last->image);
        } else if (decodeChanged) {
            pictures.append(decoded(native, bytes));
        }
    });
    return pictures;
}

void SystemRuntime::warmFiles(Clock::time_point deadline) noexcept
{
    readExpected(deadline, [&](const QString &native, const QByteArray &bytes) {
        // Compared as the load compares them, so the last decoded bytes are warm too.
        const auto last = m_lastDecoded.constFind(native);
        [[maybe_unused]] const volatile bool same = last != m_lastDecoded.cend() && last->bytes == bytes;
    });
}

void SystemRuntime::seedRandom()
{
    const float secondsSinceMidnight =
        static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
    m_random.seed(std::bit_cast<quint32>(secondsSinceMidnight));
}

float SystemRuntime::nextRandom()
{
    return toUnitFloat(m_random.generateDouble());
}

QImage SystemRuntime::loadImage(const QString &path)
{
    const QString native = m_paths.resolve(path);
    // The file is read anew every time, so a missing, replaced or broken file shows at once. Only
    // decoding is skipped when the bytes are the very ones last decoded from this path: the same
    // input gives the same picture.
    const QByteArray bytes = FileAccess::read(native, ImageLimit);
    return decoded(native, bytes);
}

const QImage &SystemRuntime::decoded(const QString &native, const QByteArray &bytes)
{
    const auto last = m_lastDecoded.constFind(native);
    if (last != m_lastDecoded.cend() && last->bytes == bytes) {
        return last->image;
    }
    m_lastDecoded.remove(native); // a failed decode leaves nothing behind to be taken for it
    return m_lastDecoded.insert(native, Decoded{bytes, decodeWhole(bytes, native)})->image;
}

void SystemRuntime::appendLine(const QString &path, const QString &text)
{
    FileAccess::appendRecord(m_paths.resolve(path), text.toUtf8() + "\r\n");
}

qint64 SystemRuntime::fileLength(const QString &path)
{
    return FileAccess::lengthCreating(m_paths.resolve(path));
}

QByteArray SystemRuntime::readFile(const QString &path)
{
    return FileAccess::read(m_paths.resolve(path), ReadLimit);
}

void SystemRuntime::replaceFile(const QString &path, const QByteArray &content)
{
    FileAccess::replace(m_paths.resolve(path), content);
}

FileLock SystemRuntime::lockFile(const QString &path, LockWait wait)
{
    if (wait == LockWait::Bounded) {
        return FileAccess::lockFolderOf(m_paths.resolve(path), LockPatience);
    }
    bool waited = false;
    const auto whileWaiting = [&](std::chrono::milliseconds soFar) {
        waited = true;
        if (m_lockWaiter) {
            m_lockWaiter->waiting(soFar);
        }
    };
    const auto done = [&] {
        if (waited && m_lockWaiter) {
            m_lockWaiter->doneWaiting();
        }
    };
    try {
        FileLock lock = FileAccess::lockFolderOf(m_paths.resolve(path), std::nullopt, whileWaiting);
        done();
        return lock;
    } catch (...) {
        done();
        throw;
    }
}

void SystemRuntime::setLockWaiter(LockWaiter *waiter)
{
    m_lockWaiter = waiter;
}

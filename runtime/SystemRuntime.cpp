#include "SystemRuntime.h"

#include <bit>
#include <chrono>
#include <cmath>
#include <thread>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTime>

#include "PlatformError.h"

namespace {

[[noreturn]] void fail(PlatformError::Kind kind, const QString &detail)
{
    throw PlatformError(kind, detail);
}

void requireFolderOf(const QString &nativePath)
{
    if (!QFileInfo(nativePath).absoluteDir().exists()) {
        fail(PlatformError::Kind::PathNotFound, nativePath);
    }
}

void requireFile(const QString &nativePath)
{
    requireFolderOf(nativePath);
    if (!QFileInfo::exists(nativePath)) {
        fail(PlatformError::Kind::FileNotFound, nativePath);
    }
}

void openOrFail(QFileDevice &file, QIODevice::OpenMode mode, const QString &nativePath)
{
    if (!file.open(mode)) {
        fail(PlatformError::Kind::AccessDenied, nativePath);
    }
}

} // namespace

SystemRuntime::SystemRuntime(const QString &applicationFolder, const QString &driveFolder)
    : m_applicationFolder(applicationFolder), m_paths(driveFolder)
{
    const QString programFolder = m_paths.resolve(QStringLiteral(R"(C:\Programme)"));
    if (!QDir().mkpath(programFolder)) {
        fail(PlatformError::Kind::PathNotFound, programFolder);
    }
}

QString SystemRuntime::defaultDriveFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zandel-programm");
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

void SystemRuntime::pause(int milliseconds)
{
    // The time right after a pause is measured, and a thread woken from a sleep starts late: sleep
    // through most of the pause (sleep_until resumes after a signal), then wait out the rest awake.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(milliseconds);
    std::this_thread::sleep_until(end - std::chrono::microseconds(1500));
    while (Clock::now() < end) {
    }
}

void SystemRuntime::seedRandom()
{
    const float secondsSinceMidnight = static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
    m_random.seed(std::bit_cast<quint32>(secondsSinceMidnight));
}

float SystemRuntime::nextRandom()
{
    return toUnitFloat(m_random.generateDouble());
}

QImage SystemRuntime::loadImage(const QString &path)
{
    const QString native = m_paths.resolve(path);
    requireFile(native);
    QImageReader reader(native);
    // Faster decoding (a coarser inverse DCT, plain upsampling) shows no difference on flat arrows,
    // and each image is loaded inside the time a trial measures.
    reader.setQuality(25);
    QImage image = reader.read();
    if (image.isNull()) {
        fail(PlatformError::Kind::InvalidPicture, native);
    }
    return image;
}

void SystemRuntime::appendLine(const QString &path, const QString &text)
{
    const QString native = m_paths.resolve(path);
    requireFolderOf(native);
    QFile file(native);
    openOrFail(file, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered, native);
    const qint64 sizeBefore = file.size();
    const QByteArray line = text.toUtf8() + "\r\n";
    if (file.write(line) != line.size()) {
        file.resize(sizeBefore); // a score line is written whole or not at all
        fail(PlatformError::Kind::FileIo, native);
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        fail(PlatformError::Kind::FileIo, native);
    }
}

qint64 SystemRuntime::fileLength(const QString &path)
{
    const QString native = m_paths.resolve(path);
    requireFolderOf(native);
    QFile file(native);
    openOrFail(file, QIODevice::ReadWrite, native);
    return file.size();
}

QByteArray SystemRuntime::readFile(const QString &path)
{
    const QString native = m_paths.resolve(path);
    requireFile(native);
    QFile file(native);
    openOrFail(file, QIODevice::ReadOnly, native);
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        fail(PlatformError::Kind::FileIo, native);
    }
    return content;
}

void SystemRuntime::replaceFile(const QString &path, const QByteArray &content)
{
    const QString native = m_paths.resolve(path);
    requireFolderOf(native);
    QSaveFile file(native);
    openOrFail(file, QIODevice::WriteOnly, native);
    if (file.write(content) != content.size() || !file.commit()) {
        fail(PlatformError::Kind::FileIo, native);
    }
}

// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PathResolver.h"

#include <ctime>
#include <dirent.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "PlatformError.h"

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

bool isDrive(QStringView component)
{
    return component.size() == 2 && component.at(1) == QLatin1Char(':') && component.at(0).isLetter() &&
           component.at(0).unicode() < 128;
}

// What changes whenever an entry of the folder is added, removed or renamed, or empty when it
// cannot be relied on: a folder changed within the last two seconds may change again within the
// same tick of a coarse file system clock without its stamp showing it.
QByteArray changeStamp(const QString &folder)
{
    struct stat info;
    if (::stat(QFile::encodeName(folder).constData(), &info) != 0) {
        return QByteArray();
    }
    struct timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    if (now.tv_sec - info.st_mtim.tv_sec < 2 || now.tv_sec - info.st_ctim.tv_sec < 2) {
        return QByteArray();
    }
    const long fields[] = {static_cast<long>(info.st_dev),
                           static_cast<long>(info.st_ino),
                           info.st_mtim.tv_sec,
                           info.st_mtim.tv_nsec,
                           info.st_ctim.tv_sec,
                           info.st_ctim.tv_nsec};
    return QByteArray(reinterpret_cast<const char *>(fields), sizeof fields);
}

} // namespace

PathResolver::PathResolver(const QString &driveFolder, const QString &applicationFolder)
    : m_driveFolder(QDir::cleanPath(driveFolder)), m_applicationFolder(applicationFolder)
{
}

QString PathResolver::resolve(const QString &path) const
{
    QString resolved;
    QStringView rest = path;
    const qsizetype folderLength = m_applicationFolder.size();
    if (folderLength > 1 && path.startsWith(m_applicationFolder) &&
        (path.size() == folderLength || isSeparator(path.at(folderLength)))) {
        // The folder of the executable, as the platform reports it: another folder that differs from it
        // only in case must not stand in for it.
        resolved = m_applicationFolder;
        rest = rest.mid(folderLength);
    }
    QList<QStringView> components;
    qsizetype begin = 0;
    for (qsizetype i = 0; i <= rest.size(); ++i) {
        if (i == rest.size() || isSeparator(rest.at(i))) {
            components.append(rest.sliced(begin, i - begin));
            begin = i + 1;
        }
    }
    if (resolved.isEmpty()) {
        if (isDrive(components.first())) {
            if (components.first().at(0).toUpper() != QLatin1Char('C')) {
                throw PlatformError(PlatformError::Kind::PathNotFound, path);
            }
            resolved = m_driveFolder;
            components.removeFirst();
        } else if (!path.isEmpty() && isSeparator(path.front())) {
            resolved = QStringLiteral("/");
        } else {
            resolved = QDir::currentPath();
        }
    }

    for (const QStringView component : std::as_const(components)) {
        if (component.isEmpty() || component == QLatin1String(".")) {
            continue;
        }
        if (component == QLatin1String("..")) {
            resolved = QDir::cleanPath(resolved + QStringLiteral("/.."));
            continue;
        }
        const QString entry = matchEntry(resolved, component.toString());
        if (!resolved.endsWith(QLatin1Char('/'))) {
            resolved += QLatin1Char('/');
        }
        resolved += entry;
    }
    return resolved;
}

// The entry of folder that name stands for. Where several entries differ from it only in case, the
// lowest in code order wins whichever way name is spelled, so "Programme" and "programme" always
// lead to the same folder.
QString PathResolver::matchEntry(const QString &folder, const QString &name) const
{
    const QByteArray stamp = changeStamp(folder);
    Listing &listing = m_listings[folder];
    if (stamp.isEmpty() || listing.stamp != stamp) {
        listing = Listing{stamp, {}};
        if (DIR *dir = ::opendir(QFile::encodeName(folder).constData())) {
            while (const dirent *entry = ::readdir(dir)) {
                const QString entryName = QFile::decodeName(entry->d_name);
                QString &chosen = listing.entries[entryName.toCaseFolded()];
                if (chosen.isNull() || entryName < chosen) {
                    chosen = entryName;
                }
            }
            ::closedir(dir);
        }
    }
    return listing.entries.value(name.toCaseFolded(), name);
}

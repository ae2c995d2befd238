#include "PathResolver.h"

#include <dirent.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "PlatformError.h"

namespace {

// The entry of folder that name stands for. Where several entries differ from it only in case, the
// lowest in code order wins whichever way name is spelled, so "Programme" and "programme" always
// lead to the same folder.
QString matchEntry(const QString &folder, const QString &name)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) {
        return name;
    }
    QString chosen;
    while (const dirent *entry = ::readdir(dir)) {
        const QString entryName = QFile::decodeName(entry->d_name);
        if (entryName.compare(name, Qt::CaseInsensitive) == 0 && (chosen.isNull() || entryName < chosen)) {
            chosen = entryName;
        }
    }
    ::closedir(dir);
    return chosen.isNull() ? name : chosen;
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

} // namespace

PathResolver::PathResolver(const QString &driveFolder, const QString &applicationFolder)
    : m_driveFolder(QDir::cleanPath(driveFolder)), m_applicationFolder(applicationFolder)
{
}

QString PathResolver::resolve(const QString &path) const
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    static const QRegularExpression driveLetter(QStringLiteral("^[A-Za-z]:$"));

    QString resolved;
    QString rest = path;
    const qsizetype folderLength = m_applicationFolder.size();
    if (folderLength > 1 && path.startsWith(m_applicationFolder) &&
        (path.size() == folderLength || isSeparator(path.at(folderLength)))) {
        // The folder of the executable, as the platform reports it: another folder that differs from it
        // only in case must not stand in for it.
        resolved = m_applicationFolder;
        rest = path.mid(folderLength);
    }
    QStringList components = rest.split(separators);
    if (resolved.isEmpty()) {
        if (!components.isEmpty() && driveLetter.match(components.first()).hasMatch()) {
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

    for (const QString &component : std::as_const(components)) {
        if (component.isEmpty() || component == QLatin1String(".")) {
            continue;
        }
        if (component == QLatin1String("..")) {
            resolved = QDir::cleanPath(resolved + QStringLiteral("/.."));
            continue;
        }
        const QString entry = matchEntry(resolved, component);
        resolved =
            resolved.endsWith(QLatin1Char('/')) ? resolved + entry : resolved + QLatin1Char('/') + entry;
    }
    return resolved;
}

#include "PathResolver.h"

#include <QDir>
#include <QRegularExpression>

#include "PlatformError.h"

namespace {

// The entry of folder that name stands for: itself when it exists as written, else the first entry
// that differs only in case, else name unchanged (so it is created as written).
QString matchEntry(const QDir &folder, const QString &name)
{
    if (folder.exists(name)) {
        return name;
    }
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                 QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return entry;
        }
    }
    return name;
}

} // namespace

PathResolver::PathResolver(const QString &driveFolder) : m_driveFolder(QDir::cleanPath(driveFolder)) {}

QString PathResolver::resolve(const QString &path) const
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    static const QRegularExpression driveLetter(QStringLiteral("^[A-Za-z]:$"));

    QStringList components = path.split(separators);
    QString resolved;
    if (!components.isEmpty() && driveLetter.match(components.first()).hasMatch()) {
        if (components.first().at(0).toUpper() != QLatin1Char('C')) {
            throw PlatformError(PlatformError::Kind::PathNotFound, path);
        }
        resolved = m_driveFolder;
        components.removeFirst();
    } else if (path.startsWith(QLatin1Char('/')) || path.startsWith(QLatin1Char('\\'))) {
        resolved = QStringLiteral("/");
    } else {
        resolved = QDir::currentPath();
    }

    for (const QString &component : std::as_const(components)) {
        if (component.isEmpty() || component == QLatin1String(".")) {
            continue;
        }
        if (component == QLatin1String("..")) {
            resolved = QDir::cleanPath(resolved + QStringLiteral("/.."));
            continue;
        }
        const QString entry = matchEntry(QDir(resolved), component);
        resolved = resolved.endsWith(QLatin1Char('/')) ? resolved + entry : resolved + QLatin1Char('/') + entry;
    }
    return resolved;
}

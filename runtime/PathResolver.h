#pragma once

#include <QString>

// Turns the program's paths, written as on a drive-letter system, into paths of this machine.
// A backslash and a slash both separate components; "C:" stands for a fixed folder; a relative path
// starts at the current working directory; each component is matched without regard to case among
// the entries that exist (an exact match first), and one that does not exist keeps its spelling.
class PathResolver
{
public:
    explicit PathResolver(const QString &driveFolder);

    const QString &driveFolder() const { return m_driveFolder; }

    // Throws PlatformError (PathNotFound) for any drive but C:.
    QString resolve(const QString &path) const;

private:
    QString m_driveFolder;
};

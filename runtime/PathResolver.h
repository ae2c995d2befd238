// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QString>

// Turns the program's paths, written as on a drive-letter system, into paths of this machine.
// A backslash and a slash both separate components; "C:" stands for a fixed folder; a relative path
// starts at the current working directory. Those folders and the application folder are taken as
// the platform reports them; each name the program spells after them is matched without regard to
// case, and a name that no entry matches keeps its spelling.
class PathResolver
{
public:
    explicit PathResolver(const QString &driveFolder, const QString &applicationFolder = QString());

    // Throws PlatformError (PathNotFound) for any drive but C:.
    QString resolve(const QString &path) const;

private:
    // The names in a folder, by their case-folded form, as the folder stood when it was read.
    struct Listing
    {
        QByteArray stamp;
        QHash<QString, QString> entries;
    };

    QString matchEntry(const QString &folder, const QString &name) const;

    QString m_driveFolder;
    QString m_applicationFolder;
    // A folder is read again whenever its change stamp differs, so a listing is never stale.
    mutable QHash<QString, Listing> m_listings;
};

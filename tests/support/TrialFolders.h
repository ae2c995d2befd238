// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh application folder holding the five images, a drive folder, and a working directory
// holding the seed copy, made current for the life of the object.
class TrialFolders
{
public:
    TrialFolders();
    ~TrialFolders();

    bool isValid() const { return m_root.isValid(); }
    QString application() const { return m_root.filePath(QStringLiteral("app")); }
    QString drive() const { return m_root.filePath(QStringLiteral("drive")); }
    QString work() const { return m_root.filePath(QStringLiteral("work")); }
    // The score file as this machine names it.
    QString scoreFile() const { return drive() + QStringLiteral("/Programme/ppunkte.txt"); }
    QString seedCopy() const { return work() + QStringLiteral("/ppunkte.txt"); }

    static QByteArray readAll(const QString &path);
    static void writeAll(const QString &path, const QByteArray &content);

private:
    QTemporaryDir m_root;
    QString m_previousDirectory;
};

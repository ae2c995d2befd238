// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TrialFolders.h"

#include <QDir>
#include <QFile>

TrialFolders::TrialFolders() : m_previousDirectory(QDir::currentPath())
{
    QDir root(m_root.path());
    root.mkpath(QStringLiteral("app"));
    root.mkpath(QStringLiteral("drive"));
    root.mkpath(QStringLiteral("work"));
    for (const char *image :
         {"leer.jpg", "Zandel_oben.jpg", "Zandel_rechts.jpg", "Zandel_unten.jpg", "Zandel_links.jpg"}) {
        QFile::copy(QStringLiteral(ZANDEL_ASSET_DIR "/") + QLatin1String(image),
                    application() + QLatin1Char('/') + QLatin1String(image));
    }
    QFile::copy(QStringLiteral(ZANDEL_ASSET_DIR "/ppunkte.txt"), seedCopy());
    QDir::setCurrent(work());
}

TrialFolders::~TrialFolders()
{
    QDir::setCurrent(m_previousDirectory);
}

QByteArray TrialFolders::readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TrialFolders::writeAll(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(content);
    }
}

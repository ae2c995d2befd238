// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlatformError.h"

namespace {

QString describe(PlatformError::Kind kind)
{
    switch (kind) {
    case PlatformError::Kind::FileNotFound:
        return QStringLiteral("Datei nicht gefunden");
    case PlatformError::Kind::PathNotFound:
        return QStringLiteral("Pfad nicht gefunden");
    case PlatformError::Kind::AccessDenied:
        return QStringLiteral("Zugriff verweigert");
    case PlatformError::Kind::FileIo:
        return QStringLiteral("Fehler beim Lesen oder Schreiben der Datei");
    case PlatformError::Kind::NotARegularFile:
        return QStringLiteral("Keine gewöhnliche Datei");
    case PlatformError::Kind::FileTooLarge:
        return QStringLiteral("Datei zu groß");
    case PlatformError::Kind::NoDataFolder:
        return QStringLiteral("Kein Ordner für die Punktedatei");
    case PlatformError::Kind::NoDisplay:
        return QStringLiteral("Keine grafische Anzeige");
    case PlatformError::Kind::InvalidPicture:
        return QStringLiteral("Ungültiges Bild");
    case PlatformError::Kind::Overflow:
        return QStringLiteral("Überlauf");
    case PlatformError::Kind::SubscriptOutOfRange:
        return QStringLiteral("Index außerhalb des gültigen Bereichs");
    }
    return QStringLiteral("Unbekannter Fehler");
}

} // namespace

PlatformError::PlatformError(Kind kind, const QString &detail)
    : m_kind(kind), m_detail(detail), m_what(message().toUtf8())
{
}

QString PlatformError::message() const
{
    return describe(m_kind) + QStringLiteral(": ") + m_detail;
}

const char *PlatformError::what() const noexcept
{
    return m_what.constData();
}

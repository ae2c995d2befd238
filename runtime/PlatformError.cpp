// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlatformError.h"

#include <new>

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
    case PlatformError::Kind::FileLocked:
        return QStringLiteral("Datei von einem anderen Zandel-Programm gesperrt");
    case PlatformError::Kind::NoLock:
        return QStringLiteral("Datei kann nicht gesperrt werden");
    case PlatformError::Kind::NameTooLong:
        return QStringLiteral("Name zu lang");
    case PlatformError::Kind::NoDataFolder:
        return QStringLiteral("Kein Ordner für die Punktedatei");
    case PlatformError::Kind::NoDisplay:
        return QStringLiteral("Keine grafische Anzeige");
    case PlatformError::Kind::NoWindowSystem:
        return QStringLiteral("Grafische Oberfläche nicht gestartet");
    case PlatformError::Kind::InvalidPicture:
        return QStringLiteral("Ungültiges Bild");
    case PlatformError::Kind::Overflow:
        return QStringLiteral("Überlauf");
    case PlatformError::Kind::SubscriptOutOfRange:
        return QStringLiteral("Index außerhalb des gültigen Bereichs");
    case PlatformError::Kind::OutOfMemory:
        return QStringLiteral("Nicht genügend Arbeitsspeicher");
    case PlatformError::Kind::Unexpected:
        return QStringLiteral("Unerwarteter Fehler");
    }
    return QStringLiteral("Unbekannter Fehler");
}

} // namespace

PlatformError::PlatformError(Kind kind, const QString &detail)
    : m_kind(kind), m_detail(detail), m_what(message().toUtf8())
{
}

PlatformError PlatformError::from(const std::exception_ptr &thrown)
{
    try {
        std::rethrow_exception(thrown);
    } catch (const PlatformError &error) {
        return error;
    } catch (const std::bad_alloc &) {
        return PlatformError(Kind::OutOfMemory, QString());
    } catch (const std::exception &error) {
        return PlatformError(Kind::Unexpected, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        return PlatformError(Kind::Unexpected, QString());
    }
}

QString PlatformError::message() const
{
    return m_detail.isEmpty() ? describe(m_kind) : describe(m_kind) + QStringLiteral(": ") + m_detail;
}

const char *PlatformError::what() const noexcept
{
    return m_what.constData();
}

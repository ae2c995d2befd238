// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <exception>

#include <QByteArray>
#include <QString>

// The one error the platform raises. Nothing in the program handles it except the error report,
// which names it to the person and ends the program.
class PlatformError : public std::exception
{
public:
    enum class Kind
    {
        FileNotFound,
        PathNotFound,
        AccessDenied,
        FileIo,
        NotARegularFile,
        FileTooLarge,
        FileLocked,
        NoLock,
        NameTooLong,
        NoDataFolder,
        NoDisplay,
        NoWindowSystem,
        InvalidPicture,
        Overflow,
        SubscriptOutOfRange,
        OutOfMemory,
        Unexpected,
    };

    PlatformError(Kind kind, const QString &detail);
    // The error for whatever was thrown: a PlatformError as it is, exhausted memory as OutOfMemory,
    // anything else as Unexpected, so that every failure reaches the person in German.
    static PlatformError from(const std::exception_ptr &thrown);

    Kind kind() const { return m_kind; }
    const QString &detail() const { return m_detail; }
    // German text for the person, e.g. "Datei nicht gefunden: /pfad/ppunkte.txt"; without a detail
    // only the description.
    QString message() const;
    const char *what() const noexcept override;

private:
    Kind m_kind;
    QString m_detail;
    QByteArray m_what;
};

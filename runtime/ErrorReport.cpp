// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ErrorReport.h"

#include <cstdio>

#include <QMessageBox>

#include "PlatformError.h"

namespace ErrorReport {

void show(const PlatformError &error)
{
    const QString message = error.message();
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    std::fflush(stderr);
    try {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Zandel-Programm"), message, QMessageBox::Ok);
        box.exec();
    } catch (...) {
        // Short of memory, the box may fail too; the line on standard error stands.
    }
}

} // namespace ErrorReport

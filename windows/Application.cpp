// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Application.h"

#include <cstdlib>

#include "ErrorReport.h"
#include "PlatformError.h"

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        static bool reporting = false;
        if (!reporting) {
            reporting = true;
            ErrorReport::show(PlatformError::from(std::current_exception()));
        }
        // Qt cannot go on from an exception inside its own event handling; files are closed
        // between operations, so nothing is left half-written.
        std::_Exit(1);
    }
}

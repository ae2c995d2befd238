// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

// Which way pictures take to the screen, and why a quicker one was passed over:
// QT_LOGGING_RULES="zandel.display.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcDisplay)

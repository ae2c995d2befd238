// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayLog.h"

Q_LOGGING_CATEGORY(lcDisplay, "zandel.display", QtWarningMsg)

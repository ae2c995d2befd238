// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class PlatformError;

// The standard error report: one German line on standard error and the same text in a message box.
// The caller ends the program afterwards.
namespace ErrorReport {

void show(const PlatformError &error);

} // namespace ErrorReport

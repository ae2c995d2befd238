#pragma once

class PlatformError;

// The standard error report: one German line on standard error and the same text in a message box.
// The caller ends the program afterwards.
namespace ErrorReport {

void show(const PlatformError &error);

} // namespace ErrorReport

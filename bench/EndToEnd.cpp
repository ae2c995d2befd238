// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as it is, with one addition for the benchmark: at the end of each trial it prints
// the trial's time beyond its ten pauses in microseconds, read from a finer clock at the same
// moments as the trial's own clock readings.

#include <chrono>
#include <cstdio>

#include <QApplication>

#include "Form1.h"
#include "PlatformError.h"
#include "SystemRuntime.h"

namespace {

class ReportingRuntime : public SystemRuntime
{
public:
    using SystemRuntime::SystemRuntime;

    std::int32_t tickCount() override
    {
        const auto now = std::chrono::steady_clock::now();
        if (m_reads++ % 2 == 0) {
            m_start = now;
        } else {
            const std::chrono::duration<double, std::micro> beyond = now - m_start - std::chrono::seconds(2);
            std::printf("%.0f\n", beyond.count());
            std::fflush(stdout);
        }
        return SystemRuntime::tickCount();
    }

private:
    int m_reads = 0;
    std::chrono::steady_clock::time_point m_start;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ReportingRuntime runtime(QCoreApplication::applicationDirPath() + QStringLiteral("/.."),
                             SystemRuntime::defaultDriveFolder());
    Form1 form1(runtime, [](const PlatformError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
    });
    form1.show();
    return QApplication::exec();
}

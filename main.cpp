// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QList>

#include "Application.h"
#include "ErrorReport.h"
#include "Form1.h"
#include "PlatformError.h"
#include "SystemRuntime.h"

namespace {

// The context's strings are literals of the code that logged, so they outlive the message.
struct HeldMessage
{
    QtMsgType type;
    const char *file;
    int line;
    const char *function;
    const char *category;
    QString text;
};

QList<HeldMessage> heldMessages;

// Why Qt could not start: a display that cannot be reached (Qt's platform plugins say so in these
// words on Qt 6.4 and 6.8), or else a fault of the toolkit itself.
PlatformError startFailure()
{
    const QString x11 = qEnvironmentVariable("DISPLAY");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (x11.isEmpty() && wayland.isEmpty()) {
        return PlatformError(PlatformError::Kind::NoDisplay,
                             QStringLiteral("weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt"));
    }
    for (const HeldMessage &message : std::as_const(heldMessages)) {
        if (message.text.startsWith(QLatin1String("could not connect to display"))) {
            return PlatformError(PlatformError::Kind::NoDisplay,
                                 x11 + QStringLiteral(" ist nicht erreichbar"));
        }
        if (message.text.startsWith(QLatin1String("Failed to create wl_display"))) {
            return PlatformError(PlatformError::Kind::NoDisplay,
                                 (wayland.isEmpty() ? QStringLiteral("wayland-0") : wayland) +
                                     QStringLiteral(" ist nicht erreichbar"));
        }
    }
    return PlatformError(PlatformError::Kind::NoWindowSystem,
                         QStringLiteral("Qt-Plattform ") + qEnvironmentVariable("QT_QPA_PLATFORM", "xcb"));
}

// Qt's messages while it opens the display. Without a display Qt aborts with English lines; the
// person gets one German line instead, and no file is touched. A fault of the toolkit keeps Qt's
// lines, which name its cause, before the German one.
void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        const PlatformError error = startFailure();
        if (error.kind() != PlatformError::Kind::NoDisplay) {
            heldMessages.append({type, context.file, context.line, context.function, context.category, text});
            for (const HeldMessage &message : std::as_const(heldMessages)) {
                const QMessageLogContext held(message.file, message.line, message.function, message.category);
                std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(message.type, held, message.text)));
            }
        }
        std::fprintf(stderr, "%s\n", error.what());
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages.append({type, context.file, context.line, context.function, context.category, text});
}

// On a Wayland desktop with XWayland the program takes X11, where its pictures take the measured
// path and the server shows the blank while the trial pauses; natively on Wayland it runs when there
// is no X display, or when the person asks for it. A choice of the person's own stands.
void choosePlatform()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        return;
    }
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (x11 && wayland) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    } else if (wayland) {
        qputenv("QT_QPA_PLATFORM", "wayland");
    }
}

} // namespace

int main(int argc, char *argv[])
{
    choosePlatform();
    const QtMessageHandler previousHandler = qInstallMessageHandler(holdMessage);
    Application app(argc, argv);
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage &message : std::as_const(heldMessages)) {
        const QMessageLogContext context(message.file, message.line, message.function, message.category);
        qt_message_output(message.type, context, message.text);
    }
    heldMessages.clear();

    // A Wayland compositor matches the windows to the desktop entry, and so to its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("zandel-programm"));
    // The program ends by Quit, the main window's close box, or an error; never by hiding a window.
    QApplication::setQuitOnLastWindowClosed(false);
    try {
        SystemRuntime runtime(QCoreApplication::applicationDirPath(), SystemRuntime::defaultDriveFolder());
        Form1 form1(runtime, &ErrorReport::show);
        form1.show();
        const int status = QApplication::exec();
        if (status != 0) {
            // After an error, which may be memory running out, tearing the windows down could fail
            // in turn; the files are closed between operations, so nothing is left to finish.
            std::_Exit(status);
        }
        return status;
    } catch (...) {
        ErrorReport::show(PlatformError::from(std::current_exception()));
        return 1;
    }
}

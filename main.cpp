#include <QApplication>

#include "ErrorReport.h"
#include "Form1.h"
#include "PlatformError.h"
#include "SystemRuntime.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The program ends by Quit, the main window's close box, or an error; never by hiding a window.
    QApplication::setQuitOnLastWindowClosed(false);
    try {
        SystemRuntime runtime(QCoreApplication::applicationDirPath(), SystemRuntime::defaultDriveFolder());
        Form1 form1(runtime, &ErrorReport::show);
        form1.show();
        return QApplication::exec();
    } catch (const PlatformError &error) {
        ErrorReport::show(error);
        return 1;
    }
}

// SPDX-License-Identifier: MIT
#include "desktop/exitdeadline.h"
#include "desktop/gpudriver.h"
#include "desktop/runtimefolder.h"
#include "desktop/systemclose.h"
#include "window/form1.h"

#include <QApplication>

using namespace std::chrono_literals;

int main(int argc, char *argv[])
{
    ExitDeadline teardown;
    nameRuntimeFolderWhenNoSessionDoes();
    leaveTheGpuDriverUnloaded();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cylinder-ratio"));
    QApplication::setApplicationVersion(QStringLiteral(APP_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
    Form1 form;
    closeWhenTheSystemAsks(&form);
    form.show();
    const int status = QApplication::exec();
    teardown.start(status, 1s); // the window is closed and the settings are saved
    return status;
}

// SPDX-License-Identifier: MIT
#include "desktop/runtimefolder.h"
#include "desktop/systemclose.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    nameRuntimeFolderWhenNoSessionDoes();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cylinder-ratio"));
    QApplication::setApplicationVersion(QStringLiteral(APP_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
    Form1 form;
    closeWhenTheSystemAsks(&form);
    form.show();
    return QApplication::exec();
}

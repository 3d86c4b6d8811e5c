// SPDX-License-Identifier: MIT
#include "app/form1.h"
#include "app/runtimefolder.h"
#include "app/systemclose.h"

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

// SPDX-License-Identifier: MIT
#include "window/unsavednotice.h"

#include <QDir>
#include <QMessageBox>

void tellSettingsNotSaved(const QString &title, const QString &path)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title,
                                QStringLiteral("The settings could not be saved to %1, nor anywhere else: "
                                               "the folder or the medium is write-protected.\n\n"
                                               "The theme and the \"Animate\" choice will be as before "
                                               "the next time the program starts.")
                                    .arg(QDir::toNativeSeparators(path)),
                                QMessageBox::Ok);
    box->setObjectName(QStringLiteral("settingsNotSaved"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

// SPDX-License-Identifier: MIT
// Renders the window to a PNG, for the README and for looking at a change:
//   window-shot OUT.png [compute] [menu item, e.g. sky, how2use] ...
#include "window/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        qWarning("usage: window-shot OUT.png [compute] [sky|earth|default|how2use|cylmeas|vormektypes|info]...");
        return 2;
    }
    QTemporaryDir settings;
    const QString path = QDir(settings.path()).filePath(QStringLiteral("settings.ini"));
    Form1 form({path, path});
    for (const QString &step : args.mid(2)) {
        if (step == QLatin1String("compute")) {
            const std::pair<const char *, const char *> inputs[] = {
                {"Combo1", "6.03"}, {"Combo2", "363"}, {"Combo3", "Standard"}, {"Combo4", "Type '0'"}};
            for (const auto &[combo, text] : inputs)
                form.findChild<QComboBox *>(QLatin1String(combo))->setEditText(QString::fromLatin1(text));
            form.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        } else if (auto *item = form.findChild<QAction *>(step)) {
            item->trigger();
        } else {
            qWarning("no menu item %s", qPrintable(step));
            return 2;
        }
    }
    form.show();
    QApplication::processEvents();
    return form.grab().save(args.at(1)) ? 0 : 1;
}

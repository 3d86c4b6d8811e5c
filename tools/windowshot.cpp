// SPDX-License-Identifier: MIT
// Renders the window to a PNG, for the README: window-shot OUT.png [sky|earth] [compute] [panel]
#include "app/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        qWarning("usage: window-shot OUT.png [sky|earth] [compute] [panel]");
        return 2;
    }
    QTemporaryDir settings;
    const QString path = QDir(settings.path()).filePath(QStringLiteral("settings.ini"));
    Form1 form({path, path});
    if (args.contains(QLatin1String("sky")))
        form.sky_Click();
    if (args.contains(QLatin1String("earth")))
        form.earth_Click();
    if (args.contains(QLatin1String("compute"))) {
        const std::pair<const char *, const char *> inputs[] = {
            {"Combo1", "6.03"}, {"Combo2", "363"}, {"Combo3", "Standard"}, {"Combo4", "Type '0'"}};
        for (const auto &[combo, text] : inputs)
            form.findChild<QComboBox *>(QLatin1String(combo))->setEditText(QString::fromLatin1(text));
        form.Command1_Click();
    }
    if (args.contains(QLatin1String("panel")))
        form.how2use_Click();
    form.show();
    QApplication::processEvents();
    return form.grab().save(args.at(1)) ? 0 : 1;
}

// SPDX-License-Identifier: MIT
#include "formtest.h"

#include "app/settings.h"

#include <QCheckBox>
#include <QFile>

using namespace Settings;

class SettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void readsOnlyTheFirstField_data();
    void readsOnlyTheFirstField();
    void decidesWhatToRestore_data();
    void decidesWhatToRestore();
    void writesOneOfTheSevenLines();
    void readsAtMostTheFirstLineWithinItsBound();
    void installedCopiesUseTheUsersFolder();

    void startsFromEachKindOfFile_data();
    void startsFromEachKindOfFile();
    void oddFilesStartCleanly();
    void everyCloseWritesTheFile_data();
    void everyCloseWritesTheFile();
    void saveToggleWritesNothingByItself();
    void aFailedWriteKeepsTheOldFileAndStillCloses();
    void savedChoicesComeBackAtTheNextStart();
};

void SettingsTest::readsOnlyTheFirstField_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("field");
    QTest::newRow("written") << QByteArray("sky|1|anime") << "sky|1|anime";
    QTest::newRow("comma") << QByteArray("sky,1,anime") << "sky";
    QTest::newRow("leading blanks") << QByteArray("   earth|1") << "earth|1";
    QTest::newRow("quoted") << QByteArray(" \"sky,1\",anime") << "sky,1";
    QTest::newRow("unclosed quote") << QByteArray("\"sky|1") << "sky|1";
    QTest::newRow("empty") << QByteArray() << "";
    // clang-format on
}

void SettingsTest::readsOnlyTheFirstField()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, field);
    QCOMPARE(firstField(line), field);
}

void SettingsTest::decidesWhatToRestore_data()
{
    // clang-format off
    QTest::addColumn<QString>("field");
    QTest::addColumn<QList<Theme>>("themes");
    QTest::addColumn<bool>("markDefault");
    QTest::addColumn<bool>("animates"); // "Animate" ends checked
    QTest::newRow("sky|1|anime") << "sky|1|anime" << QList{Theme::Sky} << false << true;
    QTest::newRow("earth|1|noanime") << "earth|1|noanime" << QList{Theme::Earth} << false << false;
    QTest::newRow("default|0|noanime") << "default|0|noanime" << QList<Theme>{} << true << false;
    QTest::newRow("earth|0|anime") << "earth|0|anime" << QList<Theme>{} << true << true;
    QTest::newRow("Sky|1|anime") << "Sky|1|anime" << QList<Theme>{} << false << true;
    QTest::newRow("sky") << "sky" << QList<Theme>{} << true << false;
    QTest::newRow("default|sky|1") << "default|sky|1" << QList{Theme::Default, Theme::Sky} << false << false;
    QTest::newRow("1 alone") << "1" << QList<Theme>{} << false << false;
    QTest::newRow("all three") << "earth sky default 1" << QList{Theme::Default, Theme::Sky, Theme::Earth} << false
                               << false;
    // clang-format on
}

void SettingsTest::decidesWhatToRestore()
{
    QFETCH(QString, field);
    QFETCH(QList<Theme>, themes);
    QFETCH(bool, markDefault);
    QFETCH(bool, animates);
    const Restore restore = restoreFrom(field);
    QCOMPARE(restore.themes, themes);
    QCOMPARE(restore.markDefault, markDefault);
    QCOMPARE(restore.check && !restore.uncheck, animates);
    QCOMPARE(restore.uncheck, field.contains(QLatin1String("noanime")));

    const Restore none = restoreFrom(std::nullopt);
    QCOMPARE(none.themes, QList{Theme::Default});
    QVERIFY(!none.check && !none.markDefault);
}

void SettingsTest::writesOneOfTheSevenLines()
{
    QCOMPARE(line(Theme::Sky, true, true), QByteArray("sky|1|anime\r\n"));
    QCOMPARE(line(Theme::Earth, true, false), QByteArray("earth|1|noanime\r\n"));
    QCOMPARE(line(Theme::Default, true, true), QByteArray("default|1|anime\r\n"));
    QCOMPARE(line(Theme::Sky, false, true), QByteArray("default|0|noanime\r\n"));
    QCOMPARE(line(std::nullopt, false, false), QByteArray("default|0|noanime\r\n"));
    QCOMPARE(line(std::nullopt, true, true), QByteArray());
}

void SettingsTest::readsAtMostTheFirstLineWithinItsBound()
{
    QTemporaryDir dir;
    const auto fileWith = [&dir](const QByteArray &content) {
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(content);
        return path;
    };
    QCOMPARE(readFirstLine(fileWith("sky|1|anime\r\nearth\r\n")), std::optional(QByteArray("sky|1|anime")));
    QCOMPARE(readFirstLine(fileWith("sky|1|anime\nearth")), std::optional(QByteArray("sky|1|anime")));
    QCOMPARE(readFirstLine(fileWith("sky|1|anime\rearth")), std::optional(QByteArray("sky|1|anime")));
    QCOMPARE(readFirstLine(fileWith("\r\nsky|1")), std::optional(QByteArray()));
    QCOMPARE(readFirstLine(fileWith("")), std::nullopt);
    QCOMPARE(readFirstLine(fileWith(QByteArray(50'000'000, 'x'))).value().size(), 4096);
    QCOMPARE(readFirstLine(dir.filePath(QStringLiteral("missing.ini"))), std::nullopt);
    QCOMPARE(readFirstLine(dir.path()), std::nullopt);
}

void SettingsTest::installedCopiesUseTheUsersFolder()
{
    QTemporaryDir exe, user;
    const QString beside = exe.filePath(QStringLiteral("settings.ini"));
    const QString mine = user.filePath(QStringLiteral("settings.ini"));
    QVERIFY(write(beside, "sky|1|anime\r\n")); // left behind, or shipped with the program

    const Location installed = locate(exe.path(), user.path(), Copy::Installed);
    QCOMPARE(installed.readPath, mine); // never another user's file beside the executable
    QCOMPARE(installed.writePath, mine);
    const Location portable = locate(exe.path(), user.path(), Copy::Portable);
    QCOMPARE(portable.readPath, beside);
    QCOMPARE(portable.writePath, beside);
    const Location readOnly = locate(exe.path(), user.path(), Copy::ReadOnly);
    QCOMPARE(readOnly.readPath, beside); // the default shipped with the program
    QCOMPARE(readOnly.writePath, mine);

    QVERIFY(write(mine, "earth|1|anime\r\n"));
    QCOMPARE(locate(exe.path(), user.path(), Copy::ReadOnly).readPath, mine);
    QVERIFY(write(user.filePath(QStringLiteral("new/folder/settings.ini")), "x"));
}

void SettingsTest::startsFromEachKindOfFile_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("marked"); // theme item marked, or empty
    QTest::addColumn<bool>("animating");
    QTest::addColumn<QColor>("frame");
    const QColor design = QApplication::palette().color(QPalette::Button);
    QTest::newRow("sky|1|anime") << QByteArray("sky|1|anime\r\n") << "sky" << true << QColor(0, 0, 64);
    QTest::newRow("earth|1|noanime") << QByteArray("earth|1|noanime\r\n") << "earth" << false << QColor(64, 0, 0);
    QTest::newRow("default|0|noanime") << QByteArray("default|0|noanime\r\n") << "default" << false << design;
    QTest::newRow("earth|0|anime") << QByteArray("earth|0|anime\r\n") << "default" << true << design;
    QTest::newRow("Sky|1|anime") << QByteArray("Sky|1|anime\r\n") << "" << true << design;
    QTest::newRow("sky,1,anime") << QByteArray("sky,1,anime\r\n") << "default" << false << design;
    QTest::newRow("default|sky|1") << QByteArray("default|sky|1\r\n") << "sky" << false << QColor(0, 0, 64);
    QTest::newRow("1 alone") << QByteArray("1\r\n") << "" << false << design;
    QTest::newRow("LF only") << QByteArray("earth|1|anime\n") << "earth" << true << QColor(64, 0, 0);
    QTest::newRow("CR only") << QByteArray("sky|1|noanime\r") << "sky" << false << QColor(0, 0, 64);
    // clang-format on
}

void SettingsTest::startsFromEachKindOfFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, marked);
    QFETCH(bool, animating);
    QFETCH(QColor, frame);
    FormUnderTest t(content, true);
    QString mark;
    for (const char *name : {"default", "sky", "earth"})
        if (t.action(name)->isChecked())
            mark += QLatin1String(name);
    QCOMPARE(mark, marked);
    QVERIFY(t.action("save")->isChecked());
    QCOMPARE(t.find<QCheckBox>("Check1")->isChecked(), animating);
    QCOMPARE(t.find<QTimer>("Timer1")->isActive(), animating);
    QCOMPARE(t.find("Label25")->isHidden(), animating);
    QCOMPARE(t.find("Frame1")->palette().color(QPalette::Window), frame);
    QCOMPARE(t.find("Frame1")->width(), px(4905));
}

void SettingsTest::oddFilesStartCleanly()
{
    const auto startsAsWithoutAFile = [](const FormUnderTest &t) {
        QVERIFY(t.action("default")->isChecked());
        QVERIFY(t.action("save")->isChecked());
        QVERIFY(!t.find<QCheckBox>("Check1")->isChecked());
    };
    {
        FormUnderTest t; // no file at all
        startsAsWithoutAFile(t);
    }
    {
        FormUnderTest t(QByteArray(), true); // empty
        startsAsWithoutAFile(t);
    }
    {
        FormUnderTest t(QByteArray("\0\xff\xfe\x01sky|1|anime", 15) + QByteArray(5'000'000, '\0'), true);
        QVERIFY(t.action("save")->isChecked()); // binary: read like any first field, bounded
    }
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("settings.ini"))); // a directory of that name
        Form1 form({path, path});
        QVERIFY(form.findChild<QAction *>(QStringLiteral("default"))->isChecked());
        QVERIFY(form.close());
        QVERIFY(QFileInfo(path).isDir());
    }
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone.ini")), path)); // dangling link
        Form1 form({path, path});
        QVERIFY(form.findChild<QAction *>(QStringLiteral("default"))->isChecked());
        QVERIFY(form.close());
    }
}

void SettingsTest::everyCloseWritesTheFile_data()
{
    // clang-format off
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit") << "Exit";
    QTest::newRow("close box") << "close box";
    // clang-format on
}

void SettingsTest::everyCloseWritesTheFile()
{
    QFETCH(QString, how);
    FormUnderTest t;
    t.form->show();
    t.trigger("earth");
    t.find<QCheckBox>("Check1")->setChecked(true);
    if (how == QLatin1String("Exit"))
        t.action("ext")->trigger();
    else
        QVERIFY(t.form->close());
    QVERIFY(!t.form->isVisible());
    QFile file(t.path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("earth|1|anime\r\n"));
}

void SettingsTest::saveToggleWritesNothingByItself()
{
    FormUnderTest t("sky|1|noanime\r\n", true);
    QAction *save = t.action("save");
    save->trigger();
    QVERIFY(!save->isChecked());
    save->trigger();
    QVERIFY(save->isChecked());
    t.trigger("save");
    QVERIFY(!save->isChecked());
    QFile file(t.path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("sky|1|noanime\r\n"));
    file.close();

    t.trigger("sky");
    t.find<QCheckBox>("Check1")->setChecked(true);
    t.form->close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("default|0|noanime\r\n"));
}

void SettingsTest::aFailedWriteKeepsTheOldFileAndStillCloses()
{
    QTemporaryDir dir;
    const QString readable = dir.filePath(QStringLiteral("settings.ini"));
    QVERIFY(write(readable, "earth|1|noanime\r\n"));
    const QString unwritable = dir.filePath(QStringLiteral("settings.ini/inside.ini")); // under a file
    Form1 form({readable, unwritable});
    QVERIFY(form.findChild<QAction *>(QStringLiteral("earth"))->isChecked());
    form.findChild<QAction *>(QStringLiteral("sky"))->trigger();
    QVERIFY(form.close());
    QFile file(readable);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("earth|1|noanime\r\n"));
}

void SettingsTest::savedChoicesComeBackAtTheNextStart()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    {
        Form1 form({path, path});
        form.findChild<QAction *>(QStringLiteral("sky"))->trigger();
        form.findChild<QCheckBox *>(QStringLiteral("Check1"))->setChecked(true);
        form.close();
    }
    {
        Form1 form({path, path});
        QVERIFY(form.findChild<QAction *>(QStringLiteral("sky"))->isChecked());
        QVERIFY(form.findChild<QCheckBox *>(QStringLiteral("Check1"))->isChecked());
        form.findChild<QAction *>(QStringLiteral("save"))->trigger(); // unmark: forget them
        form.close();
    }
    Form1 form({path, path});
    QVERIFY(form.findChild<QAction *>(QStringLiteral("default"))->isChecked());
    QVERIFY(form.findChild<QAction *>(QStringLiteral("save"))->isChecked());
    QVERIFY(!form.findChild<QCheckBox *>(QStringLiteral("Check1"))->isChecked());
}

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"

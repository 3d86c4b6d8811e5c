// SPDX-License-Identifier: MIT
#include "formtest.h"

#include "settings/settings.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

class SettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void startsFromEachKindOfFileAndWritesItBack_data();
    void startsFromEachKindOfFileAndWritesItBack();
    void aFailedWriteStillClosesAndTellsTheUser();
    void eachCopyKeepsTheFileInItsPlace();
    void aCopyFindsOutByWritingWhereItMayKeepItsSettings();
};

static QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void SettingsTest::startsFromEachKindOfFileAndWritesItBack_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("content"); // "(none)": no file
    QTest::addColumn<QString>("marked"); // the theme items marked
    QTest::addColumn<bool>("animate"); // Check1
    QTest::addColumn<QColor>("frame"); // a pixel of Frame1
    QTest::addColumn<QString>("then"); // what the user does before closing by the close box or "Exit"
    QTest::addColumn<QByteArray>("atExit");
    const QColor sky(0, 0, 64), earth(64, 0, 0), buttonFace = QApplication::palette().color(QPalette::Button);
    const auto row = [](const char *name, const QByteArray &content, const char *marked, bool animate, QColor frame, const char *then, const char *atExit) {
        QTest::newRow(name) << content << QString::fromLatin1(marked) << animate << frame << QString::fromLatin1(then) << QByteArray(atExit);
    };
    row("no file", "(none)", "default", false, buttonFace, "Exit", "default|1|noanime\r\n");
    row("sky|1|anime", "sky|1|anime\r\n", "sky", true, sky, "", "sky|1|anime\r\n");
    row("save unmarked", "sky|1|anime\r\n", "sky", true, sky, "unmark save, Exit", "default|0|noanime\r\n");
    row("save unmarked, close box", "earth|1|noanime\r\n", "earth", false, earth, "unmark save", "default|0|noanime\r\n");
    row("earth|1|noanime", "earth|1|noanime\r\n", "earth", false, earth, "Exit", "earth|1|noanime\r\n");
    row("default|0|noanime", "default|0|noanime\r\n", "default", false, buttonFace, "", "default|1|noanime\r\n");
    row("earth|0|anime", "earth|0|anime\r\n", "default", true, buttonFace, "Exit", "default|1|anime\r\n");
    row("Sky|1|anime", "Sky|1|anime\r\n", "", true, buttonFace, "Exit", "");
    row("sky,1,anime", "sky,1,anime\r\n", "default", false, buttonFace, "", "default|1|noanime\r\n");
    row("default|sky|1", "default|sky|1\r\n", "sky", false, sky, "", "sky|1|noanime\r\n");
    row("earth sky default 1", "earth sky default 1\r\n", "earth", false, earth, "", "earth|1|noanime\r\n");
    row("1 alone", "1\r\n", "", false, buttonFace, "", "");
    row("1 alone, then a choice", "1\r\n", "", false, buttonFace, "pick earth and Animate, Exit", "earth|1|anime\r\n");
    row("quoted", " \"earth,1\",anime\r\n", "earth", false, earth, "", "earth|1|noanime\r\n");
    row("empty", "", "default", false, buttonFace, "", "default|1|noanime\r\n");
    row("huge", QByteArray("sky|1|anime\r\n") + QByteArray(20'000'000, 'x'), "sky", true, sky, "", "sky|1|anime\r\n");
    row("huge first line", QByteArray(20'000'000, 'x') + "|sky|1|anime", "default", false, buttonFace, "", "default|1|noanime\r\n");
    row("LF", "earth|1|anime\nsky", "earth", true, earth, "", "earth|1|anime\r\n");
    row("CR", "sky|1|noanime\rearth", "sky", false, sky, "", "sky|1|noanime\r\n");
    row("CR LF first", "\r\nsky|1|anime", "default", false, buttonFace, "", "default|1|noanime\r\n");
    // clang-format on
}

void SettingsTest::startsFromEachKindOfFileAndWritesItBack()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, marked);
    QFETCH(bool, animate);
    QFETCH(QColor, frame);
    QFETCH(QString, then);
    QFETCH(QByteArray, atExit);
    FormUnderTest t(content, content != "(none)");
    for (const char *name : {"default", "sky", "earth"})
        QCOMPARE(t.action(name)->isChecked(), marked == QLatin1String(name));
    QCOMPARE(t.find<QCheckBox>("Check1")->isChecked(), animate);
    QCOMPARE(t.find<QTimer>("Timer1")->isActive(), animate);
    t.form->show();
    QCOMPARE(pixelOf(t.find("Frame1"), QPoint(3, 3)), frame);

    // "Save Theme on Exit" toggles its own mark and nothing else; nothing is written before the close.
    const QByteArray before = contentOf(t.path());
    QAction *save = t.action("save");
    for (const bool marked : {false, true}) {
        save->trigger();
        QCOMPARE(save->isChecked(), marked);
    }
    if (then.contains(QLatin1String("unmark save")))
        save->trigger();
    if (then.contains(QLatin1String("pick earth and Animate"))) {
        t.trigger("earth");
        t.click("Check1");
    }
    QCOMPARE(contentOf(t.path()), before);
    if (then.contains(QLatin1String("Exit")))
        t.trigger("ext");
    else
        QVERIFY(t.form->close());
    QVERIFY(!t.form->isVisible());
    QCOMPARE(contentOf(t.path()), atExit);
}

void SettingsTest::aFailedWriteStillClosesAndTellsTheUser()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("settings.ini"));
    const QString inside = file + QStringLiteral("/inside.ini"); // under a file: it cannot be written
    QVERIFY(Settings::write(file, "earth|1|noanime\r\n"));
    Form1 form({file, inside});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto seen = answerNextMessage();
    QVERIFY(form.close());
    QVERIFY(!form.isVisible());
    QCOMPARE(contentOf(file), QByteArray("earth|1|noanime\r\n"));
    // The window has closed; a notice, answered here, says that nothing was saved, and where.
    QTRY_VERIFY(seen->shown);
    QCOMPARE(seen->icon, QMessageBox::Warning);
    QVERIFY(seen->text.contains(QDir::toNativeSeparators(inside)));
    QVERIFY(seen->text.contains(QLatin1String("could not be saved")));
    // A second request to close, as the system makes, adds no second notice (it would fail).
    QVERIFY(form.close());
    QTest::qWait(100);
}

void SettingsTest::eachCopyKeepsTheFileInItsPlace()
{
    QTemporaryDir exe, user;
    const QString beside = exe.filePath(QStringLiteral("settings.ini")),
                  mine = user.filePath(QStringLiteral("settings.ini"));
    const auto place = [&](Settings::Copy copy) {
        const Settings::Location at = Settings::locate(exe.path(), user.path(), copy);
        return QStringList{at.readPath, at.writePath};
    };
    QVERIFY(Settings::write(beside, "sky|1|anime\r\n")); // left behind, or shipped with the program
    QCOMPARE(place(Settings::Copy::Portable), (QStringList{beside, beside}));
    QCOMPARE(place(Settings::Copy::ReadOnly), (QStringList{beside, mine})); // until the user has a file
    QCOMPARE(place(Settings::Copy::Installed), (QStringList{mine, mine})); // never another user's file
    QVERIFY(Settings::write(mine, "earth|1|anime\r\n"));
    QCOMPARE(place(Settings::Copy::ReadOnly), (QStringList{mine, mine}));
}

void SettingsTest::aCopyFindsOutByWritingWhereItMayKeepItsSettings()
{
    QTemporaryDir mine;
    QVERIFY(Settings::write(mine.filePath(QStringLiteral("settings.ini")), "sky|1|anime\r\n"));
    QCOMPARE(Settings::portableCopyIn(mine.path()), Settings::Copy::Portable);
    // Finding out leaves nothing behind.
    QCOMPARE(QDir(mine.path()).entryList(QDir::Files), QStringList{QStringLiteral("settings.ini")});
    QCOMPARE(contentOf(mine.filePath(QStringLiteral("settings.ini"))), QByteArray("sky|1|anime\r\n"));
    // A folder whose permissions forbid writing, to whom they concern.
    QTemporaryDir locked;
    QVERIFY(QFile::setPermissions(locked.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
#ifdef Q_OS_WIN
    const bool mayWriteAnyway = true; // Windows ignores a folder's read-only attribute
#else
    const bool mayWriteAnyway = ::geteuid() == 0; // root may write there all the same
#endif
    QCOMPARE(Settings::portableCopyIn(locked.path()),
             mayWriteAnyway ? Settings::Copy::Portable : Settings::Copy::ReadOnly);
    QVERIFY(
        QFile::setPermissions(locked.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    // A read-only file system, on which nobody may create a file, root included: the copy
    // keeps its theme in the user's folder.
    const QString readOnly = QStringLiteral("/proc");
    QCOMPARE(Settings::portableCopyIn(readOnly), Settings::Copy::ReadOnly);
    QTemporaryDir user;
    const auto there = [&] { return Settings::locate(readOnly, user.path(), Settings::portableCopyIn(readOnly)); };
    {
        Form1 form(there());
        form.findChild<QAction *>(QStringLiteral("sky"))->trigger();
        QVERIFY(form.close());
    }
    QCOMPARE(contentOf(user.filePath(QStringLiteral("settings.ini"))), QByteArray("sky|1|noanime\r\n"));
    Form1 again(there());
    QVERIFY(again.findChild<QAction *>(QStringLiteral("sky"))->isChecked());
}

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"

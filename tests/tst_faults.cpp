// SPDX-License-Identifier: MIT
// Bad input and faults, end to end: the window keeps what it had and always starts and ends.
#include "formtest.h"
#include "programprocess.h"

#include <QClipboard>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

class FaultsTest : public QObject
{
    Q_OBJECT
private slots:
    void aHugePasteGetsTheMessageAndLosesNothing_data();
    void aHugePasteGetsTheMessageAndLosesNothing();
    void aNamedPipeForSettingsNeverBlocksTheStart();
    void endsOnASignalWithItsSettingsWritten_data();
    void endsOnASignalWithItsSettingsWritten();
    void aFailedSaveKeepsTheOldFileWholeAndEndsWithStatusZero_data();
    void aFailedSaveKeepsTheOldFileWholeAndEndsWithStatusZero();
};

void FaultsTest::aHugePasteGetsTheMessageAndLosesNothing_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QByteArray>("button");
    QTest::newRow("bore") << QByteArray("Combo1") << QByteArray("Command1");
    QTest::newRow("inches") << QByteArray("Text1") << QByteArray("Command2");
}

void FaultsTest::aHugePasteGetsTheMessageAndLosesNothing()
{
    QFETCH(QByteArray, box);
    QFETCH(QByteArray, button);
    FormUnderTest t;
    QVERIFY(t.showAndActivate());
    t.enterMeasurements();
    t.click("Command1");
    t.setText("Text2", QStringLiteral("25.4"));
    QWidget *target = t.find(box.constData());
    if (auto *combo = qobject_cast<QComboBox *>(target))
        target = combo->lineEdit();
    auto *edit = qobject_cast<QLineEdit *>(target);
    edit->setFocus(); // entering the inches box empties the millimetres box, as it should
    const QStringList boxes = {"Combo2", "Text2", "Text5", "Text6", "Text7", "Text8", "Text9"};
    QStringList before;
    for (const QString &name : boxes)
        before.append(t.text(name.toLatin1().constData()));

    QApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('9')));
    edit->selectAll();
    edit->paste();
    QVERIFY(!edit->text().isEmpty());
    const QString pasted = edit->text();

    auto seen = answerNextMessage();
    t.click(button.constData());
    QVERIFY(seen->shown);
    QCOMPARE(edit->text(), pasted);
    QStringList after;
    for (const QString &name : boxes)
        after.append(t.text(name.toLatin1().constData()));
    QCOMPARE(after, before);
}

void FaultsTest::aNamedPipeForSettingsNeverBlocksTheStart()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    Form1 form({path, QDir(dir.path()).filePath(QStringLiteral("written.ini"))});
    QVERIFY(form.findChild<QAction *>(QStringLiteral("default"))->isChecked());
    QVERIFY(form.close());
}

void FaultsTest::endsOnASignalWithItsSettingsWritten_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP, the terminal closed") << SIGHUP;
    QTest::newRow("SIGINT, Ctrl+C") << SIGINT;
}

void FaultsTest::endsOnASignalWithItsSettingsWritten()
{
    QFETCH(int, signal);
    ProgramProcess program;
    program.writeSettings("sky|1|anime\r\n");
    QVERIFY(program.start());
    QVERIFY(program.endWith(signal));
    QCOMPARE(program.settings(), QByteArray("sky|1|anime\r\n"));
}

void FaultsTest::aFailedSaveKeepsTheOldFileWholeAndEndsWithStatusZero_data()
{
    QTest::addColumn<bool>("unwritableFolder");
    QTest::newRow("folder not writable") << true;
    QTest::newRow("file size limit") << false;
}

void FaultsTest::aFailedSaveKeepsTheOldFileWholeAndEndsWithStatusZero()
{
    QFETCH(bool, unwritableFolder);
    ProgramProcess program;
    const QByteArray old = "earth|1|noanime\r\nand a line the program never writes\r\n";
    QString settings = program.settingsPath();
    QString launcher;
    QStringList arguments;
    QStringList readOnly;
    if (unwritableFolder) {
        // A copy in a folder it cannot write to keeps its settings in the user's folder;
        // that one is read-only too. Root writes anywhere, so root runs it as nobody.
        const QString config = program.folder.filePath(QStringLiteral("config/cylinder-ratio"));
        QVERIFY(QDir().mkpath(config));
        settings = QDir(config).filePath(QStringLiteral("settings.ini"));
        readOnly = {program.folder.path(), program.folder.filePath(QStringLiteral("config")), config};
        if (geteuid() == 0) {
            launcher = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
            arguments = {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                         QStringLiteral("--clear-groups")};
        }
    } else {
        // The new file cannot grow past 4 bytes: the write fails half way.
        launcher = QStandardPaths::findExecutable(QStringLiteral("prlimit"));
        arguments = {QStringLiteral("--fsize=4"), QStringLiteral("--")};
    }
    {
        QFile file(settings);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    for (const QString &folder : std::as_const(readOnly))
        QCOMPARE(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    const auto restore = qScopeGuard([&readOnly] {
        for (const QString &folder : std::as_const(readOnly))
            chmod(QFile::encodeName(folder).constData(), 0755);
    });

    QVERIFY(program.start(launcher, arguments));
    QVERIFY(program.endWith(SIGTERM));
    QVERIFY(program.process.readAllStandardError().contains("could not save the settings"));
    QFile file(settings);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QCOMPARE(QDir(QFileInfo(settings).path()).entryList({QStringLiteral("settings.ini*")}, QDir::Files),
             QStringList{QStringLiteral("settings.ini")}); // no half-written file left over
}

QTEST_MAIN(FaultsTest)
#include "tst_faults.moc"

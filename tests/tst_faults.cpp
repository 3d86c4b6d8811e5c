// SPDX-License-Identifier: MIT
// Bad input and faults, end to end: the window keeps what it had and always starts and ends.
#include "formtest.h"

#include <QClipboard>
#include <QProcess>
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
    void anUnwritableFolderKeepsTheOldFileAndEndsWithStatusZero();
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

void FaultsTest::anUnwritableFolderKeepsTheOldFileAndEndsWithStatusZero()
{
    // As root every folder is writable: run the program as an unprivileged user instead.
    const QString dropPrivileges = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (geteuid() == 0 && dropPrivileges.isEmpty())
        QSKIP("running as root without setpriv to drop privileges");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString program = dir.filePath(QStringLiteral("cylinder-ratio"));
    QVERIFY(QFile::copy(QStringLiteral(PROGRAM_PATH), program));
    const QString config = dir.filePath(QStringLiteral("config/cylinder-ratio"));
    QVERIFY(QDir().mkpath(config));
    const QString settings = QDir(config).filePath(QStringLiteral("settings.ini"));
    {
        QFile file(settings);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earth|1|noanime\r\n");
    }
    for (const QString &folder : {dir.path(), dir.filePath(QStringLiteral("config")), config})
        QCOMPARE(chmod(QFile::encodeName(folder).constData(), 0755), 0);
    QCOMPARE(chmod(QFile::encodeName(settings).constData(), 0644), 0);

    QString launcher = program;
    QStringList arguments;
    if (geteuid() == 0) {
        const QStringList unprivileged = {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                          QStringLiteral("--clear-groups")};
        if (QProcess::execute(dropPrivileges,
                              unprivileged + QStringList{QStringLiteral("test"), QStringLiteral("-x"), program})
            != 0)
            QSKIP("the temporary folder is out of reach of an unprivileged user");
        launcher = dropPrivileges;
        arguments = unprivileged + QStringList{program};
    }
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    process.setProcessEnvironment(env);
    process.start(launcher, arguments);
    QVERIFY(process.waitForStarted());
    QTest::qWait(500);
    process.terminate();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(process.readAllStandardError().contains("could not save the settings"));
    QFile file(settings);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("earth|1|noanime\r\n"));
}

QTEST_MAIN(FaultsTest)
#include "tst_faults.moc"

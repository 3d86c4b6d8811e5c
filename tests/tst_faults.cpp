// SPDX-License-Identifier: MIT
#include "formtest.h"
#include "programprocess.h"

#include <QClipboard>
#include <QScopeGuard>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

class FaultsTest : public QObject
{
    Q_OBJECT
private slots:
    void aHugePasteGetsTheMessageAndLosesNothing();
    void aNamedPipeForSettingsNeverBlocksTheStart();
    void endsOnEverySignalWithItsSettingsWrittenOrTheOldFileWhole_data();
    void endsOnEverySignalWithItsSettingsWrittenOrTheOldFileWhole();
};

void FaultsTest::aHugePasteGetsTheMessageAndLosesNothing()
{
    for (const auto &[box, button] : {std::pair{"Combo1", "Command1"}, std::pair{"Text1", "Command2"}}) {
        FormUnderTest t;
        t.enterMeasurements();
        t.click("Command1");
        auto *combo = t.form->findChild<QComboBox *>(QLatin1String(box));
        QLineEdit *edit = combo ? combo->lineEdit() : t.find<QLineEdit>(box);
        const auto kept = [&] { return edit->text() + t.text("Combo2") + t.text("Text5") + t.text("Text9"); };
        QApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('9')));
        edit->selectAll();
        edit->paste();
        const QString before = kept();
        auto seen = answerNextMessage();
        t.click(button);
        QVERIFY2(seen->shown && edit->text().size() > 1000, box);
        QCOMPARE(kept(), before);
    }
}

void FaultsTest::aNamedPipeForSettingsNeverBlocksTheStart()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    Form1 form({path, QDir(dir.path()).filePath(QStringLiteral("written.ini"))});
    QVERIFY(form.close());
}

void FaultsTest::endsOnEverySignalWithItsSettingsWrittenOrTheOldFileWhole_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<QByteArray>("command");
    QTest::newRow("SIGTERM") << SIGTERM << QByteArray();
    QTest::newRow("SIGHUP, the terminal closed") << SIGHUP << QByteArray();
    QTest::newRow("SIGINT, Ctrl+C") << SIGINT << QByteArray();
    QTest::newRow("read-only") << SIGTERM << QByteArray("setpriv --reuid=65534 --regid=65534 --clear-groups");
    QTest::newRow("file size limit") << SIGTERM << QByteArray("prlimit --fsize=4 --");
}

void FaultsTest::endsOnEverySignalWithItsSettingsWrittenOrTheOldFileWhole()
{
    QFETCH(int, signal);
    QFETCH(QByteArray, command);
    QStringList arguments = QString::fromLatin1(command).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ProgramProcess program;
    const bool readOnly = command.startsWith("setpriv");
    const QString config = program.folder.filePath(QStringLiteral("config/cylinder-ratio"));
    QFile file(readOnly ? config + QLatin1String("/settings.ini") : program.settingsPath());
    const QByteArray old = "earth|1|anime\r\nand a line the program never writes\r\n";
    QVERIFY(QDir().mkpath(config) && file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    file.close();
    const auto setMode = [&](mode_t mode) {
        for (const QString &folder : {program.folder.path(), config})
            chmod(QFile::encodeName(folder).constData(), readOnly ? mode : 0755);
    };
    setMode(0555);
    const auto restore = qScopeGuard([&setMode] { setMode(0755); });
    const QString launcher = arguments.isEmpty() || (readOnly && geteuid() != 0) ? QString() : arguments.takeFirst();
    QVERIFY(program.start(launcher.isEmpty() ? launcher : QStandardPaths::findExecutable(launcher), arguments));
    QVERIFY(program.endWith(signal));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), arguments.isEmpty() ? QByteArray("earth|1|anime\r\n") : old);
    QCOMPARE(program.process.readAllStandardError().contains("could not save the settings"), !arguments.isEmpty());
}

QTEST_MAIN(FaultsTest)
#include "tst_faults.moc"

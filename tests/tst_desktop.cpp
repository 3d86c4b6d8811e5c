// SPDX-License-Identifier: MIT
#include "formtest.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>

class DesktopTest : public QObject
{
    Q_OBJECT
private slots:
    void desktopEntryAndMetainfoValidate();
    void installPutsEverythingWhereDesktopsLook();
    void windowsIconHoldsTheFourteenImages();
    void screenReadersFindEveryControlByName();
    void theVerdictIsAnnounced();
    void keyboardAloneComputesAConversionAndTheRatio();
};

namespace {

int run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return -1;
    if (output)
        *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString packagingFile(const char *suffix)
{
    return QStringLiteral(SOURCE_DIR "/packaging/" APP_ID) + QLatin1String(suffix);
}

QList<QAccessibleEvent *> *seenEvents = nullptr;

void recordEvent(QAccessibleEvent *event)
{
    if (seenEvents && event->type() == QAccessible::Alert)
        seenEvents->append(new QAccessibleEvent(event->object(), event->type()));
}

} // namespace

void DesktopTest::desktopEntryAndMetainfoValidate()
{
    const QString desktopValidator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    const QString appstream = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (desktopValidator.isEmpty() || appstream.isEmpty())
        QSKIP("the validators are not installed");
    QByteArray output;
    QVERIFY2(run(desktopValidator, {packagingFile(".desktop")}, &output) == 0, output.constData());
    QVERIFY2(run(appstream, {QStringLiteral("validate"), QStringLiteral("--no-net"), packagingFile(".metainfo.xml")},
                 &output)
                 == 0,
             output.constData());
}

void DesktopTest::installPutsEverythingWhereDesktopsLook()
{
    QTemporaryDir prefix;
    QByteArray output;
    QVERIFY2(run(QStringLiteral(CMAKE_COMMAND),
                 {QStringLiteral("--install"), QStringLiteral(BUILD_DIR), QStringLiteral("--prefix"), prefix.path()},
                 &output)
                 == 0,
             output.constData());
    QStringList expected = {QStringLiteral("bin/cylinder-ratio"),
                            QStringLiteral("share/applications/" APP_ID ".desktop"),
                            QStringLiteral("share/metainfo/" APP_ID ".metainfo.xml"),
                            QStringLiteral("share/icons/hicolor/scalable/apps/" APP_ID ".svg")};
    for (int size : {16, 24, 32, 48, 64, 128})
        expected.append(QStringLiteral("share/icons/hicolor/%1x%1/apps/" APP_ID ".png").arg(size));
    for (const QString &file : std::as_const(expected))
        QVERIFY2(QFileInfo(QDir(prefix.path()).filePath(file)).isFile(), qPrintable(file));
    for (int size : {16, 128}) {
        const QImage icon(
            QDir(prefix.path()).filePath(QStringLiteral("share/icons/hicolor/%1x%1/apps/" APP_ID ".png").arg(size)));
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(icon.pixelColor(0, 0).alpha(), 0); // drawn on a transparent ground
    }
}

void DesktopTest::windowsIconHoldsTheFourteenImages()
{
    QFile ico(QStringLiteral(BUILD_DIR "/icons/" APP_ID ".ico"));
    QVERIFY(ico.open(QIODevice::ReadOnly));
    const QByteArray data = ico.readAll();
    const auto word = [&data](int at) { return quint8(data[at]) | quint8(data[at + 1]) << 8; };
    QCOMPARE(word(2), 1); // an icon
    QCOMPARE(word(4), 14); // images
    QList<std::pair<int, int>> images;
    for (int i = 0; i < 14; ++i) {
        const int entry = 6 + 16 * i;
        images.append({quint8(data[entry]), word(entry + 6)});
    }
    const QList<std::pair<int, int>> expected = {{48, 4}, {32, 4},   {24, 4},  {16, 4},  {48, 8},  {32, 8},  {24, 8},
                                                 {16, 8}, {128, 32}, {64, 32}, {48, 32}, {32, 32}, {24, 32}, {16, 32}};
    QCOMPARE(images, expected);
}

void DesktopTest::screenReadersFindEveryControlByName()
{
    FormUnderTest t;
    const std::pair<const char *, const char *> names[] = {
        {"Combo1", "inner barrel diameter"},
        {"Combo2", "barrel length"},
        {"Text8", "cylinder volume"},
        {"Text5", "inner barrel area"},
        {"Check2", "Sorbo pad"},
        {"Command1", "Compute"},
        {"Text1", "inches"},
        {"Check1", "Animate"},
    };
    for (const auto &[control, name] : names) {
        QWidget *widget = t.find(control);
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            widget = combo->lineEdit(); // where the focus goes, and what is announced
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), QLatin1String(name));
        QVERIFY(!accessible->text(QAccessible::Description).isEmpty());
    }
    for (const char *control : {"Check1", "Command2", "Text2", "Text1", "Combo4", "Combo3", "Combo2", "Combo1",
                                "Command1", "Text9", "Text8", "Text7", "Text6", "Text5", "Check2"})
        QVERIFY2(!t.find(control)->accessibleName().isEmpty(), control);
}

void DesktopTest::theVerdictIsAnnounced()
{
    QList<QAccessibleEvent *> events;
    seenEvents = &events;
    const auto previous = QAccessible::installUpdateHandler(recordEvent);
    QAccessible::setActive(true);
    if (!QAccessible::isActive()) {
        QAccessible::installUpdateHandler(previous);
        QSKIP("this platform has no accessibility bridge to activate");
    }
    FormUnderTest t;
    t.enterMeasurements();
    t.click("Command1");
    QAccessible::installUpdateHandler(previous);
    seenEvents = nullptr;
    QCOMPARE(events.size(), 1);
    QCOMPARE(events.first()->object(), t.find("Label1"));
    qDeleteAll(events);
}

void DesktopTest::keyboardAloneComputesAConversionAndTheRatio()
{
    FormUnderTest t;
    QVERIFY(t.showAndActivate());
    const auto press = [](int key) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(key)); };
    const auto type = [](const char *text) { QTest::keyClicks(QApplication::focusWidget(), QLatin1String(text)); };
    press(Qt::Key_Space); // Animate, where the focus starts
    QVERIFY(t.find<QCheckBox>("Check1")->isChecked());
    press(Qt::Key_Space);
    press(Qt::Key_Tab); // Convert
    press(Qt::Key_Tab); // millimetres
    type("25.4");
    press(Qt::Key_Backtab);
    press(Qt::Key_Space);
    QCOMPARE(t.text("Text1"), QStringLiteral("1"));

    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab); // Combo4
    for (const char *value : {"73", "Standard", "363", "6.03"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        type(value);
        press(Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), t.find("Command1"));
    press(Qt::Key_Space);
    QCOMPARE(t.text("Text9"), QStringLiteral("2.6584 : 1"));
}

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"

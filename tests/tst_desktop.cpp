// SPDX-License-Identifier: MIT
// What desktops read: the entry, the metainfo, the installed icons and the Windows icon.
#include "formtest.h"

#include <QProcess>

class DesktopTest : public QObject
{
    Q_OBJECT
private slots:
    void installPutsValidFilesWhereDesktopsLook();
    void windowsIconHoldsTheSeventeenImages();
};

void DesktopTest::installPutsValidFilesWhereDesktopsLook()
{
    QTemporaryDir prefix;
    QCOMPARE(QProcess::execute(
                 QStringLiteral(CMAKE_COMMAND),
                 {QStringLiteral("--install"), QStringLiteral(BUILD_DIR), QStringLiteral("--prefix"), prefix.path()}),
             0);
    QVERIFY(QFileInfo(prefix.filePath(QStringLiteral("bin/cylinder-ratio"))).isExecutable());
    QVERIFY(QFileInfo::exists(prefix.filePath(QStringLiteral("share/icons/hicolor/scalable/apps/" APP_ID ".svg"))));
    for (int size : {16, 24, 32, 48, 64, 128}) {
        const QImage icon(prefix.filePath(QStringLiteral("share/icons/hicolor/%1x%1/apps/" APP_ID ".png").arg(size)));
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(icon.pixelColor(0, 0).alpha(), 0); // drawn on a transparent ground
    }
    // Their complaints show in the test's output; scripts/test installs them.
    QCOMPARE(QProcess::execute(QStringLiteral("desktop-file-validate"),
                               {prefix.filePath(QStringLiteral("share/applications/" APP_ID ".desktop"))}),
             0);
    QCOMPARE(QProcess::execute(QStringLiteral("appstreamcli"),
                               {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                prefix.filePath(QStringLiteral("share/metainfo/" APP_ID ".metainfo.xml"))}),
             0);
}

void DesktopTest::windowsIconHoldsTheSeventeenImages()
{
    QFile ico(QStringLiteral(BUILD_DIR "/icons/" APP_ID ".ico"));
    QVERIFY(ico.open(QIODevice::ReadOnly));
    const QByteArray data = ico.readAll();
    const auto word = [&data](int at) { return quint8(data[at]) | quint8(data[at + 1]) << 8; };
    QCOMPARE(word(2), 1); // an icon
    QStringList images; // width x bits per pixel; a width of 0 is 256
    for (int i = 0; i < word(4); ++i)
        images.append(QStringLiteral("%1x%2").arg(quint8(data[6 + 16 * i])).arg(word(6 + 16 * i + 6)));
    QCOMPARE(images.join(QLatin1Char(' ')),
             QStringLiteral("48x4 32x4 24x4 16x4 48x8 32x8 24x8 16x8 0x32 128x32 64x32 "
                            "48x32 40x32 32x32 24x32 20x32 16x32"));
}

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"

// SPDX-License-Identifier: MIT
// The program as installed, read as desktops and software centres read it: the entry, the
// metainfo and the icon theme, and the names the running window carries on X11 and Wayland.
#include "programprocess.h"

#include <QDirIterator>
#include <QImage>
#include <QSettings>
#include <QXmlStreamReader>
#include <unistd.h>

using namespace Qt::StringLiterals;

class InstalledTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void desktopsFindTheEntryItsIconsAndItsMetainfo();
    void theWindowNamesTheEntryOnX11AndWayland();
    void anInstalledCopyKeepsItsSettingsInTheUsersFolder();
    void windowsIconHoldsTheSeventeenImages();

private:
    QString installed(const QString &path) const { return m_stage.filePath(path); }
    QString entryValue(const char *key) const
    {
        return QSettings(installed(u"share/applications/"_s + m_entryName), QSettings::IniFormat)
            .value("Desktop Entry/"_L1 + QLatin1String(key))
            .toString();
    }

    QTemporaryDir m_stage;
    QString m_entryName; // the one desktop entry installed
};

void InstalledTest::initTestCase()
{
    QCOMPARE(QProcess::execute(QStringLiteral(CMAKE_COMMAND),
                               {u"--install"_s, QStringLiteral(BUILD_DIR), u"--prefix"_s, m_stage.path()}),
             0);
    const QStringList entries = QDir(installed(u"share/applications"_s)).entryList(QDir::Files);
    QCOMPARE(entries.size(), 1);
    m_entryName = entries.first();
}

void InstalledTest::desktopsFindTheEntryItsIconsAndItsMetainfo()
{
    // Their complaints show in the test's output; scripts/test installs them.
    QCOMPARE(QProcess::execute(u"desktop-file-validate"_s, {installed(u"share/applications/"_s + m_entryName)}), 0);
    const QString metainfo = installed(u"share/metainfo/"_s + m_entryName.chopped(8) + ".metainfo.xml"_L1);
    QCOMPARE(QProcess::execute(u"appstreamcli"_s, {u"validate"_s, u"--no-net"_s, metainfo}), 0);

    // What starts it, and the software centre's Launch: the metainfo names the entry and the binary.
    QVERIFY(QFileInfo(installed(u"bin/"_s + entryValue("Exec").section(' '_L1, 0, 0))).isExecutable());
    QFile file(metainfo);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList named;
    for (QXmlStreamReader xml(&file); !xml.atEnd();)
        if (xml.readNext() == QXmlStreamReader::StartElement
            && QStringList{"id", "launchable", "binary"}.contains(xml.name())) {
            const QString element = xml.name().toString() + u'=' + xml.attributes().value("type"_L1).toString() + u'=';
            named.append(element + xml.readElementText());
        }
    QCOMPARE(named,
             (QStringList{"id==" + m_entryName.chopped(8), "launchable=desktop-id=" + m_entryName,
                          "binary==" + entryValue("Exec").section(' '_L1, 0, 0)}));

    // The icon where the hicolor theme's index sends a desktop, at the design's sizes, each
    // image as large as its folder says, and as a drawing; nothing installed beside the theme's folders.
    const QSettings theme(u"/usr/share/icons/hicolor/index.theme"_s, QSettings::IniFormat);
    QStringList found;
    for (const QString &folder : theme.value("Icon Theme/Directories"_L1).toStringList()) {
        const int size = theme.value(folder + "/Size"_L1).toInt() * theme.value(folder + "/Scale"_L1, 1).toInt();
        const QString icon = installed(u"share/icons/hicolor/%1/%2."_s.arg(folder, entryValue("Icon")));
        if (QFileInfo::exists(icon + "png"_L1) && QImage(icon + "png"_L1).size() == QSize(size, size))
            found.append(QString::number(size));
        else if (QFileInfo::exists(icon + "svg"_L1) && theme.value(folder + "/Type"_L1) == "Scalable"_L1)
            found.append(u"svg"_s);
    }
    QCOMPARE(found.join(' '_L1), u"16 24 32 48 64 128 svg"_s);
    QStringList all;
    for (QDirIterator it(installed(u"share/icons"_s), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        all.append(it.next());
    QCOMPARE(all.size(), found.size());
}

void InstalledTest::theWindowNamesTheEntryOnX11AndWayland()
{
    REQUIRE_TOOLS("Xvfb", "xprop", "weston", "dbus-daemon");
    // Docks and task bars match the X11 window's class to the entry's StartupWMClass.
    ProgramProcess x11(ProgramProcess::Display::TestsOwn);
    QVERIFY(x11.startXServer() && x11.startSessionBus() && x11.start());
    QByteArray wmClass;
    const QString query = u"xprop -name \"Cylinder-to-Barrel Ratio v.3\" WM_CLASS"_s;
    QVERIFY(within(20000, [&] { return !(wmClass = x11.run(query)).isEmpty(); }));
    QCOMPARE(wmClass.split('"').value(3), entryValue("StartupWMClass").toLatin1());

    // Wayland compositors find the entry by the application id: its name without ".desktop".
    ProgramProcess wayland(ProgramProcess::Display::TestsOwn);
    for (const auto &[name, value] : {std::pair("XDG_RUNTIME_DIR", wayland.folder.path()),
                                      {"WAYLAND_DEBUG", u"client"_s},
                                      {"QT_QPA_PLATFORM", u"wayland"_s},
                                      {"WAYLAND_DISPLAY", u"wayland-installed"_s}})
        wayland.environment.insert(QLatin1String(name), value);
    wayland.startBeside(u"weston --backend=headless-backend.so --no-config --socket=wayland-installed"_s);
    QVERIFY(within(20000, [&] { return QFileInfo::exists(wayland.folder.filePath(u"wayland-installed"_s)); }));
    QVERIFY(wayland.startSessionBus() && wayland.start());
    QByteArray log;
    QVERIFY(within(20000, [&] { return (log += wayland.process.readAllStandardError()).contains(".set_app_id("); }));
    QCOMPARE(log.mid(log.indexOf(".set_app_id(") + 13).split('"').first(), m_entryName.chopped(8).toLatin1());
}

void InstalledTest::anInstalledCopyKeepsItsSettingsInTheUsersFolder()
{
    // Its bin folder, which a private mount namespace puts where the build was configured to
    // install: it runs from its install folder, as root, leaving the real one alone.
    ProgramProcess program;
    const QDir bin(installed(u"bin"_s));
    program.programPath = bin.filePath(u"cylinder-ratio"_s);
    QStringList inNamespace = {u"--mount"_s, u"--propagation"_s, u"private"_s};
    if (geteuid() != 0)
        inNamespace.append(u"--map-root-user"_s);
    // sh gets the staged program's path as $0.
    inNamespace += {u"--"_s, u"sh"_s, u"-c"_s,
                    u"mount --bind \"${0%/*}\" '%1' && exec '%1/cylinder-ratio'"_s.arg(QStringLiteral(INSTALL_BINDIR))};

    const auto contentOf = [](const QString &path, const QByteArray &replacement = {}) {
        QFile file(path);
        if (!replacement.isEmpty() && file.open(QIODevice::WriteOnly))
            file.write(replacement);
        file.close();
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    };
    const QString mine = program.folder.filePath(u"config/cylinder-ratio/settings.ini"_s);
    QVERIFY(program.start(u"unshare"_s, inNamespace) && program.endWith(SIGTERM));
    QCOMPARE(contentOf(mine), QByteArray("default|1|noanime\r\n"));
    QCOMPARE(bin.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{u"cylinder-ratio"_s});

    // It reads the user's own file, and never one that lies beside it.
    const QString beside = bin.filePath(u"settings.ini"_s);
    contentOf(beside, "earth|1|noanime\r\n");
    contentOf(mine, "sky|1|anime\r\n");
    QVERIFY(program.start(u"unshare"_s, inNamespace) && program.endWith(SIGTERM));
    QCOMPARE(contentOf(mine), QByteArray("sky|1|anime\r\n"));
    QCOMPARE(contentOf(beside), QByteArray("earth|1|noanime\r\n"));
}

void InstalledTest::windowsIconHoldsTheSeventeenImages()
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

QTEST_GUILESS_MAIN(InstalledTest)
#include "tst_installed.moc"

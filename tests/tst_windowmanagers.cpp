// SPDX-License-Identifier: MIT
#include "programprocess.h"

using namespace Qt::StringLiterals;

// The real program under a real X server and window manager, measured with xwininfo and xprop,
// and pushed about with wmctrl and xdotool as a user or another program would.
class WindowManagersTest : public QObject
{
    Q_OBJECT
private slots:
    void keepsItsWidthsPlaceAndHintsWhateverIsAsked_data()
    {
        QTest::addColumn<QString>("windowManager");
        QTest::newRow("xfwm4") << QStringLiteral("xfwm4 --compositor=off");
        QTest::newRow("kwin, Breeze") << QStringLiteral("env KWIN_COMPOSE=N kwin_x11");
        QTest::newRow("kwin, no decoration") << QStringLiteral("env KWIN_COMPOSE=N XDG_CONFIG_HOME=bare kwin_x11");
        QTest::newRow("i3, no frame extents") << QStringLiteral("i3 -c i3config");
        QTest::newRow("fluxbox, toolbar below") << QStringLiteral("fluxbox");
        QTest::newRow("icewm, taskbar below") << QStringLiteral("icewm");
        QTest::newRow("openbox") << QStringLiteral("openbox");
        QTest::newRow("metacity, no side borders") << QStringLiteral("metacity --sm-disable");
    }
    void keepsItsWidthsPlaceAndHintsWhateverIsAsked();
    void outlivesASessionCheckpointAndEndsWithTheSession();
};

void WindowManagersTest::keepsItsWidthsPlaceAndHintsWhateverIsAsked()
{
    QFETCH(QString, windowManager);
    REQUIRE_TOOLS("Xvfb", "xprop", "xwininfo", "xdotool", "wmctrl", "dbus-daemon", "xfwm4", "kwin_x11", "i3", "fluxbox",
                  "icewm", "openbox", "metacity");
    ProgramProcess program(ProgramProcess::Display::TestsOwn);
    // As under sudo: no session names a runtime folder. The managers keep their files in the test's folder.
    program.environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    program.environment.insert(QStringLiteral("HOME"), program.folder.path());
    // Where i3 and kwin find their configurations: no bar nor key bindings, no decoration.
    QVERIFY(QDir::setCurrent(program.folder.path()) && QDir().mkdir(QStringLiteral("bare")));
    for (const auto &[name, text] : {std::pair("i3config", "font pango:monospace 8\n"),
                                     std::pair("bare/kwinrc", "[org.kde.kdecoration2]\nNoPlugin=true\n")}) {
        QFile file(QString::fromLatin1(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
    }
    QVERIFY2(program.startXServer(), "Xvfb did not start");
    QVERIFY2(program.startSessionBus(), "no session bus");
    program.startBeside(windowManager).setWorkingDirectory(program.folder.path());
    const auto managed = [&] { return program.run(QStringLiteral("xprop -root _NET_SUPPORTING_WM_CHECK"), 2000); };
    QVERIFY2(within(60000, [&] { return managed().contains("window id"); }), "no window manager within a minute");

    QVERIFY(program.start());
    const QString shown = QStringLiteral("xdotool search --onlyvisible --pid %1").arg(program.process.processId());
    QVERIFY(within(20000, [&] { return program.run(shown).count('\n') == 1; })); // a window id a line
    const QString window = QString::fromLatin1(program.run(shown).trimmed());
    // A property's values as xprop shows them, "_NET_FRAME_EXTENTS(CARDINAL) = 1, 1, 22, 4".
    const auto numbers = [&](const QString &target, const char *name) { // "-root" or "-id 0x…"
        QList<int> values;
        const QByteArray line = program.run(QStringLiteral("xprop %1 ").arg(target) + QLatin1String(name));
        for (const QByteArray &value : line.mid(line.indexOf('=') + 1).split(','))
            values.append(value.trimmed().toInt(nullptr, 0));
        return values;
    };
    const auto geometry = [&](const QString &id) {
        static const QRegularExpression pattern(
            QStringLiteral("X: +(-?\\d+)\\s+Absolute upper-left Y: +(-?\\d+)[\\s\\S]*Width: (\\d+)\\s+Height: (\\d+)"));
        const auto info = pattern.match(QString::fromLatin1(program.run(QStringLiteral("xwininfo -id ") + id)));
        return QRect(info.captured(1).toInt(), info.captured(2).toInt(), info.captured(3).toInt(),
                     info.captured(4).toInt());
    };
    // The client area, and the whole frame around it: from the extents the manager publishes
    // (left, right, top, bottom), else the manager's window that holds it.
    const auto frame = [&] {
        const QRect client = geometry(window);
        const QList<int> e = numbers("-id " + window, "_NET_FRAME_EXTENTS");
        if (e.size() == 4)
            return std::pair(client, client.adjusted(-e[0], -e[2], e[1], e[3]));
        static const QRegularExpression parent(
            QStringLiteral("Root window id: (\\w+)[\\s\\S]*Parent window id: (\\w+)"));
        QString holder = window;
        for (QRegularExpressionMatch tree;
             (tree = parent.match(QString::fromLatin1(program.run(QStringLiteral("xwininfo -tree -id ") + holder))))
                 .hasMatch()
             && tree.captured(1) != tree.captured(2);)
            holder = tree.captured(2);
        return std::pair(client, geometry(holder));
    };

    // At start: 5130 twips wide, 342 pixels at 96 DPI, the whole frame centred within a pixel
    // in the area the manager leaves to windows.
    QVERIFY(within(15000, [&] { return frame().second.width() == 342; }));
    const QList<int> area = numbers(QStringLiteral("-root"), "_NET_WORKAREA");
    const QRect available = area.size() >= 4 ? QRect(area[0], area[1], area[2], area[3]) : QRect(0, 0, 1280, 1024);
    QVERIFY(within(5000, [&] { return (frame().second.center() - available.center()).manhattanLength() <= 2; }));
    const auto [client, outer] = frame();

    // Fixed size: moving, minimizing and closing are offered, nothing else.
    // Flags: functions and decorations given; functions: move, minimize, close; decorations:
    // border, title, menu, minimize button.
    QCOMPARE(numbers("-id " + window, "_MOTIF_WM_HINTS"), QList<int>({1 | 2, 4 | 8 | 32, 2 | 8 | 16 | 32, 0, 0}));
    const QByteArray actions = program.run(QStringLiteral("xprop -id %1 _NET_WM_ALLOWED_ACTIONS").arg(window));
    if (actions.contains('=')) { // where the manager publishes them
        for (const char *action : {"_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_CLOSE"})
            QVERIFY2(actions.contains(action), action);
        for (const char *action :
             {"_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"})
            QVERIFY2(!actions.contains(action), action);
    }

    // The first menu; Left wraps round to Help, whose first item opens the "How To Use this Tool" panel.
    const int menuBarHeight = client.height() - 414; // the client area below it: 6210 twips
    const auto clickAt = [&](int x, int y) {
        program.run(QStringLiteral("xdotool mousemove --window %1 %2 %3 click 1").arg(window).arg(x).arg(y));
    };
    // The panel widens it to the right to 8070 twips, 538 pixels; left edge and client height kept.
    const auto widened = std::pair(client.adjusted(0, 0, 538 - 342, 0), outer.adjusted(0, 0, 538 - 342, 0));
    const auto openPanel = [&] {
        program.run(QStringLiteral("xdotool key Escape")); // a menu that lost the keyboard
        clickAt(12, menuBarHeight / 2);
        if (within(5000, [&] { return program.run(shown).count('\n') == 2; })) {
            QTest::qWait(500); // the menu takes the keyboard a moment after it shows
            program.run(QStringLiteral("xdotool key Left Return"));
        }
        return within(5000, [&] { return frame() == widened; });
    };
    // Menus are not what is tested: the menu is opened again when the keys went astray.
    QVERIFY(openPanel() || openPanel() || openPanel());
    // Its "close" label narrows it again: Frame1 at 60, the panel at 4920 and top 105, the label
    // at 1200, 5640 and 495 x 225 twips.
    clickAt((60 + 4920 + 1200 + 247) / 15, menuBarHeight + (105 + 5640 + 112) / 15);
    const auto narrow = std::pair(client, outer); // clang 14 captures no structured bindings
    QVERIFY(within(15000, [&] { return frame() == narrow; }));

    // Whatever is granted, the window comes back to its size and place, and stays there; full
    // screen twice, as a toggle that was taken back once may stick the second time.
    for (const char *request :
         {"wmctrl -i -r %1 -b add,fullscreen", "wmctrl -i -r %1 -b add,fullscreen",
          "wmctrl -i -r %1 -b add,maximized_vert,maximized_horz", "xdotool windowsize %1 800 600"}) {
        program.run(QString::fromLatin1(request).arg(window));
        QTest::qWait(1000);
        QVERIFY2(within(10000, [&] { return frame() == narrow; }), request);
        QTest::qWait(1000);
        QVERIFY2(frame() == narrow, request);
    }

    QVERIFY(program.endWith(SIGTERM));
    QCOMPARE(program.settings(), QByteArray("default|1|noanime\r\n"));
    QCOMPARE(program.process.readAllStandardError(), QByteArray());
}

// Under xsm, an X session manager, driven by its own buttons: "Checkpoint", then "Shutdown" >
// "With Checkpoint", each confirmed in its dialog.
void WindowManagersTest::outlivesASessionCheckpointAndEndsWithTheSession()
{
    REQUIRE_TOOLS("Xvfb", "xsm", "xdotool");
    ProgramProcess program(ProgramProcess::Display::TestsOwn);
    // As where no login manager names a runtime folder: xsm keeps its ICE authority in the home folder.
    for (const char *name : {"XDG_RUNTIME_DIR", "ICEAUTHORITY", "SESSION_MANAGER"})
        program.environment.remove(QLatin1String(name));
    program.environment.insert(QStringLiteral("HOME"), program.folder.path());
    QVERIFY2(program.startXServer(), "Xvfb did not start");
    // xsm starts what its startup file names: a script that tells the test where xsm listens.
    for (const auto &[name, text] :
         {std::pair(".xsmstartup", "sh " + program.folder.filePath(QStringLiteral("announce")).toLocal8Bit() + '\n'),
          std::pair("announce", QByteArray("cd \"$HOME\" && echo \"$SESSION_MANAGER\" >new && mv new address\n")),
          std::pair("settings.ini", QByteArray("earth|1|anime\r\nand a line the program never writes\r\n"))}) {
        QFile file(program.folder.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
    }
    QFile address(program.folder.filePath(QStringLiteral("address")));
    QProcess &manager = program.startBeside(QStringLiteral("xsm"));
    QVERIFY2(within(30000, [&] { return address.size() > 1; }), "xsm started nothing");
    QVERIFY(address.open(QIODevice::ReadOnly));
    program.environment.insert(QStringLiteral("SESSION_MANAGER"), QString::fromLocal8Bit(address.readAll().trimmed()));
    QVERIFY(program.start());

    // A shown window's id, once there is one with that name.
    const auto window = [&](const char *name) {
        QByteArray id;
        within(10000, [&] { return !(id = program.run("xdotool search --onlyvisible --name "_L1 + name)).isEmpty(); });
        return QString::fromLatin1(id.split('\n').first());
    };
    const QString xsm = window("^xsm:");
    // A press in xsm's window, then its dialog's first button, under a field for the session's name.
    const auto ask = [&](const char *press, const char *dialog) {
        program.run(u"xdotool mousemove --window %1 "_s.arg(xsm) + QLatin1String(press));
        const QString id = window(dialog);
        program.run(u"xdotool mousemove --window %1 190 20 click 1 type saved"_s.arg(id)); // type takes all after it
        program.run(u"xdotool mousemove --window %1 40 107 click 1"_s.arg(id));
        return !id.isEmpty();
    };
    QVERIFY(ask("45 36 click 1", "^Checkpoint$"));
    // The session is saved once every client has answered: the program neither refused nor hung.
    QVERIFY2(within(20000, [&] { return QFileInfo::exists(program.folder.filePath(QStringLiteral(".XSM-saved"))); }),
             "the checkpoint never ended");
    QTest::qWait(1000);
    QVERIFY2(program.process.state() == QProcess::Running, "a checkpoint closed the program");
    QVERIFY(program.settings().contains("never writes"));

    QVERIFY(ask("135 36 mousedown 1 sleep 1 mousemove_relative 0 20 mouseup 1", "^Shutdown$"));
    QVERIFY2(program.process.waitForFinished(20000), "the session ended, the program not");
    QCOMPARE(program.process.exitCode(), 0);
    QCOMPARE(program.settings(), QByteArray("earth|1|anime\r\n"));
    QVERIFY2(manager.waitForFinished(20000), "the session manager was kept from ending");
}

QTEST_GUILESS_MAIN(WindowManagersTest)
#include "tst_windowmanagers.moc"

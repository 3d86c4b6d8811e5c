// SPDX-License-Identifier: MIT
#include "programprocess.h"

// The real program under a real X server and window manager, measured with xwininfo and xprop.
class WindowManagersTest : public QObject
{
    Q_OBJECT
private slots:
    void outerWidthCentringAndHintsFollowTheDesign_data()
    {
        QTest::addColumn<QString>("windowManager");
        QTest::newRow("openbox") << QStringLiteral("openbox");
        QTest::newRow("metacity, no side borders") << QStringLiteral("metacity --sm-disable");
    }
    void outerWidthCentringAndHintsFollowTheDesign();
};

void WindowManagersTest::outerWidthCentringAndHintsFollowTheDesign()
{
    QFETCH(QString, windowManager);
    REQUIRE_TOOLS("Xvfb", "xprop", "xwininfo", "xdotool", "openbox", "metacity");
    ProgramProcess program(ProgramProcess::Display::TestsOwn);
    // Without -noreset, every short client such as xprop that leaves last resets the server,
    // which turns away whoever connects meanwhile: now and then the window manager.
    QProcess &server =
        program.startBeside(QStringLiteral("Xvfb -displayfd 1 -noreset -screen 0 1280x1024x24 -nolisten tcp"));
    QVERIFY2(server.waitForReadyRead(30000), "Xvfb did not start");
    program.environment.insert(QStringLiteral("DISPLAY"), ':' + QString::fromLatin1(server.readLine().trimmed()));
    program.startBeside(windowManager);
    const auto managed = [&] { return program.run(QStringLiteral("xprop -root _NET_SUPPORTING_WM_CHECK"), 2000); };
    QVERIFY2(within(60000, [&] { return managed().contains("window id"); }), "no window manager within a minute");

    QVERIFY(program.start());
    const QString shown = QStringLiteral("xdotool search --onlyvisible --pid %1").arg(program.process.processId());
    QVERIFY(within(20000, [&] { return program.run(shown).count('\n') == 1; })); // a window id a line
    const QString window = QString::fromLatin1(program.run(shown).trimmed());
    // A property's values as xprop shows them, "_NET_FRAME_EXTENTS(CARDINAL) = 1, 1, 22, 4"; the client
    // area, and the whole frame around it from those extents: left, right, top, bottom.
    const auto numbers = [&](const char *name) {
        QList<int> values;
        const QByteArray line = program.run(QStringLiteral("xprop -id %1 ").arg(window) + QLatin1String(name));
        for (const QByteArray &value : line.mid(line.indexOf('=') + 1).split(','))
            values.append(value.trimmed().toInt(nullptr, 0));
        return values;
    };
    const auto frame = [&] {
        static const QRegularExpression geometry(
            QStringLiteral("X: +(-?\\d+)\\s+Absolute upper-left Y: +(-?\\d+)[\\s\\S]*Width: (\\d+)\\s+Height: (\\d+)"));
        const auto info = geometry.match(QString::fromLatin1(program.run(QStringLiteral("xwininfo -id ") + window)));
        const QRect client(info.captured(1).toInt(), info.captured(2).toInt(), info.captured(3).toInt(),
                           info.captured(4).toInt());
        const QList<int> e = numbers("_NET_FRAME_EXTENTS");
        return std::pair(client, e.size() == 4 ? client.adjusted(-e[0], -e[2], e[1], e[3]) : QRect());
    };

    // At start: 5130 twips wide, 342 pixels at 96 DPI, the whole frame centred within a pixel.
    QVERIFY(within(15000, [&] { return frame().second.width() == 342; }));
    const auto [client, outer] = frame();
    QVERIFY(qAbs(2 * outer.x() + outer.width() - 1280) <= 2 && qAbs(2 * outer.y() + outer.height() - 1024) <= 2);

    // Fixed size: nothing but moving, minimizing and closing is offered.
    const QList<int> motif = numbers("_MOTIF_WM_HINTS");
    QCOMPARE(motif.value(0) & 3, 3); // functions and decorations given
    QCOMPARE(motif.value(1) & (1 | 2 | 16), 0); // no all, resize nor maximize function
    QCOMPARE(motif.value(2) & (1 | 4 | 64), 0); // no all, resize handles nor maximize button
    const QByteArray actions = program.run(QStringLiteral("xprop -id %1 _NET_WM_ALLOWED_ACTIONS").arg(window));
    QVERIFY(actions.contains("_NET_WM_ACTION_CLOSE"));
    for (const char *action : {"_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"})
        QVERIFY2(!actions.contains(action), action);

    // The first menu; Left wraps round to Help, whose first item opens the "How To Use this Tool" panel.
    const int menuBarHeight = client.height() - 414; // the client area below it: 6210 twips
    const auto clickAt = [&](int x, int y) {
        program.run(QStringLiteral("xdotool mousemove --window %1 %2 %3 click 1").arg(window).arg(x).arg(y));
    };
    clickAt(12, menuBarHeight / 2);
    QVERIFY(within(15000, [&] { return program.run(shown).count('\n') == 2; }));
    program.run(QStringLiteral("xdotool key Left Return"));
    // The panel widens it to the right to 8070 twips, 538 pixels; left edge and client height kept.
    const auto widened = std::pair(client.adjusted(0, 0, 538 - 342, 0), outer.adjusted(0, 0, 538 - 342, 0));
    QVERIFY(within(15000, [&] { return frame() == widened; }));
    // Its "close" label narrows it again: Frame1 at 60, the panel at 4920 and top 105, the label
    // at 1200, 5640 and 495 x 225 twips.
    clickAt((60 + 4920 + 1200 + 247) / 15, menuBarHeight + (105 + 5640 + 112) / 15);
    const auto narrow = std::pair(client, outer); // clang 14 captures no structured bindings
    QVERIFY(within(15000, [&] { return frame() == narrow; }));
    QVERIFY(program.endWith(SIGTERM));
    QCOMPARE(program.settings(), QByteArray("default|1|noanime\r\n"));
}

QTEST_GUILESS_MAIN(WindowManagersTest)
#include "tst_windowmanagers.moc"

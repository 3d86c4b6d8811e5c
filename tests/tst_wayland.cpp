// SPDX-License-Identifier: MIT
#include "compositor.h"

#include <QSize>

// The real program as a native client of four compositors, weston, mutter and KWin nested in a
// private X server and sway headless, driven as a user would, with the X server's keyboard and
// pointer (sway: a virtual keyboard) and the compositors' own commands; watched through its
// requests and the compositor's answers.
class WaylandTest : public QObject
{
    Q_OBJECT
private slots:
    void framesAFixedSizeWindowAndOpensHelpByKeyboard_data();
    void framesAFixedSizeWindowAndOpensHelpByKeyboard();
    void closingFromTheCompositorEndsTheProcessAndSaves_data();
    void closingFromTheCompositorEndsTheProcessAndSaves();
    void tiledOnSwayKeepsTheCompositorsFrameAlone();
};

namespace {
// The design's sizes at 96 DPI: outer widths of 5130 and 8070 twips, narrow and with a panel,
// 8 pixels of side borders in them, and a client area (menu bar included) 434 pixels high.
// The program's own frame adds a title bar of 22 pixels and a bottom border of 4 to the height.
constexpr QSize kOwnNarrow(342, 460), kOwnWide(538, 460);
constexpr QSize kClientNarrow(334, 434), kClientWide(530, 434);
constexpr int kCloses = 10; // with a session bus and as many without

void addCompositors()
{
    QTest::addColumn<Compositor::Kind>("kind");
    QTest::newRow("weston") << Compositor::Kind::Weston;
    QTest::newRow("mutter") << Compositor::Kind::Mutter;
    QTest::newRow("kwin") << Compositor::Kind::KWin;
    QTest::newRow("kwin refusing to frame") << Compositor::Kind::KWinWithoutDecorations;
    QTest::newRow("sway") << Compositor::Kind::Sway;
}

// What the compositor decides when asked to frame the window: 2 to frame it, 1 to leave it to
// the program; 0 where it offers no frames, and is never asked.
int decorationMode(Compositor::Kind kind)
{
    switch (kind) {
    case Compositor::Kind::KWin:
    case Compositor::Kind::Sway:
        return 2;
    case Compositor::Kind::KWinWithoutDecorations:
        return 1;
    default:
        return 0;
    }
}
} // namespace

void WaylandTest::framesAFixedSizeWindowAndOpensHelpByKeyboard_data()
{
    addCompositors();
}

void WaylandTest::framesAFixedSizeWindowAndOpensHelpByKeyboard()
{
    QFETCH(Compositor::Kind, kind);
    Compositor compositor(kind);
    QVERIFY(compositor.start());
    QVERIFY(compositor.startProgram(true));
    RequestLog &log = *compositor.log;

    // The compositor's frame where it offers one, else (and where it refuses) the program's own,
    // whose size is all of the window's; equal least and greatest sizes, those of the geometry,
    // from the first commit.
    const int mode = decorationMode(kind);
    const bool byCompositor = mode == 2;
    QVERIFY(within(5000, [&] { return log.decorationMode() == mode; }));
    QVERIFY(within(5000, [&] { return log.lastGeometry() == (byCompositor ? kClientNarrow : kOwnNarrow); }));
    QCOMPARE(log.lastGeometry(), byCompositor ? kClientNarrow : kOwnNarrow);
    QCOMPARE(log.sizeMismatch(), QByteArray());
    // The window is drawn by the raster engine into shared memory: no GPU driver is loaded for it.
    QFile maps(QStringLiteral("/proc/%1/maps").arg(compositor.program.process.processId()));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    QVERIFY2(!mapped.contains("libEGL_mesa") && !mapped.contains("_dri.so"), "a GPU driver is loaded");
    if (kind == Compositor::Kind::Weston) {
        // The program's title bar: a double click starts a move and maximizes nothing; its
        // minimize button minimizes (last, below).
        QVERIFY(compositor.findWindow());
        compositor.click(kTitle, 2);
        QVERIFY(within(5000, [&] { return log.asked("move"); }));
    }

    // F10 opens the menu bar on its first menu; Left and Right step between the menus (back
    // and forth, so that each step is taken once), and from Help, Down and Return open its last
    // panel: the window widens, its height kept. Escape closes the panel.
    compositor.keys({"F10", "Right", "Right", "Left", "Right", "Down", "Down", "Down", "Return"});
    QVERIFY(within(5000, [&] { return log.lastGeometry() == (byCompositor ? kClientWide : kOwnWide); }));
    if (kind != Compositor::Kind::Sway) { // not yet with sway's virtual keyboard
        // Out of the panel's text and close label on to the cylinder length, whose list F4
        // opens: Escape closes the list alone, the next the panel.
        const auto popups = [&log] { return log.lines().join('\n').count(".get_popup("); };
        const qsizetype before = popups();
        compositor.keys({"Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "F4"});
        QVERIFY(within(5000, [&] { return popups() > before; }));
        compositor.keys({"Escape"});
        QTest::qWait(1000);
        QCOMPARE(log.lastGeometry(), byCompositor ? kClientWide : kOwnWide);
    }
    compositor.keys({"Escape"});
    QVERIFY(within(5000, [&] { return log.lastGeometry() == (byCompositor ? kClientNarrow : kOwnNarrow); }));
    QCOMPARE(log.sizeMismatch(), QByteArray());
    QVERIFY(!log.asked("set_maximized"));
    QVERIFY(!log.asked("set_fullscreen"));
    QCOMPARE(log.decorationMode(), mode); // never changed meanwhile

    if (kind == Compositor::Kind::Weston) {
        compositor.click(kMinimizeButton);
        QVERIFY(within(5000, [&] { return log.asked("set_minimized"); }));
    }
    QVERIFY(compositor.program.endWith(SIGTERM));
    QCOMPARE(compositor.program.settings(), QByteArray("default|1|noanime\r\n"));
}

void WaylandTest::closingFromTheCompositorEndsTheProcessAndSaves_data()
{
    addCompositors();
}

// Qt 6.4 can hang as it closes its connection, most often without a session bus: each close
// counts, with and without one.
void WaylandTest::closingFromTheCompositorEndsTheProcessAndSaves()
{
    QFETCH(Compositor::Kind, kind);
    Compositor compositor(kind);
    QVERIFY(compositor.start());
    for (int run = 0; run < 2 * kCloses; ++run) {
        const bool bus = run < kCloses;
        QFile::remove(compositor.program.settingsPath());
        QVERIFY2(compositor.startProgram(bus), qPrintable(QStringLiteral("start %1").arg(run + 1)));
        QVERIFY(within(15000, [&] { return !compositor.log->lastGeometry().isEmpty(); }));
        compositor.closeWindow();
        // Within two seconds of the close, normally, with status 0, and saved.
        QVERIFY2(compositor.program.process.waitForFinished(2000),
                 qPrintable(QStringLiteral("close %1 of %2, %3 a session bus")
                                .arg(run + 1)
                                .arg(2 * kCloses)
                                .arg(bus ? "with" : "without")));
        QCOMPARE(compositor.program.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(compositor.program.process.exitCode(), 0);
        QCOMPARE(compositor.program.settings(), QByteArray("default|1|noanime\r\n"));
    }
}

void WaylandTest::tiledOnSwayKeepsTheCompositorsFrameAlone()
{
    Compositor compositor(Compositor::Kind::Sway);
    QVERIFY(compositor.start());
    QVERIFY(compositor.startProgram(true));
    RequestLog &log = *compositor.log;
    QVERIFY(within(5000, [&] { return log.decorationMode() == 2; }));
    // Tiled by the user: sway's title bar over the tile, and no second one of the program's; the
    // window keeps its size, which sway centres in the tile.
    QVERIFY(!compositor.sway(QStringLiteral("[pid=%1] floating disable").arg(compositor.program.process.processId()))
                 .isEmpty());
    QVERIFY(within(
        5000, [&] { return !compositor.sway(QStringLiteral("-t get_tree")).contains("\"type\": \"floating_con\""); }));
    QTest::qWait(500);
    QCOMPARE(log.decorationMode(), 2);
    QCOMPARE(log.lastGeometry(), kClientNarrow);
    QCOMPARE(log.sizeMismatch(), QByteArray());
    compositor.closeWindow();
    QVERIFY(compositor.program.process.waitForFinished(2000));
    QCOMPARE(compositor.program.settings(), QByteArray("default|1|noanime\r\n"));
}

QTEST_GUILESS_MAIN(WaylandTest)
#include "tst_wayland.moc"

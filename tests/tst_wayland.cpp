// SPDX-License-Identifier: MIT
#include "programprocess.h"

#include <QPoint>
#include <QSize>

// The real program as a native client of a compositor nested in a private X server, which the test
// drives as a user would, with the X server's pointer and keyboard; watched through its requests.
class WaylandTest : public QObject
{
    Q_OBJECT
private slots:
    void declaresAFixedSizeFrameIncludedAndNeverMaximizes();
    void closesFromItsTitleBarAndSavesItsSettings();
};

namespace {
// The program's requests, as in "[123.456]  -> xdg_toplevel@19.set_min_size(342, 460)".
class RequestLog
{
public:
    explicit RequestLog(QProcess &program) : m_program(program) { }

    QList<QByteArray> lines()
    {
        m_text += m_program.readAllStandardError();
        return m_text.split('\n');
    }
    // Whether the program asked the compositor so of its top-level window.
    bool asked(const char *request)
    {
        const QRegularExpression pattern(QStringLiteral("xdg_toplevel@\\d+\\.%1\\(").arg(QLatin1String(request)));
        return pattern.match(QString::fromLatin1(lines().join('\n'))).hasMatch();
    }
    QSize lastGeometry()
    {
        QSize last;
        for (const QByteArray &line : lines())
            if (line.contains(".set_window_geometry("))
                last = size(line, 2);
        return last;
    }
    // Where the declared least and greatest sizes differ from each other or from the window
    // geometry they come with; empty when they never do, nor were missing at the first commit.
    QByteArray sizeMismatch()
    {
        QSize least, greatest;
        bool committed = false;
        for (const QByteArray &line : lines()) {
            if (line.contains(".set_min_size("))
                least = size(line, 0);
            else if (line.contains(".set_max_size("))
                greatest = size(line, 0);
            const bool commit = line.contains(".commit(");
            const bool geometry = line.contains(".set_window_geometry(");
            if ((commit && !committed && least.isEmpty()) || ((commit || geometry) && greatest != least)
                || (geometry && size(line, 2) != least))
                return line;
            committed = committed || commit;
        }
        return {};
    }

private:
    // The width and height among a request's arguments, from the given one on.
    static QSize size(const QByteArray &line, int first)
    {
        const QList<QByteArray> arguments = line.mid(line.indexOf('(') + 1).chopped(1).split(',');
        return {arguments.value(first).trimmed().toInt(), arguments.value(first + 1).trimmed().toInt()};
    }

    QProcess &m_program;
    QByteArray m_text;
};

// The compositor's output, 640 x 480, in the top-left corner of the X screen: no panel, so that the
// window lies wholly inside it, wherever the compositor puts it.
constexpr QSize kOutput(640, 480);

// The program on a compositor of its own, and where its window's top-left corner is on the X screen.
struct Session {
    ProgramProcess program{ProgramProcess::Display::TestsOwn};
    std::optional<RequestLog> log;
    QPoint origin;

    bool start()
    {
        program.environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), program.folder.path()); // private, as it must be
        QProcess &server =
            program.startBeside(QStringLiteral("Xvfb -displayfd 1 -noreset -screen 0 1024x768x24 -nolisten tcp"));
        if (!server.waitForReadyRead(30000))
            return false;
        program.environment.insert(QStringLiteral("DISPLAY"), ':' + QString::fromLatin1(server.readLine().trimmed()));
        if (!program.startSessionBus())
            return false;
        QFile config(program.folder.filePath(QStringLiteral("weston.ini")));
        if (!config.open(QIODevice::WriteOnly) || config.write("[shell]\npanel-position=none\n") <= 0)
            return false;
        config.close();
        program.startBeside(QStringLiteral("weston --backend=x11-backend.so --use-pixman --width=%1 --height=%2 "
                                           "--socket=test --idle-time=0 --config=%3")
                                .arg(kOutput.width())
                                .arg(kOutput.height())
                                .arg(config.fileName()));
        if (!within(20000, [&] { return QFile::exists(program.folder.filePath(QStringLiteral("test"))); }))
            return false;
        program.environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("test"));
        program.environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        program.environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
        pointAt({1000, 700}); // off the compositor's output
        if (!program.start())
            return false;
        log.emplace(program.process);
        // The pointer moved over the middle of the output is over the window: its place follows
        // from where in the window the program is told the pointer entered.
        static const QRegularExpression entered(QStringLiteral("wl_pointer@\\d+\\.enter\\(\\d+, wl_surface@\\d+, (\\d+)"
                                                               "\\.\\d+, (\\d+)\\.\\d+\\)"));
        if (!within(15000, [&] { return !log->lastGeometry().isEmpty(); }))
            return false;
        const qsizetype before = log->lines().size();
        const QPoint middle(kOutput.width() / 2, kOutput.height() / 2);
        pointAt(middle);
        QRegularExpressionMatch at;
        const bool found = within(5000, [&] {
            at = entered.match(QString::fromLatin1(log->lines().mid(before - 1).join('\n')));
            return at.hasMatch();
        });
        origin = middle - QPoint(at.captured(1).toInt(), at.captured(2).toInt());
        return found;
    }
    void pointAt(QPoint onScreen)
    {
        program.run(QStringLiteral("xdotool mousemove %1 %2").arg(onScreen.x()).arg(onScreen.y()));
    }
    // Clicks a place in the window the given number of times.
    void click(QPoint inWindow, int times = 1)
    {
        pointAt(origin + inWindow);
        program.run(QStringLiteral("xdotool click --repeat %1 --delay 80 1").arg(times));
    }
    void keys(const QString &names) { program.run(QStringLiteral("xdotool key ") + names); }
};

// The frame the program draws: a title bar 22 pixels high with square buttons at its right end,
// the close button last, inside a border of 4 pixels.
constexpr QPoint kTitle(150, 11);
constexpr QPoint kCloseButton(342 - 4 - 9, 11);
constexpr QPoint kMinimizeButton(342 - 4 - 18 - 9, 11);
constexpr QPoint kHelpMenu(125, 22 + 11);
} // namespace

void WaylandTest::declaresAFixedSizeFrameIncludedAndNeverMaximizes()
{
    REQUIRE_TOOLS("Xvfb", "weston", "xdotool", "dbus-daemon");
    Session session;
    QVERIFY(session.start());
    RequestLog &log = *session.log;

    // Shown: the window geometry, the frame drawn by the program included, 5130 twips wide at 96 DPI.
    const QSize narrow = log.lastGeometry();
    QCOMPARE(narrow.width(), 342);
    // A fixed size: equal least and greatest sizes, those of the window geometry, from the first commit.
    QCOMPARE(log.sizeMismatch(), QByteArray());

    // A double click on the title bar: the first press starts a move; nothing maximizes.
    session.click(kTitle, 2);
    QVERIFY(within(5000, [&] { return log.asked("move"); }));

    // Help's first item opens a panel: 8070 twips wide, the height kept; Escape closes it.
    const auto openPanel = [&] {
        session.keys(QStringLiteral("Escape")); // a menu that lost the keyboard
        session.click(kHelpMenu);
        QTest::qWait(500); // the menu takes the keyboard a moment after it shows
        session.keys(QStringLiteral("Down Return"));
        return within(5000, [&] { return log.lastGeometry() == QSize(538, narrow.height()); });
    };
    // Menus are not what is tested: the menu is opened again when the keys went astray.
    QVERIFY(openPanel() || openPanel() || openPanel());
    session.keys(QStringLiteral("Escape"));
    QVERIFY(within(5000, [&] { return log.lastGeometry() == narrow; }));
    QCOMPARE(log.sizeMismatch(), QByteArray());

    session.click(kMinimizeButton);
    QVERIFY(within(5000, [&] { return log.asked("set_minimized"); }));
    QVERIFY(!log.asked("set_maximized"));
    QVERIFY(!log.asked("resize"));

    QVERIFY(session.program.endWith(SIGTERM));
    QCOMPARE(session.program.settings(), QByteArray("default|1|noanime\r\n"));
}

void WaylandTest::closesFromItsTitleBarAndSavesItsSettings()
{
    REQUIRE_TOOLS("Xvfb", "weston", "xdotool", "dbus-daemon");
    Session session;
    QVERIFY(session.start());
    session.click(kCloseButton);
    QVERIFY(session.program.process.waitForFinished(20000));
    QCOMPARE(session.program.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(session.program.process.exitCode(), 0);
    QCOMPARE(session.program.settings(), QByteArray("default|1|noanime\r\n"));
}

QTEST_GUILESS_MAIN(WaylandTest)
#include "tst_wayland.moc"

// SPDX-License-Identifier: MIT
#include "sessiontest.h"

#include <QMargins>
#include <QRect>
#include <QRegularExpression>

// The real program under a real X server and reparenting window manager, measured from
// outside with the window manager's own properties.
class WindowManagersTest : public QObject
{
    Q_OBJECT
private slots:
    void outerWidthCentringAndHintsFollowTheDesign_data();
    void outerWidthCentringAndHintsFollowTheDesign();
};

namespace {

constexpr QSize kScreen(1280, 1024);
// 96 DPI: 15 twips to the pixel.
constexpr int kNarrowOuterWidth = 342; // 5130 twips
constexpr int kWideOuterWidth = 538; // 8070 twips
constexpr int kClientHeightBelowMenus = 414; // 6210 twips
// The "close" label of the "How To Use this Tool" panel, in the client area below the menu bar:
// Frame1 at 60, the panel at 4920 and top 105, the label at 1200, 5640 and 495 x 225 twips.
constexpr QPoint kCloseLabelCentre((60 + 4920 + 1200 + 247) / 15, (105 + 5640 + 112) / 15);

struct Frame {
    QRect client; // absolute
    QMargins extents; // _NET_FRAME_EXTENTS; null when not reported
    QRect outer() const { return client.marginsAdded(extents); }
};

class XSession
{
public:
    explicit XSession(const QStringList &windowManager)
    {
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                        QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(kScreen.width()).arg(kScreen.height()),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!m_server.waitForReadyRead(10000))
            return;
        m_env = sessionEnvironment();
        m_env.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(m_server.readLine().trimmed()));
        m_windowManager.setProcessEnvironment(m_env);
        m_windowManager.start(windowManager.first(), windowManager.mid(1));
    }
    ~XSession()
    {
        m_windowManager.kill();
        m_windowManager.waitForFinished();
        m_server.terminate();
        m_server.waitForFinished();
    }
    bool windowManagerRuns() const
    {
        return output(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")},
                      m_env)
            .contains("window id");
    }
    QProcessEnvironment environment() const { return m_env; }
    QByteArray x(const char *tool, QStringList arguments) const
    {
        return output(QLatin1String(tool), arguments, m_env);
    }
    QByteArray property(const QString &window, const char *name) const
    {
        return x("xprop", {QStringLiteral("-id"), window, QLatin1String(name)});
    }
    Frame frame(const QString &window) const
    {
        const QByteArray info = x("xwininfo", {QStringLiteral("-id"), window});
        const auto field = [&info](const char *name) {
            return QRegularExpression(QLatin1String(name) + QLatin1String(":\\s+(-?\\d+)"))
                .match(QString::fromLatin1(info))
                .captured(1)
                .toInt();
        };
        Frame frame{{field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height")},
                    {}};
        const QList<int> extents = numbers(property(window, "_NET_FRAME_EXTENTS"));
        if (extents.size() == 4) // left, right, top, bottom
            frame.extents = QMargins(extents[0], extents[2], extents[1], extents[3]);
        return frame;
    }
    static QList<int> numbers(const QByteArray &property)
    {
        QList<int> values;
        const int equals = property.indexOf('=');
        if (equals < 0)
            return values;
        for (const QByteArray &value : property.mid(equals + 1).split(','))
            values.append(value.trimmed().toInt(nullptr, 0));
        return values;
    }

private:
    QProcess m_server;
    QProcess m_windowManager;
    QProcessEnvironment m_env;
};

} // namespace

void WindowManagersTest::outerWidthCentringAndHintsFollowTheDesign_data()
{
    QTest::addColumn<QStringList>("windowManager");
    QTest::newRow("openbox") << QStringList{QStringLiteral("openbox")};
    QTest::newRow("metacity, no side borders")
        << QStringList{QStringLiteral("metacity"), QStringLiteral("--sm-disable")};
}

void WindowManagersTest::outerWidthCentringAndHintsFollowTheDesign()
{
    QFETCH(QStringList, windowManager);
    REQUIRE_TOOLS("Xvfb", "xprop", "xwininfo", "xdotool");
    REQUIRE_TOOLS("openbox", "metacity");
    XSession session(windowManager);
    QTRY_VERIFY_WITH_TIMEOUT(session.windowManagerRuns(), 30000);

    ProgramCopy copy;
    QProcess program;
    QProcessEnvironment env = session.environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(env);
    program.start(copy.path());
    QVERIFY(program.waitForStarted());
    const auto shownWindows = [&] {
        return QString::fromLatin1(session.x("xdotool",
                                             {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                              QStringLiteral("--pid"), QString::number(program.processId())}))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };
    QTRY_COMPARE_WITH_TIMEOUT(shownWindows().size(), 1, 20000);
    const QString window = shownWindows().constFirst();

    // At start: the narrow width, the whole frame centred.
    QTRY_VERIFY_WITH_TIMEOUT(!session.frame(window).extents.isNull(), 15000);
    QTRY_COMPARE_WITH_TIMEOUT(session.frame(window).outer().width(), kNarrowOuterWidth, 15000);
    const Frame start = session.frame(window);
    // Centred within a pixel: twice the offset of the frame's centre from the screen's.
    const QRect outer = start.outer();
    QVERIFY2(qAbs(2 * outer.x() + outer.width() - kScreen.width()) <= 2, qPrintable(QString::number(outer.x())));
    QVERIFY2(qAbs(2 * outer.y() + outer.height() - kScreen.height()) <= 2, qPrintable(QString::number(outer.y())));

    // Fixed size: nothing but moving, minimizing and closing is offered.
    const QList<int> motif = XSession::numbers(session.property(window, "_MOTIF_WM_HINTS"));
    QCOMPARE(motif.size(), 5);
    enum {
        Functions = 1,
        Decorations = 2,
        FunctionAll = 1,
        Resize = 2,
        Maximize = 16,
        ResizeHandles = 4,
        MaximizeButton = 64
    };
    QVERIFY(motif[0] & Functions);
    QCOMPARE(motif[1] & (FunctionAll | Resize | Maximize), 0);
    QVERIFY(motif[0] & Decorations);
    QCOMPARE(motif[2] & (FunctionAll | ResizeHandles | MaximizeButton), 0);
    const QByteArray actions = session.property(window, "_NET_WM_ALLOWED_ACTIONS");
    for (const char *action : {"_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"})
        QVERIFY2(!actions.contains(action), action);

    // A panel widens the window to the right; closing it narrows it again.
    const int menuBarHeight = start.client.height() - kClientHeightBelowMenus;
    const auto click = [&](QPoint at) {
        session.x("xdotool",
                  {QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(at.x()),
                   QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
    };
    const auto key = [&](const char *name) { session.x("xdotool", {QStringLiteral("key"), QLatin1String(name)}); };
    click({12, menuBarHeight / 2}); // the first menu; Left wraps round to Help, whose first item is the panel
    QTRY_COMPARE_WITH_TIMEOUT(shownWindows().size(), 2, 15000);
    key("Left");
    key("Return");
    QTRY_COMPARE_WITH_TIMEOUT(session.frame(window).outer().width(), kWideOuterWidth, 15000);
    const Frame wide = session.frame(window);
    QCOMPARE(wide.outer().left(), start.outer().left());
    QCOMPARE(wide.outer().top(), start.outer().top());
    QCOMPARE(wide.client.height(), start.client.height());

    click(kCloseLabelCentre + QPoint(0, menuBarHeight));
    QTRY_COMPARE_WITH_TIMEOUT(session.frame(window).outer().width(), kNarrowOuterWidth, 15000);
    const Frame narrow = session.frame(window);
    QCOMPARE(narrow.outer().topLeft(), start.outer().topLeft());
    QCOMPARE(narrow.client.height(), start.client.height());

    QVERIFY(endsWithStatusZero(program));
    QCOMPARE(copy.settings(), QByteArray("default|1|noanime\r\n"));
}

QTEST_GUILESS_MAIN(WindowManagersTest)
#include "tst_windowmanagers.moc"

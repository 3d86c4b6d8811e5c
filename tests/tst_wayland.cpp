// SPDX-License-Identifier: MIT
#include "sessiontest.h"

#include <QRegularExpression>

// The real program as a native client of a headless Wayland compositor, watched through the
// protocol messages it sends.
class WaylandTest : public QObject
{
    Q_OBJECT
private slots:
    void runsNativelyAtTheDesignSizeAndClosesOnSigterm();
};

namespace {

constexpr int kNarrowOuterWidth = 342; // 5130 twips at 96 DPI

// The last values the program sent in its requests of this name.
QList<int> lastRequest(const QByteArray &log, const char *request)
{
    const QRegularExpression pattern(QLatin1String("\\.") + QLatin1String(request)
                                     + QLatin1String("\\(([-\\d, ]*)\\)"));
    QList<int> values;
    for (auto match = pattern.globalMatch(QString::fromLatin1(log)); match.hasNext();) {
        values.clear();
        for (const QString &value : match.next().captured(1).split(QLatin1Char(',')))
            values.append(value.trimmed().toInt());
    }
    return values;
}

} // namespace

void WaylandTest::runsNativelyAtTheDesignSizeAndClosesOnSigterm()
{
    REQUIRE_TOOLS("weston");
    QTemporaryDir runtime; // private to this user, as a session's runtime folder is
    const QString socket = QStringLiteral("cylinder-ratio-test-%1").arg(QCoreApplication::applicationPid());
    QProcessEnvironment env = sessionEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess compositor;
    compositor.setProcessEnvironment(env);
    compositor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    compositor.start(QStringLiteral("weston"),
                     {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--socket=") + socket,
                      QStringLiteral("--idle-time=0")});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QDir(runtime.path()).filePath(socket)), 15000);

    ProgramCopy copy;
    QProcess program;
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
    env.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    program.setProcessEnvironment(env);
    QByteArray log;
    connect(&program, &QProcess::readyReadStandardError, this, [&] { log += program.readAllStandardError(); });
    program.start(copy.path());
    QVERIFY(program.waitForStarted());

    // Shown: the surface has its window geometry, the frame drawn by the program included.
    QTRY_VERIFY_WITH_TIMEOUT(log.contains("xdg_toplevel") && log.contains(".set_window_geometry("), 15000);
    QCOMPARE(program.state(), QProcess::Running);
    QCOMPARE(lastRequest(log, "set_window_geometry").value(2), kNarrowOuterWidth);
    // A fixed size: equal least and greatest sizes, so the compositor offers no resizing.
    const QList<int> least = lastRequest(log, "set_min_size");
    QCOMPARE(least.size(), 2);
    QVERIFY(least[0] > 0);
    QCOMPARE(lastRequest(log, "set_max_size"), least);

    QVERIFY(endsWithStatusZero(program));
    QCOMPARE(copy.settings(), QByteArray("default|1|noanime\r\n"));
    compositor.terminate();
    compositor.waitForFinished();
}

QTEST_GUILESS_MAIN(WaylandTest)
#include "tst_wayland.moc"

// SPDX-License-Identifier: MIT
#include "programprocess.h"

// The real program as a native client of a headless Wayland compositor, watched through its requests.
class WaylandTest : public QObject
{
    Q_OBJECT
private slots:
    void runsNativelyAtTheDesignSizeAndClosesOnSigterm()
    {
        REQUIRE_TOOLS("weston");
        ProgramProcess program(ProgramProcess::Display::TestsOwn);
        program.environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), program.folder.path()); // private, as it must be
        program.startBeside(QStringLiteral("weston --backend=headless-backend.so --socket=test --idle-time=0"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(program.folder.filePath(QStringLiteral("test"))), 15000);
        program.environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("test"));
        program.environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
        QVERIFY(program.start());
        // What the program last sent in a request, as in "xdg_toplevel@24.set_min_size(342, 460)".
        auto last = [&, log = QByteArray()](const QByteArray &request) mutable {
            log += program.process.readAllStandardError();
            const qsizetype from = log.lastIndexOf('.' + request + '(') + request.size() + 2;
            return from > request.size() + 1 ? log.mid(from, log.indexOf(')', from) - from) : QByteArray();
        };

        // Shown: the window geometry, the frame drawn by the program included, 5130 twips wide at 96 DPI.
        QTRY_VERIFY_WITH_TIMEOUT(!last("set_window_geometry").isEmpty(), 15000);
        QCOMPARE(last("set_window_geometry").split(',').value(2).trimmed(), QByteArray("342"));
        // A fixed size: equal least and greatest sizes, so the compositor offers no resizing.
        QVERIFY(last("set_min_size").split(',').value(0).toInt() > 0);
        QCOMPARE(last("set_max_size"), last("set_min_size"));

        QVERIFY(program.endWith(SIGTERM));
        QCOMPARE(program.settings(), QByteArray("default|1|noanime\r\n"));
    }
};

QTEST_GUILESS_MAIN(WaylandTest)
#include "tst_wayland.moc"

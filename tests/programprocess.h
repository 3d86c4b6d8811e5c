// SPDX-License-Identifier: MIT
// The program as a user starts it, as a process run from a copy in a fresh folder: its settings.ini is the test's.
#pragma once

#include <csignal>
#include <list>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

// What a test cannot start on fails it: a tool missing from the environment.
#define REQUIRE_TOOLS(...)                                                                                             \
    for (const char *tool : {__VA_ARGS__})                                                                             \
        QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(), tool);

// Whether the condition comes true in time; unlike QTRY_*, which counts tries, by the clock.
template<typename Condition>
bool within(int milliseconds, Condition condition)
{
    for (const QDeadlineTimer deadline(milliseconds); !condition(); QTest::qWait(50))
        if (deadline.hasExpired())
            return false;
    return true;
}

class ProgramProcess
{
public:
    // On a display server of the test's own, the program sees nothing of the test's display.
    enum class Display { Offscreen, TestsOwn };
    explicit ProgramProcess(Display display = Display::Offscreen)
    {
        QFile::copy(QStringLiteral(PROGRAM_PATH), program());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));
        if (display == Display::Offscreen)
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        else
            for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
                environment.remove(QLatin1String(name));
    }
    ~ProgramProcess()
    {
        process.kill();
        process.waitForFinished();
        if (QTest::currentTestFailed())
            printOutputs();
        // With all they started: the services a session bus started, for one, outlive a killed bus.
        for (QProcess &companion : companions) {
            if (companion.processId() > 0)
                ::kill(-pid_t(companion.processId()), SIGKILL);
            companion.waitForFinished();
        }
    }

    QString program() const { return programPath; }
    QString settingsPath() const { return folder.filePath(QStringLiteral("settings.ini")); }
    QByteArray settings() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Starts what the program runs on, such as a display server, in its environment; ended with it.
    QProcess &startBeside(const QString &command)
    {
        QProcess &other = companions.emplace_front();
        other.setProcessEnvironment(environment);
        other.setChildProcessModifier([] { ::setsid(); }); // a process group of its own
        other.startCommand(command);
        return other;
    }
    // A private X server for what starts after it. Without -noreset, every short client such as
    // xprop that leaves last resets the server, which turns away whoever connects meanwhile.
    bool startXServer()
    {
        QProcess &server =
            startBeside(QStringLiteral("Xvfb -displayfd 1 -noreset -screen 0 1280x1024x24 -nolisten tcp"));
        if (!server.waitForReadyRead(30000))
            return false;
        environment.insert(QStringLiteral("DISPLAY"), ':' + QString::fromLatin1(server.readLine().trimmed()));
        return true;
    }
    // A session bus of the test's own, for what runs beside the program and for the program:
    // without one, the program would start one for its display, which outlives the test.
    bool startSessionBus()
    {
        QProcess &bus = startBeside(QStringLiteral("dbus-daemon --session --nofork --print-address"));
        if (!bus.waitForReadyRead(10000))
            return false;
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromLatin1(bus.readLine().trimmed()));
        return true;
    }
    // What a short tool such as xprop printed in the program's environment; empty when it failed.
    QByteArray run(const QString &command, int timeout = 10000) const
    {
        QProcess tool;
        tool.setProcessEnvironment(environment);
        tool.startCommand(command);
        return tool.waitForFinished(timeout) && tool.exitCode() == 0 ? tool.readAllStandardOutput() : QByteArray();
    }

    // Starts the program, through a launcher such as setpriv when one is given, and waits
    // until it has taken over SIGTERM, from when on a SIGTERM closes it as a desktop would.
    bool start(const QString &launcher = {}, const QStringList &launcherArguments = {})
    {
        process.setProcessEnvironment(environment);
        m_errors.clear(); // of an earlier run
        QStringList arguments = launcherArguments + QStringList{program()};
        process.start(launcher.isEmpty() ? arguments.takeLast() : launcher, arguments);
        return process.waitForStarted()
            && within(20000, [this] { return catchesSigterm() || process.state() != QProcess::Running; })
            && catchesSigterm();
    }

    // Sends the signal and tells whether the program then ended normally with status 0.
    bool endWith(int signal = SIGTERM)
    {
        ::kill(pid_t(process.processId()), signal);
        return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0;
    }

    // What the program wrote on stderr so far in its last run.
    QByteArray standardError()
    {
        m_errors += process.readAllStandardError();
        return m_errors;
    }

    QTemporaryDir folder;
    QString programPath = folder.filePath(QStringLiteral("cylinder-ratio"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess process;

private:
    // The program's own pid, or the one of the process the launcher replaced itself with.
    bool catchesSigterm() const
    {
        static const QRegularExpression sigterm(
            QStringLiteral("(?m)^Name:\\s+cylinder-ratio$[\\s\\S]*^SigCgt:\\s+(\\w+)$"));
        QFile status(QStringLiteral("/proc/%1/status").arg(process.processId()));
        const auto caught =
            sigterm.match(status.open(QIODevice::ReadOnly) ? QString::fromLatin1(status.readAll()) : QString());
        return caught.captured(1).toULongLong(nullptr, 16) & (quint64(1) << (SIGTERM - 1));
    }

    // What the program and what ran beside it printed, so that a failure says why: the end of
    // each, as a protocol log can run long.
    void printOutputs()
    {
        const auto print = [](const QString &what, const QByteArray &output) {
            const QList<QByteArray> lines = output.split('\n');
            qInfo().noquote() << "----" << what << "(its last lines):\n"
                              << QString::fromLocal8Bit(
                                     lines.mid(std::max<qsizetype>(0, lines.size() - 150)).join('\n'));
        };
        print(QStringLiteral("the program's stderr"), standardError() + process.readAllStandardOutput());
        for (QProcess &companion : companions)
            print(companion.program() + QLatin1Char(' ') + companion.arguments().join(QLatin1Char(' ')),
                  companion.readAllStandardOutput() + companion.readAllStandardError());
    }

    QByteArray m_errors;
    std::list<QProcess> companions; // the last started first
};

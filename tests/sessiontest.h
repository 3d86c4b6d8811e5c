// SPDX-License-Identifier: MIT
// Helpers for tests that run the real program on a display server of their own.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Fails under CI, where the environment must be complete; skips elsewhere.
#define REQUIRE_TOOLS(...)                                                                                             \
    do {                                                                                                               \
        for (const char *tool : {__VA_ARGS__}) {                                                                       \
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {                                       \
                if (qgetenv("CI") == "true")                                                                           \
                    QFAIL(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(tool))));                 \
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(tool))));                     \
            }                                                                                                          \
        }                                                                                                              \
    } while (false)

// A copy of the program in a writable temporary folder, so that it keeps its settings there.
struct ProgramCopy {
    ProgramCopy() { QFile::copy(QStringLiteral(PROGRAM_PATH), path()); }
    QString path() const { return dir.filePath(QStringLiteral("cylinder-ratio")); }
    QByteArray settings() const
    {
        QFile file(dir.filePath(QStringLiteral("settings.ini")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

// The environment for a program on another display server: nothing of the test's own.
inline QProcessEnvironment sessionEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        env.remove(QLatin1String(name));
    return env;
}

// Runs a short command to its end and returns what it printed; empty when it failed.
inline QByteArray output(const QString &program, const QStringList &arguments, const QProcessEnvironment &env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// Ends a program with SIGTERM, as a session ending does, and says whether it ended with status 0.
inline bool endsWithStatusZero(QProcess &program)
{
    program.terminate();
    return program.waitForFinished(10000) && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
}

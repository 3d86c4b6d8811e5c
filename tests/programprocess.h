// SPDX-License-Identifier: MIT
// The program as a user starts it: a separate process, run from a copy in a fresh folder so
// that the settings.ini beside it belongs to the test.
#pragma once

#include <csignal>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class ProgramProcess
{
public:
    ProgramProcess()
    {
        QFile::copy(QStringLiteral(PROGRAM_PATH), program());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));
    }
    ~ProgramProcess()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }

    QString program() const { return programPath; }
    QString settingsPath() const { return folder.filePath(QStringLiteral("settings.ini")); }
    void writeSettings(const QByteArray &content) const
    {
        QFile file(settingsPath());
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(settingsPath()));
    }
    QByteArray settings() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Starts the program, through a launcher such as setpriv when one is given, and waits
    // until it has taken over SIGTERM, from when on a SIGTERM closes it as a desktop would.
    bool start(const QString &launcher = {}, const QStringList &launcherArguments = {})
    {
        process.setProcessEnvironment(environment);
        if (launcher.isEmpty())
            process.start(program(), QStringList());
        else
            process.start(launcher, launcherArguments + QStringList{program()});
        if (!process.waitForStarted())
            return false;
        const QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired() && process.state() == QProcess::Running) {
            if (catchesSigterm())
                return true;
            QTest::qWait(20);
        }
        return false;
    }

    // Sends the signal and tells whether the program then ended normally with status 0.
    bool endWith(int signal = SIGTERM)
    {
        ::kill(pid_t(process.processId()), signal);
        return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0;
    }

    QTemporaryDir folder;
    QString programPath = folder.filePath(QStringLiteral("cylinder-ratio"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess process;

private:
    // The program's own pid, or the one of the process the launcher replaced itself with.
    bool catchesSigterm() const
    {
        QFile status(QStringLiteral("/proc/%1/status").arg(process.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        bool programRuns = false;
        quint64 caught = 0;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("Name:"))
                programRuns = line.trimmed().endsWith("cylinder-ratio");
            else if (line.startsWith("SigCgt:"))
                caught = line.mid(7).trimmed().toULongLong(nullptr, 16);
        }
        return programRuns && (caught & (quint64(1) << (SIGTERM - 1)));
    }
};

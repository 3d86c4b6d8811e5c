// SPDX-License-Identifier: MIT
#include <csignal>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class InstalledTest : public QObject
{
    Q_OBJECT
private slots:
    void anInstalledCopyKeepsItsSettingsInTheUsersFolder();
};

namespace {

// Runs a command to its end; empty when it succeeds, otherwise what it said.
QByteArray failureOf(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(CMAKE_COMMAND), arguments);
    if (!process.waitForFinished(-1))
        return "did not run: " + arguments.join(QLatin1Char(' ')).toLocal8Bit();
    const QByteArray output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? QByteArray() : output;
}

// Whether the process has installed its own SIGTERM handler, that is, whether it would close
// its window on SIGTERM rather than just die.
bool catchesTerminate(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return line.mid(7).trimmed().toULongLong(nullptr, 16) & (1ULL << (SIGTERM - 1));
    return false;
}

} // namespace

void InstalledTest::anInstalledCopyKeepsItsSettingsInTheUsersFolder()
{
#ifdef Q_OS_LINUX
    // A build configured for a prefix of its own and installed there. Its bindir is writable
    // to whoever runs this test, as /usr/bin is to root, who runs it in CI.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString build = dir.filePath(QStringLiteral("build"));
    const QString prefix = dir.filePath(QStringLiteral("prefix"));
    QCOMPARE(
        failureOf({QStringLiteral("-S"), QStringLiteral(SOURCE_DIR), QStringLiteral("-B"), build, QStringLiteral("-G"),
                   QStringLiteral(CMAKE_GENERATOR), QStringLiteral("-DCMAKE_BUILD_TYPE=Debug"),
                   QStringLiteral("-DBUILD_TESTING=OFF"), QStringLiteral("-DCMAKE_INSTALL_PREFIX=") + prefix}),
        QByteArray());
    QCOMPARE(failureOf({QStringLiteral("--build"), build, QStringLiteral("--target"), QStringLiteral("cylinder-ratio"),
                        QStringLiteral("icons")}),
             QByteArray());
    QCOMPARE(failureOf({QStringLiteral("--install"), build}), QByteArray());
    const QDir bindir(prefix + QStringLiteral("/bin"));
    const QString program = bindir.filePath(QStringLiteral("cylinder-ratio"));
    QVERIFY(QFileInfo(bindir.path()).isWritable());

    const QString config = dir.filePath(QStringLiteral("home/.config"));
    const QString mine = config + QStringLiteral("/cylinder-ratio/settings.ini");
    const auto runAndClose = [&] {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        process.setProcessEnvironment(env);
        process.start(program);
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(catchesTerminate(process.processId()), 30000);
        process.terminate();
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
    };
    const auto contentOf = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    };

    runAndClose();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(contentOf(mine), QByteArray("default|1|noanime\r\n"));
    const auto everything = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    QCOMPARE(bindir.entryList(everything), QStringList{QStringLiteral("cylinder-ratio")});

    // It reads the user's own file, and never one that lies beside it.
    QFile beside(bindir.filePath(QStringLiteral("settings.ini")));
    QVERIFY(beside.open(QIODevice::WriteOnly));
    beside.write("earth|1|noanime\r\n");
    beside.close();
    QFile user(mine);
    QVERIFY(user.open(QIODevice::WriteOnly));
    user.write("sky|1|anime\r\n");
    user.close();
    runAndClose();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(contentOf(mine), QByteArray("sky|1|anime\r\n"));
    QCOMPARE(contentOf(beside.fileName()), QByteArray("earth|1|noanime\r\n"));
#else
    QSKIP("the check of a running copy reads Linux's /proc");
#endif
}

QTEST_GUILESS_MAIN(InstalledTest)
#include "tst_installed.moc"

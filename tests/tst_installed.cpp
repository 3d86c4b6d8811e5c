// SPDX-License-Identifier: MIT
// An installed copy, run from the folder it was installed into, keeps its settings in the
// user's folder: it never writes into a system folder, nor reads a file left there.
#include "programprocess.h"

#include <unistd.h>

class InstalledTest : public QObject
{
    Q_OBJECT
private slots:
    void anInstalledCopyKeepsItsSettingsInTheUsersFolder();
};

void InstalledTest::anInstalledCopyKeepsItsSettingsInTheUsersFolder()
{
    // Installed into a staged prefix, whose bin folder a private mount namespace puts where
    // the build was configured to install: the program runs from its install folder, as
    // root, without touching the real one.
    ProgramProcess program;
    const QString stage = program.folder.filePath(QStringLiteral("stage"));
    QCOMPARE(
        QProcess::execute(QStringLiteral(CMAKE_COMMAND),
                          {QStringLiteral("--install"), QStringLiteral(BUILD_DIR), QStringLiteral("--prefix"), stage}),
        0);
    const QDir bin(stage + QStringLiteral("/bin"));
    program.programPath = bin.filePath(QStringLiteral("cylinder-ratio"));
    const QString installed = QStringLiteral(INSTALL_BINDIR);
    QStringList inNamespace = {QStringLiteral("--mount"), QStringLiteral("--propagation"), QStringLiteral("private")};
    if (geteuid() != 0)
        inNamespace.append(QStringLiteral("--map-root-user"));
    // sh gets the staged program's path as $0.
    inNamespace += {QStringLiteral("--"), QStringLiteral("sh"), QStringLiteral("-c"),
                    QStringLiteral("mount --bind \"${0%/*}\" '%1' && exec '%1/cylinder-ratio'").arg(installed)};

    const QString mine = program.folder.filePath(QStringLiteral("config/cylinder-ratio/settings.ini"));
    const auto contentOf = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    };
    QVERIFY(program.start(QStringLiteral("unshare"), inNamespace));
    QVERIFY(program.endWith(SIGTERM));
    QCOMPARE(contentOf(mine), QByteArray("default|1|noanime\r\n"));
    QCOMPARE(bin.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("cylinder-ratio")});

    // It reads the user's own file, and never one that lies beside it.
    QFile beside(bin.filePath(QStringLiteral("settings.ini")));
    QVERIFY(beside.open(QIODevice::WriteOnly));
    beside.write("earth|1|noanime\r\n");
    beside.close();
    QFile user(mine);
    QVERIFY(user.open(QIODevice::WriteOnly));
    user.write("sky|1|anime\r\n");
    user.close();
    QVERIFY(program.start(QStringLiteral("unshare"), inNamespace));
    QVERIFY(program.endWith(SIGTERM));
    QCOMPARE(contentOf(mine), QByteArray("sky|1|anime\r\n"));
    QCOMPARE(contentOf(beside.fileName()), QByteArray("earth|1|noanime\r\n"));
}

QTEST_GUILESS_MAIN(InstalledTest)
#include "tst_installed.moc"

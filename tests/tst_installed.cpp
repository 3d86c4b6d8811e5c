// SPDX-License-Identifier: MIT
#include "programprocess.h"

#include <unistd.h>

using namespace Qt::StringLiterals;

class InstalledTest : public QObject
{
    Q_OBJECT
private slots:
    void anInstalledCopyKeepsItsSettingsInTheUsersFolder();
};

void InstalledTest::anInstalledCopyKeepsItsSettingsInTheUsersFolder()
{
    // Installed into a staged prefix whose bin folder a private mount namespace puts where the build
    // was configured to install: it runs from its install folder, as root, leaving the real one alone.
    ProgramProcess program;
    const QString stage = program.folder.filePath(u"stage"_s);
    QCOMPARE(QProcess::execute(QStringLiteral(CMAKE_COMMAND),
                               {u"--install"_s, QStringLiteral(BUILD_DIR), u"--prefix"_s, stage}),
             0);
    const QDir bin(stage + u"/bin"_s);
    program.programPath = bin.filePath(u"cylinder-ratio"_s);
    QStringList inNamespace = {u"--mount"_s, u"--propagation"_s, u"private"_s};
    if (geteuid() != 0)
        inNamespace.append(u"--map-root-user"_s);
    // sh gets the staged program's path as $0.
    inNamespace += {u"--"_s, u"sh"_s, u"-c"_s,
                    u"mount --bind \"${0%/*}\" '%1' && exec '%1/cylinder-ratio'"_s.arg(QStringLiteral(INSTALL_BINDIR))};

    const auto contentOf = [](const QString &path, const QByteArray &replacement = {}) {
        QFile file(path);
        if (!replacement.isEmpty() && file.open(QIODevice::WriteOnly))
            file.write(replacement);
        file.close();
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    };
    const QString mine = program.folder.filePath(u"config/cylinder-ratio/settings.ini"_s);
    QVERIFY(program.start(u"unshare"_s, inNamespace) && program.endWith(SIGTERM));
    QCOMPARE(contentOf(mine), QByteArray("default|1|noanime\r\n"));
    QCOMPARE(bin.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{u"cylinder-ratio"_s});

    // It reads the user's own file, and never one that lies beside it.
    const QString beside = bin.filePath(u"settings.ini"_s);
    contentOf(beside, "earth|1|noanime\r\n");
    contentOf(mine, "sky|1|anime\r\n");
    QVERIFY(program.start(u"unshare"_s, inNamespace) && program.endWith(SIGTERM));
    QCOMPARE(contentOf(mine), QByteArray("sky|1|anime\r\n"));
    QCOMPARE(contentOf(beside), QByteArray("earth|1|noanime\r\n"));
}

QTEST_GUILESS_MAIN(InstalledTest)
#include "tst_installed.moc"

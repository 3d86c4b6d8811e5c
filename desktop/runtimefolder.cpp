// SPDX-License-Identifier: MIT
#include "desktop/runtimefolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A runtime folder must belong to the user alone.
bool isPrivateFolder(const QByteArray &path)
{
    struct stat info {
    };
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & 0777) == 0700;
}

} // namespace
#endif

void nameRuntimeFolderWhenNoSessionDoes()
{
#ifdef Q_OS_UNIX
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray uid = QByteArray::number(::geteuid());
    QByteArray folder = "/run/user/" + uid;
    if (!isPrivateFolder(folder)) {
        folder = QFile::encodeName(QDir::tempPath()) + "/runtime-" + uid;
        ::mkdir(folder.constData(), 0700);
    }
    if (!isPrivateFolder(folder)) { // someone else's: a fresh one
        QByteArray pattern = QFile::encodeName(QDir::tempPath()) + "/runtime-" + uid + "-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            return; // the application says why it goes without
        folder = pattern;
    }
    // The session manager's ICE authority lies in the home folder when no runtime folder was
    // named; once one is, the session library would look for it there instead.
    if (qEnvironmentVariableIsEmpty("ICEAUTHORITY") && !qEnvironmentVariableIsEmpty("HOME"))
        ::setenv("ICEAUTHORITY", qgetenv("HOME").append("/.ICEauthority").constData(), 1);
    ::setenv("XDG_RUNTIME_DIR", folder.constData(), 1);
#endif
}

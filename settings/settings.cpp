// SPDX-License-Identifier: MIT
#include "settings/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace Settings {

namespace {

const QString kFileName = QStringLiteral("settings.ini");

const char *themeWord(Theme theme)
{
    switch (theme) {
    case Theme::Sky:
        return "sky";
    case Theme::Earth:
        return "earth";
    case Theme::Default:
        break;
    }
    return "default";
}

// Linux: started from the folder the build installs into. Windows: the installer puts its
// uninstaller beside the program; a portable copy has none.
bool isInstalledCopy(const QFileInfo &executableDir)
{
#ifdef Q_OS_WIN
    return QFileInfo::exists(QDir(executableDir.filePath()).filePath(QStringLiteral("uninstall.exe")));
#else
    const QString installDir = QFileInfo(QStringLiteral(INSTALL_BINDIR)).canonicalFilePath();
    return !installDir.isEmpty() && executableDir.canonicalFilePath() == installDir;
#endif
}

} // namespace

QString firstField(const QByteArray &line)
{
    const QString text = QString::fromLatin1(line);
    qsizetype start = 0;
    while (start < text.size() && (text[start] == QLatin1Char(' ') || text[start] == QLatin1Char('\t')))
        ++start;
    if (start < text.size() && text[start] == QLatin1Char('"')) {
        const qsizetype close = text.indexOf(QLatin1Char('"'), start + 1);
        return text.mid(start + 1, close < 0 ? -1 : close - start - 1);
    }
    const qsizetype comma = text.indexOf(QLatin1Char(','), start);
    return text.mid(start, comma < 0 ? -1 : comma - start);
}

Restore restoreFrom(const std::optional<QString> &field)
{
    Restore restore;
    if (!field) {
        restore.themes = {Theme::Default};
        return restore;
    }
    const auto has = [&field](const char *word) { return field->contains(QLatin1String(word)); };
    if (has("1")) {
        for (Theme theme : {Theme::Default, Theme::Sky, Theme::Earth})
            if (has(themeWord(theme)))
                restore.themes.append(theme);
    } else {
        restore.markDefault = true;
    }
    restore.check = has("anime");
    restore.uncheck = has("noanime");
    return restore;
}

QByteArray line(std::optional<Theme> markedTheme, bool save, bool animate)
{
    if (!save)
        return "default|0|noanime\r\n";
    if (!markedTheme)
        return {};
    return QByteArray(themeWord(*markedTheme)) + "|1|" + (animate ? "anime" : "noanime") + "\r\n";
}

Location locate(const QString &executableDir, const QString &userConfigDir, Copy copy)
{
    const QString beside = QDir(executableDir).filePath(kFileName);
    const QString user = QDir(userConfigDir).filePath(kFileName);
    switch (copy) {
    case Copy::Installed:
        return {user, user};
    case Copy::Portable:
        return {beside, beside};
    case Copy::ReadOnly:
        break;
    }
    return {QFileInfo(user).isFile() ? user : beside, user};
}

Location defaultLocation()
{
    const QFileInfo executableDir(QCoreApplication::applicationDirPath());
    const Copy copy = isInstalledCopy(executableDir) ? Copy::Installed : portableCopyIn(executableDir.filePath());
    return locate(executableDir.filePath(), QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), copy);
}

bool canReplace(const QString &path)
{
    QTemporaryFile beside(path + QStringLiteral(".XXXXXX"));
    if (!beside.open() || beside.write("\r\n", 2) != 2 || !beside.flush())
        return false;
    QFile file(path);
    return !file.exists() || file.open(QIODevice::WriteOnly | QIODevice::Append);
}

Copy portableCopyIn(const QString &executableDir)
{
    return canReplace(QDir(executableDir).filePath(kFileName)) ? Copy::Portable : Copy::ReadOnly;
}

std::optional<QByteArray> readFirstLine(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.read(kReadBound);
    if (head.isEmpty())
        return std::nullopt;
    return firstLine(head);
}

QByteArray firstLine(const QByteArray &head)
{
    for (qsizetype i = 0; i < head.size(); ++i)
        if (head[i] == '\r' || head[i] == '\n')
            return head.left(i);
    return head;
}

bool write(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    // commit() would put a file in place whose buffered tail failed to reach the disk
    // (a full disk, a file size limit): flush first, so that the old file stays instead.
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush() && file.commit();
}

} // namespace Settings

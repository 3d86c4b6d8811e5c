// SPDX-License-Identifier: MIT
#pragma once

#include "appearance/themes.h"

#include <optional>
#include <QByteArray>
#include <QList>
#include <QString>

// settings.ini: one line such as "sky|1|anime" followed by CR LF. The reader takes only
// the first field of the first line and asks which words occur in it.
namespace Settings {

// The first field of a line: up to the first comma, leading blanks dropped; a field that
// begins with a double quote runs to the next one and is taken without the quotes.
QString firstField(const QByteArray &line);

// What start-up restores, in the order it happens.
struct Restore {
    QList<Theme> themes; // theme operations to invoke, in order
    bool markDefault = false; // "Default" is marked without running its theme
    bool check = false; // then "Animate" is checked...
    bool uncheck = false; // ...and then cleared again
};

// field: the first field of the file, or nothing when there is no usable file.
Restore restoreFrom(const std::optional<QString> &field);

// The line written at exit; empty when "Save Theme on Exit" is marked but no theme is.
QByteArray line(std::optional<Theme> markedTheme, bool save, bool animate);

// Where the file is read from and written to.
struct Location {
    QString readPath;
    QString writePath;
};

// Where a copy of the program runs from.
enum class Copy {
    Installed, // from the folder it was installed into, whoever runs it
    Portable, // from any other folder that it may write to
    ReadOnly, // from any other folder that it may not write to
};

// An installed copy keeps its file in the user's configuration folder only, so that it never
// writes into a system folder and no user reads another's choices. A portable copy keeps it
// beside the executable; one in a read-only folder writes to the user's folder and reads the
// file there once there is one, until then the one shipped beside the executable.
Location locate(const QString &executableDir, const QString &userConfigDir, Copy copy);
Location defaultLocation();

// Whether write() can replace the file: found out by creating a file beside it (removed again)
// and opening the file itself, where there is one, for writing. The permissions that
// QFileInfo::isWritable() reads tell nothing of a write-protected medium or a read-only share,
// and on Windows nothing but the read-only attribute.
bool canReplace(const QString &path);

// The kind of copy that runs from the folder, not counting an installed one.
Copy portableCopyIn(const QString &executableDir);

// How much of the file is ever read: no settings line is longer, and a huge file costs nothing.
constexpr qint64 kReadBound = 4096;

// The first line of what was read: up to the first CR or LF, whichever ends it.
QByteArray firstLine(const QByteArray &head);

// The first line of the file, read within kReadBound; nothing when the file is missing,
// empty, unreadable or not an ordinary file.
std::optional<QByteArray> readFirstLine(const QString &path);

// Replaces the file's content atomically: the old file stays whole until the new one is.
bool write(const QString &path, const QByteArray &content);

} // namespace Settings

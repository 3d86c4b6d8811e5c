// SPDX-License-Identifier: MIT
// A Wayland compositor of the test's own with the program as its client: weston, mutter and KWin
// nested in a private X server, sway headless.
#pragma once

#include "programprocess.h"

#include <optional>
#include <QDir>
#include <QPoint>
#include <QSize>

// The program's requests and the compositor's events, as in
// "[123.456]  -> xdg_toplevel@19.set_min_size(342, 460)".
class RequestLog
{
public:
    explicit RequestLog(ProgramProcess &program) : m_program(program) { }

    QList<QByteArray> lines() { return m_program.standardError().split('\n'); }
    // Whether the program asked the compositor so of its top-level window.
    bool asked(const char *request)
    {
        const QRegularExpression pattern(QStringLiteral("xdg_toplevel@\\d+\\.%1\\(").arg(QLatin1String(request)));
        return pattern.match(QString::fromLatin1(m_program.standardError())).hasMatch();
    }
    // The frame mode the compositor last decided on: 2 when it draws the frame, 1 when it leaves
    // it to the program, 0 when it was never asked.
    int decorationMode()
    {
        int mode = 0;
        for (const QByteArray &line : lines())
            if (line.contains("zxdg_toplevel_decoration_v1@") && line.contains(".configure("))
                mode = line.mid(line.indexOf(".configure(") + 11, 1).toInt();
        return mode;
    }
    QSize lastGeometry()
    {
        QSize last;
        for (const QByteArray &line : lines())
            if (line.contains(".set_window_geometry("))
                last = size(line, 2);
        return last;
    }
    // Where the declared least and greatest sizes differ from each other or from the window
    // geometry they come with; empty when they never do, nor were missing at the first commit.
    QByteArray sizeMismatch()
    {
        QSize least, greatest;
        bool committed = false;
        for (const QByteArray &line : lines()) {
            if (line.contains(".set_min_size("))
                least = size(line, 0);
            else if (line.contains(".set_max_size("))
                greatest = size(line, 0);
            const bool commit = line.contains(".commit(");
            const bool geometry = line.contains(".set_window_geometry(");
            if ((commit && !committed && least.isEmpty()) || ((commit || geometry) && greatest != least)
                || (geometry && size(line, 2) != least))
                return line;
            committed = committed || commit;
        }
        return {};
    }

private:
    // The width and height among a request's arguments, from the given one on.
    static QSize size(const QByteArray &line, int first)
    {
        const QList<QByteArray> arguments = line.mid(line.indexOf('(') + 1).chopped(1).split(',');
        return {arguments.value(first).trimmed().toInt(), arguments.value(first + 1).trimmed().toInt()};
    }

    ProgramProcess &m_program;
};

// The program's own frame: a title bar 22 pixels high with square buttons at its right end,
// the close button last, inside a border of 4 pixels.
constexpr QPoint kTitle(150, 11);
constexpr QPoint kCloseButton(342 - 4 - 9, 11);
constexpr QPoint kMinimizeButton(342 - 4 - 18 - 9, 11);

class Compositor
{
public:
    // KWin without a decoration plugin answers a request for its frame with a refusal.
    enum class Kind { Weston, Mutter, KWin, KWinWithoutDecorations, Sway };
    explicit Compositor(Kind kind) : m_kind(kind) { }

    bool start()
    {
        program.environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), program.folder.path()); // private, as it must be
        if (m_kind == Kind::Sway)
            return startSway();
        QProcess &server =
            program.startBeside(QStringLiteral("Xvfb -displayfd 1 -noreset -screen 0 1024x768x24 -nolisten tcp"));
        if (!server.waitForReadyRead(30000))
            return false;
        m_xDisplay = ':' + QString::fromLatin1(server.readLine().trimmed());
        program.environment.insert(QStringLiteral("DISPLAY"), m_xDisplay);
        if (!program.startSessionBus())
            return false;
        const QString size = QStringLiteral("--width=%1 --height=%2").arg(kOutput.width()).arg(kOutput.height());
        if (m_kind == Kind::Weston) {
            if (!writeFile(QStringLiteral("weston.ini"),
                           "[shell]\npanel-position=none\nanimation=none\nstartup-animation=none\n"))
                return false;
            program.startBeside(QStringLiteral("weston --backend=x11-backend.so --use-pixman %1 --socket=test "
                                               "--idle-time=0 --config=%2")
                                    .arg(size, program.folder.filePath(QStringLiteral("weston.ini"))));
        } else if (m_kind == Kind::Mutter) {
            program.startBeside(QStringLiteral("mutter --nested --wayland --no-x11 --wayland-display=test"));
        } else {
            if (m_kind == Kind::KWinWithoutDecorations
                && !writeFile(QStringLiteral("config/kwinrc"), "[org.kde.kdecoration2]\nNoPlugin=true\n"))
                return false;
            // A copy without the file capability of the installed one, which some containers refuse to run.
            const QString kwin = program.folder.filePath(QStringLiteral("kwin_wayland"));
            if (!QFile::copy(QStandardPaths::findExecutable(QStringLiteral("kwin_wayland")), kwin))
                return false;
            program.startBeside(
                QStringLiteral("%1 --x11-display %2 --socket test --no-lockscreen %3").arg(kwin, m_xDisplay, size));
        }
        if (!within(30000, [&] { return QFile::exists(program.folder.filePath(QStringLiteral("test"))); }))
            return false;
        program.environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("test"));
        pointAt({1000, 700}); // off the compositor's output
        return true;
    }

    // Starts the program, with the compositor's session bus or none, and waits for its window.
    bool startProgram(bool withSessionBus)
    {
        const QProcessEnvironment shared = program.environment;
        program.environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        program.environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
        program.environment.remove(QStringLiteral("DISPLAY")); // nor a bus started for it
        if (!withSessionBus)
            program.environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        const bool started = program.start();
        program.environment = shared;
        log.emplace(program);
        // Shown once the compositor has put the window on its output, not merely been told of it.
        return started && within(15000, [&] {
                   return !log->lastGeometry().isEmpty() && log->lines().join('\n').contains(".enter(wl_output@");
               });
    }

    // Presses the keys one after the other, as xdotool or wtype name them.
    void keys(const QStringList &names)
    {
        QTest::qWait(300); // the window takes the keyboard a moment after it shows
        if (m_kind == Kind::Sway) {
            QStringList arguments = {QStringLiteral("wtype")};
            for (const QString &name : names)
                arguments << QStringLiteral("-s 300 -k") << name;
            program.run(arguments.join(' '));
        } else {
            // The X server's keyboard goes where its pointer is: to the compositor's output.
            pointAt({kOutput.width() / 2, kOutput.height() / 2});
            program.run(QStringLiteral("xdotool key --delay 300 ") + names.join(' '));
        }
    }

    // Closes the window as the compositor's own controls do; weston has none but the program's frame.
    void closeWindow()
    {
        if (m_kind == Kind::Sway) {
            sway(QStringLiteral("[pid=%1] kill").arg(program.process.processId()));
        } else if (m_kind == Kind::KWin || m_kind == Kind::KWinWithoutDecorations) {
            QFile script(program.folder.filePath(QStringLiteral("close.js")));
            if (script.open(QIODevice::WriteOnly))
                script.write("workspace.clientList().forEach(function (w) { if (w.pid == "
                             + QByteArray::number(program.process.processId()) + ") w.closeWindow(); });\n");
            script.close();
            const QByteArray loaded =
                program.run(QStringLiteral("dbus-send --session --print-reply --dest=org.kde.KWin "
                                           "/Scripting org.kde.kwin.Scripting.loadScript string:%1 "
                                           "string:close%2")
                                .arg(script.fileName())
                                .arg(++m_scripts));
            const QByteArray id = loaded.mid(loaded.indexOf("int32 ") + 6).trimmed();
            program.run(
                QStringLiteral("dbus-send --session --print-reply --dest=org.kde.KWin /%1 org.kde.kwin.Script.run")
                    .arg(QString::fromLatin1(id)));
        } else if (m_kind == Kind::Mutter) {
            keys({QStringLiteral("alt+F4")});
        } else {
            findWindow();
            click(kCloseButton);
        }
    }

    // Where the window's top-left corner is on the X screen: the pointer moved over the middle of
    // the output is over the window, and the program is told where in it the pointer entered.
    bool findWindow()
    {
        static const QRegularExpression entered(QStringLiteral("wl_pointer@\\d+\\.enter\\(\\d+, wl_surface@\\d+, (\\d+)"
                                                               "\\.\\d+, (\\d+)\\.\\d+\\)"));
        QTest::qWait(300); // weston places a window it has just mapped
        pointAt({1000, 700});
        // Until the pointer has left, what the program is told may still be of where it was.
        static const QRegularExpression crossing(QStringLiteral("wl_pointer@\\d+\\.(enter|leave)\\("));
        within(1000, [&] {
            QString last;
            for (const QRegularExpressionMatch &match :
                 crossing.globalMatch(QString::fromLatin1(log->lines().join('\n'))))
                last = match.captured(1);
            return last != QLatin1String("enter");
        });
        const qsizetype before = log->lines().size();
        const QPoint middle(kOutput.width() / 2, kOutput.height() / 2);
        pointAt(middle);
        QRegularExpressionMatch at;
        const bool found = within(5000, [&] {
            at = entered.match(QString::fromLatin1(log->lines().mid(before - 1).join('\n')));
            return at.hasMatch();
        });
        m_origin = middle - QPoint(at.captured(1).toInt(), at.captured(2).toInt());
        return found;
    }
    // Clicks a place in the window the given number of times.
    void click(QPoint inWindow, int times = 1)
    {
        pointAt(m_origin + inWindow);
        program.run(QStringLiteral("xdotool click --repeat %1 --delay 80 1").arg(times));
    }

    // What swaymsg printed for the command.
    QByteArray sway(const QString &command)
    {
        return program.run(QStringLiteral("swaymsg -s %1 %2").arg(m_swaySocket, command));
    }

    ProgramProcess program{ProgramProcess::Display::TestsOwn};
    std::optional<RequestLog> log;

private:
    // The compositor's output, 640 x 480, in the top-left corner of the X screen: no panel, so
    // that the window lies wholly inside it, wherever the compositor puts it.
    static constexpr QSize kOutput{640, 480};

    bool writeFile(const QString &name, const QByteArray &text)
    {
        QFile file(program.folder.filePath(name));
        return QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly)
            && file.write(text) == text.size();
    }

    void pointAt(QPoint onScreen)
    {
        program.run(QStringLiteral("xdotool mousemove %1 %2").arg(onScreen.x()).arg(onScreen.y()));
    }

    // sway runs as no one in particular when the test runs as root, which sway refuses to be,
    // in a runtime folder of its own; the program finds its socket by its full path.
    bool startSway()
    {
        const QString runtime = m_swayFolder.path();
        QFile config(QDir(runtime).filePath(QStringLiteral("config")));
        if (!config.open(QIODevice::WriteOnly) || config.write("output HEADLESS-1 resolution 1280x1024\n") <= 0)
            return false;
        config.close();
        QString launcher;
        if (::geteuid() == 0) {
            if (::chown(runtime.toLocal8Bit().constData(), 65534, 65534) != 0)
                return false;
            launcher = QStringLiteral("setpriv --reuid=65534 --regid=65534 --clear-groups ");
        }
        QProcessEnvironment &environment = program.environment;
        const QProcessEnvironment shared = environment;
        for (const char *name : {"WLR_BACKENDS=headless", "WLR_RENDERER=pixman", "WLR_LIBINPUT_NO_DEVICES=1"})
            environment.insert(QString::fromLatin1(name).section('=', 0, 0), QString::fromLatin1(name).section('=', 1));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        environment.insert(QStringLiteral("HOME"), runtime);
        program.startBeside(launcher + QStringLiteral("sway -c ") + config.fileName());
        environment = shared;
        const QDir folder(runtime);
        if (!within(30000, [&] {
                return folder.exists(QStringLiteral("wayland-1"))
                    && !folder.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System).isEmpty();
            }))
            return false;
        m_swaySocket =
            folder.filePath(folder.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System).constFirst());
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), folder.filePath(QStringLiteral("wayland-1")));
        return true;
    }

    Kind m_kind;
    QString m_xDisplay;
    QPoint m_origin;
    QTemporaryDir m_swayFolder;
    QString m_swaySocket;
    int m_scripts = 0;
};

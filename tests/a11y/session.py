# SPDX-License-Identifier: MIT
"""A desktop session for the accessibility tests: a private X display, the accessibility
bus, the program with its accessibility bridge on and, where asked, a screen reader.

Run inside dbus-run-session. Every wait is bounded; whatever cannot start fails the test."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
from nullspeech import NullSpeech  # noqa: E402

TIMEOUT = 30.0
START_TIMEOUT = 120.0


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=TIMEOUT).stdout.strip()


def wait_for(predicate, what, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while True:
        result = predicate()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        # Events from the bus arrive through the main loop.
        context = GLib.MainContext.default()
        end = time.monotonic() + 0.1
        while time.monotonic() < end:
            context.iteration(False)
            time.sleep(0.01)


class Session:
    def __init__(self, program, screen_reader=False):
        self.program = program
        self.screen_reader = screen_reader
        self.processes = []
        self.server = None
        self.dir = tempfile.TemporaryDirectory()

    def start(self, args, **kwargs):
        process = subprocess.Popen(args, **kwargs)
        self.processes.append(process)
        return process

    def __enter__(self):
        try:
            self._start_all()
        except BaseException:
            self.__exit__(*sys.exc_info())
            raise
        return self

    def _start_all(self):
        if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
            raise AssertionError("no session bus: run the test under dbus-run-session")
        for variable in ("AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
            os.environ.pop(variable, None)
        Atspi.set_timeout(5000, 20000)  # a program that does not answer in time fails the test
        self._start_display()
        # A window manager gives the focus back to the window when a message box closes.
        self.start(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.environ["XDG_RUNTIME_DIR"] = self.dir.name
        os.environ["HOME"] = self.dir.name
        os.environ["XDG_CONFIG_HOME"] = os.path.join(self.dir.name, "config")
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        wait_for(self._bus_is_up, "the accessibility bus")

        if self.screen_reader:  # first, so that it sees the window open
            self._start_screen_reader()
        # A portable copy keeps its settings beside itself, here in the temporary folder.
        program = os.path.join(self.dir.name, "cylinder-ratio")
        shutil.copy(self.program, program)
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                           LC_ALL="C.UTF-8")
        self.app_process = self.start([program], env=environment)
        # A build with sanitizers on a busy machine starts slowly: starting is given longer.
        self.app = wait_for(self._find_app, "the program on the accessibility bus", START_TIMEOUT)
        self.window = wait_for(lambda: find(self.app, role=Atspi.Role.FRAME), "the window", START_TIMEOUT)
        wait_for(self._window_has_focus, "the window on screen with the keyboard focus", START_TIMEOUT)

    @staticmethod
    def _window_has_focus():
        """Asked again until it holds, the bus served meanwhile: the window may show late, and
        the window manager may still move the focus as it maps the window."""
        found = xdotool("search", "--onlyvisible", "--name", "Cylinder-to-Barrel").split()
        if not found:
            return False
        xdotool("windowfocus", found[0])
        return xdotool("getwindowfocus") == found[0]

    def _start_display(self):
        """A private X server on the first free display, answering before anything else starts.
        It must not reset when its last client leaves: the bus launcher's address on the root
        window would go with it, and a client that connects during a reset is turned away."""
        read, write = os.pipe()
        with open(os.path.join(self.dir.name, "xvfb.log"), "w") as log:
            self.server = self.start(["Xvfb", "-displayfd", str(write), "-noreset", "-screen", "0", "1024x768x24",
                                      "-nolisten", "tcp"], pass_fds=[write], stdout=log, stderr=log)
        os.close(write)
        with os.fdopen(read) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise AssertionError("Xvfb did not start:\n" + self._server_log())
        os.environ["DISPLAY"] = ":" + number
        wait_for(self._display_answers, "the X server to answer")

    def _display_answers(self):
        if self.server.poll() is not None:
            raise AssertionError("the X server ended:\n" + self._server_log())
        return subprocess.run(["xprop", "-root", "-len", "0"], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0

    def _server_log(self):
        with open(os.path.join(self.dir.name, "xvfb.log")) as log:
            return log.read()[-2000:]

    def _bus_is_up(self):
        result = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                                 "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                                 "string:org.a11y.Bus"], capture_output=True, text=True)
        return "boolean true" in result.stdout

    def _find_app(self):
        if self.app_process.poll() is not None:
            raise AssertionError("the program exited with status %d%s" % (
                self.app_process.returncode, "" if self.server.poll() is None else ", its X server gone"))
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app and app.get_name() == "cylinder-ratio":
                return app
        return None

    def _start_screen_reader(self):
        # Speech goes to a server of our own that says nothing and keeps every utterance. The
        # test runs in a process namespace of its own, so no other instance is in sight.
        prefs = os.path.join(self.dir.name, "orca")
        os.makedirs(prefs)
        self.speech = NullSpeech(os.path.join(self.dir.name, "speech.sock"), os.path.join(self.dir.name, "speech.log"))
        environment = dict(os.environ, SPEECHD_ADDRESS=self.speech.address())
        with open(os.path.join(self.dir.name, "orca.log"), "w") as log:
            self.start(["orca", "--disable", "braille", "--user-prefs", prefs], env=environment,
                       stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        wait_for(lambda: "Screen reader on." in self.speech.said, "the screen reader", 60)

    def spoken(self):
        """What the screen reader has said so far, one utterance a line."""
        return list(self.speech.said)

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "100"] + list(keys), check=True)

    def hear(self, keys, *phrases, settle=1.0):
        """Presses the keys, given as xdotool names parted by spaces, waits until the screen reader
        has said every phrase and for what it says next, and returns all it said meanwhile."""
        start = len(self.speech.said)
        self.keys(*keys.split())
        said = lambda: self.spoken()[start:]
        try:
            wait_for(lambda: all(any(phrase in line for line in said()) for phrase in phrases),
                     "the screen reader to say " + " and ".join(map(repr, phrases)))
        except AssertionError as error:
            raise AssertionError("%s after %s; it said: %s" % (error, keys, " / ".join(said()))) from None
        end = time.monotonic() + settle
        while time.monotonic() < end:
            time.sleep(0.1)
        return said()

    def focus(self, role, name):
        """Moves the focus to the named control as a mouse click would, and lets the screen reader
        say so."""
        accessible = wait_for(lambda: find(self.window, role, name), name)
        Atspi.Component.grab_focus(accessible)
        wait_for(lambda: accessible.get_state_set().contains(Atspi.StateType.FOCUSED), name + " to take the focus")
        time.sleep(1.0)
        return accessible

    def type_into(self, combo_name, value):
        """Sets a drop-down list's text through its edit field, as assistive technology may."""
        combo = wait_for(lambda: find(self.window, Atspi.Role.COMBO_BOX, combo_name), combo_name)
        Atspi.EditableText.set_text_contents(find(combo, Atspi.Role.TEXT), value)
        wait_for(lambda: text_of(combo) == value, "%s to hold %s" % (combo_name, value))

    def answers(self):
        """Whether the program still answers its accessibility bus, within the time limit."""
        self.window.clear_cache()
        return self.app_process.poll() is None and self.window.get_child_count() > 0

    def __exit__(self, failure, *exc):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        if self.screen_reader and hasattr(self, "speech"):
            self.speech.close()
        if failure is not None:
            self._print_logs()
        self.dir.cleanup()

    def _print_logs(self):
        """What the X server, the screen reader and the speech server wrote, the end of each, so
        that a failure says why; the program's own output goes to the test's."""
        for name in sorted(os.listdir(self.dir.name)):
            if name.endswith(".log"):
                with open(os.path.join(self.dir.name, name), errors="replace") as log:
                    print("----", name, "(its last lines):", *log.readlines()[-100:], sep="\n", end="",
                          file=sys.stderr)


def text_of(accessible):
    return Atspi.Text.get_text(accessible, 0, -1)


def children(accessible):
    for i in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(i)
        if child is not None:
            yield child


def walk(accessible):
    yield accessible
    for child in children(accessible):
        yield from walk(child)


def find_all(root, role=None, name=None):
    return [a for a in walk(root) if (role is None or a.get_role() == role) and (name is None or a.get_name() == name)]


def find(root, role=None, name=None):
    found = find_all(root, role, name)
    return found[0] if found else None

// SPDX-License-Identifier: MIT
// What the desktop layer does for Wayland that shows without a compositor: the title bar the
// window draws itself, and the end of a process whose teardown hangs.
#include "desktop/exitdeadline.h"
#include "desktop/waylandframe.h"

#include <cmath>
#include <cstdio>
#include <poll.h>
#include <QTest>
#include <QToolButton>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

class WaylandFrameTest : public QObject
{
    Q_OBJECT
private slots:
    void titleBarButtonsShowTheirSymbols_data();
    void titleBarButtonsShowTheirSymbols();
    void aHangingTeardownEndsWithTheStatusAndTheOutput_data();
    void aHangingTeardownEndsWithTheStatusAndTheOutput();
};

namespace {
// Relative luminance, as contrast is judged for text.
double luminance(QColor colour)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
} // namespace

void WaylandFrameTest::titleBarButtonsShowTheirSymbols_data()
{
    QTest::addColumn<QColor>("bar");
    QTest::addColumn<QColor>("text");
    QTest::newRow("light desktop") << QColor(0x30, 0x8c, 0xc6) << QColor(Qt::white);
    QTest::newRow("dark desktop") << QColor(0x3d, 0xae, 0xe9) << QColor(0x23, 0x26, 0x29);
    QTest::newRow("pale bar") << QColor(0xe0, 0xe0, 0xe0) << QColor(Qt::black);
}

// The minimize and close symbols stand out from the title bar as its title does, whatever the
// desktop's colours: at least a stroke's worth of pixels at a contrast of 3 to the bar.
void WaylandFrameTest::titleBarButtonsShowTheirSymbols()
{
    QFETCH(QColor, bar);
    QFETCH(QColor, text);
    QWidget window;
    QPalette palette = window.palette();
    palette.setColor(QPalette::Highlight, bar);
    palette.setColor(QPalette::HighlightedText, text);
    window.setPalette(palette);
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(342, 460);
    new WaylandFrame(&window, 22, 4);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage picture = window.grab().toImage();
    for (const char *name : {"MinimizeButton", "CloseButton"}) {
        const auto *button = window.findChild<QToolButton *>(QLatin1String(name));
        QVERIFY(button);
        QVERIFY(button->isVisible());
        const QRect area = button->geometry();
        QVERIFY2(window.rect().contains(area) && area.top() < 22, name); // in the title bar
        int strong = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                strong += contrast(picture.pixelColor(x, y), bar) >= 3;
        QVERIFY2(strong >= 6,
                 qPrintable(QStringLiteral("%1: %2 pixels of its symbol stand out").arg(name).arg(strong)));
    }
}

void WaylandFrameTest::aHangingTeardownEndsWithTheStatusAndTheOutput_data()
{
    QTest::addColumn<bool>("hangs");
    QTest::newRow("teardown hangs") << true;
    QTest::newRow("teardown ends") << false;
}

// In a process of its own: what was printed before comes out, and the status is the program's
// when the teardown hangs past the grace; a teardown that ends in time ends the process itself.
void WaylandFrameTest::aHangingTeardownEndsWithTheStatusAndTheOutput()
{
    QFETCH(bool, hangs);
    int output[2];
    QVERIFY(::pipe(output) == 0);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        ::dup2(output[1], STDOUT_FILENO);
        ::dup2(output[1], STDERR_FILENO);
        std::printf("settings saved\n"); // held in stdout's buffer, as output to a pipe is
        {
            ExitDeadline teardown;
            teardown.start(7, std::chrono::milliseconds(200));
            if (hangs)
                std::this_thread::sleep_for(std::chrono::seconds(30));
        }
        std::fflush(stdout);
        ::_exit(3);
    }
    ::close(output[1]);
    QByteArray printed;
    char buffer[512];
    pollfd readable = {output[0], POLLIN, 0};
    while (::poll(&readable, 1, 20000) > 0) {
        const ssize_t n = ::read(output[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        printed.append(buffer, n);
    }
    ::close(output[0]);
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), hangs ? 7 : 3);
    QVERIFY2(printed.contains("settings saved\n"), printed.constData());
    QCOMPARE(printed.contains("ending anyway"), hangs);
}

QTEST_MAIN(WaylandFrameTest)
#include "tst_waylandframe.moc"

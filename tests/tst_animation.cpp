// SPDX-License-Identifier: MIT
#include "formtest.h"

#include <QCheckBox>
#include <QElapsedTimer>

class AnimationTest : public QObject
{
    Q_OBJECT
private slots:
    void onlyAChangeOfStateCountsAndUncheckingRestoresRestAtOnce();
    void realTimersRepeatTheCycleAtTheDesignedPace();
};

namespace {
const char *const kCallouts[] = {"Label25", "Label26", "Label27", "Label28", "Label29",
                                 "Line10",  "Line11",  "Line12",  "Line13",  "Line14"};

QList<int> stroke(const FormUnderTest &t, const char *timer, int ticks)
{
    QList<int> lefts;
    for (int i = 0; i < ticks; ++i) {
        t.tick(timer);
        lefts.append(t.find("Image3")->x());
    }
    return lefts;
}

void expectPhase(const FormUnderTest &t, bool leftward, bool rightward)
{
    QCOMPARE(t.find<QTimer>("Timer1")->isActive(), leftward);
    QCOMPARE(t.find<QTimer>("Timer2")->isActive(), rightward);
    for (const char *name : kCallouts)
        QVERIFY2(t.find(name)->isHidden() == (leftward || rightward), name);
}
} // namespace

void AnimationTest::onlyAChangeOfStateCountsAndUncheckingRestoresRestAtOnce()
{
    // Ticks into the leftward and the rightward stroke, and the piston's Left at the next tick.
    for (const auto &[leftTicks, rightTicks, next] : {std::tuple{5, 0, 1340}, std::tuple{15, 3, 780}}) {
        FormUnderTest t;
        auto *animate = t.find<QCheckBox>("Check1");
        animate->setChecked(true);
        stroke(t, "Timer1", leftTicks);
        stroke(t, "Timer2", rightTicks);
        animate->setChecked(true); // no change: the stroke goes on where it was
        t.trigger("sky"); // recolours the hidden captions without showing them
        expectPhase(t, rightTicks == 0, rightTicks > 0);
        QCOMPARE(stroke(t, rightTicks ? "Timer2" : "Timer1", 1), QList<int>{px(next)});

        QTest::mouseClick(animate, Qt::LeftButton);
        expectPhase(t, false, false);
        QCOMPARE(t.find("Image3")->x(), px(1740));
        for (const char *name : kCallouts)
            QCOMPARE(t.find(name)->palette().color(t.find(name)->foregroundRole()), QColor(Qt::white));

        animate->setChecked(true); // from rest, whichever stroke was cut short
        expectPhase(t, true, false);
        QCOMPARE(stroke(t, "Timer1", 2), (QList<int>{px(1740), px(1660)}));
    }
}

// The timers as they run, over two whole cycles and into the third. Load only makes a timer
// late: each tick is bounded from below by its stroke's start, by the clock. Its pace from above is
// measured against a 10 ms timer of the test's in the same event loop, which a loaded machine
// delays alike, rather than by the clock.
void AnimationTest::realTimersRepeatTheCycleAtTheDesignedPace()
{
    FormUnderTest t;
    t.form->show();
    constexpr int kCycle = 15 + 29, kTicks = 2 * kCycle + 1;
    // An event loop of its own: QTRY's waits sleep 10 ms between rounds, which would hide a
    // timer that runs too fast.
    QEventLoop loop;
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    QTimer reference;
    int beats = 0; // of the reference timer
    connect(&reference, &QTimer::timeout, this, [&beats] { ++beats; });
    QList<std::tuple<int, int, qint64, int>> ticks; // the timer, the piston's Left after its tick, when (us), beats
    for (int timer : {1, 2})
        connect(t.find<QTimer>(timer == 1 ? "Timer1" : "Timer2"), &QTimer::timeout, this, [&, timer] {
            ticks.append({timer, t.find("Image3")->x(), clock.nsecsElapsed() / 1000, beats});
            if (ticks.size() == kTicks)
                loop.quit();
        });
    clock.start();
    reference.start(10);
    t.find<QCheckBox>("Check1")->setChecked(true);
    loop.exec();
    QCOMPARE_GE(ticks.size(), kTicks);
    for (const char *name : kCallouts)
        QVERIFY2(t.find(name)->isHidden(), name);

    // Each cycle: Timer1 draws 1740 - 80k for k = 0 to 13 and hands over at 700; Timer2 draws
    // 660 + 40k for k = 0 to 27 and hands over at rest, 1740, where the next cycle starts.
    // The n-th tick of a stroke comes n intervals (10 or 50 ms) after the hand-over, or later,
    // and within one and a half times n intervals of the reference's beats.
    QList<std::pair<int, int>> seen, expected;
    std::tuple<int, int, qint64, int> strokeStart;
    for (int i = 0; i < kTicks; ++i) {
        const auto [timer, left, at, beat] = ticks[i];
        const int k = i % kCycle, nth = k < 15 ? k + 1 : k - 14, interval = timer == 1 ? 10 : 50;
        seen.append({timer, left});
        expected.append(k < 15 ? std::pair(1, px(1740 - 80 * std::min(k, 13)))
                               : std::pair(2, px(660 + 40 * std::min(k - 15, 27))));
        strokeStart = nth == 1 && i ? ticks[i - 1] : strokeStart;
        const QString tick = QStringLiteral("tick %1 of Timer%2 at %3 us, %4 beats")
                                 .arg(nth)
                                 .arg(timer)
                                 .arg(at - std::get<2>(strokeStart))
                                 .arg(beat - std::get<3>(strokeStart));
        QVERIFY2(at - std::get<2>(strokeStart) >= nth * interval * 1000 - 1000, qPrintable(tick));
        QVERIFY2(beat - std::get<3>(strokeStart) <= nth * interval * 3 / 20 + 2, qPrintable(tick));
    }
    QCOMPARE(seen, expected);
}

QTEST_MAIN(AnimationTest)
#include "tst_animation.moc"

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
// late: each tick is bounded tightly from below by its stroke's start, and loosely from above.
void AnimationTest::realTimersRepeatTheCycleAtTheDesignedPace()
{
    FormUnderTest t;
    QElapsedTimer clock;
    QList<std::tuple<int, int, qint64>> ticks; // the timer, the piston's Left after its tick, when (us)
    for (int timer : {1, 2})
        connect(t.find<QTimer>(timer == 1 ? "Timer1" : "Timer2"), &QTimer::timeout, this, [&, timer] {
            ticks.append({timer, t.find("Image3")->x(), clock.nsecsElapsed() / 1000});
        });
    t.form->show();
    clock.start();
    t.find<QCheckBox>("Check1")->setChecked(true);
    constexpr int kCycle = 15 + 29, kTicks = 2 * kCycle + 1;
    QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= kTicks, 60000);
    for (const char *name : kCallouts)
        QVERIFY2(t.find(name)->isHidden(), name);

    // Each cycle: Timer1 draws 1740 - 80k for k = 0 to 13 and hands over at 700; Timer2 draws
    // 660 + 40k for k = 0 to 27 and hands over at rest, 1740, where the next cycle starts.
    // The n-th tick of a stroke comes n intervals (10 or 50 ms) after the hand-over, or later,
    // and a typical tick within two intervals of the last.
    QList<std::pair<int, int>> seen, expected;
    QList<qint64> gaps[2];
    qint64 strokeStart = 0;
    for (int i = 0; i < kTicks; ++i) {
        const auto [timer, left, at] = ticks[i];
        const int k = i % kCycle, nth = k < 15 ? k + 1 : k - 14, interval = timer == 1 ? 10'000 : 50'000;
        seen.append({timer, left});
        expected.append(k < 15 ? std::pair(1, px(1740 - 80 * std::min(k, 13)))
                               : std::pair(2, px(660 + 40 * std::min(k - 15, 27))));
        strokeStart = nth == 1 && i ? std::get<2>(ticks[i - 1]) : strokeStart;
        QVERIFY2(at - strokeStart >= nth * interval - 1000,
                 qPrintable(QStringLiteral("tick %1 of Timer%2 at %3 us").arg(nth).arg(timer).arg(at - strokeStart)));
        if (nth > 1)
            gaps[timer - 1].append(at - std::get<2>(ticks[i - 1]));
    }
    QCOMPARE(seen, expected);
    for (int timer : {0, 1}) {
        std::sort(gaps[timer].begin(), gaps[timer].end());
        QCOMPARE_LE(gaps[timer][gaps[timer].size() / 2], timer ? 100'000 : 20'000);
    }
}

QTEST_MAIN(AnimationTest)
#include "tst_animation.moc"

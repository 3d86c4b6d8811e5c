// SPDX-License-Identifier: MIT
#include "formtest.h"

#include <QCheckBox>
#include <QElapsedTimer>

class AnimationTest : public QObject
{
    Q_OBJECT
private slots:
    void strokesDrawTheDesignedPositionsWithTheCaptionsHidden();
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

void AnimationTest::strokesDrawTheDesignedPositionsWithTheCaptionsHidden()
{
    FormUnderTest t;
    QList<int> left, right; // the last tick of each stroke hands over without moving
    for (int twips = 1740; twips >= 620; twips -= 80)
        left.append(px(std::max(twips, 700)));
    for (int twips = 660; twips <= 1780; twips += 40)
        right.append(px(std::min(twips, 1740)));
    t.find<QCheckBox>("Check1")->setChecked(true);
    expectPhase(t, true, false);
    QCOMPARE(stroke(t, "Timer1", 15), left);
    expectPhase(t, false, true);
    QCOMPARE(stroke(t, "Timer2", 29), right);
    expectPhase(t, true, false);
}

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

// The timers as they really run, over two whole cycles and into the third: which timer
// ticks, where each tick leaves the piston, and when. Load only makes timers late, so each
// tick is bounded tightly from below by its stroke's start and loosely from above.
void AnimationTest::realTimersRepeatTheCycleAtTheDesignedPace()
{
    struct Tick {
        int timer; // 1 or 2
        int left; // the piston's Left after the tick, in pixels
        qint64 at; // microseconds since the animation started
    };
    FormUnderTest t;
    QElapsedTimer clock;
    QList<Tick> ticks;
    for (int timer : {1, 2})
        connect(t.find<QTimer>(timer == 1 ? "Timer1" : "Timer2"), &QTimer::timeout, this, [&, timer] {
            ticks.append({timer, t.find("Image3")->x(), clock.nsecsElapsed() / 1000});
        });
    t.form->show();
    clock.start();
    t.find<QCheckBox>("Check1")->setChecked(true);
    constexpr int kCycle = 15 + 29;
    QTRY_VERIFY_WITH_TIMEOUT(ticks.size() > 2 * kCycle, 60000);
    t.find<QCheckBox>("Check1")->setChecked(false);
    ticks.resize(2 * kCycle + 1);

    // Each cycle: Timer1 draws 1740 - 80k for k = 0 to 13 and hands over at 700; Timer2 draws
    // 660 + 40k for k = 0 to 27 and hands over at rest, 1740, where the next cycle starts.
    QList<std::pair<int, int>> expected, seen;
    for (int cycle = 0; cycle < 2; ++cycle) {
        for (int k = 0; k <= 14; ++k)
            expected.append({1, px(1740 - 80 * std::min(k, 13))});
        for (int k = 0; k <= 28; ++k)
            expected.append({2, px(660 + 40 * std::min(k, 27))});
    }
    expected.append({1, px(1740)});
    for (const Tick &tick : std::as_const(ticks))
        seen.append({tick.timer, tick.left});
    QCOMPARE(seen, expected);

    // A stroke starts with its timer: at the start, or at the other stroke's hand-over.
    qint64 strokeStart = 0;
    QList<qint64> gaps;
    for (int i = 0; i < ticks.size(); ++i) {
        const bool newStroke = i > 0 && ticks[i].timer != ticks[i - 1].timer;
        if (newStroke) {
            std::sort(gaps.begin(), gaps.end());
            const qint64 interval = ticks[i - 1].timer == 1 ? 10'000 : 50'000;
            QVERIFY2(gaps[gaps.size() / 2] <= 2 * interval,
                     qPrintable(QStringLiteral("Timer%1: a typical tick %2 us after the last")
                                    .arg(ticks[i - 1].timer)
                                    .arg(gaps[gaps.size() / 2])));
            gaps.clear();
            strokeStart = ticks[i - 1].at;
        }
        const qint64 interval = ticks[i].timer == 1 ? 10'000 : 50'000;
        const qint64 nth = ticks[i].timer == 1 ? (i % kCycle) + 1 : (i % kCycle) - 14;
        QVERIFY2(ticks[i].at - strokeStart >= nth * interval - 1000,
                 qPrintable(QStringLiteral("tick %1 of Timer%2 came %3 us into its stroke")
                                .arg(nth)
                                .arg(ticks[i].timer)
                                .arg(ticks[i].at - strokeStart)));
        if (i > 0 && !newStroke)
            gaps.append(ticks[i].at - ticks[i - 1].at);
    }
}

QTEST_MAIN(AnimationTest)
#include "tst_animation.moc"

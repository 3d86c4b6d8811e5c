// SPDX-License-Identifier: MIT
#include "formtest.h"

#include <QCheckBox>

class AnimationTest : public QObject
{
    Q_OBJECT
private slots:
    void strokesDrawTheDesignedPositionsWithTheCaptionsHidden();
    void onlyAChangeOfStateCountsAndUncheckingRestoresRestAtOnce();
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

QTEST_MAIN(AnimationTest)
#include "tst_animation.moc"

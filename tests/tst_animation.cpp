// SPDX-License-Identifier: MIT
#include "formtest.h"

#include "appearance/animation.h"

#include <QCheckBox>

class AnimationTest : public QObject
{
    Q_OBJECT
private slots:
    void strokesDrawExactlyTheDesignedPositions();
    void checkingHidesTheCaptionsAndStartsTheQuickStroke();
    void uncheckingRestoresEverythingAtOnce();
    void checkingAgainStartsFromRestWhateverWasInterrupted();
    void onlyARealChangeRunsTheHandler();
    void aThemeDuringTheAnimationRecoloursButDoesNotShow();
};

namespace {

QList<int> positions(PistonStroke &stroke, PistonStroke::Tick (PistonStroke::*tick)())
{
    QList<int> drawn;
    while (const auto left = (stroke.*tick)().left)
        drawn.append(*left);
    return drawn;
}

const char *const kCallouts[] = {"Label25", "Label26", "Label27", "Label28", "Label29",
                                 "Line10",  "Line11",  "Line12",  "Line13",  "Line14"};

void setAnimate(const FormUnderTest &t, bool on)
{
    t.find<QCheckBox>("Check1")->setChecked(on);
}

QTimer *timer(const FormUnderTest &t, const char *name)
{
    return t.find<QTimer>(name);
}

} // namespace

void AnimationTest::strokesDrawExactlyTheDesignedPositions()
{
    PistonStroke stroke;
    stroke.start();
    QList<int> left, right;
    for (int k = 0; k <= 13; ++k)
        left.append(1740 - 80 * k);
    for (int k = 0; k <= 27; ++k)
        right.append(660 + 40 * k);
    for (int cycle = 0; cycle < 3; ++cycle) {
        QCOMPARE(positions(stroke, &PistonStroke::leftward), left);
        QCOMPARE(stroke.animpos, qint16(660)); // the hand-over tick found 620 and did not move
        QCOMPARE(positions(stroke, &PistonStroke::rightward), right);
        QCOMPARE(stroke.animpos, qint16(1740)); // found 1780
    }
}

void AnimationTest::checkingHidesTheCaptionsAndStartsTheQuickStroke()
{
    FormUnderTest t;
    t.form->show();
    setAnimate(t, true);
    for (const char *name : kCallouts)
        QVERIFY2(t.find(name)->isHidden(), name);
    QVERIFY(timer(t, "Timer1")->isActive());
    QVERIFY(!timer(t, "Timer2")->isActive());
    QCOMPARE(timer(t, "Timer1")->interval(), 10);
    QCOMPARE(timer(t, "Timer2")->interval(), 50);
    QCOMPARE(timer(t, "Timer1")->timerType(), Qt::PreciseTimer);

    QWidget *piston = t.find("Image3");
    const int top = piston->y();
    t.tick("Timer1");
    QCOMPARE(piston->x(), px(1740));
    t.tick("Timer1");
    QCOMPARE(piston->x(), px(1660));
    for (int i = 0; i < 12; ++i)
        t.tick("Timer1");
    QCOMPARE(piston->x(), px(700));
    t.tick("Timer1"); // hands over without moving
    QCOMPARE(piston->x(), px(700));
    QVERIFY(!timer(t, "Timer1")->isActive());
    QVERIFY(timer(t, "Timer2")->isActive());
    t.tick("Timer2");
    QCOMPARE(piston->x(), px(660));
    QCOMPARE(piston->y(), top);
}

void AnimationTest::uncheckingRestoresEverythingAtOnce()
{
    FormUnderTest t;
    t.form->show();
    setAnimate(t, true);
    for (int i = 0; i < 5; ++i)
        t.tick("Timer1");
    setAnimate(t, false);
    for (const char *name : kCallouts)
        QVERIFY2(t.find(name)->isVisible(), name);
    QVERIFY(!timer(t, "Timer1")->isActive());
    QVERIFY(!timer(t, "Timer2")->isActive());
    QCOMPARE(t.find("Image3")->x(), px(1740));
}

void AnimationTest::checkingAgainStartsFromRestWhateverWasInterrupted()
{
    FormUnderTest t;
    setAnimate(t, true);
    for (int i = 0; i < 15; ++i) // through the quick stroke into the slow one
        t.tick("Timer1");
    for (int i = 0; i < 3; ++i)
        t.tick("Timer2");
    QVERIFY(timer(t, "Timer2")->isActive());
    setAnimate(t, false);
    setAnimate(t, true);
    QVERIFY(timer(t, "Timer1")->isActive());
    QVERIFY(!timer(t, "Timer2")->isActive());
    t.tick("Timer1");
    t.tick("Timer1");
    QCOMPARE(t.find("Image3")->x(), px(1660));
}

void AnimationTest::onlyARealChangeRunsTheHandler()
{
    FormUnderTest t;
    setAnimate(t, true);
    for (int i = 0; i < 4; ++i)
        t.tick("Timer1");
    setAnimate(t, true); // no change: the stroke goes on where it was
    t.tick("Timer1");
    QCOMPARE(t.find("Image3")->x(), px(1740 - 4 * 80));
    QTest::mouseClick(t.find("Check1"), Qt::LeftButton);
    QVERIFY(!timer(t, "Timer1")->isActive());
    QCOMPARE(t.find("Image3")->x(), px(1740));
}

void AnimationTest::aThemeDuringTheAnimationRecoloursButDoesNotShow()
{
    FormUnderTest t;
    t.form->show();
    setAnimate(t, true);
    t.tick("Timer1");
    t.trigger("sky");
    for (const char *name : kCallouts) {
        QVERIFY2(t.find(name)->isHidden(), name);
        QCOMPARE(t.find(name)->palette().color(t.find(name)->foregroundRole()), QColor(Qt::white));
    }
    QVERIFY(timer(t, "Timer1")->isActive());
    setAnimate(t, false);
    QCOMPARE(pixelOf(t.find("Label25"), QPoint(1, 1)), QColor(0, 0, 64));
}

QTEST_MAIN(AnimationTest)
#include "tst_animation.moc"

// SPDX-License-Identifier: MIT
#include "formtest.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

class PanelsTest : public QObject
{
    Q_OBJECT
private slots:
    void eachHelpItemOpensItsPanelAndWidensTheWindow_data();
    void eachHelpItemOpensItsPanelAndWidensTheWindow();
    void closeLabelNarrowsAgainAndKeepsTheCalculatorsValues();
    void escapeClosesTheOpenPanelWhereverTheFocusIs();
    void openingAnotherPanelReplacesTheOpenOne();
    void widthsNeverDrift();
    void widthFollowsTheWindowFrameWhenThereIsOne();
    void panelsHoldTheirTextsExactly();
    void panelTextsAreOutOfTheTabSequenceYetSelectableAndReadOnly();
    void handBrokenLinesFitTheirBoxes();
    void panelsShowTheirOwnColours();
};

namespace {
const char *const kItems[] = {"vormektypes", "cylmeas", "how2use", "info"};
const char *const kFrames[] = {"Frame2", "Frame3", "Frame4", "Frame5"};
const char *const kCloses[] = {"close2", "close3", "close4", "close5"};

// The client width for an outer width: less the window frame, or where the window system
// reports none, less the border the design implies.
int clientWidth(const FormUnderTest &t, int outerTwips)
{
    const int frame = t.form->frameGeometry().width() - t.form->geometry().width();
    return px(outerTwips) - (frame > 0 ? frame : px(8070) - px(7950));
}

void expectOnly(const FormUnderTest &t, const char *visible)
{
    for (const char *frame : kFrames)
        QCOMPARE(t.find(frame)->isVisible(), visible && qstrcmp(frame, visible) == 0);
}
} // namespace

void PanelsTest::eachHelpItemOpensItsPanelAndWidensTheWindow_data()
{
    // clang-format off
    QTest::addColumn<int>("index");
    for (int i = 0; i < 4; ++i)
        QTest::newRow(kFrames[i]) << i;
    // clang-format on
}

void PanelsTest::eachHelpItemOpensItsPanelAndWidensTheWindow()
{
    QFETCH(int, index);
    FormUnderTest t;
    t.form->show();
    const int left = t.form->x();
    t.action(kItems[index])->trigger();
    expectOnly(t, kFrames[index]);
    QCOMPARE(t.form->width(), clientWidth(t, 8070));
    QCOMPARE(t.find("Frame1")->width(), px(7875));
    QCOMPARE(t.form->x(), left);
    t.action(kItems[index])->trigger(); // already open: nothing changes
    expectOnly(t, kFrames[index]);
    QCOMPARE(t.form->width(), clientWidth(t, 8070));
}

void PanelsTest::closeLabelNarrowsAgainAndKeepsTheCalculatorsValues()
{
    FormUnderTest t;
    t.form->show();
    t.setText("Combo1", QStringLiteral("6.03"));
    t.setText("Text1", QStringLiteral("2"));
    for (int i = 0; i < 4; ++i) {
        t.action(kItems[i])->trigger();
        QWidget *close = t.find(kCloses[i]);
        QCOMPARE(close->parentWidget(), t.find(kFrames[i]));
        QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
        expectOnly(t, nullptr);
        QCOMPARE(t.form->width(), clientWidth(t, 5130));
        QCOMPARE(t.find("Frame1")->width(), px(4905));
    }
    QCOMPARE(t.text("Combo1"), QStringLiteral("6.03"));
    QCOMPARE(t.text("Text1"), QStringLiteral("2"));
}

void PanelsTest::escapeClosesTheOpenPanelWhereverTheFocusIs()
{
    FormUnderTest t;
    QVERIFY(t.showAndActivate());
    t.setText("Combo1", QStringLiteral("6.03"));
    const char *const focused[] = {"Check1", "Combo1", "Text9", "Text12"};
    for (int i = 0; i < 4; ++i) {
        t.action(kItems[i])->trigger();
        QWidget *widget = t.find(focused[i]);
        widget->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        expectOnly(t, nullptr);
        QCOMPARE(t.form->width(), clientWidth(t, 5130));
        QCOMPARE(t.find("Frame1")->width(), px(4905));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // nothing open: nothing changes
    expectOnly(t, nullptr);
    QCOMPARE(t.form->width(), clientWidth(t, 5130));
    QCOMPARE(t.text("Combo1"), QStringLiteral("6.03"));
}

void PanelsTest::openingAnotherPanelReplacesTheOpenOne()
{
    FormUnderTest t;
    t.form->show();
    t.trigger("vormektypes");
    t.trigger("cylmeas");
    expectOnly(t, "Frame3");
    QCOMPARE(t.form->width(), clientWidth(t, 8070));
    // A press that ends outside the label is no click.
    QWidget *close = t.find("close3");
    QTest::mousePress(close, Qt::LeftButton, {}, close->rect().center());
    QTest::mouseRelease(close, Qt::LeftButton, {}, close->rect().center() + QPoint(0, 200));
    expectOnly(t, "Frame3");
}

void PanelsTest::widthsNeverDrift()
{
    FormUnderTest t;
    t.form->show();
    for (int round = 0; round < 5; ++round) {
        t.trigger("info");
        t.trigger("how2use");
        QCOMPARE(t.form->width(), clientWidth(t, 8070));
        t.clickLabel("close4");
        QCOMPARE(t.form->width(), clientWidth(t, 5130));
    }
    QCOMPARE(t.form->minimumSize(), t.form->maximumSize());
}

void PanelsTest::widthFollowsTheWindowFrameWhenThereIsOne()
{
    FormUnderTest t;
    QCOMPARE(t.form->width(), px(5130) - (px(8070) - px(7950))); // not shown yet: no frame
    t.form->show();
    t.trigger("info");
    QCOMPARE(t.form->frameGeometry().width(), px(8070));
    t.clickLabel("close5");
    QCOMPARE(t.form->frameGeometry().width(), px(5130));
}

void PanelsTest::panelsHoldTheirTextsExactly()
{
    // The approved pictures show the texts; these are the blanks and breaks they cannot show.
    FormUnderTest t;
    const QString howTo = t.find<QPlainTextEdit>("Text12")->toPlainText();
    QVERIFY(howTo.contains(QLatin1String("distance of the \n")));
    QVERIFY(howTo.contains(QLatin1String("Type 1 & 2 etc., \n")));
    QVERIFY(howTo.endsWith(QLatin1String("have already been compensated.\n")));
    QVERIFY(t.find<QPlainTextEdit>("Text11")->toPlainText().startsWith(
        QLatin1String("#1 - input the entire length of the \n")));
    QVERIFY(t.find<QPlainTextEdit>("Text13")->toPlainText().contains(QLatin1String("pad - used \n")));
    QVERIFY(t.find<QPlainTextEdit>("Text3")->toPlainText().contains(
        QLatin1String("\n               M4A1 RIS,SR16,SIG551\n")));
    QCOMPARE(t.find<QLabel>("Label19")->text(), QStringLiteral("Common Barrel Lengths:"));
    QCOMPARE(t.find<QLabel>("Label21")->text(), QStringLiteral("Cylinder Body Dimensions:"));
    QCOMPARE(t.find<QLabel>("Label32")->text(), QStringLiteral("How to use this Tool:"));
    QCOMPARE(t.find<QLabel>("Label30")->text(), QStringLiteral("Additional Information:"));
    QCOMPARE(t.find<QLabel>("close5")->text(), QStringLiteral("close"));
}

void PanelsTest::panelTextsAreOutOfTheTabSequenceYetSelectableAndReadOnly()
{
    FormUnderTest t;
    QVERIFY(t.showAndActivate());
    t.trigger("how2use");
    auto *box = t.find<QPlainTextEdit>("Text12");
    const QString text = box->toPlainText();
    QCOMPARE(box->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    t.find("Check1")->setFocus();
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!t.find("Frame4")->isAncestorOf(QApplication::focusWidget()));
    }

    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(20, 8));
    QCOMPARE(QApplication::focusWidget(), box);
    QTest::keyClicks(box, QStringLiteral("typed"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->toPlainText(), text);
    QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
    QVERIFY(box->textCursor().hasSelection());
}

void PanelsTest::handBrokenLinesFitTheirBoxes()
{
    FormUnderTest t;
    t.form->show();
    for (const char *frame : kFrames) {
        t.find(frame)->show();
        for (auto *box : t.find(frame)->findChildren<QPlainTextEdit *>()) {
            QTextBlock block = box->document()->firstBlock();
            for (; block.isValid(); block = block.next())
                QVERIFY2(block.layout()->lineCount() <= 1, qPrintable(block.text()));
        }
    }
}

void PanelsTest::panelsShowTheirOwnColours()
{
    FormUnderTest t;
    t.form->show();
    t.trigger("cylmeas");
    const QColor lavender(192, 192, 255);
    auto *frame = t.find("Frame3");
    QCOMPARE(pixelOf(frame, QPoint(frame->width() - 3, 3)), lavender);
    auto *text = t.find<QPlainTextEdit>("Text10");
    QCOMPARE(pixelOf(text->viewport(), QPoint(text->viewport()->width() - 2, text->viewport()->height() - 2)),
             lavender);
    auto *close = t.find<QLabel>("close3");
    QCOMPARE(close->palette().color(close->foregroundRole()), QColor(255, 0, 0));
    const QImage image = close->grab().toImage();
    bool red = false;
    for (int x = 0; x < image.width() && !red; ++x)
        for (int y = 0; y < image.height() && !red; ++y)
            red = image.pixelColor(x, y).red() > 200 && image.pixelColor(x, y).green() < 60;
    QVERIFY(red);
}

QTEST_MAIN(PanelsTest)
#include "tst_panels.moc"

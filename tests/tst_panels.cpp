// SPDX-License-Identifier: MIT
#include "formtest.h"

#include <QPlainTextEdit>
#include <QRegularExpression>

class PanelsTest : public QObject
{
    Q_OBJECT
private slots:
    void eachItemOpensItsPanelWithReadOnlyTextsAndCloseOrEscapeClosesIt();
};

namespace {
const char *const kItems[] = {"vormektypes", "cylmeas", "how2use", "info"};
const char *const kFrames[] = {"Frame2", "Frame3", "Frame4", "Frame5"};

void expectLayout(const FormUnderTest &t, const char *open, int outer, int frame1)
{
    for (const char *frame : kFrames)
        QCOMPARE(t.find(frame)->isVisible(), open && qstrcmp(frame, open) == 0);
    QCOMPARE(t.form->frameGeometry().width(), px(outer));
    QCOMPARE(t.find("Frame1")->width(), px(frame1));
}
} // namespace

void PanelsTest::eachItemOpensItsPanelWithReadOnlyTextsAndCloseOrEscapeClosesIt()
{
    FormUnderTest t;
    QVERIFY(t.showAndActivate());
    const auto text = [&t](const char *name) { return t.find<QPlainTextEdit>(name)->toPlainText(); };
    // The blanks at line ends and the hand breaks, which no picture shows.
    QVERIFY(text("Text11").startsWith(QLatin1String("#1 - input the entire length of the \n")));
    QVERIFY(text("Text12").contains(QRegularExpression("of the \n(.|\n)*etc., \n(.|\n)*compensated.\n$")));
    QVERIFY(text("Text13").contains(QLatin1String("pad - used \n")));
    QVERIFY(text("Text3").contains(QLatin1String("C15\n               M4A1 RIS,SR16,SIG551\n")));

    const QRect narrow = t.form->geometry();
    for (int i = 0; i < 4; ++i) {
        t.trigger(kItems[(i + 1) % 4]); // another panel is open: this one replaces it
        t.trigger(kItems[i]);
        t.trigger(kItems[i]); // already open: nothing changes
        expectLayout(t, kFrames[i], 8070, 7875);
        QCOMPARE(t.form->geometry().adjusted(0, 0, narrow.width() - t.form->width(), 0), narrow); // only wider

        // Opened, its first text has the focus; Tab goes through its texts to its close label and
        // then leaves it for good.
        QList<QWidget *> stops;
        for (auto *box : t.find(kFrames[i])->findChildren<QPlainTextEdit *>())
            stops.append(box);
        stops.append(t.find(QByteArray("close" + QByteArray::number(i + 2)).constData()));
        QCOMPARE(QApplication::focusWidget(), stops.first());
        for (QWidget *next : stops.mid(1)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        for (int tab = 0; tab < 20; ++tab) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(!t.find(kFrames[i])->isAncestorOf(QApplication::focusWidget()));
        }
        for (auto *box : t.find(kFrames[i])->findChildren<QPlainTextEdit *>()) {
            const QString before = box->toPlainText();
            QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(20, 8));
            QCOMPARE(QApplication::focusWidget(), box);
            QTest::keyClicks(box, QStringLiteral("typed"));
            QCOMPARE(box->toPlainText(), before);
            QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
            QVERIFY(box->textCursor().hasSelection());
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // from a panel's text box
        expectLayout(t, nullptr, 5130, 4905);
        t.trigger(kItems[i]);

        auto *close = t.find<QLabel>(QByteArray("close" + QByteArray::number(i + 2)).constData());
        QTest::mousePress(close, Qt::RightButton);
        QTest::mouseRelease(close, Qt::LeftButton);
        QTest::mousePress(close, Qt::LeftButton);
        QTest::mouseRelease(close, Qt::LeftButton, {}, close->rect().center() + QPoint(0, 200));
        expectLayout(t, kFrames[i], 8070, 7875);
        QTest::mouseClick(close, Qt::LeftButton);
        expectLayout(t, nullptr, 5130, 4905);
        QCOMPARE(t.form->geometry(), narrow);
    }
}

QTEST_MAIN(PanelsTest)
#include "tst_panels.moc"

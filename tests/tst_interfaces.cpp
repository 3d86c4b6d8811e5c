// SPDX-License-Identifier: MIT
// What assistive technology reads of the window, asked as it asks: through the interfaces.
#include "formtest.h"

#include <QAccessible>
#include <QAction>
#include <QPlainTextEdit>

class InterfacesTest : public QObject
{
    Q_OBJECT
private slots:
    void oneLineBoxesAnswerEveryBoundaryAtEveryOffset_data();
    void oneLineBoxesAnswerEveryBoundaryAtEveryOffset();
    void aHelpTextLiesLineBelowLine();
    void themeItemsHaveTheirPlaceInTheMenu();
    void theCloseLabelIsAButtonThatReturnsTheFocus();
};

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *found = QAccessible::queryAccessibleInterface(object);
    if (!found)
        qFatal("no accessible interface");
    return found;
}

struct Span {
    QString text;
    int start;
    int end;
    bool operator==(const Span &) const = default;
};

Span spanAt(QAccessibleTextInterface *text, int offset, QAccessible::TextBoundaryType boundary, int step = 0)
{
    Span span;
    span.text = step < 0 ? text->textBeforeOffset(offset, boundary, &span.start, &span.end)
        : step > 0       ? text->textAfterOffset(offset, boundary, &span.start, &span.end)
                         : text->textAtOffset(offset, boundary, &span.start, &span.end);
    return span;
}

} // namespace

void InterfacesTest::oneLineBoxesAnswerEveryBoundaryAtEveryOffset_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::newRow("text box") << QByteArray("Text2");
    QTest::newRow("result box") << QByteArray("Text9");
    QTest::newRow("drop-down list") << QByteArray("Combo2");
    QTest::newRow("its edit field") << QByteArray("Combo2 edit");
}

void InterfacesTest::oneLineBoxesAnswerEveryBoundaryAtEveryOffset()
{
    QFETCH(QByteArray, box);
    FormUnderTest t;
    const bool edit = box.endsWith(" edit");
    QWidget *widget = t.find(box.split(' ').first().constData());
    t.setText(widget->objectName().toLatin1().constData(), QStringLiteral("25.4 mm"));
    if (edit)
        widget = t.find<QComboBox>("Combo2")->lineEdit();
    QAccessibleTextInterface *text = accessible(widget)->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), 7);
    using enum QAccessible::TextBoundaryType;
    // Qt's own answer for a word or sentence at the end of the text never came.
    for (int offset = 0; offset <= 7; ++offset)
        for (auto boundary :
             {CharBoundary, WordBoundary, SentenceBoundary, ParagraphBoundary, LineBoundary, NoBoundary})
            for (int step : {-1, 0, 1}) {
                const Span span = spanAt(text, offset, boundary, step);
                QVERIFY(0 <= span.start && span.start <= span.end && span.end <= 7);
                QCOMPARE(span.text, QStringLiteral("25.4 mm").mid(span.start, span.end - span.start));
            }
    QCOMPARE(spanAt(text, 0, WordBoundary), (Span{"25.4", 0, 4}));
    QCOMPARE(spanAt(text, 4, WordBoundary), (Span{" ", 4, 5}));
    QCOMPARE(spanAt(text, 7, WordBoundary), (Span{"mm", 5, 7}));
    QCOMPARE(spanAt(text, 7, WordBoundary, -1), (Span{" ", 4, 5}));
    QCOMPARE(spanAt(text, 7, WordBoundary, 1), (Span{"", 7, 7}));
    QCOMPARE(spanAt(text, 7, CharBoundary), (Span{"", 7, 7}));
    QCOMPARE(spanAt(text, 7, CharBoundary, -1), (Span{"m", 6, 7}));
    QCOMPARE(spanAt(text, 7, SentenceBoundary), (Span{"25.4 mm", 0, 7}));
    QCOMPARE(spanAt(text, 3, LineBoundary), (Span{"25.4 mm", 0, 7}));
    // One run of attributes over the whole text: a screen reader rebuilds the line from runs.
    for (int offset = 0; offset < 7; ++offset) {
        int start = -1, end = -1;
        text->attributes(offset, &start, &end);
        QCOMPARE((std::pair{start, end}), (std::pair{0, 7}));
    }
}

void InterfacesTest::aHelpTextLiesLineBelowLine()
{
    FormUnderTest t;
    QVERIFY(t.showAndActivate());
    t.trigger("how2use");
    QAccessibleTextInterface *text = accessible(t.find("Text12"))->textInterface();
    QCOMPARE(spanAt(text, 0, QAccessible::LineBoundary).text,
             QStringLiteral("Step 1: input Inner Barrel dimensions\n"));
    int top = -1;
    for (int line = 0, offset = 0; line < 4; ++line) {
        const Span span = spanAt(text, offset, QAccessible::LineBoundary);
        const QRect first = text->characterRect(offset);
        QVERIFY2(first.top() > top, qPrintable(span.text));
        QCOMPARE(text->characterRect(span.end - 2).top(), first.top());
        top = first.top();
        offset = span.end;
    }
}

void InterfacesTest::themeItemsHaveTheirPlaceInTheMenu()
{
    FormUnderTest t;
    const char *items[] = {"default", "sky", "earth", "save"};
    for (int index = 0; index < 4; ++index) {
        QAccessibleInterface *item = accessible(t.action(items[index]));
        QCOMPARE(item->parent()->indexOfChild(item), index);
        QCOMPARE(item->parent()->child(index), item);
        QCOMPARE(item->role(), index < 3 ? QAccessible::RadioButton : QAccessible::CheckBox);
        QCOMPARE(item->parent()->parent()->text(QAccessible::Name), QStringLiteral("Themes"));
    }
    QVERIFY(accessible(t.action("default"))->state().checked);
}

void InterfacesTest::theCloseLabelIsAButtonThatReturnsTheFocus()
{
    FormUnderTest t;
    QVERIFY(t.showAndActivate());
    t.find("Combo3")->setFocus();
    t.trigger("cylmeas");
    QCOMPARE(QApplication::focusWidget(), t.find("Text11"));
    QAccessibleInterface *close = accessible(t.find("close3"));
    QCOMPARE(close->role(), QAccessible::Button);
    QCOMPARE(close->text(QAccessible::Name), QStringLiteral("close"));
    close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!t.find("Frame3")->isVisible());
    QCOMPARE(QApplication::focusWidget(), t.find("Combo3"));
    QCOMPARE(accessible(t.find("Frame3"))->text(QAccessible::Name), QStringLiteral("Inner Barrel Dimension"));
}

QTEST_MAIN(InterfacesTest)
#include "tst_interfaces.moc"

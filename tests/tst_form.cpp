// SPDX-License-Identifier: MIT
// The main window's behaviour: calculator, converter and help panels; how it looks is checked by tst_pictures.
#include "formtest.h"

#include <QCheckBox>
#include <QClipboard>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QToolTip>

using namespace Qt::StringLiterals;

class FormTest : public QObject
{
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void localesShowAndReadBackTheirOwnDecimals_data();
    void localesShowAndReadBackTheirOwnDecimals();
    void keyboardAloneFollowsTheTabOrderConvertsAndComputes();
    void badInputShowsTheMessageAndKeepsEarlierResults();
    void convertsFromTheBoxThatHoldsText_data();
    void convertsFromTheBoxThatHoldsText();
    void eachItemOpensItsPanelWithReadOnlyTextsAndCloseOrEscapeClosesIt();
    void everyLabelCoversTheInkOfItsCaption();
    void eachControlShowsItsToolTipUnderThePointer_data();
    void eachControlShowsItsToolTipUnderThePointer();
};

void FormTest::opensAsDesigned()
{
    FormUnderTest t;
    QCOMPARE(t.form->windowTitle(), QStringLiteral("Cylinder-to-Barrel Ratio v.3"));
    QCOMPARE(t.form->minimumSize(), t.form->maximumSize());
    QVERIFY(!(t.form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(t.form->width(), px(5130) - (px(8070) - px(7950)));

    // Every name once; the actions have neither shortcuts nor access keys.
    QSet<QString> seen = {t.form->objectName()};
    for (QObject *object : t.form->findChildren<QObject *>()) {
        const QString name = object->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) {
            QVERIFY2(!seen.contains(name), qPrintable(name));
            seen.insert(name);
        }
        if (auto *action = qobject_cast<QAction *>(object))
            QVERIFY2(action->shortcut().isEmpty() && !action->text().contains(QLatin1Char('&')),
                     qPrintable(action->text()));
    }
    for (const QString &name : QStringLiteral("Form1 Frame1 Frame2 Frame3 Frame4 Frame5 Image2 Image7 Label18 Label25 "
                                              "Label29 Line1 Line4 Line10 Line14 Timer1 Timer2 ext file themes "
                                              "default sky earth save help how2use cylmeas vormektypes info")
                                   .split(QLatin1Char(' ')))
        QVERIFY2(seen.contains(name), qPrintable(name));

    QStringList items;
    for (const char *name : {"Combo1", "Combo2", "Combo3", "Combo4"}) {
        auto *combo = t.find<QComboBox>(name);
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
    }
    QCOMPARE(items.join(QLatin1Char(' ')),
             QStringLiteral("5.5800 5.5900 6.0000 6.0100 6.0200 6.0300 6.0400 6.0500 6.0600 6.0700 6.0800 6.0900 "
                            "6.1000 6.1100 6.1200 Custom 110.0000 141.0000 229.0000 247.0000 245.0000 285.0000 "
                            "300.0000 363.0000 369.0000 455.0000 469.0000 472.0000 500.0000 509.0000 510.0000 "
                            "534.0000 550.0000 650.0000 Custom Standard Custom Type '0' Custom"));
}

void FormTest::localesShowAndReadBackTheirOwnDecimals_data()
{
    QTest::addColumn<QString>("point");
    for (auto [point, locales] :
         {std::pair{",", "de_DE sv_SE"}, {".", "he_IL ur_PK bn_BD"}, {"\u066B", "ar_EG fa_IR ps_AF"}})
        for (const QString &locale : QString::fromLatin1(locales).split(QLatin1Char(' ')))
            QTest::newRow(qPrintable(locale)) << QString::fromUtf8(point);
}

void FormTest::localesShowAndReadBackTheirOwnDecimals()
{
    QFETCH(QString, point);
    QLocale::setDefault(QLocale(QLatin1String(QTest::currentDataTag())));
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    const auto decimal = [&point](const char *text) { return QString::fromLatin1(text).replace('.', point); };
    FormUnderTest t;
    // List picks compute with their value: 6.03 mm bore, 363 mm barrel.
    for (auto [name, index] : {std::pair{"Combo1", 5}, {"Combo2", 7}, {"Combo3", 0}, {"Combo4", 0}})
        t.find<QComboBox>(name)->setCurrentIndex(index);
    QCOMPARE(t.text("Combo1"), decimal("6.0300"));
    t.click("Command1");
    QCOMPARE(t.text("Text5"), decimal("28.5578"));
    QCOMPARE(t.text("Text9"), decimal("2.6584 : 1"));

    // A negative answer in the locale's own signs, read back as input.
    t.setText("Text1", QStringLiteral("-1"));
    t.click("Command2");
    QCOMPARE(t.text("Text2"), decimal("-25.4"));
    t.setText("Text1", QString());
    t.click("Command2");
    QCOMPARE(t.text("Text1"), QStringLiteral("-1"));
}

void FormTest::keyboardAloneFollowsTheTabOrderConvertsAndComputes()
{
    FormUnderTest t;
    QVERIFY(t.showAndActivate());
    const QHash<QString, QKeyCombination> keys = {{"space", Qt::Key_Space},
                                                  {"tab", Qt::Key_Tab},
                                                  {"backtab", Qt::Key_Backtab},
                                                  {"copy", Qt::CTRL | Qt::Key_C},
                                                  {"enter", Qt::Key_Return}};
    QStringList visited;
    // Each step is a key, or "=" and the text to type over the focused box's.
    const auto play = [&keys, &visited](const char *script) {
        for (const QString &step : QString::fromLatin1(script).split(QLatin1Char(' '))) {
            QWidget *focus = QApplication::focusWidget();
            if (step.startsWith(QLatin1Char('='))) {
                QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(focus, step.mid(1));
                continue;
            }
            QTest::keyClick(focus, keys[step].key(), keys[step].keyboardModifiers());
            focus = QApplication::focusWidget();
            if (step.endsWith(QLatin1String("tab")))
                visited.append(
                    (qobject_cast<QComboBox *>(focus->parentWidget()) ? focus->parentWidget() : focus)->objectName());
        }
    };
    play("space tab tab =25.4 backtab space"); // Animate on, then 25.4 mm converted
    QCOMPARE(t.text("Text1"), QStringLiteral("1"));
    play("tab tab tab =73 tab =Standard tab =363 enter tab =6.03 tab space tab tab tab tab tab =99 copy tab tab");
    QCOMPARE(visited.join(QLatin1Char(' ')),
             QStringLiteral("Command2 Text2 Command2 Text2 Text1 Combo4 Combo3 Combo2 "
                            "Combo1 Command1 Text9 Text8 Text7 Text6 Text5 Check2 "
                            "Check1"));
    QVERIFY(t.find<QCheckBox>("Check1")->isChecked());
    QVERIFY(t.text("Text1").isEmpty() && t.text("Text2").isEmpty()); // entering either box empties the other
    QCOMPARE(t.text("Text9"), QStringLiteral("2.6584 : 1"));
    QCOMPARE(t.find<QComboBox>("Combo2")->count(), 19); // Enter adds nothing to the list
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("28.5578")); // read-only, yet copied
}

void FormTest::badInputShowsTheMessageAndKeepsEarlierResults()
{
    FormUnderTest t;
    auto seen = answerNextMessage();
    t.click("Command1"); // nothing entered yet
    QCOMPARE((std::tuple{seen->title, seen->text, int(seen->icon), seen->buttons}),
             (std::tuple{QStringLiteral("Cylinder-to-Barrel Ratio v.3"),
                         QStringLiteral("Pls. Input all required data."), int(QMessageBox::NoIcon), 1}));

    // From the menu, with the pad: 13 mm off the cylinder's length.
    t.enterMeasurements();
    t.find<QCheckBox>("Check2")->setChecked(true);
    t.trigger("computenow");
    QCOMPARE((QStringList{t.text("Text5"), t.text("Text6"), t.text("Text7"), t.text("Text8"), t.text("Text9")}),
             (QStringList{"28.5578", "10366.4814", "437.4354", "26246.124", "2.5318 : 1"}));
    const QColor verdict = t.find("Text9")->palette().color(QPalette::Base);
    t.setText("Combo1", QStringLiteral("0"));
    seen = answerNextMessage();
    t.click("Command1");
    QVERIFY(seen->shown);
    QCOMPARE((QStringList{t.text("Text5"), t.text("Text8"), t.text("Text9")}),
             (QStringList{"0", "26246.124", "2.5318 : 1"}));
    QCOMPARE(t.find<QLabel>("Label1")->text(), QStringLiteral("Ratio Ok"));
    QCOMPARE(t.find("Text9")->palette().color(QPalette::Base), verdict);
}

void FormTest::convertsFromTheBoxThatHoldsText_data()
{
    QTest::addColumn<QStringList>("entered"); // inches, millimetres
    QTest::addColumn<QStringList>("expected"); // inches, millimetres, or the message
    // clang-format off
    QTest::newRow("73 mm") << QStringList{"", "73"} << QStringList{"2.874", "73"};
    QTest::newRow("both: inches win") << QStringList{"0.5", "99"} << QStringList{"0.5", "12.7"};
    QTest::newRow("blanks around") << QStringList{" 2 ", "10"} << QStringList{" 2 ", "50.8"};
    QTest::newRow("both empty") << QStringList{"", ""} << QStringList{"", ""};
    QTest::newRow("letters") << QStringList{"abc", "5"} << QStringList{"Type a number of inches to convert."};
    QTest::newRow("only blanks") << QStringList{"   ", ""} << QStringList{"Type a number of inches to convert."};
    QTest::newRow("mm nan") << QStringList{"", "nan"} << QStringList{"Type a number of millimetres to convert."};
    // clang-format on
}

void FormTest::convertsFromTheBoxThatHoldsText()
{
    QFETCH(QStringList, entered);
    QFETCH(QStringList, expected);
    FormUnderTest t;
    t.setText("Text1", entered[0]);
    t.setText("Text2", entered[1]);
    // Any message but the expected one fails the test.
    const auto seen = expected.size() == 1 ? answerNextMessage() : std::make_shared<SeenMessage>();
    t.click("Command2");
    if (expected.size() == 1) {
        QCOMPARE(seen->text, expected[0]);
        QCOMPARE(seen->title, QStringLiteral("Cylinder-to-Barrel Ratio v.3"));
        expected = entered; // and nothing is written
    }
    QCOMPARE((QStringList{t.text("Text1"), t.text("Text2")}), expected);
}

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

void FormTest::eachItemOpensItsPanelWithReadOnlyTextsAndCloseOrEscapeClosesIt()
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
        t.find("Text8")->setFocus();
        t.trigger(kItems[(i + 1) % 4]); // another panel is open: this one replaces it
        t.trigger(kItems[i]);
        t.trigger(kItems[i]); // already open: nothing changes
        expectLayout(t, kFrames[i], 8070, 7875);
        QCOMPARE(t.form->geometry().adjusted(0, 0, narrow.width() - t.form->width(), 0), narrow); // only wider

        // Opened, its first text has the focus; Tab goes through its texts to its close label and
        // then leaves it for the window's own sequence, which never enters a panel; Shift+Tab
        // retraces both steps.
        QList<QWidget *> stops;
        for (auto *box : t.find(kFrames[i])->findChildren<QPlainTextEdit *>())
            stops.append(box);
        stops.append(t.find(QByteArray("close" + QByteArray::number(i + 2)).constData()));
        QCOMPARE(QApplication::focusWidget(), stops.first());
        for (QWidget *next : stops.mid(1)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *left = QApplication::focusWidget();
        QVERIFY(!t.find(kFrames[i])->isAncestorOf(left));
        QTest::keyClick(left, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), stops.last());
        for (qsizetype at = stops.size() - 2; at >= 0; --at) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), stops[at]);
        }
        for (qsizetype at = 0; at < stops.size(); ++at) // on to the close label, and out
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (int tab = 0; tab < 20; ++tab) {
            QVERIFY(!t.find(kFrames[i])->isAncestorOf(QApplication::focusWidget()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier); // only right after leaving
        QVERIFY(!t.find(kFrames[i])->isAncestorOf(QApplication::focusWidget()));
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
        QCOMPARE(QApplication::focusWidget(), t.find("Text8")); // back where the user was before any panel
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

// The caption drawn where its label draws it but unclipped, so that the margin around the label
// catches any ink that the label's size would cut off.
static QRect inkOutside(const QLabel *label)
{
    constexpr int kMargin = 16;
    QImage ink(label->size() + QSize(2 * kMargin, 2 * kMargin), QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    QPainter painter(&ink);
    painter.setFont(label->font());
    const int margin = label->margin(), indent = std::max(label->indent(), 0); // the captions align left
    painter.drawText(
        label->contentsRect().adjusted(margin + indent, margin, -margin, -margin).translated(kMargin, kMargin),
        int(label->alignment()) | Qt::TextDontClip, label->text());
    QRect outside;
    for (int y = 0; y < ink.height(); ++y)
        for (int x = 0; x < ink.width(); ++x)
            if (qAlpha(ink.pixel(x, y)) && !label->rect().contains(x - kMargin, y - kMargin))
                outside |= QRect(x - kMargin, y - kMargin, 1, 1);
    return outside;
}

// The first shown label whose caption's ink leaves it, as "Label19 cuts Common Barrel Lengths:".
static QString firstCutLabel(const QWidget *form)
{
    for (const QLabel *label : form->findChildren<QLabel *>())
        if (label->isVisible() && !inkOutside(label).isNull())
            return label->objectName() + QLatin1String(" cuts ") + label->text();
    return {};
}

void FormTest::everyLabelCoversTheInkOfItsCaption()
{
    FormUnderTest t;
    t.form->show();
    // The verdicts, in bold italic: 229 mm is Over, 363 Ok, 650 Under.
    for (const char *length : {"229", "363", "650"}) {
        t.enterMeasurements(QLatin1String(length));
        t.click("Command1");
        const QString cut = firstCutLabel(t.form.get());
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }
    // Each help panel's captions, as the panel shows them.
    for (const char *panel : {"vormektypes", "cylmeas", "how2use", "info"}) {
        t.trigger(panel);
        const QString cut = firstCutLabel(t.form.get());
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }
}

void FormTest::eachControlShowsItsToolTipUnderThePointer_data()
{
    QTest::addColumn<QString>("panel"); // the help panel open, if any
    QTest::addColumn<QString>("tip");
    QHash<QString, QString> tips;
    for (const QString &tip :
         QStringLiteral("Text1 inches|Text2 millimeter|Command2 Convert|Combo1 input inner barrel "
                        "diameter|Combo2 input barrel length|Combo3 input cylinder inner diameter|"
                        "Combo4 input cylinder usable length|Text5 inner barrel area|Text6 inner "
                        "barrel volume|Text7 cylinder area|Text8 cylinder volume|Command1 Press to "
                        "compute Ratio|Text9 Cylinder-to-Barrel Ratio [under ratio<1.5~3>over ratio]")
             .split(u'|'))
        tips.insert(tip.section(u' ', 0, 0), tip.section(u' ', 1));
    // Every other control the pointer can rest on has none, on the calculator and on each panel.
    const auto unnamed = [](const QWidget *w) {
        return w->objectName().isEmpty() || w->objectName().startsWith("qt_"_L1);
    };
    QSet<QString> reached;
    FormUnderTest t;
    t.form->show();
    for (const char *panel : {"", "vormektypes", "cylmeas", "how2use", "info"}) {
        if (*panel)
            t.trigger(panel);
        for (QWidget *control : t.form->findChildren<QWidget *>()) {
            const QWidget *under = t.form->childAt(control->mapTo(t.form.get(), control->rect().center()));
            if (control->isVisible() && !unnamed(control) && !reached.contains(control->objectName()) && under
                && (under == control || (control->isAncestorOf(under) && unnamed(under)))) {
                reached.insert(control->objectName());
                QTest::addRow("%s %s", panel, qPrintable(control->objectName()))
                    << QString::fromLatin1(panel) << tips.value(control->objectName());
            }
        }
    }
    QVERIFY(reached.contains(QSet<QString>(tips.keyBegin(), tips.keyEnd())));
}

void FormTest::eachControlShowsItsToolTipUnderThePointer()
{
    QFETCH(QString, panel);
    QFETCH(QString, tip);
    FormUnderTest t;
    t.form->show();
    if (!panel.isEmpty())
        t.trigger(qPrintable(panel));
    QWidget *control = t.find(QTest::currentDataTag() + panel.size() + 1);
    const QPoint at = control->mapTo(t.form.get(), control->rect().center());
    QWidget *under = t.form->childAt(at);
    QHelpEvent hover(QEvent::ToolTip, under->mapFrom(t.form.get(), at), t.form->mapToGlobal(at));
    QApplication::sendEvent(under, &hover);
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tip);
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible()); // hidden after a moment, else the next row would read it
}

QTEST_MAIN(FormTest)
#include "tst_form.moc"

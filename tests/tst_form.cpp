// SPDX-License-Identifier: MIT
#include "formtest.h"

#include <csignal>
#include <QCheckBox>
#include <QClipboard>
#include <QMenuBar>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>

class FormTest : public QObject
{
    Q_OBJECT
private slots:
    void everyControlCarriesItsOwnName();
    void opensFixedSizeAndNarrowWithTheDesignedTitle();
    void listsHoldTheDesignedItemsUnderTheInitialTexts();
    void enterInAComboDoesNotAddToItsList();
    void listItemsComputeWithTheirValueInACommaLocale();
    void negativeResultsReadBackInLocalesWithTheirOwnSigns_data();
    void negativeResultsReadBackInLocalesWithTheirOwnSigns();
    void tabVisitsTheDesignedSequenceStartingAtAnimate();
    void computeFillsEveryBoxAndPaintsTheVerdict_data();
    void computeFillsEveryBoxAndPaintsTheVerdict();
    void computeNowGivesTheSameResultAsTheButton();
    void badInputShowsTheMessageAndKeepsEarlierResults();
    void resultBoxesTakeFocusAndCopyButRefuseTyping();
    void menusHaveNoShortcutsOrAccessKeys();
    void labelsSizeToTheirCaptionsAndGrowToTheRight();
    void drawingsAndIconAreSharpAtEverySize();
};

void FormTest::everyControlCarriesItsOwnName()
{
    FormUnderTest t;
    const char *names[] = {"Form1",   "Frame1",     "Frame2", "Frame3",   "Frame4",   "Frame5",      "Check1",
                           "Check2",  "Image2",     "Image3", "Image7",   "Text1",    "Text2",       "Text5",
                           "Text9",   "Combo1",     "Combo4", "Command1", "Command2", "Label1",      "Label18",
                           "Label25", "Label29",    "Line1",  "Line4",    "Line10",   "Line14",      "Timer1",
                           "Timer2",  "computenow", "ext",    "file",     "themes",   "default",     "sky",
                           "earth",   "save",       "help",   "how2use",  "cylmeas",  "vormektypes", "info"};
    QList<QObject *> all = t.form->findChildren<QObject *>();
    all.append(t.form.get());
    QHash<QString, int> seen;
    for (QObject *object : std::as_const(all))
        if (!object->objectName().isEmpty() && !object->objectName().startsWith(QLatin1String("qt_")))
            ++seen[object->objectName()];
    for (const char *name : names)
        QVERIFY2(seen.value(QLatin1String(name)) == 1, name);
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        QVERIFY2(it.value() == 1, qPrintable(it.key()));
}

void FormTest::opensFixedSizeAndNarrowWithTheDesignedTitle()
{
    FormUnderTest t;
    QCOMPARE(t.form->windowTitle(), QStringLiteral("Cylinder-to-Barrel Ratio v.3"));
    QCOMPARE(t.form->minimumSize(), t.form->maximumSize());
    QVERIFY(!(t.form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(t.form->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(t.form->width(), px(5130) - (px(8070) - px(7950)));
    QCOMPARE(t.find("Frame1")->width(), px(4905));
    for (const char *panel : {"Frame2", "Frame3", "Frame4", "Frame5"}) {
        QVERIFY(t.find(panel)->isHidden());
        QVERIFY(t.find(panel)->x() >= t.find("Frame1")->width());
    }
    QCOMPARE(t.form->height(), t.form->menuBar()->sizeHint().height() + px(6210));
}

void FormTest::listsHoldTheDesignedItemsUnderTheInitialTexts()
{
    FormUnderTest t;
    const auto items = [&t](const char *name) {
        QStringList list;
        auto *combo = t.find<QComboBox>(name);
        for (int i = 0; i < combo->count(); ++i)
            list.append(combo->itemText(i));
        return list;
    };
    QCOMPARE(items("Combo1").size(), 16);
    QCOMPARE(items("Combo1").mid(0, 2), (QStringList{"5.5800", "5.5900"}));
    QCOMPARE(items("Combo1").last(), QStringLiteral("Custom"));
    QCOMPARE(items("Combo2").size(), 19);
    QCOMPARE(items("Combo2").mid(3, 2), (QStringList{"247.0000", "245.0000"}));
    QCOMPARE(items("Combo3"), (QStringList{"Standard", "Custom"}));
    QCOMPARE(items("Combo4"), (QStringList{"Type '0'", "Custom"}));
    QCOMPARE(t.text("Combo1"), QStringLiteral("Select Bore"));
    QCOMPARE(t.text("Combo2"), QStringLiteral("Select Length"));
    QCOMPARE(t.text("Combo3"), QStringLiteral("Select Bore"));
    QCOMPARE(t.text("Combo4"), QStringLiteral("Input Length"));
}

void FormTest::enterInAComboDoesNotAddToItsList()
{
    FormUnderTest t;
    auto *combo = t.find<QComboBox>("Combo2");
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("123"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(combo->count(), 19);
    QCOMPARE(combo->currentText(), QStringLiteral("123"));
}

void FormTest::listItemsComputeWithTheirValueInACommaLocale()
{
    const LocaleForTest german(QLocale(QLocale::German, QLocale::Germany));
    FormUnderTest t;
    t.find<QComboBox>("Combo1")->setCurrentIndex(5);
    t.find<QComboBox>("Combo2")->setCurrentIndex(7);
    t.find<QComboBox>("Combo3")->setCurrentIndex(0);
    t.find<QComboBox>("Combo4")->setCurrentIndex(0);
    QCOMPARE(t.text("Combo1"), QStringLiteral("6,0300"));
    t.click("Command1");
    QCOMPARE(t.text("Text5"), QStringLiteral("28,5578"));
    QCOMPARE(t.text("Text6"), QStringLiteral("10366,4814"));
    QCOMPARE(t.text("Text9"), QStringLiteral("2,6584 : 1"));
}

void FormTest::negativeResultsReadBackInLocalesWithTheirOwnSigns_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("point");
    QTest::newRow("he_IL") << "he_IL" << ".";
    QTest::newRow("ar_EG") << "ar_EG" << "\u066B";
    QTest::newRow("fa_IR") << "fa_IR" << "\u066B";
    QTest::newRow("ur_PK") << "ur_PK" << ".";
    QTest::newRow("ps_AF") << "ps_AF" << "\u066B";
    QTest::newRow("sv_SE") << "sv_SE" << ",";
    QTest::newRow("bn_BD") << "bn_BD" << ".";
    // clang-format on
}

void FormTest::negativeResultsReadBackInLocalesWithTheirOwnSigns()
{
    QFETCH(QString, locale);
    QFETCH(QString, point);
    const LocaleForTest given{QLocale(locale)};
    const auto decimal = [&point](const char *whole, const char *fraction) {
        return QLatin1String(whole) + point + QLatin1String(fraction);
    };
    FormUnderTest t;
    QCOMPARE(t.find<QComboBox>("Combo1")->itemText(0), decimal("5", "5800"));

    t.setText("Combo1", QStringLiteral("2"));
    t.setText("Combo2", QStringLiteral("3"));
    t.setText("Combo3", QStringLiteral("2"));
    t.setText("Combo4", QStringLiteral("5"));
    auto seen = answerNextMessage();
    t.click("Command1");
    QVERIFY(!seen->shown);
    QCOMPARE(t.text("Text8"), decimal("-15", "708"));
    QCOMPARE(t.text("Text9"), decimal("-1", "6667 : 1"));
    QCOMPARE(t.find<QLabel>("Label1")->text(), QStringLiteral("Under Ratio"));

    // The converter's answer converted back: its own text read again.
    t.setText("Text1", QStringLiteral("-1"));
    t.click("Command2");
    QCOMPARE(t.text("Text2"), decimal("-25", "4"));
    t.setText("Text1", QString());
    seen = answerNextMessage();
    t.click("Command2");
    QVERIFY(!seen->shown);
    QCOMPARE(t.text("Text1"), QStringLiteral("-1"));
}

void FormTest::tabVisitsTheDesignedSequenceStartingAtAnimate()
{
    FormUnderTest t;
    QVERIFY(t.showAndActivate());
    const auto focused = [] {
        QWidget *widget = QApplication::focusWidget();
        if (widget && qobject_cast<QComboBox *>(widget->parentWidget()))
            widget = widget->parentWidget();
        return widget ? widget->objectName() : QString();
    };
    QCOMPARE(focused(), QStringLiteral("Check1"));
    const QStringList expected = {"Command2", "Text2", "Text1", "Combo4", "Combo3", "Combo2", "Combo1", "Command1",
                                  "Text9",    "Text8", "Text7", "Text6",  "Text5",  "Check2", "Check1"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(focused());
    }
    QCOMPARE(visited, expected);
}

void FormTest::computeFillsEveryBoxAndPaintsTheVerdict_data()
{
    // clang-format off
    QTest::addColumn<QString>("length");
    QTest::addColumn<bool>("pad");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QColor>("color");
    QTest::newRow("in range") << "363" << false << "27558.4302" << "2.6584 : 1" << "Ratio Ok" << QColor(0, 192, 0);
    QTest::newRow("with pad") << "363" << true << "26246.124" << "2.5318 : 1" << "Ratio Ok" << QColor(0, 192, 0);
    QTest::newRow("over") << "110" << false << "27558.4302" << "8.7728 : 1" << "Over Ratio" << QColor(255, 0, 0);
    QTest::newRow("under") << "1000" << false << "27558.4302" << "0.965 : 1" << "Under Ratio" << QColor(255, 0, 0);
    // clang-format on
}

void FormTest::computeFillsEveryBoxAndPaintsTheVerdict()
{
    QFETCH(QString, length);
    QFETCH(bool, pad);
    QFETCH(QString, volume);
    QFETCH(QString, ratio);
    QFETCH(QString, verdict);
    QFETCH(QColor, color);
    FormUnderTest t;
    t.form->show();
    t.setText("Combo1", QStringLiteral("6.03"));
    t.setText("Combo2", length);
    t.find<QComboBox>("Combo3")->setCurrentIndex(0);
    t.find<QComboBox>("Combo4")->setCurrentIndex(0);
    t.find<QCheckBox>("Check2")->setChecked(pad);
    t.click("Command1");
    QCOMPARE(t.text("Text5"), QStringLiteral("28.5578"));
    QCOMPARE(t.text("Text7"), QStringLiteral("437.4354"));
    QCOMPARE(t.text("Text8"), volume);
    QCOMPARE(t.text("Text9"), ratio);
    auto *label = t.find<QLabel>("Label1");
    QCOMPARE(label->text(), verdict);
    QCOMPARE(label->palette().color(label->foregroundRole()), color);
    auto *box = t.find("Text9");
    QCOMPARE(pixelOf(box, QPoint(6, box->height() / 2)), color);
    const QImage image = box->grab().toImage();
    bool white = false; // the ratio's lettering
    for (int x = 0; x < image.width() && !white; ++x)
        white = image.pixelColor(x, image.height() / 2) == QColor(Qt::white);
    QVERIFY(white);
}

void FormTest::computeNowGivesTheSameResultAsTheButton()
{
    FormUnderTest button, menu;
    for (FormUnderTest *t : {&button, &menu}) {
        t->enterMeasurements();
    }
    button.click("Command1");
    menu.action("computenow")->trigger();
    for (const char *box : {"Text5", "Text6", "Text7", "Text8", "Text9"})
        QCOMPARE(menu.text(box), button.text(box));
    QCOMPARE(menu.find<QLabel>("Label1")->text(), QStringLiteral("Ratio Ok"));
}

void FormTest::badInputShowsTheMessageAndKeepsEarlierResults()
{
    FormUnderTest t;
    auto seen = answerNextMessage();
    t.click("Command1"); // nothing entered yet
    QVERIFY(seen->shown);
    QCOMPARE(seen->text, QStringLiteral("Pls. Input all required data."));
    QCOMPARE(seen->title, t.form->windowTitle());
    QCOMPARE(seen->icon, QMessageBox::NoIcon);
    QCOMPARE(seen->buttons, 1);
    for (const char *box : {"Text5", "Text6", "Text7", "Text8", "Text9"})
        QVERIFY(t.text(box).isEmpty());

    t.enterMeasurements();
    t.click("Command1");
    const QColor green = t.find("Text9")->palette().color(QPalette::Base);

    t.setText("Combo1", QStringLiteral("0"));
    seen = answerNextMessage();
    t.click("Command1");
    QVERIFY(seen->shown);
    QCOMPARE(t.text("Text5"), QStringLiteral("0"));
    QCOMPARE(t.text("Text6"), QStringLiteral("0"));
    QCOMPARE(t.text("Text8"), QStringLiteral("27558.4302"));
    QCOMPARE(t.text("Text9"), QStringLiteral("2.6584 : 1"));
    QCOMPARE(t.find<QLabel>("Label1")->text(), QStringLiteral("Ratio Ok"));
    QCOMPARE(t.find("Text9")->palette().color(QPalette::Base), green);

    t.setText("Combo1", QStringLiteral("6.03"));
    t.setText("Combo2", QStringLiteral("1e308"));
    seen = answerNextMessage();
    t.click("Command1");
    QVERIFY(seen->shown);
    QCOMPARE(t.text("Text5"), QStringLiteral("28.5578"));
    QCOMPARE(t.text("Text6"), QStringLiteral("0")); // the overflowing volume is never written
}

void FormTest::resultBoxesTakeFocusAndCopyButRefuseTyping()
{
    FormUnderTest t;
    QVERIFY(t.showAndActivate());
    auto *box = t.find<QLineEdit>("Text5");
    box->setText(QStringLiteral("28.5578"));
    QVERIFY(box->focusPolicy() & Qt::TabFocus);
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), box);
    QTest::keyClicks(box, QStringLiteral("99"));
    QCOMPARE(box->text(), QStringLiteral("28.5578"));
    box->selectAll();
    box->copy();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("28.5578"));
}

void FormTest::menusHaveNoShortcutsOrAccessKeys()
{
    FormUnderTest t;
    const QList<QAction *> actions = t.form->findChildren<QAction *>();
    QVERIFY(actions.size() >= 13);
    for (const QAction *action : actions) {
        QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->objectName()));
        QVERIFY2(!action->text().contains(QLatin1Char('&')), qPrintable(action->text()));
    }
    for (const char *name : {"default", "sky", "earth", "save"})
        QVERIFY(t.action(name)->isCheckable());
    for (const char *name : {"computenow", "ext", "how2use", "info"})
        QVERIFY(!t.action(name)->isCheckable());
    QCOMPARE(t.form->menuBar()->actions().size(), 3);
}

void FormTest::labelsSizeToTheirCaptionsAndGrowToTheRight()
{
    FormUnderTest t;
    auto *label = t.find<QLabel>("Label1");
    QCOMPARE(label->pos(), QPoint(px(3330), px(5790)));
    QCOMPARE(label->width(), px(75));
    t.enterMeasurements(QStringLiteral("110"));
    t.click("Command1");
    QCOMPARE(label->pos(), QPoint(px(3330), px(5790)));
    const int advance = label->fontMetrics().horizontalAdvance(QStringLiteral("Over Ratio"));
    QVERIFY(label->width() >= advance && label->width() <= advance + 2);
    auto *heading = t.find<QLabel>("Label2");
    QVERIFY(qAbs(heading->width() - heading->fontMetrics().horizontalAdvance(heading->text())) <= 2);
    QCOMPARE(heading->font().family(), QStringLiteral("Arial"));
    QCOMPARE(heading->font().pointSizeF(), 9.75);
}

void FormTest::drawingsAndIconAreSharpAtEverySize()
{
    FormUnderTest t;
    const QIcon icon = t.form->windowIcon();
    for (int size : {16, 24, 32, 48, 64, 128})
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    t.form->show();
    // The piston lies above the cylinder: its red head covers the cylinder's right end.
    auto *piston = t.find("Image3");
    const QImage window = t.find("Frame1")->grab().toImage();
    const QPoint head = piston->geometry().topLeft() + QPoint(2, piston->height() / 2);
    QCOMPARE(window.pixelColor(head), QColor(255, 0, 0));
    const QImage cylinder = t.find("Image2")->grab().toImage();
    QCOMPARE(cylinder.pixelColor(cylinder.width() / 2, 10), QColor(255, 153, 0));
}

QTEST_MAIN(FormTest)
#include "tst_form.moc"

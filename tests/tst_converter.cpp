// SPDX-License-Identifier: MIT
#include "formtest.h"

class ConverterTest : public QObject
{
    Q_OBJECT
private slots:
    void convertsFromTheBoxThatHoldsText_data();
    void convertsFromTheBoxThatHoldsText();
    void aSecondPressConvertsTheRoundedInchesBack();
    void bothBoxesEmptyDoesNothing();
    void enteringABoxEmptiesTheOtherByClickAndByTab();
    void textThatIsNotANumberBringsAMessageAndWritesNothing_data();
    void textThatIsNotANumberBringsAMessageAndWritesNothing();
};

void ConverterTest::convertsFromTheBoxThatHoldsText_data()
{
    // clang-format off
    QTest::addColumn<QString>("inches");
    QTest::addColumn<QString>("millimetres");
    QTest::addColumn<QString>("expectedInches");
    QTest::addColumn<QString>("expectedMillimetres");
    QTest::newRow("1 in") << "1" << "" << "1" << "25.4";
    QTest::newRow("-1 in") << "-1" << "" << "-1" << "-25.4";
    QTest::newRow("73 mm") << "" << "73" << "2.874" << "73";
    QTest::newRow("0.001 mm") << "" << "0.001" << "0" << "0.001";
    QTest::newRow("both filled: inches win") << "0.5" << "99" << "0.5" << "12.7";
    QTest::newRow("blank inches are not empty") << " 2 " << "10" << " 2 " << "50.8";
    // clang-format on
}

void ConverterTest::convertsFromTheBoxThatHoldsText()
{
    QFETCH(QString, inches);
    QFETCH(QString, millimetres);
    QFETCH(QString, expectedInches);
    QFETCH(QString, expectedMillimetres);
    FormUnderTest t;
    t.setText("Text1", inches);
    t.setText("Text2", millimetres);
    t.click("Command2");
    QCOMPARE(t.text("Text1"), expectedInches);
    QCOMPARE(t.text("Text2"), expectedMillimetres);
}

void ConverterTest::aSecondPressConvertsTheRoundedInchesBack()
{
    FormUnderTest t;
    t.setText("Text2", QStringLiteral("363"));
    t.click("Command2");
    QCOMPARE(t.text("Text1"), QStringLiteral("14.2913"));
    t.click("Command2");
    QCOMPARE(t.text("Text2"), QStringLiteral("362.999"));

    t.setText("Text1", QString());
    t.setText("Text2", QStringLiteral("1"));
    t.click("Command2");
    t.click("Command2");
    QCOMPARE(t.text("Text1"), QStringLiteral("0.0394"));
    QCOMPARE(t.text("Text2"), QStringLiteral("1.0008"));
}

void ConverterTest::bothBoxesEmptyDoesNothing()
{
    FormUnderTest t;
    auto seen = answerNextMessage();
    t.click("Command2");
    QTest::qWait(20);
    QVERIFY(!seen->shown);
    QVERIFY(t.text("Text1").isEmpty());
    QVERIFY(t.text("Text2").isEmpty());
}

void ConverterTest::enteringABoxEmptiesTheOtherByClickAndByTab()
{
    FormUnderTest t;
    QVERIFY(t.showAndActivate());
    t.setText("Text2", QStringLiteral("25.4"));
    t.click("Command2");
    QCOMPARE(t.text("Text1"), QStringLiteral("1"));

    QTest::mouseClick(t.find("Text1"), Qt::LeftButton);
    QCOMPARE(t.text("Text1"), QStringLiteral("1"));
    QVERIFY(t.text("Text2").isEmpty());

    t.click("Command2");
    QCOMPARE(t.text("Text2"), QStringLiteral("25.4"));
    QTest::mouseClick(t.find("Text2"), Qt::LeftButton);
    QVERIFY(t.text("Text1").isEmpty());
    QCOMPARE(t.text("Text2"), QStringLiteral("25.4"));

    t.setText("Text1", QStringLiteral("3"));
    t.find("Command2")->setFocus();
    QTest::keyClick(t.find("Command2"), Qt::Key_Tab); // to Text2
    QCOMPARE(QApplication::focusWidget(), t.find("Text2"));
    QVERIFY(t.text("Text1").isEmpty());
    QTest::keyClick(t.find("Text2"), Qt::Key_Tab); // to Text1
    QVERIFY(t.text("Text2").isEmpty());
}

void ConverterTest::textThatIsNotANumberBringsAMessageAndWritesNothing_data()
{
    // clang-format off
    QTest::addColumn<QString>("inches");
    QTest::addColumn<QString>("millimetres");
    QTest::newRow("letters") << "abc" << "5";
    QTest::newRow("blanks") << "   " << "";
    QTest::newRow("inf") << "inf" << "";
    QTest::newRow("overflow") << "1e308" << "";
    QTest::newRow("millimetres nan") << "" << "nan";
    // clang-format on
}

void ConverterTest::textThatIsNotANumberBringsAMessageAndWritesNothing()
{
    QFETCH(QString, inches);
    QFETCH(QString, millimetres);
    FormUnderTest t;
    t.setText("Text1", inches);
    t.setText("Text2", millimetres);
    auto seen = answerNextMessage();
    t.click("Command2");
    QVERIFY(seen->shown);
    QCOMPARE(seen->title, t.form->windowTitle());
    QVERIFY(seen->text.contains(QLatin1String("number")));
    QCOMPARE(t.text("Text1"), inches);
    QCOMPARE(t.text("Text2"), millimetres);
}

QTEST_MAIN(ConverterTest)
#include "tst_converter.moc"

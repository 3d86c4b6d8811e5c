// SPDX-License-Identifier: MIT
#include "formtest.h"

class ConverterTest : public QObject
{
    Q_OBJECT
private slots:
    void convertsFromTheBoxThatHoldsText_data();
    void convertsFromTheBoxThatHoldsText();
};

void ConverterTest::convertsFromTheBoxThatHoldsText_data()
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

void ConverterTest::convertsFromTheBoxThatHoldsText()
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

QTEST_MAIN(ConverterTest)
#include "tst_converter.moc"

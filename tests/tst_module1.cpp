// SPDX-License-Identifier: MIT
#include "calc/module1.h"

#include <limits>
#include <QTest>

using namespace Module1;

class Module1Test : public QObject
{
    Q_OBJECT
private slots:
    void writesNumbersAsTheDesignShowsThem_data();
    void writesNumbersAsTheDesignShowsThem();
    void writesWithTheLocalesDecimalSeparator();
    void readsLocaleNumbersAndRejectsWhatIsNotAFiniteNumber_data();
    void readsLocaleNumbersAndRejectsWhatIsNotAFiniteNumber();
    void everyLocaleReadsBackWhatItWrites_data();
    void everyLocaleReadsBackWhatItWrites();
    void roundsHalvesToEven();
    void listItemsNameTheirNumberInEveryLocale();

    void computesTheRatioStepByStep_data();
    void computesTheRatioStepByStep();
    void stopsAtTheFailingStepKeepingEarlierWrites_data();
    void stopsAtTheFailingStepKeepingEarlierWrites();
    void standardAndType0AreMatchedExactly();

    void convertsInchesAndMillimetres_data();
    void convertsInchesAndMillimetres();
    void refusesToConvertWhatIsNotANumber();
};

void Module1Test::writesNumbersAsTheDesignShowsThem_data()
{
    // clang-format off
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("area") << 28.5578 << "28.5578";
    QTest::newRow("volume") << 26246.124 << "26246.124";
    QTest::newRow("inch") << 25.4 << "25.4";
    QTest::newRow("whole") << 3.0 << "3";
    QTest::newRow("negative") << -15.708 << "-15.708";
    QTest::newRow("below one") << 0.3937 << "0.3937";
    QTest::newRow("smallest fixed") << 0.0001 << "0.0001";
    QTest::newRow("tiny") << 0.00001 << "1E-05";
    QTest::newRow("tiny with digits") << 0.0000123 << "1.23E-05";
    QTest::newRow("largest fixed") << 999999999999999.0 << "999999999999999";
    QTest::newRow("rounds up to exponent") << 999999999999999.9 << "1E+15";
    QTest::newRow("large") << 1.5e15 << "1.5E+15";
    QTest::newRow("huge") << 1.2345e300 << "1.2345E+300";
    QTest::newRow("fifteen digits") << 0.1 + 0.2 << "0.3";
    QTest::newRow("unrounded volume") << 28.27471416 << "28.27471416";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    // clang-format on
}

void Module1Test::writesNumbersAsTheDesignShowsThem()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(NumberToText(value, QLocale::c()), text);
}

void Module1Test::writesWithTheLocalesDecimalSeparator()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(NumberToText(28.5578, german), QStringLiteral("28,5578"));
    QCOMPARE(NumberToText(26246.124, german), QStringLiteral("26246,124")); // no grouping
    QCOMPARE(NumberToText(0.00001, german), QStringLiteral("1E-05"));
    QCOMPARE(NumberToText(-1.6667, german), QStringLiteral("-1,6667"));
}

void Module1Test::readsLocaleNumbersAndRejectsWhatIsNotAFiniteNumber_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "C" << "6.03" << true << 6.03;
    QTest::newRow("blanks around") << "C" << "  363 " << true << 363.0;
    QTest::newRow("sign") << "C" << "-1" << true << -1.0;
    QTest::newRow("grouping") << "en_US" << "1,000.5" << true << 1000.5;
    QTest::newRow("exponent") << "C" << "1E-05" << true << 0.00001;
    QTest::newRow("comma locale") << "de_DE" << "6,03" << true << 6.03;
    QTest::newRow("comma locale grouping") << "de_DE" << "1.000,5" << true << 1000.5;
    QTest::newRow("dot in comma locale") << "de_DE" << "6.0300" << false << 0.0;
    QTest::newRow("empty") << "C" << "" << false << 0.0;
    QTest::newRow("blanks") << "C" << "   " << false << 0.0;
    QTest::newRow("initial text") << "C" << "Select Bore" << false << 0.0;
    QTest::newRow("list word") << "C" << "Custom" << false << 0.0;
    QTest::newRow("inf") << "C" << "inf" << false << 0.0;
    QTest::newRow("infinity") << "C" << "-Infinity" << false << 0.0;
    QTest::newRow("nan") << "C" << "nan" << false << 0.0;
    QTest::newRow("overflow") << "C" << "1e400" << false << 0.0;
    QTest::newRow("trailing letters") << "C" << "6.03mm" << false << 0.0;
    // clang-format on
}

void Module1Test::readsLocaleNumbersAndRejectsWhatIsNotAFiniteNumber()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(double, value);
    const auto number = TextToNumber(text, QLocale(locale));
    QCOMPARE(number.has_value(), accepted);
    if (accepted)
        QCOMPARE(*number, value);
}

void Module1Test::everyLocaleReadsBackWhatItWrites_data()
{
    // clang-format off
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text"); // as written where the decimal separator is a point
    QTest::newRow("area") << 28.5578 << "28.5578";
    QTest::newRow("negative volume") << -15.708 << "-15.708";
    QTest::newRow("negative ratio") << -1.6667 << "-1.6667";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("tiny") << 1e-5 << "1E-05";
    QTest::newRow("negative tiny") << -1.23e-5 << "-1.23E-05";
    QTest::newRow("smallest normal") << 2.2250738585072014e-308 << "2.2250738585072E-308";
    QTest::newRow("subnormal") << 4.9e-324 << "4.94065645841247E-324";
    QTest::newRow("large") << 1.5e15 << "1.5E+15";
    QTest::newRow("negative huge") << -1.2345e300 << "-1.2345E+300";
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << "1.79769313486231E+308";
    QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("tie rounds to even, up") << 123456789012345.5 << "123456789012346";
    QTest::newRow("tie rounds to even, down") << 123456789012344.5 << "123456789012344";
    QTest::newRow("tie in exponent form") << 2.384185791015625e-7 << "2.38418579101562E-07";
    QTest::newRow("list item") << 6.03 << "6.03";
    // clang-format on
}

void Module1Test::everyLocaleReadsBackWhatItWrites()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    const double denoted = text.toDouble();
    const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QVERIFY(locales.size() > 300);
    for (const QLocale &locale : locales) {
        const QString written = NumberToText(value, locale);
        const QString where = written + QLatin1String(" in ") + locale.name();
        QCOMPARE(written, QString(text).replace(QLatin1Char('.'), locale.decimalPoint()));
        QVERIFY2(TextToNumber(written, locale) == denoted, qPrintable(where));
        QCOMPARE(NumberToText(denoted, locale), written);

        // What a user types with the signs the locale shows reads the same.
        const QString ownSigns = QString(written)
                                     .replace(QLatin1Char('-'), locale.negativeSign())
                                     .replace(QLatin1Char('+'), locale.positiveSign());
        QVERIFY2(TextToNumber(ownSigns, locale) == denoted,
                 qPrintable(ownSigns + QLatin1String(" in ") + locale.name()));
    }
}

void Module1Test::roundsHalvesToEven()
{
    QCOMPARE(RoundHalfEven(0.00005, 4), 0.0); // 0.5 goes to 0
    QCOMPARE(RoundHalfEven(2.5, 0), 2.0);
    QCOMPARE(RoundHalfEven(3.5, 0), 4.0);
    QCOMPARE(RoundHalfEven(-2.5, 0), -2.0);
    QCOMPARE(RoundHalfEven(28.557762, 4), 28.5578);
    QCOMPARE(RoundHalfEven(3.0000333, 4), 3.0);
}

void Module1Test::listItemsNameTheirNumberInEveryLocale()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(ListItemText(QStringLiteral("6.0300"), QLocale::c()), QStringLiteral("6.0300"));
    QCOMPARE(ListItemText(QStringLiteral("6.0300"), german), QStringLiteral("6,0300"));
    QCOMPARE(ListItemText(QStringLiteral("1650.0000"), QLocale(QLocale::English, QLocale::UnitedStates)),
             QStringLiteral("1650.0000"));
    QCOMPARE(ListItemText(QStringLiteral("Custom"), german), QStringLiteral("Custom"));
    QCOMPARE(ListItemText(QStringLiteral("Type '0'"), german), QStringLiteral("Type '0'"));

    // The same digits as the results, whatever digits the locale itself would use.
    for (const QLocale &locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const QString item = ListItemText(QStringLiteral("363.0000"), locale);
        QCOMPARE(item, QLatin1String("363") + locale.decimalPoint() + QLatin1String("0000"));
        QVERIFY2(TextToNumber(item, locale) == 363.0, qPrintable(item + QLatin1String(" in ") + locale.name()));
        QCOMPARE(NumberToText(363.0, locale), QStringLiteral("363"));
    }
}

using Writes = QList<std::pair<QString, QString>>;

// The boxes that a result fills and their texts, in the order of the steps.
Writes writesOf(const RatioResult &result)
{
    const std::pair<const char *, const std::optional<QString> &> boxes[] = {
        {"Text5", result.barrelArea},     {"Text6", result.barrelVolume}, {"Text7", result.cylinderArea},
        {"Text8", result.cylinderVolume}, {"Text9", result.ratio},
    };
    Writes writes;
    for (const auto &[box, text] : boxes)
        if (text)
            writes.append({QString::fromLatin1(box), *text});
    return writes;
}

void Module1Test::computesTheRatioStepByStep_data()
{
    // clang-format off
    QTest::addColumn<RatioInputs>("inputs");
    QTest::addColumn<QStringList>("texts"); // Text5 to Text9
    QTest::addColumn<int>("verdict");
    const auto row = [](const char *name, RatioInputs in, QStringList texts, Verdict verdict) {
        QTest::newRow(name) << in << texts << int(verdict);
    };
    row("typical", {"6.03", "363", "Standard", "Type '0'", false},
        {"28.5578", "10366.4814", "437.4354", "27558.4302", "2.6584 : 1"}, Verdict::Ok);
    row("with pad", {"6.03", "363", "Standard", "Type '0'", true},
        {"28.5578", "10366.4814", "437.4354", "26246.124", "2.5318 : 1"}, Verdict::Ok);
    row("short barrel", {"6.03", "110", "Standard", "Type '0'", false},
        {"28.5578", "3141.358", "437.4354", "27558.4302", "8.7728 : 1"}, Verdict::Over);
    row("list items", {"6.0000", "650.0000", "Standard", "Type '0'", false},
        {"28.2743", "18378.295", "437.4354", "27558.4302", "1.4995 : 1"}, Verdict::Under);
    row("upper bound", {"2", "3", "2", "19", false}, {"3.1416", "9.4248", "3.1416", "28.2744", "3 : 1"}, Verdict::Ok);
    row("upper bound with pad", {"2", "3", "2", "22", true},
        {"3.1416", "9.4248", "3.1416", "28.2744", "3 : 1"}, Verdict::Ok);
    row("lower bound", {"2", "3", "2", "14.5", false},
        {"3.1416", "9.4248", "3.1416", "14.1372", "1.5 : 1"}, Verdict::Ok);
    row("volumes unrounded", {"2", "3", "2", "19.0001", false},
        {"3.1416", "9.4248", "3.1416", "28.27471416", "3 : 1"}, Verdict::Ok);
    row("just over", {"2", "3", "2", "19.0002", false},
        {"3.1416", "9.4248", "3.1416", "28.27502832", "3.0001 : 1"}, Verdict::Over);
    row("just under", {"2", "3", "2", "14.4998", false},
        {"3.1416", "9.4248", "3.1416", "14.13657168", "1.4999 : 1"}, Verdict::Under);
    row("negative volume", {"2", "3", "2", "5", false},
        {"3.1416", "9.4248", "3.1416", "-15.708", "-1.6667 : 1"}, Verdict::Under);
    // clang-format on
}

void Module1Test::computesTheRatioStepByStep()
{
    QFETCH(RatioInputs, inputs);
    QFETCH(QStringList, texts);
    QFETCH(int, verdict);
    const RatioResult result = ComputeRatio(inputs, QLocale::c());
    Writes expected;
    for (int i = 0; i < texts.size(); ++i)
        expected.append({QStringLiteral("Text%1").arg(i + 5), texts[i]});
    QCOMPARE(writesOf(result), expected);
    QVERIFY(result.verdict);
    QCOMPARE(int(*result.verdict), verdict);
}

void Module1Test::stopsAtTheFailingStepKeepingEarlierWrites_data()
{
    // clang-format off
    QTest::addColumn<RatioInputs>("inputs");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("initial bore") << RatioInputs{"Select Bore", "363", "Standard", "Type '0'"} << QStringList{};
    QTest::newRow("bore Custom") << RatioInputs{"Custom", "363", "Standard", "Type '0'"} << QStringList{};
    QTest::newRow("bore inf") << RatioInputs{"inf", "363", "Standard", "Type '0'"} << QStringList{};
    QTest::newRow("bore overflows area") << RatioInputs{"1e300", "363", "Standard", "Type '0'"} << QStringList{};
    QTest::newRow("length empty") << RatioInputs{"6.03", "", "Standard", "Type '0'"} << QStringList{"Text5"};
    QTest::newRow("length nan") << RatioInputs{"6.03", "nan", "Standard", "Type '0'"} << QStringList{"Text5"};
    QTest::newRow("barrel volume overflows")
        << RatioInputs{"1e150", "1e300", "Standard", "Type '0'"} << QStringList{"Text5"};
    QTest::newRow("standard in lower case")
        << RatioInputs{"6.03", "363", "standard", "Type '0'"} << QStringList{"Text5", "Text6"};
    QTest::newRow("cylinder length word")
        << RatioInputs{"6.03", "363", "Standard", "Custom"} << QStringList{"Text5", "Text6", "Text7"};
    QTest::newRow("bore zero")
        << RatioInputs{"0", "363", "Standard", "Type '0'"} << QStringList{"Text5", "Text6", "Text7", "Text8"};
    QTest::newRow("zero over zero")
        << RatioInputs{"0", "363", "2", "10"} << QStringList{"Text5", "Text6", "Text7", "Text8"};
    QTest::newRow("ratio overflows")
        << RatioInputs{"0.02", "1e-300", "1e100", "1e100"} << QStringList{"Text5", "Text6", "Text7", "Text8"};
    // clang-format on
}

void Module1Test::stopsAtTheFailingStepKeepingEarlierWrites()
{
    QFETCH(RatioInputs, inputs);
    QFETCH(QStringList, written);
    const RatioResult result = ComputeRatio(inputs, QLocale::c());
    QStringList boxes;
    for (const auto &[box, text] : writesOf(result)) {
        boxes.append(box);
        QVERIFY2(!text.contains(QLatin1String("inf")) && !text.contains(QLatin1String("nan")), qPrintable(text));
    }
    QCOMPARE(boxes, written);
    QVERIFY(!result.verdict);
}

void Module1Test::standardAndType0AreMatchedExactly()
{
    const RatioResult result = ComputeRatio({"6.03", "363", " Standard", "Type '0' "}, QLocale::c());
    QCOMPARE(writesOf(result).size(), 2); // " Standard" is not the list item, nor a number
}

void Module1Test::convertsInchesAndMillimetres_data()
{
    // clang-format off
    QTest::addColumn<bool>("toMillimetres");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("1 in") << true << "1" << "25.4";
    QTest::newRow("0.5 in") << true << "0.5" << "12.7";
    QTest::newRow("-1 in") << true << "-1" << "-25.4";
    QTest::newRow("0.0394 in") << true << "0.0394" << "1.0008";
    QTest::newRow("14.2913 in") << true << "14.2913" << "362.999";
    QTest::newRow("25.4 mm") << false << "25.4" << "1";
    QTest::newRow("10 mm") << false << "10" << "0.3937";
    QTest::newRow("73 mm") << false << "73" << "2.874";
    QTest::newRow("0.001 mm") << false << "0.001" << "0";
    QTest::newRow("1 mm") << false << "1" << "0.0394";
    QTest::newRow("363 mm") << false << "363" << "14.2913";
    QTest::newRow("-0.0001 mm is not -0") << false << "-0.0001" << "0";
    // clang-format on
}

void Module1Test::convertsInchesAndMillimetres()
{
    QFETCH(bool, toMillimetres);
    QFETCH(QString, from);
    QFETCH(QString, to);
    const auto result =
        toMillimetres ? InchesToMillimetres(from, QLocale::c()) : MillimetresToInches(from, QLocale::c());
    QCOMPARE(result, std::optional(to));
}

void Module1Test::refusesToConvertWhatIsNotANumber()
{
    for (const char *text : {"abc", "   ", "inf", "nan", "1e400", "1e308"})
        QVERIFY2(!InchesToMillimetres(QLatin1String(text), QLocale::c()), text);
    QVERIFY(!MillimetresToInches(QStringLiteral("-inf"), QLocale::c()));
}

QTEST_GUILESS_MAIN(Module1Test)
#include "tst_module1.moc"

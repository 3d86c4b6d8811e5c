// SPDX-License-Identifier: MIT
#include "calc/module1.h"

#include <limits>
#include <QTest>
#include <tuple>

using namespace Module1;

class Module1Test : public QObject
{
    Q_OBJECT
private slots:
    void everyLocaleWritesAndReadsBackTheSameNumber_data();
    void everyLocaleWritesAndReadsBackTheSameNumber();
    void readsTypedNumbersAndRejectsTheRest_data();
    void readsTypedNumbersAndRejectsTheRest();
    void roundsHalvesToEven();
    void computesTheRatioStepByStep_data();
    void computesTheRatioStepByStep();
    void convertsInchesAndMillimetres_data();
    void convertsInchesAndMillimetres();
};

void Module1Test::everyLocaleWritesAndReadsBackTheSameNumber_data()
{
    // clang-format off
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text"); // as written where the decimal separator is a point
    const auto row = [](double value, const char *text) { QTest::newRow(text) << value << QString::fromLatin1(text); };
    // Fifteen significant digits, ties to even; no grouping; exponent forms; no negative zero.
    row(28.5578, "28.5578"); row(26246.124, "26246.124"); row(-15.708, "-15.708"); row(3.0, "3");
    row(0.3937, "0.3937"); row(0.0001, "0.0001"); row(0.0, "0"); row(-0.0, "0"); row(1e-5, "1E-05");
    row(-1.23e-5, "-1.23E-05"); row(999999999999999.0, "999999999999999"); row(999999999999999.9, "1E+15");
    row(1.5e15, "1.5E+15"); row(-1.2345e300, "-1.2345E+300"); row(0.1 + 0.2, "0.3");
    row(4.9e-324, "4.94065645841247E-324"); row(std::numeric_limits<double>::max(), "1.79769313486231E+308");
    row(123456789012345.5, "123456789012346"); row(123456789012344.5, "123456789012344");
    row(2.384185791015625e-7, "2.38418579101562E-07");
    // clang-format on
}

void Module1Test::everyLocaleWritesAndReadsBackTheSameNumber()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    const double denoted = text.toDouble();
    const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale &locale : locales) {
        const QString written = NumberToText(value, locale);
        QCOMPARE(written, QString(text).replace(QLatin1Char('.'), locale.decimalPoint()));
        QCOMPARE(NumberToText(denoted, locale), written);
        // Typed with the locale's own signs, it reads the same.
        const QString typed = QString(written)
                                  .replace(QLatin1Char('-'), locale.negativeSign())
                                  .replace(QLatin1Char('+'), locale.positiveSign());
        for (const QString &input : {written, typed})
            QVERIFY2(TextToNumber(input, locale) == denoted, qPrintable(input + QLatin1String(" in ") + locale.name()));
    }
}

void Module1Test::readsTypedNumbersAndRejectsTheRest_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value"); // NaN: rejected
    const auto row = [](const char *locale, const char *text, double v) { QTest::newRow(text) << QString(locale) << QString(text) << v; };
    row("C", "  363 ", 363.0); row("en_US", "1,000.5", 1000.5); row("de_DE", "1.000,5", 1000.5);
    row("de_DE", "6.0300", qQNaN()); row("C", "", qQNaN()); row("C", "   ", qQNaN());
    row("C", "inf", qQNaN()); row("C", "-Infinity", qQNaN()); row("C", "nan", qQNaN());
    row("C", "1e400", qQNaN()); row("C", "6.03mm", qQNaN());
    // clang-format on
}

void Module1Test::readsTypedNumbersAndRejectsTheRest()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(TextToNumber(text, QLocale(locale)), qIsNaN(value) ? std::nullopt : std::optional(value));
}

void Module1Test::roundsHalvesToEven()
{
    const std::tuple<double, int, double> cases[] = {
        {0.00005, 4, 0.0}, {2.5, 0, 2.0}, {3.5, 0, 4.0}, {-2.5, 0, -2.0}, {28.557762, 4, 28.5578}};
    for (const auto &[x, places, rounded] : cases)
        QCOMPARE(RoundHalfEven(x, places), rounded);
}

void Module1Test::computesTheRatioStepByStep_data()
{
    // clang-format off
    QTest::addColumn<RatioInputs>("inputs");
    QTest::addColumn<QStringList>("texts"); // what Text5 to Text9 receive, step by step, until a step fails
    QTest::addColumn<int>("verdict"); // -1: none, the computation stopped
    const auto row = [](const char *name, RatioInputs in, QStringList texts, int v) { QTest::newRow(name) << in << texts << v; };
    const int over = int(Verdict::Over), under = int(Verdict::Under), ok = int(Verdict::Ok), none = -1;
    row("typical", {"6.03", "363", "Standard", "Type '0'"}, {"28.5578", "10366.4814", "437.4354", "27558.4302", "2.6584 : 1"}, ok);
    row("with pad", {"6.03", "363", "Standard", "Type '0'", true}, {"28.5578", "10366.4814", "437.4354", "26246.124", "2.5318 : 1"}, ok);
    row("list items", {"6.0000", "650.0000", "Standard", "Type '0'"}, {"28.2743", "18378.295", "437.4354", "27558.4302", "1.4995 : 1"}, under);
    row("upper bound", {"2", "3", "2", "19"}, {"3.1416", "9.4248", "3.1416", "28.2744", "3 : 1"}, ok);
    row("lower bound", {"2", "3", "2", "14.5"}, {"3.1416", "9.4248", "3.1416", "14.1372", "1.5 : 1"}, ok);
    row("volumes unrounded", {"2", "3", "2", "19.0001"}, {"3.1416", "9.4248", "3.1416", "28.27471416", "3 : 1"}, ok);
    row("just over", {"2", "3", "2", "19.0002"}, {"3.1416", "9.4248", "3.1416", "28.27502832", "3.0001 : 1"}, over);
    row("just under", {"2", "3", "2", "14.4998"}, {"3.1416", "9.4248", "3.1416", "14.13657168", "1.4999 : 1"}, under);
    row("negative volume", {"2", "3", "2", "5"}, {"3.1416", "9.4248", "3.1416", "-15.708", "-1.6667 : 1"}, under);
    row("initial bore", {"Select Bore", "363", "Standard", "Type '0'"}, {}, none);
    row("bore overflows area", {"1e300", "363", "Standard", "Type '0'"}, {}, none);
    row("length nan", {"6.03", "nan", "Standard", "Type '0'"}, {"28.5578"}, none);
    row("barrel volume overflows", {"2", "1e308", "Standard", "Type '0'"}, {"3.1416"}, none);
    row("blank before Standard", {"6.03", "363", " Standard", "Type '0'"}, {"28.5578", "10366.4814"}, none);
    row("standard in lower case", {"6.03", "363", "standard", "Type '0'"}, {"28.5578", "10366.4814"}, none);
    row("type in lower case", {"6.03", "363", "Standard", "type '0'"}, {"28.5578", "10366.4814", "437.4354"}, none);
    row("blank after Type '0'", {"6.03", "363", "Standard", "Type '0' "}, {"28.5578", "10366.4814", "437.4354"}, none);
    row("bore zero", {"0", "363", "Standard", "Type '0'"}, {"0", "0", "437.4354", "27558.4302"}, none);
    row("zero over zero", {"0", "363", "2", "10"}, {"0", "0", "3.1416", "0"}, none);
    row("ratio overflows", {"2", "1e-300", "2", "1e300"}, {"3.1416", "3.1416E-300", "3.1416", "3.1416E+300"}, none);
    // clang-format on
}

void Module1Test::computesTheRatioStepByStep()
{
    QFETCH(RatioInputs, inputs);
    QFETCH(QStringList, texts);
    QFETCH(int, verdict);
    const RatioResult r = ComputeRatio(inputs, QLocale::c());
    QStringList written;
    for (const auto &box : {r.barrelArea, r.barrelVolume, r.cylinderArea, r.cylinderVolume, r.ratio})
        if (box)
            written.append(*box);
    QCOMPARE(written, texts);
    QCOMPARE(r.verdict ? int(*r.verdict) : -1, verdict);
}

void Module1Test::convertsInchesAndMillimetres_data()
{
    // clang-format off
    QTest::addColumn<bool>("toMillimetres");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to"); // empty: refused
    const auto row = [](bool toMillimetres, const char *from, const char *to) {
        QTest::addRow("%s %s", from, toMillimetres ? "in" : "mm") << toMillimetres << QString(from) << QString(to);
    };
    row(true, "1", "25.4");             row(true, "0.0394", "1.0008");
    row(true, "14.2913", "362.999");    row(true, "0.00175", "0.0445"); // times 10, then times 2.54
    row(false, "25.4", "1");            row(false, "10", "0.3937");
    row(false, "73", "2.874");          row(false, "0.001", "0");
    row(false, "363", "14.2913");       row(false, "0.00127", "0"); // divided by 10, then by 2.54
    row(false, "-0.0001", "0");         row(true, "abc", "");
    row(true, "1e308", "");             row(false, "-inf", "");
    // clang-format on
}

void Module1Test::convertsInchesAndMillimetres()
{
    QFETCH(bool, toMillimetres);
    QFETCH(QString, from);
    QFETCH(QString, to);
    const auto result =
        toMillimetres ? InchesToMillimetres(from, QLocale::c()) : MillimetresToInches(from, QLocale::c());
    QCOMPARE(result, to.isEmpty() ? std::nullopt : std::optional(to));
}

QTEST_GUILESS_MAIN(Module1Test)
#include "tst_module1.moc"

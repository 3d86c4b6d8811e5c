// SPDX-License-Identifier: MIT
#include "calc/module1.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Module1 {

namespace {

constexpr double kCircleConstant = 3.14159265358979; // these 15 digits, not M_PI
constexpr double kStandardBore = 23.6;
constexpr double kType0Length = 73;
constexpr double kAllowance = 10;
constexpr double kAllowanceWithPad = 13;
constexpr double kLowerBound = 1.5;
constexpr double kUpperBound = 3;
constexpr int kPlaces = 4;

std::optional<double> finite(double value)
{
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

std::optional<double> circleArea(double bore)
{
    const double radius = bore / 2;
    return finite(RoundHalfEven(kCircleConstant * (radius * radius), kPlaces));
}

// Runs the steps against a scratch copy of the boxes so that every step reads back
// exactly the text that the previous one wrote.
class Steps
{
public:
    explicit Steps(const QLocale &locale) : m_locale(locale) { }

    bool write(const QString &box, std::optional<double> value)
    {
        if (!value)
            return false;
        run.writes.append({box, NumberToText(*value, m_locale)});
        return true;
    }
    std::optional<double> readBack(const QString &box) const
    {
        for (const auto &[name, text] : run.writes)
            if (name == box)
                return TextToNumber(text, m_locale);
        return std::nullopt;
    }
    std::optional<double> read(const QString &text) const { return TextToNumber(text, m_locale); }

    RatioRun run;

private:
    QLocale m_locale;
};

std::optional<double> product(std::optional<double> a, std::optional<double> b)
{
    return a && b ? finite(*a * *b) : std::nullopt;
}

// Direction marks are invisible and carry no part of a number. Some locales put them in
// their signs, and the locale's own reader then fails on them.
QString withoutDirectionMarks(QString text)
{
    return text.remove(QChar(0x200E)).remove(QChar(0x200F)).remove(QChar(0x061C));
}

} // namespace

std::optional<double> TextToNumber(const QString &text, const QLocale &locale)
{
    QString plain = withoutDirectionMarks(text.trimmed());
    plain.replace(withoutDirectionMarks(locale.negativeSign()), QStringLiteral("-"));
    plain.replace(withoutDirectionMarks(locale.positiveSign()), QStringLiteral("+"));
    bool ok = false;
    const double value = locale.toDouble(plain, &ok);
    return ok ? finite(value) : std::nullopt;
}

QString NumberToText(double value, const QLocale &locale)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");

    // "%.14e" rounds to 15 significant digits and tells the exponent after rounding. The
    // largest doubles would round past the largest double and no longer read back.
    constexpr double kLargestWritable = 1.79769313486231e308;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::min(std::fabs(value), kLargestWritable));
    const QByteArray formatted(buffer);
    const qsizetype e = formatted.indexOf('e');
    const int exponent = std::atoi(formatted.constData() + e + 1);
    QByteArray digits = formatted.left(e).remove(1, 1);
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);

    const QString point = locale.decimalPoint();
    // ASCII digits and signs: every locale reads them, unlike some locales' own signs.
    QString text = value < 0 ? QStringLiteral("-") : QString();
    if (exponent >= 15 || exponent < -4) {
        text += QChar(digits[0]);
        if (digits.size() > 1)
            text += point + QString::fromLatin1(digits.mid(1));
        text += QStringLiteral("E%1%2")
                    .arg(exponent < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                    .arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    } else if (exponent < 0) {
        text += QLatin1Char('0') + point + QString(-exponent - 1, QLatin1Char('0')) + QString::fromLatin1(digits);
    } else {
        const QByteArray whole = digits.leftJustified(exponent + 1, '0', true);
        text += QString::fromLatin1(whole);
        if (digits.size() > exponent + 1)
            text += point + QString::fromLatin1(digits.mid(exponent + 1));
    }
    return text;
}

double RoundHalfEven(double x, int places)
{
    const double scale = std::pow(10.0, places);
    return std::nearbyint(x * scale) / scale; // the default rounding mode ties to even
}

QString ListItemText(const QString &item, const QLocale &locale)
{
    bool ok = false;
    QLocale::c().toDouble(item, &ok);
    return ok ? QString(item).replace(QLatin1Char('.'), locale.decimalPoint()) : item;
}

RatioRun ComputeRatio(const RatioInputs &in, const QLocale &locale)
{
    Steps steps(locale);
    const auto bore = steps.read(in.barrelBore);
    if (!steps.write(QStringLiteral("Text5"), bore ? circleArea(*bore) : std::nullopt))
        return steps.run;

    const auto barrelVolume = product(steps.readBack(QStringLiteral("Text5")), steps.read(in.barrelLength));
    if (!steps.write(QStringLiteral("Text6"), barrelVolume))
        return steps.run;

    const auto cylinderBore =
        in.cylinderBore == QLatin1String("Standard") ? std::optional(kStandardBore) : steps.read(in.cylinderBore);
    if (!steps.write(QStringLiteral("Text7"), cylinderBore ? circleArea(*cylinderBore) : std::nullopt))
        return steps.run;

    const auto length =
        in.cylinderLength == QLatin1String("Type '0'") ? std::optional(kType0Length) : steps.read(in.cylinderLength);
    const double allowance = in.pad ? kAllowanceWithPad : kAllowance;
    const auto usable = length ? finite(*length - allowance) : std::nullopt;
    if (!steps.write(QStringLiteral("Text8"), product(steps.readBack(QStringLiteral("Text7")), usable)))
        return steps.run;

    const auto cylinderVolume = steps.readBack(QStringLiteral("Text8"));
    const auto volume = steps.readBack(QStringLiteral("Text6"));
    if (!cylinderVolume || !volume || *volume == 0)
        return steps.run;
    const auto ratio = finite(RoundHalfEven(*cylinderVolume / *volume, kPlaces));
    if (!ratio)
        return steps.run;

    steps.run.writes.append({QStringLiteral("Text9"), NumberToText(*ratio, locale) + QStringLiteral(" : 1")});
    steps.run.verdict = *ratio > kUpperBound ? Verdict::Over : *ratio < kLowerBound ? Verdict::Under : Verdict::Ok;
    return steps.run;
}

namespace {

std::optional<QString> convert(const QString &text, const QLocale &locale, double (*step)(double))
{
    const auto value = TextToNumber(text, locale);
    if (!value)
        return std::nullopt;
    const auto result = finite(RoundHalfEven(step(*value), kPlaces));
    return result ? std::optional(NumberToText(*result, locale)) : std::nullopt;
}

} // namespace

// The order of the operations matters to the last digit: 363 mm gives 14.2913 in.
std::optional<QString> InchesToMillimetres(const QString &inches, const QLocale &locale)
{
    return convert(inches, locale, [](double in) { return (in * 10) * 2.54; });
}

std::optional<QString> MillimetresToInches(const QString &millimetres, const QLocale &locale)
{
    return convert(millimetres, locale, [](double mm) { return (mm / 10) / 2.54; });
}

} // namespace Module1

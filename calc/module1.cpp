// SPDX-License-Identifier: MIT
#include "calc/module1.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Module1 {

namespace {

constexpr double kCircleConstant = 3.14159265358979; // these 15 digits, not M_PI
// Stock parts that the lists offer by name: the bore of a standard cylinder and the usable
// length of a type 0 one.
constexpr double kStandardBore = 23.6;
constexpr double kType0Length = 73;
// The length the piston head and the cylinder head take up, which moves no air; a "Sorbo"
// pad on the piston head takes 3 mm more.
constexpr double kAllowance = 10;
constexpr double kAllowanceWithPad = 13;
// The ratios the help texts call ideal.
constexpr double kLowerBound = 1.5;
constexpr double kUpperBound = 3;
constexpr int kPlaces = 4; // every shown area, volume, ratio and conversion

std::optional<double> finite(double value)
{
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

std::optional<double> circleArea(double bore)
{
    const double radius = bore / 2;
    return finite(RoundHalfEven(kCircleConstant * (radius * radius), kPlaces));
}

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

RatioResult ComputeRatio(const RatioInputs &in, const QLocale &locale)
{
    RatioResult result;
    const auto read = [&locale](const std::optional<QString> &text) {
        return text ? TextToNumber(*text, locale) : std::nullopt;
    };
    const auto write = [&locale](std::optional<QString> &text, std::optional<double> value) {
        if (value)
            text = NumberToText(*value, locale);
        return value.has_value();
    };

    const auto bore = read(in.barrelBore);
    if (!write(result.barrelArea, bore ? circleArea(*bore) : std::nullopt))
        return result;

    if (!write(result.barrelVolume, product(read(result.barrelArea), read(in.barrelLength))))
        return result;

    const auto cylinderBore =
        in.cylinderBore == QLatin1String("Standard") ? std::optional(kStandardBore) : read(in.cylinderBore);
    if (!write(result.cylinderArea, cylinderBore ? circleArea(*cylinderBore) : std::nullopt))
        return result;

    const auto length =
        in.cylinderLength == QLatin1String("Type '0'") ? std::optional(kType0Length) : read(in.cylinderLength);
    const double allowance = in.pad ? kAllowanceWithPad : kAllowance;
    const auto usable = length ? finite(*length - allowance) : std::nullopt;
    if (!write(result.cylinderVolume, product(read(result.cylinderArea), usable)))
        return result;

    const auto cylinderVolume = read(result.cylinderVolume);
    const auto barrelVolume = read(result.barrelVolume);
    if (!cylinderVolume || !barrelVolume || *barrelVolume == 0)
        return result;
    const auto ratio = finite(RoundHalfEven(*cylinderVolume / *barrelVolume, kPlaces));
    if (!ratio)
        return result;

    result.ratio = NumberToText(*ratio, locale) + QStringLiteral(" : 1");
    result.verdict = *ratio > kUpperBound ? Verdict::Over : *ratio < kLowerBound ? Verdict::Under : Verdict::Ok;
    return result;
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

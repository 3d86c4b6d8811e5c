// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <QLocale>
#include <QString>

namespace Module1 {

// Reads text as a finite double in the given locale: blanks around the number, a sign (the
// locale's own or an ASCII one), digit grouping and an exponent are accepted. Empty text,
// words such as "inf" or "nan", and values too large for a double give no number.
std::optional<double> TextToNumber(const QString &text, const QLocale &locale = QLocale());

// Writes a number rounded to 15 significant digits, without trailing zeros or grouping;
// from 1E+15 up and below 1E-04 in exponent form. A negative zero is written "0". Digits,
// signs and the E are ASCII, the decimal separator the locale's: every locale reads it back.
QString NumberToText(double value, const QLocale &locale = QLocale());

// x rounded to the given number of decimal places, an exact half going to the even side.
double RoundHalfEven(double x, int places);

// A list item that names a number ("6.0300") shown with the locale's decimal separator and
// the same digits as the results, so that picking it computes with the value it names;
// words pass through unchanged.
QString ListItemText(const QString &item, const QLocale &locale = QLocale());

enum class Verdict { Over, Under, Ok };

// The measurements as typed, in millimetres.
struct RatioInputs {
    QString barrelBore;
    QString barrelLength;
    QString cylinderBore; // "Standard" or a number
    QString cylinderLength; // "Type '0'" or a number
    bool pad = false; // a "Sorbo" pad is fitted
};

// The texts that one computation shows, in the order its steps write them. A step that
// fails leaves its text and every later one absent; what came before stays.
struct RatioResult {
    std::optional<QString> barrelArea;
    std::optional<QString> barrelVolume;
    std::optional<QString> cylinderArea;
    std::optional<QString> cylinderVolume;
    std::optional<QString> ratio; // "2.6584 : 1"
    std::optional<Verdict> verdict; // present exactly when every step succeeded
};

// Each step writes its text and the next one reads that text back, so the volumes are
// built from the areas as displayed and the ratio from the volumes as displayed.
RatioResult ComputeRatio(const RatioInputs &in, const QLocale &locale = QLocale());

// The converter: inches to millimetres and back, rounded to four places.
// Absent when the text is not a finite number or the result overflows.
std::optional<QString> InchesToMillimetres(const QString &inches, const QLocale &locale = QLocale());
std::optional<QString> MillimetresToInches(const QString &millimetres, const QLocale &locale = QLocale());

} // namespace Module1

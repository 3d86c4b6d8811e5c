// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <QList>
#include <QLocale>
#include <QString>
#include <utility>

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

struct RatioInputs {
    QString barrelBore; // Combo1
    QString barrelLength; // Combo2
    QString cylinderBore; // Combo3: "Standard" or a number
    QString cylinderLength; // Combo4: "Type '0'" or a number
    bool pad = false; // Check2
};

// What one press of Compute writes, step by step, and where it stopped.
struct RatioRun {
    QList<std::pair<QString, QString>> writes; // box name -> text, in order
    std::optional<Verdict> verdict; // absent when a step failed
};

// Each step writes its box and the next one reads that text back, so the volumes are
// built from the areas as displayed and the ratio from the volumes as displayed.
RatioRun ComputeRatio(const RatioInputs &in, const QLocale &locale = QLocale());

// The converter: inches to millimetres and back, rounded to four places.
// Absent when the text is not a finite number or the result overflows.
std::optional<QString> InchesToMillimetres(const QString &inches, const QLocale &locale = QLocale());
std::optional<QString> MillimetresToInches(const QString &millimetres, const QLocale &locale = QLocale());

} // namespace Module1

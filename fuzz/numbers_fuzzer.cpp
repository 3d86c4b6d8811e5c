// SPDX-License-Identifier: MIT
// Any text read as a number: never a crash or a hang, and every accepted text gives a finite
// number whose written text reads back to the same value.
#include "calc/module1.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::French, QLocale::France),
                                      QLocale(QLocale::English, QLocale::UnitedStates)};
    const QLocale &locale = locales[data[0] % std::size(locales)];
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const auto number = Module1::TextToNumber(text, locale);
    if (!number)
        return 0;
    if (!std::isfinite(*number))
        std::abort();
    const QString written = Module1::NumberToText(*number, locale);
    const auto back = Module1::TextToNumber(written, locale);
    if (!back || Module1::NumberToText(*back, locale) != written)
        std::abort();
    return 0;
}

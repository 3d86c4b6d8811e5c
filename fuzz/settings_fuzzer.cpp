// SPDX-License-Identifier: MIT
// Any bytes as the head of settings.ini: never a crash, nothing beyond the read bound is
// looked at, and start-up always ends in one of its defined states.
#include "settings/settings.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // What the reader gets from the file is never more than its bound.
    const QByteArray head(reinterpret_cast<const char *>(data),
                          qsizetype(std::min<size_t>(size, Settings::kReadBound)));
    const QByteArray line = Settings::firstLine(head);
    if (line.size() > head.size() || line.contains('\r') || line.contains('\n'))
        std::abort();
    const QString field = Settings::firstField(line);
    const Settings::Restore restore = Settings::restoreFrom(field);

    const bool hasOne = field.contains(QLatin1Char('1'));
    if (restore.markDefault == hasOne || (!hasOne && !restore.themes.isEmpty()) || restore.themes.size() > 3)
        std::abort();
    for (qsizetype i = 1; i < restore.themes.size(); ++i)
        if (int(restore.themes[i]) <= int(restore.themes[i - 1])) // each theme once, in the fixed order
            std::abort();
    if (restore.uncheck && !restore.check) // "noanime" contains "anime"
        std::abort();
    return 0;
}

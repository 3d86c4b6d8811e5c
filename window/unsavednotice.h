// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Tells the user, in a window of its own that outlives the program's window, that the settings
// could not be saved: the program has no console to say it on. It does not keep the program's
// window from closing; the program ends once it is dismissed.
void tellSettingsNotSaved(const QString &title, const QString &path);

// SPDX-License-Identifier: MIT
#pragma once

// Where no desktop session names a runtime folder (XDG_RUNTIME_DIR), as under sudo or su,
// names one the way a session would: the user's own under /run/user, or else a private one
// in the temporary folder. Runs before the application object exists, which reads it.
void nameRuntimeFolderWhenNoSessionDoes();

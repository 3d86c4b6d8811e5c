// SPDX-License-Identifier: MIT
#pragma once

// On Wayland, Qt loads the GPU driver as it looks whether it could draw window frames itself,
// even for windows drawn by the raster engine in shared memory. This program's window never
// wants Qt's frame: unless the user names a buffer integration or decides on Qt's frames, the
// driver stays out (some 50 MiB and half the start-up time). Call before the application is made.
void leaveTheGpuDriverUnloaded();

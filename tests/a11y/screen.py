# SPDX-License-Identifier: MIT
"""What the screen shows: pixels of the real window as the X server has them, and the contrast
between two colours as the accessibility guidelines measure it."""

import os

import gi

gi.require_version("Gdk", "3.0")
from gi.repository import Gdk  # noqa: E402


class Shot:
    """The pixels of a rectangle of the screen, addressed in screen coordinates."""

    def __init__(self, x, y, width, height):
        # The display the session started after this module was loaded.
        display = Gdk.Display.get_default() or Gdk.Display.open(os.environ["DISPLAY"])
        pixbuf = Gdk.pixbuf_get_from_window(display.get_default_screen().get_root_window(), x, y, width, height)
        self.x, self.y, self.width, self.height = x, y, width, height
        self._pixels = pixbuf.get_pixels()
        self._channels = pixbuf.get_n_channels()
        self._stride = pixbuf.get_rowstride()

    def __getitem__(self, point):
        x, y = point
        at = (y - self.y) * self._stride + (x - self.x) * self._channels
        return tuple(self._pixels[at:at + 3])

    def contains(self, x, y):
        return self.x <= x < self.x + self.width and self.y <= y < self.y + self.height


def luminance(colour):
    linear = [c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4 for c in (v / 255 for v in colour)]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]


def contrast(a, b):
    first, second = luminance(a), luminance(b)
    return (max(first, second) + 0.05) / (min(first, second) + 0.05)


def focus_indication(focused, unfocused, extents, reach=4):
    """How thick a ring, in pixels, would hold the pixels along the control's edge (up to reach
    pixels outside or inside it) that change by at least 3:1 when it takes the focus: their count
    over the control's perimeter."""
    left, top = extents.x, extents.y
    right, bottom = left + extents.width, top + extents.height
    strong = 0
    for y in range(top - reach, bottom + reach):
        for x in range(left - reach, right + reach):
            inside = left + reach <= x < right - reach and top + reach <= y < bottom - reach
            if inside or not focused.contains(x, y):
                continue
            now, before = focused[x, y], unfocused[x, y]
            if now != before and contrast(now, before) >= 3:
                strong += 1
    return strong / (2 * (extents.width + extents.height))

# SPDX-License-Identifier: MIT
"""What the screen reader says when Compute is pressed from the keyboard."""

import sys
import unittest

from session import Atspi, Session, find, wait_for

program = None


def said_since(session, start, words):
    return wait_for(lambda: [line for line in session.spoken()[start:] if words in line],
                    "the screen reader to say " + repr(words), 30)


def type_into(session, combo_name, value):
    combo = wait_for(lambda: find(session.window, Atspi.Role.COMBO_BOX, combo_name), combo_name)
    Atspi.EditableText.set_text_contents(find(combo, Atspi.Role.TEXT), value)
    wait_for(lambda: Atspi.Text.get_text(combo, 0, -1) == value, "%s to hold %s" % (combo_name, value))


class ScreenReaderTest(unittest.TestCase):
    def test_the_verdict_is_spoken_after_compute(self):
        with Session(program, screen_reader=True) as session:
            said_since(session, 0, "Animate check box")
            for combo, value in (("inner barrel diameter", "6.03"), ("cylinder inner diameter", "Standard"),
                                 ("cylinder usable length", "Type '0'")):
                type_into(session, combo, value)
            start = len(session.spoken())
            session.keys(*["Tab"] * 8)  # from Animate through the converter and the four fields to Compute
            said_since(session, start, "Compute push button")
            for field in ("cylinder usable length, mm.", "cylinder inner diameter, mm.", "barrel length, mm.",
                          "inner barrel diameter, mm."):
                with self.subTest(field=field):
                    self.assertTrue(said_since(session, start, field + " editable combo box"))
            for length, verdict in (("363", "Ratio Ok"), ("110", "Over Ratio")):
                with self.subTest(verdict=verdict):
                    type_into(session, "barrel length", length)
                    start = len(session.spoken())
                    session.keys("space")
                    said = said_since(session, start, verdict)
                    print("after Compute: " + " / ".join(session.spoken()[start:]))
                    self.assertTrue(said)


if __name__ == "__main__":
    program = sys.argv.pop(1)
    unittest.main(verbosity=2)

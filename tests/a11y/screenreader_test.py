# SPDX-License-Identifier: MIT
"""What the screen reader says when Compute is pressed from the keyboard."""

import sys
import unittest

from session import Atspi, Session, find, wait_for, walk

program = None


def said_since(session, start, words):
    try:
        return wait_for(lambda: [line for line in session.spoken()[start:] if words in line],
                        "the screen reader to say " + repr(words), 30)
    except AssertionError as error:
        focused = [a for a in walk(session.window) if a.get_state_set().contains(Atspi.StateType.FOCUSED)]
        raise AssertionError("%s; it said: %s; focus is on: %s" % (
            error, " / ".join(session.spoken()[start:]),
            ", ".join("%s %r" % (a.get_role_name(), a.get_name()) for a in focused))) from None


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
            # Tab by Tab from Animate through the converter and the four fields to Compute, each
            # heard by its name before the next key, as a listening user goes.
            for field in ("Convert push button", "millimeter, mm. text", "inches, in. text",
                          "cylinder usable length, mm. editable combo box",
                          "cylinder inner diameter, mm. editable combo box", "barrel length, mm. editable combo box",
                          "inner barrel diameter, mm. editable combo box", "Compute push button"):
                start = len(session.spoken())
                session.keys("Tab")
                self.assertTrue(said_since(session, start, field))
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

# SPDX-License-Identifier: MIT
"""What the screen reader says as a user goes through the program by keyboard alone."""

import sys
import unittest

from session import Atspi, Session

program = None
session = None
FRAME = "Cylinder-to-Barrel Ratio v.3 frame"


def setUpModule():
    global session
    session = Session(program, screen_reader=True).__enter__()
    session.type_into("cylinder inner diameter", "Standard")
    session.type_into("cylinder usable length", "Type '0'")


def tearDownModule():
    session.__exit__(None, None, None)


def compute(barrel_length):
    session.type_into("inner barrel diameter", "6.03")
    session.type_into("barrel length", barrel_length)
    session.focus(Atspi.Role.PUSH_BUTTON, "Compute")
    return session.hear("space", "notification")


class ScreenReaderTest(unittest.TestCase):
    def test_moving_by_word_and_to_either_end_in_every_kind_of_box_is_heard_and_freezes_nothing(self):
        compute("363")
        cases = [(Atspi.Role.TEXT, "millimeter", "2 5 period 4", "25.4"),
                 (Atspi.Role.COMBO_BOX, "barrel length", "ctrl+a 3 6 3", "363"),
                 (Atspi.Role.TEXT, "Cylinder-to-Barrel Ratio", "", "2.6584 : 1")]
        for role, name, typing, text in cases:
            with self.subTest(box=name):
                session.focus(role, name)
                if typing:
                    session.hear(typing, text[-1])
                self.assertIn(text[0], session.hear("Home", text[0]))
                for keys in ("ctrl+Right", "ctrl+Left", "End", "ctrl+Left", "ctrl+Right", "ctrl+End", "ctrl+Home"):
                    session.hear(keys, settle=0.5)
                    self.assertTrue(session.answers(), "the program froze after " + keys)

    def test_a_box_is_echoed_whole(self):
        compute("363")
        for name, echo in (("Cylinder-to-Barrel Ratio", "2.6584 : 1 selected"),
                           ("cylinder volume", "27558.4302 selected")):
            with self.subTest(box=name):
                session.focus(Atspi.Role.PUSH_BUTTON, "Compute")
                session.hear("Tab" if name != "cylinder volume" else "Tab Tab", echo)

    def test_the_themes_menu_is_heard_item_by_item_with_its_marks(self):
        session.focus(Atspi.Role.CHECK_BOX, "Animate")
        session.hear("F10", "Compute Now")
        said = session.hear("Right", "Default", "selected radio button")
        self.assertNotIn(FRAME + ".", said)
        session.hear("Down", "Sky", "not selected radio button")
        session.hear("Down Down", "Save Theme on Exit check box checked")
        said = session.hear("Up Return", "Earth selected", "Animate check box")
        self.assertFalse([line for line in said if FRAME in line], said)
        session.hear("alt Right Down Return", "Default selected")

    def test_a_help_panel_is_read_line_by_line_and_closed_by_escape_or_its_button(self):
        session.focus(Atspi.Role.CHECK_BOX, "Animate")
        for close in ("Escape", "Tab space"):
            with self.subTest(close=close):
                session.hear("alt Right Right Down", "How To Use this Tool")
                session.hear("Return", "How to use this Tool panel", "Step 1: input Inner Barrel dimensions")
                session.hear("Down", "* Bore is the inner diameter of the")
                session.hear("Down", "inner barrel measured in mm.")
                if close != "Escape":
                    session.hear("Tab", "close push button")
                said = session.hear(close, "Animate check box")
                self.assertFalse([line for line in said if FRAME in line], said)

    def test_convert_and_compute_announce_their_results(self):
        session.focus(Atspi.Role.TEXT, "millimeter")
        session.hear("2 5 period 4 shift+Tab", "Convert push button")
        session.hear("space", "inches: 1")
        for length, announcement in (("363", "2.6584 : 1, Ratio Ok"), ("110", "8.7728 : 1, Over Ratio")):
            with self.subTest(length=length):
                self.assertIn("notification " + announcement + ".", compute(length))
                session.hear("Tab", "Cylinder : Barrel Volume Ratio")
                verdict = announcement.split(", ")[1]
                # Where am I reads the verdict with the ratio, until the next Compute.
                session.hear("KP_Enter", "2.6584 : 1" if length == "363" else "8.7728 : 1", verdict + ". Under ratio")

    def test_a_drop_down_pick_is_heard_without_the_window_title(self):
        session.focus(Atspi.Role.COMBO_BOX, "inner barrel diameter")
        session.hear("alt+Down", "List with 16 items")
        said = session.hear("Down Return", "inner barrel diameter, mm. editable combo box", "5.5900")
        self.assertFalse([line for line in said if FRAME in line], said)

    def test_closing_the_message_box_returns_to_compute_without_the_window_title(self):
        session.type_into("barrel length", "Select Length")
        session.focus(Atspi.Role.PUSH_BUTTON, "Compute")
        session.hear("space", "Pls. Input all required data.", "OK push button")
        said = session.hear("Return", "Compute push button")
        self.assertFalse([line for line in said if FRAME in line], said)
        session.hear("Tab", "Cylinder : Barrel Volume Ratio")


if __name__ == "__main__":
    program = sys.argv.pop(1)
    unittest.main(verbosity=2)

# SPDX-License-Identifier: MIT
"""What the screen reader says as a user goes through the program by keyboard alone."""

import sys
import time
import unittest

from session import Atspi, Session, find, wait_for

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


# Each help panel: its Help item, and what Tab reaches in it in order, ending with its close label.
PANELS = [("How To Use this Tool", ["How to use this Tool", "close push button"]),
          ("about Cylinder Measurements", ["Inner Barrel Dimension", "Cylinder Body Dimensions", "close push button"]),
          ("about Barrel/Cylinder types", ["Common Barrel Lengths", "Cylinder Measurements", "close push button"]),
          ("about additional Information", ["Additional Information", "close push button"])]


def open_panel(item):
    session.focus(Atspi.Role.CHECK_BOX, "Animate")
    menu_item = find(session.window, Atspi.Role.MENU_ITEM, item)
    start = len(session.spoken())
    Atspi.Action.do_action(menu_item, 0)
    wait_for(lambda: any("read only text" in line for line in session.spoken()[start:]), "the panel to open")
    time.sleep(1.0)


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
        session.hear("alt+Down", "List with 16 items", "5.5800")
        said = session.hear("Down Return", "inner barrel diameter, mm. editable combo box", "5.5900")
        self.assertFalse([line for line in said if FRAME in line], said)

    def test_shift_tab_retraces_tab_in_every_help_panel(self):
        for item, path in PANELS:
            with self.subTest(panel=item):
                open_panel(item)
                for stop in path[1:]:
                    self.assertNotIn("Sorbo pad check box", " ".join(session.hear("Tab", stop)))
                for stop in reversed(path[:-1]):
                    self.assertNotIn("Sorbo pad check box", " ".join(session.hear("shift+Tab", stop)))
                session.hear("Escape", "Animate check box")

    def test_say_all_reads_every_text_of_each_panel_to_its_last_line(self):
        last_lines = {"How To Use this Tool": ["have already been compensated."],
                      "about Cylinder Measurements": ['use "Custom" and input the length.',
                                                      "be automatically be compensated."],
                      "about Barrel/Cylinder types": ["Custom - custom length barrel",
                                                      "Custom - for non-standard cylinders"],
                      "about additional Information": ["thickness affect the over-all ratio."]}
        for item, lines in last_lines.items():
            with self.subTest(panel=item):
                open_panel(item)
                session.hear("KP_Add", *lines)
                session.hear("Escape", "Animate check box")

    def test_flat_review_reads_an_open_help_panel(self):
        open_panel("How To Use this Tool")
        panel_lines = {"Step 1: input Inner Barrel dimensions", "* Bore is the inner diameter of the",
                       "inner barrel measured in mm.", "Value ranges from 5.98 - 6.12 mm."}
        said = session.hear("KP_8") + session.hear("KP_9") + session.hear("KP_7") + session.hear("KP_7")
        self.assertTrue([line for line in said if any(panel_line in line for panel_line in panel_lines)], said)
        session.hear("Escape", "Animate check box")

    def test_convert_with_both_boxes_empty_says_why_nothing_happened(self):
        session.focus(Atspi.Role.TEXT, "inches")  # empties the millimetre box
        session.keys("ctrl+a", "BackSpace")
        session.hear("shift+Tab shift+Tab", "Convert push button")
        session.hear("space", "Nothing to convert")

    def test_nothing_is_said_unselected_when_the_user_selected_nothing(self):
        session.focus(Atspi.Role.TEXT, "millimeter")
        session.keys("2", "5", "period", "4")
        session.type_into("barrel length", "363")
        session.focus(Atspi.Role.CHECK_BOX, "Animate")
        said = []
        for _ in range(15):  # a round of Tab, through boxes with text and without
            said += session.hear("Tab", settle=0.8)
        self.assertEqual([line for line in said if "unselected" in line or "Selection deleted" in line], [], " / ".join(said))

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

# SPDX-License-Identifier: MIT
"""The window as assistive technology sees it through the real accessibility bridge."""

import sys
import time
import unittest
import warnings

from screen import Shot, focus_indication
from session import Atspi, Session, children, find, find_all, text_of, wait_for, walk

program = None
session = None


def setUpModule():
    global session
    session = Session(program).__enter__()


def tearDownModule():
    session.__exit__(None, None, None)


def named(role, name):
    return wait_for(lambda: find(session.window, role, name), "%s %r" % (role.value_nick, name))


def labels_of(accessible):
    return sorted(relation.get_target(i).get_name() for relation in accessible.get_relation_set()
                  if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY
                  for i in range(relation.get_n_targets()))


def states_of(accessible):
    return accessible.get_state_set()


def press(accessible):
    action = accessible.get_action_iface()
    names = [action.get_action_name(i) for i in range(action.get_n_actions())]
    action.do_action(names.index("Press"))


def edit_field(combo_name):
    combo = named(Atspi.Role.COMBO_BOX, combo_name)
    return combo, find(combo, Atspi.Role.TEXT)


def type_into(combo_name, value):
    session.type_into(combo_name, value)


PANELS = ["How To Use this Tool", "about Cylinder Measurements", "about Barrel/Cylinder types",
          "about additional Information"]


class FocusWatch:
    """The object that last told it took the focus."""

    def __init__(self):
        self.focused = None
        self._listener = Atspi.EventListener.new(self._changed)
        self._listener.register("object:state-changed:focused")

    def _changed(self, event):
        if event.detail1:
            self.focused = event.source

    def after(self, keys):
        """Presses the keys and returns what takes the focus, once the window has been painted."""
        before = self.focused
        session.keys(keys)
        wait_for(lambda: self.focused is not None and self.focused != before, "the focus to move on " + keys)
        time.sleep(0.3)  # for the window to be painted
        return self.focused

    def close(self):
        self._listener.deregister("object:state-changed:focused")


def window_shot():
    extents = session.window.get_extents(Atspi.CoordType.SCREEN)
    return Shot(extents.x, extents.y, extents.width, extents.height)


class AccessibilityTest(unittest.TestCase):
    def test_the_focus_shows_at_three_to_one_on_every_stop_in_every_theme_and_panel(self):
        # Where the focus goes, pixels around the control change by 3:1 or more, as many as
        # a ring 2 pixels thick would hold (1.5 allows for where it crosses pixels as dark).
        watch = FocusWatch()
        try:
            for theme in ("Default", "Sky", "Earth"):
                press(named(Atspi.Role.RADIO_BUTTON, theme))
                session.focus(Atspi.Role.CHECK_BOX, "Sorbo pad")
                pad_focused = window_shot()
                session.focus(Atspi.Role.CHECK_BOX, "Animate")
                animate_focused = window_shot()
                stop = named(Atspi.Role.CHECK_BOX, "Animate")
                for _ in range(15):
                    unfocused = pad_focused if stop.get_name() == "Animate" else animate_focused
                    with self.subTest(theme=theme, stop=stop.get_name()):
                        shot = window_shot()
                        self.assertGreaterEqual(
                            focus_indication(shot, unfocused, stop.get_extents(Atspi.CoordType.SCREEN)), 1.5)
                    stop = watch.after("Tab")
                for panel in PANELS:
                    press(named(Atspi.Role.MENU_ITEM, panel))
                    session.focus(Atspi.Role.CHECK_BOX, "Animate")
                    unfocused = window_shot()
                    press(named(Atspi.Role.MENU_ITEM, panel))
                    stop = wait_for(lambda: watch.focused if watch.focused.get_name() != "Animate" else None,
                                    "the help text to take the focus")
                    while True:
                        with self.subTest(theme=theme, panel=panel, stop=stop.get_name()):
                            shot = window_shot()
                            self.assertGreaterEqual(
                                focus_indication(shot, unfocused, stop.get_extents(Atspi.CoordType.SCREEN)), 1.5)
                        if stop.get_name() == "close":
                            break
                        stop = watch.after("Tab")
                    session.keys("Escape")
        finally:
            watch.close()
            press(named(Atspi.Role.RADIO_BUTTON, "Default"))

    def test_nothing_unnamed_shows_with_or_without_a_help_panel(self):
        for panel in [None] + PANELS:
            with self.subTest(panel=panel):
                if panel:
                    press(named(Atspi.Role.MENU_ITEM, panel))
                    wait_for(lambda: [a for a in find_all(session.window, Atspi.Role.PUSH_BUTTON, "close")
                                      if states_of(a).contains(Atspi.StateType.SHOWING)], "the panel to open")
                unnamed = [(a.get_role_name(), a.get_name()) for a in walk(session.window)
                           if states_of(a).contains(Atspi.StateType.SHOWING) and not a.get_name()]
                self.assertEqual(unnamed, [])
                if panel:
                    session.keys("Escape")

    def test_a_help_panel_and_its_texts_tell_they_became_visible(self):
        events = []
        listener = Atspi.EventListener.new(lambda event: events.append((event.source.get_name(), event.detail1)))
        listener.register("object:state-changed:visible")
        try:
            for panel, text in (("about Barrel/Cylinder types", "Common Barrel Lengths"),
                                ("How To Use this Tool", "How to use this Tool")):
                with self.subTest(panel=panel):
                    press(named(Atspi.Role.MENU_ITEM, panel))
                    wait_for(lambda: (text, 1) in events, "the help text to become visible")
                    self.assertTrue(states_of(named(Atspi.Role.TEXT, text)).contains(Atspi.StateType.VISIBLE))
                    session.keys("Escape")
                    wait_for(lambda: (text, 0) in events, "the help text to become invisible")
        finally:
            listener.deregister("object:state-changed:visible")

    def test_a_range_selected_through_the_text_interface_is_exactly_that_range(self):
        type_into("barrel length", "363.25")
        session.focus(Atspi.Role.TEXT, "millimeter")
        session.keys("2", "5", "period", "4")
        press(named(Atspi.Role.MENU_ITEM, "How To Use this Tool"))
        cases = [(named(Atspi.Role.TEXT, "millimeter"), 1, 3, "5."),
                 (named(Atspi.Role.COMBO_BOX, "barrel length"), 2, 6, "3.25"),
                 (named(Atspi.Role.TEXT, "How to use this Tool"), 8, 13, "input")]
        for text, start, end, selected in cases:
            with self.subTest(text=text.get_name()):
                Atspi.Text.set_selection(text, 0, start, end)
                self.assertEqual(Atspi.Text.get_n_selections(text), 1)
                got = Atspi.Text.get_selection(text, 0)
                self.assertEqual((got.start_offset, got.end_offset), (start, end))
                self.assertEqual(Atspi.Text.get_text(text, got.start_offset, got.end_offset), selected)
                Atspi.Text.remove_selection(text, 0)
                self.assertEqual(Atspi.Text.get_n_selections(text), 0)
        session.keys("Escape")

    def test_menu_items_lie_inside_their_menu_on_screen(self):
        session.focus(Atspi.Role.CHECK_BOX, "Animate")
        session.keys("F10", "Right")
        menu = wait_for(lambda: next((m for m in find_all(session.window, Atspi.Role.POPUP_MENU)
                                      if m.get_name() == "Themes" and states_of(m).contains(Atspi.StateType.SHOWING)),
                                     None), "the Themes menu to open")
        try:
            box = menu.get_extents(Atspi.CoordType.SCREEN)
            self.assertGreater(box.width * box.height, 0)
            for item in children(menu):
                with self.subTest(item=item.get_name()):
                    at = item.get_extents(Atspi.CoordType.SCREEN)
                    self.assertGreater(at.width * at.height, 0)
                    self.assertTrue(box.x <= at.x and at.x + at.width <= box.x + box.width
                                    and box.y <= at.y and at.y + at.height <= box.y + box.height,
                                    "%s at %s, its menu at %s" % (item.get_name(), (at.x, at.y), (box.x, box.y)))
        finally:
            session.keys("Escape", "Escape")

    def test_a_drop_down_is_expanded_only_while_its_list_is_open(self):
        combo = session.focus(Atspi.Role.COMBO_BOX, "cylinder inner diameter")
        events = []
        listener = Atspi.EventListener.new(lambda event: events.append(event.detail1))
        listener.register("object:state-changed:expanded")
        try:
            self.assertFalse(states_of(combo).contains(Atspi.StateType.EXPANDED))
            session.keys("alt+Down")
            wait_for(lambda: events[-1:] == [1], "the drop-down to tell it expanded")
            self.assertTrue(states_of(combo).contains(Atspi.StateType.EXPANDED))
            session.keys("Escape")
            wait_for(lambda: events[-1:] == [0], "the drop-down to tell it collapsed")
            self.assertFalse(states_of(combo).contains(Atspi.StateType.EXPANDED))
        finally:
            listener.deregister("object:state-changed:expanded")

    def test_a_close_label_is_a_focusable_button(self):
        press(named(Atspi.Role.MENU_ITEM, "about additional Information"))
        close = wait_for(lambda: next((a for a in find_all(session.window, Atspi.Role.PUSH_BUTTON, "close")
                                       if states_of(a).contains(Atspi.StateType.SHOWING)), None), "the close label")
        self.assertTrue(states_of(close).contains(Atspi.StateType.FOCUSABLE))
        Atspi.Component.grab_focus(close)
        wait_for(lambda: states_of(close).contains(Atspi.StateType.FOCUSED), "the close label to take the focus")
        session.keys("Escape")

    def test_every_focusable_control_is_named_for_what_it_is(self):
        expected = [
            (Atspi.Role.CHECK_BOX, "Animate"), (Atspi.Role.TEXT, "inches"), (Atspi.Role.TEXT, "millimeter"),
            (Atspi.Role.PUSH_BUTTON, "Convert"), (Atspi.Role.COMBO_BOX, "inner barrel diameter"),
            (Atspi.Role.COMBO_BOX, "barrel length"), (Atspi.Role.COMBO_BOX, "cylinder inner diameter"),
            (Atspi.Role.COMBO_BOX, "cylinder usable length"), (Atspi.Role.CHECK_BOX, "Sorbo pad"),
            (Atspi.Role.TEXT, "inner barrel area"), (Atspi.Role.TEXT, "inner barrel volume"),
            (Atspi.Role.TEXT, "cylinder area"), (Atspi.Role.TEXT, "cylinder volume"),
            (Atspi.Role.PUSH_BUTTON, "Compute"), (Atspi.Role.TEXT, "Cylinder-to-Barrel Ratio"),
            (Atspi.Role.PUSH_BUTTON, "close"),  # a help panel's, with focus by click or Tab from its text
        ]
        for role, name in expected:
            with self.subTest(name=name):
                self.assertIsNotNone(find(session.window, role, name))
        # The controls that take the focus by Tab and show now, the combo boxes themselves
        # rather than their edit fields.
        focusable = {(a.get_role(), a.get_name()) for a in find_all(session.window)
                     if states_of(a).contains(Atspi.StateType.FOCUSABLE)
                     and states_of(a).contains(Atspi.StateType.SHOWING)
                     and a.get_role() in (Atspi.Role.CHECK_BOX, Atspi.Role.PUSH_BUTTON, Atspi.Role.COMBO_BOX)}
        self.assertEqual(focusable, {entry for entry in expected if entry[0] != Atspi.Role.TEXT and entry[1] != "close"})

    def test_combo_boxes_keep_their_names_and_show_their_value_as_text(self):
        cases = [("inner barrel diameter", "Select Bore", "6.03"), ("barrel length", "Select Length", "363"),
                 ("cylinder inner diameter", "Select Bore", "Standard"),
                 ("cylinder usable length", "Input Length", "Type '0'")]
        for name, initial, value in cases:
            with self.subTest(name=name):
                combo, _ = edit_field(name)
                if text_of(combo) == initial:
                    self.assertEqual(combo.get_name(), name)
                type_into(name, value)
                self.assertEqual(combo.get_name(), name)
                self.assertEqual(text_of(combo), value)

    def test_units_and_headings_label_their_fields(self):
        # A screen reader announces a field by its label: a unit reads with the field's name.
        cases = [(Atspi.Role.COMBO_BOX, "inner barrel diameter", ["inner barrel diameter, mm."]),
                 (Atspi.Role.COMBO_BOX, "barrel length", ["barrel length, mm."]),
                 (Atspi.Role.COMBO_BOX, "cylinder inner diameter", ["cylinder inner diameter, mm."]),
                 (Atspi.Role.COMBO_BOX, "cylinder usable length", ["cylinder usable length, mm."]),
                 (Atspi.Role.TEXT, "inner barrel area", ["inner barrel area, sq. mm."]),
                 (Atspi.Role.TEXT, "inner barrel volume", ["inner barrel volume, cu. mm."]),
                 (Atspi.Role.TEXT, "cylinder area", ["cylinder area, sq. mm."]),
                 (Atspi.Role.TEXT, "cylinder volume", ["cylinder volume, cu. mm."]),
                 (Atspi.Role.TEXT, "Cylinder-to-Barrel Ratio", ["Cylinder : Barrel Volume Ratio"]),
                 (Atspi.Role.TEXT, "inches", ["inches, in."]),
                 (Atspi.Role.TEXT, "millimeter", ["millimeter, mm."]),
                 (Atspi.Role.TEXT, "Common Barrel Lengths", ["Common Barrel Lengths:"])]
        for role, name, labels in cases:
            with self.subTest(name=name):
                self.assertEqual(labels_of(named(role, name)), labels)

    def test_a_computation_through_the_bridge_alone_gives_ratio_and_verdict(self):
        cases = [("363", "2.6584 : 1", "Ratio Ok"), ("110", "8.7728 : 1", "Over Ratio"),
                 ("1000", "0.965 : 1", "Under Ratio")]
        type_into("inner barrel diameter", "6.03")
        type_into("cylinder inner diameter", "Standard")
        type_into("cylinder usable length", "Type '0'")
        ratio = named(Atspi.Role.TEXT, "Cylinder-to-Barrel Ratio")
        for length, expected_ratio, verdict in cases:
            with self.subTest(length=length):
                type_into("barrel length", length)
                press(named(Atspi.Role.PUSH_BUTTON, "Compute"))
                wait_for(lambda: text_of(ratio) == expected_ratio, "the ratio " + expected_ratio)
                # Announced with the ratio, and read with the ratio box's description.
                notification = wait_for(lambda: find(session.window, Atspi.Role.NOTIFICATION), "the announcer")
                wait_for(lambda: notification.get_name() == expected_ratio + ", " + verdict, "the verdict " + verdict)
                self.assertTrue(ratio.get_description().startswith(verdict + ". "))

    def test_theme_items_are_one_of_three_checkable_choices(self):
        themes = {name: named(Atspi.Role.RADIO_BUTTON, name) for name in ("Default", "Sky", "Earth")}
        checked = lambda: {n for n, item in themes.items() if states_of(item).contains(Atspi.StateType.CHECKED)}
        self.assertEqual(checked(), {"Default"})
        self.assertTrue(states_of(named(Atspi.Role.CHECK_BOX, "Save Theme on Exit")).contains(Atspi.StateType.CHECKED))
        events = []
        listener = Atspi.EventListener.new(lambda event: events.append((event.source.get_name(), event.detail1)))
        listener.register("object:state-changed:checked")
        try:
            press(themes["Sky"])
            wait_for(lambda: checked() == {"Sky"}, "Sky to be checked")
            wait_for(lambda: {("Sky", 1), ("Default", 0)} <= set(events), "the check mark to be announced moving")
            press(themes["Default"])
            wait_for(lambda: checked() == {"Default"}, "Default to be checked again")
        finally:
            listener.deregister("object:state-changed:checked")

    def test_a_help_panel_is_named_its_lines_lie_apart_and_escape_or_close_shuts_it(self):
        for close in ("Escape", "close"):
            with self.subTest(close=close):
                press(named(Atspi.Role.MENU_ITEM, "How To Use this Tool"))
                help_text = named(Atspi.Role.TEXT, "How to use this Tool")
                wait_for(lambda: states_of(help_text).contains(Atspi.StateType.FOCUSED), "the help text to take the focus")
                self.assertTrue(text_of(help_text).startswith("Step 1: input Inner Barrel dimensions"))
                panel = help_text.get_parent()
                self.assertEqual((panel.get_role(), panel.get_name()), (Atspi.Role.PANEL, "How to use this Tool"))
                # Each line lies below the one before it.
                tops = []
                for offset in range(0, 200):
                    line = Atspi.Text.get_text_at_offset(help_text, offset, Atspi.TextBoundaryType.LINE_START)
                    if line.start_offset == offset:
                        tops.append(Atspi.Text.get_character_extents(help_text, offset, Atspi.CoordType.SCREEN).y)
                self.assertGreater(len(tops), 3)
                self.assertEqual(tops, sorted(set(tops)))
                if close == "Escape":
                    session.keys("Escape")
                else:
                    press(find(panel, Atspi.Role.PUSH_BUTTON, "close"))
                wait_for(lambda: not states_of(help_text).contains(Atspi.StateType.SHOWING), "the help panel to close")

    def test_every_text_answers_every_boundary_at_every_offset_at_once(self):
        type_into("barrel length", "25.4 mm")
        boundaries = list(Atspi.TextBoundaryType.__enum_values__.values())
        for text in [a for a in walk(session.window) if a.get_text_iface()]:
            with self.subTest(text=text.get_name()):
                length = Atspi.Text.get_character_count(text)
                # A help text is asked at every line's ends and for a stretch of its start.
                offsets = range(length + 1) if length < 80 else sorted(
                    {0, length, *range(40)} | {i + 1 for i, c in enumerate(text_of(text)) if c == "\n"})
                started = time.monotonic()
                for offset in offsets:
                    for boundary in boundaries:
                        for ask in (Atspi.Text.get_text_before_offset, Atspi.Text.get_text_at_offset,
                                    Atspi.Text.get_text_after_offset):
                            found = ask(text, offset, boundary)
                            self.assertLessEqual(0, found.start_offset)
                            self.assertLessEqual(found.start_offset, found.end_offset)
                            self.assertLessEqual(found.end_offset, length)
                    if offset < length:
                        run = Atspi.Text.get_attribute_run(text, offset, False)
                        self.assertEqual((run.start_offset, run.end_offset), (0, length))
                self.assertLess(time.monotonic() - started, 60)
        at_end = Atspi.Text.get_text_at_offset(edit_field("barrel length")[1], 7, Atspi.TextBoundaryType.WORD_START)
        self.assertEqual(at_end.content, "mm")

    def test_the_tree_names_every_list_group_and_image_and_holds_one_focus(self):
        unnamed = [(a.get_role_name(), a.get_name()) for a in walk(session.window)
                   if a.get_role() in (Atspi.Role.LIST, Atspi.Role.PANEL, Atspi.Role.IMAGE) and not a.get_name()]
        self.assertEqual(unnamed, [])
        calculator = named(Atspi.Role.PANEL, "Calculator")
        self.assertEqual([a.get_role() for a in walk(calculator) if a.get_role() == Atspi.Role.FILLER], [])
        self.assertEqual(sorted(a.get_name() for a in find_all(session.window, Atspi.Role.PANEL)),
                         ["Additional Information", "Calculator", "Common Barrel Lengths", "How to use this Tool",
                          "Inner Barrel Dimension"])
        self.assertEqual(sorted(a.get_name() for a in find_all(session.window, Atspi.Role.LIST)),
                         ["barrel length", "cylinder inner diameter", "cylinder usable length",
                          "inner barrel diameter"])
        drawing = named(Atspi.Role.IMAGE, "cylinder drawing")
        self.assertEqual(labels_of(drawing), ["cylinder", "cylinder head", "piston body", "piston head", "port"])
        combo = named(Atspi.Role.COMBO_BOX, "inner barrel diameter")
        Atspi.Component.grab_focus(combo)
        session.keys("alt+Down", "Down", "Return")
        wait_for(lambda: text_of(combo) == "5.5900", "the pick")
        focused = [(a.get_role_name(), a.get_name()) for a in walk(session.window)
                   if states_of(a).contains(Atspi.StateType.FOCUSED)]
        self.assertEqual(focused, [("combo box", "inner barrel diameter")])


if __name__ == "__main__":
    warnings.simplefilter("ignore", DeprecationWarning)  # the boundary calls that Qt answers
    program = sys.argv.pop(1)
    unittest.main(verbosity=2)

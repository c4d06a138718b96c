"""Buttons moved by a real drag and by Alt with an arrow, and Ctrl+Z bringing a deleted slot back:
what lands in Shtct.qdf, and what a screen reader (and the user) sees on the bar."""

import json
import time

from bar_geometry import HORIZONTAL_BAR
from data_files import fixture, shortcuts
from noctaris_case import NoctarisTestCase
from waiting import wait_for
from window_probe import MAIN_CAPTION

BAR = HORIZONTAL_BAR


class MovesAndUndoTests(NoctarisTestCase):
    def names(self):
        """The shown group's ten buttons and the info line, as a screen reader reads them."""
        _, out = self.session.wine([self.session.build_dir / "tests" / "e2e" / "noctaris-reader.exe", "list",
                                    MAIN_CAPTION], check=False)
        children = json.loads(out.decode("ascii").strip().splitlines()[-1])["children"]
        return [c["name"] for c in children[:10]], children[-1]["name"]

    def wait_table(self, install, entries, what):
        wait_for(what, lambda: install.read_data("Shtct.qdf") == shortcuts(entries))

    def test_a_drag_moves_a_button_alt_right_moves_it_on_and_ctrl_z_brings_a_deleted_slot_back(self):
        install = self.session.install(fixture("first-install"))
        a, b = install.add_launch_target("a.exe"), install.add_launch_target("b.exe")
        install.write_data({"Shtct.qdf": shortcuts({1: ("エー", a), 2: ("ビー", b)})})
        install.start()
        bar = self.wait_bar()

        # The bar is made the active window first: the keyboard is then on its first button.
        self.session.click_window(bar, *BAR.bare_spot)
        # A hand's drag from button 1 to button 5, in small steps; the target is marked meanwhile.
        (x0, y0), (x1, y1) = bar.client_point(*BAR.button(1)), bar.client_point(*BAR.button(5))
        self.session.xdotool("mousemove", x0, y0)
        time.sleep(0.2)
        self.session.xdotool("mousedown", 1)
        try:
            for i in range(1, 11):
                self.session.xdotool("mousemove", x0 + (x1 - x0) * i // 10, y0, "sleep", "0.03")
            time.sleep(0.3)
            self.session.screenshot("move-marked-target")
        finally:
            self.session.xdotool("mouseup", 1)
        self.wait_table(install, {5: ("エー", a), 2: ("ビー", b)}, "the move in Shtct.qdf")
        self.assertEqual(self.names()[0][:6], ["未登録", "未登録", "ビー", "未登録", "未登録", "エー"])
        self.assertEqual(install.launched(), [], "nothing launches after a move")

        # The keyboard goes from the first button to ビー and moves it on.
        self.session.keys("Right", "Right", "alt+Right")
        self.wait_table(install, {5: ("エー", a), 3: ("ビー", b)}, "Alt+Right's move in Shtct.qdf")

        self.session.choose_from_menu(bar, BAR.bare_spot, BAR.button(3), 3, "削  除")
        box = self.session.wait_message_box()
        rect = box.button("はい(Y)")["rect"]
        self.session.click(rect[0] + rect[2] // 2, rect[1] + rect[3] // 2)
        self.wait_table(install, {5: ("エー", a)}, "the deletion in Shtct.qdf")

        self.session.click_window(bar, *BAR.bare_spot)
        self.session.keys("ctrl+z")
        self.wait_table(install, {5: ("エー", a), 3: ("ビー", b)}, "Ctrl+Z to bring the slot back")
        buttons, info = self.names()
        self.assertEqual(buttons[3], "ビー")
        self.assertEqual(info, "元に戻しました：ビー")
        self.session.clear_pointer(bar, *BAR.bare_spot)
        self.session.screenshot("undo-brought-back")

"""Launching from the bar's buttons: single and double click, hiding after a launch,
a target that has gone, and the button's own menu."""

import json
import shutil
from pathlib import Path

from bar_geometry import HORIZONTAL_BAR
from data_files import fixture, settings, shortcuts, windows_path
from noctaris_case import NoctarisTestCase
from waiting import wait_for
from window_probe import BOX_CLASS, BOX_TITLE, MAIN_CAPTION
from x_display import pixels

BAR = HORIZONTAL_BAR
NOT_FOUND = "リンク先のファイルが見つかりません。"
BUTTON_MENU = ["登  録", "変  更", "-", "削  除"]
# 表 and ソ end in the byte of a backslash in CP932: a path read or widened
# byte by byte would break at them.
JAPANESE_TARGET = "表ソフト.exe"


class LaunchTestCase(NoctarisTestCase):
    def start_bar(self, slots, gone=None, trace_menus=False, **apst):
        """Starts the program with these slots, {slot: (name, target file name)}, each target a marker copy;
        the slots in gone name targets of the same form that are not there."""
        files = fixture("first-install")
        files["apst.qdf"] = settings(**apst)
        install = self.session.install(files)
        table = {slot: (name, install.add_launch_target(target)) for slot, (name, target) in slots.items()}
        for slot, (name, target) in (gone or {}).items():
            table[slot] = (name, windows_path(install.root.parent / "targets" / target))
        install.write_data({"Shtct.qdf": shortcuts(table)})
        program = install.start(trace="trace+menu" if trace_menus else None)
        return install, program, self.wait_bar()

    def click_button(self, bar, k, button=1):
        self.session.click_window(bar, *BAR.button(k), button=button)

    def assert_bar_visible(self, expected, what):
        wait_for(what, lambda: self.session.window(MAIN_CAPTION).visible == expected)


class SingleClickTests(LaunchTestCase):
    def test_only_a_left_release_over_a_button_launches(self):
        install, _, bar = self.start_bar({0: ("エー", "a.exe"), 9: ("表ソフト", JAPANESE_TARGET)})

        self.click_button(bar, 0, button=2)
        # Pressed on the button, released off the bar: the user changed their mind.
        x, y = bar.client_point(*BAR.button(0))
        self.session.xdotool("mousemove", x, y, "sleep", 0.2, "mousedown", 1, "sleep", 0.2,
                             "mousemove", x, y + 150, "sleep", 0.2, "mouseup", 1)
        self.click_button(bar, 4)  # an empty button

        # The last button, launched last: anything the clicks before it started shows by then.
        self.click_button(bar, 9)
        launch = install.wait_launched(JAPANESE_TARGET, settle=0)[0]
        self.assertEqual(launch["cwd"].lower(), windows_path(install.root).lower(),
                         "the target should start in the program's folder")
        self.assertIsNone(self.session.window(BOX_TITLE, cls=BOX_CLASS, visible=True), "a message box appeared")

        self.click_button(bar, 0)
        install.wait_launched(JAPANESE_TARGET, "a.exe")
        self.assertTrue(self.session.window(MAIN_CAPTION).visible, "the bar hid although it should stay after a launch")

    def test_launch_hides_the_bar_when_set_and_the_tray_brings_it_back(self):
        install, _, bar = self.start_bar({3: ("エー", "a.exe")}, sexe=1)

        self.click_button(bar, 3)
        install.wait_launched("a.exe")
        self.assert_bar_visible(False, "the bar to hide after the launch")
        self.assertTrue(self.session.tray_shown(), "the tray icon went away with the bar")

        self.session.choose_tray_command("メイン画面を表示")
        self.assert_bar_visible(True, "the bar to come back from the tray")
        self.assertEqual(self.session.window(MAIN_CAPTION).window, bar.window)


class MissingTargetTests(LaunchTestCase):
    def check_missing_target(self, sexe):
        install, _, bar = self.start_bar({0: ("エー", "a.exe")}, gone={2: ("消えた", "消えた.exe")}, sexe=sexe)

        self.click_button(bar, 2)
        box = self.session.wait_message_box()
        self.assertEqual(box.caption, BOX_TITLE)
        self.assertIn(NOT_FOUND, box.texts())
        self.assertEqual(box.buttons(), ["OK"])
        self.assertEqual(self.session.window(MAIN_CAPTION).visible, sexe == 2,
                         "while the message shows, the bar should be hidden only when launching hides it")

        self.session.dismiss(box)
        self.assert_bar_visible(True, "the bar to be shown after the message")
        # Still working: another button launches.
        self.click_button(bar, 0)
        install.wait_launched("a.exe")

    def test_gone_target_with_the_bar_staying(self):
        self.check_missing_target(sexe=2)

    def test_gone_target_with_the_bar_hiding_after_a_launch(self):
        self.check_missing_target(sexe=1)


class SystemFolderTests(LaunchTestCase):
    def test_a_program_only_in_the_64_bit_system_folder_shows_its_icon_and_launches(self):
        """What the user's Explorer shows in C:\\Windows\\System32 the 32-bit release reaches too,
        although Windows (and Wine) lead its own calls to SysWOW64."""
        system32 = Path(self.session.env["WINEPREFIX"]) / "drive_c" / "windows" / "system32"
        target, marker = system32 / "noctaris-only64.exe", system32 / "marker.txt"
        shutil.copy(self.session.marker64_exe, target)
        self.addCleanup(target.unlink)
        self.addCleanup(marker.unlink, missing_ok=True)
        install = self.session.install(fixture("first-install"))
        install.write_data({"Shtct.qdf": shortcuts({0: ("64", r"C:\Windows\System32\noctaris-only64.exe")})})
        install.start()
        bar = self.wait_bar()

        left, top, size, _ = BAR.button_rect(0)
        face_rect = (*bar.client_point(left, top), size, size)
        face = pixels(self.session.screenshot_painted("bar-with-a-64-bit-system-program", face_rect), face_rect)
        # The marker's icon: a green square framed in red.
        self.assertEqual((face[0][size // 2], face[size // 2][size // 2]), ((255, 0, 0), (0, 160, 0)),
                         "the program's own icon on the face")

        self.click_button(bar, 0)
        wait_for("the program in the 64-bit system folder to start", marker.exists, timeout=10)
        self.assertIn("noctaris-only64.exe", json.loads(marker.read_text(encoding="ascii").splitlines()[0])["cmdline"])
        self.assertIsNone(self.session.window(BOX_TITLE, cls=BOX_CLASS, visible=True), "a message box appeared")


class DoubleClickTests(LaunchTestCase):
    def test_single_click_selects_and_double_click_launches_once(self):
        install, _, bar = self.start_bar({0: ("エー", "a.exe"), 1: ("ビー", "b.exe")}, skido=2)

        self.click_button(bar, 0)
        self.session.double_click_window(bar, *BAR.button(1))
        install.wait_launched("b.exe", settle=0)

        self.session.double_click_window(bar, *BAR.button(0))
        install.wait_launched("b.exe", "a.exe")
        self.assertTrue(self.session.window(MAIN_CAPTION).visible)


class ButtonMenuTests(LaunchTestCase):
    def open_button_menu(self, program, bar, k):
        mark = program.log_size()
        self.click_button(bar, k, button=3)
        self.session.wait_menus(1, what=f"the menu of button {k}")
        built = program.menus_built(since=mark)
        self.assertEqual(built, [BUTTON_MENU], f"the menu of button {k}")

    def activate(self, bar):
        # Wine hands the keyboard to a popup menu only while its owner is the
        # active window. A click on a button leaves the bar inactive; one on
        # its background activates it.
        self.session.click_window(bar, *BAR.bare_spot)

    def test_right_click_opens_the_menu_and_escape_closes_it(self):
        install, program, bar = self.start_bar({0: ("エー", "a.exe")}, trace_menus=True)
        self.activate(bar)

        for k in (0, 5):  # a registered button and an empty one
            self.open_button_menu(program, bar, k)
            if k == 0:
                self.session.screenshot("bar-button-menu")
            self.session.keys("Escape")
            self.session.wait_menus(0, what="Escape to close the menu")

        self.assertTrue(self.session.window(MAIN_CAPTION).visible)
        self.click_button(bar, 0)
        install.wait_launched("a.exe")

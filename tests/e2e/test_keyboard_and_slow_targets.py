"""The bar by keys alone, a launch as administrator, and a target that keeps
the shell waiting: a file on a file system that never answers, as a share
on a dead network does (tests/e2e/hanging_fs.py)."""

import time

from bar_geometry import HORIZONTAL_BAR, VERTICAL_BAR
from data_files import fixture, shortcuts, windows_path
from hanging_fs import hanging_folder
from noctaris_case import NoctarisTestCase
from waiting import wait_for
from window_probe import MAIN_CAPTION

BAR = HORIZONTAL_BAR


class KeyboardAndSlowTargetTests(NoctarisTestCase):
    def start_bar(self, slots, extra=None, trace=None):
        install = self.session.install(fixture("first-install"))
        table = {slot: (name, install.add_launch_target(target)) for slot, (name, target) in slots.items()}
        table.update(extra or {})
        install.write_data({"Shtct.qdf": shortcuts(table)})
        program = install.start(trace=trace)
        return install, program, self.wait_bar()

    def test_keys_alone_launch_switch_groups_and_open_the_menu(self):
        install, _, bar = self.start_bar({1: ("エー", "a.exe"), 12: ("ビー", "b.exe")})
        self.session.click_window(bar, *BAR.bare_spot)  # the bar becomes the active window
        self.session.keys("Right", "Return")
        install.wait_launched("a.exe")
        # Ctrl+2 shows the second group; the keyboard keeps its place, button 1.
        self.session.keys("ctrl+2", "Right", "space")
        install.wait_launched("a.exe", "b.exe")
        self.session.keys("shift+F10")
        self.session.wait_menus(1, what="the button's menu, opened by the keyboard")
        self.session.keys("Escape")
        self.session.wait_menus(0, what="the menu to close")

    def test_the_bars_own_switches_leave_it_the_active_window(self):
        install, _, bar = self.start_bar({1: ("エー", "a.exe")})
        # Wine alone: the first placement of the active bar hands its X window to
        # the window manager, which costs the activation once, a moment later. A
        # topmost switch, and a click that activates the bar again, get that behind.
        self.session.click_window(bar, *BAR.bare_spot)
        self.session.click_window(bar, *BAR.tool("topmost"))
        wait_for("the bar on top", lambda: self.session.window(MAIN_CAPTION).topmost)
        time.sleep(1)
        self.session.click_window(bar, *BAR.bare_spot)
        wait_for("the bar to be the active window", lambda: self.session.window(MAIN_CAPTION).foreground)
        for tool in ("topmost", "fix", "orientation"):
            self.session.click_window(bar, *BAR.tool(tool))

        def vertical():
            now = self.session.window(MAIN_CAPTION)
            return now if tuple(now.window[2:]) == VERTICAL_BAR.size else None

        self.assertTrue(wait_for("the bar to turn vertical", vertical).foreground,
                        "the switch handed the keyboard to another program")
        # The keyboard is the bar's still, on the first button as before: the vertical bar's arrow moves it.
        self.session.keys("Down", "Return")
        install.wait_launched("a.exe")

    def test_ctrl_shift_click_hands_the_runas_verb_to_the_shell(self):
        _, program, bar = self.start_bar({2: ("エー", "a.exe")}, trace="trace+exec")
        x, y = bar.client_point(*BAR.button(2))
        self.session.xdotool("mousemove", x, y, "sleep", 0.2, "keydown", "ctrl", "keydown", "shift", "click", 1,
                             "keyup", "shift", "keyup", "ctrl")
        wait_for("the shell to be asked for runas",
                 lambda: 'verb=L"runas"' in program.log_path.read_text(errors="replace"), timeout=15)

    def test_a_target_that_never_answers_holds_up_nothing(self):
        with hanging_folder(self.session.tmp, "遅い.exe") as (folder, log):
            install, program, bar = self.start_bar({1: ("エー", "a.exe")},
                                                   extra={0: ("遅い", windows_path(folder) + "\\遅い.exe")})
            # The bar is up, and its other target launches, while the lookup waits.
            wait_for("the icon lookup to wait on the share", lambda: "waiting" in log.read_text(), timeout=15)
            self.session.click_window(bar, *BAR.button(0))
            self.session.click_window(bar, *BAR.tab(3))
            self.session.click_window(bar, *BAR.tab(0))
            self.session.click_window(bar, *BAR.button(1))
            install.wait_launched("a.exe")
            self.assertTrue(self.session.window(MAIN_CAPTION).visible)
            self.session.clear_pointer(bar, *BAR.bare_spot)
            self.session.screenshot("bar-with-a-target-that-never-answers")
            # The bar and its icon go at once. Linux itself keeps the process
            # until the share answers: a thread inside a request to a file
            # system that never answers cannot be ended (as on a hard NFS mount).
            self.session.click_window(bar, *BAR.tool("exit"))
            self.session.wait_gone(MAIN_CAPTION, timeout=10, what="the bar to go without waiting for the share")
            wait_for("the tray icon to go", lambda: not self.session.tray_shown(), timeout=10)
        self.assertEqual(program.wait_exit(timeout=10, what="the program's last threads, once the share answers"), 0)

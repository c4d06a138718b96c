"""How the bar comes up: where, how big, framed or not, shown or hidden, topmost or not."""

from data_files import fixture, settings, twips
from noctaris_case import NoctarisTestCase
from waiting import wait_for
from window_probe import MAIN_CAPTION

HORIZONTAL = (366, 74)
VERTICAL = (67, 366)


class BarPlacementTests(NoctarisTestCase):
    def assert_bar_shown(self, bar, position, size, shot_name):
        self.assertTrue(bar.visible, "the bar is not visible")
        self.assertEqual(bar.position, position, "the bar is not at the stored position")
        self.assertEqual(bar.client_size, size)
        # Borderless: no title bar, and the window is no bigger than its client area.
        self.assertFalse(bar.has_caption, f"the bar has a title bar (style {bar.style})")
        self.assertEqual(bar.window, bar.client)
        self.assertFalse(bar.foreground, "starting the bar took the focus from the user's window")

        # What X shows must agree with what Windows reports.
        shown = self.session.x_windows(MAIN_CAPTION)
        self.assertEqual(len(shown), 1, "expected exactly one visible bar on the screen")
        self.assertEqual(self.session.x_geometry(shown[0]), (*position, *size))

        self.session.screenshot_painted(shot_name, bar.window)

    def test_first_installation_bar(self):
        _, program = self.start_with(fixture("first-install"))
        bar = self.wait_bar()
        self.assert_bar_shown(bar, (100, 60), HORIZONTAL, "horizontal-first-install")
        self.assertTrue(program.running)

    def test_position_above_and_left_of_the_screen(self):
        # Partly off screen is where the user left it; only a bar wholly off every screen is moved.
        files = fixture("sample")
        files["fank.qdf"] = b"-150,-75\r\n"
        files["apst.qdf"] = settings(sct_name=1)
        self.start_with(files)
        self.assert_bar_shown(self.wait_bar(), (-10, -5), HORIZONTAL, "horizontal-negative-position")

    def test_vertical_bar(self):
        files = fixture("sample")
        files["fank.qdf"] = twips(200, 100)
        files["apst.qdf"] = settings(form_style=1, sct_name=1)
        self.start_with(files)
        self.assert_bar_shown(self.wait_bar(), (200, 100), VERTICAL, "vertical")


class StartModeTests(NoctarisTestCase):
    def test_hidden_start_leaves_only_the_tray_icon(self):
        wait_for("no tray icons before the start", lambda: not self.session.tray_shown())
        files = fixture("first-install")
        files["apst.qdf"] = settings(kido=2)
        _, program = self.start_with(files)

        bar = self.wait_bar()
        # The icon is the only way back to a hidden bar.
        wait_for("the tray icon", self.session.tray_shown)
        self.assertFalse(bar.visible, "the bar should start hidden")
        self.assertEqual(self.session.x_windows(MAIN_CAPTION), [])
        self.session.screenshot("hidden-start")
        self.assertTrue(program.running)

    def check_topmost(self, wind_top, expected):
        files = fixture("first-install")
        files["apst.qdf"] = settings(wind_top=wind_top)
        self.start_with(files)
        bar = self.wait_bar()
        self.assertTrue(bar.visible)
        self.assertEqual(bar.topmost, expected, f"WindTop={wind_top}, extended style {bar.exstyle}")

    def test_topmost_when_set(self):
        self.check_topmost(1, True)

    def test_not_topmost_when_not_set(self):
        self.check_topmost(0, False)


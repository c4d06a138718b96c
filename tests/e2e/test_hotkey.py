"""The hotkey as X delivers it to Wine: Ctrl+Alt+Space brings the parked bar
up active with the keyboard on a button, and sends the active bar back."""

from bar_geometry import HORIZONTAL_BAR
from data_files import fixture, shortcuts
from noctaris_case import NoctarisTestCase
from user_input import TRAY_CAPTION
from waiting import wait_for
from window_probe import MAIN_CAPTION


class HotkeyTests(NoctarisTestCase):
    def bar(self):
        return self.session.window(MAIN_CAPTION)

    def test_hotkey_brings_the_parked_bar_up_and_sends_it_back(self):
        install = self.session.install(fixture("first-install"))
        install.write_data({"Shtct.qdf": shortcuts({0: ("エー", install.add_launch_target("a.exe"))})})
        install.start()
        self.session.click_window(self.wait_bar(), *HORIZONTAL_BAR.tool("tray"))
        wait_for("the bar to go to the tray", lambda: not self.bar().visible)
        # Wine grabs no keys from X: it hears a hotkey only while one of its
        # windows has the keyboard, which without a window manager is the
        # window under the pointer (docs/WINDOWS.md).
        tray = self.session.wait_window(TRAY_CAPTION, visible=True, what="Wine's tray window")
        self.session.xdotool("mousemove", *tray.client_point(40, 10))

        self.session.keys("ctrl+alt+space")
        wait_for("the bar to come up active", lambda: self.bar().visible and self.bar().foreground)
        self.session.screenshot("hotkey-bar-up")
        self.session.keys("Return")  # the keyboard is on the first button
        install.wait_launched("a.exe")
        self.session.keys("ctrl+alt+space")
        wait_for("the active bar to go back to the tray", lambda: not self.bar().visible)

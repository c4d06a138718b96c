"""The settings dialog and the product information window, through real input and the screen's pixels."""

from bar_geometry import HORIZONTAL_BAR, VERTICAL_BAR
from data_files import fixture, settings, twips, windows_path
from noctaris_case import NoctarisTestCase
from waiting import wait_for
from window_probe import MAIN_CAPTION
from x_display import colours

SETTINGS = "設定"
PRODUCT = "製品情報"
CLOSE_PICTURE = (11, 12)  # the middle of the settings dialog's close picture, client pixels

# The product window, client pixels.
BACKGROUND = (90, 96, 114)
HIGHLIGHT = (116, 132, 207)
BARE_SPOT = (385, 40)
LINK = (126, 114)  # the middle of the first link's picture
LINK_MARGIN = (15, 114)  # its frame, left of the picture
NAME_LABEL = (80, 10, 352, 20)


class DialogTestCase(NoctarisTestCase):
    def start_bar(self, **apst):
        files = fixture("first-install")
        files["fank.qdf"] = twips(40, 40)
        files["apst.qdf"] = settings(**apst)
        install, _ = self.start_with(files)
        return install, self.wait_bar()

    def open_from_toolbar(self, bar, tool, caption):
        self.session.click_window(bar, *HORIZONTAL_BAR.tool(tool))
        self.session.wait_settled(caption, what=f"the window {caption!r}")
        return self.session.window(caption, children=True)

    def click_control(self, dialog, text):
        left, top, width, height = dialog.button(text)["rect"]
        self.session.click(left + width // 2, top + height // 2)

    def wait_settings_file(self, install, **values):
        expected = settings(**values)
        wait_for(f"apst.qdf to read {expected!r}", lambda: install.read_data("apst.qdf") == expected)

    def dismiss_message(self, expected):
        box = self.session.wait_message_box()
        self.assertIn(expected, box.texts())
        self.session.dismiss(box)


class TaskbarTests(DialogTestCase):
    def test_settings_and_product_windows_have_taskbar_buttons(self):
        """A covered dialog can be found again. Wine keeps an owned window off the
        desktop's taskbar, as Windows does, unless it asks for a button."""
        _, bar = self.start_bar()
        for tool, caption in (("settings", SETTINGS), ("info", PRODUCT)):
            self.open_from_toolbar(bar, tool, caption)
            (xid,) = self.session.x_windows(caption)
            self.assertNotIn("_NET_WM_STATE_SKIP_TASKBAR", self.session.x_states(xid), caption)


class SettingsDialogTests(DialogTestCase):
    def test_options_and_checks_apply_at_once_and_are_saved(self):
        install, bar = self.start_bar()
        dialog = self.open_from_toolbar(bar, "settings", SETTINGS)
        self.assertTrue(self.session.window(MAIN_CAPTION).enabled, "the bar was disabled by the dialog")

        steps = [("タスクトレイに格納", dict(kido=2)), ("ダブルクリックで起動", dict(skido=2)),
                 ("メイン画面を閉じてタスクトレイに格納", dict(sexe=1)), ("前面に表示する", dict(wind_top=1)),
                 ("ボタンに登録名を表示する", dict(sct_name=1)), ("縦型", dict(form_style=1))]
        values = {}
        for text, changed in steps:
            self.click_control(dialog, text)
            values.update(changed)
            self.wait_settings_file(install, **values)
        wait_for("the bar to turn vertical", lambda: self.session.window(MAIN_CAPTION).client_size == VERTICAL_BAR.size)
        turned = self.session.window(MAIN_CAPTION)
        self.assertTrue(turned.topmost, "the bar is not on top")
        self.assertEqual(turned.position, bar.position, "the bar moved")

        self.click_control(dialog, "前面に表示する")
        self.wait_settings_file(install, **{**values, "wind_top": 0})
        wait_for("the bar to stop being on top", lambda: not self.session.window(MAIN_CAPTION).topmost)

        self.session.click_window(dialog, *CLOSE_PICTURE)
        self.session.wait_gone(SETTINGS, what="the settings dialog to close")

    def test_startup_shortcut_starts_the_program_in_its_folder(self):
        install, bar = self.start_bar()
        dialog = self.open_from_toolbar(bar, "settings", SETTINGS)

        self.click_control(dialog, "登録")
        self.dismiss_message("登録が完了しました。")
        link = self.session.startup_shortcut("Noctaris.lnk")
        self.assertTrue(link.get("found") and link["read"], link)
        self.assertEqual(link["target"].lower(), windows_path(install.exe).lower(), "the link does not start the program")
        self.assertEqual(link["workdir"].lower(), windows_path(install.root).lower())

        self.click_control(dialog, "削除")
        self.dismiss_message("削除が完了しました。")
        self.assertFalse(self.session.startup_shortcut("Noctaris.lnk")["found"])
        self.click_control(dialog, "削除")
        self.dismiss_message("ショートカットが削除できませんでした。\r\nもしくはすでにファイルは削除されています。")


class ProductWindowTests(DialogTestCase):
    def shot(self, window, name):
        return self.session.screenshot_painted(name, window.client)

    def pixel(self, window, name, point):
        (colour,) = colours(self.shot(window, name), (*window.client_point(*point), 1, 1))
        return colour

    def wait_margin(self, window, colour, what):
        wait_for(what, lambda: self.pixel(window, "product-link", LINK_MARGIN) == colour, timeout=10, interval=0.3)

    def test_colours_and_the_link_lit_under_the_pointer(self):
        _, bar = self.start_bar()
        window = self.open_from_toolbar(bar, "info", PRODUCT)
        self.session.clear_pointer(window, *BARE_SPOT)

        self.assertEqual(self.pixel(window, "product", BARE_SPOT), BACKGROUND)
        self.assertEqual(self.pixel(window, "product", LINK_MARGIN), BACKGROUND, "a link is lit before the pointer came")
        name = colours(self.shot(window, "product"), (*window.client_point(*NAME_LABEL[:2]), *NAME_LABEL[2:]))
        self.assertIn((255, 255, 255), name, "the program's name is not written in white")

        self.session.xdotool("mousemove", *window.client_point(*LINK))
        self.wait_margin(window, HIGHLIGHT, "the link to light up under the pointer")
        self.session.xdotool("mousemove", *window.client_point(*BARE_SPOT))
        self.wait_margin(window, BACKGROUND, "the link to go out on the background")

        # Straight off the window onto the bar: the link holds the mouse and
        # hears it leave. (Wine takes no X pointer grab for a capture, so a
        # pointer over no window of its own reaches no window at all.)
        self.session.xdotool("mousemove", *window.client_point(*LINK))
        self.wait_margin(window, HIGHLIGHT, "the link to light up again")
        self.session.xdotool("mousemove", *bar.client_point(*HORIZONTAL_BAR.bare_spot))
        self.wait_margin(window, BACKGROUND, "the link to go out when the pointer left the window")

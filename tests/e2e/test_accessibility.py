"""What a screen reader sees of the bar through Microsoft Active Accessibility,
asked from another process."""

import json

from bar_geometry import HORIZONTAL_BAR
from data_files import fixture, groups, shortcuts
from noctaris_case import NoctarisTestCase
from window_probe import MAIN_CAPTION

PUSH_BUTTON, PAGE_TAB, STATIC_TEXT, EDITABLE_TEXT = 0x2B, 0x25, 0x29, 0x2A
TOOLS = ["終了", "タスクトレイに格納", "ソフトの設定", "製品情報", "前面に表示", "画面を固定する", "縦型に変更"]


class ScreenReaderTests(NoctarisTestCase):
    def read(self, *args):
        code, out = self.session.wine([self.session.build_dir / "tests" / "e2e" / "noctaris-reader.exe", *args],
                                      check=False)
        result = json.loads(out.decode("ascii").strip().splitlines()[-1])
        self.assertTrue(result["found"], f"the reader could not reach the bar: {result}")
        return result

    def test_a_reader_names_places_and_presses_every_button(self):
        install = self.session.install(fixture("first-install"))
        target = install.add_launch_target("a.exe")
        install.write_data({"Shtct.qdf": shortcuts({0: ("エー", target)}),
                            "group.qdf": groups([f"組{g}" for g in range(10)])})
        install.start()
        bar = self.wait_bar()

        children = self.read("list", MAIN_CAPTION)["children"]
        self.assertEqual([c["name"] for c in children],
                         ["エー"] + ["未登録"] * 9 + [f"組{g}" for g in range(10)] + TOOLS + [None])
        self.assertEqual([c["role"] for c in children],
                         [PUSH_BUTTON] * 10 + [PAGE_TAB] * 10 + [PUSH_BUTTON] * 7 + [STATIC_TEXT])
        self.assertEqual(children[0]["value"], target)
        self.assertEqual(children[0]["action"], "押す")
        for k in (0, 9):
            x, y = bar.client_point(HORIZONTAL_BAR.first_button[0] + HORIZONTAL_BAR.button_step[0] * k,
                                    HORIZONTAL_BAR.first_button[1])
            self.assertEqual(children[k]["location"], [x, y, 32, 32], f"button {k} on screen")

        self.read("press", MAIN_CAPTION, "1")
        install.wait_launched("a.exe")
        self.read("press", MAIN_CAPTION, "13")  # the third tab
        self.assertEqual(self.read("list", MAIN_CAPTION)["children"][0]["name"], "未登録",
                         "after the switch the reader sees group 3's buttons")
        self.read("press", MAIN_CAPTION, "11")
        self.assertEqual(self.read("list", MAIN_CAPTION)["children"][0]["name"], "エー")

    def test_a_reader_names_the_registration_dialogs_controls(self):
        install, _ = self.start_with(fixture("first-install"))
        bar = self.wait_bar()
        self.session.choose_from_menu(bar, HORIZONTAL_BAR.bare_spot, HORIZONTAL_BAR.button(4), 1, "登  録")
        self.session.wait_window("登録", visible=True)
        controls = self.read("controls", "登録")["controls"]
        # Wine gives a button's own object the client role; Windows, push button.
        self.assertEqual([c["name"] for c in controls if c["role"] != EDITABLE_TEXT],
                         ["ファイル参照", "フォルダ参照", "キャンセル", "決定（登録）"])
        self.assertEqual([c["name"] for c in controls if c["role"] == EDITABLE_TEXT], ["登録名", "パス"],
                         "the edit boxes, in tab order, are named as their drawn labels read")

"""Filling the bar with the mouse: the registration dialog through the real file dialog, change and
delete, the ways out of a dialog, group rename, and files dropped from another program."""

from bar_geometry import HORIZONTAL_BAR
from data_files import fixture, groups, shortcuts, windows_path
from noctaris_case import NoctarisTestCase
from waiting import wait_for
from window_probe import BOX_TITLE, MAIN_CAPTION

BAR = HORIZONTAL_BAR
REGISTER = "登録"
RENAME = "グループ名の変更"
NOTHING_CHOSEN = "ファイルまたはフォルダを選択してください。"
# The dialog's native controls in tab order, and where they sit in its client area.
# In tab order: the name box first.
REGISTER_CONTROLS = [("Edit", (120, 88, 229, 18)), ("Edit", (24, 8, 325, 18)), ("Button", (256, 32, 93, 20)),
                     ("Button", (256, 56, 93, 20)), ("Button", (156, 120, 89, 20)), ("Button", (260, 120, 89, 20))]
NAME, PATH = 0, 1  # where the name box and the path box are among the dialog's texts
GROUP_NAMES = [f"グループ{g}" for g in range(1, 11)]


def client_rect(dialog, child):
    left, top = dialog.info["client"][:2]
    x, y, width, height = child["rect"]
    return x - left, y - top, width, height


class RegistrationTestCase(NoctarisTestCase):
    def start_bar(self, slots=None, trace_menus=False):
        """slots: {slot: (name, target file name)}, each target a marker copy."""
        install = self.session.install(fixture("first-install"))
        table = {slot: (name, install.add_launch_target(target)) for slot, (name, target) in (slots or {}).items()}
        install.write_data({"Shtct.qdf": shortcuts(table)})
        program = install.start(trace="trace+menu" if trace_menus else None)
        return install, program, self.wait_bar()

    def choose(self, bar, point, downs, what):
        self.session.choose_from_menu(bar, BAR.bare_spot, point, downs, what)

    def dialog(self, caption):
        return self.session.wait_window(caption, visible=True, children=True)

    def texts(self, caption):
        return self.dialog(caption).texts()

    def push(self, dialog, text):
        self.session.push(dialog, text)

    def retype(self, dialog, index, text):
        self.session.retype(dialog, index, text)

    def bar_enabled(self):
        return self.session.window(MAIN_CAPTION).enabled


class RegisterDialogTests(RegistrationTestCase):
    def test_register_through_the_menu_and_the_file_dialog(self):
        install, program, bar = self.start_bar(trace_menus=True)
        target = install.add_launch_target("tool.exe")

        self.choose(bar, BAR.button(0), 1, "登  録")
        dialog = self.dialog(REGISTER)
        self.assertEqual(dialog.client_size, (354, 146))
        self.assertEqual(dialog.texts(), ["新しいショートカット", NOTHING_CHOSEN, "ファイル参照", "フォルダ参照",
                                          "キャンセル", "決定（登録）"], "the controls in tab order")
        self.assertEqual([(c["class"], client_rect(dialog, c)) for c in dialog.info["children"]], REGISTER_CONTROLS)
        self.assertTrue(dialog.info["children"][0]["focused"], "the first control has the keyboard")
        self.assertFalse(self.bar_enabled(), "the bar is disabled while the dialog is open")
        self.session.screenshot("register-dialog")

        self.push(dialog, "ファイル参照")
        picker = self.session.wait_window("ファイルを開く", visible=True, what="the file dialog")
        self.session.xdotool("type", "--delay", "30", target)
        self.session.keys("Return")
        self.session.wait_gone(picker.caption, what="the file dialog to close")
        chosen = wait_for("the chosen file in the dialog", lambda: (t := self.texts(REGISTER))[NAME] == "tool" and t)
        self.assertTrue(chosen[PATH] == target or ("..." in chosen[PATH] and chosen[PATH].endswith("\\tool.exe")),
                        f"the path box shows {chosen[PATH]!r}")
        self.session.clear_pointer(dialog, 300, 100)
        self.session.screenshot("register-dialog-chosen")

        mark = program.log_size()
        self.push(self.dialog(REGISTER), "決定（登録）")
        self.session.wait_gone(REGISTER, what="the dialog to close")
        self.assertTrue(self.bar_enabled())
        self.assertEqual(install.read_data("Shtct.qdf"), shortcuts({0: ("tool", target)}))

        self.session.click_tray_icon()
        self.session.wait_menus(1, what="the tray menu")
        tray = program.menus_built(since=mark)
        self.session.keys("Escape")
        self.session.wait_menus(0, what="the tray menu to close")
        self.assertEqual(tray[0][0], ("グループ1", ["tool"] + [""] * 9), "the tray menu's first group")
        self.session.click_window(bar, *BAR.button(0))
        install.wait_launched("tool.exe")

    def test_change_then_delete(self):
        install, _, bar = self.start_bar({1: ("エー", "a.exe")})
        path = windows_path(install.root.parent / "targets" / "a.exe")

        self.choose(bar, BAR.button(1), 2, "変  更")
        dialog = self.dialog(REGISTER)
        self.assertEqual(dialog.texts()[NAME], "エー")
        self.retype(dialog, NAME, "Renamed")
        self.push(dialog, "決定（登録）")
        self.session.wait_gone(REGISTER, what="the dialog to close")
        self.assertEqual(install.read_data("Shtct.qdf"), shortcuts({1: ("Renamed", path)}))

        self.choose(bar, BAR.button(1), 3, "削  除")
        box = self.session.wait_message_box()
        self.assertIn("ここのショートカットを削除しますか？", box.texts())
        self.session.screenshot("delete-question")
        rect = box.button("はい(Y)")["rect"]
        self.session.click(rect[0] + rect[2] // 2, rect[1] + rect[3] // 2)
        self.session.wait_gone(BOX_TITLE, cls=box.info["class"], what="the question to close")
        wait_for("the slot to be deleted in Shtct.qdf", lambda: install.read_data("Shtct.qdf") == shortcuts())

    def test_with_windows_utf8_option_the_names_stay_in_code_page_932(self):
        """Windows' "Unicode UTF-8" option makes the ANSI code page 65001. Wine ignores a code page
        set in the registry, but takes 65001 from a language without an ANSI code page (Hindi)."""
        sample = fixture("sample")
        install = self.session.install({**fixture("first-install"), "Shtct.qdf": sample["Shtct.qdf"]})
        install.start(locale="hi_IN.UTF-8")
        bar = self.wait_bar()
        self.choose(bar, BAR.button(0), 2, "変  更")
        dialog = self.dialog(REGISTER)
        self.assertEqual(dialog.texts()[NAME], "メモ帳", "the name read in code page 932")
        self.push(dialog, "決定（登録）")
        self.session.wait_gone(REGISTER, what="the dialog to close")
        self.assertEqual(install.read_data("Shtct.qdf"), sample["Shtct.qdf"], "written back in code page 932")

    def test_close_box_alt_f4_and_escape_cancel(self):
        install, _, bar = self.start_bar()
        install.age_data()
        before = install.snapshot()

        for way in ("close box", "alt+F4", "Escape"):
            self.choose(bar, BAR.button(4), 1, "登  録")
            dialog = self.dialog(REGISTER)
            if way == "close box":
                left, top, width, _ = dialog.info["window"]
                border = dialog.info["client"][0] - left
                caption = dialog.info["client"][1] - top - border
                self.session.click(left + width - border - caption // 2 - 2, top + border + caption // 2)
            else:
                self.session.keys(way)
            self.session.wait_gone(REGISTER, what=f"{way} to close the dialog")
            wait_for(f"the bar to be enabled after {way}", self.bar_enabled)
        self.assertEqual(install.snapshot(), before, "the data files changed")


class GroupRenameTests(RegistrationTestCase):
    def test_rename_a_group(self):
        install, _, bar = self.start_bar()

        self.session.xdotool("mousemove", *bar.client_point(*BAR.tab(3)))
        self.choose(bar, BAR.tab(3), 1, "グループ名の変更")
        dialog = self.dialog(RENAME)
        self.assertEqual(dialog.client_size, (342, 65))
        self.assertEqual(dialog.texts(), ["グループ4", "適　用", "キャンセル"])
        self.assertEqual([client_rect(dialog, c) for c in dialog.info["children"]],
                         [(0, 4, 337, 18), (264, 36, 69, 21), (180, 36, 69, 21)])
        self.assertFalse(self.bar_enabled())
        self.retype(dialog, 0, "Work, Tools")
        self.session.clear_pointer(dialog, 100, 50)
        self.session.screenshot("rename-dialog")

        self.push(dialog, "適　用")
        self.session.wait_gone(RENAME, what="the dialog to close")
        self.assertTrue(self.bar_enabled())
        names = GROUP_NAMES[:3] + ["Work, Tools"] + GROUP_NAMES[4:]
        self.assertEqual(install.read_data("group.qdf"), groups(names))


class DropTests(RegistrationTestCase):
    def test_files_dropped_from_another_program(self):
        install, _, bar = self.start_bar()
        first = install.add_launch_target("first.exe")
        last = install.add_launch_target("last.exe")

        # The bar's background takes nothing, and stays where it is.
        report = self.session.drag_and_drop(*bar.client_point(*BAR.bare_spot), first)
        self.assertEqual(report["effect"], 0, "a drop on the background was taken")
        self.assertIsNone(self.session.window(REGISTER, visible=True))
        self.assertEqual(self.session.window(MAIN_CAPTION).window, bar.window, "the drag moved the bar")

        report = self.session.drag_and_drop(*bar.client_point(*BAR.button(3)), first, last)
        self.assertTrue(report["dropped"] and report["effect"] != 0, f"the button did not take the drop: {report}")
        dialog = self.dialog(REGISTER)
        self.assertEqual(dialog.texts()[NAME], "last", "the last of the dropped files is the one registered")

        report = self.session.drag_and_drop(*bar.client_point(*BAR.button(5)), first)
        self.assertEqual(report["effect"], 0, "the disabled bar took a drop")
        self.push(self.dialog(REGISTER), "決定（登録）")
        self.session.wait_gone(REGISTER, what="the dialog to close")
        self.assertEqual(install.read_data("Shtct.qdf"), shortcuts({3: ("last", last)}))
        self.assertEqual(self.session.window(MAIN_CAPTION).window, bar.window, "the drags moved the bar")

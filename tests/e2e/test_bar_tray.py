"""The tray icon: parking the bar there, and the icon's menu of groups, slots and commands."""

from bar_geometry import HORIZONTAL_BAR
from data_files import fixture, groups, settings, shortcuts, twips
from noctaris_case import NoctarisTestCase
from user_input import TRAY_COMMANDS
from waiting import wait_for
from window_probe import MAIN_CAPTION

# Names that break when the code page is handled byte by byte (表 能 予 ソ
# end in a backslash byte, ～ has two Unicode readings), a comma that a
# field reader could split at, and an ampersand a menu could take for an
# access key.
GROUP_NAMES = ["仕事", "ゲーム, 趣味", "", "能力", "R&D", "グループ6", "予定表", "ソフト", "～", "グループ10"]
WORDS = ["表", "ソフト", "～", "a,b", "R&D", "能力", "予定", "", "メモ帳", "Tool"]
SLOT_NAMES = [f"{slot}{WORDS[slot % 10]}" if slot % 7 else "" for slot in range(100)]


def shown(caption):
    """A menu caption as the menu shows it: && is one ampersand, a single one marks the access key."""
    out, i = [], 0
    while i < len(caption):
        if caption[i] == "&" and i + 1 < len(caption):
            i += 1
        out.append(caption[i])
        i += 1
    return "".join(out)


def displayed(menu):
    """A traced menu as shown, without its separators."""
    return [(shown(e[0]), [shown(c) for c in e[1] if c != "-"]) if isinstance(e, tuple) else shown(e)
            for e in menu if e != "-"]


class TrayTestCase(NoctarisTestCase):
    def start_bar(self, position=(100, 60), slots=None, names=None, group_names=None, trace_menus=False, **apst):
        """slots: {slot: target file name}, each a marker copy; names: every slot's name."""
        files = fixture("first-install")
        files["fank.qdf"] = twips(*position)
        files["apst.qdf"] = settings(**apst)
        if group_names:
            files["group.qdf"] = groups(group_names)
        install = self.session.install(files)
        table = {slot: (name, "") for slot, name in enumerate(names or [])}
        for slot, target in (slots or {}).items():
            table[slot] = (target.split(".")[0], install.add_launch_target(target))
        install.write_data({"Shtct.qdf": shortcuts(table)})
        program = install.start(trace="trace+menu" if trace_menus else None)
        return install, program, self.wait_bar()

    def bar_visible(self):
        return self.session.window(MAIN_CAPTION).visible


class ParkingTests(TrayTestCase):
    def test_park_button_then_the_tray_menu_brings_the_bar_back(self):
        _, _, bar = self.start_bar()

        self.session.click_window(bar, *HORIZONTAL_BAR.tool("tray"))
        wait_for("the bar to go to the tray", lambda: not self.bar_visible())
        self.assertTrue(self.session.tray_shown(), "the tray icon went with the bar")

        self.session.click_tray_icon()
        self.session.wait_menus(1, what="the tray menu")
        self.session.screenshot("tray-menu-open")
        self.session.keys(*["Down"] * 11, "Return")  # past the ten groups: メイン画面を表示
        self.session.wait_menus(0, what="the tray menu to close")
        wait_for("the bar to come back", self.bar_visible)
        self.assertEqual(self.session.window(MAIN_CAPTION).window, bar.window, "the bar came back elsewhere")

    def test_bar_started_hidden_is_shown_from_the_tray(self):
        self.start_bar(position=(250, 300), kido=2)
        self.assertFalse(self.bar_visible())

        self.session.choose_tray_command("メイン画面を表示")
        wait_for("the bar to be shown", self.bar_visible)
        self.assertEqual(self.session.window(MAIN_CAPTION).window, [250, 300, *HORIZONTAL_BAR.size])

    def test_right_click_on_the_icon_opens_nothing(self):
        self.start_bar()

        self.session.click_tray_icon(button=3)
        # Nothing is to happen: give a menu the time it takes a left click's to show.
        for _ in range(5):
            self.assertEqual(self.session.open_menus(), [], "a right click on the tray icon opened a menu")
        self.session.click_tray_icon()
        self.session.wait_menus(1, what="the tray menu after a left click")
        self.session.keys("Escape")
        self.session.wait_menus(0, what="Escape to close the tray menu")


class TrayMenuTests(TrayTestCase):
    def test_menu_lists_the_groups_with_their_slots_and_the_commands(self):
        _, program, _ = self.start_bar(names=SLOT_NAMES, group_names=GROUP_NAMES, trace_menus=True)

        mark = program.log_size()
        self.session.click_tray_icon()
        self.session.wait_menus(1, what="the tray menu")
        built = program.menus_built(since=mark)
        self.session.keys("Escape")
        self.session.wait_menus(0, what="Escape to close the tray menu")

        self.assertEqual(len(built), 1, f"expected one menu, got {built}")
        expected = [(GROUP_NAMES[g], SLOT_NAMES[10 * g:10 * g + 10]) for g in range(10)] + list(TRAY_COMMANDS)
        shown_menu = displayed(built[0])
        for g in range(10):
            self.assertEqual(shown_menu[g], expected[g], f"group {g + 1}'s submenu")
        self.assertEqual(shown_menu[10:], expected[10:], "the commands after the groups")

    def test_slot_items_launch_their_targets(self):
        install, _, _ = self.start_bar(slots={5: "group1.exe", 14: "s14.exe", 15: "s15.exe", 16: "s16.exe",
                                              99: "s99.exe"}, sexe=1)

        self.session.choose_tray_slot(15)
        install.wait_launched("s15.exe", settle=0)
        wait_for("the bar to hide after the launch", lambda: not self.bar_visible())
        self.session.choose_tray_slot(99)
        install.wait_launched("s15.exe", "s99.exe")

    def test_settings_and_version_items_open_their_windows(self):
        self.start_bar()

        self.session.choose_tray_command("設定画面を表示")
        self.session.wait_window("設定", visible=True)
        self.session.choose_tray_command("バージョン情報")
        self.session.wait_window("製品情報", visible=True)

    def test_exit_item_ends_the_program_and_writes_nothing(self):
        files = fixture("sample")
        install = self.session.install(files)
        install.age_data()
        before = install.snapshot()
        program = install.start()
        self.wait_bar()

        self.session.choose_tray_command("終了")
        self.assertEqual(program.wait_exit(what="the program to end after 終了"), 0)
        self.assertEqual(install.snapshot(), before, "the data files changed")

"""The group tabs, the toolbar's toggles and windows, and dragging the bar."""

from bar_geometry import HORIZONTAL_BAR, VERTICAL_BAR
from data_files import fixture, settings, shortcuts, twips
from noctaris_case import NoctarisTestCase
from waiting import wait_for
from window_probe import MAIN_CAPTION

# Every setting away from its neighbour's value, so that a toggle writing
# the wrong field, or the fields in the wrong order, shows.
MIXED = dict(kido=1, skido=1, sexe=2, wind_top=0, form_style=0, sct_name=1, fom_mov=0)


class BarTestCase(NoctarisTestCase):
    def start_bar(self, position=(100, 60), slots=None, **apst):
        """Starts the program at this position with these settings and slots ({slot: target file name})."""
        files = fixture("first-install")
        files["fank.qdf"] = twips(*position)
        files["apst.qdf"] = settings(**{**MIXED, **apst})
        install = self.session.install(files)
        if slots:
            table = {slot: (target.split(".")[0], install.add_launch_target(target)) for slot, target in slots.items()}
            install.write_data({"Shtct.qdf": shortcuts(table)})
        install.start()
        return install, self.wait_bar()

    def click(self, bar, point, button=1):
        self.session.click_window(bar, *point, button=button)

    def wait_settings_file(self, install, **changed):
        expected = settings(**{**MIXED, **changed})
        wait_for(f"apst.qdf to read {expected!r} (it reads {install.read_data('apst.qdf')!r})",
                 lambda: install.read_data("apst.qdf") == expected)

    def wait_shape(self, size, position, what):
        def shaped():
            bar = self.session.window(MAIN_CAPTION)
            return bar if bar.visible and bar.client_size == size else None

        bar = wait_for(what, shaped)
        self.assertEqual(bar.position, position, "the bar's top-left corner moved")
        self.assertEqual(bar.window, bar.client, "the bar grew a frame")
        return bar

    def bar_now(self):
        return self.session.window(MAIN_CAPTION)


class GroupTabTests(BarTestCase):
    def test_a_tab_puts_its_group_on_the_buttons(self):
        install, bar = self.start_bar(slots={3: "a.exe", 13: "b.exe", 93: "c.exe"})

        self.click(bar, HORIZONTAL_BAR.tab(1))
        self.session.clear_pointer(bar, *HORIZONTAL_BAR.bare_spot)
        self.session.screenshot_painted("bar-showing-group-2", bar.window)
        self.click(bar, HORIZONTAL_BAR.button(3))
        install.wait_launched("b.exe", settle=0)

        self.click(bar, HORIZONTAL_BAR.tab(9))
        self.click(bar, HORIZONTAL_BAR.button(3))
        install.wait_launched("b.exe", "c.exe", settle=0)

        self.click(bar, HORIZONTAL_BAR.tab(0))
        self.click(bar, HORIZONTAL_BAR.button(3))
        install.wait_launched("b.exe", "c.exe", "a.exe")

    def test_vertical_tabs_and_buttons(self):
        install, bar = self.start_bar(position=(40, 100), slots={0: "a.exe", 29: "b.exe", 90: "c.exe"}, form_style=1)

        self.click(bar, VERTICAL_BAR.tab(2))
        self.click(bar, VERTICAL_BAR.button(9))
        self.click(bar, VERTICAL_BAR.tab(9))
        self.click(bar, VERTICAL_BAR.button(0))
        self.click(bar, VERTICAL_BAR.tab(0))
        self.click(bar, VERTICAL_BAR.button(0))
        install.wait_launched("b.exe", "c.exe", "a.exe")

    def test_turning_the_bar_keeps_the_group_shown(self):
        install, bar = self.start_bar(slots={3: "a.exe", 13: "b.exe"})

        self.click(bar, HORIZONTAL_BAR.tab(1))
        self.click(bar, HORIZONTAL_BAR.tool("orientation"))
        bar = self.wait_shape(VERTICAL_BAR.size, bar.position, "the bar to turn vertical")
        self.click(bar, VERTICAL_BAR.button(3))
        install.wait_launched("b.exe", settle=0)

        self.click(bar, VERTICAL_BAR.tool("orientation"))
        bar = self.wait_shape(HORIZONTAL_BAR.size, bar.position, "the bar to turn horizontal")
        self.click(bar, HORIZONTAL_BAR.button(3))
        install.wait_launched("b.exe", "b.exe")


class ToolbarToggleTests(BarTestCase):
    def test_orientation_toggle(self):
        install, bar = self.start_bar(position=(300, 200), wind_top=1)

        self.click(bar, HORIZONTAL_BAR.tool("orientation"))
        vertical = self.wait_shape(VERTICAL_BAR.size, (300, 200), "the bar to turn vertical")
        self.assertTrue(vertical.topmost, "the turned bar is no longer topmost")
        self.wait_settings_file(install, wind_top=1, form_style=1)
        self.assertEqual(self.session.x_geometry(self.session.x_windows(MAIN_CAPTION)[0]), (300, 200, 67, 366))
        self.session.clear_pointer(vertical, *VERTICAL_BAR.bare_spot)
        self.session.screenshot_painted("bar-vertical-after-toggle", vertical.window)

        self.click(vertical, VERTICAL_BAR.tool("orientation"))
        horizontal = self.wait_shape(HORIZONTAL_BAR.size, (300, 200), "the bar to turn horizontal again")
        self.assertTrue(horizontal.topmost, "the turned bar is no longer topmost")
        self.wait_settings_file(install, wind_top=1, form_style=0)

    def test_topmost_toggle_with_any_button(self):
        install, bar = self.start_bar()
        self.assertFalse(bar.topmost)

        self.click(bar, HORIZONTAL_BAR.tool("topmost"), button=3)
        wait_for("the bar to become topmost", lambda: self.bar_now().topmost)
        self.wait_settings_file(install, wind_top=1)

        self.click(bar, HORIZONTAL_BAR.tool("topmost"), button=2)
        wait_for("the bar to stop being topmost", lambda: not self.bar_now().topmost)
        self.wait_settings_file(install, wind_top=0)
        self.assertTrue(self.bar_now().visible)

    def test_vertical_toolbar(self):
        install, bar = self.start_bar(position=(40, 100), form_style=1)

        self.click(bar, VERTICAL_BAR.tool("topmost"), button=2)
        wait_for("the bar to become topmost", lambda: self.bar_now().topmost)
        self.wait_settings_file(install, form_style=1, wind_top=1)

        self.click(bar, VERTICAL_BAR.tool("fix"))
        self.wait_settings_file(install, form_style=1, wind_top=1, fom_mov=1)

        self.click(bar, VERTICAL_BAR.tool("settings"))
        self.session.wait_window("設定", visible=True)
        self.click(bar, VERTICAL_BAR.tool("info"), button=3)
        self.session.wait_window("製品情報", visible=True)

        self.click(bar, VERTICAL_BAR.tool("tray"))
        wait_for("the bar to go to the tray", lambda: not self.bar_now().visible)
        self.assertTrue(self.session.tray_shown())


class DragTests(BarTestCase):
    # In the info line, which has no handler of its own: a press there is on the bar.
    SPOTS = (HORIZONTAL_BAR.bare_spot, (340, 62))

    def drag(self, bar, spot, dx, dy):
        """Drags and returns the bar's new position, checked against the drag's length."""
        self.session.drag_window(bar, *spot, dx, dy)
        moved = self.session.wait_settled(MAIN_CAPTION, what="the dragged bar")
        # The move starts with the first step of the pointer, so it may fall short by that much.
        for axis, delta in enumerate((dx, dy)):
            travelled = moved.position[axis] - bar.position[axis]
            self.assertLessEqual(abs(delta - travelled), 4, f"dragged by {(dx, dy)}, moved {bar.position} -> "
                                                             f"{moved.position}")
        return moved

    def assert_stays(self, install, bar, spot):
        before = install.snapshot()
        self.session.drag_window(bar, *spot, 60, 90)
        after = self.session.wait_settled(MAIN_CAPTION, what="the bar after the drag")
        self.assertEqual(after.window, bar.window, "a fixed bar moved")
        self.assertEqual(install.snapshot(), before, "dragging a fixed bar wrote to the data files")

    def test_drag_moves_the_bar_and_stores_its_place(self):
        install, bar = self.start_bar()

        bar = self.drag(bar, self.SPOTS[0], 90, 120)
        wait_for("fank.qdf to hold the new place", lambda: install.read_data("fank.qdf") == twips(*bar.position))
        self.assertEqual(self.session.x_geometry(self.session.x_windows(MAIN_CAPTION)[0])[:2], bar.position)

        bar = self.drag(bar, self.SPOTS[1], -60, 45)
        wait_for("fank.qdf to hold the second place", lambda: install.read_data("fank.qdf") == twips(*bar.position))

        # The toggles place the bar where it is now, not where it started.
        self.click(bar, HORIZONTAL_BAR.tool("topmost"))
        wait_for("the bar to become topmost", lambda: self.bar_now().topmost)
        self.assertEqual(self.bar_now().position, bar.position, "making the bar topmost moved it")
        self.click(bar, HORIZONTAL_BAR.tool("orientation"))
        self.wait_shape(VERTICAL_BAR.size, bar.position, "the dragged bar to turn vertical")

    def test_fixed_bar_stays(self):
        install, bar = self.start_bar(fom_mov=1)
        install.age_data()
        for spot in self.SPOTS:
            self.assert_stays(install, bar, spot)

    def test_fix_toggle_stops_and_allows_dragging(self):
        install, bar = self.start_bar()

        self.click(bar, HORIZONTAL_BAR.tool("fix"))
        self.wait_settings_file(install, fom_mov=1)
        install.age_data()
        self.assert_stays(install, bar, self.SPOTS[0])

        self.click(bar, HORIZONTAL_BAR.tool("fix"), button=3)
        self.wait_settings_file(install, fom_mov=0)
        bar = self.drag(bar, self.SPOTS[0], 75, 60)
        wait_for("fank.qdf to hold the new place", lambda: install.read_data("fank.qdf") == twips(*bar.position))


class ToolbarWindowTests(BarTestCase):
    def test_settings_and_product_information(self):
        _, bar = self.start_bar()

        self.click(bar, HORIZONTAL_BAR.tool("settings"), button=3)
        self.session.wait_window("設定", visible=True)
        self.click(bar, HORIZONTAL_BAR.tool("info"), button=2)
        self.session.wait_window("製品情報", visible=True)
        self.assertTrue(self.bar_now().visible)

    def test_exit_button_ends_the_program_and_writes_nothing(self):
        files = fixture("sample")
        files["apst.qdf"] = settings(**MIXED)
        install = self.session.install(files)
        install.age_data()
        before = install.snapshot()
        program = install.start()
        bar = self.wait_bar()

        self.click(bar, HORIZONTAL_BAR.tool("exit"))
        self.assertEqual(program.wait_exit(what="the program to end after the exit button"), 0)
        self.assertEqual(install.snapshot(), before, "the data files changed")
        wait_for("the tray icon to go", lambda: not self.session.tray_shown())

"""Ending the program: a close request writes nothing, a missing data file stops the start."""

from data_files import fixture, settings, windows_path
from noctaris_case import NoctarisTestCase
from window_probe import BOX_TITLE, MAIN_CAPTION


class DataUntouchedMixin:
    def assert_data_unchanged(self, before, after):
        self.assertEqual(sorted(after), sorted(before), "files were added to or removed from Data")
        for name in before:
            self.assertEqual(after[name][0], before[name][0], f"{name} was rewritten with other bytes")
            self.assertEqual(after[name][1], before[name][1], f"{name} was written to (modification time changed)")


class CloseRequestTests(DataUntouchedMixin, NoctarisTestCase):
    def close_and_compare(self, files):
        install = self.session.install(files)
        # Old times, so that even a same-second rewrite with the same bytes shows.
        install.age_data()
        before = install.snapshot()
        program = install.start()
        self.wait_bar()

        self.session.post_close(MAIN_CAPTION)
        self.assertEqual(program.wait_exit(what="the program to end after WM_CLOSE"), 0)
        self.assert_data_unchanged(before, install.snapshot())

    def test_first_installation_data_untouched(self):
        self.close_and_compare(fixture("first-install"))

    def test_user_data_untouched(self):
        # Japanese names, a comma inside quotes, a fractional position and an
        # empty setting: all things a rewrite would likely normalise.
        self.close_and_compare(fixture("sample"))

    def test_vertical_topmost_data_untouched(self):
        files = fixture("sample")
        files["apst.qdf"] = settings(wind_top=1, form_style=1, sct_name=1, fom_mov=1)
        self.close_and_compare(files)


class MissingDataFileTests(DataUntouchedMixin, NoctarisTestCase):
    def check_missing(self, name):
        files = fixture("first-install")
        files[name] = None
        install = self.session.install(files)
        install.age_data()
        before = install.snapshot()
        program = install.start()

        box = self.session.wait_message_box()
        self.assertEqual(box.caption, BOX_TITLE)
        message = "\n".join(box.texts())
        self.assertIn(name, message)
        self.assertIn(windows_path(install.data_dir).lower(), message.lower(), "the message does not name the folder")
        self.assertEqual(box.buttons(), ["OK"])
        self.assertIsNone(self.session.window(MAIN_CAPTION, visible=True), "the bar showed without its data")
        self.session.screenshot(f"missing-{name}")

        self.session.dismiss(box)
        program.wait_exit(what=f"the program to end after the missing {name} message")
        self.assert_data_unchanged(before, install.snapshot())

    def test_missing_position_file(self):
        self.check_missing("fank.qdf")

    def test_missing_settings_file(self):
        self.check_missing("apst.qdf")

"""Saving into a Data folder that refuses writes: the user is told at once,
and the old file stays."""

import subprocess

from bar_geometry import HORIZONTAL_BAR
from data_files import fixture
from noctaris_case import NoctarisTestCase


class ReadOnlyDataTests(NoctarisTestCase):
    def test_a_refused_save_fails_at_once_and_keeps_the_old_file(self):
        install = self.session.install(fixture("first-install"))
        program = install.start(trace="trace+file")
        bar = self.wait_bar()
        before = install.snapshot()
        # Immutable: even root cannot create the temporary file, and Wine reports access denied.
        subprocess.run(["chattr", "+i", str(install.data_dir)], check=True)
        try:
            self.session.click_window(bar, *HORIZONTAL_BAR.tool("topmost"))
            box = self.session.wait_message_box()
            self.assertIn("apst.qdf", "\n".join(box.texts()))
            self.session.dismiss(box)
        finally:
            subprocess.run(["chattr", "-i", str(install.data_dir)], check=True)
        self.assertEqual(install.snapshot(), before)
        self.assertTrue(program.running)
        attempts = sum("CreateFileW" in line and "apst.qdf.tmp" in line
                       for line in program.log_path.read_text(encoding="ascii", errors="replace").splitlines())
        self.assertEqual(attempts, 1, "access denied is not retried like a file held by a scanner")

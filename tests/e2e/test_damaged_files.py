"""Damaged data files at start-up: the bar starts, or a message names the file
and the program ends. It never crashes or hangs, and writes no file."""

import random

from data_files import fixture, groups, settings, shortcuts
from noctaris_case import NoctarisTestCase
from waiting import wait_for
from window_probe import BOX_CLASS, BOX_TITLE, MAIN_CAPTION

FOLDER = object()  # a folder where the file should be
SAMPLE = fixture("sample")
LONG_PATH = ("C:\\" + "\\".join(["長い名前のフォルダ"] * 40))[:294] + "\\x.exe"
assert len(LONG_PATH) == 300

# (what, file, its contents, the file a message names; None: the bar starts)
DAMAGED = (
    ("truncated fank.qdf", "fank.qdf", b"1500", "fank.qdf"),
    ("truncated apst.qdf", "apst.qdf", b"1,1,2,0", None),
    ("Shtct.qdf cut inside a path", "Shtct.qdf", SAMPLE["Shtct.qdf"][:40], None),
    ("binary apst.qdf", "apst.qdf", bytes(range(256)), None),
    ("binary group.qdf", "group.qdf", random.Random(11).randbytes(4096), None),
    ("huge Shtct.qdf", "Shtct.qdf", SAMPLE["Shtct.qdf"] * ((32 << 20) // len(SAMPLE["Shtct.qdf"])), None),
    ("huge group.qdf, one unclosed field of bytes no code page knows", "group.qdf", b'"' + b"\xff" * (8 << 20), None),
    ("a folder named apst.qdf", "apst.qdf", FOLDER, "apst.qdf"),
    ("UTF-8 group.qdf", "group.qdf", groups([f"グループ{g}" for g in range(1, 11)]).decode("cp932").encode(), None),
    ("a 300-character path in Shtct.qdf", "Shtct.qdf", shortcuts([("長いパス", LONG_PATH)]), None),
)


class DamagedFileTests(NoctarisTestCase):
    def test_damaged_files_start_or_explain_and_write_nothing(self):
        for what, name, contents, named in DAMAGED:
            with self.subTest(what):
                files = {**SAMPLE, "apst.qdf": settings(sct_name=1)}
                if contents is not FOLDER:
                    files[name] = contents
                install = self.session.install(files)
                if contents is FOLDER:
                    (install.data_dir / name).unlink()
                    (install.data_dir / name).mkdir()
                install.age_data()
                before = install.snapshot()
                program = install.start()

                def box():
                    return self.session.window(BOX_TITLE, cls=BOX_CLASS, visible=True, children=True)

                def bar():
                    return self.session.window(MAIN_CAPTION, visible=True)

                shown = wait_for("the bar or a message", lambda: box() or bar(), timeout=30)
                if named:
                    self.assertEqual(shown.caption, BOX_TITLE)
                    self.assertIn(f"「{named}」", "\n".join(shown.texts()))
                    self.session.dismiss(shown)
                else:
                    self.assertEqual(shown.caption, MAIN_CAPTION)
                    self.wait_bar()
                    self.assertIsNone(box())
                    self.session.post_close(MAIN_CAPTION)
                self.assertEqual(program.wait_exit(), 0)
                self.assertEqual(install.snapshot(), before)

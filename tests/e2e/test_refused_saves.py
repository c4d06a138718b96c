"""Saves that the disk refuses: a read-only Data folder, a data file another
program holds, the Data folder gone. For every file the program rewrites, the
user is told which file and why, the old file stays byte for byte with no
temporary file beside it, and once the fault is gone the next save is whole."""

import subprocess
from contextlib import contextmanager
from dataclasses import dataclass
from typing import Callable

from bar_geometry import HORIZONTAL_BAR
from data_files import fixture, groups, settings, shortcuts, twips
from noctaris_case import NoctarisTestCase
from waiting import wait_for
from window_probe import BOX_CLASS, BOX_TITLE, MAIN_CAPTION


# --- what makes the program rewrite each file --------------------------------
# change(test, install) does what a user does to change the file and returns
# the bytes a save of that change holds. Changes come in pairs, one refused and
# one saved; test.changes counts them. A dialog left open by a refused save is
# used again by the next change. A file the program learns to rewrite gets one
# entry here.

RENAME = "グループ名の変更"
REGISTERED = {slot: (f"S{slot}", f"C:\\tools\\s{slot}.exe") for slot in (1, 2, 3)}


def toggle_topmost(test, _install):
    before = test.session.window(MAIN_CAPTION)
    test.session.click_window(before, *HORIZONTAL_BAR.tool("topmost"))
    after = wait_for("the topmost switch to take effect",
                     lambda: (bar := test.session.window(MAIN_CAPTION)).topmost != before.topmost and bar)
    return settings(wind_top=int(after.topmost))


def drag_bar(test, _install):
    before = test.session.window(MAIN_CAPTION)
    test.session.drag_window(before, *HORIZONTAL_BAR.bare_spot, 40 if before.position[0] < 500 else -40, 30)
    after = test.session.wait_settled(MAIN_CAPTION, what="the dragged bar")
    test.assertNotEqual(after.position, before.position, "the drag did not move the bar")
    return twips(*after.position)


def rename_group(test, install):
    """Gives group 4 a name it has not had; its tab is pointed at first, which selects its name."""
    dialog = test.session.window(RENAME, visible=True, children=True)
    if dialog is None:
        bar = test.session.window(MAIN_CAPTION)
        test.session.choose_from_menu(bar, HORIZONTAL_BAR.bare_spot, HORIZONTAL_BAR.tab(3), 1, RENAME)
        dialog = test.session.wait_window(RENAME, visible=True, children=True)
    name = f"Work{test.changes}"
    test.session.retype(dialog, 0, name)
    test.session.push(dialog, "適　用")
    return groups([name if g == 4 else f"グループ{g}" for g in range(1, 11)])


def delete_shortcut(test, _install):
    """Deletes the next registered slot: a refused delete leaves it for the next try."""
    left = sorted(REGISTERED)[test.changes // 2:]
    bar = test.session.window(MAIN_CAPTION)
    test.session.choose_from_menu(bar, HORIZONTAL_BAR.bare_spot, HORIZONTAL_BAR.button(left[0]), 3, "削  除")
    question = test.session.wait_message_box()
    test.assertIn("ここのショートカットを削除しますか？", question.texts())
    test.session.push(question, "はい(Y)")
    wait_for("the question to close", lambda: (box := test.session.window(BOX_TITLE, cls=BOX_CLASS, visible=True,
                                                                            children=True)) is None
             or "ここのショートカットを削除しますか？" not in box.texts())
    return shortcuts({slot: REGISTERED[slot] for slot in left[1:]})


@dataclass(frozen=True)
class Rewrite:
    name: str
    change: Callable
    files: dict


REWRITES = (Rewrite("apst.qdf", toggle_topmost, {}), Rewrite("fank.qdf", drag_bar, {}),
            Rewrite("group.qdf", rename_group, {}), Rewrite("Shtct.qdf", delete_shortcut,
                                                           {"Shtct.qdf": shortcuts(REGISTERED)}))


# --- the faults ------------------------------------------------------------------
# Each holds while its context is open; reason is the system's text the message carries.

@contextmanager
def read_only_folder(install, _name):
    # Immutable: even root cannot create the temporary file, and Wine reports access denied.
    subprocess.run(["chattr", "+i", str(install.data_dir)], check=True)
    try:
        yield
    finally:
        subprocess.run(["chattr", "-i", str(install.data_dir)], check=True)


def held_by_another_program(install, name):
    return install.locked(name)


@contextmanager
def data_folder_gone(install, _name):
    away = install.root / "Data.away"
    install.data_dir.rename(away)
    try:
        yield
        assert not install.data_dir.exists(), "the program made a new Data folder"
    finally:
        away.rename(install.data_dir)


@dataclass(frozen=True)
class Fault:
    hold: Callable
    reason: str


FAULTS = (Fault(read_only_folder, "アクセスが拒否されました"),
          Fault(held_by_another_program, "アクセスが拒否されました"),
          Fault(data_folder_gone, "パスが見つかりません"))


class RefusedSaveTests(NoctarisTestCase):
    def test_refused_saves_are_told_and_lose_nothing(self):
        for rewrite in REWRITES:
            install = self.session.install({**fixture("first-install"), **rewrite.files})
            program = install.start()
            self.wait_bar()
            self.changes = 0
            for fault in FAULTS:
                with self.subTest(file=rewrite.name, fault=fault.hold.__name__):
                    install.age_data()
                    before = install.snapshot()
                    with fault.hold(install, rewrite.name):
                        rewrite.change(self, install)
                        self.changes += 1
                        box = self.session.wait_message_box()
                        message = "\n".join(box.texts())
                        self.assertIn(f"「{rewrite.name}」", message)
                        self.assertIn(fault.reason, message)
                        self.session.dismiss(box)
                    self.assertEqual(install.snapshot(), before, "a file changed, or a temporary file was left")
                    self.assertTrue(program.running)

                    expected = rewrite.change(self, install)
                    self.changes += 1
                    wait_for(f"{rewrite.name} to hold {expected!r} (it holds {install.read_data(rewrite.name)!r})",
                             lambda: install.read_data(rewrite.name) == expected)
                    after = install.snapshot()
                    self.assertNotEqual(after[rewrite.name][1], before[rewrite.name][1], "the file was not written")
                    self.assertEqual(set(after), set(before), "a temporary file was left")
                    self.assertIsNone(self.session.window(BOX_TITLE, cls=BOX_CLASS, visible=True))
            self.session.post_close(MAIN_CAPTION)
            self.assertEqual(program.wait_exit(), 0)

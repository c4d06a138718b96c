"""Only one copy runs at a time; a second one says so and leaves the first alone."""

from data_files import fixture
from noctaris_case import NoctarisTestCase
from waiting import wait_for
from window_probe import BOX_CLASS, BOX_TITLE, MAIN_CAPTION

ALREADY_OPEN = "ノクタリスはすでに開かれています。"


class SecondCopyTests(NoctarisTestCase):
    def test_second_copy_is_refused(self):
        install, first = self.start_with(fixture("first-install"))
        bar = self.wait_bar()

        second = install.start()
        box = self.session.wait_message_box()
        self.assertEqual(box.caption, BOX_TITLE)
        self.assertIn(ALREADY_OPEN, box.texts())
        self.assertEqual(box.buttons(), ["OK"])
        self.assertNotEqual(box.pid, bar.pid, "the box should come from the second copy")
        self.session.screenshot("second-copy-refused")

        # The second copy waits for the user; the first is untouched meanwhile.
        self.assertTrue(second.running, "the second copy ended before its message was read")
        self.assert_first_still_there(first, bar)

        self.session.dismiss(box)
        self.assertEqual(second.wait_exit(what="the second copy to end after its message"), 0)
        self.assert_first_still_there(first, bar)

    def assert_first_still_there(self, first, bar):
        self.assertTrue(first.running, "the first copy ended")
        now = self.session.window(MAIN_CAPTION, visible=True)
        self.assertIsNotNone(now, "the first copy's bar is no longer shown")
        self.assertEqual(now.hwnd, bar.hwnd)
        self.assertEqual(now.window, bar.window, "the first copy's bar moved")
        self.assertEqual(len(self.session.x_windows(MAIN_CAPTION)), 1, "expected exactly one bar on the screen")

    def test_ten_starts_at_once_give_one_bar_and_touch_no_file(self):
        install = self.session.install(fixture("first-install"))
        install.age_data()
        before = install.snapshot()
        programs = [install.start() for _ in range(10)]

        def boxes():
            return [w for w in self.session.top_windows()
                    if w["class"] == BOX_CLASS and w["caption"] == BOX_TITLE and w["visible"]]

        wait_for("nine messages", lambda: len(boxes()) == 9, timeout=60)
        self.wait_bar()
        for left in range(8, -1, -1):
            box = self.session.wait_message_box()
            self.assertIn(ALREADY_OPEN, box.texts())
            self.session.post_close(BOX_TITLE, cls=BOX_CLASS, visible=True)
            wait_for(f"{left} messages", lambda: len(boxes()) == left)
        wait_for("nine copies to end", lambda: sum(not p.running for p in programs) == 9, timeout=20)
        self.assertEqual(sorted(p.popen.returncode for p in programs if not p.running), [0] * 9)
        self.assertEqual(len(self.session.x_windows(MAIN_CAPTION)), 1, "expected exactly one bar on the screen")
        self.assertEqual(install.snapshot(), before, "a data file was touched")

"""The base of every end-to-end test: the run's Session, and cleaning up after each test."""

import unittest

from window_probe import MAIN_CAPTION

_session = None


def set_session(session):
    global _session
    _session = session


class NoctarisTestCase(unittest.TestCase):
    """Gives each test the run's session and stops what the test started."""

    def setUp(self):
        if _session is None:
            # A plain unittest run has no Wine session: it must not pass with nothing run.
            self.fail("no Wine session: run the end-to-end tests through tests/e2e/run.py")
        self.session = _session
        self.session.current_test = self.id().split(".", 1)[-1]
        self._problems_before = self._problem_count()

    def _problem_count(self):
        # unittest records a failure in the result as it happens, before tearDown.
        result = getattr(getattr(self, "_outcome", None), "result", None)
        return len(getattr(result, "failures", ())) + len(getattr(result, "errors", ()))

    def tearDown(self):
        if self._problem_count() != self._problems_before:
            try:
                self.session.screenshot(f"{self.session.current_test}-failure")
            except Exception:  # noqa: BLE001 - a missing screenshot must not hide the failure
                pass
        self.session.end_test()

    # Conveniences the tests share.

    def start_with(self, files):
        install = self.session.install(files)
        return install, install.start()

    def wait_bar(self, timeout=20.0):
        return self.session.wait_settled(MAIN_CAPTION, timeout=timeout, what="the bar window")

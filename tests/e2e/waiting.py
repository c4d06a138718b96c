"""Bounded waits: the tests poll the program's windows and files until they change."""

import time


class WaitTimeout(AssertionError):
    """A bounded wait ran out; reported as a test failure, not an error."""


def wait_for(what, check, timeout=10.0, interval=0.1):
    """Polls check() until it returns something truthy and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise WaitTimeout(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)

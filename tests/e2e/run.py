#!/usr/bin/env python3
"""Runs the end-to-end tests of the Windows build under wine64.

    python3 tests/e2e/run.py --build build/win64 [--artifacts DIR] [-k PATTERN] [-v]

Screenshots and program logs go to DIR (build/e2e-artifacts by default).
Prints one summary line at the end; exits non-zero on any failure.
"""

import argparse
import shutil
import signal
import sys
import time
import unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

from noctaris_case import set_session  # noqa: E402
from session import Session  # noqa: E402

REPO = HERE.parents[1]


class RunTimeout(KeyboardInterrupt):
    """The whole run took too long. A KeyboardInterrupt so unittest lets it through."""


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=str(REPO / "build" / "win64"),
                        help="the build folder holding Noctaris/ and tests/e2e/ (default: build/win64)")
    parser.add_argument("--artifacts", default=str(REPO / "build" / "e2e-artifacts"),
                        help="where screenshots and logs go (default: build/e2e-artifacts)")
    parser.add_argument("--timeout", type=int, default=1200, help="seconds the whole run may take (default: 1200)")
    parser.add_argument("-k", dest="patterns", action="append", default=None,
                        help="only tests whose name contains this (repeatable)")
    parser.add_argument("-v", "--verbose", action="store_true")
    args = parser.parse_args()

    artifacts = Path(args.artifacts)
    # What an earlier run left here, so nothing stale is mistaken for this run's.
    for old in artifacts.glob("*.png"):
        old.unlink()
    shutil.rmtree(artifacts / "logs", ignore_errors=True)

    def out_of_time(*_):
        raise RunTimeout(f"the run took longer than {args.timeout} s")

    def interrupted(*_):
        raise KeyboardInterrupt("terminated")

    signal.signal(signal.SIGALRM, out_of_time)
    signal.signal(signal.SIGTERM, interrupted)
    signal.alarm(args.timeout)

    started = time.monotonic()
    session = Session(args.build, artifacts)
    result = None
    problem = None
    try:
        session.start()
        set_session(session)
        loader = unittest.TestLoader()
        if args.patterns:
            loader.testNamePatterns = [f"*{p}*" for p in args.patterns]
        suite = loader.discover(str(HERE), pattern="test_*.py", top_level_dir=str(HERE))
        runner = unittest.TextTestRunner(verbosity=2 if args.verbose else 1, stream=sys.stderr)
        result = runner.run(suite)
    except KeyboardInterrupt as e:
        problem = f"stopped: {e or 'interrupted'}"
    except Exception as e:  # noqa: BLE001 - the summary line must still be printed
        problem = f"could not run: {type(e).__name__}: {e}"
    finally:
        signal.alarm(0)
        session.close()

    seconds = time.monotonic() - started
    if result is None or problem:
        print(f"e2e: FAILED - {problem or 'no result'} after {seconds:.0f} s (artifacts: {artifacts})")
        return 1
    bad = len(result.failures) + len(result.errors) + len(result.unexpectedSuccesses)
    ok = bad == 0 and result.testsRun > 0
    print(f"e2e: {'PASSED' if ok else 'FAILED'} - {result.testsRun} tests, {len(result.failures)} failures, "
          f"{len(result.errors)} errors, {len(result.skipped)} skipped in {seconds:.0f} s (artifacts: {artifacts})")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Runs the end-to-end tests of a Windows build under Wine.

    python3 tests/e2e/run.py --build build/win64 [--download] [--artifacts DIR] [-k PATTERN] [-v]

The same tests run on either build: build/win64 (x86_64) or build/win32 (the
i686 release). With --download the program is the one in the build's
download zip, unzipped, as a user gets it. Screenshots and program logs go
to DIR (build/e2e-artifacts by default). Prints one summary line at the end,
naming the architecture; exits non-zero on any failure.
"""

import argparse
import shutil
import signal
import sys
import tempfile
import time
import unittest
import zipfile
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

from noctaris_case import set_session  # noqa: E402
from session import Session  # noqa: E402

REPO = HERE.parents[1]


class RunTimeout(KeyboardInterrupt):
    """The whole run took too long. A KeyboardInterrupt so unittest lets it through."""


class TimedResult(unittest.TextTestResult):
    """Keeps how long each test took, so the slowest can be named at the end."""

    def __init__(self, *args, **kwargs):
        super().__init__(*args, **kwargs)
        self.durations = []

    def startTest(self, test):
        self._started = time.monotonic()
        super().startTest(test)

    def stopTest(self, test):
        super().stopTest(test)
        self.durations.append((time.monotonic() - self._started, test.id()))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=str(REPO / "build" / "win64"),
                        help="the build folder holding Noctaris/ and tests/e2e/ (default: build/win64)")
    parser.add_argument("--download", action="store_true",
                        help="run the program unzipped from the build's Noctaris-*.zip, not its ready-to-run folder")
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
    unzipped = None
    if args.download:
        unzipped = Path(tempfile.mkdtemp(prefix="noctaris-download-"))
        zips = sorted(Path(args.build).glob("Noctaris-*.zip"))
        if not zips:
            print(f"e2e: FAILED - no download zip in {args.build}: run scripts/release.sh")
            return 1
        with zipfile.ZipFile(zips[-1]) as download:
            download.extractall(unzipped)
    session = Session(args.build, artifacts, unzipped / "Noctaris" if unzipped else None)
    result = None
    problem = None
    try:
        session.start()
        set_session(session)
        loader = unittest.TestLoader()
        if args.patterns:
            loader.testNamePatterns = [f"*{p}*" for p in args.patterns]
        suite = loader.discover(str(HERE), pattern="test_*.py", top_level_dir=str(HERE))
        runner = unittest.TextTestRunner(verbosity=2 if args.verbose else 1, stream=sys.stderr,
                                         resultclass=TimedResult)
        result = runner.run(suite)
        slowest = sorted(result.durations, reverse=True)[:5]
        print("slowest: " + ", ".join(f"{name.split('.')[-1]} {seconds:.0f} s" for seconds, name in slowest),
              file=sys.stderr)
    except KeyboardInterrupt as e:
        problem = f"stopped: {e or 'interrupted'}"
    except Exception as e:  # noqa: BLE001 - the summary line must still be printed
        problem = f"could not run: {type(e).__name__}: {e}"
    finally:
        signal.alarm(0)
        session.close()
        if unzipped:
            shutil.rmtree(unzipped, ignore_errors=True)

    seconds = time.monotonic() - started
    label = f"e2e {session.architecture or ''}".rstrip()
    if result is None or problem:
        print(f"{label}: FAILED - {problem or 'no result'} after {seconds:.0f} s (artifacts: {artifacts})")
        return 1
    bad = len(result.failures) + len(result.errors) + len(result.unexpectedSuccesses)
    ok = bad == 0 and result.testsRun > 0
    print(f"{label}: {'PASSED' if ok else 'FAILED'} - {result.testsRun} tests, {len(result.failures)} failures, "
          f"{len(result.errors)} errors, {len(result.skipped)} skipped in {seconds:.0f} s (artifacts: {artifacts})")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())

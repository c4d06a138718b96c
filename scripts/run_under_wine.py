"""Runs the ready-to-run folder's Noctaris.exe under wine64 with the Japanese
locale. With a display the program runs until the user ends it; without one
it runs on a virtual display long enough to save a screenshot of the bar."""

import argparse
import os
import subprocess
import sys
import time
from pathlib import Path

from wine_session import WINE64, prepare_prefix, start_virtual_display, stop, wine_env

CAPTION = "ノクタリス - メイン画面"


def wait_for_bar(env, timeout=60):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", CAPTION], env=env,
                               capture_output=True, text=True)
        if found.stdout.strip():
            return True
        time.sleep(0.2)
    return False


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("dist", type=Path, help="the ready-to-run folder")
    parser.add_argument("--prefix", type=Path, default=Path("build/wine-prefix"))
    parser.add_argument("--screenshot", type=Path, default=Path("build/noctaris-bar.png"))
    args = parser.parse_args()
    dist = args.dist.resolve()
    prefix = args.prefix.resolve()

    display = os.environ.get("DISPLAY")
    xvfb = None
    if not display or subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True).returncode != 0:
        xvfb, display = start_virtual_display()
    env = wine_env(prefix, display)
    prepare_prefix(prefix, env)

    program = subprocess.Popen([WINE64, str(dist / "Noctaris.exe")], cwd=dist, env=env)
    if xvfb is None:
        print(f"run: Noctaris is running on display {display}; end it from its exit button or tray menu")
        return program.wait()
    try:
        if not wait_for_bar(env):
            sys.exit("run: the bar did not appear within a minute")
        time.sleep(1.5)
        args.screenshot.parent.mkdir(parents=True, exist_ok=True)
        subprocess.run(["import", "-window", "root", str(args.screenshot)], env=env, check=True)
        print(f"run: no display here, so Noctaris ran on a virtual one; screenshot of the bar: {args.screenshot.resolve()}")
    finally:
        stop(env, xvfb)
        program.wait(timeout=30)
    return 0


if __name__ == "__main__":
    sys.exit(main())

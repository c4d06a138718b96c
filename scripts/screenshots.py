#!/usr/bin/env python3
"""Draws the screenshots in docs/screenshots/ again: the settings dialog, the
product information window, and the bar in both shapes at 100 and 150 %
(96 and 144 dpi), of the x86_64 build under wine64, on a private virtual
display, through the end-to-end tests' session.

    python3 scripts/screenshots.py [--build build/win64]
"""

import argparse
import subprocess
import sys
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "tests" / "e2e"))

from bar_geometry import HORIZONTAL_BAR, VERTICAL_BAR, scaled  # noqa: E402
from data_files import fixture, settings, shortcuts, twips  # noqa: E402
from session import Session  # noqa: E402
from window_probe import MAIN_CAPTION  # noqa: E402
from x_display import pixels  # noqa: E402

OUT = REPO / "docs" / "screenshots"
# What the bar shows: a few of Wine's own programs and folders, so that the
# buttons carry real shell icons.
SHORTCUTS = {0: ("メモ帳", r"C:\windows\notepad.exe"), 1: ("Windows", r"C:\windows"),
             2: ("レジストリ", r"C:\windows\regedit.exe"), 3: ("コマンド", r"C:\windows\system32\cmd.exe"),
             4: ("ワードパッド", r"C:\Program Files\Windows NT\Accessories\wordpad.exe")}


def crop(shot, rect, out):
    left, top, width, height = rect
    subprocess.run(["convert", str(shot), "-crop", f"{width}x{height}+{left}+{top}", "+repage", "-strip", str(out)],
                   check=True, timeout=30)
    print(f"wrote {out.relative_to(REPO)}")


def capture(session, bar, tool, caption, name):
    """Opens a window from the bar's toolbar and saves a picture of what it draws: its client area.

    The virtual display has no window manager to draw title bars."""
    session.click_window(bar, *HORIZONTAL_BAR.tool(tool))
    window = session.wait_settled(caption, what=f"the window {caption!r}")
    session.clear_pointer(window, 2, window.client_size[1] - 2)
    shot = session.screenshot_painted(name, window.client)
    crop(shot, window.client, OUT / f"{name}.png")
    return window


def capture_bar(session, dpi, form_style):
    """The bar of one shape at one display scale, once its shell icons have come."""
    session.set_dpi(dpi)
    files = fixture("first-install")
    # Clear of Wine's tray window in the top-left corner.
    files.update({"fank.qdf": twips(200, 100), "Shtct.qdf": shortcuts(SHORTCUTS),
                  "apst.qdf": settings(form_style=form_style, sct_name=1)})
    session.install(files).start()
    bar = session.wait_settled(MAIN_CAPTION, what="the bar")
    layout = (HORIZONTAL_BAR, VERTICAL_BAR)[form_style]
    session.clear_pointer(bar, *(scaled(v, dpi) for v in layout.bare_spot))
    name = f"bar-{('horizontal', 'vertical')[form_style]}-{dpi}dpi"
    shot, last = session.screenshot_painted(name, bar.client), None
    while pixels(shot, bar.client) != last:
        last = pixels(shot, bar.client)
        time.sleep(0.5)
        shot = session.screenshot(name)
    crop(shot, bar.client, OUT / f"{name}.png")
    session.end_test()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=str(REPO / "build" / "win64"))
    args = parser.parse_args()
    OUT.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="noctaris-shots-") as artifacts:
        session = Session(args.build, artifacts)
        try:
            session.start()
            files = fixture("first-install")
            files["fank.qdf"] = twips(40, 40)
            files["apst.qdf"] = settings(kido=1, skido=2, sexe=2, wind_top=0, form_style=0, sct_name=1)
            session.install(files).start()
            bar = session.wait_settled(MAIN_CAPTION, what="the bar")
            dialog = capture(session, bar, "settings", "設定", "settings")
            session.click_window(dialog, 11, 12)  # its close picture
            session.wait_gone("設定")
            capture(session, bar, "info", "製品情報", "product")
            session.end_test()
            for dpi in (96, 144):
                for form_style in (0, 1):
                    capture_bar(session, dpi, form_style)
            session.set_dpi(96)
        finally:
            session.close()


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws the pictures of the user guide (docs/guide/images/*.png) again from
the x86_64 build under wine64, on a private virtual display, through the
end-to-end tests' session; then checks the guide's pages: every text of the
program they quote is, byte for byte, in the program's source, and every
picture they show exists at the size they give.

    python3 scripts/guide_screenshots.py [--build build/win64]
    python3 scripts/guide_screenshots.py --check    (the pages only, without Wine)

In the guide's HTML, an element of class "msg" (a message) or "ui" (a caption)
quotes the program: each of its lines (split at <br>) must be in a string
literal of src/, except the parts in <var>, which stand for what the program
fills in (a file name, a folder, the system's error text).

The pictures come out the same, byte for byte, on every run with the same
build and Wine.
"""

import argparse
import re
import struct
import subprocess
import sys
import tempfile
from html.parser import HTMLParser
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "tests" / "e2e"))

from bar_geometry import HORIZONTAL_BAR, VERTICAL_BAR  # noqa: E402
from data_files import fixture, groups, settings, shortcuts, twips  # noqa: E402
from session import Session  # noqa: E402
from waiting import wait_for  # noqa: E402
from window_probe import BOX_CLASS, BOX_TITLE, MAIN_CAPTION, TRAY_CAPTION  # noqa: E402
from x_display import SCREEN  # noqa: E402

GUIDE = REPO / "docs" / "guide"
IMAGES = GUIDE / "images"

# What the pictures show: a first group of things every Wine prefix has, named as a user would.
BAR_AT = (360, 100)
GROUP_NAMES = ["よく使う", "仕事", "ツール", "ゲーム"] + [f"グループ{g}" for g in range(5, 11)]
SLOTS = {
    0: ("メモ帳", r"C:\windows\notepad.exe"),
    1: ("ワードパッド", r"C:\Program Files\Windows NT\Accessories\wordpad.exe"),
    2: ("ファイル マネージャー", r"C:\windows\system32\winefile.exe"),
    3: ("コマンド プロンプト", r"C:\windows\system32\cmd.exe"),
    4: ("タスク マネージャー", r"C:\windows\system32\taskmgr.exe"),
    5: ("ブラウザー", r"C:\windows\system32\iexplore.exe"),
    6: ("ユーザー フォルダ", r"C:\users"),
    7: ("マインスイーパ", r"C:\windows\system32\winemine.exe"),
}
EMPTY_BUTTON = 8
CHOSEN_FILE = r"C:\windows\regedit.exe"
DROPPED_FILE = r"C:\windows\system32\winver.exe"


# --- pictures ---------------------------------------------------------------

def union(*rects):
    left = min(r[0] for r in rects)
    top = min(r[1] for r in rects)
    right = max(r[0] + r[2] for r in rects)
    bottom = max(r[1] + r[3] for r in rects)
    return left, top, right - left, bottom - top


def on_screen(rect, margin=0):
    left, top, width, height = rect
    x0, y0 = max(left - margin, 0), max(top - margin, 0)
    x1, y1 = min(left + width + margin, SCREEN[0]), min(top + height + margin, SCREEN[1])
    return x0, y0, x1 - x0, y1 - y0


def region(shot, rect):
    left, top, width, height = rect
    return subprocess.run(["convert", str(shot), "-crop", f"{width}x{height}+{left}+{top}", "+repage", "ppm:-"],
                          capture_output=True, timeout=30, check=True).stdout


def save(shot, rect, name):
    """The part rect of a screenshot as images/name.png, without anything that changes between runs."""
    left, top, width, height = on_screen(rect)
    out = IMAGES / f"{name}.png"
    subprocess.run(["convert", str(shot), "-crop", f"{width}x{height}+{left}+{top}", "+repage", "-strip",
                    "-define", "png:compression-level=9", str(out)], check=True, timeout=30)
    print(f"wrote {out.relative_to(REPO)} ({width} x {height})")


class Pictures:
    """Shows each window and menu of the program as a user opens it and saves a picture of it."""

    def __init__(self, session):
        self.session = session
        self.bar = None

    # --- helpers ---

    def shot(self, name, rect):
        """A screenshot once rect is painted and shows the same pixels twice in a row."""
        rect = on_screen(rect)
        self.session.screenshot_painted(name, rect)
        last = None

        def steady():
            nonlocal last
            shot = self.session.screenshot(name)
            now = region(shot, rect)
            same = now == last
            last = now
            return shot if same else None

        return wait_for(f"{name} to stop changing", steady, timeout=15, interval=0.4)

    def picture(self, name, rect, margin=0):
        """A picture of rect: a window's client area (the frame is Wine's own, not the one the user
        sees), or a menu with what it belongs to."""
        self.no_tooltips()
        rect = on_screen(rect, margin)
        shot = self.shot(name, rect)
        save(shot, rect, name)
        return shot

    def no_tooltips(self):
        """Waits until no tooltip is up, as one shown for a place the pointer left can stay a while."""
        wait_for("no tooltip to be shown", lambda: not any(
            w["visible"] and w["class"].startswith("tooltips") for w in self.session.top_windows()), timeout=5)

    def start(self, **apst):
        files = fixture("first-install")
        files["fank.qdf"] = twips(*BAR_AT)
        files["apst.qdf"] = settings(**apst)
        files["group.qdf"] = groups(GROUP_NAMES)
        files["Shtct.qdf"] = shortcuts(SLOTS)
        self.session.install(files).start()
        self.bar = self.session.wait_settled(MAIN_CAPTION, what="the bar")
        self.session.clear_pointer(self.bar, *self.layout.bare_spot)

    @property
    def layout(self):
        return VERTICAL_BAR if self.bar.client_size == VERTICAL_BAR.size else HORIZONTAL_BAR

    def menus(self):
        return [tuple(m["rect"]) for m in self.session.open_menus()]

    def open_menu(self, point, what):
        # Wine hands the keyboard to a popup menu only while its owner is active; a click on the bar's
        # background activates it.
        self.session.click_window(self.bar, *self.layout.bare_spot)
        self.session.click_window(self.bar, *point, button=3)
        self.session.wait_menus(1, what=what)

    def choose(self, point, downs, what):
        self.open_menu(point, what)
        self.session.keys(*["Down"] * downs, "Return")
        self.session.wait_menus(0, what=f"the menu to close after choosing {what}")

    def dialog(self, caption):
        return self.session.wait_settled(caption, what=f"the window {caption!r}")

    def push(self, caption, prefix):
        """Clicks the button of the window whose text starts with prefix."""
        window = self.session.wait_window(caption, visible=True, children=True)
        rect = next(c["rect"] for c in window.info["children"]
                    if c["class"].lower() == "button" and c["text"].replace("&", "").startswith(prefix))
        self.session.click(rect[0] + rect[2] // 2, rect[1] + rect[3] // 2)

    def message_box(self, name, answer):
        box = self.session.wait_message_box()
        self.session.park_pointer()
        self.picture(name, box.client)
        self.push(BOX_TITLE, answer)
        self.session.wait_gone(BOX_TITLE, cls=BOX_CLASS, what="the message box to close")

    def tools(self, shot, names):
        """Each picture of the toolbar on its own, from a screenshot of the bar."""
        for tool, name in names.items():
            x, y, width, height = self.layout.tools[tool]
            save(shot, (self.bar.client[0] + x, self.bar.client[1] + y, width, height), f"tool-{name}")

    # --- the pictures ---

    def horizontal_bar(self):
        self.start(kido=1, skido=1, sexe=2, wind_top=0, form_style=0, sct_name=0, fom_mov=0)
        shot = self.picture("bar-horizontal", self.bar.window)
        self.tools(shot, {"exit": "exit", "tray": "tray", "settings": "settings", "info": "info",
                          "orientation": "to-vertical", "topmost": "topmost", "fix": "movable"})

    def button_menu(self):
        self.open_menu(self.layout.button(0), "the button menu")
        self.session.keys("Down")
        self.picture("menu-button", union(self.bar.window, *self.menus()), margin=4)
        self.session.keys("Escape")
        self.session.wait_menus(0, what="the button menu to close")

    def group_menu_and_rename(self):
        self.open_menu(self.layout.tab(1), "the group menu")
        self.session.keys("Down")
        self.picture("menu-group", union(self.bar.window, *self.menus()), margin=4)
        self.session.keys("Return")
        self.session.wait_menus(0, what="the group menu to close")
        dialog = self.dialog("グループ名の変更")
        self.session.clear_pointer(dialog, 100, 50)
        self.picture("rename", dialog.client)
        self.push("グループ名の変更", "キャンセル")
        self.session.wait_gone("グループ名の変更")

    def registration(self):
        self.choose(self.layout.button(EMPTY_BUTTON), 1, "登  録")
        dialog = self.dialog("登録")
        self.session.clear_pointer(dialog, 300, 100)
        self.picture("register-empty", dialog.client)
        self.push("登録", "ファイル参照")
        picker = self.session.wait_window("ファイルを開く", visible=True, what="the file dialog")
        self.session.xdotool("type", "--delay", "30", CHOSEN_FILE)
        self.session.keys("Return")
        self.session.wait_gone(picker.caption, what="the file dialog to close")
        wait_for("the chosen file in the dialog",
                 lambda: self.session.window("登録", children=True).texts()[0] == "regedit")
        self.session.clear_pointer(dialog, 300, 100)
        self.picture("register-chosen", dialog.client)
        self.push("登録", "キャンセル")
        self.session.wait_gone("登録")

    def drop_question(self):
        self.session.drag_and_drop(*self.bar.client_point(*self.layout.button(1)), DROPPED_FILE)
        self.message_box("message-drop", "いいえ")

    def delete_question(self):
        self.choose(self.layout.button(0), 3, "削  除")
        self.message_box("message-delete", "いいえ")

    def settings_and_product(self):
        self.session.click_window(self.bar, *self.layout.tool("settings"))
        dialog = self.dialog("設定")
        self.session.clear_pointer(dialog, 2, dialog.client_size[1] - 2)
        self.picture("settings", dialog.client)
        self.session.click_window(dialog, 11, 12)  # its close picture
        self.session.wait_gone("設定")
        self.session.click_window(self.bar, *self.layout.tool("info"))
        window = self.dialog("製品情報")
        self.session.clear_pointer(window, 2, window.client_size[1] - 2)
        self.picture("product", window.client)
        self.session.post_close("製品情報")
        self.session.wait_gone("製品情報")

    def keyboard(self):
        # A fresh start: under Wine without a window manager a closed dialog stays the foreground
        # window, and the bar would not get the keys.
        self.session.end_test()
        self.start(kido=1, skido=1, sexe=2, wind_top=0, form_style=0, sct_name=0, fom_mov=0)
        self.session.click_window(self.bar, *self.layout.bare_spot)  # the bar becomes the active window
        self.session.park_pointer()
        self.session.keys("Right", "Right")  # the ring on button 2
        self.picture("bar-keyboard", self.bar.window)

    def tray_menu(self):
        self.session.click_window(self.bar, *self.layout.tool("tray"))
        wait_for("the bar to go to the tray", lambda: not self.session.window(MAIN_CAPTION).visible)
        tray = self.session.wait_window(TRAY_CAPTION, visible=True, what="Wine's tray window")
        self.session.park_pointer()
        self.picture("tray-icon", (*tray.client[:2], 20, 20))
        self.session.click_tray_icon()
        self.session.wait_menus(1, what="the tray menu")
        self.session.keys("Down", "Right")  # the first group's submenu, its first item selected
        self.session.wait_menus(2, what="the first group's submenu")
        self.picture("menu-tray", union(tray.window, *self.menus()), margin=4)
        self.session.keys("Escape", "Escape")
        self.session.wait_menus(0, what="the tray menu to close")

    def vertical_bar(self):
        self.session.end_test()
        self.start(kido=1, skido=2, sexe=1, wind_top=1, form_style=1, sct_name=1, fom_mov=1)
        shot = self.picture("bar-vertical", self.bar.window)
        self.tools(shot, {"orientation": "to-horizontal", "fix": "fixed", "info": "info-vertical"})


def draw(build):
    IMAGES.mkdir(parents=True, exist_ok=True)
    for old in IMAGES.glob("*.png"):
        old.unlink()
    with tempfile.TemporaryDirectory(prefix="noctaris-guide-") as artifacts:
        session = Session(build, artifacts)
        try:
            session.start()
            # A caret that does not blink: an edit box with the keyboard looks the same in every picture.
            session.wine(["reg", "add", r"HKCU\Control Panel\Desktop", "/v", "CursorBlinkRate", "/t", "REG_SZ",
                          "/d", "-1", "/f"])
            pictures = Pictures(session)
            # The drop comes before every dialog and message box: once the program has closed one, the
            # helper that drags no longer gets the mouse under Wine (the closed window stays the
            # foreground window), and the bar hears the drag's release as a click.
            for step in (pictures.horizontal_bar, pictures.drop_question, pictures.button_menu,
                         pictures.group_menu_and_rename, pictures.registration, pictures.delete_question,
                         pictures.settings_and_product, pictures.tray_menu, pictures.vertical_bar,
                         pictures.keyboard):
                step()
        finally:
            session.close()


# --- the pages -------------------------------------------------------------------

_TOKEN = re.compile(r"//[^\n]*|/\*.*?\*/|'(?:[^'\\\n]|\\.)*'|(?:L|u8)?\"((?:[^\"\\\n]|\\.)*)\"|(\S)", re.S)
_ESCAPES = {"r": "\r", "n": "\n", "t": "\t", "0": "\0"}


def source_texts():
    """Every string literal of the program's source, adjacent literals joined as the compiler joins them."""
    texts = []
    for path in sorted((REPO / "src").rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        joined = None
        for token in _TOKEN.finditer(path.read_text(encoding="utf-8")):
            if token.group(1) is not None:
                text = re.sub(r"\\(.)", lambda m: _ESCAPES.get(m.group(1), m.group(1)), token.group(1))
                joined = text if joined is None else joined + text
            elif token.group(2) is not None and joined is not None:
                texts.append(joined)
                joined = None
    return texts


class _Page(HTMLParser):
    """What a page quotes, the texts of the elements of class msg or ui, each a list of lines with
    the <var> parts left out; the pictures it shows, as (src, width, height); its links and ids."""

    QUOTING = {"msg", "ui"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.quotes = []
        self.pictures = []
        self.links = []
        self.ids = set()
        self._depth = 0
        self._in_var = 0

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if "id" in a:
            self.ids.add(a["id"])
        if tag == "a" and "href" in a:
            self.links.append(a["href"])
        if tag == "img":
            self.pictures.append((a.get("src", ""), a.get("width"), a.get("height")))
            return
        if self._depth:
            if tag == "br":
                self.quotes[-1].append("")
                return
            self._depth += 1
            if tag == "var":
                self._in_var += 1
                self.quotes[-1].append("")
        elif self.QUOTING & set((a.get("class") or "").split()):
            self._depth = 1
            self.quotes.append([""])

    def handle_endtag(self, tag):
        if not self._depth:
            return
        self._depth -= 1
        if tag == "var":
            self._in_var -= 1
            self.quotes[-1].append("")

    def handle_data(self, data):
        if self._depth and not self._in_var:
            self.quotes[-1][-1] += data


def png_size(path):
    width, height = struct.unpack(">II", path.read_bytes()[16:24])
    return width, height


def check_pages():
    """Every quoted line is in the source, every picture exists and is shown at its own size or a
    whole multiple of it (the toolbar's pictures are shown twice as large), and every link between
    the pages leads to a page and a place that exist. Returns the number of problems and prints them."""
    texts = source_texts()
    problems = 0
    count = 0

    def problem(page, what):
        nonlocal problems
        problems += 1
        print(f"{page.relative_to(REPO)}: {what}")

    pages = {}
    for page in sorted(GUIDE.glob("*.html")):
        pages[page.name] = parser = _Page()
        parser.feed(page.read_text(encoding="utf-8"))
    for name, parser in pages.items():
        page = GUIDE / name
        for quote in parser.quotes:
            for line in filter(None, (part.strip() for part in quote)):
                count += 1
                if not any(line in text for text in texts):
                    problem(page, f"not in the program's source: {line!r}")
        for src, width, height in parser.pictures:
            picture = GUIDE / src
            if not picture.is_file():
                problem(page, f"no picture {src}")
                continue
            size = png_size(picture)
            shown = (int(width or 0), int(height or 0))
            scale = shown[0] // size[0]
            if scale < 1 or shown != (size[0] * scale, size[1] * scale):
                problem(page, f"{src} is {size[0]} x {size[1]}, shown as {shown[0]} x {shown[1]}")
        # A link out of the guide (../LICENSE.txt) leads to a file of the ready-to-run folder.
        for link in (link for link in parser.links if not link.startswith("../")):
            target, _, place = link.partition("#")
            target = target or name
            if target not in pages or (place and place not in pages[target].ids):
                problem(page, f"the link {link} leads nowhere")
    print(f"guide pages: {count} quoted lines checked, {problems} problems")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=str(REPO / "build" / "win64"))
    parser.add_argument("--check", action="store_true", help="only check the pages, without Wine")
    args = parser.parse_args()
    if not args.check:
        draw(args.build)
    return 1 if check_pages() else 0


if __name__ == "__main__":
    sys.exit(main())

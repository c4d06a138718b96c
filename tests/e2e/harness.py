"""Runs the Windows build of Noctaris under wine64 on a private X display.

One Session per run owns an Xvfb display, a fresh Wine prefix and its
wineserver; every test starts the program from its own copy of the
ready-to-run folder. Everything started here is stopped by its own process
id (or with `wineserver -k` for this prefix only): other sessions on the
same machine may be running Wine and X servers of their own.
"""

from __future__ import annotations

import atexit
import json
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
import unittest
import sys
from dataclasses import dataclass
from pathlib import Path

# The program's Japanese font names and the IPA fonts Wine draws them with,
# shared with the run script.
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))
from wine_fonts import FONT_REPLACEMENTS, registry_file  # noqa: E402

WINE64 = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver64"

MAIN_CAPTION = "ノクタリス - メイン画面"
BOX_TITLE = "ノクタリス"
BOX_CLASS = "#32770"
MENU_CLASS = "#32768"  # a popup menu's window
TRAY_CAPTION = "Wine System Tray"  # where Wine shows tray icons when no tray exists
DATA_FILES = ("fank.qdf", "apst.qdf", "group.qdf", "Shtct.qdf")

REPO = Path(__file__).resolve().parents[2]
FIXTURES = REPO / "tests" / "fixtures"

SCREEN = (1024, 768)
TWIPS_PER_PIXEL = 15

# The program's font names, drawn with the IPA fonts installed here.


class WaitTimeout(AssertionError):
    """A bounded wait ran out; reported as a test failure, not an error."""


class RunTimeout(KeyboardInterrupt):
    """The whole run took too long. A KeyboardInterrupt so unittest lets it through."""


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


def twips(x_px, y_px):
    """fank.qdf contents that put the bar at this pixel position."""
    return f"{x_px * TWIPS_PER_PIXEL},{y_px * TWIPS_PER_PIXEL}\r\n".encode("ascii")


def settings(kido=1, skido=1, sexe=2, wind_top=0, form_style=0, sct_name=0, fom_mov=0):
    """apst.qdf contents."""
    values = (kido, skido, sexe, wind_top, form_style, sct_name, fom_mov)
    return (",".join(str(v) for v in values) + "\r\n").encode("ascii")


def shortcuts(entries=()):
    """Shtct.qdf contents: (name, path) pairs for the first slots, or {slot: (name, path)}."""
    slots = entries if isinstance(entries, dict) else dict(enumerate(entries))
    rows = (slots.get(slot, ("", "")) for slot in range(100))
    return "".join(f'"{name}","{path}"\r\n' for name, path in rows).encode("cp932")


def groups(names):
    """group.qdf contents: ten tab names."""
    return "".join(f'"{name}"\r\n' for name in names).encode("cp932")


@dataclass(frozen=True)
class BarLayout:
    """Where the bar's parts are: client pixels of their top-left corners and their sizes."""

    size: tuple
    first_button: tuple
    button_step: tuple
    first_tab: tuple
    tab_step: tuple
    tools: dict  # name -> (x, y, width, height)
    bare_spot: tuple  # the bar's own background: no button, tab or tool

    BUTTON = 32
    TAB = (24, 14)

    def button(self, k):
        """The middle of shortcut button k (slot 10 * shown group + k)."""
        return (self.first_button[0] + self.button_step[0] * k + self.BUTTON // 2,
                self.first_button[1] + self.button_step[1] * k + self.BUTTON // 2)

    def tab(self, g):
        return (self.first_tab[0] + self.tab_step[0] * g + self.TAB[0] // 2,
                self.first_tab[1] + self.tab_step[1] * g + self.TAB[1] // 2)

    def tool(self, name):
        x, y, width, height = self.tools[name]
        return x + width // 2, y + height // 2


HORIZONTAL_BAR = BarLayout(
    size=(366, 74), first_button=(23, 23), button_step=(34, 0), first_tab=(60, 4), tab_step=(25, 0),
    tools={"exit": (2, 2, 16, 16), "tray": (22, 3, 16, 16), "settings": (40, 3, 16, 16), "info": (312, 3, 53, 16),
           "orientation": (2, 37, 16, 16), "topmost": (2, 55, 16, 16), "fix": (24, 56, 16, 16)},
    bare_spot=(200, 62))
VERTICAL_BAR = BarLayout(
    size=(67, 366), first_button=(32, 24), button_step=(0, 34), first_tab=(2, 90), tab_step=(0, 17),
    tools={"exit": (2, 2, 16, 16), "orientation": (30, 2, 16, 16), "topmost": (48, 2, 16, 16),
           "settings": (5, 24, 16, 16), "tray": (5, 43, 16, 16), "fix": (5, 65, 16, 16), "info": (1, 333, 29, 31)},
    bare_spot=(14, 300))

# The tray menu: the ten groups, a separator, these commands (with a separator before the last).
TRAY_COMMANDS = ("メイン画面を表示", "設定画面を表示", "バージョン情報", "終了")


def fixture(name):
    """The four data files of a fixture set, as bytes."""
    return {f: (FIXTURES / name / f).read_bytes() for f in DATA_FILES}


def windows_path(path):
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


@dataclass
class Window:
    """What the probe saw of one top-level window."""

    info: dict

    def __getattr__(self, name):
        try:
            return self.info[name]
        except KeyError:
            raise AttributeError(name) from None

    @property
    def position(self):
        return tuple(self.info["window"][:2])

    @property
    def client_size(self):
        return tuple(self.info["client"][2:])

    def client_point(self, x, y):
        """Screen coordinates of a point given relative to the client area."""
        left, top = self.info["client"][:2]
        return left + x, top + y

    def texts(self):
        return [c["text"] for c in self.info.get("children", [])]

    def buttons(self):
        return [c["text"].replace("&", "") for c in self.info.get("children", []) if c["class"].lower() == "button"]

    def button(self, text):
        for child in self.info.get("children", []):
            if child["class"].lower() == "button" and child["text"].replace("&", "") == text:
                return child
        raise AssertionError(f"no button {text!r} in window {self.caption!r}: {self.texts()}")


_MF_POPUP = 0x10
_MF_SEPARATOR = 0x800
_INSERT_MENU = re.compile(r"trace:menu:InsertMenuW hMenu ([0-9A-Fa-f]+), pos -?\d+, flags ([0-9A-Fa-f]+), "
                          r"id ([0-9A-Fa-f]+), str (L\"(?:[^\"\\]|\\.)*\"|[^\r\n]*)")


def _wine_string(traced):
    """The text of a string as Wine's debug output writes it: L"..." with \\xxxx for anything outside ASCII."""
    if not traced.startswith('L"'):
        return None
    body, out, i = traced[2:-1], [], 0
    while i < len(body):
        c = body[i]
        if c != "\\":
            out.append(c)
            i += 1
        elif body[i + 1] in "nrt\"\\":
            out.append({"n": "\n", "r": "\r", "t": "\t"}.get(body[i + 1], body[i + 1]))
            i += 2
        else:
            out.append(chr(int(body[i + 1:i + 5], 16)))
            i += 5
    return "".join(out)


class Program:
    """One started copy of Noctaris.exe (the wine64 process is the Windows process)."""

    def __init__(self, popen, log_path):
        self.popen = popen
        self.pid = popen.pid
        self.log_path = log_path

    @property
    def running(self):
        return self.popen.poll() is None

    def wait_exit(self, timeout=10.0, what="the program to end"):
        try:
            return self.popen.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise WaitTimeout(f"timed out after {timeout:g} s waiting for {what} (pid {self.pid})") from None

    def log_size(self):
        """Where the log ends now: pass it to menus_built() to see only what comes later."""
        return self.log_path.stat().st_size

    def menus_built(self, since=0):
        """The popup menus the program built after log offset since (started with trace_menus).

        Wine cannot read another process's menus, so they are rebuilt here
        from its trace of every InsertMenuW call. Each menu is a list whose
        entries are "-" (a separator), a caption, or (caption, entries) for a
        submenu. Submenus are built before the item that holds them."""
        with open(self.log_path, "rb") as log:
            log.seek(since)
            text = log.read().decode("ascii", errors="replace")
        pending = {}  # menu handle -> entries, until a parent takes it
        for match in _INSERT_MENU.finditer(text):
            handle, flags, item_id, caption = match.group(1), int(match.group(2), 16), match.group(3), match.group(4)
            entries = pending.setdefault(int(handle, 16), [])
            if flags & _MF_SEPARATOR:
                entries.append("-")
            elif flags & _MF_POPUP:
                entries.append((_wine_string(caption), pending.pop(int(item_id, 16), [])))
            else:
                entries.append(_wine_string(caption))
        return list(pending.values())

    def kill(self):
        if self.running:
            os.kill(self.pid, signal.SIGKILL)
        try:
            self.popen.wait(timeout=10)
        except subprocess.TimeoutExpired:
            pass


class Install:
    """A private copy of the ready-to-run folder with its own Data files."""

    def __init__(self, session, root):
        self.session = session
        self.root = root
        self.exe = root / "Noctaris.exe"
        self.data_dir = root / "Data"
        self.programs = []

    def write_data(self, files):
        """files: name -> bytes; a value of None removes that file."""
        for name, contents in files.items():
            path = self.data_dir / name
            if contents is None:
                path.unlink(missing_ok=True)
            else:
                path.write_bytes(contents)

    def read_data(self, name):
        return (self.data_dir / name).read_bytes()

    def read_lines(self, name):
        """A data file as text lines (CP932, CR LF)."""
        return self.read_data(name).decode("cp932").split("\r\n")[:-1]

    def add_launch_target(self, name="target.exe"):
        """A copy of noctaris-marker outside the program folder; returns its Windows path.

        Each start of it appends one JSON line to marker.txt in its folder."""
        folder = self.root.parent / "targets"
        folder.mkdir(exist_ok=True)
        shutil.copy(self.session.marker_exe, folder / name)
        return windows_path(folder / name)

    def launched(self):
        """The file names of the targets started so far, oldest first."""
        return [entry["cmdline"].strip('"').rsplit("\\", 1)[-1] for entry in self.launches()]

    def wait_launched(self, *names, timeout=10.0, settle=0.5):
        """Waits until exactly these targets were started, in this order, and nothing more follows.

        settle: how long nothing more may be started afterwards; a launch that
        should not have happened comes from an earlier input than the last
        awaited one, so it has had longer than that to show."""
        expected = list(names)
        try:
            wait_for("launches", lambda: len(self.launched()) >= len(expected), timeout=timeout)
        except WaitTimeout:
            raise WaitTimeout(f"timed out after {timeout:g} s waiting for the launches {expected}; "
                              f"got {self.launched()}") from None
        time.sleep(settle)
        launched = self.launched()
        if launched != expected:
            raise AssertionError(f"expected the launches {expected}, got {launched}")
        return self.launches()

    def launches(self):
        """What the launch targets recorded, oldest first."""
        marker = self.root.parent / "targets" / "marker.txt"
        if not marker.exists():
            return []
        return [json.loads(line) for line in marker.read_text(encoding="ascii").splitlines() if line]

    def wait_launches(self, count, timeout=10.0):
        return wait_for(f"{count} launch(es) of the targets", lambda: len(self.launches()) >= count and self.launches(),
                        timeout=timeout)

    def snapshot(self):
        """Every file in Data with its bytes and modification time."""
        return {p.name: (p.read_bytes(), p.stat().st_mtime_ns) for p in sorted(self.data_dir.iterdir())}

    def age_data(self, seconds=86400 * 400):
        """Backdates the data files, so that a rewrite shows in the times even within one clock tick."""
        when = time.time() - seconds
        for p in self.data_dir.iterdir():
            os.utime(p, (when, when))

    def start(self, *args, trace_menus=False):
        """trace_menus: Wine logs every menu item the program builds, for Program.menus_built()."""
        self.session.park_pointer()
        log_path = self.session.log_path(f"program-{len(self.programs) + 1}")
        env = self.session.env
        if trace_menus:
            env = {**env, "WINEDEBUG": "-all,trace+menu"}
        with open(log_path, "wb") as log:
            popen = subprocess.Popen([WINE64, str(self.exe), *args], cwd=self.root, env=env,
                                     stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
        program = Program(popen, log_path)
        self.programs.append(program)
        return program

    def stop_all(self):
        for program in self.programs:
            program.kill()


class Session:
    def __init__(self, build_dir, artifacts_dir):
        self.build_dir = Path(build_dir).resolve()
        self.dist_dir = self.build_dir / "Noctaris"
        self.probe_exe = self.build_dir / "tests" / "e2e" / "noctaris-probe.exe"
        self.marker_exe = self.build_dir / "tests" / "e2e" / "noctaris-marker.exe"
        self.artifacts = Path(artifacts_dir).resolve()
        self.tmp = None
        self.display = None
        self.xvfb = None
        self.wineserver = None
        self.keeper = None
        self.env = None
        self.current_test = "session"
        self._installs = []
        self._closed = False

    # --- setting up and tearing down -----------------------------------

    def start(self):
        for path in (self.dist_dir / "Noctaris.exe", self.probe_exe, self.marker_exe):
            if not path.is_file():
                raise FileNotFoundError(f"{path} is missing: build the win64 preset first")
        atexit.register(self.close)
        self.artifacts.mkdir(parents=True, exist_ok=True)
        self.tmp = Path(tempfile.mkdtemp(prefix="noctaris-e2e-"))
        self._start_xvfb()
        prefix = self.tmp / "prefix"
        prefix.mkdir()
        self.env = {
            **{k: v for k, v in os.environ.items() if not k.startswith(("WINE", "LC_"))},
            "DISPLAY": f":{self.display}",
            "WINEPREFIX": str(prefix),
            "WINESERVER": WINESERVER,
            "WINEDEBUG": "-all",
            # No Mono or Gecko installer dialogs while the prefix is made.
            "WINEDLLOVERRIDES": "mscoree=;mshtml=",
            "LANG": "ja_JP.UTF-8",
            "LC_ALL": "ja_JP.UTF-8",
        }
        # Our own persistent server: stays up between tests (faster starts)
        # and its pid is ours to stop.
        self.wineserver = subprocess.Popen([WINESERVER, "-f", "-p"], env=self.env, stdin=subprocess.DEVNULL,
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wine(["wineboot", "-i"], timeout=120)
        self._register_fonts()
        # Wine stops its desktop and services some seconds after the last
        # program ends; the next program then starts without a tray and
        # stalls. A console waiting on a pipe that we hold keeps them up,
        # as a real desktop always is.
        self.keeper = subprocess.Popen([WINE64, "cmd", "/k"], env=self.env, stdin=subprocess.PIPE,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def _start_xvfb(self):
        for n in range(90, 121):
            if Path(f"/tmp/.X{n}-lock").exists() or Path(f"/tmp/.X11-unix/X{n}").exists():
                continue
            xvfb = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
                                     "-nolisten", "tcp", "-br"],
                                    stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            socket = Path(f"/tmp/.X11-unix/X{n}")
            deadline = time.monotonic() + 10
            while xvfb.poll() is None and not socket.exists() and time.monotonic() < deadline:
                time.sleep(0.05)
            if xvfb.poll() is None and socket.exists():
                self.xvfb, self.display = xvfb, n
                return
            # Another server took this display first.
            if xvfb.poll() is None:
                xvfb.kill()
            xvfb.wait()
        raise RuntimeError("no free X display in :90..:120")

    def _register_fonts(self):
        reg = self.tmp / "fonts.reg"
        reg.write_bytes(registry_file())
        self.wine(["regedit", "/S", windows_path(reg)])

        exported = self.tmp / "fonts-check.reg"
        self.wine(["reg", "export", r"HKCU\Software\Wine\Fonts\Replacements", windows_path(exported), "/y"])
        text = exported.read_bytes().decode("utf-16")
        missing = [name for name, face in FONT_REPLACEMENTS.items() if f'"{name}"="{face}"' not in text]
        if missing:
            raise RuntimeError(f"font replacements did not reach the registry: {missing}\n{text}")

    def close(self):
        if self._closed or self.tmp is None:
            return
        self._closed = True
        try:
            for install in self._installs:
                install.stop_all()
            if self.keeper is not None and self.keeper.poll() is None:
                self.keeper.kill()
                self.keeper.wait(timeout=10)
            if self.wineserver is not None:
                # -k stops the server of this prefix and every process in it.
                try:
                    subprocess.run([WINESERVER, "-k"], env=self.env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30, check=False)
                finally:
                    _stop(self.wineserver)
        finally:
            if self.xvfb is not None:
                _stop(self.xvfb)
            shutil.rmtree(self.tmp, ignore_errors=True)

    # --- per test --------------------------------------------------------

    def install(self, files):
        """A fresh copy of the ready-to-run folder holding exactly these data files."""
        root = Path(tempfile.mkdtemp(prefix="install-", dir=self.tmp)) / "Noctaris"
        shutil.copytree(self.dist_dir, root)
        for old in (root / "Data").iterdir():
            old.unlink()
        install = Install(self, root)
        install.write_data(files)
        self._installs.append(install)
        return install

    def end_test(self):
        for install in self._installs:
            install.stop_all()
            shutil.rmtree(install.root.parent, ignore_errors=True)
        self._installs.clear()
        # Gone windows take their tray icons with them; the next test starts without any.
        wait_for("the tray icons of the last test to go away", lambda: not self.tray_shown(), timeout=10)

    def log_path(self, stem):
        folder = self.artifacts / "logs"
        folder.mkdir(parents=True, exist_ok=True)
        return folder / f"{self.current_test}-{stem}.log"

    # --- Windows side ----------------------------------------------------

    def wine(self, args, timeout=30, check=True):
        """Runs a Windows program to its end; returns (exit code, stdout bytes).

        Output goes through files, not pipes: a program that starts Wine's
        background services hands them its pipes, which then never close."""
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            try:
                code = subprocess.run([WINE64, *map(str, args)], env=self.env, stdin=subprocess.DEVNULL,
                                      stdout=out, stderr=err, timeout=timeout).returncode
            except subprocess.TimeoutExpired:
                raise WaitTimeout(f"wine64 {' '.join(map(str, args))} did not finish within {timeout} s") from None
            out.seek(0)
            err.seek(0)
            stdout, stderr = out.read(), err.read()
        if check and code != 0:
            raise RuntimeError(f"wine64 {args} failed ({code}): {stderr.decode(errors='replace')}")
        return code, stdout

    def _probe(self, args, timeout):
        code, stdout = self.wine([self.probe_exe, *args], timeout=timeout, check=False)
        text = stdout.decode("ascii", errors="replace").strip()
        try:
            return json.loads(text.splitlines()[-1])
        except (ValueError, IndexError):
            raise RuntimeError(f"probe {args} ended with {code} and printed {text!r}") from None

    def window(self, caption, cls=None, visible=False, wait=0.0, children=False):
        """The first top-level window with exactly this caption, or None.

        visible: only a shown window counts (a message box is laid out by then).
        wait: seconds to keep looking. The probe reports a found window once
        its program has first waited for input, so past its start-up steps."""
        args = ["info", caption, "--wait", str(int(wait * 1000))]
        if cls:
            args += ["--class", cls]
        if visible:
            args.append("--visible")
        info = self._probe(args, timeout=wait + 30)
        if not info.get("found"):
            return None
        if not children:
            info.pop("children", None)
        return Window(info)

    def wait_window(self, caption, cls=None, visible=False, timeout=20.0, children=False, what=None):
        found = self.window(caption, cls=cls, visible=visible, wait=timeout, children=children)
        if found is None:
            listing = self._probe(["list"], timeout=30)
            raise WaitTimeout(f"timed out after {timeout:g} s waiting for {what or f'window {caption!r}'}; "
                              f"top-level windows: {[w['caption'] for w in listing if w['caption']]}")
        return found

    def wait_settled(self, caption, timeout=20.0, what=None):
        """The window once two readings in a row agree: a program that has
        just started may still show, hide or move it."""
        what = what or f"window {caption!r}"
        last = self.wait_window(caption, timeout=timeout, what=what)
        keys = ("hwnd", "visible", "topmost", "window", "client", "style", "exstyle")

        def steady():
            nonlocal last
            now = self.window(caption)
            same = now is not None and all(now.info[k] == last.info[k] for k in keys)
            last = now or last
            return now if same else None

        return wait_for(f"{what} to settle", steady, timeout=timeout, interval=0.3)

    def wait_gone(self, caption, cls=None, timeout=10.0, what=None):
        """Waits until no shown window has this caption."""
        wait_for(what or f"window {caption!r} to go away",
                 lambda: self.window(caption, cls=cls, visible=True) is None, timeout=timeout, interval=0.2)

    def wait_message_box(self, timeout=20.0):
        return self.wait_window(BOX_TITLE, cls=BOX_CLASS, visible=True, timeout=timeout, children=True,
                                what=f"a message box titled {BOX_TITLE!r}")

    def post_close(self, caption):
        result = self._probe(["close", caption], timeout=30)
        if not result.get("posted"):
            raise AssertionError(f"could not post WM_CLOSE to {caption!r}: {result}")

    def tray_shown(self):
        tray = self.window(TRAY_CAPTION)
        return tray is not None and tray.visible

    # --- popup menus and the tray icon ------------------------------------

    def top_windows(self):
        """Every top-level window: hwnd, caption, class, visible."""
        return self._probe(["list"], timeout=30)

    def open_menus(self):
        """The popup menus (and submenus) on the screen now."""
        return [w for w in self.top_windows() if w["class"] == MENU_CLASS and w["visible"]]

    def wait_menus(self, count, timeout=10.0, what=None):
        """Waits until exactly count popup menus are open."""
        def settled():
            return len(self.open_menus()) == count

        wait_for(what or f"{count} open menu(s)", settled, timeout=timeout, interval=0.2)

    def keys(self, *names):
        """Key presses for whatever has the keyboard (an open menu takes it)."""
        self.xdotool("key", "--delay", "60", *names)

    def choose_tray_command(self, command):
        """Opens the tray menu with a left click and chooses one of TRAY_COMMANDS with the keyboard."""
        self.click_tray_icon()
        self.wait_menus(1, what="the tray menu")
        # Down from nothing selected: the ten groups, then the commands (separators are skipped).
        self.keys(*["Down"] * (10 + TRAY_COMMANDS.index(command) + 1), "Return")
        self.wait_menus(0, what=f"the tray menu to close after choosing {command}")

    def choose_tray_slot(self, slot):
        """Opens the tray menu and chooses the item of this slot in its group's submenu."""
        group, k = divmod(slot, 10)
        self.click_tray_icon()
        self.wait_menus(1, what="the tray menu")
        # Right opens the group's submenu with its first item selected.
        self.keys(*["Down"] * (group + 1), "Right")
        self.wait_menus(2, what=f"the submenu of group {group + 1}")
        self.keys(*["Down"] * k, "Return")
        self.wait_menus(0, what=f"the tray menu to close after choosing slot {slot}")

    def click_tray_icon(self, button=1):
        """A click on the program's icon in Wine's tray window (the only icon there)."""
        tray = self.wait_window(TRAY_CAPTION, visible=True, what="Wine's tray window")
        # The icons sit in a row in the client area; the first fills its top-left 20 x 20.
        self.click(*tray.client_point(10, 10), button=button)

    # --- X side ----------------------------------------------------------

    def xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool", *map(str, args)], env=self.env, stdin=subprocess.DEVNULL,
                                capture_output=True, text=True, timeout=30)
        if check and result.returncode != 0:
            raise RuntimeError(f"xdotool {args} failed: {result.stderr.strip()}")
        return result.stdout

    def x_windows(self, caption, only_visible=True):
        """X window ids whose name is exactly caption."""
        pattern = "^" + "".join("\\" + c if c in ".^$*+?()[]{}|\\" else c for c in caption) + "$"
        args = ["search", "--onlyvisible"] if only_visible else ["search"]
        out = self.xdotool(*args, "--name", pattern, check=False)
        return [int(line) for line in out.split()]

    def x_geometry(self, xid):
        out = self.xdotool("getwindowgeometry", "--shell", xid)
        values = dict(line.split("=", 1) for line in out.split())
        return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def click(self, x, y, button=1):
        """A real click at a screen position."""
        self.xdotool("mousemove", x, y)
        # Wine takes a moment to see the pointer arrive before it takes the press as meant for that window.
        time.sleep(0.2)
        self.xdotool("click", button)

    def click_window(self, window, x, y, button=1):
        """A click at a position relative to the window's client area."""
        self.click(*window.client_point(x, y), button=button)

    def double_click_window(self, window, x, y):
        self.xdotool("mousemove", *window.client_point(x, y))
        time.sleep(0.2)
        self.xdotool("click", "--repeat", 2, "--delay", 80, 1)

    def drag_window(self, window, x, y, dx, dy, step=3):
        """Presses the left button at client (x, y), moves by (dx, dy), releases.

        The pointer moves in small steps, as a hand does. Under Wine without a
        window manager a window that is moved by the system for the first time
        is remapped and loses the pointer grab; a pointer that stays over it
        keeps reaching it."""
        start_x, start_y = window.client_point(x, y)
        self.xdotool("mousemove", start_x, start_y)
        time.sleep(0.2)
        self.xdotool("mousedown", 1)
        time.sleep(0.2)
        steps = max(1, -(-max(abs(dx), abs(dy)) // step))
        chain = []
        for i in range(1, steps + 1):
            chain += ["mousemove", start_x + dx * i // steps, start_y + dy * i // steps, "sleep", "0.03"]
        try:
            self.xdotool(*chain)
            time.sleep(0.2)
        finally:
            self.xdotool("mouseup", 1)

    def park_pointer(self):
        """Keeps the pointer off the places where windows appear."""
        # Not --sync: that waits forever when the pointer is there already.
        self.xdotool("mousemove", SCREEN[0] - 1, SCREEN[1] - 1)

    def dismiss(self, box, button="OK", timeout=15.0):
        """Clicks a message box's button until the box is gone.

        Under Wine without a window manager a click that arrives while a box
        is still being activated can be lost; clicking a closed box's place
        again does nothing, so a retry cannot hide a fault."""
        rect = box.button(button)["rect"]
        deadline = time.monotonic() + timeout
        while True:
            self.click(rect[0] + rect[2] // 2, rect[1] + rect[3] // 2)
            try:
                self.wait_gone(box.caption, cls=box.info["class"], timeout=3.0)
                return
            except WaitTimeout:
                if time.monotonic() >= deadline:
                    raise WaitTimeout(f"timed out after {timeout:g} s waiting for message box "
                                      f"{box.caption!r} to close after clicking {button}") from None

    def clear_pointer(self, window, x, y):
        """Before a screenshot: rests the pointer on a spot of window without a tooltip, then parks it.

        A tooltip shown for a place the pointer jumped away from can stay up
        for a while; passing over the bare spot first takes it down."""
        self.xdotool("mousemove", *window.client_point(x, y))
        time.sleep(0.2)
        self.park_pointer()
        deadline = time.monotonic() + 3
        while time.monotonic() < deadline and any(
                w["visible"] and w["class"].startswith("tooltips") for w in self.top_windows()):
            time.sleep(0.2)

    def screenshot(self, name):
        path = self.artifacts / f"{name}.png"
        subprocess.run(["import", "-display", f":{self.display}", "-window", "root", str(path)],
                       stdin=subprocess.DEVNULL, capture_output=True, timeout=30, check=True)
        return path

    def screenshot_painted(self, name, rect, timeout=10.0):
        """A screenshot taken once rect shows more than one flat colour."""
        def painted():
            shot = self.screenshot(name)
            return shot if self.region_stats(shot, rect)[1] > 0.05 else None

        return wait_for(f"{rect} to be painted (see {name}.png)", painted, timeout=timeout, interval=0.3)

    def region_stats(self, png, rect):
        """Mean and standard deviation (0..1) of the screenshot inside rect, clipped to the screen."""
        left, top, width, height = rect
        x0, y0 = max(left, 0), max(top, 0)
        x1, y1 = min(left + width, SCREEN[0]), min(top + height, SCREEN[1])
        result = subprocess.run(["convert", str(png), "-crop", f"{x1 - x0}x{y1 - y0}+{x0}+{y0}", "+repage",
                                 "-colorspace", "Gray", "-format", "%[fx:mean] %[fx:standard_deviation]", "info:"],
                                capture_output=True, text=True, timeout=30, check=True)
        mean, deviation = result.stdout.split()
        return float(mean), float(deviation)


def _stop(popen):
    if popen.poll() is None:
        popen.terminate()
        try:
            popen.wait(timeout=10)
        except subprocess.TimeoutExpired:
            popen.kill()
            popen.wait()


_session: Session | None = None


def set_session(session):
    global _session
    _session = session


class NoctarisTestCase(unittest.TestCase):
    """Gives each test the run's session and stops what the test started."""

    def setUp(self):
        if _session is None:
            raise unittest.SkipTest("run the e2e tests through tests/e2e/run.py")
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

"""One started copy of Noctaris.exe, and the popup menus it built as Wine's trace shows them."""

import os
import re
import signal
import subprocess
import sys
from pathlib import Path

from waiting import WaitTimeout

# The Wine loaders, shared with the scripts.
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))
from wine_loader import WINE64, architecture, loader_for  # noqa: E402,F401

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
    """One started copy of Noctaris.exe (the Wine loader's process is the Windows process)."""

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
        """The popup menus the program built after log offset since (started with trace="trace+menu").

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

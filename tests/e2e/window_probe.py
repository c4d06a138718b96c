"""The program's windows as the probe (a small Windows program) reads them: find, wait, close."""

import json
from dataclasses import dataclass

from waiting import WaitTimeout, wait_for

MAIN_CAPTION = "ノクタリス - メイン画面"
BOX_TITLE = "ノクタリス"
BOX_CLASS = "#32770"
MENU_CLASS = "#32768"  # a popup menu's window
TRAY_CAPTION = "Wine System Tray"  # where Wine shows tray icons when no tray exists


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


class WindowQueries:
    """The Session's look at the Windows side; it runs the probe with the Session's wine()."""

    def _probe(self, args, timeout):
        # Under load Wine has once ended the probe before it printed anything;
        # a query that only looks is safe to try once more.
        for _ in range(1 if args[0] == "close" else 2):
            code, stdout = self.wine([self.probe_exe, *args], timeout=timeout, check=False)
            text = stdout.decode("ascii", errors="replace").strip()
            if text:
                break
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
            listing = self.top_windows()
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

    def post_close(self, caption, cls=None, visible=False):
        args = ["close", caption, *(["--class", cls] if cls else []), *(["--visible"] if visible else [])]
        result = self._probe(args, timeout=30)
        if not result.get("posted"):
            raise AssertionError(f"could not post WM_CLOSE to {caption!r}: {result}")

    def startup_shortcut(self, name):
        """The shell link of this name in the user's Startup folder, as the shell reads it:
        found, and then target and workdir."""
        return self._probe(["shortcut", name], timeout=30)

    def tray_shown(self):
        tray = self.window(TRAY_CAPTION)
        return tray is not None and tray.visible

    def top_windows(self):
        """Every top-level window: hwnd, caption, class, visible, rect (screen: left, top, width, height)."""
        return self._probe(["list"], timeout=30)

    def open_menus(self):
        """The popup menus (and submenus) on the screen now."""
        return [w for w in self.top_windows() if w["class"] == MENU_CLASS and w["visible"]]

    def wait_menus(self, count, timeout=10.0, what=None):
        """Waits until exactly count popup menus are open."""
        def settled():
            return len(self.open_menus()) == count

        wait_for(what or f"{count} open menu(s)", settled, timeout=timeout, interval=0.2)

"""What a user does, through xdotool on the session's display: clicks, drags, keys, the tray menu."""

import json
import time

from waiting import WaitTimeout
from window_probe import TRAY_CAPTION
from x_display import SCREEN

# The tray menu: the ten groups, a separator, these commands (with a separator before the last).
TRAY_COMMANDS = ("メイン画面を表示", "設定画面を表示", "バージョン情報", "終了")


class UserInput:
    """The Session's hands; it needs the Session's xdotool() and window queries."""

    def click(self, x, y, button=1):
        """A real click at a screen position."""
        self.xdotool("mousemove", x, y)
        # Wine takes a moment to see the pointer arrive before it takes the press as meant for that window.
        time.sleep(0.2)
        self.xdotool("click", button)

    def click_window(self, window, x, y, button=1):
        """A click at a position relative to the window's client area."""
        self.click(*window.client_point(x, y), button=button)

    def choose_from_menu(self, window, bare_spot, point, downs, what):
        """Right-clicks the window's point and chooses the popup menu's item that many steps down."""
        # Wine hands the keyboard to a popup menu only while its owner is active; a click on the
        # window's bare background activates it.
        self.click_window(window, *bare_spot)
        self.click_window(window, *point, button=3)
        self.wait_menus(1, what=f"the menu for {what}")
        self.keys(*["Down"] * downs, "Return")
        self.wait_menus(0, what=f"the menu to close after choosing {what}")

    def push(self, dialog, text):
        """Clicks the dialog's button with this caption."""
        rect = dialog.button(text)["rect"]
        self.click(rect[0] + rect[2] // 2, rect[1] + rect[3] // 2)

    def retype(self, dialog, index, text):
        """Replaces the text of the dialog's edit box number index (0 is the first) by typing."""
        edit = [c for c in dialog.info["children"] if c["class"] == "Edit"][index]
        x, y, width, height = edit["rect"]
        self.click(x + width // 2, y + height // 2)
        self.keys("ctrl+a")
        self.xdotool("type", "--delay", "40", text)

    def double_click_window(self, window, x, y):
        self.xdotool("mousemove", *window.client_point(x, y))
        time.sleep(0.2)
        self.xdotool("click", "--repeat", 2, "--delay", 80, 1)

    def drag_window(self, window, x, y, dx, dy):
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
        steps = max(1, -(-max(abs(dx), abs(dy)) // 3))  # 3 pixels a step
        chain = []
        for i in range(1, steps + 1):
            chain += ["mousemove", start_x + dx * i // steps, start_y + dy * i // steps, "sleep", "0.03"]
        try:
            self.xdotool(*chain)
            time.sleep(0.2)
        finally:
            self.xdotool("mouseup", 1)

    def keys(self, *names):
        """Key presses for whatever has the keyboard (an open menu takes it)."""
        self.xdotool("key", "--delay", "60", *names)

    def park_pointer(self):
        """Keeps the pointer off the places where windows appear."""
        # Not --sync: that waits forever when the pointer is there already.
        self.xdotool("mousemove", SCREEN[0] - 1, SCREEN[1] - 1)

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

    def dismiss(self, box, timeout=15.0):
        """Clicks a message box's OK button until the box is gone.

        Under Wine without a window manager a click that arrives while a box
        is still being activated can be lost; clicking a closed box's place
        again does nothing, so a retry cannot hide a fault."""
        rect = box.button("OK")["rect"]
        deadline = time.monotonic() + timeout
        while True:
            self.click(rect[0] + rect[2] // 2, rect[1] + rect[3] // 2)
            try:
                self.wait_gone(box.caption, cls=box.info["class"], timeout=3.0)
                return
            except WaitTimeout:
                if time.monotonic() >= deadline:
                    raise WaitTimeout(f"timed out after {timeout:g} s waiting for message box "
                                      f"{box.caption!r} to close after clicking OK") from None

    def click_tray_icon(self, button=1):
        """A click on the program's icon in Wine's tray window (the only icon there)."""
        tray = self.wait_window(TRAY_CAPTION, visible=True, what="Wine's tray window")
        # The icons sit in a row in the client area; the first fills its top-left 20 x 20.
        self.click(*tray.client_point(10, 10), button=button)

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

    def drag_and_drop(self, x, y, *paths):
        """Another program drags files from a window of its own and drops them at screen (x, y).

        Returns what its DoDragDrop reported: {"dropped": bool, "effect": the DROPEFFECT the target chose}."""
        _, stdout = self.wine([self.dragger_exe, x, y, *paths], timeout=30, check=False)
        report = json.loads(stdout.decode("ascii", errors="replace").strip().splitlines()[-1])
        if "error" in report:
            raise AssertionError(f"the drag did not happen: {report['error']}")
        return report

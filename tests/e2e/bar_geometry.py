"""Where the parts of the horizontal and the vertical bar are, in client pixels."""

from dataclasses import dataclass


def scaled(design, dpi):
    """Design pixels (those of a 96-dpi screen) in device pixels at dpi; halves go
    to the even neighbour, as in the program (and in Python's round)."""
    return round(design * dpi / 96)


@dataclass(frozen=True)
class BarLayout:
    """Where the bar's parts are: client pixels of their top-left corners and their sizes."""

    size: tuple
    twips: tuple  # the window's size as the program sets it
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

    def size_at(self, dpi):
        return tuple(round(t * dpi / 1440) for t in self.twips)

    def button_rect(self, k, dpi=96):
        """Shortcut button k in device pixels: (left, top, width, height)."""
        left = self.first_button[0] + self.button_step[0] * k
        top = self.first_button[1] + self.button_step[1] * k
        return scaled(left, dpi), scaled(top, dpi), scaled(self.BUTTON, dpi), scaled(self.BUTTON, dpi)


HORIZONTAL_BAR = BarLayout(
    size=(366, 74), twips=(5490, 1110), first_button=(23, 23), button_step=(34, 0), first_tab=(60, 4), tab_step=(25, 0),
    tools={"exit": (2, 2, 16, 16), "tray": (22, 3, 16, 16), "settings": (40, 3, 16, 16), "info": (312, 3, 53, 16),
           "orientation": (2, 37, 16, 16), "topmost": (2, 55, 16, 16), "fix": (24, 56, 16, 16)},
    bare_spot=(200, 62))
VERTICAL_BAR = BarLayout(
    size=(67, 366), twips=(1010, 5490), first_button=(32, 24), button_step=(0, 34), first_tab=(2, 90), tab_step=(0, 17),
    tools={"exit": (2, 2, 16, 16), "orientation": (30, 2, 16, 16), "topmost": (48, 2, 16, 16),
           "settings": (5, 24, 16, 16), "tray": (5, 43, 16, 16), "fix": (5, 65, 16, 16), "info": (1, 333, 29, 31)},
    bare_spot=(14, 300))

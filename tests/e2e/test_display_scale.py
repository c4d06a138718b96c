"""The bar at every display scale: full size, with every shell icon whole
inside its button, and sharp: its pictures are the drawings made for that
scale, not stretched ones."""

from pathlib import Path

from bar_geometry import HORIZONTAL_BAR, VERTICAL_BAR, scaled
from data_files import fixture, settings, shortcuts, twips
from noctaris_case import NoctarisTestCase
from x_display import pixels

ASSETS = Path(__file__).resolve().parents[2] / "assets"
RED, GREEN = (255, 0, 0), (0, 160, 0)
BORDER = (8, 10, 24)  # the bar's outer edge, which the program also paints behind its picture
INFO_LINE = (46, 58, 315, 12)  # the horizontal bar's info text, drawn over its picture
SCALES = (96, 120, 144, 192)


def near(colour, expected, slack=40):
    return all(abs(a - b) <= slack for a, b in zip(colour, expected))


def art(name, design_size, dpi):
    """The committed drawing of a picture for dpi, as rows of (r, g, b)."""
    return pixels(ASSETS / str(dpi * 100 // 96) / f"{name}.png", (0, 0, *(scaled(v, dpi) for v in design_size)))


def device(rect, dpi):
    return tuple(scaled(v, dpi) for v in rect)


def controls(layout):
    """Every control drawn over the bar's picture, in design pixels."""
    yield from layout.tools.values()
    for g in range(10):
        yield (layout.first_tab[0] + layout.tab_step[0] * g, layout.first_tab[1] + layout.tab_step[1] * g, *layout.TAB)
    for k in range(10):
        yield (layout.first_button[0] + layout.button_step[0] * k, layout.first_button[1] + layout.button_step[1] * k,
               layout.BUTTON, layout.BUTTON)
    if layout is HORIZONTAL_BAR:
        yield INFO_LINE


class DisplayScaleTests(NoctarisTestCase):
    def check_bar(self, layout, form_style, place, dpi):
        self.session.set_dpi(dpi)
        self.addCleanup(self.session.set_dpi, 96)
        install = self.session.install(fixture("first-install"))
        # The marker's icon is a green square framed in red at every size.
        target = install.add_launch_target("framed.exe")
        install.write_data({"apst.qdf": settings(form_style=form_style), "fank.qdf": twips(*place),
                            "Shtct.qdf": shortcuts({k: ("枠", target) for k in (0, 9)})})
        install.start()
        bar = self.wait_bar()
        self.assertEqual(tuple(bar.window[2:]), layout.size_at(dpi), "the bar's outer size")
        shot = self.session.screenshot_painted(f"bar-{form_style}-at-{dpi}-dpi",
                                               (*bar.client_point(0, 0), *layout.size_at(dpi)))
        for k in (0, 9):
            left, top, size, _ = layout.button_rect(k, dpi)
            face = pixels(shot, (*bar.client_point(left, top), size, size))
            edges = {"top": face[0], "bottom": face[-1], "left": [row[0] for row in face],
                     "right": [row[-1] for row in face]}
            for edge, line in edges.items():
                self.assertGreater(sum(near(p, RED) for p in line), size * 3 // 4,
                                   f"button {k}: the icon's {edge} frame is not at the button's edge")
            self.assertTrue(near(face[size // 2][size // 2], GREEN), f"button {k}'s middle")

        screen = pixels(shot, (*bar.client_point(0, 0), *layout.size_at(dpi)))
        # The picture is its drawing for this scale wherever no control covers it; where the
        # window is a rounding wider than the picture, the border goes on.
        background = art(("YokoHome", "TateHome")[form_style], layout.size, dpi)
        covered = [device(rect, dpi) for rect in controls(layout)]
        wrong = [(x, y) for y, row in enumerate(screen) for x, colour in enumerate(row)
                 if not any(cx <= x < cx + cw and cy <= y < cy + ch for cx, cy, cw, ch in covered)
                 and colour != (background[y][x] if y < len(background) and x < len(background[y]) else BORDER)]
        self.assertEqual(len(wrong), 0, f"pixels of the bar's picture that differ from its drawing, first {wrong[:3]}")
        # So are the pictures of the controls: the shown tab and the next, edges and all.
        for g, name in ((0, "BtF0"), (1, "BtB1")):
            x, y, w, h = device((layout.first_tab[0] + layout.tab_step[0] * g,
                                 layout.first_tab[1] + layout.tab_step[1] * g, *layout.TAB), dpi)
            self.assertEqual([row[x:x + w] for row in screen[y:y + h]], art(name, layout.TAB, dpi), f"tab {g}")

    def test_scales(self):
        # Places where even the bar at 200 % fits on the 1024 x 768 screen, clear of Wine's tray window.
        shapes = ((HORIZONTAL_BAR, 0, (5, 60)), (VERTICAL_BAR, 1, (200, 5)))
        for dpi in SCALES:
            for layout, form_style, place in shapes:
                with self.subTest(dpi=dpi, form_style=form_style):
                    try:
                        self.check_bar(layout, form_style, place, dpi)
                    finally:
                        self.session.end_test()

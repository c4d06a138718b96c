"""The bar at every display scale: full size, with every shell icon whole
inside its button."""

from bar_geometry import HORIZONTAL_BAR, VERTICAL_BAR
from data_files import fixture, settings, shortcuts, twips
from noctaris_case import NoctarisTestCase
from x_display import pixels

RED, GREEN = (255, 0, 0), (0, 160, 0)
SCALES = (96, 120, 144, 192)


def near(colour, expected, slack=40):
    return all(abs(a - b) <= slack for a, b in zip(colour, expected))


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

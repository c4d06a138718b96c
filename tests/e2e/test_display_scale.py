"""The bar at display scales above 100 %: shell icons fit their buttons."""

from bar_geometry import HORIZONTAL_BAR
from data_files import fixture, shortcuts
from noctaris_case import NoctarisTestCase
from x_display import pixels

RED, GREEN = (255, 0, 0), (0, 160, 0)


def near(colour, expected, slack=40):
    return all(abs(a - b) <= slack for a, b in zip(colour, expected))


class IconFitTests(NoctarisTestCase):
    def test_the_whole_shell_icon_shows_inside_its_button_at_150_percent(self):
        self.session.set_dpi(144)
        self.addCleanup(self.session.set_dpi, 96)
        install = self.session.install(fixture("first-install"))
        # The marker's icon is a green square framed in red at every size.
        install.write_data({"Shtct.qdf": shortcuts({0: ("枠", install.add_launch_target("framed.exe"))})})
        install.start()
        bar = self.wait_bar()
        x, y = bar.client_point(*HORIZONTAL_BAR.first_button)
        size = HORIZONTAL_BAR.BUTTON
        shot = self.session.screenshot_painted("icon-at-144-dpi", (x, y, size, size))
        face = pixels(shot, (x, y, size, size))
        edges = {"top": face[0], "bottom": face[-1], "left": [row[0] for row in face],
                 "right": [row[-1] for row in face]}
        for edge, line in edges.items():
            red = sum(near(p, RED) for p in line)
            self.assertGreater(red, size * 3 // 4, f"the icon's {edge} frame is not inside the button")
        self.assertTrue(near(face[size // 2][size // 2], GREEN), f"the icon's middle is {face[size // 2][size // 2]}")

"""The build's download, unzipped anywhere the user can write, runs."""

import zipfile

from bar_geometry import HORIZONTAL_BAR
from noctaris_case import NoctarisTestCase
from window_probe import MAIN_CAPTION


class DownloadTests(NoctarisTestCase):
    def test_the_unzipped_download_starts_switches_a_group_and_exits(self):
        platform = "win32" if self.session.architecture == "i686" else "win64"
        zips = sorted(self.session.build_dir.glob(f"Noctaris-*-{platform}.zip"))
        if not zips:
            self.fail(f"no download: build the {platform} preset's package target (scripts/release.sh)")
        folder = self.session.tmp / "unzipped"
        with zipfile.ZipFile(zips[-1]) as download:
            expected = {"Noctaris/Noctaris.exe", "Noctaris/LICENSE.txt", "Noctaris/guide/index.html",
                        *(f"Noctaris/Data/{name}" for name in ("fank.qdf", "apst.qdf", "group.qdf", "Shtct.qdf"))}
            self.assertLessEqual(expected, set(download.namelist()))
            download.extractall(folder)
        install = self.session.install_unpacked(folder / "Noctaris")
        program = install.start()
        bar = self.wait_bar()
        self.session.click_window(bar, *HORIZONTAL_BAR.tab(1))
        self.session.click_window(bar, *HORIZONTAL_BAR.tool("exit"))
        self.assertEqual(program.wait_exit(), 0)
        self.session.wait_gone(MAIN_CAPTION)

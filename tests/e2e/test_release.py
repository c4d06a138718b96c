"""The build's download, unzipped anywhere the user can write, runs."""

import zipfile

from bar_geometry import HORIZONTAL_BAR
from data_files import DATA_FILES, fixture
from noctaris_case import NoctarisTestCase
from window_probe import MAIN_CAPTION


class DownloadTests(NoctarisTestCase):
    def test_the_unzipped_download_starts_as_a_first_installation_switches_a_group_and_exits(self):
        platform = "win32" if self.session.architecture == "i686" else "win64"
        zips = sorted(self.session.build_dir.glob(f"Noctaris-*-{platform}.zip"))
        if not zips:
            self.fail(f"no download: build the {platform} preset's package target (scripts/release.sh)")
        folder = self.session.tmp / "unzipped"
        with zipfile.ZipFile(zips[-1]) as download:
            names = set(download.namelist())
            self.assertLessEqual({"Noctaris/Noctaris.exe", "Noctaris/LICENSE.txt", "Noctaris/guide/index.html"}, names)
            # Unzipped over an older copy, it must replace none of the user's files.
            self.assertEqual([n for n in names if n.startswith("Noctaris/Data")], [])
            download.extractall(folder)
        install = self.session.install_unpacked(folder / "Noctaris")
        program = install.start()
        bar = self.wait_bar()
        self.assertEqual({name: install.read_data(name) for name in DATA_FILES}, fixture("first-install"),
                         "the first start writes the first installation's files")
        self.session.click_window(bar, *HORIZONTAL_BAR.tab(1))
        self.session.click_window(bar, *HORIZONTAL_BAR.tool("exit"))
        self.assertEqual(program.wait_exit(), 0)
        self.session.wait_gone(MAIN_CAPTION)

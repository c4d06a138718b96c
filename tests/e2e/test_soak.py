"""A month of use in minutes: noctaris-soak uses the real program round after
round (group switches, hovers with tooltips, menus, the dialogs, registering
and deleting, moves of the bar, the switches) and reads what it holds after
each. Once the first round has made every picture, font, icon and window
once, nothing may grow: not the handles the program's owners keep open, not
its windows, not the system's GDI and USER counts where the system keeps
them (Wine does not: GetGuiResources answers 0), and its working set only
by the allocator's noise.

NOCTARIS_SOAK_OPERATIONS sets the length (scripts/soak.sh makes the long run)."""

import json
import math
import os
import sys

from bar_geometry import HORIZONTAL_BAR, VERTICAL_BAR
from data_files import fixture, shortcuts, windows_path
from noctaris_case import NoctarisTestCase

OPERATIONS = int(os.environ.get("NOCTARIS_SOAK_OPERATIONS", "2000"))
# A round of noctaris-soak: cycles of the bar's own use of 21 operations each,
# then its windows opened and closed (6 operations).
CYCLES_PER_ROUND = 20
ROUND = CYCLES_PER_ROUND * 21 + 6
# The heap grows and shrinks by whole pages and arenas as it serves the same
# work, and Wine's file dialog and shell keep caches of their own.
WORKING_SET_SLACK = 4 << 20
# The system's own counts, where it keeps them, may cache an object or two.
SYSTEM_COUNT_SLACK = 2


def points(bar):
    tools = [bar.tool(name) for name in ("settings", "info", "topmost", "fix", "orientation")]
    parts = [bar.tab(g) for g in range(10)] + [bar.button(k) for k in range(10)] + tools + [bar.bare_spot]
    return ";".join(f"{x},{y}" for x, y in parts)


class SoakTests(NoctarisTestCase):
    def test_a_month_of_use_leaves_nothing_behind(self):
        install = self.session.install(fixture("first-install"))
        # Buttons 0-4 of every group have targets (their tooltips show); 9 is registered and deleted.
        targets = [install.add_launch_target(f"tool{k}.exe") for k in range(5)]
        install.write_data({"Shtct.qdf": shortcuts({g * 10 + k: (f"ツール{g}{k}", targets[k])
                                                     for g in range(10) for k in range(5)})})
        chosen = install.add_launch_target("chosen.exe")
        # The first round warms up; at least two more follow it.
        rounds = max(3, math.ceil(OPERATIONS / ROUND))
        self.session.park_pointer()
        code, out = self.session.wine([self.session.soak_exe, windows_path(install.exe), rounds, CYCLES_PER_ROUND,
                                       chosen, points(HORIZONTAL_BAR), points(VERTICAL_BAR)],
                                      timeout=120 + rounds * 60, check=False)
        self.session.log_path("soak").write_bytes(out)
        rounds = [json.loads(line) for line in out.decode("ascii").splitlines()]
        self.assertEqual(code, 0, rounds[-1] if rounds else "no output")
        warm, last = rounds[0], rounds[-1]

        grown = {kind: (warm["handles"][kind], count) for kind, count in last["handles"].items()
                 if count > warm["handles"][kind]}
        self.assertEqual(grown, {}, "owned handles grew (after the warm-up, at the end)")
        self.assertLessEqual(last["windows"], warm["windows"], "windows")
        for system in ("gdi_objects", "user_objects"):
            if warm[system] is not None:
                self.assertLessEqual(last[system], warm[system] + SYSTEM_COUNT_SLACK, system)
        self.assertLessEqual(last["working_set"], warm["working_set"] + WORKING_SET_SLACK, "working set")
        self.assertGreaterEqual(last["operations"], OPERATIONS)
        print(f"\nsoak: {last['operations']} operations in {last['ms'] / 1000:.0f} s; " +
              "; ".join(f"round {r['round']}: {r['working_set'] / 2**20:.1f} MB, {r['windows']} windows, "
                        f"handles {sum(r['handles'].values())}" for r in rounds), file=sys.stderr)

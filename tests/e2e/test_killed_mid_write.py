"""Killed while it writes: noctaris-stress starts the program again and again,
makes it rewrite apst.qdf and fank.qdf as fast as it can and kills it
(TerminateProcess) at a random moment. Every data file left behind is, byte
for byte, one the program could have written, never a part of one, and no
temporary file outlives the next start."""

import json
import random
import sys

from data_files import DATA_FILES, fixture, settings, twips, windows_path
from noctaris_case import NoctarisTestCase

KILLS = 200
LONGEST_RUN_MS = 400
POSITIONS = ((100, 60), (300, 200), (520, 90), (40, 380))


class KilledMidWriteTests(NoctarisTestCase):
    def test_every_file_left_by_a_kill_is_whole(self):
        files = fixture("first-install")
        install = self.session.install(files)
        seed = random.randrange(1 << 31)
        # Out of the way: a real pointer over the bar would take part in the clicks.
        self.session.park_pointer()
        code, out = self.session.wine([self.session.stress_exe, windows_path(install.exe), KILLS, seed,
                                       LONGEST_RUN_MS, *(f"{x},{y}" for x, y in POSITIONS)], timeout=900, check=False)
        self.session.log_path("stress").write_bytes(out)
        rounds = [json.loads(line) for line in out.decode("ascii").splitlines()]
        # The last line is the final start, or why a start failed.
        final = rounds.pop()

        could_be = {
            "apst.qdf": {settings(wind_top=top, form_style=style) for top in (0, 1) for style in (0, 1)},
            "fank.qdf": {files["fank.qdf"], *(twips(x, y) for x, y in POSITIONS)},
            "group.qdf": {files["group.qdf"]},
            "Shtct.qdf": {files["Shtct.qdf"]},
        }
        seen = {name: set() for name in DATA_FILES}
        cut_short = 0
        for kill in rounds:
            where = f"seed {seed}, round {kill['round']} (killed after {kill['after_ms']} ms)"
            left = {name: None if hex_bytes is None else bytes.fromhex(hex_bytes)
                    for name, hex_bytes in kill["files"].items()}
            temporary = {name for name in left if name.endswith(".tmp")}
            self.assertEqual(set(left) - temporary, set(DATA_FILES), where)
            self.assertLessEqual(temporary, {f"{name}.tmp" for name in DATA_FILES}, where)
            for name in DATA_FILES:
                self.assertIn(left[name], could_be[name], f"{where}: {name}")
                seen[name].add(left[name])
            self.assertEqual(kill["leftovers"], [], f"{where}: temporary files outlived the start")
            self.assertFalse(kill["box"], f"{where}: the program showed a message")
            cut_short += bool(temporary)
        self.assertEqual((code, len(rounds)), (0, KILLS), f"seed {seed}: {final}")
        self.assertEqual(final["leftovers"], [], "temporary files outlived the last start")
        # The program did write, and some kills did land inside a write.
        self.assertGreater(len(seen["apst.qdf"]), 1)
        self.assertGreater(len(seen["fank.qdf"]), 1)
        self.assertGreater(cut_short, 0)
        # Loud, not failed: Wine could not make the process, and the start was tried again.
        refused = f"; WINE REFUSED TO START THE PROGRAM {final['refused']} TIMES" if final["refused"] else ""
        print(f"\n{KILLS} kills (seed {seed}): {cut_short} inside a write, "
              f"{sum(kill['actions'] for kill in rounds)} switches and moves{refused}", file=sys.stderr)

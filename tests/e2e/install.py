"""A private copy of the ready-to-run folder: its data files, its launch targets, the programs started from it."""

import json
import os
import shutil
import subprocess
import tempfile
import time
from contextlib import contextmanager

from data_files import windows_path
from program import Program, loader_for
from waiting import WaitTimeout, wait_for


class Install:
    """A private copy of the ready-to-run folder with its own Data files."""

    def __init__(self, session, root):
        self.session = session
        self.root = root
        self.exe = root / "Noctaris.exe"
        self.data_dir = root / "Data"
        self.programs = []

    # --- the data files ----------------------------------------------------

    def write_data(self, files):
        """files: name -> bytes; a value of None removes that file."""
        for name, contents in files.items():
            path = self.data_dir / name
            if contents is None:
                path.unlink(missing_ok=True)
            else:
                path.write_bytes(contents)

    def read_data(self, name):
        return (self.data_dir / name).read_bytes()

    def snapshot(self):
        """Every entry in Data with its bytes (None for a folder) and modification time."""
        return {p.name: (p.read_bytes() if p.is_file() else None, p.stat().st_mtime_ns)
                for p in sorted(self.data_dir.iterdir())}

    @contextmanager
    def locked(self, name):
        """While inside, another Windows program holds Data/name open with no sharing."""
        with tempfile.TemporaryFile() as out:
            locker_exe = self.session.locker_exe
            locker = subprocess.Popen([loader_for(locker_exe), str(locker_exe), windows_path(self.data_dir / name)],
                                      env=self.session.env, stdin=subprocess.PIPE, stdout=out,
                                      stderr=subprocess.DEVNULL)
            try:
                def reported():
                    out.seek(0)
                    return out.read().strip()

                line = wait_for(f"noctaris-locker to hold {name}", reported)
                if json.loads(line.splitlines()[0]) != {"locked": True}:
                    raise RuntimeError(f"noctaris-locker could not hold {name}: {line!r}")
                yield
            finally:
                locker.stdin.close()
                locker.wait(timeout=10)

    def age_data(self, seconds=86400 * 400):
        """Backdates the data files, so that a rewrite shows in the times even within one clock tick."""
        when = time.time() - seconds
        for p in self.data_dir.iterdir():
            os.utime(p, (when, when))

    # --- launch targets ------------------------------------------------------

    def add_launch_target(self, name):
        """A copy of noctaris-marker outside the program folder; returns its Windows path.

        Each start of it appends one JSON line to marker.txt in its folder."""
        folder = self.root.parent / "targets"
        folder.mkdir(exist_ok=True)
        shutil.copy(self.session.marker_exe, folder / name)
        return windows_path(folder / name)

    def launched(self):
        """The file names of the targets started so far, oldest first."""
        return [entry["cmdline"].strip('"').rsplit("\\", 1)[-1] for entry in self.launches()]

    def wait_launched(self, *names, timeout=10.0, settle=0.5):
        """Waits until exactly these targets were started, in this order, and nothing more follows.

        settle: how long nothing more may be started afterwards; a launch that
        should not have happened comes from an earlier input than the last
        awaited one, so it has had longer than that to show."""
        expected = list(names)
        try:
            wait_for("launches", lambda: len(self.launched()) >= len(expected), timeout=timeout)
        except WaitTimeout:
            raise WaitTimeout(f"timed out after {timeout:g} s waiting for the launches {expected}; "
                              f"got {self.launched()}") from None
        time.sleep(settle)
        launched = self.launched()
        if launched != expected:
            raise AssertionError(f"expected the launches {expected}, got {launched}")
        return self.launches()

    def launches(self):
        """What the launch targets recorded, oldest first."""
        marker = self.root.parent / "targets" / "marker.txt"
        if not marker.exists():
            return []
        return [json.loads(line) for line in marker.read_text(encoding="ascii").splitlines() if line]

    # --- the program -----------------------------------------------------------

    def start(self, trace=None, locale=None):
        """trace: Wine debug channels to log, e.g. "trace+menu" for Program.menus_built().
        locale: the Unix locale Wine takes the system's language and ANSI code page from."""
        self.session.park_pointer()
        log_path = self.session.log_path(f"program-{len(self.programs) + 1}")
        env = self.session.env
        if trace:
            env = {**env, "WINEDEBUG": f"-all,{trace}"}
        if locale:
            env = {**env, "LANG": locale, "LC_ALL": locale}
        with open(log_path, "wb") as log:
            popen = subprocess.Popen([loader_for(self.exe), str(self.exe)], cwd=self.root, env=env,
                                     stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
        program = Program(popen, log_path)
        self.programs.append(program)
        return program

    def stop_all(self):
        for program in self.programs:
            program.kill()

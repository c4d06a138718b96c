"""Runs a Windows build of Noctaris under Wine on a private X display.

One Session per run owns an Xvfb display, a fresh WoW64 Wine prefix and its
wineserver; every test starts the program from its own copy of the
ready-to-run folder (or of the download, unzipped). The program and the
helpers that reach into its process are of one build, x86_64 or i686. Everything started here is stopped by its own process
id (or with `wineserver -k` for this prefix only): other sessions on the
same machine may be running Wine and X servers of their own.
"""

import atexit
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

from data_files import windows_path
from install import Install
from program import WINE64, architecture, loader_for
from user_input import UserInput
from waiting import WaitTimeout, wait_for
from window_probe import WindowQueries
from x_display import XDisplay, start_xvfb

# The font replacements and the .exe association that Wine prefixes here need,
# shared with the run script.
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))
from wine_loader import WINESERVER  # noqa: E402
from wine_registry import FONT_REPLACEMENTS, registry_file  # noqa: E402


class Session(WindowQueries, XDisplay, UserInput):
    def __init__(self, build_dir, artifacts_dir, program_dir=None):
        """program_dir: the folder holding Noctaris.exe; the build's ready-to-run folder by default."""
        self.build_dir = Path(build_dir).resolve()
        self.dist_dir = Path(program_dir).resolve() if program_dir else self.build_dir / "Noctaris"
        self.architecture = None
        self.probe_exe = self.build_dir / "tests" / "e2e" / "noctaris-probe.exe"
        self.marker_exe = self.build_dir / "tests" / "e2e" / "noctaris-marker.exe"
        self.dragger_exe = self.build_dir / "tests" / "e2e" / "noctaris-dragger.exe"
        self.locker_exe = self.build_dir / "tests" / "e2e" / "noctaris-locker.exe"
        self.stress_exe = self.build_dir / "tests" / "e2e" / "noctaris-stress.exe"
        self.soak_exe = self.build_dir / "tests" / "e2e" / "noctaris-soak.exe"
        # A launch target of the 64-bit system folder's kind: the marker of an
        # x86_64 build; an i686 build makes one of its own for it.
        self.marker64_exe = self.build_dir / "tests" / "e2e" / "noctaris-marker64.exe"
        self.artifacts = Path(artifacts_dir).resolve()
        self.tmp = None
        self.display = None
        self.xvfb = None
        self.wineserver = None
        self.keeper = None
        self.env = None
        self.current_test = "session"
        self._installs = []
        self._closed = False

    # --- setting up and tearing down -----------------------------------

    def start(self):
        for path in (self.dist_dir / "Noctaris.exe", self.probe_exe, self.marker_exe, self.dragger_exe,
                     self.locker_exe, self.stress_exe, self.soak_exe):
            if not path.is_file():
                raise FileNotFoundError(f"{path} is missing: build the win64 or win32 preset first")
        # A helper that reaches into the program (a reader, a dragger) must be of its architecture.
        self.architecture = architecture(self.dist_dir / "Noctaris.exe")
        if self.architecture == "x86_64":
            self.marker64_exe = self.marker_exe
        if not self.marker64_exe.is_file() or architecture(self.marker64_exe) != "x86_64":
            raise RuntimeError(f"{self.marker64_exe} is missing or no x86_64 program: build the win32 preset")
        for helper in (self.probe_exe, self.marker_exe, self.dragger_exe, self.locker_exe, self.stress_exe,
                       self.soak_exe):
            if architecture(helper) != self.architecture:
                raise RuntimeError(f"{helper} is {architecture(helper)}, the program {self.architecture}")
        atexit.register(self.close)
        self.artifacts.mkdir(parents=True, exist_ok=True)
        self.tmp = Path(tempfile.mkdtemp(prefix="noctaris-e2e-"))
        self.xvfb, self.display = start_xvfb()
        prefix = self.tmp / "prefix"
        prefix.mkdir()
        self.env = {
            **{k: v for k, v in os.environ.items() if not k.startswith(("WINE", "LC_"))},
            "DISPLAY": f":{self.display}",
            "WINEPREFIX": str(prefix),
            "WINESERVER": WINESERVER,
            "WINEDEBUG": "-all",
            # No Mono or Gecko installer dialogs while the prefix is made.
            "WINEDLLOVERRIDES": "mscoree=;mshtml=",
            "LANG": "ja_JP.UTF-8",
            "LC_ALL": "ja_JP.UTF-8",
        }
        # Our own persistent server: stays up between tests (faster starts)
        # and its pid is ours to stop.
        self.wineserver = subprocess.Popen([WINESERVER, "-f", "-p"], env=self.env, stdin=subprocess.DEVNULL,
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wine(["wineboot", "-i"], timeout=120)
        self._prepare_registry()
        # Wine stops its desktop and services some seconds after the last
        # program ends; the next program then starts without a tray and
        # stalls. A console waiting on a pipe that we hold keeps them up,
        # as a real desktop always is.
        self.keeper = subprocess.Popen([WINE64, "cmd", "/k"], env=self.env, stdin=subprocess.PIPE,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def _prepare_registry(self):
        reg = self.tmp / "noctaris.reg"
        reg.write_bytes(registry_file())
        self.wine(["regedit", "/S", windows_path(reg)])

        exported = self.tmp / "fonts-check.reg"
        self.wine(["reg", "export", r"HKCU\Software\Wine\Fonts\Replacements", windows_path(exported), "/y"])
        text = exported.read_bytes().decode("utf-16")
        missing = [name for name, face in FONT_REPLACEMENTS.items() if f'"{name}"="{face}"' not in text]
        if missing:
            raise RuntimeError(f"font replacements did not reach the registry: {missing}\n{text}")

    def close(self):
        if self._closed or self.tmp is None:
            return
        self._closed = True
        try:
            for install in self._installs:
                install.stop_all()
            if self.keeper is not None and self.keeper.poll() is None:
                self.keeper.kill()
                self.keeper.wait(timeout=10)
            if self.wineserver is not None:
                # -k stops the server of this prefix and every process in it.
                try:
                    subprocess.run([WINESERVER, "-k"], env=self.env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30, check=False)
                finally:
                    _stop(self.wineserver)
        finally:
            if self.xvfb is not None:
                _stop(self.xvfb)
            shutil.rmtree(self.tmp, ignore_errors=True)

    # --- per test --------------------------------------------------------

    def set_dpi(self, dpi):
        """The display scale that programs started from now on see, as Windows' LogPixels."""
        self.wine(["reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                   "/d", str(dpi), "/f"])

    def install(self, files):
        """A fresh copy of the ready-to-run folder holding exactly these data files."""
        root = Path(tempfile.mkdtemp(prefix="install-", dir=self.tmp)) / "Noctaris"
        shutil.copytree(self.dist_dir, root)
        # The download has no Data; the build's folder has what it was last used with.
        (root / "Data").mkdir(exist_ok=True)
        for old in (root / "Data").iterdir():
            old.unlink()
        install = Install(self, root)
        install.write_data(files)
        self._installs.append(install)
        return install

    def install_unpacked(self, root):
        """A ready-to-run folder unpacked from a download, as it is."""
        install = Install(self, root)
        self._installs.append(install)
        return install

    def end_test(self):
        for install in self._installs:
            install.stop_all()
            shutil.rmtree(install.root.parent, ignore_errors=True)
        self._installs.clear()
        # Gone windows take their tray icons with them; the next test starts without any.
        wait_for("the tray icons of the last test to go away", lambda: not self.tray_shown(), timeout=10)

    def log_path(self, stem):
        folder = self.artifacts / "logs"
        folder.mkdir(parents=True, exist_ok=True)
        return folder / f"{self.current_test}-{stem}.log"

    def wine(self, args, timeout=30, check=True):
        """Runs a Windows program to its end; returns (exit code, stdout bytes).

        Output goes through files, not pipes: a program that starts Wine's
        background services hands them its pipes, which then never close."""
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            try:
                code = subprocess.run([loader_for(args[0]), *map(str, args)], env=self.env, stdin=subprocess.DEVNULL,
                                      stdout=out, stderr=err, timeout=timeout).returncode
            except subprocess.TimeoutExpired:
                raise WaitTimeout(f"wine {' '.join(map(str, args))} did not finish within {timeout} s") from None
            out.seek(0)
            err.seek(0)
            stdout, stderr = out.read(), err.read()
        if code != 0 and stderr:
            self.log_path(f"{Path(args[0]).stem}-stderr").write_bytes(stderr)
        if check and code != 0:
            raise RuntimeError(f"wine {args} failed ({code}): {stderr.decode(errors='replace')}")
        return code, stdout


def _stop(popen):
    if popen.poll() is None:
        popen.terminate()
        try:
            popen.wait(timeout=10)
        except subprocess.TimeoutExpired:
            popen.kill()
            popen.wait()

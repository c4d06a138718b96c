"""A Wine prefix and a display for running the x86_64 program here."""

import os
import subprocess
import sys
import time
from pathlib import Path

from wine_registry import registry_file

from wine_loader import WINE64, WINESERVER


def wine_env(prefix, display):
    env = {k: v for k, v in os.environ.items() if not k.startswith(("WINE", "LC_"))}
    env.update(WINEPREFIX=str(prefix), WINEDEBUG="-all", LANG="ja_JP.UTF-8", DISPLAY=display)
    return env


def windows_path(path):
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def prepare_prefix(prefix, env):
    """Makes the prefix once (wineboot takes a while) with the Japanese font
    replacements."""
    if (prefix / "system.reg").exists():
        return
    print(f"preparing the Wine prefix {prefix} (once)", flush=True)
    prefix.mkdir(parents=True, exist_ok=True)
    subprocess.run([WINE64, "wineboot", "-i"], env=env, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    reg = prefix / "noctaris.reg"
    reg.write_bytes(registry_file())
    subprocess.run([WINE64, "regedit", "/S", windows_path(reg)], env=env, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def start_virtual_display():
    """Xvfb on the first free display number; returns the process and the display."""
    for number in range(90, 130):
        if Path(f"/tmp/.X11-unix/X{number}").exists() or Path(f"/tmp/.X{number}-lock").exists():
            continue
        xvfb = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(50):
            if Path(f"/tmp/.X11-unix/X{number}").exists():
                return xvfb, f":{number}"
            if xvfb.poll() is not None:
                break
            time.sleep(0.1)
        xvfb.kill()
    sys.exit("no free display for Xvfb")


def stop(env, xvfb):
    """Ends every process of the prefix, then the virtual display."""
    subprocess.run([WINESERVER, "-k"], env=env, check=False)
    if xvfb is not None:
        xvfb.terminate()
        xvfb.wait(timeout=10)

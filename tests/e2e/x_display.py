"""The private X display: Xvfb, what X shows of the windows, and screenshots."""

import subprocess
import time
from pathlib import Path

from waiting import wait_for

SCREEN = (1024, 768)


def start_xvfb():
    """Xvfb on a free display; returns the process and the display number."""
    for n in range(90, 121):
        if Path(f"/tmp/.X{n}-lock").exists() or Path(f"/tmp/.X11-unix/X{n}").exists():
            continue
        xvfb = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
                                 "-nolisten", "tcp", "-br"],
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        socket = Path(f"/tmp/.X11-unix/X{n}")
        deadline = time.monotonic() + 10
        while xvfb.poll() is None and not socket.exists() and time.monotonic() < deadline:
            time.sleep(0.05)
        if xvfb.poll() is None and socket.exists():
            return xvfb, n
        # Another server took this display first.
        if xvfb.poll() is None:
            xvfb.kill()
        xvfb.wait()
    raise RuntimeError("no free X display in :90..:120")


def _region_stats(png, rect):
    """Mean and standard deviation (0..1) of the screenshot inside rect, clipped to the screen."""
    left, top, width, height = rect
    x0, y0 = max(left, 0), max(top, 0)
    x1, y1 = min(left + width, SCREEN[0]), min(top + height, SCREEN[1])
    result = subprocess.run(["convert", str(png), "-crop", f"{x1 - x0}x{y1 - y0}+{x0}+{y0}", "+repage",
                             "-colorspace", "Gray", "-format", "%[fx:mean] %[fx:standard_deviation]", "info:"],
                            capture_output=True, text=True, timeout=30, check=True)
    mean, deviation = result.stdout.split()
    return float(mean), float(deviation)


def pixels(png, rect):
    """The screenshot's pixels inside rect as rows of (r, g, b)."""
    left, top, width, height = rect
    ppm = subprocess.run(["convert", str(png), "-crop", f"{width}x{height}+{left}+{top}", "+repage", "ppm:-"],
                         capture_output=True, timeout=30, check=True).stdout
    fields = ppm.split(maxsplit=4)  # P6, width, height, maximum, then the samples
    w, h, data = int(fields[1]), int(fields[2]), fields[4]
    return [[tuple(data[(y * w + x) * 3:(y * w + x) * 3 + 3]) for x in range(w)] for y in range(h)]


def colours(png, rect):
    """Every (r, g, b) colour inside rect of a screenshot."""
    return {colour for row in pixels(png, rect) for colour in row}


class XDisplay:
    """The Session's look at the X side, on its display (env) with its artifacts folder."""

    def xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool", *map(str, args)], env=self.env, stdin=subprocess.DEVNULL,
                                capture_output=True, text=True, timeout=30)
        if check and result.returncode != 0:
            raise RuntimeError(f"xdotool {args} failed: {result.stderr.strip()}")
        return result.stdout

    def x_windows(self, caption):
        """Shown X window ids whose name is exactly caption."""
        pattern = "^" + "".join("\\" + c if c in ".^$*+?()[]{}|\\" else c for c in caption) + "$"
        out = self.xdotool("search", "--onlyvisible", "--name", pattern, check=False)
        return [int(line) for line in out.split()]

    def x_states(self, xid):
        """The window's _NET_WM_STATE atoms, as Wine sets them for the desktop's taskbar and window manager."""
        out = subprocess.run(["xprop", "-id", str(xid), "_NET_WM_STATE"], env=self.env, stdin=subprocess.DEVNULL,
                             capture_output=True, text=True, timeout=30, check=True).stdout
        return {atom.strip() for atom in out.partition("=")[2].split(",") if atom.strip()}

    def x_geometry(self, xid):
        out = self.xdotool("getwindowgeometry", "--shell", xid)
        values = dict(line.split("=", 1) for line in out.split())
        return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def screenshot(self, name):
        path = self.artifacts / f"{name}.png"
        subprocess.run(["import", "-display", f":{self.display}", "-window", "root", str(path)],
                       stdin=subprocess.DEVNULL, capture_output=True, timeout=30, check=True)
        return path

    def screenshot_painted(self, name, rect, timeout=10.0):
        """A screenshot taken once rect shows more than one flat colour."""
        def painted():
            shot = self.screenshot(name)
            return shot if _region_stats(shot, rect)[1] > 0.05 else None

        return wait_for(f"{rect} to be painted (see {name}.png)", painted, timeout=timeout, interval=0.3)

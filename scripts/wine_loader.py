"""Which Wine loader starts a Windows program file: the tests and the scripts share it."""

from pathlib import Path

WINE64 = "/usr/lib/wine/wine64"
# The 32-bit loader runs an i686 program as a process of its own; wine64
# would hand it to a new process through start.exe, out of the caller's reach.
WINE32 = "/usr/lib/wine/wine"
WINESERVER = "/usr/lib/wine/wineserver64"

_PE_MACHINES = {0x14C: "i686", 0x8664: "x86_64"}


def architecture(exe):
    """"i686" or "x86_64": what the Windows program file at exe is built for."""
    with open(exe, "rb") as f:
        header = f.read(4096)
    pe = int.from_bytes(header[0x3C:0x40], "little")
    if header[:2] != b"MZ" or header[pe:pe + 4] != b"PE\0\0":
        raise ValueError(f"{exe} is not a Windows program")
    machine = int.from_bytes(header[pe + 4:pe + 6], "little")
    if machine not in _PE_MACHINES:
        raise ValueError(f"{exe} is built for machine 0x{machine:04x}")
    return _PE_MACHINES[machine]


def loader_for(exe):
    """The Wine loader whose process is the Windows process of this program file.

    Wine's own programs (wineboot, regedit, cmd) are named, not paths: wine64 runs them."""
    path = Path(str(exe))
    if not path.is_file():
        return WINE64
    return WINE32 if architecture(path) == "i686" else WINE64

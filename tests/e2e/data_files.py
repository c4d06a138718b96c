"""The contents of the program's four data files, built for a test or taken from a fixture set."""

from pathlib import Path

DATA_FILES = ("fank.qdf", "apst.qdf", "group.qdf", "Shtct.qdf")
FIXTURES = Path(__file__).resolve().parents[1] / "fixtures"
TWIPS_PER_PIXEL = 15


def twips(x_px, y_px):
    """fank.qdf contents that put the bar at this pixel position."""
    return f"{x_px * TWIPS_PER_PIXEL},{y_px * TWIPS_PER_PIXEL}\r\n".encode("ascii")


def settings(kido=1, skido=1, sexe=2, wind_top=0, form_style=0, sct_name=0, fom_mov=0):
    """apst.qdf contents."""
    values = (kido, skido, sexe, wind_top, form_style, sct_name, fom_mov)
    return (",".join(str(v) for v in values) + "\r\n").encode("ascii")


def shortcuts(entries=()):
    """Shtct.qdf contents: (name, path) pairs for the first slots, or {slot: (name, path)}."""
    slots = entries if isinstance(entries, dict) else dict(enumerate(entries))
    rows = (slots.get(slot, ("", "")) for slot in range(100))
    return "".join(f'"{name}","{path}"\r\n' for name, path in rows).encode("cp932")


def groups(names):
    """group.qdf contents: ten tab names."""
    return "".join(f'"{name}"\r\n' for name in names).encode("cp932")


def fixture(name):
    """The four data files of a fixture set, as bytes."""
    return {f: (FIXTURES / name / f).read_bytes() for f in DATA_FILES}


def windows_path(path):
    """How the program, and a path in Shtct.qdf, names a file of this machine."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")

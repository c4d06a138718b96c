"""What the Wine prefixes here need in their registry: font replacements
that let Wine draw the program's Japanese font names with the IPA fonts
installed on these machines; the association of .exe files, which a prefix
made without Wine's HTML engine lacks (without it every program shows the
shell's generic icon); and frames drawn by Wine itself, since no window
manager runs here (without them a dialog has no caption or close box)."""

FONT_REPLACEMENTS = {
    "ＭＳ Ｐゴシック": "IPAPGothic",
    "ＭＳ ゴシック": "IPAGothic",
    "MS UI Gothic": "IPAPGothic",
    "ＭＳ Ｐ明朝": "IPAPMincho",
    "ＭＳ 明朝": "IPAMincho",
}


def registry_file():
    """The settings as a .reg file. UTF-16 with a BOM: regedit reads any
    other .reg file in the ANSI code page."""
    lines = ["Windows Registry Editor Version 5.00", "",
             r"[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]"]
    lines += [f'"{name}"="{face}"' for name, face in FONT_REPLACEMENTS.items()]
    lines += ["", r"[HKEY_CLASSES_ROOT\.exe]", '@="exefile"']
    lines += ["", r"[HKEY_CURRENT_USER\Software\Wine\X11 Driver]", '"Decorated"="N"']
    return b"\xff\xfe" + ("\r\n".join(lines) + "\r\n").encode("utf-16-le")

#!/usr/bin/env bash
# Builds the two downloads from this checkout: Noctaris-<version>-win32.zip
# (the release) and -win64.zip, each Noctaris.exe, the user guide and the
# licence, and beside each zip the program's symbols,
# Noctaris-<version>-win32.debug, which stay with us: they read the address of
# a crash a user reports. The zips carry no Data folder: unzipped over an
# older copy, a download must never replace the user's settings and
# shortcuts; the program writes a first installation's files when it starts
# without Data.
set -euo pipefail
cd "$(dirname "$0")/.."

# The zip holds no Data and no symbols, and the symbols beside it are its
# program's: the program names them with their CRC, and they place wWinMain in
# main.cpp.
check_download() {
    python3 - "build/$1" "$2" <<'PYTHON'
import pathlib, subprocess, sys, tempfile, zipfile, zlib

build, tools = pathlib.Path(sys.argv[1]), sys.argv[2]
download = sorted(build.glob("Noctaris-*.zip"))[-1]
symbols = download.with_suffix(".debug")
with zipfile.ZipFile(download) as archive, tempfile.TemporaryDirectory() as temporary:
    assert not [n for n in archive.namelist() if n.endswith(".debug")], f"{download} holds symbols"
    data = [n for n in archive.namelist() if "Data" in n.split("/")[:2]]
    assert not data, f"{download} carries Data, which would replace a user's setup: {data}"
    program = pathlib.Path(archive.extract("Noctaris/Noctaris.exe", temporary))
    link = pathlib.Path(temporary, "link")
    subprocess.run([f"{tools}-objcopy", f"--dump-section=.gnu_debuglink={link}", program, f"{temporary}/out"],
                   check=True)
    name, crc = link.read_bytes().split(b"\0")[0].decode(), int.from_bytes(link.read_bytes()[-4:], "little")
    headers = subprocess.run([f"{tools}-objdump", "-h", program], check=True, capture_output=True, text=True).stdout
assert ".debug_" not in headers, f"the program in {download} keeps its symbols"
assert name == symbols.name and crc == zlib.crc32(symbols.read_bytes()), f"{symbols} is not the program's"
table = subprocess.run([f"{tools}-nm", symbols], check=True, capture_output=True, text=True).stdout
entry = next(line.split()[0] for line in table.splitlines() if line.split()[-1] in ("wWinMain", "_wWinMain@16"))
place = subprocess.run([f"{tools}-addr2line", "-e", symbols, "0x" + entry], check=True, capture_output=True,
                       text=True).stdout
assert "src/win32/main.cpp:" in place, f"{symbols} places wWinMain at {place}"
print(f"{symbols.name}: the symbols of {download.name}'s program")
PYTHON
}

scripts/setup.sh
for preset in win32 win64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target package
done
check_download win32 i686-w64-mingw32
check_download win64 x86_64-w64-mingw32
ls -l build/win32/Noctaris-*-win32.zip build/win64/Noctaris-*-win64.zip build/win32/Noctaris-*-win32.debug \
    build/win64/Noctaris-*-win64.debug

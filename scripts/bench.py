"""Benchmarks of the program under Wine on a virtual display, for the i686
release and the x86_64 build in the same run: the time from process start to
the bar being visible and the peak memory, against a bare program of the same
build that shows one empty window of the bar's size; the group switch with
the real shell icons; what each system library costs to load; opening the
registration dialog; and the exe sizes. Figures go to stdout;
docs/PERFORMANCE.md records them."""

import argparse
import re
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from wine_loader import WINE64, architecture, loader_for
from wine_session import prepare_prefix, start_virtual_display, stop, windows_path, wine_env

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
from hanging_fs import hanging_folder  # noqa: E402

RUNS = 20
SLOW_RUNS = 8
CAPTION = "ノクタリス - メイン画面"


def run(env, args, cwd):
    # Output through a file, not a pipe: a program the tool started inherits it, and one that
    # waits on a dead share would hold a pipe open after the tool has ended.
    with tempfile.TemporaryFile("w+", encoding="utf-8", errors="replace") as out:
        done = subprocess.run([loader_for(args[0]), *map(str, args)], cwd=cwd, env=env, stdout=out,
                              stderr=subprocess.STDOUT, timeout=600)
        out.seek(0)
        text = out.read().strip()
    if done.returncode != 0:
        raise SystemExit(f"{args[0]} failed:\n{text}")
    return text


def data_files(folder, paths):
    """A position, settings, group names and a table holding the given targets."""
    data = folder / "Data"
    data.mkdir(parents=True)
    (data / "fank.qdf").write_bytes(b"1500,900\r\n")
    (data / "apst.qdf").write_bytes(b"1,1,2,0,0,0,0\r\n")
    (data / "group.qdf").write_bytes(b"".join(b'"G%d"\r\n' % g for g in range(1, 11)))
    lines = [f'"{Path(p.replace(chr(92), "/")).stem}","{p}"\r\n' for p in paths]
    lines += ['"",""\r\n'] * (100 - len(lines))
    (data / "Shtct.qdf").write_bytes("".join(lines).encode("cp932"))


def median_ms(line):
    return float(re.search(r"median ([\d.]+) ms", line).group(1))


def slow_target_startup(build, here, env, starter, targets):
    """Start to visible with a first button whose target never answers, against the same bar whose
    first button is ordinary. Each slow start gets a file system of its own: a process with a thread
    waiting on it ends only once it is gone."""
    def bar_with(folder, first):
        program = folder / "Noctaris"
        shutil.copytree(build / "Noctaris", program, ignore=shutil.ignore_patterns("Data"))
        data_files(program, [first, *targets[1:10]])
        return windows_path(program / "Noctaris.exe")

    ordinary = bar_with(here / "ordinary", targets[0])
    share = here / "share"
    share.mkdir()
    slow = bar_with(here / "slow", windows_path(share / "dead-share") + "\\slow.exe")
    times = []
    for _ in range(SLOW_RUNS):
        with hanging_folder(share, "slow.exe"):
            times.append(median_ms(run(env, [starter, slow, CAPTION, 1], here)))
        while subprocess.run(["pgrep", "-f", "slow.Noctaris.Noctaris.exe"], capture_output=True).returncode == 0:
            time.sleep(0.1)
    times.sort()
    ordinary_ms = median_ms(run(env, [starter, ordinary, CAPTION, SLOW_RUNS], here))
    return (f"first button's target never answers: median {times[len(times) // 2]:.1f} ms "
            f"({SLOW_RUNS} runs); the same bar with an ordinary target: median {ordinary_ms:.1f} ms")


def measure(build, work, env, targets):
    """Start-up, memory, libraries, group switch and registration of one build, its own bare window beside it."""
    tools = build / "tools" / "windows"
    name = architecture(build / "Noctaris" / "Noctaris.exe")
    here = work / name
    program = here / "Noctaris"
    shutil.copytree(build / "Noctaris", program)
    bare = here / "bare"
    bare.mkdir()
    shutil.copy(tools / "noctaris-bare-window.exe", bare)
    starter = tools / "noctaris-bench-startup.exe"
    print(f"== {name} ({build})")
    print("bare window:", run(env, [starter, windows_path(bare / "noctaris-bare-window.exe"), "bare window", RUNS], here))
    print("Noctaris:   ", run(env, [starter, windows_path(program / "Noctaris.exe"), CAPTION, RUNS], here))
    print(slow_target_startup(build, here, env, starter, targets))

    print(run(env, [tools / "noctaris-bench-libraries.exe"], here))

    groups = here / "groups"
    groups.mkdir()
    shutil.copy(tools / "noctaris-bench-groups.exe", groups)
    data_files(groups, targets)
    print(run(env, [groups / "noctaris-bench-groups.exe"], groups))

    register = here / "register"
    register.mkdir()
    shutil.copy(tools / "noctaris-bench-register.exe", register)
    data_files(register, targets[:4])
    print(run(env, [register / "noctaris-bench-register.exe"], register))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", type=Path, default=Path("build/win64"))
    parser.add_argument("--release", default="build/win32", help='"" when the i686 release cannot run here')
    args = parser.parse_args()
    builds = [Path(args.release).resolve()] if args.release else []
    builds.append(args.build.resolve())

    work = Path(tempfile.mkdtemp(prefix="noctaris-bench-"))
    xvfb, display = start_virtual_display()
    prefix = work / "prefix"
    env = wine_env(prefix, display)
    try:
        prepare_prefix(prefix, env)
        # Keeps Wine's services up between the programs measured.
        keeper = subprocess.Popen([WINE64, "cmd", "/k"], env=env, stdin=subprocess.PIPE,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        system32 = prefix / "drive_c" / "windows" / "system32"
        files = sorted(p.name for p in system32.iterdir() if p.suffix.lower() in (".exe", ".dll", ".txt", ".ini"))
        targets = [f"C:\\windows\\system32\\{name}" for name in files[:95]]
        targets += ["C:\\windows", "C:\\windows\\system32", "C:\\users", "C:\\Program Files", "C:\\windows\\fonts"]
        # The release first: it is the product.
        for build in builds:
            measure(build, work, env, targets)
        keeper.kill()
    finally:
        stop(env, xvfb)
        shutil.rmtree(work, ignore_errors=True)

    for build in builds:
        for exe in (build / "Noctaris" / "Noctaris.exe", build / "tools" / "windows" / "noctaris-bare-window.exe"):
            if exe.exists():
                shown = exe.relative_to(Path.cwd()) if exe.is_relative_to(Path.cwd()) else exe
                print(f"size of {shown}: {exe.stat().st_size / 1024:.0f} KiB")


if __name__ == "__main__":
    main()

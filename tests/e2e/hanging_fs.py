"""A file system whose files never answer, as a share on a dead network
does: asking for one waits until the file system ends. Each wait is
written, one line each, to a log.

    hanging_fs.py MOUNTPOINT LOG NAME...

Tests and benchmarks mount one with hanging_folder()."""

import errno
import os
import signal
import stat
import subprocess
import sys
import threading
from contextlib import contextmanager
from pathlib import Path

from waiting import wait_for


@contextmanager
def hanging_folder(root, *names):
    """A folder whose files never answer; yields it and the log of the requests that wait.

    The caller itself must not look at the files: it would wait too."""
    folder, log = Path(root) / "dead-share", Path(root) / "dead-share.log"
    folder.mkdir(exist_ok=True)
    log.write_text("")
    daemon = subprocess.Popen([sys.executable, __file__, str(folder), str(log), *names],
                              stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        wait_for("the hanging file system to be mounted", lambda: os.path.ismount(folder), timeout=10)
        yield folder, log
    finally:
        # The kernel then fails every request still waiting, and unmounts it.
        daemon.send_signal(signal.SIGKILL)
        daemon.wait(timeout=10)
        subprocess.run(["fusermount", "-uz", str(folder)], stderr=subprocess.DEVNULL, check=False)


def main():
    sys.path.append("/usr/lib/python3/dist-packages")  # Debian's python3-fusepy
    import fusepy

    class Hanging(fusepy.Operations):
        def __init__(self, log, names):
            self.log = log
            self.names = set(names)

        def getattr(self, path, fh=None):
            if path == "/":
                return {"st_mode": stat.S_IFDIR | 0o755, "st_nlink": 2}
            if path[1:] not in self.names:
                raise fusepy.FuseOSError(errno.ENOENT)
            with open(self.log, "a", encoding="utf-8") as log:
                log.write(f"waiting {path[1:]}\n")
            threading.Event().wait()

        def readdir(self, path, fh):
            return [".", "..", *self.names]

    mountpoint, log, *names = sys.argv[1:]
    fusepy.FUSE(Hanging(log, names), mountpoint, foreground=True, nothreads=False, ro=True)


if __name__ == "__main__":
    main()

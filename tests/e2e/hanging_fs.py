"""A file system whose files never answer, as a share on a dead network
does: asking for one waits until the file system ends. Each wait is
written, one line each, to a log the test reads.

    hanging_fs.py MOUNTPOINT LOG NAME...

Run in the background; ended with SIGKILL, upon which the kernel unmounts
it and every waiting request fails."""

import errno
import stat
import sys
import threading

sys.path.append("/usr/lib/python3/dist-packages")  # Debian's python3-fusepy
import fusepy  # noqa: E402


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


def main():
    mountpoint, log, *names = sys.argv[1:]
    fusepy.FUSE(Hanging(log, names), mountpoint, foreground=True, nothreads=False, ro=True)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes the launch target's icon: at every size a green square whose
outermost sixteenth is a red frame, so a test can tell on screen whether a
button shows the whole icon (red on all four edges) or only part of it.

    python3 framed_icon.py OUT.ico
"""

import struct
import sys

SIZES = (16, 32, 48, 64)
RED = (0, 0, 255, 255)    # BGRA
GREEN = (0, 160, 0, 255)


def image(size):
    frame = max(1, size // 16)
    rows = []
    for y in reversed(range(size)):  # bottom-up, as in a BMP
        for x in range(size):
            edge = min(x, y, size - 1 - x, size - 1 - y) < frame
            rows.append(bytes(RED if edge else GREEN))
    pixels = b"".join(rows)
    mask = bytes(((size + 31) // 32) * 4 * size)  # all opaque
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def main(out):
    images = [image(s) for s in SIZES]
    offset = 6 + 16 * len(SIZES)
    directory = b""
    for size, data in zip(SIZES, images):
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(SIZES)) + directory + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])

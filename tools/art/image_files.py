"""PNG and ICO files, written and read back with the standard library."""

import struct
import zlib

SIGNATURE = b'\x89PNG\r\n\x1a\n'
CHANNELS = {2: 3, 3: 1, 6: 4}  # by PNG colour type: RGB, palette, RGBA


def _chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff)


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def _filters(row, prior, bpp):
    """The row under each of the five PNG filters."""
    left = bytes(bpp) + row[:-bpp]
    upleft = bytes(bpp) + prior[:-bpp]
    return [row,
            bytes((v - a) & 0xff for v, a in zip(row, left)),
            bytes((v - b) & 0xff for v, b in zip(row, prior)),
            bytes((v - (a + b) // 2) & 0xff for v, a, b in zip(row, left, prior)),
            bytes((v - _paeth(a, b, c)) & 0xff for v, a, b, c in zip(row, left, prior, upleft))]


def png(width, height, rows, colour_type, bit_depth=8, palette=(), best=True):
    """rows: the packed samples of each row.  Of the usual filter choices
    (one filter for every row, or per row the one whose output has the
    smallest sum of magnitudes) the one that compresses smallest is kept, so
    files stay small and the same from run to run; best=False, for
    previews, takes no filter."""
    bpp = max(1, CHANNELS[colour_type] * bit_depth // 8)
    filtered, prior = [], bytes(len(rows[0]))
    for row in rows:
        filtered.append(_filters(row, prior, bpp) if best else [row])
        prior = row
    magnitude = lambda data: sum(v if v < 128 else 256 - v for v in data)
    choices = [[k] * len(rows) for k in range(len(filtered[0]))]
    if best:
        choices.append([min(range(5), key=lambda k: magnitude(options[k])) for options in filtered])
    streams = (b''.join(bytes((k,)) + options[k] for k, options in zip(kinds, filtered)) for kinds in choices)
    body = min((zlib.compress(stream, 9) for stream in streams), key=len)
    head = _chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, bit_depth, colour_type, 0, 0, 0))
    plte = _chunk(b'PLTE', b''.join(bytes(p) for p in palette)) if palette else b''
    return SIGNATURE + head + plte + _chunk(b'IDAT', body) + _chunk(b'IEND', b'')


def pack_indices(indices, bit_depth):
    """Palette indices of one row, several to a byte when they are narrow."""
    per = 8 // bit_depth
    out = bytearray((len(indices) + per - 1) // per)
    for i, v in enumerate(indices):
        out[i // per] |= v << (8 - bit_depth * (i % per + 1))
    return bytes(out)


def read_png(data):
    """(width, height, rows of (r, g, b, a)) of a PNG this module writes."""
    assert data[:8] == SIGNATURE
    pos, idat, palette = 8, b'', []
    while pos < len(data):
        length, kind = struct.unpack_from('>I4s', data, pos)
        body = data[pos + 8:pos + 8 + length]
        assert struct.unpack_from('>I', data, pos + 8 + length)[0] == zlib.crc32(kind + body) & 0xffffffff, kind
        if kind == b'IHDR':
            width, height, depth, colour_type = struct.unpack_from('>IIBB', body)
        elif kind == b'PLTE':
            palette = [tuple(body[i:i + 3]) + (255,) for i in range(0, len(body), 3)]
        elif kind == b'IDAT':
            idat += body
        pos += 12 + length
    channels = CHANNELS[colour_type]
    bpp, stride = max(1, channels * depth // 8), (width * channels * depth + 7) // 8
    raw, rows, prior = zlib.decompress(idat), [], bytes(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            c = prior[i - bpp] if i >= bpp else 0
            line[i] = (line[i] + (0, a, prior[i], (a + prior[i]) // 2, _paeth(a, prior[i], c))[kind]) & 0xff
        prior = bytes(line)
        if colour_type == 3:
            per = 8 // depth
            rows.append([palette[line[x // per] >> (8 - depth * (x % per + 1)) & ((1 << depth) - 1)]
                         for x in range(width)])
        else:
            px = [tuple(line[i:i + channels]) for i in range(0, stride, channels)]
            rows.append([p if channels == 4 else p + (255,) for p in px])
    return width, height, rows


def ico(images):
    """images: (width, height, rows of (r, g, b, a)).  Up to 48 pixels an
    image is a 32-bit bitmap with its AND mask, which every shell reads; the
    256-pixel one is a PNG, as Windows expects at that size."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for w, h, rows in images:
        if w >= 256:
            blob = png(w, h, [bytes(v for p in row for v in p) for row in rows], 6)
        else:
            xor = b''.join(bytes((b, g, r, a)) if a else b'\0\0\0\0' for row in reversed(rows) for r, g, b, a in row)
            mask = b''.join(pack_indices([int(a == 0) for *_, a in row], 1).ljust((w + 31) // 32 * 4, b'\0')
                            for row in reversed(rows))
            head = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
            blob = head + xor + mask
        entries.append(struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack('<HHH', 0, 1, len(images)) + b''.join(entries) + b''.join(blobs)

"""The PNG form of the end-to-end scripts' screen grabs: 8-bit RGB, one IDAT, no row filters.
xshot.py writes it; the scripts' checks read it back. Only the Python standard library."""
import struct
import zlib


def write_rgb(path, w, h, rows):
    """Writes the RGB rows (bytes of 3 * w each, top row first) as a PNG file."""
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    data = b"".join(b"\0" + bytes(r) for r in rows)  # filter byte 0 on every row
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(data, 1)) + chunk(b"IEND", b""))


def read_rgb(path):
    """Width, height and the RGB rows of a PNG in this form; ValueError for any other PNG."""
    data = open(path, "rb").read()
    w, h, depth, colour = struct.unpack(">IIBB", data[16:26])
    if data[:8] != b"\x89PNG\r\n\x1a\n" or (depth, colour) != (8, 2):
        raise ValueError(f"{path}: not an 8-bit RGB PNG")
    raw, pos = b"", 8
    while pos < len(data):
        n, kind = struct.unpack(">I4s", data[pos:pos + 8])
        if kind == b"IDAT":
            raw += data[pos + 8:pos + 8 + n]
        pos += 12 + n
    px = zlib.decompress(raw)
    stride = 3 * w + 1
    if len(px) != stride * h or any(px[r * stride] != 0 for r in range(h)):
        raise ValueError(f"{path}: rows with PNG filters")
    return w, h, [px[r * stride + 1:(r + 1) * stride] for r in range(h)]

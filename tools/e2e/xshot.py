#!/usr/bin/python3
"""Writes a rectangle of the X screen as a PNG: xshot.py OUT.png [X Y W H] (default 0 0 1920 720,
where the cluster's render window lies). Only the Python standard library and libX11."""
import ctypes
import ctypes.util
import sys

from png import write_rgb


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


def grab(x, y, w, h):
    x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XGetImage.restype = ctypes.POINTER(XImage)
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                              ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    dpy = x11.XOpenDisplay(None)
    if not dpy:
        sys.exit("xshot: no display")
    img = x11.XGetImage(dpy, x11.XDefaultRootWindow(dpy), x, y, w, h, 0xFFFFFFFF, 2)  # ZPixmap
    if not img or img.contents.bits_per_pixel != 32:
        sys.exit("xshot: cannot read a 32-bit picture of the screen")
    im = img.contents
    raw = ctypes.string_at(im.data, im.bytes_per_line * h)
    rows = []
    for r in range(h):
        line = raw[r * im.bytes_per_line:r * im.bytes_per_line + 4 * w]
        rgb = bytearray(3 * w)
        rgb[0::3], rgb[1::3], rgb[2::3] = line[2::4], line[1::4], line[0::4]  # BGRX -> RGB
        rows.append(rgb)
    return rows


if __name__ == "__main__":
    if len(sys.argv) not in (2, 6):
        sys.exit(__doc__)
    x, y, w, h = (int(v) for v in sys.argv[2:6]) if len(sys.argv) == 6 else (0, 0, 1920, 720)
    write_rgb(sys.argv[1], w, h, grab(x, y, w, h))

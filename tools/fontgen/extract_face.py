#!/usr/bin/python3
"""Writes one face of a font collection as a single-face font file.

    extract_face.py COLLECTION INDEX OUTPUT

The face's tables are copied as they are (outlines, metrics, names, licence); the head table's
modification time is kept, so that the same collection always gives the same bytes.
"""
import os
import sys

from fontTools.ttLib import TTFont


def main():
    if len(sys.argv) != 4:
        sys.stderr.write("usage: extract_face.py COLLECTION INDEX OUTPUT\n")
        sys.exit(1)
    src, index, out = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    font = TTFont(src, fontNumber=index, lazy=True, recalcBBoxes=False, recalcTimestamp=False)
    tmp = out + ".tmp"
    font.save(tmp)
    os.replace(tmp, out)


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Writes the test font: TrueType box glyphs whose ink sizes are whole pixels at 32 pixels per em
(units per em 1024, so 32 units are one pixel), for exact layout checks.

    make_box_font.py OUTPUT

| char | ink (pixels at 32 px)                          |
|------|------------------------------------------------|
| A    | 20 wide, 20 high on the baseline               |
| B    | 30 wide, 20 high                               |
| C    | 10 wide, 20 high, 2 px left bearing            |
| D    | 20 wide, from 10 above to 20 below the baseline |
| T    | 10 wide, 36 high (taller than the size)        |
| _    | 12 wide, 2 high just below the baseline        |
| space| no ink                                         |
U+4E00 and everything else has no glyph.
"""
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

PX = 32
BOXES = {  # name: (char, left, right, bottom, top) in pixels
    "A": ("A", 0, 20, 0, 20),
    "B": ("B", 0, 30, 0, 20),
    "C": ("C", 2, 12, 0, 20),
    "D": ("D", 0, 20, -20, 10),
    "T": ("T", 0, 10, 0, 36),
    "underscore": ("_", 0, 12, -2, 0),
}


def box(l, r, b, t):
    pen = TTGlyphPen(None)
    pen.moveTo((l * PX, b * PX))
    pen.lineTo((l * PX, t * PX))
    pen.lineTo((r * PX, t * PX))
    pen.lineTo((r * PX, b * PX))
    pen.closePath()
    return pen.glyph()


def main():
    order = [".notdef", "space"] + list(BOXES)
    fb = FontBuilder(1024, isTTF=True)
    fb.setupGlyphOrder(order)
    cmap = {0x20: "space"}
    cmap.update({ord(c): name for name, (c, *_r) in BOXES.items()})
    fb.setupCharacterMap(cmap)
    glyphs = {".notdef": TTGlyphPen(None).glyph(), "space": TTGlyphPen(None).glyph()}
    metrics = {".notdef": (512, 0), "space": (512, 0)}
    for name, (_c, l, r, b, t) in BOXES.items():
        glyphs[name] = box(l, r, b, t)
        metrics[name] = ((r + 2) * PX, l * PX)
    fb.setupGlyf(glyphs)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=1024, descent=-512)
    fb.setupNameTable({"familyName": "Boxes", "styleName": "Regular"})
    fb.setupOS2(sTypoAscender=1024, sTypoDescender=-512, usWinAscent=1024, usWinDescent=512)
    fb.setupPost()
    fb.setupHead(unitsPerEm=1024, created=0, modified=0)
    fb.font.recalcTimestamp = False
    fb.save(sys.argv[1])


if __name__ == "__main__":
    main()

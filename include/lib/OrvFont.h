/* FreeType wrapper of the renderer: opens the TrueType fonts as faces (a face id is a small
 * index), lays characters out into glyph-atlas bitmaps, and rasterises single lines of run-time
 * text into one-byte-per-pixel bitmaps. Every bitmap it writes is stored bottom row first, like
 * every picture of the renderer. Render thread only. */
#ifndef ORV_FONT_H
#define ORV_FONT_H

#include "BaseTypes.h"

/* At most this many faces can be open at once. */
#define ORV_FT_FACE_MAX 10

/* Opens ftFiles[0..num-1] as faces (initialising FreeType on first use). libIDs[i] receives the
 * face id of file i, or -1 when it could not be opened. Returns 1 only if every file opened. */
Int08 InitFtLibs(const char** ftFiles, Int32* libIDs, Int32 num);

/* Closes every open face and the library; the arguments are not used. */
void DeInitFtLibs(Int32* libIDs, Int32 num);

/* Renders codeNum characters of ucsCode at charSize pixels into a new atlas bitmap texWidth wide,
 * in rows of cells 1.5 charSize high: packed by ink width plus a 2-pixel gap when tight is 1, in
 * cells charSize wide when it is 0. Returns 1 with the bitmap in *pixelBuff (texWidth x *texHigh
 * bytes, bottom row first), and, when the pointers are given, codeNum width rates (advance / charSize)
 * and 4 x codeNum texcoords (s-left, t-top, s-right, t-bottom). The caller frees all three
 * (free()). A character without a glyph gets zero texcoords and width rate. Returns 0 for bad
 * arguments, a face id that is not open, or when memory runs out. */
Int08 GenFontBmps(Int32 libID, Int32 charSize, Int32 texWidth, Int32 codeNum, const UInt32* ucsCode,
                  Int32* texHigh, UInt08** pixelBuff, Flt32** widthRate, Flt32** texcoord,
                  Int08 tight);

/* Rasterises the zero-terminated UCS-4 string ucsCode at charSize pixels into the caller's bitmap
 * of *bmpWidth x *bmpHigh bytes (bottom row first), packed like GenFontBmps. Characters that do
 * not fit are dropped; *numDrawn (if given) receives how many were placed. On success the rows are
 * repacked to the used width, the rest of the buffer is cleared, *bmpWidth becomes the used width
 * and the result is 1. Pixels not covered by a glyph keep what the caller put there. Returns 0
 * (and *numDrawn 0) for bad arguments or a face id that is not open. */
Int08 DrawSingleLineTxtBmp(Int32 libID, Int32 charSize, Int32* bmpWidth, Int32* bmpHigh,
                           const UInt32* ucsCode, UInt08* bmpPixel, Int08 tight, Int32* numDrawn);

#endif

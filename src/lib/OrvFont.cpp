// FreeType wrapper: faces, glyph atlases and run-time text bitmaps.
#include "lib/OrvFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

static FT_Library mFtLib = NULL;
static FT_Face mFtFace[ORV_FT_FACE_MAX];
static Int32 mFtFaceIdCnt = 0;

// The face behind an id, or NULL when the id names no open face.
static FT_Face OrvFont_Face(Int32 libID)
{
    if (libID < 0 || libID >= mFtFaceIdCnt)
        return NULL;
    return mFtFace[libID];
}

// Coverage of pixel (col, row) of a rendered bitmap, counted from its top-left corner. Reads by the
// bitmap's own pitch, which may be wider than its width; 1-bit bitmaps count as 0 or 255.
static UInt08 OrvFont_Coverage(const FT_Bitmap& bm, Int32 col, Int32 row)
{
    const Int32 pitch = bm.pitch;
    const unsigned char* line = pitch >= 0 ? bm.buffer + (size_t)row * pitch
                                           : bm.buffer + (size_t)((Int32)bm.rows - 1 - row) * -pitch;
    if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
        return ((line[col >> 3] >> (7 - (col & 7))) & 1) ? 255 : 0;
    return line[col];
}

// Copies a glyph bitmap into a bottom-row-first buffer of bufW x bufH bytes. Its top row lands
// on top-down row rowTop and its left column on column colLeft; whatever falls outside the columns
// [0, bufW) or the top-down rows [rowMin, rowEnd) is cut off.
static void OrvFont_Blit(const FT_Bitmap& bm, UInt08* buf, Int32 bufW, Int32 bufH, Int32 colLeft,
                         Int32 rowTop, Int32 rowMin, Int32 rowEnd)
{
    if (rowEnd > bufH)
        rowEnd = bufH;
    if (rowMin < 0)
        rowMin = 0;
    for (Int32 r = 0; r < (Int32)bm.rows; r++) {
        const Int32 row = rowTop + r;
        if (row < rowMin)
            continue;
        if (row >= rowEnd)
            break;
        UInt08* dst = buf + (size_t)(bufH - 1 - row) * bufW;
        for (Int32 c = 0; c < (Int32)bm.width; c++) {
            const Int32 col = colLeft + c;
            if (col >= 0 && col < bufW)
                dst[col] = OrvFont_Coverage(bm, c, r);
        }
    }
}

Int08 InitFtLibs(const char** ftFiles, Int32* libIDs, Int32 num)
{
    if (ftFiles == NULL || libIDs == NULL)
        return 0;
    if (mFtLib == NULL && FT_Init_FreeType(&mFtLib) != 0) {
        mFtLib = NULL;
        for (Int32 i = 0; i < num; i++)
            libIDs[i] = -1;
        puts("FT_Init_FreeType fail");
        return 0;
    }
    Int08 allOpened = 1;
    for (Int32 i = 0; i < num; i++) {
        libIDs[i] = -1;
        // Files beyond the tenth, and files once every face slot is taken, cannot be opened.
        if (i >= ORV_FT_FACE_MAX || mFtFaceIdCnt >= ORV_FT_FACE_MAX) {
            allOpened = 0;
            continue;
        }
        if (ftFiles[i] == NULL || FT_New_Face(mFtLib, ftFiles[i], 0, &mFtFace[mFtFaceIdCnt]) != 0) {
            mFtFace[mFtFaceIdCnt] = NULL;
            printf("FT_New_Face %s fail\n", ftFiles[i] ? ftFiles[i] : "(null)");
            allOpened = 0;
            continue;
        }
        libIDs[i] = mFtFaceIdCnt++;
    }
    return allOpened;
}

void DeInitFtLibs(Int32* libIDs, Int32 num)
{
    (void)libIDs;
    (void)num;
    for (Int32 i = 0; i < mFtFaceIdCnt; i++) {
        if (mFtFace[i] != NULL)
            FT_Done_Face(mFtFace[i]);
        mFtFace[i] = NULL;
    }
    mFtFaceIdCnt = 0;
    if (mFtLib != NULL)
        FT_Done_FreeType(mFtLib);
    mFtLib = NULL;
}

namespace {
// One character of an atlas between layout and copy.
struct AtlasGlyph {
    FT_Glyph glyph = NULL;   // rendered bitmap glyph; NULL for no pixels
    Int32 col = 0;           // left column of the pixels
    Int32 cellTop = 0;       // top-down row of the cell top
    Int32 top = 0;           // bitmap top above the baseline, at most charSize
    bool placed = false;     // false: no glyph, texcoords and width rate stay 0
};
}

// Looks a character up, loads and copies its glyph and renders the copy to a coverage bitmap.
// Returns NULL when the font has no glyph for it or a step fails.
static FT_BitmapGlyph OrvFont_RenderCopy(FT_Face face, UInt32 code)
{
    const FT_UInt gi = FT_Get_Char_Index(face, code);
    if (gi == 0 || FT_Load_Glyph(face, gi, FT_LOAD_DEFAULT) != 0)
        return NULL;
    FT_Glyph glyph = NULL;
    if (FT_Get_Glyph(face->glyph, &glyph) != 0)
        return NULL;
    if (glyph->format != FT_GLYPH_FORMAT_BITMAP &&
        FT_Glyph_To_Bitmap(&glyph, FT_RENDER_MODE_NORMAL, NULL, 1) != 0) {
        FT_Done_Glyph(glyph);
        return NULL;
    }
    return (FT_BitmapGlyph)glyph;
}

Int08 GenFontBmps(Int32 libID, Int32 charSize, Int32 texWidth, Int32 codeNum, const UInt32* ucsCode,
                  Int32* texHigh, UInt08** pixelBuff, Flt32** widthRate, Flt32** texcoord,
                  Int08 tight)
{
    FT_Face face = OrvFont_Face(libID);
    if (charSize < 1 || texWidth < charSize || pixelBuff == NULL || texHigh == NULL || codeNum < 1 ||
        ucsCode == NULL || face == NULL)
        return 0;
    if (FT_Set_Pixel_Sizes(face, charSize, charSize) != 0)
        return 0;

    const Int32 cellH = charSize * 3 / 2;
    std::vector<AtlasGlyph> glyphs((size_t)codeNum);
    Flt32* rates = (Flt32*)calloc((size_t)codeNum, sizeof(Flt32));
    Flt32* txc = (Flt32*)calloc((size_t)codeNum * 4, sizeof(Flt32));

    // Layout first, so that the bitmap is sized by where the glyphs really went: tight packing
    // advances by ink width, which a row count taken from cell widths does not bound.
    Int32 x = 0, y = 0;
    for (Int32 n = 0; rates != NULL && txc != NULL && n < codeNum; n++) {
        FT_BitmapGlyph bg = OrvFont_RenderCopy(face, ucsCode[n]);
        if (bg == NULL)
            continue;
        AtlasGlyph& g = glyphs[(size_t)n];
        Int32 w = (Int32)bg->bitmap.width;
        g.top = bg->top < charSize ? bg->top : charSize;
        if (w == 0) {
            // A glyph without ink (the space) takes half a size and brings no pixels.
            w = charSize / 2;
            FT_Done_Glyph((FT_Glyph)bg);
        } else {
            g.glyph = (FT_Glyph)bg;
        }
        Int32 sRight;
        if (tight) {
            if (x + w > texWidth) {
                x = 0;
                y += cellH;
            }
            rates[n] = (Flt32)w / (Flt32)charSize;
            g.col = x;
            sRight = x + w < texWidth ? x + w : texWidth;
        } else {
            if (x + charSize > texWidth) {
                x = 0;
                y += cellH;
            }
            rates[n] = 1.0f;
            g.col = x + (g.glyph ? ((FT_BitmapGlyph)g.glyph)->left : 0);
            sRight = x + charSize;
        }
        g.cellTop = y;
        g.placed = true;
        txc[n * 4 + 0] = (Flt32)x / (Flt32)texWidth;
        txc[n * 4 + 2] = (Flt32)sRight / (Flt32)texWidth;
        x += tight ? w + 2 : charSize;
    }

    const Int32 height = y + cellH;
    UInt08* bmp = (rates && txc) ? (UInt08*)calloc((size_t)texWidth * height, 1) : NULL;
    if (bmp == NULL) {
        for (AtlasGlyph& g : glyphs)
            if (g.glyph)
                FT_Done_Glyph(g.glyph);
        free(rates);
        free(txc);
        return 0;
    }
    for (Int32 n = 0; n < codeNum; n++) {
        AtlasGlyph& g = glyphs[(size_t)n];
        if (!g.placed)
            continue;
        // t values of the flipped atlas: row 0 of the texture is the bottom row of the bitmap.
        txc[n * 4 + 1] = (Flt32)(height - g.cellTop) / (Flt32)height;
        txc[n * 4 + 3] = (Flt32)(height - (g.cellTop + cellH)) / (Flt32)height;
        if (g.glyph == NULL)
            continue;
        // The baseline lies charSize below the cell top; what hangs below the cell is cut off
        // rather than bleeding into the cell underneath.
        OrvFont_Blit(((FT_BitmapGlyph)g.glyph)->bitmap, bmp, texWidth, height, g.col,
                     g.cellTop + charSize - g.top, g.cellTop, g.cellTop + cellH);
        FT_Done_Glyph(g.glyph);
        g.glyph = NULL;
    }

    *texHigh = height;
    *pixelBuff = bmp;
    if (widthRate != NULL)
        *widthRate = rates;
    else
        free(rates);
    if (texcoord != NULL)
        *texcoord = txc;
    else
        free(txc);
    return 1;
}

Int08 DrawSingleLineTxtBmp(Int32 libID, Int32 charSize, Int32* bmpWidth, Int32* bmpHigh,
                           const UInt32* ucsCode, UInt08* bmpPixel, Int08 tight, Int32* numDrawn)
{
    if (numDrawn != NULL)
        *numDrawn = 0;
    FT_Face face = OrvFont_Face(libID);
    if (bmpWidth == NULL || bmpHigh == NULL || ucsCode == NULL || charSize < 1 ||
        *bmpWidth < charSize || bmpPixel == NULL || face == NULL)
        return 0;
    if (FT_Set_Pixel_Sizes(face, charSize, charSize) != 0)
        return 0;

    const Int32 bufW = *bmpWidth;
    const Int32 bufH = *bmpHigh > 0 ? *bmpHigh : 0;

    // Blanks (spaces, missing glyphs) are as wide as the underscore.
    Int32 fallback = charSize / 2;
    const FT_UInt underscore = FT_Get_Char_Index(face, '_');
    if (underscore != 0 && FT_Load_Glyph(face, underscore, FT_LOAD_DEFAULT) == 0 &&
        (face->glyph->format == FT_GLYPH_FORMAT_BITMAP ||
         FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0) &&
        face->glyph->bitmap.width > 0)
        fallback = (Int32)face->glyph->bitmap.width;

    Int32 x = 0, n = 0;
    for (; ucsCode[n] != 0; n++) {
        const UInt32 code = ucsCode[n];
        const FT_UInt gi = FT_Get_Char_Index(face, code);
        bool ink = gi != 0 && FT_Load_Glyph(face, gi, FT_LOAD_DEFAULT) == 0 &&
                   (face->glyph->format == FT_GLYPH_FORMAT_BITMAP ||
                    FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0);
        if (!ink)
            printf("load glyph fail[ucs:0x%x]\n", code);
        Int32 width = ink ? (Int32)face->glyph->bitmap.width : 0;
        if (width == 0) {
            ink = false;
            width = fallback;
        }
        Int32 colLeft = x;
        if (tight) {
            if (x + width > bufW)
                break;
        } else {
            if (x + charSize > bufW)
                break;
            if (ink)
                colLeft = x + face->glyph->bitmap_left;
        }
        if (ink) {
            Int32 rowTop = charSize - face->glyph->bitmap_top;
            if (rowTop < 0)
                rowTop = 0;
            OrvFont_Blit(face->glyph->bitmap, bmpPixel, bufW, bufH, colLeft, rowTop, 0, bufH);
        }
        x += tight ? width + 2 : charSize;
    }
    if (numDrawn != NULL)
        *numDrawn = n;
    // The gap after the last glyph is not part of the text.
    const Int32 used = tight ? (n > 0 ? x - 2 : 0) : x;

    // Rows move down to the used width as their length; rows only move towards the start.
    for (Int32 row = 1; row < bufH && used > 0; row++)
        memmove(bmpPixel + (size_t)row * used, bmpPixel + (size_t)row * bufW, (size_t)used);
    memset(bmpPixel + (size_t)bufH * used, 0, (size_t)bufH * (bufW - used));
    *bmpWidth = used;
    return 1;
}

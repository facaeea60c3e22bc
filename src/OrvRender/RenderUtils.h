/* The renderer's drawing foundation.
 *
 * Screen projection: the cluster is laid out in screen pixels (origin top left, y downward,
 * 1920 x 720) but drawn as a perspective scene; a pixel rectangle placed on a plane z = zTrans
 * covers exactly those pixels when the model-view matrix is the identity. Nearly everything is
 * drawn at -150.
 *
 * Primitives: colour rectangle and triangle strip, textured rectangle, rolling textured strip with
 * faded ends, rotated textured rectangle, single-line and wrapped text from a font atlas. They draw
 * at once with the bound program through client-side arrays; the caller enables the attribute
 * arrays whose handles it passes.
 *
 * Font registry: one entry per font style (0-9), filled by the glyph-atlas code.
 *
 * Picture and model resources: lazy loading of the PNG and TGA pictures of the resource tables and
 * of the three car models, in two steps (decode into memory, then make the texture or buffers), and
 * the pool of 100 run-time picture slots.
 *
 * Render thread only; nothing here is reentrant. */
#ifndef RENDER_UTILS_H
#define RENDER_UTILS_H

#include <GL/glew.h>

#include "BaseTypes.h"

/* ---- Projection ------------------------------------------------------------------------- */

/* Stores the projection parameters; 0 (and prints "parameters seems invalid, use default values
 * instead!") when the field of view, the depth range or the aspect is degenerate, keeping the
 * previous values. */
Int08 SetPerspectiveParameters(GLfloat fovy, GLint dspWidth, GLint dspHigh, GLfloat zNear, GLfloat zFar);
/* Writes each stored parameter whose pointer is not NULL. */
void GetPerspectiveParameters(GLfloat* fovy, GLint* dspWidth, GLint* dspHigh, GLfloat* zNear, GLfloat* zFar);
/* Writes the symmetric perspective matrix (column-major) of the stored parameters. */
void CalcPerspectiveMatrix(GLfloat* mat4x4);
/* Pixel points to plane coordinates at depth zTrans. */
void CalcClipPoints(GLfloat zTrans, Vec2i* pntPos_i, Vec2f* pntPos_f, Int32 pntNum);
/* The same for points with fractional pixel coordinates. */
void CalcClipFltPoints(GLfloat zTrans, Vec2f* pntPos_fi, Vec2f* pntPos_fo, Int32 pntNum);

/* ---- Primitives ------------------------------------------------------------------------- */

/* Text layout flags: one horizontal value OR one vertical value. A field of 0 centres. */
enum {
    TXT_ALIGN_LEFT = 1,
    TXT_ALIGN_RIGHT = 2,
    TXT_ALIGN_HCENTER = 3,
    TXT_ALIGN_TOP = 4,
    TXT_ALIGN_BOTTOM = 8,
    TXT_ALIGN_VCENTER = 12,
};

/* One text call draws at most this many glyphs, one strip at most this many points; longer
 * requests are cut to the limit (the rest is not drawn). */
#define RENDER_TEXT_MAX_GLYPHS 100
#define RENDER_STRIP_MAX_VERTICES 600

/* rect filled with per-corner RGBA (16 floats: bottom-left, bottom-right, top-right, top-left). */
void DrawGlClrRect(GLfloat zTrans, Recti* rect, GLint hVtx, GLint hClr, GLfloat* clr);
/* A triangle strip through vtxNum pixel points, RGBA per point (4 x vtxNum floats). */
void DrawGlClrTriangleStrip(GLfloat zTrans, Vec2i* quadVtx, GLint vtxNum, GLint hVtx, GLint hClr, GLfloat* clr);
/* Texture tex on rect; txc holds (s, t) for bottom-left, bottom-right, top-right, top-left. */
void DrawGlPicRect(GLfloat zTrans, Recti* rect, GLint hVtx, GLint hTxc, GLfloat* txc, GLuint tex);
/* The part of a picture laid at pixel rectangle img that falls inside rect widened by hideWidth
 * pixels on each side; the per-vertex opacity (hAlp) falls from 1 at rect's edges to 0 at the
 * widened edges. Moving img.x scrolls the picture through the window. hAlp -1: the program has
 * no opacity attribute and the opacity stream is left unbound. */
void DrawGlHorRollPicRect(GLfloat zTrans, Recti* rect, GLint hVtx, GLint hTxc, GLint hAlp, GLint hideWidth,
                          Recti* img, GLuint tex);
/* As DrawGlPicRect, rotated by degree (counter-clockwise on screen) about pixel (centX, centY). */
void DrawRotzGlPicRect(GLfloat zTrans, Recti* rect, GLint hVtx, GLint hTxc, GLint centX, GLint centY,
                       GLfloat degree, GLfloat* txc, GLuint tex);
/* One line of glyph indices of a registered style, anchored at (lefTopX, lefTopY) by layout; an
 * index 0 ends the line. Returns the glyphs drawn; dspLen (if not NULL) gets the width in pixels. */
GLint DrawGlHorTextSingleLine(GLfloat zTrans, GLint lefTopX, GLint lefTopY, GLint glyphW, GLint glyphH,
                              GLint glyphGap, GLuint style, const UInt32* txtIdx, GLint txtLen,
                              GLint hVtx, GLint hTxc, GLint layout, GLint* dspLen);
/* Glyphs from the top-left point, wrapping before a glyph would pass rightX; lines lineGap pixels
 * apart. Returns txtLen. */
GLint DrawGlHorTextMultiLine(GLfloat zTrans, GLint lefTopX, GLint lefTopY, GLint glyphW, GLint glyphH,
                             GLint glyphGap, GLint lineGap, GLint rightX, GLuint style, const UInt32* txtIdx,
                             GLint txtLen, GLint hVtx, GLint hTxc);

/* The geometry steps of the two text primitives, without any OpenGL call: they fill mTextVtx and
 * mTextTxc exactly as the drawing does and return the number of glyphs laid out (the multi-line
 * layout returns the glyphs placed, at most RENDER_TEXT_MAX_GLYPHS). */
GLint LayoutGlHorTextSingleLine(GLfloat zTrans, GLint lefTopX, GLint lefTopY, GLint glyphW, GLint glyphH,
                                GLint glyphGap, GLuint style, const UInt32* txtIdx, GLint txtLen,
                                GLint layout, GLint* dspLen);
GLint LayoutGlHorTextMultiLine(GLfloat zTrans, GLint lefTopX, GLint lefTopY, GLint glyphW, GLint glyphH,
                               GLint glyphGap, GLint lineGap, GLint rightX, GLuint style, const UInt32* txtIdx,
                               GLint txtLen);

/* Scratch vertices of the text primitives and the strip: valid only during one call. */
extern GLfloat mTextVtx[RENDER_TEXT_MAX_GLYPHS * 6 * 3];
extern GLfloat mTextTxc[RENDER_TEXT_MAX_GLYPHS * 6 * 2];

/* ---- Font registry ---------------------------------------------------------------------- */

#define RENDER_FONT_STYLE_NUM 10

/* Read-only outside this module. Per style: atlas texture (0 = not registered), glyph count, the
 * glyph drawn for an out-of-range index, four texcoords per glyph (s left, t top, s right,
 * t bottom) and the advance width of each glyph as a fraction of the nominal glyph width. */
extern GLuint   mFontTexture[RENDER_FONT_STYLE_NUM];
extern GLint    mFontGlyphNum[RENDER_FONT_STYLE_NUM];
extern GLint    mFontInvalidIdx[RENDER_FONT_STYLE_NUM];
extern GLfloat* mFontTexcoord[RENDER_FONT_STYLE_NUM];
extern GLfloat* mFontWidthRate[RENDER_FONT_STYLE_NUM];

/* Registers a style; the registry takes ownership of the texture and of the two malloc'ed arrays,
 * releasing what the style held before. invalidIdx outside 0..glyphNum-1 is stored as 0.
 * 0 for a style outside 0-9. */
Int08 RegisterFontParameters(GLint styleId, GLuint texture, GLfloat* texcoord, GLfloat* widthRate,
                             GLint glyphNum, GLint invalidIdx);
/* Empties a style's entry: frees its arrays, deletes its texture (needs the GL context when one is
 * registered). The clean-up of the atlases calls this instead of freeing the arrays itself, so the
 * registry never keeps dangling pointers. 0 for a style outside 0-9. */
Int08 UnregisterFontParameters(GLint styleId);

/* ---- Text input and geometry ------------------------------------------------------------ */

/* Decodes zero-terminated UTF-8 (one- to three-byte sequences; others are skipped) into at most
 * nUcs - 1 code points and zero-fills the rest of the nUcs entries. Nothing happens for NULL. */
void ConvUtf8ToUcs(UInt32* ucs, const Int08* utf8, Int32 nUcs);
/* The smallest rectangle containing both. */
void CollectMergeRect(Recti* result, const Recti* src0, const Recti* src1);

/* ---- Pictures --------------------------------------------------------------------------- */

/* First call only: every picture at its default place, no size, no pixels, no texture, state 0. */
void Once_InitPngInfo(void);
void Once_InitTgaInfo(void);
/* In state 0: decode the picture's file into its Image; state 1, or 3 with "load png file
 * fail[%s]\n" / "load tga file fail[%s]\n". Identifiers outside the table are ignored. */
void Once_LoadPngData(Int32 id);
void Once_LoadTgaData(Int32 id);
/* In state 1: make the texture, release the pixels, state 2. Callers pass the image's fmt twice. */
void Once_GenPngTexture(Int32 id, GLint interalformat, GLenum format);
void Once_GenTgaTexture(Int32 id, GLint interalformat, GLenum format);
/* Frees pixels and textures of the identifiers begin..end (clamped to the table), state 0. */
void DestroyPngResources(Int32 idRangeBegin, Int32 idRangeEnd);
void DestroyTgaResources(Int32 idRangeBegin, Int32 idRangeEnd);
/* 1 when the picture (a record of pngImg or tgaImg with its texture made) has no transparent
 * pixel: RGB, or RGBA with every alpha 255. Known from its pixels when the texture is made. */
Int08 IsOpaqueImage(const Image* img);

/* Decodes a PNG file into image (w, h, fmt, dat; bottom row first). 1 on success; on failure
 * nothing is left allocated and image is unchanged. No message. */
Int08 LoadPngFile(const char* fileName, Image* image);
/* Reads an uncompressed (type 2) or run-length (type 10) true-colour TGA of 24 or 32 bits into
 * image as RGB / RGBA, rows in file order. 1 on success. */
Int08 LoadTga(const char* fileName, Image* image);

/* ---- Picture pool ----------------------------------------------------------------------- */

/* First call only: every slot free. */
void Once_InitBmpPoolInfo(void);
/* The lowest free slot, marked reserved; -1 when all are taken. */
Int32 GrabAvailableBmpPoolIdx(void);
/* Frees slot idx (0-99): its buffer and its texture. */
void DropBmpPool(Int32 idx);
/* Frees every buffer and deletes every texture of the pool. */
void DestroyBmpPoolResouces(void);

/* ---- Models ----------------------------------------------------------------------------- */

/* First call only: every model empty, no buffers, state 0. */
void Once_InitVboModelInfo(void);
/* In state 0, for 0 <= id <= 2: read the model file; state 1, or 3 with "load vbo file fail[%s]\n". */
void Once_LoadVboModelData(Int32 id);
/* Makes and fills the buffers when positions and normals or texture coordinates are present. */
void Once_GenVboBuffer(Int32 id);
/* Frees every model's arrays and buffers, state 0. */
void DestroyVboResources(void);
/* Reads a .vbo model file into model. 1 on success; on failure what was allocated stays in the
 * record for DestroyVboResources. */
Int08 LoadVbo(Model3DVbo* model, const char* vbofile);

// The drawing calls of every render source go through the frame recorder.
#include "OrvRender/RenderRecordGl.h"

#endif

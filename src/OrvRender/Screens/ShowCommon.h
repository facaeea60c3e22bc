/* Small drawing steps shared by the screen elements: loading a picture of the tables on first use,
 * binding a program with the renderer's current matrices, and drawing a picture at its rectangle
 * at depth -150. Private to the element modules; render thread only. */
#ifndef SHOW_COMMON_H
#define SHOW_COMMON_H

#include <GL/glew.h>

#include <cstdlib>
#include <cstring>

#include "OrvRender/RenderUtils.h"
#include "OrvRender/Res_BmpPool.h"
#include "OrvRender/RenderState.h"
#include "OrvRender/RenderTune.h"
#include "OrvRender/Res_Font.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Shader.h"
#include "OrvRender/Res_Tga.h"
#include "lib/OrvFont.h"
#include "lib/OrvMatrix.h"

/* The plane on which pixel rectangles map onto the screen. */
#define SHOW_Z (-150.0f)

/* Decodes a picture and makes its texture unless that already happened (or failed). */
static inline void ShowLoadPng(Int32 id)
{
    if (id < 0 || id >= PNG_NUM) return;
    Once_LoadPngData(id);
    Once_GenPngTexture(id, pngImg[id].fmt, pngImg[id].fmt);
}
static inline void ShowLoadTga(Int32 id)
{
    if (id < 0 || id >= TGA_NUM) return;
    Once_LoadTgaData(id);
    Once_GenTgaTexture(id, tgaImg[id].fmt, tgaImg[id].fmt);
}

/* The inverted opacity last given to the simple texture program by the steps below: a picture is
 * drawn without blending only while it is 0. */
inline GLfloat mShow_TextureInvAlpha = 0.0f;

/* Makes program id current with the top matrices of the two stacks and inverted opacity 0. */
static inline void ShowUploadMatrices(GLint prj, GLint mdv)
{
    glUniformMatrix4fv(prj, 1, GL_FALSE, mPrjMatStack.mat[mPrjMatStack.idx]);
    glUniformMatrix4fv(mdv, 1, GL_FALSE, mMdvMatStack.mat[mMdvMatStack.idx]);
}

/* The simple texture program, matrices uploaded, its two attributes enabled, opaque, unit 0. */
static inline void ShowBeginTexture(void)
{
    glUseProgram(shader[Prgm_Simple_Texture]);
    ShowUploadMatrices(Prgm_Simple_Texture_UNFM_Prj, Prgm_Simple_Texture_UNFM_Mdv);
    glUniform1i(Prgm_Simple_Texture_UNFM_Tex, 0);
    glUniform1f(Prgm_Simple_Texture_UNFM_Alp, 0.0f);
    mShow_TextureInvAlpha = 0.0f;
    glActiveTexture(GL_TEXTURE0);
    glEnableVertexAttribArray(Prgm_Simple_Texture_ATTR_Vtx);
    glEnableVertexAttribArray(Prgm_Simple_Texture_ATTR_Txc);
}
static inline void ShowEndTexture(void)
{
    glDisableVertexAttribArray(Prgm_Simple_Texture_ATTR_Vtx);
    glDisableVertexAttribArray(Prgm_Simple_Texture_ATTR_Txc);
}
static inline void ShowTextureAlpha(GLfloat invAlpha)
{
    glUniform1f(Prgm_Simple_Texture_UNFM_Alp, invAlpha);
    mShow_TextureInvAlpha = invAlpha;
}

/* A picture of the tables in rect with the simple texture program bound. A picture without
 * transparency drawn at full opacity replaces what lies under it, so it is drawn with blending off
 * (the same pixels, without reading the old ones); the page's blending is on again afterwards. */
static inline void ShowDrawImageRect(const Image* img, Recti rect, GLfloat* txc = QuadTexCoords)
{
    const bool opaque = mShow_TextureInvAlpha == 0.0f && RenderTune_On(RENDER_TUNE_OPAQUE_NOBLEND) &&
                        IsOpaqueImage(img);
    if (opaque) glDisable(GL_BLEND);
    DrawGlPicRect(SHOW_Z, &rect, Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc, txc, img->tex);
    if (opaque) glEnable(GL_BLEND);
}
static inline Recti ShowImageRect(const Image* img)
{
    Recti r = {img->ltx, img->lty, img->w, img->h};
    return r;
}
static inline void ShowDrawImage(const Image* img)
{
    ShowDrawImageRect(img, ShowImageRect(img));
}

/* The font program, matrices uploaded, its attributes enabled, unit 0. */
static inline void ShowBeginFont(void)
{
    glUseProgram(shader[Prgm_Simple_Font]);
    ShowUploadMatrices(Prgm_Simple_Font_UNFM_Prj, Prgm_Simple_Font_UNFM_Mdv);
    glUniform1i(Prgm_Simple_Font_UNFM_Tex, 0);
    glActiveTexture(GL_TEXTURE0);
    glEnableVertexAttribArray(Prgm_Simple_Font_ATTR_Vtx);
    glEnableVertexAttribArray(Prgm_Simple_Font_ATTR_Txc);
}
static inline void ShowEndFont(void)
{
    glDisableVertexAttribArray(Prgm_Simple_Font_ATTR_Vtx);
    glDisableVertexAttribArray(Prgm_Simple_Font_ATTR_Txc);
}

/* One line of atlas text with the bound font program: colour, inverted opacity, glyph size. */
static inline GLint ShowText(GLint x, GLint y, const Int32* size, GLuint style, const UInt32* txt, GLint len,
                             GLint layout, const GLfloat* color, GLfloat invAlpha, GLint* dspLen = nullptr)
{
    glUniform3fv(Prgm_Simple_Font_UNFM_Clr, 1, color);
    glUniform1f(Prgm_Simple_Font_UNFM_Alp, invAlpha);
    return DrawGlHorTextSingleLine(SHOW_Z, x, y, size[0], size[1], size[2], style, txt, len,
                                   Prgm_Simple_Font_ATTR_Vtx, Prgm_Simple_Font_ATTR_Txc, layout, dspLen);
}

/* A font map of the basic table is ready to draw. */
static inline bool ShowFontReady(Int32 style)
{
    return fontMapStatus[style] == Ftm_TexGen;
}

/* Writes the decimal digits of v (no leading zeros) as glyph indices; returns the count. */
static inline Int32 ShowDecimalGlyphs(UInt32* out, UInt32 v)
{
    char buf[12];
    Int32 n = 0;
    do {
        buf[n++] = (char)('0' + v % 10);
        v /= 10;
    } while (v != 0);
    for (Int32 i = 0; i < n; i++) out[i] = (UInt32)GetAssicIdx(buf[n - 1 - i]);
    return n;
}

/* ---- Picture-pool slots for text images rendered at run time -------------------------------- */

/* Takes a pool slot with a cleared buffer of bytes (none when bytes is 0) and a texture of its
 * own; -1 when the pool is full or the buffer cannot be had (the slot is given back then). */
static inline Int32 ShowTakePoolSlot(Int32 bytes)
{
    Int32 idx = GrabAvailableBmpPoolIdx();
    if (idx < 0) return -1;
    if (bytes > 0) {
        bmpPool[idx] = (UInt08*)calloc((size_t)bytes, 1);
        if (bmpPool[idx] == nullptr) {
            DropBmpPool(idx);
            return -1;
        }
    }
    GLuint tex = 0;
    glGenTextures(1, &tex);
    texPool[idx] = tex;
    return idx;
}

/* The render clean-up released the slot's texture and buffer but keeps the slot reserved: gives it
 * a new buffer of bytes (when it needs one) and texture. false when the slot is not ours any more
 * or the buffer cannot be had. */
static inline bool ShowRenewPoolSlot(Int32 idx, Int32 bytes)
{
    if (idx < 0 || idx >= BMP_POOL_NUM || bmpPool[idx] == nullptr) return false;
    if (bytes > 0 && bmpPool[idx] == BMP_POOL_RESERVED) {
        UInt08* buf = (UInt08*)calloc((size_t)bytes, 1);
        if (buf == nullptr) return false;
        bmpPool[idx] = buf;
    }
    if (texPool[idx] == 0xFFFFFFFF) {
        GLuint tex = 0;
        glGenTextures(1, &tex);
        texPool[idx] = tex;
    }
    return true;
}
/* The slot idx renewed in place when it is still ours, else a newly taken one; -1 when the pool has
 * none (or no buffer can be had). */
static inline Int32 ShowKeepPoolSlot(Int32 idx, Int32 bytes)
{
    return ShowRenewPoolSlot(idx, bytes) ? idx : ShowTakePoolSlot(bytes);
}
/* The slot lost its texture or buffer to the render clean-up. */
static inline bool ShowPoolSlotLost(Int32 idx, bool withBuffer)
{
    if (idx < 0) return false;
    if (texPool[idx] == 0xFFFFFFFF) return true;
    return withBuffer && (bmpPool[idx] == nullptr || bmpPool[idx] == BMP_POOL_RESERVED);
}

/* Renders the zero-terminated character codes into the slot's buffer (maxW x maxH bytes, cleared
 * first) and uploads the used part as an 8-bit alpha texture with linear filtering. clampH keeps
 * the faded edges of a scrolled line empty (a transparent border instead of repeating the edge
 * column). *w and *h receive the used size; both are 0 for an empty text or a failure. */
static inline void ShowBuildTextImage(Int32 slot, Int32 fontLib, Int32 charSize, Int32 maxW, Int32 maxH,
                                      const UInt32* codes, bool clampH, Int32* w, Int32* h)
{
    *w = *h = 0;
    if (slot < 0 || codes[0] == 0) return;
    UInt08* bmp = bmpPool[slot];
    memset(bmp, 0, (size_t)maxW * (size_t)maxH);
    Int32 tw = maxW, th = maxH;
    if (!DrawSingleLineTxtBmp(fontLib, charSize, &tw, &th, codes, bmp, 1, nullptr) || tw <= 0 || th <= 0) return;
    glBindTexture(GL_TEXTURE_2D, texPool[slot]);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, tw, th, 0, GL_ALPHA, GL_UNSIGNED_BYTE, bmp);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    if (clampH) {
        const GLfloat clear[4] = {0.0f, 0.0f, 0.0f, 0.0f};
        glTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_BORDER_COLOR, clear);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_BORDER);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    }
    *w = tw;
    *h = th;
}

#endif

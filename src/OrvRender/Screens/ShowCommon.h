/* Small drawing steps shared by the screen elements: loading a picture of the tables on first use,
 * binding a program with the renderer's current matrices, and drawing a picture at its rectangle
 * at depth -150. Private to the element modules; render thread only. */
#ifndef SHOW_COMMON_H
#define SHOW_COMMON_H

#include <GL/glew.h>

#include "OrvRender/RenderUtils.h"
#include "OrvRender/RenderState.h"
#include "OrvRender/Res_Font.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Shader.h"
#include "OrvRender/Res_Tga.h"
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
}

/* A picture of the tables in rect with the simple texture program bound. */
static inline void ShowDrawImageRect(const Image* img, Recti rect, GLfloat* txc = QuadTexCoords)
{
    DrawGlPicRect(SHOW_Z, &rect, Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc, txc, img->tex);
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

#endif

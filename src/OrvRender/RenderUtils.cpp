// Projection, primitives, font registry and text input of the renderer. The picture and model
// loaders are in RenderUtilsRes.cpp.
#include "RenderUtils.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// ---- Projection -----------------------------------------------------------------------------

static GLfloat mFovy = 45.0f;
static GLint   mDspWidth = 1920;
static GLint   mDspHigh = 720;
static GLfloat mZNear = 10.0f;
static GLfloat mZFar = 50.0f;

// The half field of view in radians, rounded to single precision before any sine or tangent.
static GLfloat RenderUtils_HalfAngle(GLfloat fovy)
{
    return (GLfloat)(fovy * 0.017453292519943295 / 2.0);
}

// A degenerate view: no opening angle, no depth range, or no width. A screen of no height would
// divide by zero in every conversion, so it is refused as well.
static bool RenderUtils_ParamsInvalid(GLfloat fovy, GLint dspWidth, GLint dspHigh, GLfloat zNear, GLfloat zFar)
{
    if (dspHigh <= 0) return true;
    GLfloat sine = sinf(RenderUtils_HalfAngle(fovy));
    GLfloat sine_aspect = dspWidth * sine / dspHigh;
    GLfloat dz = zFar - zNear;
    return sine < 0.0001f || dz < 0.0001f || sine_aspect < 0.00001f;
}

Int08 SetPerspectiveParameters(GLfloat fovy, GLint dspWidth, GLint dspHigh, GLfloat zNear, GLfloat zFar)
{
    if (RenderUtils_ParamsInvalid(fovy, dspWidth, dspHigh, zNear, zFar)) {
        puts("parameters seems invalid, use default values instead!");
        return 0;
    }
    mFovy = fovy;
    mDspWidth = dspWidth;
    mDspHigh = dspHigh;
    mZNear = zNear;
    mZFar = zFar;
    return 1;
}

void GetPerspectiveParameters(GLfloat* fovy, GLint* dspWidth, GLint* dspHigh, GLfloat* zNear, GLfloat* zFar)
{
    if (fovy) *fovy = mFovy;
    if (dspWidth) *dspWidth = mDspWidth;
    if (dspHigh) *dspHigh = mDspHigh;
    if (zNear) *zNear = mZNear;
    if (zFar) *zFar = mZFar;
}

void CalcPerspectiveMatrix(GLfloat* m)
{
    memset(m, 0, 16 * sizeof(GLfloat));
    m[0] = m[5] = m[10] = m[15] = 1.0f;
    if (RenderUtils_ParamsInvalid(mFovy, mDspWidth, mDspHigh, mZNear, mZFar)) {
        puts("Perspective parameters invalid, matrix use identity!");
        return;
    }
    GLfloat half = RenderUtils_HalfAngle(mFovy);
    GLfloat sine = sinf(half), cosine = cosf(half);
    GLfloat sine_aspect = mDspWidth * sine / mDspHigh;
    GLfloat dz = mZFar - mZNear;
    m[0] = cosine / sine_aspect;
    m[5] = cosine / sine;
    m[10] = -(mZFar + mZNear) / dz;
    m[11] = -1.0f;
    m[14] = (mZNear * -2.0f * mZFar) / dz;
    m[15] = 0.0f;
}

// GL units per pixel on the plane at depth zTrans.
static GLfloat RenderUtils_Scale(GLfloat zTrans)
{
    GLfloat tmp = tanf(RenderUtils_HalfAngle(mFovy)) * (-zTrans);
    return (tmp + tmp) / mDspHigh;
}

static inline GLfloat RenderUtils_X(GLint x, GLfloat s) { return (x - mDspWidth / 2) * s; }
static inline GLfloat RenderUtils_Y(GLint y, GLfloat s) { return -s * (y - mDspHigh / 2); }

void CalcClipPoints(GLfloat zTrans, Vec2i* pntPos_i, Vec2f* pntPos_f, Int32 pntNum)
{
    GLfloat s = RenderUtils_Scale(zTrans);
    for (Int32 i = 0; i < pntNum; i++) {
        pntPos_f[i].x = RenderUtils_X(pntPos_i[i].x, s);
        pntPos_f[i].y = RenderUtils_Y(pntPos_i[i].y, s);
    }
}

void CalcClipFltPoints(GLfloat zTrans, Vec2f* pntPos_fi, Vec2f* pntPos_fo, Int32 pntNum)
{
    GLfloat s = RenderUtils_Scale(zTrans);
    GLfloat halfW = (GLfloat)(mDspWidth / 2), halfH = (GLfloat)(mDspHigh / 2);
    for (Int32 i = 0; i < pntNum; i++) {
        GLfloat x = pntPos_fi[i].x, y = pntPos_fi[i].y;
        pntPos_fo[i].x = (x - halfW) * s;
        pntPos_fo[i].y = -s * (y - halfH);
    }
}

// ---- Primitives -----------------------------------------------------------------------------

GLfloat mTextVtx[RENDER_TEXT_MAX_GLYPHS * 6 * 3];
GLfloat mTextTxc[RENDER_TEXT_MAX_GLYPHS * 6 * 2];

// The four corners bottom-left, bottom-right, top-right, top-left of a pixel rectangle.
static void RenderUtils_QuadVertices(GLfloat zTrans, const Recti* rect, GLfloat vtx[12])
{
    GLfloat s = RenderUtils_Scale(zTrans);
    GLfloat left = RenderUtils_X(rect->x, s), right = left + rect->w * s;
    GLfloat top = RenderUtils_Y(rect->y, s), bottom = top - rect->h * s;
    const GLfloat corners[12] = {left, bottom, zTrans, right, bottom, zTrans,
                                 right, top, zTrans, left, top, zTrans};
    memcpy(vtx, corners, sizeof(corners));
}

// A picture that failed to load keeps the texture name 0xFFFFFFFF. The compatibility profile
// would create an empty texture under that name and paint the rectangle black, so such a
// picture is not drawn at all.
static inline bool RenderUtils_NoTexture(GLuint tex) { return tex == 0xFFFFFFFFu; }

void DrawGlClrRect(GLfloat zTrans, Recti* rect, GLint hVtx, GLint hClr, GLfloat* clr)
{
    GLfloat vtx[12];
    RenderUtils_QuadVertices(zTrans, rect, vtx);
    glVertexAttribPointer(hVtx, 3, GL_FLOAT, GL_FALSE, 0, vtx);
    glVertexAttribPointer(hClr, 4, GL_FLOAT, GL_FALSE, 0, clr);
    glDrawArrays(GL_TRIANGLE_FAN, 0, 4);
}

void DrawGlClrTriangleStrip(GLfloat zTrans, Vec2i* quadVtx, GLint vtxNum, GLint hVtx, GLint hClr, GLfloat* clr)
{
    if (vtxNum <= 0) return;
    if (vtxNum > RENDER_STRIP_MAX_VERTICES) vtxNum = RENDER_STRIP_MAX_VERTICES;
    GLfloat s = RenderUtils_Scale(zTrans);
    for (GLint i = 0; i < vtxNum; i++) {
        mTextVtx[i * 3 + 0] = RenderUtils_X(quadVtx[i].x, s);
        mTextVtx[i * 3 + 1] = RenderUtils_Y(quadVtx[i].y, s);
        mTextVtx[i * 3 + 2] = zTrans;
    }
    glVertexAttribPointer(hVtx, 3, GL_FLOAT, GL_FALSE, 0, mTextVtx);
    glVertexAttribPointer(hClr, 4, GL_FLOAT, GL_FALSE, 0, clr);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, vtxNum);
}

void DrawGlPicRect(GLfloat zTrans, Recti* rect, GLint hVtx, GLint hTxc, GLfloat* txc, GLuint tex)
{
    if (RenderUtils_NoTexture(tex)) return;
    GLfloat vtx[12];
    RenderUtils_QuadVertices(zTrans, rect, vtx);
    glBindTexture(GL_TEXTURE_2D, tex);
    glVertexAttribPointer(hVtx, 3, GL_FLOAT, GL_FALSE, 0, vtx);
    glVertexAttribPointer(hTxc, 2, GL_FLOAT, GL_FALSE, 0, txc);
    glDrawArrays(GL_TRIANGLE_FAN, 0, 4);
}

void DrawGlHorRollPicRect(GLfloat zTrans, Recti* rect, GLint hVtx, GLint hTxc, GLint hAlp, GLint hideWidth,
                          Recti* img, GLuint tex)
{
    // A picture of no size has no texture coordinates (they would divide by zero).
    if (RenderUtils_NoTexture(tex) || img->w <= 0 || img->h <= 0) return;
    GLfloat s = RenderUtils_Scale(zTrans);
    GLfloat top = RenderUtils_Y(rect->y, s), bottom = top - rect->h * s;
    GLfloat x0 = RenderUtils_X(rect->x, s), xL = x0 - hideWidth * s;
    GLfloat x1 = x0 + rect->w * s, x2 = x1 + hideWidth * s;
    const GLfloat vtx[24] = {xL, top, zTrans, xL, bottom, zTrans, x0, top, zTrans, x0, bottom, zTrans,
                             x1, top, zTrans, x1, bottom, zTrans, x2, top, zTrans, x2, bottom, zTrans};
    static const GLfloat alp[8] = {0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.0f};

    // Pictures are stored bottom row first, so t = 0 is the picture's bottom edge.
    GLfloat tTop = (GLfloat)(img->y + img->h - rect->y) / img->h;
    GLfloat tBottom = tTop - (GLfloat)rect->h / img->h;
    GLfloat s0 = (GLfloat)(rect->x - img->x) / img->w;
    GLfloat sL = s0 - (GLfloat)hideWidth / img->w;
    GLfloat s1 = s0 + (GLfloat)rect->w / img->w;
    GLfloat s2 = s1 + (GLfloat)hideWidth / img->w;
    const GLfloat txc[16] = {sL, tTop, sL, tBottom, s0, tTop, s0, tBottom,
                             s1, tTop, s1, tBottom, s2, tTop, s2, tBottom};

    glBindTexture(GL_TEXTURE_2D, tex);
    glVertexAttribPointer(hVtx, 3, GL_FLOAT, GL_FALSE, 0, vtx);
    glVertexAttribPointer(hTxc, 2, GL_FLOAT, GL_FALSE, 0, txc);
    // A program without a per-vertex opacity passes -1: the stream is then bound to nothing.
    if (hAlp >= 0) glVertexAttribPointer(hAlp, 1, GL_FLOAT, GL_FALSE, 0, alp);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 8);
}

void DrawRotzGlPicRect(GLfloat zTrans, Recti* rect, GLint hVtx, GLint hTxc, GLint centX, GLint centY,
                       GLfloat degree, GLfloat* txc, GLuint tex)
{
    if (RenderUtils_NoTexture(tex)) return;
    GLfloat vtx[12];
    RenderUtils_QuadVertices(zTrans, rect, vtx);
    double rad = degree * 0.017453292519943295;
    GLfloat cr = (GLfloat)cos(rad), sr = (GLfloat)sin(rad);
    GLfloat s = RenderUtils_Scale(zTrans);
    GLfloat cx = RenderUtils_X(centX, s), cy = RenderUtils_Y(centY, s);
    for (int i = 0; i < 4; i++) {
        GLfloat x = vtx[i * 3], y = vtx[i * 3 + 1];
        vtx[i * 3] = cr * x - sr * y + (1.0f - cr) * cx + sr * cy;
        vtx[i * 3 + 1] = sr * x + cr * y + (1.0f - cr) * cy - sr * cx;
    }
    glBindTexture(GL_TEXTURE_2D, tex);
    glVertexAttribPointer(hVtx, 3, GL_FLOAT, GL_FALSE, 0, vtx);
    glVertexAttribPointer(hTxc, 2, GL_FLOAT, GL_FALSE, 0, txc);
    glDrawArrays(GL_TRIANGLE_FAN, 0, 4);
}

// ---- Text -----------------------------------------------------------------------------------

GLuint   mFontTexture[RENDER_FONT_STYLE_NUM];
GLint    mFontGlyphNum[RENDER_FONT_STYLE_NUM];
GLint    mFontInvalidIdx[RENDER_FONT_STYLE_NUM];
GLfloat* mFontTexcoord[RENDER_FONT_STYLE_NUM];
GLfloat* mFontWidthRate[RENDER_FONT_STYLE_NUM];

static bool RenderUtils_StyleUsable(GLuint style)
{
    return style < RENDER_FONT_STYLE_NUM && mFontWidthRate[style] != NULL && mFontTexcoord[style] != NULL;
}

// Writes glyph g of style as glyph number n of the scratch arrays: two triangles
// (L,B) (R,B) (L,T) and (L,T) (R,B) (R,T).
static void RenderUtils_PutGlyph(GLint n, GLuint style, UInt32 g, GLfloat zTrans,
                                 GLfloat left, GLfloat right, GLfloat top, GLfloat bottom)
{
    const GLfloat* tc = mFontTexcoord[style] + g * 4;
    GLfloat sL = tc[0], tT = tc[1], sR = tc[2], tB = tc[3];
    const GLfloat vtx[18] = {left, bottom, zTrans, right, bottom, zTrans, left, top, zTrans,
                             left, top, zTrans, right, bottom, zTrans, right, top, zTrans};
    const GLfloat txc[12] = {sL, tB, sR, tB, sL, tT, sL, tT, sR, tB, sR, tT};
    memcpy(mTextVtx + n * 18, vtx, sizeof(vtx));
    memcpy(mTextTxc + n * 12, txc, sizeof(txc));
}

GLint LayoutGlHorTextSingleLine(GLfloat zTrans, GLint lefTopX, GLint lefTopY, GLint glyphW, GLint glyphH,
                                GLint glyphGap, GLuint style, const UInt32* txtIdx, GLint txtLen,
                                GLint layout, GLint* dspLen)
{
    if (txtLen <= 0 || txtIdx == NULL || !RenderUtils_StyleUsable(style)) return 0;
    GLfloat s = RenderUtils_Scale(zTrans);
    GLfloat gap = glyphGap * s;
    GLfloat ch = glyphH * s * 0.9f;

    GLfloat glTop, glBottom;
    switch (layout & TXT_ALIGN_VCENTER) {
    case TXT_ALIGN_TOP:
        glTop = RenderUtils_Y(lefTopY, s);
        glBottom = glTop - ch;
        break;
    case TXT_ALIGN_BOTTOM:
        glBottom = RenderUtils_Y(lefTopY, s);
        glTop = glBottom + ch;
        break;
    default:
        glTop = RenderUtils_Y(lefTopY - glyphH / 2, s);
        glBottom = glTop - ch;
        break;
    }

    GLfloat xLeft = RenderUtils_X(lefTopX, s);
    GLfloat glLeft = xLeft, glRight = xLeft;
    GLint n = 0;
    for (GLint i = 0; i < txtLen && n < RENDER_TEXT_MAX_GLYPHS; i++) {
        UInt32 g = txtIdx[i];
        if (g == 0) break;
        if (g >= (UInt32)mFontGlyphNum[style]) g = (UInt32)mFontInvalidIdx[style];
        glRight = glLeft + mFontWidthRate[style][g] * s * glyphW;
        RenderUtils_PutGlyph(n++, style, g, zTrans, glLeft, glRight, glTop, glBottom);
        glLeft = glRight + gap;
    }

    GLfloat w = glRight - xLeft;
    if (dspLen) *dspLen = (GLint)(w / s);

    GLfloat shift = 0.0f;
    switch (layout & TXT_ALIGN_HCENTER) {
    case TXT_ALIGN_LEFT: break;
    case TXT_ALIGN_RIGHT: shift = -w; break;
    default: shift = -w / 2.0f; break;
    }
    if (shift != 0.0f)
        for (GLint v = 0; v < n * 6; v++) mTextVtx[v * 3] += shift;
    return n;
}

GLint LayoutGlHorTextMultiLine(GLfloat zTrans, GLint lefTopX, GLint lefTopY, GLint glyphW, GLint glyphH,
                               GLint glyphGap, GLint lineGap, GLint rightX, GLuint style, const UInt32* txtIdx,
                               GLint txtLen)
{
    if (txtLen <= 0 || txtIdx == NULL || !RenderUtils_StyleUsable(style)) return 0;
    GLfloat s = RenderUtils_Scale(zTrans);
    GLfloat gap = glyphGap * s;
    GLfloat ch = glyphH * s * 0.9f;
    GLfloat glTop = RenderUtils_Y(lefTopY, s), glBottom = glTop - ch;
    GLfloat xStart = RenderUtils_X(lefTopX, s), xEnd = RenderUtils_X(rightX, s);
    GLfloat glLeft = xStart;
    GLint n = 0;
    for (GLint i = 0; i < txtLen && n < RENDER_TEXT_MAX_GLYPHS; i++) {
        UInt32 g = txtIdx[i];
        if (g == 0 || g >= (UInt32)mFontGlyphNum[style]) g = (UInt32)mFontInvalidIdx[style];
        GLfloat advance = mFontWidthRate[style][g] * s * glyphW;
        if (glLeft + advance > xEnd) {
            glTop = glBottom - lineGap * s;
            glBottom = glTop - ch;
            glLeft = xStart;
        }
        GLfloat glRight = glLeft + advance;
        RenderUtils_PutGlyph(n++, style, g, zTrans, glLeft, glRight, glTop, glBottom);
        glLeft = glRight + gap;
    }
    return n;
}

// Draws the first n glyphs of the scratch arrays with the style's atlas.
static void RenderUtils_DrawGlyphs(GLuint style, GLint n, GLint hVtx, GLint hTxc)
{
    if (n <= 0) return;
    glBindTexture(GL_TEXTURE_2D, mFontTexture[style]);
    glVertexAttribPointer(hVtx, 3, GL_FLOAT, GL_FALSE, 0, mTextVtx);
    glVertexAttribPointer(hTxc, 2, GL_FLOAT, GL_FALSE, 0, mTextTxc);
    glDrawArrays(GL_TRIANGLES, 0, n * 6);
}

GLint DrawGlHorTextSingleLine(GLfloat zTrans, GLint lefTopX, GLint lefTopY, GLint glyphW, GLint glyphH,
                              GLint glyphGap, GLuint style, const UInt32* txtIdx, GLint txtLen,
                              GLint hVtx, GLint hTxc, GLint layout, GLint* dspLen)
{
    GLint n = LayoutGlHorTextSingleLine(zTrans, lefTopX, lefTopY, glyphW, glyphH, glyphGap, style, txtIdx,
                                        txtLen, layout, dspLen);
    RenderUtils_DrawGlyphs(style, n, hVtx, hTxc);
    return n;
}

GLint DrawGlHorTextMultiLine(GLfloat zTrans, GLint lefTopX, GLint lefTopY, GLint glyphW, GLint glyphH,
                             GLint glyphGap, GLint lineGap, GLint rightX, GLuint style, const UInt32* txtIdx,
                             GLint txtLen, GLint hVtx, GLint hTxc)
{
    GLint n = LayoutGlHorTextMultiLine(zTrans, lefTopX, lefTopY, glyphW, glyphH, glyphGap, lineGap, rightX,
                                       style, txtIdx, txtLen);
    RenderUtils_DrawGlyphs(style, n, hVtx, hTxc);
    return txtLen;
}

Int08 RegisterFontParameters(GLint styleId, GLuint texture, GLfloat* texcoord, GLfloat* widthRate,
                             GLint glyphNum, GLint invalidIdx)
{
    if (styleId < 0 || styleId >= RENDER_FONT_STYLE_NUM) return 0;
    // What the style held before is released, unless it is handed in again.
    if (mFontTexture[styleId] != 0 && mFontTexture[styleId] != texture) glDeleteTextures(1, &mFontTexture[styleId]);
    if (mFontTexcoord[styleId] != NULL && mFontTexcoord[styleId] != texcoord) free(mFontTexcoord[styleId]);
    if (mFontWidthRate[styleId] != NULL && mFontWidthRate[styleId] != widthRate) free(mFontWidthRate[styleId]);
    mFontTexture[styleId] = texture;
    mFontTexcoord[styleId] = texcoord;
    mFontWidthRate[styleId] = widthRate;
    mFontGlyphNum[styleId] = glyphNum;
    mFontInvalidIdx[styleId] = (invalidIdx >= 0 && invalidIdx < glyphNum) ? invalidIdx : 0;
    return 1;
}

Int08 UnregisterFontParameters(GLint styleId)
{
    if (styleId < 0 || styleId >= RENDER_FONT_STYLE_NUM) return 0;
    if (mFontTexture[styleId] != 0) glDeleteTextures(1, &mFontTexture[styleId]);
    free(mFontTexcoord[styleId]);
    free(mFontWidthRate[styleId]);
    mFontTexture[styleId] = 0;
    mFontTexcoord[styleId] = NULL;
    mFontWidthRate[styleId] = NULL;
    mFontGlyphNum[styleId] = 0;
    mFontInvalidIdx[styleId] = 0;
    return 1;
}

// ---- Text input and geometry ----------------------------------------------------------------

void ConvUtf8ToUcs(UInt32* ucs, const Int08* utf8, Int32 nUcs)
{
    if (utf8 == NULL || ucs == NULL || nUcs <= 0) return;
    const UInt08* p = (const UInt08*)utf8;
    Int32 n = 0;
    while (*p != 0 && n < nUcs - 1) {
        UInt08 b0 = p[0];
        if ((b0 & 0xF0) == 0xE0) {
            if (p[1] == 0 || p[2] == 0) break;
            ucs[n++] = (UInt32)(b0 & 0x0F) << 12 | (UInt32)(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
            p += 3;
        } else if ((b0 & 0xE0) == 0xC0) {
            if (p[1] == 0) break;
            ucs[n++] = (UInt32)(b0 & 0x1F) << 6 | (p[1] & 0x3F);
            p += 2;
        } else if (b0 < 0x80) {
            ucs[n++] = b0;
            p += 1;
        } else {
            p += 1;  // a stray continuation byte or a four-byte lead: no output
        }
    }
    for (; n < nUcs; n++) ucs[n] = 0;
}

void CollectMergeRect(Recti* result, const Recti* src0, const Recti* src1)
{
    Int32 x = src0->x < src1->x ? src0->x : src1->x;
    Int32 y = src0->y < src1->y ? src0->y : src1->y;
    Int32 r0 = src0->x + src0->w, r1 = src1->x + src1->w;
    Int32 b0 = src0->y + src0->h, b1 = src1->y + src1->h;
    result->x = x;
    result->y = y;
    result->w = (r0 > r1 ? r0 : r1) - x;
    result->h = (b0 > b1 ? b0 : b1) - y;
}

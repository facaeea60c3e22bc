// Projection and layout of the renderer without a GL context: perspective parameters, the
// pixel-to-plane mapping, text geometry and alignment, the font registry, UTF-8 input, rectangles.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "OrvRender/RenderUtils.h"
#include "support/StdoutCapture.h"

namespace {

class RenderLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SetPerspectiveParameters(10.0f, 1920, 720, 100.0f, 200.0f), 1);
        scale = (GLfloat)(2.0 * 150.0 * tan(5.0 * M_PI / 180.0) / 720.0);
    }
    GLfloat scale = 0;
};

// Captures what a call prints on stdout.
TEST_F(RenderLayout, PixelToPlaneMapping)
{
    Vec2i px[3] = {{0, 0}, {960, 360}, {1920, 720}};
    Vec2f gl[3];
    CalcClipPoints(-150.0f, px, gl, 3);
    EXPECT_NEAR(gl[0].x, -34.995f, 0.001f);
    EXPECT_NEAR(gl[0].y, 13.123f, 0.001f);
    EXPECT_EQ(gl[1].x, 0.0f);
    EXPECT_EQ(gl[1].y, 0.0f);
    EXPECT_NEAR(gl[2].x, 34.995f, 0.001f);
    EXPECT_NEAR(gl[2].y, -13.123f, 0.001f);

    // Fractional pixels fall between their integer neighbours; depth scales linearly.
    Vec2f fin[1] = {{960.5f, 359.5f}}, fout[1];
    CalcClipFltPoints(-150.0f, fin, fout, 1);
    EXPECT_NEAR(fout[0].x, 0.5f * scale, 1e-6f);
    EXPECT_NEAR(fout[0].y, 0.5f * scale, 1e-6f);
    CalcClipPoints(-180.0f, px, gl, 1);
    EXPECT_NEAR(gl[0].x, -34.995f * 180.0f / 150.0f, 0.002f);
}

TEST_F(RenderLayout, PerspectiveRejectionsKeepValues)
{
    struct Case {
        GLfloat fovy;
        GLint w, h;
        GLfloat zn, zf;
    } bad[] = {
        {0.0f, 1920, 720, 10.0f, 50.0f},   // no opening angle
        {45.0f, 1920, 720, 50.0f, 50.0f},  // no depth range
        {45.0f, 0, 720, 10.0f, 50.0f},     // no width
        {45.0f, 1920, 0, 10.0f, 50.0f},    // no height (would divide by zero)
    };
    for (const Case& c : bad) {
        std::string out = Stdout([&] { EXPECT_EQ(SetPerspectiveParameters(c.fovy, c.w, c.h, c.zn, c.zf), 0); });
        EXPECT_EQ(out, "parameters seems invalid, use default values instead!\n");
        GLfloat fovy, zn, zf;
        GLint w, h;
        GetPerspectiveParameters(&fovy, &w, &h, &zn, &zf);
        EXPECT_EQ(fovy, 10.0f);
        EXPECT_EQ(w, 1920);
        EXPECT_EQ(h, 720);
        EXPECT_EQ(zn, 100.0f);
        EXPECT_EQ(zf, 200.0f);
    }
    GetPerspectiveParameters(nullptr, nullptr, nullptr, nullptr, nullptr);  // NULLs are skipped
}

TEST_F(RenderLayout, PerspectiveMatrixProjectsPlaneOntoScreen)
{
    GLfloat m[16];
    CalcPerspectiveMatrix(m);
    EXPECT_EQ(m[11], -1.0f);
    EXPECT_EQ(m[15], 0.0f);
    EXPECT_NEAR(m[10], -3.0f, 1e-5f);             // -(200 + 100) / 100
    EXPECT_NEAR(m[14], -400.0f, 1e-3f);           // -2 * 100 * 200 / 100
    // Pixel (0, 0) on the plane at -150 lands on the top-left corner of clip space.
    Vec2i px = {0, 0};
    Vec2f gl;
    CalcClipPoints(-150.0f, &px, &gl, 1);
    GLfloat x = m[0] * gl.x, y = m[5] * gl.y, w = 150.0f;
    EXPECT_NEAR(x / w, -1.0f, 1e-5f);
    EXPECT_NEAR(y / w, 1.0f, 1e-5f);
}

// A style whose glyph i has the advance rate rates[i] and texcoords (i, 10+i, 20+i, 30+i).
void RegisterTestStyle(GLint style, const float* rates, int n, GLint invalidIdx)
{
    GLfloat* wr = (GLfloat*)malloc(sizeof(GLfloat) * n);
    GLfloat* tc = (GLfloat*)malloc(sizeof(GLfloat) * n * 4);
    for (int i = 0; i < n; i++) {
        wr[i] = rates[i];
        tc[i * 4 + 0] = (GLfloat)i;
        tc[i * 4 + 1] = 10.0f + i;
        tc[i * 4 + 2] = 20.0f + i;
        tc[i * 4 + 3] = 30.0f + i;
    }
    ASSERT_EQ(RegisterFontParameters(style, 0, tc, wr, n, invalidIdx), 1);
}

// Glyph n of the scratch arrays: left, right, top, bottom in plane units.
struct GlyphBox {
    GLfloat l, r, t, b;
};
GlyphBox Glyph(int n)
{
    const GLfloat* v = mTextVtx + n * 18;  // (L,B) (R,B) (L,T) (L,T) (R,B) (R,T)
    return {v[0], v[3], v[7], v[1]};
}

class TextLayout : public RenderLayout {
protected:
    void SetUp() override
    {
        RenderLayout::SetUp();
        const float rates[5] = {0.5f, 1.0f, 0.5f, 0.25f, 0.75f};
        RegisterTestStyle(3, rates, 5, 4);
    }
    void TearDown() override { UnregisterFontParameters(3); }
    GLfloat PxX(GLfloat glx) { return glx / scale + 960.0f; }
    GLfloat PxY(GLfloat gly) { return 360.0f - gly / scale; }
};

TEST_F(TextLayout, AlignmentAndWidth)
{
    // Glyphs 1 and 2: 20 + 10 pixels wide at glyph width 20, with a 2-pixel gap: 32 pixels.
    const UInt32 txt[] = {1, 2};
    struct Case {
        GLint layout;
        float left, top;  // expected pixel left and top of the first glyph cell
    } cases[] = {
        {TXT_ALIGN_LEFT | TXT_ALIGN_TOP, 500, 100},
        {TXT_ALIGN_RIGHT | TXT_ALIGN_TOP, 500 - 32, 100},
        {TXT_ALIGN_HCENTER | TXT_ALIGN_TOP, 500 - 16, 100},
        {TXT_ALIGN_LEFT | TXT_ALIGN_BOTTOM, 500, 100 - 0.9f * 33},
        {TXT_ALIGN_LEFT | TXT_ALIGN_VCENTER, 500, 100 - 16},  // integer half of 33
        {TXT_ALIGN_VCENTER, 500 - 16, 100 - 16},              // a horizontal field of 0 centres
        {TXT_ALIGN_LEFT, 500, 100 - 16},                      // a vertical field of 0 centres
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        GLint dsp = -1;
        ASSERT_EQ(LayoutGlHorTextSingleLine(-150.0f, 500, 100, 20, 33, 2, 3, txt, 2, c.layout, &dsp), 2);
        EXPECT_NEAR(dsp, 32, 1);
        EXPECT_LE(dsp, 32);
        GlyphBox g0 = Glyph(0), g1 = Glyph(1);
        EXPECT_NEAR(PxX(g0.l), c.left, 0.01f);
        EXPECT_NEAR(PxX(g0.r), c.left + 20, 0.01f);
        EXPECT_NEAR(PxX(g1.l), c.left + 22, 0.01f);
        EXPECT_NEAR(PxX(g1.r), c.left + 32, 0.01f);
        EXPECT_NEAR(PxY(g0.t), c.top, 0.01f);
        EXPECT_NEAR(PxY(g0.b), c.top + 0.9f * 33, 0.01f);  // cells are 0.9 of the glyph height
        EXPECT_EQ(mTextVtx[2], -150.0f);
    }
}

TEST_F(TextLayout, ZeroEndsLineAndInvalidIndexUsesInvalidGlyph)
{
    const UInt32 ended[] = {2, 0, 1, 1};
    EXPECT_EQ(LayoutGlHorTextSingleLine(-150.0f, 0, 0, 20, 30, 0, 3, ended, 4, 5, nullptr), 1);

    const UInt32 invalid[] = {7};  // beyond the 5 glyphs: glyph 4 (rate 0.75) in width and texture
    GLint dsp = 0;
    ASSERT_EQ(LayoutGlHorTextSingleLine(-150.0f, 0, 0, 40, 30, 0, 3, invalid, 1, 5, &dsp), 1);
    EXPECT_NEAR(dsp, 30, 1);
    EXPECT_EQ(mTextTxc[0], 4.0f);   // sL of glyph 4 at the left-bottom vertex
    EXPECT_EQ(mTextTxc[1], 34.0f);  // tB
    EXPECT_EQ(mTextTxc[5], 14.0f);  // tT at the left-top vertex
}

TEST_F(TextLayout, RefusedRequests)
{
    const UInt32 txt[] = {1};
    EXPECT_EQ(LayoutGlHorTextSingleLine(-150.0f, 0, 0, 20, 30, 0, 3, txt, 0, 5, nullptr), 0);
    EXPECT_EQ(LayoutGlHorTextSingleLine(-150.0f, 0, 0, 20, 30, 0, 10, txt, 1, 5, nullptr), 0);
    EXPECT_EQ(LayoutGlHorTextSingleLine(-150.0f, 0, 0, 20, 30, 0, 6, txt, 1, 5, nullptr), 0);  // unregistered
    EXPECT_EQ(DrawGlHorTextSingleLine(-150.0f, 0, 0, 20, 30, 0, 6, txt, 1, -1, -1, 5, nullptr), 0);
}

TEST_F(TextLayout, LongTextIsCutAtScratchLimit)
{
    UInt32 txt[150];
    for (UInt32& g : txt) g = 1;
    GLint dsp = 0;
    EXPECT_EQ(LayoutGlHorTextSingleLine(-150.0f, 0, 0, 10, 30, 0, 3, txt, 150, 5, &dsp), RENDER_TEXT_MAX_GLYPHS);
    EXPECT_NEAR(dsp, 1000, 1);
    EXPECT_EQ(LayoutGlHorTextMultiLine(-150.0f, 0, 0, 10, 30, 0, 5, 1920, 3, txt, 150), RENDER_TEXT_MAX_GLYPHS);
}

TEST_F(TextLayout, MultiLineWrapsBeforeRightEdge)
{
    // Glyph 1 is 20 pixels wide, gap 2: glyphs at 100, 122, 144; the third would end at 164.
    const UInt32 txt[] = {1, 1, 1, 0};
    struct Case {
        GLint rightX;
        int firstOnLine2;
    } cases[] = {{164, -1}, {163, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rightX);
        ASSERT_EQ(LayoutGlHorTextMultiLine(-150.0f, 100, 50, 20, 30, 2, 7, c.rightX, 3, txt, 3), 3);
        for (int i = 0; i < 3; i++) {
            GlyphBox g = Glyph(i);
            bool second = c.firstOnLine2 >= 0 && i >= c.firstOnLine2;
            float top = second ? 50 + 0.9f * 30 + 7 : 50;
            float left = second ? 100 + 22 * (i - c.firstOnLine2) : 100 + 22 * i;
            EXPECT_NEAR(PxY(g.t), top, 0.01f) << i;
            EXPECT_NEAR(PxY(g.b), top + 0.9f * 30, 0.01f) << i;
            EXPECT_NEAR(PxX(g.l), left, 0.01f) << i;
        }
    }
    // Index 0 does not end a wrapped text: it draws the invalid glyph.
    const UInt32 zero[] = {0, 1};
    ASSERT_EQ(LayoutGlHorTextMultiLine(-150.0f, 0, 0, 20, 30, 0, 0, 1920, 3, zero, 2), 2);
    EXPECT_EQ(mTextTxc[0], 4.0f);
}

TEST(FontRegistry, InvalidIndexAndStyleRange)
{
    const float rates[3] = {1, 1, 1};
    struct Case {
        GLint invalid, stored;
    } cases[] = {{2, 2}, {3, 0}, {-1, 0}, {0, 0}};
    for (const Case& c : cases) {
        RegisterTestStyle(9, rates, 3, c.invalid);  // re-registering frees the previous arrays
        EXPECT_EQ(mFontInvalidIdx[9], c.stored) << c.invalid;
        EXPECT_EQ(mFontGlyphNum[9], 3);
    }
    UnregisterFontParameters(9);
    EXPECT_EQ(mFontWidthRate[9], nullptr);

    GLfloat dummy[4] = {0};
    EXPECT_EQ(RegisterFontParameters(10, 0, dummy, dummy, 1, 0), 0);
    EXPECT_EQ(RegisterFontParameters(-1, 0, dummy, dummy, 1, 0), 0);
}

TEST(Utf8, Conversion)
{
    struct Case {
        const char* text;
        int nUcs;
        std::vector<UInt32> expect;
    } cases[] = {
        {"a\xC3\xA9", 4, {0x61, 0xE9, 0, 0}},
        {"a\xC3\xA9", 2, {0x61, 0}},
        {"\xE4\xB8\xAD!", 4, {0x4E2D, 0x21, 0, 0}},        // three-byte sequence
        {"x\xE4", 4, {0x78, 0, 0, 0}},                      // lone lead byte before the end
        {"x\xE4\xB8", 4, {0x78, 0, 0, 0}},                  // cut three-byte sequence
        {"x\xC3", 3, {0x78, 0, 0}},                         // cut two-byte sequence
        {"\x80" "b\xF0\x9F\x98\x80" "c", 5, {0x62, 0x63, 0, 0, 0}},  // stray and four-byte bytes vanish
        {"", 3, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        UInt32 out[8];
        for (UInt32& u : out) u = 0xDEAD;
        ConvUtf8ToUcs(out, (const Int08*)c.text, c.nUcs);
        for (int i = 0; i < c.nUcs; i++) EXPECT_EQ(out[i], c.expect[i]) << i;
        EXPECT_EQ(out[c.nUcs], 0xDEADu);  // nothing past nUcs
    }
    UInt32 untouched[2] = {7, 7};
    ConvUtf8ToUcs(untouched, nullptr, 2);
    EXPECT_EQ(untouched[0], 7u);
}

TEST(Rects, MergeCoversBoth)
{
    Recti a = {10, 20, 30, 40}, b = {25, 5, 100, 10}, r;
    CollectMergeRect(&r, &a, &b);
    EXPECT_EQ(r.x, 10);
    EXPECT_EQ(r.y, 5);
    EXPECT_EQ(r.w, 115);  // right edge 125
    EXPECT_EQ(r.h, 55);   // bottom edge 60
}

}  // namespace

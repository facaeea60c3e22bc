// The drawing primitives and the picture and model loaders on a real GL context (software Mesa),
// checked by reading pixels back: exact pixel coverage at -150, picture orientation, rotation,
// faded side bands, inverted opacity, text cells, and textures and buffers made from files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "OrvRender/RenderUtils.h"
#include "OrvRender/Res_BmpPool.h"
#include "OrvRender/Res_Model.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Shader.h"
#include "OrvRender/Res_Tga.h"
#include "lib/OrvMatrix.h"
#include "support/RenderFixtureFiles.h"
#include "support/RenderTestGl.h"
#include "support/StdoutCapture.h"

#include <png.h>

namespace {

const uint32_t kBlack = 0x000000FF, kWhite = 0xFFFFFFFF, kRed = 0xFF0000FF, kGreen = 0x00FF00FF,
               kBlue = 0x0000FFFF, kYellow = 0xFFFF00FF;

GLfloat mPrj[16], mMdv[16];

class RenderGl : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(RenderTestGl_Open());
        Stdout([] {
            for (Int32 id : {(Int32)Prgm_Simple_Texture, (Int32)Prgm_Simple_Font, (Int32)Prgm_AttrAlpha_Font,
                             (Int32)Prgm_Simple_Color})
                Once_LoadShaderProgram(id);
        });
        ASSERT_NE(shader[Prgm_Simple_Texture], 0xFFFFFFFFu);
        SetPerspectiveParameters(10.0f, 1920, 720, 100.0f, 200.0f);
        CalcPerspectiveMatrix(mPrj);
        SetIdentityMatrix4x4(mMdv);
        Once_InitPngInfo();
        Once_InitTgaInfo();
        Once_InitBmpPoolInfo();
        Once_InitVboModelInfo();
    }
    static void TearDownTestSuite()
    {
        DestroyShaderResources();
        RenderTestGl_Close();
    }

    // Runs draw under program id with the matrices, inverted opacity and the given attributes.
    static void WithProgram(Int32 id, GLint prj, GLint mdv, GLint alp, float invAlpha,
                            std::initializer_list<GLint> attrs, const std::function<void()>& draw)
    {
        glUseProgram(shader[id]);
        glUniformMatrix4fv(prj, 1, GL_FALSE, mPrj);
        glUniformMatrix4fv(mdv, 1, GL_FALSE, mMdv);
        glUniform1f(alp, invAlpha);
        for (GLint a : attrs) glEnableVertexAttribArray(a);
        draw();
        for (GLint a : attrs) glDisableVertexAttribArray(a);
    }
    static void DrawPicture(Recti rect, GLuint tex, GLfloat* txc = QuadTexCoords, float invAlpha = 0.0f)
    {
        WithProgram(Prgm_Simple_Texture, Prgm_Simple_Texture_UNFM_Prj, Prgm_Simple_Texture_UNFM_Mdv,
                    Prgm_Simple_Texture_UNFM_Alp, invAlpha,
                    {Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc}, [&] {
                        DrawGlPicRect(-150.0f, &rect, Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc,
                                      txc, tex);
                    });
    }

    // Every pixel of the screen is `lit` inside rect and black outside.
    static void ExpectExactlyLit(const Recti& r, uint32_t lit)
    {
        std::vector<uint8_t> px = RenderTestGl_Read(0, 0, 1920, 720);
        long wrong = 0;
        for (int y = 0; y < 720; y++)
            for (int x = 0; x < 1920; x++) {
                bool inside = x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
                uint32_t p = RenderTestGl_Pixel(px, 1920, x, y);
                if (p != (inside ? lit : kBlack)) {
                    if (wrong++ < 5) ADD_FAILURE() << "pixel (" << x << ", " << y << ") = " << std::hex << p;
                }
            }
        EXPECT_EQ(wrong, 0);
    }

    static uint32_t PixelAt(int x, int y) { return RenderTestGl_Pixel(RenderTestGl_Read(x, y, 1, 1), 1, 0, 0); }
};

TEST_F(RenderGl, PictureRectanglesCoverExactlyTheirPixels)
{
    const uint8_t white[4] = {255, 255, 255, 255};
    GLuint tex = RenderTestGl_Texture(1, 1, GL_RGBA, white);
    const Recti rects[] = {{0, 0, 1920, 720}, {1, 1, 1918, 718}, {100, 50, 10, 10}, {1333, 77, 1, 1}};
    for (const Recti& r : rects) {
        SCOPED_TRACE(testing::Message() << r.x << "," << r.y << " " << r.w << "x" << r.h);
        RenderTestGl_Clear(0, 0, 0);
        DrawPicture(r, tex);
        ExpectExactlyLit(r, kWhite);
    }
    glDeleteTextures(1, &tex);
}

TEST_F(RenderGl, ColourRectangleLightsExactlyItsPixels)
{
    RenderTestGl_Clear(0, 0, 0);
    Recti r = {100, 50, 10, 10};
    GLfloat clr[16];
    for (int i = 0; i < 4; i++) {
        clr[i * 4 + 0] = 0.0f;
        clr[i * 4 + 1] = 1.0f;
        clr[i * 4 + 2] = 0.0f;
        clr[i * 4 + 3] = 1.0f;
    }
    WithProgram(Prgm_Simple_Color, Prgm_Simple_Color_UNFM_Prj, Prgm_Simple_Color_UNFM_Mdv,
                Prgm_Simple_Color_UNFM_Alp, 0.0f, {Prgm_Simple_Color_ATTR_Vtx, Prgm_Simple_Color_ATTR_Clr},
                [&] { DrawGlClrRect(-150.0f, &r, Prgm_Simple_Color_ATTR_Vtx, Prgm_Simple_Color_ATTR_Clr, clr); });
    ExpectExactlyLit(r, kGreen);

    // A strip through four points fills the same square.
    RenderTestGl_Clear(0, 0, 0);
    Vec2i strip[4] = {{100, 60}, {110, 60}, {100, 50}, {110, 50}};
    WithProgram(Prgm_Simple_Color, Prgm_Simple_Color_UNFM_Prj, Prgm_Simple_Color_UNFM_Mdv,
                Prgm_Simple_Color_UNFM_Alp, 0.0f, {Prgm_Simple_Color_ATTR_Vtx, Prgm_Simple_Color_ATTR_Clr}, [&] {
                    DrawGlClrTriangleStrip(-150.0f, strip, 4, Prgm_Simple_Color_ATTR_Vtx,
                                           Prgm_Simple_Color_ATTR_Clr, clr);
                });
    ExpectExactlyLit(r, kGreen);
}

TEST_F(RenderGl, TextureCoordinateTablesOrientPictures)
{
    // 2 x 2 picture, bottom row first: bottom-left red, bottom-right green, top-left blue,
    // top-right yellow.
    const uint8_t px[12] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
    GLuint tex = RenderTestGl_Texture(2, 2, GL_RGB, px);
    struct Case {
        const char* name;
        GLfloat* txc;
        uint32_t tl, tr, bl, br;  // expected screen quadrants
    } cases[] = {
        {"upright", QuadTexCoords, kBlue, kYellow, kRed, kGreen},
        {"mirrored left to right", RotQuadTexCoords, kYellow, kBlue, kGreen, kRed},
        {"mirrored top to bottom", RevQuadTexCoords, kRed, kGreen, kBlue, kYellow},
        {"transposed", EnergyTexCoords, kGreen, kYellow, kRed, kBlue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RenderTestGl_Clear(0, 0, 0);
        DrawPicture({200, 100, 100, 100}, tex, c.txc);
        EXPECT_EQ(PixelAt(210, 110), c.tl);
        EXPECT_EQ(PixelAt(290, 110), c.tr);
        EXPECT_EQ(PixelAt(210, 190), c.bl);
        EXPECT_EQ(PixelAt(290, 190), c.br);
    }
    glDeleteTextures(1, &tex);
}

TEST_F(RenderGl, RotatedPictureTurnsCounterClockwiseAboutItsCentre)
{
    // 200 x 50 bar, left half red, right half green, turned 90 degrees about its centre (500, 225):
    // it stands 50 x 200 from y 125 to 325, green (the right end) on top.
    const uint8_t px[6] = {255, 0, 0, 0, 255, 0};
    GLuint tex = RenderTestGl_Texture(2, 1, GL_RGB, px);
    RenderTestGl_Clear(0, 0, 0);
    Recti r = {400, 200, 200, 50};
    WithProgram(Prgm_Simple_Texture, Prgm_Simple_Texture_UNFM_Prj, Prgm_Simple_Texture_UNFM_Mdv,
                Prgm_Simple_Texture_UNFM_Alp, 0.0f, {Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc},
                [&] {
                    DrawRotzGlPicRect(-150.0f, &r, Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc, 500,
                                      225, 90.0f, QuadTexCoords, tex);
                });
    EXPECT_EQ(PixelAt(500, 130), kGreen);
    EXPECT_EQ(PixelAt(500, 320), kRed);
    EXPECT_EQ(PixelAt(477, 200), kGreen);
    EXPECT_EQ(PixelAt(522, 250), kRed);
    EXPECT_EQ(PixelAt(470, 225), kBlack);  // inside the bar before it turned
    EXPECT_EQ(PixelAt(530, 225), kBlack);
    EXPECT_EQ(PixelAt(500, 120), kBlack);
    EXPECT_EQ(PixelAt(500, 330), kBlack);
    glDeleteTextures(1, &tex);
}

TEST_F(RenderGl, RollingStripFadesOutAcrossItsSideBands)
{
    const uint8_t cover[4] = {255, 255, 255, 255};
    GLuint tex = RenderTestGl_Texture(2, 2, GL_ALPHA, cover);
    RenderTestGl_Clear(0, 0, 0);
    Recti win = {800, 300, 200, 40}, img = {700, 300, 400, 40};
    const GLfloat white[3] = {1.0f, 1.0f, 1.0f};
    WithProgram(Prgm_AttrAlpha_Font, Prgm_AttrAlpha_Font_UNFM_Prj, Prgm_AttrAlpha_Font_UNFM_Mdv,
                Prgm_AttrAlpha_Font_UNFM_Alp, 0.0f,
                {Prgm_AttrAlpha_Font_ATTR_Vtx, Prgm_AttrAlpha_Font_ATTR_Txc, Prgm_AttrAlpha_Font_ATTR_Alp}, [&] {
                    glUniform3fv(Prgm_AttrAlpha_Font_UNFM_Clr, 1, white);
                    DrawGlHorRollPicRect(-150.0f, &win, Prgm_AttrAlpha_Font_ATTR_Vtx, Prgm_AttrAlpha_Font_ATTR_Txc,
                                         Prgm_AttrAlpha_Font_ATTR_Alp, 50, &img, tex);
                });
    std::vector<uint8_t> row = RenderTestGl_Read(700, 320, 400, 1);
    auto red = [&](int x) { return (int)row[(size_t)(x - 700) * 4]; };
    EXPECT_EQ(red(749), 0);
    EXPECT_EQ(red(1050), 0);
    EXPECT_LE(red(751), 8);
    EXPECT_LE(red(1048), 8);
    EXPECT_NEAR(red(775), 128, 8);
    EXPECT_NEAR(red(1025), 128, 8);
    for (int x = 800; x < 1000; x++) ASSERT_EQ(red(x), 255) << x;
    for (int x = 751; x < 800; x++) ASSERT_GE(red(x), red(x - 1)) << x;   // rising into the window
    for (int x = 1001; x < 1050; x++) ASSERT_LE(red(x), red(x - 1)) << x; // falling out of it
    EXPECT_EQ(PixelAt(900, 299), kBlack);
    EXPECT_EQ(PixelAt(900, 340), kBlack);
    glDeleteTextures(1, &tex);
}

TEST_F(RenderGl, InvertedOpacityFadesLinearly)
{
    const uint8_t white[4] = {255, 255, 255, 255};
    GLuint tex = RenderTestGl_Texture(1, 1, GL_RGBA, white);
    struct Case {
        float inv;
        int expect;
    } cases[] = {{0.0f, 255}, {0.5f, 128}, {0.75f, 64}, {1.0f, 0}};
    for (const Case& c : cases) {
        RenderTestGl_Clear(0, 0, 0);
        DrawPicture({600, 400, 20, 20}, tex, QuadTexCoords, c.inv);
        std::vector<uint8_t> p = RenderTestGl_Read(610, 410, 1, 1);
        EXPECT_NEAR(p[0], c.expect, 2) << c.inv;
    }
    glDeleteTextures(1, &tex);
}

TEST_F(RenderGl, MaskSpreadsOverItsPlaneRectangle)
{
    Stdout([] { Once_LoadShaderProgram(Prgm_Mask_Texture); });
    ASSERT_NE(shader[Prgm_Mask_Texture], 0xFFFFFFFFu);
    const uint8_t white[4] = {255, 255, 255, 255};
    // Mask 2 x 2, bottom row first: bottom row opaque, top row: left opaque, right clear.
    const uint8_t mask[4] = {255, 255, 255, 0};
    GLuint tex = RenderTestGl_Texture(1, 1, GL_RGBA, white);
    GLuint mtex = RenderTestGl_Texture(2, 2, GL_ALPHA, mask);
    // The picture covers 100..300 x 100..300; the mask only its 200..300 x 100..200 quarter.
    Vec2i corners[2] = {{200, 100}, {300, 200}};
    Vec2f gl[2];
    CalcClipPoints(-150.0f, corners, gl, 2);
    const GLfloat maskPos[4] = {gl[0].x, gl[0].y, gl[1].x, gl[1].y};
    RenderTestGl_Clear(0, 0, 0);
    Recti r = {100, 100, 200, 200};
    WithProgram(Prgm_Mask_Texture, Prgm_Mask_Texture_UNFM_Prj, Prgm_Mask_Texture_UNFM_Mdv,
                Prgm_Mask_Texture_UNFM_Alp, 0.0f, {Prgm_Mask_Texture_ATTR_Vtx, Prgm_Mask_Texture_ATTR_Txc}, [&] {
                    glUniform4fv(Prgm_Mask_Texture_UNFM_MaskPos, 1, maskPos);
                    glActiveTexture(GL_TEXTURE1);
                    glBindTexture(GL_TEXTURE_2D, mtex);
                    glActiveTexture(GL_TEXTURE0);
                    DrawGlPicRect(-150.0f, &r, Prgm_Mask_Texture_ATTR_Vtx, Prgm_Mask_Texture_ATTR_Txc, QuadTexCoords,
                                  tex);
                });
    EXPECT_EQ(PixelAt(220, 120), kWhite);  // mask top-left texel
    EXPECT_EQ(PixelAt(280, 120), kBlack);  // mask top-right texel: clear
    EXPECT_EQ(PixelAt(280, 180), kWhite);  // mask bottom row
    EXPECT_EQ(PixelAt(150, 250), kWhite);  // outside the mask rectangle its edge texels hold
    EXPECT_EQ(PixelAt(290, 110), kBlack);
    glDeleteTextures(1, &tex);
    glDeleteTextures(1, &mtex);
}

TEST_F(RenderGl, ColourShapedByTextureOpacity)
{
    Stdout([] { Once_LoadShaderProgram(Prgm_Color_TexAlpha); });
    ASSERT_NE(shader[Prgm_Color_TexAlpha], 0xFFFFFFFFu);
    const uint8_t half[2] = {128, 0};  // left texel half covered, right texel empty
    GLuint tex = RenderTestGl_Texture(2, 1, GL_ALPHA, half);
    RenderTestGl_Clear(0, 0, 0);
    Recti r = {300, 500, 100, 20};
    WithProgram(Prgm_Color_TexAlpha, Prgm_Color_TexAlpha_UNFM_Prj, Prgm_Color_TexAlpha_UNFM_Mdv,
                Prgm_Color_TexAlpha_UNFM_Alp, 0.0f, {Prgm_Color_TexAlpha_ATTR_Vtx, Prgm_Color_TexAlpha_ATTR_Txc}, [&] {
                    glVertexAttrib4f(Prgm_Color_TexAlpha_ATTR_Clr, 1.0f, 0.0f, 0.0f, 1.0f);
                    DrawGlPicRect(-150.0f, &r, Prgm_Color_TexAlpha_ATTR_Vtx, Prgm_Color_TexAlpha_ATTR_Txc,
                                  QuadTexCoords, tex);
                });
    std::vector<uint8_t> left = RenderTestGl_Read(320, 510, 1, 1), right = RenderTestGl_Read(380, 510, 1, 1);
    EXPECT_NEAR(left[0], 128, 2);
    EXPECT_EQ(left[1], 0);
    EXPECT_EQ(right[0], 0);
    glDeleteTextures(1, &tex);
}

TEST_F(RenderGl, PictureWithoutTextureDrawsNothing)
{
    RenderTestGl_Clear(1, 1, 1);
    DrawPicture({0, 0, 1920, 720}, 0xFFFFFFFF);
    EXPECT_EQ(PixelAt(960, 360), kWhite);
}

TEST_F(RenderGl, TextCellsFromTheAtlas)
{
    // Atlas 2 x 1: the left texel covered, the right one empty. Glyph 1 is the left texel.
    const uint8_t atlasPx[2] = {255, 0};
    GLuint atlas = RenderTestGl_Texture(2, 1, GL_ALPHA, atlasPx);
    GLfloat* tc = (GLfloat*)malloc(sizeof(GLfloat) * 8);
    GLfloat* wr = (GLfloat*)malloc(sizeof(GLfloat) * 2);
    const GLfloat tcv[8] = {0.5f, 1.0f, 1.0f, 0.0f, 0.0f, 1.0f, 0.5f, 0.0f};
    memcpy(tc, tcv, sizeof(tcv));
    wr[0] = wr[1] = 1.0f;
    ASSERT_EQ(RegisterFontParameters(5, atlas, tc, wr, 2, 0), 1);

    RenderTestGl_Clear(0, 0, 0);
    const UInt32 txt[3] = {1, 1, 1};
    const GLfloat white[3] = {1.0f, 1.0f, 1.0f};
    GLint dsp = 0, n = 0;
    WithProgram(Prgm_Simple_Font, Prgm_Simple_Font_UNFM_Prj, Prgm_Simple_Font_UNFM_Mdv, Prgm_Simple_Font_UNFM_Alp,
                0.0f, {Prgm_Simple_Font_ATTR_Vtx, Prgm_Simple_Font_ATTR_Txc}, [&] {
                    glUniform3fv(Prgm_Simple_Font_UNFM_Clr, 1, white);
                    // Right-aligned on 300, top at 400: cells 220-240, 250-270, 280-300.
                    n = DrawGlHorTextSingleLine(-150.0f, 300, 400, 20, 30, 10, 5, txt, 3, Prgm_Simple_Font_ATTR_Vtx,
                                                Prgm_Simple_Font_ATTR_Txc, TXT_ALIGN_RIGHT | TXT_ALIGN_TOP, &dsp);
                });
    EXPECT_EQ(n, 3);
    EXPECT_NEAR(dsp, 80, 1);
    for (int x : {222, 238, 252, 268, 282, 298}) EXPECT_EQ(PixelAt(x, 410), kWhite) << x;
    for (int x : {218, 245, 275, 302}) EXPECT_EQ(PixelAt(x, 410), kBlack) << x;
    EXPECT_EQ(PixelAt(230, 398), kBlack);
    EXPECT_EQ(PixelAt(230, 428), kBlack);  // cells are 27 pixels high
    UnregisterFontParameters(5);
    EXPECT_EQ(glIsTexture(atlas), GL_FALSE);
}

TEST_F(RenderGl, TablePicturesBecomeTexturesAndAreReleased)
{
    FixtureResDir dir;
    ASSERT_FALSE(dir.root.empty());
    const Int32 png = PNG_ui3_speed_digit_0, tga = TGA_led_turn_left;
    // PNG 2 x 2: top row red, bottom row blue. TGA 1 x 2 of 24 bits: bottom green, top yellow.
    ASSERT_TRUE(WriteFixturePng(pngFilePath[png], 2, 2, PNG_COLOR_TYPE_RGB,
                                {255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255}));
    std::vector<uint8_t> t = FixtureTgaHeader(2, 1, 2, 24);
    t.insert(t.end(), {0, 255, 0, 0, 255, 255});
    ASSERT_TRUE(WriteFixtureFile(tgaFilePath[tga], t));

    Once_LoadPngData(png);
    Once_GenPngTexture(png, pngImg[png].fmt, pngImg[png].fmt);
    Once_LoadTgaData(tga);
    Once_GenTgaTexture(tga, tgaImg[tga].fmt, tgaImg[tga].fmt);
    ASSERT_EQ(pngStatus[png], Png_TexGen);
    ASSERT_EQ(tgaStatus[tga], Tga_TexGen);
    EXPECT_EQ(pngImg[png].dat, nullptr);
    EXPECT_EQ(tgaImg[tga].dat, nullptr);
    GLuint ptex = pngImg[png].tex, ttex = tgaImg[tga].tex;
    EXPECT_EQ(glIsTexture(ptex), GL_TRUE);
    EXPECT_EQ(glIsTexture(ttex), GL_TRUE);
    Once_GenPngTexture(png, GL_RGB, GL_RGB);  // made once
    EXPECT_EQ(pngImg[png].tex, ptex);

    // Drawn at its default place, scaled up: upright. The textures filter linearly (and the t
    // coordinate wraps), so the rows blend; the nearer row's colour dominates.
    auto channel = [](uint32_t p, int c) { return (int)(p >> (24 - 8 * c)) & 0xFF; };
    RenderTestGl_Clear(0, 0, 0);
    const Image& im = pngImg[png];
    DrawPicture({im.ltx, im.lty, im.w * 50, im.h * 50}, im.tex);
    uint32_t top = PixelAt(im.ltx + 50, im.lty + 20), bottom = PixelAt(im.ltx + 50, im.lty + 80);
    EXPECT_GT(channel(top, 0), channel(top, 2) + 100) << std::hex << top;
    EXPECT_GT(channel(bottom, 2), channel(bottom, 0) + 100) << std::hex << bottom;
    const Image& ti = tgaImg[tga];
    DrawPicture({ti.ltx, ti.lty, 40, 80}, ti.tex);
    top = PixelAt(ti.ltx + 20, ti.lty + 15);
    bottom = PixelAt(ti.ltx + 20, ti.lty + 65);
    EXPECT_GT(channel(top, 0), 150) << std::hex << top;      // yellow: red and green
    EXPECT_LT(channel(bottom, 0), 100) << std::hex << bottom;  // green only
    EXPECT_GT(channel(bottom, 1), 200) << std::hex << bottom;

    DestroyPngResources(0, PNG_NUM);
    DestroyTgaResources(0, TGA_NUM);
    EXPECT_EQ(glIsTexture(ptex), GL_FALSE);
    EXPECT_EQ(glIsTexture(ttex), GL_FALSE);
    EXPECT_EQ(pngImg[png].tex, 0xFFFFFFFFu);
    EXPECT_EQ(pngStatus[png], Png_Unload);
}

TEST_F(RenderGl, PoolSlotTextureIsDeletedWithTheSlot)
{
    Int32 slot = GrabAvailableBmpPoolIdx();
    ASSERT_GE(slot, 0);
    bmpPool[slot] = (UInt08*)calloc(4, 1);
    glGenTextures(1, &texPool[slot]);
    glBindTexture(GL_TEXTURE_2D, texPool[slot]);
    GLuint tex = texPool[slot];
    EXPECT_EQ(glIsTexture(tex), GL_TRUE);
    DropBmpPool(slot);
    EXPECT_EQ(glIsTexture(tex), GL_FALSE);
    EXPECT_EQ(bmpPool[slot], nullptr);
    EXPECT_EQ(texPool[slot], 0xFFFFFFFFu);
}

TEST_F(RenderGl, ModelBuffersAreMadeAndReleased)
{
    FixtureResDir dir;
    ASSERT_FALSE(dir.root.empty());
    FixtureVbo v;  // normals and texture coordinates, 3 vertices, one triangle, 16-bit indices
    ASSERT_TRUE(WriteFixtureFile(vboFilePath[VBO_CarSmall], v.Bytes()));
    Stdout([] { Once_LoadVboModelData(VBO_CarSmall); });
    ASSERT_EQ(vboStatus[VBO_CarSmall], Vbo_Loaded);
    Once_GenVboBuffer(VBO_CarSmall);
    EXPECT_EQ(vboStatus[VBO_CarSmall], Vbo_BufGen);
    const Model3DVbo& m = vboModel[VBO_CarSmall];
    const struct {
        int slot;
        GLenum target;
        GLint size;
    } bufs[] = {{VBO_BUF_VTX, GL_ARRAY_BUFFER, 36},
                {VBO_BUF_TXC, GL_ARRAY_BUFFER, 24},
                {VBO_BUF_NOR, GL_ARRAY_BUFFER, 36},
                {VBO_BUF_IDX, GL_ELEMENT_ARRAY_BUFFER, 6}};
    GLuint names[4];
    for (const auto& b : bufs) {
        names[b.slot] = m.buf[b.slot];
        ASSERT_EQ(glIsBuffer(m.buf[b.slot]), GL_TRUE) << b.slot;
        glBindBuffer(b.target, m.buf[b.slot]);
        GLint size = 0;
        glGetBufferParameteriv(b.target, GL_BUFFER_SIZE, &size);
        EXPECT_EQ(size, b.size) << b.slot;
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    EXPECT_EQ(vboIdxType[m.idx_type], (GLenum)GL_UNSIGNED_SHORT);

    DestroyVboResources();
    for (GLuint n : names) EXPECT_EQ(glIsBuffer(n), GL_FALSE);
    EXPECT_EQ(vboModel[VBO_CarSmall].vtxs, nullptr);
    EXPECT_EQ(vboStatus[VBO_CarSmall], Vbo_Unload);
}

}  // namespace

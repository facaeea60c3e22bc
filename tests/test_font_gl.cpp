// The atlas texture life cycle on a real GL context: upload, registration with the text
// primitives, text drawn from it, and release.
#include <gtest/gtest.h>

#include <GL/glew.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "OrvRender/RenderUtils.h"
#include "OrvRender/Res_Font.h"
#include "OrvRender/Res_Shader.h"
#include "OrvRender/Res_TxtBasic.h"
#include "lib/OrvFont.h"
#include "lib/OrvGL.h"
#include "platform/OrvRenderWindow.h"

namespace {

Int32 NoProc(OrvPlat_Window* w, UInt32 m, Int32 wp, Int32 lp)
{
    return OrvPlat_DefWindowProc(w, m, wp, lp);
}

// A hidden render window whose context is current, drawing into a 1920 x 720 framebuffer object
// (pixels of a hidden window's own buffer are undefined when read back).
class FontGl : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(OrvPlat_RegisterRenderClass("OrvRender"));
        OrvRenderHwnd = OrvPlat_CreateRenderWindow("OrvRender", "font test", 0, 0, 1920, 720, NoProc);
        ASSERT_NE(OrvRenderHwnd, nullptr);
        InitGL();
        glGenFramebuffers(1, &fbo);
        glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        glGenRenderbuffers(1, &colour);
        glBindRenderbuffer(GL_RENDERBUFFER, colour);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, 1920, 720);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
        ASSERT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), (GLenum)GL_FRAMEBUFFER_COMPLETE);
        glViewport(0, 0, 1920, 720);
        Once_InitFontBase();
    }
    static void TearDownTestSuite()
    {
        DestroyFontResouces();
        if (fbo) {
            glDeleteFramebuffers(1, &fbo);
            glDeleteRenderbuffers(1, &colour);
        }
        DeInitGL();
        if (OrvRenderHwnd)
            OrvPlat_DestroyWindow(OrvRenderHwnd);
        OrvRenderHwnd = nullptr;
    }
    static GLuint fbo, colour;
};
GLuint FontGl::fbo = 0;
GLuint FontGl::colour = 0;

}  // namespace

TEST_F(FontGl, TextureHoldsTheAtlasAndIsRegistered)
{
    const Int32 style = Style_SiYuan_M;
    Once_LoadFontMapBmpData(style, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
    ASSERT_EQ(fontMapStatus[style], Ftm_Loaded);
    const Int32 high = fontTexHigh[style];
    std::vector<UInt08> expected(fontMapBmpData0[style], fontMapBmpData0[style] + 1024 * high);

    Once_GenFontMapTexture(style, BASIC_FONT_CODE_NUM, str_invalid_char_idx[0]);
    ASSERT_EQ(fontMapStatus[style], Ftm_TexGen);
    EXPECT_EQ(fontMapBmpData0[style], nullptr) << "the bitmap is freed once uploaded";
    ASSERT_NE(fontTexture[style], 0u);
    EXPECT_TRUE(glIsTexture(fontTexture[style]));
    EXPECT_EQ(mFontTexture[style], fontTexture[style]);
    EXPECT_EQ(mFontTexcoord[style], fontTexcoord[style]);
    EXPECT_EQ(mFontWidthRate[style], fontWidthRate[style]);
    EXPECT_EQ(mFontGlyphNum[style], BASIC_FONT_CODE_NUM);
    EXPECT_EQ(mFontInvalidIdx[style], (GLint)str_invalid_char_idx[0]);

    // Level 0 holds the atlas byte for byte (alignment 1: 1024 is a multiple of 4 anyway, but
    // the height is not a power of two); mipmaps exist for the minification filter.
    glBindTexture(GL_TEXTURE_2D, fontTexture[style]);
    GLint w = 0, h = 0, w1 = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &w1);
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, high);
    EXPECT_EQ(w1, 512);
    std::vector<UInt08> got((size_t)1024 * high);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_ALPHA, GL_UNSIGNED_BYTE, got.data());
    EXPECT_TRUE(got == expected);

    // A second texture request for a registered style changes nothing.
    const UInt32 tex = fontTexture[style];
    Once_GenFontMapTexture(style, BASIC_FONT_CODE_NUM, str_invalid_char_idx[0]);
    EXPECT_EQ(fontTexture[style], tex);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

TEST_F(FontGl, TextDrawsFromTheAtlas)
{
    const Int32 style = Style_SiYuan_R;
    Once_LoadFontMapBmpData(style, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
    Once_GenFontMapTexture(style, BASIC_FONT_CODE_NUM, str_invalid_char_idx[0]);
    ASSERT_EQ(fontMapStatus[style], Ftm_TexGen);
    Once_LoadShaderProgram(Prgm_Simple_Font);
    ASSERT_NE(shader[Prgm_Simple_Font], 0u);

    SetPerspectiveParameters(10.0f, 1920, 720, 100.0f, 200.0f);
    GLfloat prj[16], mdv[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    CalcPerspectiveMatrix(prj);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glUseProgram(shader[Prgm_Simple_Font]);
    glUniformMatrix4fv(Prgm_Simple_Font_UNFM_Prj, 1, GL_FALSE, prj);
    glUniformMatrix4fv(Prgm_Simple_Font_UNFM_Mdv, 1, GL_FALSE, mdv);
    glUniform3f(Prgm_Simple_Font_UNFM_Clr, 1, 1, 1);
    glUniform1f(Prgm_Simple_Font_UNFM_Alp, 0);
    glActiveTexture(GL_TEXTURE0);
    glEnableVertexAttribArray(Prgm_Simple_Font_ATTR_Vtx);
    glEnableVertexAttribArray(Prgm_Simple_Font_ATTR_Txc);

    // "剩余时间" in 32 x 48 cells with its left top at (100, 100).
    GLint len = 0;
    const GLint n = DrawGlHorTextSingleLine(-150.0f, 100, 100, 32, 48, 2, style,
                                            str_charge_left_time_idx, 4, Prgm_Simple_Font_ATTR_Vtx,
                                            Prgm_Simple_Font_ATTR_Txc, TXT_ALIGN_LEFT | TXT_ALIGN_TOP,
                                            &len);
    glDisableVertexAttribArray(Prgm_Simple_Font_ATTR_Vtx);
    glDisableVertexAttribArray(Prgm_Simple_Font_ATTR_Txc);
    glFinish();
    EXPECT_EQ(n, 4);
    EXPECT_GT(len, 4 * 20);

    // Read the screen rows 90..160 (GL rows count from the bottom) and find the ink.
    std::vector<UInt08> rgba((size_t)1920 * 720 * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 1920, 720, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    int inkInside = 0, inkOutside = 0, minX = 1920, maxX = -1;
    for (int y = 0; y < 720; y++)
        for (int x = 0; x < 1920; x++) {
            const int v = rgba[((size_t)(719 - y) * 1920 + x) * 4];
            if (v < 128)
                continue;
            const bool inside = x >= 100 && x < 100 + len && y >= 100 && y < 100 + 44;
            (inside ? inkInside : inkOutside)++;
            if (inside) {
                minX = x < minX ? x : minX;
                maxX = x > maxX ? x : maxX;
            }
        }
    EXPECT_GT(inkInside, 200) << "the four glyphs leave ink in their cells";
    EXPECT_EQ(inkOutside, 0) << "no ink outside the text's rectangle";
    EXPECT_LT(minX, 110);
    EXPECT_GT(maxX, 100 + len - 10);
}

TEST_F(FontGl, DestroyReleasesTextureAndRegistryAndAllowsARebuild)
{
    for (int s = 0; s < Style_NUM; s++) {
        Once_LoadFontMapBmpData(s, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
        Once_GenFontMapTexture(s, BASIC_FONT_CODE_NUM, str_invalid_char_idx[0]);
        ASSERT_EQ(fontMapStatus[s], Ftm_TexGen);
    }
    const UInt32 tex0 = fontTexture[0];
    DestroyFontResouces();
    for (int s = 0; s < Style_NUM; s++) {
        EXPECT_EQ(fontMapStatus[s], Ftm_Unload);
        EXPECT_EQ(fontTexture[s], 0u);
        EXPECT_EQ(fontTexcoord[s], nullptr);
        EXPECT_EQ(fontWidthRate[s], nullptr);
        EXPECT_EQ(mFontTexture[s], 0u) << "the registry keeps no texture of style " << s;
        EXPECT_EQ(mFontTexcoord[s], nullptr);
        EXPECT_EQ(mFontWidthRate[s], nullptr);
    }
    EXPECT_FALSE(glIsTexture(tex0));
    // Text of a released style draws nothing.
    EXPECT_EQ(DrawGlHorTextSingleLine(-150.0f, 0, 0, 32, 48, 2, 0, str_digits_idx, 10, 0, 1,
                                      TXT_ALIGN_LEFT | TXT_ALIGN_TOP, NULL), 0);

    // Built again after the release: nothing is freed twice, the registry takes the new arrays.
    Once_LoadFontMapBmpData(0, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
    Once_GenFontMapTexture(0, BASIC_FONT_CODE_NUM, str_invalid_char_idx[0]);
    ASSERT_EQ(fontMapStatus[0], Ftm_TexGen);
    EXPECT_EQ(mFontTexture[0], fontTexture[0]);
    EXPECT_EQ(mFontTexcoord[0], fontTexcoord[0]);
    DestroyFontResouces();
    EXPECT_EQ(mFontTexture[0], 0u);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

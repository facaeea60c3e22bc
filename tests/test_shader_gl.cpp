// The nine shader programs built from the shipped GLSL sources under software Mesa: one log line
// each with every handle found, built once, ignored identifiers, and the clean-up.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "OrvRender/Res_Shader.h"
#include "support/RenderTestGl.h"
#include "support/StdoutCapture.h"

namespace {

// The numbers after each ':' of a log line.
std::vector<long> LogNumbers(const std::string& line)
{
    std::vector<long> out;
    for (size_t p = line.find(':'); p != std::string::npos; p = line.find(':', p + 1))
        out.push_back(strtol(line.c_str() + p + 1, nullptr, 10));
    return out;
}

TEST(ShaderPrograms, AllNineBuildFromShippedSources)
{
    ASSERT_TRUE(RenderTestGl_Open());
    struct Expect {
        const char* name;
        size_t handles;
    } expect[Prgm_Num] = {
        {"Prgm_Simple_Texture:", 6}, {"Prgm_Simple_Font:", 7},   {"Prgm_AttrAlpha_Font:", 8},
        {"Prgm_AttrAlpha_Texture:", 7}, {"Prgm_Mask_Texture:", 8}, {"Prgm_Complex_Texture:", 8},
        {"Prgm_Simple_Color:", 5},   {"Prgm_Color_TexAlpha:", 7}, {"Prgm_Model_Ads:", 7},
    };
    for (Int32 id = 0; id < Prgm_Num; id++) {
        SCOPED_TRACE(expect[id].name);
        EXPECT_EQ(shader[id], 0xFFFFFFFFu);
        std::string out = Stdout([&] { Once_LoadShaderProgram(id); });
        ASSERT_EQ(out.rfind(expect[id].name, 0), 0u) << out;
        EXPECT_EQ(out.back(), '\n');
        EXPECT_EQ(out.find('\n'), out.size() - 1) << "one line: " << out;
        std::vector<long> n = LogNumbers(out);
        ASSERT_EQ(n.size(), expect[id].handles + 1) << out;
        EXPECT_EQ(n[0], (long)shader[id]);
        for (size_t i = 1; i < n.size(); i++) EXPECT_GE(n[i], 0) << out;
        EXPECT_EQ(Stdout([&] { Once_LoadShaderProgram(id); }), "");  // built once
    }
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);

    // The mask sampler of the mask program is on unit 1; every other sampler on unit 0.
    GLint unit = -1;
    glGetUniformiv(shader[Prgm_Mask_Texture], Prgm_Mask_Texture_UNFM_MaskTex, &unit);
    EXPECT_EQ(unit, 1);
    glGetUniformiv(shader[Prgm_Mask_Texture], Prgm_Mask_Texture_UNFM_Tex, &unit);
    EXPECT_EQ(unit, 0);
    glGetUniformiv(shader[Prgm_Complex_Texture], Prgm_Complex_Texture_UNFM_MaskTex, &unit);
    EXPECT_EQ(unit, 0);

    EXPECT_EQ(Stdout([] { Once_LoadShaderProgram(9); Once_LoadShaderProgram(-1); }), "");

    GLuint prog = shader[Prgm_Simple_Color];
    DestroyShaderResources();
    for (UInt32 s : shader) EXPECT_EQ(s, 0xFFFFFFFFu);
    EXPECT_EQ(glIsProgram(prog), GL_FALSE);
    Once_LoadShaderProgram(Prgm_Simple_Color);  // not rebuilt
    EXPECT_EQ(shader[Prgm_Simple_Color], 0xFFFFFFFFu);
    RenderTestGl_Close();
}

}  // namespace

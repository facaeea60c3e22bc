// Shader programs that cannot be built: a missing file, a compile error, a link error, and a
// program whose sources lack an attribute. Each failure is reported and not retried.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "OrvRender/Res_Shader.h"
#include "support/RenderTestGl.h"
#include "support/StdoutCapture.h"

namespace {

void WriteText(const std::string& path, const char* text)
{
    FILE* fp = fopen(path.c_str(), "wb");
    ASSERT_NE(fp, nullptr);
    fputs(text, fp);
    fclose(fp);
}

class ShaderFailures : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RenderTestGl_Open()); }
    static void TearDownTestSuite() { RenderTestGl_Close(); }
};

TEST_F(ShaderFailures, MissingFragmentFile)
{
    const char* missing = "./Res/shader/no_such_prog_font.fp";
    path_shader[2 * Prgm_Simple_Font + 1] = missing;
    EXPECT_EQ(Stdout([] { Once_LoadShaderProgram(Prgm_Simple_Font); }),
              std::string("Load shader:") + missing + " error!\nload shader Prgm_1 failure\n");
    EXPECT_EQ(shader[Prgm_Simple_Font], 0xFFFFFFFFu);
    EXPECT_EQ(Prgm_Simple_Font_UNFM_Mdv, -1);
    EXPECT_EQ(Prgm_Simple_Font_ATTR_Txc, -1);
    EXPECT_EQ(Stdout([] { Once_LoadShaderProgram(Prgm_Simple_Font); }), "");  // not retried
}

TEST_F(ShaderFailures, CompileError)
{
    const std::string broken = "/tmp/orv_broken_color.fp";
    WriteText(broken, "#version 110\nvoid main() { gl_FragColor = vec4(1.0) + ; }\n");
    path_shader[2 * Prgm_Simple_Color + 1] = broken.c_str();
    std::string out = Stdout([] { Once_LoadShaderProgram(Prgm_Simple_Color); });
    EXPECT_EQ(out.rfind("load shader file(" + broken + "):", 0), 0u) << out;
    EXPECT_NE(out.find(", error(compile)!\nLoad shader:" + broken + " error!\nload shader Prgm_6 failure\n"),
              std::string::npos)
        << out;
    EXPECT_EQ(shader[Prgm_Simple_Color], 0xFFFFFFFFu);
    remove(broken.c_str());
}

TEST_F(ShaderFailures, LinkError)
{
    // The fragment stage reads a varying the vertex stage never writes.
    const std::string frag = "/tmp/orv_unlinked.fp";
    WriteText(frag, "#version 110\nvarying vec3 v_nowhere;\nvoid main() { gl_FragColor = vec4(v_nowhere, 1.0); }\n");
    path_shader[2 * Prgm_Model_Ads + 1] = frag.c_str();
    std::string out = Stdout([] { Once_LoadShaderProgram(Prgm_Model_Ads); });
    EXPECT_EQ(out.rfind("Link program error:", 0), 0u) << out;
    EXPECT_NE(out.find("load shader Prgm_8 failure\n"), std::string::npos) << out;
    EXPECT_EQ(shader[Prgm_Model_Ads], 0xFFFFFFFFu);
    remove(frag.c_str());
}

TEST_F(ShaderFailures, MissingAttributeStillBuilds)
{
    // A vertex stage without a_v4_clr: the program builds, that one handle stays -1.
    const std::string vtx = "/tmp/orv_no_clr.vp";
    WriteText(vtx, "#version 110\nuniform mat4 u_mat4_mdv;\nuniform mat4 u_mat4_prj;\nattribute vec3 a_v3_vtx;\n"
                   "varying vec4 v_v4_clr;\nvarying vec2 v_v2_txc;\n"
                   "void main() { v_v4_clr = vec4(1.0); v_v2_txc = vec2(0.0);\n"
                   "gl_Position = u_mat4_prj * u_mat4_mdv * vec4(a_v3_vtx, 1.0); }\n");
    path_shader[2 * Prgm_Color_TexAlpha] = vtx.c_str();
    std::string out = Stdout([] { Once_LoadShaderProgram(Prgm_Color_TexAlpha); });
    EXPECT_EQ(out.rfind("Prgm_Color_TexAlpha:", 0), 0u) << out;
    EXPECT_NE(shader[Prgm_Color_TexAlpha], 0xFFFFFFFFu);
    EXPECT_EQ(Prgm_Color_TexAlpha_ATTR_Clr, -1);
    EXPECT_GE(Prgm_Color_TexAlpha_ATTR_Vtx, 0);
    EXPECT_NE(out.find("clr:-1,"), std::string::npos) << out;
    remove(vtx.c_str());
}

}  // namespace

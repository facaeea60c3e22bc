// Frame cost of the drawing primitives on this machine's OpenGL (software Mesa under Xvfb in the
// test set-up): time per frame of N full-screen textured quads, and of 100 lines of atlas text.
// The baseline for the screens' frame budget. Prints figures; asserts nothing.
//
//   bench_render [frames]      (default 30 frames per figure)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "OrvRender/RenderUtils.h"
#include "OrvRender/Res_Shader.h"
#include "lib/OrvMatrix.h"
#include "support/RenderTestGl.h"

namespace {

GLfloat mPrj[16], mMdv[16];

// Milliseconds per frame of draw(), each frame cleared first and finished with glFinish.
double MsPerFrame(int frames, void (*draw)())
{
    draw();  // warm-up: first use of textures and programs
    glFinish();
    auto t0 = std::chrono::steady_clock::now();
    for (int f = 0; f < frames; f++) {
        RenderTestGl_Clear(0, 0, 0);
        draw();
        glFinish();
    }
    auto t1 = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(t1 - t0).count() / frames;
}

GLuint mBenchPicture = 0;
int mBenchQuads = 0;

void DrawQuads()
{
    glUseProgram(shader[Prgm_Simple_Texture]);
    glUniformMatrix4fv(Prgm_Simple_Texture_UNFM_Prj, 1, GL_FALSE, mPrj);
    glUniformMatrix4fv(Prgm_Simple_Texture_UNFM_Mdv, 1, GL_FALSE, mMdv);
    glUniform1f(Prgm_Simple_Texture_UNFM_Alp, 0.3f);
    glEnableVertexAttribArray(Prgm_Simple_Texture_ATTR_Vtx);
    glEnableVertexAttribArray(Prgm_Simple_Texture_ATTR_Txc);
    Recti full = {0, 0, 1920, 720};
    for (int i = 0; i < mBenchQuads; i++)
        DrawGlPicRect(-150.0f, &full, Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc, QuadTexCoords,
                      mBenchPicture);
    glDisableVertexAttribArray(Prgm_Simple_Texture_ATTR_Vtx);
    glDisableVertexAttribArray(Prgm_Simple_Texture_ATTR_Txc);
}

const int kGlyphs = 179, kLineGlyphs = 20;
UInt32 mBenchLine[kLineGlyphs];

void DrawTextLines()
{
    static const GLfloat white[3] = {0.898f, 0.898f, 0.898f};
    glUseProgram(shader[Prgm_Simple_Font]);
    glUniformMatrix4fv(Prgm_Simple_Font_UNFM_Prj, 1, GL_FALSE, mPrj);
    glUniformMatrix4fv(Prgm_Simple_Font_UNFM_Mdv, 1, GL_FALSE, mMdv);
    glUniform1f(Prgm_Simple_Font_UNFM_Alp, 0.0f);
    glUniform3fv(Prgm_Simple_Font_UNFM_Clr, 1, white);
    glEnableVertexAttribArray(Prgm_Simple_Font_ATTR_Vtx);
    glEnableVertexAttribArray(Prgm_Simple_Font_ATTR_Txc);
    for (int line = 0; line < 100; line++)
        DrawGlHorTextSingleLine(-150.0f, 40 + (line % 4) * 460, 20 + (line / 4) * 27, 27, 45, 2, 0, mBenchLine,
                                kLineGlyphs, Prgm_Simple_Font_ATTR_Vtx, Prgm_Simple_Font_ATTR_Txc,
                                TXT_ALIGN_LEFT | TXT_ALIGN_TOP, nullptr);
    glDisableVertexAttribArray(Prgm_Simple_Font_ATTR_Vtx);
    glDisableVertexAttribArray(Prgm_Simple_Font_ATTR_Txc);
}

}  // namespace

int main(int argc, char** argv)
{
    int frames = argc > 1 ? atoi(argv[1]) : 30;
    if (frames <= 0) frames = 30;
    if (!RenderTestGl_OpenBesideRes(argv[0])) return 1;
    Once_LoadShaderProgram(Prgm_Simple_Texture);
    Once_LoadShaderProgram(Prgm_Simple_Font);
    if (shader[Prgm_Simple_Texture] == 0xFFFFFFFF || shader[Prgm_Simple_Font] == 0xFFFFFFFF) {
        puts("bench_render: the shader programs did not build");
        return 1;
    }
    SetPerspectiveParameters(10.0f, 1920, 720, 100.0f, 200.0f);
    CalcPerspectiveMatrix(mPrj);
    SetIdentityMatrix4x4(mMdv);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    // A full-screen RGBA background picture with linear filtering, as the pages use.
    std::vector<uint8_t> px((size_t)1920 * 720 * 4);
    for (size_t i = 0; i < px.size(); i++) px[i] = (uint8_t)(i * 7 + i / 7680);
    glGenTextures(1, &mBenchPicture);
    glBindTexture(GL_TEXTURE_2D, mBenchPicture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1920, 720, 0, GL_RGBA, GL_UNSIGNED_BYTE, px.data());

    // An atlas the size of the basic glyph table: 1024 x 256 coverage, 179 glyph cells.
    std::vector<uint8_t> atlasPx((size_t)1024 * 256);
    for (size_t i = 0; i < atlasPx.size(); i++) atlasPx[i] = (uint8_t)((i % 13) * 19);
    GLuint atlas = 0;
    glGenTextures(1, &atlas);
    glBindTexture(GL_TEXTURE_2D, atlas);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, 1024, 256, 0, GL_ALPHA, GL_UNSIGNED_BYTE, atlasPx.data());
    GLfloat* tc = (GLfloat*)malloc(sizeof(GLfloat) * 4 * kGlyphs);
    GLfloat* wr = (GLfloat*)malloc(sizeof(GLfloat) * kGlyphs);
    for (int g = 0; g < kGlyphs; g++) {
        int col = g % 32, row = g / 32;
        tc[g * 4 + 0] = col / 32.0f;
        tc[g * 4 + 1] = (row + 1) / 6.0f;
        tc[g * 4 + 2] = (col + 1) / 32.0f;
        tc[g * 4 + 3] = row / 6.0f;
        wr[g] = 0.5f + (g % 5) * 0.1f;
    }
    RegisterFontParameters(0, atlas, tc, wr, kGlyphs, 0);
    for (int i = 0; i < kLineGlyphs; i++) mBenchLine[i] = (UInt32)(1 + i * 7 % (kGlyphs - 1));

    const char* renderer = (const char*)glGetString(GL_RENDERER);
    printf("bench_render: %s, 1920 x 720 framebuffer object, %d frames per figure\n",
           renderer ? renderer : "?", frames);
    for (int n : {1, 5, 10, 20}) {
        mBenchQuads = n;
        double ms = MsPerFrame(frames, DrawQuads);
        printf("full-screen textured quads: %2d per frame  %8.2f ms/frame  %6.2f ms/quad\n", n, ms, ms / n);
    }
    double ms = MsPerFrame(frames, DrawTextLines);
    printf("text: 100 lines x %d glyphs (27 x 45) per frame  %8.2f ms/frame\n", kLineGlyphs, ms);

    UnregisterFontParameters(0);
    glDeleteTextures(1, &mBenchPicture);
    DestroyShaderResources();
    RenderTestGl_Close();
    return 0;
}

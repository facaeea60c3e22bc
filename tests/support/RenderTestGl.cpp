#include "RenderTestGl.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "OrvRender/RenderState.h"
#include "OrvRender/RenderUtils.h"
#include "OrvRender/Res_Font.h"
#include "OrvRender/Res_Shader.h"
#include "OrvRender/Res_TxtBasic.h"
#include "lib/OrvGL.h"
#include "lib/OrvMatrix.h"
#include "platform/OrvPlatform.h"
#include "platform/OrvRenderWindow.h"

static OrvPlat_Window* mTestGl_Window = nullptr;
static GLuint mTestGl_Fbo = 0, mTestGl_Color = 0, mTestGl_Depth = 0;

static Int32 RenderTestGl_Proc(OrvPlat_Window* w, UInt32 m, Int32 wp, Int32 lp)
{
    return OrvPlat_DefWindowProc(w, m, wp, lp);
}

bool RenderTestGl_Open()
{
    if (mTestGl_Window != nullptr) return true;
    if (!OrvPlat_RegisterRenderClass("OrvRender")) return false;
    mTestGl_Window = OrvPlat_CreateRenderWindow("OrvRender", "render test", 0, 0, 1920, 720, RenderTestGl_Proc);
    if (mTestGl_Window == nullptr) return false;
    OrvRenderHwnd = mTestGl_Window;
    InitGL();
    if (glGenFramebuffers == nullptr) {
        puts("no framebuffer objects");
        return false;
    }
    glGenFramebuffers(1, &mTestGl_Fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, mTestGl_Fbo);
    glGenRenderbuffers(1, &mTestGl_Color);
    glBindRenderbuffer(GL_RENDERBUFFER, mTestGl_Color);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, 1920, 720);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, mTestGl_Color);
    glGenRenderbuffers(1, &mTestGl_Depth);
    glBindRenderbuffer(GL_RENDERBUFFER, mTestGl_Depth);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, 1920, 720);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, mTestGl_Depth);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        puts("framebuffer object incomplete");
        return false;
    }
    glViewport(0, 0, 1920, 720);
    // The pages draw with straight alpha.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    return true;
}

bool RenderTestGl_OpenBesideRes(const char* argv0)
{
    OrvPlat_InitProcess(argv0);
    const char* slash = strrchr(argv0, '/');
    const char* name = slash != nullptr ? slash + 1 : argv0;
    // Without its pictures and shaders the page draws nothing, and its frame times would mean nothing.
    if (access(path_shader[2 * Prgm_Simple_Texture], R_OK) != 0) {
        fprintf(stderr, "%s: no Res/ beside the program (build the res target)\n", name);
        return false;
    }
    if (!RenderTestGl_Open()) {
        fprintf(stderr, "%s: no OpenGL context (run under a display, e.g. xvfb-run)\n", name);
        return false;
    }
    return true;
}

void RenderTestGl_Close()
{
    if (mTestGl_Window == nullptr) return;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteRenderbuffers(1, &mTestGl_Color);
    glDeleteRenderbuffers(1, &mTestGl_Depth);
    glDeleteFramebuffers(1, &mTestGl_Fbo);
    DeInitGL();
    OrvPlat_DestroyWindow(mTestGl_Window);
    mTestGl_Window = nullptr;
    OrvRenderHwnd = nullptr;
}

void RenderTestGl_Clear(float r, float g, float b)
{
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

std::vector<uint8_t> RenderTestGl_Read(int x, int y, int w, int h)
{
    std::vector<uint8_t> gl((size_t)w * h * 4), out(gl.size());
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, 720 - y - h, w, h, GL_RGBA, GL_UNSIGNED_BYTE, gl.data());
    for (int r = 0; r < h; r++)  // GL rows run bottom up
        std::copy(gl.begin() + (size_t)(h - 1 - r) * w * 4, gl.begin() + (size_t)(h - r) * w * 4,
                  out.begin() + (size_t)r * w * 4);
    return out;
}

int RenderTestGl_CountBrighter(int x, int y, int w, int h, int minSum)
{
    const std::vector<uint8_t> px = RenderTestGl_Read(x, y, w, h);
    int n = 0;
    for (size_t i = 0; i < px.size(); i += 4) n += px[i] + px[i + 1] + px[i + 2] > minSum;
    return n;
}

uint32_t RenderTestGl_Pixel(const std::vector<uint8_t>& px, int w, int x, int y)
{
    const uint8_t* p = &px[((size_t)y * w + x) * 4];
    return (uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | p[3];
}

void RenderTestGl_PageState()
{
    glEnable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthFunc(GL_LEQUAL);
}

void RenderTestGl_PrepareScreens(const std::vector<Int32>& programs, const std::vector<Int32>& atlasStyles)
{
    for (Int32 id : programs) Once_LoadShaderProgram(id);
    Once_InitFontBase();
    Once_InitPngInfo();
    Once_InitTgaInfo();
    Once_InitBmpPoolInfo();
    Once_InitVboModelInfo();
    for (Int32 style : atlasStyles) {
        Once_LoadFontMapBmpData(style, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
        Once_GenFontMapTexture(style, BASIC_FONT_CODE_NUM, str_invalid_char_idx[0]);
    }
}

void RenderTestGl_ResetMatrices()
{
    mPrjMatStack.idx = 0;
    mMdvMatStack.idx = 0;
    SetPerspectiveParameters(10.0f, 1920, 720, 100.0f, 200.0f);
    CalcPerspectiveMatrix(mPrjMatStack.mat[0]);
    SetIdentityMatrix4x4(mMdvMatStack.mat[0]);
}

GLuint RenderTestGl_Texture(int w, int h, GLenum fmt, const uint8_t* px)
{
    GLuint tex = 0;
    glGenTextures(1, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, fmt, w, h, 0, fmt, GL_UNSIGNED_BYTE, px);
    return tex;
}

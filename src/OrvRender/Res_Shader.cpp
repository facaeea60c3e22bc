// The shader program table and its builder.
#include "Res_Shader.h"

#include <cstdio>
#include <cstdlib>

#include "OrvRender/RenderRecordGl.h"

UInt32 shader[Prgm_Num] = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
                           0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};

const char* path_shader[Prgm_Num * 2] = {
    "./Res/shader/prog_texture.vp",                 "./Res/shader/prog_texture.fp",
    "./Res/shader/prog_font.vp",                    "./Res/shader/prog_font.fp",
    "./Res/shader/prog_font_attr_alpha.vp",         "./Res/shader/prog_font_attr_alpha.fp",
    "./Res/shader/prog_texture_attr_alpha.vp",      "./Res/shader/prog_texture_attr_alpha.fp",
    "./Res/shader/prog_texture_with_mask.vp",       "./Res/shader/prog_texture_with_mask.fp",
    "./Res/shader/prog_texture_complex.vp",         "./Res/shader/prog_texture_complex.fp",
    "./Res/shader/prog_color.vp",                   "./Res/shader/prog_color.fp",
    "./Res/shader/prog_color_with_tex_alpha.vp",    "./Res/shader/prog_color_with_tex_alpha.fp",
    "./Res/shader/prog_model_ads.vp",               "./Res/shader/prog_model_ads.fp",
};

GLint Prgm_Simple_Texture_UNFM_Mdv = -1, Prgm_Simple_Texture_UNFM_Prj = -1, Prgm_Simple_Texture_UNFM_Tex = -1,
      Prgm_Simple_Texture_UNFM_Alp = -1, Prgm_Simple_Texture_ATTR_Vtx = -1, Prgm_Simple_Texture_ATTR_Txc = -1;
GLint Prgm_Simple_Font_UNFM_Mdv = -1, Prgm_Simple_Font_UNFM_Prj = -1, Prgm_Simple_Font_UNFM_Tex = -1,
      Prgm_Simple_Font_UNFM_Clr = -1, Prgm_Simple_Font_UNFM_Alp = -1, Prgm_Simple_Font_ATTR_Vtx = -1,
      Prgm_Simple_Font_ATTR_Txc = -1;
GLint Prgm_AttrAlpha_Font_UNFM_Mdv = -1, Prgm_AttrAlpha_Font_UNFM_Prj = -1, Prgm_AttrAlpha_Font_UNFM_Tex = -1,
      Prgm_AttrAlpha_Font_UNFM_Clr = -1, Prgm_AttrAlpha_Font_UNFM_Alp = -1, Prgm_AttrAlpha_Font_ATTR_Vtx = -1,
      Prgm_AttrAlpha_Font_ATTR_Txc = -1, Prgm_AttrAlpha_Font_ATTR_Alp = -1;
GLint Prgm_AttrAlpha_Texture_UNFM_Mdv = -1, Prgm_AttrAlpha_Texture_UNFM_Prj = -1,
      Prgm_AttrAlpha_Texture_UNFM_Tex = -1, Prgm_AttrAlpha_Texture_UNFM_Alp = -1,
      Prgm_AttrAlpha_Texture_ATTR_Vtx = -1, Prgm_AttrAlpha_Texture_ATTR_Txc = -1,
      Prgm_AttrAlpha_Texture_ATTR_Alp = -1;
GLint Prgm_Mask_Texture_UNFM_Mdv = -1, Prgm_Mask_Texture_UNFM_Prj = -1, Prgm_Mask_Texture_UNFM_Tex = -1,
      Prgm_Mask_Texture_UNFM_Alp = -1, Prgm_Mask_Texture_UNFM_MaskTex = -1, Prgm_Mask_Texture_UNFM_MaskPos = -1,
      Prgm_Mask_Texture_ATTR_Vtx = -1, Prgm_Mask_Texture_ATTR_Txc = -1;
GLint Prgm_Complex_Texture_UNFM_Mdv = -1, Prgm_Complex_Texture_UNFM_Prj = -1, Prgm_Complex_Texture_UNFM_Clr = -1,
      Prgm_Complex_Texture_UNFM_Alp = -1, Prgm_Complex_Texture_UNFM_MaskTex = -1,
      Prgm_Complex_Texture_UNFM_MaskPos = -1, Prgm_Complex_Texture_ATTR_Vtx = -1,
      Prgm_Complex_Texture_ATTR_Alp = -1;
GLint Prgm_Simple_Color_UNFM_Mdv = -1, Prgm_Simple_Color_UNFM_Prj = -1, Prgm_Simple_Color_UNFM_Alp = -1,
      Prgm_Simple_Color_ATTR_Vtx = -1, Prgm_Simple_Color_ATTR_Clr = -1;
GLint Prgm_Color_TexAlpha_UNFM_Mdv = -1, Prgm_Color_TexAlpha_UNFM_Prj = -1, Prgm_Color_TexAlpha_UNFM_Tex = -1,
      Prgm_Color_TexAlpha_UNFM_Alp = -1, Prgm_Color_TexAlpha_ATTR_Vtx = -1, Prgm_Color_TexAlpha_ATTR_Clr = -1,
      Prgm_Color_TexAlpha_ATTR_Txc = -1;
GLint Prgm_Model_Ads_UNFM_Mdv = -1, Prgm_Model_Ads_UNFM_Prj = -1, Prgm_Model_Ads_UNFM_Ads = -1,
      Prgm_Model_Ads_UNFM_Tex = -1, Prgm_Model_Ads_ATTR_Vtx = -1, Prgm_Model_Ads_ATTR_Nor = -1,
      Prgm_Model_Ads_ATTR_Txc = -1;

GLfloat QuadTexCoords[8] = {0.0f, 0.0f, 1.0f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f};
GLfloat RotQuadTexCoords[8] = {1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f};
GLfloat RevQuadTexCoords[8] = {0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f};
GLfloat EnergyTexCoords[8] = {0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f};

namespace {

// One handle of a program: where it is kept, its GLSL name, uniform or attribute.
struct ShaderHandle {
    GLint* handle;
    const char* name;
    bool uniform;
};

// One sampler of a program and its texture unit.
struct ShaderSampler {
    GLint* handle;
    GLint unit;
};

struct ShaderProgramInfo {
    ShaderHandle handles[8];     // in look-up order: uniforms first, then attributes
    int handleNum;
    ShaderSampler samplers[2];
    int samplerNum;
    const char* logFormat;       // program object first, then the handles in logOrder
    int logOrder[8];
};

#define U(h, n) {&h, n, true}
#define A(h, n) {&h, n, false}

const ShaderProgramInfo mShader_Programs[Prgm_Num] = {
    {{U(Prgm_Simple_Texture_UNFM_Mdv, "u_mat4_mdv"), U(Prgm_Simple_Texture_UNFM_Prj, "u_mat4_prj"),
      U(Prgm_Simple_Texture_UNFM_Tex, "u_sam_tex"), U(Prgm_Simple_Texture_UNFM_Alp, "u_flt_inv_alpha"),
      A(Prgm_Simple_Texture_ATTR_Vtx, "a_v3_vtx"), A(Prgm_Simple_Texture_ATTR_Txc, "a_v2_txc")},
     6, {{&Prgm_Simple_Texture_UNFM_Tex, 0}}, 1,
     "Prgm_Simple_Texture:%d, mdv:%d, prj:%d, tex:%d, alpha:%d, vtx:%d, txc:%d\n", {0, 1, 2, 3, 4, 5}},
    {{U(Prgm_Simple_Font_UNFM_Mdv, "u_mat4_mdv"), U(Prgm_Simple_Font_UNFM_Prj, "u_mat4_prj"),
      U(Prgm_Simple_Font_UNFM_Tex, "u_sam_tex"), U(Prgm_Simple_Font_UNFM_Clr, "u_v3_clr"),
      U(Prgm_Simple_Font_UNFM_Alp, "u_flt_inv_alpha"), A(Prgm_Simple_Font_ATTR_Vtx, "a_v3_vtx"),
      A(Prgm_Simple_Font_ATTR_Txc, "a_v2_txc")},
     7, {{&Prgm_Simple_Font_UNFM_Tex, 0}}, 1,
     "Prgm_Simple_Font:%d, mdv:%d, prj:%d, tex:%d, clr:%d, alpha:%d, vtx:%d, txc:%d\n", {0, 1, 2, 3, 4, 5, 6}},
    {{U(Prgm_AttrAlpha_Font_UNFM_Mdv, "u_mat4_mdv"), U(Prgm_AttrAlpha_Font_UNFM_Prj, "u_mat4_prj"),
      U(Prgm_AttrAlpha_Font_UNFM_Tex, "u_sam_tex"), U(Prgm_AttrAlpha_Font_UNFM_Clr, "u_v3_clr"),
      U(Prgm_AttrAlpha_Font_UNFM_Alp, "u_flt_inv_alpha"), A(Prgm_AttrAlpha_Font_ATTR_Vtx, "a_v3_vtx"),
      A(Prgm_AttrAlpha_Font_ATTR_Txc, "a_v2_txc"), A(Prgm_AttrAlpha_Font_ATTR_Alp, "a_flt_alpha")},
     8, {{&Prgm_AttrAlpha_Font_UNFM_Tex, 0}}, 1,
     "Prgm_AttrAlpha_Font:%d, mdv:%d, prj:%d, tex:%d, clr:%d, alpha:%d, vtx:%d, txc:%d, alp:%d\n",
     {0, 1, 2, 3, 4, 5, 6, 7}},
    {{U(Prgm_AttrAlpha_Texture_UNFM_Mdv, "u_mat4_mdv"), U(Prgm_AttrAlpha_Texture_UNFM_Prj, "u_mat4_prj"),
      U(Prgm_AttrAlpha_Texture_UNFM_Tex, "u_sam_tex"), U(Prgm_AttrAlpha_Texture_UNFM_Alp, "u_flt_inv_alpha"),
      A(Prgm_AttrAlpha_Texture_ATTR_Vtx, "a_v3_vtx"), A(Prgm_AttrAlpha_Texture_ATTR_Txc, "a_v2_txc"),
      A(Prgm_AttrAlpha_Texture_ATTR_Alp, "a_flt_alp")},
     7, {{&Prgm_AttrAlpha_Texture_UNFM_Tex, 0}}, 1,
     "Prgm_AttrAlpha_Texture:%d, mdv:%d, prj:%d, tex:%d, alpha:%d, vtx:%d, txc:%d, alp:%d\n",
     {0, 1, 2, 3, 4, 5, 6}},
    {{U(Prgm_Mask_Texture_UNFM_Mdv, "u_mat4_mdv"), U(Prgm_Mask_Texture_UNFM_Prj, "u_mat4_prj"),
      U(Prgm_Mask_Texture_UNFM_Tex, "u_sam_tex"), U(Prgm_Mask_Texture_UNFM_Alp, "u_flt_inv_alpha"),
      U(Prgm_Mask_Texture_UNFM_MaskTex, "u_sam_tex_mask"), U(Prgm_Mask_Texture_UNFM_MaskPos, "u_flt_mask_pos"),
      A(Prgm_Mask_Texture_ATTR_Vtx, "a_v3_vtx"), A(Prgm_Mask_Texture_ATTR_Txc, "a_v2_txc")},
     8, {{&Prgm_Mask_Texture_UNFM_Tex, 0}, {&Prgm_Mask_Texture_UNFM_MaskTex, 1}}, 2,
     "Prgm_Mask_Texture:%d, mdv:%d, prj:%d, tex:%d, alpha:%d, vtx:%d, txc:%d, maskPos:%d, maskTex:%d\n",
     {0, 1, 2, 3, 6, 7, 5, 4}},
    {{U(Prgm_Complex_Texture_UNFM_Mdv, "u_mat4_mdv"), U(Prgm_Complex_Texture_UNFM_Prj, "u_mat4_prj"),
      U(Prgm_Complex_Texture_UNFM_Clr, "u_v4_clr"), U(Prgm_Complex_Texture_UNFM_Alp, "u_flt_inv_alpha"),
      U(Prgm_Complex_Texture_UNFM_MaskTex, "u_sam_tex_mask"),
      U(Prgm_Complex_Texture_UNFM_MaskPos, "u_flt_mask_pos"), A(Prgm_Complex_Texture_ATTR_Vtx, "a_v3_vtx"),
      A(Prgm_Complex_Texture_ATTR_Alp, "a_flt_alpha")},
     8, {{&Prgm_Complex_Texture_UNFM_MaskTex, 0}}, 1,
     "Prgm_Complex_Texture:%d, mdv:%d, prj:%d, clr:%d, Malpha:%d, vtx:%d, Aalpha:%d, maskPos:%d, maskTex:%d\n",
     {0, 1, 2, 3, 6, 7, 5, 4}},
    {{U(Prgm_Simple_Color_UNFM_Mdv, "u_mat4_mdv"), U(Prgm_Simple_Color_UNFM_Prj, "u_mat4_prj"),
      U(Prgm_Simple_Color_UNFM_Alp, "u_flt_inv_alpha"), A(Prgm_Simple_Color_ATTR_Vtx, "a_v3_vtx"),
      A(Prgm_Simple_Color_ATTR_Clr, "a_v4_clr")},
     5, {}, 0, "Prgm_Simple_Color:%d, mdv:%d, prj:%d, alpha:%d, vtx:%d, clr:%d\n", {0, 1, 2, 3, 4}},
    {{U(Prgm_Color_TexAlpha_UNFM_Mdv, "u_mat4_mdv"), U(Prgm_Color_TexAlpha_UNFM_Prj, "u_mat4_prj"),
      U(Prgm_Color_TexAlpha_UNFM_Tex, "u_sam_tex"), U(Prgm_Color_TexAlpha_UNFM_Alp, "u_flt_inv_alpha"),
      A(Prgm_Color_TexAlpha_ATTR_Vtx, "a_v3_vtx"), A(Prgm_Color_TexAlpha_ATTR_Clr, "a_v4_clr"),
      A(Prgm_Color_TexAlpha_ATTR_Txc, "a_v2_txc")},
     7, {{&Prgm_Color_TexAlpha_UNFM_Tex, 0}}, 1,
     "Prgm_Color_TexAlpha:%d, mdv:%d, prj:%d, tex:%d, alpha:%d, vtx:%d, clr:%d, txc:%d\n",
     {0, 1, 2, 3, 4, 5, 6}},
    {{U(Prgm_Model_Ads_UNFM_Mdv, "u_mat4_mdv"), U(Prgm_Model_Ads_UNFM_Prj, "u_mat4_prj"),
      U(Prgm_Model_Ads_UNFM_Ads, "u_mat4_ads"), U(Prgm_Model_Ads_UNFM_Tex, "u_sam_tex"),
      A(Prgm_Model_Ads_ATTR_Vtx, "a_v3_vtx"), A(Prgm_Model_Ads_ATTR_Nor, "a_v3_nor"),
      A(Prgm_Model_Ads_ATTR_Txc, "a_v2_txc")},
     7, {{&Prgm_Model_Ads_UNFM_Tex, 0}}, 1,
     "Prgm_Model_Ads:%d, mdv:%d, prj:%d, ads:%d, tex:%d, vtx:%d, nor:%d, txc:%d\n", {0, 1, 2, 3, 4, 5, 6}},
};

#undef U
#undef A

Int08 mShader_Requested[Prgm_Num];

}  // namespace

void Once_LoadShaderProgram(Int32 id)
{
    if (id < 0 || id >= Prgm_Num || mShader_Requested[id] == 1) return;
    mShader_Requested[id] = 1;  // before building: a failed build is not retried

    shader[id] = LoadShaderPair(path_shader[2 * id], path_shader[2 * id + 1]);
    if (shader[id] == 0xFFFFFFFF) {
        printf("load shader Prgm_%d failure\n", id);
        return;
    }

    const ShaderProgramInfo& info = mShader_Programs[id];
    for (int i = 0; i < info.handleNum; i++) {
        const ShaderHandle& h = info.handles[i];
        *h.handle = h.uniform ? glGetUniformLocation(shader[id], h.name) : glGetAttribLocation(shader[id], h.name);
    }
    if (info.samplerNum > 0) {
        glUseProgram(shader[id]);
        for (int i = 0; i < info.samplerNum; i++) glUniform1i(*info.samplers[i].handle, info.samplers[i].unit);
    }

    GLint v[8] = {0};
    for (int i = 0; i < info.handleNum; i++) v[i] = *info.handles[info.logOrder[i]].handle;
    printf(info.logFormat, (int)shader[id], v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
}

void DestroyShaderResources(void)
{
    for (int id = 0; id < Prgm_Num; id++) {
        if (shader[id] == 0xFFFFFFFF) continue;
        glDeleteProgram(shader[id]);
        shader[id] = 0xFFFFFFFF;
    }
}

Int08 LoadShaderFile(const char* szFile, UInt32 shaderId)
{
    FILE* fp = fopen(szFile, "rb");
    if (fp == NULL) return 0;
    fseek(fp, 0, SEEK_END);
    long len = ftell(fp);
    fseek(fp, 0, SEEK_SET);
    if (len < 0) len = 0;
    char* text = (char*)malloc((size_t)len + 1);
    if (text == NULL) {
        fclose(fp);
        return 0;
    }
    size_t got = fread(text, 1, (size_t)len, fp);
    fclose(fp);
    text[got] = '\0';

    const GLchar* src = text;
    glShaderSource(shaderId, 1, &src, NULL);
    free(text);

    glCompileShader(shaderId);
    GLint ok = GL_FALSE;
    glGetShaderiv(shaderId, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE) {
        char log[1024] = {0};
        glGetShaderInfoLog(shaderId, sizeof(log), NULL, log);
        printf("load shader file(%s):%s, error(compile)!\n", szFile, log);
        return 0;
    }
    return 1;
}

UInt32 LoadShaderPair(const char* szVtxProg, const char* szFrgProg)
{
    GLuint vtx = glCreateShader(GL_VERTEX_SHADER);
    GLuint frg = glCreateShader(GL_FRAGMENT_SHADER);
    const GLuint objs[2] = {vtx, frg};
    const char* paths[2] = {szVtxProg, szFrgProg};

    for (int i = 0; i < 2; i++) {
        if (LoadShaderFile(paths[i], objs[i]) == 0) {
            glDeleteShader(vtx);
            glDeleteShader(frg);
            printf("Load shader:%s error!\n", paths[i]);
            return 0xFFFFFFFF;
        }
    }

    // Both compiled once in the file loader; compile again and look at the status once more.
    for (int i = 0; i < 2; i++) {
        glCompileShader(objs[i]);
        GLint ok = GL_FALSE;
        glGetShaderiv(objs[i], GL_COMPILE_STATUS, &ok);
        if (ok != GL_TRUE) {
            char log[1024] = {0};
            glGetShaderInfoLog(objs[i], sizeof(log), NULL, log);
            glDeleteShader(vtx);
            glDeleteShader(frg);
            printf("Compile shader:%s error,[%s]\n", paths[i], log);
            return 0xFFFFFFFF;
        }
    }

    GLuint prog = glCreateProgram();
    glAttachShader(prog, vtx);
    glAttachShader(prog, frg);
    glLinkProgram(prog);
    glDeleteShader(vtx);  // they live on while attached
    glDeleteShader(frg);

    GLint linked = GL_FALSE;
    glGetProgramiv(prog, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        char log[1024] = {0};
        glGetProgramInfoLog(prog, sizeof(log), NULL, log);
        glDeleteProgram(prog);
        printf("Link program error:%s\n", log);
        return 0xFFFFFFFF;
    }
    return prog;
}

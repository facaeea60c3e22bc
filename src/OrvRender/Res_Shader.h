/* The nine shader programs of the cluster: their identifiers, file pairs under ./Res/shader/, the
 * program objects, one handle per attribute and uniform, and the texture-coordinate tables shared
 * by all quad drawing. Programs are built on first demand on the render thread; a failed build is
 * not retried and leaves its handles at -1.
 *
 * Sampler units: u_sam_tex is unit 0 everywhere; u_sam_tex_mask is unit 1 in Prgm_Mask_Texture
 * and unit 0 in Prgm_Complex_Texture. */
#ifndef RES_SHADER_H
#define RES_SHADER_H

#include <GL/glew.h>

#include "BaseTypes.h"

enum {
    Prgm_Simple_Texture = 0,
    Prgm_Simple_Font,
    Prgm_AttrAlpha_Font,
    Prgm_AttrAlpha_Texture,
    Prgm_Mask_Texture,
    Prgm_Complex_Texture,
    Prgm_Simple_Color,
    Prgm_Color_TexAlpha,
    Prgm_Model_Ads,
    Prgm_Num
};

/* Program object per identifier; 0xFFFFFFFF while not built. */
extern UInt32 shader[Prgm_Num];
/* Vertex program of program i at 2i, fragment program at 2i + 1. */
extern const char* path_shader[Prgm_Num * 2];

extern GLint Prgm_Simple_Texture_UNFM_Mdv, Prgm_Simple_Texture_UNFM_Prj, Prgm_Simple_Texture_UNFM_Tex,
    Prgm_Simple_Texture_UNFM_Alp, Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc;
extern GLint Prgm_Simple_Font_UNFM_Mdv, Prgm_Simple_Font_UNFM_Prj, Prgm_Simple_Font_UNFM_Tex,
    Prgm_Simple_Font_UNFM_Clr, Prgm_Simple_Font_UNFM_Alp, Prgm_Simple_Font_ATTR_Vtx, Prgm_Simple_Font_ATTR_Txc;
extern GLint Prgm_AttrAlpha_Font_UNFM_Mdv, Prgm_AttrAlpha_Font_UNFM_Prj, Prgm_AttrAlpha_Font_UNFM_Tex,
    Prgm_AttrAlpha_Font_UNFM_Clr, Prgm_AttrAlpha_Font_UNFM_Alp, Prgm_AttrAlpha_Font_ATTR_Vtx,
    Prgm_AttrAlpha_Font_ATTR_Txc, Prgm_AttrAlpha_Font_ATTR_Alp;
extern GLint Prgm_AttrAlpha_Texture_UNFM_Mdv, Prgm_AttrAlpha_Texture_UNFM_Prj, Prgm_AttrAlpha_Texture_UNFM_Tex,
    Prgm_AttrAlpha_Texture_UNFM_Alp, Prgm_AttrAlpha_Texture_ATTR_Vtx, Prgm_AttrAlpha_Texture_ATTR_Txc,
    Prgm_AttrAlpha_Texture_ATTR_Alp;
extern GLint Prgm_Mask_Texture_UNFM_Mdv, Prgm_Mask_Texture_UNFM_Prj, Prgm_Mask_Texture_UNFM_Tex,
    Prgm_Mask_Texture_UNFM_Alp, Prgm_Mask_Texture_UNFM_MaskTex, Prgm_Mask_Texture_UNFM_MaskPos,
    Prgm_Mask_Texture_ATTR_Vtx, Prgm_Mask_Texture_ATTR_Txc;
extern GLint Prgm_Complex_Texture_UNFM_Mdv, Prgm_Complex_Texture_UNFM_Prj, Prgm_Complex_Texture_UNFM_Clr,
    Prgm_Complex_Texture_UNFM_Alp, Prgm_Complex_Texture_UNFM_MaskTex, Prgm_Complex_Texture_UNFM_MaskPos,
    Prgm_Complex_Texture_ATTR_Vtx, Prgm_Complex_Texture_ATTR_Alp;
extern GLint Prgm_Simple_Color_UNFM_Mdv, Prgm_Simple_Color_UNFM_Prj, Prgm_Simple_Color_UNFM_Alp,
    Prgm_Simple_Color_ATTR_Vtx, Prgm_Simple_Color_ATTR_Clr;
extern GLint Prgm_Color_TexAlpha_UNFM_Mdv, Prgm_Color_TexAlpha_UNFM_Prj, Prgm_Color_TexAlpha_UNFM_Tex,
    Prgm_Color_TexAlpha_UNFM_Alp, Prgm_Color_TexAlpha_ATTR_Vtx, Prgm_Color_TexAlpha_ATTR_Clr,
    Prgm_Color_TexAlpha_ATTR_Txc;
extern GLint Prgm_Model_Ads_UNFM_Mdv, Prgm_Model_Ads_UNFM_Prj, Prgm_Model_Ads_UNFM_Ads, Prgm_Model_Ads_UNFM_Tex,
    Prgm_Model_Ads_ATTR_Vtx, Prgm_Model_Ads_ATTR_Nor, Prgm_Model_Ads_ATTR_Txc;

/* (s, t) for the quad corners bottom-left, bottom-right, top-right, top-left: upright, mirrored
 * left to right, mirrored top to bottom, transposed. */
extern GLfloat QuadTexCoords[8];
extern GLfloat RotQuadTexCoords[8];
extern GLfloat RevQuadTexCoords[8];
extern GLfloat EnergyTexCoords[8];

/* Builds program id (0-8) once; later calls and other identifiers do nothing. Prints the
 * program's handle line, or "load shader Prgm_%d failure\n". */
void Once_LoadShaderProgram(Int32 id);
/* Deletes every built program; they are not built again afterwards. */
void DestroyShaderResources(void);
/* Compiles and links a vertex and a fragment program file: the program, or 0xFFFFFFFF. */
UInt32 LoadShaderPair(const char* szVtxProg, const char* szFrgProg);
/* Reads a file into shader object shaderId and compiles it: 1, or 0 when the file cannot be read
 * or does not compile. */
Int08 LoadShaderFile(const char* szFile, UInt32 shaderId);

#endif

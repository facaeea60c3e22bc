/* The three vehicle models of the driving scene (.vbo files under ./Res/model3d/) with their load
 * states, the index types of the file format and the material matrices of the lit model program.
 * Their colour textures are ordinary PNG pictures (PNG_uv_TexCar*, Res_Png.h). */
#ifndef RES_MODEL_H
#define RES_MODEL_H

#include <GL/glew.h>

#include "BaseTypes.h"

/* Model identifiers. */
enum {
    VBO_CarLarge = 0,  /* truck */
    VBO_CarMedium = 1, /* car */
    VBO_CarSmall = 2,  /* bicycle */
    VBO_NUM = 3
};

/* Load state of one model. */
enum {
    Vbo_Unload = 0,   /* nothing loaded */
    Vbo_Loaded = 1,   /* read into memory */
    Vbo_BufGen = 2,   /* buffers made; ready to draw */
    Vbo_LoadFail = 3, /* loading failed; not retried */
};

/* The file of each model, in identifier order. */
extern const char* const vboFilePath[VBO_NUM];
/* Load state of each model (Vbo_*). */
extern UInt08 vboStatus[VBO_NUM];
/* The models: arrays read from the file and the buffers made from them. */
extern Model3DVbo vboModel[VBO_NUM];

/* GL index type by the file's bytes per index (entries 1, 2 and 4 are the ones used). */
extern const GLenum vboIdxType[5];

/* Material matrices of the lit model program, four rows of four. */
extern const GLfloat vboMaterialGray[16];
extern const GLfloat vboMaterialRed[16];
extern const GLfloat vboMaterialBlue[16];

#endif

/* The model table and the material matrices. */
#include "OrvRender/Res_Model.h"

const char* const vboFilePath[VBO_NUM] = {
    "./Res/model3d/truck_1.vbo",
    "./Res/model3d/car_1.vbo",
    "./Res/model3d/bicycle_1.vbo",
};

UInt08 vboStatus[VBO_NUM];
Model3DVbo vboModel[VBO_NUM];

const GLenum vboIdxType[5] = {
    GL_UNSIGNED_BYTE, GL_UNSIGNED_BYTE, GL_UNSIGNED_SHORT, GL_UNSIGNED_SHORT, GL_UNSIGNED_INT,
};

const GLfloat vboMaterialGray[16] = {
    0.3f, 0.3f, 0.3f, 1.0f,
    0.3f, 0.3f, 0.3f, 1.0f,
    0.3f, 0.3f, 0.3f, 1.0f,
    0.0f, 5.0f, 40.0f, 1.0f,
};

const GLfloat vboMaterialRed[16] = {
    0.5f, 0.25f, 0.25f, 1.0f,
    0.4f, 0.3f, 0.3f, 1.0f,
    0.35f, 0.3f, 0.3f, 1.0f,
    0.0f, 5.0f, 40.0f, 1.0f,
};

const GLfloat vboMaterialBlue[16] = {
    0.1f, 0.2f, 0.45f, 1.0f,
    0.1f, 0.2f, 0.45f, 1.0f,
    0.1f, 0.2f, 0.45f, 1.0f,
    0.0f, 5.0f, 40.0f, 1.0f,
};

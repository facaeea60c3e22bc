/* 4 x 4 single-precision matrices for the renderer, in the fixed-function OpenGL conventions:
 * column-major storage (row r, column k at index k*4 + r), transforms that post-multiply the
 * current matrix, angles in degrees. Every operation writes into its first argument and returns
 * that pointer, so calls chain. The library keeps no state; the two matrix stacks of the renderer
 * are of the type below. */
#ifndef ORV_MATRIX_H
#define ORV_MATRIX_H

#include <GL/glew.h>

#include "BaseTypes.h"

/* Levels of a matrix stack. */
#define MATRIX4X4_STACK_DEPTH 10

/* A fixed-depth matrix stack: mat[idx] is the current matrix; levels above idx are stale. */
typedef struct Struct_Matrix4x4Stack {
    GLfloat mat[MATRIX4X4_STACK_DEPTH][16];
    GLint   idx;
} Matrix4x4Stack;

/* matC[i*4+j] = sum_k matA[i*4+k] * matB[k*4+j]; in column-major terms matC = matB x matA.
 * matC may be matA or matB. */
GLfloat* MultMatrix4x4(GLfloat* matC, GLfloat* matA, GLfloat* matB);
/* vecB = matA x vecA (vecA a column vector); vecB may be vecA. */
GLfloat* MultMatrix4x4Vec4x1(GLfloat* vecB, GLfloat* matA, GLfloat* vecA);
GLfloat* CopyMatrix4x4(GLfloat* matDes, GLfloat* matSrc);
/* Gauss-Jordan inversion with row pivoting. 1 when inverse was written, 0 when src is singular
 * (inverse then holds a partly reduced matrix and must not be used). */
Int08 InvertMatrix4x4(GLfloat* inverse, GLfloat* src);

GLfloat* SetIdentityMatrix4x4(GLfloat* m);
/* m = rotation by angle degrees about a principal axis (positive Z turns +X toward +Y). */
GLfloat* SetRotateMatrix4x4_X_Axis(GLfloat* m, GLfloat angle);
GLfloat* SetRotateMatrix4x4_Y_Axis(GLfloat* m, GLfloat angle);
GLfloat* SetRotateMatrix4x4_Z_Axis(GLfloat* m, GLfloat angle);
/* mat4x4 = rotation about axis_nor, which the caller passes normalised. */
GLfloat* SetRotateMat4x4(GLfloat* mat4x4, Vec3f* axis_nor, GLfloat angle);
GLfloat* SetTranslateMatrix4x4(GLfloat* m, GLfloat trX, GLfloat trY, GLfloat trZ);
GLfloat* SetScaleMatrix4x4(GLfloat* m, GLfloat scaleX, GLfloat scaleY, GLfloat scaleZ);

/* m = m x T for the transform T of the matching Set operation. */
GLfloat* RotateMatrix4x4_X_Axis(GLfloat* m, GLfloat angle);
GLfloat* RotateMatrix4x4_Y_Axis(GLfloat* m, GLfloat angle);
GLfloat* RotateMatrix4x4_Z_Axis(GLfloat* m, GLfloat angle);
GLfloat* RotateMat4x4(GLfloat* mat4x4, Vec3f* axis_nor, GLfloat angle);
GLfloat* TranslateMatrix4x4(GLfloat* m, GLfloat trX, GLfloat trY, GLfloat trZ);
GLfloat* ScaleMatrix4x4(GLfloat* m, GLfloat scaleX, GLfloat scaleY, GLfloat scaleZ);

/* Copies the current matrix one level up and makes it current; ignored at the top level (9). */
static inline void PushMatrix4x4Stack(Matrix4x4Stack* stack)
{
    if (stack->idx < MATRIX4X4_STACK_DEPTH - 1) {
        CopyMatrix4x4(stack->mat[stack->idx + 1], stack->mat[stack->idx]);
        stack->idx++;
    }
}

/* Makes the level below current; ignored at level 0. */
static inline void PopMatrix4x4Stack(Matrix4x4Stack* stack)
{
    if (stack->idx > 0) stack->idx--;
}

#endif

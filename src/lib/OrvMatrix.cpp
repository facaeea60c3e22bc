#include "lib/OrvMatrix.h"

#include <cmath>
#include <cstring>

// Degrees to radians, the single-precision value of pi / 180.
static const GLfloat mMatrix_DegToRad = 0.017453292f;

GLfloat* MultMatrix4x4(GLfloat* matC, GLfloat* matA, GLfloat* matB)
{
    GLfloat tmp[16];
    for (int i = 0; i < 4; i++) {
        for (int j = 0; j < 4; j++) {
            GLfloat sum = 0.0f;
            for (int k = 0; k < 4; k++) sum += matA[i * 4 + k] * matB[k * 4 + j];
            tmp[i * 4 + j] = sum;
        }
    }
    memcpy(matC, tmp, sizeof(tmp));
    return matC;
}

GLfloat* MultMatrix4x4Vec4x1(GLfloat* vecB, GLfloat* matA, GLfloat* vecA)
{
    GLfloat tmp[4];
    for (int j = 0; j < 4; j++) {
        GLfloat sum = 0.0f;
        for (int k = 0; k < 4; k++) sum += matA[k * 4 + j] * vecA[k];
        tmp[j] = sum;
    }
    memcpy(vecB, tmp, sizeof(tmp));
    return vecB;
}

GLfloat* CopyMatrix4x4(GLfloat* matDes, GLfloat* matSrc)
{
    memmove(matDes, matSrc, 16 * sizeof(GLfloat));
    return matDes;
}

Int08 InvertMatrix4x4(GLfloat* inverse, GLfloat* src)
{
    double temp[4][4];
    for (int i = 0; i < 4; i++)
        for (int j = 0; j < 4; j++) temp[i][j] = src[i * 4 + j];
    SetIdentityMatrix4x4(inverse);

    for (int i = 0; i < 4; i++) {
        // The candidate is compared with the diagonal element, not with the best row so far:
        // the last row that beats the diagonal becomes the pivot.
        int swap = i;
        for (int j = i + 1; j < 4; j++)
            if (fabs(temp[j][i]) > fabs(temp[i][i])) swap = j;

        if (swap != i) {
            for (int k = 0; k < 4; k++) {
                double t = temp[i][k];
                temp[i][k] = temp[swap][k];
                temp[swap][k] = t;
                GLfloat f = inverse[i * 4 + k];
                inverse[i * 4 + k] = inverse[swap * 4 + k];
                inverse[swap * 4 + k] = f;
            }
        }

        if (temp[i][i] == 0.0) return 0;

        double t = temp[i][i];
        for (int k = 0; k < 4; k++) {
            temp[i][k] /= t;
            inverse[i * 4 + k] = (GLfloat)(inverse[i * 4 + k] / t);
        }
        for (int j = 0; j < 4; j++) {
            if (j == i) continue;
            t = temp[j][i];
            for (int k = 0; k < 4; k++) {
                temp[j][k] -= temp[i][k] * t;
                inverse[j * 4 + k] = (GLfloat)(inverse[j * 4 + k] - inverse[i * 4 + k] * t);
            }
        }
    }
    return 1;
}

GLfloat* SetIdentityMatrix4x4(GLfloat* m)
{
    memset(m, 0, 16 * sizeof(GLfloat));
    m[0] = m[5] = m[10] = m[15] = 1.0f;
    return m;
}

GLfloat* SetRotateMatrix4x4_X_Axis(GLfloat* m, GLfloat angle)
{
    GLfloat r = angle * mMatrix_DegToRad, cr = cosf(r), sr = sinf(r);
    SetIdentityMatrix4x4(m);
    m[5] = cr;
    m[6] = sr;
    m[9] = -sr;
    m[10] = cr;
    return m;
}

GLfloat* SetRotateMatrix4x4_Y_Axis(GLfloat* m, GLfloat angle)
{
    GLfloat r = angle * mMatrix_DegToRad, cr = cosf(r), sr = sinf(r);
    SetIdentityMatrix4x4(m);
    m[0] = cr;
    m[2] = -sr;
    m[8] = sr;
    m[10] = cr;
    return m;
}

GLfloat* SetRotateMatrix4x4_Z_Axis(GLfloat* m, GLfloat angle)
{
    GLfloat r = angle * mMatrix_DegToRad, cr = cosf(r), sr = sinf(r);
    SetIdentityMatrix4x4(m);
    m[0] = cr;
    m[1] = sr;
    m[4] = -sr;
    m[5] = cr;
    return m;
}

GLfloat* SetRotateMat4x4(GLfloat* mat4x4, Vec3f* axis_nor, GLfloat angle)
{
    GLfloat r = angle * mMatrix_DegToRad, cr = cosf(r), sr = sinf(r);
    GLfloat one_c = 1.0f - cr;
    GLfloat x = axis_nor->x, y = axis_nor->y, z = axis_nor->z;
    GLfloat xx = x * x, yy = y * y, zz = z * z;
    GLfloat xy = x * y, xz = x * z, yz = y * z;
    GLfloat xs = x * sr, ys = y * sr, zs = z * sr;
    GLfloat* m = SetIdentityMatrix4x4(mat4x4);
    m[0] = xx * one_c + cr;
    m[1] = xy * one_c + zs;
    m[2] = xz * one_c - ys;
    m[4] = xy * one_c - zs;
    m[5] = yy * one_c + cr;
    m[6] = yz * one_c + xs;
    m[8] = xz * one_c + ys;
    m[9] = yz * one_c - xs;
    m[10] = zz * one_c + cr;
    return m;
}

GLfloat* SetTranslateMatrix4x4(GLfloat* m, GLfloat trX, GLfloat trY, GLfloat trZ)
{
    SetIdentityMatrix4x4(m);
    m[12] = trX;
    m[13] = trY;
    m[14] = trZ;
    return m;
}

GLfloat* SetScaleMatrix4x4(GLfloat* m, GLfloat scaleX, GLfloat scaleY, GLfloat scaleZ)
{
    SetIdentityMatrix4x4(m);
    m[0] = scaleX;
    m[5] = scaleY;
    m[10] = scaleZ;
    return m;
}

GLfloat* RotateMatrix4x4_X_Axis(GLfloat* m, GLfloat angle)
{
    GLfloat t[16];
    return MultMatrix4x4(m, SetRotateMatrix4x4_X_Axis(t, angle), m);
}

GLfloat* RotateMatrix4x4_Y_Axis(GLfloat* m, GLfloat angle)
{
    GLfloat t[16];
    return MultMatrix4x4(m, SetRotateMatrix4x4_Y_Axis(t, angle), m);
}

GLfloat* RotateMatrix4x4_Z_Axis(GLfloat* m, GLfloat angle)
{
    GLfloat t[16];
    return MultMatrix4x4(m, SetRotateMatrix4x4_Z_Axis(t, angle), m);
}

GLfloat* RotateMat4x4(GLfloat* mat4x4, Vec3f* axis_nor, GLfloat angle)
{
    GLfloat t[16];
    return MultMatrix4x4(mat4x4, SetRotateMat4x4(t, axis_nor, angle), mat4x4);
}

GLfloat* TranslateMatrix4x4(GLfloat* m, GLfloat trX, GLfloat trY, GLfloat trZ)
{
    GLfloat t[16];
    return MultMatrix4x4(m, SetTranslateMatrix4x4(t, trX, trY, trZ), m);
}

GLfloat* ScaleMatrix4x4(GLfloat* m, GLfloat scaleX, GLfloat scaleY, GLfloat scaleZ)
{
    GLfloat t[16];
    return MultMatrix4x4(m, SetScaleMatrix4x4(t, scaleX, scaleY, scaleZ), m);
}

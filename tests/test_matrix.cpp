// Matrix library and matrix stacks: conventions (column-major, post-multiplying), inversion with
// its pivot rule and singular cases, stack limits.
#include <gtest/gtest.h>

#include <cmath>

#include "lib/OrvMatrix.h"

namespace {

void ExpectMatNear(const GLfloat* a, const GLfloat* b, float eps = 1e-5f)
{
    for (int i = 0; i < 16; i++) EXPECT_NEAR(a[i], b[i], eps) << "index " << i;
}

const GLfloat kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

TEST(Matrix, ZeroAngleRotationsAreIdentity)
{
    GLfloat m[16];
    Vec3f axis = {0.0f, 0.6f, 0.8f};
    ExpectMatNear(SetRotateMatrix4x4_X_Axis(m, 0.0f), kIdentity, 0.0f);
    ExpectMatNear(SetRotateMatrix4x4_Y_Axis(m, 0.0f), kIdentity, 0.0f);
    ExpectMatNear(SetRotateMatrix4x4_Z_Axis(m, 0.0f), kIdentity, 0.0f);
    ExpectMatNear(SetRotateMat4x4(m, &axis, 0.0f), kIdentity, 0.0f);
}

// Each principal rotation by +90 degrees turns one axis into the next.
TEST(Matrix, PrincipalRotationsTurnAxes)
{
    struct Case {
        GLfloat* (*set)(GLfloat*, GLfloat);
        GLfloat in[4], out[4];
    } cases[] = {
        {SetRotateMatrix4x4_Z_Axis, {1, 0, 0, 1}, {0, 1, 0, 1}},  // +X toward +Y
        {SetRotateMatrix4x4_X_Axis, {0, 1, 0, 1}, {0, 0, 1, 1}},  // +Y toward +Z
        {SetRotateMatrix4x4_Y_Axis, {0, 0, 1, 1}, {1, 0, 0, 1}},  // +Z toward +X
    };
    for (const Case& c : cases) {
        GLfloat m[16], v[4];
        MultMatrix4x4Vec4x1(v, c.set(m, 90.0f), const_cast<GLfloat*>(c.in));
        for (int i = 0; i < 4; i++) EXPECT_NEAR(v[i], c.out[i], 1e-6f);
    }
}

TEST(Matrix, ArbitraryAxisMatchesPrincipalAxes)
{
    GLfloat a[16], b[16];
    Vec3f z = {0, 0, 1}, x = {1, 0, 0}, y = {0, 1, 0};
    ExpectMatNear(SetRotateMat4x4(a, &z, 33.0f), SetRotateMatrix4x4_Z_Axis(b, 33.0f));
    ExpectMatNear(SetRotateMat4x4(a, &x, -71.0f), SetRotateMatrix4x4_X_Axis(b, -71.0f));
    ExpectMatNear(SetRotateMat4x4(a, &y, 150.0f), SetRotateMatrix4x4_Y_Axis(b, 150.0f));
}

TEST(Matrix, TranslateOnIdentityStoresTranslation)
{
    GLfloat m[16];
    SetIdentityMatrix4x4(m);
    TranslateMatrix4x4(m, 3.0f, -4.0f, 5.5f);
    GLfloat expect[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 3.0f, -4.0f, 5.5f, 1};
    ExpectMatNear(m, expect, 0.0f);
}

// m x T in column-major terms: T's translation, turned and scaled by m, adds to m's translation.
TEST(Matrix, PostMultiplyAppliesTransformsInCallOrder)
{
    GLfloat m[16];
    SetTranslateMatrix4x4(m, 10.0f, 20.0f, 30.0f);
    ScaleMatrix4x4(m, 2.0f, 2.0f, 2.0f);
    GLfloat t[16];
    SetTranslateMatrix4x4(t, 1.0f, 2.0f, 3.0f);
    MultMatrix4x4(m, t, m);
    EXPECT_FLOAT_EQ(m[12], 12.0f);
    EXPECT_FLOAT_EQ(m[13], 24.0f);
    EXPECT_FLOAT_EQ(m[14], 36.0f);

    // Translate, then rotate, then scale: a vertex is scaled first, turned, then moved.
    SetIdentityMatrix4x4(m);
    TranslateMatrix4x4(m, 100.0f, 0.0f, 0.0f);
    RotateMatrix4x4_Z_Axis(m, 90.0f);
    ScaleMatrix4x4(m, 3.0f, 1.0f, 1.0f);
    GLfloat v[4] = {1, 0, 0, 1};
    MultMatrix4x4Vec4x1(v, m, v);
    EXPECT_NEAR(v[0], 100.0f, 1e-5f);
    EXPECT_NEAR(v[1], 3.0f, 1e-5f);
    EXPECT_NEAR(v[2], 0.0f, 1e-5f);
    EXPECT_NEAR(v[3], 1.0f, 1e-6f);
}

TEST(Matrix, MultiplyFormula)
{
    GLfloat a[16], b[16], c[16];
    for (int i = 0; i < 16; i++) {
        a[i] = (GLfloat)(i + 1);
        b[i] = (GLfloat)(i % 5) - 2.0f;
    }
    MultMatrix4x4(c, a, b);
    for (int i = 0; i < 4; i++)
        for (int j = 0; j < 4; j++) {
            float sum = 0;
            for (int k = 0; k < 4; k++) sum += a[i * 4 + k] * b[k * 4 + j];
            EXPECT_FLOAT_EQ(c[i * 4 + j], sum);
        }
    // Output aliased with the first operand gives the same product.
    GLfloat a2[16];
    CopyMatrix4x4(a2, a);
    MultMatrix4x4(a2, a2, b);
    ExpectMatNear(a2, c, 0.0f);
}

TEST(Matrix, InvertGeneralMatrix)
{
    GLfloat m[16], inv[16], prod[16];
    SetIdentityMatrix4x4(m);
    TranslateMatrix4x4(m, 5.0f, -3.0f, 8.0f);
    RotateMatrix4x4_Y_Axis(m, 37.0f);
    ScaleMatrix4x4(m, 2.0f, 0.5f, 4.0f);
    ASSERT_EQ(InvertMatrix4x4(inv, m), 1);
    MultMatrix4x4(prod, inv, m);
    ExpectMatNear(prod, kIdentity, 1e-5f);
}

TEST(Matrix, InvertSingularAndPivotCases)
{
    GLfloat inv[16];
    GLfloat diagZero[16] = {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 1};
    EXPECT_EQ(InvertMatrix4x4(inv, diagZero), 0);

    // [0][0] is 0 but column 0 has entries further down: rows are swapped and it succeeds.
    GLfloat swapNeeded[16] = {0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    ASSERT_EQ(InvertMatrix4x4(inv, swapNeeded), 1);
    ExpectMatNear(inv, swapNeeded, 0.0f);  // a permutation is its own inverse

    // Several rows below beat the diagonal; whichever becomes the pivot, the inverse is exact.
    GLfloat m[16] = {1, 0, 0, 0, 3, 1, 0, 0, 2, 0, 1, 0, 0, 0, 0, 1};
    GLfloat prod[16];
    ASSERT_EQ(InvertMatrix4x4(inv, m), 1);
    MultMatrix4x4(prod, inv, m);
    ExpectMatNear(prod, kIdentity, 1e-5f);
}

TEST(MatrixStack, PushAndPopLimits)
{
    static Matrix4x4Stack stack;
    stack.idx = 0;
    SetTranslateMatrix4x4(stack.mat[0], 1.0f, 2.0f, 3.0f);
    for (int i = 0; i < 9; i++) PushMatrix4x4Stack(&stack);
    EXPECT_EQ(stack.idx, 9);
    ExpectMatNear(stack.mat[9], stack.mat[0], 0.0f);  // each push copies the level below

    stack.mat[9][12] = 99.0f;
    PushMatrix4x4Stack(&stack);  // the tenth push changes nothing
    EXPECT_EQ(stack.idx, 9);
    EXPECT_EQ(stack.mat[9][12], 99.0f);

    for (int i = 0; i < 12; i++) PopMatrix4x4Stack(&stack);
    EXPECT_EQ(stack.idx, 0);
    EXPECT_EQ(stack.mat[0][12], 1.0f);
}

}  // namespace

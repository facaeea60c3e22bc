// The renderer state shared by the screens.
#include "RenderState.h"

Int32 mFrameTimeMs = 0;
Matrix4x4Stack mMdvMatStack;
Matrix4x4Stack mPrjMatStack;

const GLfloat colorBlack[3] = {0.08f, 0.08f, 0.08f};
const GLfloat colorWhite[3] = {0.898f, 0.898f, 0.898f};
const GLfloat colorGray[3] = {0.745f, 0.745f, 0.745f};
const GLfloat colorArtist[3] = {0.494f, 0.5f, 0.549f};
const GLfloat colorDarkGray[3] = {0.5f, 0.5f, 0.5f};
const GLfloat colorEngCostGraph[3] = {0.974f, 0.576f, 0.169f};
const GLfloat colorRed[3] = {0.702f, 0.0353f, 0.0f};
const GLfloat colorRed_stop[3] = {1.0f, 0.231f, 0.231f};
const GLfloat colorYellow[3] = {0.702f, 0.702f, 0.0f};

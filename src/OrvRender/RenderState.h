/* Renderer state shared by every screen element: the frame time, the two matrix stacks and the
 * read-only colour constants (RGB floats for the colour uniforms). Written by Render only. */
#ifndef RENDER_STATE_H
#define RENDER_STATE_H

#include <GL/glew.h>

#include "BaseTypes.h"
#include "lib/OrvMatrix.h"

/* Milliseconds since the previous frame, at most 100; every animation advances by it. */
extern Int32 mFrameTimeMs;
/* Model-view and projection stacks; the state functions reset the model-view stack to one
 * identity matrix at the start of each frame. */
extern Matrix4x4Stack mMdvMatStack;
extern Matrix4x4Stack mPrjMatStack;

extern const GLfloat colorBlack[3];
extern const GLfloat colorWhite[3];
extern const GLfloat colorGray[3];
extern const GLfloat colorArtist[3];
extern const GLfloat colorDarkGray[3];
extern const GLfloat colorEngCostGraph[3];
extern const GLfloat colorRed[3];
extern const GLfloat colorRed_stop[3];
extern const GLfloat colorYellow[3];

#endif

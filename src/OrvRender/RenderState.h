/* Renderer state shared by every screen element: the frame time that drives every animation, the
 * power state of the cluster, the two matrix stacks and the read-only colour constants passed to
 * the colour uniforms. Owned and updated by the render loop (Render.cpp); elements only read them
 * (the model-view stack may be pushed and popped within one element call). Render thread only. */
#ifndef RENDER_STATE_H
#define RENDER_STATE_H

#include <GL/glew.h>

#include "BaseTypes.h"
#include "lib/OrvMatrix.h"

/* Power state of the cluster as the render loop sees it. */
typedef enum {
    POWER_ON_BMP_PLAYING = 0,  /* power-on animation (logo) */
    POWER_ON_STATE = 1,        /* powered on: self test, then the normal page */
    POWER_OFF_BMP_PLAYING = 2, /* power-off animation; nothing enters it */
    POWER_OFF_STATE = 3,       /* power-off page */
    POWER_OFF_INIT = 4,        /* previous-state value that makes the next state function run its entry step */
} RenderState;

/* Milliseconds since the previous frame, 0 on the first frame and at most 100. */
extern Int32 mFrameTimeMs;

/* Model-view and projection stacks. Every state function resets the model-view stack to one
 * identity matrix at its start; the projection top holds the screen's perspective. */
extern Matrix4x4Stack mMdvMatStack;
extern Matrix4x4Stack mPrjMatStack;

/* Current model-view and projection matrices (the tops of the stacks). */
#define RENDER_MDV_TOP (mMdvMatStack.mat[mMdvMatStack.idx])
#define RENDER_PRJ_TOP (mPrjMatStack.mat[mPrjMatStack.idx])

/* RGB colours of the renderer. */
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

/* The OpenGL context of the render window. All of it runs on the display worker. */
#ifndef ORV_GL_H
#define ORV_GL_H

#include <GL/glew.h>

#include "BaseTypes.h"
#include "platform/OrvPlatform.h"

/* The render window; set by the display worker right after creating it. */
extern OrvPlat_Window* OrvRenderHwnd;

/* Makes the window's OpenGL 2.0 context current and loads the GL entry points; returns 1.
 * A failure of the extension loader is reported and start-up goes on. */
Int08 InitGL(void);
/* Draws a recorded frame where it changed (OrvRender/RenderRecord.h), waits for all OpenGL work
 * (glFinish), then presents the back buffer: only the redrawn rectangles when the window already
 * shows the previous recorded frame and the platform can show parts, else by a buffer swap;
 * returns 1. */
Int08 SwapGLBuffer(void);
/* Makes no context current; the context goes with its window. */
void DeInitGL(void);

#endif

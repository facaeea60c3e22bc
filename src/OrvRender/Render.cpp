// The cluster's frame. The screens join here; until they do, a frame is a black screen.
#include "Render.h"

#include "lib/OrvGL.h"

void* Render(void*)
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SwapGLBuffer();
    return nullptr;
}

void* CleanUpRender(void*)
{
    return nullptr;
}

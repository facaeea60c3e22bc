#include "lib/OrvGL.h"

#include <cstdio>

#include "OrvRender/RenderProfile.h"
#include "OrvRender/RenderRecord.h"
#include "platform/OrvRenderWindow.h"

OrvPlat_Window* OrvRenderHwnd = nullptr;

Int08 InitGL(void)
{
    OrvPlat_MakeContextCurrent(OrvRenderHwnd);
    glewExperimental = GL_TRUE;
    GLenum rc = glewInit();
    // GLX-only builds of GLEW report "no GLX display" under some servers although every entry
    // point loaded; start-up carries on either way.
    if (rc != GLEW_OK) printf("glewInit: %s\n", (const char*)glewGetErrorString(rc));
    return 1;
}

Int08 SwapGLBuffer(void)
{
    RenderRec_Present();  // a recorded frame is drawn where it changed and copied to the screen
    RenderProf_FrameEnd();
    glFinish();
    OrvPlat_SwapBuffers(OrvRenderHwnd);
    return 1;
}

void DeInitGL(void) { OrvPlat_ReleaseContext(); }

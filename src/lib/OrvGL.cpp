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

// 1 while the window shows the recorder's last presented picture, so that the next recorded frame
// may show only what changed on it.
static Int08 mGl_WindowShowsRecorded = 0;
static UInt32 mGl_RecordedPresents = 0;

// Shows a frame the recorder presented to the window: only its redrawn rectangles when the window
// already shows the recorder's previous picture and the platform can show parts; 0 when it cannot.
static Int08 SwapGLBuffer_Partial(const RenderRecView* v)
{
    if (!mGl_WindowShowsRecorded || v->full) return 0;
    Recti rects[RENDER_REC_RECTS_MAX];
    for (Int32 i = 0; i < v->rectNum; i++) rects[i] = {v->rects[i].x, v->rects[i].y, v->rects[i].w, v->rects[i].h};
    return OrvPlat_PresentRects(OrvRenderHwnd, rects, v->rectNum);
}

Int08 SwapGLBuffer(void)
{
    RenderRec_Present();  // a recorded frame is drawn where it changed and copied to the screen
    const RenderRecView* v = RenderRec_View();
    const Int08 recorded = v->presents != mGl_RecordedPresents && v->toWindow;
    mGl_RecordedPresents = v->presents;
    Int08 partial = 0;
    {
        RenderProfSection prof("(present)");
        glFinish();
        partial = recorded && SwapGLBuffer_Partial(v);
        if (!partial) OrvPlat_SwapBuffers(OrvRenderHwnd);
    }
    RenderProf_FrameEnd();
    // Shown in parts, the back buffer keeps the whole picture for the next frame's changes.
    RenderRec_TargetKept(partial);
    mGl_WindowShowsRecorded = recorded;
    return 1;
}

void DeInitGL(void) { OrvPlat_ReleaseContext(); }

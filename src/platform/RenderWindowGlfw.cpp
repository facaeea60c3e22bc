// The render window on GLFW. All calls come from the display worker, which is the only thread
// that touches GLFW, so GLFW's single-thread rule holds although that thread is not main().
#include "platform/OrvRenderWindow.h"
#include "OrvPlatWindow.h"

#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_X11
#define GLFW_EXPOSE_NATIVE_GLX
#include <GLFW/glfw3native.h>

static int mPlat_GlfwWindows = 0;

static OrvPlat_Window* OrvPlat_FromGlfw(GLFWwindow* w)
{
    return static_cast<OrvPlat_Window*>(glfwGetWindowUserPointer(w));
}

static void OrvPlat_GlfwClose(GLFWwindow* w)
{
    glfwSetWindowShouldClose(w, GLFW_FALSE);  // the window procedure decides
    OrvPlat_PostMessage(OrvPlat_FromGlfw(w), ORV_MSG_CLOSE, 0, 0);
}

static void OrvPlat_GlfwKey(GLFWwindow* w, int key, int, int action, int)
{
    if (action != GLFW_PRESS && action != GLFW_REPEAT) return;
    OrvPlat_PostMessage(OrvPlat_FromGlfw(w), ORV_MSG_KEYDOWN,
                        key == GLFW_KEY_ESCAPE ? ORV_KEY_ESCAPE : ORV_KEY_OTHER, key);
}

// The window's picture was lost or changed size: only a swap shows it whole again.
static void OrvPlat_GlfwStale(GLFWwindow* w) { OrvPlat_FromGlfw(w)->stale = 1; }
static void OrvPlat_GlfwResized(GLFWwindow* w, int, int) { OrvPlat_GlfwStale(w); }

static void OrvPlat_GlfwPump(void) { glfwPollEvents(); }

static void OrvPlat_GlfwWait(UInt32 timeoutMs) { glfwWaitEventsTimeout(timeoutMs / 1000.0); }

Int08 OrvPlat_RegisterRenderClass(const char*)
{
    return glfwInit() == GLFW_TRUE ? 1 : 0;
}

OrvPlat_Window* OrvPlat_CreateRenderWindow(const char*, const char* title,
                                           Int32 x, Int32 y, Int32 w, Int32 h, OrvPlat_WndProc proc)
{
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_CLIENT_API, GLFW_OPENGL_API);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    glfwWindowHint(GLFW_DOUBLEBUFFER, GLFW_TRUE);
    glfwWindowHint(GLFW_RED_BITS, 8);
    glfwWindowHint(GLFW_GREEN_BITS, 8);
    glfwWindowHint(GLFW_BLUE_BITS, 8);
    glfwWindowHint(GLFW_ALPHA_BITS, 8);
    glfwWindowHint(GLFW_DEPTH_BITS, 16);
    glfwWindowHint(GLFW_STENCIL_BITS, 0);
    glfwWindowHint(GLFW_DECORATED, GLFW_FALSE);
    glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_FOCUS_ON_SHOW, GLFW_TRUE);
    GLFWwindow* gw = glfwCreateWindow(w, h, title, nullptr, nullptr);
    if (gw == nullptr) return nullptr;
    glfwSetWindowPos(gw, x, y);

    OrvPlat_Window* window = new OrvPlat_Window{proc, OrvPlat_CurrentQueue(), gw, 1};
    glfwSetWindowUserPointer(gw, window);
    glfwSetWindowCloseCallback(gw, OrvPlat_GlfwClose);
    glfwSetKeyCallback(gw, OrvPlat_GlfwKey);
    glfwSetWindowRefreshCallback(gw, OrvPlat_GlfwStale);
    glfwSetFramebufferSizeCallback(gw, OrvPlat_GlfwResized);
    if (mPlat_GlfwWindows++ == 0) OrvPlat_RegisterThreadPump(OrvPlat_GlfwPump, OrvPlat_GlfwWait);
    return window;
}

void OrvPlat_ShowWindow(OrvPlat_Window* window)
{
    GLFWwindow* gw = static_cast<GLFWwindow*>(window->native);
    glfwShowWindow(gw);
    glfwSetWindowPos(gw, 0, 0);
    glfwFocusWindow(gw);
    window->stale = 1;
}

Int08 OrvPlat_MakeContextCurrent(OrvPlat_Window* window)
{
    glfwMakeContextCurrent(static_cast<GLFWwindow*>(window->native));
    glfwSwapInterval(0);
    return 1;
}

void OrvPlat_ReleaseContext(void) { glfwMakeContextCurrent(nullptr); }

void OrvPlat_SwapBuffers(OrvPlat_Window* window)
{
    glfwSwapBuffers(static_cast<GLFWwindow*>(window->native));
    window->stale = 0;
}

// GLX_MESA_copy_sub_buffer copies a rectangle of the back buffer to the window. Software Mesa
// shows a swap by sending the whole window picture to the X server; this sends only the parts.
typedef void (*OrvPlat_CopySubBufferFun)(Display*, GLXDrawable, int, int, int, int);

static OrvPlat_CopySubBufferFun OrvPlat_CopySubBuffer(void)
{
    static int looked = 0;
    static OrvPlat_CopySubBufferFun fun = nullptr;
    if (!looked) {
        looked = 1;
        if (glfwExtensionSupported("GLX_MESA_copy_sub_buffer"))
            fun = (OrvPlat_CopySubBufferFun)glfwGetProcAddress("glXCopySubBufferMESA");
    }
    return fun;
}

Int08 OrvPlat_PresentRects(OrvPlat_Window* window, const Recti* rects, Int32 rectNum)
{
    GLFWwindow* gw = static_cast<GLFWwindow*>(window->native);
    const OrvPlat_CopySubBufferFun copy = OrvPlat_CopySubBuffer();
    const GLXWindow drawable = glfwGetGLXWindow(gw);
    if (window->stale || copy == nullptr || drawable == None) return 0;
    int w = 0, h = 0;
    glfwGetFramebufferSize(gw, &w, &h);
    for (Int32 i = 0; i < rectNum; i++) {
        const Recti& r = rects[i];
        copy(glfwGetX11Display(), drawable, r.x, h - r.y - r.h, r.w, r.h);  // GLX counts rows from the bottom
    }
    return 1;
}

void OrvPlat_DestroyWindow(OrvPlat_Window* window)
{
    if (window == nullptr) return;
    glfwDestroyWindow(static_cast<GLFWwindow*>(window->native));
    delete window;
    if (--mPlat_GlfwWindows == 0) {
        OrvPlat_UnregisterThreadPump(OrvPlat_GlfwPump);
        glfwTerminate();
    }
}

unsigned long OrvPlat_NativeWindowId(OrvPlat_Window* window)
{
    return window ? (unsigned long)glfwGetX11Window(static_cast<GLFWwindow*>(window->native)) : 0;
}

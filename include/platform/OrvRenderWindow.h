/* The render window: one undecorated 1920 x 720 window with an OpenGL 2.0 context, owned by the
 * display worker. Every call comes from that one thread. */
#ifndef ORV_RENDER_WINDOW_H
#define ORV_RENDER_WINDOW_H

#include "platform/OrvPlatform.h"

/* Registers the window class: brings up the toolkit on this thread. 0 when it cannot (no display). */
Int08 OrvPlat_RegisterRenderClass(const char* className);
/* Creates the hidden window with its double-buffered RGBA context (16 depth bits). NULL on failure. */
OrvPlat_Window* OrvPlat_CreateRenderWindow(const char* className, const char* title,
                                           Int32 x, Int32 y, Int32 w, Int32 h, OrvPlat_WndProc proc);
void OrvPlat_ShowWindow(OrvPlat_Window* window);
/* Makes the window's context current on this thread with swap interval 0. */
Int08 OrvPlat_MakeContextCurrent(OrvPlat_Window* window);
/* Makes no context current on this thread. */
void OrvPlat_ReleaseContext(void);
void OrvPlat_SwapBuffers(OrvPlat_Window* window);
/* Shows only the given rectangles of the back buffer (window pixels, origin top left) without a
 * buffer swap, so the back buffer keeps its picture; no rectangles shows nothing new. Returns 0,
 * having shown nothing, when the window must be shown whole instead (no way to show part of it,
 * or it was exposed or resized since the last whole showing): the caller then swaps. */
Int08 OrvPlat_PresentRects(OrvPlat_Window* window, const Recti* rects, Int32 rectNum);
/* Destroys the window and its context, and closes the toolkit when it was the last window. */
void OrvPlat_DestroyWindow(OrvPlat_Window* window);
/* The toolkit's native window id (the X11 window), for tests that drive the window from outside. */
unsigned long OrvPlat_NativeWindowId(OrvPlat_Window* window);

#endif

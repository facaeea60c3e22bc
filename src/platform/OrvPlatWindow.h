/* What a toolkit backend keeps for each window: the procedure its messages go to, the queue of
 * the thread that created it, and the toolkit's own object. Private to src/platform/. */
#ifndef ORV_PLAT_WINDOW_H
#define ORV_PLAT_WINDOW_H

#include "platform/OrvPlatform.h"

struct OrvPlat_ThreadQueue;

struct Struct_OrvPlat_Window {
    OrvPlat_WndProc             proc;
    struct OrvPlat_ThreadQueue* owner;   /* queue of the creating thread */
    void*                       native;  /* GLFWwindow*, GtkWidget*, ... */
    Int08                       stale = 0;  /* render window: exposed or resized since its last swap */
};

/* The calling thread's queue, created on first use. */
struct OrvPlat_ThreadQueue* OrvPlat_CurrentQueue(void);

#endif

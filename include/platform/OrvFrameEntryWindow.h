/* The frame-entry window as the core sees it: a top-level window with single-line edit controls
 * (labels, fields, a status line), owned by the thread that creates it. Every notification of a
 * control reaches the window procedure at once as ORV_MSG_COMMAND (wParam the control's id,
 * lParam an ORV_EN_* code), as edit controls tell their parent; the close box, keys and every
 * other event of the window are posted to the owning thread's queue (ORV_MSG_CLOSE,
 * ORV_MSG_KEYDOWN, ORV_MSG_PAINT). Unless stated otherwise, calls come from the owning thread. */
#ifndef ORV_FRAME_ENTRY_WINDOW_H
#define ORV_FRAME_ENTRY_WINDOW_H

#include "platform/OrvPlatform.h"

/* A child edit control of a frame-entry window. Opaque. */
typedef struct Struct_OrvPlat_Control OrvPlat_Control;

/* Edit control styles; without ORV_EDIT_CENTER the text is left aligned. */
enum {
    ORV_EDIT_READONLY  = 1,
    ORV_EDIT_CENTER    = 2,
    ORV_EDIT_UPPERCASE = 4,  /* letters are turned to upper case as they are entered */
};

/* Notification codes of an edit control. */
enum {
    ORV_EN_SETFOCUS  = 0x0100,
    ORV_EN_KILLFOCUS = 0x0200,
    ORV_EN_CHANGE    = 0x0300,  /* the text changed, by the user or by OrvPlat_SetControlText */
};

/* Brings up the toolkit on this thread for windows of this class. 0 when it cannot (no display). */
Int08 OrvPlat_RegisterFrameEntryClass(const char* className);
/* Creates the hidden, resizable top-level window with a black client area of w x h at (x, y) on
 * the desktop. NULL on failure. */
OrvPlat_Window* OrvPlat_CreateFrameEntryWindow(const char* className, const char* title, Int32 x,
                                               Int32 y, Int32 w, Int32 h, OrvPlat_WndProc proc);
/* Creates a visible edit control at client position (x, y), w x h, with its first text. Setting
 * this first text sends no notification. NULL on failure. */
OrvPlat_Control* OrvPlat_CreateEditControl(OrvPlat_Window* parent, const char* text, UInt32 style,
                                           Int32 x, Int32 y, Int32 w, Int32 h);
/* The id that the control's notifications carry in wParam; unique within its window. */
Int32 OrvPlat_ControlId(const OrvPlat_Control* control);
/* Replaces the control's text; a different text sends ORV_EN_CHANGE before this returns. */
void OrvPlat_SetControlText(OrvPlat_Control* control, const char* text);
/* Copies the control's text (at most size - 1 bytes and a terminator) and returns its length.
 * Any thread. */
Int32 OrvPlat_GetControlText(OrvPlat_Control* control, char* text, Int32 size);
void OrvPlat_ShowFrameEntryWindow(OrvPlat_Window* window);
/* Sends ORV_MSG_DESTROY, then destroys the window and its controls; NULL does nothing. The
 * toolkit stays open on this thread for a later window. */
void OrvPlat_DestroyFrameEntryWindow(OrvPlat_Window* window);
/* While the window exists, the owning thread's message wait (OrvPlat_WaitMessage) also ends as
 * soon as fd has data to read, so that a socket the thread serves between messages is served at
 * once instead of at the next window event or time-out. fd is not read here; -1 stops watching. */
void OrvPlat_FrameEntryWakeOnFd(OrvPlat_Window* window, int fd);
/* The toolkit's native window id (the X11 window), for tests that drive the window from outside. */
unsigned long OrvPlat_FrameEntryNativeId(OrvPlat_Window* window);

#endif

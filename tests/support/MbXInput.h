// Drives a window from outside as a person would, through the X server: find it by title, click,
// move the pointer, type, press keys, press the close box. Used by the frame-entry window tests.
#ifndef MB_X_INPUT_H
#define MB_X_INPUT_H

#include <X11/Xlib.h>

/* Opens the display (NULL when there is none). */
Display* MbX_Open(void);
void MbX_Close(Display* d);
/* The top-level window whose title is exactly title, waiting up to timeoutMs; 0 when none. */
Window MbX_FindWindow(Display* d, const char* title, int timeoutMs);
/* Whether a window with this title exists right now. */
bool MbX_WindowExists(Display* d, const char* title);
/* Where the window's client area lies on the screen. */
void MbX_WindowOrigin(Display* d, Window w, int* x, int* y);
/* Gives the window the keyboard focus. */
void MbX_Focus(Display* d, Window w);
void MbX_MovePointer(Display* d, int x, int y);
void MbX_Click(Display* d, int x, int y);
/* Types the text key by key (digits, lower-case letters, space and the common punctuation). */
void MbX_Type(Display* d, const char* text);
/* Presses and releases one key, with Control held when control is set. */
void MbX_Key(Display* d, unsigned long keysym, bool control = false);
/* Asks the window to close, as its close box does (WM_DELETE_WINDOW). */
void MbX_CloseBox(Display* d, Window w);

#endif

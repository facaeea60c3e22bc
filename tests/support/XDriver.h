/* Drives top-level windows from outside the program, as a person at the screen would: find a
 * window by its title, read its place and size, press keys into it, press its close box. Uses its
 * own X connection, so it works on windows of this process and of child processes alike. */
#ifndef XDRIVER_H
#define XDRIVER_H

#include <string>
#include <vector>

struct XDrv_Geometry { int x, y, w, h; bool viewable; };

/* The window whose title is exactly `title`, waiting up to timeoutMs for it to appear; 0 if none. */
unsigned long XDrv_FindWindow(const std::string& title, int timeoutMs);
/* Place (root coordinates) and size of the window; false when it no longer exists. */
bool XDrv_GetGeometry(unsigned long window, XDrv_Geometry* geometry);
/* Raises the window and gives it the keyboard focus. */
void XDrv_Focus(unsigned long window);
/* Gives the window the keyboard focus and presses and releases the key (an X keysym name such as
 * "Escape" or "a"), with Control held when control is set. */
void XDrv_PressKey(unsigned long window, const std::string& keysym, bool control = false);
/* Types the text key by key into the window that has the focus (digits, lower-case letters,
 * space and , . -). */
void XDrv_Type(const std::string& text);
/* Moves the pointer to a screen point; clicks the first button there. */
void XDrv_MovePointer(int x, int y);
void XDrv_Click(int x, int y);
/* Asks the window to close the way a window manager's close box does (WM_DELETE_WINDOW). */
void XDrv_Close(unsigned long window);
/* The window's pixels as the screen shows them, RGB from the top row; empty when it cannot be read. */
std::vector<unsigned char> XDrv_Capture(unsigned long window);
/* True while a window with this title exists. */
bool XDrv_WindowExists(const std::string& title);

#endif

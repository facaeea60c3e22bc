// X11 and XTest input for window tests.
#include "support/MbXInput.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <string.h>
#include <unistd.h>

#include <string>

namespace {

bool TitleIs(Display* d, Window w, const char* title)
{
    char* name = nullptr;
    bool same = false;
    if (XFetchName(d, w, &name) && name) {
        same = strcmp(name, title) == 0;
        XFree(name);
    }
    return same;
}

Window Search(Display* d, Window w, const char* title, int depth)
{
    if (TitleIs(d, w, title)) {
        XWindowAttributes a;
        if (XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable) return w;
    }
    if (depth == 0) return 0;
    Window root, parent, *children = nullptr;
    unsigned int n = 0;
    Window found = 0;
    if (XQueryTree(d, w, &root, &parent, &children, &n)) {
        for (unsigned int k = 0; k < n && !found; ++k) found = Search(d, children[k], title, depth - 1);
        if (children) XFree(children);
    }
    return found;
}

void Settle(Display* d)
{
    XSync(d, False);
    usleep(15000);
}

} // namespace

Display* MbX_Open(void) { return XOpenDisplay(nullptr); }

void MbX_Close(Display* d)
{
    if (d) XCloseDisplay(d);
}

Window MbX_FindWindow(Display* d, const char* title, int timeoutMs)
{
    for (int waited = 0;; waited += 50) {
        Window w = Search(d, DefaultRootWindow(d), title, 3);
        if (w || waited >= timeoutMs) return w;
        usleep(50000);
    }
}

bool MbX_WindowExists(Display* d, const char* title) { return Search(d, DefaultRootWindow(d), title, 3) != 0; }

void MbX_WindowOrigin(Display* d, Window w, int* x, int* y)
{
    Window child;
    XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, x, y, &child);
}

void MbX_Focus(Display* d, Window w)
{
    XRaiseWindow(d, w);
    XSetInputFocus(d, w, RevertToParent, CurrentTime);
    Settle(d);
}

void MbX_MovePointer(Display* d, int x, int y)
{
    XTestFakeMotionEvent(d, -1, x, y, CurrentTime);
    Settle(d);
}

void MbX_Click(Display* d, int x, int y)
{
    MbX_MovePointer(d, x, y);
    XTestFakeButtonEvent(d, 1, True, CurrentTime);
    XTestFakeButtonEvent(d, 1, False, CurrentTime);
    Settle(d);
}

void MbX_Key(Display* d, unsigned long keysym, bool control)
{
    KeyCode ctrl = XKeysymToKeycode(d, XK_Control_L);
    KeyCode code = XKeysymToKeycode(d, (KeySym)keysym);
    if (control) XTestFakeKeyEvent(d, ctrl, True, CurrentTime);
    XTestFakeKeyEvent(d, code, True, CurrentTime);
    XTestFakeKeyEvent(d, code, False, CurrentTime);
    if (control) XTestFakeKeyEvent(d, ctrl, False, CurrentTime);
    Settle(d);
}

void MbX_Type(Display* d, const char* text)
{
    for (const char* p = text; *p; ++p) {
        KeySym sym;
        switch (*p) {
        case ' ': sym = XK_space; break;
        case ',': sym = XK_comma; break;
        case '.': sym = XK_period; break;
        case '-': sym = XK_minus; break;
        default: sym = (KeySym)(unsigned char)*p; break;  // digits and lower-case letters
        }
        MbX_Key(d, sym);
    }
}

void MbX_CloseBox(Display* d, Window w)
{
    XEvent e;
    memset(&e, 0, sizeof(e));
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &e);
    Settle(d);
}

#include "XDriver.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <chrono>
#include <thread>

namespace {

Display* XDrv_Display()
{
    static Display* dpy = [] { XInitThreads(); return XOpenDisplay(nullptr); }();
    return dpy;
}

int XDrv_IgnoreErrors(Display*, XErrorEvent*) { return 0; }

bool XDrv_TitleIs(Display* dpy, Window w, const std::string& title)
{
    char* name = nullptr;
    bool match = XFetchName(dpy, w, &name) && name && title == name;
    if (name) XFree(name);
    return match;
}

Window XDrv_Search(Display* dpy, Window root, const std::string& title)
{
    Window parent, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(dpy, root, &root, &parent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        if (XDrv_TitleIs(dpy, children[i], title)) found = children[i];
        else found = XDrv_Search(dpy, children[i], title);
    }
    if (children) XFree(children);
    return found;
}

}  // namespace

unsigned long XDrv_FindWindow(const std::string& title, int timeoutMs)
{
    Display* dpy = XDrv_Display();
    if (!dpy) return 0;
    XSetErrorHandler(XDrv_IgnoreErrors);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        XSync(dpy, False);
        Window w = XDrv_Search(dpy, DefaultRootWindow(dpy), title);
        if (w) {
            XWindowAttributes attrs;
            if (XGetWindowAttributes(dpy, w, &attrs) && attrs.map_state == IsViewable) return w;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < deadline);
    return 0;
}

bool XDrv_GetGeometry(unsigned long window, XDrv_Geometry* g)
{
    Display* dpy = XDrv_Display();
    XWindowAttributes attrs;
    if (!dpy || !XGetWindowAttributes(dpy, window, &attrs)) return false;
    Window child;
    XTranslateCoordinates(dpy, window, DefaultRootWindow(dpy), 0, 0, &g->x, &g->y, &child);
    g->w = attrs.width;
    g->h = attrs.height;
    g->viewable = attrs.map_state == IsViewable;
    return true;
}

void XDrv_PressKey(unsigned long window, const std::string& keysym)
{
    Display* dpy = XDrv_Display();
    if (!dpy) return;
    XSetInputFocus(dpy, window, RevertToParent, CurrentTime);
    XSync(dpy, False);
    KeyCode code = XKeysymToKeycode(dpy, XStringToKeysym(keysym.c_str()));
    XTestFakeKeyEvent(dpy, code, True, CurrentTime);
    XTestFakeKeyEvent(dpy, code, False, CurrentTime);
    XFlush(dpy);
}

void XDrv_Close(unsigned long window)
{
    Display* dpy = XDrv_Display();
    if (!dpy) return;
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = window;
    ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = (long)XInternAtom(dpy, "WM_DELETE_WINDOW", False);
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, window, False, NoEventMask, &ev);
    XFlush(dpy);
}

bool XDrv_WindowExists(const std::string& title)
{
    Display* dpy = XDrv_Display();
    if (!dpy) return false;
    XSync(dpy, False);
    return XDrv_Search(dpy, DefaultRootWindow(dpy), title) != 0;
}

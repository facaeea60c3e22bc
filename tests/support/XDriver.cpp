#include "XDriver.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
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

// Lets the server and the toolkit on the other side take in what was just sent.
void XDrv_Settle(Display* dpy)
{
    XSync(dpy, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
}

void XDrv_KeySym(Display* dpy, KeySym sym, bool control)
{
    KeyCode ctrl = XKeysymToKeycode(dpy, XK_Control_L);
    KeyCode code = XKeysymToKeycode(dpy, sym);
    if (control) XTestFakeKeyEvent(dpy, ctrl, True, CurrentTime);
    XTestFakeKeyEvent(dpy, code, True, CurrentTime);
    XTestFakeKeyEvent(dpy, code, False, CurrentTime);
    if (control) XTestFakeKeyEvent(dpy, ctrl, False, CurrentTime);
    XDrv_Settle(dpy);
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

void XDrv_Focus(unsigned long window)
{
    Display* dpy = XDrv_Display();
    if (!dpy) return;
    XRaiseWindow(dpy, window);
    XSetInputFocus(dpy, window, RevertToParent, CurrentTime);
    XDrv_Settle(dpy);
}

void XDrv_PressKey(unsigned long window, const std::string& keysym, bool control)
{
    Display* dpy = XDrv_Display();
    if (!dpy) return;
    XDrv_Focus(window);
    XDrv_KeySym(dpy, XStringToKeysym(keysym.c_str()), control);
}

void XDrv_Type(const std::string& text)
{
    Display* dpy = XDrv_Display();
    if (!dpy) return;
    for (char ch : text) {
        KeySym sym;
        switch (ch) {
        case ' ': sym = XK_space; break;
        case ',': sym = XK_comma; break;
        case '.': sym = XK_period; break;
        case '-': sym = XK_minus; break;
        default: sym = (KeySym)(unsigned char)ch; break;  // digits and lower-case letters
        }
        XDrv_KeySym(dpy, sym, false);
    }
}

void XDrv_MovePointer(int x, int y)
{
    Display* dpy = XDrv_Display();
    if (!dpy) return;
    XTestFakeMotionEvent(dpy, -1, x, y, CurrentTime);
    XDrv_Settle(dpy);
}

void XDrv_Click(int x, int y)
{
    Display* dpy = XDrv_Display();
    if (!dpy) return;
    XDrv_MovePointer(x, y);
    XTestFakeButtonEvent(dpy, 1, True, CurrentTime);
    XTestFakeButtonEvent(dpy, 1, False, CurrentTime);
    XDrv_Settle(dpy);
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
    XDrv_Settle(dpy);
}

bool XDrv_WindowExists(const std::string& title)
{
    Display* dpy = XDrv_Display();
    if (!dpy) return false;
    XSync(dpy, False);
    return XDrv_Search(dpy, DefaultRootWindow(dpy), title) != 0;
}

std::vector<unsigned char> XDrv_Capture(unsigned long window)
{
    std::vector<unsigned char> rgb;
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) return rgb;
    XWindowAttributes at;
    if (XGetWindowAttributes(d, window, &at)) {
        XImage* img = XGetImage(d, window, 0, 0, at.width, at.height, AllPlanes, ZPixmap);
        if (img != nullptr) {
            rgb.reserve((size_t)at.width * at.height * 3);
            for (int y = 0; y < at.height; y++)
                for (int x = 0; x < at.width; x++) {
                    unsigned long p = XGetPixel(img, x, y);
                    rgb.push_back((p >> 16) & 0xFF);
                    rgb.push_back((p >> 8) & 0xFF);
                    rgb.push_back(p & 0xFF);
                }
            XDestroyImage(img);
        }
    }
    XCloseDisplay(d);
    return rgb;
}

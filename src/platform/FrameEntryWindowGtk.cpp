// The frame-entry window on GTK 3: a top-level window with a fixed layout of real GtkEntry
// controls (caret, selection, clipboard work as usual). GTK is brought up on the thread that
// registers the class, the main-board worker, and every call stays on that thread; only a
// control's text is mirrored under a lock so that other threads can read it.
#include "platform/OrvFrameEntryWindow.h"
#include "OrvPlatWindow.h"

#include <gdk/gdkx.h>
#include <glib-unix.h>
#include <gtk/gtk.h>

#include <mutex>
#include <string>
#include <string.h>
#include <vector>

struct Struct_OrvPlat_Control {
    OrvPlat_Window* parent;
    GtkWidget*      entry;
    Int32           id;
    std::mutex      lock;    // guards text
    std::string     text;    // the entry's text as of its last change
};

namespace {

// What the backend keeps per window besides the shared OrvPlat_Window fields.
struct FrameEntryWindow {
    GtkWidget*                    window;
    GtkWidget*                    fixed;
    std::vector<OrvPlat_Control*> controls;
    Int32                         nextId;
    bool                          dying;     // no notifications while the window is torn down
};

int mPlat_GtkWindows = 0;
// A descriptor whose data ends the thread's wait (OrvPlat_FrameEntryWakeOnFd); -1 when none.
int mPlat_GtkWakeFd = -1;

FrameEntryWindow* Native(OrvPlat_Window* window) { return static_cast<FrameEntryWindow*>(window->native); }

// Edit controls tell their parent synchronously, as a sent message would.
void Notify(OrvPlat_Control* control, Int32 code)
{
    OrvPlat_Window* parent = control->parent;
    if (parent->proc == nullptr || parent->native == nullptr || Native(parent)->dying) return;
    parent->proc(parent, ORV_MSG_COMMAND, control->id, code);
}

void OnChanged(GtkEditable* editable, gpointer data)
{
    OrvPlat_Control* control = static_cast<OrvPlat_Control*>(data);
    {
        std::lock_guard<std::mutex> guard(control->lock);
        control->text = gtk_entry_get_text(GTK_ENTRY(editable));
    }
    Notify(control, ORV_EN_CHANGE);
}

gboolean OnFocusIn(GtkWidget*, GdkEvent*, gpointer data)
{
    Notify(static_cast<OrvPlat_Control*>(data), ORV_EN_SETFOCUS);
    return FALSE;
}

gboolean OnFocusOut(GtkWidget*, GdkEvent*, gpointer data)
{
    Notify(static_cast<OrvPlat_Control*>(data), ORV_EN_KILLFOCUS);
    return FALSE;
}

// Upper-case fields: whatever is typed or pasted is inserted in upper case instead.
void OnInsertUpper(GtkEditable* editable, gchar* text, gint length, gint* position, gpointer data)
{
    size_t len = length < 0 ? strlen(text) : (size_t)length;
    gchar* upper = g_utf8_strup(text, (gssize)len);
    if (strlen(upper) != len || memcmp(upper, text, len) != 0) {
        g_signal_handlers_block_by_func(editable, (gpointer)OnInsertUpper, data);
        gtk_editable_insert_text(editable, upper, -1, position);
        g_signal_handlers_unblock_by_func(editable, (gpointer)OnInsertUpper, data);
        g_signal_stop_emission_by_name(editable, "insert-text");
    }
    g_free(upper);
}

// Every event the toplevel sees becomes a message for the owning thread: the close box, keys, and
// "any other event" (motion, exposure, configuration, crossing, ...).
gboolean OnWindowEvent(GtkWidget*, GdkEvent* event, gpointer data)
{
    OrvPlat_Window* window = static_cast<OrvPlat_Window*>(data);
    if (window->native == nullptr || Native(window)->dying) return FALSE;
    switch (event->type) {
    case GDK_DELETE:
        OrvPlat_PostMessage(window, ORV_MSG_CLOSE, 0, 0);
        return TRUE;  // the window procedure decides; the window stays until it is destroyed
    case GDK_KEY_PRESS:
        OrvPlat_PostMessage(window, ORV_MSG_KEYDOWN,
                            event->key.keyval == GDK_KEY_Escape ? ORV_KEY_ESCAPE : ORV_KEY_OTHER,
                            (Int32)event->key.keyval);
        return FALSE;  // a field still gets its keys
    default:
        OrvPlat_PostMessage(window, ORV_MSG_PAINT, (Int32)event->type, 0);
        return FALSE;
    }
}

void GtkPump(void)
{
    // Bounded, so that a stream of redraws cannot keep the thread from its own messages.
    for (int k = 0; k < 200 && g_main_context_iteration(nullptr, FALSE); ++k) {}
}

gboolean OnWaitTimeout(gpointer data)
{
    *static_cast<bool*>(data) = true;
    return G_SOURCE_REMOVE;
}

gboolean OnWakeFd(gint, GIOCondition, gpointer data)
{
    *static_cast<bool*>(data) = true;
    return G_SOURCE_REMOVE;
}

void GtkWait(UInt32 timeoutMs)
{
    bool fired = false, woken = false;
    guint source = g_timeout_add(timeoutMs, OnWaitTimeout, &fired);
    // Watched only while waiting: a watch left in place would be dispatched on every pump
    // iteration for as long as data waits to be read.
    guint wake = mPlat_GtkWakeFd >= 0 ? g_unix_fd_add(mPlat_GtkWakeFd, G_IO_IN, OnWakeFd, &woken) : 0;
    g_main_context_iteration(nullptr, TRUE);
    if (!fired) g_source_remove(source);
    if (wake != 0 && !woken) g_source_remove(wake);
}

// Small controls: the window's entries are 15 pixels high, so the theme's padding and minimum
// height give way to a compact monospace face.
const char* kFrameEntryCss =
    "window.orv-frame-entry { background-color: #000000; }"
    "window.orv-frame-entry entry { min-height: 0; min-width: 0; padding: 0 2px; margin: 0;"
    "  border-width: 1px; border-radius: 0; font-family: monospace; font-size: 9px;"
    "  box-shadow: none; }"
    "window.orv-frame-entry entry.orv-readonly { background-color: #202020; color: #e5e5e5;"
    "  border-color: #202020; }";

void InstallCss(void)
{
    static bool installed = false;
    if (installed) return;
    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(css, kFrameEntryCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(css);
    installed = true;
}

} // namespace

Int08 OrvPlat_RegisterFrameEntryClass(const char*)
{
    // The process keeps the C locale: the head-unit documents are parsed with strtod, which must
    // read "1.5" the same whatever language the desktop speaks.
    gtk_disable_setlocale();
    if (!gtk_init_check(nullptr, nullptr)) return 0;
    InstallCss();
    return 1;
}

OrvPlat_Window* OrvPlat_CreateFrameEntryWindow(const char* className, const char* title, Int32 x,
                                               Int32 y, Int32 w, Int32 h, OrvPlat_WndProc proc)
{
    GtkWidget* gw = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    if (gw == nullptr) return nullptr;
    gtk_window_set_title(GTK_WINDOW(gw), title);
G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_window_set_wmclass(GTK_WINDOW(gw), className, className);
G_GNUC_END_IGNORE_DEPRECATIONS
    gtk_window_set_default_size(GTK_WINDOW(gw), w, h);
    gtk_window_set_resizable(GTK_WINDOW(gw), TRUE);
    gtk_window_move(GTK_WINDOW(gw), x, y);
    gtk_style_context_add_class(gtk_widget_get_style_context(gw), "orv-frame-entry");
    gtk_widget_add_events(gw, GDK_POINTER_MOTION_MASK | GDK_BUTTON_PRESS_MASK |
                                  GDK_BUTTON_RELEASE_MASK | GDK_ENTER_NOTIFY_MASK |
                                  GDK_LEAVE_NOTIFY_MASK | GDK_KEY_PRESS_MASK);
    GtkWidget* fixed = gtk_fixed_new();
    gtk_container_add(GTK_CONTAINER(gw), fixed);

    FrameEntryWindow* native = new FrameEntryWindow{gw, fixed, {}, 1, false};
    OrvPlat_Window* window = new OrvPlat_Window{proc, OrvPlat_CurrentQueue(), native};
    g_signal_connect(gw, "event", G_CALLBACK(OnWindowEvent), window);
    if (mPlat_GtkWindows++ == 0) OrvPlat_RegisterThreadPump(GtkPump, GtkWait);
    return window;
}

OrvPlat_Control* OrvPlat_CreateEditControl(OrvPlat_Window* parent, const char* text, UInt32 style,
                                           Int32 x, Int32 y, Int32 w, Int32 h)
{
    if (parent == nullptr) return nullptr;
    FrameEntryWindow* native = Native(parent);
    GtkWidget* entry = gtk_entry_new();
    gtk_entry_set_width_chars(GTK_ENTRY(entry), 1);
    gtk_entry_set_text(GTK_ENTRY(entry), text ? text : "");
    gtk_entry_set_alignment(GTK_ENTRY(entry), (style & ORV_EDIT_CENTER) ? 0.5f : 0.0f);
    if (style & ORV_EDIT_READONLY) {
        gtk_editable_set_editable(GTK_EDITABLE(entry), FALSE);
        gtk_style_context_add_class(gtk_widget_get_style_context(entry), "orv-readonly");
    }
    gtk_widget_set_size_request(entry, w, h);
    gtk_fixed_put(GTK_FIXED(native->fixed), entry, x, y);

    OrvPlat_Control* control = new OrvPlat_Control;
    control->parent = parent;
    control->entry = entry;
    control->id = native->nextId++;
    control->text = text ? text : "";
    native->controls.push_back(control);
    // Connected after the first text is in place: creating a control notifies nobody.
    if (style & ORV_EDIT_UPPERCASE)
        g_signal_connect(entry, "insert-text", G_CALLBACK(OnInsertUpper), control);
    g_signal_connect(entry, "changed", G_CALLBACK(OnChanged), control);
    g_signal_connect(entry, "focus-in-event", G_CALLBACK(OnFocusIn), control);
    g_signal_connect(entry, "focus-out-event", G_CALLBACK(OnFocusOut), control);
    gtk_widget_show(entry);
    return control;
}

Int32 OrvPlat_ControlId(const OrvPlat_Control* control) { return control ? control->id : 0; }

void OrvPlat_SetControlText(OrvPlat_Control* control, const char* text)
{
    if (control == nullptr) return;
    gtk_entry_set_text(GTK_ENTRY(control->entry), text ? text : "");
}

Int32 OrvPlat_GetControlText(OrvPlat_Control* control, char* text, Int32 size)
{
    if (control == nullptr || text == nullptr || size <= 0) return 0;
    std::lock_guard<std::mutex> guard(control->lock);
    size_t n = control->text.size() < (size_t)(size - 1) ? control->text.size() : (size_t)(size - 1);
    memcpy(text, control->text.data(), n);
    text[n] = 0;
    return (Int32)n;
}

void OrvPlat_ShowFrameEntryWindow(OrvPlat_Window* window)
{
    if (window == nullptr) return;
    FrameEntryWindow* native = Native(window);
    gtk_widget_show_all(native->window);
    gtk_window_present(GTK_WINDOW(native->window));
}

void OrvPlat_DestroyFrameEntryWindow(OrvPlat_Window* window)
{
    if (window == nullptr) return;
    if (window->proc) window->proc(window, ORV_MSG_DESTROY, 0, 0);
    FrameEntryWindow* native = Native(window);
    native->dying = true;
    window->proc = nullptr;
    gtk_widget_destroy(native->window);
    // Let the toolkit finish with the window before its records go.
    for (int k = 0; k < 200 && g_main_context_iteration(nullptr, FALSE); ++k) {}
    for (OrvPlat_Control* control : native->controls) delete control;
    delete native;
    // The record itself stays, without a procedure: messages of this window that are still queued
    // are then ignored by the dispatcher instead of reaching freed memory. A few bytes per window.
    window->proc = nullptr;
    window->native = nullptr;
    mPlat_GtkWakeFd = -1;
    if (--mPlat_GtkWindows == 0) OrvPlat_UnregisterThreadPump(GtkPump);
}

void OrvPlat_FrameEntryWakeOnFd(OrvPlat_Window* window, int fd)
{
    if (window == nullptr || window->native == nullptr) return;
    mPlat_GtkWakeFd = fd;
}

unsigned long OrvPlat_FrameEntryNativeId(OrvPlat_Window* window)
{
    if (window == nullptr) return 0;
    GdkWindow* gdk = gtk_widget_get_window(Native(window)->window);
    return gdk ? (unsigned long)gdk_x11_window_get_xid(gdk) : 0;
}

/* The platform layer as the core sees it: process start-up, the tick counter and sleeps, and a
 * per-thread window-message queue with window procedures. Toolkit headers (GLFW, GTK, X11) stay
 * inside src/platform/; nothing here names them. */
#ifndef ORV_PLATFORM_H
#define ORV_PLATFORM_H

#include "BaseTypes.h"

/* The program instance handed to WinMain and used by window-creating workers. Opaque. */
typedef struct Struct_OrvPlat_Instance OrvPlat_Instance;
/* A top-level window of some toolkit. Opaque. */
typedef struct Struct_OrvPlat_Window OrvPlat_Window;

/* Prepares the process before any window exists: lets several threads own toolkit connections
 * and makes the executable's own folder the working directory, so that ./Res/ is found from
 * anywhere. Returns the instance to hand to WinMain. */
OrvPlat_Instance* OrvPlat_InitProcess(const char* argv0);
/* SIGINT (Ctrl-C in the terminal) and SIGTERM set *quitFlag to 1, which ends the program the way
 * closing a window does: the main thread sees the flag and stops the tasks in order. A second such
 * signal, once the first has been taken, ends the process at once (the default action), so that a
 * stop that hangs can still be broken. */
void OrvPlat_QuitOnSignals(volatile Int08* quitFlag);

/* 1 when this start is a restart without a power cycle: the supervisor that starts the program
 * again after it ended sets the environment variable CLUSTER_RESTART to 1. Anything else (unset,
 * empty, another value) is a start from power-on: 0. The start-up path copies it into globReboot
 * before the first frame. */
Int08 OrvPlat_IsRestart(void);

/* Milliseconds of a monotonic clock as a wrapping 32-bit counter (or the driven tick, below). */
UInt32 OrvPlat_GetTickCount(void);
/* Tests drive the tick: while driven, OrvPlat_GetTickCount returns exactly what was set. */
void OrvPlat_DriveTick(UInt32 tick);
void OrvPlat_AdvanceTick(UInt32 ms);
void OrvPlat_ReleaseTick(void);

void OrvPlat_SleepMs(UInt32 ms);
void OrvPlat_SleepUs(UInt32 us);

/* 1 when an IPv6 socket can be bound to host (numeric address, with its zone if any). */
Int08 OrvPlat_Ipv6Usable(const char* host);
/* The desktop's network bring-up: a detached thread sets *flag to 1 as soon as
 * OrvPlat_Ipv6Usable(host) holds, checking once a second. */
void OrvPlat_StartNetworkBringUp(const char* host, volatile Int08* flag);

/* Window messages. Each thread that owns windows has its own queue; a window's toolkit events are
 * turned into messages for the queue of the thread that created it. */
enum {
    ORV_MSG_NULL = 0,
    ORV_MSG_QUIT,      /* posted by OrvPlat_PostQuitMessage; never dispatched */
    ORV_MSG_CLOSE,     /* the window's close box */
    ORV_MSG_KEYDOWN,   /* wParam: ORV_KEY_* */
    ORV_MSG_DESTROY,
    ORV_MSG_COMMAND,   /* a control's notification: wParam control id, lParam notification code */
    ORV_MSG_PAINT,     /* any other window event the toolkit reported */
};

enum { ORV_KEY_OTHER = 0, ORV_KEY_ESCAPE = 27 };

typedef struct Struct_OrvPlat_Msg {
    OrvPlat_Window* window;
    UInt32          message;
    Int32           wParam;
    Int32           lParam;
} OrvPlat_Msg;

/* A window procedure; the result is the message's result (0 handled). */
typedef Int32 (*OrvPlat_WndProc)(OrvPlat_Window* window, UInt32 message, Int32 wParam, Int32 lParam);

/* Takes one message of this thread's queue without waiting, after letting the thread's toolkits
 * deliver their pending events. Returns 1 and fills msg when there was one, 0 otherwise. */
Int08 OrvPlat_PeekMessage(OrvPlat_Msg* msg);
/* Like OrvPlat_PeekMessage, but waits up to timeoutMs for a message or a toolkit event. */
Int08 OrvPlat_WaitMessage(OrvPlat_Msg* msg, UInt32 timeoutMs);
/* Hands a message to its window's procedure; messages of no window are ignored (result 0). */
Int32 OrvPlat_DispatchMessage(const OrvPlat_Msg* msg);
/* Appends a message to the queue of the thread that owns the window (or this thread's queue). */
void OrvPlat_PostMessage(OrvPlat_Window* window, UInt32 message, Int32 wParam, Int32 lParam);
/* Appends the quit message to this thread's queue. */
void OrvPlat_PostQuitMessage(Int32 exitCode);
/* The procedure for messages a window procedure does not handle itself. */
Int32 OrvPlat_DefWindowProc(OrvPlat_Window* window, UInt32 message, Int32 wParam, Int32 lParam);

/* A toolkit that delivers events on this thread registers how to poll it (without waiting) and
 * how to wait for it (at most timeoutMs). Called by the toolkit backends in src/platform/. */
typedef void (*OrvPlat_PumpFun)(void);
typedef void (*OrvPlat_WaitFun)(UInt32 timeoutMs);
void OrvPlat_RegisterThreadPump(OrvPlat_PumpFun pump, OrvPlat_WaitFun wait);
void OrvPlat_UnregisterThreadPump(OrvPlat_PumpFun pump);

#endif

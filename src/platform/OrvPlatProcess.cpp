// Process start-up: X11 is told that several threads will own display connections (the render
// window and the frame-entry window live on different workers), and the working directory becomes
// the executable's folder so that the relative ./Res/ paths hold from anywhere.
#include "platform/OrvPlatform.h"

#include <X11/Xlib.h>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

struct Struct_OrvPlat_Instance { std::string exeDir; };

static std::string OrvPlat_ExecutableDir(const char* argv0)
{
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    std::string exe = n > 0 ? std::string(path, (size_t)n) : std::string(argv0 ? argv0 : "");
    size_t slash = exe.rfind('/');
    return slash == std::string::npos ? std::string(".") : exe.substr(0, slash);
}

OrvPlat_Instance* OrvPlat_InitProcess(const char* argv0)
{
    static Struct_OrvPlat_Instance instance;
    XInitThreads();
    instance.exeDir = OrvPlat_ExecutableDir(argv0);
    if (chdir(instance.exeDir.c_str()) != 0)
        printf("cannot enter %s: %s\n", instance.exeDir.c_str(), strerror(errno));
    // Console lines must reach a pipe or a log file as they happen, not when a buffer fills.
    setvbuf(stdout, nullptr, _IOLBF, 0);
    return &instance;
}

static volatile Int08* mOrvPlat_QuitFlag = nullptr;

// Only an atomic store: the one thing a signal handler may safely do here.
static void OrvPlat_OnQuitSignal(int) { __atomic_store_n(mOrvPlat_QuitFlag, (Int08)1, __ATOMIC_RELAXED); }

void OrvPlat_QuitOnSignals(volatile Int08* quitFlag)
{
    mOrvPlat_QuitFlag = quitFlag;
    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_handler = OrvPlat_OnQuitSignal;
    sigemptyset(&sa.sa_mask);
    // SA_RESETHAND: the second signal takes the default action. SA_RESTART: a toolkit's blocking
    // call is not cut short by the first.
    sa.sa_flags = SA_RESETHAND | SA_RESTART;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
}

Int08 OrvPlat_IsRestart(void)
{
    const char* env = getenv("CLUSTER_RESTART");
    return (env != nullptr && strcmp(env, "1") == 0) ? 1 : 0;
}

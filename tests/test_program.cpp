// The whole program: started as a user starts it, ended from its window.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>

#include "support/XDriver.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

pid_t StartCluster()
{
    pid_t pid = -1;
    char path[] = "./cluster";
    char* argv[] = {path, nullptr};
    if (posix_spawn(&pid, path, nullptr, nullptr, argv, environ) != 0) return -1;
    return pid;
}

// Exit status of the child, or -1 when it is still running after timeoutMs (it is then killed).
int WaitExit(pid_t pid, int timeoutMs)
{
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    while (Clock::now() < deadline) {
        if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

struct Ending { const char* name; void (*act)(unsigned long window); };

const Ending kEndings[] = {
    {"Escape", [](unsigned long w) { XDrv_PressKey(w, "Escape"); }},
    {"close box", [](unsigned long w) { XDrv_Close(w); }},
};

}  // namespace

TEST(Program, EndsWithExitCodeZeroWithinThreeSecondsOfClosingTheRenderWindow)
{
    for (const Ending& ending : kEndings) {
        SCOPED_TRACE(ending.name);
        pid_t pid = StartCluster();
        ASSERT_GT(pid, 0);
        unsigned long window = XDrv_FindWindow("Render", 10000);
        if (window == 0) WaitExit(pid, 0);
        ASSERT_NE(window, 0u);
        ending.act(window);
        EXPECT_EQ(WaitExit(pid, 3000), 0);
    }
}

// The whole program: started as a user starts it, ended from its window.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <spawn.h>
#include <sys/wait.h>

#include "support/TestWait.h"
#include "support/XDriver.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Starts the cluster from workDir (the tests' own folder when empty), its console going to logFile
// when one is given.
pid_t StartCluster(const std::string& workDir = "", const std::string& logFile = "")
{
    char path[PATH_MAX];
    if (realpath("./cluster", path) == nullptr) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!workDir.empty()) posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
    if (!logFile.empty())
        posix_spawn_file_actions_addopen(&actions, 1, logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    char* argv[] = {path, nullptr};
    int rc = posix_spawn(&pid, path, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
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

// The first frames load shaders, fonts and pictures, and the window answers only between frames:
// the tests end a cluster that is running, not one still starting on a busy machine.
void LetFirstFramesLoad() { usleep(1500 * 1000 * TestPace()); }

struct Ending { const char* name; void (*act)(unsigned long window, pid_t pid); };

// A signal's default action would end the program with no exit code (WaitExit gives 128).
const Ending kEndings[] = {
    {"Escape", [](unsigned long w, pid_t) { XDrv_PressKey(w, "Escape"); }},
    {"close box", [](unsigned long w, pid_t) { XDrv_Close(w); }},
    {"SIGINT (Ctrl-C)", [](unsigned long, pid_t pid) { kill(pid, SIGINT); }},
    {"SIGTERM", [](unsigned long, pid_t pid) { kill(pid, SIGTERM); }},
};

}  // namespace

TEST(Program, EndsWithExitCodeZeroWithinThreeSecondsOfClosingTheRenderWindowOrASignal)
{
    for (const Ending& ending : kEndings) {
        SCOPED_TRACE(ending.name);
        pid_t pid = StartCluster();
        ASSERT_GT(pid, 0);
        unsigned long window = XDrv_FindWindow("Render", 10000);
        if (window == 0) WaitExit(pid, 0);
        ASSERT_NE(window, 0u);
        LetFirstFramesLoad();
        ending.act(window, pid);
        EXPECT_EQ(WaitExit(pid, 3000 * TestPace()), 0);
    }
}

TEST(Program, FindsItsResourcesFromAnyWorkingDirectory)
{
    char logTemplate[] = "/tmp/cluster-log-XXXXXX";
    int fd = mkstemp(logTemplate);
    ASSERT_GE(fd, 0);
    close(fd);
    pid_t pid = StartCluster("/", logTemplate);
    ASSERT_GT(pid, 0);
    unsigned long window = XDrv_FindWindow("Render", 10000);
    if (window != 0) LetFirstFramesLoad();
    if (window != 0) XDrv_PressKey(window, "Escape");
    EXPECT_EQ(WaitExit(pid, window != 0 ? 3000 * TestPace() : 0), 0);
    ASSERT_NE(window, 0u);

    std::string log = ReadFile(logTemplate);
    unlink(logTemplate);
    EXPECT_NE(log.find("Render inited"), std::string::npos) << log;
    EXPECT_NE(log.find("font texture[0]"), std::string::npos) << log;
    EXPECT_EQ(log.find("fail"), std::string::npos) << "a resource did not load:\n" << log;
}

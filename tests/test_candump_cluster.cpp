// The running cluster fed by mb-sim over the bus: a drive converted to a candump log and replayed
// at its recorded times brings the cluster's screen to the picture that the drive itself brings
// it to, and away from the picture it showed before.
#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "support/LoopbackPort.h"
#include "support/TestWait.h"
#include "support/XDriver.h"

extern char** environ;

namespace {

pid_t Spawn(const std::vector<std::string>& args)
{
    std::vector<std::string> all = args;
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(&a[0]);
    argv.push_back(nullptr);
    pid_t pid = -1;
    return posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : -1;
}

int Wait(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Share of pixels that differ by more than a little in some channel. The frame-rate text in the
// top left corner follows the machine's load, so that corner is left out.
double Differs(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b)
{
    if (a.size() != b.size() || a.empty()) return 1.0;
    const size_t width = a.size() / 3 / 720;
    size_t n = 0;
    for (size_t i = 0; i < a.size(); i += 3) {
        if ((i / 3) % width < 200 && (i / 3) / width < 40) continue;
        for (int c = 0; c < 3; c++)
            if (abs((int)a[i + c] - (int)b[i + c]) > 24) {
                n++;
                break;
            }
    }
    return (double)n / (double)(a.size() / 3);
}

struct Pictures { std::vector<unsigned char> before, after; int mbSimStatus = -1; };

// Starts the cluster on its own bus port, takes its picture, plays the file with mb-sim at its
// recorded times, lets the screen settle, takes the picture again and ends the cluster.
Pictures PlayIntoCluster(const std::string& file, const std::string& base)
{
    Pictures p;
    char cluster[PATH_MAX], mbsim[PATH_MAX];
    if (realpath("./cluster", cluster) == nullptr || realpath("./mb-sim", mbsim) == nullptr) return p;
    const int port = LoopbackFreeUdpPort();
    const std::string addr = "[::1]:" + std::to_string(port);
    setenv("CLUSTER_MB_ADDR", addr.c_str(), 1);
    pid_t pid = Spawn({cluster});
    unsetenv("CLUSTER_MB_ADDR");
    unsigned long window = XDrv_FindWindow("Render", 10000);
    // The bus opens after the window, later still on a slow or instrumented build.
    const bool busOpen = window != 0 && WaitFor([port] { return LoopbackUdpBind(port) < 0; }, 30000);
    if (busOpen) {
        sleep(2);  // the power-off page is drawn
        p.before = XDrv_Capture(window);
        pid_t sim = Spawn({mbsim, "-q", "-b", base, "-a", addr, file});
        p.mbSimStatus = Wait(sim);
        sleep(3);  // fades and the speed display settle
        p.after = XDrv_Capture(window);
        XDrv_PressKey(window, "Escape");
    }
    for (int i = 0; i < 300 && waitpid(pid, nullptr, WNOHANG) == 0; i++) usleep(10000);
    if (waitpid(pid, nullptr, WNOHANG) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    return p;
}

}  // namespace

TEST(CandumpIntoTheCluster, ALogChangesThePictureAsItsDriveDoes)
{
    const std::string drive = std::string(MB_DRIVES_DIR) + "/startup.drive";
    char log[] = "/tmp/startup-log-XXXXXX";
    close(mkstemp(log));
    pid_t conv = Spawn({"./mb-sim", "-n", "-b", "0x520", "-w", log, drive});
    ASSERT_EQ(Wait(conv), 0);

    Pictures fromLog = PlayIntoCluster(log, "0x520");
    Pictures fromDrive = PlayIntoCluster(drive, "0x520");
    unlink(log);
    ASSERT_FALSE(fromLog.after.empty()) << "no picture of the cluster";
    ASSERT_FALSE(fromDrive.after.empty());
    EXPECT_EQ(fromLog.mbSimStatus, 0) << "every frame of the log answered";
    EXPECT_EQ(fromDrive.mbSimStatus, 0);
    EXPECT_GT(Differs(fromLog.before, fromLog.after), 0.02) << "the log changed the picture";
    EXPECT_LT(Differs(fromLog.after, fromDrive.after), 0.001) << "the log and the drive end on the same picture";
}

// The head-unit link task before its network exists, the listening address configuration and the
// desktop network check. A program of its own: a task stopped before the network came up keeps its
// state on purpose, so no other test can start it after this one.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "OrvTask/CduCommunication.h"
#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"
#include "platform/OrvPlatform.h"

namespace {

TEST(CduTask, ListenAddressFromTheEnvironment)
{
    struct Case {
        const char* env; /* nullptr: unset */
        Int08       ok;
        const char* host;
        const char* port;
    };
    const Case cases[] = {
        {nullptr, 1, "::1", "8090"},
        {"", 1, "::1", "8090"},
        {"fe80::1%eth0", 1, "fe80::1%eth0", "8090"},
        {"[fe80::1%2]", 1, "fe80::1%2", "8090"},
        {"[::1]:9000", 1, "::1", "9000"},
        {"[::1]:", 0, "", ""},
        {"[::1", 0, "", ""},
        {"[]:80", 0, "", ""},
        {"[::1]x", 0, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.env ? c.env : "(unset)");
        if (c.env) setenv("CLUSTER_HU_ADDR", c.env, 1);
        else unsetenv("CLUSTER_HU_ADDR");
        char host[64], port[8];
        EXPECT_EQ(CDUC_Task_ListenAddress(host, sizeof(host), port, sizeof(port)), c.ok);
        if (c.ok) {
            EXPECT_STREQ(host, c.host);
            EXPECT_STREQ(port, c.port);
        }
    }
    setenv("CLUSTER_HU_ADDR", std::string(200, 'a').c_str(), 1);
    char host[64], port[8];
    EXPECT_EQ(CDUC_Task_ListenAddress(host, sizeof(host), port, sizeof(port)), 0) << "does not fit";
    unsetenv("CLUSTER_HU_ADDR");
}

TEST(CduTask, DesktopNetworkCheck)
{
    EXPECT_EQ(OrvPlat_Ipv6Usable("::1"), 1);
    EXPECT_EQ(OrvPlat_Ipv6Usable("2001:db8::77"), 0) << "an address this machine does not have";
    EXPECT_EQ(OrvPlat_Ipv6Usable("fe80::1%nosuchif9"), 0);
    EXPECT_EQ(OrvPlat_Ipv6Usable("not an address"), 0);

    volatile Int08 flag = 0;
    OrvPlat_StartNetworkBringUp("::1", &flag);
    auto start = std::chrono::steady_clock::now();
    while (OrvShared_Load(flag) == 0 && std::chrono::steady_clock::now() - start < std::chrono::seconds(3))
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(OrvShared_Load(flag), 1);
}

TEST(CduTask, ServingTheInvalidSocketOfAFailedAcceptEndsAtOnce)
{
    CDU_TCP_SetInitialValue();
    MusicInfo.Enable = 1;
    const UInt08 upd = MusicInfo.UpdMusic;
    volatile Int08 quit = 0;
    auto start = std::chrono::steady_clock::now();
    CDU_TCP_Serve(INVALID_SOCKET, &quit);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(ms, 500);
    EXPECT_EQ(OrvShared_Load(CduComSrvPnt), 0x2017u);
    EXPECT_EQ(MusicInfo.Enable, 0) << "the store was reset";
    EXPECT_NE(MusicInfo.UpdMusic, upd);
}

TEST(CduTask, WithoutTheNetworkNoServerOpensAndStopReturns)
{
    setenv("CLUSTER_HU_ADDR", "[::1]:0", 1);
    OrvShared_Store(globIpv6_NetworkInstalled, 0);
    ASSERT_EQ(gCduCommunication.Init(), 1);
    gCduCommunication.Excute();
    EXPECT_EQ(gCduCommunication.GetState(), OrvTask_Running);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    EXPECT_EQ(CDUC_Task_ListenPort(), 0);
    EXPECT_EQ(OrvShared_Load(CduComSrvPnt), 0x1001u) << "the store was reset, then the worker waits";
    auto start = std::chrono::steady_clock::now();
    gCduCommunication.Stop();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    // The waiting worker ends without posting its quit semaphore: Stop runs into its bound of 3 s
    // and leaves the task Running.
    EXPECT_LE(ms, 3500);
    EXPECT_EQ(gCduCommunication.GetState(), OrvTask_Running);
    // Raising the flag now opens nothing: the worker has gone.
    OrvShared_Store(globIpv6_NetworkInstalled, 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(CDUC_Task_ListenPort(), 0);
}

} // namespace

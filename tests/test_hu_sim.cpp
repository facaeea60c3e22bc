// The head-unit simulator against the real link task: every shipped scenario file plays through,
// each document is acknowledged, and the session ends with the end acknowledgement.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <string>
#include <sys/wait.h>
#include <thread>

#include "OrvTask/CduCommunication.h"

namespace {

int CountLines(const std::string& text, const std::string& prefix, const std::string& contains)
{
    int n = 0;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        if (line.rfind(prefix, 0) == 0 && line.find(contains) != std::string::npos) n++;
        at = end + 1;
    }
    return n;
}

TEST(HuSim, EveryScenarioPlaysThroughTheRealLink)
{
    setenv("CLUSTER_HU_ADDR", "[::1]:0", 1);
    globIpv6_NetworkInstalled = 1;
    ASSERT_EQ(gCduCommunication.Init(), 1);
    gCduCommunication.Excute();
    for (int i = 0; i < 300 && CDUC_Task_ListenPort() == 0; i++) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_NE(CDUC_Task_ListenPort(), 0);

    std::string cmd = std::string(HU_SIM_EXE) + " --port " + std::to_string(CDUC_Task_ListenPort()) + " --hold-ms 0";
    int scenarios = 0;
    DIR* dir = opendir(HU_SIM_SCENARIOS);
    ASSERT_NE(dir, nullptr);
    while (dirent* e = readdir(dir)) {
        std::string name = e->d_name;
        if (name.size() > 5 && name.compare(name.size() - 5, 5, ".json") == 0) {
            cmd += std::string(" ") + HU_SIM_SCENARIOS + "/" + name;
            scenarios++;
        }
    }
    closedir(dir);
    EXPECT_GE(scenarios, 6);

    FILE* p = popen((cmd + " 2>&1").c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof(buf), p)) > 0) out.append(buf, n);
    int status = pclose(p);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << out;

    int documents = CountLines(out, "-> ", "{");
    EXPECT_GE(documents, scenarios);
    EXPECT_EQ(CountLines(out, "<- ", "DATA_ACK"), documents) << out;
    EXPECT_EQ(CountLines(out, "<- ", "START_ACK"), 1);
    EXPECT_EQ(CountLines(out, "<- ", "END_ACK"), 1);
    EXPECT_NE(out.find("cluster closed the connection"), std::string::npos);

    gCduCommunication.Stop();
    gCduCommunication.DeInit();
}

} // namespace

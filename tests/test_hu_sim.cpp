// The head-unit simulator against the real link task: every shipped scenario file plays through,
// each document is acknowledged, and the session ends with the end acknowledgement; the upgrade
// command delivers a signed package, and the phone actions of the cluster are printed.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "HuSimLocalLink.h"
#include "HuSimUpgrade.h"
#include "OrvTask/CduCommunication.h"
#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"
#include "support/SharedText.h"

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

std::string RunTool(const std::string& cmd, int* exitCode)
{
    FILE* p = popen((cmd + " 2>&1").c_str(), "r");
    if (p == nullptr) return "";
    std::string out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof(buf), p)) > 0) out.append(buf, n);
    int status = pclose(p);
    *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

class HuSim : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // The upgrade's folder is named before the link runs: its worker reads the environment.
        static char dir[] = "/tmp/husim_ota_XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        setenv("CLUSTER_OTA_ROOT", dir, 1);
        ASSERT_NE(HuSim_StartLocalLink(3000), 0);
        ASSERT_EQ(gCduCommunication.GetState(), OrvTask_Running);
    }
    static void TearDownTestSuite()
    {
        gCduCommunication.Stop();
        gCduCommunication.DeInit();
    }
    void SetUp() override
    {
        for (int i = 0; i < 500 && !(OrvShared_Load(CduComSrvPnt) == 0x2017 || OrvShared_Load(CduComSrvPnt) == 0x1001); i++)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    static std::string Sim() { return std::string(HU_SIM_EXE) + " --port " + std::to_string(CDUC_Task_ListenPort()); }
};

TEST_F(HuSim, EveryScenarioPlaysThroughTheRealLink)
{
    std::string cmd = Sim() + " --hold-ms 0";
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
}

// Documents on standard input go out one by one in the same session; a line that does not hold is
// reported with its number, the others still go, and the exit status tells of the refusal.
TEST_F(HuSim, DocumentsFromStandardInputGoOutAsTheyCome)
{
    struct Case {
        const char* input;
        int         sent;
        const char* refused; // the message of the refused line, or nullptr
    };
    const Case cases[] = {
        {"weather {\"enable\":\"1\",\"msgtype\":\"1\",\"weather\":{\"city\":\"Lakeside\",\"wendu\":\"18\"}}\n"
         "# a comment, then a blank line\n\n"
         "music {\"enable\":\"1\",\"msgtype\":\"1\",\"music\":{\"song\":\"Blue\"}} gen:jpeg:64x64:3\n",
         2, nullptr},
        {"radio {\"enable\":\"1\"}\nlamp {\"enable\":\"1\"}\nnav not json\nnav {\"enable\":\"0\"}\n", 2,
         "line 2: unknown service \"lamp\""},
        {"nav {\"enable\":\"1\"\n", 0, "line 1: no JSON object after the service"},
        {"music {\"enable\":\"1\"} gen:gif:1x1\n", 0, "line 1: cannot load cover gen:gif:1x1"},
    };
    for (const Case& c : cases) {
        const std::string file = "/tmp/husim_stdin.txt";
        std::ofstream(file) << c.input;
        int code = -1;
        std::string out = RunTool(Sim() + " --hold-ms 0 - < " + file, &code);
        EXPECT_EQ(CountLines(out, "-> ", "{"), c.sent) << c.input << out;
        EXPECT_EQ(CountLines(out, "<- ", "DATA_ACK"), c.sent) << out;
        EXPECT_EQ(CountLines(out, "<- ", "END_ACK"), 1) << out;
        EXPECT_EQ(code, c.refused ? 1 : 0) << out;
        if (c.refused) {
            EXPECT_NE(out.find(c.refused), std::string::npos) << out;
        }
        unlink(file.c_str());
    }
}

TEST_F(HuSim, UpgradeCommandDeliversASignedPackageAndPhoneActionsArePrinted)
{
    const std::string root = getenv("CLUSTER_OTA_ROOT");
    mkdir((root + "/root").c_str(), 0755);
    mkdir((root + "/root/app").c_str(), 0755);
    char pub[600], pkg[600];
    CDU_TCP_OtaPath(OTA_PATH_PUBKEY, pub, sizeof(pub));
    CDU_TCP_OtaPath(OTA_PATH_PACKAGE, pkg, sizeof(pkg));
    const std::string key = root + "/private.pem", package = root + "/package.bin";
    ASSERT_TRUE(HuSim_MakeRsaKeyPair(2048, key, pub));
    std::vector<char> bytes(10000);
    for (size_t i = 0; i < bytes.size(); i++) bytes[i] = (char)(i * 7 + i / 13);
    std::ofstream(package, std::ios::binary).write(bytes.data(), (std::streamsize)bytes.size());

    OrvShared_Store(OtaState, OTA_Normal);
    int code = -1;
    std::string out = RunTool(Sim() + " --key " + key + " --hold-ms 0", &code);
    EXPECT_EQ(code, 2) << "--key without upgrade is a usage error";

    // Once the package is in, the driver answers a call on the cluster: the action goes out with
    // the answer to the simulator's next heartbeat (every 3 s), while it holds the session.
    std::thread driver([] {
        for (int i = 0; i < 500 && OrvShared_Load(OtaState) != OTA_TRANSFER_SUCC; i++)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        SharedSetText(BlueToothReqConn.Name, "Ann");
        SharedSetText(BlueToothReqConn.Number, "555");
        OrvShared_Store(BlueToothReqConn.Status, PHONE_REQ_Conn);
        __atomic_fetch_or(&BlueToothReqFlag.value, (U08)(1u << 1), __ATOMIC_SEQ_CST);
    });
    out = RunTool(Sim() + " upgrade " + package + " --key " + key + " --piece-size 3000 --hold-ms 4000", &code);
    driver.join();
    EXPECT_EQ(code, 0) << out;
    EXPECT_EQ(OrvShared_Load(OtaState), OTA_TRANSFER_SUCC) << out;
    EXPECT_EQ(CountLines(out, "<- ", "upgrade DATA_ACK"), 4) << "the first frame and three next frames: " << out;
    EXPECT_NE(out.find("upgrade sent: 10000 bytes in 4 frames"), std::string::npos) << out;
    EXPECT_NE(out.find("phone action: connect name=Ann num=555"), std::string::npos) << out;
    std::ifstream in(pkg, std::ios::binary);
    std::vector<char> written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(written, bytes);

    // A wrong check text is signed all the same and refused for not being a check text.
    out = RunTool(Sim() + " upgrade " + package + " --key " + key + " --md5 'x;y' --hold-ms 0", &code);
    EXPECT_EQ(OrvShared_Load(OtaState), OTA_DECRYPT_FAIL) << out;
    OrvShared_Store(OtaState, OTA_Normal);
    EXPECT_EQ(system(("rm -rf '" + root + "'").c_str()), 0);
}

} // namespace

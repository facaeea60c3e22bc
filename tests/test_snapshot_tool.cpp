// The snapshot program end to end: a shipped scenario becomes a 1920 x 720 PNG showing the
// logo; bad scenarios and bad usage end with an error status and name the fault.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>

#include "OrvRender/RenderUtils.h"

namespace {

struct Result { int status; std::string output; };

Result RunSnapshot(const std::string& args)
{
    std::string cmd = std::string(SNAPSHOT_EXE) + " " + args + " 2>&1";
    Result r{-1, ""};
    FILE* p = popen(cmd.c_str(), "r");
    if (p == nullptr) return r;
    char buf[512];
    while (fgets(buf, sizeof(buf), p)) r.output += buf;
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

TEST(SnapshotTool, ScenarioFileBecomesAPictureOfTheLogo)
{
    std::string out = std::string(SNAPSHOT_OUT) + "/tool-logo.png";
    remove(out.c_str());
    Result r = RunSnapshot(std::string(SNAPSHOT_SCENARIOS) + "/logo.scn -o " + out);
    ASSERT_EQ(r.status, 0) << r.output;
    Image img{};
    ASSERT_EQ(LoadPngFile(out.c_str(), &img), 1);
    EXPECT_EQ(img.w, 1920);
    EXPECT_EQ(img.h, 720);
    // Black around the logo, something bright in the middle of the screen.
    int bytes = img.fmt == 0x1908 ? 4 : 3;
    auto at = [&](int x, int y) { return &img.dat[((size_t)(719 - y) * 1920 + x) * bytes]; };  // bottom row first
    EXPECT_EQ(at(20, 20)[0] + at(20, 20)[1] + at(20, 20)[2], 0);
    int bright = 0;
    for (int y = 300; y < 420; y++)
        for (int x = 860; x < 1060; x++) bright += at(x, y)[2] > 150;
    EXPECT_GT(bright, 100) << "the logo is drawn";
    free(img.dat);
}

// The whole driving page: above the warning speed the digits are red, the READY lamp is green.
TEST(SnapshotTool, DrivingScenarioShowsARedSpeedAndTheLamps)
{
    std::string out = std::string(SNAPSHOT_OUT) + "/tool-driving.png";
    remove(out.c_str());
    Result r = RunSnapshot(std::string(SNAPSHOT_SCENARIOS) + "/driving.scn -o " + out);
    ASSERT_EQ(r.status, 0) << r.output;
    Image img{};
    ASSERT_EQ(LoadPngFile(out.c_str(), &img), 1);
    int bytes = img.fmt == 0x1908 ? 4 : 3;
    auto count = [&](int x0, int y0, int x1, int y1, bool (*pred)(const UInt08*)) {
        int n = 0;
        for (int y = y0; y < y1; y++)
            for (int x = x0; x < x1; x++) n += pred(&img.dat[((size_t)(719 - y) * 1920 + x) * bytes]);
        return n;
    };
    auto red = [](const UInt08* p) { return p[0] > 150 && p[1] < 90 && p[2] < 90; };
    auto green = [](const UInt08* p) { return p[1] > 120 && p[0] < 120 && p[2] < 150; };
    EXPECT_GT(count(860, 90, 1060, 190, red), 500) << "red speed digits";
    EXPECT_GT(count(790, 30, 900, 70, green), 50) << "READY lamp";
    free(img.dat);
}

// The side panels: every vehicle module on both panels and both module lists open. Each picture
// must show its module's mark in both panels (the same picture without the frame 0x04 line shows
// neither: the panels are background).
TEST(SnapshotTool, SidePanelScenariosShowTheirModulesOnBothPanels)
{
    using Pred = bool (*)(const UInt08*);
    struct Case { const char* name; Recti left; Int32 dx; Pred pred; int atLeast; };
    const Pred white = [](const UInt08* p) { return p[0] > 200 && p[1] > 200 && p[2] > 200; };
    const Pred orange = [](const UInt08* p) { return p[0] > 150 && p[1] > 60 && p[2] < 90 && p[0] > p[1] + 40; };
    const Pred red = [](const UInt08* p) { return p[0] > 150 && p[1] < 80 && p[2] < 80; };
    const Pred blue = [](const UInt08* p) { return p[2] > 180 && p[0] < 120; };
    const Case cases[] = {
        {"side-clock", {395, 240, 120, 90}, 1048, white, 150},       // hands at 10:08 above the centre
        {"side-trip", {480, 240, 130, 280}, 1010, white, 400},       // the value column
        {"side-energy", {275, 304, 318, 148}, 1048, orange, 2000},   // the history graph
        {"side-status", {540, 270, 120, 30}, 1010, red, 60},         // 88 degrees on the front right
        {"side-lists", {223, 217, 192, 192}, 1180, blue, 1000},      // the centre icon's ring
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string out = std::string(SNAPSHOT_OUT) + "/" + c.name + ".png";
        remove(out.c_str());
        Result r = RunSnapshot(std::string(SNAPSHOT_SCENARIOS) + "/" + c.name + ".scn -o " + out);
        ASSERT_EQ(r.status, 0) << r.output;
        Image img{};
        ASSERT_EQ(LoadPngFile(out.c_str(), &img), 1);
        int bytes = img.fmt == 0x1908 ? 4 : 3;
        auto count = [&](const Recti& q) {
            int n = 0;
            for (int y = q.y; y < q.y + q.h; y++)
                for (int x = q.x; x < q.x + q.w; x++) n += c.pred(&img.dat[((size_t)(719 - y) * 1920 + x) * bytes]);
            return n;
        };
        EXPECT_GE(count(c.left), c.atLeast) << "left panel";
        EXPECT_GE(count(Recti{c.left.x + c.dx, c.left.y, c.left.w, c.left.h}), c.atLeast) << "right panel";
        free(img.dat);
    }
}

TEST(SnapshotTool, BadScenariosAndUsageFail)
{
    struct Case { std::string args; int status; const char* says; };
    const Case cases[] = {
        {"-e 'frame 00 00 50'", 1, "8 bytes"},
        {"-e 'frame 00 00 50 00 7D 04 40 09 00 00'", 1, "refused"},
        {"-e 'frame 0F 00 00 00 00 00 00 00 00'", 1, "refused"},
        {"-e 'frame 00 00 50 00 7D 04 40 09 GG'", 1, "bad byte"},
        {"-e 'json nowhere {}'", 1, "service"},
        {"-e 'frames 1' -e restart", 1, "before the first frame"},
        {"-e 'wait soon'", 1, "milliseconds"},
        {"-e 'paint it black'", 1, "unknown command"},
        {"/nonexistent/scenario.scn", 1, "cannot open"},
        {"", 2, "usage"},
        {"-x", 2, "usage"},
    };
    for (const Case& c : cases) {
        Result r = RunSnapshot(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.output;
        EXPECT_NE(r.output.find(c.says), std::string::npos) << c.args << "\n" << r.output;
    }
}

}  // namespace

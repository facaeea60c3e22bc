// The snapshot program end to end: a shipped scenario becomes a 1920 x 720 PNG showing the
// logo; bad scenarios and bad usage end with an error status and name the fault.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
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
        {"-e 'set Sped 120'", 1, "unknown signal Sped"},
        {"-e 'set Speed 256'", 1, "bad value 256 of Speed"},
        {"-e 'set Gear'", 1, "NAME VALUE pairs"},
        {"-e 'play /nonexistent.drive'", 1, "cannot read"},
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

// The picture of a page as two scenarios put it: equal pixels, and something else than the page
// with no frame at all (the frames changed the picture).
void ExpectSamePicture(const std::string& nameA, const std::string& argsA, const std::string& nameB,
                       const std::string& argsB, const std::string& untouchedArgs)
{
    std::string a = std::string(SNAPSHOT_OUT) + "/" + nameA, b = std::string(SNAPSHOT_OUT) + "/" + nameB;
    std::string none = std::string(SNAPSHOT_OUT) + "/untouched-" + nameA;
    for (const auto& run : {std::make_pair(a, argsA), std::make_pair(b, argsB), std::make_pair(none, untouchedArgs)}) {
        Result r = RunSnapshot(run.second + " -o " + run.first);
        ASSERT_EQ(r.status, 0) << run.second << "\n" << r.output;
    }
    Image ia{}, ib{}, in{};
    ASSERT_EQ(LoadPngFile(a.c_str(), &ia), 1);
    ASSERT_EQ(LoadPngFile(b.c_str(), &ib), 1);
    ASSERT_EQ(LoadPngFile(none.c_str(), &in), 1);
    size_t bytes = (size_t)ia.w * ia.h * (ia.fmt == 0x1908 ? 4 : 3);
    EXPECT_EQ(memcmp(ia.dat, ib.dat, bytes), 0) << nameA << " and " << nameB << " differ";
    EXPECT_NE(memcmp(ia.dat, in.dat, bytes), 0) << "the frames changed nothing";
    free(ia.dat);
    free(ib.dat);
    free(in.dat);
    remove(none.c_str());
}

// Signals by name give the very page that the raw frames give.
TEST(SnapshotTool, SignalsByNameGiveThePictureOfTheirFrames)
{
    ExpectSamePicture(
        "signals-frames.png",
        "-e 'fps 20' -e 'frame 02 2E FE 05 1A 76 00 00 00' -e 'frame 00 00 50 00 7D 04 40 09 00' -e 'wait 5500' "
        "-e 'frame 00 78 50 64 7D 01 40 09 50' -e 'wait 1000'",
        "signals-set.png",
        "-e 'fps 20' -e 'set SysTimeOfDayInMin 510 DateDay 15 DateMonth 6 DateYear 2026 Temperature 18' "
        "-e 'set Battery 80 Power 0 Gear P TripRange 320 WorkMode ON' -e 'wait 5500' "
        "-e 'set Speed 120 SpeedWarn 100 Gear D SpeedLimit 80' -e 'wait 1000'",
        "-e 'fps 20' -e 'wait 6500'");
}

// A drive converted by mb-sim into a candump log plays to the same picture as the drive itself,
// frame by frame at the recorded times.
TEST(SnapshotTool, ACandumpLogPlaysToThePictureOfItsDrive)
{
    const std::string drive = std::string(MB_DRIVES_DIR) + "/startup.drive";
    const std::string log = std::string(SNAPSHOT_OUT) + "/startup.log";
    Result conv{-1, ""};
    FILE* p = popen((std::string(MB_SIM_EXE) + " -n -b 0x3C0 -w " + log + " " + drive + " 2>&1").c_str(), "r");
    ASSERT_NE(p, nullptr);
    char buf[256];
    while (fgets(buf, sizeof buf, p)) conv.output += buf;
    ASSERT_EQ(pclose(p), 0) << conv.output;
    ExpectSamePicture("play-drive.png", "-e 'fps 20' -e 'play " + drive + "' -e 'wait 1000'", "play-candump.png",
                      "-e 'fps 20' -e 'play " + log + " 0x3C0' -e 'wait 1000'", "-e 'fps 20' -e 'wait 13500'");
}

}  // namespace

// The infotainment modules end to end on the real page: the side-panel snapshot scenarios (every
// module on each side) rendered and written to the build's snapshots folder, and the head-unit
// simulator playing a song with a JPEG cover, the weather and route guidance through the real
// head-unit link into the store that the page draws from, with the navigation taking the left
// panel over by itself.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

#include "HuSimLocalLink.h"
#include "OrvRender/Render.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Tga.h"
#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Screens/ShowInfoModules.h"
#include "OrvTask/CduCommunication.h"
#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Snapshot.h"
#include "support/InfoModulesText.h"
#include "support/RenderTestGl.h"

namespace {

const ShowInfoModulesView* V() { return ShowInfoModules_View(); }

std::vector<Int32> DistPics() { return std::vector<Int32>(V()->navDistPics, V()->navDistPics + V()->navDistNum); }

void Play(std::initializer_list<std::string> lines)
{
    for (const std::string& l : lines) {
        std::string err;
        ASSERT_TRUE(Snapshot_Command(l, SNAPSHOT_SCENARIOS, &err)) << l << ": " << err;
    }
}

// Pixels of a screen rectangle of the picture (rows top first) brighter than the page's dark blue.
int Bright(const std::vector<uint8_t>& pic, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            const uint8_t* p = &pic[((size_t)y * 1920 + x) * 4];
            n += p[0] + p[1] + p[2] > 300;
        }
    return n;
}

// Changes of green along a row through the left cover: many for a decoded picture, few for the
// flat default covers and the navigation pictures.
int CoverDetail(const std::vector<uint8_t>& pic)
{
    int changes = 0;
    uint8_t prev = 0;
    for (int x = 176; x < 330; x++) {
        uint8_t g = pic[((size_t)300 * 1920 + x) * 4 + 1];
        changes += g != prev;
        prev = g;
    }
    return changes;
}

// The current picture to the snapshots folder; returns it.
std::vector<uint8_t> Shot(const std::string& name)
{
    std::vector<uint8_t> pic = Snapshot_ReadPicture();
    EXPECT_TRUE(Snapshot_WritePng(std::string(SNAPSHOT_DIR) + "/" + name + ".png", pic, 1920, 720));
    return pic;
}

const Int32 D = PNG_ui3_speed_digit_0, DOT = PNG_ui3_speed_digit_dot;
const Int32 KM = TGA_nav_unit_next_distance_km, M = TGA_nav_unit_next_distance_m;

class InfoModulesE2e : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RenderTestGl_Open()); }
    static void TearDownTestSuite()
    {
        CleanUpRender(nullptr);
        RenderTestGl_Close();
    }
};

TEST_F(InfoModulesE2e, SidePanelScenariosShowEveryModuleOnBothSides)
{
    struct Case { const char* name; std::function<void()> check; };
    const Case cases[] = {
        {"info_music_weather", [] {
             EXPECT_EQ(V()->mediaSrc, Media_Src_Music);
             EXPECT_EQ(V()->mediaCoverPic, -1) << "the JPEG cover";
             EXPECT_LT(V()->mediaCursorX, 960) << "media on the left";
             EXPECT_EQ(Line(V()->weatherDesc, 20), "Snow | -6*/1*");
             EXPECT_GE(V()->weatherTmpRects[0].x, 1072) << "weather on the right";
         }},
        {"info_weather_nav", [] {
             EXPECT_EQ(Line(V()->weatherDesc, 20), "Partly ... | 12*/24");
             EXPECT_LT(V()->weatherTmpRects[0].x, 960);
             EXPECT_EQ(DistPics(), (std::vector<Int32>{D + 1, D + 2, DOT, D + 4, KM}));
             EXPECT_GE(V()->navDistRects[0].x, 1048);
         }},
        {"info_nav_book", [] {
             EXPECT_EQ(DistPics(), (std::vector<Int32>{D + 3, D + 5, D, M}));
             EXPECT_LT(V()->navDistRects[0].x, 960);
             EXPECT_EQ(V()->mediaCoverPic, -1);
             EXPECT_EQ(Glyphs(V()->mediaDurationTxt, 12), "01:02:05");
             EXPECT_GE(V()->mediaCursorX, 1048);
         }},
        {"info_radio_navoff", [] {
             EXPECT_EQ(V()->mediaSrc, Media_Src_Radio);
             EXPECT_EQ(V()->mediaCoverPic, PNG_module_media_cover_fm_default);
             EXPECT_EQ(Line(V()->mediaSubtitle, 15), "FM97.4");
             EXPECT_EQ(V()->navIcon, TGA_nav_icon_nav_disable);
         }},
        {"info_noweather_netradio", [] {
             EXPECT_EQ(V()->weatherTip, 1);
             EXPECT_EQ(V()->mediaSrc, Media_Src_NetRadio);
             EXPECT_EQ(V()->mediaCoverPic, -1) << "the PNG cover";
         }},
        {"info_nomedia_arrival", [] {
             EXPECT_EQ(V()->navIcon, TGA_nav_icon_destination);
             EXPECT_EQ(V()->navDistNum, 0);
             EXPECT_EQ(V()->mediaSrc, Media_Src_None);
             EXPECT_EQ(V()->mediaBar, 1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Snapshot_Begin();
        std::string err;
        ASSERT_TRUE(Snapshot_RunFile(std::string(SNAPSHOT_SCENARIOS) + "/" + c.name + ".scn", &err)) << err;
        std::vector<uint8_t> pic = Shot(c.name);
        c.check();
        EXPECT_GT(Bright(pic, 100, 200, 800, 450), 500) << "the left panel shows its module";
        EXPECT_GT(Bright(pic, 1150, 200, 1850, 450), 500) << "the right panel shows its module";
    }
}

// hu-sim with the given scenario files against the link started in this process, on a thread of
// its own, holding the session holdMs after its last step; join() gives its exit code.
class HeadUnit {
public:
    HeadUnit(const std::string& files, int holdMs)
    {
        std::string cmd = std::string(HU_SIM_EXE) + " --port " + std::to_string(CDUC_Task_ListenPort()) +
                          " --hold-ms " + std::to_string(holdMs) + " " + files + " 2>&1";
        mThread = std::thread([this, cmd] {
            FILE* p = popen(cmd.c_str(), "r");
            if (p == nullptr) return;
            char buf[4096];
            size_t n;
            while ((n = fread(buf, 1, sizeof(buf), p)) > 0) mOut.append(buf, n);
            int status = pclose(p);
            mCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        });
    }
    int join()
    {
        mThread.join();
        if (mCode != 0) printf("%s\n", mOut.c_str());
        return mCode;
    }

private:
    std::thread mThread;
    std::string mOut;
    int mCode = -1;
};

// Renders frames (each a driven 1/30 s) until pred holds, for at most 20 s of wall time.
template <typename P>
bool RenderUntil(P pred)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!pred()) {
        if (std::chrono::steady_clock::now() > end) return false;
        Play({"frames 1"});
    }
    return true;
}

TEST_F(InfoModulesE2e, HeadUnitSongWeatherAndGuidanceReachThePanels)
{
    const std::string dir = HU_SIM_SCENARIOS;
    // The store is reset before the link starts: once it runs, its worker alone writes the store.
    Snapshot_Begin();
    ASSERT_NE(HuSim_StartLocalLink(3000), 0);
    Play({"frame 00 00 50 00 7D 04 40 09 00", "fps 10", "wait 5500", "fps 30",
          "frame 04 08 00 00 00 03 00 00 00"});  // left media, right weather

    // The song's three documents, then the weather; the session stays open while the page draws.
    HeadUnit song(dir + "/music.json " + dir + "/weather.json", 8000);
    EXPECT_TRUE(RenderUntil([] { return OrvShared_Load(MusicInfo.Progress) == 14 && OrvShared_Load(WeatherInfo.Enable) == 1; }));
    EXPECT_EQ(OrvShared_Load(CduMediaSrc), Media_Src_Music);
    EXPECT_EQ(OrvShared_Load(MusicInfo.HasCover), 1) << "the JPEG cover was decoded";
    EXPECT_EQ(OrvShared_Load(MusicInfo.PicWidth), 300);
    Play({"wait 700"});
    std::vector<uint8_t> pic = Shot("hu-sim-music-weather");
    EXPECT_EQ(V()->mediaCoverPic, -1) << "the cover is on the screen";
    EXPECT_EQ(Line(V()->mediaTitle, 20), "Blue Morning");
    EXPECT_EQ(Glyphs(V()->mediaProgressTxt, 12), "00:14");
    EXPECT_EQ(Line(V()->weatherDesc, 20), "Light s... | -6*/1*");
    EXPECT_EQ(V()->weatherTmpPics[0], PNG_ui3_speed_digit_negative);
    EXPECT_GE(V()->weatherTmpRects[0].x, 1072);
    EXPECT_GT(CoverDetail(pic), 20) << "the decoded picture, not a default cover's flat colour";
    EXPECT_EQ(song.join(), 0);

    // The head unit left: the store is emptied and the panels say so.
    EXPECT_TRUE(RenderUntil([] { return OrvShared_Load(CduComSrvPnt) == 0x2017; }));
    Play({"wait 100"});
    EXPECT_EQ(V()->mediaSrc, Media_Src_None);
    EXPECT_EQ(V()->weatherTip, 1);

    // Guidance starts: the left panel switches to the navigation by itself.
    HeadUnit guidance(dir + "/navigation.json", 8000);
    EXPECT_TRUE(RenderUntil([] { return OrvShared_Load(NavInfo.RoadRemainDis) == 11900; }));
    Play({"wait 700"});
    pic = Shot("hu-sim-navigation");
    EXPECT_EQ(DistPics(), (std::vector<Int32>{D + 1, D + 1, DOT, D + 9, KM})) << "11900 m";
    EXPECT_LT(V()->navDistRects[0].x, 960) << "on the left, in place of the media";
    EXPECT_EQ(V()->navIcon, TGA_nav_icon_left_back);
    EXPECT_EQ(Line(V()->navRoad, 15), "Ring Road");
    EXPECT_EQ(Line(V()->navRemain, 20), "1.2 km 3 min");
    EXPECT_EQ(guidance.join(), 0);

    gCduCommunication.Stop();
    gCduCommunication.DeInit();
}

}  // namespace

// The render loop on software Mesa with a driven tick: frame time, screen test patterns, power
// transitions, the self test and the page composition (through recorders in the element slots),
// read back as pixels and as the states reported to the main board. Scenarios are written in the
// snapshot tool's language; pictures of the main screens land in the build's snapshots folder.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "DriveScript.h"
#include "OrvRender/Render.h"
#include "OrvRender/RenderTune.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Tga.h"
#include "OrvRender/Screens/Show.h"
#include "OrvTask.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "Snapshot.h"
#include "lib/OrvFrameCap.h"
#include "platform/OrvPlatform.h"
#include "support/RenderTestGl.h"

namespace {

Int32 mFirstFrameTimeMs = -1;

// Main-board frame 0x00 with the work mode off or on (P, 80 %, 320 km), and frame 0x01 lamps.
const char* kOff = "frame 00 00 50 00 7D 04 40 05 00";
const char* kOnP = "frame 00 00 50 00 7D 04 40 09 00";
const char* kOnD = "frame 00 3C 50 00 7D 01 40 09 00";
const char* kOnR = "frame 00 05 50 00 7D 03 40 09 00";
const char* kDay = "frame 01 00 00 00 00 00 00 00 00";
const char* kNight = "frame 01 00 00 00 00 08 00 00 00";
const char* kCharger = "frame 01 00 00 00 00 00 00 00 40";

void Play(std::initializer_list<std::string> lines)
{
    for (const std::string& l : lines) {
        std::string err;
        ASSERT_TRUE(Snapshot_Command(l, SNAPSHOT_DIR, &err)) << l << ": " << err;
    }
}

uint32_t PixelAt(int x, int y)
{
    std::vector<uint8_t> px = RenderTestGl_Read(x, y, 1, 1);
    return RenderTestGl_Pixel(px, 1, 0, 0);
}
int Red(uint32_t p) { return (int)(p >> 24); }
int Green(uint32_t p) { return (int)(p >> 16 & 0xFF); }
int Blue(uint32_t p) { return (int)(p >> 8 & 0xFF); }

// Renders single frames until pred holds; false after limit frames.
template <typename P>
bool FramesUntil(P pred, int limit)
{
    for (int i = 0; i < limit; i++) {
        if (pred()) return true;
        Play({"frames 1"});
    }
    return pred();
}

// From any state to the power-off page.
void PowerOff()
{
    ScreenColorTest = 0;
    Play({kDay, kOff});
    ASSERT_TRUE(FramesUntil([] { return Render_GetState() == POWER_OFF_STATE && HmiDspState == HMI_DSP_OFF; }, 200));
    Play({"frames 2"});
}

// From the power-off page through logo and self test to the normal page.
void PowerOnToNormalPage(const char* gearFrame = kOnP)
{
    PowerOff();
    Play({gearFrame});
    ASSERT_TRUE(FramesUntil([] { return Render_GetState() == POWER_ON_STATE; }, 200));
    Play({"fps 20"});
    ASSERT_TRUE(FramesUntil([] { return HmiDspState == HMI_DSP_ON; }, 100));
    Play({"fps 60", "frames 2"});
}

class RenderLoop : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(RenderTestGl_Open());
        Snapshot_Begin();
        Play({"frames 1"});  // the first frame of the process
        mFirstFrameTimeMs = mFrameTimeMs;
    }
    static void TearDownTestSuite()
    {
        CleanUpRender(nullptr);
        RenderTestGl_Close();
    }
    void TearDown() override
    {
        ScreenColorTest = 0;
        mRender_Elements = mSaved;
    }
    RenderElements mSaved = mRender_Elements;
};

TEST_F(RenderLoop, FrameTimeStartsAtZeroWrapsAndIsLimited)
{
    EXPECT_EQ(mFirstFrameTimeMs, 0) << "the first call has no previous tick";
    Play({"frames 1"});
    EXPECT_TRUE(mFrameTimeMs == 16 || mFrameTimeMs == 17) << mFrameTimeMs;
    Play({"stall 5000", "frames 1"});
    EXPECT_EQ(mFrameTimeMs, 100) << "a stall of 5 s counts as 100 ms";

    struct Case { UInt32 prev, now; Int32 expect; const char* what; };
    const Case cases[] = {
        {0xFFFFFFF0u, 0x10u, 31, "wrapped: (0xFFFFFFFF - prev) + now"},
        {0xFFFFFFFFu, 5u, 5, "a tick of 0xFFFFFFFF is kept as 0"},
        {0x7FFFFFF0u, 0xFFFFFFF0u, 100, "a gap beyond 2^31 ms is still limited, never negative"},
        {1000u, 1000u, 0, "same tick"},
        {1000u, 1099u, 99, "below the limit"},
    };
    for (const Case& c : cases) {
        OrvPlat_DriveTick(c.prev);
        Render(nullptr);
        OrvPlat_DriveTick(c.now);
        Render(nullptr);
        EXPECT_EQ(mFrameTimeMs, c.expect) << c.what;
    }
    Snapshot_Begin();  // the scenario clock takes over again
    Play({"frames 1"});
}

TEST_F(RenderLoop, ScreenTestPatternsShowOnlyThePattern)
{
    PowerOff();
    struct Case { UInt08 value; uint32_t expect; };
    const Case fills[] = {{2, 0xFFFFFFFF}, {3, 0xFF0000FF}, {4, 0x00FF00FF}, {5, 0x0000FFFF}};
    for (const Case& c : fills) {
        ScreenColorTest = c.value;
        Play({"frames 1"});
        for (int x : {0, 960, 1919})
            for (int y : {0, 360, 719}) EXPECT_EQ(PixelAt(x, y), c.expect) << "pattern " << (int)c.value;
        EXPECT_EQ(Render_GetState(), POWER_OFF_STATE) << "the state machine does not move";
    }

    ScreenColorTest = 1;
    Play({"frames 1"});
    const int bandY[3] = {120, 360, 600};
    for (int b = 0; b < 3; b++) {
        uint32_t right = PixelAt(1915, bandY[b]), left = PixelAt(5, bandY[b]);
        int rc[3] = {Red(right), Green(right), Blue(right)};
        int lc[3] = {Red(left), Green(left), Blue(left)};
        for (int ch = 0; ch < 3; ch++) {
            if (ch == b) {
                EXPECT_GE(rc[ch], 250) << "band " << b << " full at the right";
                EXPECT_LT(lc[ch], 110) << "band " << b << " faint at the left (alpha 0.3)";
                EXPECT_GT(lc[ch], 50) << "band " << b;
            } else {
                EXPECT_EQ(rc[ch], 0);
                EXPECT_EQ(lc[ch], 0);
            }
        }
    }

    // 6 and above are no pattern: the power-off page (transparent black around its elements; the
    // parked car stands in the middle).
    ScreenColorTest = 6;
    Play({"frames 2"});
    EXPECT_EQ(PixelAt(960, 100), 0x00000000u);
    EXPECT_EQ(HmiDspState, HMI_DSP_OFF);
}

TEST_F(RenderLoop, LeavingAPatternReplaysTheEntryStepAndTheSelfTest)
{
    PowerOnToNormalPage();
    EXPECT_EQ(HmiDspState, HMI_DSP_ON);
    ScreenColorTest = 3;
    Play({"frames 3"});
    EXPECT_EQ(PixelAt(960, 360), 0xFF0000FFu);
    EXPECT_EQ(HmiDspState, HMI_DSP_ON) << "a pattern reports nothing new";
    ScreenColorTest = 0;
    Play({"frames 1"});
    EXPECT_EQ(Render_GetState(), POWER_ON_STATE) << "no logo again";
    EXPECT_EQ(HmiDspState, HMI_DSP_LAUNCHING) << "the self test plays again";
    Play({"fps 20", "wait 3500"});
    EXPECT_EQ(HmiDspState, HMI_DSP_LAUNCHING);
    Play({"wait 200", "fps 60", "frames 1"});
    EXPECT_EQ(HmiDspState, HMI_DSP_ON);
}

TEST_F(RenderLoop, WorkModeOffDuringTheLogoLetsTheLogoFinish)
{
    PowerOff();
    Play({kOnP, "frames 1"});
    ASSERT_EQ(Render_GetState(), POWER_ON_BMP_PLAYING);
    EXPECT_EQ(HmiDspState, HMI_DSP_LAUNCHING);
    Play({"frames 3", kOff});
    int logoFrames = 0;
    bool wentOn = false;
    while (Render_GetState() == POWER_ON_BMP_PLAYING && logoFrames < 200) {
        Play({"frames 1"});
        logoFrames++;
        wentOn = wentOn || Render_GetState() == POWER_ON_STATE;
    }
    EXPECT_GT(logoFrames, 10) << "the logo kept fading after the work mode went off";
    EXPECT_FALSE(wentOn);
    EXPECT_EQ(Render_GetState(), POWER_OFF_STATE);
    EXPECT_EQ(HmiDspState, HMI_DSP_OFF);
    EXPECT_EQ(Render_GetWorkMode(), WORK_MODE_OFF);
}

TEST_F(RenderLoop, LogoSelfTestAndPagesReportTheirStates)
{
    PowerOff();
    Play({kOnP, "frames 1", "shot logo.png"});
    // The logo sits in the middle of a black screen.
    EXPECT_EQ(PixelAt(10, 10) & 0xFFFFFF00u, 0u);
    EXPECT_EQ(HmiDspState, HMI_DSP_LAUNCHING);
    EXPECT_EQ(RightSideState, RightSide_MODULE);
    ASSERT_TRUE(FramesUntil([] { return Render_GetState() == POWER_ON_STATE; }, 200));

    // Self test: black first, the check background after 1233 ms, launching all the while.
    Play({"wait 400"});
    EXPECT_EQ(PixelAt(100, 100) & 0xFFFFFF00u, 0u) << "black background phase";
    Play({"wait 1400", "shot selftest-half.png"});
    EXPECT_EQ(HmiDspState, HMI_DSP_LAUNCHING);
    uint32_t bg = PixelAt(300, 300);
    EXPECT_GT(Red(bg) + Green(bg) + Blue(bg), 10) << "check background shown";
    Play({"fps 20", "wait 2000", "fps 60", "frames 2"});
    EXPECT_EQ(HmiDspState, HMI_DSP_ON);

    struct Page { const char* gear; const char* light; const char* file; };
    const Page pages[] = {
        {kOnP, kDay, "normal-p-day.png"},   {kOnD, kDay, "normal-d-day.png"},   {kOnR, kDay, "normal-r-day.png"},
        {kOnP, kNight, "normal-p-night.png"}, {kOnD, kNight, "normal-d-night.png"}, {kOnR, kNight, "normal-r-night.png"},
    };
    uint32_t dayCorner = 0;
    for (const Page& p : pages) {
        Play({p.gear, p.light, "wait 1500", std::string("shot ") + p.file});
        EXPECT_EQ(HmiDspState, HMI_DSP_ON) << p.file;
        EXPECT_EQ(RightSideState, RightSide_MODULE) << p.file;
        if (p.light == kDay && p.gear == kOnP) dayCorner = PixelAt(960, 20);
        if (p.light == kNight && p.gear == kOnP) {
            uint32_t night = PixelAt(960, 20);
            EXPECT_LT(Red(night) + Green(night) + Blue(night), Red(dayCorner) + Green(dayCorner) + Blue(dayCorner))
                << "the night background is darker";
        }
    }

    // The charger on the power-off page; on the normal page it skips the drive readouts.
    Play({kOff, kCharger});
    ASSERT_TRUE(FramesUntil([] { return Render_GetState() == POWER_OFF_STATE; }, 10));
    Play({"wait 500", "shot poweroff-charger.png"});
    EXPECT_EQ(HmiDspState, HMI_DSP_OFF);
    EXPECT_EQ(RightSideState, RightSide_MODULE);
}

// The drawing shortcuts (no colour clear under the opaque background, opaque pictures without
// blending) save work and change no pixel: each state drawn twice at the same moment, shortcuts
// off then on, gives the same picture.
TEST_F(RenderLoop, ShortcutsLeaveEveryPixelAsItWas)
{
    struct Case { const char* what; std::vector<std::string> lines; };
    const Case cases[] = {
        {"self test, black phase", {"wait 300"}},
        {"self test, its background fading in", {"wait 700"}},
        {"self test, its background", {"wait 600"}},
        {"self test, crossing over to the page", {"wait 1700"}},
        {"P, day", {"fps 20", "wait 1500", "fps 60"}},
        {"D, night, every lamp", {kOnD, kNight, "frame 01 FF FF FF FF F7 FF FF 9F", "wait 1500"}},
        {"R with hint and alarm", {kOnR, kDay, "frame 02 2E FE 05 1A 76 42 9C 00", "wait 1500"}},
        {"charging", {kOnP, kCharger, "wait 2500"}},
    };
    mRender_Elements.ShowFPS = nullptr;  // it counts the frames drawn
    PowerOff();
    Play({kOnP});
    ASSERT_TRUE(FramesUntil([] { return Render_GetState() == POWER_ON_STATE; }, 200));  // the self test starts
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const std::string& l : c.lines) Play({l});
        const UInt32 now = OrvPlat_GetTickCount();
        GLfloat clear[4];  // the page's clear colour, set by the previous frame
        glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
        std::vector<uint8_t> pictures[2];
        for (int on = 0; on < 2; on++) {
            RenderTune_SetAll((Int08)on);
            OrvPlat_DriveTick(now);  // no time passes: the same state drawn again
            RenderTestGl_Clear(1.0f, 0.0f, 1.0f);  // what a skipped clear would leave shows
            glClearColor(clear[0], clear[1], clear[2], clear[3]);
            Render(nullptr);
            pictures[on] = RenderTestGl_Read(0, 0, 1920, 720);
        }
        int differing = 0;
        for (size_t i = 0; i < pictures[0].size(); i += 4)
            differing += memcmp(&pictures[0][i], &pictures[1][i], 4) != 0;
        EXPECT_EQ(differing, 0) << "pixels that differ";
    }
    RenderTune_SetAll(1);
    Play({kDay, "frame 02 2E FE 05 1A 76 00 00 00"});
}

// Pictures of the range first..last with a texture.
int TexturesIn(Int32 first, Int32 last)
{
    int n = 0;
    for (Int32 id = first; id <= last; id++) n += pngStatus[id] == Png_TexGen;
    return n;
}

// A screen that goes gives its animation set back (unless the switch keeps it), and loads it again
// when it shows next; the self test keeps only its first picture, the mark of the first power-on.
TEST_F(RenderLoop, HiddenScreensGiveTheirSequencesBack)
{
    for (Int08 release : {(Int08)1, (Int08)0}) {
        SCOPED_TRACE(release ? "released" : "kept");
        RenderTune_Set(RENDER_TUNE_RELEASE_HIDDEN, release);
        PowerOnToNormalPage();
        EXPECT_EQ(pngStatus[PNG_check_000], Png_TexGen);
        EXPECT_EQ(TexturesIn(PNG_check_000 + 1, PNG_check_092) == 0, release == 1) << "self-test pictures";

        CduRecordState = CduRecord_Waiting;
        Play({"wait 1500"});
        EXPECT_GT(TexturesIn(PNG_VAI_in_000, PNG_VAI_speaking_039), 0) << "the assistant drew its figure";
        CduRecordState = CduRecord_Exit;
        Play({"wait 2500"});  // the figure leaves backwards through its 40 pictures
        EXPECT_EQ(TexturesIn(PNG_VAI_in_000, PNG_VAI_speaking_039) == 0, release == 1) << "assistant gone";
        CduRecordState = CduRecord_Waiting;
        Play({"wait 1500"});
        EXPECT_GT(TexturesIn(PNG_VAI_in_000, PNG_VAI_speaking_039), 0) << "the figure is back";
        CduRecordState = CduRecord_Exit;
        Play({"wait 2500"});
    }
    RenderTune_Set(RENDER_TUNE_RELEASE_HIDDEN, 1);
}

// The frame-rate cap only spaces the frames out: every frame after the first sees one share of the
// cap as its frame time, and the logo and the self test end at the same moment as in a loop that
// draws a frame every 10 ms (each of the two ends on a frame of its own, so within two shares).
// The tick is driven: drawing takes 2 ms, the cap's sleep moves the
// tick on by what it asks for.
TEST_F(RenderLoop, CappedLoopKeepsAnimationTimes)
{
    struct Run { UInt32 fps; UInt32 drawMs; };
    const Run runs[] = {{0, 10}, {20, 2}, {30, 2}};
    Int32 onAfterMs[3] = {0, 0, 0};
    PowerOnToNormalPage();  // the first power-on fades the logo faster: every run below is a later one
    for (int r = 0; r < 3; r++) {
        PowerOff();
        OrvFrameCap cap = OrvFrameCap_Make(runs[r].fps);
        UInt32 tick = 100000;
        OrvPlat_DriveTick(tick);
        Play({kOnP});
        const UInt32 start = tick;
        for (int frame = 0; frame < 2000 && HmiDspState != HMI_DSP_ON; frame++) {
            Render(nullptr);
            if (runs[r].fps != 0 && frame >= 2) {
                const Int32 share = (Int32)(1000 / runs[r].fps);  // 33 or 34 ms at 30 frames/s
                EXPECT_TRUE(mFrameTimeMs == share || mFrameTimeMs == share + 1) << frame << ": " << mFrameTimeMs;
            }
            tick += runs[r].drawMs;
            tick += OrvFrameCap_SleepMs(&cap, tick);
            OrvPlat_DriveTick(tick);
        }
        ASSERT_EQ(HmiDspState, HMI_DSP_ON) << runs[r].fps << " frames/s";
        onAfterMs[r] = (Int32)(tick - start);
    }
    for (int r = 1; r < 3; r++)
        EXPECT_NEAR(onAfterMs[r], onAfterMs[0], 2 * (1000 / runs[r].fps) + 10) << runs[r].fps << " frames/s";
    Snapshot_Begin();  // the scenario clock takes over again
    Play({"frames 1"});
}

// The self-test background by phase: black, fading in over 500 ms, opaque, crossing over to the
// page background; nothing outside 0..3600.
TEST_F(RenderLoop, SelfTestBackgroundPhases)
{
    PowerOnToNormalPage();  // every self-test picture loaded
    auto level = [](Int32 duration) {
        RenderTestGl_Clear(0, 0, 0);
        ShowSelfTest(duration);
        uint32_t p = PixelAt(300, 300);
        return Red(p) + Green(p) + Blue(p);
    };
    const int full = level(2000);
    ASSERT_GT(full, 30) << "the check background is visible at (300, 300)";
    EXPECT_EQ(level(500), 0) << "black phase";
    EXPECT_NEAR(level(983), full / 2, full / 8 + 2) << "half way through the fade-in";
    EXPECT_LT(level(800), level(1100));
    EXPECT_EQ(level(3100), full);
    EXPECT_EQ(level(3601), 0) << "over";
    EXPECT_EQ(level(-1), 0);
    Play({"frames 1"});
}

TEST_F(RenderLoop, UpgradeScreensTakeOverAndTheSystemUpgradeReplaysThePowerOn)
{
    PowerOnToNormalPage();
    OtaState = 1;  // a package upgrade in progress
    Play({"frames 3"});
    EXPECT_EQ(HmiDspState, HMI_DSP_LAUNCHING);
    EXPECT_EQ(Render_GetState(), POWER_ON_STATE) << "the state machine waits";
    OtaState = 0;
    Play({"frames 1"});
    EXPECT_EQ(HmiDspState, HMI_DSP_ON) << "back on the normal page, no self test";

    Play({"frame 01 00 00 00 00 00 00 00 20", "frames 3"});  // the main board shows the system upgrade
    EXPECT_EQ(NimboState, Nimbo_ON);
    EXPECT_EQ(Render_GetState(), POWER_ON_STATE);
    Play({kDay, "frames 1"});
    EXPECT_EQ(NimboState, Nimbo_OFF);
    EXPECT_EQ(Render_GetState(), POWER_OFF_STATE) << "one pass through the power-off page";
    EXPECT_EQ(HmiDspState, HMI_DSP_OFF);
    Play({"frames 1"});
    EXPECT_EQ(Render_GetState(), POWER_ON_BMP_PLAYING) << "then the logo again, the work mode being on";
    EXPECT_EQ(HmiDspState, HMI_DSP_LAUNCHING);
}

// ---- Composition, watched through recorders in the element slots ---------------------------

struct Call { std::string what; int a, b; };
std::vector<Call> mCalls;
Int08 mListOpen = 0, mVoiceShown = 0;

void RecLeft(const char* name, UInt08 side, UInt08 id) { mCalls.push_back({name, side, id}); }
void RecNav(UInt08 side, UInt08 id) { RecLeft("nav", side, id); }
void RecClock(UInt08 side, UInt08 id) { RecLeft("clock", side, id); }
void RecTrip(UInt08 side, UInt08 id) { RecLeft("trip", side, id); }
Int08 RecLeftList(UInt08 cursor, UInt08 id) { mCalls.push_back({"leftlist", cursor, id}); return id == 255 ? 0 : mListOpen; }
Int08 RecPhone(UInt08 phone, UInt08 id) { mCalls.push_back({"phone", phone, id}); return 0; }
Int08 RecVoice(UInt08 state) { mCalls.push_back({"voice", state, 0}); return state == 255 ? 0 : mVoiceShown; }
void RecSpeed(UInt08 speed) { mCalls.push_back({"speed", speed, 0}); }

// The left-side calls of one frame, as "name:id" words.
std::string LeftCalls()
{
    std::string s;
    for (const Call& c : mCalls)
        if ((c.what != "phone" && c.what != "voice" && c.what != "speed" && c.a == 0) || c.what == "leftlist")
            s += c.what + ":" + std::to_string(c.b) + " ";
    return s;
}

std::string Frame()
{
    mCalls.clear();
    Play({"frames 1"});
    return LeftCalls();
}

TEST_F(RenderLoop, NavigationTakesTheLeftPanelUntilTheDriverPicksAnother)
{
    PowerOnToNormalPage();
    mRender_Elements.ShowModuleNav = RecNav;
    mRender_Elements.ShowModuleClock = RecClock;
    mRender_Elements.ShowModuleTrip = RecTrip;
    mRender_Elements.ShowLeftModuleList = RecLeftList;
    mListOpen = 0;
    NavInfo.Enable = 0;
    LeftModuleID = 2;
    RightModuleID = 1;
    EXPECT_EQ(Frame(), "leftlist:2 clock:2 trip:2 nav:2 ") << "the driver's module";

    NavInfo.Enable = 1;
    EXPECT_EQ(Frame(), "leftlist:2 nav:6 ") << "guidance starts: navigation only";
    EXPECT_EQ(Frame(), "leftlist:2 nav:6 ") << "and stays";

    LeftModuleID = 3;
    EXPECT_EQ(Frame(), "leftlist:3 clock:3 trip:3 nav:3 ") << "the driver picks another module";
    EXPECT_EQ(Frame(), "leftlist:3 clock:3 trip:3 nav:3 ") << "the choice stands during guidance";

    NavInfo.Enable = 0;
    Frame();
    NavInfo.Enable = 1;
    RightModuleID = MODULE_R_NAVIGATION;
    EXPECT_EQ(Frame(), "leftlist:3 clock:3 trip:3 nav:3 ") << "the right side already shows navigation";

    RightModuleID = 1;
    NavInfo.Enable = 0;
    Frame();
    mListOpen = 1;
    EXPECT_EQ(Frame(), "leftlist:3 clock:255 trip:255 nav:255 ") << "the open list hides the modules";
    mListOpen = 0;
    NavInfo.Enable = 1;
    EXPECT_EQ(Frame(), "leftlist:3 clock:3 trip:3 nav:3 ") << "after the list no automatic switch";
    NavInfo.Enable = 0;

    // The radar view in a driving gear hides the left side and skips the list's own answer.
    Play({kOnR, "frames 1"});
    RadarAlarm = 1;
    EXPECT_EQ(Frame(), "leftlist:255 clock:255 trip:255 nav:255 ");
    RadarAlarm = 0;
}

// The side-panel drive of mb-sim played into the page at its own times: both lists open, slide
// one entry per step with the title following, acknowledge the confirmed module or close at once,
// and the chosen modules take the panels.
TEST_F(RenderLoop, ModuleDriveOpensBothListsAndPicksModules)
{
    std::vector<DriveFrame> drive;
    std::string err;
    ASSERT_TRUE(DriveScript_Load(std::string(MB_DRIVES_DIR) + "/modules.drive", DRIVE_CAN_BASE_DEFAULT, &drive, &err)) << err;
    PowerOff();
    Play({"fps 15"});

    const ShowModuleListView* lists = ShowModuleList_View();
    std::vector<int> centres[2];
    std::vector<Int32> titles[2];
    Int08 acknowledged[2] = {0, 0};
    UInt32 now = 0;
    auto frame = [&] {
        Play({"frames 1"});
        now += (UInt32)mFrameTimeMs;
        for (int side = 0; side < 2; side++) {
            const ShowModuleListSideView& v = lists->side[side];
            if (!v.drawn) continue;
            if (centres[side].empty() || centres[side].back() != v.preCursor) {
                centres[side].push_back(v.preCursor);
                titles[side].push_back(v.titleTga);
            }
            acknowledged[side] |= v.clickFeedback;
        }
    };
    // The left list's answer on the first frame after each moment of the drive.
    std::vector<std::pair<UInt32, Int08>> leftAfter;
    for (size_t k = 0; k < drive.size(); k++) {
        const DriveFrame& f = drive[k];
        while (now < f.TimeMs) frame();
        char line[64];
        snprintf(line, sizeof line, "frame %02X %02X %02X %02X %02X %02X %02X %02X %02X", f.Frame, f.Data[0],
                 f.Data[1], f.Data[2], f.Data[3], f.Data[4], f.Data[5], f.Data[6], f.Data[7]);
        Play({line});
        if (f.Frame == 0x04 && (k + 1 == drive.size() || drive[k + 1].TimeMs != f.TimeMs)) {
            frame();
            leftAfter.push_back({f.TimeMs, lists->side[0].drawn});
            if (f.TimeMs == 10000) {
                EXPECT_EQ(lists->side[0].clickFeedback, 1) << "vehicle status acknowledged";
            }
        }
    }
    for (int i = 0; i < 15; i++) frame();

    EXPECT_EQ(centres[0], std::vector<int>({2, 3, 4, 5, 6})) << "one entry per step";
    EXPECT_EQ(centres[1], std::vector<int>({0, 1, 2, 3, 4})) << "a jump of four slides through every entry";
    EXPECT_EQ(titles[0], std::vector<Int32>({TGA_module_L0_text_trip, TGA_module_L0_text_energy,
                                             TGA_module_L0_text_navigation, TGA_module_L0_text_status,
                                             TGA_module_L0_text_media}));
    EXPECT_EQ(titles[1].back(), TGA_module_L0_text_energy);
    EXPECT_EQ(acknowledged[0], 1);
    EXPECT_EQ(acknowledged[1], 1);
    const std::vector<std::pair<UInt32, Int08>> expectLeft = {
        {7000, 1}, {7800, 1}, {8400, 1}, {9000, 1}, {10000, 1}, {11000, 0}, {11100, 0},
        {13000, 0}, {14000, 1}, {14500, 1}, {15500, 0},  // the energy module is not the centre's: closed at once
    };
    EXPECT_EQ(leftAfter, expectLeft);
    EXPECT_EQ(LeftModuleID, MODULE_L_ENG_COST);
    EXPECT_EQ(RightModuleID, MODULE_R_ENG_COST);
    // Both panels show the energy module with the twenty samples of the drive in its graph.
    EXPECT_EQ(ShowVehicleModules_View()->engGraphRows, 9 * 19 + 1);
    auto orange = [](int x) {
        std::vector<uint8_t> px = RenderTestGl_Read(x, 304, 318, 148);
        int n = 0;
        for (size_t i = 0; i < px.size(); i += 4) n += px[i] > 150 && px[i + 1] > 60 && px[i + 2] < 90;
        return n;
    };
    EXPECT_GT(orange(275), 500);
    EXPECT_GT(orange(275 + 1048), 500);
    Play({"fps 60"});
}

TEST_F(RenderLoop, RightSideStateFollowsCallsMenusAndTheVoiceAssistant)
{
    PowerOnToNormalPage();
    mRender_Elements.ShowModulePhone = RecPhone;
    mRender_Elements.ShowVoiceAssistant = RecVoice;
    mVoiceShown = 0;
    MenuID = 0;
    RightModuleID = 1;

    struct Step { UInt08 phone; UInt08 rightModule; UInt08 menu; Int08 voice; UInt08 expect; const char* what; };
    const Step steps[] = {
        {PHONE_Unavailable, 1, 0, 0, RightSide_MODULE, "a module"},
        {PHONE_Unavailable, MODULE_R_PHONE, 0, 0, RightSide_PHONE_UNAVAILABLE, "phone module, no phone"},
        {PHONE_List, MODULE_R_PHONE, 0, 0, RightSide_PHONE_LIST, "phone module with the list"},
        {PHONE_InCall, 1, 0, 0, RightSide_PHONE_INCALL, "a call rings"},
        {PHONE_List, 1, 0, 0, RightSide_PHONE_INCALL, "a contact list during the ring keeps the call"},
        {PHONE_Connect, 1, 3, 0, RightSide_PHONE_SPEAKING, "speaking; the call overrides the menu"},
        {PHONE_Unavailable, 1, 3, 0, RightSide_MENU, "call over, the menu shows"},
        {PHONE_Unavailable, 1, 3, 1, RightSide_VOICE_AI, "the voice assistant overrides the menu"},
        {PHONE_Unavailable, 1, 255, 0, RightSide_MODULE, "menu 255 hides without reporting a menu"},
    };
    for (const Step& s : steps) {
        BlueToothInfo.PhoneStatus = s.phone;
        RightModuleID = s.rightModule;
        MenuID = s.menu;
        mVoiceShown = s.voice;
        mCalls.clear();
        Play({"frames 1"});
        EXPECT_EQ(RightSideState, s.expect) << s.what;
    }
    // During the call the phone module is drawn once, as the call display (4), never hidden by the menu.
    BlueToothInfo.PhoneStatus = PHONE_InCall;
    MenuID = 3;
    mCalls.clear();
    Play({"frames 1"});
    int callDisplays = 0, hides = 0;
    for (const Call& c : mCalls) {
        if (c.what == "phone" && c.b == 4) callDisplays++;
        if (c.what == "phone" && c.b == 255) hides++;
    }
    EXPECT_EQ(callDisplays, 1);
    EXPECT_EQ(hides, 0);
    BlueToothInfo.PhoneStatus = PHONE_Unavailable;
    MenuID = 0;
    Play({"frames 1"});
}

TEST_F(RenderLoop, ChargingAfterTheSelfTestSkipsTheDriveReadouts)
{
    PowerOnToNormalPage(kOnD);
    mRender_Elements.ShowSpeed = RecSpeed;
    mCalls.clear();
    Play({"frames 1"});
    ASSERT_FALSE(mCalls.empty());
    EXPECT_EQ(mCalls.back().a, 60) << "driving: the speed is shown";
    Play({kCharger});
    mCalls.clear();
    Play({"frames 2"});
    EXPECT_TRUE(mCalls.empty()) << "the charging page draws no speed";
    EXPECT_EQ(HmiDspState, HMI_DSP_ON);
    Play({kDay});
    mCalls.clear();
    Play({"frames 1"});
    ASSERT_GE(mCalls.size(), 2u);
    EXPECT_EQ(mCalls[0].a, 254) << "leaving the charging page hides every element once";
    EXPECT_EQ(mCalls.back().a, 60);
}

}  // namespace

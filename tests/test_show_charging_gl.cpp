// The charging screen and the two upgrade pages on a real GL context (software Mesa), frame by
// frame with a driven frame time: what each chose (pictures and places, the running light, the
// sequence, texts and the upgrade state) and where their pictures land.
//
// The elements keep their state in function statics for the life of the process, so every test
// first brings the element it looks at into a known state.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "OrvRender/RenderState.h"
#include "OrvRender/RenderUtils.h"
#include "OrvRender/Res_Font.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Shader.h"
#include "OrvRender/Res_Tga.h"
#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Screens/Show.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "platform/OrvPlatform.h"
#include "support/RenderTestGl.h"
#include "support/StdoutCapture.h"

namespace {

std::vector<UInt32> Glyphs(const char* s)
{
    std::vector<UInt32> g;
    for (; *s; s++) g.push_back((UInt32)GetAssicIdx(*s));
    g.push_back(0);
    return g;
}

struct CloseGl : ::testing::Environment {
    void TearDown() override { RenderTestGl_Close(); }
};
::testing::Environment* const mCloseGl = ::testing::AddGlobalTestEnvironment(new CloseGl);

class ChargingGl : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(RenderTestGl_Open());
        RenderTestGl_PageState();
        Stdout([] {
            RenderTestGl_PrepareScreens({Prgm_Simple_Texture, Prgm_Simple_Font}, {Style_SiYuan_R, Style_SiYuan_M});
        });
        ASSERT_EQ(fontMapStatus[1], Ftm_TexGen);
        RenderTestGl_ResetMatrices();
    }
    // Both suites of this program share one context: it closes when the program ends.
    static void TearDownTestSuite() {}
    void SetUp() override
    {
        ChargingState = CHARGE_CHARGING;
        ChargingTimeNeed = 0xFFFF;
        mFrameTimeMs = 16;
        RenderTestGl_Clear(0, 0, 0);
    }

    static const ShowChargingView* Frame(UInt08 battery = 50, UInt16 range = 123, Int32 ms = 16)
    {
        mFrameTimeMs = ms;
        ShowChargineUI(1, battery, range);
        return ShowCharging_View();
    }
    // Past the one-time wait of the first display (nothing happens once it has passed).
    static void PassFirstWait()
    {
        for (int i = 0; i < 10 && Frame(50, 123, 100)->waiting; i++) {
        }
        Frame();
    }
    // A state taken over afresh: another state for one frame, then this one.
    static void EnterState(UInt08 state)
    {
        PassFirstWait();
        ChargingState = state == CHARGE_PREPARING ? CHARGE_STOP : CHARGE_PREPARING;
        Frame();
        ChargingState = state;
    }
    static bool Drew(const ShowChargingView* v, Int32 id)
    {
        return std::find(v->picId, v->picId + v->picNum, id) != v->picId + v->picNum;
    }
    static Recti RectOf(const ShowChargingView* v, Int32 id)
    {
        for (Int32 i = 0; i < v->picNum; i++)
            if (v->picId[i] == id) return v->picRect[i];
        return Recti{-1, -1, 0, 0};
    }
    // The remaining-time line as words: "title 1 hour 1 minute".
    static std::string TimeLine(const ShowChargingView* v)
    {
        static const char* names[] = {"", "title", "", "hour", "minute", "calculating", "almost"};
        std::string s;
        for (Int32 i = 0; i < v->timeNum; i++) {
            if (!s.empty()) s += " ";
            s += v->timePart[i] == SHOW_CHARGE_TIME_NUMBER ? std::to_string(v->timeValue[i]) : names[v->timePart[i]];
        }
        return s;
    }
};

// ---- Charging screen ---------------------------------------------------------------------------

// Runs first in this program: the wait of the first display after start. Hiding within it starts
// it again; while it runs only the static layer, the range and the time line are drawn.
TEST_F(ChargingGl, FirstDisplayWaitsThreeHundredMillisecondsOfVisibleTime)
{
    ChargingTimeNeed = 90;
    const ShowChargingView* v = Frame(50, 123, 100);
    if (!v->waiting) GTEST_SKIP() << "the first display already happened in this process";
    Frame(50, 123, 100);  // 200 ms
    ShowChargineUI(0, 0, 0);
    for (int i = 0; i < 3; i++) {
        v = Frame(50, 123, 100);  // 100, 200, 300 ms since shown again: still waiting
        ASSERT_TRUE(v->waiting) << "frame " << i;
        EXPECT_EQ(v->seqIdx, -1);
        EXPECT_EQ(v->light, 0);
        EXPECT_FALSE(Drew(v, PNG_charge_charging)) << "no icon yet";
        EXPECT_FALSE(Drew(v, PNG_charge_hint_charging));
        EXPECT_TRUE(Drew(v, PNG_charge_background_charging));
        EXPECT_TRUE(Drew(v, PNG_charge_number_shadow));
        EXPECT_EQ(v->rangeLen, 3);
        EXPECT_EQ(TimeLine(v), "title 1 hour 30 minute");
    }
    v = Frame(50, 123, 100);  // above 300 ms: the wait ends, this frame still plain
    EXPECT_TRUE(v->waiting);
    EXPECT_EQ(v->seqIdx, -1);
    v = Frame(50, 123, 16);
    EXPECT_FALSE(v->waiting);
    EXPECT_EQ(v->seqIdx, PNG_Charge_Charging_000) << "the state is taken over: the intro starts";
    EXPECT_TRUE(Drew(v, PNG_charge_charging));
    EXPECT_EQ(v->light, 1);
}

TEST_F(ChargingGl, StateGroupsChooseTheirPictures)
{
    PassFirstWait();
    struct Case { UInt08 state; Int32 background, icon, hint1, hint2; Int08 light; Int08 seq; };
    const Case cases[] = {
        {CHARGE_PREPARING, PNG_charge_background_normal, PNG_charge_ready, PNG_charge_hint_ready, -1, 2, 0},
        {CHARGE_CHARGING, PNG_charge_background_charging, PNG_charge_charging, PNG_charge_hint_charging, -1, 1, 1},
        {CHARGE_FAST, PNG_charge_background_charging, PNG_charge_charging, PNG_charge_hint_charging, -1, 1, 1},
        {CHARGE_FINISH, PNG_charge_background_normal, PNG_charge_charging, PNG_charge_hint_finish,
         PNG_charge_hint_pull_gun, 0, 0},
        {CHARGE_DEV_ERR, PNG_charge_background_normal, PNG_charge_error, PNG_charge_hint_stop,
         PNG_charge_hint_contact_maintenance, 2, 0},
        {CHARGE_DISCONNECTED, PNG_charge_background_normal, -1, -1, -1, 2, 0},
        {CHARGE_ORDER, PNG_charge_background_normal, -1, -1, -1, 2, 0},
        {CHARGE_OP_ERR, PNG_charge_background_normal, -1, -1, -1, 2, 0},
        {200, PNG_charge_background_normal, -1, -1, -1, 2, 0},
    };
    const Int32 icons[] = {PNG_charge_ready, PNG_charge_charging, PNG_charge_error};
    const Int32 hints[] = {PNG_charge_hint_ready, PNG_charge_hint_charging, PNG_charge_hint_finish,
                           PNG_charge_hint_stop, PNG_charge_hint_pull_gun, PNG_charge_hint_contact_maintenance};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << (int)c.state);
        EnterState(c.state);
        ChargingTimeNeed = 30;
        const ShowChargingView* v = Frame();
        EXPECT_EQ(v->picId[0], c.background);
        EXPECT_EQ(v->picId[1], PNG_charge_background_car);
        EXPECT_TRUE(Drew(v, PNG_charge_status_shadow));
        EXPECT_TRUE(Drew(v, PNG_charge_number_shadow));
        for (Int32 id : icons) EXPECT_EQ(Drew(v, id), id == c.icon) << "icon " << id;
        for (Int32 id : hints) EXPECT_EQ(Drew(v, id), id == c.hint1 || id == c.hint2) << "hint " << id;
        EXPECT_EQ(v->light, c.light);
        EXPECT_EQ(v->seqIdx >= 0, c.seq == 1);
        EXPECT_EQ(v->timeNum > 0, c.seq == 1) << "the time line only while charging";
    }

    // Finished: the full bar background one pixel below its place, no light even with a time.
    EnterState(CHARGE_FINISH);
    ChargingTimeNeed = 30;
    const ShowChargingView* v = Frame();
    Recti full = RectOf(v, PNG_charge_full);
    EXPECT_EQ(full.x, pngImg[PNG_charge_full].ltx);
    EXPECT_EQ(full.y, pngImg[PNG_charge_full].lty + 1);
    EXPECT_FALSE(Drew(v, PNG_charge_charging_bright));
    EXPECT_FALSE(Drew(v, PNG_charge_ready_bright));
    EXPECT_EQ(v->timeNum, 0);
}

TEST_F(ChargingGl, BarFillsToTheClampedBattery)
{
    EnterState(CHARGE_PREPARING);
    const Int32 w = pngImg[PNG_charge_ready_progress].w;
    struct Case { UInt08 battery; Int32 barW; };
    const Case cases[] = {{0, 0}, {1, (Int32)(w * 0.01f)}, {50, w / 2}, {99, (Int32)(w * 0.99f)}, {100, w},
                          {101, w}, {0xFE, w}, {0xFF, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "battery " << (int)c.battery);
        const ShowChargingView* v = Frame(c.battery);
        EXPECT_EQ(v->barW, c.barW);
        // The still light ends where the filled part ends.
        EXPECT_EQ(v->lightRect.x + v->lightRect.w, pngImg[PNG_charge_ready_progress].ltx + c.barW);
    }
    // On the screen: lit pixels of the bar picture stop at the filled width.
    RenderTestGl_Clear(0, 0, 0);
    const ShowChargingView* v = Frame(50);
    Recti bar = RectOf(v, PNG_charge_ready_progress);
    ASSERT_EQ(bar.w, w / 2);
    const Recti rowBeyond = {bar.x + bar.w + 150, bar.y + bar.h / 2, 40, 1};
    std::vector<uint8_t> inside = RenderTestGl_Read(bar.x + 5, bar.y + bar.h / 2, 1, 1);
    std::vector<uint8_t> beyond = RenderTestGl_Read(rowBeyond.x, rowBeyond.y, 1, 1);
    EXPECT_NE(RenderTestGl_Pixel(inside, 1, 0, 0), RenderTestGl_Pixel(beyond, 1, 0, 0));
}

// The light's place after ms of charging at a battery level, from a restart of the light.
const ShowChargingView* LightAfter(UInt08 battery, Int32 ms)
{
    mFrameTimeMs = 16;
    ShowChargineUI(1, 0, 123);  // an empty bar restarts the light every frame
    const ShowChargingView* v = nullptr;
    do {
        mFrameTimeMs = std::min(ms, 100);
        ms -= mFrameTimeMs;
        ShowChargineUI(1, battery, 123);
        v = ShowCharging_View();
    } while (ms > 0);
    return v;
}

TEST_F(ChargingGl, RunningLightSpeedFadeAndRestart)
{
    EnterState(CHARGE_CHARGING);
    const Int32 x0 = pngImg[PNG_charge_charging_bright].ltx;

    // Battery 0: the filled part has no width, the light restarts every frame and stays invisible.
    for (int i = 0; i < 5; i++) {
        const ShowChargingView* v = Frame(0, 123, 100);
        EXPECT_EQ(v->light, 1);
        EXPECT_EQ(v->lightRect.x, x0);
        EXPECT_FLOAT_EQ(v->lightInvAlpha, 1.0f);
    }

    struct Speed { UInt08 battery; Int32 msPerPixel; };
    const Speed speeds[] = {{10, 11}, {19, 11}, {20, 7}, {39, 7}, {40, 4}, {100, 4}};
    for (const Speed& s : speeds) {
        SCOPED_TRACE(testing::Message() << "battery " << (int)s.battery);
        EXPECT_EQ(LightAfter(s.battery, 77)->lightRect.x, x0 + 77 / s.msPerPixel);
    }

    // Fade by the distance left of the bar (778): one pixel per 4 ms at a full battery.
    struct Fade { Int32 x; Flt32 invAlpha; };
    const Fade fades[] = {{677, 1.0f}, {678, 0.8f}, {697, 0.8f}, {698, 0.6f}, {718, 0.4f},
                          {738, 0.2f}, {757, 0.2f}, {758, 0.0f}, {900, 0.0f}};
    for (const Fade& f : fades) {
        SCOPED_TRACE(testing::Message() << "x " << f.x);
        const ShowChargingView* v = LightAfter(100, (f.x - x0) * 4);
        ASSERT_EQ(v->lightRect.x, f.x);
        EXPECT_FLOAT_EQ(v->lightInvAlpha, f.invAlpha);
    }

    // At 50 % it runs to the end of the filled part (x beyond filled width + 643), then restarts.
    const Int32 filled = pngImg[PNG_charge_charging_progress].w / 2;
    const Int32 lastMs = (filled + 643 - x0) * 4;
    EXPECT_EQ(LightAfter(50, lastMs)->lightRect.x, filled + 643);
    const ShowChargingView* v = LightAfter(50, lastMs + 4);
    EXPECT_EQ(v->lightRect.x, x0) << "restarted";
    EXPECT_FLOAT_EQ(v->lightInvAlpha, 1.0f);
    v = Frame(50, 123, 40);
    EXPECT_EQ(v->lightRect.x, x0 + 10) << "and runs again from its start";
}

TEST_F(ChargingGl, RangeDigitsCentredWithTheUnit)
{
    EnterState(CHARGE_PREPARING);
    struct Case { UInt16 range; std::vector<int> digits; };
    const Case cases[] = {{0, {0}}, {7, {7}}, {10, {1, 0}}, {99, {9, 9}}, {123, {1, 2, 3}}, {999, {9, 9, 9}},
                          {1005, {0, 0, 5}}, {65535, {5, 3, 5}}};
    const Image& km = pngImg[PNG_charge_range_unit_km];
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "range " << c.range);
        const ShowChargingView* v = Frame(50, c.range);
        ASSERT_EQ(v->rangeLen, (Int32)c.digits.size());
        Int32 sumW = 0;
        for (Int32 i = 0; i < v->rangeLen; i++) {
            EXPECT_EQ(v->rangeDigit[i], c.digits[i]);
            sumW += pngImg[PNG_ui3_speed_digit_0 + c.digits[i]].w;
        }
        const Int32 gap[] = {0, 20, 30, 40};
        Int32 total = (Int32)((Flt32)(sumW * 4 / 5) + 1.2f * km.w + gap[v->rangeLen]);
        EXPECT_EQ(v->rangeX[0], 1017 - total / 2);
        // Each step is four fifths of the already reduced width plus 20; the unit follows.
        Int32 x = v->rangeX[0];
        for (Int32 i = 0; i < v->rangeLen; i++) {
            EXPECT_EQ(v->rangeX[i], x);
            Recti d = RectOf(v, PNG_ui3_speed_digit_0 + c.digits[i]);
            EXPECT_EQ(d.y, 360);
            Int32 w = pngImg[PNG_ui3_speed_digit_0 + c.digits[i]].w * 4 / 5;
            x += w * 4 / 5 + 20;
        }
        EXPECT_EQ(v->kmRect.x, x);
        EXPECT_EQ(v->kmRect.y, km.lty);
        EXPECT_EQ(v->kmRect.w, (Int32)(km.w * 1.2f));
    }
}

TEST_F(ChargingGl, RemainingTimeCases)
{
    EnterState(CHARGE_CHARGING);
    struct Case { UInt16 minutes; const char* line; };
    const Case cases[] = {
        {60, "title 60 minute"},
        {61, "title 1 hour 1 minute"},
        {120, "title 2 hour"},
        {125, "title 2 hour 5 minute"},
        {0, "title calculating"},
        {1, "almost"},
        {5, "almost"},
        {6, "title 6 minute"},
        {59, "title 59 minute"},
        {5999, "title 99 hour 59 minute"},
        {7500, "title 25 hour"},  // 125 hours: the last two digits
        {0xFFFF, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "minutes " << c.minutes);
        ChargingTimeNeed = c.minutes;
        EXPECT_EQ(TimeLine(Frame()), c.line);
    }

    const Image& d6 = pngImg[PNG_ui3_speed_digit_6];
    const Int32 w6 = (Int32)(d6.w * 0.6f);
    ChargingTimeNeed = 60;  // one hour reads as 60 minutes, the unit dark grey
    const ShowChargingView* v = Frame();
    ASSERT_EQ(v->timeNum, 3);
    EXPECT_EQ(v->timeX[1], 253);
    EXPECT_EQ(v->timeColor[2], colorDarkGray);
    EXPECT_EQ(v->timeX[2], 253 + w6 + 6 + (Int32)(pngImg[PNG_ui3_speed_digit_0].w * 0.6f) + 12);

    ChargingTimeNeed = 6;  // minutes alone: the unit five pixels further left
    v = Frame();
    ASSERT_EQ(v->timeNum, 3);
    EXPECT_EQ(v->timeColor[2], colorGray);
    EXPECT_EQ(v->timeX[2], 248 + w6 + 12);

    ChargingTimeNeed = 61;  // the minutes follow the hour unit's drawn width and 10 pixels
    v = Frame();
    ASSERT_EQ(v->timeNum, 5);
    const Int32 w1 = (Int32)(pngImg[PNG_ui3_speed_digit_1].w * 0.6f);
    EXPECT_EQ(v->timeX[2], 253 + w1 + 12);
    EXPECT_GT(v->timeX[3], v->timeX[2] + 10 + 40) << "the hour unit has a width";
    EXPECT_EQ(v->timeX[4], v->timeX[3] + w1 + 12);
}

TEST_F(ChargingGl, SequenceIntroThenLoopNeverPastItsLastPicture)
{
    EnterState(CHARGE_CHARGING);
    const Int32 first = PNG_Charge_Charging_000, loop = first + 21, last = first + 43;
    const ShowChargingView* v = Frame(50, 123, 16);
    EXPECT_EQ(v->seqIdx, first);
    EXPECT_TRUE(v->seqIntro);
    // 50 ms per picture: the intro reaches the loop's first picture after 21 x 50 ms.
    int introFrames = 0;
    while ((v = Frame(50, 123, 50))->seqIntro && introFrames < 100) introFrames++;
    EXPECT_EQ(introFrames, 21);
    EXPECT_EQ(v->seqIdx, loop);

    // Uneven and long frames: always inside the loop, the last picture shown, then the loop again.
    const Int32 times[] = {100, 37, 100, 73, 100, 16, 99};
    bool sawLast = false, wrapped = false;
    Int32 prev = v->seqIdx;
    glEnable(GL_SCISSOR_TEST);  // only the choices matter here: keep the frames cheap
    glScissor(0, 0, 8, 8);
    for (int i = 0; i < 100; i++) {
        v = Frame(50, 123, times[i % 7]);
        ASSERT_GE(v->seqIdx, loop);
        ASSERT_LE(v->seqIdx, last);
        sawLast |= v->seqIdx == last;
        wrapped |= v->seqIdx < prev;
        prev = v->seqIdx;
    }
    glDisable(GL_SCISSOR_TEST);
    EXPECT_TRUE(sawLast);
    EXPECT_TRUE(wrapped);

    // Hidden and shown again in the same state: the loop goes on, no intro.
    ShowChargineUI(0, 0, 0);
    v = Frame();
    EXPECT_FALSE(v->seqIntro);
    EXPECT_GE(v->seqIdx, loop);

    // Charging to fast charging replays the intro.
    ChargingState = CHARGE_FAST;
    v = Frame();
    EXPECT_TRUE(v->seqIntro);
    EXPECT_EQ(v->seqIdx, first);
}

TEST_F(ChargingGl, HiddenDrawsNothing)
{
    PassFirstWait();
    RenderTestGl_Clear(0, 0, 0);
    ShowChargineUI(0, 50, 123);
    EXPECT_EQ(ShowCharging_View()->drawn, 0);
    EXPECT_EQ(ShowCharging_View()->picNum, 0);
    // The background's corner and the middle of the bar stay cleared.
    for (const Recti& r : {Recti{0, 0, 64, 64}, Recti{700, 250, 300, 100}}) {
        std::vector<uint8_t> px = RenderTestGl_Read(r.x, r.y, r.w, r.h);
        for (int i = 0; i < r.w * r.h; i++) ASSERT_EQ(RenderTestGl_Pixel(px, r.w, i % r.w, i / r.w), 0x000000FFu);
    }
}

// ---- Upgrade pages -----------------------------------------------------------------------------

class UpgradeGl : public ChargingGl {
protected:
    void SetUp() override
    {
        ChargingGl::SetUp();
        Stdout([] { CDU_TCP_SetOtaState(OTA_Normal); });
        UpgradeInfo.FileSize = 0;
        UpgradeInfo.RecvSize = 0;
    }
    static const ShowUpgradeView* Page(UInt08 ota, Int32 ms = 16)
    {
        OtaState = ota;
        mFrameTimeMs = ms;
        ShowUpgradeUI();
        return ShowUpgrade_View();
    }
    static std::vector<UInt32> Text(const ShowUpgradeView* v)
    {
        if (v->txtLen == 0) return {};
        return std::vector<UInt32>(v->txt, v->txt + v->txtLen);
    }
};

TEST_F(UpgradeGl, PicturesFadeInOnceOverHalfASecond)
{
    const ShowUpgradeView* v = Page(OTA_TRANSFER_SUCC, 100);
    if (v->invAlpha == 0.0f) GTEST_SKIP() << "the page was already shown in this process";
    EXPECT_NEAR(v->invAlpha, 0.8f, 1e-6);
    for (int i = 0; i < 4; i++) v = Page(OTA_TRANSFER_SUCC, 100);
    EXPECT_NEAR(v->invAlpha, 0.0f, 1e-6) << "after 500 ms";
    EXPECT_EQ(Page(OTA_TRANSFER_SUCC, 16)->invAlpha, 0.0f) << "never below 0";
    Page(OTA_TRANSFERING);
    EXPECT_EQ(ShowUpgrade_View()->invAlpha, 0.0f) << "once in the program's life";
}

TEST_F(UpgradeGl, DownloadPercentage)
{
    struct Case { UInt32 recv, size; const char* text; };
    const Case cases[] = {
        {1000000, 4000000, "Downloading... 25%"},
        {3, 3, "Downloading... 100%"},
        {1, 3, "Downloading... 33.33%"},
        {0, 10, "Downloading... 0%"},
        {5, 10000, "Downloading... 0.05%"},
        {1000, 10000, "Downloading... 10%"},
        {1234, 10000, "Downloading... 12.34%"},
        {9950, 10000, "Downloading... 99.50%"},
        {0xFFFFFFFFu, 0xFFFFFFFFu, "Downloading... 100%"},
        {0, 0, "Downloading... ---"},
        {4, 3, "Downloading... ---"},
        {0xFFFFFFFFu, 1, "Downloading... ---"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.recv << " of " << c.size);
        UpgradeInfo.RecvSize = c.recv;
        UpgradeInfo.FileSize = c.size;
        EXPECT_EQ(Text(Page(OTA_TRANSFERING)), Glyphs(c.text));
    }
}

TEST_F(UpgradeGl, StatusTexts)
{
    struct Case { UInt08 ota; const char* text; };
    const Case cases[] = {
        {OTA_TRANSFER_INT, "Download interrupted"}, {OTA_TRANSFER_SUCC, "Download finished"},
        {OTA_DECRYPTING, "Decrypting..."},          {OTA_UNPACKING, "Unpacking..."},
        {OTA_DECRYPT_FAIL, "Decrypt fail"},         {OTA_UNPACK_FAIL, "Unpack fail"},
        {OTA_DATA_MD5_UNMATCH, "DataPack md5 unmatch"},
        {OTA_DECRYPT_SUCC, nullptr}, {OTA_HMI_UPGRADING, nullptr}, {OTA_BACKUP_FAIL, nullptr}, {18, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << (int)c.ota);
        const ShowUpgradeView* v = Page(c.ota);
        if (c.text == nullptr)
            EXPECT_EQ(v->txtLen, 0);
        else
            EXPECT_EQ(Text(v), Glyphs(c.text));
    }
    // The line is drawn white, centred on (960, 580).
    RenderTestGl_Clear(0, 0, 0);
    Page(OTA_DECRYPT_FAIL);
    std::vector<uint8_t> px = RenderTestGl_Read(860, 560, 200, 40);
    int white = 0;
    for (size_t i = 0; i + 3 < px.size(); i += 4) white += px[i] > 180 && px[i + 1] > 180 && px[i + 2] > 180;
    EXPECT_GT(white, 50);
}

TEST_F(UpgradeGl, FinalStatesTimeOutTransfersNever)
{
    // Thousands of frames whose pixels do not matter here: a small scissor box keeps them cheap.
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 8, 8);
    // A transfer held for longer than the hold never times out.
    UpgradeInfo.FileSize = 10;
    for (int i = 0; i < SHOW_UPGRADE_HOLD_FRAMES + 20; i++) Page(OTA_TRANSFERING);
    EXPECT_EQ(OtaState, OTA_TRANSFERING);
    EXPECT_EQ(ShowUpgrade_View()->switchTick, 0);

    // A state change restarts the count: 2000 frames of one failure, then another state.
    for (int i = 0; i < 2000; i++) Page(OTA_DECRYPT_FAIL);
    EXPECT_EQ(ShowUpgrade_View()->switchTick, 2000);
    for (int i = 0; i < SHOW_UPGRADE_HOLD_FRAMES; i++) Page(OTA_DECRYPTING);
    EXPECT_EQ(OtaState, OTA_DECRYPTING) << "3000 frames: still shown";

    // Frame 3001 returns to idle, with the log line.
    std::string log = Stdout([] { ShowUpgradeUI(); });
    EXPECT_EQ(OtaState, OTA_Normal);
    EXPECT_NE(log.find("   OtaState Update[4]->[0]\n"), std::string::npos) << log;

    // Shown again later in that same state, the count starts afresh.
    Page(OTA_DECRYPTING);
    EXPECT_EQ(ShowUpgrade_View()->switchTick, 1);
    EXPECT_EQ(OtaState, OTA_DECRYPTING);
    glDisable(GL_SCISSOR_TEST);
}

TEST_F(UpgradeGl, PagesPresentAndTheRingTurnsClockwise)
{
    EXPECT_EQ(Page(OTA_TRANSFERING)->presented, 1);
    mFrameTimeMs = 0;
    ShowNimboUpgrade();
    const Flt32 a0 = ShowUpgrade_View()->ringAngle;
    EXPECT_EQ(ShowUpgrade_View()->ringPresented, 1);
    // 70 degrees a second: one turn in about 5143 ms.
    mFrameTimeMs = 100;
    for (int i = 0; i < 10; i++) ShowNimboUpgrade();
    EXPECT_NEAR(ShowUpgrade_View()->ringAngle, std::fmod(a0 + 70.0f, 360.0f), 1e-3);
    for (int i = 0; i < 41; i++) ShowNimboUpgrade();
    mFrameTimeMs = 43;
    ShowNimboUpgrade();
    Flt32 turned = std::fmod(ShowUpgrade_View()->ringAngle - a0 + 360.0f, 360.0f);
    EXPECT_LT(std::min(turned, 360.0f - turned), 0.05f) << "a whole turn after 5143 ms";

    // Clockwise on the screen: the ring's bright head moves from the top towards the right.
    auto centroidX = [] {
        std::vector<uint8_t> px = RenderTestGl_Read(860, 220, 200, 60);
        double sx = 0, n = 0;
        for (int y = 0; y < 60; y++)
            for (int x = 0; x < 200; x++) {
                const uint8_t* p = &px[(y * 200 + x) * 4];
                if (p[0] + p[1] + p[2] > 300) sx += x, n++;
            }
        return n > 0 ? sx / n : -1.0;
    };
    mFrameTimeMs = 0;
    ShowNimboUpgrade();
    double before = centroidX();
    mFrameTimeMs = 100;
    ShowNimboUpgrade();  // 7 degrees on
    double after = centroidX();
    ASSERT_GE(before, 0.0);
    EXPECT_GT(after, before);
}

}  // namespace

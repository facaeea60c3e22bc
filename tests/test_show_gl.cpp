// The basic readouts, drive-state indicators and telltales on a real GL context (software Mesa),
// frame by frame with a driven frame time: what each element chose (value shown, text built,
// colour, pictures and places) and where its pictures land, read back from the framebuffer.
//
// The elements keep their state in function statics for the life of the process, so every test
// first brings the element it looks at into a known state.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "OrvRender/RenderState.h"
#include "OrvRender/RenderUtils.h"
#include "OrvRender/Res_BmpPool.h"
#include "OrvRender/Res_Font.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Shader.h"
#include "OrvRender/Res_Tga.h"
#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Res_TxtHintAlarm.h"
#include "OrvRender/Screens/Show.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "lib/OrvMatrix.h"
#include "platform/OrvPlatform.h"
#include "support/RenderFixtureFiles.h"
#include "support/RenderTestGl.h"
#include "support/StdoutCapture.h"

namespace {

// Glyph indices of an ASCII text.
std::vector<UInt32> Glyphs(const char* s)
{
    std::vector<UInt32> g;
    for (; *s; s++) g.push_back((UInt32)GetAssicIdx(*s));
    return g;
}

std::vector<UInt32> Concat(std::vector<UInt32> a, const std::vector<UInt32>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The first n entries of a text of the view.
std::vector<UInt32> Text(const UInt32* t, size_t n)
{
    return std::vector<UInt32>(t, t + n);
}

// Bounding box of the pixels of r that are not black (x, y, w, h), w = 0 when none.
Recti LitBox(const Recti& r)
{
    std::vector<uint8_t> px = RenderTestGl_Read(r.x, r.y, r.w, r.h);
    int x0 = r.w, y0 = r.h, x1 = -1, y1 = -1;
    for (int y = 0; y < r.h; y++)
        for (int x = 0; x < r.w; x++) {
            uint32_t p = RenderTestGl_Pixel(px, r.w, x, y);
            if ((p & 0xFFFFFF00u) == 0) continue;
            x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
        }
    if (x1 < 0) return Recti{0, 0, 0, 0};
    return Recti{r.x + x0, r.y + y0, x1 - x0 + 1, y1 - y0 + 1};
}

bool Inside(const Recti& in, const Recti& out)
{
    return in.x >= out.x && in.y >= out.y && in.x + in.w <= out.x + out.w && in.y + in.h <= out.y + out.h;
}

// Mean red minus mean green-blue of the lit pixels of r: clearly positive for red digits.
double Redness(const Recti& r)
{
    std::vector<uint8_t> px = RenderTestGl_Read(r.x, r.y, r.w, r.h);
    double sum = 0;
    long n = 0;
    for (int i = 0; i < r.w * r.h; i++) {
        const uint8_t* p = &px[i * 4];
        if (p[0] + p[1] + p[2] < 150) continue;
        sum += p[0] - (p[1] + p[2]) / 2.0;
        n++;
    }
    return n ? sum / n : 0.0;
}

class ShowGl : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(RenderTestGl_Open());
        RenderTestGl_PageState();
        Stdout([] {
            RenderTestGl_PrepareScreens({Prgm_Simple_Texture, Prgm_Simple_Font, Prgm_AttrAlpha_Font, Prgm_Simple_Color},
                                        {Style_SiYuan_R, Style_SiYuan_M});
        });
        ASSERT_NE(shader[Prgm_Simple_Texture], 0xFFFFFFFFu);
        ASSERT_EQ(fontMapStatus[0], Ftm_TexGen);
        RenderTestGl_ResetMatrices();
    }
    static void TearDownTestSuite()
    {
        OrvPlat_ReleaseTick();
        RenderTestGl_Close();
    }
    void SetUp() override
    {
        memset(Indicator, 0, sizeof(Indicator));
        IndMute = 0;
        IND_BAT_LACK = IND_FONT_COLLOSION = IND_LANE_WARNING = IND_BLIND_AUXILIARY = IND_REAR_AUXILIARY =
            IND_ACC_FAILURE = 0;
        SpeedWarn = 0;
        mFrameTimeMs = 0;
        RenderTestGl_Clear(0, 0, 0);
    }

    // One frame of the font elements, which expect the caller to bind the font program.
    template <typename F>
    static void WithFont(F f)
    {
        glUseProgram(shader[Prgm_Simple_Font]);
        glUniformMatrix4fv(Prgm_Simple_Font_UNFM_Prj, 1, GL_FALSE, mPrjMatStack.mat[0]);
        glUniformMatrix4fv(Prgm_Simple_Font_UNFM_Mdv, 1, GL_FALSE, mMdvMatStack.mat[0]);
        glEnableVertexAttribArray(Prgm_Simple_Font_ATTR_Vtx);
        glEnableVertexAttribArray(Prgm_Simple_Font_ATTR_Txc);
        f();
        glDisableVertexAttribArray(Prgm_Simple_Font_ATTR_Vtx);
        glDisableVertexAttribArray(Prgm_Simple_Font_ATTR_Txc);
    }

    // Speed frames of ms each until the display shows target (at most 200 frames).
    static int SettleSpeed(UInt08 target, Int32 ms = 100)
    {
        mFrameTimeMs = ms;
        for (int i = 1; i <= 200; i++) {
            ShowSpeed(target);
            if (ShowBasic_View()->speedShown == target) return i;
        }
        return -1;
    }
    static void FixedFrame()
    {
        RenderTestGl_Clear(0, 0, 0);
        ShowFixLeds();
    }
    static bool FixDrawn(Int32 id)
    {
        const ShowTelltalesView* v = ShowTelltales_View();
        return std::find(v->fixDrawn, v->fixDrawn + v->fixNum, id) != v->fixDrawn + v->fixNum;
    }
};

// ---- Speed ----------------------------------------------------------------------------------

TEST_F(ShowGl, SpeedStepFromZeroToHundredTakesAboutOneSecondAtSixtyFps)
{
    ShowSpeed(254);
    ShowSpeed(0);  // from hidden: shown at once
    ASSERT_EQ(ShowBasic_View()->speedShown, 0);

    // 60 frames per second: frame times of 16, 17, 17 ms.
    const Int32 pattern[3] = {16, 17, 17};
    int elapsed = 0, frames = 0, last = 0, at1s = -1;
    while (ShowBasic_View()->speedShown != 100 && frames < 300) {
        mFrameTimeMs = pattern[frames % 3];
        elapsed += mFrameTimeMs;
        ShowSpeed(100);
        frames++;
        int shown = ShowBasic_View()->speedShown;
        EXPECT_GE(shown, last) << "the display never moves back";
        EXPECT_LE(shown, 100) << "never passes the input";
        last = shown;
        if (at1s < 0 && elapsed >= 1000) at1s = shown;
    }
    EXPECT_EQ(ShowBasic_View()->speedShown, 100);
    printf("0 -> 100 km/h: %d frames, %d ms; %d km/h after 1 s\n", frames, elapsed, at1s);
    EXPECT_GE(at1s, 97) << "nearly there after one second";
    EXPECT_LE(elapsed, 1300) << "and there a little later";
    EXPECT_GE(elapsed, 700) << "smoothed, not a jump";
}

TEST_F(ShowGl, SpeedTurnsRedAtTheWarningSpeedAndBackOnlyFourBelow)
{
    SpeedWarn = 120;
    ShowSpeed(254);
    ShowSpeed(110);
    struct Case { UInt08 speed; Int08 red; };
    const Case cases[] = {{110, 0}, {119, 0}, {120, 1}, {125, 1}, {117, 1}, {116, 1}, {115, 0}, {119, 0}, {120, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "speed " << (int)c.speed);
        ASSERT_GT(SettleSpeed(c.speed), 0);
        EXPECT_EQ(ShowBasic_View()->speedRed, c.red);
    }

    // No warning speed: never red.
    SpeedWarn = 0;
    SettleSpeed(200);
    EXPECT_EQ(ShowBasic_View()->speedRed, 0);

    // Hiding resets the colour; the red pictures are the ones on the screen.
    SpeedWarn = 120;
    ShowSpeed(254);
    RenderTestGl_Clear(0, 0, 0);
    ShowSpeed(130);
    ASSERT_EQ(ShowBasic_View()->speedRed, 1);
    const Image& d = pngImg[PNG_ui3_speed_digit_red_1];
    Recti digits = {ShowBasic_View()->speedDigitX[0], d.lty, 3 * d.w, d.h};
    EXPECT_GT(Redness(digits), 60.0);
    RenderTestGl_Clear(0, 0, 0);
    ShowSpeed(254);
    ShowSpeed(100);
    EXPECT_EQ(ShowBasic_View()->speedRed, 0);
    EXPECT_LT(Redness(digits), 20.0);
}

TEST_F(ShowGl, SpeedDigitsLandAtTheirRectangles)
{
    ShowSpeed(254);
    RenderTestGl_Clear(0, 0, 0);
    ShowSpeed(88);
    const ShowBasicView* v = ShowBasic_View();
    ASSERT_EQ(v->speedLen, 2);
    EXPECT_EQ(v->speedDigits[0], 8);
    EXPECT_EQ(v->speedDigits[1], 8);
    const Image& d8 = pngImg[PNG_ui3_speed_digit_8];
    Int32 shift = 73 * pngImg[PNG_ui3_speed_digit_0].w / 118;
    const Recti left = {d8.ltx - shift, d8.lty, d8.w, d8.h}, right = {d8.ltx + shift, d8.lty, d8.w, d8.h};
    EXPECT_EQ(v->speedDigitX[0], left.x);
    EXPECT_EQ(v->speedDigitX[1], right.x);
    // Each digit's ink lies inside its rectangle, and the two are the same picture.
    Recti inkL = LitBox(left), inkR = LitBox(right);
    ASSERT_GT(inkL.w, 0);
    ASSERT_GT(inkR.w, 0);
    EXPECT_EQ(inkL.x - left.x, inkR.x - right.x);
    EXPECT_EQ(inkL.w, inkR.w);
    // Nothing between the unit and the digits' band but the digits: the area left of the left
    // digit stays black.
    Recti beside = {left.x - 200, left.y, 200, left.h};
    EXPECT_EQ(LitBox(beside).w, 0);
    // The unit is centred horizontally.
    const Image& unit = pngImg[PNG_ui3_speed_unit_kmph];
    Recti unitInk = LitBox(Recti{0, unit.lty, 1920, unit.h});
    ASSERT_GT(unitInk.w, 0);
    EXPECT_TRUE(Inside(unitInk, Recti{(1920 - unit.w) / 2, unit.lty, unit.w, unit.h}));
}

TEST_F(ShowGl, InvalidSpeedShowsThePictureAndTheNextSpeedAtOnce)
{
    ShowSpeed(254);
    ShowSpeed(40);
    ShowSpeed(255);
    EXPECT_EQ(ShowBasic_View()->speedLen, 255);
    mFrameTimeMs = 16;
    ShowSpeed(90);
    EXPECT_EQ(ShowBasic_View()->speedShown, 90) << "no smoothing after an invalid speed";
    EXPECT_EQ(ShowBasic_View()->speedLen, 2);
    ShowSpeed(254);
    EXPECT_EQ(ShowBasic_View()->speedShown, 254);
}

// ---- Clock, temperature, range --------------------------------------------------------------

TEST_F(ShowGl, TemperatureTexts)
{
    // The first temperature of the run is -1: it still builds its text.
    struct Case { Int16 t; const char* value; };
    const Case cases[] = {{-1, "-1"}, {-5, "-5"}, {255, "---"}, {0, "0"}, {87, "87"}, {-40, "-40"}, {100, "100"}};
    const std::vector<UInt32> label = {str_outer_cn_idx[0], str_outer_cn_idx[1]};
    const std::vector<UInt32> unit = {str_unit_temperature_idx[0], str_unit_temperature_idx[1]};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.t);
        WithFont([&] { ShowTemprature(c.t); });
        const ShowBasicView* v = ShowBasic_View();
        std::vector<UInt32> want = Concat(Concat(label, Glyphs(c.value)), unit);
        ASSERT_EQ(v->tempLen, want.size());
        EXPECT_EQ(Text(v->tempTxt, want.size()), want);
        EXPECT_EQ(v->tempTxt[want.size()], 0u);
    }
}

TEST_F(ShowGl, ClockTexts)
{
    const std::vector<UInt32> am = {str_forenoon_cn_idx[0], str_forenoon_cn_idx[1]};
    const std::vector<UInt32> pm = {str_afternoon_cn_idx[0], str_afternoon_cn_idx[1]};
    struct Case { UInt16 minutes; UInt08 fmt; const std::vector<UInt32>* half; const char* clock; };
    const Case cases[] = {
        {5, 1, &am, "12:05"},   {780, 1, &pm, "1:00"},   {720, 1, &pm, "12:00"}, {719, 1, &am, "11:59"},
        {1439, 1, &pm, "11:59"}, {60, 1, &am, "1:00"},   {5, 0, nullptr, "00:05"}, {780, 0, nullptr, "13:00"},
        {1439, 2, nullptr, "23:59"}, {1440 + 65, 0, nullptr, "01:05"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.minutes << " fmt " << (int)c.fmt);
        WithFont([&] { ShowTime(c.minutes, c.fmt); });
        std::vector<UInt32> want = Glyphs(c.clock);
        if (c.half) want = Concat(*c.half, want);
        want.push_back(0);  // the terminating entry is counted
        const ShowBasicView* v = ShowBasic_View();
        ASSERT_EQ(v->timeLen, want.size());
        EXPECT_EQ(Text(v->timeTxt, want.size()), want);
    }
}

TEST_F(ShowGl, RangeTexts)
{
    struct Case { UInt16 range; const char* text; };
    const Case cases[] = {{1023, "--"}, {19, "--"}, {20, "20"}, {0, "--"}, {999, "999"}, {100, "100"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.range);
        RenderTestGl_Clear(0, 0, 0);
        WithFont([&] { ShowTripRange(c.range); });
        const ShowBasicView* v = ShowBasic_View();
        std::vector<UInt32> want = Glyphs(c.text);
        ASSERT_EQ(v->rangeLen, want.size());
        EXPECT_EQ(Text(v->rangeTxt, want.size() + 2), Concat(want, Glyphs("km")));
        // The number starts at x = 1004 and the unit follows it on the same line.
        Recti ink = LitBox(Recti{900, 630, 400, 80});
        ASSERT_GT(ink.w, 0);
        EXPECT_GE(ink.x, 1004);
        EXPECT_LE(ink.x, 1010);
        EXPECT_GT(ink.w, 40) << "number and unit";
    }
}

// ---- Greeting and overlay -------------------------------------------------------------------

TEST_F(ShowGl, GreetingTextsAndFade)
{
    auto codes = [](const char* s) {
        std::vector<UInt32> v;
        for (; *s; s++) v.push_back((UInt08)*s);
        return v;
    };
    // UTF-8 of the guest text, and a name of CJK characters of the hint table.
    std::string guest;
    auto utf8 = [](UInt32 c) {
        std::string s;
        if (c < 0x80) s += (char)c;
        else if (c < 0x800) s += (char)(0xC0 | (c >> 6)), s += (char)(0x80 | (c & 0x3F));
        else s += (char)(0xE0 | (c >> 12)), s += (char)(0x80 | ((c >> 6) & 0x3F)), s += (char)(0x80 | (c & 0x3F));
        return s;
    };
    guest = utf8(HintAlarm_FONT_CODE[str_account_guest_idx[0]]) + utf8(HintAlarm_FONT_CODE[str_account_guest_idx[1]]);
    const std::vector<UInt32> friendly = {HintAlarm_FONT_CODE[str_account_default_idx[0]],
                                          HintAlarm_FONT_CODE[str_account_default_idx[1]]};
    struct Case { std::string name; std::vector<UInt32> shown; };
    const Case cases[] = {
        {"", codes("---")},
        {"Anna", codes("Anna")},
        {guest, friendly},
        {"Abcdefgh", codes("Abcdefgh")},
        {"Abcdefghi", codes("Abcdef...")},
        {"Abcdefghijkl", codes("Abcdef...")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        memset(AccountInfo.CurrUsrName, 0, sizeof(AccountInfo.CurrUsrName));
        memcpy(AccountInfo.CurrUsrName, c.name.data(), c.name.size());
        AccountInfo.UpdAccount++;
        mFrameTimeMs = 0;
        RenderTestGl_Clear(0, 0, 0);
        ShowGreeting();
        std::vector<UInt32> want = Concat(codes("Hi, "), c.shown);
        std::vector<UInt32> got = Text(ShowBasic_View()->greeting, want.size() + 1);
        want.push_back(0);
        EXPECT_EQ(got, want);
    }
    // Fades in over one second, from 40 % opacity left at the start.
    mFrameTimeMs = 0;
    ShowGreeting();
    EXPECT_FLOAT_EQ(ShowBasic_View()->greetingInvAlpha, 1.0f);
    mFrameTimeMs = 50;
    for (int i = 0; i < 10; i++) ShowGreeting();
    EXPECT_NEAR(ShowBasic_View()->greetingInvAlpha, 0.5f, 1e-4);
    for (int i = 0; i < 20; i++) ShowGreeting();
    EXPECT_FLOAT_EQ(ShowBasic_View()->greetingInvAlpha, 0.0f);
    RenderTestGl_Clear(0, 0, 0);
    ShowGreeting();
    Recti ink = LitBox(Recti{280, 630, 300, 90});
    ASSERT_GT(ink.w, 0) << "the greeting is drawn";
    EXPECT_GE(ink.x, 334 - 54);
    EXPECT_LE(ink.x + ink.w, 334 + 162 + 54) << "inside its window and the faded edges";

    // A short name starts at the window's left edge: the faded zone before it stays empty.
    strcpy((char*)AccountInfo.CurrUsrName, "Anna");
    AccountInfo.UpdAccount++;
    mFrameTimeMs = 100;
    for (int i = 0; i < 11; i++) ShowGreeting();
    RenderTestGl_Clear(0, 0, 0);
    ShowGreeting();
    EXPECT_EQ(LitBox(Recti{334 - 54, 647, 54, 54}).w, 0);
    EXPECT_GT(LitBox(Recti{334, 647, 162, 54}).w, 0);
}

TEST_F(ShowGl, FrameRateOverlay)
{
    OrvPlat_DriveTick(5000);
    ShowFPS();  // the first frame only remembers the tick
    // Each case: frames in the next second, the rate and its colour.
    struct Case { int frames; const char* rate; const GLfloat* color; };
    const Case cases[] = {{100, "100", colorWhite}, {10, "10", colorRed}, {20, "20", colorYellow},
                          {30, "30", colorWhite}, {1500, "999", colorWhite}};
    // A first second brings the count back to a known start.
    OrvPlat_AdvanceTick(1001);
    ShowFPS();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rate);
        for (int i = 0; i < c.frames - 1; i++) ShowFPS();
        OrvPlat_AdvanceTick(1001);
        RenderTestGl_Clear(0, 0, 0);
        ShowFPS();
        const ShowBasicView* v = ShowBasic_View();
        std::vector<UInt32> want = Concat(Glyphs(c.rate), Glyphs(",0"));
        ASSERT_EQ(v->fpsLen, want.size());
        EXPECT_EQ(Text(v->fpsTxt, want.size()), want);
        EXPECT_EQ(v->fpsColor, c.color);
        // The rate at the top left, date and version at the top right.
        EXPECT_GT(LitBox(Recti{0, 0, 200, 30}).w, 0);
        EXPECT_GT(LitBox(Recti{1700, 0, 220, 50}).w, 0);
    }
    // Within the second, the running count follows the comma.
    ShowFPS();
    ShowFPS();
    std::vector<UInt32> want = Concat(Glyphs("999"), Glyphs(",2"));
    EXPECT_EQ(Text(ShowBasic_View()->fpsTxt, want.size()), want);
    EXPECT_EQ(Text(ShowBasic_View()->verTxt, 8), Concat(Glyphs("v0.3.7b"), {0u}));
    OrvPlat_ReleaseTick();
}

// ---- Drive state ----------------------------------------------------------------------------

TEST_F(ShowGl, BatteryBarColourByRangeAndFadedTenth)
{
    struct Case { UInt08 bat; UInt16 range; U08 ind7; Int32 bar; float rate; Int08 faded; };
    const Case cases[] = {
        {100, 60, 0, TGA_ui3_basic_battery_full_green, 1.0f, 0},
        {100, 59, 0, TGA_ui3_basic_battery_full_yellow, 1.0f, 0},
        {100, 29, 0, TGA_ui3_basic_battery_full_red, 1.0f, 0},
        {50, 200, 0x10, TGA_ui3_basic_battery_full_green, 0.5f, 1},
        {50, 200, 0x08, TGA_ui3_basic_battery_full_green, 0.5f, 1},
        {10, 200, 0x10, TGA_ui3_basic_battery_full_green, 0.1f, 0},
        {50, 20, 0x10, TGA_ui3_basic_battery_full_red, 0.5f, 0},
        {255, 200, 0, TGA_ui3_basic_battery_full_green, 0.0f, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (int)c.bat << "% " << c.range << " km");
        Indicator[7].value = c.ind7;
        ShowBattery(c.bat, c.range);
        const ShowDriveStateView* v = ShowDriveState_View();
        EXPECT_EQ(v->batteryBarTga, c.bar);
        EXPECT_FLOAT_EQ(v->batteryRate, c.rate);
        EXPECT_EQ(v->batteryFaded, c.faded);
    }
    // Half a green bar: the picture's left half lit, its right half only the background.
    Indicator[7].value = 0;
    RenderTestGl_Clear(0, 0, 0);
    ShowBattery(50, 200);
    const Image& full = tgaImg[TGA_ui3_basic_battery_full_green];
    ASSERT_GT(full.w, 0);
    std::vector<uint8_t> px = RenderTestGl_Read(full.ltx, full.lty + full.h / 2, full.w, 1);
    auto green = [&](int x) {
        uint32_t p = RenderTestGl_Pixel(px, full.w, x, 0);
        return ((p >> 16) & 0xFF) > ((p >> 24) & 0xFF) + 40;
    };
    EXPECT_TRUE(green(full.w / 4));
    EXPECT_FALSE(green(full.w * 3 / 4));
}

TEST_F(ShowGl, GearTipAfterAChange)
{
    mFrameTimeMs = 0;
    ShowGear(GEAR_INVISIBLE);
    ShowGear(GEAR_D);
    EXPECT_EQ(ShowDriveState_View()->gearTga, TGA_ui3_gear_D);
    EXPECT_EQ(ShowDriveState_View()->gearTipTga, TGA_gear_tip_D);
    mFrameTimeMs = 100;
    for (int i = 0; i < 31; i++) ShowGear(GEAR_D);
    EXPECT_EQ(ShowDriveState_View()->gearTipTga, -1) << "gone after 3 s";

    mFrameTimeMs = 0;
    ShowGear(GEAR_R);
    EXPECT_EQ(ShowDriveState_View()->gearTipTga, TGA_gear_tip_R);
    EXPECT_FLOAT_EQ(ShowDriveState_View()->gearTipInvAlpha, 0.25f) << "three quarters opaque";
    mFrameTimeMs = 100;
    for (int i = 0; i < 20; i++) ShowGear(GEAR_R);
    EXPECT_EQ(ShowDriveState_View()->gearTipMs, 1000);
    EXPECT_FLOAT_EQ(ShowDriveState_View()->gearTipInvAlpha, 0.0f);
    ShowGear(GEAR_D);  // back within the 3 s: the tip restarts
    EXPECT_EQ(ShowDriveState_View()->gearTipTga, TGA_gear_tip_D);
    EXPECT_EQ(ShowDriveState_View()->gearTipMs, 2900);
    ShowGear(GEAR_RESERVE);
    EXPECT_EQ(ShowDriveState_View()->gearTga, -1);
    EXPECT_EQ(ShowDriveState_View()->gearTipTga, -1);
}

TEST_F(ShowGl, DrivingModeAnimations)
{
    mFrameTimeMs = 0;
    ShowDrivingMode(0);  // no mode
    EXPECT_EQ(ShowDriveState_View()->modeAnimId, 0);

    Indicator[4].value = 0x40;  // eco
    ShowDrivingMode(0);
    EXPECT_EQ(ShowDriveState_View()->modeAnimId, PNG_eco_001);
    mFrameTimeMs = 30;
    for (int i = 0; i < 6; i++) ShowDrivingMode(0);
    EXPECT_EQ(ShowDriveState_View()->modeAnimId, PNG_eco_001 + 6);
    EXPECT_TRUE(ShowDriveState_View()->modeGlow);
    for (int i = 0; i < 60; i++) ShowDrivingMode(0);
    EXPECT_EQ(ShowDriveState_View()->modeAnimId, PNG_eco_042);
    EXPECT_FLOAT_EQ(ShowDriveState_View()->modeIconInvAlpha, 0.0f);
    ShowDrivingMode(0);  // eco again: nothing restarts
    EXPECT_EQ(ShowDriveState_View()->modeAnimId, PNG_eco_042);

    Indicator[4].value = 0x80;  // sport after a finished eco animation
    mFrameTimeMs = 0;
    ShowDrivingMode(1);
    EXPECT_EQ(ShowDriveState_View()->modeAnimId, PNG_sport_001);
    mFrameTimeMs = 30;
    ShowDrivingMode(1);
    Indicator[4].value = 0x40;  // eco while sport still runs: ignored
    ShowDrivingMode(1);
    EXPECT_GT(ShowDriveState_View()->modeAnimId, PNG_sport_001);
    EXPECT_LE(ShowDriveState_View()->modeAnimId, PNG_sport_042);
    Indicator[4].value = 0;
    ShowDrivingMode(1);
    EXPECT_EQ(ShowDriveState_View()->modeAnimId, 0);
}

TEST_F(ShowGl, SpeedLimitEmphasisRunsToTheEnd)
{
    mFrameTimeMs = 100;
    ShowSpeedLimit(1, 0);
    EXPECT_FALSE(ShowDriveState_View()->limitDrawn);
    ShowSpeedLimit(1, 80);
    EXPECT_EQ(Text(ShowDriveState_View()->limitTxt, 3), Concat(Glyphs("80"), {0u}));
    EXPECT_EQ(ShowDriveState_View()->limitScaleMs, 0u);
    Indicator[0].value = 0x40;
    ShowSpeedLimit(1, 80);
    ShowSpeedLimit(1, 80);
    EXPECT_EQ(ShowDriveState_View()->limitScaleMs, 200u);
    Indicator[0].value = 0;
    int frames = 0;
    while (ShowDriveState_View()->limitScaleMs != 1500 && frames < 50) ShowSpeedLimit(1, 80), frames++;
    EXPECT_EQ(frames, 13) << "the animation completes after the bit has gone";
    ShowSpeedLimit(1, 80);
    EXPECT_EQ(ShowDriveState_View()->limitScaleMs, 0u);
    ShowSpeedLimit(1, 255);
    EXPECT_EQ(Text(ShowDriveState_View()->limitTxt, 4), Concat(Glyphs("---"), {0u}));
    EXPECT_TRUE(ShowDriveState_View()->limitDrawn);
}

// ---- Telltales ------------------------------------------------------------------------------

TEST_F(ShowGl, TurnSignalFlashesWithItsBit)
{
    FixedFrame();  // loads the lamps
    const Image& lamp = tgaImg[TGA_led_turn_left];
    ASSERT_GT(lamp.w, 0);
    const Recti at = {732 - lamp.w / 2, 202 - lamp.h / 2, lamp.w, lamp.h};
    // The bit as the main board sends it at 1.5 Hz in a 60 Hz page: on for 20 frames, off for 20.
    for (int frame = 0; frame < 80; frame++) {
        bool on = (frame / 20) % 2 == 0;
        Indicator[6].value = on ? 0x40 : 0x00;
        mFrameTimeMs = 16;
        FixedFrame();
        if (frame % 10 != 5) continue;  // look at two frames of each phase
        SCOPED_TRACE(testing::Message() << "frame " << frame << (on ? " on" : " off"));
        EXPECT_EQ(FixDrawn(TGA_led_turn_left), on);
        Recti ink = LitBox(Recti{at.x - 20, at.y - 20, at.w + 40, at.h + 40});
        if (on) {
            ASSERT_GT(ink.w, 0);
            EXPECT_TRUE(Inside(ink, at)) << "the lamp is centred on its table point";
        } else {
            EXPECT_EQ(ink.w, 0);
        }
    }
}

TEST_F(ShowGl, FixedLampChoices)
{
    struct Case { int byte; U08 value; std::vector<Int32> drawn; };
    const Case cases[] = {
        {6, 0x28, {TGA_led_high_beam}},
        {6, 0x10, {TGA_led_low_beam}},
        {6, 0x20, {TGA_led_low_beam_A}},
        {5, 0x10, {TGA_led_car_body}},
        {5, 0x0F, {TGA_led_car_body, TGA_led_door_lb, TGA_led_door_lf, TGA_led_door_rb, TGA_led_door_rf}},
        {3, 0x84, {TGA_led_seatbelt_bl_gray, TGA_led_seatbelt_br}},
        {7, 0x18, {TGA_led_ac_overcost}},
        {7, 0x10, {TGA_led_battery_cold}},
        {0, 0x08, {TGA_led_brake_syserr}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "byte " << c.byte << " = " << std::hex << (int)c.value);
        memset(Indicator, 0, sizeof(Indicator));
        Indicator[c.byte].value = c.value;
        FixedFrame();
        const ShowTelltalesView* v = ShowTelltales_View();
        EXPECT_EQ(std::vector<Int32>(v->fixDrawn, v->fixDrawn + v->fixNum), c.drawn);
    }
    memset(Indicator, 0, sizeof(Indicator));
    IndMute = 1;
    FixedFrame();
    ASSERT_EQ(ShowTelltales_View()->fixNum, 1);
    EXPECT_EQ(ShowTelltales_View()->fixRect[0].x, 100) << "mute keeps its own left-top point";
    EXPECT_EQ(ShowTelltales_View()->fixRect[0].y, 332);
    // Doors are drawn at their table point.
    IndMute = 0;
    Indicator[5].value = 0x01;
    FixedFrame();
    ASSERT_EQ(ShowTelltales_View()->fixNum, 2);
    EXPECT_EQ(ShowTelltales_View()->fixRect[1].x, 671);
    EXPECT_EQ(ShowTelltales_View()->fixRect[1].y, 40);
}

TEST_F(ShowGl, LaneCentringAnimations)
{
    Indicator[7].value = 0x01;  // 0 -> 1: grows and fades in
    mFrameTimeMs = 20;
    FixedFrame();
    EXPECT_FLOAT_EQ(ShowTelltales_View()->lccInvAlpha, 1.0f) << "invisible during the first 40 ms";
    mFrameTimeMs = 100;
    FixedFrame();  // 120 ms: step 3
    EXPECT_NEAR(ShowTelltales_View()->lccInvAlpha, 1.0f - 3 / 9.0f, 1e-5);
    for (int i = 0; i < 3; i++) FixedFrame();  // 420 ms
    EXPECT_FLOAT_EQ(ShowTelltales_View()->lccInvAlpha, 0.0f);
    ASSERT_EQ(ShowTelltales_View()->fixNum, 1);
    EXPECT_EQ(ShowTelltales_View()->fixRect[0].x, 1067);
    EXPECT_EQ(ShowTelltales_View()->fixRect[0].y, 117);

    Indicator[7].value = 0x02;  // 1 -> 2: grey lamp plus a closing ring, then the active picture
    mFrameTimeMs = 20;
    FixedFrame();
    EXPECT_EQ(ShowTelltales_View()->lccRingPairs, 0) << "the ring is empty in the first 40 ms";
    EXPECT_TRUE(FixDrawn(SHOW_VIEW_PNG(PNG_LCC_009)));
    // Pixels of the ring (radius 27 about (1098, 148)) on the left and on the right of the lamp.
    auto ringPixels = [] {
        return std::make_pair(RenderTestGl_Pixel(RenderTestGl_Read(1098 - 27, 148, 1, 1), 1, 0, 0),
                              RenderTestGl_Pixel(RenderTestGl_Read(1098 + 27, 148, 1, 1), 1, 0, 0));
    };
    auto empty = ringPixels();
    mFrameTimeMs = 100;
    FixedFrame();  // 120 ms: the ring runs from the bottom through the left side
    EXPECT_EQ(ShowTelltales_View()->lccRingPairs, 30);
    auto part = ringPixels();
    EXPECT_NE(part.first, empty.first) << "the left side of the ring is drawn";
    EXPECT_EQ(part.second, empty.second) << "the right side not yet";
    for (int i = 0; i < 3; i++) FixedFrame();  // 420 ms: still the ring, closed
    EXPECT_TRUE(FixDrawn(SHOW_VIEW_PNG(PNG_LCC_009)));
    auto closed = ringPixels();
    EXPECT_EQ(closed.first, part.first);
    EXPECT_NE(closed.second, empty.second) << "the closed ring reaches the right side";
    FixedFrame();  // 520 ms
    EXPECT_TRUE(FixDrawn(SHOW_VIEW_PNG(PNG_LCC_027)));
    EXPECT_FALSE(FixDrawn(SHOW_VIEW_PNG(PNG_LCC_009)));
    Indicator[7].value = 0;
    FixedFrame();
    EXPECT_EQ(ShowTelltales_View()->fixNum, 0);
}

TEST_F(ShowGl, SharedPlacesAreTakenLowestFirstAndKept)
{
    auto frame = [] {
        RenderTestGl_Clear(0, 0, 0);
        ShowDynamicLeds();
    };
    frame();
    const ShowTelltalesView* v = ShowTelltales_View();
    ASSERT_EQ(v->dynUsed, 0);

    // ABS (k 1) and ESP (k 14) in the same frame: ABS first in the take order.
    Indicator[0].value = 0x10;
    Indicator[1].value = 0x01;
    frame();
    EXPECT_EQ(v->dynPlace[1], 0);
    EXPECT_EQ(v->dynPlace[14], 1);
    // Centred on the place: ABS at (753, 129).
    const Image& abs = tgaImg[TGA_led_abs];
    ASSERT_GT(abs.w, 0);
    Recti absAt = {753 - abs.w / 2, 129 - abs.h / 2, abs.w, abs.h};
    EXPECT_EQ(v->dynRect[1].x, absAt.x);
    Recti ink = LitBox(Recti{absAt.x - 10, absAt.y - 10, absAt.w + 20, absAt.h + 20});
    ASSERT_GT(ink.w, 0);
    EXPECT_TRUE(Inside(ink, absAt));

    // A third lamp, then the middle one goes off as a new one comes on: the gap is refilled.
    Indicator[2].value = 0x04;  // 12 V battery (k 0)
    frame();
    EXPECT_EQ(v->dynPlace[0], 2);
    Indicator[1].value = 0x00;  // ESP off
    IND_ACC_FAILURE = 1;        // k 28 on
    frame();
    EXPECT_EQ(v->dynPlace[14], -1);
    EXPECT_EQ(v->dynPlace[28], 1);
    EXPECT_EQ(v->dynPicture[28], SHOW_VIEW_PNG(PNG_alarm_ACC_failure));
    EXPECT_EQ(v->dynPlace[1], 0) << "lamps that stay on keep their place";
    EXPECT_EQ(v->dynPlace[0], 2);

    // Auto hold green -> yellow keeps its place and changes the picture.
    Indicator[1].value = 0x04;
    frame();
    Int16 place = v->dynPlace[4];
    EXPECT_EQ(place, 3);
    EXPECT_EQ(v->dynPicture[4], TGA_led_avh_green);
    Indicator[1].value = 0x08;
    frame();
    EXPECT_EQ(v->dynPlace[4], place);
    EXPECT_EQ(v->dynPicture[4], TGA_led_avh_yellow);

    // Everything off: every place free again.
    memset(Indicator, 0, sizeof(Indicator));
    IND_ACC_FAILURE = 0;
    frame();
    EXPECT_EQ(v->dynUsed, 0);
    for (Int32 k = 0; k < SHOW_DYN_LED_NUM; k++) EXPECT_EQ(v->dynPlace[k], -1) << k;
}

TEST_F(ShowGl, MoreLampsThanPlacesWait)
{
    // Every lamp with a bit of its own, plus the six failure flags: 26 lamps for 21 places.
    memset(Indicator, 0xFF, sizeof(Indicator));
    Indicator[1].value = 0xC5;  // avh green and no hdc pair: keep the pairs simple
    IND_BAT_LACK = IND_FONT_COLLOSION = IND_LANE_WARNING = IND_BLIND_AUXILIARY = IND_REAR_AUXILIARY =
        IND_ACC_FAILURE = 1;
    ShowDynamicLeds();
    const ShowTelltalesView* v = ShowTelltales_View();
    EXPECT_EQ(v->dynUsed, SHOW_DYN_PLACE_NUM);
    EXPECT_EQ(v->dynPlace[4], 0) << "auto hold comes first in the take order";
    EXPECT_EQ(v->dynPlace[28], -1) << "the last in the take order waits";
    // One place frees: the first waiting lamp in the take order takes it.
    Int16 freed = v->dynPlace[0];
    Indicator[2].value &= (U08)~0x04;
    ShowDynamicLeds();
    EXPECT_EQ(v->dynPlace[0], -1);
    Int32 taker = -1;
    for (Int32 k = 0; k < SHOW_DYN_LED_NUM; k++)
        if (v->dynPlace[k] == freed) taker = k;
    EXPECT_EQ(taker, 26) << "the first waiting lamp in the take order";
    EXPECT_EQ(v->dynUsed, SHOW_DYN_PLACE_NUM);
    memset(Indicator, 0, sizeof(Indicator));
    IND_BAT_LACK = IND_FONT_COLLOSION = IND_LANE_WARNING = IND_BLIND_AUXILIARY = IND_REAR_AUXILIARY =
        IND_ACC_FAILURE = 0;
    ShowDynamicLeds();
    EXPECT_EQ(v->dynUsed, 0);
}

}  // namespace

namespace {

// Every element of this module lit at once on one frame, written to show_elements.png beside the
// programs for a person to look at; checked for the places that must not stay dark.
TEST_F(ShowGl, EverythingLitOnOneFrame)
{
    memset(Indicator, 0xFF, sizeof(Indicator));
    Indicator[1].value = 0xD5;  // auto hold green, hill descent green
    Indicator[3].value = 0x98;  // rear belts: left red, middle grey, right red
    Indicator[4].value = 0x7F;  // eco
    Indicator[6].value = 0xCF;  // high beam, both turn signals
    Indicator[7].value = 0x5E;  // lane centring active, ready, a/c
    IndMute = 1;
    IND_BAT_LACK = IND_FONT_COLLOSION = IND_LANE_WARNING = IND_BLIND_AUXILIARY = IND_REAR_AUXILIARY =
        IND_ACC_FAILURE = 1;
    SpeedWarn = 120;
    memset(AccountInfo.CurrUsrName, 0, sizeof(AccountInfo.CurrUsrName));
    strcpy((char*)AccountInfo.CurrUsrName, "Anna");
    AccountInfo.UpdAccount++;
    OrvPlat_DriveTick(100000);
    ShowSpeed(254);
    mFrameTimeMs = 100;
    for (int i = 0; i < 30; i++) {
        RenderTestGl_Clear(24 / 255.0f, 26 / 255.0f, 35 / 255.0f);
        ShowDrivingMode(0);
        WithFont([] {
            ShowTime(13 * 60 + 7, 0);
            ShowTemprature(-5);
            ShowTripRange(321);
        });
        ShowGreeting();
        ShowSpeed(123);
        ShowBattery(80, 321);
        ShowSpeedLimit(1, 120);
        ShowGear(GEAR_D);
        ShowFixLeds();
        ShowDynamicLeds();
        OrvPlat_AdvanceTick(100);
        ShowFPS();
    }
    EXPECT_EQ(ShowBasic_View()->speedShown, 123);
    EXPECT_EQ(ShowBasic_View()->speedRed, 1);

    // The places that must not stay dark: pixels that stand out from the cleared background.
    auto litPixels = [](const Recti& r) {
        std::vector<uint8_t> area = RenderTestGl_Read(r.x, r.y, r.w, r.h);
        int n = 0;
        for (int i = 0; i < r.w * r.h; i++) {
            const uint8_t* p = &area[(size_t)i * 4];
            n += std::abs(p[0] - 24) + std::abs(p[1] - 26) + std::abs(p[2] - 35) > 60;
        }
        return n;
    };
    const Image& full = tgaImg[TGA_ui3_basic_battery_full_green];
    const Recti speed = {600, pngImg[PNG_ui3_speed_digit_8].lty, 720, pngImg[PNG_ui3_speed_digit_8].h};
    const struct {
        const char* what;
        Recti       at;
    } places[] = {
        {"speed digits", speed},
        {"battery bar", {full.ltx, full.lty, full.w, full.h}},
        {"greeting", {334, 647, 162, 54}},
        {"trip range", {900, 630, 400, 80}},
        {"frame rate", {0, 0, 200, 30}},
    };
    for (const auto& p : places) EXPECT_GT(litPixels(p.at), 20) << p.what << " stayed dark";
    EXPECT_GT(Redness(speed), 60.0) << "the speed is above its warning: red digits";
    const ShowTelltalesView* lamps = ShowTelltales_View();
    ASSERT_GT(lamps->fixNum, 0);
    for (Int32 i = 0; i < lamps->fixNum; i++)
        EXPECT_GT(litPixels(lamps->fixRect[i]), 10) << "fixed lamp " << lamps->fixDrawn[i] << " stayed dark";
    int dynDrawn = 0;
    for (int k = 0; k < SHOW_DYN_LED_NUM; k++) {
        if (lamps->dynPicture[k] < 0) continue;
        dynDrawn++;
        EXPECT_GT(litPixels(lamps->dynRect[k]), 10) << "shared-place lamp " << k << " stayed dark";
    }
    EXPECT_GT(dynDrawn, 0) << "with every bit on, shared-place lamps are drawn";

    std::vector<uint8_t> px = RenderTestGl_Read(0, 0, 1920, 720);
    std::vector<uint8_t> rgb(1920 * 720 * 3);
    for (int i = 0; i < 1920 * 720; i++) memcpy(&rgb[i * 3], &px[i * 4], 3);
    EXPECT_TRUE(WriteFixturePng("show_elements.png", 1920, 720, 2, rgb));
    OrvPlat_ReleaseTick();
    memset(Indicator, 0, sizeof(Indicator));
    IND_BAT_LACK = IND_FONT_COLLOSION = IND_LANE_WARNING = IND_BLIND_AUXILIARY = IND_REAR_AUXILIARY =
        IND_ACC_FAILURE = 0;
    IndMute = 0;
    ShowDynamicLeds();
    ShowSpeed(254);
}

}  // namespace

namespace {

// The clean-up releases every picture and the pool; elements drawn again afterwards load what
// they need once more, at the same places (the lamps' centre points are not shifted twice).
TEST_F(ShowGl, ElementsComeBackAfterACleanUp)
{
    auto frame = [] {
        RenderTestGl_Clear(0, 0, 0);
        ShowFixLeds();
        ShowSpeed(88);
        ShowBattery(100, 300);
        ShowGreeting();
    };
    Indicator[6].value = 0x40;
    ShowSpeed(254);
    mFrameTimeMs = 100;
    frame();
    const Recti lamp = ShowTelltales_View()->fixRect[0];
    const Image& full = tgaImg[TGA_ui3_basic_battery_full_green];
    const Recti bar = {full.ltx, full.lty, full.w, full.h};
    const Recti greeting = {334, 647, 162, 54};
    const Recti speed = {600, pngImg[PNG_ui3_speed_digit_8].lty, 720, pngImg[PNG_ui3_speed_digit_8].h};
    ASSERT_GT(LitBox(bar).w, 0);
    ASSERT_GT(LitBox(greeting).w, 0);
    ASSERT_GT(LitBox(speed).w, 0);
    auto slotsInUse = [] {
        int n = 0;
        for (Int32 i = 0; i < BMP_POOL_NUM; i++) n += bmpPool[i] != nullptr;
        return n;
    };
    const int inUse = slotsInUse();

    Stdout([] {
        DestroyTgaResources(0, TGA_NUM);
        DestroyPngResources(0, PNG_NUM);
        DestroyBmpPoolResouces();
    });
    frame();
    ASSERT_EQ(ShowTelltales_View()->fixNum, 1);
    EXPECT_EQ(ShowTelltales_View()->fixRect[0].x, lamp.x);
    EXPECT_EQ(ShowTelltales_View()->fixRect[0].y, lamp.y);
    EXPECT_GT(LitBox(lamp).w, 0);
    EXPECT_GT(LitBox(bar).w, 0) << "the bar draws with its new texture";
    EXPECT_GT(LitBox(greeting).w, 0) << "the greeting draws again from its renewed pool slot";
    EXPECT_EQ(slotsInUse(), inUse) << "the greeting renewed its own slot rather than taking another";
    EXPECT_GT(LitBox(speed).w, 0);
    ShowSpeed(254);
}

}  // namespace

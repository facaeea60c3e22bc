// The side panels on a real GL context (software Mesa), frame by frame with a driven frame time:
// the two module lists (opening, sliding, acknowledging, closing) and the vehicle modules (trip
// texts, clock hands, power needle and arc, history graph, tyre warnings), read back through the
// families' views and as pixels.
//
// The elements keep their state in function statics for the life of the process, so every test
// first brings the element it looks at into a known state; the first test relies on running first.
#include <gtest/gtest.h>

#include <cmath>
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
#include "OrvRender/Screens/Show.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "support/RenderTestGl.h"
#include "support/StdoutCapture.h"

namespace {

// A text of the views (glyph indices of the basic atlas) back as characters; '?' for a glyph that
// is not printable ASCII.
std::string Chars(const UInt32* t, Int32 n)
{
    std::string s;
    for (Int32 i = 0; i < n; i++) {
        char c = '?';
        for (int a = 0x20; a < 0x7F; a++)
            if ((UInt32)GetAssicIdx((char)a) == t[i]) c = (char)a;
        s += c;
    }
    return s;
}

// Pixels of r for which pred holds.
template <typename P>
int Count(const Recti& r, P pred)
{
    std::vector<uint8_t> px = RenderTestGl_Read(r.x, r.y, r.w, r.h);
    int n = 0;
    for (int i = 0; i < r.w * r.h; i++) n += pred(&px[i * 4]);
    return n;
}
int Lit(const Recti& r)
{
    return Count(r, [](const uint8_t* p) { return p[0] + p[1] + p[2] > 60; });
}
double Brightness(const Recti& r)
{
    std::vector<uint8_t> px = RenderTestGl_Read(r.x, r.y, r.w, r.h);
    double sum = 0;
    for (int i = 0; i < r.w * r.h; i++) sum += px[i * 4] + px[i * 4 + 1] + px[i * 4 + 2];
    return sum / (r.w * r.h);
}
bool Orange(const uint8_t* p) { return p[0] > 150 && p[1] > 60 && p[1] < 200 && p[2] < 90 && p[0] > p[1] + 40; }
bool Reddish(const uint8_t* p) { return p[0] > 120 && p[0] > p[1] + 60 && p[0] > p[2] + 60; }

class SidePanels : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(RenderTestGl_Open());
        RenderTestGl_PageState();
        Stdout([] { RenderTestGl_PrepareScreens({Prgm_Simple_Texture, Prgm_Simple_Font, Prgm_Mask_Texture}, {}); });
        ASSERT_NE(shader[Prgm_Mask_Texture], 0xFFFFFFFFu);
        RenderTestGl_ResetMatrices();
    }
    static void TearDownTestSuite() { RenderTestGl_Close(); }
    void SetUp() override
    {
        mFrameTimeMs = 16;
        RenderTestGl_Clear(0, 0, 0);
    }

    // One frame of a list on a cleared screen; its result.
    static Int08 ListFrame(Int32 side, UInt08 cursor, UInt08 moduleId, Int32 ms = 16)
    {
        mFrameTimeMs = ms;
        RenderTestGl_Clear(0, 0, 0);
        return side == 0 ? ShowLeftModuleList(cursor, moduleId) : ShowRightModuleList(cursor, moduleId);
    }
    static const ShowModuleListSideView& List(Int32 side) { return ShowModuleList_View()->side[side]; }
    // Closes a list whatever its state (lets a running step finish first).
    static void CloseList(Int32 side)
    {
        for (int i = 0; i < 100 && ListFrame(side, 0, 255) == 1; i++) {}
        ASSERT_EQ(List(side).preCursor, 255);
    }
    // Frames of a module on a cleared screen, the last one left on the screen.
    template <typename F>
    static void Frames(F f, int n, Int32 ms = 100)
    {
        mFrameTimeMs = ms;
        for (int i = 0; i < n; i++) {
            RenderTestGl_Clear(0, 0, 0);
            f();
        }
    }
};

const Int32 kLeftTitles[8] = {TGA_module_L0_text_clock, TGA_module_L0_text_weather, TGA_module_L0_text_trip,
                              TGA_module_L0_text_energy, TGA_module_L0_text_navigation, TGA_module_L0_text_status,
                              TGA_module_L0_text_media, TGA_module_L0_text_null};

// ---- Module lists ----------------------------------------------------------------------------

TEST_F(SidePanels, AListNeverOpenedLoadsNothing)
{
    for (UInt08 id : {(UInt08)0, (UInt08)4, (UInt08)255}) {
        EXPECT_EQ(ListFrame(0, 3, id), 0);
        EXPECT_EQ(ListFrame(1, 3, id), 0);
    }
    EXPECT_EQ(pngStatus[PNG_module_L0_icon_clock], 0);
    EXPECT_EQ(pngStatus[PNG_module_L0_decoration], 0);
    EXPECT_EQ(tgaStatus[TGA_module_L0_text_clock], 0);
}

TEST_F(SidePanels, ListOpensAtRestOnTheCursorClampedToTheLastEntry)
{
    struct Case { Int32 side; UInt08 cursor; UInt08 centre; Int32 above, below; };
    const Case cases[] = {
        {0, 0, 0, -1, 1}, {0, 3, 3, 2, 4}, {0, 7, 7, 6, -1}, {0, 200, 7, 6, -1},
        {1, 0, 0, -1, 1}, {1, 8, 8, 7, -1}, {1, 9, 8, 7, -1}, {1, 255, 8, 7, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "side " << c.side << " cursor " << (int)c.cursor);
        CloseList(c.side);
        ASSERT_EQ(ListFrame(c.side, c.cursor, 1), 1);
        const ShowModuleListSideView& v = List(c.side);
        EXPECT_EQ(v.preCursor, c.centre);
        EXPECT_EQ(v.currOffset, 0.0f) << "no slide on opening";
        EXPECT_EQ(v.quadEntry[0], c.above);
        EXPECT_EQ(v.quadEntry[1], c.centre);
        EXPECT_EQ(v.quadEntry[2], c.below);
        EXPECT_EQ(v.quadEntry[3], -1);
        EXPECT_FLOAT_EQ(v.quadInvAlpha[1], 0.0f);

        // The centre quad fills slot 2; an empty neighbour slot stays dark on the screen.
        const Int32 x = 223 + 1180 * c.side;
        EXPECT_EQ(v.quadRect[1].x, x);
        EXPECT_EQ(v.quadRect[1].y, 217);
        EXPECT_EQ(v.quadRect[1].w, 192);
        EXPECT_GT(Lit(Recti{x, 217 + 20, 192, 150}), 500) << "centre icon";
        const Recti above = {x + 40, 47 + 40, 112, 100}, below = {x + 40, 387 + 60, 112, 80};
        EXPECT_EQ(Lit(above) > 100, c.above >= 0) << "slot above";
        EXPECT_EQ(Lit(below) > 100, c.below >= 0) << "slot below";
    }
}

TEST_F(SidePanels, ASeveralEntryJumpSlidesOneEntryPerStepWithTheTitleFollowing)
{
    CloseList(0);
    ASSERT_EQ(ListFrame(0, 0, 1), 1);
    for (int i = 0; i < 30; i++) ListFrame(0, 0, 1);
    EXPECT_FLOAT_EQ(List(0).decInvAlpha, 0.0f) << "decoration faded in at rest";
    EXPECT_EQ(List(0).titleTga, kLeftTitles[0]);

    // Cursor jumps from 0 to 3: three steps, each faster than the next, title following each step.
    std::vector<int> framesPerStep;
    int frames = 0;
    UInt08 shown = 0;
    for (int i = 0; i < 200 && List(0).preCursor != 3; i++) {
        ASSERT_EQ(ListFrame(0, 3, 1), 1);
        const ShowModuleListSideView& v = List(0);
        frames++;
        ASSERT_LE(v.preCursor, 3);
        ASSERT_LE(v.preCursor - shown, 1) << "never skips an entry";
        EXPECT_EQ(v.titleTga, kLeftTitles[v.preCursor]) << "title of the centre entry";
        EXPECT_EQ(v.decorationDrawn, v.preCursor == 3) << "no decoration while sliding";
        if (v.preCursor != shown) {
            framesPerStep.push_back(frames);
            frames = 0;
            shown = v.preCursor;
        }
        if (v.preCursor < 3) {
            EXPECT_EQ(v.quadEntry[1], v.preCursor) << "moving up: centre entry in quad 1";
            EXPECT_EQ(v.quadEntry[3], v.preCursor + 2 <= 7 ? v.preCursor + 2 : -1);
        }
    }
    ASSERT_EQ(framesPerStep.size(), 3u);
    EXPECT_LT(framesPerStep[0], framesPerStep[1]);
    EXPECT_LT(framesPerStep[1], framesPerStep[2]);
    // One entry ahead: about 227 ms a step, 14 frames of 16 ms.
    EXPECT_NEAR(framesPerStep[2], 14, 2);
    // At rest on 3, decoration fading in again from the start.
    ListFrame(0, 3, 1);
    EXPECT_EQ(List(0).targetOffset, 0.0f);
    EXPECT_GT(List(0).decInvAlpha, 0.5f);
    EXPECT_EQ(List(0).titleTga, kLeftTitles[3]);

    // The other way: the icons move down, the centre entry sits in quad 2.
    ListFrame(0, 1, 1);
    ListFrame(0, 1, 1);
    EXPECT_EQ(List(0).quadEntry[2], 3);
    EXPECT_EQ(List(0).quadEntry[0], 1);
    EXPECT_GT(List(0).quadRect[2].y, 217) << "moved down the screen";
}

TEST_F(SidePanels, ConfirmingTheCentreEntryAcknowledgesOtherChoicesCloseAtOnce)
{
    struct Case { Int32 side; UInt08 cursor; UInt08 moduleId; bool acknowledged; };
    const Case cases[] = {
        {0, 2, MODULE_L_TRIP, true},   {0, 7, MODULE_L_NULL, true}, {0, 2, MODULE_L_CLOCK, false},
        {0, 2, 255, false},            {1, 2, MODULE_R_PHONE, true}, {1, 2, MODULE_R_TRIP, false},
        {1, 8, MODULE_R_NULL, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "side " << c.side << " cursor " << (int)c.cursor << " module "
                                        << (int)c.moduleId);
        CloseList(c.side);
        ListFrame(c.side, c.cursor, 1);
        ListFrame(c.side, c.cursor, 1);
        const Recti centre = {223 + 1180 * c.side + 40, 217 + 40, 112, 112};
        const double full = Brightness(centre);
        if (!c.acknowledged) {
            EXPECT_EQ(ListFrame(c.side, c.cursor, c.moduleId), 0) << "closes in the same call";
            EXPECT_EQ(List(c.side).preCursor, 255);
            EXPECT_EQ(Lit(Recti{223 + 1180 * c.side, 47, 192, 532}), 0);
            continue;
        }
        // 300 ms of acknowledgement in frames of 20 ms: dimmed for the first 150 ms.
        int drawnMs = 0;
        while (ListFrame(c.side, c.cursor, c.moduleId, 20) == 1 && drawnMs < 1000) {
            const ShowModuleListSideView& v = List(c.side);
            EXPECT_EQ(v.clickFeedback, 1);
            const bool dim = v.cfmDuration > 150;
            EXPECT_FLOAT_EQ(v.quadInvAlpha[1], dim ? 0.4f : 0.0f) << "at " << drawnMs << " ms";
            if (dim) {
                EXPECT_LT(Brightness(centre), full * 0.8);
            } else {
                EXPECT_NEAR(Brightness(centre), full, full * 0.05);
            }
            drawnMs += 20;
        }
        EXPECT_EQ(drawnMs, 280) << "the call that reaches 300 ms closes";
        EXPECT_EQ(List(c.side).preCursor, 255);
        EXPECT_EQ(ListFrame(c.side, c.cursor, c.moduleId), 0) << "stays closed";
    }
}

TEST_F(SidePanels, AClosingListFinishesTheRunningStepFirst)
{
    CloseList(0);
    ListFrame(0, 2, 1);
    ListFrame(0, 3, 1);  // a step towards 3 starts
    ASSERT_GT(List(0).currOffset, 0.0f);
    int frames = 0;
    while (ListFrame(0, 3, MODULE_L_CLOCK) == 1 && frames < 100) frames++;
    EXPECT_GT(frames, 3) << "drawn until the step completed";
    EXPECT_EQ(List(0).preCursor, 255);
}

TEST_F(SidePanels, RightDecorationIsShownAtOnceTheLeftOneFadesIn)
{
    CloseList(0);
    CloseList(1);
    ListFrame(0, 4, 1);
    const Image& dec = pngImg[PNG_module_L0_decoration];
    const Recti left = {dec.ltx, dec.lty, dec.w, dec.h}, right = {dec.ltx + 1180, dec.lty, dec.w, dec.h};
    ASSERT_GT(dec.w, 0);
    EXPECT_NEAR(List(0).decInvAlpha, 1.0f - 16 * 0.003f, 1e-4);
    const double leftEarly = Brightness(left);
    ListFrame(1, 4, 1);
    EXPECT_EQ(List(1).decorationDrawn, 1);
    const double rightAtOnce = Brightness(right);
    for (int i = 0; i < 30; i++) ListFrame(0, 4, 1);
    EXPECT_LT(leftEarly + 20, Brightness(left)) << "the decoration lies over the centre icon's edge";
    EXPECT_NEAR(rightAtOnce, Brightness(left), Brightness(left) * 0.1);
}

// ---- Trip computer ---------------------------------------------------------------------------

TEST_F(SidePanels, TripTextsWithOneDecimalAndDashesForAnInvalidAverage)
{
    struct Case { UInt32 trip; UInt16 time; UInt08 avg; UInt32 tripA; UInt32 odo; const char* t[5]; };
    const Case cases[] = {
        {7, 0, 255, 0, 0, {"0.7", "0", "---", "0.0", "0"}},
        {5, 59, 0, 10, 12345, {"0.5", "59", "0.0", "1.0", "12345"}},
        {123456, 5999, 254, 99999, 999999, {"12345.6", "5999", "25.4", "9999.9", "999999"}},
    };
    ShowModuleTrip(0, 255);
    for (const Case& c : cases) {
        TripSinceIGON = c.trip;
        TimeSinceIGON = c.time;
        AvgElectricCost = c.avg;
        TripASinceCharging = c.tripA;
        Odo = c.odo;
        Frames([] { ShowModuleTrip(0, MODULE_L_TRIP); }, 1);
        const ShowVehicleModulesView* v = ShowVehicleModules_View();
        for (int i = 0; i < 5; i++) EXPECT_EQ(Chars(v->tripTxt[i], v->tripLen[i]), c.t[i]) << "value " << i;
    }
}

TEST_F(SidePanels, TripFadesPicturesThenTextsAndSitsInItsPanel)
{
    struct Case { UInt08 type, id; Int32 offset; };
    for (const Case& c : {Case{0, MODULE_L_TRIP, 0}, Case{1, MODULE_R_TRIP, 1010}}) {
        SCOPED_TRACE(testing::Message() << "side " << (int)c.type);
        ShowModuleTrip(c.type, 255);
        Frames([&] { ShowModuleTrip(c.type, c.id); }, 1, 100);
        const ShowVehicleModulesView* v = ShowVehicleModules_View();
        EXPECT_NEAR(v->tripInvAlphaHead, 0.8f, 1e-4);
        EXPECT_FLOAT_EQ(v->tripInvAlphaBody, 1.0f);
        Frames([&] { ShowModuleTrip(c.type, c.id); }, 2, 100);
        EXPECT_NEAR(v->tripInvAlphaHead, 0.4f, 1e-4);
        EXPECT_NEAR(v->tripInvAlphaBody, 0.8f, 1e-4) << "texts start once the pictures are half visible";
        Frames([&] { ShowModuleTrip(c.type, c.id); }, 5, 100);
        EXPECT_EQ(v->tripOffset, c.offset);
        EXPECT_EQ(v->tripInvAlphaBody, 0.0f);
        const Image& bg = pngImg[PNG_module_trip_bg];
        EXPECT_GT(Lit(Recti{bg.ltx + c.offset, bg.lty, bg.w, bg.h}), 1000);
        EXPECT_EQ(Lit(Recti{bg.ltx + 1010 - c.offset, bg.lty, bg.w, bg.h}), 0) << "other panel empty";
    }
    ShowModuleTrip(1, 255);
}

// ---- Clock -----------------------------------------------------------------------------------

TEST_F(SidePanels, ClockHandsFollowTheTimeOfDay)
{
    struct Case { UInt16 t; float hour, minute; };
    const Case cases[] = {{0, 0, 0}, {210, -105, -180}, {930, -105, -180}, {59, -29, -354}, {1439, -359, -354}};
    for (const Case& c : cases) {
        SysTimeOfDayInMin = c.t;
        Frames([] { ShowModuleClock(0, MODULE_L_CLOCK); }, 1);
        EXPECT_FLOAT_EQ(ShowVehicleModules_View()->clockHour, c.hour) << c.t;
        EXPECT_FLOAT_EQ(ShowVehicleModules_View()->clockMinute, c.minute) << c.t;
    }
    // Pixels: the minute hand points up at 12:00 and down at 12:30, turning about (455, 355).
    EXPECT_EQ(ShowVehicleModules_View()->clockCentX, 455);
    const Recti belowCentre = {445, 385, 20, 60};
    SysTimeOfDayInMin = 0;
    Frames([] { ShowModuleClock(0, MODULE_L_CLOCK); }, 6);
    const double noon = Brightness(belowCentre);
    SysTimeOfDayInMin = 30;
    Frames([] { ShowModuleClock(0, MODULE_L_CLOCK); }, 1);
    EXPECT_GT(Brightness(belowCentre), noon + 20);
    // The right clock turns about its own centre.
    Frames([] { ShowModuleClock(1, MODULE_R_CLOCK); }, 6);
    EXPECT_EQ(ShowVehicleModules_View()->clockCentX, 455 + 1048);
    EXPECT_GT(Brightness(Recti{belowCentre.x + 1048, 385, 20, 60}), noon + 20);
    ShowModuleClock(0, 255);
    ShowModuleClock(1, 255);
}

// ---- Energy module ---------------------------------------------------------------------------

void ResetHistory()
{
    memset(EnergyCostP100m, 0, sizeof(EnergyCostP100m));
    EnergyCostIdx = EnergyCostIdx0 = 255;
}

TEST_F(SidePanels, NeedleAndArcFollowThePower)
{
    struct Case { Int16 power; float angle; Int32 arcVertices; Int08 positive; };
    const Case cases[] = {
        {0, 0.5f, 0, 0},     {200, 151.7f, 400, 1}, {250, 151.7f, 400, 1}, {100, 76.1f, 200, 1},
        {-50, -52.0f, 100, 0}, {-250, -52.0f, 100, 0}, {-20, -20.5f, 40, 0},
    };
    ResetHistory();
    ShowModuleEngCost(0, 255);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "power " << c.power);
        Power = c.power;
        Frames([] { ShowModuleEngCost(0, MODULE_L_ENG_COST); }, 60, 100);
        const ShowVehicleModulesView* v = ShowVehicleModules_View();
        EXPECT_NEAR(v->engPowerAngle, c.angle, 0.01);
        EXPECT_EQ(v->engArcVertices, c.arcVertices);
        if (c.arcVertices) {
            EXPECT_EQ(v->engArcPositive, c.positive);
        }
    }
    // The needle approaches by frame time / 200 of the way and never passes its target.
    Power = 0;
    Frames([] { ShowModuleEngCost(0, MODULE_L_ENG_COST); }, 60, 100);
    Power = 200;
    Frames([] { ShowModuleEngCost(0, MODULE_L_ENG_COST); }, 1, 50);
    EXPECT_NEAR(ShowVehicleModules_View()->engPowerAngle, 0.5f + 151.2f / 4, 0.01);

    // Pixels: the positive arc lights the top of the dial, the negative arc its lower right.
    const Recti top = {431, 391 - 195, 20, 12};
    const Recti lowerRight = {441 + 160, 391 + 80, 14, 14};  // about -28 degrees
    auto arcAt = [&](Int16 p) {
        Power = p;
        Frames([] { ShowModuleEngCost(0, MODULE_L_ENG_COST); }, 60, 100);
        return std::make_pair(Brightness(top), Brightness(lowerRight));
    };
    const auto none = arcAt(0), pos = arcAt(200), neg = arcAt(-50);
    EXPECT_GT(pos.first, none.first + 30);
    EXPECT_NEAR(pos.second, none.second, 5);
    EXPECT_GT(neg.second, none.second + 30);
    EXPECT_NEAR(neg.first, none.first, 5);
    ShowModuleEngCost(0, 255);
}

TEST_F(SidePanels, EnergyTurnsInFromEdgeOnEachTimeItAppears)
{
    Power = 0;
    ShowModuleEngCost(1, 255);
    Frames([] { ShowModuleEngCost(1, MODULE_R_ENG_COST); }, 1, 16);
    const ShowVehicleModulesView* v = ShowVehicleModules_View();
    EXPECT_NEAR(v->engTurnAngle, 90.0f * (1 - 16 * 0.002f), 0.01);
    EXPECT_EQ(v->engOffset, 1048);
    // The turn and the needle stay inside the module: both programs keep the page's matrix.
    for (Int32 prg : {(Int32)Prgm_Simple_Texture, (Int32)Prgm_Simple_Font}) {
        GLfloat mdv[16];
        glGetUniformfv(shader[prg], prg == Prgm_Simple_Texture ? Prgm_Simple_Texture_UNFM_Mdv : Prgm_Simple_Font_UNFM_Mdv,
                       mdv);
        for (int i = 0; i < 16; i++) EXPECT_FLOAT_EQ(mdv[i], mMdvMatStack.mat[0][i]) << "program " << prg << " [" << i << "]";
    }
    EXPECT_EQ(mMdvMatStack.idx, 0);
    const Image& bg = pngImg[PNG_module_energy_cost_bg];
    const Recti dial = {bg.ltx + 1048, bg.lty, bg.w, bg.h};
    const int edgeOn = Lit(dial);
    Frames([] { ShowModuleEngCost(1, MODULE_R_ENG_COST); }, 60, 100);
    EXPECT_EQ(v->engTurnAngle, 0.0f);
    EXPECT_GT(Lit(dial), edgeOn + 10000);
    ShowModuleEngCost(1, 255);
}

TEST_F(SidePanels, ConsumptionFigureFromTheNewestSample)
{
    struct Case { UInt08 sample; Int08 validIdx; const char* figure; };
    const Case cases[] = {
        {0, 0, "--"},   {130, 1, "50"}, {0, 1, "50"},   {50, 1, "-20"}, {60, 1, "-20"},
        {75, 1, "-5"},  {80, 1, "0"},   {139, 1, "59"}, {250, 1, "60"}, {0, 0, "60"},
    };
    ResetHistory();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "sample " << (int)c.sample);
        EnergyCostIdx = EnergyCostIdx0 = c.validIdx ? 0 : 255;
        EnergyCostP100m[0] = c.sample;
        Frames([] { ShowModuleEngCost(0, MODULE_L_ENG_COST); }, 1, 16);
        const ShowVehicleModulesView* v = ShowVehicleModules_View();
        EXPECT_EQ(Chars(v->engFigure, v->engFigureLen), c.figure);
    }
    ShowModuleEngCost(0, 255);
}

TEST_F(SidePanels, GraphShowsTheHistoryAndIsEmptyAfterAReset)
{
    // Edges: 1 lit, 0 dark, -1 not judged (one sample is a single row, a third of a pixel wide).
    struct Case { const char* name; Int32 samples; Int32 rows; int leftEdge, rightEdge; };
    const Case cases[] = {
        {"one sample", 1, 1, -1, 0},
        {"ten samples", 10, 82, 1, 0},
        {"a hundred samples", 100, 892, 1, 1},
        {"ring wrapped", 130, 892, 1, 1},
        {"history reset", 0, 0, 0, 0},
    };
    const Recti leftEdge = {275, 304, 12, 148}, rightEdge = {275 + 318 - 12, 304, 12, 148};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.samples == 0) {
            EnergyCostIdx = EnergyCostIdx0 = 255;  // the main board's history starts anew
        } else {
            ResetHistory();
            for (Int32 k = 0; k < c.samples; k++) {
                if (EnergyCostIdx == 255) EnergyCostIdx = EnergyCostIdx0 = 0;
                else {
                    EnergyCostIdx = (UInt08)((EnergyCostIdx + 1) % 100);
                    if (EnergyCostIdx == EnergyCostIdx0) EnergyCostIdx0 = (UInt08)((EnergyCostIdx0 + 1) % 100);
                }
                EnergyCostP100m[EnergyCostIdx] = 130;
            }
        }
        Frames([] { ShowModuleEngCost(0, MODULE_L_ENG_COST); }, 40, 100);
        const ShowVehicleModulesView* v = ShowVehicleModules_View();
        ASSERT_GE(v->engPoolIdx, 0);
        EXPECT_EQ(v->engGraphRows, c.rows);
        if (c.leftEdge >= 0) {
            EXPECT_EQ(Count(leftEdge, Orange) > 20, c.leftEdge == 1);
        }
        EXPECT_EQ(Count(rightEdge, Orange) > 20, c.rightEdge == 1);
        // The level (130 - 60 = 70 of 80) is the top of the filled band.
        if (c.rows > 0) {
            const UInt08* row = bmpPool[v->engPoolIdx];
            EXPECT_EQ(row[70], 255);
            EXPECT_EQ(row[71], 0);
            EXPECT_EQ(row[40], 200);
            EXPECT_EQ(row[41], 200);
            EXPECT_EQ(row[20], 100);
            if (c.rows < 892) {
                EXPECT_EQ(row[81 * c.rows + 70], 0) << "first row past the history is empty";
            }
        }
    }
    ShowModuleEngCost(0, 255);
}

// The render clean-up frees the pictures and the graph's buffer and texture while the module stays
// on: the next samples draw into a new buffer, and the dial's pictures load again.
TEST_F(SidePanels, EnergyComesBackAfterACleanUp)
{
    const Recti leftEdge = {275, 304, 12, 148};
    auto addSamples = [](Int32 n) {
        for (Int32 k = 0; k < n; k++) {
            if (EnergyCostIdx == 255) EnergyCostIdx = EnergyCostIdx0 = 0;
            else EnergyCostIdx = (UInt08)(EnergyCostIdx + 1);
            EnergyCostP100m[EnergyCostIdx] = 130;
        }
    };
    Power = 0;
    ResetHistory();
    addSamples(10);
    ShowModuleEngCost(0, 255);
    Frames([] { ShowModuleEngCost(0, MODULE_L_ENG_COST); }, 40, 100);
    // The dial's place is known once its picture has loaded.
    const Image& bg = pngImg[PNG_module_energy_cost_bg];
    const Recti dial = {bg.ltx, bg.lty, bg.w, bg.h};
    const int dialLit = Lit(dial);
    ASSERT_GT(dialLit, 10000);
    ASSERT_GT(Count(leftEdge, Orange), 20);

    Stdout([] {
        DestroyPngResources(0, PNG_NUM);
        DestroyBmpPoolResouces();
    });
    addSamples(10);
    Frames([] { ShowModuleEngCost(0, MODULE_L_ENG_COST); }, 2, 100);
    const ShowVehicleModulesView* v = ShowVehicleModules_View();
    EXPECT_EQ(v->engGraphRows, 9 * 19 + 1);
    EXPECT_EQ(v->engGraphDrawn, 1);
    EXPECT_GT(Count(leftEdge, Orange), 20);
    EXPECT_GT(Lit(dial), dialLit / 2);
    ShowModuleEngCost(0, 255);
}

// ---- Vehicle status --------------------------------------------------------------------------

struct Tyres {
    UInt08 pressure[4];
    UInt08 temperature[4];  // degrees + 60
    UInt08 bits;            // TireBits
};
void SetTyres(const Tyres& t)
{
    UInt08* p[4] = {&TirePressureLF, &TirePressureRF, &TirePressureLB, &TirePressureRB};
    UInt08* q[4] = {&TireTemperatureLF, &TireTemperatureRF, &TireTemperatureLB, &TireTemperatureRB};
    for (int k = 0; k < 4; k++) *p[k] = t.pressure[k], *q[k] = t.temperature[k];
    TireBits.value = t.bits;
}

TEST_F(SidePanels, TyrePressuresAndWarnings)
{
    memset(Indicator, 0, sizeof(Indicator));
    SetTyres({{25, 0, 255, 35}, {80, 80, 80, 80}, 0x40});  // rear-left pressure warned
    ShowModuleVehicleStatus(0, 255);
    ShowModuleVehicleStatus(1, 255);
    Frames([] { ShowModuleVehicleStatus(0, MODULE_L_VEHICLE_STATUS); }, 12, 100);
    const ShowVehicleModulesView* v = ShowVehicleModules_View();
    ASSERT_EQ(v->statusInvAlpha0, 0.0f);
    const char* texts[4] = {"2.5 Bar", "0 Bar", "---", "3.5 Bar"};
    for (int k = 0; k < 4; k++) {
        EXPECT_EQ(Chars(v->statusPressureTxt[k], v->statusPressureLen[k]), texts[k]) << k;
        EXPECT_EQ(v->statusPressureRed[k], k == 2) << k;
        EXPECT_EQ(v->statusTempLen[k], 0) << k;
    }
    EXPECT_EQ(v->statusDspState, 0x20);
    // The next frame shows the rear-left wheel in alarm, pulsing red; the others normal.
    Frames([] { ShowModuleVehicleStatus(0, MODULE_L_VEHICLE_STATUS); }, 1, 100);
    const Int32 wheels[4] = {PNG_module_vehicle_status_wheel_normal, PNG_module_vehicle_status_wheel_normal,
                             PNG_module_vehicle_status_wheel_alarm, PNG_module_vehicle_status_wheel_normal};
    for (int k = 0; k < 4; k++) EXPECT_EQ(v->statusWheel[k], wheels[k]) << k;
    const Image& w = pngImg[PNG_module_vehicle_status_wheel_normal];
    const Recti rearLeft = {w.ltx, w.lty + 199, w.w, w.h}, rearRight = {w.ltx + 119, w.lty + 199, w.w, w.h};
    // Half a period on, the overlay is at its strongest.
    Frames([] { ShowModuleVehicleStatus(0, MODULE_L_VEHICLE_STATUS); }, 4, 100);
    EXPECT_EQ(v->statusAlarmMs, 1000);
    EXPECT_GT(Count(rearLeft, Reddish), Count(rearRight, Reddish) + 50);
    Frames([] { ShowModuleVehicleStatus(0, MODULE_L_VEHICLE_STATUS); }, 11, 100);
    EXPECT_EQ(v->statusAlarmMs, 100) << "the pulse repeats every 2 s";
    // Warning gone: wheels no longer drawn once the state clears.
    SetTyres({{25, 25, 25, 25}, {80, 80, 80, 80}, 0});
    Frames([] { ShowModuleVehicleStatus(0, MODULE_L_VEHICLE_STATUS); }, 2, 100);
    EXPECT_EQ(v->statusDspState, 0);
    EXPECT_EQ(v->statusWheel[2], -1);
    ShowModuleVehicleStatus(0, 255);
}

TEST_F(SidePanels, HotTyreTemperatureWithHysteresis)
{
    struct Step { Int32 degrees; bool warned; bool shown; };
    const Step steps[] = {
        {84, true, false}, {85, true, true},  {83, true, true},   {82, true, true},  {81, true, false},
        {83, true, false}, {90, false, false}, {90, true, true},   {90, false, false},
    };
    ShowModuleVehicleStatus(0, 255);
    ShowModuleVehicleStatus(1, 255);
    Frames([] { ShowModuleVehicleStatus(1, MODULE_R_VEHICLE_STATUS); }, 12, 100);
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << s.degrees << " degrees, warning " << s.warned);
        SetTyres({{25, 25, 25, 25}, {80, (UInt08)(s.degrees + 60), 80, 80}, (UInt08)(s.warned ? 0x02 : 0)});
        Frames([] { ShowModuleVehicleStatus(1, MODULE_R_VEHICLE_STATUS); }, 1, 100);
        const ShowVehicleModulesView* v = ShowVehicleModules_View();
        EXPECT_EQ(v->statusTempLen[1] > 0, s.shown);
        EXPECT_EQ((v->statusDspState & 0x04) != 0, s.shown);
        if (s.shown) {
            ASSERT_EQ(v->statusTempLen[1], 5);
            EXPECT_EQ(Chars(v->statusTempTxt[1], 3), std::to_string(s.degrees) + " ");
            EXPECT_EQ(v->statusTempTxt[1][3], str_unit_temperature_idx[0]);
            EXPECT_EQ(v->statusTempTxt[1][4], str_unit_temperature_idx[1]);
            const Vec2i& a = txtPos[CTP_MdStatusTempRf];
            EXPECT_GT(Count(Recti{a.x + 1010, a.y - 16, 90, 32}, Reddish), 30) << "red, right of its anchor";
        }
    }
    ShowModuleVehicleStatus(1, 255);
}

TEST_F(SidePanels, StatusValuesSlideOutwardAfterTheCarFadedIn)
{
    SetTyres({{25, 25, 25, 25}, {80, 80, 80, 80}, 0});
    ShowModuleVehicleStatus(0, 255);
    ShowModuleVehicleStatus(1, 255);
    const ShowVehicleModulesView* v = ShowVehicleModules_View();
    struct Expect { int frames; float alpha0, alpha1; Int32 inner; };
    const Expect track[] = {{1, 0.85f, 1, 0}, {5, 0.1f, 1, 0}, {1, 0, 1, 0}, {1, 0, 0.6f, 48}, {1, 0, 0.2f, 16},
                            {1, 0, 0, 0}};
    for (const Expect& e : track) {
        Frames([] { ShowModuleVehicleStatus(0, MODULE_L_VEHICLE_STATUS); }, e.frames, 100);
        EXPECT_NEAR(v->statusInvAlpha0, e.alpha0, 1e-4);
        EXPECT_NEAR(v->statusInvAlpha1, e.alpha1, 1e-4);
        EXPECT_NEAR(v->statusInnerOffset, e.inner, 1);
    }
    // Shown on the other side as well: no new fade while one side still shows it.
    Frames([] { ShowModuleVehicleStatus(1, MODULE_R_VEHICLE_STATUS); }, 1, 100);
    EXPECT_EQ(v->statusInvAlpha0, 0.0f);
    ShowModuleVehicleStatus(0, 255);
    ShowModuleVehicleStatus(1, 255);
}

}  // namespace

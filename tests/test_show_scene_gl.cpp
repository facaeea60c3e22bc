// The driving scene, the parking radar and parked car, and the driving overlays on a real GL
// context (software Mesa), frame by frame with a driven frame time: the geometry and the pictures
// each element chose, read from its view, and where its drawing lands, read back from the
// framebuffer.
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
#include "OrvRender/Res_Model.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Shader.h"
#include "OrvRender/Res_Tga.h"
#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Screens/Show.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "lib/OrvMatrix.h"
#include "support/RenderTestGl.h"
#include "support/StdoutCapture.h"

namespace {

// Lit (not black) pixels of a screen rectangle.
int LitCount(const Recti& r)
{
    std::vector<uint8_t> px = RenderTestGl_Read(r.x, r.y, r.w, r.h);
    int n = 0;
    for (int i = 0; i < r.w * r.h; i++) n += (px[i * 4] | px[i * 4 + 1] | px[i * 4 + 2]) > 24;
    return n;
}

// Mean colour of the lit pixels of a rectangle (r, g, b), zeros when none.
std::vector<double> MeanLit(const Recti& r)
{
    std::vector<uint8_t> px = RenderTestGl_Read(r.x, r.y, r.w, r.h);
    std::vector<double> sum(3, 0.0);
    int n = 0;
    for (int i = 0; i < r.w * r.h; i++) {
        const uint8_t* p = &px[i * 4];
        if ((p[0] | p[1] | p[2]) <= 24) continue;
        for (int c = 0; c < 3; c++) sum[c] += p[c];
        n++;
    }
    for (double& s : sum) s = n ? s / n : 0.0;
    return sum;
}

class SceneGl : public ::testing::Test {
protected:
    // Once per process: the radar's suite derives from this one and shares its context and resources.
    static void SetUpTestSuite()
    {
        static bool ready = false;
        if (ready) return;
        ready = true;
        ASSERT_TRUE(RenderTestGl_Open());
        RenderTestGl_PageState();
        Stdout([] {
            std::vector<Int32> every;
            for (Int32 id = 0; id < Prgm_Num; id++) every.push_back(id);
            RenderTestGl_PrepareScreens(every, {Style_SiYuan_R, Style_SiYuan_M});
        });
        ASSERT_NE(shader[Prgm_Model_Ads], 0xFFFFFFFFu);
        RenderTestGl_ResetMatrices();
    }
    void SetUp() override
    {
        memset(Indicator, 0, sizeof(Indicator));
        ClearRoad();
        mFrameTimeMs = 0;
        RenderTestGl_Clear(0, 0, 0);
    }
    static void ClearRoad()
    {
        TrafficLaneParam0_LL = TrafficLaneParam0_L = TrafficLaneParam0_R = TrafficLaneParam0_RR = 0;
        TrafficLaneParam1 = TrafficLaneParam2 = TrafficLaneParam3 = 0;
        TrafficLaneStatus_LL = TrafficLaneStatus_L = TrafficLaneStatus_R = TrafficLaneStatus_RR = 0;
        LaneLength_LL = LaneLength_L = LaneLength_R = LaneLength_RR = 0;
        ForwardVehicleData0.value = ForwardVehicleData1.value = ForwardVehicleData2.value = ForwardVehicleData3.value = 0;
        ForwardVehicle1X = ForwardVehicle2X = ForwardVehicle3X = ForwardVehicle4X = ForwardVehicle5X = ForwardVehicle6X = 0;
        ForwardVehicle1Y = ForwardVehicle2Y = ForwardVehicle3Y = ForwardVehicle4Y = ForwardVehicle5Y = ForwardVehicle6Y = 0;
        ACCstate = 0;
    }
    // One frame of the scene, after frames enough for the one-time fade-in of the lines.
    static const ShowDrivingSceneView* Scene(Int32 ms = 0)
    {
        mFrameTimeMs = ms;
        RenderTestGl_Clear(0, 0, 0);
        ShowTrafficLines();
        return ShowDrivingScene_View();
    }
    static void SettleScene()
    {
        for (int i = 0; i < 6; i++) Scene(100);
    }
};

// ---- Driving scene: lane lines --------------------------------------------------------------

TEST_F(SceneGl, LaneLinesFollowThePolynomialTheirLengthAndTheRoad)
{
    SettleScene();
    EXPECT_EQ(ShowDrivingScene_View()->laneInvAlpha, 0.0f) << "the lines have faded in";
    struct Case {
        const char* what;
        Int08 c0;
        Int16 c1, c2, c3;
        UInt08 status, length;
        Int32 points;     // expected strip length
        float firstX;     // scene x of the first point
        float lastX;      // scene x of the last point (NAN: not checked)
        float alpha;      // the style's alpha at the first point
    };
    const Case cases[] = {
        {"straight at 1.8 m", 18, 0, 0, 0, 1, 60, 125, 3.024f, 3.024f, 0.5f},
        {"straight to the left", -18, 0, 0, 0, 9, 60, 125, -3.024f, -3.024f, 0.8f},
        {"length 0 still draws behind the car", 18, 0, 0, 0, 3, 0, 21, 3.024f, 3.024f, 0.3f},
        {"beyond the last sample", 0, 0, 0, 0, 7, 200, 151, 0.0f, 0.0f, 1.0f},
        {"leaves the road at 10 m", 70, 100, 0, 0, 5, 200, 38, 1.68f * (7.0f - 1.188f), NAN, 1.0f},
        {"curves right off the road at 28 m", 0, 0, 100, 0, 1, 60, 70, 1.68f * 0.01f * 11.88f * 11.88f, NAN, 0.5f},
        {"starts off the road", 90, 0, 0, 0, 1, 60, 0, 0, 0, 0},
        {"status 0", 18, 0, 0, 0, 0, 60, 0, 0, 0, 0},
        {"status 11", 18, 0, 0, 0, 11, 60, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TrafficLaneParam0_R = c.c0;
        TrafficLaneParam1 = c.c1;
        TrafficLaneParam2 = c.c2;
        TrafficLaneParam3 = c.c3;
        TrafficLaneStatus_R = c.status;
        LaneLength_R = c.length;
        const ShowDrivingSceneView* v = Scene(16);
        ASSERT_EQ(v->linePoints[2], c.points);
        EXPECT_EQ(v->linePoints[0] + v->linePoints[1] + v->linePoints[3], 0) << "the other lines are off";
        if (c.points == 0) continue;
        EXPECT_NEAR(v->lineX[2][0], c.firstX, 1e-3);
        if (!std::isnan(c.lastX)) {
            EXPECT_NEAR(v->lineX[2][c.points - 1], c.lastX, 1e-3);
        }
        for (int k = 0; k < c.points; k++)
            if (std::fabs(v->lineX[2][k]) > 1.68f * 8.0f + 1e-3f) ADD_FAILURE() << "point " << k << " off the road";
        // The alpha ramp over the points kept: full at the near end, nothing at the far end.
        EXPECT_NEAR(v->lineAlpha[2][0], c.alpha, 1e-4);
        EXPECT_EQ(v->lineAlpha[2][c.points - 1], 0.0f);
        int mid = (c.points - 1) / 2;
        EXPECT_NEAR(v->lineAlpha[2][mid], c.alpha * (c.points - 1 - mid) / (c.points - 1), 1e-4);
        // Points step 0.5792 m ahead.
        EXPECT_NEAR(v->lineY[2][1] - v->lineY[2][0], 86.88f / 150, 1e-4);
    }
}

TEST_F(SceneGl, DashedLinesShowTenPointsOnAndTenOff)
{
    SettleScene();
    TrafficLaneStatus_L = 2;
    TrafficLaneParam0_L = -18;
    LaneLength_L = 200;
    const ShowDrivingSceneView* v = Scene(16);
    ASSERT_EQ(v->linePoints[1], 151);
    std::vector<std::pair<int, int>> runs;
    for (int k = 0; k < 151; k++) {
        if (v->lineAlpha[1][k] <= 0.0f) continue;
        if (runs.empty() || runs.back().second != k - 1) runs.push_back({k, k});
        else runs.back().second = k;
    }
    ASSERT_EQ(runs.size(), 8u);
    for (size_t r = 0; r < runs.size(); r++) {
        EXPECT_EQ(runs[r].first, (int)r * 20);
        EXPECT_EQ(runs[r].second, (int)r * 20 + 9);
    }
}

// A straight road puts its two lines symmetrically about the screen's middle, near the car wider
// apart than far ahead: the scene's perspective, not the cluster's flat one.
TEST_F(SceneGl, StraightLinesLandSymmetricallyInPerspective)
{
    SettleScene();
    TrafficLaneParam0_L = -18;
    TrafficLaneParam0_R = 18;
    TrafficLaneStatus_L = TrafficLaneStatus_R = 9;
    LaneLength_L = LaneLength_R = 70;
    Scene(16);
    auto litColumns = [](int y) {
        std::vector<uint8_t> px = RenderTestGl_Read(0, y, 1920, 1);
        std::vector<int> xs;
        for (int x = 0; x < 1920; x++)
            if (px[x * 4] > 60) xs.push_back(x);
        return xs;
    };
    int widthNear = 0, widthFar = 0;
    for (int y : {560, 380}) {
        SCOPED_TRACE(y);
        std::vector<int> xs = litColumns(y);
        ASSERT_FALSE(xs.empty()) << "the lines cross this row";
        EXPECT_LT(xs.front(), 960);
        EXPECT_GT(xs.back(), 960);
        EXPECT_NEAR(960 - xs.front(), xs.back() - 959, 3) << "symmetric";
        (y == 560 ? widthNear : widthFar) = xs.back() - xs.front();
    }
    EXPECT_GT(widthNear, widthFar + 50) << "the lines converge ahead";
    EXPECT_EQ(mPrjMatStack.idx, 0) << "projection popped";
    EXPECT_EQ(mMdvMatStack.idx, 0) << "model-view popped";
    GLfloat fovy;
    GetPerspectiveParameters(&fovy, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(fovy, 10.0f) << "the cluster's perspective is back";
}

// ---- Driving scene: vehicles ahead ----------------------------------------------------------

TEST_F(SceneGl, VehiclesByCodeAndPlace)
{
    SettleScene();
    struct Case {
        const char* what;
        UInt08 d0, d1, d2, d3;
        Int08 x1, x6;
        std::vector<Int32> slots, models, pngs;
        float x;  // scene x of the first vehicle drawn
    };
    const Case cases[] = {
        {"car, red, at the right edge", 0x09, 0, 0, 0, 80, 0, {1}, {VBO_CarMedium}, {PNG_uv_TexCarMedium_Red}, 13.44f},
        {"truck, gray, at the left edge", 0x04, 0, 0, 0, -80, 0, {1}, {VBO_CarLarge}, {PNG_uv_TexCarLarge_Gray}, -13.44f},
        {"just right of the range", 0x09, 0, 0, 0, 81, 0, {}, {}, {}, 0},
        {"just left of the range", 0x09, 0, 0, 0, -81, 0, {}, {}, {}, 0},
        {"colour 0", 0x01, 0, 0, 0, 0, 0, {}, {}, {}, 0},
        {"colour 5", 0x15, 0, 0, 0, 0, 0, {}, {}, {}, 0},
        {"model 3", 0x0B, 0, 0, 0, 0, 0, {}, {}, {}, 0},
        {"two-wheeler, yellow, slot 6", 0, 0, 0x80, 0x20, 0, 10, {6}, {VBO_CarSmall}, {PNG_uv_TexCarSmall_Yellow}, 1.68f},
        {"six at once", 0x6D, 0x6D, 0x6D, 0x15, 0, 0, {1, 2, 3, 4, 5, 6},
         {VBO_CarMedium, VBO_CarMedium, VBO_CarMedium, VBO_CarMedium, VBO_CarMedium, VBO_CarMedium},
         {PNG_uv_TexCarMedium_Blue, PNG_uv_TexCarMedium_Blue, PNG_uv_TexCarMedium_Blue, PNG_uv_TexCarMedium_Blue,
          PNG_uv_TexCarMedium_Blue, PNG_uv_TexCarMedium_Blue}, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClearRoad();
        ForwardVehicleData0.value = c.d0;
        ForwardVehicleData1.value = c.d1;
        ForwardVehicleData2.value = c.d2;
        ForwardVehicleData3.value = c.d3;
        ForwardVehicle1X = c.x1;
        ForwardVehicle6X = c.x6;
        ForwardVehicle1Y = ForwardVehicle2Y = ForwardVehicle3Y = 30;
        ForwardVehicle4Y = ForwardVehicle5Y = ForwardVehicle6Y = 30;
        const ShowDrivingSceneView* v = Scene(16);
        ASSERT_EQ(v->vehicleNum, (Int32)c.slots.size());
        for (size_t i = 0; i < c.slots.size(); i++) {
            EXPECT_EQ(v->vehicles[i].slot, c.slots[i]);
            EXPECT_EQ(v->vehicles[i].model, c.models[i]);
            EXPECT_EQ(v->vehicles[i].png, c.pngs[i]);
        }
        if (!c.slots.empty()) {
            EXPECT_NEAR(v->vehicles[0].x, c.x, 1e-4);
        }
    }
}

// A vehicle turns with the lane's slope at its distance and shows on the screen where it stands.
TEST_F(SceneGl, VehiclesTurnWithTheLaneAndAreDrawn)
{
    SettleScene();
    ForwardVehicleData0.value = 0x0D;  // car, blue
    ForwardVehicle1Y = 25;
    struct Case { Int16 c1, c2; float rot; };
    const Case cases[] = {
        {0, 0, 0.0f},
        {100, 0, atanf(1.68f * 0.1f) * 57.29578f},
        {0, 50, atanf(1.68f * 2 * 50 * 25 / 10000.0f) * 57.29578f},
        {-100, 0, -atanf(1.68f * 0.1f) * 57.29578f},
    };
    for (const Case& c : cases) {
        TrafficLaneParam1 = c.c1;
        TrafficLaneParam2 = c.c2;
        const ShowDrivingSceneView* v = Scene(16);
        ASSERT_EQ(v->vehicleNum, 1);
        EXPECT_NEAR(v->vehicles[0].rot, c.rot, 1e-3) << c.c1 << " " << c.c2;
    }
    TrafficLaneParam1 = TrafficLaneParam2 = 0;
    Scene(16);
    const Recti middle = {860, 250, 200, 200};
    int lit = LitCount(middle);
    EXPECT_GT(lit, 500) << "the car stands in the middle of the road";
    std::vector<double> mean = MeanLit(middle);
    EXPECT_GT(mean[2], mean[0] + 20) << "and is blue";
    ForwardVehicleData0.value = 0;
    Scene(16);
    EXPECT_EQ(LitCount(middle), 0) << "no vehicle, nothing there";
}

// ---- Driving scene: lane-assist marker ------------------------------------------------------

TEST_F(SceneGl, LaneAssistMarkerFadesWithItsState)
{
    SettleScene();
    struct Step { UInt08 state; Int32 ms; Int32 png; float invAlpha; };
    const Step steps[] = {
        {1, 100, PNG_lane_assist_left, 0.9f},          // a new image starts hidden
        {1, 400, PNG_lane_assist_left, 0.5f},
        {1, 600, PNG_lane_assist_left, 0.0f},          // in after 1000 ms and stays
        {3, 100, PNG_lane_assist_right, 0.9f},         // another state replaces the image at once
        {3, 900, PNG_lane_assist_right, 0.0f},
        {0, 100, PNG_lane_assist_right, 0.1f},         // back to 0: the last image fades out
        {0, 500, PNG_lane_assist_right, 0.6f},
        {0, 400, -1, 1.0f},
        {0, 100, -1, 1.0f},
        {5, 100, -1, 0.1f},                            // above 4: nothing
        {4, 100, PNG_lane_assist_right_alarm, 0.9f},
    };
    for (const Step& s : steps) {
        ACCstate = s.state;
        const ShowDrivingSceneView* v = Scene(s.ms);
        EXPECT_EQ(v->markerPng, s.png) << (int)s.state;
        EXPECT_NEAR(v->markerInvAlpha, s.invAlpha, 1e-4) << (int)s.state;
    }
    // Drawn where its picture belongs.
    Scene(1000);
    const Image& img = pngImg[PNG_lane_assist_right_alarm];
    EXPECT_GT(LitCount(Recti{img.ltx, img.lty, img.w, img.h}), img.w * img.h / 20);
}

// ---- Parking radar --------------------------------------------------------------------------

class RadarGl : public SceneGl {
protected:
    void SetUp() override
    {
        SceneGl::SetUp();
        VehicleColorCfg = VehicleColor_White;
        RadarDistance = 0;
        for (UInt08* s : Spacings()) *s = 255;
        for (UInt08* c : Codes()) *c = 0;
        ShowBackingCar(0, 0, 0);
    }
    static std::vector<UInt08*> Spacings()
    {
        return {&RadarSpacingF0, &RadarSpacingF1, &RadarSpacingF2, &RadarSpacingF3, &RadarSpacingF4, &RadarSpacingF5,
                &RadarSpacingB0, &RadarSpacingB1, &RadarSpacingB2, &RadarSpacingB3, &RadarSpacingB4, &RadarSpacingB5};
    }
    static std::vector<UInt08*> Codes()
    {
        return {&RadarColorF0, &RadarColorF1, &RadarColorF2, &RadarColorF3, &RadarColorF4, &RadarColorF5,
                &RadarColorB0, &RadarColorB1, &RadarColorB2, &RadarColorB3, &RadarColorB4, &RadarColorB5};
    }
    // Frames of ms each with the view shown at a priority; the view of the last.
    static const ShowParkingView* Radar(UInt08 priority, Int32 ms, int frames = 1)
    {
        mFrameTimeMs = ms;
        for (int i = 0; i < frames; i++) {
            RenderTestGl_Clear(0, 0, 0);
            ShowBackingCar(1, BackType_D, priority);
        }
        return ShowParking_View();
    }
    // Pixels of a rectangle that are clearly red, yellow or green (the sector colours).
    static int Colored(const Recti& r, bool red)
    {
        std::vector<uint8_t> px = RenderTestGl_Read(r.x, r.y, r.w, r.h);
        int n = 0;
        for (int i = 0; i < r.w * r.h; i++) {
            const uint8_t* p = &px[i * 4];
            n += red ? (p[0] > 80 && p[1] < 30 && p[2] < 30) : (p[1] > 80 && p[2] < 40);
        }
        return n;
    }
};

// Column of the arc: sector k at 22k..22k+5, the gap after it 22k+6..22k+21 (g = 1..16).
int Sector(int k, int m = 0) { return 22 * k + m; }
int Gap(int k, int g) { return 22 * k + 5 + g; }

TEST_F(RadarGl, EmptyRadarDrawsBandsOfNoWidth)
{
    const ShowParkingView* v = Radar(1, 100, 8);
    ASSERT_EQ(v->arcDrawn[1], 1);
    for (int c = 0; c < SHOW_RADAR_COLUMNS; c++) EXPECT_EQ(v->arcRate[1][c], 1.0f) << c;
    // The band below the rear half, where the arc opens.
    const Image& car = pngImg[PNG_radar_car_rear_white];
    const Recti arc = {405 - 245, car.lty + car.h, 490, 158 + 245 - (car.lty + car.h)};
    ASSERT_GT(arc.h, 40);
    EXPECT_EQ(Colored(arc, true) + Colored(arc, false), 0) << "nothing to see";
    RadarSpacingB2 = 40;
    RadarColorB2 = 3;
    Radar(1, 16);
    EXPECT_GT(Colored(arc, false), 100) << "while an obstacle shows green";
}

TEST_F(RadarGl, NearSensorFillsItsSectorAndFadesIntoTheGaps)
{
    RadarSpacingB2 = 0;
    RadarColorB2 = 1;
    const ShowParkingView* v = Radar(1, 100, 8);
    ASSERT_EQ(v->arcDrawn[1], 1);
    for (int m = 0; m < 6; m++) {
        EXPECT_EQ(v->arcRate[1][Sector(2, m)], 0.0f);
        EXPECT_EQ(v->arcAlpha[1][Sector(2, m)], 1.0f);
        EXPECT_NEAR(v->arcColor[1][Sector(2, m)][0], 0.9f, 1e-6);
    }
    struct Case { int col; float alpha; };
    const Case cases[] = {
        {Gap(1, 1), 0.0f}, {Gap(1, 8), 0.0f}, {Gap(1, 9), 0.0f}, {Gap(1, 13), 0.5f}, {Gap(1, 16), 7 / 8.0f},
        {Gap(2, 1), 1.0f}, {Gap(2, 4), 5 / 8.0f}, {Gap(2, 8), 1 / 8.0f}, {Gap(2, 9), 0.0f}, {Gap(2, 16), 0.0f},
        {Sector(1), 1.0f - 1.0f / 1.5f}, {Sector(3), 1.0f - 1.0f / 1.5f},  // clear: a band of no width
    };
    for (const Case& c : cases) EXPECT_NEAR(v->arcAlpha[1][c.col], c.alpha, 1e-5) << "column " << c.col;
    for (int k : {0, 1, 3, 4, 5}) EXPECT_EQ(v->arcRate[1][Sector(k)], 1.0f) << k;

    // Red at the third place from the left below the rear half, nothing at the ends.
    const double a = 75.0 * M_PI / 180;  // middle of sector 2
    const int x = (int)(405 - 200 * cos(a)), y = (int)(158 + 200 * sin(a));
    EXPECT_GT(Colored(Recti{x - 15, y - 15, 30, 30}, true), 200);
    EXPECT_EQ(Colored(Recti{405 - 245, 158, 60, 60}, true), 0) << "sensor 0 clear";
    EXPECT_EQ(Colored(Recti{405 + 185, 158, 60, 60}, true), 0) << "sensor 5 clear";
}

TEST_F(RadarGl, NeighboursWithObstaclesBlendWithACosineProfile)
{
    RadarSpacingB1 = 40;
    RadarColorB1 = 1;
    RadarSpacingB2 = 120;
    RadarColorB2 = 3;
    const ShowParkingView* v = Radar(1, 100, 8);
    const float r1 = 40 / 169.0f, r2 = 120 / 169.0f;
    float prev = r1;
    for (int g = 1; g <= 16; g++) {
        SCOPED_TRACE(g);
        float r = v->arcRate[1][Gap(1, g)];
        EXPECT_GT(r, prev) << "widens steadily from the nearer sensor";
        EXPECT_LT(r, r2);
        EXPECT_NEAR(r + v->arcRate[1][Gap(1, 17 - g)], r1 + r2, 1e-5) << "symmetric about the gap's middle";
        EXPECT_NEAR(v->arcAlpha[1][Gap(1, g)], 1.0f - r / 1.5f, 1e-5);
        EXPECT_NEAR(v->arcColor[1][Gap(1, g)][0] + v->arcColor[1][Gap(1, 17 - g)][0], 0.9f + 0.08f, 1e-5);
        prev = r;
    }
    EXPECT_LT(v->arcRate[1][Gap(1, 2)] - r1, 0.02f) << "flat near the sensors: a cosine, not a line";
}

TEST_F(RadarGl, OutOfRangeReadingsCountAsClear)
{
    struct Case { UInt08 spacing, code; float rate; };
    const Case cases[] = {
        {141, 2, 1.0f}, {140, 2, 140 / 169.0f}, {50, 4, 1.0f}, {50, 0, 1.0f}, {50, 7, 50 / 169.0f}, {255, 1, 1.0f},
    };
    for (const Case& c : cases) {
        RadarSpacingB3 = c.spacing;
        RadarColorB3 = c.code;
        EXPECT_NEAR(Radar(1, 16)->arcRate[1][Sector(3)], c.rate, 1e-6) << (int)c.spacing << " code " << (int)c.code;
    }
}

TEST_F(RadarGl, DistanceTexts)
{
    struct Case { UInt16 distance; std::vector<UInt32> txt; Int32 style; Int08 unit; };
    const Case cases[] = {
        {0, {}, 0, 0},
        {1, {str_radar_info_stop_idx[0], str_radar_info_stop_idx[1]}, 1, 0},
        {35, {(UInt32)GetAssicIdx('3'), (UInt32)GetAssicIdx('5')}, 0, 1},
        {100, {(UInt32)GetAssicIdx('1'), (UInt32)GetAssicIdx('0'), (UInt32)GetAssicIdx('0')}, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.distance);
        RadarDistance = c.distance;
        const ShowParkingView* v = Radar(1, 16);
        EXPECT_EQ(std::vector<UInt32>(v->distTxt, v->distTxt + v->distLen), c.txt);
        if (c.txt.empty()) continue;
        EXPECT_EQ(v->distStyle, c.style);
        EXPECT_EQ(v->distUnit, c.unit);
        EXPECT_GT(LitCount(Recti{300, 410, 200, 80}), 100) << "text around (400, 450)";
        if (c.distance == 1) {
            EXPECT_GT(Colored(Recti{300, 410, 200, 80}, true), 50) << "the stop message is red";
        }
    }
}

TEST_F(RadarGl, PrioritySwitchReplaysTheSlideOfTheShownEnd)
{
    RadarSpacingF2 = RadarSpacingB2 = 0;
    RadarColorF2 = RadarColorB2 = 1;
    const ShowParkingView* v = Radar(0, 100, 8);
    EXPECT_EQ(v->radarFrontPng, PNG_radar_car_front_white);
    EXPECT_EQ(v->radarRearPng, -1);
    EXPECT_EQ(v->arcDrawn[0], 1);
    EXPECT_EQ(v->arcDrawn[1], 0);
    // The front arc follows its car half 552 pixels to the left: sector 2 is red near x 343.
    EXPECT_GT(Colored(Recti{300, 300, 100, 120}, true), 200);
    EXPECT_EQ(Colored(Recti{850, 300, 100, 120}, true), 0);

    struct Step { Int32 ms; bool arc; };
    const Step steps[] = {{100, false}, {500, false}, {60, false}, {10, true}};
    for (const Step& s : steps) {
        v = Radar(1, s.ms);
        EXPECT_EQ(v->radarFrontPng, -1);
        EXPECT_EQ(v->radarRearPng, PNG_radar_car_rear_white);
        EXPECT_EQ(v->arcDrawn[0], 0);
        EXPECT_EQ(v->arcDrawn[1], s.arc) << "after " << s.ms;
        if (!s.arc) {
            EXPECT_LT(v->radarRearY, pngImg[PNG_radar_car_rear_white].lty) << "dropping from above";
        }
    }
    EXPECT_EQ(v->radarRearY, pngImg[PNG_radar_car_rear_white].lty);
}

// ---- Parked car -----------------------------------------------------------------------------

TEST_F(RadarGl, ParkedCarDoorsAndColours)
{
    struct Case { UInt08 cfg, doors; std::vector<Int32> pngs; };
    const Case cases[] = {
        {VehicleColor_AllRed, 0x21, {PNG_parking_car_all_red_base, PNG_parking_car_all_red_trunk_open,
                                     PNG_parking_car_red_lfdoor_open, PNG_parking_car_red_lbdoor_close,
                                     PNG_parking_car_red_enginetop_close, PNG_parking_car_red_rfdoor_close,
                                     PNG_parking_car_red_rbdoor_close, PNG_parking_car_red_chargeport_close}},
        {VehicleColor_Silver, 0x1E, {PNG_parking_car_gray_base, PNG_parking_car_gray_trunk_close,
                                     PNG_parking_car_gray_lfdoor_close, PNG_parking_car_gray_lbdoor_open,
                                     PNG_parking_car_gray_enginetop_open, PNG_parking_car_gray_rfdoor_open,
                                     PNG_parking_car_gray_rbdoor_open, PNG_parking_car_gray_chargeport_close}},
        {VehicleColor_SkyBlue, 0x00, {PNG_parking_car_white_base, PNG_parking_car_white_trunk_close,
                                      PNG_parking_car_white_lfdoor_close, PNG_parking_car_white_lbdoor_close,
                                      PNG_parking_car_white_enginetop_close, PNG_parking_car_white_rfdoor_close,
                                      PNG_parking_car_white_rbdoor_close, PNG_parking_car_white_chargeport_close}},
    };
    for (const Case& c : cases) {
        VehicleColorCfg = c.cfg;
        Indicator[5].value = c.doors;
        mFrameTimeMs = 16;
        ShowParkingCar(1, 0);
        const ShowParkingView* v = ShowParking_View();
        EXPECT_EQ(std::vector<Int32>(v->parkedPng, v->parkedPng + v->parkedNum), c.pngs) << (int)c.cfg;
    }
    Indicator[0].value = 0x80;
    ShowParkingCar(1, 0);
    EXPECT_EQ(ShowParking_View()->parkedPng[1], PNG_parking_car_white_camer) << "the camera over the base";
    ShowParkingCar(0, 0);
}

TEST_F(RadarGl, ParkedCarGlidesInWithRollingWheelsThenSteers)
{
    ShowParkingCar(0, 0);
    FrontWheelRotState = FrontWheelRot_L2;
    const Image& ref = pngImg[PNG_parking_car_blue_base];
    struct Step { Int32 ms; Int32 moveMs; Int32 roll; };
    const Step steps[] = {{100, 900, 2}, {50, 950, 7}, {60, 1000, -1}, {100, 1000, -1}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.moveMs);
        mFrameTimeMs = s.ms;
        ShowParkingCar(1, 0);
        const ShowParkingView* v = ShowParking_View();
        EXPECT_EQ(v->parkedMoveMs, s.moveMs);
        EXPECT_EQ(v->parkedXOffset, (Int32)((1 - sin(s.moveMs * 0.09 * M_PI / 180)) * (1920 + ref.w - ref.ltx)));
        if (s.roll >= 0) {
            ASSERT_EQ(v->parkedWheelNum, 3);
            EXPECT_EQ(v->parkedWheel[1], PNG_rolling_00 + s.roll);
            EXPECT_EQ(v->parkedWheel[2], PNG_rolling_11 - s.roll);
        } else {
            ASSERT_EQ(v->parkedWheelNum, 1);
            EXPECT_EQ(v->parkedWheel[0], PNG_parking_car_wheel_l45);
        }
        EXPECT_NEAR(v->parkedScale, 0.69f, 1e-6);
    }
    // The power-off page: the car grows to full size over 310 ms, fading in from transparent.
    mFrameTimeMs = 100;
    ShowParkingCar(1, 1);
    EXPECT_NEAR(ShowParking_View()->parkedScale, 0.79f, 1e-5);
    EXPECT_NEAR(ShowParking_View()->parkedInvAlpha, 1 - 0.79f, 1e-5);
    for (int i = 0; i < 3; i++) ShowParkingCar(1, 1);
    EXPECT_EQ(ShowParking_View()->parkedScale, 1.0f);
    EXPECT_EQ(ShowParking_View()->parkedInvAlpha, 0.0f);
    FrontWheelRotState = 9;
    ShowParkingCar(1, 1);
    EXPECT_EQ(ShowParking_View()->parkedWheelNum, 0) << "an unknown angle draws no wheel";
    FrontWheelRotState = 0;
    ShowParkingCar(0, 0);
}

// ---- Driving overlays -----------------------------------------------------------------------

TEST_F(SceneGl, CruiseDigitsAndPlaces)
{
    struct Case { UInt08 state, speed; std::vector<UInt32> txt; Int32 x, y; };
    const Case cases[] = {
        {1, 5, {(UInt32)GetAssicIdx('5')}, 822, 181},
        {2, 45, {(UInt32)GetAssicIdx('4'), (UInt32)GetAssicIdx('5')}, 822, 181},
        {4, 120, {(UInt32)GetAssicIdx('1'), (UInt32)GetAssicIdx('2'), (UInt32)GetAssicIdx('0')}, 823, 154},
        {5, 0, {}, 0, 0},
        {0, 80, {}, 0, 0},
        {6, 80, {}, 0, 0},
    };
    mFrameTimeMs = 16;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (int)c.state << " " << (int)c.speed);
        ShowVuskSpeed(c.state, c.speed);
        const ShowDrivingOverlaysView* v = ShowDrivingOverlays_View();
        EXPECT_EQ(std::vector<UInt32>(v->cruiseTxt, v->cruiseTxt + v->cruiseTxtLen), c.txt);
        EXPECT_EQ(v->cruiseDraw == CruiseDraw_None, c.state == 0 || c.state > 5);
        if (c.txt.empty()) continue;
        EXPECT_EQ(v->cruiseTxtX, c.x);
        EXPECT_EQ(v->cruiseTxtY, c.y);
    }
    // The pointer turns with the speed; the tint follows the state without restarting anything.
    ShowVuskSpeed(2, 150);
    EXPECT_NEAR(ShowDrivingOverlays_View()->cruiseAngle, 223.0f, 1e-4);
    EXPECT_NEAR(ShowDrivingOverlays_View()->cruiseColor[1], 0.6f, 1e-6);
    ShowVuskSpeed(3, 0);
    EXPECT_NEAR(ShowDrivingOverlays_View()->cruiseAngle, -45.0f, 1e-4);
    EXPECT_NEAR(ShowDrivingOverlays_View()->cruiseColor[0], 0.8f, 1e-6);
    EXPECT_EQ(ShowDrivingOverlays_View()->cruiseDraw, CruiseDraw_Dial);
    ShowVuskSpeed(0, 0);
}

TEST_F(SceneGl, AdaptiveCruiseZoomAndSweepTimings)
{
    const Image& icon = pngImg[PNG_ACC_009];
    struct Step { UInt08 state; Int32 ms; Int32 draw; Int32 png; Int32 w; float inv; Int32 sweep; };
    const Step steps[] = {
        {4, 20, CruiseDraw_Zoom, PNG_ACC_009, 0, 1.0f, 0},          // invisible and zero-sized at first
        {4, 19, CruiseDraw_Zoom, PNG_ACC_009, 0, 1.0f, 0},
        {4, 161, CruiseDraw_Zoom, PNG_ACC_009, 5, 4 / 9.0f, 0},     // 200 ms: step 5 of 9
        {4, 199, CruiseDraw_Zoom, PNG_ACC_009, 9, 0.0f, 0},         // 399 ms: the last step
        {4, 1, CruiseDraw_Icon, PNG_ACC_009, 9, 0.0f, 0},           // 400 ms: the icon itself
        {5, 200, CruiseDraw_Sweep, PNG_ACC_009, 9, 0.0f, -(29 * 5 * 150 / 120) - 120},  // restarted by the change
        {5, 200, CruiseDraw_Sweep, PNG_ACC_009, 9, 0.0f, -(29 * 10 * 150 / 120) - 120}, // past a full turn
        {5, 119, CruiseDraw_Sweep, PNG_ACC_009, 9, 0.0f, -(29 * 12 * 150 / 120) - 120},
        {5, 1, CruiseDraw_Icon, PNG_ACC_028, 9, 0.0f, 0},           // 520 ms: the blue icon
    };
    ShowVuskSpeed(0, 0);
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << (int)s.state << " +" << s.ms);
        mFrameTimeMs = s.ms;
        RenderTestGl_Clear(0, 0, 0);
        ShowVuskSpeed(s.state, 0);
        const ShowDrivingOverlaysView* v = ShowDrivingOverlays_View();
        EXPECT_EQ(v->cruiseDraw, s.draw);
        EXPECT_EQ(v->cruiseIconPng, s.png);
        EXPECT_EQ(v->cruiseIconRect.w, (Int32)(s.w / 9.0f * icon.w));
        EXPECT_NEAR(v->cruiseIconInvAlpha, s.inv, 1e-5);
        if (s.draw == CruiseDraw_Zoom) {
            // Grows from its centre.
            EXPECT_EQ(v->cruiseIconRect.x, (Int32)(icon.ltx + 31 - 31.0f * s.w / 9));
        }
        if (s.draw == CruiseDraw_Sweep) {
            EXPECT_EQ(v->cruiseSweepDeg, s.sweep);
        }
    }
    EXPECT_GT(LitCount(Recti{icon.ltx, icon.lty, icon.w, icon.h}), icon.w * icon.h / 10) << "drawn at its place";
    ShowVuskSpeed(0, 0);
}

TEST_F(SceneGl, DrivingCarEntryLampsAndBeams)
{
    ShowDrivingCar(0);
    Indicator[6].value = 0x04 | 0x08 | 0x40;  // position lamps, high beam, left indicator
    Indicator[3].value = 0x02;                // braking
    struct Step { Int32 ms; Int32 y; float inv; Int32 lamps; Int32 beam; float beamInv; };
    const Step steps[] = {
        {100, 50, 1.0f, 0, -1, 0},      // road 400 left: nothing but the transparent car
        {150, 50, 1.0f, 0, -1, 0},      // road 250
        {1, 50, 1.0f, 3, -1, 0},        // road 249: the lamps
        {249, 50, 1.0f, 3, -1, 0},      // road done
        {100, 30, 0.6f, 3, -1, 0},      // the car slides at double speed
        {1, 29, 0.596f, 3, -1, 0},      // car 298
        {25, 24, 0.496f, 3, PNG_driving_high_beam, 1.0f},   // car 248: the beams start, invisible
        {124, 0, 0.0f, 3, PNG_driving_high_beam, 1.0f},     // car in place
        {250, 0, 0.0f, 3, PNG_driving_high_beam, 0.5f},
        {300, 0, 0.0f, 3, PNG_driving_high_beam, 0.0f},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.ms);
        mFrameTimeMs = s.ms;
        ShowDrivingCar(1);
        const ShowDrivingOverlaysView* v = ShowDrivingOverlays_View();
        EXPECT_EQ(v->carYOffset, s.y);
        EXPECT_NEAR(v->carInvAlpha, s.inv, 1e-5);
        EXPECT_EQ(v->carLampNum, s.lamps);
        EXPECT_EQ(v->carBeamPng, s.beam);
        if (s.beam >= 0) {
            EXPECT_NEAR(v->carBeamInvAlpha, s.beamInv, 1e-5);
        }
    }
    const ShowDrivingOverlaysView* v = ShowDrivingOverlays_View();
    EXPECT_EQ(std::vector<Int32>(v->carLamps, v->carLamps + v->carLampNum),
              std::vector<Int32>({PNG_driving_car_tail_lamp_position, PNG_driving_car_tail_lamp_brake,
                                  PNG_driving_car_tail_lamp_left}));
    Indicator[6].value = 0x10;
    ShowDrivingCar(1);
    EXPECT_EQ(ShowDrivingOverlays_View()->carBeamPng, PNG_driving_low_beam);

    struct Body { UInt08 cfg; Int32 png; };
    const Body bodies[] = {{0, PNG_driving_car_red_base}, {4, PNG_driving_car_white_base}, {5, PNG_driving_car_white_base},
                           {7, PNG_driving_car_all_red_base}, {9, PNG_driving_car_all_blue_base},
                           {12, PNG_driving_car_white_base}};
    for (const Body& b : bodies) {
        VehicleColorCfg = b.cfg;
        ShowDrivingCar(1);
        EXPECT_EQ(ShowDrivingOverlays_View()->carBodyPng, b.png) << (int)b.cfg;
    }
    // Drawn at its place once in; hidden and shown again replays the entry.
    RenderTestGl_Clear(0, 0, 0);
    ShowDrivingCar(1);
    const Image& body = pngImg[PNG_driving_car_white_base];
    EXPECT_GT(LitCount(Recti{body.ltx, body.lty, body.w, body.h}), body.w * body.h / 4);
    ShowDrivingCar(0);
    mFrameTimeMs = 16;
    ShowDrivingCar(1);
    EXPECT_EQ(ShowDrivingOverlays_View()->carYOffset, 50);
    ShowDrivingCar(0);
}

TEST_F(SceneGl, ParkingSlotCodes)
{
    struct Step { UInt08 v0, v1; Int32 ms; std::vector<Int32> tga; float inv; };
    const Step steps[] = {
        {0x00, 0x00, 100, {}, 0},
        {0x01, 0x00, 100, {TGA_AI_parking_available_leftarea}, 0.8f},
        {0x01, 0x00, 400, {TGA_AI_parking_available_leftarea}, 0.0f},
        {0x24, 0x00, 100, {TGA_AI_parking_unavailable_leftslot1, TGA_AI_parking_available_leftslot2}, 0.8f},
        {0xE4, 0x00, 100, {TGA_AI_parking_unavailable_leftslot1, TGA_AI_parking_available_leftslot2,
                           TGA_AI_parking_used_leftslot3}, 0.6f},
        {0xC4, 0x00, 100, {TGA_AI_parking_unavailable_leftslot1, TGA_AI_parking_used_leftslot3}, 0.4f},  // slot 2 gone
        {0xC5, 0x00, 100, {TGA_AI_parking_available_leftarea}, 0.8f},  // the area hides the slots at once
        {0x02, 0x39, 100, {TGA_AI_parking_available_rightarea}, 0.8f},
        {0x00, 0x39, 100, {TGA_AI_parking_unavailable_rightslot1, TGA_AI_parking_available_rightslot2,
                           TGA_AI_parking_used_rigthslot3}, 0.8f},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << std::hex << (int)s.v0 << " " << (int)s.v1);
        CarportValue0.value = s.v0;
        CarportValue1.value = s.v1;
        mFrameTimeMs = s.ms;
        RenderTestGl_Clear(0, 0, 0);
        ShowAiParking();
        const ShowDrivingOverlaysView* v = ShowDrivingOverlays_View();
        EXPECT_EQ(std::vector<Int32>(v->slotTga, v->slotTga + v->slotNum), s.tga);
        if (!s.tga.empty()) {
            EXPECT_NEAR(v->slotInvAlpha[0], s.inv, 1e-5);
        }
    }
    CarportValue0.value = 0x01;
    mFrameTimeMs = 1000;
    RenderTestGl_Clear(0, 0, 0);
    ShowAiParking();
    const Image& area = tgaImg[TGA_AI_parking_available_leftarea];
    EXPECT_GT(LitCount(Recti{area.ltx, area.lty, area.w, area.h}), area.w * area.h / 20) << "drawn at its place";
    CarportValue0.value = CarportValue1.value = 0;
    ShowAiParking();
}

}  // namespace

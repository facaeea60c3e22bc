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
#include "platform/OrvPlatform.h"
#include "support/RenderTestGl.h"

namespace {

template <typename F>
std::string Stdout(F f)
{
    testing::internal::CaptureStdout();
    f();
    return testing::internal::GetCapturedStdout();
}

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
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(RenderTestGl_Open());
        // The state the page composition sets up before the elements draw.
        glEnable(GL_CULL_FACE);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glDepthFunc(GL_LEQUAL);
        Stdout([] {
            for (Int32 id = 0; id < Prgm_Num; id++) Once_LoadShaderProgram(id);
            Once_InitFontBase();
            Once_InitPngInfo();
            Once_InitTgaInfo();
            Once_InitBmpPoolInfo();
            Once_InitVboModelInfo();
            for (Int32 s : {0, 1}) {
                Once_LoadFontMapBmpData(s, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
                Once_GenFontMapTexture(s, BASIC_FONT_CODE_NUM, str_invalid_char_idx[0]);
            }
        });
        ASSERT_NE(shader[Prgm_Model_Ads], 0xFFFFFFFFu);
        mPrjMatStack.idx = 0;
        mMdvMatStack.idx = 0;
        SetPerspectiveParameters(10.0f, 1920, 720, 100.0f, 200.0f);
        CalcPerspectiveMatrix(mPrjMatStack.mat[0]);
        SetIdentityMatrix4x4(mMdvMatStack.mat[0]);
    }
    static void TearDownTestSuite()
    {
        OrvPlat_ReleaseTick();
        RenderTestGl_Close();
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

}  // namespace

// The assistance drive (tools/mb-sim/drives/assist.drive) played frame by frame through the
// renderer at its own times, as the bus would deliver it: at the moments the drive describes, the
// scene, the cruise gauge, the parking slots, the radar and the parked car show what the drive sets
// up. Each moment is written to the build's snapshots folder as drive-assist-*.png; so are the
// scenarios of the radar's front view and of the parked car on the power-off page.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "DriveScript.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Screens/Show.h"
#include "Snapshot.h"
#include "support/RenderTestGl.h"

namespace {

std::string FrameLine(const DriveFrame& f)
{
    char buf[64];
    snprintf(buf, sizeof(buf), "frame %02X %02X %02X %02X %02X %02X %02X %02X %02X", f.Frame, f.Data[0], f.Data[1],
             f.Data[2], f.Data[3], f.Data[4], f.Data[5], f.Data[6], f.Data[7]);
    return buf;
}

// What the page shows at one moment of the drive.
struct Moment {
    UInt32 timeMs;
    const char* shot;
    void (*check)();
};

void Play(const std::string& line)
{
    std::string err;
    ASSERT_TRUE(Snapshot_Command(line, SNAPSHOT_DIR, &err)) << line << ": " << err;
}

TEST(SceneDrive, AssistDriveFromTheRoadIntoAParkingSpace)
{
    ASSERT_TRUE(RenderTestGl_Open());
    std::vector<DriveFrame> frames;
    std::string error;
    ASSERT_TRUE(DriveScript_Load(std::string(MB_DRIVES_DIR) + "/assist.drive", DRIVE_CAN_BASE_DEFAULT, &frames, &error)) << error;

    const Moment moments[] = {
        {9500, "drive-assist-1-lanes.png", [] {
             const ShowDrivingSceneView* v = ShowDrivingScene_View();
             for (int l = 0; l < 4; l++) EXPECT_EQ(v->linePoints[l], 150) << "line " << l;
             EXPECT_NEAR(v->lineX[1][0], -1.68f * 1.8f, 1e-4);
             EXPECT_EQ(v->vehicleNum, 0);
         }},
        {13400, "drive-assist-2-traffic.png", [] {
             const ShowDrivingSceneView* v = ShowDrivingScene_View();
             ASSERT_EQ(v->vehicleNum, 4);
             EXPECT_EQ(v->vehicles[0].png, PNG_uv_TexCarMedium_Red);
             EXPECT_EQ(v->vehicles[1].png, PNG_uv_TexCarLarge_Blue);
             EXPECT_EQ(v->vehicles[2].png, PNG_uv_TexCarSmall_Gray);
             EXPECT_EQ(v->vehicles[3].png, PNG_uv_TexCarMedium_Yellow);
             EXPECT_EQ(ShowDrivingOverlays_View()->cruiseDraw, CruiseDraw_Icon) << "adaptive cruise, gray";
         }},
        {16500, "drive-assist-3-curve-acc.png", [] {
             const ShowDrivingSceneView* v = ShowDrivingScene_View();
             EXPECT_GT(v->lineX[2][149] - v->lineX[2][0], 3.0f) << "the lines bend right";
             EXPECT_GT(v->vehicles[3].rot, 5.0f) << "the far car turns with the lane";
             EXPECT_EQ(v->markerPng, PNG_lane_assist_left);
             const ShowDrivingOverlaysView* o = ShowDrivingOverlays_View();
             EXPECT_EQ(o->cruiseIconPng, PNG_ACC_028) << "adaptive cruise, following";
             EXPECT_EQ(o->cruiseTxtLen, 2) << "80";
             EXPECT_EQ(o->carShown, 1);
         }},
        {20000, "drive-assist-4-slots.png", [] {
             const ShowDrivingOverlaysView* o = ShowDrivingOverlays_View();
             EXPECT_EQ(o->slotNum, 5);
             EXPECT_EQ(ShowDrivingScene_View()->vehicleNum, 0);
         }},
        {24000, "drive-assist-5-radar-far.png", [] {
             const ShowParkingView* p = ShowParking_View();
             EXPECT_EQ(p->radarRearPng, PNG_radar_car_rear_red);
             EXPECT_EQ(p->arcDrawn[1], 1);
             EXPECT_GT(p->arcRate[1][44], 0.5f) << "B2 far";
             EXPECT_GT(p->arcColor[1][44][1], 0.9f) << "green";
         }},
        {27800, "drive-assist-6-radar-near.png", [] {
             const ShowParkingView* p = ShowParking_View();
             EXPECT_LT(p->arcRate[1][44], 0.2f) << "B2 near";
             EXPECT_NEAR(p->arcColor[1][44][0], 0.9f, 1e-5) << "red";
             EXPECT_EQ(p->distUnit, 1);
         }},
        {29000, "drive-assist-7-stop.png", [] {
             EXPECT_EQ(ShowParking_View()->distStyle, 1) << "the stop message";
         }},
        {31500, "drive-assist-8-parked.png", [] {
             EXPECT_EQ(ShowParking_View()->radarShown, 0);
             EXPECT_EQ(ShowParking_View()->parkedShown, 1);
             EXPECT_EQ(ShowParking_View()->parkedPng[0], PNG_parking_car_red_base);
         }},
    };

    Snapshot_Begin();
    Play("fps 15");  // software rendering: fewer frames, the same timings
    UInt32 now = 0;
    size_t next = 0;
    for (const Moment& m : moments) {
        SCOPED_TRACE(m.shot);
        for (; next < frames.size() && frames[next].TimeMs <= m.timeMs; next++) {
            if (frames[next].TimeMs > now) {
                Play("wait " + std::to_string(frames[next].TimeMs - now));
                now = frames[next].TimeMs;
            }
            Play(FrameLine(frames[next]));
        }
        Play("wait " + std::to_string(m.timeMs - now));
        now = m.timeMs;
        Play(std::string("shot ") + m.shot);
        m.check();
    }
}

// The two scenarios of the views the drive does not reach, as pictures and as what they chose.
TEST(SceneDrive, FrontRadarAndPowerOffScenarios)
{
    ASSERT_TRUE(RenderTestGl_Open());
    struct Case { const char* scenario; const char* shot; void (*check)(); };
    const Case cases[] = {
        {"radar-front.scn", "scene-radar-front.png", [] {
             const ShowParkingView* p = ShowParking_View();
             EXPECT_EQ(p->radarFrontPng, PNG_radar_car_front_blue);
             EXPECT_EQ(p->radarRearPng, -1);
             EXPECT_EQ(p->arcDrawn[0], 1);
             EXPECT_NEAR(p->arcRate[0][22], 20 / 169.0f, 1e-5) << "F1 at 20 cm";
             EXPECT_NEAR(p->arcColor[0][66][1], 0.71f, 1e-5) << "F3 yellow";
             EXPECT_EQ(p->distStyle, 1) << "the stop message";
         }},
        {"poweroff-parked.scn", "scene-poweroff-parked.png", [] {
             const ShowParkingView* p = ShowParking_View();
             ASSERT_EQ(p->parkedShown, 1);
             EXPECT_EQ(p->parkedScale, 1.0f);
             EXPECT_EQ(std::vector<Int32>(p->parkedPng, p->parkedPng + 4),
                       std::vector<Int32>({PNG_parking_car_all_blue_base, PNG_parking_car_all_blue_camera,
                                           PNG_parking_car_all_blue_trunk_open, PNG_parking_car_blue_lfdoor_open}));
             EXPECT_EQ(p->parkedWheel[0], PNG_parking_car_wheel_r45);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scenario);
        Snapshot_Begin();
        Play("fps 15");
        std::string err;
        ASSERT_TRUE(Snapshot_RunFile(std::string(SNAPSHOT_SCENARIOS) + "/" + c.scenario, &err)) << err;
        Play(std::string("shot ") + c.shot);
        c.check();
    }
}

}  // namespace

// Drive scripts of mb-sim: how lines, repeats and ramps expand; what a bad line is told; that the
// example drives, decoded by the real codec, really put the car into the states they describe;
// and mb-sim itself playing a drive onto the bus and reading every answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <ostream>
#include <fstream>
#include <set>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "DriveScript.h"
#include "support/MbSignalSnapshot.h"
#include "Protocol/MainBoard_Bus.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "Protocol/MainBoard_IIC_Sys.h"

extern char** environ;

namespace {

std::vector<DriveFrame> Parse(const std::string& text)
{
    std::vector<DriveFrame> frames;
    std::string error;
    EXPECT_TRUE(DriveScript_Parse(text, "drive", &frames, &error)) << error;
    return frames;
}

std::vector<UInt08> Data(const DriveFrame& f) { return std::vector<UInt08>(f.Data, f.Data + 8); }

}  // namespace

TEST(DriveScript, RampGoesEvenlyFromFirstToLastSend)
{
    auto frames = Parse("0 00 00..78 50 00 7D 01 40 09 00 every 100 for 10000\n");
    ASSERT_EQ(frames.size(), 101u);
    EXPECT_EQ(frames.front().TimeMs, 0u);
    EXPECT_EQ(frames.back().TimeMs, 10000u);
    EXPECT_EQ(frames[0].Data[0], 0x00);
    EXPECT_EQ(frames[50].Data[0], 0x3C);
    EXPECT_EQ(frames[100].Data[0], 0x78);
    for (const DriveFrame& f : frames) {
        EXPECT_EQ(f.Frame, 0x00);
        EXPECT_EQ(std::vector<UInt08>(f.Data + 1, f.Data + 8),
                  std::vector<UInt08>({0x50, 0x00, 0x7D, 0x01, 0x40, 0x09, 0x00}));
    }
    // Downwards, several ramps in one line, rounding to the nearest value.
    frames = Parse("0 05 00 00 00 00 8C..50 28..0F 00 03..00 every 100 times 3\n");
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(Data(frames[1]), std::vector<UInt08>({0, 0, 0, 0, 0x6E, 0x1C, 0, 0x02}));  // 110, 27.5 -> 28, 1.5 -> 2
    EXPECT_EQ(Data(frames[2]), std::vector<UInt08>({0, 0, 0, 0, 0x50, 0x0F, 0, 0x00}));
    // A ramp on a single send is its first value.
    frames = Parse("5 00 10..20 00 00 00 00 00 00 00\n");
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].Data[0], 0x10);
}

TEST(DriveScript, LinesMergeByTimeAndRelativeTimesFollowThePreviousLine)
{
    auto frames = Parse(
        "# indicator blinking while speed frames go on\n"
        "\n"
        "1000 00 30 00 00 00 00 00 00 00 every 300 times 3   # 1000 1300 1600\n"
        "1000 01 00 00 00 00 00 00 40 00 every 800 times 2   # 1000 1800\n"
        "+400 01 00 00 00 00 00 00 00 00 every 800 times 2   # 1400 2200\n"
        "0    02 00 00 00 00 00 00 00 00 badsum\n");
    std::vector<std::pair<UInt32, int>> order;
    for (const DriveFrame& f : frames) order.push_back({f.TimeMs, f.Frame});
    const std::vector<std::pair<UInt32, int>> expected = {
        {0, 2}, {1000, 0}, {1000, 1}, {1300, 0}, {1400, 1}, {1600, 0}, {1800, 1}, {2200, 1}};
    EXPECT_EQ(order, expected);
    EXPECT_TRUE(frames[0].BadSum);
    EXPECT_FALSE(frames[1].BadSum);
    EXPECT_EQ(frames[0].Line, 6);
    EXPECT_EQ(frames[4].Data[6], 0x00);
    EXPECT_EQ(frames[2].Data[6], 0x40);
}

TEST(DriveScript, BadLinesAreReportedWithTheirLine)
{
    struct Case { const char* line; const char* says; };
    const Case cases[] = {
        {"0 00 00 00 00", "expected: TIME FRAME and eight bytes"},
        {"t 00 00 00 00 00 00 00 00 00", "bad time"},
        {"-5 00 00 00 00 00 00 00 00 00", "bad time"},
        {"0 0G 00 00 00 00 00 00 00 00", "bad frame number"},
        {"0 100 00 00 00 00 00 00 00 00", "bad frame number"},
        {"0 00 5 00 00 00 00 00 00 00", "bad byte \"5\""},
        {"0 00 00..7 00 00 00 00 00 00 00", "bad byte"},
        {"0 00 00 00 00 00 00 00 00 00 every 0 for 100", "bad period"},
        {"0 00 00 00 00 00 00 00 00 00 every 100", "every PERIOD for DURATION"},
        {"0 00 00 00 00 00 00 00 00 00 every 100 sometimes 3", "every PERIOD for DURATION"},
        {"0 00 00 00 00 00 00 00 00 00 every 10 times 0", "bad count"},
        {"0 00 00 00 00 00 00 00 00 00 every 10 times 2 every 10 times 2", "expected one"},
        {"0 00 00 00 00 00 00 00 00 00 loudly", "unexpected \"loudly\""},
        {"0 00 00 00 00 00 00 00 00 00 every 1 for 4294967295", "drive longer than 1000000 frames"},
        {"4294967295 00 00 00 00 00 00 00 00 00 every 1 times 2", "drive longer than 2^32 ms"},
        {"0 set Sped 120", "unknown signal \"Sped\""},
        {"0 set Speed", "expected: TIME set NAME VALUE"},
        {"0 set Speed 120 Gear", "no value for Gear"},
        {"0 set Speed 256", "bad value \"256\" of Speed"},
        {"0 set Power 121", "bad value \"121\" of Power"},
        {"0 set Gear Q", "bad value \"Q\" of Gear"},
        {"0 set Speed 0..300 every 10 times 3", "bad value \"0..300\""},
        {"0 set Speed 10 every 10", "every PERIOD for DURATION"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::vector<DriveFrame> frames;
        std::string error;
        std::string text = std::string("# first line\n0 00 00 00 00 00 00 00 00 00\n") + c.line + "\n";
        EXPECT_FALSE(DriveScript_Parse(text, "my.drive", &frames, &error));
        EXPECT_EQ(error.rfind("my.drive:3: ", 0), 0u) << error;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_TRUE(frames.empty());
    }
}

namespace {

struct Sent { UInt32 time; int frame; std::vector<UInt08> data; };
bool operator==(const Sent& a, const Sent& b) { return a.time == b.time && a.frame == b.frame && a.data == b.data; }
std::ostream& operator<<(std::ostream& o, const Sent& s)
{
    o << s.time << " F" << s.frame << ":";
    for (UInt08 b : s.data) o << " " << (int)b;
    return o;
}

std::vector<Sent> Sends(const std::vector<DriveFrame>& frames)
{
    std::vector<Sent> out;
    for (const DriveFrame& f : frames) out.push_back({f.TimeMs, f.Frame, Data(f)});
    return out;
}

}  // namespace

TEST(DriveScript, SignalLinesChangeTheCurrentBytesAndSendTheFramesTheyChange)
{
    struct Case { const char* what; const char* text; std::vector<Sent> sent; };
    const Case cases[] = {
        {"one signal into a frame never sent", "0 set Speed 120\n", {{0, 0x00, {0x78, 0, 0, 0, 0, 0, 0, 0}}}},
        {"on top of the bytes of the last raw frame",
         "0 00 00 50 00 7D 04 40 09 00\n+500 set Gear D\n",
         {{0, 0x00, {0, 0x50, 0, 0x7D, 0x04, 0x40, 0x09, 0}}, {500, 0x00, {0, 0x50, 0, 0x7D, 0x01, 0x40, 0x09, 0}}}},
        {"value names with and without prefix, two frames in frame order",
         "0 set LeftModuleID MODULE_L_TRIP WorkMode ON\n",
         {{0, 0x00, {0, 0, 0, 0, 0, 0, 0x08, 0}}, {0, 0x04, {0x04, 0, 0, 0, 0, 0, 0, 0}}}},
        {"a ramp on the signal's scale",
         "0 set Power -250..250 every 100 times 3\n",
         {{0, 0x00, {0, 0, 0, 0x00, 0, 0, 0, 0}}, {100, 0x00, {0, 0, 0, 0x7D, 0, 0, 0, 0}},
          {200, 0x00, {0, 0, 0, 0xFA, 0, 0, 0, 0}}}},
        {"overlapping lines see each other's changes",
         "0 set Speed 10 every 100 times 2\n50 set Battery 80\n",
         {{0, 0x00, {10, 0, 0, 0, 0, 0, 0, 0}}, {50, 0x00, {10, 80, 0, 0, 0, 0, 0, 0}},
          {100, 0x00, {10, 80, 0, 0, 0, 0, 0, 0}}}},
        {"a selected signal sets its selector",
         "0 set ChargingTimeNeed 90\n", {{0, 0x04, {0, 0, 0, 0, 0x0F, 0, 0x00, 0x5A}}}},
        {"a colour kept in frame 0B is sent with frame 0C that decodes it",
         "0 0C 00 00 00 00 01 00 00 00\n10 set RadarColorF0 3\n",
         {{0, 0x0C, {0, 0, 0, 0, 1, 0, 0, 0}}, {10, 0x0B, {0, 0, 3, 0, 0, 0, 0, 0}}, {10, 0x0C, {0, 0, 0, 0, 1, 0, 0, 0}}}},
        {"a refused frame does not change the current bytes",
         "0 set Speed 50 badsum\n10 set Battery 1\n",
         {{0, 0x00, {50, 0, 0, 0, 0, 0, 0, 0}}, {10, 0x00, {0, 1, 0, 0, 0, 0, 0, 0}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Sends(Parse(c.text)), c.sent);
    }
}

TEST(Candump, ALogReadsBackAsTheFramesItWasWrittenFrom)
{
    std::vector<DriveFrame> drive;
    std::string error;
    ASSERT_TRUE(DriveScript_Load(std::string(MB_DRIVES_DIR) + "/city.drive", DRIVE_CAN_BASE_DEFAULT, &drive, &error)) << error;
    for (UInt32 base : {0x100u, 0x18FF0000u}) {
        SCOPED_TRACE(base);
        char* text = nullptr;
        size_t size = 0;
        FILE* out = open_memstream(&text, &size);
        DriveScript_WriteCandump(out, drive, base, "vcan0", 1765000000.5);
        fclose(out);
        std::string log(text, size);
        free(text);
        EXPECT_TRUE(DriveScript_IsCandump(log));
        EXPECT_EQ(log.rfind(base == 0x100 ? "(1765000000.500000) vcan0 102#2EFE051A76000000\n"
                                          : "(1765000000.500000) vcan0 18FF0002#2EFE051A76000000\n", 0), 0u) << log.substr(0, 80);
        std::vector<DriveFrame> back;
        ASSERT_TRUE(DriveScript_ParseCandump(log, "city.log", base, &back, &error)) << error;
        EXPECT_EQ(Sends(back), Sends(drive));
    }
    // Times count from the first line; blank lines and comments are skipped.
    std::vector<DriveFrame> frames;
    ASSERT_TRUE(DriveScript_ParseCandump("# recorded\n(100.250000) can0 10B#0000000000000000\n\n"
                                         "(101.000400) can1 100#7800000000000000\n", "x.log", 0x100, &frames, &error)) << error;
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].Frame, 0x0B);
    EXPECT_EQ(frames[1].TimeMs, 750u);
    EXPECT_EQ(frames[1].Data[0], 0x78);
    EXPECT_EQ(frames[1].Line, 4);
}

TEST(Candump, BadLinesAreReportedWithTheirLine)
{
    struct Case { const char* line; const char* says; };
    const Case cases[] = {
        {"(1.0) can0", "expected: (SECONDS) INTERFACE ID#DATA"},
        {"(x) can0 100#0000000000000000", "bad time"},
        {"(0.5) can0 100#0000000000000000", "time goes backwards"},
        {"(2.0) can0 0FF#0000000000000000", "not a frame of base"},
        {"(2.0) can0 200#0000000000000000", "not a frame of base"},
        {"(2.0) can0 100#00000000000000", "eight data bytes"},
        {"(2.0) can0 100#R", "remote and CAN FD"},
        {"(2.0) can0 100##10000000000000000", "remote and CAN FD"},
        {"(2.0) can0 1000#0000000000000000", "bad frame"},
        {"(2.0) can0 100#00000000000000GG", "bad data"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::vector<DriveFrame> frames;
        std::string error;
        std::string text = std::string("(1.0) can0 100#0000000000000000\n") + c.line + "\n";
        EXPECT_FALSE(DriveScript_ParseCandump(text, "my.log", 0x100, &frames, &error));
        EXPECT_EQ(error.rfind("my.log:2: ", 0), 0u) << error;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
}

// ---- The example drives, decoded by the codec ------------------------------------------------

namespace {

std::string DrivePath(const char* name) { return std::string(MB_DRIVES_DIR) + "/" + name; }

void ResetCar()
{
    memset(srcDataBuf, 0, sizeof srcDataBuf);
    MB_IIC_SetInitialValue();
}

// Sends every frame of a drive through the checksum check and the decoder, as the bus does, and
// lets `after` look at the signals at each moment of the drive, once all frames of that moment are
// in (`after` gets the last of them).
void Play(const char* name, const std::function<void(const DriveFrame&)>& after)
{
    std::vector<DriveFrame> frames;
    std::string error;
    ASSERT_TRUE(DriveScript_Load(DrivePath(name), DRIVE_CAN_BASE_DEFAULT, &frames, &error)) << error;
    ASSERT_FALSE(frames.empty());
    ResetCar();
    for (size_t k = 0; k < frames.size(); k++) {
        const DriveFrame& f = frames[k];
        UInt08 dgram[MB_BUS_DGRAM_LEN];
        MB_BUS_PackFrame(f.Frame, f.Data, dgram);
        ASSERT_EQ(MB_IIC_VerifyAndStore(dgram[0], dgram + 1), 0) << name << " line " << f.Line;
        MB_IIC_DecodeData(dgram[0]);
        if (k + 1 == frames.size() || frames[k + 1].TimeMs != f.TimeMs) after(f);
    }
}

// The values a signal took, in order, without repeats.
struct Trace {
    std::vector<long> values;
    void Add(long v) { if (values.empty() || values.back() != v) values.push_back(v); }
    long Max() const { return *std::max_element(values.begin(), values.end()); }
    long Min() const { return *std::min_element(values.begin(), values.end()); }
};

}  // namespace

TEST(ExampleDrives, StartUpPowersOnAndEngagesDrive)
{
    Trace mode, hint, belt, door, ready;
    Play("startup.drive", [&](const DriveFrame&) {
        mode.Add(WorkMode);
        hint.Add(HintID);
        door.Add(Indicator[5].value & 0x01);
        belt.Add((Indicator[5].value & 0x80) != 0);
        ready.Add((Indicator[7].value & 0x04) != 0);
    });
    EXPECT_EQ(mode.values, std::vector<long>({WORK_MODE_OFF, WORK_MODE_ON}));
    EXPECT_EQ(hint.values, std::vector<long>({ID_HINT_NONE, ID_HINT_POWER_READY, ID_HINT_NONE}));
    EXPECT_EQ(door.values, std::vector<long>({0, 1, 0}));
    EXPECT_EQ(belt.values, std::vector<long>({0, 1, 0}));
    EXPECT_EQ(ready.values, std::vector<long>({0, 1}));
    EXPECT_EQ(Gear, GEAR_D);
    EXPECT_EQ(Battery, 80);
    EXPECT_EQ(TripRange, 320);
    EXPECT_EQ(DateDay, 15);
    EXPECT_EQ(DateMonth, 6);
    EXPECT_EQ(DateYear, 2026);
    EXPECT_EQ(SysTimeOfDayInMin, 8 * 60 + 31);
    EXPECT_EQ(Temperature, 18);
    EXPECT_EQ(Odo, 12345u);
    EXPECT_EQ(LeftModuleID, MODULE_L_TRIP);
    EXPECT_EQ(RightModuleID, MODULE_R_CLOCK);
    EXPECT_EQ(TirePressureLF, 25);
    EXPECT_EQ(TireBits.value, 0);
    EXPECT_EQ(VehicleColorCfg, VehicleColor_White);
}

TEST(ExampleDrives, CityDriveSpeedsSignalsAndObeysTheLimits)
{
    Trace speed, limit, left, right, emphasis, aheadY, gear;
    bool redWhileFast = false;
    Play("city.drive", [&](const DriveFrame&) {
        speed.Add(Speed);
        limit.Add(SpeedLimit);
        gear.Add(Gear);
        left.Add((Indicator[6].value & 0x40) != 0);
        right.Add((Indicator[6].value & 0x80) != 0);
        emphasis.Add((Indicator[0].value & 0x40) != 0);
        if (ForwardVehicle1X == 0) aheadY.Add(ForwardVehicle1Y);
        if (Speed > SpeedWarn && SpeedWarn != 0) redWhileFast = true;
        EXPECT_EQ(WorkMode, WORK_MODE_ON);
        EXPECT_EQ(Indicator[6].value & 0x30, 0x20) << "automatic low beam throughout";
    });
    EXPECT_EQ(speed.Max(), 56);
    EXPECT_TRUE(redWhileFast) << "the speed passes the warning speed of 55";
    EXPECT_EQ(limit.values, std::vector<long>({50, 30}));
    EXPECT_EQ(gear.values, std::vector<long>({GEAR_P, GEAR_D, GEAR_P}));
    EXPECT_EQ(left.values.size(), 11u) << "five flashes of the left indicator";
    EXPECT_EQ(right.values.size(), 11u);
    EXPECT_EQ(emphasis.values, std::vector<long>({0, 1, 0, 1, 0}));
    EXPECT_EQ(aheadY.values.front(), 60);
    EXPECT_EQ(aheadY.values.back(), 30);
    EXPECT_EQ(ForwardVehicle1X, 127) << "the car ahead has turned off";
    EXPECT_EQ(Speed, 0);
    EXPECT_EQ(TripRange, 318);
    // The road: four lines, straight, 60 m ahead.
    EXPECT_EQ(TrafficLaneStatus_L, 2);
    EXPECT_EQ(TrafficLaneStatus_RR, 1);
    EXPECT_EQ(TrafficLaneParam0_L, -18);
    EXPECT_EQ(TrafficLaneParam0_RR, 54);
    EXPECT_EQ(TrafficLaneParam1, 0);
    EXPECT_EQ(TrafficLaneParam2, 0);
    EXPECT_EQ(TrafficLaneParam3, 0);
    for (UInt08 len : {LaneLength_LL, LaneLength_L, LaneLength_R, LaneLength_RR}) EXPECT_EQ(len, 60);
}

TEST(ExampleDrives, ReversingShowsTheRearRadarClosingInGreenYellowRed)
{
    Trace colour, spacing, distance, alarm;
    bool radarInReverse = false;
    auto band = [](long d) { return d >= 80 ? 3 : d >= 40 ? 2 : 1; };  // green, yellow, red
    Play("reverse.drive", [&](const DriveFrame&) {
        colour.Add(RadarColorB2);
        spacing.Add(RadarSpacingB2);
        distance.Add(RadarDistance);
        alarm.Add(RadarAlarm);
        if (Gear == GEAR_R && RadarAlarm == 1 && RadarPriority == RADAR_PRIORITY_TAIL) radarInReverse = true;
        EXPECT_EQ(RadarColorB2, RadarColorB3) << "the two middle sensors see the same obstacle";
        for (UInt08 front : {RadarSpacingF0, RadarSpacingF1, RadarSpacingF2, RadarSpacingF3,
                             RadarSpacingF4, RadarSpacingF5})
            EXPECT_EQ(front, 255) << "nothing at the front";
        // Colours, spacings and the distance text agree at every moment.
        if (RadarAlarm == 1 && RadarDistance > 1) {
            EXPECT_EQ(RadarColorB2, band(RadarSpacingB2)) << (int)RadarSpacingB2;
            if (RadarSpacingB1 != 255) {
                EXPECT_EQ(RadarColorB1, band(RadarSpacingB1)) << (int)RadarSpacingB1;
            }
            if (RadarSpacingB4 != 255) {
                EXPECT_EQ(RadarColorB4, band(RadarSpacingB4)) << (int)RadarSpacingB4;
            }
            EXPECT_EQ(RadarDistance, RadarSpacingB2) << "the nearest sensor";
        }
    });
    EXPECT_TRUE(radarInReverse);
    EXPECT_EQ(colour.values, std::vector<long>({0, 3, 2, 1, 0}));
    EXPECT_EQ(alarm.values, std::vector<long>({0, 1, 0}));
    EXPECT_EQ(spacing.Min(), 15);
    EXPECT_EQ(distance.values.front(), 0);
    EXPECT_EQ(distance.values[1], 140);
    EXPECT_EQ(distance.values[distance.values.size() - 2], 1) << "ends with the stop message";
    EXPECT_EQ(RadarDistance, 0);
    EXPECT_EQ(Gear, GEAR_P);
    EXPECT_EQ(RadarSpacingB2, 255);
}

TEST(ExampleDrives, ChargingFillsTheBatteryWithTheChargerConnected)
{
    Trace state, battery, timeNeed, range, charger;
    Play("charging.drive", [&](const DriveFrame&) {
        state.Add(ChargingState);
        battery.Add(Battery);
        range.Add(TripRange);
        charger.Add((Indicator[7].value & 0x40) != 0);
        if (ChargingState == CHARGE_CHARGING) timeNeed.Add(ChargingTimeNeed);
        EXPECT_EQ(WorkMode, WORK_MODE_OFF) << "charging on the power-off page";
    });
    EXPECT_EQ(state.values, std::vector<long>({CHARGE_DISCONNECTED, CHARGE_PREPARING, CHARGE_CHARGING,
                                               CHARGE_FINISH, CHARGE_DISCONNECTED}));
    EXPECT_EQ(charger.values, std::vector<long>({0, 1, 0}));
    EXPECT_TRUE(std::is_sorted(battery.values.begin(), battery.values.end()));
    EXPECT_EQ(battery.values.front(), 12);
    EXPECT_EQ(battery.values.back(), 100);
    EXPECT_TRUE(std::is_sorted(range.values.begin(), range.values.end()));
    EXPECT_EQ(range.values.back(), 255);
    EXPECT_EQ(timeNeed.Max(), 150);
    EXPECT_EQ(timeNeed.values.back(), 5);
    EXPECT_TRUE(std::is_sorted(timeNeed.values.rbegin(), timeNeed.values.rend()));
    EXPECT_EQ(RightModuleID, MODULE_R_CHARGING_INFO);
}

TEST(ExampleDrives, TelltaleBurstLightsEveryLampAloneAndThenAllAtOnce)
{
    std::set<std::pair<int, int>> alone;  // (byte, mask) of frame 0x01 lamps seen on by themselves
    std::set<std::string> flagsAlone;
    bool allAtOnce = false;
    Play("telltales.drive", [&](const DriveFrame&) {
        int lit = 0, byte = -1, mask = 0;
        for (int b = 0; b < 8; b++)
            for (int m = 1; m < 256; m <<= 1)
                if (Indicator[b].value & m) { lit++; byte = b; mask = m; }
        const int flags = IND_FONT_COLLOSION + IND_LANE_WARNING + IND_BLIND_AUXILIARY +
                          IND_REAR_AUXILIARY + IND_ACC_FAILURE + IND_BAT_LACK + (IndMute != 0);
        if (lit == 1 && flags == 0) alone.insert({byte, mask});
        if (lit == 0 && flags == 1) {
            if (IND_FONT_COLLOSION) flagsAlone.insert("collision");
            if (IND_LANE_WARNING) flagsAlone.insert("lane");
            if (IND_BLIND_AUXILIARY) flagsAlone.insert("blind");
            if (IND_REAR_AUXILIARY) flagsAlone.insert("rear");
            if (IND_ACC_FAILURE) flagsAlone.insert("acc");
            if (IND_BAT_LACK) flagsAlone.insert("battery");
            if (IndMute) flagsAlone.insert("mute");
        }
        const UInt08 everything[8] = {0x3F, 0xEB, 0xFF, 0xA9, 0x30, 0xFF, 0xCF, 0x0E};
        bool all = flags == 7;
        for (int b = 0; b < 8; b++) all = all && Indicator[b].value == everything[b];
        allAtOnce = allAtOnce || all;
        EXPECT_EQ(Indicator[7].value & 0x60, 0) << "no upgrade or charging screen over the lamps";
        EXPECT_EQ(WorkMode, WORK_MODE_ON);
    });
    EXPECT_EQ(alone.size(), 52u);
    EXPECT_EQ(flagsAlone.size(), 7u);
    EXPECT_TRUE(allAtOnce);
    for (int b = 0; b < 8; b++) EXPECT_EQ(Indicator[b].value, 0) << "all off at the end";
}

TEST(ExampleDrives, HintsAndAlarmsWalkThroughTheirSelection)
{
    Trace hint, alarm, band;
    Play("hints.drive", [&](const DriveFrame& f) {
        hint.Add(HintID);
        alarm.Add(AlarmID);
        if (HintID == ID_HINT_WATCH_OUT_1 || HintID == ID_HINT_WATCH_OUT_2)
            band.Add((Indicator[7].value & 0x80) != 0);
        EXPECT_EQ(WorkMode, WORK_MODE_ON) << "line " << f.Line;
        EXPECT_EQ(Indicator[7].value & 0x60, 0) << "no upgrade or charging screen over the pop-ups";
    });
    EXPECT_EQ(hint.values, std::vector<long>({0, 1, 7, 67, 75, 47, 48, 63, 65, 66, 52, 0, 44, 0}));
    EXPECT_EQ(alarm.values, std::vector<long>({0, 1, 5, 3, 4, 12, 38, 39, 45, 9, 53, 0}));
    EXPECT_EQ(band.values, std::vector<long>({0, 1, 0})) << "the watch-out band off, on, off";
}

// ---- mb-sim on the bus ------------------------------------------------------------------------

namespace {

// Runs mb-sim with args while this thread serves the bus; returns its exit status and output.
int RunMbSim(const std::vector<std::string>& args, std::string* output)
{
    std::vector<std::string> all = {"./mb-sim"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(&a[0]);
    argv.push_back(nullptr);
    char outPath[] = "/tmp/mb-sim-test-XXXXXX";
    int outFd = mkstemp(outPath);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outFd, 1);
    posix_spawn_file_actions_adddup2(&actions, outFd, 2);
    pid_t pid = -1;
    int status = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (waitpid(pid, &status, WNOHANG) == 0) {
            MB_BUS_Poll();
            if (std::chrono::steady_clock::now() > deadline) kill(pid, SIGKILL);
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    close(outFd);
    std::ifstream in(outPath);
    std::stringstream text;
    text << in.rdbuf();
    *output = text.str();
    unlink(outPath);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(ExampleDrives, ModuleListsOpenStepAndPickModulesOnBothPanels)
{
    Trace left, right, leftCursor, rightCursor, samples;
    Play("modules.drive", [&](const DriveFrame&) {
        left.Add(LeftModuleID);
        right.Add(RightModuleID);
        if (LeftModuleID == MODULE_L_LIST) leftCursor.Add(LeftListCursor);
        if (RightModuleID == MODULE_R_LIST) rightCursor.Add(RightListCursor);
        samples.Add(EnergyCostIdx);
    });
    EXPECT_EQ(left.values, std::vector<long>({MODULE_L_TRIP, MODULE_L_LIST, MODULE_L_VEHICLE_STATUS, MODULE_L_LIST,
                                              MODULE_L_ENG_COST}));
    EXPECT_EQ(right.values, std::vector<long>({MODULE_R_CLOCK, MODULE_R_LIST, MODULE_R_ENG_COST}));
    EXPECT_EQ(leftCursor.values, std::vector<long>({2, 3, 4, 5, 6}));
    EXPECT_EQ(rightCursor.values, std::vector<long>({0, 4}));
    EXPECT_EQ(samples.values.size(), 20u) << "twenty samples, one history slot each";
    EXPECT_EQ(EnergyCostIdx, 19);
    EXPECT_EQ(EnergyCostP100m[EnergyCostIdx], 0x8C);
}

TEST(MbSim, PlaysADriveOntoTheBusAndReadsEveryAnswer)
{
    ResetCar();
    ASSERT_EQ(MB_BUS_Open("[::1]:0"), 0);
    std::string addr = "[::1]:" + std::to_string(MB_BUS_GetPort());
    HmiDspState = HMI_DSP_ON;
    std::string out;
    EXPECT_EQ(RunMbSim({"-x", "0", "-a", addr, DrivePath("reverse.drive")}, &out), 0) << out;
    EXPECT_NE(out.find("mb-sim: sent 260 frames"), std::string::npos) << out;
    EXPECT_NE(out.find("260 answers, 0 bad, 0 missing"), std::string::npos) << out;
    EXPECT_NE(out.find("rx answer 0x00: 80 00 00 00 00 00 00 00  sum 80  (HmiDspState 2"), std::string::npos) << out;
    MbBusStats s;
    MB_BUS_GetStats(&s);
    EXPECT_EQ(s.Accepted, 260u);
    EXPECT_EQ(Gear, GEAR_P);
    EXPECT_EQ(RadarDistance, 0);

    // Frames the cluster must refuse are sent, and not counted as missing answers.
    char drive[] = "/tmp/mb-sim-drive-XXXXXX";
    int fd = mkstemp(drive);
    const char* text = "0 00 11 00 00 00 00 00 00 00 badsum\n0 0F 22 00 00 00 00 00 00 00\n+10 00 33 00 00 00 00 00 00 00\n";
    ASSERT_EQ(write(fd, text, strlen(text)), (ssize_t)strlen(text));
    close(fd);
    EXPECT_EQ(RunMbSim({"-x", "0", "-a", addr, drive}, &out), 0) << out;
    EXPECT_NE(out.find("sent 3 frames"), std::string::npos) << out;
    EXPECT_NE(out.find("1 answers, 0 bad, 0 missing"), std::string::npos) << out;
    MB_BUS_GetStats(&s);
    EXPECT_EQ(s.RejChecksum, 1u);
    EXPECT_EQ(s.RejFrame, 1u);
    EXPECT_EQ(Speed, 0x33);
    MB_BUS_Close();

    // Nobody listening any more: the answers are missing and the exit status says so.
    EXPECT_EQ(RunMbSim({"-x", "0", "-a", addr, drive}, &out), 2) << out;
    EXPECT_NE(out.find("1 missing"), std::string::npos) << out;
    unlink(drive);

    // A script error stops it before anything is sent.
    EXPECT_EQ(RunMbSim({"-a", addr, "/nonexistent.drive"}, &out), 1) << out;
    EXPECT_NE(out.find("/nonexistent.drive: cannot read"), std::string::npos) << out;
}

// A drive converted to a candump log with mb-sim, replayed by mb-sim onto the bus, leaves the
// cluster's signals exactly as the drive itself does, and at a CAN base of one's choosing.
TEST(MbSim, ReplaysACandumpLogOntoTheBusAsTheDriveItWasWrittenFrom)
{
    char log[] = "/tmp/mb-sim-log-XXXXXX";
    close(mkstemp(log));
    std::string out;
    ASSERT_EQ(RunMbSim({"-n", "-b", "0x700", "-w", log, DrivePath("city.drive")}, &out), 0) << out;
    std::ifstream logText(log);
    std::string first;
    std::getline(logText, first);
    EXPECT_NE(first.find(" can0 702#2EFE051A76000000"), std::string::npos) << first;

    ASSERT_EQ(MB_BUS_Open("[::1]:0"), 0);
    std::string addr = "[::1]:" + std::to_string(MB_BUS_GetPort());
    ResetCar();
    ASSERT_EQ(RunMbSim({"-x", "0", "-q", "-a", addr, DrivePath("city.drive")}, &out), 0) << out;
    MbSignalSnapshot fromDrive = MbTakeSnapshot();
    ResetCar();
    ASSERT_EQ(RunMbSim({"-x", "0", "-q", "-b", "0x700", "-a", addr, log}, &out), 0) << out;
    MbSignalSnapshot fromLog = MbTakeSnapshot();
    MB_BUS_Close();
    EXPECT_EQ(fromLog, fromDrive);
    EXPECT_EQ(Speed, 0);
    EXPECT_EQ(TripRange, 318);
    EXPECT_EQ(SpeedLimit, 30);

    // Read with the wrong base, the log is refused at its first line.
    EXPECT_EQ(RunMbSim({"-n", log}, &out), 1);
    EXPECT_NE(out.find(":1: identifier 702 is not a frame of base 256"), std::string::npos) << out;
    unlink(log);
}

TEST(MbSim, ListsTheSignalsAndWritesTheDbcFile)
{
    std::string out;
    ASSERT_EQ(RunMbSim({"--signals"}, &out), 0) << out;
    for (const char* line : {"F_0x00  Speed                            0|8@1  0..240 km/h",
                             "F_0x00  Power                            24|8@1  x2-250  -250..250 kW",
                             "F_0x00  TripRange                        40|10@1  0..999 km",
                             "values: 0 MODULE_L_NULL, 1 MODULE_L_LIST"})
        EXPECT_NE(out.find(line), std::string::npos) << line;
    ASSERT_EQ(RunMbSim({"-b", "0x200", "--dbc"}, &out), 0) << out;
    for (const char* line : {"BO_ 512 F_0x00: 8 MainBoard", " SG_ Power : 24|8@1+ (2,-250) [-250|250] \"kW\" Cluster",
                             " SG_ TripRange : 40|10@1+ (1,0) [0|999] \"km\" Cluster",
                             "VAL_ 512 Gear 0 \"GEAR_INVISIBLE\" 1 \"GEAR_D\"", " SG_ MenuID M : 0|4@1+",
                             " SG_ MenuTemperature m2 : 8|8@1+", " SG_ SysTimeOfDayInMin_p1 : 5|3@1+ (256,0)",
                             "SG_MUL_VAL_ 523 McuBltOpState MenuLeftId 0-7;"})
        EXPECT_NE(out.find(line), std::string::npos) << line;
}

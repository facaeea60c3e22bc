// The main-board frame codec: every decoder rule and substitute, unchanged cases, split bit fields,
// the energy-cost ring, the click counters, the answer frame's bit packing, and the checksum.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string.h>

#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "Protocol/MainBoard_IIC_Sys.h"
#include "support/MbSignalSnapshot.h"

namespace {

typedef std::array<UInt08, 8> Bytes;

void Store(UInt08 frame, const Bytes& bytes)
{
    for (int k = 0; k < 8; ++k) srcDataBuf[frame][k].value = bytes[k];
}

void StoreAndDecode(UInt08 frame, const Bytes& bytes)
{
    Store(frame, bytes);
    MB_IIC_DecodeData(frame);
}

// A fresh store: start values, empty frame buffers, and the energy sample memory at "no sample".
void ResetCodec(void)
{
    memset(srcDataBuf, 0, sizeof(srcDataBuf));
    memset(dstDataBuf, 0, sizeof(dstDataBuf));
    MB_IIC_SetInitialValue();
    StoreAndDecode(ID_FRAME_R_0x0B, {0, 0, 0, 0, 0, 0, 0, 0xFF});
    MB_IIC_SetInitialValue();
    memset(srcDataBuf, 0, sizeof(srcDataBuf));
}

struct DecodeCase {
    const char*           what;
    UInt08                frame;
    Bytes                 bytes;
    std::function<void()> preset;   // gives the signal a known value first, for "unchanged" cases
    std::function<long()> read;
    long                  expect;
};

#define SIG(x) [] { return (long)(x); }
#define SET(stmts) [] { stmts; }
#define NONE nullptr

const DecodeCase kDecodeCases[] = {
    // Frame 0x00
    {"speed 0", 0x00, {0x00}, NONE, SIG(Speed), 0},
    {"speed 240", 0x00, {0xF0}, NONE, SIG(Speed), 240},
    {"speed 241 -> 240", 0x00, {0xF1}, NONE, SIG(Speed), 240},
    {"speed F5 -> 240", 0x00, {0xF5}, NONE, SIG(Speed), 240},
    {"speed 254 -> 240", 0x00, {0xFE}, NONE, SIG(Speed), 240},
    {"speed 255 no value", 0x00, {0xFF}, NONE, SIG(Speed), 255},
    {"battery 100", 0x00, {0, 100}, NONE, SIG(Battery), 100},
    {"battery 101 unchanged", 0x00, {0, 101}, SET(Battery = 55), SIG(Battery), 55},
    {"battery ignores bit 7", 0x00, {0, 0x80 | 50}, NONE, SIG(Battery), 50},
    {"mute from B1.7", 0x00, {0, 0x80 | 50}, NONE, SIG(IndMute), 1},
    {"mute off", 0x00, {0, 50}, SET(IndMute = 1), SIG(IndMute), 0},
    {"speed warn 240", 0x00, {0, 0, 240}, NONE, SIG(SpeedWarn), 240},
    {"speed warn 241 unchanged", 0x00, {0, 0, 241}, SET(SpeedWarn = 90), SIG(SpeedWarn), 90},
    {"gear from B4.0-2", 0x00, {0, 0, 0, 0, 0xFB}, NONE, SIG(Gear), 3},
    {"gear 7 stored", 0x00, {0, 0, 0, 0, 0x07}, NONE, SIG(Gear), 7},
    {"forward collision B4.3", 0x00, {0, 0, 0, 0, 0x08}, NONE, SIG(IND_FONT_COLLOSION), 1},
    {"lane warning B4.4", 0x00, {0, 0, 0, 0, 0x10}, NONE, SIG(IND_LANE_WARNING), 1},
    {"blind spot B4.5", 0x00, {0, 0, 0, 0, 0x20}, NONE, SIG(IND_BLIND_AUXILIARY), 1},
    {"rear assistant B4.6", 0x00, {0, 0, 0, 0, 0x40}, NONE, SIG(IND_REAR_AUXILIARY), 1},
    {"acc failure B4.7", 0x00, {0, 0, 0, 0, 0x80}, NONE, SIG(IND_ACC_FAILURE), 1},
    {"acc failure cleared", 0x00, {0, 0, 0, 0, 0x7F}, SET(IND_ACC_FAILURE = 1), SIG(IND_ACC_FAILURE), 0},
    {"power 0 -> -250", 0x00, {0, 0, 0, 0}, SET(Power = 42), SIG(Power), -250},
    {"power 125 -> 0", 0x00, {0, 0, 0, 125}, NONE, SIG(Power), 0},
    {"power 250 -> 250", 0x00, {0, 0, 0, 250}, NONE, SIG(Power), 250},
    {"power 251 unchanged", 0x00, {0, 0, 0, 251}, SET(Power = 42), SIG(Power), 42},
    {"range split over B5 and B6.0-1", 0x00, {0, 0, 0, 0, 0, 0x10, 0xFD}, NONE, SIG(TripRange), 272},
    {"range 999", 0x00, {0, 0, 0, 0, 0, 0xE7, 0x03}, NONE, SIG(TripRange), 999},
    {"range 1000 -> 999", 0x00, {0, 0, 0, 0, 0, 0xE8, 0x03}, NONE, SIG(TripRange), 999},
    {"range 1022 -> 999", 0x00, {0, 0, 0, 0, 0, 0xFE, 0x03}, NONE, SIG(TripRange), 999},
    {"range 1023 -> 0", 0x00, {0, 0, 0, 0, 0, 0xFF, 0x03}, SET(TripRange = 5), SIG(TripRange), 0},
    {"work mode 1", 0x00, {0, 0, 0, 0, 0, 0, 0x04}, SET(WorkMode = 2), SIG(WorkMode), 1},
    {"work mode 2", 0x00, {0, 0, 0, 0, 0, 0, 0x08}, NONE, SIG(WorkMode), 2},
    {"work mode 0 unchanged", 0x00, {0, 0, 0, 0, 0, 0, 0x00}, SET(WorkMode = 2), SIG(WorkMode), 2},
    {"work mode 3 unchanged", 0x00, {0, 0, 0, 0, 0, 0, 0x0C}, SET(WorkMode = 2), SIG(WorkMode), 2},
    {"charging state 9", 0x00, {0, 0, 0, 0, 0, 0, 0x90}, NONE, SIG(ChargingState), 9},
    {"charging state 10 -> reserve", 0x00, {0, 0, 0, 0, 0, 0, 0xA0}, NONE, SIG(ChargingState), CHARGE_RESERVE},
    {"charging state 15 -> reserve", 0x00, {0, 0, 0, 0, 0, 0, 0xF0}, NONE, SIG(ChargingState), CHARGE_RESERVE},
    {"reserve keeps tips", 0x00, {0, 0, 0, 0, 0, 0, 0xA0}, SET(ChargingTips = 7), SIG(ChargingTips), 7},
    {"charging keeps tip 2", 0x00, {0, 0, 0, 0, 0, 0, 0x30}, SET(ChargingTips = 2), SIG(ChargingTips), 2},
    {"fast charging keeps tip 2", 0x00, {0, 0, 0, 0, 0, 0, 0x60}, SET(ChargingTips = 2), SIG(ChargingTips), 2},
    {"charging clears tip 5", 0x00, {0, 0, 0, 0, 0, 0, 0x30}, SET(ChargingTips = 5), SIG(ChargingTips), 0},
    {"finished clears tip 2", 0x00, {0, 0, 0, 0, 0, 0, 0x50}, SET(ChargingTips = 2), SIG(ChargingTips), 0},
    {"speed limit 240", 0x00, {0, 0, 0, 0, 0, 0, 0, 240}, NONE, SIG(SpeedLimit), 240},
    {"speed limit 241 unchanged", 0x00, {0, 0, 0, 0, 0, 0, 0, 241}, SET(SpeedLimit = 80), SIG(SpeedLimit), 80},
    // Frame 0x01
    {"indicator copied", 0x01, {1, 2, 3, 4, 0xF5, 6, 7, 0x86}, NONE, SIG(Indicator[7].value), 0x86},
    {"indicator byte 4 copied whole", 0x01, {0, 0, 0, 0, 0xFF}, NONE, SIG(Indicator[4].value), 0xFF},
    {"front wheel 6", 0x01, {0, 0, 0, 0, 0x06}, NONE, SIG(FrontWheelRotState), 6},
    {"front wheel 7 -> 0", 0x01, {0, 0, 0, 0, 0xFF}, SET(FrontWheelRotState = 3), SIG(FrontWheelRotState), 0},
    // Frame 0x02
    {"month 11 -> 12", 0x02, {0, 0, 0x0B}, NONE, SIG(DateMonth), 12},
    {"month 12 unchanged", 0x02, {0, 0, 0x0C}, SET(DateMonth = 5), SIG(DateMonth), 5},
    {"day 30 -> 31", 0x02, {0x1E}, NONE, SIG(DateDay), 31},
    {"day 31 unchanged", 0x02, {0x1F}, SET(DateDay = 9), SIG(DateDay), 9},
    {"year 2255", 0x02, {0, 0, 0, 0xFF}, NONE, SIG(DateYear), 2255},
    {"time of day split over B0.5-7 and B1", 0x02, {0xA0, 0x9F}, NONE, SIG(SysTimeOfDayInMin), 1439},
    {"time of day 1440 unchanged", 0x02, {0xA0, 0xA0}, SET(SysTimeOfDayInMin = 600), SIG(SysTimeOfDayInMin), 600},
    {"time format", 0x02, {0, 0, 0x10}, NONE, SIG(SysTimeFmt), 1},
    {"temperature 3C -> -40", 0x02, {0, 0, 0, 0, 0x3C}, NONE, SIG(Temperature), -40},
    {"temperature 3B unchanged", 0x02, {0, 0, 0, 0, 0x3B}, SET(Temperature = 21), SIG(Temperature), 21},
    {"temperature 187 -> 87", 0x02, {0, 0, 0, 0, 187}, NONE, SIG(Temperature), 87},
    {"temperature 188 unchanged", 0x02, {0, 0, 0, 0, 188}, SET(Temperature = 21), SIG(Temperature), 21},
    {"temperature 255 no value", 0x02, {0, 0, 0, 0, 255}, NONE, SIG(Temperature), 255},
    {"hint", 0x02, {0, 0, 0, 0, 0, 83}, NONE, SIG(HintID), ID_HINT_RESERVE},
    {"alarm B6.2-7", 0x02, {0, 0, 0, 0, 0, 0, 0xDB}, NONE, SIG(AlarmID), 54},
    {"alarm option B6.0-1", 0x02, {0, 0, 0, 0, 0, 0, 0xDB}, NONE, SIG(AlarmOption), 3},
    {"cruise state B2.5-7", 0x02, {0, 0, 0xBF}, NONE, SIG(CruiseState), 5},
    {"cruise speed 150", 0x02, {0, 0, 0, 0, 0, 0, 0, 150}, NONE, SIG(VuskSpeed), 150},
    {"cruise speed 151 unchanged", 0x02, {0, 0, 0, 0, 0, 0, 0, 151}, SET(VuskSpeed = 80), SIG(VuskSpeed), 80},
    // Frame 0x03
    {"odo 999999 over three bytes", 0x03, {0x3F, 0x42, 0xFF}, NONE, SIG(Odo), 999999},
    {"odo 1000000 unchanged", 0x03, {0x40, 0x42, 0x0F}, SET(Odo = 7), SIG(Odo), 7},
    {"average cost when B2.4 = 0", 0x03, {0, 0, 0, 0, 0, 0, 0, 77}, NONE, SIG(AvgElectricCost), 77},
    {"accumulated cost when B2.4 = 1", 0x03, {0, 0, 0x10, 0, 0, 0, 0, 77}, NONE, SIG(AccAvgElectricCost), 77},
    {"average cost untouched when B2.4 = 1", 0x03, {0, 0, 0x10, 0, 0, 0, 0, 77}, SET(AvgElectricCost = 9), SIG(AvgElectricCost), 9},
    {"trip 99999, B3 more significant", 0x03, {0, 0, 0x80, 0x86, 0x9F}, NONE, SIG(TripSinceIGON), 99999},
    {"trip 100000 unchanged", 0x03, {0, 0, 0x80, 0x86, 0xA0}, SET(TripSinceIGON = 3), SIG(TripSinceIGON), 3},
    {"time 5999 since ignition", 0x03, {0, 0, 0x00, 0, 0, 0x6F, 0x17}, NONE, SIG(TimeSinceIGON), 5999},
    {"time selector 1", 0x03, {0, 0, 0x20, 0, 0, 0x6F, 0x17}, NONE, SIG(TimeASinceCharging), 5999},
    {"time selector 2", 0x03, {0, 0, 0x40, 0, 0, 0x10, 0x01}, NONE, SIG(TimeAVD), 272},
    {"time selector 3", 0x03, {0, 0, 0x60, 0, 0, 0x10, 0x01}, NONE, SIG(TimeBVD), 272},
    {"time selector leaves the others", 0x03, {0, 0, 0x60, 0, 0, 0x10, 0x01}, SET(TimeSinceIGON = 4), SIG(TimeSinceIGON), 4},
    {"time 6000 unchanged", 0x03, {0, 0, 0, 0, 0, 0x70, 0x17}, SET(TimeSinceIGON = 4), SIG(TimeSinceIGON), 4},
    {"screen test B6.5-7", 0x03, {0, 0, 0, 0, 0, 0, 0xE0}, NONE, SIG(ScreenColorTest), 7},
    {"design frame: odo", 0x03, {0x0C, 0, 0, 0x01, 0x06, 0x06, 0x01, 0xFF}, NONE, SIG(Odo), 12},
    {"design frame: trip", 0x03, {0x0C, 0, 0, 0x01, 0x06, 0x06, 0x01, 0xFF}, NONE, SIG(TripSinceIGON), 262},
    {"design frame: time", 0x03, {0x0C, 0, 0, 0x01, 0x06, 0x06, 0x01, 0xFF}, NONE, SIG(TimeSinceIGON), 262},
    // Frame 0x04
    {"left module", 0x04, {0xF5}, NONE, SIG(LeftModuleID), 5},
    {"right module", 0x04, {0, 0, 0, 0, 0xF9}, NONE, SIG(RightModuleID), 9},
    {"left cursor with the list", 0x04, {0x01, 7}, NONE, SIG(LeftListCursor), 7},
    {"left cursor only with the list", 0x04, {0x02, 7}, SET(LeftListCursor = 3), SIG(LeftListCursor), 3},
    {"right cursor with the list", 0x04, {0, 0, 0, 0, 0x01, 9}, NONE, SIG(RightListCursor), 9},
    {"right cursor only with the list", 0x04, {0, 0, 0, 0, 0x02, 9}, SET(RightListCursor = 3), SIG(RightListCursor), 3},
    {"tips while charging", 0x04, {0, 0, 0, 0, 0x0F, 0xFA}, SET(ChargingState = 3), SIG(ChargingTips), 10},
    {"tips while heating", 0x04, {0, 0, 0, 0, 0x0F, 0x0A}, SET(ChargingState = 11), SIG(ChargingTips), 10},
    {"tips while fast charging", 0x04, {0, 0, 0, 0, 0x0F, 0x0A}, SET(ChargingState = 6), SIG(ChargingTips), 10},
    {"tips 0 when not charging", 0x04, {0, 0, 0, 0, 0x0F, 0x0A}, SET(ChargingState = 5; ChargingTips = 4), SIG(ChargingTips), 0},
    {"tips only with the charging panel", 0x04, {0, 0, 0, 0, 0x09, 0x0A}, SET(ChargingState = 3; ChargingTips = 4), SIG(ChargingTips), 4},
    {"time needed 5999, B6 more significant", 0x04, {0, 0, 0, 0, 0x0F, 0, 0x17, 0x6F}, NONE, SIG(ChargingTimeNeed), 5999},
    {"time needed 6000 -> none", 0x04, {0, 0, 0, 0, 0x0F, 0, 0x17, 0x70}, NONE, SIG(ChargingTimeNeed), 0xFFFF},
    {"time needed only with the charging panel", 0x04, {0, 0, 0, 0, 0x01, 0, 0x01, 0x00}, SET(ChargingTimeNeed = 8), SIG(ChargingTimeNeed), 8},
    // Frame 0x05: radar rule R
    {"radar 0 -> nothing detected", 0x05, {0}, NONE, SIG(RadarSpacingF1), 255},
    {"radar 1", 0x05, {0, 1}, NONE, SIG(RadarSpacingF2), 1},
    {"radar 141", 0x05, {0, 0, 141}, NONE, SIG(RadarSpacingF3), 141},
    {"radar 142 unchanged", 0x05, {0, 0, 0, 0x8E}, SET(RadarSpacingF4 = 60), SIG(RadarSpacingF4), 60},
    {"radar 253 unchanged", 0x05, {0, 0, 0, 0, 253}, SET(RadarSpacingB1 = 60), SIG(RadarSpacingB1), 60},
    {"radar 254 passed through", 0x05, {0, 0, 0, 0, 0, 254}, NONE, SIG(RadarSpacingB2), 254},
    {"radar 255", 0x05, {0, 0, 0, 0, 0, 0, 255}, NONE, SIG(RadarSpacingB3), 255},
    {"radar B7 -> B4", 0x05, {0, 0, 0, 0, 0, 0, 0, 40}, NONE, SIG(RadarSpacingB4), 40},
    // Frame 0x06
    {"pressure 35", 0x06, {35}, NONE, SIG(TirePressureLF), 35},
    {"pressure 36 unchanged", 0x06, {0, 36}, SET(TirePressureRF = 24), SIG(TirePressureRF), 24},
    {"pressure 62 unchanged", 0x06, {0, 0, 62}, SET(TirePressureLB = 24), SIG(TirePressureLB), 24},
    {"pressure 63 -> none", 0x06, {0, 0, 0, 0xFF}, NONE, SIG(TirePressureRB), 255},
    {"tyre temperature", 0x06, {0, 0, 0, 0, 0x95, 0x92, 0x91, 0x96}, NONE, SIG(TireTemperatureRB), 0x96},
    {"tyre bits all clear frame", 0x06, {0, 0, 0, 0}, NONE, SIG(TireBits.value), 0x0F},
    {"tyre bits inverted and plain", 0x06, {0x40, 0x80, 0xC0, 0x00}, NONE, SIG(TireBits.value), 0x6A},
    {"design frame tyre bits", 0x06, {0xDA, 0x51, 0xD6, 0x53}, NONE, SIG(TireBits.value), 0x50},
    // Frame 0x07
    {"menu 8 unchanged", 0x07, {0x08, 20}, SET(MenuID = 2), SIG(MenuID), 2},
    {"unchanged menu still applies its value", 0x07, {0x08, 20}, SET(MenuID = 2), SIG(MenuTemperature), 20},
    {"no menu: last menu", 0x07, {0xF0}, NONE, SIG(MenuLastID), 15},
    {"list: cursor", 0x07, {0x31, 0x05}, NONE, SIG(MenuLstCursor), 3},
    {"list: flags inverted, bits 5-7 kept", 0x07, {0x31, 0x05}, SET(MenuLstFlg.value = 0xE0), SIG(MenuLstFlg.value), 0xFA},
    {"temperature 28", 0x07, {0x02, 28}, NONE, SIG(MenuTemperature), 28},
    {"temperature 29 unchanged", 0x07, {0x02, 29}, SET(MenuTemperature = 20), SIG(MenuTemperature), 20},
    {"fan 15", 0x07, {0x03, 15}, NONE, SIG(MenuWindyPower), 15},
    {"fan 16 unchanged", 0x07, {0x03, 16}, SET(MenuWindyPower = 4), SIG(MenuWindyPower), 4},
    {"brightness 100", 0x07, {0x04, 100}, NONE, SIG(MenuBrightness), 100},
    {"brightness 101 unchanged", 0x07, {0x04, 101}, SET(MenuBrightness = 40), SIG(MenuBrightness), 40},
    {"media source nibbles", 0x07, {0xA5, 0x1B}, NONE, SIG(MenuMediaSrcState.value), 0xBA},
    {"media source flags, B1.4 set", 0x07, {0xA5, 0x1B}, SET(MenuMediaSrcFlg.value = 0xE8), SIG(MenuMediaSrcFlg.value), 0xF7},
    {"media source flags, B1.4 clear", 0x07, {0xA5, 0x0B}, SET(MenuMediaSrcFlg.value = 0xE0), SIG(MenuMediaSrcFlg.value), 0xFF},
    {"air-flow mode", 0x07, {0x96}, NONE, SIG(MenuWindyMode), 9},
    {"version menu changes nothing", 0x07, {0xF7, 0x05}, SET(MenuLastID = 4), SIG(MenuLastID), 4},
    {"trip since charging 99999", 0x07, {0, 0, 0, 0, 0x9F, 0x86, 0x01}, NONE, SIG(TripASinceCharging), 99999},
    {"trip since charging 100000 unchanged", 0x07, {0, 0, 0, 0, 0xA0, 0x86, 0x01}, SET(TripASinceCharging = 6), SIG(TripASinceCharging), 6},
    {"parking mode 0: slots in CarportValue0", 0x07, {0, 0, 0, 0, 0, 0, 0xE0, 0xE4}, NONE, SIG(CarportValue0.value), 0x38},
    {"parking mode 0: slots in CarportValue1, bits 6-7 kept", 0x07, {0, 0, 0, 0, 0, 0, 0xE0, 0xE4}, SET(CarportValue1.value = 0xC0), SIG(CarportValue1.value), 0xF9},
    {"parking mode 2 clears CarportValue0 slots", 0x07, {0, 0, 0, 0, 0, 0, 0xF8, 0xFF}, SET(CarportValue0.value = 0xFC), SIG(CarportValue0.value), 0x02},
    {"parking mode 2 clears CarportValue1 slots", 0x07, {0, 0, 0, 0, 0, 0, 0xF8, 0xFF}, SET(CarportValue1.value = 0xFF), SIG(CarportValue1.value), 0xC0},
    // Frame 0x08
    {"heading 714 -> 357", 0x08, {0, 0, 0, 0, 0x04, 0xCA}, NONE, SIG(TrafficLaneParam1), 357},
    {"heading 0 -> -357", 0x08, {0, 0, 0, 0, 0x00, 0x00}, NONE, SIG(TrafficLaneParam1), -357},
    {"heading 715 unchanged", 0x08, {0, 0, 0, 0, 0x04, 0xCB}, SET(TrafficLaneParam1 = 11), SIG(TrafficLaneParam1), 11},
    {"curvature 400 -> 200", 0x08, {0, 0, 0, 0x90, 0x01}, NONE, SIG(TrafficLaneParam2), 200},
    {"curvature 401 unchanged", 0x08, {0, 0, 0, 0x91, 0x01}, SET(TrafficLaneParam2 = 11), SIG(TrafficLaneParam2), 11},
    {"curvature change 240 -> 120", 0x08, {0, 0, 240}, NONE, SIG(TrafficLaneParam3), 120},
    {"curvature change 0 -> -120", 0x08, {0, 0, 0}, NONE, SIG(TrafficLaneParam3), -120},
    {"curvature change 241 unchanged", 0x08, {0, 0, 241}, SET(TrafficLaneParam3 = 11), SIG(TrafficLaneParam3), 11},
    {"lane LL from B0 low", 0x08, {0xA9}, NONE, SIG(TrafficLaneStatus_LL), 9},
    {"lane L from B0 high", 0x08, {0xA9}, NONE, SIG(TrafficLaneStatus_L), 10},
    {"lane L 11 unchanged", 0x08, {0xB0}, SET(TrafficLaneStatus_L = 2), SIG(TrafficLaneStatus_L), 2},
    {"lane R from B1 high", 0x08, {0, 0x5A}, NONE, SIG(TrafficLaneStatus_R), 5},
    {"lane RR from B1 low", 0x08, {0, 0x5A}, NONE, SIG(TrafficLaneStatus_RR), 10},
    {"lane RR 11 unchanged", 0x08, {0, 0x0B}, SET(TrafficLaneStatus_RR = 2), SIG(TrafficLaneStatus_RR), 2},
    // Frame 0x09
    {"vehicle data, all three fields", 0x09, {0x92}, NONE, SIG(ForwardVehicleData0.value), 0x92},
    {"vehicle model 3 unchanged", 0x09, {0, 0x93}, SET(ForwardVehicleData1.value = 0x01), SIG(ForwardVehicleData1.value), 0x91},
    {"vehicle colour 5 unchanged", 0x09, {0, 0, 0x96}, SET(ForwardVehicleData2.value = 0x00), SIG(ForwardVehicleData2.value), 0x82},
    {"vehicle data 3, bits 6-7 kept", 0x09, {0, 0, 0, 0x2A}, SET(ForwardVehicleData3.value = 0xC0), SIG(ForwardVehicleData3.value), 0xEA},
    {"vehicle data 3, 3 unchanged", 0x09, {0, 0, 0, 0xC7}, SET(ForwardVehicleData3.value = 0x15), SIG(ForwardVehicleData3.value), 0x05},
    {"vehicle 1 X 0 -> -120", 0x09, {0, 0, 0, 0, 0, 5}, NONE, SIG(ForwardVehicle1X), -120},
    {"vehicle 1 Y", 0x09, {0, 0, 0, 0, 0, 75}, NONE, SIG(ForwardVehicle1Y), 75},
    {"vehicle 1 Y 76 unchanged", 0x09, {0, 0, 0, 0, 0, 76}, SET(ForwardVehicle1Y = 30), SIG(ForwardVehicle1Y), 30},
    {"vehicle 2 X 240 -> 120", 0x09, {0, 0, 0, 0, 0, 0, 240}, NONE, SIG(ForwardVehicle2X), 120},
    {"vehicle 2 X 241 -> none", 0x09, {0, 0, 0, 0, 0, 0, 241}, NONE, SIG(ForwardVehicle2X), 127},
    // Frame 0x0A
    {"vehicle 3", 0x0A, {0x68, 0x08}, NONE, SIG(ForwardVehicle3X), -16},
    {"vehicle 4 Y", 0x0A, {0, 0, 0x78, 0x10}, NONE, SIG(ForwardVehicle4Y), 16},
    {"vehicle 5 X none", 0x0A, {0, 0, 0, 0, 0xFF, 0}, NONE, SIG(ForwardVehicle5X), 127},
    {"vehicle 6 Y 200 unchanged", 0x0A, {0, 0, 0, 0, 0, 0, 0xA8, 200}, SET(ForwardVehicle6Y = 12), SIG(ForwardVehicle6Y), 12},
    // Frame 0x0B (clicks and the energy ring have their own tests)
    {"left menu value", 0x0B, {0xFC, 0, 0, 0, 0, 0, 0, 0xFF}, NONE, SIG(MenuLeftValue[MENU_LEFT_ACC]), 31},
    {"left menu id 7 stored", 0x0B, {0x07, 0, 0, 0, 0, 0, 0, 0xFF}, NONE, SIG(MenuLeftId), 7},
    {"left menu id 5 writes no value", 0x0B, {0xFD, 0, 0, 0, 0, 0, 0, 0xFF}, SET(MenuLeftValue[4] = 3), SIG(MenuLeftValue[4]), 3},
    {"battery low B2.6", 0x0B, {0, 0, 0x40, 0, 0, 0, 0, 0xFF}, NONE, SIG(IND_BAT_LACK), 1},
    {"radar distance", 0x0B, {0, 0, 0, 0, 0, 200, 0, 0xFF}, NONE, SIG(RadarDistance), 200},
    {"vehicle colour", 0x0B, {0, 0, 0, 0, 0, 0, 9, 0xFF}, NONE, SIG(VehicleColorCfg), 9},
    // Frame 0x0C
    {"radar F0 0 -> none", 0x0C, {0}, NONE, SIG(RadarSpacingF0), 255},
    {"radar F5", 0x0C, {0, 100}, NONE, SIG(RadarSpacingF5), 100},
    {"radar B0 200 unchanged", 0x0C, {0, 0, 200}, SET(RadarSpacingB0 = 70), SIG(RadarSpacingB0), 70},
    {"radar B5 254", 0x0C, {0, 0, 0, 254}, NONE, SIG(RadarSpacingB5), 254},
    {"colour F0 from frame 0x0B", 0x0C, {}, SET(srcDataBuf[0x0B][2].value = 0x1D), SIG(RadarColorF0), 5},
    {"colour F5 from frame 0x0B", 0x0C, {}, SET(srcDataBuf[0x0B][2].value = 0x1D), SIG(RadarColorF5), 3},
    {"colour F1", 0x0C, {0, 0, 0, 0, 0, 0x06}, NONE, SIG(RadarColorF1), 6},
    {"colour F2", 0x0C, {0, 0, 0, 0, 0, 0x28}, NONE, SIG(RadarColorF2), 5},
    {"colour F3 across B5 and B6", 0x0C, {0, 0, 0, 0, 0, 0xC0, 0x01}, NONE, SIG(RadarColorF3), 7},
    {"colour F3, B5 bits high", 0x0C, {0, 0, 0, 0, 0, 0x40, 0x00}, NONE, SIG(RadarColorF3), 2},
    {"colour F4", 0x0C, {0, 0, 0, 0, 0, 0, 0x0C}, NONE, SIG(RadarColorF4), 6},
    {"colour B0", 0x0C, {0, 0, 0, 0, 0x14}, NONE, SIG(RadarColorB0), 5},
    {"colour B1", 0x0C, {0, 0, 0, 0, 0, 0, 0x70}, NONE, SIG(RadarColorB1), 7},
    {"colour B2 across B6 and B7", 0x0C, {0, 0, 0, 0, 0, 0, 0x80, 0x03}, NONE, SIG(RadarColorB2), 7},
    {"colour B2, B6.7 most significant", 0x0C, {0, 0, 0, 0, 0, 0, 0x80, 0x00}, NONE, SIG(RadarColorB2), 4},
    {"colour B3", 0x0C, {0, 0, 0, 0, 0, 0, 0, 0x0C}, NONE, SIG(RadarColorB3), 3},
    {"colour B4", 0x0C, {0, 0, 0, 0, 0, 0, 0, 0xC0}, NONE, SIG(RadarColorB4), 6},
    {"colour B5", 0x0C, {0, 0, 0, 0, 0xE0}, NONE, SIG(RadarColorB5), 7},
    {"alarm 1 -> tail", 0x0C, {0, 0, 0, 0, 0x01}, NONE, SIG(RadarPriority), RADAR_PRIORITY_TAIL},
    {"alarm 2 -> head", 0x0C, {0, 0, 0, 0, 0x02}, SET(RadarPriority = 1), SIG(RadarPriority), RADAR_PRIORITY_HEAD},
    {"alarm 3 -> head", 0x0C, {0, 0, 0, 0, 0x03}, SET(RadarPriority = 1), SIG(RadarPriority), RADAR_PRIORITY_HEAD},
    {"alarm 0 keeps priority", 0x0C, {0, 0, 0, 0, 0x00}, SET(RadarPriority = 1), SIG(RadarPriority), RADAR_PRIORITY_TAIL},
    {"alarm stored", 0x0C, {0, 0, 0, 0, 0xFF}, NONE, SIG(RadarAlarm), 3},
    // Frame 0x0D
    {"lane offset 0 -> -128", 0x0D, {0x00}, NONE, SIG(TrafficLaneParam0_LL), -128},
    {"lane offset FF -> 127", 0x0D, {0, 0xFF}, NONE, SIG(TrafficLaneParam0_L), 127},
    {"lane offset 80 -> 0", 0x0D, {0, 0, 0x80}, SET(TrafficLaneParam0_R = 9), SIG(TrafficLaneParam0_R), 0},
    {"lane offset RR", 0x0D, {0, 0, 0, 0x90}, NONE, SIG(TrafficLaneParam0_RR), 16},
    {"lane length LL", 0x0D, {0, 0, 0, 0, 0x3F}, NONE, SIG(LaneLength_LL), 78},
    {"lane length L, B4 bits high", 0x0D, {0, 0, 0, 0, 0xC0, 0x0F}, NONE, SIG(LaneLength_L), 78},
    {"lane length L, B4 alone", 0x0D, {0, 0, 0, 0, 0x40, 0x00}, NONE, SIG(LaneLength_L), 31},
    {"lane length R, B5 bits high", 0x0D, {0, 0, 0, 0, 0, 0x10, 0x00}, NONE, SIG(LaneLength_R), 19},
    {"lane length R full", 0x0D, {0, 0, 0, 0, 0, 0xF0, 0x03}, NONE, SIG(LaneLength_R), 78},
    {"lane length RR", 0x0D, {0, 0, 0, 0, 0, 0, 0xFC}, NONE, SIG(LaneLength_RR), 78},
    {"assist marker", 0x0D, {0, 0, 0, 0, 0, 0, 0, 0x04}, NONE, SIG(ACCstate), 4},
    {"face step 12", 0x0D, {0, 0, 0, 0, 0, 0, 0, 0xC0}, NONE, SIG(FaceRecognitionstate), 12},
    {"face step 13 unchanged", 0x0D, {0, 0, 0, 0, 0, 0, 0, 0xD0}, SET(FaceRecognitionstate = 2), SIG(FaceRecognitionstate), 2},
};

TEST(MainBoardCodec, EveryDecoderRule)
{
    for (const DecodeCase& c : kDecodeCases) {
        ResetCodec();
        if (c.preset) c.preset();
        StoreAndDecode(c.frame, c.bytes);
        EXPECT_EQ(c.read(), c.expect) << "frame 0x" << std::hex << (int)c.frame << ": " << c.what;
        // The same stored frame decoded again changes nothing.
        MbSignalSnapshot once = MbTakeSnapshot();
        MB_IIC_DecodeData(c.frame);
        EXPECT_EQ(MbChangedSignals(once, MbTakeSnapshot()), std::vector<std::string>{}) << c.what;
    }
}

// The frames the window starts with (and random-ish ones) decode the same every time.
TEST(MainBoardCodec, DecodingAFrameTwiceChangesNothing)
{
    ResetCodec();
    const Bytes frames[] = {
        {0x09, 0x40, 0x04, 0xC1, 0x04, 0xF7, 0x38, 0xE0}, {0xFF, 0xFF, 0xFF, 0xFF, 0xF4, 0x00, 0xFF, 0x86},
        {0x00, 0x3E, 0x90, 0x00, 0x82, 0x00, 0x00, 0x5F}, {0x0C, 0x00, 0x00, 0x01, 0x06, 0x06, 0x01, 0xFF},
        {0x05, 0x00, 0x00, 0x00, 0x0F, 0x00, 0x01, 0x4A}, {0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01},
        {0xDA, 0x51, 0xD6, 0x53, 0x95, 0x92, 0x91, 0x96}, {0x20, 0x00, 0x00, 0x00, 0x14, 0x0E, 0x00, 0x00},
        {0x11, 0x11, 0x7A, 0xC3, 0x02, 0x63, 0x90, 0xB0}, {0x4C, 0x45, 0x45, 0x1A, 0x28, 0x08, 0x48, 0x10},
        {0x68, 0x08, 0x78, 0x10, 0x88, 0x18, 0xA8, 0x10}, {0xE4, 0x1D, 0x40, 0x0F, 0x00, 0x00, 0x00, 0x30},
        {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, {0x50, 0x70, 0x90, 0xB0, 0x0F, 0x3F, 0x3F, 0x00},
        {0xA5, 0x5A, 0xC3, 0x3C, 0x99, 0x66, 0xFF, 0x01},
    };
    for (UInt08 id = 0; id < ID_FRAME_R_NUM; ++id) {
        StoreAndDecode(id, frames[id]);
        MbSignalSnapshot once = MbTakeSnapshot();
        MB_IIC_DecodeData(id);
        EXPECT_EQ(MbChangedSignals(once, MbTakeSnapshot()), std::vector<std::string>{}) << "frame " << (int)id;
    }
}

TEST(MainBoardCodec, FramesWithoutDecoderChangeNothing)
{
    ResetCodec();
    StoreAndDecode(ID_FRAME_R_0x00, {0x09, 0x40, 0x04, 0xC1, 0x04, 0xF7, 0x38, 0xE0});
    MbSignalSnapshot before = MbTakeSnapshot();
    StoreAndDecode(ID_FRAME_R_0x0E, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    MB_IIC_DecodeData(15);
    MB_IIC_DecodeData(255);
    EXPECT_EQ(MbChangedSignals(before, MbTakeSnapshot()), std::vector<std::string>{});
}

// Energy-cost history: a sample is recorded only when it follows a gap (255).
void Sample(UInt08 b7) { StoreAndDecode(ID_FRAME_R_0x0B, {0, 0, 0, 0, 0, 0, 0, b7}); }

TEST(MainBoardCodec, EnergyRingFirstSampleClearsHistory)
{
    ResetCodec();
    memset(EnergyCostP100m, 7, sizeof(EnergyCostP100m));
    Sample(50);
    EXPECT_EQ(EnergyCostIdx, 0);
    EXPECT_EQ(EnergyCostIdx0, 0);
    EXPECT_EQ(EnergyCostP100m[0], 50);
    for (int k = 1; k < 100; ++k) ASSERT_EQ(EnergyCostP100m[k], 0) << "entry " << k;
    Sample(50);  // the same frame again
    Sample(60);  // no gap before it
    EXPECT_EQ(EnergyCostIdx, 0);
    EXPECT_EQ(EnergyCostP100m[1], 0);
    Sample(255);
    Sample(70);
    EXPECT_EQ(EnergyCostIdx, 1);
    EXPECT_EQ(EnergyCostIdx0, 0);
    EXPECT_EQ(EnergyCostP100m[0], 50);
    EXPECT_EQ(EnergyCostP100m[1], 70);
}

TEST(MainBoardCodec, EnergyRingHundredAndFirstSampleOverwritesTheOldest)
{
    ResetCodec();
    for (int k = 1; k <= 100; ++k) {
        Sample(255);
        Sample((UInt08)k);
    }
    EXPECT_EQ(EnergyCostIdx, 99);
    EXPECT_EQ(EnergyCostIdx0, 0);
    EXPECT_EQ(EnergyCostP100m[99], 100);
    Sample(255);
    Sample(201);
    EXPECT_EQ(EnergyCostIdx, 0);
    EXPECT_EQ(EnergyCostIdx0, 1);
    EXPECT_EQ(EnergyCostP100m[0], 201);
    EXPECT_EQ(EnergyCostP100m[1], 2);
    Sample(255);
    Sample(202);
    EXPECT_EQ(EnergyCostIdx, 1);
    EXPECT_EQ(EnergyCostIdx0, 2);
}

// B1 of frame 0x0B: operation in bits 0-1, click flag bit 2, cursor bits 3-7.
UInt08 PhoneByte(UInt08 op, bool click, UInt08 cursor)
{
    return (UInt08)(op | (click ? 4 : 0) | (cursor << 3));
}

void PhoneFrame(UInt08 b1) { StoreAndDecode(ID_FRAME_R_0x0B, {0, b1, 0, 0, 0, 0, 0, 0xFF}); }

TEST(MainBoardCodec, ClicksCountOnce)
{
    ResetCodec();
    testing::internal::CaptureStdout();
    PhoneFrame(PhoneByte(1, true, 3));
    EXPECT_EQ(McuBltOpListCursor, 3);
    EXPECT_EQ(McuBltOpListClick, 3);
    EXPECT_EQ(McuBltOpListClickCnt, 0) << "255 + 1 wraps to 0";
    PhoneFrame(PhoneByte(1, true, 3));  // the same frame again
    EXPECT_EQ(McuBltOpListClickCnt, 0);
    PhoneFrame(PhoneByte(1, false, 5));  // cursor moves without a click
    EXPECT_EQ(McuBltOpListCursor, 5);
    EXPECT_EQ(McuBltOpListClick, 3);
    PhoneFrame(PhoneByte(2, true, 1));  // another operation
    EXPECT_EQ(McuBltOpInCallClick, 1);
    EXPECT_EQ(McuBltOpInCallClickCnt, 0);
    EXPECT_EQ(McuBltOpState, 2);
    PhoneFrame(PhoneByte(1, true, 3));  // back: the list's last click is forgotten, so it counts
    EXPECT_EQ(McuBltOpListClick, 3);
    EXPECT_EQ(McuBltOpListClickCnt, 1);
    PhoneFrame(PhoneByte(3, true, 0));  // a first click on entry 0 counts
    EXPECT_EQ(McuBltOpSpeakClick, 0);
    EXPECT_EQ(McuBltOpSpeakClickCnt, 0);
    PhoneFrame(PhoneByte(0, true, 9));  // no operation: nothing but the state
    EXPECT_EQ(McuBltOpState, 0);
    EXPECT_EQ(McuBltOpSpeakCursor, 0);
    EXPECT_EQ(McuBltOpSpeakClickCnt, 0);
    std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(log, "McuBltOpListClick [3]\nMcuBltOpInCallClick [1]\nMcuBltOpListClick [3]\n"
                   "McuBltOpSpeakClick [0]\n");
}

TEST(MainBoardCodec, AnswerFramePacksItsBits)
{
    struct Case { UInt08 music, ota, hmi, right; Int08 cursor; UInt08 usb; Bytes expect; };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0, {0, 0, 0}},
        {1, 17, 2, 6, 31, 1, {0xA3, 0xFE, 0x01}},
        {5, 0x25, 7, 9, -1, 3, {0xCB, 0xF9, 0x01}},  // only the low bits of each value are sent
        {0, 0x1F, 0, 0, 1, 0, {0x3E, 0x08, 0x00}},
    };
    for (const Case& c : cases) {
        memset(dstDataBuf, 0, sizeof(dstDataBuf));
        BlutsMusicState = c.music; OtaState = c.ota; HmiDspState = c.hmi; RightSideState = c.right;
        BlutPhoneCursorNum = c.cursor; CduUsbState = c.usb;
        MB_IIC_EncodeData(ID_FRAME_W_0x00);
        for (int k = 0; k < 8; ++k)
            EXPECT_EQ(dstDataBuf[0][k].value, c.expect[k]) << "byte " << k << " ota " << (int)c.ota;
    }
    // Frames without an encoder stay as they are.
    memset(dstDataBuf, 0, sizeof(dstDataBuf));
    MB_IIC_EncodeData(ID_FRAME_W_0x01);
    MB_IIC_EncodeData(ID_FRAME_W_0x02);
    MB_IIC_EncodeData(200);
    for (int f = 0; f < ID_FRAME_W_NUM; ++f)
        for (int k = 0; k < 8; ++k) EXPECT_EQ(dstDataBuf[f][k].value, 0);
    OtaState = 0; BlutsMusicState = 0; CduUsbState = 0;
}

TEST(MainBoardCodec, VerifyAndStore)
{
    memset(srcDataBuf, 0, sizeof(srcDataBuf));
    Odo = 7;
    UInt08 good[9] = {0x0C, 0x00, 0x00, 0x01, 0x06, 0x06, 0x01, 0xFF, 0x1C};
    EXPECT_EQ(MB_IIC_VerifyAndStore(3, good), 0);
    for (int k = 0; k < 8; ++k) EXPECT_EQ(srcDataBuf[3][k].value, good[k]);
    EXPECT_EQ(Odo, 7u) << "storing does not decode";

    UInt08 frame[9] = {1, 2, 3, 4, 5, 6, 7, 8, 0};
    struct Bad { const char* what; UInt08 id; UInt08* data; UInt08 checksum; };
    const Bad bad[] = {
        {"checksum off by one", 3, frame, (UInt08)(3 + 36 + 1)},
        {"checksum without the frame number", 3, frame, 36},
        {"frame number 15", 15, frame, (UInt08)(15 + 36)},
        {"frame number 255", 255, frame, (UInt08)(255 + 36)},
        {"null buffer", 3, nullptr, 0},
    };
    for (const Bad& b : bad) {
        frame[8] = b.checksum;
        EXPECT_EQ(MB_IIC_VerifyAndStore(b.id, b.data), -1) << b.what;
        for (int k = 0; k < 8; ++k) ASSERT_EQ(srcDataBuf[3][k].value, good[k]) << b.what;
    }
    frame[8] = (UInt08)(14 + 36);
    EXPECT_EQ(MB_IIC_VerifyAndStore(14, frame), 0);
    EXPECT_EQ(srcDataBuf[14][7].value, 8);
}

TEST(MainBoardCodec, StartValues)
{
    memset(srcDataBuf, 0, sizeof(srcDataBuf));
    Speed = 9; Battery = 9; Gear = 3; WorkMode = 2; MenuBrightness = 50; MenuTemperature = 3;
    McuBltOpListClick = 4; McuBltOpSpeakClickCnt = 2; EnergyCostIdx = 5; EnergyCostIdx0 = 6;
    FaceRecognitionstate = 3; HmiDspState = 2; IicComStatus = IIC_COM_EXCEPTION;
    OtaState = OTA_TRANSFERING;
    testing::internal::CaptureStdout();
    MB_IIC_SetInitialValue();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "   OtaState Update[1]->[0]\n");
    EXPECT_EQ(OtaState, OTA_Normal);
    EXPECT_EQ(Speed, 0); EXPECT_EQ(Battery, 0); EXPECT_EQ(Gear, GEAR_INVISIBLE);
    EXPECT_EQ(WorkMode, WORK_MODE_OFF); EXPECT_EQ(MenuBrightness, 1); EXPECT_EQ(MenuTemperature, 255);
    EXPECT_EQ(McuBltOpListClick, 255); EXPECT_EQ(McuBltOpSpeakClickCnt, 255);
    EXPECT_EQ(EnergyCostIdx, 255); EXPECT_EQ(EnergyCostIdx0, 255);
    EXPECT_EQ(FaceRecognitionstate, FACE_RCN_NULL); EXPECT_EQ(HmiDspState, HMI_DSP_INIT);
    EXPECT_EQ(IicComStatus, IIC_COM_NORMAL);
    // Without a pending upgrade there is no log line.
    testing::internal::CaptureStdout();
    MB_IIC_SetInitialValue();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

} // namespace

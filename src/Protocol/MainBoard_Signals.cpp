// The table of main-board signals and the few operations on it. Each row is written with a small
// builder so that a row reads like the decoder's rule: where the bits are, the scale, the accepted
// values and what happens to the others. The codec's decoders are the authority; a test decodes
// every raw value of every row with them and compares with what the row predicts.
#include "Protocol/MainBoard_Signals.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "MainBoard_SignalNames.h"

#include <ctype.h>
#include <initializer_list>
#include <stdlib.h>
#include <string.h>

namespace {

MbSigPart LE(UInt08 byte, UInt08 bit, UInt08 length, UInt08 shift = 0)
{
    return MbSigPart{byte, bit, length, 0, shift, 0};
}

MbSigPart BE(UInt08 byte, UInt08 bit, UInt08 length, UInt08 shift = 0)
{
    return MbSigPart{byte, bit, length, 1, shift, 0};
}

MbSigPart Inv(MbSigPart p)
{
    p.Inverted = 1;
    return p;
}

// One row under construction.
struct Row {
    MbSignal s;

    Row(const char* name, UInt08 frame, std::initializer_list<MbSigPart> parts) : s()
    {
        s.Name = name;
        s.Frame = frame;
        s.DecodedBy = frame;
        for (const MbSigPart& p : parts) s.Parts[s.PartNum++] = p;
        s.Factor = 1;
        s.Min = 0;
        s.Max = (Int32)MB_SIG_RawMask(&s);
        s.Rule = MB_SIG_RULE_STORED;
        s.Unit = "";
    }
    Row& Scale(Int32 factor, Int32 offset)
    {
        s.Min = s.Min * factor + offset;
        s.Max = s.Max * factor + offset;
        s.Factor = factor;
        s.Offset = offset;
        return *this;
    }
    Row& Keep(Int32 min, Int32 max) { return Range(min, max, MB_SIG_RULE_KEEP); }
    Row& Clamp(Int32 min, Int32 max) { return Range(min, max, MB_SIG_RULE_CLAMP); }
    Row& Subst(Int32 min, Int32 max, Int32 subst)
    {
        s.Subst = subst;
        return Range(min, max, MB_SIG_RULE_SUBST);
    }
    Row& Special(Int32 raw, Int32 value)
    {
        s.Specials[s.SpecialNum++] = MbSigSpecial{raw, value};
        return *this;
    }
    Row& Unit(const char* unit)
    {
        s.Unit = unit;
        return *this;
    }
    template <size_t N> Row& Values(const MbSigValueName (&names)[N]) { return Values(names, N); }
    Row& Values(const MbSigValueName* names, UInt16 n)
    {
        s.Values = names;
        s.ValueNum = n;
        return *this;
    }
    Row& When(const char* selector, Int32 value)
    {
        s.Selector = selector;
        s.SelectValue = value;
        return *this;
    }
    Row& DecodedBy(UInt08 frame)
    {
        s.DecodedBy = frame;
        return *this;
    }
    Row& Note(const char* note)
    {
        s.Note = note;
        return *this;
    }
    Row& Store(long (*get)(void), void (*set)(long))
    {
        s.Get = get;
        s.Set = set;
        return *this;
    }
    operator MbSignal() const { return s; }

private:
    Row& Range(Int32 min, Int32 max, UInt08 rule)
    {
        s.Min = min;
        s.Max = max;
        s.Rule = rule;
        return *this;
    }
};

// Access to one store variable, or to a bit range of a bit-field byte.
#define VAR(v) Store([]() -> long { return (long)(v); }, [](long x) { v = (decltype(v))x; })
#define BITS(v, first, len)                                                                    \
    Store([]() -> long { return (long)(((v).value >> (first)) & ((1u << (len)) - 1u)); },      \
          [](long x) {                                                                          \
              unsigned m = ((1u << (len)) - 1u) << (first);                                     \
              (v).value = (U08)(((v).value & ~m) | (((unsigned)x << (first)) & m));             \
          })

#define N(x) {x, #x}
const MbSigValueName mMbSig_Gear[] = {N(GEAR_INVISIBLE), N(GEAR_D), N(GEAR_N), N(GEAR_R), N(GEAR_P),
                                      N(GEAR_RESERVE)};
const MbSigValueName mMbSig_WorkMode[] = {N(WORK_MODE_OFF), N(WORK_MODE_ON)};
const MbSigValueName mMbSig_Charge[] = {
    N(CHARGE_DISCONNECTED), N(CHARGE_PREPARING), N(CHARGE_ORDER),    N(CHARGE_CHARGING),
    N(CHARGE_STOP),         N(CHARGE_FINISH),    N(CHARGE_FAST),     N(CHARGE_PULL_HINT),
    N(CHARGE_OP_ERR),       N(CHARGE_DEV_ERR),   N(CHARGE_RESERVE),  N(CHARGE_BAT_HEATING)};
const MbSigValueName mMbSig_Cruise[] = {N(Cruise_State_Invisible), N(Cruise_State_CC_White),
                                        N(Cruise_State_CC_Green),  N(Cruise_State_CC_Yellow),
                                        N(Cruise_State_ACC_Gray),  N(Cruise_State_ACC_Blue)};
const MbSigValueName mMbSig_LeftModule[] = {
    N(MODULE_L_NULL),      N(MODULE_L_LIST),           N(MODULE_L_CLOCK), N(MODULE_L_WEATHER),
    N(MODULE_L_TRIP),      N(MODULE_L_ENG_COST),       N(MODULE_L_NAVIGATION),
    N(MODULE_L_VEHICLE_STATUS), N(MODULE_L_MEDIA),     N(MODULE_L_RESERVE)};
const MbSigValueName mMbSig_RightModule[] = {
    N(MODULE_R_NULL),     N(MODULE_R_LIST),       N(MODULE_R_CLOCK),      N(MODULE_R_WEATHER),
    N(MODULE_R_PHONE),    N(MODULE_R_TRIP),       N(MODULE_R_ENG_COST),   N(MODULE_R_NAVIGATION),
    N(MODULE_R_VEHICLE_STATUS), N(MODULE_R_MEDIA), N(MODULE_R_RESERVE),   N(MODULE_R_CHARGING_INFO)};
const MbSigValueName mMbSig_Menu[] = {N(MENU_NULL),    N(MENU_LIST),      N(MENU_AC_TEMP),
                                      N(MENU_AC_WIND_PWR), N(MENU_BLIGHT), N(MENU_MEDIA_SRC),
                                      N(MENU_AC_WIND_MODE), N(MENU_VERSION)};
const MbSigValueName mMbSig_LeftMenu[] = {N(MENU_LEFT_NULL), N(MENU_LEFT_VOICE_MEDIA), N(MENU_LEFT_VOICE_AI),
                                          N(MENU_LEFT_VOICE_PHONE), N(MENU_LEFT_ACC)};
const MbSigValueName mMbSig_FrontWheel[] = {N(FrontWheelRot_0),  N(FrontWheelRot_L1), N(FrontWheelRot_L2),
                                            N(FrontWheelRot_L3), N(FrontWheelRot_R1), N(FrontWheelRot_R2),
                                            N(FrontWheelRot_R3)};
const MbSigValueName mMbSig_Colour[] = {
    N(VehicleColor_Red),      N(VehicleColor_White),    N(VehicleColor_Silver), N(VehicleColor_Blue),
    N(VehicleColor_SkyBlue),  N(VehicleColor_MattGray), N(VehicleColor_DarkGray), N(VehicleColor_AllRed),
    N(VehicleColor_AllGray),  N(VehicleColor_AllBlue)};
const MbSigValueName mMbSig_Face[] = {
    N(FACE_RCN_NULL),  N(FACE_RCN_IDENTIFICATION_1), N(FACE_RCN_FRONT),   N(FACE_RCN_LEFT),
    N(FACE_RCN_RIGHT), N(FACE_RCN_UP),               N(FACE_RCN_DOWN),    N(FACE_RCN_COVER),
    N(FACE_RCN_SUCCESS_1), N(FACE_RCN_ERROR),        N(FACE_RCN_IDENTIFICATION_2),
    N(FACE_RCN_SUCCESS_2), N(FACE_END)};
const MbSigValueName mMbSig_PhoneOp[] = {{0, "PHONE_OP_NONE"}, {1, "PHONE_OP_LIST"}, {2, "PHONE_OP_INCALL"},
                                         {3, "PHONE_OP_SPEAK"}};
#undef N
// The two selectors of frame 0x03 are no store signals: they say which signal a field carries.
const MbSigValueName mMbSig_CostSelect[] = {{0, "AvgElectricCost"}, {1, "AccAvgElectricCost"}};
const MbSigValueName mMbSig_TimeSelect[] = {{0, "TimeSinceIGON"}, {1, "TimeASinceCharging"}, {2, "TimeAVD"},
                                            {3, "TimeBVD"}};

// Radar distance: 0 is "nothing detected", 254 and 255 pass through, 142..253 are no reading.
Row Radar(const char* name, UInt08 frame, UInt08 byte)
{
    return Row(name, frame, {LE(byte, 0, 8)}).Keep(1, MAX_RADAR_DISTANCE_F0).Special(0, 255).Special(254, 254)
        .Special(255, 255).Unit("cm");
}

Row TirePressure(const char* name, UInt08 byte)
{
    return Row(name, 0x06, {LE(byte, 0, 6)}).Keep(0, 35).Special(63, 255).Unit("0.1 bar").Note("255: no value");
}

// A vehicle ahead: X above 240 means no vehicle (127); Y above 75 is no reading.
Row VehicleX(const char* name, UInt08 frame, UInt08 byte)
{
    return Row(name, frame, {LE(byte, 0, 8)}).Scale(1, -120).Subst(-120, 120, 127).Unit("0.1 m").Note("127: no vehicle");
}

Row VehicleY(const char* name, UInt08 frame, UInt08 byte)
{
    return Row(name, frame, {LE(byte, 0, 8)}).Keep(0, 75).Unit("m");
}

const MbSignal mMbSig_Table[] = {
    // Frame 0x00: driving, battery, charging.
    Row("Speed", 0x00, {LE(0, 0, 8)}).Clamp(0, 240).Special(255, 255).Unit("km/h").Note("255: no valid speed").VAR(Speed),
    Row("Battery", 0x00, {LE(1, 0, 7)}).Keep(0, 100).Unit("%").VAR(Battery),
    Row("IndMute", 0x00, {LE(1, 7, 1)}).VAR(IndMute),
    Row("SpeedWarn", 0x00, {LE(2, 0, 8)}).Keep(0, 240).Unit("km/h").Note("0: never red").VAR(SpeedWarn),
    Row("Power", 0x00, {LE(3, 0, 8)}).Scale(2, -250).Keep(-250, 250).Unit("kW").VAR(Power),
    Row("Gear", 0x00, {LE(4, 0, 3)}).Values(mMbSig_Gear).VAR(Gear),
    Row("IND_FONT_COLLOSION", 0x00, {LE(4, 3, 1)}).VAR(IND_FONT_COLLOSION),
    Row("IND_LANE_WARNING", 0x00, {LE(4, 4, 1)}).VAR(IND_LANE_WARNING),
    Row("IND_BLIND_AUXILIARY", 0x00, {LE(4, 5, 1)}).VAR(IND_BLIND_AUXILIARY),
    Row("IND_REAR_AUXILIARY", 0x00, {LE(4, 6, 1)}).VAR(IND_REAR_AUXILIARY),
    Row("IND_ACC_FAILURE", 0x00, {LE(4, 7, 1)}).VAR(IND_ACC_FAILURE),
    Row("TripRange", 0x00, {LE(5, 0, 10)}).Clamp(0, 999).Special(1023, 0).Unit("km").VAR(TripRange),
    Row("WorkMode", 0x00, {LE(6, 2, 2)}).Keep(WORK_MODE_OFF, WORK_MODE_ON).Values(mMbSig_WorkMode).VAR(WorkMode),
    Row("ChargingState", 0x00, {LE(6, 4, 4)}).Subst(0, 9, CHARGE_RESERVE).Values(mMbSig_Charge)
        .Note("also resets ChargingTips to 0 unless charging (3 or 6) with tip 2").VAR(ChargingState),
    Row("SpeedLimit", 0x00, {LE(7, 0, 8)}).Keep(0, 240).Unit("km/h").VAR(SpeedLimit),

    // Frame 0x01: the lamps, copied byte by byte.
    Row("Indicator[0]", 0x01, {LE(0, 0, 8)}).BITS(Indicator[0], 0, 8),
    Row("Indicator[1]", 0x01, {LE(1, 0, 8)}).BITS(Indicator[1], 0, 8),
    Row("Indicator[2]", 0x01, {LE(2, 0, 8)}).BITS(Indicator[2], 0, 8),
    Row("Indicator[3]", 0x01, {LE(3, 0, 8)}).BITS(Indicator[3], 0, 8),
    Row("Indicator[4]", 0x01, {LE(4, 0, 8)}).BITS(Indicator[4], 0, 8),
    Row("Indicator[5]", 0x01, {LE(5, 0, 8)}).BITS(Indicator[5], 0, 8),
    Row("Indicator[6]", 0x01, {LE(6, 0, 8)}).BITS(Indicator[6], 0, 8),
    Row("Indicator[7]", 0x01, {LE(7, 0, 8)}).BITS(Indicator[7], 0, 8),
    Row("FrontWheelRotState", 0x01, {LE(4, 0, 3)}).Subst(0, 6, FrontWheelRot_0).Values(mMbSig_FrontWheel)
        .Note("bits 0-2 of Indicator[4]").VAR(FrontWheelRotState),

    // Frame 0x02: time, date, temperature, hints and alarms, cruise.
    Row("DateDay", 0x02, {LE(0, 0, 5)}).Scale(1, 1).Keep(1, 31).VAR(DateDay),
    Row("SysTimeOfDayInMin", 0x02, {LE(1, 0, 8), LE(0, 5, 3, 8)}).Keep(0, 1439).Unit("min").VAR(SysTimeOfDayInMin),
    Row("DateMonth", 0x02, {LE(2, 0, 4)}).Scale(1, 1).Keep(1, 12).VAR(DateMonth),
    Row("SysTimeFmt", 0x02, {LE(2, 4, 1)}).VAR(SysTimeFmt),
    Row("CruiseState", 0x02, {LE(2, 5, 3)}).Values(mMbSig_Cruise).VAR(CruiseState),
    Row("DateYear", 0x02, {LE(3, 0, 8)}).Scale(1, 2000).VAR(DateYear),
    Row("Temperature", 0x02, {LE(4, 0, 8)}).Scale(1, -100).Keep(-40, 87).Special(255, 255).Unit("degC")
        .Note("255: no valid value").VAR(Temperature),
    Row("HintID", 0x02, {LE(5, 0, 8)}).Values(mMbSig_HintNames, mMbSig_HintNameNum).VAR(HintID),
    Row("AlarmOption", 0x02, {LE(6, 0, 2)}).VAR(AlarmOption),
    Row("AlarmID", 0x02, {LE(6, 2, 6)}).Values(mMbSig_AlarmNames, mMbSig_AlarmNameNum).VAR(AlarmID),
    Row("VuskSpeed", 0x02, {LE(7, 0, 8)}).Keep(0, 150).Unit("km/h").VAR(VuskSpeed),

    // Frame 0x03: trip computer. Two selector fields say which signal a field carries.
    Row("Odo", 0x03, {LE(0, 0, 20)}).Keep(0, 999999).Unit("km").VAR(Odo),
    Row("ElectricCostSelector", 0x03, {LE(2, 4, 1)}).Values(mMbSig_CostSelect)
        .Note("selects the signal of byte 7; no store signal"),
    Row("TimeSelector", 0x03, {LE(2, 5, 2)}).Values(mMbSig_TimeSelect)
        .Note("selects the signal of bytes 5-6; no store signal"),
    Row("TripSinceIGON", 0x03, {BE(3, 7, 16), LE(2, 7, 1, 16)}).Keep(0, 99999).Unit("0.1 km").VAR(TripSinceIGON),
    Row("TimeSinceIGON", 0x03, {LE(5, 0, 13)}).Keep(0, 5999).When("TimeSelector", 0).VAR(TimeSinceIGON),
    Row("TimeASinceCharging", 0x03, {LE(5, 0, 13)}).Keep(0, 5999).When("TimeSelector", 1).VAR(TimeASinceCharging),
    Row("TimeAVD", 0x03, {LE(5, 0, 13)}).Keep(0, 5999).When("TimeSelector", 2).VAR(TimeAVD),
    Row("TimeBVD", 0x03, {LE(5, 0, 13)}).Keep(0, 5999).When("TimeSelector", 3).VAR(TimeBVD),
    Row("ScreenColorTest", 0x03, {LE(6, 5, 3)}).Note("0: normal picture").VAR(ScreenColorTest),
    Row("AvgElectricCost", 0x03, {LE(7, 0, 8)}).Unit("0.1").When("ElectricCostSelector", 0)
        .Note("255: no value").VAR(AvgElectricCost),
    Row("AccAvgElectricCost", 0x03, {LE(7, 0, 8)}).Unit("0.1").When("ElectricCostSelector", 1).VAR(AccAvgElectricCost),

    // Frame 0x04: side panels; the right module selects what bytes 5-7 carry.
    Row("LeftModuleID", 0x04, {LE(0, 0, 4)}).Values(mMbSig_LeftModule).VAR(LeftModuleID),
    Row("LeftListCursor", 0x04, {LE(1, 0, 8)}).When("LeftModuleID", MODULE_L_LIST).VAR(LeftListCursor),
    Row("RightModuleID", 0x04, {LE(4, 0, 4)}).Values(mMbSig_RightModule).VAR(RightModuleID),
    Row("RightListCursor", 0x04, {LE(5, 0, 8)}).When("RightModuleID", MODULE_R_LIST).VAR(RightListCursor),
    Row("ChargingTips", 0x04, {LE(5, 0, 4)}).When("RightModuleID", MODULE_R_CHARGING_INFO)
        .Note("stored only while ChargingState is 3, 6 or 11, else 0").VAR(ChargingTips),
    Row("ChargingTimeNeed", 0x04, {BE(6, 7, 16)}).Subst(0, 5999, 0xFFFF).Unit("min")
        .When("RightModuleID", MODULE_R_CHARGING_INFO).Note("65535: no value").VAR(ChargingTimeNeed),

    // Frame 0x05: inner parking sensors.
    Radar("RadarSpacingF1", 0x05, 0).VAR(RadarSpacingF1),
    Radar("RadarSpacingF2", 0x05, 1).VAR(RadarSpacingF2),
    Radar("RadarSpacingF3", 0x05, 2).VAR(RadarSpacingF3),
    Radar("RadarSpacingF4", 0x05, 3).VAR(RadarSpacingF4),
    Radar("RadarSpacingB1", 0x05, 4).VAR(RadarSpacingB1),
    Radar("RadarSpacingB2", 0x05, 5).VAR(RadarSpacingB2),
    Radar("RadarSpacingB3", 0x05, 6).VAR(RadarSpacingB3),
    Radar("RadarSpacingB4", 0x05, 7).VAR(RadarSpacingB4),

    // Frame 0x06: tyres. TireBits gathers one bit of each of the first four bytes twice.
    TirePressure("TirePressureLF", 0).VAR(TirePressureLF),
    TirePressure("TirePressureRF", 1).VAR(TirePressureRF),
    TirePressure("TirePressureLB", 2).VAR(TirePressureLB),
    TirePressure("TirePressureRB", 3).VAR(TirePressureRB),
    Row("TireTemperatureLF", 0x06, {LE(4, 0, 8)}).Unit("degC+60").VAR(TireTemperatureLF),
    Row("TireTemperatureRF", 0x06, {LE(5, 0, 8)}).Unit("degC+60").VAR(TireTemperatureRF),
    Row("TireTemperatureLB", 0x06, {LE(6, 0, 8)}).Unit("degC+60").VAR(TireTemperatureLB),
    Row("TireTemperatureRB", 0x06, {LE(7, 0, 8)}).Unit("degC+60").VAR(TireTemperatureRB),
    Row("TireBits", 0x06, {Inv(LE(0, 6, 1, 0)), Inv(LE(1, 6, 1, 1)), Inv(LE(2, 6, 1, 2)), Inv(LE(3, 6, 1, 3)),
                           LE(0, 7, 1, 4), LE(1, 7, 1, 5), LE(2, 7, 1, 6), LE(3, 7, 1, 7)})
        .Note("bits 0-3 temperature warning LF, RF, LB, RB (carried inverted), bits 4-7 pressure warning")
        .BITS(TireBits, 0, 8),

    // Frame 0x07: right menus (MenuID selects what bytes 0-1 carry), trip since charging, parking.
    Row("MenuID", 0x07, {LE(0, 0, 4)}).Keep(0, MENU_MAX_AVAILABLE).Values(mMbSig_Menu).VAR(MenuID),
    Row("MenuLastID", 0x07, {LE(0, 4, 4)}).When("MenuID", MENU_NULL).VAR(MenuLastID),
    Row("MenuLstCursor", 0x07, {LE(0, 4, 4)}).When("MenuID", MENU_LIST).VAR(MenuLstCursor),
    Row("MenuLstFlg", 0x07, {Inv(LE(1, 0, 5))}).When("MenuID", MENU_LIST).Note("bits 0-4; bits 5-7 are kept")
        .BITS(MenuLstFlg, 0, 5),
    Row("MenuTemperature", 0x07, {LE(1, 0, 8)}).Keep(0, 28).When("MenuID", MENU_AC_TEMP).VAR(MenuTemperature),
    Row("MenuWindyPower", 0x07, {LE(1, 0, 8)}).Keep(0, 15).When("MenuID", MENU_AC_WIND_PWR).VAR(MenuWindyPower),
    Row("MenuBrightness", 0x07, {LE(1, 0, 8)}).Keep(0, 100).Unit("%").When("MenuID", MENU_BLIGHT).VAR(MenuBrightness),
    Row("MenuMediaSrcState", 0x07, {LE(0, 4, 8)}).When("MenuID", MENU_MEDIA_SRC).BITS(MenuMediaSrcState, 0, 8),
    Row("MenuMediaSrcFlg", 0x07, {Inv(LE(1, 4, 1, 3))}).Scale(1, 0x17).When("MenuID", MENU_MEDIA_SRC)
        .Note("bits 0-4: bits 0, 1, 2 and 4 set, bit 3 carried inverted; bits 5-7 are kept").BITS(MenuMediaSrcFlg, 0, 5),
    Row("MenuWindyMode", 0x07, {LE(0, 4, 4)}).When("MenuID", MENU_AC_WIND_MODE).VAR(MenuWindyMode),
    Row("TripASinceCharging", 0x07, {LE(4, 0, 17)}).Keep(0, 99999).Unit("0.1 km").VAR(TripASinceCharging),
    Row("CarportValue0.sbit26.b01", 0x07, {LE(6, 2, 2)}).Note("parking mode").BITS(CarportValue0, 0, 2),
    Row("CarportValue0.sbit26.b27", 0x07, {LE(6, 4, 6)}).When("CarportValue0.sbit26.b01", 0)
        .Note("slots 1 to 3, two bits each; 0 in the other modes").BITS(CarportValue0, 2, 6),
    Row("CarportValue1.sbit06.b05", 0x07, {LE(7, 2, 6)}).When("CarportValue0.sbit26.b01", 0)
        .Note("slots 4 to 6, two bits each; 0 in the other modes").BITS(CarportValue1, 0, 6),

    // Frame 0x08: lane lines.
    Row("TrafficLaneStatus_LL", 0x08, {LE(0, 0, 4)}).Keep(0, 10).VAR(TrafficLaneStatus_LL),
    Row("TrafficLaneStatus_L", 0x08, {LE(0, 4, 4)}).Keep(0, 10).VAR(TrafficLaneStatus_L),
    Row("TrafficLaneStatus_RR", 0x08, {LE(1, 0, 4)}).Keep(0, 10).VAR(TrafficLaneStatus_RR),
    Row("TrafficLaneStatus_R", 0x08, {LE(1, 4, 4)}).Keep(0, 10).VAR(TrafficLaneStatus_R),
    Row("TrafficLaneParam3", 0x08, {LE(2, 0, 8)}).Scale(1, -120).Keep(-120, 120).Unit("1e-6/m2").VAR(TrafficLaneParam3),
    Row("TrafficLaneParam2", 0x08, {LE(3, 0, 9)}).Scale(1, -200).Keep(-200, 200).Unit("1e-4/m").VAR(TrafficLaneParam2),
    Row("TrafficLaneParam1", 0x08, {LE(5, 0, 8), LE(4, 1, 2, 8)}).Scale(1, -357).Keep(-357, 357).Unit("1e-3 rad")
        .VAR(TrafficLaneParam1),

    // Frame 0x09: model and colour codes of the vehicles ahead, vehicles 1 and 2.
    Row("ForwardVehicleData0.sbit23.b01", 0x09, {LE(0, 0, 2)}).Keep(0, 2).BITS(ForwardVehicleData0, 0, 2),
    Row("ForwardVehicleData0.sbit23.b24", 0x09, {LE(0, 2, 3)}).Keep(0, 4).BITS(ForwardVehicleData0, 2, 3),
    Row("ForwardVehicleData0.sbit23.b57", 0x09, {LE(0, 5, 3)}).Keep(0, 4).BITS(ForwardVehicleData0, 5, 3),
    Row("ForwardVehicleData1.sbit23.b01", 0x09, {LE(1, 0, 2)}).Keep(0, 2).BITS(ForwardVehicleData1, 0, 2),
    Row("ForwardVehicleData1.sbit23.b24", 0x09, {LE(1, 2, 3)}).Keep(0, 4).BITS(ForwardVehicleData1, 2, 3),
    Row("ForwardVehicleData1.sbit23.b57", 0x09, {LE(1, 5, 3)}).Keep(0, 4).BITS(ForwardVehicleData1, 5, 3),
    Row("ForwardVehicleData2.sbit23.b01", 0x09, {LE(2, 0, 2)}).Keep(0, 2).BITS(ForwardVehicleData2, 0, 2),
    Row("ForwardVehicleData2.sbit23.b24", 0x09, {LE(2, 2, 3)}).Keep(0, 4).BITS(ForwardVehicleData2, 2, 3),
    Row("ForwardVehicleData2.sbit23.b57", 0x09, {LE(2, 5, 3)}).Keep(0, 4).BITS(ForwardVehicleData2, 5, 3),
    Row("ForwardVehicleData3.sbit02.b01", 0x09, {LE(3, 0, 2)}).Keep(0, 2).BITS(ForwardVehicleData3, 0, 2),
    Row("ForwardVehicleData3.sbit02.b23", 0x09, {LE(3, 2, 2)}).Keep(0, 2).BITS(ForwardVehicleData3, 2, 2),
    Row("ForwardVehicleData3.sbit02.b45", 0x09, {LE(3, 4, 2)}).Keep(0, 2).BITS(ForwardVehicleData3, 4, 2),
    VehicleX("ForwardVehicle1X", 0x09, 4).VAR(ForwardVehicle1X),
    VehicleY("ForwardVehicle1Y", 0x09, 5).VAR(ForwardVehicle1Y),
    VehicleX("ForwardVehicle2X", 0x09, 6).VAR(ForwardVehicle2X),
    VehicleY("ForwardVehicle2Y", 0x09, 7).VAR(ForwardVehicle2Y),

    // Frame 0x0A: vehicles 3 to 6.
    VehicleX("ForwardVehicle3X", 0x0A, 0).VAR(ForwardVehicle3X),
    VehicleY("ForwardVehicle3Y", 0x0A, 1).VAR(ForwardVehicle3Y),
    VehicleX("ForwardVehicle4X", 0x0A, 2).VAR(ForwardVehicle4X),
    VehicleY("ForwardVehicle4Y", 0x0A, 3).VAR(ForwardVehicle4Y),
    VehicleX("ForwardVehicle5X", 0x0A, 4).VAR(ForwardVehicle5X),
    VehicleY("ForwardVehicle5Y", 0x0A, 5).VAR(ForwardVehicle5Y),
    VehicleX("ForwardVehicle6X", 0x0A, 6).VAR(ForwardVehicle6X),
    VehicleY("ForwardVehicle6Y", 0x0A, 7).VAR(ForwardVehicle6Y),

    // Frame 0x0B: left menus, steering-wheel phone control, radar distance, colour. The click flag
    // (byte 1 bit 2) and the consumption sample (byte 7) feed counters and a history, not a field.
    Row("MenuLeftId", 0x0B, {LE(0, 0, 3)}).Values(mMbSig_LeftMenu).VAR(MenuLeftId),
    Row("MenuLeftValue[0]", 0x0B, {LE(0, 3, 5)}).When("MenuLeftId", 0).VAR(MenuLeftValue[0]),
    Row("MenuLeftValue[1]", 0x0B, {LE(0, 3, 5)}).When("MenuLeftId", 1).VAR(MenuLeftValue[1]),
    Row("MenuLeftValue[2]", 0x0B, {LE(0, 3, 5)}).When("MenuLeftId", 2).VAR(MenuLeftValue[2]),
    Row("MenuLeftValue[3]", 0x0B, {LE(0, 3, 5)}).When("MenuLeftId", 3).VAR(MenuLeftValue[3]),
    Row("MenuLeftValue[4]", 0x0B, {LE(0, 3, 5)}).When("MenuLeftId", 4).VAR(MenuLeftValue[4]),
    Row("McuBltOpState", 0x0B, {LE(1, 0, 2)}).Values(mMbSig_PhoneOp).VAR(McuBltOpState),
    Row("McuBltOpListCursor", 0x0B, {LE(1, 3, 5)}).When("McuBltOpState", 1).VAR(McuBltOpListCursor),
    Row("McuBltOpInCallCursor", 0x0B, {LE(1, 3, 5)}).When("McuBltOpState", 2).VAR(McuBltOpInCallCursor),
    Row("McuBltOpSpeakCursor", 0x0B, {LE(1, 3, 5)}).When("McuBltOpState", 3).VAR(McuBltOpSpeakCursor),
    Row("RadarColorF0", 0x0B, {LE(2, 0, 3)}).DecodedBy(0x0C).Note("stored when frame 0x0C is decoded").VAR(RadarColorF0),
    Row("RadarColorF5", 0x0B, {LE(2, 3, 3)}).DecodedBy(0x0C).Note("stored when frame 0x0C is decoded").VAR(RadarColorF5),
    Row("IND_BAT_LACK", 0x0B, {LE(2, 6, 1)}).VAR(IND_BAT_LACK),
    Row("RadarDistance", 0x0B, {LE(5, 0, 8)}).Unit("cm").VAR(RadarDistance),
    Row("VehicleColorCfg", 0x0B, {LE(6, 0, 8)}).Values(mMbSig_Colour).VAR(VehicleColorCfg),

    // Frame 0x0C: outer parking sensors, sector colours, radar alarm.
    Radar("RadarSpacingF0", 0x0C, 0).VAR(RadarSpacingF0),
    Radar("RadarSpacingF5", 0x0C, 1).VAR(RadarSpacingF5),
    Radar("RadarSpacingB0", 0x0C, 2).VAR(RadarSpacingB0),
    Radar("RadarSpacingB5", 0x0C, 3).VAR(RadarSpacingB5),
    Row("RadarAlarm", 0x0C, {LE(4, 0, 2)}).Note("1 rear view, 2 front view, 3 front without the view; sets RadarPriority")
        .VAR(RadarAlarm),
    Row("RadarColorB0", 0x0C, {LE(4, 2, 3)}).VAR(RadarColorB0),
    Row("RadarColorB5", 0x0C, {LE(4, 5, 3)}).VAR(RadarColorB5),
    Row("RadarColorF1", 0x0C, {LE(5, 0, 3)}).VAR(RadarColorF1),
    Row("RadarColorF2", 0x0C, {LE(5, 3, 3)}).VAR(RadarColorF2),
    Row("RadarColorF3", 0x0C, {LE(6, 0, 1), LE(5, 6, 2, 1)}).VAR(RadarColorF3),
    Row("RadarColorF4", 0x0C, {LE(6, 1, 3)}).VAR(RadarColorF4),
    Row("RadarColorB1", 0x0C, {LE(6, 4, 3)}).VAR(RadarColorB1),
    Row("RadarColorB2", 0x0C, {LE(7, 0, 2), LE(6, 7, 1, 2)}).VAR(RadarColorB2),
    Row("RadarColorB3", 0x0C, {LE(7, 2, 3)}).VAR(RadarColorB3),
    Row("RadarColorB4", 0x0C, {LE(7, 5, 3)}).VAR(RadarColorB4),

    // Frame 0x0D: lane offsets and lengths, lane-assist marker, face recognition.
    Row("TrafficLaneParam0_LL", 0x0D, {LE(0, 0, 8)}).Scale(1, -128).Unit("0.1 m").VAR(TrafficLaneParam0_LL),
    Row("TrafficLaneParam0_L", 0x0D, {LE(1, 0, 8)}).Scale(1, -128).Unit("0.1 m").VAR(TrafficLaneParam0_L),
    Row("TrafficLaneParam0_R", 0x0D, {LE(2, 0, 8)}).Scale(1, -128).Unit("0.1 m").VAR(TrafficLaneParam0_R),
    Row("TrafficLaneParam0_RR", 0x0D, {LE(3, 0, 8)}).Scale(1, -128).Unit("0.1 m").VAR(TrafficLaneParam0_RR),
    Row("LaneLength_LL", 0x0D, {LE(4, 0, 6)}).Scale(1, 15).Unit("m").VAR(LaneLength_LL),
    Row("LaneLength_L", 0x0D, {LE(5, 0, 4), LE(4, 6, 2, 4)}).Scale(1, 15).Unit("m").VAR(LaneLength_L),
    Row("LaneLength_R", 0x0D, {LE(6, 0, 2), LE(5, 4, 4, 2)}).Scale(1, 15).Unit("m").VAR(LaneLength_R),
    Row("LaneLength_RR", 0x0D, {LE(6, 2, 6)}).Scale(1, 15).Unit("m").VAR(LaneLength_RR),
    Row("ACCstate", 0x0D, {LE(7, 0, 4)}).Note("1 to 4 select the marker picture, 0 none").VAR(ACCstate),
    Row("FaceRecognitionstate", 0x0D, {LE(7, 4, 4)}).Keep(0, FACE_END).Values(mMbSig_Face).VAR(FaceRecognitionstate),
};

#undef VAR
#undef BITS

const UInt16 mMbSig_Count = sizeof mMbSig_Table / sizeof mMbSig_Table[0];

// Walks the frame bits of a part from its lowest raw bit upwards: calls visit(byte, bit, k) for
// raw bit k of the part.
template <typename F> void ForEachBit(const MbSigPart& p, F visit)
{
    if (!p.BigEndian) {
        for (unsigned k = 0; k < p.Length; ++k) {
            unsigned pos = p.Byte * 8u + p.Bit + k;
            visit(pos / 8, pos % 8, k);
        }
        return;
    }
    // From the most significant bit downwards, into the next byte after bit 0.
    int byte = p.Byte, bit = p.Bit;
    for (int k = p.Length - 1; k >= 0; --k) {
        visit((unsigned)byte, (unsigned)bit, (unsigned)k);
        if (--bit < 0) {
            bit = 7;
            ++byte;
        }
    }
}

} // namespace

UInt16 MB_SIG_Count(void) { return mMbSig_Count; }

const MbSignal* MB_SIG_At(UInt16 i) { return i < mMbSig_Count ? &mMbSig_Table[i] : nullptr; }

const MbSignal* MB_SIG_Find(const char* name)
{
    if (name == nullptr) return nullptr;
    for (const MbSignal& s : mMbSig_Table)
        if (strcmp(s.Name, name) == 0) return &s;
    return nullptr;
}

UInt32 MB_SIG_RawMask(const MbSignal* sig)
{
    UInt32 mask = 0;
    for (unsigned i = 0; i < sig->PartNum; ++i)
        mask |= ((1u << sig->Parts[i].Length) - 1u) << sig->Parts[i].Shift;
    return mask;
}

UInt32 MB_SIG_GetRaw(const MbSignal* sig, const UInt08* data8)
{
    UInt32 raw = 0;
    for (unsigned i = 0; i < sig->PartNum; ++i) {
        const MbSigPart& p = sig->Parts[i];
        ForEachBit(p, [&](unsigned byte, unsigned bit, unsigned k) {
            UInt32 v = ((data8[byte] >> bit) & 1u) ^ p.Inverted;
            raw |= v << (p.Shift + k);
        });
    }
    return raw;
}

void MB_SIG_PutRaw(const MbSignal* sig, UInt32 raw, UInt08* data8)
{
    for (unsigned i = 0; i < sig->PartNum; ++i) {
        const MbSigPart& p = sig->Parts[i];
        ForEachBit(p, [&](unsigned byte, unsigned bit, unsigned k) {
            UInt32 v = ((raw >> (p.Shift + k)) & 1u) ^ p.Inverted;
            data8[byte] = (UInt08)((data8[byte] & ~(1u << bit)) | (v << bit));
        });
    }
}

namespace {

bool IsSpecialRaw(const MbSignal* sig, UInt32 raw)
{
    for (unsigned i = 0; i < sig->SpecialNum; ++i)
        if ((UInt32)sig->Specials[i].Raw == raw) return true;
    return false;
}

} // namespace

Int32 MB_SIG_ValueToRaw(const MbSignal* sig, long value, UInt32* raw)
{
    long scaled = value - sig->Offset;
    bool onScale = scaled >= 0 && scaled % sig->Factor == 0 &&
                   ((unsigned long)(scaled / sig->Factor) & ~(unsigned long)MB_SIG_RawMask(sig)) == 0;
    UInt32 plain = onScale ? (UInt32)(scaled / sig->Factor) : 0;
    // An accepted value by its own raw number (TripRange 0 is raw 0, though raw 1023 also gives 0).
    if (onScale && value >= sig->Min && value <= sig->Max && !IsSpecialRaw(sig, plain)) {
        *raw = plain;
        return 0;
    }
    for (unsigned i = 0; i < sig->SpecialNum; ++i)
        if (sig->Specials[i].Value == value) {
            *raw = (UInt32)sig->Specials[i].Raw;
            return 0;
        }
    if (!onScale) return -1;
    *raw = plain;
    return 0;
}

long MB_SIG_Decoded(const MbSignal* sig, UInt32 raw, long previous)
{
    for (unsigned i = 0; i < sig->SpecialNum; ++i)
        if ((UInt32)sig->Specials[i].Raw == raw) return sig->Specials[i].Value;
    long value = (long)raw * sig->Factor + sig->Offset;
    if (value >= sig->Min && value <= sig->Max) return value;
    switch (sig->Rule) {
    case MB_SIG_RULE_KEEP: return previous;
    case MB_SIG_RULE_CLAMP: return value < sig->Min ? sig->Min : sig->Max;
    case MB_SIG_RULE_SUBST: return sig->Subst;
    default: return value;
    }
}

const char* MB_SIG_ValueName(const MbSignal* sig, long value)
{
    for (unsigned i = 0; i < sig->ValueNum; ++i)
        if (sig->Values[i].Value == value) return sig->Values[i].Name;
    return nullptr;
}

Int32 MB_SIG_ParseValue(const MbSignal* sig, const char* text, long* value, const char** why)
{
    if (text == nullptr || *text == '\0') {
        *why = "no value";
        return -1;
    }
    char* end = nullptr;
    bool hex = text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    long n = hex ? strtol(text + 2, &end, 16) : strtol(text, &end, 10);
    bool digits = hex ? (text[2] != '\0' && *end == '\0')
                      : (*end == '\0' && (isdigit((unsigned char)text[0]) ||
                                         (text[0] == '-' && isdigit((unsigned char)text[1]))));
    if (digits) {
        *value = n;
        return 0;
    }
    // A name: in full, or what follows the enumeration's common prefix ("D" for "GEAR_D").
    const MbSigValueName* found = nullptr;
    size_t len = strlen(text);
    for (unsigned i = 0; i < sig->ValueNum; ++i) {
        const char* name = sig->Values[i].Name;
        size_t nlen = strlen(name);
        bool full = strcmp(name, text) == 0;
        bool suffix = nlen > len && strcmp(name + nlen - len, text) == 0 && name[nlen - len - 1] == '_';
        if (full) {
            *value = sig->Values[i].Value;
            return 0;
        }
        if (suffix) {
            if (found != nullptr) {
                *why = "ambiguous value name";
                return -1;
            }
            found = &sig->Values[i];
        }
    }
    if (found == nullptr) {
        *why = sig->ValueNum != 0 ? "not a number or a value name of this signal" : "not a number";
        return -1;
    }
    *value = found->Value;
    return 0;
}

Int32 MB_SIG_Set(const MbSignal* sig, long value, UInt08 (*data)[8], const char** why)
{
    UInt32 raw = 0;
    if (MB_SIG_ValueToRaw(sig, value, &raw) != 0) {
        *why = "value outside the field";
        return -1;
    }
    Int32 changed = 0;
    if (sig->Selector != nullptr) {
        const MbSignal* selector = MB_SIG_Find(sig->Selector);
        UInt32 selectRaw = 0;
        if (selector == nullptr || MB_SIG_ValueToRaw(selector, sig->SelectValue, &selectRaw) != 0) {
            *why = "selector missing from the table";
            return -1;
        }
        MB_SIG_PutRaw(selector, selectRaw, data[selector->Frame]);
        changed |= 1 << selector->Frame;
    }
    MB_SIG_PutRaw(sig, raw, data[sig->Frame]);
    changed |= 1 << sig->Frame;
    changed |= 1 << sig->DecodedBy;
    return changed;
}

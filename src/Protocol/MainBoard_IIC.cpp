// The main-board frame codec: checks and stores received frames, decodes a stored frame into the
// vehicle signals, and encodes the answer frame. Every field is range-checked; a value outside its
// range leaves the signal as it was unless a substitute is defined for it. Decoding reads only the
// stored bytes and the signals themselves, so decoding the same frame again changes nothing.
#include "Protocol/MainBoard_IIC_App.h"
#include "Protocol/MainBoard_IIC_Sys.h"
#include "Protocol/Cdu_TCP_App.h"
#include "lib/OrvShared.h"

#include <stdio.h>
#include <string.h>

Un08 srcDataBuf[ID_FRAME_R_NUM][FRAME_DATA_SIZE];
Un08 dstDataBuf[ID_FRAME_W_NUM][FRAME_DATA_SIZE];

namespace {

// Bits first..last of a byte as an unsigned number, bit first being its least significant bit.
inline UInt32 Bits(const Un08& byte, unsigned first, unsigned last)
{
    return ((UInt32)byte.value >> first) & ((1u << (last - first + 1)) - 1u);
}

inline UInt08 Bit(const Un08& byte, unsigned k) { return (UInt08)Bits(byte, k, k); }

inline const Un08* Frame(UInt08 id) { return srcDataBuf[id]; }

// Writes bits first..last of a byte, keeping the others.
inline void SetBits(Un08& byte, unsigned first, unsigned last, UInt32 value)
{
    UInt32 mask = ((1u << (last - first + 1)) - 1u) << first;
    OrvShared_Store(byte.value, (U08)((byte.value & ~mask) | ((value << first) & mask)));
}

template <typename T> inline void StoreIfAtMost(T& signal, UInt32 value, UInt32 max)
{
    if (value <= max) OrvShared_Store(signal, (T)value);
}

// Radar distance: 0 means nothing detected (255); 142..253 are no reading.
inline void StoreRadarDistance(UInt08& signal, UInt08 b)
{
    if (b == 0) OrvShared_Store(signal, 255);
    else if (b <= MAX_RADAR_DISTANCE_F0 || b >= 254) OrvShared_Store(signal, b);
}

// Vehicle ahead: X above 240 means no vehicle (127); Y above 75 is no reading.
inline void StoreVehicle(Int08& x, Int08& y, UInt08 bx, UInt08 by)
{
    OrvShared_Store(x, bx <= 240 ? (Int08)(bx - 120) : (Int08)127);
    if (by <= 75) OrvShared_Store(y, (Int08)by);
}

} // namespace

Int32 MB_IIC_VerifyAndStore(UInt08 id, UInt08* data)
{
    if (id >= ID_FRAME_R_NUM || data == nullptr) return -1;
    UInt32 sum = id;
    for (int k = 0; k < FRAME_DATA_SIZE; ++k) sum += data[k];
    if ((UInt08)sum != data[FRAME_DATA_SIZE]) return -1;
    OrvShared_CopyIn(srcDataBuf[id], data, FRAME_DATA_SIZE);
    return 0;
}

void Decode_0x00(void)
{
    const Un08* b = Frame(ID_FRAME_R_0x00);
    UInt08 speed = b[0].value;
    OrvShared_Store(Speed, (speed > 240 && speed < 255) ? 240 : speed);
    StoreIfAtMost(Battery, Bits(b[1], 0, 6), 100);
    StoreIfAtMost(SpeedWarn, b[2].value, 240);
    OrvShared_Store(Gear, (UInt08)Bits(b[4], 0, 2));
    OrvShared_Store(IND_FONT_COLLOSION, Bit(b[4], 3));
    OrvShared_Store(IND_LANE_WARNING, Bit(b[4], 4));
    OrvShared_Store(IND_BLIND_AUXILIARY, Bit(b[4], 5));
    OrvShared_Store(IND_REAR_AUXILIARY, Bit(b[4], 6));
    OrvShared_Store(IND_ACC_FAILURE, Bit(b[4], 7));
    if (b[3].value <= 250) OrvShared_Store(Power, (Int16)(2 * b[3].value - 250));
    UInt32 range = b[5].value + 256u * Bits(b[6], 0, 1);
    if (range <= 999) OrvShared_Store(TripRange, (UInt16)range);
    else if (range == 1023) OrvShared_Store(TripRange, 0);
    else OrvShared_Store(TripRange, 999);
    UInt32 mode = Bits(b[6], 2, 3);
    if (mode == WORK_MODE_OFF || mode == WORK_MODE_ON) OrvShared_Store(WorkMode, (UInt08)mode);
    UInt32 charge = Bits(b[6], 4, 7);
    if (charge > 9) {
        OrvShared_Store(ChargingState, CHARGE_RESERVE);
    } else {
        OrvShared_Store(ChargingState, (UInt08)charge);
        // Tip 2 survives only while charging (normal or fast).
        bool charging = charge == CHARGE_CHARGING || charge == CHARGE_FAST;
        if (!(charging && ChargingTips == 2)) OrvShared_Store(ChargingTips, 0);
    }
    StoreIfAtMost(SpeedLimit, b[7].value, 240);
    OrvShared_Store(IndMute, (Int08)Bit(b[1], 7));
}

static void Decode_0x01(void)
{
    const Un08* b = Frame(ID_FRAME_R_0x01);
    for (int k = 0; k < FRAME_DATA_SIZE; ++k) OrvShared_Store(Indicator[k].value, b[k].value);
    UInt32 wheel = Bits(b[4], 0, 2);
    OrvShared_Store(FrontWheelRotState, wheel == 7 ? (UInt08)FrontWheelRot_0 : (UInt08)wheel);
}

void Decode_0x02(void)
{
    const Un08* b = Frame(ID_FRAME_R_0x02);
    UInt32 month = Bits(b[2], 0, 3);
    if (month <= 11) OrvShared_Store(DateMonth, (UInt08)(month + 1));
    UInt32 day = Bits(b[0], 0, 4);
    if (day <= 30) OrvShared_Store(DateDay, (UInt08)(day + 1));
    OrvShared_Store(DateYear, (UInt16)(2000 + b[3].value));
    StoreIfAtMost(SysTimeOfDayInMin, 256u * Bits(b[0], 5, 7) + b[1].value, 1439);
    OrvShared_Store(SysTimeFmt, Bit(b[2], 4));
    UInt08 t = b[4].value;
    if (t >= 60 && t <= 187) OrvShared_Store(Temperature, (Int16)(t - 100));
    else if (t == 255) OrvShared_Store(Temperature, 255);
    OrvShared_Store(HintID, b[5].value);
    OrvShared_Store(AlarmID, (UInt08)Bits(b[6], 2, 7));
    OrvShared_Store(AlarmOption, (UInt08)Bits(b[6], 0, 1));
    OrvShared_Store(CruiseState, (UInt08)Bits(b[2], 5, 7));
    StoreIfAtMost(VuskSpeed, b[7].value, 150);
}

void Decode_0x03(void)
{
    const Un08* b = Frame(ID_FRAME_R_0x03);
    StoreIfAtMost(Odo, b[0].value + 256u * b[1].value + 65536u * Bits(b[2], 0, 3), 999999);
    if (Bit(b[2], 4) == 0) OrvShared_Store(AvgElectricCost, b[7].value);
    else OrvShared_Store(AccAvgElectricCost, b[7].value);
    StoreIfAtMost(TripSinceIGON, 65536u * Bit(b[2], 7) + 256u * b[3].value + b[4].value, 99999);
    UInt16* times[4] = {&TimeSinceIGON, &TimeASinceCharging, &TimeAVD, &TimeBVD};
    StoreIfAtMost(*times[Bits(b[2], 5, 6)], b[5].value + 256u * Bits(b[6], 0, 4), 5999);
    OrvShared_Store(ScreenColorTest, (UInt08)Bits(b[6], 5, 7));
}

void Decode_0x04(void)
{
    const Un08* b = Frame(ID_FRAME_R_0x04);
    OrvShared_Store(LeftModuleID, (UInt08)Bits(b[0], 0, 3));
    OrvShared_Store(RightModuleID, (UInt08)Bits(b[4], 0, 3));
    if (LeftModuleID == MODULE_L_LIST) OrvShared_Store(LeftListCursor, b[1].value);
    if (RightModuleID == MODULE_R_LIST) OrvShared_Store(RightListCursor, b[5].value);
    if (RightModuleID == MODULE_R_CHARGING_INFO) {
        bool charging = ChargingState == CHARGE_CHARGING || ChargingState == CHARGE_BAT_HEATING ||
                        ChargingState == CHARGE_FAST;
        OrvShared_Store(ChargingTips, charging ? (UInt08)Bits(b[5], 0, 3) : 0);
        UInt32 need = 256u * b[6].value + b[7].value;
        OrvShared_Store(ChargingTimeNeed, need <= 5999 ? (UInt16)need : (UInt16)0xFFFF);
    }
}

void Decode_0x05(void)
{
    const Un08* b = Frame(ID_FRAME_R_0x05);
    UInt08* sensors[8] = {&RadarSpacingF1, &RadarSpacingF2, &RadarSpacingF3, &RadarSpacingF4,
                          &RadarSpacingB1, &RadarSpacingB2, &RadarSpacingB3, &RadarSpacingB4};
    for (int k = 0; k < 8; ++k) StoreRadarDistance(*sensors[k], b[k].value);
}

void Decode_0x06(void)
{
    const Un08* b = Frame(ID_FRAME_R_0x06);
    UInt08* pressure[4] = {&TirePressureLF, &TirePressureRF, &TirePressureLB, &TirePressureRB};
    UInt08* temperature[4] = {&TireTemperatureLF, &TireTemperatureRF, &TireTemperatureLB,
                              &TireTemperatureRB};
    for (unsigned k = 0; k < 4; ++k) {
        UInt32 p = Bits(b[k], 0, 5);
        if (p <= 35) OrvShared_Store(*pressure[k], (UInt08)p);
        else if (p == 63) OrvShared_Store(*pressure[k], 255);
        OrvShared_Store(*temperature[k], b[4 + k].value);
        SetBits(TireBits, k, k, Bit(b[k], 6) ? 0u : 1u);
        SetBits(TireBits, 4 + k, 4 + k, Bit(b[k], 7));
    }
}

void Decode_0x07(void)
{
    const Un08* b = Frame(ID_FRAME_R_0x07);
    StoreIfAtMost(MenuID, Bits(b[0], 0, 3), MENU_MAX_AVAILABLE);
    switch (MenuID) {
    case MENU_NULL:
        OrvShared_Store(MenuLastID, (UInt08)Bits(b[0], 4, 7));
        break;
    case MENU_LIST:
        OrvShared_Store(MenuLstCursor, (UInt08)Bits(b[0], 4, 7));
        SetBits(MenuLstFlg, 0, 4, ~Bits(b[1], 0, 4));
        break;
    case MENU_AC_TEMP:
        StoreIfAtMost(MenuTemperature, b[1].value, 28);
        break;
    case MENU_AC_WIND_PWR:
        StoreIfAtMost(MenuWindyPower, b[1].value, 15);
        break;
    case MENU_BLIGHT:
        StoreIfAtMost(MenuBrightness, b[1].value, 100);
        break;
    case MENU_MEDIA_SRC:
        OrvShared_Store(MenuMediaSrcState.value, (U08)(Bits(b[0], 4, 7) | (Bits(b[1], 0, 3) << 4)));
        SetBits(MenuMediaSrcFlg, 0, 2, 7);
        SetBits(MenuMediaSrcFlg, 3, 3, Bit(b[1], 4) ? 0u : 1u);
        SetBits(MenuMediaSrcFlg, 4, 4, 1);
        break;
    case MENU_AC_WIND_MODE:
        OrvShared_Store(MenuWindyMode, (UInt08)Bits(b[0], 4, 7));
        break;
    default: // MENU_VERSION shows no value
        break;
    }
    StoreIfAtMost(TripASinceCharging, b[4].value + 256u * b[5].value + 65536u * Bit(b[6], 0), 99999);
    UInt32 mode = Bits(b[6], 2, 3);
    SetBits(CarportValue0, 0, 1, mode);
    if (mode == 0) {
        SetBits(CarportValue0, 2, 3, Bits(b[6], 4, 5));
        SetBits(CarportValue0, 4, 5, Bits(b[6], 6, 7));
        SetBits(CarportValue0, 6, 7, Bits(b[7], 0, 1));
        SetBits(CarportValue1, 0, 5, Bits(b[7], 2, 7));
    } else {
        SetBits(CarportValue0, 2, 7, 0);
        SetBits(CarportValue1, 0, 5, 0);
    }
}

void Decode_0x08(void)
{
    const Un08* b = Frame(ID_FRAME_R_0x08);
    UInt32 heading = Bits(b[4], 1, 2) * 256u + b[5].value;
    if (heading <= 714) OrvShared_Store(TrafficLaneParam1, (Int16)(heading - 357));
    UInt32 curvature = Bit(b[4], 0) * 256u + b[3].value;
    if (curvature <= 400) OrvShared_Store(TrafficLaneParam2, (Int16)(curvature - 200));
    if (b[2].value <= 240) OrvShared_Store(TrafficLaneParam3, (Int16)(b[2].value - 120));
    StoreIfAtMost(TrafficLaneStatus_LL, Bits(b[0], 0, 3), 10);
    StoreIfAtMost(TrafficLaneStatus_L, Bits(b[0], 4, 7), 10);
    StoreIfAtMost(TrafficLaneStatus_R, Bits(b[1], 4, 7), 10);
    StoreIfAtMost(TrafficLaneStatus_RR, Bits(b[1], 0, 3), 10);
}

void Decode_0x09(void)
{
    const Un08* b = Frame(ID_FRAME_R_0x09);
    Un08* data[3] = {&ForwardVehicleData0, &ForwardVehicleData1, &ForwardVehicleData2};
    for (int k = 0; k < 3; ++k) {
        UInt32 model = Bits(b[k], 0, 1), c24 = Bits(b[k], 2, 4), c57 = Bits(b[k], 5, 7);
        if (model <= 2) SetBits(*data[k], 0, 1, model);
        if (c24 <= 4) SetBits(*data[k], 2, 4, c24);
        if (c57 <= 4) SetBits(*data[k], 5, 7, c57);
    }
    UInt32 f01 = Bits(b[3], 0, 1), f23 = Bits(b[3], 2, 3), f45 = Bits(b[3], 4, 5);
    if (f01 <= 2) SetBits(ForwardVehicleData3, 0, 1, f01);
    if (f23 <= 2) SetBits(ForwardVehicleData3, 2, 3, f23);
    if (f45 <= 2) SetBits(ForwardVehicleData3, 4, 5, f45);
    StoreVehicle(ForwardVehicle1X, ForwardVehicle1Y, b[4].value, b[5].value);
    StoreVehicle(ForwardVehicle2X, ForwardVehicle2Y, b[6].value, b[7].value);
}

void Decode_0x0A(void)
{
    const Un08* b = Frame(ID_FRAME_R_0x0A);
    StoreVehicle(ForwardVehicle3X, ForwardVehicle3Y, b[0].value, b[1].value);
    StoreVehicle(ForwardVehicle4X, ForwardVehicle4Y, b[2].value, b[3].value);
    StoreVehicle(ForwardVehicle5X, ForwardVehicle5Y, b[4].value, b[5].value);
    StoreVehicle(ForwardVehicle6X, ForwardVehicle6Y, b[6].value, b[7].value);
}

namespace {

// The variables of one phone operation of the steering wheel.
struct PhoneOp {
    UInt08*     cursor;
    UInt08*     click;
    UInt08*     clickCnt;
    const char* log;
};

const PhoneOp mMbIic_PhoneOps[3] = {
    {&McuBltOpListCursor, &McuBltOpListClick, &McuBltOpListClickCnt, "McuBltOpListClick [%d]\n"},
    {&McuBltOpInCallCursor, &McuBltOpInCallClick, &McuBltOpInCallClickCnt, "McuBltOpInCallClick [%d]\n"},
    {&McuBltOpSpeakCursor, &McuBltOpSpeakClick, &McuBltOpSpeakClickCnt, "McuBltOpSpeakClick [%d]\n"},
};

// A click counts once: only when it names another entry than the last click of this operation,
// which a change of operation forgets.
void DecodePhoneOp(const Un08& b)
{
    UInt32 s = Bits(b, 0, 1);
    if (s != 0) {
        const PhoneOp& op = mMbIic_PhoneOps[s - 1];
        UInt08 cursor = (UInt08)Bits(b, 3, 7);
        OrvShared_Store(*op.cursor, cursor);
        if (McuBltOpState != s) OrvShared_Store(*op.click, 0xFF);
        if (Bit(b, 2) && *op.click != cursor) {
            OrvShared_Store(*op.click, cursor);
            OrvShared_Store(*op.clickCnt, (UInt08)(*op.clickCnt + 1));
            printf(op.log, (int)*op.click);
        }
    }
    OrvShared_Store(McuBltOpState, (UInt08)s);
}

// A sample is recorded when one follows a gap (255): repeating the same frame records nothing.
void RecordEnergyCost(UInt08 sample)
{
    static UInt08 preCost = 255;
    if (sample != 255 && preCost == 255) {
        UInt08 idx = 0, idx0 = 0;
        if (EnergyCostIdx == 255) {
            OrvShared_Fill(EnergyCostP100m, 0, sizeof(EnergyCostP100m));
        } else {
            idx = (UInt08)((EnergyCostIdx + 1) % 100);
            idx0 = idx == EnergyCostIdx0 ? (UInt08)((EnergyCostIdx0 + 1) % 100) : EnergyCostIdx0;
        }
        // The sample and the oldest slot are in place before the newest index announces them:
        // the render thread rebuilds its graph when it sees the index change.
        OrvShared_Store(EnergyCostP100m[idx], sample);
        OrvShared_Store(EnergyCostIdx0, idx0);
        OrvShared_Publish(EnergyCostIdx, idx);
    }
    preCost = sample;
}

} // namespace

void Decode_0x0B(void)
{
    const Un08* b = Frame(ID_FRAME_R_0x0B);
    OrvShared_Store(MenuLeftId, (UInt08)Bits(b[0], 0, 2));
    if (MenuLeftId < MENU_LEFT_NUM) OrvShared_Store(MenuLeftValue[MenuLeftId], (UInt08)Bits(b[0], 3, 7));
    DecodePhoneOp(b[1]);
    OrvShared_Store(IND_BAT_LACK, Bit(b[2], 6));
    OrvShared_Store(RadarDistance, b[5].value);
    OrvShared_Store(VehicleColorCfg, b[6].value);
    RecordEnergyCost(b[7].value);
}

void Decode_0x0C(void)
{
    const Un08* b = Frame(ID_FRAME_R_0x0C);
    const Un08* b0B = Frame(ID_FRAME_R_0x0B);
    StoreRadarDistance(RadarSpacingF0, b[0].value);
    StoreRadarDistance(RadarSpacingF5, b[1].value);
    StoreRadarDistance(RadarSpacingB0, b[2].value);
    StoreRadarDistance(RadarSpacingB5, b[3].value);
    OrvShared_Store(RadarColorF0, (UInt08)Bits(b0B[2], 0, 2));
    OrvShared_Store(RadarColorF1, (UInt08)Bits(b[5], 0, 2));
    OrvShared_Store(RadarColorF2, (UInt08)Bits(b[5], 3, 5));
    OrvShared_Store(RadarColorF3, (UInt08)(2 * Bits(b[5], 6, 7) + Bit(b[6], 0)));
    OrvShared_Store(RadarColorF4, (UInt08)Bits(b[6], 1, 3));
    OrvShared_Store(RadarColorF5, (UInt08)Bits(b0B[2], 3, 5));
    OrvShared_Store(RadarColorB0, (UInt08)Bits(b[4], 2, 4));
    OrvShared_Store(RadarColorB1, (UInt08)Bits(b[6], 4, 6));
    OrvShared_Store(RadarColorB2, (UInt08)(4 * Bit(b[6], 7) + Bits(b[7], 0, 1)));
    OrvShared_Store(RadarColorB3, (UInt08)Bits(b[7], 2, 4));
    OrvShared_Store(RadarColorB4, (UInt08)Bits(b[7], 5, 7));
    OrvShared_Store(RadarColorB5, (UInt08)Bits(b[4], 5, 7));
    OrvShared_Store(RadarAlarm, (UInt08)Bits(b[4], 0, 1));
    if (RadarAlarm == 1) OrvShared_Store(RadarPriority, RADAR_PRIORITY_TAIL);
    else if (RadarAlarm != 0) OrvShared_Store(RadarPriority, RADAR_PRIORITY_HEAD);
}

void Decode_0x0D(void)
{
    const Un08* b = Frame(ID_FRAME_R_0x0D);
    OrvShared_Store(TrafficLaneParam0_LL, (Int08)(b[0].value - 128));
    OrvShared_Store(TrafficLaneParam0_L, (Int08)(b[1].value - 128));
    OrvShared_Store(TrafficLaneParam0_R, (Int08)(b[2].value - 128));
    OrvShared_Store(TrafficLaneParam0_RR, (Int08)(b[3].value - 128));
    OrvShared_Store(LaneLength_LL, (UInt08)(Bits(b[4], 0, 5) + 15));
    OrvShared_Store(LaneLength_L, (UInt08)(16 * Bits(b[4], 6, 7) + Bits(b[5], 0, 3) + 15));
    OrvShared_Store(LaneLength_R, (UInt08)(4 * Bits(b[5], 4, 7) + Bits(b[6], 0, 1) + 15));
    OrvShared_Store(LaneLength_RR, (UInt08)(Bits(b[6], 2, 7) + 15));
    OrvShared_Store(ACCstate, (UInt08)Bits(b[7], 0, 3));
    StoreIfAtMost(FaceRecognitionstate, Bits(b[7], 4, 7), FACE_END);
}

void MB_IIC_DecodeData(UInt08 frameId)
{
    // Frame 0x0E and unknown numbers carry no signal.
    static void (*const decoders[ID_FRAME_R_NUM])(void) = {
        Decode_0x00, Decode_0x01, Decode_0x02, Decode_0x03, Decode_0x04, Decode_0x05, Decode_0x06,
        Decode_0x07, Decode_0x08, Decode_0x09, Decode_0x0A, Decode_0x0B, Decode_0x0C, Decode_0x0D,
        nullptr,
    };
    if (frameId < ID_FRAME_R_NUM && decoders[frameId] != nullptr) decoders[frameId]();
}

void Encode_0x00(void)
{
    Un08* d = dstDataBuf[ID_FRAME_W_0x00];
    // Written by the head-unit worker and the render thread while this thread encodes.
    SetBits(d[0], 0, 0, OrvShared_Load(BlutsMusicState) != 0 ? 1u : 0u);
    SetBits(d[0], 1, 5, OrvShared_Load(OtaState));
    SetBits(d[0], 6, 7, OrvShared_Load(HmiDspState));
    SetBits(d[1], 0, 2, OrvShared_Load(RightSideState));
    SetBits(d[1], 3, 7, (UInt08)OrvShared_Load(BlutPhoneCursorNum));
    SetBits(d[2], 0, 0, OrvShared_Load(CduUsbState) != 0 ? 1u : 0u);
}

void MB_IIC_EncodeData(UInt08 frameId)
{
    if (frameId == ID_FRAME_W_0x00) Encode_0x00();
}

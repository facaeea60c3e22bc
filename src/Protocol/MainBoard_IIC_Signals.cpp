// The vehicle signals and their start values. Every signal is zero when the program starts; the
// main-board task gives the few that differ their start values before its window exists.
#include "Protocol/MainBoard_IIC_App.h"
#include "lib/OrvShared.h"
#include "Protocol/Cdu_TCP_App.h"


UInt08 Speed, SpeedWarn, SpeedLimit, Gear;
Int16  Power;
UInt08 WorkMode, CruiseState, VuskSpeed, ACCstate;

UInt08 Battery;
UInt16 TripRange;
UInt08 ChargingState, ChargingTips;
UInt16 ChargingTimeNeed;

UInt16 SysTimeOfDayInMin;
UInt08 SysTimeFmt, DateDay, DateMonth;
UInt16 DateYear;
Int16  Temperature;

UInt32 Odo, TripSinceIGON, TripASinceCharging;
UInt16 TimeSinceIGON, TimeASinceCharging, TimeAVD, TimeBVD;
UInt08 AvgElectricCost, AccAvgElectricCost;
UInt08 EnergyCostP100m[100];
UInt08 EnergyCostIdx, EnergyCostIdx0;

UInt08 LeftModuleID, RightModuleID, LeftListCursor, RightListCursor;
UInt08 MenuID, MenuLastID, MenuLstCursor;
Un08   MenuLstFlg;
UInt08 MenuTemperature, MenuWindyPower, MenuBrightness;
Un08   MenuMediaSrcState, MenuMediaSrcFlg;
UInt08 MenuWindyMode, MenuLeftId;
UInt08 MenuLeftValue[MENU_LEFT_NUM];

UInt08 HintID, AlarmID, AlarmOption, IicComStatus;

Un08   Indicator[8];
UInt08 IND_FONT_COLLOSION, IND_LANE_WARNING, IND_BLIND_AUXILIARY, IND_REAR_AUXILIARY,
    IND_ACC_FAILURE, IND_BAT_LACK;
Int08  IndMute;

UInt08 RadarSpacingF0, RadarSpacingF1, RadarSpacingF2, RadarSpacingF3, RadarSpacingF4,
    RadarSpacingF5;
UInt08 RadarSpacingB0, RadarSpacingB1, RadarSpacingB2, RadarSpacingB3, RadarSpacingB4,
    RadarSpacingB5;
UInt08 RadarColorF0, RadarColorF1, RadarColorF2, RadarColorF3, RadarColorF4, RadarColorF5;
UInt08 RadarColorB0, RadarColorB1, RadarColorB2, RadarColorB3, RadarColorB4, RadarColorB5;
UInt08 RadarAlarm, RadarPriority;
UInt16 RadarDistance;

UInt08 TirePressureLF, TirePressureRF, TirePressureLB, TirePressureRB;
UInt08 TireTemperatureLF, TireTemperatureRF, TireTemperatureLB, TireTemperatureRB;
Un08   TireBits;

Int08  TrafficLaneParam0_LL, TrafficLaneParam0_L, TrafficLaneParam0_R, TrafficLaneParam0_RR;
Int16  TrafficLaneParam1, TrafficLaneParam2, TrafficLaneParam3;
UInt08 TrafficLaneStatus_LL, TrafficLaneStatus_L, TrafficLaneStatus_R, TrafficLaneStatus_RR;
UInt08 LaneLength_LL, LaneLength_L, LaneLength_R, LaneLength_RR;
Un08   ForwardVehicleData0, ForwardVehicleData1, ForwardVehicleData2, ForwardVehicleData3;
Int08  ForwardVehicle1X, ForwardVehicle2X, ForwardVehicle3X, ForwardVehicle4X, ForwardVehicle5X,
    ForwardVehicle6X;
Int08  ForwardVehicle1Y, ForwardVehicle2Y, ForwardVehicle3Y, ForwardVehicle4Y, ForwardVehicle5Y,
    ForwardVehicle6Y;

Un08   CarportValue0, CarportValue1;
UInt08 FrontWheelRotState, VehicleColorCfg;

UInt08 McuBltOpState;
UInt08 McuBltOpListCursor, McuBltOpInCallCursor, McuBltOpSpeakCursor;
UInt08 McuBltOpListClick, McuBltOpInCallClick, McuBltOpSpeakClick;
UInt08 McuBltOpListClickCnt, McuBltOpInCallClickCnt, McuBltOpSpeakClickCnt;

UInt08 HmiDspState, RightSideState;
Int08  BlutPhoneCursorNum;

UInt08 NimboState, FaceRecognitionstate, ScreenColorTest;

void MB_IIC_SetInitialValue(void)
{
    OrvShared_Store(Speed, 0);
    OrvShared_Store(Battery, 0);
    OrvShared_Store(Gear, GEAR_INVISIBLE);
    OrvShared_Store(LeftModuleID, MODULE_L_NULL);
    OrvShared_Store(RightModuleID, MODULE_R_NULL);
    OrvShared_Store(WorkMode, WORK_MODE_OFF);
    OrvShared_Store(ChargingState, CHARGE_DISCONNECTED);
    OrvShared_Store(SpeedLimit, 0);
    OrvShared_Store(RadarPriority, RADAR_PRIORITY_HEAD);
    OrvShared_Store(RadarAlarm, 0);
    OrvShared_Store(IicComStatus, IIC_COM_NORMAL);
    OrvShared_Store(MenuBrightness, 1);
    OrvShared_Store(MenuTemperature, 255);
    // An upgrade cannot be in progress when the program has just started.
    CDU_TCP_SetOtaState(OTA_Normal);
    OrvShared_Store(BlutPhoneCursorNum, 0);
    OrvShared_Store(HmiDspState, HMI_DSP_INIT);
    // 255 = no click yet, so that a first click on entry 0 counts.
    OrvShared_Store(McuBltOpListClick, 255);
    OrvShared_Store(McuBltOpInCallClick, 255);
    OrvShared_Store(McuBltOpSpeakClick, 255);
    OrvShared_Store(McuBltOpListClickCnt, 255);
    OrvShared_Store(McuBltOpInCallClickCnt, 255);
    OrvShared_Store(McuBltOpSpeakClickCnt, 255);
    OrvShared_Store(EnergyCostIdx, 255);
    OrvShared_Store(EnergyCostIdx0, 255);
    OrvShared_Store(FaceRecognitionstate, FACE_RCN_NULL);
}

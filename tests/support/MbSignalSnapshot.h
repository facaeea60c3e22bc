// Every vehicle signal read into one list, so that a test can see that an action changed nothing
// (or name the signal it did change). The main-board worker may be decoding meanwhile, so every
// signal is read as the render thread reads it, atomically.
#ifndef MB_SIGNAL_SNAPSHOT_H
#define MB_SIGNAL_SNAPSHOT_H

#include <string>
#include <utility>
#include <vector>

#include "Protocol/MainBoard_IIC_App.h"
#include "lib/OrvShared.h"

typedef std::vector<std::pair<std::string, long>> MbSignalSnapshot;

inline MbSignalSnapshot MbTakeSnapshot(void)
{
    MbSignalSnapshot s;
#define MB_SNAP(x) s.emplace_back(#x, (long)OrvShared_Load(x))
#define MB_SNAP_UN(x) s.emplace_back(#x, (long)OrvShared_Load((x).value))
    MB_SNAP(Speed); MB_SNAP(SpeedWarn); MB_SNAP(SpeedLimit); MB_SNAP(Gear); MB_SNAP(Power);
    MB_SNAP(WorkMode); MB_SNAP(CruiseState); MB_SNAP(VuskSpeed); MB_SNAP(ACCstate);
    MB_SNAP(Battery); MB_SNAP(TripRange); MB_SNAP(ChargingState); MB_SNAP(ChargingTips);
    MB_SNAP(ChargingTimeNeed); MB_SNAP(SysTimeOfDayInMin); MB_SNAP(SysTimeFmt); MB_SNAP(DateDay);
    MB_SNAP(DateMonth); MB_SNAP(DateYear); MB_SNAP(Temperature); MB_SNAP(Odo);
    MB_SNAP(TripSinceIGON); MB_SNAP(TripASinceCharging); MB_SNAP(TimeSinceIGON);
    MB_SNAP(TimeASinceCharging); MB_SNAP(TimeAVD); MB_SNAP(TimeBVD); MB_SNAP(AvgElectricCost);
    MB_SNAP(AccAvgElectricCost); MB_SNAP(EnergyCostIdx); MB_SNAP(EnergyCostIdx0);
    for (int k = 0; k < 100; ++k)
        s.emplace_back("EnergyCostP100m[" + std::to_string(k) + "]", OrvShared_Load(EnergyCostP100m[k]));
    MB_SNAP(LeftModuleID); MB_SNAP(RightModuleID); MB_SNAP(LeftListCursor); MB_SNAP(RightListCursor);
    MB_SNAP(MenuID); MB_SNAP(MenuLastID); MB_SNAP(MenuLstCursor); MB_SNAP_UN(MenuLstFlg);
    MB_SNAP(MenuTemperature); MB_SNAP(MenuWindyPower); MB_SNAP(MenuBrightness);
    MB_SNAP_UN(MenuMediaSrcState); MB_SNAP_UN(MenuMediaSrcFlg); MB_SNAP(MenuWindyMode);
    MB_SNAP(MenuLeftId);
    for (int k = 0; k < MENU_LEFT_NUM; ++k)
        s.emplace_back("MenuLeftValue[" + std::to_string(k) + "]", OrvShared_Load(MenuLeftValue[k]));
    MB_SNAP(HintID); MB_SNAP(AlarmID); MB_SNAP(AlarmOption); MB_SNAP(IicComStatus);
    for (int k = 0; k < 8; ++k)
        s.emplace_back("Indicator[" + std::to_string(k) + "]", OrvShared_Load(Indicator[k].value));
    MB_SNAP(IND_FONT_COLLOSION); MB_SNAP(IND_LANE_WARNING); MB_SNAP(IND_BLIND_AUXILIARY);
    MB_SNAP(IND_REAR_AUXILIARY); MB_SNAP(IND_ACC_FAILURE); MB_SNAP(IND_BAT_LACK); MB_SNAP(IndMute);
    MB_SNAP(RadarSpacingF0); MB_SNAP(RadarSpacingF1); MB_SNAP(RadarSpacingF2); MB_SNAP(RadarSpacingF3);
    MB_SNAP(RadarSpacingF4); MB_SNAP(RadarSpacingF5); MB_SNAP(RadarSpacingB0); MB_SNAP(RadarSpacingB1);
    MB_SNAP(RadarSpacingB2); MB_SNAP(RadarSpacingB3); MB_SNAP(RadarSpacingB4); MB_SNAP(RadarSpacingB5);
    MB_SNAP(RadarColorF0); MB_SNAP(RadarColorF1); MB_SNAP(RadarColorF2); MB_SNAP(RadarColorF3);
    MB_SNAP(RadarColorF4); MB_SNAP(RadarColorF5); MB_SNAP(RadarColorB0); MB_SNAP(RadarColorB1);
    MB_SNAP(RadarColorB2); MB_SNAP(RadarColorB3); MB_SNAP(RadarColorB4); MB_SNAP(RadarColorB5);
    MB_SNAP(RadarAlarm); MB_SNAP(RadarPriority); MB_SNAP(RadarDistance);
    MB_SNAP(TirePressureLF); MB_SNAP(TirePressureRF); MB_SNAP(TirePressureLB); MB_SNAP(TirePressureRB);
    MB_SNAP(TireTemperatureLF); MB_SNAP(TireTemperatureRF); MB_SNAP(TireTemperatureLB);
    MB_SNAP(TireTemperatureRB); MB_SNAP_UN(TireBits);
    MB_SNAP(TrafficLaneParam0_LL); MB_SNAP(TrafficLaneParam0_L); MB_SNAP(TrafficLaneParam0_R);
    MB_SNAP(TrafficLaneParam0_RR); MB_SNAP(TrafficLaneParam1); MB_SNAP(TrafficLaneParam2);
    MB_SNAP(TrafficLaneParam3); MB_SNAP(TrafficLaneStatus_LL); MB_SNAP(TrafficLaneStatus_L);
    MB_SNAP(TrafficLaneStatus_R); MB_SNAP(TrafficLaneStatus_RR); MB_SNAP(LaneLength_LL);
    MB_SNAP(LaneLength_L); MB_SNAP(LaneLength_R); MB_SNAP(LaneLength_RR);
    MB_SNAP_UN(ForwardVehicleData0); MB_SNAP_UN(ForwardVehicleData1); MB_SNAP_UN(ForwardVehicleData2);
    MB_SNAP_UN(ForwardVehicleData3);
    MB_SNAP(ForwardVehicle1X); MB_SNAP(ForwardVehicle2X); MB_SNAP(ForwardVehicle3X);
    MB_SNAP(ForwardVehicle4X); MB_SNAP(ForwardVehicle5X); MB_SNAP(ForwardVehicle6X);
    MB_SNAP(ForwardVehicle1Y); MB_SNAP(ForwardVehicle2Y); MB_SNAP(ForwardVehicle3Y);
    MB_SNAP(ForwardVehicle4Y); MB_SNAP(ForwardVehicle5Y); MB_SNAP(ForwardVehicle6Y);
    MB_SNAP_UN(CarportValue0); MB_SNAP_UN(CarportValue1); MB_SNAP(FrontWheelRotState);
    MB_SNAP(VehicleColorCfg); MB_SNAP(McuBltOpState); MB_SNAP(McuBltOpListCursor);
    MB_SNAP(McuBltOpInCallCursor); MB_SNAP(McuBltOpSpeakCursor); MB_SNAP(McuBltOpListClick);
    MB_SNAP(McuBltOpInCallClick); MB_SNAP(McuBltOpSpeakClick); MB_SNAP(McuBltOpListClickCnt);
    MB_SNAP(McuBltOpInCallClickCnt); MB_SNAP(McuBltOpSpeakClickCnt); MB_SNAP(HmiDspState);
    MB_SNAP(RightSideState); MB_SNAP(BlutPhoneCursorNum); MB_SNAP(NimboState);
    MB_SNAP(FaceRecognitionstate); MB_SNAP(ScreenColorTest);
#undef MB_SNAP
#undef MB_SNAP_UN
    return s;
}

// The names of the signals that differ between two snapshots.
inline std::vector<std::string> MbChangedSignals(const MbSignalSnapshot& a, const MbSignalSnapshot& b)
{
    std::vector<std::string> changed;
    for (size_t k = 0; k < a.size() && k < b.size(); ++k)
        if (a[k].second != b[k].second) changed.push_back(a[k].first);
    return changed;
}

#endif

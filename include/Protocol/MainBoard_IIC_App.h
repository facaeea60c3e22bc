/* The vehicle signal store: the named signals through which the main board's view of the car
 * reaches the screens. The frame decoders write most of them on the main-board worker; the screens
 * read them on the render thread without locks, and write back the display state that the answer
 * frame reports. Every signal is one variable written in one store of its own width. */
#ifndef MAIN_BOARD_IIC_APP_H
#define MAIN_BOARD_IIC_APP_H

#include "BaseTypes.h"
#include "lib/OrvShared.h"
#include "OrvCfg.h"

enum { GEAR_INVISIBLE = 0, GEAR_D = 1, GEAR_N = 2, GEAR_R = 3, GEAR_P = 4, GEAR_RESERVE = 5 };

enum {
    MODULE_L_NULL = 0,
    MODULE_L_LIST = 1,
    MODULE_L_CLOCK = 2,
    MODULE_L_WEATHER = 3,
    MODULE_L_TRIP = 4,
    MODULE_L_ENG_COST = 5,
    MODULE_L_NAVIGATION = 6,
    MODULE_L_VEHICLE_STATUS = 7,
    MODULE_L_MEDIA = 8,
    MODULE_L_RESERVE = 9,
};

enum {
    MODULE_R_NULL = 0,
    MODULE_R_LIST = 1,
    MODULE_R_CLOCK = 2,
    MODULE_R_WEATHER = 3,
    MODULE_R_PHONE = 4,
    MODULE_R_TRIP = 5,
    MODULE_R_ENG_COST = 6,
    MODULE_R_NAVIGATION = 7,
    MODULE_R_VEHICLE_STATUS = 8,
    MODULE_R_MEDIA = 9,
    MODULE_R_RESERVE = 10,
    MODULE_R_CHARGING_INFO = 15,
};

/* The side panel a module is drawn on (the first argument of the side modules). */
enum { MODULE_Left = 0, MODULE_Right = 1 };

enum {
    MENU_NULL = 0,
    MENU_LIST = 1,
    MENU_AC_TEMP = 2,
    MENU_AC_WIND_PWR = 3,
    MENU_BLIGHT = 4,
    MENU_MEDIA_SRC = 5,
    MENU_AC_WIND_MODE = 6,
    MENU_VERSION = 7,
    MENU_MAX_AVAILABLE = 7,
};

enum {
    MENU_LEFT_NULL = 0,
    MENU_LEFT_VOICE_MEDIA = 1,
    MENU_LEFT_VOICE_AI = 2,
    MENU_LEFT_VOICE_PHONE = 3,
    MENU_LEFT_ACC = 4,
    MENU_LEFT_NUM = 5,
};

enum {
    RightSide_MODULE = 0,
    RightSide_PHONE_UNAVAILABLE = 1,
    RightSide_PHONE_LIST = 2,
    RightSide_PHONE_INCALL = 3,
    RightSide_PHONE_SPEAKING = 4,
    RightSide_VOICE_AI = 5,
    RightSide_MENU = 6,
};

enum { WORK_MODE_OFF = 1, WORK_MODE_ON = 2 };

enum { IIC_COM_NORMAL = 0, IIC_COM_EXCEPTION = 113 };

enum {
    CHARGE_DISCONNECTED = 0,
    CHARGE_PREPARING = 1,
    CHARGE_ORDER = 2,
    CHARGE_CHARGING = 3,
    CHARGE_STOP = 4,
    CHARGE_FINISH = 5,
    CHARGE_FAST = 6,
    CHARGE_PULL_HINT = 7,
    CHARGE_OP_ERR = 8,
    CHARGE_DEV_ERR = 9,
    CHARGE_RESERVE = 10,
    CHARGE_BAT_HEATING = 11,
};

enum { HMI_DSP_INIT = 0, HMI_DSP_LAUNCHING = 1, HMI_DSP_ON = 2, HMI_DSP_OFF = 3 };

enum {
    Cruise_State_Invisible = 0,
    Cruise_State_CC_White = 1,
    Cruise_State_CC_Green = 2,
    Cruise_State_CC_Yellow = 3,
    Cruise_State_ACC_Gray = 4,
    Cruise_State_ACC_Blue = 5,
    Cruise_State_MAX = 5,
};

enum { Nimbo_OFF = 0, Nimbo_ON = 1 };

enum {
    FrontWheelRot_0 = 0,
    FrontWheelRot_L1 = 1,
    FrontWheelRot_L2 = 2,
    FrontWheelRot_L3 = 3,
    FrontWheelRot_R1 = 4,
    FrontWheelRot_R2 = 5,
    FrontWheelRot_R3 = 6,
};

enum {
    VehicleColor_Red = 0,
    VehicleColor_White = 1,
    VehicleColor_Silver = 2,
    VehicleColor_Blue = 3,
    VehicleColor_SkyBlue = 4,
    VehicleColor_MattGray = 5,
    VehicleColor_DarkGray = 6,
    VehicleColor_AllRed = 7,
    VehicleColor_AllGray = 8,
    VehicleColor_AllBlue = 9,
    VehicleColor_Max = 9,
};

enum { RADAR_PRIORITY_HEAD = 0, RADAR_PRIORITY_TAIL = 1 };

enum {
    FACE_RCN_NULL = 0,
    FACE_RCN_IDENTIFICATION_1 = 1,
    FACE_RCN_FRONT = 2,
    FACE_RCN_LEFT = 3,
    FACE_RCN_RIGHT = 4,
    FACE_RCN_UP = 5,
    FACE_RCN_DOWN = 6,
    FACE_RCN_COVER = 7,
    FACE_RCN_SUCCESS_1 = 8,
    FACE_RCN_ERROR = 9,
    FACE_RCN_IDENTIFICATION_2 = 10,
    FACE_RCN_SUCCESS_2 = 11,
    FACE_END = 12,
};

/* Hint banners (HintID), numbered from 0. */
enum {
    ID_HINT_NONE = 0,
    ID_HINT_POWER_READY,
    ID_HINT_BRAKE_WEAK,
    ID_HINT_DOOR_LF_OPEN,
    ID_HINT_DOOR_RF_OPEN,
    ID_HINT_DOOR_LB_OPEN,
    ID_HINT_DOOR_RB_OPEN,
    ID_HINT_BUCKLE_UP_D,
    ID_HINT_BUCKLE_UP_P,
    ID_HINT_START_UP,
    ID_HINT_SHUTDOWN,
    ID_HINT_CHARGING_GEAR_0,
    ID_HINT_CHARGING_GEAR_1,
    ID_HINT_CHARGING_GEAR_2,
    ID_HINT_CHARGING_GEAR_3,
    ID_HINT_KEY_NOT_FOUND,
    ID_HINT_KEY_INSIDE,
    ID_HINT_CHECK_SWITCH,
    ID_HINT_KEY_BAT_LACK,
    ID_HINT_AE,
    ID_HINT_RELEASE_BRAKE,
    ID_HINT_AUTO_PARKING,
    ID_HINT_AUTO_PARKING_PAUSE,
    ID_HINT_AUTO_PARKING_CANCEL,
    ID_HINT_AUTO_PARKING_OK,
    ID_HINT_AUTO_LEAVING,
    ID_HINT_AUTO_LEAVING_PAUSE,
    ID_HINT_AUTO_LEAVING_CANCEL,
    ID_HINT_AUTO_LEAVING_OK,
    ID_HINT_SUMMONING,
    ID_HINT_SUMMONING_PAUSE,
    ID_HINT_SUMMONING_OK,
    ID_HINT_SEARCHING_PARKING_CELL,
    ID_HINT_DETECTING_PARKING_CELL,
    ID_HINT_PARKING_GEAR_R,
    ID_HINT_BRAKE_AID_ACTIVE,
    ID_HINT_LANE_AID_ACTIVE,
    ID_HINT_LANE_DEVIATION,
    ID_HINT_LANE_AID_EXIT,
    ID_HINT_HOLD_STEERING_WHEEL,
    ID_HINT_ACC_EXIT,
    ID_HINT_ACC_ERROR,
    ID_HINT_LANE_AID_UNAVAILABLE,
    ID_HINT_ACC_RESET,
    ID_HINT_HDC_CANNOT_ACC,
    ID_HINT_ACC_UNAVAILABLE,
    ID_HINT_ACC_TIMEOUT,
    ID_HINT_TAKE_REST,
    ID_HINT_TAKE_REST_1,
    ID_HINT_SWITCH_GEARS_TOO_FAST,
    ID_HINT_CRUISE_ABORT,
    ID_HINT_AUTOHOLD_READY,
    ID_HINT_FACE_WELCOME,
    ID_HINT_CLOSE_DOOR,
    ID_HINT_PARKING_RELEASE,
    ID_HINT_FIRST_CLOSE_DOOR,
    ID_HINT_SWITCH_NOT_P,
    ID_HINT_DONOT_CHANGE_TRACK,
    ID_HINT_TRACK_CANCEL,
    ID_HINT_TAKE_OVER_STEERING_0,
    ID_HINT_CANNOT_AVTIVE_ACC,
    ID_HINT_FORWARD_COLLISION_WARNING,
    ID_HINT_HOLD_STEERING_WHEEL_1,
    ID_HINT_TAKE_OVER_STEERING_1,
    ID_HINT_WATCH_OUT,
    ID_HINT_WATCH_OUT_1,
    ID_HINT_WATCH_OUT_2,
    ID_HINT_SWITCHED_TO_N,
    ID_HINT_TAKE_CARE_DOOR_OPEN,
    ID_HINT_MANUAL_LANE_CHANGE,
    ID_HINT_AUTOMATIC_LANE_CHANGE_UNAVAILABLE,
    ID_HINT_KEEP_SAFE_DISTANCE,
    ID_HINT_TAKE_OVER_SPEED_CONTROL,
    ID_HINT_FORWARD_COLLISION_SYSTEM_CLOSE,
    ID_HINT_OPEN_ESP,
    ID_HINT_ACC_WAITING_NOW,
    ID_HINT_TIRED_STATE_ACC_UNAVAILABLE,
    ID_HINT_DISTRACTED_STATE_ACC_UNAVAILABLE,
    ID_HINT_FRONT_RADAR_LOW_VISIBILITY,
    ID_HINT_REAR_RADER_LOW_VISIBILITY,
    ID_HINT_FRONT_CAMERA_BLOCKED,
    ID_HINT_DRIVING_ASSIST_LIMITED,
    ID_HINT_SLOW_DRIVE_THROUGH_CARS,
    ID_HINT_RESERVE,
};

/* Alarm dialogs (AlarmID), numbered from 0. */
enum {
    ID_ALARM_NONE = 0,
    ID_ALARM_BAT_OVER_HEAT,
    ID_ALARM_DYNAMIC_BRAKING,
    ID_ALARM_PERFORMANCE_LIMIT,
    ID_ALARM_CONTACT_SERVICE,
    ID_ALARM_LOST_POWER,
    ID_ALARM_CANNOT_CHARGE,
    ID_ALARM_PULL_UP,
    ID_ALARM_OPERATE_ERR,
    ID_ALARM_DEVICE_ERR,
    ID_ALARM_GEAR_ERR,
    ID_ALARM_CHECK_AIRBAG,
    ID_ALARM_CHECK_TURNL,
    ID_ALARM_CHECK_TURNR,
    ID_ALARM_CHECK_TURNLR,
    ID_ALARM_CHECK_LOWBEAM,
    ID_ALARM_PEPS_ERR,
    ID_ALARM_REPLENISH_RAKE_OIL,
    ID_ALARM_VACUUM_PUMP,
    ID_ALARM_VACUUM_BOOSTER,
    ID_ALARM_TIRE_PRESSURE_LOW,
    ID_ALARM_TIRE_PRESSURE_HIGH,
    ID_ALARM_TIRE_OVER_HEAT,
    ID_ALARM_CHECK_EPS,
    ID_ALARM_CHECK_HIGHBEAM,
    ID_ALARM_HIGH_VOLTAGE_ERR,
    ID_ALARM_INITIATIVE_GRID_ERR,
    ID_ALARM_LOW_VOLT_BAT_ERR,
    ID_ALARM_LOW_VOLT_BAT_LACK,
    ID_ALARM_CHARGE_PORT_OVERHEAT,
    ID_ALARM_BAT_LACK,
    ID_ALARM_CHECK_FOGLAMP,
    ID_ALARM_TPMS,
    ID_ALARM_CHECK_TP_SENSOR,
    ID_ALARM_TPMS_CALIBRATION,
    ID_ALARM_BAT_COLD,
    ID_ALARM_BAT_HEATING,
    ID_ALARM_CHARGING_SLOW,
    ID_ALARM_SYSTOM_FAULT,
    ID_ALARM_FACE_REPEAT,
    ID_ALARM_INPUT_TIMEOUT,
    ID_ALARM_INTERRUPT_RETRY,
    ID_ALARM_FACE_NOT_FOUND,
    ID_ALARM_WILL_LOST_POWER,
    ID_ALARM_BAT_TOO_COLD,
    ID_ALARM_FONT_COLLISION_FAILURE,
    ID_ALARM_LANE_WARNING_FAILURE,
    ID_ALARM_BLIND_AUXILIARY_FAILURE,
    ID_ALARM_REAR_WARNING_FAILURE,
    ID_ALARM_REAR_AUXILIARY_FAILURE,
    ID_ALARM_ACC_FAILURE,
    ID_ALARM_LIMIT_SPEED_FAILURE,
    ID_ALARM_AUTO_TRACK_FAILURE,
    ID_ALARM_CUT_OFF_ALARM,
    ID_ALARM_RESERVE,
};

/* Driving. */
extern UInt08 Speed;            /* km/h 0..240; 255 no valid speed */
extern UInt08 SpeedWarn;        /* speed from which the display turns red; 0 never */
extern UInt08 SpeedLimit;       /* 0..240 */
extern UInt08 Gear;             /* GEAR_* */
extern Int16  Power;            /* -250..250 in steps of 2 */
extern UInt08 WorkMode;         /* WORK_MODE_* */
extern UInt08 CruiseState;      /* Cruise_State_* */
extern UInt08 VuskSpeed;        /* set cruise speed 0..150 */
extern UInt08 ACCstate;         /* lane-assist marker 1..4, 0 none */

/* Battery, range and charging. */
extern UInt08 Battery;          /* percent 0..100 */
extern UInt16 TripRange;        /* km 0..999 */
extern UInt08 ChargingState;    /* CHARGE_* */
extern UInt08 ChargingTips;     /* 0..15, kept only while charging */
extern UInt16 ChargingTimeNeed; /* 0..5999; 0xFFFF no value */

/* Time, date and outside temperature. */
extern UInt16 SysTimeOfDayInMin; /* 0..1439 */
extern UInt08 SysTimeFmt;
extern UInt08 DateDay;          /* 1..31 */
extern UInt08 DateMonth;        /* 1..12 */
extern UInt16 DateYear;         /* 2000..2255 */
extern Int16  Temperature;      /* degrees C -40..87; 255 no valid value */

/* Trip computer. */
extern UInt32 Odo;                 /* km 0..999999 */
extern UInt32 TripSinceIGON;       /* 0.1 km 0..99999 */
extern UInt32 TripASinceCharging;  /* 0.1 km 0..99999 */
extern UInt16 TimeSinceIGON;       /* 0..5999 */
extern UInt16 TimeASinceCharging;
extern UInt16 TimeAVD;
extern UInt16 TimeBVD;
extern UInt08 AvgElectricCost;     /* 0.1 units; 255 no value */
extern UInt08 AccAvgElectricCost;
extern UInt08 EnergyCostP100m[100]; /* ring of the last 100 consumption samples */
extern UInt08 EnergyCostIdx;       /* slot of the newest sample; 255 history empty */
extern UInt08 EnergyCostIdx0;      /* slot of the oldest sample; 255 history empty */

/* Side panels and menus. */
extern UInt08 LeftModuleID;     /* MODULE_L_* */
extern UInt08 RightModuleID;    /* MODULE_R_* */
extern UInt08 LeftListCursor;
extern UInt08 RightListCursor;
extern UInt08 MenuID;           /* MENU_* */
extern UInt08 MenuLastID;
extern UInt08 MenuLstCursor;
extern Un08   MenuLstFlg;       /* bits 0..4: one flag per menu list entry */
extern UInt08 MenuTemperature;  /* 0..28 */
extern UInt08 MenuWindyPower;   /* 0..15 */
extern UInt08 MenuBrightness;   /* 0..100 */
extern Un08   MenuMediaSrcState;
extern Un08   MenuMediaSrcFlg;
extern UInt08 MenuWindyMode;    /* 0..15 */
extern UInt08 MenuLeftId;       /* MENU_LEFT_* */
extern UInt08 MenuLeftValue[MENU_LEFT_NUM]; /* 0..31 per left menu */

/* Hints, alarms and link state. */
extern UInt08 HintID;           /* ID_HINT_* */
extern UInt08 AlarmID;          /* ID_ALARM_* */
extern UInt08 AlarmOption;      /* 0..3 */
extern UInt08 IicComStatus;     /* IIC_COM_* */

/* Telltales. */
extern Un08   Indicator[8];     /* copy of frame 0x01 */
extern UInt08 IND_FONT_COLLOSION;  /* forward collision warning failure */
extern UInt08 IND_LANE_WARNING;    /* lane warning failure */
extern UInt08 IND_BLIND_AUXILIARY; /* blind-spot assistant failure */
extern UInt08 IND_REAR_AUXILIARY;  /* rear assistant failure */
extern UInt08 IND_ACC_FAILURE;     /* adaptive cruise failure */
extern UInt08 IND_BAT_LACK;        /* battery low */
extern Int08  IndMute;             /* 1 shows the mute symbol */

/* Parking radar: distances 1..141, 255 nothing detected, 254 passed through; colours 0..7. */
extern UInt08 RadarSpacingF0, RadarSpacingF1, RadarSpacingF2, RadarSpacingF3, RadarSpacingF4,
    RadarSpacingF5;
extern UInt08 RadarSpacingB0, RadarSpacingB1, RadarSpacingB2, RadarSpacingB3, RadarSpacingB4,
    RadarSpacingB5;
extern UInt08 RadarColorF0, RadarColorF1, RadarColorF2, RadarColorF3, RadarColorF4, RadarColorF5;
extern UInt08 RadarColorB0, RadarColorB1, RadarColorB2, RadarColorB3, RadarColorB4, RadarColorB5;
extern UInt08 RadarAlarm;       /* 0 none, 1 tail view, 2 head view, 3 head without the view */
extern UInt08 RadarPriority;    /* RADAR_PRIORITY_* */
extern UInt16 RadarDistance;    /* 0..255 */

/* Tyres. */
extern UInt08 TirePressureLF, TirePressureRF, TirePressureLB, TirePressureRB; /* 0.1 bar; 255 none */
extern UInt08 TireTemperatureLF, TireTemperatureRF, TireTemperatureLB, TireTemperatureRB; /* C+60 */
extern Un08   TireBits;         /* bits 0..3 temperature warning, 4..7 pressure warning */

/* Lanes and vehicles ahead. */
extern Int08  TrafficLaneParam0_LL, TrafficLaneParam0_L, TrafficLaneParam0_R, TrafficLaneParam0_RR;
extern Int16  TrafficLaneParam1; /* -357..357 */
extern Int16  TrafficLaneParam2; /* -200..200 */
extern Int16  TrafficLaneParam3; /* -120..120 */
extern UInt08 TrafficLaneStatus_LL, TrafficLaneStatus_L, TrafficLaneStatus_R, TrafficLaneStatus_RR;
extern UInt08 LaneLength_LL, LaneLength_L, LaneLength_R, LaneLength_RR; /* m 15..78 */
extern Un08   ForwardVehicleData0, ForwardVehicleData1, ForwardVehicleData2, ForwardVehicleData3;
extern Int08  ForwardVehicle1X, ForwardVehicle2X, ForwardVehicle3X, ForwardVehicle4X,
    ForwardVehicle5X, ForwardVehicle6X; /* 0.1 m -120..120; 127 no vehicle */
extern Int08  ForwardVehicle1Y, ForwardVehicle2Y, ForwardVehicle3Y, ForwardVehicle4Y,
    ForwardVehicle5Y, ForwardVehicle6Y; /* m 0..75 */

/* Parking and the own car. */
extern Un08   CarportValue0;    /* bits 0-1 parking mode; with mode 0, slot states */
extern Un08   CarportValue1;
extern UInt08 FrontWheelRotState; /* FrontWheelRot_* */
extern UInt08 VehicleColorCfg;    /* VehicleColor_* */

/* Phone control from the steering wheel; clicks and counters start at 255. */
extern UInt08 McuBltOpState;    /* 0 none, 1 contact list, 2 call, 3 speaker */
extern UInt08 McuBltOpListCursor, McuBltOpInCallCursor, McuBltOpSpeakCursor;
extern UInt08 McuBltOpListClick, McuBltOpInCallClick, McuBltOpSpeakClick;
extern UInt08 McuBltOpListClickCnt, McuBltOpInCallClickCnt, McuBltOpSpeakClickCnt;

/* Display state written by the screens and reported in answer frame 0x00. */
extern UInt08 HmiDspState;        /* HMI_DSP_* */
extern UInt08 RightSideState;     /* RightSide_* */
extern Int08  BlutPhoneCursorNum; /* five bits are sent */

/* Other display state. */
extern UInt08 NimboState;           /* Nimbo_ON while the system-upgrade screen is shown */
extern UInt08 FaceRecognitionstate; /* FACE_RCN_* */
extern UInt08 ScreenColorTest;      /* screen test pattern 0..7, 0 normal */

/* Sets the start values of the signals; called once by the main-board task at its start. Puts a
 * pending upgrade state back to OTA_Normal, with a log line. */
void MB_IIC_SetInitialValue(void);
/* Checks a received frame (nine bytes: data 0..7, then (id + data) mod 256) and stores its data in
 * srcDataBuf[id]. 0 stored; -1 for id > 14, a null buffer or a wrong checksum (nothing stored). */
Int32 MB_IIC_VerifyAndStore(UInt08 id, UInt08* data);
/* Decodes srcDataBuf[frameId] into the signals; frames without signals do nothing. Decoding the
 * same stored frame again leaves every signal as it is. */
void MB_IIC_DecodeData(UInt08 frameId);
/* Fills dstDataBuf[frameId] from the signals (only frame 0x00 has an encoder); no checksum. */
void MB_IIC_EncodeData(UInt08 frameId);

#endif

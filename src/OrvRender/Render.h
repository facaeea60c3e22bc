/* The per-frame render function of the cluster and its clean-up, registered with the display task.
 *
 * Render measures the frame time, initialises the renderer on its first call, shows the screen
 * test patterns, and otherwise runs the power state machine: the power-on logo, the powered-on
 * cluster (a self test of 3.6 s, then the normal page) and the power-off page. It composes the
 * normal page from the screen elements in a fixed order and reports HmiDspState and
 * RightSideState back to the main board. Render thread only. */
#ifndef RENDER_H
#define RENDER_H

#include "BaseTypes.h"
#include "OrvRender/RenderState.h"

/* Draws and presents one frame; the argument is ignored; returns null. */
void* Render(void* argv);
/* Releases every render resource; runs once on the display worker while the context is current. */
void* CleanUpRender(void* argv);

/* The power-on logo: 1 while it plays, 0 once it has faded out. */
Int08 Render_PwrOnBmpPlaying(void);
/* One frame of the powered-on cluster: self test, then the normal page. */
void Render_PwrOnState(void);
/* One frame of the power-off page. */
void Render_PwrOffState(void);
/* The power-off animation: clears the screen once; always 0 (finished). */
Int08 Render_PwrOffBmpPlaying(void);
/* The self-test animation at duration milliseconds (0..3600; other values draw nothing). */
void ShowSelfTest(Int32 duration);

/* Self-test timing in milliseconds. */
enum {
    SelfTest_Background_black = 733,
    SelfTest_Background_black_disappear = 1233,
    SelfTest_Background = 3100,
    SelfTest_Disapear_Background = 3600,
    SelfTest_Total_Duration = 3600,
};

/* Presents the frame (SwapGLBuffer) unless the first 2000 ms after a restart still hold
 * presentation back; 1 when presented. The full-screen pages present their own frames with it. */
Int08 Render_Present(void);

/* The current state and the work mode the state machine last acted on (read-only outside). */
RenderState Render_GetState(void);
UInt08 Render_GetWorkMode(void);

/* The screen elements the page composition calls, one slot each, in the order of the page. A
 * slot holds the element function once the element exists; an empty slot (null) is skipped, and an
 * empty slot whose answer steers the page (list open, menu shown, overlay drawn) answers 0. An
 * element joins the page by filling its slot in Render.cpp. Tests may put recorders in the slots
 * to watch the composition. */
typedef struct Struct_RenderElements {
    /* Basic readouts. */
    void (*ShowTime)(UInt16 minutes, UInt08 fmt);
    void (*ShowTemprature)(Int16 temperature);
    void (*ShowSpeed)(UInt08 speed);
    void (*ShowTripRange)(UInt16 range);
    void (*ShowGreeting)(void);
    void (*ShowFPS)(void);
    /* Drive state. */
    void (*ShowBattery)(UInt08 battery, UInt16 rangeTrip);
    void (*ShowGear)(UInt08 gear);
    void (*ShowDrivingMode)(UInt08 nightMode);
    void (*ShowSpeedLimit)(UInt08 type, UInt08 limit);
    /* Telltales. */
    void (*ShowFixLeds)(void);
    void (*ShowDynamicLeds)(void);
    /* Side-panel lists and modules (side 0 left, 1 right). */
    Int08 (*ShowLeftModuleList)(UInt08 cursor, UInt08 moduleId);
    Int08 (*ShowRightModuleList)(UInt08 cursor, UInt08 moduleId);
    void (*ShowModuleClock)(UInt08 type, UInt08 moduleId);
    void (*ShowModuleTrip)(UInt08 type, UInt08 moduleId);
    void (*ShowModuleEngCost)(UInt08 type, UInt08 moduleId);
    void (*ShowModuleVehicleStatus)(UInt08 type, UInt08 moduleId);
    void (*ShowModuleMedia)(UInt08 type, UInt08 moduleId);
    void (*ShowModuleWeather)(UInt08 type, UInt08 moduleId);
    void (*ShowModuleNav)(UInt08 type, UInt08 moduleId);
    Int08 (*ShowModulePhone)(UInt08 phoneStatus, UInt08 moduleId);
    /* Menus. */
    void (*ShowMenuNull)(UInt08 menu);
    Int08 (*ShowMenuList)(UInt08 menu);
    void (*ShowMenuValueSetting)(Int08 menu);
    void (*ShowMenuMediaSrcSelecting)(UInt08 menu);
    void (*ShowMenuWindyModeSelecting)(UInt08 menu);
    void (*ShowMenuVersion)(UInt08 menu);
    Int08 (*ShowMenuLeft)(UInt08 menuLeftId);
    /* Hints and alarms. */
    Int08 (*ShowHintInfo)(UInt08 hintID);
    Int08 (*ShowAlarmInfo)(UInt08 alarmID);
    /* Driving scene, parking and reversing view, driving overlays. */
    void (*ShowTrafficLines)(void);
    void (*ShowAiParking)(void);
    void (*ShowDrivingCar)(Int08 visible);
    void (*ShowParkingCar)(Int08 visible, Int08 isOffMode);
    void (*ShowBackingCar)(Int08 visible, UInt08 backType, UInt08 priority);
    void (*ShowVuskSpeed)(UInt08 state, UInt08 speed);
    /* Charging and upgrade screens (the upgrade screens present their own frames). */
    void (*ShowChargineUI)(Int08 visible, UInt08 battery, UInt16 range);
    void (*ShowUpgradeUI)(void);
    void (*ShowNimboUpgrade)(void);
    /* Voice assistant and face recognition. */
    Int08 (*ShowVoiceAssistant)(UInt08 state);
    Int08 (*ShowFaceRecognition)(UInt08 state);
} RenderElements;

extern RenderElements mRender_Elements;

#endif

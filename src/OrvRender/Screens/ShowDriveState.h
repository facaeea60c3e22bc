/* The drive-state indicators: battery bar, gear strip, driving mode and speed-limit sign.
 *
 * Each element is one function that the page composition calls once per frame with its inputs;
 * its memory lives in function-level statics, its animations advance by mFrameTimeMs, and it loads
 * its pictures and fonts on first use (everything is released by CleanUpRender). Render thread only.
 * A read-only view reports what the elements chose on their last call, for diagnostics and tests;
 * the elements never read it back. */
#ifndef SHOW_DRIVE_STATE_H
#define SHOW_DRIVE_STATE_H

#include "BaseTypes.h"

/* The battery bar from the charge (percent, 255 = 0) and the range: red up to 29 km, yellow up to
 * 59 km, green otherwise; with the air-conditioning or battery-cold lamp the last tenth below the
 * charge is shown faded. */
void ShowBattery(UInt08 battery, UInt16 rangeTrip);
/* The gear strip with the lit letter; a change of gear shows the gear's tip for 3 s. */
void ShowGear(UInt08 gear);
/* The driving-mode bar, or the eco / sport animation with its icon and colour glow (mode from
 * Indicator[4] bits 6-7). */
void ShowDrivingMode(UInt08 nightMode);
/* The speed-limit sign (0 = none, 255 = "---"), brought towards the viewer for 1.5 s while
 * Indicator[0] bit 6 asks for emphasis. The type is not used. */
void ShowSpeedLimit(UInt08 type, UInt08 limit);

/* What the drive-state indicators chose on their last call. */
typedef struct Struct_ShowDriveStateView {
    Int32  batteryBarTga;    /* bar picture (TGA_ui3_basic_battery_full_*), -1 before the first call */
    float  batteryRate;      /* filled fraction */
    Int08  batteryFaded;     /* 1 = the last tenth was drawn faded */
    Int32  gearTga;          /* lit letter picture, -1 for none */
    Int32  gearTipTga;       /* tip picture drawn this frame, -1 for none */
    Int32  gearTipMs;        /* remaining tip time */
    float  gearTipInvAlpha;
    Int32  modeAnimId;       /* current PNG frame of the mode animation, 0 none */
    Int08  modeGlow;         /* 1 = the colour bands were drawn */
    float  modeIconInvAlpha;
    UInt32 limitTxt[8];      /* speed-limit text, zero-terminated */
    UInt08 limitLen;
    UInt32 limitScaleMs;     /* emphasis time 0..1500 */
    Int08  limitDrawn;
} ShowDriveStateView;
const ShowDriveStateView* ShowDriveState_View(void);

#endif

/* The always-present elements of the cluster picture: the basic readouts (clock, outside
 * temperature, speed, range, greeting, diagnostics overlay), the drive-state indicators (battery
 * bar, gear strip, driving mode, speed-limit sign) and the telltales (fixed lamps and the shared
 * places of the fault lamps).
 *
 * Every element is one function that the page composition calls once per frame with its inputs;
 * its memory lives in function-level statics, its animations advance by mFrameTimeMs, and it loads
 * its pictures and fonts on first use (everything is released by CleanUpRender). All of them draw
 * at depth -150 where a pixel rectangle maps onto the screen, and run on the render thread only.
 *
 * Each module also keeps a read-only view of what its elements chose on their last call (text
 * built, value displayed, colour, pictures drawn), for diagnostics and tests; the elements never
 * read it back. */
#ifndef SHOW_H
#define SHOW_H

#include "BaseTypes.h"

/* ---- Basic readouts --------------------------------------------------------------------- */

/* The clock at the bottom right from SysTimeOfDayInMin and SysTimeFmt (1 = 12-hour clock with
 * the forenoon/afternoon text, anything else 24-hour). Needs Prgm_Simple_Font bound with its
 * matrices and attributes; draws nothing while font map 0 is not loaded. */
void ShowTime(UInt16 minutes, UInt08 fmt);
/* The outside temperature beside the clock: label, value (255 = "---") and unit. Same program
 * contract as ShowTime. */
void ShowTemprature(Int16 temperature);
/* The large speed in the centre. 254 hides it and resets it; 255 shows the invalid picture. The
 * displayed value moves towards the input by the remaining difference x frame time / 200 per
 * frame; the digits turn red at SpeedWarn and back only 4 km/h below it. */
void ShowSpeed(UInt08 speed);
/* The remaining range at the bottom left; up to 19 km and 1023 show "--". Same program contract
 * as ShowTime; draws when font map 0 or 1 is loaded. */
void ShowTripRange(UInt16 range);
/* "Hi, <account name>" fading in over 1 s, rebuilt when UpdAccount changes; a guest account is
 * greeted with the default text, a 9-character name is cut to six characters and "...". */
void ShowGreeting(void);
/* Frames per second at the top left (white above 29, yellow above 14, red otherwise), build date
 * and version at the top right. */
void ShowFPS(void);

/* What the basic readouts built on their last call. Texts are glyph indices of the basic atlas,
 * zero-terminated. */
typedef struct Struct_ShowBasicView {
    UInt32 timeTxt[16];     /* clock text as built, including its terminating 0 entry */
    UInt08 timeLen;         /* counted length (the terminating 0 entry included) */
    UInt32 tempTxt[16];     /* label, value and unit */
    UInt08 tempLen;
    UInt32 rangeTxt[16];    /* number only ("--" or digits), then the unit glyphs k, m */
    UInt08 rangeLen;        /* glyphs of the number */
    UInt08 speedShown;      /* displayed speed (254 hidden, 255 invalid) */
    UInt08 speedLen;        /* digits drawn, 255 = invalid picture */
    UInt08 speedDigits[3];  /* the digits, most significant first */
    Int08  speedRed;        /* 1 = red digit pictures */
    Int32  speedDigitX[3];  /* left edge of each digit as drawn */
    UInt32 greeting[16];    /* greeting as character codes */
    float  greetingInvAlpha;/* fade of the greeting (0 opaque) */
    UInt32 fpsTxt[24];      /* frame-rate text as drawn */
    UInt08 fpsLen;
    const float* fpsColor;  /* colour of the frame-rate text */
    UInt32 dateTxt[16];     /* build date text (first five glyphs drawn) */
    UInt32 verTxt[16];      /* version text */
    UInt08 verLen;
} ShowBasicView;
const ShowBasicView* ShowBasic_View(void);

/* ---- Drive-state indicators ------------------------------------------------------------- */

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

/* ---- Telltales -------------------------------------------------------------------------- */

/* The lamps at fixed places (turn signals, beams, belts, doors, parking brake, READY, mute, auto
 * hold) and the animated lane-centring lamp. A lamp follows its signal bit frame by frame: it
 * flashes when the bit does. */
void ShowFixLeds(void);
/* Up to 21 fault and status lamps in shared places: a lamp takes the lowest free place when it
 * comes on and keeps it until it goes off. */
void ShowDynamicLeds(void);

/* Number of lamps of the shared area and of their places. */
#define SHOW_DYN_LED_NUM 29
#define SHOW_DYN_PLACE_NUM 21

/* What the telltales drew on their last call. */
typedef struct Struct_ShowTelltalesView {
    Int32  fixDrawn[32];     /* fixed lamps drawn, in order: TGA identifiers, PNG ones as 1000 + id */
    Int32  fixNum;
    Recti  fixRect[32];      /* the rectangle of each */
    float  lccInvAlpha;      /* lane-centring lamp fade, when drawn */
    Int32  lccRingPairs;     /* point pairs of the active ring drawn, 0 = none */
    Int16  dynPlace[SHOW_DYN_LED_NUM]; /* place of lamp k, -1 none */
    Int32  dynPicture[SHOW_DYN_LED_NUM]; /* picture drawn for lamp k this frame (TGA id, PNG as
                                            1000 + id), -1 = not drawn */
    Recti  dynRect[SHOW_DYN_LED_NUM];
    UInt08 dynUsed;          /* places taken */
} ShowTelltalesView;
const ShowTelltalesView* ShowTelltales_View(void);

/* Marks a PNG identifier in the telltale view's picture fields. */
#define SHOW_VIEW_PNG(id) (1000 + (id))

#endif

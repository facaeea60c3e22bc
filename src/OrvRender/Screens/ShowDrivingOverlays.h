/* The flat elements around the driving scene: the cruise gauge (a dial with a turning pointer and
 * the set speed, tinted by the cruise state, or the adaptive-cruise icon that zooms in or is
 * revealed by a ring sweep), the own car from behind with its entry animation, lamps and beams,
 * and the parking-slot overlay.
 *
 * Each element is one function that the page composition calls once per frame; its memory lives in
 * function-level statics and its animations advance by mFrameTimeMs. Render thread only. A
 * read-only view reports what they chose on their last call; the elements never read it back. */
#ifndef SHOW_DRIVING_OVERLAYS_H
#define SHOW_DRIVING_OVERLAYS_H

#include "BaseTypes.h"

/* The cruise gauge for a Cruise_State_* and the set speed (0 = no number). */
void ShowVuskSpeed(UInt08 state, UInt08 speed);
/* The own car from behind; 0 hides it and re-arms the entry animation. */
void ShowDrivingCar(Int08 visible);
/* The parking areas and slots of CarportValue0 and CarportValue1. */
void ShowAiParking(void);

/* How the cruise gauge drew its state. */
enum {
    CruiseDraw_None = 0,
    CruiseDraw_Dial = 1,     /* conventional cruise: dial and pointer */
    CruiseDraw_Zoom = 2,     /* adaptive, gray: the icon growing */
    CruiseDraw_Icon = 3,     /* an adaptive icon at full size */
    CruiseDraw_Sweep = 4,    /* adaptive, blue: the gray icon with the blue ring sweeping over it */
};

/* What the three overlays drew on their last call. */
typedef struct Struct_ShowDrivingOverlaysView {
    Int32 cruiseDraw;          /* CruiseDraw_* */
    Int32 cruiseIconPng;       /* adaptive icon drawn at iconRect, -1 none */
    Recti cruiseIconRect;
    float cruiseIconInvAlpha;
    Int32 cruiseSweepDeg;      /* angle of the sweep's last column (a_29), degrees */
    float cruiseAngle;         /* pointer angle, degrees */
    float cruiseColor[3];
    UInt32 cruiseTxt[4];       /* speed glyphs, 0-terminated */
    Int32 cruiseTxtLen;
    Int32 cruiseTxtX, cruiseTxtY;

    Int08 carShown;
    Int32 carBodyPng;
    Int32 carYOffset;          /* pixels below its place */
    float carInvAlpha;
    Int32 carBeamPng;          /* -1 none */
    float carBeamInvAlpha;
    Int32 carLamps[5];         /* lamp pictures drawn, in order */
    Int32 carLampNum;
    Int08 carCamera;

    Int08 slotsShown;
    Int32 slotTga[8];          /* area and slot pictures drawn, left then right */
    float slotInvAlpha[8];
    Int32 slotNum;
} ShowDrivingOverlaysView;
const ShowDrivingOverlaysView* ShowDrivingOverlays_View(void);

#endif

/* The own car seen from above: the parking-radar view and the parked car.
 *
 * The radar view slides the front or rear half of the car in and draws an arc of six sectors per
 * end, one per ultrasonic sensor, whose width and colour say how near an obstacle is, with the
 * nearest distance (or a stop message) as text. The parked car shows the car in its configured
 * colour with doors, trunk, bonnet and charge port, and the front wheels as steered; it glides in
 * from the right with rolling wheels and grows on the power-off page.
 *
 * Each element is one function that the page composition calls once per frame; its memory lives in
 * function-level statics and its animations advance by mFrameTimeMs. Render thread only. A
 * read-only view reports what they chose on their last call; the elements never read it back. */
#ifndef SHOW_PARKING_H
#define SHOW_PARKING_H

#include "BaseTypes.h"

/* Which ends the radar view shows: the driving view shows one end by priority, the reversing view
 * both. */
enum { BackType_D = 0, BackType_R = 1 };

/* The radar view of the end chosen by priority (RADAR_PRIORITY_HEAD 0, _TAIL 1); visible 0 hides
 * it and re-arms the slide-in. */
void ShowBackingCar(Int08 visible, UInt08 backType, UInt08 priority);
/* The parked car; isOffMode 1 draws it at full size (power-off page), 0 at 0.69. */
void ShowParkingCar(Int08 visible, Int08 isOffMode);

/* Columns of one radar arc (six sectors of six columns, five gaps of sixteen). */
#define SHOW_RADAR_COLUMNS 116

/* What the two elements drew on their last call. Arcs: 0 front, 1 rear. */
typedef struct Struct_ShowParkingView {
    Int08 radarShown;              /* the radar view drew this frame */
    Int32 radarFrontPng, radarRearPng;      /* car halves drawn, -1 none */
    Int32 radarFrontY, radarRearY;          /* their top edges this frame */
    float rateHead, rateTail;      /* slide progress, 1 = start, 0 = in place */
    Int08 arcDrawn[2];
    float arcRate[2][SHOW_RADAR_COLUMNS];   /* band rate: 0 fills the band to the car, 1 = none */
    float arcAlpha[2][SHOW_RADAR_COLUMNS];  /* opacity of the inner point */
    float arcColor[2][SHOW_RADAR_COLUMNS][3];
    UInt32 distTxt[8];             /* distance glyphs drawn, 0-terminated */
    Int32 distLen;
    Int32 distStyle;               /* 0 digits, 1 the stop message */
    Int08 distUnit;                /* "cm" drawn after the digits */

    Int08 parkedShown;             /* the parked car drew this frame */
    Int32 parkedPng[16];           /* body pictures drawn, in drawing order */
    Int32 parkedNum;
    Int32 parkedWheel[3];          /* wheel pictures drawn (steered wheel, or wheel and two rolling) */
    Int32 parkedWheelNum;
    Int32 parkedXOffset;           /* slide offset in pixels */
    Int32 parkedMoveMs;            /* slide time 0..1000 */
    float parkedScale, parkedInvAlpha;
} ShowParkingView;
const ShowParkingView* ShowParking_View(void);

#endif

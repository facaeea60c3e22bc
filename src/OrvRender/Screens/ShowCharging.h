/* The charging screen: the full-screen picture shown while a charger is connected, on the normal
 * page and on the power-off page. Background and car, the battery bar filled to the state of
 * charge with a light running along it while charging, the animated charging sequence (an intro
 * once, then a loop), the state icon and hints, the range in large digits and the remaining
 * charging time.
 *
 * One element with its memory in function-level statics, render thread only. A read-only view
 * reports what it chose on its last call, for diagnostics and tests; the element never reads it. */
#ifndef SHOW_CHARGING_H
#define SHOW_CHARGING_H

#include "BaseTypes.h"

/* Draws the charging screen for this frame from ChargingState, ChargingTimeNeed and the
 * arguments (battery in percent, 0xFF = no value; range in km). visible 0 draws nothing and stops
 * its timers. The texts need the atlas of font style 1, made elsewhere. */
void ShowChargineUI(Int08 visible, UInt08 battery, UInt16 range);

/* Pieces of the remaining-time line, in drawing order. */
typedef enum {
    SHOW_CHARGE_TIME_TITLE = 1,        /* "remaining time" title */
    SHOW_CHARGE_TIME_NUMBER = 2,       /* a number in digit pictures (value = the number drawn) */
    SHOW_CHARGE_TIME_HOUR = 3,         /* hour unit text */
    SHOW_CHARGE_TIME_MINUTE = 4,       /* minute unit text */
    SHOW_CHARGE_TIME_CALCULATING = 5,  /* "calculating" status text */
    SHOW_CHARGE_TIME_ALMOST_DONE = 6,  /* "almost finished" status text */
} ShowChargeTimePart;

#define SHOW_CHARGING_PICS_MAX 32
#define SHOW_CHARGING_TIME_PARTS_MAX 8

/* What the charging screen drew on its last call. */
typedef struct Struct_ShowChargingView {
    Int08 drawn;                             /* 1 when the last call drew (visible) */
    Int08 waiting;                           /* the first-display wait was still running */
    UInt08 state;                            /* ChargingState taken over (0xFF none yet) */
    Int32 picNum;                            /* pictures drawn, back to front */
    Int32 picId[SHOW_CHARGING_PICS_MAX];
    Recti picRect[SHOW_CHARGING_PICS_MAX];
    Int32 barW;                              /* filled width of the bar */
    Int32 seqIdx;                            /* sequence picture drawn, -1 none */
    Int08 seqIntro;                          /* the sequence was in its intro phase */
    Int08 light;                             /* 0 none, 1 running light, 2 still light */
    Recti lightRect;                         /* the light's picture rectangle as drawn */
    Flt32 lightInvAlpha;                     /* its inverted opacity (0 opaque) */
    Int32 rangeLen;                          /* range digits drawn */
    UInt08 rangeDigit[3];
    Int32 rangeX[3];                         /* left edge of each range digit */
    Recti kmRect;                            /* the km unit as drawn */
    Int32 timeNum;                           /* pieces of the remaining-time line (0 = no line) */
    Int32 timePart[SHOW_CHARGING_TIME_PARTS_MAX];   /* ShowChargeTimePart */
    Int32 timeValue[SHOW_CHARGING_TIME_PARTS_MAX];  /* the number of a NUMBER piece */
    Int32 timeX[SHOW_CHARGING_TIME_PARTS_MAX];      /* left edge of each piece */
    const float* timeColor[SHOW_CHARGING_TIME_PARTS_MAX];  /* colour of a text piece, null for numbers */
} ShowChargingView;
const ShowChargingView* ShowCharging_View(void);

#endif

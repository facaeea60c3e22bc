/* The telltales: the lamps at fixed places and the fault and status lamps that share places.
 *
 * Each element is one function that the page composition calls once per frame with its inputs;
 * its memory lives in function-level statics, its animations advance by mFrameTimeMs, and it loads
 * its pictures and fonts on first use (everything is released by CleanUpRender). Render thread only.
 * A read-only view reports what the elements chose on their last call, for diagnostics and tests;
 * the elements never read it back. */
#ifndef SHOW_TELLTALES_H
#define SHOW_TELLTALES_H

#include "BaseTypes.h"

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

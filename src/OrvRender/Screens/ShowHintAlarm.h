/* The hint and alarm pop-ups: the two message boxes through which the cluster talks to the driver.
 * Each shows one message chosen by an id from the main board, rasterised at run time from the
 * hint/alarm texts into picture-pool bitmaps, and cross-fades between messages: the old text fades
 * out before a new id is latched, the background fades in before the text does.
 *
 * Each element is one function that the page composition calls once per frame with its input; its
 * memory lives in function-level statics, its fades advance by mFrameTimeMs, and it loads its
 * pictures and fonts on first use (everything is released by CleanUpRender). Render thread only.
 * A read-only view reports what the elements chose on their last call, for diagnostics and tests;
 * the elements never read it back. */
#ifndef SHOW_HINT_ALARM_H
#define SHOW_HINT_ALARM_H

#include "BaseTypes.h"

/* The hint pop-up in the middle of the screen (ID_HINT_*; 0 hides, 0xFF before the first real id
 * sets nothing up): one or two lines, a small icon, a head background with a large icon and the
 * blinking glow band along the top edge for the take-over and watch-out hints. While IicComStatus
 * is IIC_COM_EXCEPTION the text is the link-failure message. 1 when it drew this frame. */
Int08 ShowHintInfo(UInt08 hintID);
/* The alarm pop-up below it (ID_ALARM_*; 0 hides): one line with an optional icon, on a simple
 * banner or a dialog with its button picture; a change of layout swaps the background at once.
 * 1 when it drew this frame. */
Int08 ShowAlarmInfo(UInt08 alarmID);

/* Limits of a pop-up line: glyphs, the bitmap it is rasterised into, the widest text plus icon. */
#define SHOW_HA_LINE_GLYPHS 24
#define SHOW_HA_BMP_W 700
#define SHOW_HA_BMP_H 56
#define SHOW_HA_MAX_W 410

/* A picture in the view: a TGA identifier, or a PNG one as SHOW_HA_PNG(id); -1 = none. */
#define SHOW_HA_PNG(id) (1000 + (id))

/* What one pop-up line was built from and where it was drawn. */
typedef struct Struct_ShowHaLine {
    UInt32 codes[SHOW_HA_LINE_GLYPHS + 1]; /* character codes rasterised at the last rebuild, 0-ended */
    Int32  bmpWidth;    /* width the rasteriser used, 0 = line absent */
    Recti  rect;        /* quad drawn this frame (w 0 = not drawn); narrower than bmpWidth = squeezed */
} ShowHaLine;

/* What the pop-ups chose on their last call. */
typedef struct Struct_ShowHintAlarmView {
    Int08  hintDrawn;           /* result of the last ShowHintInfo */
    UInt08 hintLatched;         /* id whose message is latched (0xFF before set-up) */
    Int32  hintRebuilds;        /* line sets rasterised so far */
    ShowHaLine hintLine[2];
    Int32  hintBackground;      /* background picture drawn, -1 none */
    Int32  hintBigIcon;         /* large icon drawn, -1 none */
    Int32  hintIcon;            /* small icon drawn, -1 none */
    Recti  hintIconRect;
    float  hintInvAlphaTxt;     /* text fade (0 opaque, 1 invisible) */
    float  hintInvAlphaBg;      /* background fade */
    Int08  hintBand;            /* blink band drawn this frame */
    float  hintBandInvAlpha;    /* its inverted opacity: 1 hidden, 0 lit */

    Int08  alarmDrawn;
    UInt08 alarmLatched;
    Int32  alarmRebuilds;
    ShowHaLine alarmLine;
    UInt08 alarmLayout;         /* 0 simple banner, 1 dialog */
    Int32  alarmBackground;
    Int32  alarmButton;         /* dialog button picture, -1 none */
    Int32  alarmIcon;
    Recti  alarmIconRect;
    float  alarmInvAlphaTxt;
    float  alarmInvAlphaBg;
} ShowHintAlarmView;
const ShowHintAlarmView* ShowHintAlarm_View(void);

#endif

/* The basic readouts: clock, outside temperature, speed, range, greeting and the diagnostics
 * overlay (frame rate, build date, version).
 *
 * Each element is one function that the page composition calls once per frame with its inputs;
 * its memory lives in function-level statics, its animations advance by mFrameTimeMs, and it loads
 * its pictures and fonts on first use (everything is released by CleanUpRender). Render thread only.
 * A read-only view reports what the elements chose on their last call, for diagnostics and tests;
 * the elements never read it back. */
#ifndef SHOW_BASIC_H
#define SHOW_BASIC_H

#include "BaseTypes.h"

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

#endif

/* The settings menus. The main board decides everything (which menu is open, the cursor, which
 * entries exist, the values being set) and the cluster only draws what its signals say.
 *
 * Right side: the main list of six entries, the value screens (temperature, fan power, brightness)
 * with digits and a bar, the media-source and air-flow selections, the version line, and the grey
 * icon of the last used menu when none is open. Left side: a pop-up for a sound level or the ACC
 * level, shown for 3 s after its value changes. Each function draws only when the identifier is its
 * own. Render thread only. */
#ifndef SHOW_MENUS_H
#define SHOW_MENUS_H

#include "BaseTypes.h"

/* With no menu open (menuId 0): the grey icon of MenuLastID (2 to 6) centred on (1783, 338). */
void ShowMenuNull(UInt08 menuId);
/* The main list (menuId 1): entries present by MenuLstFlg plus the version entry, the entry at
 * MenuLstCursor in the middle. 1 when drawn, else 0. */
Int08 ShowMenuList(UInt08 menuId);
/* The value screens (menuId 2, 3, 4): icon, bar filled from its bottom, cursor, value digits, unit
 * and tip; the pictures fade in over 1 s whenever a value menu opens or replaces another. */
void ShowMenuValueSetting(Int08 menuId);
/* The media-source selection (menuId 5): sources present by MenuMediaSrcFlg; nothing when none. */
void ShowMenuMediaSrcSelecting(UInt08 menuId);
/* The air-flow selection (menuId 6): four modes, MenuWindyMode limited to the last. */
void ShowMenuWindyModeSelecting(UInt08 menuId);
/* The version line (menuId 7). */
void ShowMenuVersion(UInt08 menuId);
/* The left pop-up (menuID 1 to 4): sound level of media, voice assistant or phone, or the ACC
 * level; fades in over 1 s, shown until 3 s after its last restart. 1 when drawn, else 0. */
Int08 ShowMenuLeft(UInt08 menuID);

/* A list as drawn: slots -2..+2 are indices 0..4; a null icon marks an empty slot. */
typedef struct Struct_ShowMenuListView {
    Int08 drawn;
    Int32 count;                /* visible entries */
    Int32 cursor;               /* selected visible entry */
    const Image* icon[5];       /* picture drawn in each slot (the active picture in the middle) */
    const UInt32* txt[5];       /* label of each slot */
} ShowMenuListView;

/* What the menus chose on their last call. */
typedef struct Struct_ShowMenusView {
    Int32 nullIcon;             /* picture id of the last-used icon, -1 none */
    ShowMenuListView list, mediaSrc, windyMode;
    /* Value screen. */
    Int08 valueMenu;            /* menu shown, -1 none */
    Flt32 valueInvAlpha;
    Int32 valueNumber;          /* value after limiting */
    Flt32 valueRate;            /* filled fraction of the bar */
    Recti valueFill;            /* filled part of the bar */
    Recti valueCursor;
    Int32 valueGlyphNum;
    Int32 valueGlyph[4];        /* picture ids, left to right */
    Recti valueGlyphRect[4];
    Int32 valueUnitX;           /* left edge of the unit, -1 none */
    /* Version line. */
    UInt32 version[20];
    UInt32 versionLen;
    /* Left pop-up. */
    Int08 leftDrawn;
    UInt08 leftId;              /* menu being shown */
    UInt32 leftDuration;        /* ms since the last restart */
    Flt32 leftInvAlpha;
    Int32 leftLevel;            /* sound level (after limiting) or ACC level shown */
    Recti leftFill;             /* filled part of the sound bar (w 0: ACC) */
    Int32 leftLabel;            /* TGA id of the label, -1 none */
    Int32 leftAccPicture;       /* TGA id of the ACC level picture, -1 none */
    Int32 leftDigitNum;
    Int32 leftDigit[2];         /* digit values, left to right */
    Recti leftDigitRect[2];
} ShowMenusView;
const ShowMenusView* ShowMenus_View(void);

#endif

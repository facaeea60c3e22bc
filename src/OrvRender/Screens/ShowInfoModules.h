/* The infotainment modules of the side panels: media (music, radio, net radio, talking book),
 * weather and navigation, drawn from the head unit's infotainment store.
 *
 * Each module is one function that the page composition calls once per frame for each side with
 * the side (MODULE_Left / MODULE_Right) and the module selected there; it draws only when it is the
 * selected one, fades in over 500 ms on a side where it was not shown the frame before, and on the
 * right panel moves every x coordinate by its own offset. Text lines are rendered at run time into
 * picture-pool slots and rebuilt only when the store's change counter moves. Render thread only.
 * A read-only view reports what the modules chose on their last drawn frame, for tests. */
#ifndef SHOW_INFO_MODULES_H
#define SHOW_INFO_MODULES_H

#include "BaseTypes.h"

/* The media module (MODULE_L_MEDIA / MODULE_R_MEDIA) for the source in CduMediaSrc: cover (the
 * source's default when there is none or its upload fails), turning tape, progress bar, times and
 * the title and subtitle, which scroll when wider than their box. */
void ShowModuleMedia(UInt08 type, UInt08 moduleId);
/* The weather module (MODULE_L_WEATHER / MODULE_R_WEATHER): icon, large temperature, the
 * description with night and day temperatures (a description above 7 characters is cut with
 * "..."), the city; a tip alone while the weather service is disabled. */
void ShowModuleWeather(UInt08 type, UInt08 moduleId);
/* The navigation module (MODULE_L_NAVIGATION / MODULE_R_NAVIGATION): manoeuvre icon, distance to
 * the manoeuvre in large digits (metres up to 999, kilometres with one decimal above), next road
 * name, remaining distance and time; the disabled pictures while there is no guidance. */
void ShowModuleNav(UInt08 type, UInt08 moduleId);

#define SHOW_INFO_MAX_PICS 12

/* What the infotainment modules chose on their last drawn frame (per module, whichever side drew
 * it last). Texts are character codes (text images) or glyph indices (atlas text), 0-terminated. */
typedef struct Struct_ShowInfoModulesView {
    /* media */
    UInt08 mediaSrc;            /* source shown (Media_Src_*) */
    Int32  mediaCoverPic;       /* default cover drawn (PNG_*), -1 when the uploaded cover was drawn */
    UInt32 mediaCoverTex;       /* texture drawn as the cover */
    Int08  mediaBar;            /* 0 no progress bar, 1 background only, 2 the whole bar */
    Int32  mediaBarWidth;       /* filled width of the bar */
    Int32  mediaCursorX;        /* left edge of the cursor */
    UInt32 mediaProgressTxt[12];/* time labels as glyph indices; empty when not shown */
    UInt32 mediaDurationTxt[12];
    UInt32 mediaTitle[20];      /* title and subtitle as character codes */
    UInt32 mediaSubtitle[15];
    Int32  mediaTitleWidth;     /* sizes of the text images */
    Int32  mediaSubtitleWidth;
    Int32  mediaTitleX;         /* left edge of the title's first copy as drawn */
    Int32  mediaTitle2X;        /* left edge of its second copy, INT32_MIN when not drawn */
    Int32  mediaSubtitleX;      /* left edge of the subtitle as drawn */
    Flt32  mediaTapeAngle;      /* tape rotation, degrees */
    Flt32  mediaInvAlpha;       /* fade of the side drawn last (0 opaque) */
    /* weather */
    Int08  weatherTip;          /* 1 = only the "no weather" tip was drawn */
    UInt32 weatherDesc[20];     /* description line */
    UInt32 weatherCity[20];     /* city line */
    Int32  weatherIcon;         /* PNG_weather_icon_*, -1 none */
    Int32  weatherTmpPics[SHOW_INFO_MAX_PICS]; /* large temperature: pictures in order */
    Recti  weatherTmpRects[SHOW_INFO_MAX_PICS];
    Int32  weatherTmpNum;
    Flt32  weatherInvAlpha;
    /* navigation */
    Int32  navIcon;             /* TGA_nav_icon_*, -1 none */
    Int32  navDistPics[SHOW_INFO_MAX_PICS]; /* distance: PNG_ui3_speed_digit_* and the TGA unit last */
    Recti  navDistRects[SHOW_INFO_MAX_PICS];
    Int32  navDistNum;
    UInt32 navRoad[15];         /* road line */
    UInt32 navRemain[20];       /* remaining line */
    Int08  navTexts;            /* 1 = the two text lines were drawn this frame */
    Flt32  navInvAlpha;
} ShowInfoModulesView;
const ShowInfoModulesView* ShowInfoModules_View(void);

#endif

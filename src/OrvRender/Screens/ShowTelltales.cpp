// The telltales: lamps at fixed places with the animated lane-centring lamp, and the fault and
// status lamps that share 21 places. Lamps follow their signal bits frame by frame; a flashing
// turn signal flashes because its bit does.
#include "OrvRender/Screens/ShowTelltales.h"

#include <cmath>
#include <cstring>

#include "OrvRender/Screens/ShowCommon.h"
#include "Protocol/MainBoard_IIC_App.h"

static ShowTelltalesView mShowTelltales;

const ShowTelltalesView* ShowTelltales_View(void)
{
    return &mShowTelltales;
}

// Draws a picture at rect with the simple texture program bound and notes it in the view.
static void ShowTelltales_Fix(const Image* img, Int32 viewId, Recti rect)
{
    ShowDrawImageRect(img, rect);
    if (mShowTelltales.fixNum < 32) {
        mShowTelltales.fixDrawn[mShowTelltales.fixNum] = viewId;
        mShowTelltales.fixRect[mShowTelltales.fixNum] = rect;
        mShowTelltales.fixNum++;
    }
}
static void ShowTelltales_FixTga(Int32 id)
{
    ShowTelltales_Fix(&tgaImg[id], id, ShowImageRect(&tgaImg[id]));
}

// The table points of the fixed lamps are their centres: left-top corners from here on. Taken
// from the table itself, so that a second load (after a clean-up) does not shift them again.
static void ShowTelltales_CentresToCorners(void)
{
    for (Int32 id = TGA_led_brake_syserr; id <= TGA_led_turn_right; id++) {
        if (id >= TGA_led_door_lb && id <= TGA_led_door_rf) continue;  // already corners
        tgaImg[id].ltx = tgaLtp[id].x - tgaImg[id].w / 2;
        tgaImg[id].lty = tgaLtp[id].y - tgaImg[id].h / 2;
    }
}

// ---- Lane-centring lamp ---------------------------------------------------------------------

// The grey lamp growing from its centre while it fades in, in ten steps of 40 ms.
static void ShowTelltales_LccAvailable(Int32 duration)
{
    const Image* img = &pngImg[PNG_LCC_009];
    if (duration > 399) {
        ShowTextureAlpha(0.0f);
        ShowTelltales_Fix(img, SHOW_VIEW_PNG(PNG_LCC_009), ShowImageRect(img));
        mShowTelltales.lccInvAlpha = 0.0f;
        return;
    }
    Int32 step = duration / 40;
    Flt32 f = step / 9.0f;
    Recti r = {(Int32)(img->ltx + 31 - 31 * f), (Int32)(img->lty + 31 - 31 * f), (Int32)(img->w * f),
               (Int32)(img->h * f)};
    ShowTextureAlpha(1.0f - f);
    ShowTelltales_Fix(img, SHOW_VIEW_PNG(PNG_LCC_009), r);
    ShowTextureAlpha(0.0f);
    mShowTelltales.lccInvAlpha = 1.0f - f;
}

// The grey lamp with the part of the active picture on a ring that closes clockwise over 400 ms
// (about 36 degrees every 40 ms), then the whole active picture from 440 ms.
static void ShowTelltales_LccActive(Int32 duration)
{
    static Flt32 vtx_positive[726];
    static Flt32 txc_positive[484];

    mShowTelltales.lccInvAlpha = 0.0f;
    const Image* act = &pngImg[PNG_LCC_027];
    if (duration > 439) {
        ShowTelltales_Fix(act, SHOW_VIEW_PNG(PNG_LCC_027), ShowImageRect(act));
        return;
    }
    ShowTelltales_Fix(&pngImg[PNG_LCC_009], SHOW_VIEW_PNG(PNG_LCC_009), ShowImageRect(&pngImg[PNG_LCC_009]));

    Int32 step = duration / 40;
    Vec2f pts[60], clip[60];
    for (Int32 i = 0; i < 30; i++) {
        Int32 angle = -((i * step * 150) / 120) - 90;
        double a = angle * 0.017453292;
        double cr = cos(a), sr = sin(a);
        pts[i * 2] = Vec2f{(Flt32)(1098 + 29 * cr), (Flt32)(148 - 29 * sr)};
        pts[i * 2 + 1] = Vec2f{(Flt32)(1098 + 25 * cr), (Flt32)(148 - 25 * sr)};
    }
    for (Int32 i = 0; i < 60 && act->w > 0 && act->h > 0; i++) {
        txc_positive[i * 2] = (pts[i].x - act->ltx) / act->w;
        txc_positive[i * 2 + 1] = (act->lty + act->h - pts[i].y) / act->h;
    }
    CalcClipFltPoints(SHOW_Z, pts, clip, 60);
    for (Int32 i = 0; i < 60; i++) {
        vtx_positive[i * 3] = clip[i].x;
        vtx_positive[i * 3 + 1] = clip[i].y;
        vtx_positive[i * 3 + 2] = SHOW_Z;
    }
    if (act->tex != 0xFFFFFFFF) {
        glBindTexture(GL_TEXTURE_2D, act->tex);
        glVertexAttribPointer(Prgm_Simple_Texture_ATTR_Vtx, 3, GL_FLOAT, GL_FALSE, 0, vtx_positive);
        glVertexAttribPointer(Prgm_Simple_Texture_ATTR_Txc, 2, GL_FLOAT, GL_FALSE, 0, txc_positive);
        glDrawArrays(GL_TRIANGLE_STRIP, 0, 60);
    }
    mShowTelltales.lccRingPairs = step > 0 ? 30 : 0;
}

// ---- Fixed lamps ----------------------------------------------------------------------------

void ShowFixLeds(void)
{
    static UInt08 prestate = 0;
    static Int32 duration = 0;

    if (tgaStatus[TGA_led_brake_syserr] != Tga_TexGen) {
        for (Int32 id = TGA_led_brake_syserr; id <= TGA_led_turn_right; id++) ShowLoadTga(id);
        ShowLoadTga(TGA_ui3_led_ready);
        ShowLoadTga(TGA_ui3_basic_mute_icon);
        if (tgaStatus[TGA_led_brake_syserr] == Tga_TexGen) ShowTelltales_CentresToCorners();
    }
    if (pngStatus[PNG_LCC_009] != Png_TexGen) {
        ShowLoadPng(PNG_LCC_009);
        ShowLoadPng(PNG_LCC_027);
    }

    mShowTelltales.fixNum = 0;
    mShowTelltales.lccRingPairs = 0;
    mShowTelltales.lccInvAlpha = -1.0f;

    const U08 b0 = OrvShared_Load(Indicator[0].value), b2 = OrvShared_Load(Indicator[2].value),
              b3 = OrvShared_Load(Indicator[3].value), b4 = OrvShared_Load(Indicator[4].value),
              b5 = OrvShared_Load(Indicator[5].value), b6 = OrvShared_Load(Indicator[6].value),
              b7 = OrvShared_Load(Indicator[7].value);

    ShowBeginTexture();
    // Single lamps in drawing order, each on when its bit is set.
    struct Single { U08 byte; U08 mask; Int32 id; };
    const Single first[] = {
        {b0, 0x08, TGA_led_brake_syserr}, {b5, 0x40, TGA_led_main_alert}, {b7, 0x40, TGA_led_charge_conn},
        {b6, 0x02, TGA_led_rear_fog},
    };
    for (const Single& s : first)
        if (s.byte & s.mask) ShowTelltales_FixTga(s.id);

    // Beams: high beam wins over either low beam.
    if (b6 & 0x08)
        ShowTelltales_FixTga(TGA_led_high_beam);
    else if ((b6 & 0x30) == 0x10)
        ShowTelltales_FixTga(TGA_led_low_beam);
    else if ((b6 & 0x30) == 0x20)
        ShowTelltales_FixTga(TGA_led_low_beam_A);

    const Single second[] = {
        {b6, 0x04, TGA_led_position_hint}, {b2, 0x01, TGA_led_epb}, {b6, 0x01, TGA_led_seatbelt_p},
        {b5, 0x80, TGA_led_seatbelt_d},
    };
    for (const Single& s : second)
        if (s.byte & s.mask) ShowTelltales_FixTga(s.id);

    // The car body with the open doors on top; the trunk bits show the body alone.
    if (b5 & 0x3F) {
        ShowTelltales_FixTga(TGA_led_car_body);
        const Single doors[] = {{b5, 0x02, TGA_led_door_lb}, {b5, 0x01, TGA_led_door_lf},
                                {b5, 0x08, TGA_led_door_rb}, {b5, 0x04, TGA_led_door_rf}};
        for (const Single& s : doors)
            if (s.byte & s.mask) ShowTelltales_FixTga(s.id);
    }

    // Rear belts: two bits per seat, buckled-off (red) or unoccupied (grey).
    struct Belt { U08 mask, red, gray; Int32 redId, grayId; };
    const Belt belts[] = {
        {0x0C, 0x08, 0x04, TGA_led_seatbelt_bl, TGA_led_seatbelt_bl_gray},
        {0x30, 0x20, 0x10, TGA_led_seatbelt_bm, TGA_led_seatbelt_bm_gray},
        {0xC0, 0x80, 0x40, TGA_led_seatbelt_br, TGA_led_seatbelt_br_gray},
    };
    for (const Belt& b : belts) {
        if ((b3 & b.mask) == b.red) ShowTelltales_FixTga(b.redId);
        else if ((b3 & b.mask) == b.gray) ShowTelltales_FixTga(b.grayId);
    }

    if (b6 & 0x40) ShowTelltales_FixTga(TGA_led_turn_left);
    if (b6 & 0x80) ShowTelltales_FixTga(TGA_led_turn_right);
    if (b7 & 0x04) ShowTelltales_FixTga(TGA_ui3_led_ready);
    if (b7 & 0x08)
        ShowTelltales_FixTga(TGA_led_ac_overcost);
    else if (b7 & 0x10)
        ShowTelltales_FixTga(TGA_led_battery_cold);
    if (OrvShared_Load(IndMute) != 0) ShowTelltales_FixTga(TGA_ui3_basic_mute_icon);
    if (b4 & 0x20) ShowTelltales_FixTga(TGA_led_acc_hold);

    // Lane centring: every change to available (1) or active (2) restarts its animation.
    UInt08 lcc = b7 & 0x03;
    if (lcc == 1 || lcc == 2) {
        if (lcc != prestate) {
            duration = 0;
            prestate = lcc;
        }
        duration += mFrameTimeMs;
        if (lcc == 1)
            ShowTelltales_LccAvailable(duration);
        else
            ShowTelltales_LccActive(duration);
    } else {
        prestate = 0;
    }
    ShowTextureAlpha(0.0f);
    ShowEndTexture();
}

// ---- Shared places --------------------------------------------------------------------------

// Centre of each place: a row left and right of the screen centre, a short row at the top left,
// two arcs down the edges.
static const Vec2i mShowDynCentPos[SHOW_DYN_PLACE_NUM] = {
    {753, 129}, {1167, 129}, {681, 129}, {1239, 129}, {609, 129}, {1311, 129}, {537, 129},
    {1383, 129}, {398, 48}, {326, 48}, {254, 48}, {175, 124}, {123, 203}, {74, 282},
    {76, 429}, {123, 507}, {1745, 124}, {1797, 203}, {1846, 282}, {1844, 429}, {1797, 507},
};

// Condition of lamp k: (byte & mask) == value, or a failure flag. Lamps 5 and 17 are the yellow
// halves of the auto-hold and hill-descent pairs, which lamps 4 and 16 stand for.
static bool ShowTelltales_DynOn(Int32 k)
{
    struct Cond { Int08 byte; U08 mask, value; };
    static const Cond cond[24] = {
        {2, 0x04, 0x04}, {0, 0x10, 0x10}, {0, 0x04, 0x04}, {-1, 0, 0},    {1, 0x0C, 0},    {-1, 0, 0},
        {0, 0x01, 0x01}, {2, 0x40, 0x40}, {-2, 0, 0},      {0, 0x02, 0x02}, {2, 0x80, 0x80}, {2, 0x20, 0x20},
        {1, 0x80, 0x80}, {2, 0x02, 0x02}, {1, 0x01, 0x01}, {1, 0x02, 0x02}, {1, 0x30, 0},    {-1, 0, 0},
        {3, 0x01, 0x01}, {2, 0x08, 0x08}, {2, 0x10, 0x10}, {0, 0x20, 0x20}, {1, 0x40, 0x40}, {4, 0x10, 0x10},
    };
    if (k == 4) {
        U08 v = OrvShared_Load(Indicator[1].value) & 0x0C;
        return v == 0x04 || v == 0x08;
    }
    if (k == 16) {
        U08 v = OrvShared_Load(Indicator[1].value) & 0x30;
        return v == 0x10 || v == 0x20;
    }
    if (k == 8) return OrvShared_Load(IND_BAT_LACK) != 0;
    const UInt08 flags[5] = {OrvShared_Load(IND_FONT_COLLOSION), OrvShared_Load(IND_LANE_WARNING),
                             OrvShared_Load(IND_BLIND_AUXILIARY), OrvShared_Load(IND_REAR_AUXILIARY),
                             OrvShared_Load(IND_ACC_FAILURE)};
    if (k >= 24 && k < SHOW_DYN_LED_NUM) return flags[k - 24] != 0;
    if (k < 0 || k >= 24 || cond[k].byte < 0) return false;
    return (OrvShared_Load(Indicator[cond[k].byte].value) & cond[k].mask) == cond[k].value;
}

// The picture lamp k shows now (the pairs by their current value).
static Image* ShowTelltales_DynImage(Int32 k, Int32* viewId)
{
    Int32 tga = -1;
    if (k == 4) tga = (OrvShared_Load(Indicator[1].value) & 0x0C) == 0x08 ? TGA_led_avh_yellow : TGA_led_avh_green;
    else if (k == 16) tga = (OrvShared_Load(Indicator[1].value) & 0x30) == 0x20 ? TGA_led_hdc_yellow : TGA_led_hdc_green;
    else if (k < 24) tga = TGA_led_12v_bat + k;
    if (tga >= 0) {
        *viewId = tga;
        return &tgaImg[tga];
    }
    *viewId = SHOW_VIEW_PNG(PNG_alarm_font_collision_failure + (k - 24));
    return &pngImg[PNG_alarm_font_collision_failure + (k - 24)];
}

void ShowDynamicLeds(void)
{
    static Int08 localInit = 0;
    static Int08 isActive[SHOW_DYN_LED_NUM];
    static Int16 imgIdx[SHOW_DYN_LED_NUM];
    static Int08 isUsed[SHOW_DYN_PLACE_NUM];
    static UInt08 cntUsed = 0;
    // Release and take orders: the pairs by their first lamp, anti-theft (3) never lights.
    static const Int08 releaseOrder[] = {0, 1, 2, 4, 16, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,
                                         18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28};
    static const Int08 takeOrder[] = {4, 16, 0, 1, 2, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,
                                      18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28};

    if (!localInit) {
        localInit = 1;
        for (Int32 k = 0; k < SHOW_DYN_LED_NUM; k++) isActive[k] = 0, imgIdx[k] = -1;
        memset(isUsed, 0, sizeof(isUsed));
        cntUsed = 0;
    }

    // Loaded on the first call, and again should a clean-up have released them.
    if (tgaStatus[TGA_led_12v_bat] == Tga_Unload || pngStatus[PNG_alarm_font_collision_failure] == Png_Unload) {
        for (Int32 id = TGA_led_12v_bat; id <= TGA_led_power_limit; id++) ShowLoadTga(id);
        for (Int32 id = PNG_alarm_font_collision_failure; id <= PNG_alarm_ACC_failure; id++) ShowLoadPng(id);
    }

    for (Int08 k : releaseOrder) {
        if (!ShowTelltales_DynOn(k) && isActive[k] && imgIdx[k] >= 0 && imgIdx[k] < SHOW_DYN_PLACE_NUM) {
            isActive[k] = 0;
            isUsed[imgIdx[k]] = 0;
            cntUsed--;
            imgIdx[k] = -1;
        }
    }

    for (Int32 k = 0; k < SHOW_DYN_LED_NUM; k++) mShowTelltales.dynPicture[k] = -1;
    ShowBeginTexture();
    for (Int08 k : takeOrder) {
        if (!ShowTelltales_DynOn(k)) continue;
        if (imgIdx[k] < 0 && cntUsed <= SHOW_DYN_PLACE_NUM - 1) {
            for (Int16 p = 0; p < SHOW_DYN_PLACE_NUM; p++) {
                if (isUsed[p]) continue;
                isUsed[p] = 1;
                isActive[k] = 1;
                imgIdx[k] = p;
                cntUsed++;
                break;
            }
        }
        if (imgIdx[k] < 0) continue;  // waits for a free place
        Int32 viewId;
        Image* img = ShowTelltales_DynImage(k, &viewId);
        const Vec2i& c = mShowDynCentPos[imgIdx[k]];
        Recti r = {c.x - img->w / 2, c.y - img->h / 2, img->w, img->h};
        ShowDrawImageRect(img, r);
        mShowTelltales.dynPicture[k] = viewId;
        mShowTelltales.dynRect[k] = r;
    }
    ShowEndTexture();

    for (Int32 k = 0; k < SHOW_DYN_LED_NUM; k++) mShowTelltales.dynPlace[k] = imgIdx[k];
    mShowTelltales.dynUsed = cntUsed;
}

// The hint and alarm pop-ups. A message is rasterised with FreeType into a picture-pool bitmap
// only while its text is invisible, uploaded as an alpha texture and drawn as one quad per line;
// a line wider than the box (with its icon) is drawn squeezed into the box rather than clipped.
#include "OrvRender/Screens/ShowHintAlarm.h"

#include <cstdlib>
#include <cstring>

#include "OrvRender/Res_BmpPool.h"
#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Res_TxtHintAlarm.h"
#include "OrvRender/Screens/ShowCommon.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "lib/OrvFont.h"

static ShowHintAlarmView mShowHa = [] {
    ShowHintAlarmView v = {};
    v.hintLatched = v.alarmLatched = 0xFF;
    v.hintBackground = v.hintBigIcon = v.hintIcon = -1;
    v.alarmBackground = v.alarmButton = v.alarmIcon = -1;
    v.hintInvAlphaTxt = v.hintInvAlphaBg = v.alarmInvAlphaTxt = v.alarmInvAlphaBg = 1.0f;
    return v;
}();

const ShowHintAlarmView* ShowHintAlarm_View(void)
{
    return &mShowHa;
}

// Fixed values of both pop-ups.
static const Int32 kGlyphPx = 28;
static const Int32 kIconGap = 5;
static const GLfloat kFadePerMs = 0.002f;
static const Int32 kCentreX = 960;
static const Int32 kHintCentreY = 336;

// ---- Shared steps ---------------------------------------------------------------------------

// An icon of a table: a TGA or a PNG picture.
typedef struct Struct_ShowHaPic {
    Int16 id;     // -1 = none
    Int08 isPng;
} ShowHaPic;

static const Image* ShowHa_Image(ShowHaPic p)
{
    if (p.id < 0) return nullptr;
    return p.isPng ? &pngImg[p.id] : &tgaImg[p.id];
}
static Int32 ShowHa_ViewId(ShowHaPic p)
{
    if (p.id < 0) return -1;
    return p.isPng ? SHOW_HA_PNG(p.id) : p.id;
}
static void ShowHa_Load(ShowHaPic p)
{
    if (p.id < 0) return;
    if (p.isPng) ShowLoadPng(p.id);
    else ShowLoadTga(p.id);
}

// A slot that a clean-up of the pool emptied no longer holds a bitmap.
static bool ShowHa_SlotLive(Int32 idx)
{
    return idx >= 0 && bmpPool[idx] != nullptr && bmpPool[idx] != BMP_POOL_RESERVED;
}

// Keeps *idx pointing at a pool slot with its bitmap and texture name. A slot that a clean-up of
// the pool left reserved without its buffer is still ours and gets a new one; without a slot the
// pool is asked again on every frame, so a line skipped for a full pool comes back later.
static void ShowHa_KeepSlot(Int32* idx)
{
    if (ShowHa_SlotLive(*idx)) return;
    *idx = ShowKeepPoolSlot(*idx, SHOW_HA_BMP_W * SHOW_HA_BMP_H);
}

// Character codes of a text: its glyph indices looked up in the hint/alarm table, at most 24.
static void ShowHa_Codes(const unsigned int* txt, UInt32* codes)
{
    Int32 n = 0;
    for (; n < SHOW_HA_LINE_GLYPHS && txt[n] != 0; n++) codes[n] = HintAlarm_FONT_CODE[txt[n]];
    codes[n] = 0;
}

// The welcome greeting: its first six glyphs, then the account name (a default nickname when
// there is none); a name of more than 18 bytes shows its first ten characters and "...".
static void ShowHa_WelcomeCodes(const unsigned int* txt, UInt32* codes)
{
    for (Int32 i = 0; i < 6; i++) codes[i] = HintAlarm_FONT_CODE[txt[i]];
    // The store's field is not trusted to end inside its 60 bytes; the copy always ends.
    const auto copy = OrvShared_Text(AccountInfo.CurrUsrName);
    const Int08* name = copy.s;
    if (name[0] == 0) {
        ConvUtf8ToUcs(&codes[6], (const Int08*)"Velmo", 14);
        return;
    }
    ConvUtf8ToUcs(&codes[6], name, 14);
    if (name[18] != 0) codes[16] = codes[17] = codes[18] = '.';
}

// Rasterises codes into the slot's bitmap and uploads it; the line's bitmap width, 0 on failure.
static Int32 ShowHa_Rasterise(Int32 slot, const UInt32* codes)
{
    if (!ShowHa_SlotLive(slot)) return 0;
    Int32 w = SHOW_HA_BMP_W, h = SHOW_HA_BMP_H;
    memset(bmpPool[slot], 0, SHOW_HA_BMP_W * SHOW_HA_BMP_H);
    if (!DrawSingleLineTxtBmp(fontLibId[Style_SiYuan_M], kGlyphPx, &w, &h, codes, bmpPool[slot], 1, nullptr) ||
        w <= 0)
        return 0;
    glBindTexture(GL_TEXTURE_2D, texPool[slot]);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    // Clamped: a squeezed line is filtered, and a repeating texture would bleed the last glyph's
    // edge into the first.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, w, SHOW_HA_BMP_H, 0, GL_ALPHA, GL_UNSIGNED_BYTE, bmpPool[slot]);
    glGetError();
    return w;
}

// The width a line is drawn at: text plus icon plus gap never wider than the box. The texture
// keeps its full content, so an over-long line is squeezed, not cut.
static Int32 ShowHa_FitWidth(Int32 width, const Image* icon)
{
    Int32 total = width + (icon != nullptr ? icon->w + kIconGap : 0);
    return total > SHOW_HA_MAX_W ? width - (total - SHOW_HA_MAX_W) : width;
}

// Text fades out while another id is requested, in once the background is half there.
static void ShowHa_FadeText(GLfloat* invAlphaTxt, GLfloat invAlphaBg, bool changing)
{
    const GLfloat d = mFrameTimeMs * kFadePerMs;
    if (changing) {
        if (*invAlphaTxt < 1.0f) *invAlphaTxt = *invAlphaTxt + d > 1.0f ? 1.0f : *invAlphaTxt + d;
    } else if (invAlphaBg < 0.5f && *invAlphaTxt > 0.0f) {
        *invAlphaTxt = *invAlphaTxt - d < 0.0f ? 0.0f : *invAlphaTxt - d;
    }
}

// The background fades in while the pop-up is requested, out once the text is half gone.
static void ShowHa_FadeBackground(GLfloat* invAlphaBg, GLfloat invAlphaTxt, bool requested)
{
    const GLfloat d = mFrameTimeMs * kFadePerMs;
    if (requested) {
        if (*invAlphaBg > 0.0f) *invAlphaBg = *invAlphaBg - d < 0.0f ? 0.0f : *invAlphaBg - d;
    } else if (invAlphaTxt > 0.5f && *invAlphaBg < 1.0f) {
        *invAlphaBg = *invAlphaBg + d > 1.0f ? 1.0f : *invAlphaBg + d;
    }
}

static Recti ShowHa_Rect(Int32 x, Int32 y, Int32 w, Int32 h)
{
    Recti r = {x, y, w, h};
    return r;
}

// One line texture with the font program bound.
static void ShowHa_DrawLine(Int32 slot, Recti rect, ShowHaLine* view)
{
    DrawGlPicRect(SHOW_Z, &rect, Prgm_Simple_Font_ATTR_Vtx, Prgm_Simple_Font_ATTR_Txc, QuadTexCoords, texPool[slot]);
    view->rect = rect;
}

static bool ShowHa_LinkDown(void)
{
    return OrvShared_Load(IicComStatus) == IIC_COM_EXCEPTION;
}

// ---- Hint pop-up ----------------------------------------------------------------------------

enum { HINT_BLINK_NONE = 0, HINT_BLINK_ALWAYS = 1, HINT_BLINK_INDICATOR = 2 };

typedef struct Struct_ShowHintEntry {
    const unsigned int* line[2];
    ShowHaPic icon;
    Int16 background;   // PNG replacing the plain background, -1 = plain
    Int16 bigIcon;      // PNG, -1 = none
    UInt08 blink;
} ShowHintEntry;

#define HINT1(t) {{t, nullptr}, {-1, 0}, -1, -1, HINT_BLINK_NONE}
#define HINT2(t, u) {{t, u}, {-1, 0}, -1, -1, HINT_BLINK_NONE}
#define HINT_TGA(t, icon) {{t, nullptr}, {icon, 0}, -1, -1, HINT_BLINK_NONE}
#define HINT_PNG(t, icon) {{t, nullptr}, {icon, 1}, -1, -1, HINT_BLINK_NONE}
#define HINT_HEAD(t, u, big, blink) {{t, u}, {-1, 0}, PNG_hint_head_background, big, blink}

static const ShowHintEntry kHints[ID_HINT_RESERVE] = {
    /* 0 */ {{nullptr, nullptr}, {-1, 0}, -1, -1, HINT_BLINK_NONE},
    HINT1(str_hint_power_ready_idx),
    HINT_TGA(str_hint_brake_weak_idx, TGA_led_epb),
    HINT1(str_hint_door_lf_open_idx),
    HINT1(str_hint_door_rf_open_idx),
    HINT1(str_hint_door_lb_open_idx),
    HINT1(str_hint_door_rb_open_idx),
    HINT_TGA(str_hint_buckle_up_d_idx, TGA_led_seatbelt_d),
    HINT_TGA(str_hint_buckle_up_p_idx, TGA_led_seatbelt_p),
    HINT1(str_hint_start_up_idx),
    /* 10 */ HINT1(str_hint_shutdown_idx),
    HINT1(str_hint_charging_gear_0_idx),
    HINT1(str_hint_charging_gear_1_idx),
    HINT1(str_hint_charging_gear_2_idx),
    HINT1(str_hint_charging_gear_3_idx),
    HINT1(str_hint_key_not_found_idx),
    HINT1(str_hint_key_inside_idx),
    HINT1(str_hint_check_switch_idx),
    HINT1(str_hint_key_bat_lack_idx),
    HINT1(str_hint_ae_idx),
    /* 20 */ HINT1(str_hint_release_brake_idx),
    HINT1(str_hint_auto_parking_idx),
    HINT1(str_hint_auto_parking_pause_idx),
    HINT1(str_hint_auto_parking_cancel_idx),
    HINT1(str_hint_auto_parking_ok_idx),
    HINT1(str_hint_auto_leaving_idx),
    HINT1(str_hint_auto_leaving_pause_idx),
    HINT1(str_hint_auto_leaving_cancel_idx),
    HINT1(str_hint_auto_leaving_ok_idx),
    HINT1(str_hint_summoning_idx),
    /* 30 */ HINT1(str_hint_summoning_pause_idx),
    HINT1(str_hint_summoning_ok_idx),
    HINT1(str_hint_searching_parking_cell_idx),
    HINT1(str_hint_detecting_parking_cell_idx),
    HINT1(str_hint_parking_gear_r_idx),
    HINT1(str_hint_brake_aid_active_idx),
    HINT1(str_hint_lane_aid_active_idx),
    HINT1(str_hint_lane_deviation_idx),
    HINT1(str_hint_lane_aid_exit_idx),
    HINT1(str_hint_hold_steering_wheel_idx),
    /* 40 */ HINT1(str_hint_acc_exit_idx),
    HINT1(str_hint_acc_error_idx),
    HINT1(str_hint_lane_aid_unavailable_idx),
    HINT1(str_hint_acc_reset_idx),
    HINT1(str_hint_HDC_cannot_ACC_idx),
    HINT1(str_hint_acc_unavailable_idx),
    HINT2(str_hint_acc_timeout0_idx, str_hint_acc_timeout1_idx),
    HINT_PNG(str_hint_take_rest_idx, PNG_hint_icon_tired),
    HINT_HEAD(str_hint_take_rest_1_0_idx, str_hint_take_rest_1_1_idx, PNG_hint_icon_tired_2, HINT_BLINK_ALWAYS),
    HINT1(str_hint_switch_gears_too_fast_idx),
    /* 50 */ HINT1(str_hint_cruise_abort_idx),
    HINT1(str_hint_autohold_ready_idx),
    HINT1(str_hint_face_welcome_idx),
    HINT1(str_hint_close_door_idx),
    HINT1(str_hint_parking_release_idx),
    HINT2(str_hint_close_door_idx, str_hint_first_close_door1_idx),
    HINT1(str_hint_switch_not_P_idx),
    HINT1(str_hint_donot_change_track_idx),
    HINT1(str_hint_track_cancel_idx),
    HINT1(str_hint_take_over_steering_idx),
    /* 60 */ HINT1(str_hint_cannot_active_ACC_idx),
    HINT1(str_hint_forward_collision_warning_idx),
    HINT_PNG(str_hint_hold_steering_wheel_idx, PNG_hint_head_s),
    HINT_HEAD(str_hint_take_over_steering_idx, nullptr, PNG_hint_head_big, HINT_BLINK_ALWAYS),
    HINT_PNG(str_hint_watch_out_idx, PNG_hint_icon_distraction),
    HINT_HEAD(str_hint_watch_out_1_idx, nullptr, PNG_hint_icon_distraction_lcc, HINT_BLINK_INDICATOR),
    HINT_HEAD(str_hint_watch_out_2_1_idx, str_hint_watch_out_2_2_idx, PNG_hint_icon_distraction_lcc,
              HINT_BLINK_INDICATOR),
    HINT2(str_hint_switched_to_n_1_idx, str_hint_switched_to_n_2_idx),
    HINT1(str_hint_take_care_door_open_idx),
    HINT1(str_hint_manual_lane_change_idx),
    /* 70 */ HINT1(str_hint_automatic_lane_change_unavailable_idx),
    HINT1(str_hint_keep_safe_distance_idx),
    HINT1(str_hint_take_over_speed_control_idx),
    HINT1(str_hint_forward_collision_system_close_idx),
    HINT1(str_hint_open_esp_idx),
    HINT1(str_hint_acc_waiting_now_idx),
    HINT2(str_hint_tired_state_acc_unavailable_idx, str_hint_lane_aid_unavailable_idx),
    HINT2(str_hint_distracted_state_acc_unavailable_idx, str_hint_lane_aid_unavailable_idx),
    HINT1(str_hint_front_radar_low_visibility_idx),
    HINT1(str_hint_rear_radar_low_visibility_idx),
    /* 80 */ HINT1(str_hint_front_camera_blocked_idx),
    HINT1(str_hint_driving_assist_limited_idx),
    HINT1(str_hint_slow_drive_through_cars_idx),
};

static const ShowHintEntry* ShowHint_Entry(UInt08 id)
{
    return id < ID_HINT_RESERVE ? &kHints[id] : &kHints[0];
}

// Gap between the small icon and the text block when the icon is placed: the PNG icons stand
// further off, the tired driver's cup a little less.
static Int32 ShowHint_IconGap(UInt08 id, ShowHaPic icon)
{
    if (!icon.isPng) return kIconGap;
    return id == ID_HINT_TAKE_REST ? 20 : 50;
}

// The pictures of the hint pop-up: the plain background and the head pictures.
static void ShowHint_LoadPictures(void)
{
    ShowLoadTga(TGA_hint_background);
    for (Int32 id = PNG_hint_head_s; id <= PNG_hint_icon_distraction_lcc; id++) ShowLoadPng(id);
    Once_LoadFontMapBmpData(Style_SiYuan_M, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
    Once_GenFontMapTexture(Style_SiYuan_M, BASIC_FONT_CODE_NUM, str_invalid_char_idx[0]);
}

// The blink band: hidden for the first 400 ms of each period of about 800 ms, lit for the next.
// The second half starts at 400 ms itself, so a frame time that divides 400 still blinks.
static void ShowHint_BlinkStep(Int32* sumtime, UInt08* step, UInt08* prestep, Flt32* modeIconAlpha)
{
    if (*sumtime > 0 && *sumtime <= 399) *step = 1;
    else if (*sumtime >= 400 && *sumtime <= 799) *step = 2;
    else *sumtime = 0;
    if (*step != *prestep) {
        *modeIconAlpha = *step == 1 ? 1.0f : 0.0f;
        *prestep = *step;
    }
    *sumtime += mFrameTimeMs;
}

static void ShowHint_DrawBand(Flt32 invAlpha)
{
    // White, 0.4 at the top edge fading to nothing 50 pixels down (bottom-left, bottom-right,
    // top-right, top-left).
    GLfloat clr[16] = {1, 1, 1, 0, 1, 1, 1, 0, 1, 1, 1, 0.4f, 1, 1, 1, 0.4f};
    Recti band = {0, 0, 1920, 50};
    glUseProgram(shader[Prgm_Simple_Color]);
    ShowUploadMatrices(Prgm_Simple_Color_UNFM_Prj, Prgm_Simple_Color_UNFM_Mdv);
    glUniform1f(Prgm_Simple_Color_UNFM_Alp, invAlpha);
    glEnableVertexAttribArray(Prgm_Simple_Color_ATTR_Vtx);
    glEnableVertexAttribArray(Prgm_Simple_Color_ATTR_Clr);
    DrawGlClrRect(SHOW_Z, &band, Prgm_Simple_Color_ATTR_Vtx, Prgm_Simple_Color_ATTR_Clr, clr);
    glDisableVertexAttribArray(Prgm_Simple_Color_ATTR_Vtx);
    glDisableVertexAttribArray(Prgm_Simple_Color_ATTR_Clr);
}

Int08 ShowHintInfo(UInt08 hintID)
{
    static UInt08 preHintID = 0xFF;
    static Int32 poolTxtIdx[2] = {-1, -1};
    static Int32 txtWidth[2] = {0, 0}, txtHeight[2] = {0, 0};
    static Int32 maxTxtWidth = 0, dspTxtHeight = 0;
    static GLfloat invAlphaTxt = 1.0f, invAlphaBg = 1.0f;
    static Flt32 modeIconAlpha = 1.0f;
    static Int32 sumtime = 0;
    static UInt08 step = 1, prestep = 0;

    mShowHa.hintDrawn = 0;
    mShowHa.hintBand = 0;
    mShowHa.hintBackground = mShowHa.hintBigIcon = mShowHa.hintIcon = -1;
    mShowHa.hintLine[0].rect.w = mShowHa.hintLine[1].rect.w = 0;

    if (preHintID == 0xFF) {
        if (hintID == 0xFF) return 0;
        txtWidth[0] = txtWidth[1] = txtHeight[0] = txtHeight[1] = 0;
        invAlphaTxt = invAlphaBg = 1.0f;
    }
    // Pictures, font and slots every frame: each step is a no-op once done, and a clean-up of
    // the resources or a full pool is recovered from on a later frame.
    ShowHint_LoadPictures();
    ShowHa_KeepSlot(&poolTxtIdx[0]);
    ShowHa_KeepSlot(&poolTxtIdx[1]);

    // Latch a new id only once the old text has faded out.
    if (hintID != preHintID) {
        if (hintID == ID_HINT_TAKE_OVER_STEERING_1) {
            sumtime = 0;
            modeIconAlpha = 0.0f;
        } else {
            modeIconAlpha = 1.0f;
        }
        if (invAlphaTxt >= 1.0f) preHintID = hintID;
    }
    mShowHa.hintLatched = preHintID;

    const ShowHintEntry* e = ShowHint_Entry(preHintID);
    const unsigned int* infoStr[2] = {e->line[0], e->line[1]};
    if (ShowHa_LinkDown()) {
        infoStr[0] = str_hint_iic_communication_exception_idx;
        infoStr[1] = nullptr;
    }
    if (infoStr[0] == nullptr) {
        // Nothing latched shows no text. The link-failure text can be on screen with id 0
        // latched; when the link comes back it goes at once, and its opacity must not be kept:
        // a text that counts as visible would hold off every later hint from latching.
        invAlphaTxt = 1.0f;
        mShowHa.hintInvAlphaTxt = invAlphaTxt;
        return 0;
    }

    ShowHa_Load(e->icon);
    const Image* icon = ShowHa_Image(e->icon);
    if (invAlphaTxt >= 1.0f) {
        maxTxtWidth = dspTxtHeight = 0;
        for (Int32 i = 0; i < 2; i++) {
            ShowHaLine* v = &mShowHa.hintLine[i];
            txtWidth[i] = txtHeight[i] = 0;
            v->codes[0] = 0;
            if (infoStr[i] == nullptr) {
                v->bmpWidth = 0;
                continue;
            }
            if (infoStr[i] == str_hint_face_welcome_idx) ShowHa_WelcomeCodes(infoStr[i], v->codes);
            else ShowHa_Codes(infoStr[i], v->codes);
            v->bmpWidth = ShowHa_Rasterise(poolTxtIdx[i], v->codes);
            if (v->bmpWidth > 0) {
                txtWidth[i] = ShowHa_FitWidth(v->bmpWidth, icon);
                txtHeight[i] = SHOW_HA_BMP_H;
            }
            if (txtWidth[i] > maxTxtWidth) maxTxtWidth = txtWidth[i];
            if (txtHeight[i] == 0) continue;
            dspTxtHeight += dspTxtHeight == 0 ? txtHeight[i] : txtHeight[i] / 2 + txtHeight[i] / 5;
        }
        mShowHa.hintRebuilds++;
    }

    const bool requested = ShowHa_LinkDown() || (hintID >= 1 && hintID <= ID_HINT_SLOW_DRIVE_THROUGH_CARS);
    ShowHa_FadeBackground(&invAlphaBg, invAlphaTxt, requested);
    ShowHa_FadeText(&invAlphaTxt, invAlphaBg, hintID != preHintID);
    mShowHa.hintInvAlphaTxt = invAlphaTxt;
    mShowHa.hintInvAlphaBg = invAlphaBg;

    // Background and large icon at the background's fade.
    ShowBeginTexture();
    ShowTextureAlpha(invAlphaBg);
    const ShowHaPic background = e->background >= 0 ? ShowHaPic{e->background, 1} : ShowHaPic{TGA_hint_background, 0};
    ShowDrawImage(ShowHa_Image(background));
    mShowHa.hintBackground = ShowHa_ViewId(background);
    if (e->bigIcon >= 0) {
        ShowDrawImage(&pngImg[e->bigIcon]);
        mShowHa.hintBigIcon = SHOW_HA_PNG(e->bigIcon);
    }
    // The small icon left of the text block, at the text's fade.
    Int32 centreX = kCentreX;
    if (icon != nullptr) {
        const Int32 gap = ShowHint_IconGap(preHintID, e->icon);
        Recti r = ShowHa_Rect(kCentreX - (maxTxtWidth + icon->w + gap) / 2, kHintCentreY - icon->h / 2 - 10, icon->w,
                              icon->h);
        ShowTextureAlpha(invAlphaTxt);
        ShowDrawImageRect(icon, r);
        mShowHa.hintIcon = ShowHa_ViewId(e->icon);
        mShowHa.hintIconRect = r;
        centreX = kCentreX - (maxTxtWidth + icon->w + kIconGap) / 2 + (icon->w + kIconGap) + maxTxtWidth / 2;
    }
    ShowEndTexture();

    // Text lines, the block centred on the pop-up; under the head picture it sits lower.
    ShowBeginFont();
    glUniform3fv(Prgm_Simple_Font_UNFM_Clr, 1, colorGray);
    glUniform1f(Prgm_Simple_Font_UNFM_Alp, invAlphaTxt);
    Int32 top = kHintCentreY - dspTxtHeight / 2;
    if (e->background >= 0 && icon == nullptr) top += preHintID == ID_HINT_WATCH_OUT_2 ? 165 : 155;
    for (Int32 i = 0; i < 2 && txtWidth[i] > 0; i++) {
        if (ShowHa_SlotLive(poolTxtIdx[i]))
            ShowHa_DrawLine(poolTxtIdx[i], ShowHa_Rect(centreX - txtWidth[i] / 2, top, txtWidth[i], txtHeight[i]),
                            &mShowHa.hintLine[i]);
        top += txtHeight[i] / 2 + txtHeight[i] / 5;
    }
    ShowEndFont();

    const bool blink = e->blink == HINT_BLINK_ALWAYS ||
                       (e->blink == HINT_BLINK_INDICATOR && (OrvShared_Load(Indicator[7].value) & 0x80) != 0);
    if (blink) {
        ShowHint_BlinkStep(&sumtime, &step, &prestep, &modeIconAlpha);
        ShowHint_DrawBand(modeIconAlpha);
        mShowHa.hintBand = 1;
        mShowHa.hintBandInvAlpha = modeIconAlpha;
    }
    mShowHa.hintDrawn = 1;
    return 1;
}

// ---- Alarm pop-up ---------------------------------------------------------------------------

enum { ALARM_SIMPLE = 0, ALARM_DIALOG = 1 };

typedef struct Struct_ShowAlarmEntry {
    const unsigned int* txt;
    ShowHaPic icon;
    UInt08 layout;
    ShowHaPic button;   // the dialog's button picture
} ShowAlarmEntry;

#define ALARM(t) {t, {-1, 0}, ALARM_SIMPLE, {-1, 0}}
#define ALARM_TGA(t, icon) {t, {icon, 0}, ALARM_SIMPLE, {-1, 0}}
#define ALARM_PNG(t, icon) {t, {icon, 1}, ALARM_SIMPLE, {-1, 0}}
#define DIALOG(t) {t, {-1, 0}, ALARM_DIALOG, {TGA_alert_dialog_confirm_single, 0}}
#define DIALOG_TGA(t, icon) {t, {icon, 0}, ALARM_DIALOG, {TGA_alert_dialog_confirm_single, 0}}
#define DIALOG_RETRY(t) {t, {-1, 0}, ALARM_DIALOG, {PNG_alert_dialog_confirm_single_retry, 1}}
#define DIALOG_CHANGE(t) {t, {-1, 0}, ALARM_DIALOG, {PNG_alert_dialog_confirm_single_change, 1}}

static const ShowAlarmEntry kAlarms[ID_ALARM_RESERVE] = {
    /* 0 */ {nullptr, {-1, 0}, ALARM_SIMPLE, {-1, 0}},
    ALARM_TGA(str_alarm_bat_over_heat_idx, TGA_led_motor_err),
    ALARM_TGA(str_alarm_dynamic_braking_idx, TGA_led_epb),
    ALARM(str_alarm_performance_limit_idx),
    ALARM_TGA(str_alarm_contact_service_idx, TGA_led_motor_err),
    ALARM_TGA(str_alarm_lost_power_idx, TGA_led_motor_err),
    ALARM(str_alarm_cannot_charge_idx),
    ALARM(str_alarm_pull_up_idx),
    ALARM(str_alarm_operate_err_idx),
    // A device fault shows its own text rather than whatever alarm came before it.
    ALARM(str_alarm_device_err_idx),
    /* 10 */ ALARM(str_alarm_gear_err_idx),
    ALARM_TGA(str_alarm_check_airbag_idx, TGA_led_air_bag),
    DIALOG(str_alarm_check_turnl_idx),
    DIALOG(str_alarm_check_turnr_idx),
    DIALOG(str_alarm_check_turnlr_idx),
    ALARM(str_alarm_check_lowbeam_idx),
    ALARM(str_alarm_peps_err_idx),
    ALARM_TGA(str_alarm_replenish_rake_oil_idx, TGA_led_brake_syserr),
    ALARM(str_alarm_vacuum_pump_idx),
    ALARM(str_alarm_vacuum_booster_idx),
    /* 20 */ ALARM(str_alarm_tire_pressure_low_idx),
    ALARM(str_alarm_tire_pressure_high_idx),
    ALARM(str_alarm_tire_over_heat_idx),
    ALARM_TGA(str_alarm_check_eps_idx, TGA_led_eps),
    ALARM(str_alarm_check_highbeam_idx),
    ALARM(str_alarm_high_voltage_err_idx),
    ALARM(str_alarm_initiative_grid_err_idx),
    ALARM_TGA(str_alarm_low_volt_bat_err_idx, TGA_led_battery_err),
    ALARM_TGA(str_alarm_low_volt_bat_lack_idx, TGA_led_12v_bat),
    ALARM(str_alarm_charge_port_overheat_idx),
    /* 30 */ DIALOG_TGA(str_alarm_bat_lack_idx, TGA_led_bat_lack),
    DIALOG(str_alarm_check_foglamp_idx),
    DIALOG_TGA(str_alarm_tpms_idx, TGA_led_tpms),
    DIALOG_TGA(str_alarm_check_tp_sensor_idx, TGA_led_tpms),
    DIALOG(str_alarm_tpms_calibration_idx),
    ALARM(str_alarm_bat_cold_idx),
    ALARM(str_alarm_bat_heating_idx),
    ALARM(str_alarm_charging_slow_idx),
    DIALOG_RETRY(str_alarm_face_systom_fault_idx),
    DIALOG_CHANGE(str_alarm_face_repeat_idx),
    /* 40 */ DIALOG_RETRY(str_alarm_face_input_timeout_idx),
    DIALOG_RETRY(str_alarm_face_interrupt_retry_idx),
    DIALOG_RETRY(str_alarm_face_not_found_idx),
    ALARM_TGA(str_alarm_will_lost_power_idx, TGA_led_motor_err),
    ALARM(str_alarm_bat_too_cold_idx),
    ALARM_PNG(str_alarm_font_collision_failure_idx, PNG_alarm_font_collision_failure),
    ALARM_PNG(str_alarm_lane_warning_failure_idx, PNG_alarm_lane_warning_failure),
    ALARM_PNG(str_alarm_blind_auxiliary_failure_idx, PNG_alarm_blind_auxiliary_failure),
    ALARM(str_alarm_rear_warning_failure_idx),
    ALARM_PNG(str_alarm_rear_auxiliary_failure_idx, PNG_alarm_rear_auxiliary_failure),
    /* 50 */ ALARM_PNG(str_alarm_ACC_failure_idx, PNG_alarm_ACC_failure),
    ALARM(str_alarm_limit_speed_failure_idx),
    ALARM(str_alarm_auto_track_failure_idx),
    ALARM(str_alarm_cut_off_power_idx),
};

static const ShowAlarmEntry* ShowAlarm_Entry(UInt08 id)
{
    return id < ID_ALARM_RESERVE ? &kAlarms[id] : &kAlarms[0];
}

// Background picture and vertical centre line of each layout.
static const Int32 kAlarmBackground[2] = {TGA_alert_simple_background, TGA_alert_dialog_background};
static const Int32 kAlarmCentreY[2] = {583, 516};

static void ShowAlarm_LoadPictures(void)
{
    for (Int32 id = TGA_alert_dialog_background; id <= TGA_alert_simple_background; id++) ShowLoadTga(id);
    ShowLoadPng(PNG_alert_dialog_confirm_single_change);
    ShowLoadPng(PNG_alert_dialog_confirm_single_retry);
    for (Int32 s = Style_SiYuan_R; s <= Style_SiYuan_M; s++) {
        Once_LoadFontMapBmpData(s, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
        Once_GenFontMapTexture(s, BASIC_FONT_CODE_NUM, str_invalid_char_idx[0]);
    }
}

Int08 ShowAlarmInfo(UInt08 alarmID)
{
    static UInt08 preAlarmID = 0xFF;
    static Int32 poolTxtIdx = -1;
    static Int32 txtWidth = 0, txtHeight = 0;
    static GLfloat invAlphaTxt = 1.0f, invAlphaBg = 1.0f;

    mShowHa.alarmDrawn = 0;
    mShowHa.alarmBackground = mShowHa.alarmButton = mShowHa.alarmIcon = -1;
    mShowHa.alarmLine.rect.w = 0;

    if (preAlarmID == 0xFF) {
        if (alarmID == 0xFF) return 0;
        preAlarmID = alarmID;
        invAlphaTxt = invAlphaBg = 1.0f;
    }
    ShowAlarm_LoadPictures();
    ShowHa_KeepSlot(&poolTxtIdx);

    if (alarmID != preAlarmID && invAlphaTxt >= 1.0f) preAlarmID = alarmID;
    mShowHa.alarmLatched = preAlarmID;

    const ShowAlarmEntry* e = ShowAlarm_Entry(preAlarmID);
    mShowHa.alarmLayout = e->layout;
    if (e->txt == nullptr) return 0;

    ShowHa_Load(e->icon);
    const Image* icon = ShowHa_Image(e->icon);
    if (invAlphaTxt >= 1.0f) {
        ShowHaLine* v = &mShowHa.alarmLine;
        ShowHa_Codes(e->txt, v->codes);
        v->bmpWidth = ShowHa_Rasterise(poolTxtIdx, v->codes);
        txtWidth = v->bmpWidth > 0 ? ShowHa_FitWidth(v->bmpWidth, icon) : 0;
        txtHeight = v->bmpWidth > 0 ? SHOW_HA_BMP_H : 0;
        mShowHa.alarmRebuilds++;
    }

    const bool requested = ShowHa_LinkDown() || (alarmID >= 1 && alarmID <= ID_ALARM_RESERVE);
    ShowHa_FadeBackground(&invAlphaBg, invAlphaTxt, requested);
    ShowHa_FadeText(&invAlphaTxt, invAlphaBg, alarmID != preAlarmID);
    mShowHa.alarmInvAlphaTxt = invAlphaTxt;
    mShowHa.alarmInvAlphaBg = invAlphaBg;

    const Int32 centreY = kAlarmCentreY[e->layout];
    ShowBeginTexture();
    ShowTextureAlpha(invAlphaBg);
    ShowDrawImage(&tgaImg[kAlarmBackground[e->layout]]);
    mShowHa.alarmBackground = kAlarmBackground[e->layout];
    if (e->button.id >= 0) {
        ShowDrawImage(ShowHa_Image(e->button));
        mShowHa.alarmButton = ShowHa_ViewId(e->button);
    }
    Int32 textX = kCentreX - txtWidth / 2;
    if (icon != nullptr) {
        const Int32 left = kCentreX - (txtWidth + icon->w + kIconGap) / 2;
        Recti r = ShowHa_Rect(left, centreY - icon->h / 2 - 10, icon->w, icon->h);
        ShowTextureAlpha(invAlphaTxt);
        ShowDrawImageRect(icon, r);
        mShowHa.alarmIcon = ShowHa_ViewId(e->icon);
        mShowHa.alarmIconRect = r;
        textX = left + icon->w + kIconGap;
    }
    ShowEndTexture();

    if (txtWidth > 0 && ShowHa_SlotLive(poolTxtIdx)) {
        ShowBeginFont();
        glUniform3fv(Prgm_Simple_Font_UNFM_Clr, 1, colorGray);
        glUniform1f(Prgm_Simple_Font_UNFM_Alp, invAlphaTxt);
        ShowHa_DrawLine(poolTxtIdx, ShowHa_Rect(textX, centreY - txtHeight / 2, txtWidth, txtHeight),
                        &mShowHa.alarmLine);
        ShowEndFont();
    }
    mShowHa.alarmDrawn = 1;
    return 1;
}

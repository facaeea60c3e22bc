// The driving overlays: the cruise gauge with its adaptive-cruise animations, the own car from
// behind with its entry, lamps and beams, and the parking-slot overlay.
#include "OrvRender/Screens/ShowDrivingOverlays.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Screens/ShowCommon.h"
#include "Protocol/MainBoard_IIC_App.h"

static ShowDrivingOverlaysView mShowOverlays = {CruiseDraw_None, -1, {0, 0, 0, 0}, 0.0f, 0, 0.0f, {0, 0, 0},
                                                {0}, 0, 0, 0, 0, -1, 0, 0.0f, -1, 0.0f, {0}, 0, 0, 0, {0}, {0}, 0};

const ShowDrivingOverlaysView* ShowDrivingOverlays_View(void)
{
    return &mShowOverlays;
}

// ---- Cruise gauge ---------------------------------------------------------------------------

// Dial centre on the screen, and the ring the blue sweep covers.
static const Int32 kDialX = 823, kDialY = 147;
static const Int32 kSweepY = 148, kSweepOuter = 31, kSweepInner = 22;
static const Int32 kSweepColumns = 121;
static const Int32 kSweepDrawn = 60;  // vertices drawn: the first 30 columns

// Per-vertex colour of the dial (four vertices) by cruise state 1-5.
static const GLfloat* ShowOverlays_CruiseColor(UInt08 state)
{
    static const GLfloat white[16] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    static const GLfloat green[16] = {0, 0.6f, 0, 1, 0, 0.6f, 0, 1, 0, 0.6f, 0, 1, 0, 0.6f, 0, 1};
    static const GLfloat yellow[16] = {0.8f, 0.694f, 0, 1, 0.8f, 0.694f, 0, 1, 0.8f, 0.694f, 0, 1, 0.8f, 0.694f, 0, 1};
    return state == Cruise_State_CC_Green ? green : state == Cruise_State_CC_Yellow ? yellow : white;
}

static void ShowOverlays_Icon(Int32 png, Recti r, GLfloat invAlpha)
{
    ShowTextureAlpha(invAlpha);
    ShowDrawImageRect(&pngImg[png], r);
    mShowOverlays.cruiseIconPng = png;
    mShowOverlays.cruiseIconRect = r;
    mShowOverlays.cruiseIconInvAlpha = invAlpha;
}

// Gray adaptive cruise: the icon grows from its centre in ten steps of 40 ms.
static void ShowOverlays_AccZoom(Int32 duration)
{
    const Image* img = &pngImg[PNG_ACC_009];
    if (duration > 399) {
        ShowOverlays_Icon(PNG_ACC_009, ShowImageRect(img), 0.0f);
        mShowOverlays.cruiseDraw = CruiseDraw_Icon;
        return;
    }
    const Int32 d = duration / 40;
    const GLfloat s = d / 9.0f;
    const Recti r = {(Int32)(img->ltx + 31 - 31.0f * d / 9), (Int32)(img->lty + 31 - 31.0f * d / 9), (Int32)(s * img->w),
                     (Int32)(s * img->h)};
    ShowOverlays_Icon(PNG_ACC_009, r, 1.0f - s);
    mShowOverlays.cruiseDraw = CruiseDraw_Zoom;
}

// Blue adaptive cruise: the blue icon is revealed over the gray one by a ring that sweeps clockwise
// from -120 degrees, until the whole blue icon replaces both after 520 ms.
static void ShowOverlays_AccSweep(Int32 duration)
{
    static Flt32 vtx_positive[kSweepColumns * 2 * 3];
    static Flt32 txc_positive[kSweepColumns * 2 * 2];
    const Image* blue = &pngImg[PNG_ACC_028];
    if (duration > 519) {
        ShowOverlays_Icon(PNG_ACC_028, ShowImageRect(blue), 0.0f);
        mShowOverlays.cruiseDraw = CruiseDraw_Icon;
        return;
    }
    ShowOverlays_Icon(PNG_ACC_009, ShowImageRect(&pngImg[PNG_ACC_009]), 0.0f);
    const Int32 d = duration / 40;
    Vec2f screen[kSweepColumns * 2], scene[kSweepColumns * 2];
    for (Int32 i = 0; i < kSweepColumns; i++) {
        const Int32 deg = -(i * d * 150 / 120) - 120;
        const GLfloat a = deg * 0.017453292f, u = cosf(a), v = sinf(a);
        screen[2 * i] = Vec2f{kDialX + kSweepOuter * u, kSweepY - kSweepOuter * v};
        screen[2 * i + 1] = Vec2f{kDialX + kSweepInner * u, kSweepY - kSweepInner * v};
        if (2 * i + 1 < kSweepDrawn) mShowOverlays.cruiseSweepDeg = deg;
    }
    CalcClipFltPoints(SHOW_Z, screen, scene, kSweepColumns * 2);
    for (Int32 p = 0; p < kSweepColumns * 2; p++) {
        vtx_positive[3 * p] = scene[p].x;
        vtx_positive[3 * p + 1] = scene[p].y;
        vtx_positive[3 * p + 2] = SHOW_Z;
        txc_positive[2 * p] = blue->w > 0 ? (screen[p].x - blue->ltx) / blue->w : 0.0f;
        txc_positive[2 * p + 1] = blue->h > 0 ? (blue->lty + blue->h - screen[p].y) / blue->h : 0.0f;
    }
    ShowTextureAlpha(0.0f);
    if (blue->tex != 0xFFFFFFFF) {
        glBindTexture(GL_TEXTURE_2D, blue->tex);
        glVertexAttribPointer(Prgm_Simple_Texture_ATTR_Vtx, 3, GL_FLOAT, GL_FALSE, 0, vtx_positive);
        glVertexAttribPointer(Prgm_Simple_Texture_ATTR_Txc, 2, GL_FLOAT, GL_FALSE, 0, txc_positive);
        glDrawArrays(GL_TRIANGLE_STRIP, 0, kSweepDrawn);
    }
    mShowOverlays.cruiseDraw = CruiseDraw_Sweep;
}

// Conventional cruise: arrow and pointer turn about the dial's centre, the scale stays.
static void ShowOverlays_Dial(const GLfloat* center, GLfloat angle, const GLfloat* color)
{
    glUseProgram(shader[Prgm_Color_TexAlpha]);
    glUniform1i(Prgm_Color_TexAlpha_UNFM_Tex, 0);
    glUniform1f(Prgm_Color_TexAlpha_UNFM_Alp, 0.0f);
    glActiveTexture(GL_TEXTURE0);
    glEnableVertexAttribArray(Prgm_Color_TexAlpha_ATTR_Vtx);
    glEnableVertexAttribArray(Prgm_Color_TexAlpha_ATTR_Clr);
    glEnableVertexAttribArray(Prgm_Color_TexAlpha_ATTR_Txc);
    glVertexAttribPointer(Prgm_Color_TexAlpha_ATTR_Clr, 4, GL_FLOAT, GL_FALSE, 0, color);

    PushMatrix4x4Stack(&mMdvMatStack);
    GLfloat* top = mMdvMatStack.mat[mMdvMatStack.idx];
    TranslateMatrix4x4(top, center[0], center[1], 0.0f);
    RotateMatrix4x4_Z_Axis(top, -angle);
    TranslateMatrix4x4(top, -center[0], -center[1], 0.0f);
    ShowUploadMatrices(Prgm_Color_TexAlpha_UNFM_Prj, Prgm_Color_TexAlpha_UNFM_Mdv);
    for (Int32 id : {TGA_cruise_arrow, TGA_cruise_pointer_blue}) {
        Recti r = ShowImageRect(&tgaImg[id]);
        DrawGlPicRect(SHOW_Z, &r, Prgm_Color_TexAlpha_ATTR_Vtx, Prgm_Color_TexAlpha_ATTR_Txc, QuadTexCoords, tgaImg[id].tex);
    }
    PopMatrix4x4Stack(&mMdvMatStack);
    ShowUploadMatrices(Prgm_Color_TexAlpha_UNFM_Prj, Prgm_Color_TexAlpha_UNFM_Mdv);
    Recti r = ShowImageRect(&tgaImg[TGA_cruise_scale_disk_blue]);
    DrawGlPicRect(SHOW_Z, &r, Prgm_Color_TexAlpha_ATTR_Vtx, Prgm_Color_TexAlpha_ATTR_Txc, QuadTexCoords,
                  tgaImg[TGA_cruise_scale_disk_blue].tex);
    glDisableVertexAttribArray(Prgm_Color_TexAlpha_ATTR_Vtx);
    glDisableVertexAttribArray(Prgm_Color_TexAlpha_ATTR_Clr);
    glDisableVertexAttribArray(Prgm_Color_TexAlpha_ATTR_Txc);
    mShowOverlays.cruiseDraw = CruiseDraw_Dial;
}

void ShowVuskSpeed(UInt08 state, UInt08 speed)
{
    static Int08 init = 0;
    static GLfloat center[2];
    static UInt08 prestate = 0;
    static Int32 duration = 0;

    const GLfloat angle = speed * 268.0f / 150.0f - 45.0f;
    if (state != prestate) {
        duration = 0;
        prestate = state;
    }
    mShowOverlays.cruiseDraw = CruiseDraw_None;
    mShowOverlays.cruiseIconPng = -1;
    mShowOverlays.cruiseTxtLen = 0;
    mShowOverlays.cruiseTxt[0] = 0;
    if (state == Cruise_State_Invisible || state > Cruise_State_MAX) return;

    // Loading is a state check once done; it also brings the pictures back after a clean-up.
    for (Int32 id = TGA_cruise_arrow; id <= TGA_cruise_scale_disk_blue; id++) ShowLoadTga(id);
    if (pngStatus[PNG_ACC_009] == Png_Unload) {
        ShowLoadPng(PNG_ACC_009);
        ShowLoadPng(PNG_ACC_028);
    }
    if (!init) {
        Once_LoadFontMapBmpData(Style_SiYuan_R, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
        Once_GenFontMapTexture(Style_SiYuan_R, BASIC_FONT_CODE_NUM, (Int32)str_invalid_char_idx[0]);
        Vec2i c = {kDialX, kDialY};
        Vec2f f;
        CalcClipPoints(SHOW_Z, &c, &f, 1);
        center[0] = f.x;
        center[1] = f.y;
        init = 1;
    }

    const GLfloat* color = ShowOverlays_CruiseColor(state);
    duration += mFrameTimeMs;
    const bool adaptive = state == Cruise_State_ACC_Gray || state == Cruise_State_ACC_Blue;
    if (adaptive) {
        ShowBeginTexture();
        if (state == Cruise_State_ACC_Gray) ShowOverlays_AccZoom(duration);
        else ShowOverlays_AccSweep(duration);
        ShowTextureAlpha(0.0f);
        ShowEndTexture();
    } else {
        ShowOverlays_Dial(center, angle, color);
    }
    mShowOverlays.cruiseAngle = angle;
    memcpy(mShowOverlays.cruiseColor, color, 3 * sizeof(GLfloat));

    if (speed == 0) return;
    const Int32 len = ShowDecimalGlyphs(mShowOverlays.cruiseTxt, speed);
    mShowOverlays.cruiseTxt[len] = 0;
    mShowOverlays.cruiseTxtLen = len;
    mShowOverlays.cruiseTxtX = adaptive ? 823 : 822;
    mShowOverlays.cruiseTxtY = adaptive ? 154 : 181;
    if (!ShowFontReady(Style_SiYuan_M)) return;
    ShowBeginFont();
    ShowText(mShowOverlays.cruiseTxtX, mShowOverlays.cruiseTxtY, fontSize_SiYuan_M_28, Style_SiYuan_M,
             mShowOverlays.cruiseTxt, len, TXT_ALIGN_HCENTER | TXT_ALIGN_VCENTER, color, 0.0f);
    ShowEndFont();
}

// ---- Driving car ----------------------------------------------------------------------------

static const Int16 kEntryPhaseMs = 500;

// Body picture of a colour configuration; its camera picture is the next identifier.
static Int32 ShowOverlays_CarBody(UInt08 colorCfg)
{
    static const struct { UInt08 cfg; Int32 body; } table[] = {
        {VehicleColor_Red, PNG_driving_car_red_base},         {VehicleColor_Silver, PNG_driving_car_gray_base},
        {VehicleColor_Blue, PNG_driving_car_blue_base},       {VehicleColor_DarkGray, PNG_driving_car_darkgray_base},
        {VehicleColor_AllRed, PNG_driving_car_all_red_base},  {VehicleColor_AllGray, PNG_driving_car_all_gray_base},
        {VehicleColor_AllBlue, PNG_driving_car_all_blue_base},
    };
    for (const auto& e : table)
        if (e.cfg == colorCfg) return e.body;
    return PNG_driving_car_white_base;
}

static void ShowOverlays_CarImage(Int32 png, Int32 yOffset)
{
    Recti r = ShowImageRect(&pngImg[png]);
    r.y += yOffset;
    ShowDrawImageRect(&pngImg[png], r);
}

// Counts a phase down by step ms; true while it was still running.
static bool ShowOverlays_Phase(Int16* remaining, Int32 step)
{
    if (*remaining <= 0) return false;
    *remaining = (Int16)(*remaining > step ? *remaining - step : 0);
    return true;
}

void ShowDrivingCar(Int08 visible)
{
    static Int08 preVisible = 0;
    static Int16 durationRoad = 0, durationCar = 0, durationBeam = 0;

    mShowOverlays.carShown = 0;
    if (!visible) {
        preVisible = 0;
        return;
    }
    for (Int32 id = PNG_driving_car_tail_lamp_brake; id <= PNG_driving_low_beam; id++) ShowLoadPng(id);
    if (!preVisible) {
        durationRoad = durationCar = durationBeam = kEntryPhaseMs;
        preVisible = 1;
    }
    const Int32 body = ShowOverlays_CarBody(OrvShared_Load(VehicleColorCfg));
    ShowLoadPng(body);
    ShowLoadPng(body + 1);

    // The road comes first, then the car slides up at double speed, then the beams appear.
    if (!ShowOverlays_Phase(&durationRoad, mFrameTimeMs) && !ShowOverlays_Phase(&durationCar, 2 * mFrameTimeMs))
        ShowOverlays_Phase(&durationBeam, mFrameTimeMs);
    const Int32 yOffset = durationCar / 10;

    ShowBeginTexture();
    mShowOverlays.carBeamPng = -1;
    if (durationCar <= 249) {
        const UInt08 lamps = OrvShared_Load(Indicator[6].value);
        Int32 beam = (lamps & 0x08) ? PNG_driving_high_beam : (lamps & 0x30) ? PNG_driving_low_beam : -1;
        if (beam >= 0) {
            const GLfloat inv = durationBeam / (GLfloat)kEntryPhaseMs;
            ShowTextureAlpha(inv);
            ShowOverlays_CarImage(beam, yOffset);
            mShowOverlays.carBeamPng = beam;
            mShowOverlays.carBeamInvAlpha = inv;
        }
    }
    const GLfloat inv = durationCar / (GLfloat)kEntryPhaseMs;
    ShowTextureAlpha(inv);
    ShowOverlays_CarImage(body, yOffset);
    mShowOverlays.carCamera = (OrvShared_Load(Indicator[0].value) & 0x80) != 0;
    if (mShowOverlays.carCamera) ShowOverlays_CarImage(body + 1, yOffset);
    ShowOverlays_CarImage(PNG_driving_car_tail_lamp_off, yOffset);
    ShowOverlays_CarImage(PNG_driving_car_tail_shelter, yOffset);

    mShowOverlays.carLampNum = 0;
    if (durationRoad <= 249) {
        const struct { const Un08* byte; UInt08 bit; Int32 png; } lamps[] = {
            {&Indicator[6], 0x04, PNG_driving_car_tail_lamp_position},
            {&Indicator[3], 0x02, PNG_driving_car_tail_lamp_brake},
            {&Indicator[6], 0x40, PNG_driving_car_tail_lamp_left},
            {&Indicator[6], 0x80, PNG_driving_car_tail_lamp_right},
            {&Indicator[6], 0x02, PNG_driving_car_tail_lamp_fog},
        };
        for (const auto& l : lamps) {
            if (!(OrvShared_Load(l.byte->value) & l.bit)) continue;
            ShowOverlays_CarImage(l.png, yOffset);
            mShowOverlays.carLamps[mShowOverlays.carLampNum++] = l.png;
        }
    }
    ShowTextureAlpha(0.0f);
    ShowEndTexture();

    mShowOverlays.carShown = 1;
    mShowOverlays.carBodyPng = body;
    mShowOverlays.carYOffset = yOffset;
    mShowOverlays.carInvAlpha = inv;
}

// ---- Parking slots --------------------------------------------------------------------------

// Pictures of one side: its area, and per slot 1-3 the pictures of codes 1 (unusable), 2 (free)
// and 3 (occupied).
typedef struct Struct_ShowSlotSide {
    Int32 area;
    Int32 slot[3][3];
} ShowSlotSide;
static const ShowSlotSide kSlotSides[2] = {
    {TGA_AI_parking_available_leftarea,
     {{TGA_AI_parking_unavailable_leftslot1, TGA_AI_parking_available_leftslot1, TGA_AI_parking_used_leftslot1},
      {TGA_AI_parking_unavailable_leftslot2, TGA_AI_parking_available_leftslot2, TGA_AI_parking_used_leftslot2},
      {TGA_AI_parking_unavailable_leftslot3, TGA_AI_parking_available_leftslot3, TGA_AI_parking_used_leftslot3}}},
    {TGA_AI_parking_available_rightarea,
     {{TGA_AI_parking_unavailable_rightslot1, TGA_AI_parking_available_rightslot1, TGA_AI_parking_used_rigthslot1},
      {TGA_AI_parking_unavailable_rightslot2, TGA_AI_parking_available_rightslot2, TGA_AI_parking_used_rigthslot2},
      {TGA_AI_parking_unavailable_rightslot3, TGA_AI_parking_available_rightslot3, TGA_AI_parking_used_rigthslot3}}},
};

static void ShowOverlays_SlotImage(Int32 tga, GLfloat invAlpha)
{
    ShowTextureAlpha(invAlpha);
    ShowDrawImage(&tgaImg[tga]);
    mShowOverlays.slotTga[mShowOverlays.slotNum] = tga;
    mShowOverlays.slotInvAlpha[mShowOverlays.slotNum++] = invAlpha;
}

// One side: its area fades in while its bit is set (its slots then vanish), otherwise each slot
// with a code fades in with its picture.
static void ShowOverlays_SlotSide(const ShowSlotSide* side, bool area, const UInt08* codes, Flt32* invArea, Flt32* invSlot)
{
    const GLfloat step = mFrameTimeMs * 0.002f;
    if (area) {
        for (Int32 s = 0; s < 3; s++) invSlot[s] = 1.0f;
        *invArea = fmaxf(0.0f, *invArea - step);
        ShowOverlays_SlotImage(side->area, *invArea);
        return;
    }
    *invArea = 1.0f;
    for (Int32 s = 0; s < 3; s++) {
        if (codes[s] == 0) {
            invSlot[s] = 1.0f;
            continue;
        }
        invSlot[s] = fmaxf(0.0f, invSlot[s] - step);
        ShowOverlays_SlotImage(side->slot[s][codes[s] - 1], invSlot[s]);
    }
}

void ShowAiParking(void)
{
    static Int08 preVisible = 0;
    static Flt32 invAlphaLeftA, invAlphaLeftS[3], invAlphaRightA, invAlphaRightS[3];

    mShowOverlays.slotsShown = 0;
    mShowOverlays.slotNum = 0;
    const UInt08 v0 = OrvShared_Load(CarportValue0.value), v1 = OrvShared_Load(CarportValue1.value);
    if (v0 == 0 && v1 == 0) {
        preVisible = 0;
        return;
    }
    for (Int32 id = TGA_AI_parking_available_leftarea; id <= TGA_AI_parking_used_rigthslot3; id++) ShowLoadTga(id);
    if (!preVisible) {
        invAlphaLeftA = invAlphaRightA = 1.0f;
        for (Int32 s = 0; s < 3; s++) invAlphaLeftS[s] = invAlphaRightS[s] = 1.0f;
        preVisible = 1;
    }
    const UInt08 left[3] = {(UInt08)((v0 >> 2) & 3), (UInt08)((v0 >> 4) & 3), (UInt08)((v0 >> 6) & 3)};
    const UInt08 right[3] = {(UInt08)(v1 & 3), (UInt08)((v1 >> 2) & 3), (UInt08)((v1 >> 4) & 3)};
    ShowBeginTexture();
    ShowOverlays_SlotSide(&kSlotSides[0], (v0 & 0x01) != 0, left, &invAlphaLeftA, invAlphaLeftS);
    ShowOverlays_SlotSide(&kSlotSides[1], (v0 & 0x02) != 0, right, &invAlphaRightA, invAlphaRightS);
    ShowTextureAlpha(0.0f);
    ShowEndTexture();
    mShowOverlays.slotsShown = 1;
}

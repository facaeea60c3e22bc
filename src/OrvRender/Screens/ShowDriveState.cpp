// The drive-state indicators of the normal page: battery bar, gear strip with its change tip,
// driving-mode display with the eco and sport animations and their colour glow, speed-limit sign.
#include "OrvRender/Screens/ShowDriveState.h"

#include <cstring>
#include <initializer_list>

#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Screens/ShowCommon.h"
#include "Protocol/MainBoard_IIC_App.h"

static ShowDriveStateView mShowDriveState = {-1, 0.0f, 0, -1, -1, 0, 0.0f, 0, 0, 1.0f, {0}, 0, 0, 0};

const ShowDriveStateView* ShowDriveState_View(void)
{
    return &mShowDriveState;
}

// ---- Battery --------------------------------------------------------------------------------

// The bar picture for the remaining range: red up to 29 km, yellow up to 59 km, else green.
static Int32 ShowDriveState_BarPicture(UInt16 range)
{
    if (range <= 29) return TGA_ui3_basic_battery_full_red;
    if (range <= 59) return TGA_ui3_basic_battery_full_yellow;
    return TGA_ui3_basic_battery_full_green;
}

void ShowBattery(UInt08 battery, UInt16 rangeTrip)
{
    static UInt08 preBat = 0;
    static UInt16 preTrip = 0;
    static Flt32 barRate = 0.0f;
    static GLuint barTex = 0xFFFFFFFF;
    static GLfloat barTxc[8] = {0.0f, 0.0f, 1.0f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f};
    static Int32 barTga = -1;

    Int08 first = barTex == 0xFFFFFFFF;
    // Loading is a state check once done; it also brings the pictures back after a clean-up.
    for (Int32 id = TGA_ui3_basic_battery_bg; id <= TGA_ui3_basic_battery_high_light; id++) ShowLoadTga(id);

    ShowBeginTexture();
    ShowDrawImage(&tgaImg[TGA_ui3_basic_battery_bg]);

    if (first || battery != preBat || rangeTrip != preTrip) {
        preBat = battery;
        preTrip = rangeTrip;
        barRate = (battery == 255 ? 0 : battery) / 100.0f;
        barTga = ShowDriveState_BarPicture(rangeTrip);
        barTex = tgaImg[barTga].tex;
        barTxc[2] = barTxc[4] = barRate;
    }
    barTex = tgaImg[barTga].tex;  // the texture of the moment, not one deleted by a clean-up

    const Image* full = &tgaImg[TGA_ui3_basic_battery_full_green];
    Recti bar = {full->ltx, full->lty, (Int32)(full->w * barRate), full->h};
    Int08 faded = barTga == TGA_ui3_basic_battery_full_green && (OrvShared_Load(Indicator[7].value) & 0x18) != 0 &&
                  barRate > 0.1f;
    if (faded) {
        // The last tenth of the scale below the charge is what air conditioning or the cold
        // battery takes: drawn faded, the rest opaque over it.
        ShowTextureAlpha(0.6f);
        DrawGlPicRect(SHOW_Z, &bar, Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc, barTxc, barTex);
        ShowTextureAlpha(0.0f);
        barTxc[2] = barTxc[4] = barRate - 0.1f;
        bar.w -= full->w / 10;
        DrawGlPicRect(SHOW_Z, &bar, Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc, barTxc, barTex);
        barTxc[2] = barTxc[4] = barRate;
    } else {
        DrawGlPicRect(SHOW_Z, &bar, Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc, barTxc, barTex);
    }
    ShowDrawImageRect(&tgaImg[TGA_ui3_basic_battery_high_light], ShowImageRect(&tgaImg[TGA_ui3_basic_battery_high_light]),
                      barTxc);
    ShowEndTexture();

    mShowDriveState.batteryBarTga = barTga;
    mShowDriveState.batteryRate = barRate;
    mShowDriveState.batteryFaded = faded;
}

// ---- Gear -----------------------------------------------------------------------------------

// Lit letter and tip picture of a gear; -1 for a gear without a letter.
static void ShowDriveState_GearPictures(UInt08 gear, Int32* letter, Int32* tip)
{
    static const struct { UInt08 gear; Int32 letter, tip; } table[] = {
        {GEAR_P, TGA_ui3_gear_P, TGA_gear_tip_P},
        {GEAR_R, TGA_ui3_gear_R, TGA_gear_tip_R},
        {GEAR_N, TGA_ui3_gear_N, TGA_gear_tip_N},
        {GEAR_D, TGA_ui3_gear_D, TGA_gear_tip_D},
    };
    *letter = *tip = -1;
    for (const auto& e : table)
        if (e.gear == gear) *letter = e.letter, *tip = e.tip;
}

void ShowGear(UInt08 gear)
{
    static UInt32 gearTgaId = 0xFFFFFFFF;
    static Int32 tipTick = 0;
    if (tgaStatus[TGA_gear_tip_R] == Tga_Unload || tgaStatus[TGA_ui3_gear_PRND_gray] == Tga_Unload) {
        for (Int32 id : {TGA_ui3_gear_D, TGA_ui3_gear_N, TGA_ui3_gear_PRND_gray, TGA_ui3_gear_P, TGA_ui3_gear_R,
                         TGA_gear_tip_D, TGA_gear_tip_N, TGA_gear_tip_P, TGA_gear_tip_R})
            ShowLoadTga(id);
    }

    ShowBeginTexture();
    ShowDrawImage(&tgaImg[TGA_ui3_gear_PRND_gray]);

    Int32 letter, tip;
    ShowDriveState_GearPictures(gear, &letter, &tip);
    if (letter < 0) {
        gearTgaId = 0xFFFFFFFF;
        tipTick = 0;
    } else {
        if ((UInt32)letter != gearTgaId) tipTick = 3000;
        gearTgaId = (UInt32)letter;
        ShowDrawImage(&tgaImg[letter]);
    }

    mShowDriveState.gearTipTga = -1;
    if (tipTick > 0 && tip >= 0) {
        tipTick -= mFrameTimeMs;
        if (tipTick < 0) tipTick = 0;
        // Three quarters opaque at the change, opaque after 1.5 s, gone after 3 s.
        GLfloat inv = tipTick > 1500 ? ((tipTick - 1500) / 3000.0f) / 2.0f : 0.0f;
        ShowTextureAlpha(inv);
        ShowDrawImage(&tgaImg[tip]);
        ShowTextureAlpha(0.0f);
        mShowDriveState.gearTipTga = tip;
        mShowDriveState.gearTipInvAlpha = inv;
    }
    ShowEndTexture();

    mShowDriveState.gearTga = letter;
    mShowDriveState.gearTipMs = tipTick;
}

// ---- Driving mode ---------------------------------------------------------------------------

// One animation: first and last frame, the frame from which the icon fades in, the icon.
struct ShowModeAnim {
    Int32 first, last, iconFrom, icon;
};
static const ShowModeAnim mShowModeEco = {PNG_eco_001, PNG_eco_042, PNG_eco_001 + 6, PNG_style_led_eco};
static const ShowModeAnim mShowModeSport = {PNG_sport_001, PNG_sport_042, PNG_sport_001 + 6, PNG_style_led_sport};

// Colour glow bands by mode (0 eco, 1 sport) and night (0 day, 1 night): band A bottom, band A
// top, band B bottom, band B top, RGBA each.
static const GLfloat mShowGlow[2][2][4][4] = {
    {   // eco
        {{0.0275f, 0.2f, 0.2588f, 0.2f}, {0.0f, 0.3569f, 0.4314f, 0.15f},
         {0.0314f, 0.8549f, 0.8824f, 0.22f}, {0.0275f, 0.2f, 0.2588f, 0.2f}},
        {{0.0275f, 0.2f, 0.2588f, 0.12f}, {0.0f, 0.3569f, 0.4314f, 0.09f},
         {0.0314f, 0.8549f, 0.8824f, 0.132f}, {0.0275f, 0.2f, 0.2588f, 0.12f}},
    },
    {   // sport
        {{0.1608f, 0.0471f, 0.0471f, 0.2f}, {0.2f, 0.0f, 0.0f, 0.15f},
         {0.949f, 0.0392f, 0.0392f, 0.22f}, {0.1608f, 0.0471f, 0.0471f, 0.2f}},
        {{0.0863f, 0.0824f, 0.1137f, 0.25f}, {0.0667f, 0.0706f, 0.0941f, 0.12f},
         {0.1765f, 0.1137f, 0.1451f, 0.7f}, {0.0863f, 0.0824f, 0.1137f, 0.25f}},
    },
};

// Two full-width bands of the glow with the colour program.
static void ShowDriveState_Glow(Int32 sport, UInt08 nightMode, GLfloat invAlpha)
{
    Once_LoadShaderProgram(Prgm_Simple_Color);
    if (shader[Prgm_Simple_Color] == 0xFFFFFFFF) return;
    const GLfloat(*c)[4] = mShowGlow[sport][nightMode ? 1 : 0];
    glUseProgram(shader[Prgm_Simple_Color]);
    ShowUploadMatrices(Prgm_Simple_Color_UNFM_Prj, Prgm_Simple_Color_UNFM_Mdv);
    glUniform1f(Prgm_Simple_Color_UNFM_Alp, invAlpha);
    glEnableVertexAttribArray(Prgm_Simple_Color_ATTR_Vtx);
    glEnableVertexAttribArray(Prgm_Simple_Color_ATTR_Clr);
    for (Int32 band = 0; band < 2; band++) {
        GLfloat clr[16];
        // Corner order of the rectangle: bottom-left, bottom-right, top-right, top-left.
        memcpy(clr + 0, c[band * 2], 4 * sizeof(GLfloat));
        memcpy(clr + 4, c[band * 2], 4 * sizeof(GLfloat));
        memcpy(clr + 8, c[band * 2 + 1], 4 * sizeof(GLfloat));
        memcpy(clr + 12, c[band * 2 + 1], 4 * sizeof(GLfloat));
        Recti r = band == 0 ? Recti{0, 0, 1920, 440} : Recti{0, 440, 1920, pngImg[PNG_eco_006].lty - 440};
        if (r.h > 0) DrawGlClrRect(SHOW_Z, &r, Prgm_Simple_Color_ATTR_Vtx, Prgm_Simple_Color_ATTR_Clr, clr);
    }
    glDisableVertexAttribArray(Prgm_Simple_Color_ATTR_Vtx);
    glDisableVertexAttribArray(Prgm_Simple_Color_ATTR_Clr);
}

void ShowDrivingMode(UInt08 nightMode)
{
    static Int32 modeAnimId = 0;
    static Int32 modeDuration = 0;
    static Flt32 modeIconAlpha = 1.0f;
    static Flt32 modeBarInvAlpha = 1.0f;

    UInt08 bits = OrvShared_Load(Indicator[4].value) >> 6;
    ShowBeginTexture();
    if (bits == 1 || bits == 2) {
        // A request starts its animation only from rest or once the other mode's has finished.
        const ShowModeAnim& want = bits == 1 ? mShowModeEco : mShowModeSport;
        const ShowModeAnim& other = bits == 1 ? mShowModeSport : mShowModeEco;
        if (modeAnimId == 0 || modeAnimId == other.last) {
            modeBarInvAlpha = 1.0f;
            modeIconAlpha = 1.0f;
            modeDuration = 0;
            modeAnimId = want.first;
        }
    } else {
        modeAnimId = 0;
        Int32 id = nightMode ? TGA_ui3_basic_bg_bottom_night : TGA_ui3_basic_bg_bottom;
        ShowLoadTga(id);
        Recti r = ShowImageRect(&tgaImg[TGA_ui3_basic_bg_bottom_night]);
        r.w *= 2;
        ShowDrawImageRect(&tgaImg[id], r);
    }

    Int08 glow = 0;
    if (modeAnimId != 0) {
        const ShowModeAnim& a = modeAnimId <= mShowModeEco.last ? mShowModeEco : mShowModeSport;
        ShowLoadPng(modeAnimId);
        ShowTextureAlpha((1.0f - modeBarInvAlpha) * 0.8f);
        ShowDrawImage(&pngImg[modeAnimId]);
        ShowTextureAlpha(0.0f);

        modeDuration += mFrameTimeMs;
        modeAnimId = a.first + modeDuration / 30;  // one frame per 30 ms
        if (modeAnimId > a.last) modeAnimId = a.last;
        modeBarInvAlpha = (Flt32)(modeAnimId - a.first) / 41.0f;
        if (modeAnimId >= a.iconFrom) {
            modeIconAlpha -= mFrameTimeMs * 0.002f;
            if (modeIconAlpha < 0.0f) modeIconAlpha = 0.0f;
            ShowLoadPng(a.icon);
            ShowTextureAlpha(modeIconAlpha);
            ShowDrawImage(&pngImg[a.icon]);
            ShowTextureAlpha(0.0f);
        }
        glow = modeAnimId > a.iconFrom - 1 && modeAnimId <= a.last;
    }
    ShowEndTexture();
    if (glow) ShowDriveState_Glow(modeAnimId > mShowModeEco.last, nightMode, modeIconAlpha);

    mShowDriveState.modeAnimId = modeAnimId;
    mShowDriveState.modeGlow = glow;
    mShowDriveState.modeIconInvAlpha = modeIconAlpha;
}

// ---- Speed limit ----------------------------------------------------------------------------

// Translation of the sign for an emphasis time d: towards the viewer over 500 ms, 500 ms there,
// back over 500 ms.
static void ShowDriveState_LimitOffset(UInt32 d, GLfloat* t)
{
    if (d >= 500 && d <= 999) {
        t[0] = 0.625f, t[1] = -0.25f, t[2] = 25.0f;
        return;
    }
    GLfloat e = (GLfloat)(d <= 499 ? d : 1500 - d);
    t[0] = e / 800.0f, t[1] = -0.0005f * e, t[2] = e / 20.0f;
}

void ShowSpeedLimit(UInt08 type, UInt08 limit)
{
    static UInt08 preLimit = 0;
    static UInt32 str[8];
    static UInt08 len = 0;
    static UInt32 scaleDuration = 0;

    mShowDriveState.limitDrawn = 0;
    if (limit == 0) return;
    if (limit != preLimit) {
        preLimit = limit;
        ShowLoadTga(TGA_led_speed_limit_bg);
        Once_LoadFontMapBmpData(Style_SiYuan_R, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
        Once_GenFontMapTexture(Style_SiYuan_R, BASIC_FONT_CODE_NUM, str_invalid_char_idx[0]);
        if (limit == 255) {
            str[0] = str[1] = str[2] = (UInt32)GetAssicIdx('-');
            len = 3;
        } else {
            len = (UInt08)ShowDecimalGlyphs(str, limit);
        }
        str[len] = 0;
        memcpy(mShowDriveState.limitTxt, str, sizeof(str));
        mShowDriveState.limitLen = len;
    }

    // Emphasis: grows while asked for and holds at 1500; once released, a started animation
    // runs to its end and then drops back to rest.
    if (OrvShared_Load(Indicator[0].value) & 0x40) {
        scaleDuration += (UInt32)mFrameTimeMs;
        if (scaleDuration > 1500) scaleDuration = 1500;
    } else if (scaleDuration == 1500) {
        scaleDuration = 0;
    } else if (scaleDuration >= 2) {
        scaleDuration += (UInt32)mFrameTimeMs;
        if (scaleDuration > 1500) scaleDuration = 1500;
    }
    mShowDriveState.limitScaleMs = scaleDuration;

    GLfloat t[3];
    ShowDriveState_LimitOffset(scaleDuration, t);
    PushMatrix4x4Stack(&mMdvMatStack);
    TranslateMatrix4x4(mMdvMatStack.mat[mMdvMatStack.idx], t[0], t[1], t[2]);

    // The sign's table point is its centre.
    Image* bg = &tgaImg[TGA_led_speed_limit_bg];
    Recti r = {tgaLtp[TGA_led_speed_limit_bg].x - bg->w / 2, tgaLtp[TGA_led_speed_limit_bg].y - bg->h / 2, bg->w,
               bg->h};
    ShowBeginTexture();
    ShowDrawImageRect(bg, r);
    ShowEndTexture();
    if (ShowFontReady(Style_SiYuan_R)) {
        ShowBeginFont();
        ShowText(850, 318, fontSize_SiYuan_R_26, Style_SiYuan_R, str, len, TXT_ALIGN_HCENTER | TXT_ALIGN_VCENTER,
                 colorBlack, 0.0f);
        ShowEndFont();
    }
    PopMatrix4x4Stack(&mMdvMatStack);
    mShowDriveState.limitDrawn = 1;
}

// The basic readouts: clock, outside temperature, speed, range, greeting and the diagnostics
// overlay. Each keeps its text between frames and rebuilds it only when its input changes.
#include "OrvRender/Screens/ShowBasic.h"

#include <cstdlib>
#include <cstring>

#include "OrvRender/Res_BmpPool.h"
#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Res_TxtHintAlarm.h"
#include "OrvRender/Screens/ShowCommon.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "lib/OrvFont.h"
#include "platform/OrvPlatform.h"

static ShowBasicView mShowBasic;

const ShowBasicView* ShowBasic_View(void)
{
    return &mShowBasic;
}

// Glyph index of a digit 0-9.
static UInt32 ShowBasic_Digit(UInt32 d)
{
    return (UInt32)GetAssicIdx((char)('0' + d % 10));
}

// ---- Clock ----------------------------------------------------------------------------------

// The clock text of (minutes, fmt) into str; returns its length with the terminating 0 entry.
static UInt08 ShowBasic_BuildTime(UInt32* str, UInt16 minutes, UInt08 fmt)
{
    UInt32 hour = (minutes / 60) % 24, minute = minutes % 60;
    UInt08 n = 0;
    if (fmt == 1) {
        const unsigned int* half = hour < 12 ? str_forenoon_cn_idx : str_afternoon_cn_idx;
        str[n++] = half[0];
        str[n++] = half[1];
        UInt32 shown = hour % 12 == 0 ? 12 : hour % 12;
        n += (UInt08)ShowDecimalGlyphs(str + n, shown);
    } else {
        str[n++] = ShowBasic_Digit(hour / 10);
        str[n++] = ShowBasic_Digit(hour);
    }
    str[n++] = (UInt32)GetAssicIdx(':');
    str[n++] = ShowBasic_Digit(minute / 10);
    str[n++] = ShowBasic_Digit(minute);
    str[n++] = 0;
    return n;
}

void ShowTime(UInt16 minutes, UInt08 fmt)
{
    static UInt32 preTime = 0xFFFFFFFF;
    static UInt32 str[16];
    static UInt08 len = 0;

    if (!ShowFontReady(Style_SiYuan_R)) return;
    UInt32 key = (UInt32)fmt * 65536u + minutes;
    if (key != preTime) {
        preTime = key;
        len = ShowBasic_BuildTime(str, minutes, fmt);
        memcpy(mShowBasic.timeTxt, str, sizeof(str));
        mShowBasic.timeLen = len;
    }
    ShowText(1359, 667, fontSize_SiYuan_R_27, Style_SiYuan_R, str, len, TXT_ALIGN_RIGHT | TXT_ALIGN_VCENTER,
             colorWhite, 0.4f);
}

// ---- Outside temperature --------------------------------------------------------------------

void ShowTemprature(Int16 temperature)
{
    // The start value lies outside every temperature the store can hold, so that the first
    // value (-1 included) builds its text.
    static Int32 preTemp = 0x7FFFFFFF;
    static UInt32 str[16];
    static UInt08 len = 0;

    if (!ShowFontReady(Style_SiYuan_R)) return;
    if (temperature != preTemp) {
        preTemp = temperature;
        UInt08 n = 0;
        str[n++] = str_outer_cn_idx[0];
        str[n++] = str_outer_cn_idx[1];
        if (temperature == 255) {
            for (int i = 0; i < 3; i++) str[n++] = (UInt32)GetAssicIdx('-');
        } else {
            if (temperature < 0) str[n++] = (UInt32)GetAssicIdx('-');
            n += (UInt08)ShowDecimalGlyphs(str + n, (UInt32)abs(temperature));
        }
        // The unit up to its terminating 0 entry: two glyphs counted, the 0 stored after them.
        UInt08 u = 0;
        while (str_unit_temperature_idx[u] != 0 && u < 2) str[n + u] = str_unit_temperature_idx[u], u++;
        str[n + u] = 0;
        len = (UInt08)(n + 2);
        memcpy(mShowBasic.tempTxt, str, sizeof(str));
        mShowBasic.tempLen = len;
    }
    ShowText(1523, 667, fontSize_SiYuan_R_27, Style_SiYuan_R, str, len, TXT_ALIGN_LEFT | TXT_ALIGN_VCENTER,
             colorWhite, 0.4f);
}

// ---- Range ----------------------------------------------------------------------------------

void ShowTripRange(UInt16 range)
{
    // Outside the 10-bit range of the signal, so that the first value (1023 included) builds.
    static UInt32 preRange = 0xFFFFFFFF;
    static UInt32 str[16];
    static UInt08 len = 0;
    static GLint dspLen = 0;

    if (!ShowFontReady(Style_SiYuan_R) && !ShowFontReady(Style_SiYuan_M)) return;
    if (range != preRange) {
        preRange = range;
        if (range == 1023 || range <= 19) {
            str[0] = str[1] = (UInt32)GetAssicIdx('-');
            len = 2;
        } else {
            len = (UInt08)ShowDecimalGlyphs(str, range);
        }
        str[len] = (UInt32)GetAssicIdx('k');
        str[len + 1] = (UInt32)GetAssicIdx('m');
        str[len + 2] = 0;
        memcpy(mShowBasic.rangeTxt, str, sizeof(str));
        mShowBasic.rangeLen = len;
    }
    if (len == 0) return;
    ShowText(1004, 667, fontSize_SiYuan_M_30, Style_SiYuan_M, str, len, TXT_ALIGN_LEFT | TXT_ALIGN_VCENTER,
             colorWhite, 0.0f, &dspLen);
    // The primitive reports the width of the number; the unit follows 10 pixels after its end.
    ShowText(1004 + dspLen + 10, 667, fontSize_SiYuan_R_27, Style_SiYuan_R, str + len, 2,
             TXT_ALIGN_LEFT | TXT_ALIGN_VCENTER, colorWhite, 0.4f);
}

// ---- Speed ----------------------------------------------------------------------------------

// Moves shown towards target: the difference times the frame time accumulates in accum, every
// 200 units of it are one km/h. Never passes the target.
static UInt08 ShowBasic_SmoothSpeed(UInt08 shown, UInt08 target, UInt16* accum, Int32 frameMs)
{
    Int32 diff = abs((Int32)target - (Int32)shown);
    *accum = (UInt16)(*accum + diff * frameMs);
    Int32 step = *accum / 200;
    *accum = (UInt16)(*accum - step * 200);
    if (step >= diff) return target;
    return (UInt08)(target > shown ? shown + step : shown - step);
}

void ShowSpeed(UInt08 speed)
{
    static UInt08 preSpeed = 254;
    static UInt16 accum = 0;
    static Int08 isRed = 0;
    static UInt08 len = 0;
    static UInt08 str[3];

    if (speed == 254) {
        preSpeed = 254;
        accum = 0;
        isRed = 0;
        mShowBasic.speedShown = 254;
        mShowBasic.speedLen = 0;
        mShowBasic.speedRed = 0;
        return;
    }
    if (pngStatus[PNG_ui3_speed_digit_red_0] == Png_Unload)
        for (Int32 id = PNG_ui3_speed_digit_0; id <= PNG_ui3_speed_unit_kmph; id++) ShowLoadPng(id);

    if (speed == 255) {
        preSpeed = 255;
        accum = 0;
        isRed = 0;
        len = 255;
    } else {
        if (speed == preSpeed) {
        } else if (preSpeed == 255 || preSpeed == 254) {
            preSpeed = speed;
            accum = 0;
        } else {
            preSpeed = ShowBasic_SmoothSpeed(preSpeed, speed, &accum, mFrameTimeMs);
        }
        len = 0;
        if (preSpeed > 99) str[len++] = (UInt08)(preSpeed / 100);
        if (preSpeed > 9) str[len++] = (UInt08)(preSpeed / 10 % 10);
        str[len++] = (UInt08)(preSpeed % 10);

        // Red from the warning speed on, white again only 4 km/h below it.
        const UInt08 speedWarn = OrvShared_Load(SpeedWarn);
        if (speedWarn == 0)
            isRed = 0;
        else if (preSpeed >= speedWarn)
            isRed = 1;
        else if (isRed && preSpeed + 4 < speedWarn)
            isRed = 0;
    }

    mShowBasic.speedShown = preSpeed;
    mShowBasic.speedLen = len;
    mShowBasic.speedRed = isRed;

    ShowBeginTexture();
    if (len == 255) {
        Image* inv = &pngImg[PNG_ui3_speed_invalid];
        Recti r = ShowImageRect(inv);
        r.x = (1920 - inv->w) / 2;
        ShowDrawImageRect(inv, r);
    } else {
        Int32 w = pngImg[PNG_ui3_speed_digit_0].w;
        Int32 shift2 = 73 * w / 118, shift3 = 73 * w / 59;
        const Int32 shifts[3][3] = {{0, 0, 0}, {-shift2, shift2, 0}, {-shift3, 0, shift3}};
        Int32 base = isRed ? PNG_ui3_speed_digit_red_0 : PNG_ui3_speed_digit_0;
        for (UInt08 i = 0; i < len; i++) {
            Image* dig = &pngImg[base + str[i]];
            Recti r = ShowImageRect(dig);
            r.x += shifts[len - 1][i];
            ShowDrawImageRect(dig, r);
            mShowBasic.speedDigits[i] = str[i];
            mShowBasic.speedDigitX[i] = r.x;
        }
    }
    Image* unit = &pngImg[PNG_ui3_speed_unit_kmph];
    Recti r = ShowImageRect(unit);
    r.x = (1920 - unit->w) / 2;
    ShowDrawImageRect(unit, r);
    ShowEndTexture();
}

// ---- Greeting -------------------------------------------------------------------------------

// "Hi, " and the account name (guest replaced by the default text, nine characters cut to six
// and "..."), or "Hi, ---", as character codes, zero-filled.
static void ShowBasic_BuildGreeting(UInt32* txt, Int32 cap)
{
    memset(txt, 0, sizeof(UInt32) * cap);
    const char* hi = "Hi, ";
    Int32 n = 0;
    for (; hi[n]; n++) txt[n] = (UInt08)hi[n];
    const auto utf8 = OrvShared_Text(AccountInfo.CurrUsrName);  // terminated even when the field is full
    if (utf8.s[0] != 0) {
        UInt32 name[10];
        ConvUtf8ToUcs(name, utf8.s, 10);
        if (name[0] == HintAlarm_FONT_CODE[str_account_guest_idx[0]] &&
            name[1] == HintAlarm_FONT_CODE[str_account_guest_idx[1]] && name[2] == 0) {
            name[0] = HintAlarm_FONT_CODE[str_account_default_idx[0]];
            name[1] = HintAlarm_FONT_CODE[str_account_default_idx[1]];
        }
        if (name[8] != 0) name[6] = name[7] = name[8] = '.';
        for (Int32 i = 0; i < 9 && name[i] != 0 && n < cap - 1; i++) txt[n++] = name[i];
    } else {
        for (Int32 i = 0; i < 3; i++) txt[n++] = '-';
    }
}

void ShowGreeting(void)
{
    static Int32 poolTxtGreetingIdx = -1;
    static Int08 localInit = 0;
    static UInt32 codeUpdGreeting = 0;
    static UInt32 txtGreeting[14];
    static Int32 txtGreetingWidth = 378, txtGreetingHeight = 54;
    static GLfloat invAlpha = 1.0f;

    // A clean-up of the pool takes the slot's buffer and texture away (the slot stays ours): start
    // over with new ones in the same slot.
    if (localInit && ShowPoolSlotLost(poolTxtGreetingIdx, true)) localInit = 0;
    if (!localInit) {
        localInit = 1;
        poolTxtGreetingIdx = ShowKeepPoolSlot(poolTxtGreetingIdx, 378 * 54);
        codeUpdGreeting = OrvShared_Load(AccountInfo.UpdAccount) - 1;
        Once_LoadShaderProgram(Prgm_AttrAlpha_Font);
    }
    if (poolTxtGreetingIdx < 0) return;

    GLuint tex = texPool[poolTxtGreetingIdx];
    const UInt32 updAccount = OrvShared_Acquire(AccountInfo.UpdAccount);
    if (updAccount != codeUpdGreeting) {
        codeUpdGreeting = updAccount;
        invAlpha = 1.0f;
        ShowBasic_BuildGreeting(txtGreeting, 14);
        memcpy(mShowBasic.greeting, txtGreeting, sizeof(txtGreeting));
        // Clamped horizontally to a transparent border: the faded zones beside a short name stay
        // empty instead of repeating the first glyph's edge column.
        ShowBuildTextImage(poolTxtGreetingIdx, fontLibId[Style_SiYuan_R], 27, 378, 54, txtGreeting, true,
                           &txtGreetingWidth, &txtGreetingHeight);
    }
    if (txtGreetingWidth <= 0 || shader[Prgm_AttrAlpha_Font] == 0xFFFFFFFF) return;

    invAlpha -= mFrameTimeMs * 0.001f;
    if (invAlpha < 0.0f) invAlpha = 0.0f;
    mShowBasic.greetingInvAlpha = invAlpha;

    glUseProgram(shader[Prgm_AttrAlpha_Font]);
    ShowUploadMatrices(Prgm_AttrAlpha_Font_UNFM_Prj, Prgm_AttrAlpha_Font_UNFM_Mdv);
    glUniform1i(Prgm_AttrAlpha_Font_UNFM_Tex, 0);
    glUniform3fv(Prgm_AttrAlpha_Font_UNFM_Clr, 1, colorWhite);
    glUniform1f(Prgm_AttrAlpha_Font_UNFM_Alp, invAlpha * 0.6f + 0.4f);
    glActiveTexture(GL_TEXTURE0);
    glEnableVertexAttribArray(Prgm_AttrAlpha_Font_ATTR_Vtx);
    glEnableVertexAttribArray(Prgm_AttrAlpha_Font_ATTR_Txc);
    glEnableVertexAttribArray(Prgm_AttrAlpha_Font_ATTR_Alp);
    Recti window = {334, 647, 162, txtGreetingHeight};
    Recti pic = {334, 647, txtGreetingWidth, txtGreetingHeight};
    DrawGlHorRollPicRect(SHOW_Z, &window, Prgm_AttrAlpha_Font_ATTR_Vtx, Prgm_AttrAlpha_Font_ATTR_Txc,
                         Prgm_AttrAlpha_Font_ATTR_Alp, 54, &pic, tex);
    glDisableVertexAttribArray(Prgm_AttrAlpha_Font_ATTR_Vtx);
    glDisableVertexAttribArray(Prgm_AttrAlpha_Font_ATTR_Txc);
    glDisableVertexAttribArray(Prgm_AttrAlpha_Font_ATTR_Alp);
}

// ---- Diagnostics overlay --------------------------------------------------------------------

// Month number of a three-letter month name: Jan 1 ... Nov 11, anything else 12.
static UInt32 ShowBasic_Month(const char* mon)
{
    static const char* const names[11] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov"};
    for (UInt32 i = 0; i < 11; i++)
        if (strncmp(mon, names[i], 3) == 0) return i + 1;
    return 12;
}

// "MM-DD hh:mm:ss" of the build into str; returns the glyph count.
static UInt08 ShowBasic_BuildDate(UInt32* str, const char* date, const char* time)
{
    UInt08 n = 0;
    UInt32 month = ShowBasic_Month(date);
    UInt32 day = (UInt32)atoi(date + 4);
    str[n++] = ShowBasic_Digit(month / 10);
    str[n++] = ShowBasic_Digit(month);
    str[n++] = (UInt32)GetAssicIdx('-');
    str[n++] = ShowBasic_Digit(day / 10);
    str[n++] = ShowBasic_Digit(day);
    str[n++] = (UInt32)GetAssicIdx(' ');
    for (const char* p = time; *p && n < 15; p++) str[n++] = (UInt32)GetAssicIdx(*p);
    str[n] = 0;
    return n;
}

void ShowFPS(void)
{
    static UInt32 frmCnt = 0, preTick = 0xFFFFFFFF;
    static UInt32 str_fps[24];
    static UInt08 strFpsLen = 0;
    static const GLfloat* color = colorWhite;
    static UInt32 str_time[16], str_ver[16];
    static UInt08 strTimeLen = 0, strVerLen = 0;

    if (!ShowFontReady(Style_SiYuan_R)) return;
    if (strTimeLen == 0) {
        strTimeLen = ShowBasic_BuildDate(str_time, __DATE__, __TIME__);
        const char ver[] = "v0.3.7b";
        for (strVerLen = 0; ver[strVerLen]; strVerLen++) str_ver[strVerLen] = (UInt32)GetAssicIdx(ver[strVerLen]);
        str_ver[strVerLen++] = 0;
        memcpy(mShowBasic.dateTxt, str_time, sizeof(str_time));
        memcpy(mShowBasic.verTxt, str_ver, sizeof(str_ver));
        mShowBasic.verLen = strVerLen;
    }

    frmCnt++;
    UInt32 tick = OrvPlat_GetTickCount();
    if (tick == 0xFFFFFFFF) tick = 0;
    if (preTick == 0xFFFFFFFF) {
        preTick = tick;
        return;
    }
    static UInt08 rateLen = 0;  // glyphs of the rate itself, before the running count
    if (tick - preTick > 1000) {
        preTick = tick;
        if (frmCnt > 999) frmCnt = 999;
        rateLen = (UInt08)ShowDecimalGlyphs(str_fps, frmCnt);
        color = frmCnt > 29 ? colorWhite : frmCnt > 14 ? colorYellow : colorRed;
        frmCnt = 0;
    }
    if (rateLen == 0) return;
    strFpsLen = rateLen;
    str_fps[strFpsLen++] = (UInt32)GetAssicIdx(',');
    strFpsLen = (UInt08)(strFpsLen + ShowDecimalGlyphs(str_fps + strFpsLen, frmCnt));
    str_fps[strFpsLen] = 0;
    memcpy(mShowBasic.fpsTxt, str_fps, sizeof(str_fps));
    mShowBasic.fpsLen = strFpsLen;
    mShowBasic.fpsColor = color;

    static const Int32 fsFps[3] = {20, 30, 1};
    PushMatrix4x4Stack(&mMdvMatStack);
    ShowBeginFont();
    ShowText(0, 0, fsFps, Style_SiYuan_R, str_fps, strFpsLen, TXT_ALIGN_LEFT | TXT_ALIGN_TOP, color, 0.0f);
    ShowText(1915, 20, fsFps, Style_SiYuan_R, str_time, 5, TXT_ALIGN_RIGHT | TXT_ALIGN_TOP, colorWhite, 0.0f);
    ShowText(1915, 0, fsFps, Style_SiYuan_R, str_ver, strVerLen, TXT_ALIGN_RIGHT | TXT_ALIGN_TOP, colorWhite,
             0.0f);
    ShowEndFont();
    PopMatrix4x4Stack(&mMdvMatStack);
}

// The infotainment modules of the side panels: media, weather and navigation. Each keeps its text
// images in picture-pool slots and rebuilds them only when the store's change counter moves.
#include "OrvRender/Screens/ShowInfoModules.h"

#include <array>
#include <climits>
#include <cstring>
#include <initializer_list>

#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Res_TxtHintAlarm.h"
#include "OrvRender/Screens/ShowCommon.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"

static ShowInfoModulesView mShowInfo;

const ShowInfoModulesView* ShowInfoModules_View(void)
{
    return &mShowInfo;
}

// ---- Common steps -----------------------------------------------------------------------------

// Fade state of one module on the two sides.
typedef struct Struct_ShowInfoFade {
    Int08 preVisible[2];
    Flt32 invAlpha[2];
} ShowInfoFade;

// The module is the one selected on that side; otherwise the side's fade state is reset, so that
// the module fades in again when it comes back.
static bool ShowInfo_Selected(ShowInfoFade* f, UInt08 type, UInt08 moduleId, UInt08 leftId, UInt08 rightId)
{
    if (type > MODULE_Right) return false;
    if (moduleId == (type == MODULE_Left ? leftId : rightId)) return true;
    f->preVisible[type] = 0;
    f->invAlpha[type] = 0.0f;
    return false;
}

// The first frame on a side after the module was hidden there. Its texts are rebuilt then: while
// hidden it does not follow the change counters, and a reconnection of the head unit zeroes them,
// so a counter may come back to the value the module last built with, over different texts.
static bool ShowInfo_Reshown(const ShowInfoFade* f, UInt08 type)
{
    return !f->preVisible[type];
}

// Starts the fade on the first frame on a side and advances it: 500 ms from invisible to opaque.
static Flt32 ShowInfo_Fade(ShowInfoFade* f, UInt08 type)
{
    if (!f->preVisible[type]) {
        f->invAlpha[type] = 1.0f;
        f->preVisible[type] = 1;
    }
    if (f->invAlpha[type] > 0.0f) {
        f->invAlpha[type] -= mFrameTimeMs * 0.002f;
        if (f->invAlpha[type] < 0.0f) f->invAlpha[type] = 0.0f;
    }
    return f->invAlpha[type];
}

// Counts the used entries of a zero-terminated code line of at most cap entries.
static Int32 ShowInfo_Len(const UInt32* codes, Int32 cap)
{
    Int32 n = 0;
    while (n < cap && codes[n] != 0) n++;
    return n;
}

// A line of n entries (n - 1 characters at most) whose last kept position is used gets three
// dots in its last three positions.
static void ShowInfo_DotsIfFull(UInt32* codes, Int32 n)
{
    if (codes[n - 2] != 0) codes[n - 4] = codes[n - 3] = codes[n - 2] = '.';
}

// UTF-8 text of the store into a code line of n entries, cut with dots when it fills the line.
static void ShowInfo_ConvCut(UInt32* codes, const Int08* utf8, Int32 n)
{
    ConvUtf8ToUcs(codes, utf8, n);
    ShowInfo_DotsIfFull(codes, n);
}

// A picture of the tables at its own place moved right by xOffset, at its own size.
static Recti ShowInfo_PicRect(Int32 id, Int32 xOffset)
{
    Recti r = ShowImageRect(&pngImg[id]);
    r.x += xOffset;
    return r;
}
static Recti ShowInfo_TgaRect(Int32 id, Int32 xOffset)
{
    Recti r = ShowImageRect(&tgaImg[id]);
    r.x += xOffset;
    return r;
}

// An alpha text image with the one-colour font program.
static void ShowInfo_DrawTextImage(GLuint tex, Recti r, const GLfloat* color, Flt32 invAlpha)
{
    if (r.w <= 0) return;
    ShowBeginFont();
    glUniform3fv(Prgm_Simple_Font_UNFM_Clr, 1, color);
    glUniform1f(Prgm_Simple_Font_UNFM_Alp, invAlpha);
    DrawGlPicRect(SHOW_Z, &r, Prgm_Simple_Font_ATTR_Vtx, Prgm_Simple_Font_ATTR_Txc, QuadTexCoords, tex);
    ShowEndFont();
}

// Takes the module's pool slots (bytes of buffer each, 0 for a texture only) on its first frame,
// and renews those the render clean-up emptied; a slot that cannot be had stays -1. True when
// slots were taken or renewed on this call, so that the caller builds its images now.
static bool ShowInfo_TakeSlots(Int08* taken, Int32* const* slots, const Int32* bytes, Int32 num)
{
    bool changed = !*taken;
    for (Int32 i = 0; i < num; i++) {
        if (!*taken) {
            *slots[i] = ShowTakePoolSlot(bytes[i]);
        } else if (ShowPoolSlotLost(*slots[i], bytes[i] > 0)) {
            *slots[i] = ShowKeepPoolSlot(*slots[i], bytes[i]);
            changed = true;
        }
    }
    *taken = 1;
    return changed;
}

// Width of a cell of the large digits: the speed digit's width scaled to the panels' digit pitch.
static Int32 ShowInfo_DigitCell(void)
{
    return pngImg[PNG_ui3_speed_digit_0].w * 134 / 177;
}

// ---- Weather ----------------------------------------------------------------------------------

static const Int32 kWeatherXOffset = 1072;

// Weather icon per condition number: entry 0 none (PNG_NUM), entry n the icon numbered n.
static constexpr std::array<Int32, 38> statusIconIdx = [] {
    std::array<Int32, 38> t{};
    t[0] = PNG_NUM;
    for (Int32 n = 1; n <= 37; n++) t[n] = PNG_weather_icon_01 + n - 1;
    return t;
}();

// Appends "-" for a negative value and its absolute value modulo 1000 without leading zeros,
// never past entry cap - 1.
static Int32 ShowInfo_AppendTemp(UInt32* line, Int32 n, Int32 cap, Int32 value)
{
    UInt32 digits[4];
    Int32 k = 0;
    if (value < 0 && n < cap) line[n++] = '-';
    UInt32 v = (UInt32)(value < 0 ? -value : value) % 1000;
    if (v > 99) digits[k++] = '0' + v / 100;
    if (v > 9) digits[k++] = '0' + v / 10 % 10;
    digits[k++] = '0' + v % 10;
    for (Int32 i = 0; i < k && n < cap; i++) line[n++] = digits[i];
    return n;
}

// "<description> | <night>°/<day>°": a description above 7 characters is cut to 7 and "...";
// the line holds 19 characters.
static void ShowInfo_BuildWeatherLine(UInt32* line)
{
    UInt32 desc[20];
    ConvUtf8ToUcs(desc, OrvShared_Text(WeatherInfo.Status).s, 20);
    Int32 n = ShowInfo_Len(desc, 20);
    if (n > 7) {
        desc[7] = desc[8] = desc[9] = '.';
        n = 10;
    }
    const Int32 cap = 19;
    const UInt32 unit = Basic_FONT_CODE[str_unit_temperature_idx[0]];
    memset(line, 0, 20 * sizeof(UInt32));
    memcpy(line, desc, (size_t)n * sizeof(UInt32));
    const UInt32 sep[3] = {' ', '|', ' '};
    for (Int32 i = n > 0 ? 0 : 1; i < 3; i++) line[n++] = sep[i];
    n = ShowInfo_AppendTemp(line, n, cap, OrvShared_Load(WeatherInfo.NightTmp));
    if (n < cap) line[n++] = unit;
    if (n < cap) line[n++] = '/';
    n = ShowInfo_AppendTemp(line, n, cap, OrvShared_Load(WeatherInfo.DayTmp));
    if (n < cap) line[n++] = unit;
}

// The large current temperature: minus, tens (above 9), units and the degree picture at 3/5 of
// their size, one digit cell apart.
static void ShowInfo_DrawWeatherTemp(Int32 xOffset)
{
    Int32 pics[4], num = 0;
    Int32 t = OrvShared_Load(WeatherInfo.Tmp);
    UInt32 v = (UInt32)(t < 0 ? -t : t) % 100;
    if (t < 0) pics[num++] = PNG_ui3_speed_digit_negative;
    if (v > 9) pics[num++] = PNG_ui3_speed_digit_0 + (Int32)(v / 10);
    pics[num++] = PNG_ui3_speed_digit_0 + (Int32)(v % 10);
    pics[num++] = PNG_ui3_speed_digit_degree;

    const Int32 cell = ShowInfo_DigitCell(), top0 = pngImg[PNG_ui3_speed_digit_0].lty;
    Int32 x = 495;
    mShowInfo.weatherTmpNum = num;
    for (Int32 i = 0; i < num; i++) {
        const Image* g = &pngImg[pics[i]];
        Int32 w = g->w * 3 / 5, h = g->h * 3 / 5;
        Recti r = {(cell - w) / 2 + x - 84 + xOffset, (g->lty - top0) * 2 / 3 + 283, w, h};
        ShowDrawImageRect(g, r);
        mShowInfo.weatherTmpPics[i] = pics[i];
        mShowInfo.weatherTmpRects[i] = r;
        x += cell;
    }
}

void ShowModuleWeather(UInt08 type, UInt08 moduleId)
{
    static ShowInfoFade fade;
    static UInt08 codeUpdInfo = 0;
    static Int32 poolTxtCityIdx = -1, poolTxtTypeIdx = -1;
    static UInt32 txtCity[20], txtType[20];
    static Int32 txtCityWidth = 0, txtCityHeight = 0, txtTypeWidth = 0, txtTypeHeight = 0;

    if (!ShowInfo_Selected(&fade, type, moduleId, MODULE_L_WEATHER, MODULE_R_WEATHER)) return;
    ShowLoadPng(PNG_module_L0_icon_weather);
    ShowLoadPng(PNG_weather_shadow);
    static Int08 slotsTaken = 0;
    Int32* const slots[2] = {&poolTxtCityIdx, &poolTxtTypeIdx};
    const Int32 bytes[2] = {25000, 25000};
    const bool slotsNew = ShowInfo_TakeSlots(&slotsTaken, slots, bytes, 2);
    if (!ShowFontReady(Style_SiYuan_R)) return;
    if (slotsNew || ShowInfo_Reshown(&fade, type)) codeUpdInfo = (UInt08)(OrvShared_Load(WeatherInfo.UpdWth) - 1);
    const Flt32 invAlpha = ShowInfo_Fade(&fade, type);
    const Int32 xOffset = type == MODULE_Right ? kWeatherXOffset : 0;
    mShowInfo.weatherInvAlpha = invAlpha;

    if (OrvShared_Load(WeatherInfo.Enable) == 0) {
        static const Int32 tipX[2] = {348, 1920 - 348};
        mShowInfo.weatherTip = 1;
        ShowBeginFont();
        ShowText(tipX[type], 320, fontSize_SiYuan_R_26_2, Style_SiYuan_R, str_module_tips_no_weather_info_idx, 5,
                 TXT_ALIGN_HCENTER | TXT_ALIGN_VCENTER, colorGray, invAlpha);
        ShowEndFont();
        return;
    }
    mShowInfo.weatherTip = 0;

    const UInt08 updWth = OrvShared_Acquire(WeatherInfo.UpdWth);
    if (updWth != codeUpdInfo) {
        codeUpdInfo = updWth;
        ShowInfo_BuildWeatherLine(txtCity);
        ShowInfo_ConvCut(txtType, OrvShared_Text(WeatherInfo.City).s, 20);
        ShowBuildTextImage(poolTxtCityIdx, fontLibId[Style_SiYuan_R], 25, 500, 50, txtCity, false, &txtCityWidth,
                           &txtCityHeight);
        ShowBuildTextImage(poolTxtTypeIdx, fontLibId[Style_SiYuan_R], 25, 500, 50, txtType, false, &txtTypeWidth,
                           &txtTypeHeight);
        memcpy(mShowInfo.weatherDesc, txtCity, sizeof(txtCity));
        memcpy(mShowInfo.weatherCity, txtType, sizeof(txtType));
    }

    ShowBeginTexture();
    ShowTextureAlpha(invAlpha);
    const Int32 id = OrvShared_Load(WeatherInfo.StatusId);
    mShowInfo.weatherIcon = -1;
    if (id >= 1 && id <= 37) {
        const Int32 icon = statusIconIdx[id];
        ShowLoadPng(icon);
        ShowDrawImageRect(&pngImg[icon], ShowInfo_PicRect(icon, xOffset));
        mShowInfo.weatherIcon = icon;
    }
    for (Int32 p = PNG_ui3_speed_digit_0; p <= PNG_ui3_speed_digit_9; p++) ShowLoadPng(p);
    ShowLoadPng(PNG_ui3_speed_digit_negative);
    ShowLoadPng(PNG_ui3_speed_digit_degree);
    ShowInfo_DrawWeatherTemp(xOffset);
    ShowDrawImageRect(&pngImg[PNG_weather_shadow], ShowInfo_PicRect(PNG_weather_shadow, xOffset));
    ShowEndTexture();

    if (poolTxtCityIdx >= 0)
        ShowInfo_DrawTextImage(texPool[poolTxtCityIdx],
                               Recti{415 + xOffset, 372 - txtCityHeight / 2, txtCityWidth, txtCityHeight},
                               colorDarkGray, invAlpha);
    if (poolTxtTypeIdx >= 0)
        ShowInfo_DrawTextImage(texPool[poolTxtTypeIdx],
                               Recti{415 + xOffset, 413 - txtTypeHeight / 2, txtTypeWidth, txtTypeHeight},
                               colorDarkGray, invAlpha);
}

// ---- Navigation -------------------------------------------------------------------------------

static const Int32 kNavXOffset = 1048;

// Manoeuvre picture per NavIcon; -1 none (0, and 14 or more).
static const Int32 kNavIcons[14] = {
    -1,
    TGA_nav_icon_turn_left,
    TGA_nav_icon_turn_right,
    TGA_nav_icon_left_front,
    TGA_nav_icon_right_front,
    TGA_nav_icon_left_back,
    TGA_nav_icon_right_back,
    TGA_nav_icon_turn_round,
    TGA_nav_icon_go_straight,
    TGA_nav_icon_enter_roundabout,
    TGA_nav_icon_exit_roundabout,
    TGA_nav_icon_enter_toll_station,
    TGA_nav_icon_destination,
    TGA_nav_icon_enter_tunnel,
};

// Draws one picture into the distance row and records it; x is the cell's left edge.
static void ShowInfo_NavDistPic(const Image* img, Int32 id, Recti r)
{
    ShowDrawImageRect(img, r);
    if (mShowInfo.navDistNum < SHOW_INFO_MAX_PICS) {
        mShowInfo.navDistPics[mShowInfo.navDistNum] = id;
        mShowInfo.navDistRects[mShowInfo.navDistNum] = r;
        mShowInfo.navDistNum++;
    }
}

// The distance to the manoeuvre in speed digits at 2/3 size, bottom-aligned at y = 333, one cell
// each from x = 332: metres up to 999, kilometres rounded to one decimal above, then the unit.
static void ShowInfo_DrawNavDistance(Int32 xOffset)
{
    const Int32 r = OrvShared_Load(NavInfo.RoadRemainDis);
    const UInt32 d = r < 0 ? 0u - (UInt32)r : (UInt32)r;
    Int32 pics[SHOW_INFO_MAX_PICS], num = 0, unit;
    UInt32 digits[10];
    Int32 k = 0;
    if (d <= 999) {
        UInt32 v = d;
        do digits[k++] = v % 10, v /= 10; while (v != 0);
        while (k > 0) pics[num++] = PNG_ui3_speed_digit_0 + (Int32)digits[--k];
        unit = TGA_nav_unit_next_distance_m;
    } else {
        const UInt32 tenths = (d + 50) / 100;
        UInt32 v = tenths / 10;
        do digits[k++] = v % 10, v /= 10; while (v != 0);
        while (k > 0) pics[num++] = PNG_ui3_speed_digit_0 + (Int32)digits[--k];
        pics[num++] = PNG_ui3_speed_digit_dot;
        pics[num++] = PNG_ui3_speed_digit_0 + (Int32)(tenths % 10);
        unit = TGA_nav_unit_next_distance_km;
    }

    const Int32 cell = ShowInfo_DigitCell();
    Int32 x = 332 + xOffset;
    mShowInfo.navDistNum = 0;
    for (Int32 i = 0; i < num; i++) {
        const Image* g = &pngImg[pics[i]];
        Int32 w = g->w * 2 / 3, h = g->h * 2 / 3;
        ShowInfo_NavDistPic(g, pics[i], Recti{x + (cell - w) / 2, 333 - h, w, h});
        x += cell;
    }
    const Image* u = &tgaImg[unit];
    ShowInfo_NavDistPic(u, unit, Recti{x, 333 - u->h, u->w, u->h});
}

// "<remaining distance> <remaining time>" in 19 characters, dots when the line is full.
static void ShowInfo_BuildNavRemain(UInt32* line)
{
    ConvUtf8ToUcs(line, OrvShared_Text(NavInfo.RemainDis1).s, 20);
    Int32 n = ShowInfo_Len(line, 20);
    if (n <= 18) {
        line[n] = ' ';
        ConvUtf8ToUcs(line + n + 1, OrvShared_Text(NavInfo.RemainTime1).s, 20 - (n + 1));
    }
    ShowInfo_DotsIfFull(line, 20);
}

void ShowModuleNav(UInt08 type, UInt08 moduleId)
{
    static ShowInfoFade fade;
    static UInt08 codeUpdNextRoadName = 0, codeUpdRemainInfo = 0;
    static Int32 poolTxtRoadNameIdx = -1, poolTxtRemainInfoIdx = -1;
    static UInt32 txtRoadName[15], txtRemainInfo[20];
    static Int32 txtRoadNameWidth = 0, txtRoadNameHeight = 0, txtRemainInfoWidth = 0, txtRemainInfoHeight = 0;

    if (!ShowInfo_Selected(&fade, type, moduleId, MODULE_L_NAVIGATION, MODULE_R_NAVIGATION)) return;
    for (Int32 id = TGA_nav_icon_nav_disable; id <= TGA_nav_tips_disable; id++) ShowLoadTga(id);
    for (Int32 id = PNG_ui3_speed_digit_0; id <= PNG_ui3_speed_digit_dot; id++) ShowLoadPng(id);
    static Int08 slotsTaken = 0;
    Int32* const slots[2] = {&poolTxtRoadNameIdx, &poolTxtRemainInfoIdx};
    const Int32 bytes[2] = {27000, 16000};
    if (ShowInfo_TakeSlots(&slotsTaken, slots, bytes, 2) || ShowInfo_Reshown(&fade, type)) {
        codeUpdNextRoadName = (UInt08)(OrvShared_Load(NavInfo.UpdNextRoadName) - 1);
        codeUpdRemainInfo = (UInt08)(OrvShared_Load(NavInfo.UpdRemainInfo1) - 1);
    }
    const Flt32 invAlpha = ShowInfo_Fade(&fade, type);
    const Int32 xOffset = type == MODULE_Right ? kNavXOffset : 0;
    mShowInfo.navInvAlpha = invAlpha;
    mShowInfo.navTexts = 0;
    mShowInfo.navDistNum = 0;

    // The shadow is drawn 1.4 times its picture's size.
    const Image* shadow = &tgaImg[TGA_nav_module_shadow];
    Recti shadowRect = ShowInfo_TgaRect(TGA_nav_module_shadow, xOffset);
    shadowRect.w = shadow->w * 14 / 10;
    shadowRect.h = shadow->h * 14 / 10;

    ShowBeginTexture();
    ShowTextureAlpha(invAlpha);
    if (OrvShared_Load(NavInfo.Enable) == 0) {
        mShowInfo.navIcon = TGA_nav_icon_nav_disable;
        for (Int32 id : {(Int32)TGA_nav_icon_nav_disable, (Int32)TGA_nav_tips_disable})
            ShowDrawImageRect(&tgaImg[id], ShowInfo_TgaRect(id, xOffset));
        ShowDrawImageRect(shadow, shadowRect);
        ShowEndTexture();
        return;
    }
    ShowDrawImageRect(shadow, shadowRect);
    const UInt08 navIcon = OrvShared_Load(NavInfo.NavIcon);
    const Int32 icon = navIcon < 14 ? kNavIcons[navIcon] : -1;
    mShowInfo.navIcon = icon;
    if (icon >= 0) ShowDrawImageRect(&tgaImg[icon], ShowInfo_TgaRect(icon, xOffset));
    if (icon == TGA_nav_icon_destination) {
        ShowDrawImageRect(&tgaImg[TGA_nav_tips_arrive_destination],
                          ShowInfo_TgaRect(TGA_nav_tips_arrive_destination, xOffset));
        ShowEndTexture();
        return;
    }
    for (Int32 id : {(Int32)TGA_nav_tips_next_enter, (Int32)TGA_nav_tips_cost_left})
        ShowDrawImageRect(&tgaImg[id], ShowInfo_TgaRect(id, xOffset));
    ShowInfo_DrawNavDistance(xOffset);
    ShowEndTexture();

    const UInt08 updNextRoadName = OrvShared_Acquire(NavInfo.UpdNextRoadName);
    if (updNextRoadName != codeUpdNextRoadName) {
        codeUpdNextRoadName = updNextRoadName;
        ConvUtf8ToUcs(txtRoadName, OrvShared_Text(NavInfo.NextRoadName).s, 15);
        ShowInfo_DotsIfFull(txtRoadName, 15);
        ShowBuildTextImage(poolTxtRoadNameIdx, fontLibId[Style_SiYuan_R], 30, 450, 60, txtRoadName, false,
                           &txtRoadNameWidth, &txtRoadNameHeight);
        memcpy(mShowInfo.navRoad, txtRoadName, sizeof(txtRoadName));
    }
    const UInt08 updRemainInfo = OrvShared_Acquire(NavInfo.UpdRemainInfo1);
    if (updRemainInfo != codeUpdRemainInfo) {
        codeUpdRemainInfo = updRemainInfo;
        ShowInfo_BuildNavRemain(txtRemainInfo);
        ShowBuildTextImage(poolTxtRemainInfoIdx, fontLibId[Style_SiYuan_R], 20, 400, 40, txtRemainInfo, false,
                           &txtRemainInfoWidth, &txtRemainInfoHeight);
        memcpy(mShowInfo.navRemain, txtRemainInfo, sizeof(txtRemainInfo));
    }
    const Image* next = &tgaImg[TGA_nav_tips_next_enter];
    const Image* cost = &tgaImg[TGA_nav_tips_cost_left];
    if (poolTxtRoadNameIdx >= 0)
        ShowInfo_DrawTextImage(texPool[poolTxtRoadNameIdx],
                               Recti{337 + next->w + xOffset, next->lty - 5, txtRoadNameWidth, txtRoadNameHeight},
                               colorWhite, invAlpha);
    if (poolTxtRemainInfoIdx >= 0)
        ShowInfo_DrawTextImage(texPool[poolTxtRemainInfoIdx],
                               Recti{337 + cost->w + xOffset, cost->lty, txtRemainInfoWidth, txtRemainInfoHeight},
                               colorGray, invAlpha);
    mShowInfo.navTexts = 1;
}

// ---- Media ------------------------------------------------------------------------------------

static const Int32 kMediaXOffset = 1048;

// Title and subtitle boxes and the title's scroll constants of one layout.
typedef struct Struct_ShowInfoMediaLayout {
    Int32 titleTop, titleW, subTop, subW;
    Int32 start;      // the title scrolls when its width + start reaches the box width
    Int32 secondAt;   // the second copy starts secondAt - width pixels to the left (negative: right)
    Int32 secondLead; // and enters once the first copy has moved width - secondLead pixels
} ShowInfoMediaLayout;

enum { MEDIA_LAYOUT_LOCAL = 0, MEDIA_LAYOUT_PHONE_USB = 1, MEDIA_LAYOUT_RADIO = 2 };
static const ShowInfoMediaLayout kMediaLayouts[3] = {
    {280, 270, 317, 270, 149, -100, 60}, // local music, or no source
    {327, 260, 363, 260, 149, -100, 60}, // Bluetooth or USB music
    {280, 260, 317, 260, 49, 60, 80},    // radio or net radio
};

// The cover record of a source: decoded pixels in the store.
typedef struct Struct_ShowInfoCover {
    const UInt08* pix;
    Int32 w, h;
    UInt32 fmt;
    UInt08 has;
} ShowInfoCover;

// A media record's cover as the store holds it now; the pixels stay in the store until uploaded.
template <typename Rec> static ShowInfoCover ShowInfo_CoverOf(const Rec& rec)
{
    return {rec.PicBmp, OrvShared_Load(rec.PicWidth), OrvShared_Load(rec.PicHeight),
            (UInt32)OrvShared_Load(rec.picFmt), OrvShared_Load(rec.HasCover)};
}

// The source's cover uploaded into the slot's texture; false when there is nothing to upload or
// the upload reports an error (a size that does not fit the record's buffer counts as one).
// The head-unit worker may rewrite the pixels meanwhile: they are copied out of the store with
// atomic loads first, and a cover that met a rewrite is replaced on the counter's next step.
static bool ShowInfo_UploadCover(Int32 slot, const ShowInfoCover& c)
{
    if (slot < 0 || !c.has) return false;
    const size_t bpp = c.fmt == GL_RGBA ? 4 : 3;
    if (c.w <= 0 || c.h <= 0 || (size_t)c.w * (size_t)c.h * bpp > CDU_PIC_BMP_SIZE) return false;
    static UInt08 pixels[CDU_PIC_BMP_SIZE];
    OrvShared_CopyOut(pixels, c.pix, (size_t)c.w * (size_t)c.h * bpp);
    while (glGetError() != GL_NO_ERROR) {
    }
    glBindTexture(GL_TEXTURE_2D, texPool[slot]);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, (GLint)c.fmt, c.w, c.h, 0, c.fmt, GL_UNSIGNED_BYTE, pixels);
    if (glGetError() != GL_NO_ERROR) return false;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return true;
}

// The time "[hh:]mm:ss" as glyph indices; withHours when the duration has whole hours.
static void ShowInfo_BuildTime(UInt32* txt, UInt32 seconds, bool withHours, UInt32 hours)
{
    UInt32 minutes = withHours ? seconds / 60 % 60 : seconds / 60;
    if (minutes > 99) minutes = 99;
    const UInt32 parts[3] = {hours, minutes, seconds % 60};
    Int32 n = 0;
    for (Int32 i = withHours ? 0 : 1; i < 3; i++) {
        if (n > 0) txt[n++] = (UInt32)GetAssicIdx(':');
        txt[n++] = (UInt32)GetAssicIdx((char)('0' + parts[i] / 10 % 10));
        txt[n++] = (UInt32)GetAssicIdx((char)('0' + parts[i] % 10));
    }
    txt[n] = 0;
}

// Progress bar: the background, and unless backgroundOnly the part filled to progress / duration
// (empty for no duration, full beyond it) with the cursor centred on its right end.
static void ShowInfo_DrawProgressBar(UInt32 duration, UInt32 progress, bool backgroundOnly, Int32 xOffset)
{
    ShowDrawImageRect(&pngImg[PNG_module_media_progress_bar_bg],
                      ShowInfo_PicRect(PNG_module_media_progress_bar_bg, xOffset));
    mShowInfo.mediaBar = backgroundOnly ? 1 : 2;
    mShowInfo.mediaBarWidth = 0;
    if (backgroundOnly) return;
    const Image* bar = &pngImg[PNG_module_media_progress_bar];
    const UInt32 full = (UInt32)bar->w;
    Recti r = ShowInfo_PicRect(PNG_module_media_progress_bar, xOffset);
    r.w = (Int32)(duration == 0 ? 0u : progress > duration ? full : full * progress / duration);
    if (r.w > 0) ShowDrawImageRect(bar, r);
    const Image* cursor = &pngImg[PNG_module_media_progress_cursor];
    Recti c = ShowInfo_PicRect(PNG_module_media_progress_cursor, xOffset);
    c.x = r.x + r.w - cursor->w / 2;
    ShowDrawImageRect(cursor, c);
    mShowInfo.mediaBarWidth = r.w;
    mShowInfo.mediaCursorX = c.x;
}

// The progress left and the duration right of the bar; both with hours when the duration has
// whole hours (the duration's shown as 99 above 98).
static void ShowInfo_DrawTimes(UInt32 duration, UInt32 progress, Int32 xOffset, Flt32 invAlpha)
{
    static const Int32 kTimeGlyph[3] = {20, 30, 1};
    const bool withHours = duration >= 3600;
    const UInt32 durHours = duration / 3600 > 98 ? 99 : duration / 3600;
    UInt32* prg = mShowInfo.mediaProgressTxt;
    UInt32* dur = mShowInfo.mediaDurationTxt;
    ShowInfo_BuildTime(prg, progress, withHours, progress / 3600 % 100);
    ShowInfo_BuildTime(dur, duration, withHours, durHours);
    ShowBeginFont();
    ShowText(398 + xOffset, 387, kTimeGlyph, Style_SiYuan_R, prg, ShowInfo_Len(prg, 12),
             TXT_ALIGN_LEFT | TXT_ALIGN_VCENTER, colorArtist, invAlpha);
    ShowText(650 + xOffset, 387, kTimeGlyph, Style_SiYuan_R, dur, ShowInfo_Len(dur, 12),
             TXT_ALIGN_RIGHT | TXT_ALIGN_VCENTER, colorArtist, invAlpha);
    ShowEndFont();
}

// A text image in its box, moved left by shift pixels, faded out over 20 px at the box's edges.
static void ShowInfo_DrawRolled(GLuint tex, Int32 left, Int32 top, Int32 boxW, Int32 w, Int32 h, Int32 shift)
{
    Recti box = {left, top, boxW, h};
    Recti pic = {left - shift, top, w, h};
    DrawGlHorRollPicRect(SHOW_Z, &box, Prgm_AttrAlpha_Font_ATTR_Vtx, Prgm_AttrAlpha_Font_ATTR_Txc,
                         Prgm_AttrAlpha_Font_ATTR_Alp, 20, &pic, tex);
}

void ShowModuleMedia(UInt08 type, UInt08 moduleId)
{
    static ShowInfoFade fade;
    static UInt08 preMediaSrc = Media_Src_None;
    static UInt08 codeUpdPic = 0;
    static Int32 coverPic = PNG_module_media_cover_music_default; // default cover in use, -1 uploaded
    static Int32 poolPicIdx = -1, poolTxtIdx0 = -1, poolTxtIdx1 = -1;
    static UInt32 txt0[20], txt1[15];
    static Int32 txt0Width = 0, txt0Height = 0, txt1Width = 0, txt1Height = 0;
    static Flt32 tapeRotAngle = 0.0f;
    static Int32 xRollingTxt0 = 0, xRollingTxt0_1 = 0;
    static UInt32 xRollingTxt1 = 0;
    static UInt08 nameflag = 0;

    if (!ShowInfo_Selected(&fade, type, moduleId, MODULE_L_MEDIA, MODULE_R_MEDIA)) return;
    for (Int32 id = PNG_module_media_black_tape; id <= PNG_module_media_shadow; id++) ShowLoadPng(id);
    static Int08 slotsTaken = 0;
    Int32* const slots[3] = {&poolPicIdx, &poolTxtIdx0, &poolTxtIdx1};
    const Int32 bytes[3] = {0, 25000, 15000};
    const bool slotsNew = ShowInfo_TakeSlots(&slotsTaken, slots, bytes, 3);
    Once_LoadShaderProgram(Prgm_AttrAlpha_Font);
    if (!ShowFontReady(Style_SiYuan_R)) return;
    const bool reshown = ShowInfo_Reshown(&fade, type);
    ShowInfo_Fade(&fade, type);
    const Int32 xOffset = type == MODULE_Right ? kMediaXOffset : 0;

    // The change counter of each source; no source follows the music's.
    auto counterOf = [](UInt08 src) -> UInt08 {
        return src == Media_Src_Radio ? OrvShared_Acquire(RadioInfo.UpdRadio)
             : src == Media_Src_NetRadio ? OrvShared_Acquire(NetRadioInfo.UpdNetRadio)
                                         : OrvShared_Acquire(MusicInfo.UpdMusic);
    };
    // New slots, a new source or the module back on a side: the source's counter, one behind,
    // builds the images on this frame.
    const UInt08 mediaSrc = OrvShared_Load(CduMediaSrc);
    if (mediaSrc != preMediaSrc || slotsNew || reshown) {
        if (mediaSrc != preMediaSrc) {
            fade.invAlpha[0] = fade.invAlpha[1] = 1.0f;
            xRollingTxt0 = 0;
            xRollingTxt1 = 0;
        }
        preMediaSrc = mediaSrc;
        codeUpdPic = (UInt08)(counterOf(preMediaSrc) - 1);
    }
    const Flt32 invAlpha = fade.invAlpha[type];
    mShowInfo.mediaInvAlpha = invAlpha;
    mShowInfo.mediaSrc = preMediaSrc;

    const UInt08 netRadioType = OrvShared_Load(NetRadioInfo.Type), musicType = OrvShared_Load(MusicInfo.Type);
    const bool book = preMediaSrc == Media_Src_NetRadio && netRadioType == NRADIO_TYPE_BOOK;
    const UInt08 counter = counterOf(preMediaSrc);
    if (counter != codeUpdPic) {
        codeUpdPic = counter;
        xRollingTxt0 = 0;
        xRollingTxt1 = 0;
        nameflag = 0;
        ShowInfoCover cover = {nullptr, 0, 0, 0, 0};
        Int32 fallback = PNG_module_media_cover_fm_default;
        memset(txt0, 0, sizeof(txt0));
        memset(txt1, 0, sizeof(txt1));
        switch (preMediaSrc) {
        case Media_Src_Music:
            cover = ShowInfo_CoverOf(MusicInfo);
            fallback = PNG_module_media_cover_music_default;
            ShowInfo_ConvCut(txt0, OrvShared_Text(MusicInfo.SongName).s, 20);
            ShowInfo_ConvCut(txt1, OrvShared_Text(MusicInfo.ArtistName).s, 15);
            break;
        case Media_Src_Radio: {
            cover = ShowInfo_CoverOf(RadioInfo);
            ShowInfo_ConvCut(txt0, OrvShared_Text(RadioInfo.Name).s, 20);
            // Band, then the frequency right after it.
            ConvUtf8ToUcs(txt1, OrvShared_Text(RadioInfo.System).s, 3);
            Int32 n = ShowInfo_Len(txt1, 2);
            ConvUtf8ToUcs(txt1 + n, OrvShared_Text(RadioInfo.Frequency).s, 15 - n);
            ShowInfo_DotsIfFull(txt1, 15);
            break;
        }
        case Media_Src_NetRadio:
            cover = ShowInfo_CoverOf(NetRadioInfo);
            if (book) fallback = PNG_module_media_cover_netbook_default;
            ShowInfo_ConvCut(txt0, OrvShared_Text(NetRadioInfo.Name).s, 20);
            ShowInfo_ConvCut(txt1, OrvShared_Text(NetRadioInfo.Frequency).s, 15);
            break;
        default:
            fallback = PNG_module_media_cover_music_default;
            for (Int32 i = 0; i < 3; i++) txt0[i] = HintAlarm_FONT_CODE[str_module_media_null_song_idx[i]];
            for (Int32 i = 0; i < 2; i++) txt1[i] = HintAlarm_FONT_CODE[str_module_media_null_artist_idx[i]];
            break;
        }
        coverPic = preMediaSrc <= Media_Src_NetRadio && ShowInfo_UploadCover(poolPicIdx, cover) ? -1 : fallback;
        ShowBuildTextImage(poolTxtIdx0, fontLibId[Style_SiYuan_M], 25, 500, 50, txt0, true, &txt0Width, &txt0Height);
        ShowBuildTextImage(poolTxtIdx1, fontLibId[Style_SiYuan_R], 20, 375, 40, txt1, true, &txt1Width, &txt1Height);
        memcpy(mShowInfo.mediaTitle, txt0, sizeof(txt0));
        memcpy(mShowInfo.mediaSubtitle, txt1, sizeof(txt1));
        mShowInfo.mediaTitleWidth = txt0Width;
        mShowInfo.mediaSubtitleWidth = txt1Width;
    }

    // Pictures: shadow, tape or station background, cover, progress bar.
    ShowBeginTexture();
    ShowTextureAlpha(invAlpha);
    ShowDrawImageRect(&pngImg[PNG_module_media_shadow], ShowInfo_PicRect(PNG_module_media_shadow, xOffset));
    const bool music = preMediaSrc == Media_Src_Music;
    const bool noSource = preMediaSrc > Media_Src_NetRadio;
    if (music || noSource) {
        if (music && OrvShared_Load(MusicInfo.Status) == PlayStatus_Playing) {
            tapeRotAngle += mFrameTimeMs * 0.036f;
            if (tapeRotAngle > 360.0f) tapeRotAngle -= 360.0f;
        }
        Recti tape = ShowInfo_PicRect(PNG_module_media_black_tape, xOffset);
        DrawRotzGlPicRect(SHOW_Z, &tape, Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc, 298 + xOffset,
                          352, -tapeRotAngle, QuadTexCoords, pngImg[PNG_module_media_black_tape].tex);
    }
    if (preMediaSrc == Media_Src_Radio || (preMediaSrc == Media_Src_NetRadio && netRadioType == NRADIO_TYPE_NET))
        ShowDrawImageRect(&pngImg[PNG_module_media_fm_bg], ShowInfo_PicRect(PNG_module_media_fm_bg, xOffset));
    const Int32 frame = coverPic >= 0 ? coverPic : PNG_module_media_cover_music_default;
    const GLuint coverTex = coverPic >= 0 ? pngImg[coverPic].tex : texPool[poolPicIdx];
    Recti coverRect = ShowInfo_PicRect(frame, xOffset);
    coverRect.x = 166 + xOffset;
    coverRect.y = 263;
    DrawGlPicRect(SHOW_Z, &coverRect, Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc, QuadTexCoords,
                  coverTex);
    mShowInfo.mediaCoverPic = coverPic;
    mShowInfo.mediaCoverTex = coverTex;
    mShowInfo.mediaTapeAngle = tapeRotAngle;
    mShowInfo.mediaBar = 0;
    mShowInfo.mediaProgressTxt[0] = mShowInfo.mediaDurationTxt[0] = 0;
    // Progress and times: local music and a talking book; no source shows the bar's background.
    const bool localMusic = music && musicType == MUSIC_TYPE_LOCAL;
    const bool timed = localMusic || book || noSource;
    const UInt32 duration = localMusic ? OrvShared_Load(MusicInfo.Duration) : book ? OrvShared_Load(NetRadioInfo.Duration) : 0;
    const UInt32 progress = localMusic ? OrvShared_Load(MusicInfo.Progress) : book ? OrvShared_Load(NetRadioInfo.Progress) : 0;
    if (timed) ShowInfo_DrawProgressBar(duration, progress, noSource, xOffset);
    ShowEndTexture();
    if (timed) ShowInfo_DrawTimes(duration, progress, xOffset, invAlpha);

    // Title and subtitle.
    const Int32 layoutIdx = preMediaSrc == Media_Src_Radio || preMediaSrc == Media_Src_NetRadio ? MEDIA_LAYOUT_RADIO
                          : music && (musicType == MUSIC_TYPE_BLUETOOTH || musicType == MUSIC_TYPE_UPAN)
                              ? MEDIA_LAYOUT_PHONE_USB
                              : MEDIA_LAYOUT_LOCAL;
    const ShowInfoMediaLayout& L = kMediaLayouts[layoutIdx];
    const Int32 left = 395 + xOffset;
    if (shader[Prgm_AttrAlpha_Font] == 0xFFFFFFFF) return;
    glUseProgram(shader[Prgm_AttrAlpha_Font]);
    ShowUploadMatrices(Prgm_AttrAlpha_Font_UNFM_Prj, Prgm_AttrAlpha_Font_UNFM_Mdv);
    glUniform1i(Prgm_AttrAlpha_Font_UNFM_Tex, 0);
    glUniform1f(Prgm_AttrAlpha_Font_UNFM_Alp, invAlpha);
    glActiveTexture(GL_TEXTURE0);
    glEnableVertexAttribArray(Prgm_AttrAlpha_Font_ATTR_Vtx);
    glEnableVertexAttribArray(Prgm_AttrAlpha_Font_ATTR_Txc);
    glEnableVertexAttribArray(Prgm_AttrAlpha_Font_ATTR_Alp);

    mShowInfo.mediaTitle2X = INT32_MIN;
    if (txt0Width > 0 && poolTxtIdx0 >= 0) {
        if (nameflag == 0) {
            xRollingTxt0_1 = (L.secondAt - txt0Width) * 50;
            nameflag = 1;
        }
        glUniform3fv(Prgm_AttrAlpha_Font_UNFM_Clr, 1, colorGray);
        const GLuint tex = texPool[poolTxtIdx0];
        if (txt0Width + L.start >= L.titleW && xRollingTxt0 / 50 <= txt0Width + 19) {
            xRollingTxt0 += mFrameTimeMs;
            const Int32 off = xRollingTxt0 / 50;
            if (off > txt0Width + 19) {
                xRollingTxt0 = xRollingTxt0_1;
                xRollingTxt0_1 = (L.secondAt - txt0Width) * 50;
            } else if (off >= txt0Width - L.secondLead) {
                ShowInfo_DrawRolled(tex, left, L.titleTop, L.titleW, txt0Width, txt0Height, xRollingTxt0_1 / 50);
                mShowInfo.mediaTitle2X = left - xRollingTxt0_1 / 50;
                xRollingTxt0_1 += mFrameTimeMs;
            }
        }
        ShowInfo_DrawRolled(tex, left, L.titleTop, L.titleW, txt0Width, txt0Height, xRollingTxt0 / 50);
        mShowInfo.mediaTitleX = left - xRollingTxt0 / 50;
    }
    if (txt1Width > 0 && poolTxtIdx1 >= 0) {
        glUniform3fv(Prgm_AttrAlpha_Font_UNFM_Clr, 1, colorArtist);
        Int32 shift = 0;
        if (txt1Width > L.subW && xRollingTxt1 / 33 < (UInt32)(txt1Width + 20)) {
            xRollingTxt1 += (UInt32)mFrameTimeMs;
            shift = (Int32)(xRollingTxt1 / 33);
        }
        ShowInfo_DrawRolled(texPool[poolTxtIdx1], left, L.subTop, L.subW, txt1Width, txt1Height, shift);
        mShowInfo.mediaSubtitleX = left - shift;
    }
    glDisableVertexAttribArray(Prgm_AttrAlpha_Font_ATTR_Vtx);
    glDisableVertexAttribArray(Prgm_AttrAlpha_Font_ATTR_Txc);
    glDisableVertexAttribArray(Prgm_AttrAlpha_Font_ATTR_Alp);
}

// The settings menus: right-side list, value screens, selections, version line, last-used icon,
// and the left pop-up of the sound and ACC levels.
#include "OrvRender/Screens/ShowMenus.h"

#include <cstring>

#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Screens/ShowCommon.h"
#include "Protocol/MainBoard_IIC_App.h"

static ShowMenusView mShowMenus;

const ShowMenusView* ShowMenus_View(void)
{
    return &mShowMenus;
}

/* One entry of a menu list. */
typedef struct Struct_MenuItem {
    Image* pIcon;           /* picture of the entry (main list: grey, not selected) */
    Image* pIconActive;     /* picture of the selected entry (main list only) */
    const UInt32* txt;      /* label, glyph indices of the basic table */
    Int32 txtLen;
    Int32 yPos;             /* vertical offset; 0 in every table */
} MenuItem;

// ---- Lists ----------------------------------------------------------------------------------

// Five slots 88 pixels apart, the selected entry in the middle; drawn in this slot order.
static const Int32 mShowMenus_SlotOrder[5] = {0, -1, -2, 1, 2};
enum { SHOW_MENUS_LIST_X = 1433, SHOW_MENUS_LIST_Y = 356, SHOW_MENUS_SLOT_DY = 88 };

static void ShowMenus_DrawCentred(const Image* img, Int32 cx, Int32 cy)
{
    Recti r = {cx - img->w / 2, cy - img->h / 2, img->w, img->h};
    ShowDrawImageRect(img, r);
}

// How one list draws its selected entry and its neighbours.
struct ShowMenusListStyle {
    Int08 active;           // the selected entry shows pIconActive
    Int08 draws;            // times the selected picture is drawn, one on the other
    GLfloat selInvAlpha;
    GLfloat otherInvAlpha;
    Int32 labelX;
};

static void ShowMenus_DrawList(const MenuItem* const* items, Int32 count, Int32 cursor, const ShowMenusListStyle& s,
                               ShowMenuListView* view)
{
    view->drawn = 1;
    view->count = count;
    view->cursor = cursor;
    for (Int32 slot = -2; slot <= 2; slot++) {
        const Int32 i = cursor + slot;
        const MenuItem* it = (i >= 0 && i < count) ? items[i] : nullptr;
        view->icon[slot + 2] = it == nullptr ? nullptr : (slot == 0 && s.active ? it->pIconActive : it->pIcon);
        view->txt[slot + 2] = it == nullptr ? nullptr : it->txt;
    }

    ShowBeginTexture();
    for (Int32 slot : mShowMenus_SlotOrder) {
        const MenuItem* it = (cursor + slot >= 0 && cursor + slot < count) ? items[cursor + slot] : nullptr;
        if (it == nullptr) continue;
        const Int32 y = SHOW_MENUS_LIST_Y + slot * SHOW_MENUS_SLOT_DY + it->yPos;
        ShowTextureAlpha(slot == 0 ? s.selInvAlpha : s.otherInvAlpha);
        for (Int32 k = 0; k < (slot == 0 ? s.draws : 1); k++) ShowMenus_DrawCentred(view->icon[slot + 2], SHOW_MENUS_LIST_X, y);
    }
    ShowEndTexture();

    ShowBeginFont();
    for (Int32 slot : mShowMenus_SlotOrder) {
        const MenuItem* it = (cursor + slot >= 0 && cursor + slot < count) ? items[cursor + slot] : nullptr;
        if (it == nullptr) continue;
        const Int32 y = SHOW_MENUS_LIST_Y + 4 + slot * SHOW_MENUS_SLOT_DY + it->yPos;
        ShowText(s.labelX, y, fontSize_SiYuan_R_26, Style_SiYuan_R, it->txt, it->txtLen,
                 TXT_ALIGN_LEFT | TXT_ALIGN_VCENTER, slot == 0 ? colorWhite : colorDarkGray, 0.0f);
    }
    ShowEndFont();
}

// Visible entries of a list whose entries exist by flag bits; the cursor, a position in the full
// list, moves back by one for every missing entry before it.
static Int32 ShowMenus_Present(const MenuItem* const* all, const UInt08* bits, Int32 num, UInt32 flags,
                               const MenuItem** out, Int32* cursor)
{
    Int32 count = 0;
    for (Int32 i = 0; i < num; i++) {
        if ((flags >> bits[i]) & 1u)
            out[count++] = all[i];
        else if (*cursor > count)
            (*cursor)--;
    }
    return count;
}

Int08 ShowMenuList(UInt08 menuId)
{
    static const MenuItem tempItm = {&pngImg[PNG_menu_right_icon_temp_gray], &pngImg[PNG_menu_right_icon_temp],
                                     str_menu_txt_temperature_idx, 4, 0};
    static const MenuItem wndPwrItm = {&pngImg[PNG_menu_right_icon_windpwr_gray],
                                       &pngImg[PNG_menu_right_icon_windpwr], str_menu_txt_windpwr_idx, 4, 0};
    static const MenuItem bLightItm = {&pngImg[PNG_menu_right_icon_sun_gray], &pngImg[PNG_menu_right_icon_sun],
                                       str_menu_txt_brightness_idx, 4, 0};
    static const MenuItem mediaItm = {&pngImg[PNG_menu_right_icon_mediasrc_gray],
                                      &pngImg[PNG_menu_right_icon_mediasrc], str_menu_txt_mediasrc_idx, 3, 0};
    static const MenuItem wndModeItm = {&pngImg[PNG_menu_right_icon_windmd_gray],
                                        &pngImg[PNG_menu_right_icon_windmd], str_menu_txt_windmode_idx, 4, 0};
    static const MenuItem vrsItm = {&tgaImg[TGA_menu_icon_version], &tgaImg[TGA_menu_icon_version],
                                    str_menu_txt_verinfo_idx, 4, 0};
    static const MenuItem* const all[5] = {&tempItm, &wndPwrItm, &bLightItm, &mediaItm, &wndModeItm};
    static const UInt08 bits[5] = {0, 1, 2, 3, 4};
    static const ShowMenusListStyle style = {1, 1, 0.0f, 0.2f, 1468};

    mShowMenus.list.drawn = 0;
    if (menuId != MENU_LIST) return 0;
    ShowLoadTga(TGA_menu_icon_version);
    for (Int32 id = PNG_menu_right_icon_mediasrc; id <= PNG_menu_right_icon_windpwr_gray; id++) ShowLoadPng(id);

    const MenuItem* items[6];
    Int32 cursor = OrvShared_Load(MenuLstCursor);
    Int32 count = ShowMenus_Present(all, bits, 5, OrvShared_Load(MenuLstFlg.value), items, &cursor);
    items[count++] = &vrsItm;
    if (cursor >= count) cursor = count - 1;
    ShowMenus_DrawList(items, count, cursor, style, &mShowMenus.list);
    return 1;
}

// Both selections use the second-level pictures.
static void ShowMenus_LoadSecondLevel(void)
{
    for (Int32 id = TGA_menu_2nd_bg; id <= TGA_menu_2nd_icon_radio_tbook; id++) ShowLoadTga(id);
}

void ShowMenuWindyModeSelecting(UInt08 menuId)
{
    static const MenuItem menuItm[4] = {
        {&tgaImg[TGA_menu_2nd_icon_windymode_up], nullptr, str_menu_txt_windmode_up_idx, 2, 0},
        {&tgaImg[TGA_menu_icon_windymode], nullptr, str_menu_txt_windmode_up_and_down_idx, 4, 0},
        {&tgaImg[TGA_menu_2nd_icon_windymode_down], nullptr, str_menu_txt_windmode_down_idx, 2, 0},
        {&tgaImg[TGA_menu_2nd_icon_windymode_side], nullptr, str_menu_txt_windmode_side_idx, 4, 0},
    };
    static const MenuItem* const items[4] = {&menuItm[0], &menuItm[1], &menuItm[2], &menuItm[3]};
    // Drawn twice: the picture's translucent pixels come out stronger than a single draw.
    static const ShowMenusListStyle style = {0, 2, 0.0f, 0.2f, 1476};

    mShowMenus.windyMode.drawn = 0;
    if (menuId != MENU_AC_WIND_MODE) return;
    ShowMenus_LoadSecondLevel();
    const UInt08 windyMode = OrvShared_Load(MenuWindyMode);
    const Int32 cursor = windyMode > 3 ? 3 : windyMode;
    ShowMenus_DrawList(items, 4, cursor, style, &mShowMenus.windyMode);
}

void ShowMenuMediaSrcSelecting(UInt08 menuId)
{
    static const MenuItem itmLocalMusic = {&tgaImg[TGA_menu_2nd_icon_music_local], nullptr,
                                           str_menu_txt_localmusic_idx, 2, 0};
    static const MenuItem itmAudioBook = {&tgaImg[TGA_menu_2nd_icon_radio_tbook], nullptr,
                                          str_menu_txt_audiobook_idx, 4, 0};
    static const MenuItem itmBluTooth = {&tgaImg[TGA_menu_2nd_icon_music_blt], nullptr, str_menu_txt_bluetooth_idx,
                                         4, 0};
    static const MenuItem itmLocalRadio = {&tgaImg[TGA_menu_2nd_icon_radio_local], nullptr,
                                           str_menu_txt_localradio_idx, 4, 0};
    static const MenuItem* const all[4] = {&itmLocalMusic, &itmAudioBook, &itmBluTooth, &itmLocalRadio};
    static const UInt08 bits[4] = {0, 4, 3, 1};
    static const ShowMenusListStyle style = {0, 2, 0.4f, 0.6f, 1468};

    mShowMenus.mediaSrc.drawn = 0;
    if (menuId != MENU_MEDIA_SRC) return;
    ShowMenus_LoadSecondLevel();
    const MenuItem* items[4];
    Int32 cursor = OrvShared_Load(MenuMediaSrcState.value) & 0x0F;
    const Int32 count = ShowMenus_Present(all, bits, 4, OrvShared_Load(MenuMediaSrcFlg.value), items, &cursor);
    if (count == 0) return;
    if (cursor >= count) cursor = count - 1;
    ShowMenus_DrawList(items, count, cursor, style, &mShowMenus.mediaSrc);
}

// ---- Last-used icon -------------------------------------------------------------------------

void ShowMenuNull(UInt08 menuId)
{
    static const Int32 byLastId[MENU_MAX_AVAILABLE] = {
        -1, -1, PNG_menu_right_icon_temp_gray, PNG_menu_right_icon_windpwr_gray, PNG_menu_right_icon_sun_gray,
        PNG_menu_right_icon_mediasrc_gray, PNG_menu_right_icon_windmd_gray,
    };
    mShowMenus.nullIcon = -1;
    if (menuId != MENU_NULL) return;
    const UInt08 last = OrvShared_Load(MenuLastID);
    const Int32 id = last < MENU_MAX_AVAILABLE ? byLastId[last] : -1;
    if (id < 0) return;
    ShowLoadPng(id);
    ShowBeginTexture();
    ShowMenus_DrawCentred(&pngImg[id], 1783, 338);
    ShowEndTexture();
    mShowMenus.nullIcon = id;
}

// ---- Value screens --------------------------------------------------------------------------

struct ShowMenusValueMenu {
    const UInt08* value;
    Int32 limit;
    Int32 icon;
    const UInt32* tip;
    const UInt32* unit;     // null: no unit
};

// Glyph pictures of the value, last position first: tenths, point, units, tens for temperature
// (shown in tenths of a degree, 18.0 to 32.0); units, tens, hundreds otherwise.
static Int32 ShowMenus_ValueGlyphsBackward(Int08 menu, Int32 number, Int32* out)
{
    Int32 n = 0;
    UInt32 rest = (UInt32)number;
    if (menu == MENU_AC_TEMP) {
        rest = rest * 5 + 180;
        out[n++] = PNG_ui3_speed_digit_0 + (Int32)(rest % 10);
        out[n++] = PNG_ui3_speed_digit_dot;
        rest /= 10;
    }
    const Int32 most = menu == MENU_BLIGHT ? 3 : 2;  // digits left of the point at most
    for (Int32 d = 0; d < most; d++) {
        out[n++] = PNG_ui3_speed_digit_0 + (Int32)(rest % 10);
        rest /= 10;
        if (rest == 0) break;
    }
    return n;
}

// The value in digit pictures at half size, centred on (1510, 343) on a common base line; returns
// the total advance.
static Int32 ShowMenus_DrawValueDigits(Int08 menu, Int32 number)
{
    Int32 backward[4];
    const Int32 n = ShowMenus_ValueGlyphsBackward(menu, number, backward);
    const Image* zero = &pngImg[PNG_ui3_speed_digit_0];
    const Int32 advance = zero->w * 67 / 118;
    const Int32 total = advance * n;
    const Vec2i anchor = txtPos[CTP_MenuValueSetTxt];
    Int32 penX = anchor.x - total / 2;
    mShowMenus.valueGlyphNum = n;
    for (Int32 i = 0; i < n; i++) {
        const Int32 id = backward[n - 1 - i];
        const Image* g = &pngImg[id];
        Recti r = {penX + (advance - g->w / 2) / 2, anchor.y + zero->h / 4 - g->h / 2, g->w / 2, g->h / 2};
        ShowDrawImageRect(g, r);
        mShowMenus.valueGlyph[i] = id;
        mShowMenus.valueGlyphRect[i] = r;
        penX += advance;
    }
    return total;
}

void ShowMenuValueSetting(Int08 menuId)
{
    static const ShowMenusValueMenu menus[3] = {
        {&MenuTemperature, 28, PNG_menu_right_icon_settemp, str_menu_txt_temperature_idx, str_unit_temperature_idx},
        {&MenuWindyPower, 7, PNG_menu_right_icon_setwindpwr, str_menu_tips_windpwr_idx, nullptr},
        {&MenuBrightness, 100, PNG_menu_right_icon_setsun, str_menu_tips_brightness_idx, nullptr},
    };
    static Int08 preMenuId = -1;
    static UInt32 duration = 0;
    static GLfloat invAlpha = 1.0f;

    if (menuId != MENU_AC_TEMP && menuId != MENU_AC_WIND_PWR && menuId != MENU_BLIGHT) {
        preMenuId = -1;
        mShowMenus.valueMenu = -1;
        return;
    }
    if (menuId != preMenuId) {
        preMenuId = menuId;
        duration = 0;
        invAlpha = 1.0f;
    }
    // The digits are the speed readout's pictures; loading them here keeps them from coming out
    // empty before the speed readout or the left pop-up has been shown.
    for (Int32 id = PNG_menu_right_icon_mediasrc; id <= PNG_menu_right_value_set_progress; id++) ShowLoadPng(id);
    for (Int32 id = PNG_ui3_speed_digit_0; id <= PNG_ui3_speed_digit_dot; id++) ShowLoadPng(id);

    if (duration <= 999) {
        duration += (UInt32)mFrameTimeMs;
        if (duration > 1000) duration = 1000;
        invAlpha = 1.0f - duration * 0.001f;
    }

    const ShowMenusValueMenu& m = menus[menuId - MENU_AC_TEMP];
    Int32 number = OrvShared_Load(*m.value);
    Flt32 rate;
    if (number > m.limit) {
        number = m.limit;
        rate = 1.0f;
    } else {
        rate = (Flt32)number / (Flt32)m.limit;
    }

    ShowBeginTexture();
    ShowTextureAlpha(invAlpha);
    ShowDrawImage(&pngImg[PNG_menu_right_value_set_bg]);
    ShowDrawImage(&pngImg[PNG_menu_right_shadow]);
    const Image* bar = &pngImg[PNG_menu_right_value_set_progress];
    ShowTextureAlpha(0.7f + 0.3f * invAlpha);
    ShowDrawImage(bar);
    ShowTextureAlpha(invAlpha);
    ShowDrawImage(&pngImg[m.icon]);

    const Int32 bottom = bar->lty + bar->h;
    Recti fill = {bar->ltx, (Int32)(bottom - bar->h * rate), bar->w, (Int32)(bar->h * rate)};
    ShowDrawImageRect(bar, fill);
    const Image* cur = &pngImg[PNG_menu_right_value_set_pcursor];
    Recti cursor = {cur->ltx, fill.y - cur->h / 2, cur->w, cur->h};
    ShowDrawImageRect(cur, cursor);
    const Int32 total = ShowMenus_DrawValueDigits(menuId, number);
    ShowEndTexture();

    // The texts do not fade.
    const Vec2i anchor = txtPos[CTP_MenuValueSetTxt];
    ShowBeginFont();
    mShowMenus.valueUnitX = -1;
    if (m.unit != nullptr) {
        mShowMenus.valueUnitX = anchor.x + total / 2 + 10;
        ShowText(mShowMenus.valueUnitX, anchor.y, fs_MenuValueSetUnit, Style_SiYuan_M, m.unit, 2,
                 TXT_ALIGN_LEFT | TXT_ALIGN_BOTTOM, colorGray, 0.0f);
    }
    ShowText(anchor.x, anchor.y + 50, fs_MenuTipsTxt, Style_SiYuan_M, m.tip, 4, TXT_ALIGN_HCENTER | TXT_ALIGN_VCENTER,
             colorDarkGray, 0.0f);
    ShowEndFont();

    mShowMenus.valueMenu = menuId;
    mShowMenus.valueInvAlpha = invAlpha;
    mShowMenus.valueNumber = number;
    mShowMenus.valueRate = rate;
    mShowMenus.valueFill = fill;
    mShowMenus.valueCursor = cursor;
}

// ---- Version --------------------------------------------------------------------------------

void ShowMenuVersion(UInt08 menuId)
{
    static UInt32 str_ver_sw[20];
    static UInt32 strVerSwLen = 0;

    if (menuId != MENU_VERSION) return;
    if (strVerSwLen == 0) {
        // Assembled back to front, numbers least significant digit first, then reversed in place,
        // so that numbers of several digits come out in order.
        static const UInt32 version[3] = {0, 3, 7};
        char rev[20];
        Int32 n = 0;
        rev[n++] = 'b';
        for (Int32 i = 2; i >= 0; i--) {
            UInt32 v = version[i];
            do {
                rev[n++] = (char)('0' + v % 10);
                v /= 10;
            } while (v != 0);
            if (i > 0) rev[n++] = '.';
        }
        for (const char* p = "v :WS"; *p; p++) rev[n++] = *p;
        for (Int32 i = 0; i < n; i++) str_ver_sw[i] = (UInt32)GetAssicIdx(rev[n - 1 - i]);
        strVerSwLen = (UInt32)n;
        memcpy(mShowMenus.version, str_ver_sw, sizeof(str_ver_sw));
        mShowMenus.versionLen = strVerSwLen;
    }
    static const Int32 size[3] = {40, 60, 2};
    ShowBeginFont();
    ShowText(1468, 360, size, Style_SiYuan_R, str_ver_sw, (GLint)strVerSwLen, TXT_ALIGN_LEFT | TXT_ALIGN_VCENTER,
             colorWhite, 0.0f);
    ShowEndFont();
}

// ---- Left pop-up ----------------------------------------------------------------------------

// A digit picture at two thirds of its size with its top-left point.
static Recti ShowMenus_LeftDigit(Int32 digit, Int32 left, Int32 labelTop, Int32 slot)
{
    const Image* g = &pngImg[PNG_ui3_speed_digit_0 + digit];
    Recti r = {left, 0, 2 * g->w / 3, 2 * g->h / 3};
    r.y = labelTop - r.h - 10;
    ShowDrawImageRect(g, r);
    mShowMenus.leftDigit[slot] = digit;
    mShowMenus.leftDigitRect[slot] = r;
    mShowMenus.leftDigitNum = slot + 1;
    return r;
}

static Int32 ShowMenus_DigitWidth(Int32 digit)
{
    return 2 * pngImg[PNG_ui3_speed_digit_0 + digit].w / 3;
}

// Track, fill, cursor and level digits of a sound level.
static void ShowMenus_SoundLevel(Int32 level, GLfloat invAlpha)
{
    const Image* bar = &tgaImg[TGA_menu_left_progress_bar];
    ShowTextureAlpha(0.5f + 0.5f * invAlpha);
    ShowDrawImage(bar);
    ShowTextureAlpha(invAlpha);
    ShowDrawImage(&tgaImg[TGA_menu_left_icon_voice]);

    Recti fill = ShowImageRect(bar);
    if (level <= 29) {
        fill.h = level * bar->h / 30;
        fill.y = bar->lty + bar->h - fill.h;
    } else {
        level = 30;
    }
    ShowDrawImageRect(bar, fill);
    const Image* cur = &tgaImg[TGA_menu_left_progress_cursor];
    Recti c = {cur->ltx, fill.y - cur->h / 2, cur->w, cur->h};
    ShowDrawImageRect(cur, c);
    mShowMenus.leftFill = fill;
    mShowMenus.leftLevel = level;

    const Image* label = &tgaImg[TGA_menu_left_txt_voice_media];
    const Int32 cx = label->ltx + label->w / 2;
    if (level <= 9) {
        ShowMenus_LeftDigit(level, cx - ShowMenus_DigitWidth(level) / 2, label->lty, 0);
    } else {
        ShowMenus_LeftDigit(level / 10, cx - pngImg[PNG_ui3_speed_digit_0].w * 134 / 177, label->lty, 0);
        ShowMenus_LeftDigit(level % 10, cx, label->lty, 1);
    }
}

Int08 ShowMenuLeft(UInt08 menuID)
{
    static UInt08 premenuID = 255;
    static UInt08 menuValue[MENU_LEFT_NUM] = {0, 255, 255, 255, 255};
    static UInt08 ID = 0;
    static UInt16 duration = 0;
    static GLfloat invAlpha = 0.0f;
    static Int08 preVisible = 0;

    mShowMenus.leftDrawn = 0;
    if (menuID == MENU_LEFT_ACC) {
        const UInt08 value = OrvShared_Load(MenuLeftValue[MENU_LEFT_ACC]);
        if (menuID != premenuID || value != menuValue[MENU_LEFT_ACC]) duration = 0;
        menuValue[MENU_LEFT_ACC] = value;
        ID = MENU_LEFT_ACC;
    } else if (menuID >= MENU_LEFT_VOICE_MEDIA && menuID <= MENU_LEFT_VOICE_PHONE) {
        const UInt08 value = OrvShared_Load(MenuLeftValue[menuID]);
        if (value != menuValue[menuID]) {
            ID = menuID;
            menuValue[menuID] = value;
            duration = 0;
        } else if (menuID != premenuID) {
            ID = premenuID;  // the identifier of the previous call, without a restart
        }
    } else {
        // Hidden at once; premenuID keeps the last menu, so the same menu comes back whole.
        duration = 0;
        preVisible = 0;
        mShowMenus.leftDuration = duration;
        return 0;
    }
    premenuID = menuID;

    mShowMenus.leftDuration = duration;
    if (duration > 2999) {
        preVisible = 0;
        return 0;
    }
    duration = (UInt16)(duration + mFrameTimeMs);

    if (preVisible == 0) {
        for (Int32 id = TGA_menu_left_acc_1; id <= TGA_menu_left_txt_voice_phone; id++) ShowLoadTga(id);
        for (Int32 id = PNG_ui3_speed_digit_0; id <= PNG_ui3_speed_digit_0 + 9; id++) ShowLoadPng(id);
        invAlpha = 1.0f;
        preVisible = 1;
    }
    if (invAlpha > 0.0f) {
        invAlpha -= mFrameTimeMs * 0.001f;
        if (invAlpha < 0.0f) invAlpha = 0.0f;
    }

    mShowMenus.leftDrawn = 1;
    mShowMenus.leftId = ID;
    mShowMenus.leftInvAlpha = invAlpha;
    mShowMenus.leftFill = Recti{0, 0, 0, 0};
    mShowMenus.leftLabel = mShowMenus.leftAccPicture = -1;
    mShowMenus.leftDigitNum = 0;

    ShowBeginTexture();
    ShowTextureAlpha(invAlpha);
    ShowDrawImage(&tgaImg[TGA_menu_left_shadow]);
    ShowDrawImage(&tgaImg[TGA_menu_left_bg]);
    if (ID != MENU_LEFT_ACC) ShowMenus_SoundLevel(menuValue[ID < MENU_LEFT_NUM ? ID : 0], invAlpha);

    static const Int32 labels[MENU_LEFT_NUM] = {-1, TGA_menu_left_txt_voice_media, TGA_menu_left_txt_voice_ai,
                                                TGA_menu_left_txt_voice_phone, TGA_menu_left_txt_acc};
    ShowTextureAlpha(invAlpha);
    const Int32 label = ID < MENU_LEFT_NUM ? labels[ID] : -1;
    if (label >= 0) {
        ShowDrawImage(&tgaImg[label]);
        mShowMenus.leftLabel = label;
    }
    if (ID == MENU_LEFT_ACC) {
        Int32 level = menuValue[MENU_LEFT_ACC];
        if (level < 1) level = 1;
        if (level > 5) level = 5;
        const Int32 pic = TGA_menu_left_acc_1 + level - 1;
        ShowDrawImage(&tgaImg[pic]);
        mShowMenus.leftAccPicture = pic;
        mShowMenus.leftLevel = level;
        const Image* acc = &tgaImg[TGA_menu_left_txt_acc];
        ShowMenus_LeftDigit(level, acc->ltx + acc->w / 2 - ShowMenus_DigitWidth(level) / 2, acc->lty, 0);
    }
    ShowEndTexture();
    return 1;
}

// The charging screen. Pictures come from the tables at their stored places and load on first use;
// the sequence's even pictures load together on the first entry into charging, the odd ones when
// first drawn.
#include "OrvRender/Screens/ShowCharging.h"

#include <algorithm>
#include <cstring>

#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Screens/ShowCommon.h"
#include "Protocol/MainBoard_IIC_App.h"

static ShowChargingView mShowCharging;

const ShowChargingView* ShowCharging_View(void)
{
    return &mShowCharging;
}

namespace {

// The pictures of one group of charging states; -1 = none.
struct ChargeGroup {
    Int32 background, icon, barBackground, bar, light, hint1, hint2;
    Int08 animated;      // sequence, running light and remaining time
    Int08 stillLight;    // the light squeezed to the end of the filled bar
    Int32 barBackDy;     // the bar background's offset below its stored place
};

const ChargeGroup kPreparing = {PNG_charge_background_normal, PNG_charge_ready, PNG_charge_ready_background,
                                PNG_charge_ready_progress, PNG_charge_ready_bright, PNG_charge_hint_ready, -1,
                                0, 1, 0};
const ChargeGroup kCharging = {PNG_charge_background_charging, PNG_charge_charging, PNG_charge_charging_background,
                               PNG_charge_charging_progress, PNG_charge_charging_bright, PNG_charge_hint_charging,
                               -1, 1, 0, 0};
const ChargeGroup kFinish = {PNG_charge_background_normal, PNG_charge_charging, PNG_charge_full,
                             PNG_charge_charging_progress, -1, PNG_charge_hint_finish, PNG_charge_hint_pull_gun,
                             0, 0, 1};
const ChargeGroup kDeviceError = {PNG_charge_background_normal, PNG_charge_error, PNG_charge_ready_background,
                                  PNG_charge_ready_progress, PNG_charge_ready_bright, PNG_charge_hint_stop,
                                  PNG_charge_hint_contact_maintenance, 0, 1, 0};
const ChargeGroup kOther = {PNG_charge_background_normal, -1, PNG_charge_ready_background,
                            PNG_charge_ready_progress, PNG_charge_ready_bright, -1, -1, 0, 1, 0};

const ChargeGroup& ChargeGroupOf(UInt08 state)
{
    switch (state) {
    case CHARGE_PREPARING: return kPreparing;
    case CHARGE_CHARGING:
    case CHARGE_FAST: return kCharging;
    case CHARGE_FINISH: return kFinish;
    case CHARGE_DEV_ERR: return kDeviceError;
    default: return kOther;
    }
}

bool IsAnimated(UInt08 state)
{
    return state == CHARGE_CHARGING || state == CHARGE_FAST;
}

// The charging sequence: an intro from its first picture to the loop's first, then the loop.
constexpr UInt32 kSeqFirst = PNG_Charge_Charging_000;
constexpr UInt32 kSeqLoop = PNG_Charge_Charging_000 + 21;
constexpr UInt32 kSeqLast = PNG_Charge_Charging_000 + 43;
constexpr UInt32 kSeqFrameMs = 50;

// The bar's left edge, the light's travel limit left of it and the wait before the first display.
constexpr Int32 kBarLeft = 778;
constexpr Int32 kLightEnd = 643;
constexpr UInt32 kFirstWaitMs = 300;

// Range number: centre line, top, gaps by digit count.
constexpr Int32 kRangeCentre = 1017;
constexpr Int32 kRangeTop = 360;
constexpr Int32 kRangeGap[4] = {0, 20, 30, 40};

// Remaining-time line.
constexpr Int32 kTimeLeft = 253;
constexpr Int32 kTimeNumberTop = 275;
constexpr Int32 kTitleSize[3] = {28, 42, 2};
constexpr Int32 kUnitSize[3] = {30, 48, 2};

Image& Pic(Int32 id) { return pngImg[id]; }

// Loads picture id if it has never been tried; true when it can be drawn.
bool Ready(Int32 id)
{
    if (pngStatus[id] == Png_Unload) ShowLoadPng(id);
    return pngStatus[id] == Png_TexGen;
}

void Record(Int32 id, const Recti& r)
{
    ShowChargingView& v = mShowCharging;
    if (v.picNum >= SHOW_CHARGING_PICS_MAX) return;
    v.picId[v.picNum] = id;
    v.picRect[v.picNum] = r;
    v.picNum++;
}

// Picture id in rect (texture coordinates txc) with the bound texture program.
void DrawPic(Int32 id, Recti rect, GLfloat* txc = QuadTexCoords)
{
    if (id < 0 || !Ready(id)) return;
    ShowDrawImageRect(&Pic(id), rect, txc);
    Record(id, rect);
}

void DrawPicAt(Int32 id, Int32 dy = 0)
{
    if (id < 0) return;
    Recti r = ShowImageRect(&Pic(id));
    r.y += dy;
    DrawPic(id, r);
}

// The bar picture's rectangle cut to the filled part.
Recti FilledBar(Int32 barId, Flt32 rate)
{
    Recti r = ShowImageRect(&Pic(barId));
    r.w = (Int32)((Flt32)r.w * rate);
    return r;
}

// The light's inverted opacity from how far its left edge still lies left of the bar.
Flt32 LightInvAlpha(Int32 x)
{
    static const struct { Int32 before; Flt32 invAlpha; } steps[] = {
        {100, 1.0f}, {80, 0.8f}, {60, 0.6f}, {40, 0.4f}, {20, 0.2f}};
    for (const auto& s : steps)
        if (x < kBarLeft - s.before) return s.invAlpha;
    return 0.0f;
}

// Milliseconds per pixel of the running light: slower on a low battery.
UInt32 LightMsPerPixel(UInt08 battery)
{
    return battery <= 19 ? 11 : battery <= 39 ? 7 : 4;
}

void RunningLight(const ChargeGroup& g, UInt08 battery, Flt32 rate, UInt32* durationProgress)
{
    if (!Ready(g.light)) return;
    Recti window = FilledBar(g.bar, rate);
    Recti light = ShowImageRect(&Pic(g.light));
    light.x += (Int32)(*durationProgress / LightMsPerPixel(battery));
    Flt32 invAlpha = LightInvAlpha(light.x);
    if (light.x > window.w + kLightEnd) {
        light = ShowImageRect(&Pic(g.light));
        *durationProgress = 0;
        invAlpha = 1.0f;
    }
    ShowTextureAlpha(invAlpha);
    // The texture program has no per-vertex opacity: the roll's opacity stream stays unbound (-1).
    DrawGlHorRollPicRect(SHOW_Z, &window, Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc, -1, 0, &light,
                         Pic(g.light).tex);
    mShowCharging.light = 1;
    mShowCharging.lightRect = light;
    mShowCharging.lightInvAlpha = invAlpha;
    Record(g.light, light);
}

void StillLight(const ChargeGroup& g, Flt32 rate)
{
    Recti window = FilledBar(g.bar, rate);
    Recti light = ShowImageRect(&Pic(g.light));
    light.w = (Int32)((Flt32)light.w * rate);
    light.x = window.x + window.w - light.w;
    ShowTextureAlpha(0.0f);
    DrawPic(g.light, light);
    mShowCharging.light = 2;
    mShowCharging.lightRect = light;
    mShowCharging.lightInvAlpha = 0.0f;
}

// The range in up to three digit pictures at four fifths of their size, then the km unit.
void RangeNumber(UInt16 range)
{
    UInt08 digit[3];
    Int32 n = 0;
    if (range > 99) digit[n++] = (UInt08)((range % 1000) / 100);
    if (range > 9) digit[n++] = (UInt08)((range % 100) / 10);
    digit[n++] = (UInt08)(range % 10);

    const Image& km = Pic(PNG_charge_range_unit_km);
    Int32 sumW = 0;
    for (Int32 i = 0; i < n; i++) sumW += Pic(PNG_ui3_speed_digit_0 + digit[i]).w;
    Int32 total = (Int32)((Flt32)(sumW * 4 / 5) + 1.2f * (Flt32)km.w + (Flt32)kRangeGap[n]);

    Int32 x = kRangeCentre - total / 2;
    mShowCharging.rangeLen = n;
    for (Int32 i = 0; i < n; i++) {
        Int32 id = PNG_ui3_speed_digit_0 + digit[i];
        const Image& d = Pic(id);
        Int32 w = d.w * 4 / 5;
        DrawPic(id, Recti{x, kRangeTop, w, d.h * 4 / 5});
        mShowCharging.rangeDigit[i] = digit[i];
        mShowCharging.rangeX[i] = x;
        x += w * 4 / 5 + 20;
    }
    Recti kmRect = {x, km.lty, (Int32)((Flt32)km.w * 1.2f), (Int32)((Flt32)km.h * 1.2f)};
    DrawPic(PNG_charge_range_unit_km, kmRect);
    mShowCharging.kmRect = kmRect;
}

// A picture of the charging sequence at its place, a quarter larger than stored.
void DrawSequencePicture(UInt32 idx)
{
    if (idx < kSeqFirst || idx > kSeqLast) return;
    mShowCharging.seqIdx = (Int32)idx;
    ShowTextureAlpha(0.0f);
    if (!Ready((Int32)idx)) return;
    const Image& p = Pic((Int32)idx);
    DrawPic((Int32)idx, Recti{p.ltx, p.lty, (Int32)((Flt32)p.w * 1.25f), (Int32)((Flt32)p.h * 1.25f)});
}

// ---- Remaining time ---------------------------------------------------------------------------

void TimePiece(ShowChargeTimePart part, Int32 x, Int32 value, const GLfloat* color)
{
    ShowChargingView& v = mShowCharging;
    if (v.timeNum >= SHOW_CHARGING_TIME_PARTS_MAX) return;
    v.timePart[v.timeNum] = part;
    v.timeX[v.timeNum] = x;
    v.timeValue[v.timeNum] = value;
    v.timeColor[v.timeNum] = color;
    v.timeNum++;
}

// One text of the basic table with the font program; returns its drawn width.
Int32 TimeText(ShowChargeTimePart part, Int32 x, Int32 y, const Int32* size, const UInt32* txt, Int32 len,
               Int32 layout, const GLfloat* color)
{
    GLint width = 0;
    ShowBeginFont();
    ShowText(x, y, size, Style_SiYuan_M, txt, len, layout, color, 0.0f, &width);
    ShowEndFont();
    TimePiece(part, x, 0, color);
    return width;
}

// A number of digit pictures at 0.6 of their size from kTimeLeft + *a; moves *a past it.
void TimeNumber(UInt32 n, Int32* a)
{
    Int32 x0 = kTimeLeft + *a;
    ShowBeginTexture();
    auto digit = [a](UInt32 d, Int32 gap) {
        Int32 id = PNG_ui3_speed_digit_0 + (Int32)d;
        const Image& img = Pic(id);
        Int32 w = (Int32)((Flt32)img.w * 0.6f);
        DrawPic(id, Recti{kTimeLeft + *a, kTimeNumberTop, w, (Int32)((Flt32)img.h * 0.6f)});
        *a += w + gap;
    };
    UInt32 shown = n;
    if (n > 9) {
        n %= 100;
        shown = n;
        digit(n / 10, 6);
        n %= 10;
    }
    digit(n, 12);
    ShowEndTexture();
    TimePiece(SHOW_CHARGE_TIME_NUMBER, x0, (Int32)shown, nullptr);
}

void RemainingTime(UInt16 minutes)
{
    const UInt32 hour = minutes / 60, min = minutes % 60;
    Int32 a = 0;
    auto title = [] {
        TimeText(SHOW_CHARGE_TIME_TITLE, 248, 218, kTitleSize, str_charge_left_time_idx, 4,
                 TXT_ALIGN_LEFT | TXT_ALIGN_TOP, colorGray);
    };
    auto unit = [](ShowChargeTimePart part, Int32 x, const GLfloat* color) {
        const UInt32* txt = part == SHOW_CHARGE_TIME_HOUR ? str_charge_unit_hour_idx : str_charge_unit_minute_idx;
        return TimeText(part, x, 318, kUnitSize, txt, 2, TXT_ALIGN_LEFT | TXT_ALIGN_VCENTER, color);
    };
    auto status = [](ShowChargeTimePart part, const UInt32* txt, Int32 len) {
        TimeText(part, 245, 315, fontSize_SiYuan_M_46, txt, len, TXT_ALIGN_LEFT | TXT_ALIGN_VCENTER, colorWhite);
    };

    if (hour == 1 && min == 0) {
        title();
        TimeNumber(60, &a);
        unit(SHOW_CHARGE_TIME_MINUTE, kTimeLeft + a, colorDarkGray);
    } else if (hour >= 1) {
        title();
        TimeNumber(hour, &a);
        a += unit(SHOW_CHARGE_TIME_HOUR, kTimeLeft + a, colorGray) + 10;
        if (min > 0) {
            TimeNumber(min, &a);
            unit(SHOW_CHARGE_TIME_MINUTE, kTimeLeft + a, colorGray);
        }
    } else if (min == 0) {
        title();
        status(SHOW_CHARGE_TIME_CALCULATING, str_charge_time_calculating_idx, 3);
    } else if (min <= 5) {
        status(SHOW_CHARGE_TIME_ALMOST_DONE, str_charge_almost_finished_idx, 6);
    } else {
        title();
        TimeNumber(min, &a);
        unit(SHOW_CHARGE_TIME_MINUTE, kTimeLeft - 5 + a, colorGray);
    }
}

}  // namespace

void ShowChargineUI(Int08 visible, UInt08 battery, UInt16 range)
{
    static Int08 preVisible = 0;
    static UInt08 preState = 0xFF;
    static Int08 FIRST = 1;
    static UInt32 wait = 0;
    static Int08 IF_ONCE = 1;
    static UInt32 duration_animation = 0, duration_progress = 0;
    static UInt32 Idx_begin = 255, Idx_loop = 255, Idx_end = 255, Idx = 255;
    static GLfloat barTxc[8] = {0, 0, 1, 0, 1, 1, 0, 1};

    ShowChargingView& v = mShowCharging;
    v.drawn = 0;
    v.picNum = 0;
    v.timeNum = 0;
    v.light = 0;
    v.seqIdx = -1;
    if (visible == 0) {
        duration_animation = duration_progress = wait = 0;
        return;
    }
    if (preVisible == 0) {
        for (Int32 id = PNG_ui3_speed_digit_0; id <= PNG_ui3_speed_digit_0 + 9; id++) ShowLoadPng(id);
        preState = 0xFF;
        preVisible = 1;
        duration_animation = duration_progress = wait = 0;
    }
    if (battery == 0xFF) battery = 0;
    if (battery > 100) battery = 100;

    duration_animation += (UInt32)mFrameTimeMs;
    duration_progress += (UInt32)mFrameTimeMs;
    if (FIRST) wait += (UInt32)mFrameTimeMs;

    const UInt08 state = OrvShared_Load(ChargingState);
    if (state != preState && !FIRST) {
        preState = state;
        IF_ONCE = 1;
        duration_animation = 0;
        if (IsAnimated(state)) {
            if (pngStatus[kSeqFirst] == Png_Unload)
                for (UInt32 id = kSeqFirst; id <= kSeqLast; id += 2) ShowLoadPng((Int32)id);
            Idx_begin = kSeqFirst;
            Idx_loop = kSeqLoop;
            Idx_end = kSeqLast;
        }
    }
    const ChargeGroup& g = ChargeGroupOf(state);
    const Flt32 rate = (Flt32)battery / 100.0f;
    v.drawn = 1;
    v.state = preState;

    ShowBeginTexture();
    DrawPicAt(g.background);
    DrawPicAt(PNG_charge_background_car);
    DrawPicAt(g.barBackground, g.barBackDy);
    barTxc[2] = barTxc[4] = rate;
    Recti bar = FilledBar(g.bar, rate);
    v.barW = bar.w;
    DrawPic(g.bar, bar, barTxc);
    if (g.animated) DrawPicAt(PNG_charge_number_shadow);
    DrawPicAt(PNG_charge_status_shadow);

    v.waiting = FIRST;
    if (FIRST) {
        if (wait > kFirstWaitMs) {
            duration_animation = duration_progress = wait = 0;
            FIRST = 0;
        }
    } else {
        if (g.animated && Idx_begin != 255) {
            v.seqIntro = IF_ONCE;
            if (IF_ONCE) {
                // The intro ends on the loop's first picture, never beyond it.
                Idx = std::min(Idx_begin + duration_animation / kSeqFrameMs, Idx_loop);
                if (Idx >= Idx_loop) {
                    IF_ONCE = 0;
                    Idx_begin = Idx_loop;
                    duration_animation = 0;
                }
                DrawSequencePicture(Idx);
            } else {
                DrawSequencePicture(Idx);
                // A long frame at the loop's end stops on its last picture rather than running
                // into the pictures that follow the sequence in the table.
                Idx = Idx_begin + duration_animation / kSeqFrameMs;
                if (Idx >= Idx_end) {
                    Idx = Idx_end;
                    duration_animation = 0;
                }
            }
        }
        if (g.animated)
            RunningLight(g, battery, rate, &duration_progress);
        else if (g.stillLight)
            StillLight(g, rate);
        if (!g.animated) DrawPicAt(PNG_charge_number_shadow);
        ShowTextureAlpha(0.0f);
        DrawPicAt(g.icon);
        DrawPicAt(g.hint1);
        DrawPicAt(g.hint2);
    }
    ShowTextureAlpha(0.0f);
    RangeNumber(range);
    ShowEndTexture();

    const UInt16 timeNeed = OrvShared_Load(ChargingTimeNeed);
    if (timeNeed != 0xFFFF && IsAnimated(state)) RemainingTime(timeNeed);
}

// The hint and alarm pop-ups on a real GL context (software Mesa), frame by frame with a driven
// frame time: what each pop-up latched and built, where its lines, icons and backgrounds land,
// how it cross-fades, and the blink band. Every hint and alarm is rendered once into two contact
// sheets in the build's snapshots folder.
//
// The pop-ups keep their state in function statics for the life of the process: the first test
// looks at the state before any set-up, the others first bring the pop-up they look at into a
// known state.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "OrvRender/Render.h"
#include "OrvRender/RenderState.h"
#include "OrvRender/RenderUtils.h"
#include "OrvRender/Res_BmpPool.h"
#include "OrvRender/Res_Font.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Shader.h"
#include "OrvRender/Res_Tga.h"
#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Res_TxtHintAlarm.h"
#include "OrvRender/Screens/Show.h"
#include "OrvRender/Screens/ShowCommon.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "Snapshot.h"
#include "platform/OrvPlatform.h"
#include "support/RenderTestGl.h"
#include "support/StdoutCapture.h"

namespace {

// Character codes of a text of the hint/alarm table, and of codes as a pop-up built them.
std::u32string Text(const unsigned int* txt)
{
    std::u32string s;
    for (; *txt; txt++) s += (char32_t)HintAlarm_FONT_CODE[*txt];
    return s;
}
std::u32string Shown(const UInt32* codes)
{
    std::u32string s;
    for (; *codes; codes++) s += (char32_t)*codes;
    return s;
}
std::u32string Ascii(const char* s)
{
    return std::u32string(s, s + strlen(s));
}

// Bounding box of the pixels of r brighter than a dark background, w = 0 when none.
Recti LitBox(const Recti& r, int threshold = 60)
{
    std::vector<uint8_t> px = RenderTestGl_Read(r.x, r.y, r.w, r.h);
    int x0 = r.w, y0 = r.h, x1 = -1, y1 = -1;
    for (int y = 0; y < r.h; y++)
        for (int x = 0; x < r.w; x++) {
            const uint8_t* p = &px[(y * r.w + x) * 4];
            if (p[0] + p[1] + p[2] < threshold * 3) continue;
            x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
        }
    if (x1 < 0) return Recti{0, 0, 0, 0};
    return Recti{r.x + x0, r.y + y0, x1 - x0 + 1, y1 - y0 + 1};
}

bool Inside(const Recti& in, const Recti& out)
{
    return in.x >= out.x && in.y >= out.y && in.x + in.w <= out.x + out.w && in.y + in.h <= out.y + out.h;
}

std::string Str(const Recti& r)
{
    return "(" + std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.w) + "x" +
           std::to_string(r.h) + ")";
}

const ShowHintAlarmView* V()
{
    return ShowHintAlarm_View();
}

Recti PictureRect(Int32 viewId)
{
    const Image& img = viewId >= 1000 ? pngImg[viewId - 1000] : tgaImg[viewId];
    return Recti{img.ltx, img.lty, img.w, img.h};
}

class HintAlarmGl : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(RenderTestGl_Open());
        RenderTestGl_PageState();
        Stdout([] { RenderTestGl_PrepareScreens({Prgm_Simple_Texture, Prgm_Simple_Font, Prgm_Simple_Color}, {}); });
        ASSERT_NE(shader[Prgm_Simple_Color], 0xFFFFFFFFu);
        ASSERT_GE(fontLibId[Style_SiYuan_M], 0);
        RenderTestGl_ResetMatrices();
    }
    static void TearDownTestSuite()
    {
        OrvPlat_ReleaseTick();
        RenderTestGl_Close();
    }
    void SetUp() override
    {
        memset(Indicator, 0, sizeof(Indicator));
        memset(AccountInfo.CurrUsrName, 0, sizeof(AccountInfo.CurrUsrName));
        IicComStatus = IIC_COM_NORMAL;
        mFrameTimeMs = 0;
        RenderTestGl_Clear(0, 0, 0);
    }

    static void Hint(UInt08 id, Int32 ms, int frames = 1)
    {
        mFrameTimeMs = ms;
        for (int i = 0; i < frames; i++) {
            RenderTestGl_Clear(0, 0, 0);
            ShowHintInfo(id);
        }
    }
    static void Alarm(UInt08 id, Int32 ms, int frames = 1)
    {
        mFrameTimeMs = ms;
        for (int i = 0; i < frames; i++) {
            RenderTestGl_Clear(0, 0, 0);
            ShowAlarmInfo(id);
        }
    }
    // Hidden, then id shown in full; false when it never gets there.
    static bool ShowHint(UInt08 id)
    {
        Hint(0, 100, 20);
        for (int i = 0; i < 40; i++) {
            Hint(id, 50);
            if (V()->hintLatched == id && V()->hintInvAlphaTxt == 0.0f) return true;
        }
        return false;
    }
    static bool ShowAlarm(UInt08 id)
    {
        Alarm(0, 100, 20);
        for (int i = 0; i < 40; i++) {
            Alarm(id, 50);
            if (V()->alarmLatched == id && V()->alarmInvAlphaTxt == 0.0f) return true;
        }
        return false;
    }
};

// ---- Set-up and pool slots ---------------------------------------------------------------------

int SlotsTaken()
{
    return (int)std::count_if(bmpPool, bmpPool + BMP_POOL_NUM, [](UInt08* p) { return p != nullptr; });
}

TEST_F(HintAlarmGl, FirstCallWithNoIdSetsNothingUpAndAFullPoolOnlyCostsTheLine)
{
    const int before = SlotsTaken();
    EXPECT_EQ(ShowHintInfo(0xFF), 0);
    EXPECT_EQ(ShowAlarmInfo(0xFF), 0);
    EXPECT_EQ(V()->hintLatched, 0xFF);
    EXPECT_EQ(V()->alarmLatched, 0xFF);
    EXPECT_EQ(SlotsTaken(), before) << "no pool slot before a real id";
    EXPECT_EQ(tgaStatus[TGA_hint_background], Tga_Unload);

    // The first real id sets up with every pool slot taken: latched, pictures loaded, no slot.
    std::vector<Int32> taken;
    for (Int32 i = GrabAvailableBmpPoolIdx(); i >= 0; i = GrabAvailableBmpPoolIdx()) taken.push_back(i);
    EXPECT_EQ(ShowHintInfo(0), 0);
    EXPECT_EQ(ShowAlarmInfo(0), 0);
    EXPECT_EQ(V()->hintLatched, 0);
    EXPECT_EQ(V()->alarmLatched, 0);
    EXPECT_EQ(tgaStatus[TGA_hint_background], Tga_TexGen);
    EXPECT_EQ(tgaStatus[TGA_alert_simple_background], Tga_TexGen);

    // A message without a slot: background and icon, no line.
    Alarm(ID_ALARM_BAT_OVER_HEAT, 50, 20);
    EXPECT_EQ(V()->alarmDrawn, 1);
    EXPECT_EQ(V()->alarmLine.bmpWidth, 0);
    EXPECT_EQ(V()->alarmLine.rect.w, 0);
    EXPECT_EQ(V()->alarmIcon, TGA_led_motor_err);
    EXPECT_EQ(V()->alarmInvAlphaBg, 0.0f);
    // Slots free up: taken on the next frame, the line built with the next message.
    for (Int32 i : taken) DropBmpPool(i);
    Alarm(ID_ALARM_BAT_OVER_HEAT, 50);
    Hint(0, 50);
    EXPECT_EQ(SlotsTaken(), before + 3) << "two hint lines and one alarm line";
    ASSERT_TRUE(ShowAlarm(ID_ALARM_GEAR_ERR));
    EXPECT_GT(V()->alarmLine.rect.w, 0);
    EXPECT_EQ(Shown(V()->alarmLine.codes), Text(str_alarm_gear_err_idx));

    // After a clean-up of the pool (buffers and textures gone, slots kept) the lines come back.
    DestroyBmpPoolResouces();
    ASSERT_TRUE(ShowHint(ID_HINT_SWITCHED_TO_N));
    EXPECT_GT(V()->hintLine[1].rect.w, 0);
    EXPECT_GT(LitBox(V()->hintLine[1].rect, 120).w, 0);
    EXPECT_EQ(SlotsTaken(), before + 3) << "the same slots";
    // 0xFF after the set-up is an id outside the table: nothing is drawn.
    Hint(0, 100, 20);
    EXPECT_EQ(ShowHintInfo(0xFF), 0);
}

// ---- Every message: contact sheets ----------------------------------------------------------

// A grid of screen cells, written as one PNG.
class Sheet {
public:
    Sheet(Recti cell, int cols, int count) : mCell(cell), mCols(cols), mRows((count + cols - 1) / cols)
    {
        mPx.assign((size_t)mCell.w * mCols * mCell.h * mRows * 4, 0);
    }
    void Add(int k)
    {
        std::vector<uint8_t> px = RenderTestGl_Read(mCell.x, mCell.y, mCell.w, mCell.h);
        const int W = mCell.w * mCols, cx = (k % mCols) * mCell.w, cy = (k / mCols) * mCell.h;
        for (int y = 0; y < mCell.h; y++)
            memcpy(&mPx[((size_t)(cy + y) * W + cx) * 4], &px[(size_t)y * mCell.w * 4], (size_t)mCell.w * 4);
    }
    bool Write(const std::string& path) const
    {
        return Snapshot_WritePng(path, mPx, mCell.w * mCols, mCell.h * mRows);
    }

private:
    Recti mCell;
    int mCols, mRows;
    std::vector<uint8_t> mPx;
};

// The id in the corner of a contact-sheet cell, in the basic atlas.
void Label(Int32 x, Int32 y, Int32 id)
{
    UInt32 txt[4] = {0, 0, 0, 0};
    Int32 n = ShowDecimalGlyphs(txt, (UInt32)id);
    ShowBeginFont();
    ShowText(x, y, fontSize_SiYuan_R_24, Style_SiYuan_R, txt, n, TXT_ALIGN_LEFT | TXT_ALIGN_TOP, colorWhite, 0.0f);
    ShowEndFont();
}

void LoadLabelFont()
{
    Once_LoadFontMapBmpData(Style_SiYuan_R, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
    Once_GenFontMapTexture(Style_SiYuan_R, BASIC_FONT_CODE_NUM, str_invalid_char_idx[0]);
}

// Ids whose first lines share a text on purpose (same words, different pictures or second line).
const std::vector<std::vector<int>> kHintSharedText = {{39, 62}, {53, 55}, {59, 63}};

TEST_F(HintAlarmGl, EveryHintFitsItsBoxWithAllGlyphsAndItsOwnText)
{
    LoadLabelFont();
    Sheet sheet(Recti{630, 140, 660, 440}, 6, ID_HINT_RESERVE - 1);
    std::vector<std::u32string> first(ID_HINT_RESERVE);
    for (int id = 1; id < ID_HINT_RESERVE; id++) {
        SCOPED_TRACE(testing::Message() << "hint " << id);
        std::string out = Stdout([&] { ASSERT_TRUE(ShowHint((UInt08)id)); });
        EXPECT_EQ(out.find("load glyph fail"), std::string::npos) << out;
        const ShowHintAlarmView* v = V();
        const Recti box = PictureRect(v->hintBackground);
        ASSERT_GT(v->hintLine[0].rect.w, 0);
        first[id] = Shown(v->hintLine[0].codes);
        int widest = 0;
        for (int i = 0; i < 2; i++) {
            const ShowHaLine& l = v->hintLine[i];
            if (l.rect.w == 0) continue;
            EXPECT_TRUE(Inside(l.rect, box)) << "line " << i << " " << Str(l.rect) << " in " << Str(box);
            // Drawn: the ink of the line lies inside its quad and reaches across most of it.
            Recti ink = LitBox(l.rect, 120);
            EXPECT_GT(ink.w, l.rect.w * 3 / 4) << "line " << i;
            widest = std::max(widest, l.rect.w);
        }
        if (v->hintIcon >= 0) {
            EXPECT_TRUE(Inside(v->hintIconRect, box)) << Str(v->hintIconRect) << " in " << Str(box);
            widest += v->hintIconRect.w + 5;
        }
        EXPECT_LE(widest, SHOW_HA_MAX_W);
        if (v->hintBigIcon >= 0) {
            EXPECT_TRUE(Inside(PictureRect(v->hintBigIcon), box));
        }
        Label(640, 150, id);
        sheet.Add(id - 1);
    }
    EXPECT_TRUE(sheet.Write(std::string(SNAPSHOT_DIR) + "/hints-sheet.png"));

    // No two hints share a first line except the pairs meant to.
    for (int a = 1; a < ID_HINT_RESERVE; a++)
        for (int b = a + 1; b < ID_HINT_RESERVE; b++) {
            bool meant = std::any_of(kHintSharedText.begin(), kHintSharedText.end(),
                                     [&](const std::vector<int>& p) { return p[0] == a && p[1] == b; });
            EXPECT_EQ(first[a] == first[b], meant) << "hints " << a << " and " << b;
        }
}

TEST_F(HintAlarmGl, EveryAlarmFitsItsBoxWithAllGlyphsAndItsOwnText)
{
    LoadLabelFont();
    Sheet sheet(Recti{700, 430, 520, 240}, 6, ID_ALARM_RESERVE - 1);
    std::vector<std::u32string> text(ID_ALARM_RESERVE);
    for (int id = 1; id < ID_ALARM_RESERVE; id++) {
        SCOPED_TRACE(testing::Message() << "alarm " << id);
        std::string out = Stdout([&] { ASSERT_TRUE(ShowAlarm((UInt08)id)); });
        EXPECT_EQ(out.find("load glyph fail"), std::string::npos) << out;
        const ShowHintAlarmView* v = V();
        const Recti box = PictureRect(v->alarmBackground);
        const ShowHaLine& l = v->alarmLine;
        ASSERT_GT(l.rect.w, 0);
        text[id] = Shown(l.codes);
        EXPECT_TRUE(Inside(l.rect, box)) << Str(l.rect) << " in " << Str(box);
        Recti ink = LitBox(l.rect, 120);
        EXPECT_GT(ink.w, l.rect.w * 3 / 4);
        int width = l.rect.w;
        if (v->alarmIcon >= 0) {
            EXPECT_TRUE(Inside(v->alarmIconRect, box)) << Str(v->alarmIconRect) << " in " << Str(box);
            width += v->alarmIconRect.w + 5;
        }
        EXPECT_LE(width, SHOW_HA_MAX_W);
        if (v->alarmButton >= 0) {
            const Recti button = PictureRect(v->alarmButton);
            EXPECT_TRUE(Inside(button, box));
            EXPECT_LE(l.rect.y + l.rect.h, button.y) << "text above the button";
        }
        Label(710, 440, id);
        sheet.Add(id - 1);
    }
    EXPECT_TRUE(sheet.Write(std::string(SNAPSHOT_DIR) + "/alarms-sheet.png"));
    for (int a = 1; a < ID_ALARM_RESERVE; a++)
        for (int b = a + 1; b < ID_ALARM_RESERVE; b++) EXPECT_NE(text[a], text[b]) << "alarms " << a << " and " << b;
}

// What a few ids say and show: the text arrays and pictures their names promise.
TEST_F(HintAlarmGl, IdsShowTheirOwnTextsAndPictures)
{
    struct HintCase {
        UInt08 id;
        const unsigned int* line0;
        const unsigned int* line1;
        Int32 icon, background, bigIcon;
    };
    const Int32 plain = TGA_hint_background, head = SHOW_HA_PNG(PNG_hint_head_background);
    const HintCase hints[] = {
        {ID_HINT_POWER_READY, str_hint_power_ready_idx, nullptr, -1, plain, -1},
        {ID_HINT_BUCKLE_UP_D, str_hint_buckle_up_d_idx, nullptr, TGA_led_seatbelt_d, plain, -1},
        {ID_HINT_FIRST_CLOSE_DOOR, str_hint_close_door_idx, str_hint_first_close_door1_idx, -1, plain, -1},
        {ID_HINT_TAKE_REST, str_hint_take_rest_idx, nullptr, SHOW_HA_PNG(PNG_hint_icon_tired), plain, -1},
        {ID_HINT_TAKE_REST_1, str_hint_take_rest_1_0_idx, str_hint_take_rest_1_1_idx, -1, head,
         SHOW_HA_PNG(PNG_hint_icon_tired_2)},
        {ID_HINT_HOLD_STEERING_WHEEL_1, str_hint_hold_steering_wheel_idx, nullptr, SHOW_HA_PNG(PNG_hint_head_s), plain,
         -1},
        {ID_HINT_TAKE_OVER_STEERING_1, str_hint_take_over_steering_idx, nullptr, -1, head,
         SHOW_HA_PNG(PNG_hint_head_big)},
        {ID_HINT_WATCH_OUT_2, str_hint_watch_out_2_1_idx, str_hint_watch_out_2_2_idx, -1, head,
         SHOW_HA_PNG(PNG_hint_icon_distraction_lcc)},
        {ID_HINT_DISTRACTED_STATE_ACC_UNAVAILABLE, str_hint_distracted_state_acc_unavailable_idx,
         str_hint_lane_aid_unavailable_idx, -1, plain, -1},
        {ID_HINT_SLOW_DRIVE_THROUGH_CARS, str_hint_slow_drive_through_cars_idx, nullptr, -1, plain, -1},
    };
    for (const HintCase& c : hints) {
        SCOPED_TRACE(testing::Message() << "hint " << (int)c.id);
        ASSERT_TRUE(ShowHint(c.id));
        EXPECT_EQ(Shown(V()->hintLine[0].codes), Text(c.line0));
        EXPECT_EQ(Shown(V()->hintLine[1].codes), c.line1 ? Text(c.line1) : U"");
        EXPECT_EQ(V()->hintIcon, c.icon);
        EXPECT_EQ(V()->hintBackground, c.background);
        EXPECT_EQ(V()->hintBigIcon, c.bigIcon);
    }

    struct AlarmCase {
        UInt08 id;
        const unsigned int* txt;
        Int32 icon;
        UInt08 layout;
        Int32 button;
    };
    const AlarmCase alarms[] = {
        {ID_ALARM_BAT_OVER_HEAT, str_alarm_bat_over_heat_idx, TGA_led_motor_err, 0, -1},
        {ID_ALARM_DEVICE_ERR, str_alarm_device_err_idx, -1, 0, -1},
        {ID_ALARM_CHECK_TURNL, str_alarm_check_turnl_idx, -1, 1, TGA_alert_dialog_confirm_single},
        {ID_ALARM_TPMS, str_alarm_tpms_idx, TGA_led_tpms, 1, TGA_alert_dialog_confirm_single},
        {ID_ALARM_SYSTOM_FAULT, str_alarm_face_systom_fault_idx, -1, 1,
         SHOW_HA_PNG(PNG_alert_dialog_confirm_single_retry)},
        {ID_ALARM_FACE_REPEAT, str_alarm_face_repeat_idx, -1, 1, SHOW_HA_PNG(PNG_alert_dialog_confirm_single_change)},
        {ID_ALARM_FACE_NOT_FOUND, str_alarm_face_not_found_idx, -1, 1,
         SHOW_HA_PNG(PNG_alert_dialog_confirm_single_retry)},
        {ID_ALARM_ACC_FAILURE, str_alarm_ACC_failure_idx, SHOW_HA_PNG(PNG_alarm_ACC_failure), 0, -1},
        {ID_ALARM_CUT_OFF_ALARM, str_alarm_cut_off_power_idx, -1, 0, -1},
    };
    for (const AlarmCase& c : alarms) {
        SCOPED_TRACE(testing::Message() << "alarm " << (int)c.id);
        ASSERT_TRUE(ShowAlarm(c.id));
        EXPECT_EQ(Shown(V()->alarmLine.codes), Text(c.txt));
        EXPECT_EQ(V()->alarmIcon, c.icon);
        EXPECT_EQ(V()->alarmLayout, c.layout);
        EXPECT_EQ(V()->alarmBackground, c.layout ? TGA_alert_dialog_background : TGA_alert_simple_background);
        EXPECT_EQ(V()->alarmButton, c.button);
        // The line is centred on its layout's centre line.
        EXPECT_EQ(V()->alarmLine.rect.y + V()->alarmLine.rect.h / 2, c.layout ? 516 : 583);
    }
}

// ---- Layout ---------------------------------------------------------------------------------------

TEST_F(HintAlarmGl, LineBlocksAreCentredAndSitLowerUnderTheHeadPicture)
{
    // One line of 56 pixels centred on y 336, two lines 39 apart as a block of 95; under the head
    // picture 155 lower (165 for the second watch-out hint).
    struct Case { UInt08 id; Int32 top0, top1; };
    const Case cases[] = {
        {ID_HINT_POWER_READY, 308, -1},
        {ID_HINT_SWITCHED_TO_N, 289, 328},
        {ID_HINT_TAKE_REST_1, 289 + 155, 328 + 155},
        {ID_HINT_TAKE_OVER_STEERING_1, 308 + 155, -1},
        {ID_HINT_WATCH_OUT_1, 308 + 155, -1},
        {ID_HINT_WATCH_OUT_2, 289 + 165, 328 + 165},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "hint " << (int)c.id);
        ASSERT_TRUE(ShowHint(c.id));
        const ShowHintAlarmView* v = V();
        EXPECT_EQ(v->hintLine[0].rect.y, c.top0);
        EXPECT_EQ(v->hintLine[1].rect.w > 0 ? v->hintLine[1].rect.y : -1, c.top1);
        for (int i = 0; i < 2; i++) {
            const Recti& r = v->hintLine[i].rect;
            if (r.w > 0) {
                EXPECT_NEAR(r.x + r.w / 2, 960, 1) << "line " << i << " centred";
            }
        }
    }
}

// Where the whole text is on the screen: ink from near the quad's left edge to near its right,
// nothing beyond it.
void ExpectWholeLineIn(const Recti& r)
{
    Recti ink = LitBox(Recti{r.x - 20, r.y, r.w + 40, r.h}, 120);
    EXPECT_LE(ink.x - r.x, 4);
    EXPECT_LE(r.x + r.w - (ink.x + ink.w), 4);
    EXPECT_GE(ink.x, r.x);
    EXPECT_LE(ink.x + ink.w, r.x + r.w);
}

TEST_F(HintAlarmGl, OverWideLinesAreSqueezedIntoTheBoxNotClipped)
{
    // Text alone, and text beside an icon (with its 5-pixel gap), wider than 410 pixels.
    struct Case { bool alarm; UInt08 id; bool squeezed; };
    const Case cases[] = {
        {false, ID_HINT_ACC_WAITING_NOW, true},   // fifteen glyphs
        {false, ID_HINT_POWER_READY, false},
        {false, ID_HINT_BRAKE_WEAK, false},       // twelve glyphs and a telltale icon
        {true, ID_ALARM_LOST_POWER, true},        // seventeen glyphs and an icon
        {true, ID_ALARM_BAT_OVER_HEAT, true},     // fifteen glyphs and an icon
        {true, ID_ALARM_CANNOT_CHARGE, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.alarm ? "alarm " : "hint ") << (int)c.id);
        ASSERT_TRUE(c.alarm ? ShowAlarm(c.id) : ShowHint(c.id));
        const ShowHaLine& l = c.alarm ? V()->alarmLine : V()->hintLine[0];
        const Int32 iconId = c.alarm ? V()->alarmIcon : V()->hintIcon;
        const Recti iconRect = c.alarm ? V()->alarmIconRect : V()->hintIconRect;
        const int icon = iconId >= 0 ? iconRect.w + 5 : 0;
        EXPECT_EQ(l.bmpWidth + icon > SHOW_HA_MAX_W, c.squeezed) << "rasterised " << l.bmpWidth;
        EXPECT_EQ(l.rect.w, c.squeezed ? SHOW_HA_MAX_W - icon : l.bmpWidth);
        ExpectWholeLineIn(l.rect);
        if (iconId >= 0) {
            EXPECT_EQ(iconRect.x + icon, l.rect.x) << "icon, gap, text";
        }
    }
}

TEST_F(HintAlarmGl, WelcomeHintAppendsTheAccountNameCutAfterTenCharacters)
{
    const std::u32string hello = Text(str_hint_face_welcome_idx).substr(0, 6);
    struct Case { std::string name; std::u32string shown; };
    const Case cases[] = {
        {"", Ascii("Velmo")},
        {"Ann", Ascii("Ann")},
        {"Maximilian1234567", Ascii("Maximilian123")},              // 17 bytes: 13 characters, no dots
        {"Bartholomew Fitzgerald", Ascii("Bartholome...")},         // over 18 bytes: ten and dots
        {"\xE5\xBC\xA0\xE4\xB8\x89", U"\u5F20\u4E09"},                // two three-byte characters
        {std::string(60, 'x'), Ascii("xxxxxxxxxx...")},             // fills the field, no terminator
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("name \"" + c.name + "\"");
        memcpy(AccountInfo.CurrUsrName, c.name.data(), std::min(c.name.size(), sizeof(AccountInfo.CurrUsrName)));
        if (c.name.size() < sizeof(AccountInfo.CurrUsrName)) AccountInfo.CurrUsrName[c.name.size()] = 0;
        ASSERT_TRUE(ShowHint(ID_HINT_FACE_WELCOME));
        EXPECT_EQ(Shown(V()->hintLine[0].codes), hello + c.shown);
        EXPECT_LE(V()->hintLine[0].rect.w, SHOW_HA_MAX_W);
    }
}

// ---- Link failure ---------------------------------------------------------------------------------

TEST_F(HintAlarmGl, LinkFailureHintWinsOverHintsOnceTheShownTextHasFaded)
{
    const std::u32string failure = Text(str_hint_iic_communication_exception_idx);
    // No hint requested: the failure text appears in the middle pop-up.
    Hint(0, 100, 20);
    IicComStatus = IIC_COM_EXCEPTION;
    Hint(0, 50, 20);
    EXPECT_EQ(ShowHintInfo(0), 1);
    EXPECT_EQ(Shown(V()->hintLine[0].codes), failure);
    EXPECT_EQ(V()->hintInvAlphaTxt, 0.0f);
    EXPECT_EQ(V()->hintLine[1].rect.w, 0) << "one line";

    // The link comes back: the failure text goes at once, and the next hint latches as usual.
    IicComStatus = IIC_COM_NORMAL;
    EXPECT_EQ(ShowHintInfo(0), 0);
    ASSERT_TRUE(ShowHint(ID_HINT_SWITCHED_TO_N));

    // A hint fully shown keeps its text while it stays requested ...
    IicComStatus = IIC_COM_EXCEPTION;
    Hint(ID_HINT_SWITCHED_TO_N, 50, 10);
    EXPECT_EQ(Shown(V()->hintLine[0].codes), Text(str_hint_switched_to_n_1_idx));
    EXPECT_EQ(V()->hintInvAlphaTxt, 0.0f);
    // ... and gives way to the failure text, on one line, after fading out for an id change.
    Hint(ID_HINT_POWER_READY, 50, 30);
    EXPECT_EQ(Shown(V()->hintLine[0].codes), failure);
    EXPECT_EQ(V()->hintLine[1].rect.w, 0);
    EXPECT_EQ(V()->hintInvAlphaTxt, 0.0f);
    EXPECT_EQ(V()->hintInvAlphaBg, 0.0f) << "the background stayed";

    // The alarm pop-up has no failure text but keeps its background shown.
    ShowAlarm(ID_ALARM_PULL_UP);
    Alarm(0, 100, 20);
    EXPECT_EQ(V()->alarmLatched, 0);
    EXPECT_EQ(ShowAlarmInfo(0), 0);
}

// ---- Blink band -----------------------------------------------------------------------------------

// Frames of the take-over hint for 4 s at a steady frame pattern: how often the band changed and
// the share of time it was lit.
struct Blink { int changes; double litShare; };
Blink RunBand(UInt08 id, const std::vector<Int32>& pattern, int ms = 4000)
{
    Blink b = {0, 0};
    int elapsed = 0, lit = 0, frame = 0;
    float last = -1;
    while (elapsed < ms) {
        mFrameTimeMs = pattern[frame++ % pattern.size()];
        ShowHintInfo(id);
        if (!V()->hintBand) continue;
        if (last >= 0 && V()->hintBandInvAlpha != last) b.changes++;
        last = V()->hintBandInvAlpha;
        if (last == 0.0f) lit += mFrameTimeMs;
        elapsed += mFrameTimeMs;
    }
    b.litShare = (double)lit / elapsed;
    return b;
}

TEST_F(HintAlarmGl, BlinkBandBlinksAtEveryFrameRate)
{
    // 400 ms hidden, 400 ms lit; frame times that divide 400 included.
    const std::vector<std::vector<Int32>> patterns = {{16, 17, 17}, {25}, {40}, {50}, {100}};
    for (const auto& p : patterns) {
        SCOPED_TRACE(testing::Message() << "frame time " << p[0] << (p.size() > 1 ? " 17 17" : ""));
        ASSERT_TRUE(ShowHint(ID_HINT_TAKE_REST_1));
        Blink b = RunBand(ID_HINT_TAKE_REST_1, p);
        EXPECT_GE(b.changes, 8) << "about five periods in 4 s";
        EXPECT_LE(b.changes, 11);
        // The frame at the end of a period keeps the band as it was: a long frame stretches the lit
        // half a little.
        EXPECT_NEAR(b.litShare, 0.5, 0.15);
    }
}

TEST_F(HintAlarmGl, BlinkBandLightsAtTheTopEdgeAndFollowsTheIndicatorBit)
{
    // The band is lit on the screen: white at the top edge, nothing 60 pixels down.
    ASSERT_TRUE(ShowHint(ID_HINT_TAKE_OVER_STEERING_1));
    mFrameTimeMs = 20;
    bool seen = false;
    for (int i = 0; i < 60 && !seen; i++) {
        RenderTestGl_Clear(0, 0, 0);
        ShowHintInfo(ID_HINT_TAKE_OVER_STEERING_1);
        if (V()->hintBandInvAlpha != 0.0f) continue;
        seen = true;
        std::vector<uint8_t> px = RenderTestGl_Read(100, 0, 1, 60);
        EXPECT_GT(px[0], 60) << "glow at the edge";
        EXPECT_LT(px[59 * 4], 10) << "nothing below the band";
    }
    EXPECT_TRUE(seen);

    // The watch-out hints blink only while indicator byte 7 bit 7 is set, frame by frame.
    for (UInt08 id : {ID_HINT_WATCH_OUT_1, ID_HINT_WATCH_OUT_2}) {
        SCOPED_TRACE(testing::Message() << "hint " << (int)id);
        ASSERT_TRUE(ShowHint(id));
        const UInt08 bits[] = {0x00, 0x80, 0x80, 0x7F, 0xFF, 0x00};
        for (UInt08 bit : bits) {
            Indicator[7].value = bit;
            Hint(id, 20);
            EXPECT_EQ(V()->hintBand, (bit & 0x80) ? 1 : 0) << "byte " << (int)bit;
        }
        Indicator[7].value = 0x80;
        EXPECT_GE(RunBand(id, {40}).changes, 8);
    }
    // Hints without a band never draw one.
    ASSERT_TRUE(ShowHint(ID_HINT_WATCH_OUT));
    Indicator[7].value = 0x80;
    Hint(ID_HINT_WATCH_OUT, 20, 5);
    EXPECT_EQ(V()->hintBand, 0);
}

// ---- Cross-fades ----------------------------------------------------------------------------------

TEST_F(HintAlarmGl, AlarmToAlarmCrossFadesAndSwapsTheBackgroundOnlyWithTheLayout)
{
    struct Case { UInt08 from, to; };
    const Case cases[] = {
        {ID_ALARM_PERFORMANCE_LIMIT, ID_ALARM_CONTACT_SERVICE},   // simple to simple
        {ID_ALARM_CHECK_TURNL, ID_ALARM_TPMS},                    // dialog to dialog
        {ID_ALARM_PERFORMANCE_LIMIT, ID_ALARM_CHECK_TURNL},       // simple to dialog
        {ID_ALARM_FACE_REPEAT, ID_ALARM_GEAR_ERR},                // dialog to simple
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "alarm " << (int)c.from << " to " << (int)c.to);
        ASSERT_TRUE(ShowAlarm(c.from));
        const Int32 bgFrom = V()->alarmBackground;
        float lastTxt = 0.0f;
        int frames = 0;
        // The old text fades out over 500 ms behind a background that stays.
        while (V()->alarmLatched == c.from && frames < 40) {
            Alarm(c.to, 20);
            frames++;
            if (V()->alarmLatched != c.from) break;
            EXPECT_GE(V()->alarmInvAlphaTxt, lastTxt);
            lastTxt = V()->alarmInvAlphaTxt;
            EXPECT_EQ(V()->alarmInvAlphaBg, 0.0f);
            EXPECT_EQ(V()->alarmBackground, bgFrom);
        }
        EXPECT_EQ(frames, 26) << "500 ms of fading, latched on the frame after";
        EXPECT_EQ(V()->alarmLatched, c.to);
        // The new text comes in at once; the background swaps without a fade when the layout does.
        const Int32 bgTo = V()->alarmBackground;
        EXPECT_EQ(bgTo, V()->alarmLayout ? TGA_alert_dialog_background : TGA_alert_simple_background);
        EXPECT_EQ(V()->alarmInvAlphaBg, 0.0f);
        Alarm(c.to, 100, 5);
        EXPECT_EQ(V()->alarmInvAlphaTxt, 0.0f);
        EXPECT_EQ(Shown(V()->alarmLine.codes), Text(c.to == ID_ALARM_CONTACT_SERVICE ? str_alarm_contact_service_idx
                                                     : c.to == ID_ALARM_TPMS         ? str_alarm_tpms_idx
                                                     : c.to == ID_ALARM_CHECK_TURNL  ? str_alarm_check_turnl_idx
                                                                                     : str_alarm_gear_err_idx));
    }
}

TEST_F(HintAlarmGl, PopUpsDisappearAndAppearOnTheirRamps)
{
    // Frames of 50 ms (0.1 of a ramp each). Disappearing: the text fades out, the background
    // follows once the text is past half; id 0 is latched when the text is gone and the background,
    // left at 0.4, holds while nothing is drawn. Appearing again: the background goes on from
    // there and the text, the background being below half, comes in at once.
    ASSERT_TRUE(ShowHint(ID_HINT_POWER_READY));
    struct Step { UInt08 id; int frames; float txt, bg; Int08 drawn; };
    const Step steps[] = {
        {0, 5, 0.5f, 0.0f, 1}, {0, 5, 1.0f, 0.4f, 1}, {0, 3, 1.0f, 0.4f, 0},
        {ID_HINT_POWER_READY, 1, 0.9f, 0.3f, 1}, {ID_HINT_POWER_READY, 4, 0.5f, 0.0f, 1},
        {ID_HINT_POWER_READY, 5, 0.0f, 0.0f, 1},
    };
    int t = 0;
    for (const Step& s : steps) {
        Hint(s.id, 50, s.frames);
        t += 50 * s.frames;
        SCOPED_TRACE(testing::Message() << t << " ms");
        EXPECT_NEAR(V()->hintInvAlphaTxt, s.txt, 1e-4);
        EXPECT_NEAR(V()->hintInvAlphaBg, s.bg, 1e-4);
        EXPECT_EQ(V()->hintDrawn, s.drawn);
    }
    EXPECT_EQ(V()->hintLatched, ID_HINT_POWER_READY);
    const int rebuilds = V()->hintRebuilds;
    Hint(ID_HINT_POWER_READY, 50, 10);
    EXPECT_EQ(V()->hintRebuilds, rebuilds) << "no rasterising while the text shows";
}

TEST_F(HintAlarmGl, UnknownIdsDrawNothing)
{
    for (UInt08 id : {(UInt08)ID_HINT_RESERVE, (UInt08)120, (UInt08)254}) {
        SCOPED_TRACE(testing::Message() << "hint " << (int)id);
        Hint(0, 100, 20);
        Hint(id, 50, 20);
        EXPECT_EQ(V()->hintDrawn, 0);
        EXPECT_EQ(LitBox(Recti{600, 0, 720, 720}, 10).w, 0) << "nothing on the screen";
    }
    for (UInt08 id : {(UInt08)ID_ALARM_RESERVE, (UInt08)63}) {
        SCOPED_TRACE(testing::Message() << "alarm " << (int)id);
        // From a shown alarm: the old text fades out as for id 0, then nothing.
        ASSERT_TRUE(ShowAlarm(ID_ALARM_PULL_UP));
        Alarm(id, 50, 20);
        EXPECT_EQ(V()->alarmDrawn, 0);
        EXPECT_EQ(V()->alarmLatched, id);
        EXPECT_EQ(LitBox(Recti{600, 400, 720, 320}, 10).w, 0);
    }
}

// ---- On the page ----------------------------------------------------------------------------------

// The committed scenario through the whole render loop: the head hint with its band on the
// driving page, then, the hint gone, an alarm dialog. Last, since the render loop takes over the
// renderer's state.
TEST_F(HintAlarmGl, PopUpsShowOnTheDrivingPage)
{
    Snapshot_Begin();
    std::string err;
    ASSERT_TRUE(Snapshot_RunFile(std::string(SNAPSHOT_SCENARIOS) + "/hints.scn", &err)) << err;
    EXPECT_TRUE(Snapshot_WritePng(std::string(SNAPSHOT_DIR) + "/hints-page.png", Snapshot_ReadPicture(), 1920, 720));
    const ShowHintAlarmView* v = V();
    EXPECT_EQ(v->hintDrawn, 1);
    EXPECT_EQ(v->hintLatched, ID_HINT_WATCH_OUT_2);
    EXPECT_EQ(v->hintInvAlphaTxt, 0.0f);
    EXPECT_EQ(v->hintBand, 1);
    EXPECT_EQ(v->alarmDrawn, 0);
    for (int i = 0; i < 2; i++) EXPECT_GT(LitBox(v->hintLine[i].rect, 120).w, v->hintLine[i].rect.w * 3 / 4);

    for (const char* l : {"frame 02 2E FE 05 1A 76 00 9C 00", "wait 1500"})
        ASSERT_TRUE(Snapshot_Command(l, SNAPSHOT_DIR, &err)) << l << ": " << err;
    EXPECT_TRUE(Snapshot_WritePng(std::string(SNAPSHOT_DIR) + "/alarms-page.png", Snapshot_ReadPicture(), 1920, 720));
    EXPECT_EQ(v->hintDrawn, 0);
    EXPECT_EQ(v->alarmDrawn, 1);
    EXPECT_EQ(v->alarmLatched, ID_ALARM_FACE_REPEAT);
    EXPECT_EQ(v->alarmButton, SHOW_HA_PNG(PNG_alert_dialog_confirm_single_change));
    EXPECT_GT(LitBox(v->alarmLine.rect, 120).w, v->alarmLine.rect.w * 3 / 4);
    CleanUpRender(nullptr);
}

}  // namespace

// The phone module and the menus on a real GL context (software Mesa), frame by frame with a
// driven frame time: what each element chose (view, texts, icons, geometry, requests raised) and,
// where it matters, what landed in the framebuffer. The request bits are also exercised from two
// threads at once, the way the render thread and the head-unit worker share them.
//
// The elements keep their state in function statics for the life of the process, so every test
// first brings the element it looks at into a known state.
#include <gtest/gtest.h>

#include <sys/time.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "OrvRender/RenderState.h"
#include "OrvRender/RenderUtils.h"
#include "OrvRender/Res_Font.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Shader.h"
#include "OrvRender/Res_Tga.h"
#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Res_TxtHintAlarm.h"
#include "OrvRender/Screens/Show.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "platform/OrvPlatform.h"
#include "support/RenderTestGl.h"
#include "support/StdoutCapture.h"

namespace {

std::vector<UInt32> Glyphs(const char* s)
{
    std::vector<UInt32> g;
    for (; *s; s++) g.push_back((UInt32)GetAssicIdx(*s));
    return g;
}

// Code points of an ASCII text.
std::vector<UInt32> Codes(const char* s)
{
    return std::vector<UInt32>(s, s + strlen(s));
}

// The codes of a view text up to its terminating 0.
std::vector<UInt32> UpToZero(const UInt32* t, size_t max)
{
    size_t n = 0;
    while (n < max && t[n] != 0) n++;
    return std::vector<UInt32>(t, t + n);
}

// Lit pixels (not black) in a rectangle of the framebuffer.
int LitPixels(const Recti& r)
{
    return RenderTestGl_CountBrighter(r.x, r.y, r.w, r.h, 60);
}

UInt32 WallMs()
{
    struct timeval tv;
    gettimeofday(&tv, nullptr);
    return (UInt32)((uint64_t)tv.tv_sec * 1000u + (uint64_t)tv.tv_usec / 1000u);
}

void SetText(Int08* dst, size_t size, const char* s)
{
    size_t n = strlen(s);
    if (n > size - 1) n = size - 1;
    memcpy(dst, s, n);
    dst[n] = 0;
}

class PhoneMenusGl : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(RenderTestGl_Open());
        RenderTestGl_PageState();
        Stdout([] {
            RenderTestGl_PrepareScreens({Prgm_Simple_Texture, Prgm_Simple_Font}, {Style_SiYuan_R, Style_SiYuan_M});
        });
        ASSERT_NE(shader[Prgm_Simple_Texture], 0xFFFFFFFFu);
        ASSERT_EQ(fontMapStatus[1], Ftm_TexGen);
        RenderTestGl_ResetMatrices();
    }
    static void TearDownTestSuite() { RenderTestGl_Close(); }

    void SetUp() override
    {
        mFrameTimeMs = 0;
        RenderTestGl_Clear(0, 0, 0);
        __atomic_store_n(&BlueToothReqFlag.value, (U08)0, __ATOMIC_SEQ_CST);
        memset(&BlueToothReqConn, 0, sizeof(ReqBlueTooth));
        memset(&BlueToothReqCancel, 0, sizeof(ReqBlueTooth));
        memset(&BlueToothReqRing, 0, sizeof(ReqBlueTooth));
        McuBltOpInCallCursor = McuBltOpSpeakCursor = McuBltOpListCursor = 0;
        McuBltOpInCallClick = McuBltOpSpeakClick = McuBltOpListClick = 255;
        BlueToothInfo.CtiListSize = -1;
    }

    // The phone module hidden, then shown in state s for one frame (a fresh latch and fade).
    static Int08 PhoneFresh(UInt08 s)
    {
        ShowModulePhone(0, 255);
        return ShowModulePhone(s, MODULE_R_PHONE);
    }
    // A new caller: the texts and the counter that announces them.
    static void Caller(const char* name, const char* number)
    {
        SetText(BlueToothInfo.Name, sizeof(BlueToothInfo.Name), name);
        SetText(BlueToothInfo.Number, sizeof(BlueToothInfo.Number), number);
        BlueToothInfo.UpdSpeaker++;
    }
    // A new contact list of n entries "Contact NN" / "13800000NN".
    static void Contacts(Int32 n)
    {
        for (Int32 i = 0; i < n; i++) {
            char name[32], num[32];
            snprintf(name, sizeof(name), "Contact %02d", (int)i);
            snprintf(num, sizeof(num), "138000000%02d", (int)i);
            SetText(BlueToothInfo.CtiList[i].Name, sizeof(BlueToothInfo.CtiList[i].Name), name);
            SetText(BlueToothInfo.CtiList[i].Number, sizeof(BlueToothInfo.CtiList[i].Number), num);
        }
        BlueToothInfo.CtiListSize = (Int08)n;
        BlueToothInfo.UpdCtiList++;
    }
    static UInt08 Flag() { return __atomic_load_n(&BlueToothReqFlag.value, __ATOMIC_SEQ_CST); }
    static void ClearFlag() { __atomic_store_n(&BlueToothReqFlag.value, (U08)0, __ATOMIC_SEQ_CST); }
};

// ---- Phone: fade, texts, options ------------------------------------------------------------

TEST_F(PhoneMenusGl, PhoneFadesInOverHalfASecondAndAgainAfterEveryHide)
{
    EXPECT_EQ(ShowModulePhone(PHONE_Unavailable, 255), -1);
    EXPECT_EQ(ShowPhone_View()->page, SHOW_PHONE_PAGE_HIDDEN);

    for (int round = 0; round < 2; round++) {
        mFrameTimeMs = 0;
        EXPECT_EQ(ShowModulePhone(PHONE_Unavailable, MODULE_R_PHONE), 0);
        EXPECT_FLOAT_EQ(ShowPhone_View()->invAlpha, 1.0f) << "first frame invisible, round " << round;
        mFrameTimeMs = 50;
        for (int t = 50; t <= 500; t += 50) {
            ShowModulePhone(PHONE_Unavailable, MODULE_R_PHONE);
            if (t == 250) {
                EXPECT_NEAR(ShowPhone_View()->invAlpha, 0.5f, 1e-4f);
            }
        }
        EXPECT_FLOAT_EQ(ShowPhone_View()->invAlpha, 0.0f) << "opaque after 500 ms";
        EXPECT_EQ(ShowModulePhone(PHONE_Unavailable, 255), -1);
    }
}

TEST_F(PhoneMenusGl, CallerNameAndNumberAreCutToWhatFits)
{
    std::vector<UInt32> unknown;
    for (int i = 0; i < 5; i++) unknown.push_back(HintAlarm_FONT_CODE[str_module_phone_unknown_idx[i]]);

    struct Case { const char* name; const char* number; std::vector<UInt32> shownName; std::vector<UInt32> shownNumber; };
    const Case cases[] = {
        {"Thirteen char", "12345", Codes("Thirteen char"), Codes("12345")},
        {"Fourteen chars", "123456789012345678", Codes("Fourteen ch..."), Codes("123456789012345678")},
        {"A name of twenty ch", "1234567890123456789", Codes("A name of t..."), Codes("1234567890123456...")},
        {"", "10086", unknown, Codes("10086")},
        {"Only a name", "", Codes("Only a name"), {}},
    };
    for (const Case& c : cases) {
        Caller(c.name, c.number);
        PhoneFresh(PHONE_InCall);
        const ShowPhoneView* v = ShowPhone_View();
        EXPECT_EQ(UpToZero(v->txtName, 15), c.shownName) << c.name;
        EXPECT_EQ(UpToZero(v->txtNumber, 20), c.shownNumber) << c.name;
        EXPECT_GT(v->nameWidth, 0) << c.name;
        EXPECT_EQ(v->numberWidth > 0, !c.shownNumber.empty()) << c.name;
    }
}

TEST_F(PhoneMenusGl, CallerLineIsCentredWithTenPixelsBetweenNameAndNumber)
{
    struct Case { const char* name; const char* number; };
    for (const Case& c : {Case{"", "10086"}, Case{"Alex", "13800000003"}, Case{"Alone", ""}, Case{"", ""}}) {
        Caller(c.name, c.number);
        mFrameTimeMs = 0;
        PhoneFresh(PHONE_InCall);
        mFrameTimeMs = 500;
        RenderTestGl_Clear(0, 0, 0);
        ShowModulePhone(PHONE_InCall, MODULE_R_PHONE);
        const ShowPhoneView* v = ShowPhone_View();
        const Recti n = v->nameRect, m = v->numberRect;
        ASSERT_GT(n.w, 0) << "the name (or the unknown-caller text) is always drawn";
        if (m.w > 0) {
            EXPECT_EQ(n.x + n.w + 10, m.x) << c.name;
            EXPECT_NEAR((n.x + m.x + m.w) / 2.0, 1533.0, 1.0) << c.name;
            EXPECT_NEAR(m.y + m.h / 2.0, 261.0, 1.0);
        } else {
            EXPECT_NEAR(n.x + n.w / 2.0, 1533.0, 1.0) << "a lone name stands centred";
        }
        EXPECT_NEAR(n.y + n.h / 2.0, 261.0, 1.0);
        EXPECT_GT(LitPixels(n), 20) << "the name image reaches the screen: " << c.name;
    }
}

TEST_F(PhoneMenusGl, IncomingCallOptionFollowsTheCursor)
{
    Caller("Alex", "10086");
    struct Case { UInt08 cursor; Int32 icon; float answer; float decline; };
    const Case cases[] = {
        {0, PNG_module_phone_icon_incall_answer, 0.0f, 0.5f},
        {1, PNG_module_phone_icon_incall_hangup, 0.5f, 0.0f},
        {7, -1, 0.5f, 0.5f},
    };
    for (const Case& c : cases) {
        McuBltOpInCallCursor = c.cursor;
        mFrameTimeMs = 0;
        PhoneFresh(PHONE_InCall);
        mFrameTimeMs = 500;
        EXPECT_EQ(ShowModulePhone(PHONE_InCall, MODULE_R_PHONE), 1);
        const ShowPhoneView* v = ShowPhone_View();
        EXPECT_EQ(v->page, SHOW_PHONE_PAGE_INCALL);
        EXPECT_EQ(v->icon, c.icon) << "cursor " << (int)c.cursor;
        EXPECT_FLOAT_EQ(v->optionInvAlpha[0], c.answer);
        EXPECT_FLOAT_EQ(v->optionInvAlpha[1], c.decline);
        EXPECT_EQ(BlutPhoneCursorNum, 2);
    }
}

// ---- Phone: clicks and requests -------------------------------------------------------------

TEST_F(PhoneMenusGl, ClicksRaiseExactlyOneRequestWithACompleteRecord)
{
    Caller("Alex", "13800000003");
    struct Case {
        UInt08 state; UInt08* click; UInt08* cnt; UInt08 option;
        ReqBlueTooth* record; Int08 status; Int08 action; UInt08 bit;
    };
    const Case cases[] = {
        {PHONE_InCall, &McuBltOpInCallClick, &McuBltOpInCallClickCnt, 0, &BlueToothReqConn, PHONE_REQ_Conn, 1, 1},
        {PHONE_InCall, &McuBltOpInCallClick, &McuBltOpInCallClickCnt, 1, &BlueToothReqCancel, PHONE_REQ_Cancel, 1, 2},
        {PHONE_InCall, &McuBltOpInCallClick, &McuBltOpInCallClickCnt, 2, nullptr, 0, 0, 0},
        {PHONE_Connect, &McuBltOpSpeakClick, &McuBltOpSpeakClickCnt, 0, &BlueToothReqCancel, PHONE_REQ_Cancel, 2, 2},
        {PHONE_OutCall, &McuBltOpSpeakClick, &McuBltOpSpeakClickCnt, 0, &BlueToothReqCancel, PHONE_REQ_Cancel, 2, 2},
        {PHONE_OutCall, &McuBltOpSpeakClick, &McuBltOpSpeakClickCnt, 255, nullptr, 0, 0, 0},
    };
    for (const Case& c : cases) {
        PhoneFresh(c.state);
        ClearFlag();
        memset(&BlueToothReqConn, 0, sizeof(ReqBlueTooth));
        memset(&BlueToothReqCancel, 0, sizeof(ReqBlueTooth));
        *c.click = c.option;
        (*c.cnt)++;
        ShowModulePhone(c.state, MODULE_R_PHONE);
        if (c.record == nullptr) {
            EXPECT_EQ(Flag(), 0) << "option " << (int)c.option << " raises nothing";
        } else {
            EXPECT_EQ(Flag(), 1u << c.bit) << "state " << (int)c.state << " option " << (int)c.option;
            EXPECT_EQ(c.record->Status, c.status);
            EXPECT_EQ(c.record->Action, c.action);
            EXPECT_STREQ((const char*)c.record->Name, "Alex");
            EXPECT_STREQ((const char*)c.record->Number, "13800000003");
        }
        // The link sent it; the same click count seen again raises nothing.
        ClearFlag();
        ShowModulePhone(c.state, MODULE_R_PHONE);
        ShowModulePhone(c.state, MODULE_R_PHONE);
        EXPECT_EQ(Flag(), 0) << "a click counts once";
    }
}

TEST_F(PhoneMenusGl, AClickWhileAnEarlierRequestIsUnsentWaitsForIt)
{
    Contacts(10);
    PhoneFresh(PHONE_List);
    // An earlier dial of entry 1 still waits for the link.
    McuBltOpListClick = 1;
    McuBltOpListClickCnt++;
    ShowModulePhone(PHONE_List, MODULE_R_PHONE);
    ASSERT_EQ(Flag(), 1u);
    ASSERT_STREQ((const char*)BlueToothReqRing.Name, "Contact 01");

    McuBltOpListClick = 4;
    McuBltOpListClickCnt++;
    for (int i = 0; i < 3; i++) ShowModulePhone(PHONE_List, MODULE_R_PHONE);
    EXPECT_STREQ((const char*)BlueToothReqRing.Name, "Contact 01") << "the unsent record is left alone";

    __atomic_fetch_and(&BlueToothReqFlag.value, (U08)~1u, __ATOMIC_SEQ_CST);  // the link sent it
    ShowModulePhone(PHONE_List, MODULE_R_PHONE);
    EXPECT_EQ(Flag(), 1u) << "the waiting click is taken in the first frame after";
    EXPECT_STREQ((const char*)BlueToothReqRing.Name, "Contact 04");
    EXPECT_STREQ((const char*)BlueToothReqRing.Number, "13800000004");
    EXPECT_EQ(BlueToothReqRing.Status, PHONE_REQ_Ring);
    EXPECT_EQ(BlueToothReqRing.Action, 2);

    // The same for ending a call while a decline of the same record is unsent.
    Caller("Alex", "10086");
    PhoneFresh(PHONE_Connect);
    ASSERT_EQ(ShowPhone_Request(SHOW_PHONE_REQ_DECLINE, -1), 1);
    ASSERT_EQ(ShowPhone_Request(SHOW_PHONE_REQ_DECLINE, -1), 0) << "refused while unsent";
    McuBltOpSpeakClick = 0;
    McuBltOpSpeakClickCnt++;
    ShowModulePhone(PHONE_Connect, MODULE_R_PHONE);
    EXPECT_EQ(BlueToothReqCancel.Action, 1) << "the unsent decline is not overwritten";
    __atomic_fetch_and(&BlueToothReqFlag.value, (U08)~4u, __ATOMIC_SEQ_CST);
    ShowModulePhone(PHONE_Connect, MODULE_R_PHONE);
    EXPECT_EQ(Flag() & 4u, 4u);
    EXPECT_EQ(BlueToothReqCancel.Action, 2) << "then the end-call request goes out";

    // A list click beyond the list is consumed and raises nothing.
    ClearFlag();
    PhoneFresh(PHONE_List);
    McuBltOpListClick = 10;
    McuBltOpListClickCnt++;
    ShowModulePhone(PHONE_List, MODULE_R_PHONE);
    EXPECT_EQ(Flag(), 0);
}

// The render thread raises requests while the link thread sends and clears them: no bit may be
// lost on either side, and whoever sees a bit sees its whole record.
TEST_F(PhoneMenusGl, RequestBitsSurviveTheLinkClearingOthersAtTheSameTime)
{
    Contacts(1);
    const UInt08 kinds[3] = {SHOW_PHONE_REQ_ANSWER, SHOW_PHONE_REQ_DECLINE, SHOW_PHONE_REQ_DIAL};
    const UInt08 bits[3] = {1, 2, 0};
    ReqBlueTooth* const records[3] = {&BlueToothReqConn, &BlueToothReqCancel, &BlueToothReqRing};
    std::atomic<bool> done{false};
    int raised[3] = {0, 0, 0}, sent[3] = {0, 0, 0}, torn = 0;

    std::thread link([&] {
        int expect[3] = {0, 0, 0};
        for (;;) {
            const bool last = done.load();
            const UInt08 f = __atomic_load_n(&BlueToothReqFlag.value, __ATOMIC_SEQ_CST);
            for (int k = 0; k < 3; k++) {
                if (!((f >> bits[k]) & 1u)) continue;
                if (atoi((const char*)records[k]->Number) != expect[k]) torn++;
                expect[k]++;
                sent[k]++;
                __atomic_fetch_and(&BlueToothReqFlag.value, (U08)~(1u << bits[k]), __ATOMIC_SEQ_CST);
            }
            if (last && f == 0) break;
        }
    });
    // The text of each request carries its sequence number: a record seen before it is complete,
    // or one request seen twice (a clear undone), breaks the sequence; a lost bit leaves the
    // counts apart. Both sides spin so that their changes of the flag overlap as often as the
    // machine lets them; a refused request (its record still unsent) moves on to the next kind.
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(400);
    for (int k = 0; std::chrono::steady_clock::now() < until; k = (k + 1) % 3) {
        char seq[16];
        snprintf(seq, sizeof(seq), "%d", raised[k]);
        SetText(kinds[k] == SHOW_PHONE_REQ_DIAL ? BlueToothInfo.CtiList[0].Number : BlueToothInfo.Number, 20, seq);
        if (ShowPhone_Request(kinds[k], 0)) raised[k]++;
    }
    done = true;
    link.join();
    for (int k = 0; k < 3; k++) EXPECT_EQ(sent[k], raised[k]) << "bit " << (int)bits[k];
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(Flag(), 0);
}

// ---- Phone: call time, list -----------------------------------------------------------------

TEST_F(PhoneMenusGl, CallTimeReadsMinutesThenHoursAndStopsAtTheLimit)
{
    struct Case { UInt32 ms; const char* text; };
    const Case cases[] = {
        {0, "00:00"},          {999, "00:00"},          {75000, "01:15"},       {3599999, "59:59"},
        {3600000, "01:00:00"}, {3725000, "01:02:05"},   {359999000, "99:59:59"}, {360000000, "99:59:59"},
        {0xFFFFFFFFu, "99:59:59"},
    };
    for (const Case& c : cases) {
        UInt32 out[8];
        const Int32 n = ShowPhone_CallTimeGlyphs(c.ms, out);
        EXPECT_EQ(std::vector<UInt32>(out, out + n), Glyphs(c.text)) << c.ms;
    }

    // On screen: a connected call started 75.5 s ago by the wall clock.
    Caller("Alex", "10086");
    BlueToothInfo.ConnectDuration = WallMs() - 75500;
    EXPECT_EQ(PhoneFresh(PHONE_Connect), PHONE_Connect);
    const ShowPhoneView* v = ShowPhone_View();
    EXPECT_EQ(v->page, SHOW_PHONE_PAGE_CONNECT);
    EXPECT_EQ(std::vector<UInt32>(v->timeTxt, v->timeTxt + v->timeLen), Glyphs("01:15"));
    EXPECT_EQ(BlutPhoneCursorNum, 1);
    EXPECT_EQ(PhoneFresh(PHONE_OutCall), PHONE_OutCall);
    EXPECT_EQ(ShowPhone_View()->timeLen, 0) << "an outgoing call shows its title, no time";
}

TEST_F(PhoneMenusGl, ListScrollsOneRowPerFrameAndRebuildsOnANewList)
{
    McuBltOpListCursor = 0;
    Contacts(10);
    PhoneFresh(PHONE_List);
    const ShowPhoneView* v = ShowPhone_View();
    EXPECT_EQ(v->result, 6);
    EXPECT_EQ(BlutPhoneCursorNum, 10);
    EXPECT_EQ(std::vector<Int16>(v->rowEntry, v->rowEntry + 5), (std::vector<Int16>{-1, -1, 0, 1, 2}));
    EXPECT_EQ(v->rowNameWidth[0], 0) << "rows above entry 0 stay empty";
    EXPECT_EQ(v->rowNameWidth[1], 0);
    EXPECT_EQ(UpToZero(v->rowName[2], 15), Codes("Contact 00"));

    McuBltOpListCursor = 4;
    for (int step = 1; step <= 4; step++) {
        ShowModulePhone(PHONE_List, MODULE_R_PHONE);
        EXPECT_EQ(v->preCursor, step);
        EXPECT_EQ(v->imagesBuilt, 2) << "one row (name and number) per step";
    }
    ShowModulePhone(PHONE_List, MODULE_R_PHONE);
    EXPECT_EQ(v->imagesBuilt, 0) << "settled: nothing rendered";
    EXPECT_EQ(std::vector<Int16>(v->rowEntry, v->rowEntry + 5), (std::vector<Int16>{2, 3, 4, 5, 6}));
    EXPECT_EQ(UpToZero(v->rowName[2], 15), Codes("Contact 04"));

    // Back up by two, then a cursor beyond the list means the last entry.
    McuBltOpListCursor = 2;
    ShowModulePhone(PHONE_List, MODULE_R_PHONE);
    ShowModulePhone(PHONE_List, MODULE_R_PHONE);
    EXPECT_EQ(std::vector<Int16>(v->rowEntry, v->rowEntry + 5), (std::vector<Int16>{0, 1, 2, 3, 4}));

    // A new list while the cursor is at 7: every row rebuilt around entry 7 in one frame.
    McuBltOpListCursor = 7;
    Contacts(10);
    ShowModulePhone(PHONE_List, MODULE_R_PHONE);
    EXPECT_EQ(v->preCursor, 7);
    EXPECT_EQ(v->imagesBuilt, 10);
    EXPECT_EQ(std::vector<Int16>(v->rowEntry, v->rowEntry + 5), (std::vector<Int16>{5, 6, 7, 8, 9}));

    McuBltOpListCursor = 30;
    for (int i = 0; i < 5; i++) ShowModulePhone(PHONE_List, MODULE_R_PHONE);
    EXPECT_EQ(std::vector<Int16>(v->rowEntry, v->rowEntry + 5), (std::vector<Int16>{7, 8, 9, -1, -1}));
    EXPECT_EQ(v->rowNumberWidth[3], 0) << "rows past the last entry stay empty";
}

TEST_F(PhoneMenusGl, NoticesAndTheLatchOfTheCallStates)
{
    struct Step { UInt08 status; Int08 listSize; Int08 hideFirst; UInt08 page; Int08 result; Int08 cursorNum; };
    const Step steps[] = {
        {PHONE_Unavailable, -1, 1, SHOW_PHONE_PAGE_UNAVAILABLE, 0, 0},
        {PHONE_List, -1, 0, SHOW_PHONE_PAGE_LOADING, -1, 0},
        {PHONE_List, 0, 0, SHOW_PHONE_PAGE_NO_RECORD, -1, 0},
        {PHONE_List, 3, 0, SHOW_PHONE_PAGE_LIST, 6, 3},
        {PHONE_InCall, 3, 0, SHOW_PHONE_PAGE_INCALL, 1, 2},
        {PHONE_List, 3, 0, SHOW_PHONE_PAGE_INCALL, 1, 2},           // a list during the ring keeps it
        {PHONE_Cancel_InCall, 3, 0, SHOW_PHONE_PAGE_NOTHING, 1, 2},  // declined: nothing, count unchanged
        {PHONE_Cancel_InCall, 3, 1, SHOW_PHONE_PAGE_LIST, 6, 3},     // after a hide: the list
        {PHONE_Connect, 3, 0, SHOW_PHONE_PAGE_CONNECT, 3, 1},
        {PHONE_Cancel_InCall, 3, 0, SHOW_PHONE_PAGE_LIST, 6, 3},     // after a call: the list at once
    };
    Contacts(3);
    for (const Step& s : steps) {
        BlueToothInfo.CtiListSize = s.listSize;
        if (s.hideFirst) ShowModulePhone(0, 255);
        EXPECT_EQ(ShowModulePhone(s.status, MODULE_R_PHONE), s.result) << "status " << (int)s.status;
        EXPECT_EQ(ShowPhone_View()->page, s.page) << "status " << (int)s.status;
        EXPECT_EQ(BlutPhoneCursorNum, s.cursorNum) << "status " << (int)s.status;
    }
}

// ---- Menus: right side ----------------------------------------------------------------------

TEST_F(PhoneMenusGl, MenuListShowsThePresentEntriesAroundTheCursor)
{
    const Image* ver = &tgaImg[TGA_menu_icon_version];
    auto P = [](Int32 id) { return (const Image*)&pngImg[id]; };
    struct Case { UInt08 flg; UInt08 cursor; Int32 count; Int32 sel; std::vector<const Image*> icons; };
    const Case cases[] = {
        {0x00, 3, 1, 0, {nullptr, nullptr, ver, nullptr, nullptr}},
        {0x1F, 5, 6, 5, {P(PNG_menu_right_icon_mediasrc_gray), P(PNG_menu_right_icon_windmd_gray), ver, nullptr, nullptr}},
        {0x1E, 3, 5, 2, {P(PNG_menu_right_icon_windpwr_gray), P(PNG_menu_right_icon_sun_gray),
                         P(PNG_menu_right_icon_mediasrc), P(PNG_menu_right_icon_windmd_gray), ver}},
        {0x1E, 0, 5, 0, {nullptr, nullptr, P(PNG_menu_right_icon_windpwr), P(PNG_menu_right_icon_sun_gray),
                         P(PNG_menu_right_icon_mediasrc_gray)}},
        {0x1F, 15, 6, 5, {P(PNG_menu_right_icon_mediasrc_gray), P(PNG_menu_right_icon_windmd_gray), ver, nullptr, nullptr}},
    };
    for (const Case& c : cases) {
        MenuLstFlg.value = c.flg;
        MenuLstCursor = c.cursor;
        ASSERT_EQ(ShowMenuList(MENU_LIST), 1);
        const ShowMenuListView& v = ShowMenus_View()->list;
        EXPECT_EQ(v.count, c.count) << "flags " << (int)c.flg;
        EXPECT_EQ(v.cursor, c.sel) << "flags " << (int)c.flg << " cursor " << (int)c.cursor;
        EXPECT_EQ(std::vector<const Image*>(v.icon, v.icon + 5), c.icons)
            << "flags " << (int)c.flg << " cursor " << (int)c.cursor;
    }
    for (UInt08 other : {0, 2, 7, 255}) EXPECT_EQ(ShowMenuList(other), 0);
    EXPECT_EQ(ShowMenus_View()->list.drawn, 0);
}

TEST_F(PhoneMenusGl, SelectionsOfMediaSourceAndAirFlow)
{
    auto T = [](Int32 id) { return (const Image*)&tgaImg[id]; };
    struct Case { UInt08 flg; UInt08 state; Int08 drawn; Int32 sel; std::vector<const Image*> icons; };
    const Case cases[] = {
        {0x00, 0, 0, 0, {}},
        {0x0A, 0x03, 1, 1, {nullptr, T(TGA_menu_2nd_icon_music_blt), T(TGA_menu_2nd_icon_radio_local), nullptr, nullptr}},
        {0x1B, 0xF1, 1, 1, {nullptr, T(TGA_menu_2nd_icon_music_local), T(TGA_menu_2nd_icon_radio_tbook),
                            T(TGA_menu_2nd_icon_music_blt), T(TGA_menu_2nd_icon_radio_local)}},
        {0x04, 0, 0, 0, {}},  // bit 2 makes no entry
    };
    for (const Case& c : cases) {
        MenuMediaSrcFlg.value = c.flg;
        MenuMediaSrcState.value = c.state;
        ShowMenuMediaSrcSelecting(MENU_MEDIA_SRC);
        const ShowMenuListView& v = ShowMenus_View()->mediaSrc;
        EXPECT_EQ(v.drawn, c.drawn) << "flags " << (int)c.flg;
        if (!c.drawn) continue;
        EXPECT_EQ(v.cursor, c.sel);
        EXPECT_EQ(std::vector<const Image*>(v.icon, v.icon + 5), c.icons) << "flags " << (int)c.flg;
    }

    for (UInt08 mode : {0, 2, 3, 9}) {
        MenuWindyMode = mode;
        ShowMenuWindyModeSelecting(MENU_AC_WIND_MODE);
        EXPECT_EQ(ShowMenus_View()->windyMode.cursor, mode > 3 ? 3 : mode);
        EXPECT_EQ(ShowMenus_View()->windyMode.count, 4);
    }
    EXPECT_EQ(ShowMenus_View()->windyMode.icon[2], T(TGA_menu_2nd_icon_windymode_side)) << "above 3: the side mode";
}

TEST_F(PhoneMenusGl, LastUsedIconAndVersionLine)
{
    const Int32 byLast[9] = {-1, -1, PNG_menu_right_icon_temp_gray, PNG_menu_right_icon_windpwr_gray,
                             PNG_menu_right_icon_sun_gray, PNG_menu_right_icon_mediasrc_gray,
                             PNG_menu_right_icon_windmd_gray, -1, -1};
    for (UInt08 last = 0; last < 9; last++) {
        MenuLastID = last;
        RenderTestGl_Clear(0, 0, 0);
        ShowMenuNull(MENU_NULL);
        EXPECT_EQ(ShowMenus_View()->nullIcon, byLast[last]) << "last " << (int)last;
        const int lit = LitPixels(Recti{1743, 298, 80, 80});
        EXPECT_EQ(lit > 0, byLast[last] >= 0) << "last " << (int)last;
    }
    MenuLastID = 2;
    ShowMenuNull(MENU_LIST);
    EXPECT_EQ(ShowMenus_View()->nullIcon, -1) << "a menu is open";

    ShowMenuVersion(MENU_VERSION);
    ShowMenuVersion(MENU_VERSION);
    EXPECT_EQ(std::vector<UInt32>(ShowMenus_View()->version, ShowMenus_View()->version + ShowMenus_View()->versionLen),
              Glyphs("SW: v0.3.7b"));
}

TEST_F(PhoneMenusGl, ValueScreenDigitsBarsAndUnit)
{
    // The digit pictures are not loaded by anyone else yet: the screen loads them itself.
    DestroyPngResources(PNG_ui3_speed_digit_0, PNG_ui3_speed_digit_dot);
    const Image* zero = &pngImg[PNG_ui3_speed_digit_0];
    const Image* bar = &pngImg[PNG_menu_right_value_set_progress];
    const Int32 D = PNG_ui3_speed_digit_0, DOT = PNG_ui3_speed_digit_dot;

    struct Case { Int08 menu; UInt08 value; std::vector<Int32> glyphs; float rate; };
    const Case cases[] = {
        {MENU_AC_TEMP, 0, {D + 1, D + 8, DOT, D + 0}, 0.0f},
        {MENU_AC_TEMP, 13, {D + 2, D + 4, DOT, D + 5}, 13.0f / 28.0f},
        {MENU_AC_TEMP, 28, {D + 3, D + 2, DOT, D + 0}, 1.0f},
        {MENU_AC_TEMP, 255, {D + 3, D + 2, DOT, D + 0}, 1.0f},
        {MENU_AC_WIND_PWR, 7, {D + 7}, 1.0f},
        {MENU_AC_WIND_PWR, 12, {D + 7}, 1.0f},
        {MENU_BLIGHT, 100, {D + 1, D + 0, D + 0}, 1.0f},
        {MENU_BLIGHT, 45, {D + 4, D + 5}, 0.45f},
        {MENU_BLIGHT, 0, {D + 0}, 0.0f},
    };
    for (const Case& c : cases) {
        MenuTemperature = MenuWindyPower = MenuBrightness = c.value;
        RenderTestGl_Clear(0, 0, 0);
        mFrameTimeMs = 1000;  // a fade that restarts ends within this frame
        ShowMenuValueSetting(c.menu);
        const ShowMenusView* v = ShowMenus_View();
        ASSERT_EQ(v->valueGlyphNum, (Int32)c.glyphs.size()) << "menu " << (int)c.menu << " value " << (int)c.value;
        EXPECT_EQ(std::vector<Int32>(v->valueGlyph, v->valueGlyph + v->valueGlyphNum), c.glyphs);
        EXPECT_FLOAT_EQ(v->valueRate, c.rate);

        // The bar fills upward from its bottom edge; the cursor is centred on the fill's top.
        EXPECT_EQ(v->valueFill.h, (Int32)(bar->h * c.rate));
        EXPECT_NEAR(v->valueFill.y, bar->lty + bar->h - bar->h * c.rate, 1.0);
        EXPECT_EQ(v->valueCursor.y + v->valueCursor.h / 2, v->valueFill.y);

        // Every glyph on one base line, the number centred on x 1510, and drawn (never empty).
        const Int32 advance = zero->w * 67 / 118;
        EXPECT_EQ(v->valueGlyphRect[0].x - (advance - v->valueGlyphRect[0].w) / 2,
                  1510 - advance * v->valueGlyphNum / 2);
        for (Int32 i = 0; i < v->valueGlyphNum; i++)
            EXPECT_EQ(v->valueGlyphRect[i].y + v->valueGlyphRect[i].h, 343 + zero->h / 4) << "glyph " << i;
        EXPECT_GT(LitPixels(v->valueGlyphRect[0]), 10) << "menu " << (int)c.menu << " value " << (int)c.value;

        EXPECT_EQ(v->valueUnitX, c.menu == MENU_AC_TEMP ? 1510 + advance * v->valueGlyphNum / 2 + 10 : -1);
    }
}

TEST_F(PhoneMenusGl, ValueScreenFadeRestartsOnEveryValueMenuChange)
{
    ShowMenuValueSetting(-1);
    struct Step { Int08 menu; Int32 ms; float invAlpha; };
    const Step steps[] = {
        {MENU_AC_TEMP, 0, 1.0f},      {MENU_AC_TEMP, 500, 0.5f},  {MENU_AC_TEMP, 500, 0.0f},
        {MENU_AC_TEMP, 100, 0.0f},    {MENU_AC_WIND_PWR, 100, 0.9f}, // another value menu: a new fade
        {MENU_AC_WIND_PWR, 400, 0.5f}, {MENU_BLIGHT, 0, 1.0f},
        {MENU_LIST, 100, -1.0f},      {MENU_BLIGHT, 250, 0.75f},  // leaving and coming back
    };
    for (const Step& s : steps) {
        mFrameTimeMs = s.ms;
        ShowMenuValueSetting(s.menu);
        if (s.invAlpha < 0) {
            EXPECT_EQ(ShowMenus_View()->valueMenu, -1);
            continue;
        }
        EXPECT_NEAR(ShowMenus_View()->valueInvAlpha, s.invAlpha, 1e-4f) << "menu " << (int)s.menu;
    }
}

// ---- Menus: left pop-up ---------------------------------------------------------------------

class MenuLeft : public PhoneMenusGl {
protected:
    // Hides the pop-up and gives every left menu a value it does not remember.
    void SetUp() override
    {
        PhoneMenusGl::SetUp();
        ShowMenuLeft(MENU_LEFT_NULL);
        static UInt08 fresh = 0;
        fresh = (UInt08)((fresh + 7) % 25);
        for (int i = 1; i < MENU_LEFT_NUM; i++) MenuLeftValue[i] = (UInt08)(fresh + i);
    }
    // Frames of ms each for total ms with the left menu id; the result of the last.
    static Int08 Run(UInt08 id, Int32 total, Int32 ms = 100)
    {
        mFrameTimeMs = ms;
        Int08 r = 0;
        for (Int32 t = 0; t < total; t += ms) r = ShowMenuLeft(id);
        return r;
    }
};

TEST_F(MenuLeft, SoundLevelDigitsAndBar)
{
    const Image* label = &tgaImg[TGA_menu_left_txt_voice_media];
    const Image* bar = &tgaImg[TGA_menu_left_progress_bar];
    struct Case { UInt08 value; Int32 level; std::vector<Int32> digits; };
    const Case cases[] = {{5, 5, {5}}, {0, 0, {0}}, {15, 15, {1, 5}}, {29, 29, {2, 9}}, {31, 30, {3, 0}}};
    for (const Case& c : cases) {
        ShowMenuLeft(MENU_LEFT_NULL);
        MenuLeftValue[MENU_LEFT_VOICE_MEDIA] = c.value;
        ASSERT_EQ(ShowMenuLeft(MENU_LEFT_VOICE_MEDIA), 1);
        const ShowMenusView* v = ShowMenus_View();
        const Int32 w0 = pngImg[PNG_ui3_speed_digit_0].w;  // loaded by the pop-up itself
        EXPECT_EQ(v->leftLevel, c.level);
        EXPECT_EQ(v->leftLabel, TGA_menu_left_txt_voice_media);
        ASSERT_EQ(v->leftDigitNum, (Int32)c.digits.size()) << "level " << (int)c.value;
        EXPECT_EQ(std::vector<Int32>(v->leftDigit, v->leftDigit + v->leftDigitNum), c.digits);
        const Int32 cx = label->ltx + label->w / 2;
        if (c.digits.size() == 1) {
            EXPECT_EQ(v->leftDigitRect[0].x, cx - v->leftDigitRect[0].w / 2) << "one digit centred";
        } else {
            EXPECT_EQ(v->leftDigitRect[0].x, cx - w0 * 134 / 177);
            EXPECT_EQ(v->leftDigitRect[1].x, cx);
        }
        EXPECT_EQ(v->leftDigitRect[0].y + v->leftDigitRect[0].h, label->lty - 10);
        EXPECT_EQ(v->leftFill.h, c.level * bar->h / 30) << "level " << (int)c.value;
        EXPECT_EQ(v->leftFill.y + v->leftFill.h, bar->lty + bar->h);
    }
}

TEST_F(MenuLeft, PopUpTimingFadeAndRestart)
{
    // Shown at once, fading in over 1 s, gone after 3 s without a fade-out.
    mFrameTimeMs = 0;
    EXPECT_EQ(ShowMenuLeft(MENU_LEFT_VOICE_AI), 1);
    EXPECT_FLOAT_EQ(ShowMenus_View()->leftInvAlpha, 1.0f);
    EXPECT_EQ(Run(MENU_LEFT_VOICE_AI, 500), 1);
    EXPECT_NEAR(ShowMenus_View()->leftInvAlpha, 0.5f, 1e-4f);
    EXPECT_EQ(Run(MENU_LEFT_VOICE_AI, 2500), 1);
    EXPECT_FLOAT_EQ(ShowMenus_View()->leftInvAlpha, 0.0f);
    EXPECT_EQ(Run(MENU_LEFT_VOICE_AI, 100), 0) << "3 s after the start";
    EXPECT_EQ(Run(MENU_LEFT_VOICE_AI, 1000), 0) << "stays hidden while the value stands";

    // A value change restarts it (with a fade, it had gone); a change while visible restarts the
    // 3 s without a new fade.
    MenuLeftValue[MENU_LEFT_VOICE_AI]++;
    EXPECT_EQ(Run(MENU_LEFT_VOICE_AI, 2000), 1);
    MenuLeftValue[MENU_LEFT_VOICE_AI]++;
    EXPECT_EQ(Run(MENU_LEFT_VOICE_AI, 2900), 1);
    EXPECT_FLOAT_EQ(ShowMenus_View()->leftInvAlpha, 0.0f) << "no new fade while visible";
    EXPECT_EQ(Run(MENU_LEFT_VOICE_AI, 200), 0);

    // Hidden at once by menu 0; the same menu with an unchanged value comes back for 3 s.
    MenuLeftValue[MENU_LEFT_VOICE_AI]++;
    EXPECT_EQ(Run(MENU_LEFT_VOICE_AI, 500), 1);
    EXPECT_EQ(ShowMenuLeft(MENU_LEFT_NULL), 0);
    mFrameTimeMs = 0;
    EXPECT_EQ(ShowMenuLeft(MENU_LEFT_VOICE_AI), 1);
    EXPECT_FLOAT_EQ(ShowMenus_View()->leftInvAlpha, 1.0f) << "a new fade-in";
    EXPECT_EQ(ShowMenus_View()->leftLabel, TGA_menu_left_txt_voice_ai);
    EXPECT_EQ(Run(MENU_LEFT_VOICE_AI, 3000), 1);
    EXPECT_EQ(Run(MENU_LEFT_VOICE_AI, 100), 0);
}

TEST_F(MenuLeft, ChangeOfMenuAloneShowsThePreviousMenu)
{
    // Every sound menu shown once, so that each remembers its value; media last.
    MenuLeftValue[MENU_LEFT_VOICE_PHONE] = 3;
    MenuLeftValue[MENU_LEFT_VOICE_AI] = 20;
    MenuLeftValue[MENU_LEFT_VOICE_MEDIA] = 9;
    EXPECT_EQ(Run(MENU_LEFT_VOICE_PHONE, 100), 1);
    EXPECT_EQ(Run(MENU_LEFT_VOICE_AI, 100), 1);
    EXPECT_EQ(Run(MENU_LEFT_VOICE_MEDIA, 1000), 1);
    // 1 -> 2 with menu 2's value unchanged: neither a restart nor the new label.
    EXPECT_EQ(Run(MENU_LEFT_VOICE_AI, 1500), 1);
    EXPECT_EQ(ShowMenus_View()->leftLabel, TGA_menu_left_txt_voice_media);
    EXPECT_EQ(ShowMenus_View()->leftLevel, 9);
    // 2 -> 3, unchanged again: the previous call's menu (2) with the level remembered for it.
    EXPECT_EQ(Run(MENU_LEFT_VOICE_PHONE, 100), 1);
    EXPECT_EQ(ShowMenus_View()->leftLabel, TGA_menu_left_txt_voice_ai);
    EXPECT_EQ(ShowMenus_View()->leftLevel, 20);
    EXPECT_EQ(Run(MENU_LEFT_VOICE_PHONE, 400), 1);
    EXPECT_EQ(Run(MENU_LEFT_VOICE_PHONE, 100), 0) << "not restarted: gone 3 s after the media change";
}

TEST_F(MenuLeft, AccLevelPictureAndDigit)
{
    struct Case { UInt08 value; Int32 picture; Int32 digit; };
    const Case cases[] = {{0, TGA_menu_left_acc_1, 1}, {1, TGA_menu_left_acc_1, 1}, {3, TGA_menu_left_acc_3, 3},
                          {5, TGA_menu_left_acc_5, 5}, {9, TGA_menu_left_acc_5, 5}};
    const Image* label = &tgaImg[TGA_menu_left_txt_acc];
    for (const Case& c : cases) {
        MenuLeftValue[MENU_LEFT_ACC] = c.value;
        mFrameTimeMs = 100;
        ASSERT_EQ(ShowMenuLeft(MENU_LEFT_ACC), 1) << "a new ACC value restarts the pop-up";
        const ShowMenusView* v = ShowMenus_View();
        EXPECT_EQ(v->leftLabel, TGA_menu_left_txt_acc);
        EXPECT_EQ(v->leftAccPicture, c.picture) << "value " << (int)c.value;
        ASSERT_EQ(v->leftDigitNum, 1);
        EXPECT_EQ(v->leftDigit[0], c.digit);
        EXPECT_EQ(v->leftDigitRect[0].x + v->leftDigitRect[0].w / 2, label->ltx + label->w / 2);
        EXPECT_EQ(v->leftFill.w, 0) << "no sound bar";
    }
    EXPECT_EQ(Run(MENU_LEFT_ACC, 2900), 1);
    EXPECT_EQ(Run(MENU_LEFT_ACC, 100), 0) << "3 s after the last change";
}

} // namespace

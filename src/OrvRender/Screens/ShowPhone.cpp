// The phone module of the right panel: notices, contact list, incoming and running calls, and the
// phone requests the driver's clicks raise.
#include "OrvRender/Screens/ShowPhone.h"

#include <sys/time.h>

#include <cstdlib>
#include <cstring>

#include "OrvRender/Res_BmpPool.h"
#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Res_TxtHintAlarm.h"
#include "OrvRender/Screens/ShowCommon.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "lib/OrvFont.h"

static ShowPhoneView mShowPhone;

const ShowPhoneView* ShowPhone_View(void)
{
    return &mShowPhone;
}

// Caller name and number images: their pool bitmaps also serve as scratch for every list row.
enum {
    SHOW_PHONE_NAME_W = 375,
    SHOW_PHONE_NUMBER_W = 500,
    SHOW_PHONE_TXT_H = 50,
    SHOW_PHONE_TXT_PX = 25,   // glyph size of the rasterised texts
    SHOW_PHONE_CENTRE_X = 1533,
};

// ---- Requests -------------------------------------------------------------------------------

struct ShowPhoneReq {
    ReqBlueTooth* record;
    Int08 status;
    Int08 action;
    UInt08 bit;
};
static const ShowPhoneReq mShowPhone_Reqs[SHOW_PHONE_REQ_NUM] = {
    {&BlueToothReqConn, PHONE_REQ_Conn, 1, 1},     // answer
    {&BlueToothReqCancel, PHONE_REQ_Cancel, 1, 2}, // decline
    {&BlueToothReqCancel, PHONE_REQ_Cancel, 2, 2}, // end call
    {&BlueToothReqRing, PHONE_REQ_Ring, 2, 0},     // dial
};

// Cut to the field's size minus one byte, always terminated.
static void ShowPhone_CopyText(Int08* dst, size_t size, const Int08* src)
{
    size_t n = strnlen((const char*)src, size - 1);
    memcpy(dst, src, n);
    dst[n] = 0;
}

static bool ShowPhone_Pending(UInt08 bit)
{
    return ((__atomic_load_n(&BlueToothReqFlag.value, __ATOMIC_ACQUIRE) >> bit) & 1u) != 0;
}

Int08 ShowPhone_Request(UInt08 request, Int32 entry)
{
    if (request >= SHOW_PHONE_REQ_NUM) return 0;
    const ShowPhoneReq& r = mShowPhone_Reqs[request];
    // The link may be reading a record whose bit is set: never rewrite it under its feet.
    if (ShowPhone_Pending(r.bit)) return 0;
    // The record is ours while its bit is clear; the texts come from the link's store, which
    // the link may be rewriting, so they are copied out of it first.
    auto name = OrvShared_Text(BlueToothInfo.Name);
    auto number = OrvShared_Text(BlueToothInfo.Number);
    if (request == SHOW_PHONE_REQ_DIAL) {
        if (entry < 0 || entry >= CDU_CTI_LIST_SIZE) return 0;
        name = OrvShared_Text(BlueToothInfo.CtiList[entry].Name);
        number = OrvShared_Text(BlueToothInfo.CtiList[entry].Number);
    }
    r.record->Status = r.status;
    r.record->Action = r.action;
    ShowPhone_CopyText(r.record->Name, sizeof(r.record->Name), name.s);
    ShowPhone_CopyText(r.record->Number, sizeof(r.record->Number), number.s);
    // Release: the record is complete before the link can see its bit; the link clears bits with
    // an atomic and, so neither side loses the other's bits.
    __atomic_fetch_or(&BlueToothReqFlag.value, (U08)(1u << r.bit), __ATOMIC_RELEASE);
    return 1;
}

// ---- Call time ------------------------------------------------------------------------------

Int32 ShowPhone_CallTimeGlyphs(UInt32 elapsedMs, UInt32* out)
{
    UInt32 s = elapsedMs / 1000;
    if (s > 359999) s = 359999;
    char txt[9];
    Int32 n = 0;
    if (s > 3599) {
        txt[n++] = (char)('0' + s / 36000);
        txt[n++] = (char)('0' + (s / 3600) % 10);
        txt[n++] = ':';
        s %= 3600;
    }
    txt[n++] = (char)('0' + s / 600);
    txt[n++] = (char)('0' + (s / 60) % 10);
    txt[n++] = ':';
    txt[n++] = (char)('0' + (s % 60) / 10);
    txt[n++] = (char)('0' + s % 10);
    for (Int32 i = 0; i < n; i++) out[i] = (UInt32)GetAssicIdx(txt[i]);
    return n;
}

// Wall-clock milliseconds kept to 32 bits, the clock the phone service stamps a call's start with.
static UInt32 ShowPhone_WallMs(void)
{
    struct timeval tv;
    gettimeofday(&tv, nullptr);
    return (UInt32)((uint64_t)tv.tv_sec * 1000u + (uint64_t)tv.tv_usec / 1000u);
}

// ---- Text images ----------------------------------------------------------------------------

// A pool slot of the module, made or remade (after a clean-up took its buffer or texture away).
// bytes 0: a texture only. -1 when no slot is to be had, 1 when the slot's texture is new (its
// image must be built again), 0 when it is ready as it was.
static Int32 ShowPhone_Slot(Int32* idx, size_t bytes)
{
    if (*idx >= 0 && bmpPool[*idx] == nullptr) *idx = -1;  // dropped by someone else
    if (*idx < 0) *idx = GrabAvailableBmpPoolIdx();
    if (*idx < 0) return -1;
    if (bytes > 0 && bmpPool[*idx] == BMP_POOL_RESERVED) {
        UInt08* bmp = (UInt08*)calloc(bytes, 1);
        if (bmp == nullptr) return -1;
        bmpPool[*idx] = bmp;
    }
    if (texPool[*idx] != 0xFFFFFFFF) return 0;
    GLuint tex = 0;
    glGenTextures(1, &tex);
    texPool[*idx] = tex;
    return 1;
}

static UInt08* ShowPhone_Bitmap(Int32 idx)
{
    if (idx < 0 || bmpPool[idx] == nullptr || bmpPool[idx] == BMP_POOL_RESERVED) return nullptr;
    return bmpPool[idx];
}

// Codes of a name image: at most 14 characters, the last three of 14 shown as full stops; an
// empty name is the unknown-caller text.
static void ShowPhone_NameCodes(UInt32* txt, const Int08* text)
{
    memset(txt, 0, 15 * sizeof(UInt32));
    if (text[0] != 0) {
        ConvUtf8ToUcs(txt, text, 15);
    } else {
        for (Int32 i = 0; i < 5; i++) txt[i] = HintAlarm_FONT_CODE[str_module_phone_unknown_idx[i]];
    }
    if (txt[13] != 0) txt[11] = txt[12] = txt[13] = '.';
}

// Codes of a number image: at most 19 characters, the last three of 19 shown as full stops.
// Returns 0 for an empty number (no image).
static Int08 ShowPhone_NumberCodes(UInt32* txt, const Int08* text)
{
    memset(txt, 0, 20 * sizeof(UInt32));
    if (text[0] == 0) return 0;
    ConvUtf8ToUcs(txt, text, 20);
    if (txt[18] != 0) txt[16] = txt[17] = txt[18] = '.';
    return 1;
}

// Rasterises codes into the scratch bitmap and uploads it into tex; the size comes back in w, h
// (0 when nothing could be drawn).
static void ShowPhone_Rasterise(Int32 style, const UInt32* codes, UInt08* bmp, Int32 maxW, GLuint tex, Int32* w,
                                Int32* h)
{
    *w = maxW;
    *h = SHOW_PHONE_TXT_H;
    memset(bmp, 0, (size_t)maxW * SHOW_PHONE_TXT_H);
    if (!DrawSingleLineTxtBmp(fontLibId[style], SHOW_PHONE_TXT_PX, w, h, codes, bmp, 1, nullptr) || *w <= 0) {
        *w = *h = 0;
        return;
    }
    glBindTexture(GL_TEXTURE_2D, tex);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, *w, *h, 0, GL_ALPHA, GL_UNSIGNED_BYTE, bmp);
    mShowPhone.imagesBuilt++;
}

// The name and number images of one person into two textures of the pool. A texture or scratch
// bitmap that could not be had leaves its image empty.
struct ShowPhoneImages {
    Int32 nameSlot, numberSlot;   // pool slots of the two textures
    Int32 *nameW, *nameH, *numberW, *numberH;
};
static void ShowPhone_BuildImages(const ShowPhoneImages& img, Int32 nameScratch, Int32 numberScratch,
                                  const Int08* name, const Int08* number, UInt32* nameCodes, UInt32* numberCodes)
{
    *img.nameW = *img.nameH = *img.numberW = *img.numberH = 0;
    ShowPhone_NameCodes(nameCodes, name);
    UInt08* bmp = ShowPhone_Bitmap(nameScratch);
    if (bmp != nullptr && img.nameSlot >= 0)
        ShowPhone_Rasterise(Style_SiYuan_M, nameCodes, bmp, SHOW_PHONE_NAME_W, texPool[img.nameSlot], img.nameW,
                            img.nameH);
    else
        mShowPhone.poolMissing++;
    if (!ShowPhone_NumberCodes(numberCodes, number)) return;
    bmp = ShowPhone_Bitmap(numberScratch);
    if (bmp != nullptr && img.numberSlot >= 0)
        ShowPhone_Rasterise(Style_SiYuan_R, numberCodes, bmp, SHOW_PHONE_NUMBER_W, texPool[img.numberSlot],
                            img.numberW, img.numberH);
    else
        mShowPhone.poolMissing++;
}

// A text image with the bound font program, colour gray, at its top-left point.
static void ShowPhone_DrawTextImage(Int32 slot, Int32 x, Int32 y, Int32 w, Int32 h, GLfloat invAlpha)
{
    if (w <= 0 || slot < 0) return;
    glUniform3fv(Prgm_Simple_Font_UNFM_Clr, 1, colorGray);
    glUniform1f(Prgm_Simple_Font_UNFM_Alp, invAlpha);
    Recti r = {x, y, w, h};
    DrawGlPicRect(SHOW_Z, &r, Prgm_Simple_Font_ATTR_Vtx, Prgm_Simple_Font_ATTR_Txc, QuadTexCoords, texPool[slot]);
}

// ---- The module -----------------------------------------------------------------------------

static const Int32 mShowPhone_Pictures[] = {
    PNG_module_phone_icon_incall_answer, PNG_module_phone_icon_incall_hangup, PNG_module_phone_icon_incall_mute,
    PNG_module_phone_icon_waiting,       PNG_module_phone_incall_bg,         PNG_module_phone_list_bg,
    PNG_module_phone_list_select_dec,    PNG_module_phone_shadow,            PNG_module_phone_speaking_bg,
    PNG_module_phone_tips_list_loading,  PNG_module_phone_tips_no_record,    PNG_module_phone_tips_unavailable,
};

// Every static of the module, kept between frames.
struct ShowPhoneState {
    Int08 preVisible = 0;
    GLfloat invAlpha = 0.0f;
    UInt08 PhoneStatus = 255;
    UInt08 prePhoneStatus = 255;
    UInt08 codeUpdSpeaker = 255;
    UInt08 codeUpdCtiList = 255;
    UInt08 preIncallClickCnt = 255;
    UInt08 preOutcallClickCnt = 255;
    UInt08 preSpeakClickCnt = 255;
    UInt08 preListClickCnt = 255;
    Int16 preCursor = 0;
    Int32 poolTxtNameIdx = -1, poolTxtNumberIdx = -1;
    Int32 poolTxtListNameIdx[5] = {-1, -1, -1, -1, -1};
    Int32 poolTxtListNumberIdx[5] = {-1, -1, -1, -1, -1};
    Int32 txtNameWidth = 0, txtNameHeight = 0, txtNumberWidth = 0, txtNumberHeight = 0;
    Int32 txtListNameWidth[5] = {0}, txtListNameHeight[5] = {0};
    Int32 txtListNumberWidth[5] = {0}, txtListNumberHeight[5] = {0};
};

static GLfloat ShowPhone_OptionAlpha(Int08 selected, GLfloat invAlpha)
{
    return selected ? invAlpha : 0.5f + 0.5f * invAlpha;
}

// The caller's name and number side by side, 10 pixels apart, centred on x 1533 and on line y0.
static void ShowPhone_CallerLine(const ShowPhoneState& st, Int32 y0)
{
    const Int32 left = SHOW_PHONE_CENTRE_X - (st.txtNameWidth + st.txtNumberWidth) / 2;
    if (st.txtNameWidth > 0) {
        Recti r = {left - (st.txtNumberWidth != 0 ? 5 : 0), y0 - st.txtNameHeight / 2, st.txtNameWidth,
                   st.txtNameHeight};
        ShowPhone_DrawTextImage(st.poolTxtNameIdx, r.x, r.y, r.w, r.h, st.invAlpha);
        mShowPhone.nameRect = r;
    }
    if (st.txtNumberWidth > 0) {
        Recti r = {left + (st.txtNameWidth > 0 ? st.txtNameWidth + 5 : 0), y0 - st.txtNumberHeight / 2,
                   st.txtNumberWidth, st.txtNumberHeight};
        ShowPhone_DrawTextImage(st.poolTxtNumberIdx, r.x, r.y, r.w, r.h, st.invAlpha);
        mShowPhone.numberRect = r;
    }
}

static void ShowPhone_DrawPicture(Int32 id, Int32 dy = 0)
{
    Recti r = ShowImageRect(&pngImg[id]);
    r.y += dy;
    ShowDrawImageRect(&pngImg[id], r);
}

static Int08 ShowPhone_Unavailable(ShowPhoneState& st)
{
    OrvShared_Store(BlutPhoneCursorNum, 0);
    mShowPhone.page = SHOW_PHONE_PAGE_UNAVAILABLE;
    ShowBeginTexture();
    ShowTextureAlpha(st.invAlpha);
    ShowPhone_DrawPicture(PNG_module_phone_tips_unavailable);
    ShowEndTexture();
    return 0;
}

static Int08 ShowPhone_InCall(ShowPhoneState& st)
{
    OrvShared_Store(BlutPhoneCursorNum, 2);
    mShowPhone.page = SHOW_PHONE_PAGE_INCALL;
    const UInt08 cursor = OrvShared_Load(McuBltOpInCallCursor);
    ShowBeginTexture();
    ShowTextureAlpha(st.invAlpha);
    ShowPhone_DrawPicture(PNG_module_phone_shadow);
    ShowPhone_DrawPicture(PNG_module_phone_incall_bg, 30);
    if (cursor == 0) {
        ShowPhone_DrawPicture(PNG_module_phone_icon_incall_answer, 30);
        mShowPhone.icon = PNG_module_phone_icon_incall_answer;
    } else if (cursor == 1) {
        ShowPhone_DrawPicture(PNG_module_phone_icon_incall_hangup, 30);
        mShowPhone.icon = PNG_module_phone_icon_incall_hangup;
    }
    ShowEndTexture();

    ShowBeginFont();
    ShowPhone_CallerLine(st, 261);
    ShowText(SHOW_PHONE_CENTRE_X, 310, fontSize_SiYuan_M_30, Style_SiYuan_M, str_module_phone_incall_idx, 2,
             TXT_ALIGN_HCENTER | TXT_ALIGN_VCENTER, colorDarkGray, st.invAlpha);
    mShowPhone.optionInvAlpha[0] = ShowPhone_OptionAlpha(cursor == 0, st.invAlpha);
    mShowPhone.optionInvAlpha[1] = ShowPhone_OptionAlpha(cursor == 1, st.invAlpha);
    ShowText(1516, 401, fontSize_SiYuan_R_28, Style_SiYuan_R, str_module_phone_connect_idx, 2,
             TXT_ALIGN_LEFT | TXT_ALIGN_VCENTER, colorGray, mShowPhone.optionInvAlpha[0]);
    ShowText(1516, 469, fontSize_SiYuan_R_28, Style_SiYuan_R, str_module_phone_cancel_idx, 2,
             TXT_ALIGN_LEFT | TXT_ALIGN_VCENTER, colorGray, mShowPhone.optionInvAlpha[1]);
    ShowEndFont();

    // A click is taken once its record is free: a request still unsent is never overwritten.
    const UInt08 cnt = OrvShared_Load(McuBltOpInCallClickCnt);
    if (cnt != st.preIncallClickCnt) {
        static const Int08 byOption[2] = {SHOW_PHONE_REQ_ANSWER, SHOW_PHONE_REQ_DECLINE};
        const UInt08 click = OrvShared_Load(McuBltOpInCallClick);
        if (click > 1) {
            st.preIncallClickCnt = cnt;
        } else if (ShowPhone_Request((UInt08)byOption[click], -1)) {
            st.preIncallClickCnt = cnt;
        }
    }
    return 1;
}

static Int08 ShowPhone_Speaking(ShowPhoneState& st)
{
    OrvShared_Store(BlutPhoneCursorNum, 1);
    const Int08 connected = st.PhoneStatus == PHONE_Connect;
    mShowPhone.page = connected ? SHOW_PHONE_PAGE_CONNECT : SHOW_PHONE_PAGE_OUTCALL;
    ShowBeginTexture();
    ShowTextureAlpha(st.invAlpha);
    ShowPhone_DrawPicture(PNG_module_phone_shadow);
    ShowPhone_DrawPicture(PNG_module_phone_speaking_bg);
    // 255 means no click since the operation began: the end-call icon shows until one comes.
    if (OrvShared_Load(McuBltOpSpeakClick) != 0) {
        ShowPhone_DrawPicture(PNG_module_phone_icon_incall_hangup, 3);
        mShowPhone.icon = PNG_module_phone_icon_incall_hangup;
    }
    ShowEndTexture();

    ShowBeginFont();
    ShowPhone_CallerLine(st, 277);
    if (connected) {
        mShowPhone.timeLen =
            ShowPhone_CallTimeGlyphs(ShowPhone_WallMs() - OrvShared_Load(BlueToothInfo.ConnectDuration), mShowPhone.timeTxt);
        ShowText(SHOW_PHONE_CENTRE_X, 326, fontSize_SiYuan_R_28, Style_SiYuan_R, mShowPhone.timeTxt,
                 mShowPhone.timeLen, TXT_ALIGN_HCENTER | TXT_ALIGN_VCENTER, colorGray, st.invAlpha);
    } else {
        ShowText(SHOW_PHONE_CENTRE_X, 326, fontSize_SiYuan_M_30, Style_SiYuan_M, str_module_phone_outcall_idx, 2,
                 TXT_ALIGN_HCENTER | TXT_ALIGN_VCENTER, colorDarkGray, st.invAlpha);
    }
    mShowPhone.optionInvAlpha[0] = ShowPhone_OptionAlpha(OrvShared_Load(McuBltOpSpeakCursor) == 0, st.invAlpha);
    ShowText(1516, 439, fontSize_SiYuan_R_28, Style_SiYuan_R, str_module_phone_end_idx, 4,
             TXT_ALIGN_LEFT | TXT_ALIGN_VCENTER, colorGray, mShowPhone.optionInvAlpha[0]);
    ShowEndFont();

    const UInt08 cnt = OrvShared_Load(McuBltOpSpeakClickCnt);
    UInt08& pre = connected ? st.preSpeakClickCnt : st.preOutcallClickCnt;
    if (cnt != pre) {
        const UInt08 click = OrvShared_Load(McuBltOpSpeakClick);
        if (click != 0 || ShowPhone_Request(SHOW_PHONE_REQ_END, -1)) st.preOutcallClickCnt = st.preSpeakClickCnt = cnt;
    }
    return (Int08)st.PhoneStatus;
}

// The images of list entry `entry` into row k (an entry outside the list leaves the row empty).
static void ShowPhone_BuildRow(ShowPhoneState& st, Int32 k, Int32 entry, Int32 n)
{
    mShowPhone.rowEntry[k] = (Int16)(entry >= 0 && entry < n ? entry : -1);
    if (entry < 0 || entry >= n) {
        st.txtListNameWidth[k] = st.txtListNameHeight[k] = st.txtListNumberWidth[k] = st.txtListNumberHeight[k] = 0;
        memset(mShowPhone.rowName[k], 0, sizeof(mShowPhone.rowName[k]));
        return;
    }
    UInt32 numberCodes[20];
    ShowPhoneImages img = {st.poolTxtListNameIdx[k], st.poolTxtListNumberIdx[k], &st.txtListNameWidth[k],
                           &st.txtListNameHeight[k], &st.txtListNumberWidth[k], &st.txtListNumberHeight[k]};
    ShowPhone_BuildImages(img, st.poolTxtNameIdx, st.poolTxtNumberIdx, OrvShared_Text(BlueToothInfo.CtiList[entry].Name).s,
                          OrvShared_Text(BlueToothInfo.CtiList[entry].Number).s, mShowPhone.rowName[k], numberCodes);
}

// Moves every per-row field of row `from` into row `to`.
static void ShowPhone_MoveRow(ShowPhoneState& st, Int32 to, Int32 from)
{
    st.poolTxtListNameIdx[to] = st.poolTxtListNameIdx[from];
    st.poolTxtListNumberIdx[to] = st.poolTxtListNumberIdx[from];
    st.txtListNameWidth[to] = st.txtListNameWidth[from];
    st.txtListNameHeight[to] = st.txtListNameHeight[from];
    st.txtListNumberWidth[to] = st.txtListNumberWidth[from];
    st.txtListNumberHeight[to] = st.txtListNumberHeight[from];
    mShowPhone.rowEntry[to] = mShowPhone.rowEntry[from];
    memcpy(mShowPhone.rowName[to], mShowPhone.rowName[from], sizeof(mShowPhone.rowName[to]));
}

// Scrolls the rows by one entry towards the cursor; the row that comes free takes the textures of
// the row that left, so one row is rendered per step.
static void ShowPhone_Scroll(ShowPhoneState& st, Int32 cursor, Int32 n)
{
    if (st.preCursor < cursor) {
        st.preCursor++;
        const Int32 name = st.poolTxtListNameIdx[0], number = st.poolTxtListNumberIdx[0];
        for (Int32 k = 0; k < 4; k++) ShowPhone_MoveRow(st, k, k + 1);
        st.poolTxtListNameIdx[4] = name;
        st.poolTxtListNumberIdx[4] = number;
        ShowPhone_BuildRow(st, 4, st.preCursor + 2, n);
    } else if (st.preCursor > cursor) {
        st.preCursor--;
        const Int32 name = st.poolTxtListNameIdx[4], number = st.poolTxtListNumberIdx[4];
        for (Int32 k = 4; k > 0; k--) ShowPhone_MoveRow(st, k, k - 1);
        st.poolTxtListNameIdx[0] = name;
        st.poolTxtListNumberIdx[0] = number;
        ShowPhone_BuildRow(st, 0, st.preCursor - 2, n);
    }
}

static Int08 ShowPhone_List(ShowPhoneState& st, Int32 n)
{
    mShowPhone.page = SHOW_PHONE_PAGE_LIST;
    Int32 cursor = OrvShared_Load(McuBltOpListCursor);
    if (cursor >= n) cursor = n - 1;

    const UInt08 upd = OrvShared_Acquire(BlueToothInfo.UpdCtiList);
    if (upd != st.codeUpdCtiList) {
        st.codeUpdCtiList = upd;
        st.preCursor = (Int16)cursor;
        for (Int32 k = 0; k < 5; k++) ShowPhone_BuildRow(st, k, st.preCursor - 2 + k, n);
    } else {
        ShowPhone_Scroll(st, cursor, n);
    }
    mShowPhone.preCursor = st.preCursor;
    OrvShared_Store(BlutPhoneCursorNum, (Int08)n);

    ShowBeginTexture();
    ShowTextureAlpha(st.invAlpha);
    ShowPhone_DrawPicture(PNG_module_phone_list_bg);
    ShowPhone_DrawPicture(PNG_module_phone_list_select_dec);
    ShowPhone_DrawPicture(PNG_module_phone_shadow);
    ShowEndTexture();

    static const Int32 rowY[3][2] = {{229, 265}, {332, 370}, {441, 476}};  // name, number of rows 1-3
    ShowBeginFont();
    for (Int32 k = 1; k <= 3; k++) {
        ShowPhone_DrawTextImage(st.poolTxtListNameIdx[k], 1400, rowY[k - 1][0], st.txtListNameWidth[k],
                                st.txtListNameHeight[k], st.invAlpha);
        ShowPhone_DrawTextImage(st.poolTxtListNumberIdx[k], 1400, rowY[k - 1][1], st.txtListNumberWidth[k],
                                st.txtListNumberHeight[k], st.invAlpha);
    }
    ShowEndFont();
    for (Int32 k = 0; k < 5; k++) {
        mShowPhone.rowNameWidth[k] = st.txtListNameWidth[k];
        mShowPhone.rowNumberWidth[k] = st.txtListNumberWidth[k];
    }

    // A click waits while an earlier dial is unsent; it is taken in the first frame after.
    const UInt08 cnt = OrvShared_Load(McuBltOpListClickCnt);
    if (cnt != st.preListClickCnt && !ShowPhone_Pending(0)) {
        st.preListClickCnt = cnt;
        const UInt08 i = OrvShared_Load(McuBltOpListClick);
        if (i < n) ShowPhone_Request(SHOW_PHONE_REQ_DIAL, i);
    }
    return 6;
}

static Int08 ShowPhone_Others(ShowPhoneState& st)
{
    if (st.prePhoneStatus == PHONE_InCall) {
        mShowPhone.page = SHOW_PHONE_PAGE_NOTHING;
        return 1;
    }
    const Int32 n = OrvShared_Load(BlueToothInfo.CtiListSize);
    if (n > 0) return ShowPhone_List(st, n);

    OrvShared_Store(BlutPhoneCursorNum, 0);
    mShowPhone.page = n == 0 ? SHOW_PHONE_PAGE_NO_RECORD : SHOW_PHONE_PAGE_LOADING;
    ShowBeginTexture();
    ShowTextureAlpha(st.invAlpha);
    ShowPhone_DrawPicture(n == 0 ? PNG_module_phone_tips_no_record : PNG_module_phone_tips_list_loading);
    ShowEndTexture();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    return -1;
}

// Pool slots of the caller's images and of the ten row images; a slot made anew asks for its
// images to be built again this frame.
static void ShowPhone_TakeSlots(ShowPhoneState& st)
{
    const Int08 firstName = st.poolTxtNameIdx < 0;
    const Int32 name = ShowPhone_Slot(&st.poolTxtNameIdx, SHOW_PHONE_NAME_W * SHOW_PHONE_TXT_H);
    const Int32 number = ShowPhone_Slot(&st.poolTxtNumberIdx, SHOW_PHONE_NUMBER_W * SHOW_PHONE_TXT_H);
    if (firstName || name != 0 || number == 1) st.codeUpdSpeaker = (UInt08)(OrvShared_Load(BlueToothInfo.UpdSpeaker) - 1);
    for (Int32 k = 0; k < 5; k++) {
        const Int32 a = ShowPhone_Slot(&st.poolTxtListNameIdx[k], 0);
        const Int32 b = ShowPhone_Slot(&st.poolTxtListNumberIdx[k], 0);
        if (a == 1 || b == 1) st.codeUpdCtiList = (UInt08)(OrvShared_Load(BlueToothInfo.UpdCtiList) - 1);
    }
}

Int08 ShowModulePhone(UInt08 phoneStatus, UInt08 moduleId)
{
    static ShowPhoneState st;

    mShowPhone.imagesBuilt = 0;
    mShowPhone.icon = -1;
    mShowPhone.nameRect = mShowPhone.numberRect = Recti{0, 0, 0, 0};
    mShowPhone.timeLen = 0;
    if (moduleId != MODULE_R_PHONE) {
        st.preVisible = 0;
        st.prePhoneStatus = 255;
        st.invAlpha = 0.0f;
        mShowPhone.page = SHOW_PHONE_PAGE_HIDDEN;
        mShowPhone.invAlpha = st.invAlpha;
        return mShowPhone.result = -1;
    }

    for (Int32 id : mShowPhone_Pictures) ShowLoadPng(id);
    ShowPhone_TakeSlots(st);
    Once_LoadFontMapBmpData(Style_SiYuan_R, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
    Once_GenFontMapTexture(Style_SiYuan_R, BASIC_FONT_CODE_NUM, str_invalid_char_idx[0]);

    if (st.preVisible == 0) {
        st.invAlpha = 1.0f;
        st.preVisible = 1;
    }
    if (st.invAlpha > 0.0f) {
        st.invAlpha -= mFrameTimeMs * 0.002f;
        if (st.invAlpha < 0.0f) st.invAlpha = 0.0f;
    }
    mShowPhone.invAlpha = st.invAlpha;

    const UInt08 updSpeaker = OrvShared_Acquire(BlueToothInfo.UpdSpeaker);
    if (updSpeaker != st.codeUpdSpeaker) {
        st.codeUpdSpeaker = updSpeaker;
        ShowPhoneImages img = {st.poolTxtNameIdx,   st.poolTxtNumberIdx, &st.txtNameWidth,
                               &st.txtNameHeight,   &st.txtNumberWidth,  &st.txtNumberHeight};
        ShowPhone_BuildImages(img, st.poolTxtNameIdx, st.poolTxtNumberIdx, OrvShared_Text(BlueToothInfo.Name).s,
                              OrvShared_Text(BlueToothInfo.Number).s,
                              mShowPhone.txtName, mShowPhone.txtNumber);
        mShowPhone.nameWidth = st.txtNameWidth;
        mShowPhone.nameHeight = st.txtNameHeight;
        mShowPhone.numberWidth = st.txtNumberWidth;
        mShowPhone.numberHeight = st.txtNumberHeight;
    }

    // A contact list arriving while a call rings does not end the call display.
    if (phoneStatus != st.PhoneStatus && !(st.PhoneStatus == PHONE_InCall && phoneStatus == PHONE_List)) {
        st.prePhoneStatus = st.PhoneStatus;
        st.PhoneStatus = phoneStatus;
    }
    mShowPhone.latched = st.PhoneStatus;

    Int08 result;
    switch (st.PhoneStatus) {
    case PHONE_Unavailable: result = ShowPhone_Unavailable(st); break;
    case PHONE_InCall: result = ShowPhone_InCall(st); break;
    case PHONE_OutCall:
    case PHONE_Connect: result = ShowPhone_Speaking(st); break;
    default: result = ShowPhone_Others(st); break;
    }
    return mShowPhone.result = result;
}

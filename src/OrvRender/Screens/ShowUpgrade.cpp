// The package upgrade page and the system upgrade page. Both clear the screen, draw their pictures
// at their table places and present the frame themselves (held back in the restart window).
#include "OrvRender/Screens/ShowUpgrade.h"

#include <cstring>

#include "OrvRender/Render.h"
#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Screens/ShowBasic.h"
#include "OrvRender/Screens/ShowCommon.h"
#include "Protocol/Cdu_TCP_App.h"

static ShowUpgradeView mShowUpgrade;

const ShowUpgradeView* ShowUpgrade_View(void)
{
    return &mShowUpgrade;
}

namespace {

// Status line of each upgrade state; states without a line never time out.
struct OtaText { UInt08 state; const char* text; };
const OtaText kOtaTexts[] = {
    {OTA_TRANSFERING, "Downloading..."},
    {OTA_TRANSFER_INT, "Download interrupted"},
    {OTA_TRANSFER_SUCC, "Download finished"},
    {OTA_DECRYPTING, "Decrypting..."},
    {OTA_UNPACKING, "Unpacking..."},
    {OTA_DECRYPT_FAIL, "Decrypt fail"},
    {OTA_UNPACK_FAIL, "Unpack fail"},
    {OTA_DATA_MD5_UNMATCH, "DataPack md5 unmatch"},
};

const char* OtaTextOf(UInt08 state)
{
    for (const OtaText& t : kOtaTexts)
        if (t.state == state) return t.text;
    return nullptr;
}

constexpr Int32 kNoRate = 20000;
constexpr Int32 kFullRate = 10000;

// The screen's clear, one identity model-view matrix, the frame-rate overlay, then the texture
// program opaque with blending for the pictures.
void BeginPage(GLfloat invAlpha)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    mMdvMatStack.idx = 0;
    SetIdentityMatrix4x4(mMdvMatStack.mat[0]);
    ShowFPS();
    ShowBeginTexture();
    ShowTextureAlpha(invAlpha);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void DrawReady(Int32 id)
{
    if (pngStatus[id] == Png_TexGen) ShowDrawImage(&pngImg[id]);
}

// Appends an ASCII text as glyph indices; returns the new count.
UInt32 PutAscii(UInt32* str, UInt32 n, const char* s)
{
    for (; *s != '\0'; s++) str[n++] = (UInt32)GetAssicIdx(*s);
    return n;
}

// "0%", "0.05%", "12.34%", "100%", or "---" when the figure means nothing.
UInt32 PutRate(UInt32* str, UInt32 n, Int32 rate)
{
    auto digit = [](Int32 d) { return (UInt32)GetAssicIdx((char)('0' + d)); };
    if (rate > kFullRate) return PutAscii(str, n, "---");
    if (rate == kFullRate) return PutAscii(str, n, "100%");
    if (rate >= 1000) str[n++] = digit(rate / 1000);
    str[n++] = digit(rate / 100 % 10);
    if (rate % 100 != 0) {
        str[n++] = (UInt32)GetAssicIdx('.');
        str[n++] = digit(rate / 10 % 10);
        str[n++] = digit(rate % 10);
    }
    str[n++] = (UInt32)GetAssicIdx('%');
    return n;
}

// The status line of state into str (zero-terminated); its length with the 0 entry, 0 for none.
UInt08 BuildStatus(UInt32* str, UInt08 state)
{
    const char* text = OtaTextOf(state);
    if (text == nullptr) {
        str[0] = 0;
        return 0;
    }
    UInt32 n = PutAscii(str, 0, text);
    if (state == OTA_TRANSFERING) {
        // The link thread writes the sizes: read each once.
        const UInt32 recv = OrvShared_Load(UpgradeInfo.RecvSize), size = OrvShared_Load(UpgradeInfo.FileSize);
        mShowUpgrade.dspRate = ShowUpgrade_DownloadRate(recv, size);
        str[n++] = (UInt32)GetAssicIdx(' ');
        n = PutRate(str, n, mShowUpgrade.dspRate);
    }
    str[n++] = 0;
    return (UInt08)n;
}

}  // namespace

Int32 ShowUpgrade_DownloadRate(UInt32 recvSize, UInt32 fileSize)
{
    if (fileSize == 0) return kNoRate;
    Flt32 rate = (Flt32)recvSize / (Flt32)fileSize;
    // More than announced reads "---"; converting a huge ratio to an integer would overflow.
    if (rate > 1.0f) return kNoRate;
    return (Int32)(rate * 10000.0f);
}

void ShowUpgradeUI(void)
{
    static Int08 init = 0;
    static UInt08 state = 255;
    static UInt16 switchTick = 0;
    static Flt32 invAlpha = 0.0f;
    static UInt32 str[64];
    static UInt08 len = 0;

    if (init == 0) {
        init = 1;
        Once_InitFontBase();
        Once_InitTgaInfo();
        Once_LoadShaderProgram(Prgm_Simple_Texture);
        Once_LoadShaderProgram(Prgm_Simple_Font);
        for (Int32 id = PNG_upgrade_icon_waiting; id <= PNG_upgrade_tips_waiting; id++) ShowLoadPng(id);
        if (!ShowFontReady(Style_SiYuan_R)) {
            Once_LoadFontMapBmpData(Style_SiYuan_R, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
            Once_GenFontMapTexture(Style_SiYuan_R, BASIC_FONT_CODE_NUM, (Int32)str_invalid_char_idx[0]);
        }
        glClearColor(0, 0, 0, 0);
        invAlpha = 1.0f;
    }
    const UInt08 ota = OrvShared_Load(OtaState);
    if (ota != state) {
        state = ota;
        switchTick = 0;
    }

    BeginPage(invAlpha);
    DrawReady(PNG_upgrade_logo);
    DrawReady(PNG_upgrade_tips_waiting);
    ShowEndTexture();

    len = BuildStatus(str, state);
    if (state == OTA_TRANSFERING || len == 0)
        switchTick = 0;
    else
        switchTick++;
    if (len != 0) {
        ShowBeginFont();
        ShowText(960, 580, fontSize_SiYuan_R_27, Style_SiYuan_R, str, len, TXT_ALIGN_HCENTER | TXT_ALIGN_VCENTER,
                 colorWhite, 0.0f);
        ShowEndFont();
    }

    if (invAlpha > 0.0f) {
        invAlpha -= (Flt32)mFrameTimeMs * 0.002f;
        if (invAlpha < 0.0f) invAlpha = 0.0f;
    }

    ShowUpgradeView& v = mShowUpgrade;
    v.otaState = state;
    v.switchTick = switchTick;
    v.invAlpha = invAlpha;
    memcpy(v.txt, str, sizeof(v.txt));
    v.txtLen = len;

    if (switchTick > SHOW_UPGRADE_HOLD_FRAMES) {
        CDU_TCP_SetOtaState(OTA_Normal);
        // Counted afresh when the page shows again, even in the same state.
        state = OTA_Normal;
        switchTick = 0;
    }
    v.presented = Render_Present();
}

void ShowNimboUpgrade(void)
{
    static Int08 init = 0;
    static Flt32 tapeRotAngle = 0.0f;

    if (init == 0) {
        init = 1;
        Once_LoadShaderProgram(Prgm_Simple_Texture);
        for (Int32 id = PNG_Nimbo_loading; id <= PNG_Nimbo_hint_2; id++) ShowLoadPng(id);
        glClearColor(0, 0, 0, 0);
    }
    BeginPage(0.0f);
    DrawReady(PNG_Nimbo_logo);
    DrawReady(PNG_Nimbo_symbol);
    DrawReady(PNG_Nimbo_hint_1);
    DrawReady(PNG_Nimbo_hint_2);

    tapeRotAngle += (Flt32)mFrameTimeMs * 0.07f;
    if (tapeRotAngle > 360.0f) tapeRotAngle -= 360.0f;
    const Image& ring = pngImg[PNG_Nimbo_loading];
    if (pngStatus[PNG_Nimbo_loading] == Png_TexGen) {
        Recti r = ShowImageRect(&ring);
        // Negative: the primitive turns counter-clockwise on the screen, the ring turns clockwise.
        DrawRotzGlPicRect(SHOW_Z, &r, Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc, 960, 320,
                          -tapeRotAngle, QuadTexCoords, ring.tex);
    }
    ShowEndTexture();
    mShowUpgrade.ringAngle = tapeRotAngle;
    mShowUpgrade.ringPresented = Render_Present();
}

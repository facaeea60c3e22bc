// The cluster's frame: frame time, first-call set-up, screen test patterns, upgrade short-cuts and
// the power state machine with the logo, the self test, the normal page and the power-off page.
#include "Render.h"

#include <cstdio>

#include "OrvRender/RenderProfile.h"
#include "OrvRender/RenderRecord.h"
#include "OrvRender/RenderTune.h"
#include "OrvRender/RenderUtils.h"
#include "OrvRender/Res_Font.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Shader.h"
#include "OrvRender/Res_Tga.h"
#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Screens/Show.h"
#include "OrvRender/Screens/ShowCommon.h"
#include "OrvTask.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "lib/OrvGL.h"
#include "platform/OrvPlatform.h"

/* ---- The elements of the page ------------------------------------------------------------- */

// Each element fills its slot here when it lands (its name in place of nullptr); the composition
// below already calls every slot at its place in the page.
RenderElements mRender_Elements = {
    ShowTime,
    ShowTemprature,
    ShowSpeed,
    ShowTripRange,
    ShowGreeting,
    ShowFPS,
    ShowBattery,
    ShowGear,
    ShowDrivingMode,
    ShowSpeedLimit,
    ShowFixLeds,
    ShowDynamicLeds,
    ShowLeftModuleList,
    ShowRightModuleList,
    ShowModuleClock,
    ShowModuleTrip,
    ShowModuleEngCost,
    ShowModuleVehicleStatus,
    ShowModuleMedia,
    ShowModuleWeather,
    ShowModuleNav,
    ShowModulePhone,
    ShowMenuNull,
    ShowMenuList,
    ShowMenuValueSetting,
    ShowMenuMediaSrcSelecting,
    ShowMenuWindyModeSelecting,
    ShowMenuVersion,
    ShowMenuLeft,
    ShowHintInfo,
    ShowAlarmInfo,
    ShowTrafficLines,
    ShowAiParking,
    ShowDrivingCar,
    ShowParkingCar,
    ShowBackingCar,
    ShowVuskSpeed,
    ShowChargineUI,
    ShowUpgradeUI,
    ShowNimboUpgrade,
    ShowVoiceAssistant,
    ShowFaceRecognition,
};

// The name of each slot, in the order of the table, for the frame profiler.
static const char* const mRender_ElementNames[] = {
    "ShowTime", "ShowTemprature", "ShowSpeed", "ShowTripRange", "ShowGreeting", "ShowFPS", "ShowBattery",
    "ShowGear", "ShowDrivingMode", "ShowSpeedLimit", "ShowFixLeds", "ShowDynamicLeds", "ShowLeftModuleList",
    "ShowRightModuleList", "ShowModuleClock", "ShowModuleTrip", "ShowModuleEngCost",
    "ShowModuleVehicleStatus", "ShowModuleMedia", "ShowModuleWeather", "ShowModuleNav", "ShowModulePhone",
    "ShowMenuNull", "ShowMenuList", "ShowMenuValueSetting", "ShowMenuMediaSrcSelecting",
    "ShowMenuWindyModeSelecting", "ShowMenuVersion", "ShowMenuLeft", "ShowHintInfo", "ShowAlarmInfo",
    "ShowTrafficLines", "ShowAiParking", "ShowDrivingCar", "ShowParkingCar", "ShowBackingCar",
    "ShowVuskSpeed", "ShowChargineUI", "ShowUpgradeUI", "ShowNimboUpgrade", "ShowVoiceAssistant",
    "ShowFaceRecognition",
};
static_assert(sizeof mRender_ElementNames / sizeof mRender_ElementNames[0] ==
                  sizeof(RenderElements) / sizeof(void (*)(void)),
              "one name per slot");

// The composition reads EL.ShowSpeed and so on.
static RenderElements& EL = mRender_Elements;

// The profiler's name of a slot of EL (every slot is one function pointer wide).
template <typename F>
static const char* Render_SlotName(F& slot)
{
    return mRender_ElementNames[((const char*)&slot - (const char*)&EL) / sizeof slot];
}

// Calls an element that draws; an empty slot draws nothing.
template <typename F, typename... A>
static void Show(F& f, A... a)
{
    if (f == nullptr) return;
    RenderProfSection prof(RenderProf_Enabled() ? Render_SlotName(f) : nullptr);
    f(a...);
}

// Calls an element whose answer steers the page; an empty slot answers 0 (nothing shown).
template <typename F, typename... A>
static Int08 Ask(F& f, A... a)
{
    if (f == nullptr) return 0;
    RenderProfSection prof(RenderProf_Enabled() ? Render_SlotName(f) : nullptr);
    return f(a...);
}

/* ---- Module state ------------------------------------------------------------------------- */

static UInt08 mRender_WorkMode = WORK_MODE_OFF;
static RenderState mRender_RenderState = POWER_OFF_STATE;
static RenderState mRender_PreRenderState = POWER_OFF_INIT;
// Frame time since a start with globReboot set; at most 1999 no frame is presented.
static UInt32 mRebootRecover = 2000;

static const GLfloat mRender_ClearNormal[4] = {24.0f / 255, 26.0f / 255, 35.0f / 255, 1.0f};
static const GLfloat mRender_ClearNight[4] = {12.0f / 255, 13.0f / 255, 17.5f / 255, 1.0f};

RenderState Render_GetState(void) { return mRender_RenderState; }
UInt08 Render_GetWorkMode(void) { return mRender_WorkMode; }

/* ---- Helpers ------------------------------------------------------------------------------ */

Int08 Render_Present(void)
{
    if (mRebootRecover <= 1999) return 0;
    SwapGLBuffer();
    return 1;
}

static void Render_ResetModelView(void)
{
    mMdvMatStack.idx = 0;
    SetIdentityMatrix4x4(mMdvMatStack.mat[0]);
}

// The atlas of one style from the basic character table, bitmap then texture.
static void Render_LoadFontMap(Int32 style)
{
    Once_LoadFontMapBmpData(style, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
    Once_GenFontMapTexture(style, BASIC_FONT_CODE_NUM, (Int32)str_invalid_char_idx[0]);
}

// A picture at its own place, its size scaled by num/den (integer, truncated) on each axis, with
// the given inverted opacity; drawn by the simple texture program. Pictures without a texture
// are skipped.
static void Render_DrawPng(Int32 id, GLfloat invAlpha, Int32 wNum = 1, Int32 wDen = 1, Int32 hNum = 1,
                           Int32 hDen = 1)
{
    if (pngStatus[id] != Png_TexGen) return;
    const Image& img = pngImg[id];
    Recti rect = {img.ltx, img.lty, img.w * wNum / wDen, img.h * hNum / hDen};
    ShowBeginTexture();
    ShowTextureAlpha(invAlpha);
    ShowDrawImageRect(&img, rect);
    ShowEndTexture();
}

static void Render_DrawPngScaled43(Int32 id, GLfloat invAlpha)
{
    Render_DrawPng(id, invAlpha, 4, 3, 4, 3);
}

// The background picture of the powered-on page, -1 for none: black while charging and at the
// start of the self test, nothing while the self test's own background fades in, the reversing
// picture for the rest of the self test, then the picture of the page type; night variants by
// nightMode.
static Int32 Render_BackgroundId(Int08 chargingUI, Int32 selfTestDuration, UInt08 pageType, Int08 nightMode)
{
    static const Int32 byPage[5][2] = {
        {PNG_ui3_basic_bg_parking, PNG_ui3_basic_bg_parking_night}, // 0 no gear yet
        {PNG_ui3_basic_bg_driving, PNG_ui3_basic_bg_driving_night}, // 1 D, N
        {PNG_ui3_basic_bg_driving, PNG_ui3_basic_bg_driving_night}, // 2
        {PNG_ui3_basic_bg_backing, PNG_ui3_basic_bg_backing_night}, // 3 R
        {PNG_ui3_basic_bg_parking, PNG_ui3_basic_bg_parking_night}, // 4 P
    };
    if (chargingUI || selfTestDuration <= SelfTest_Background_black_disappear) return -1;
    if (selfTestDuration <= SelfTest_Total_Duration) return byPage[3][nightMode ? 1 : 0];
    return byPage[pageType < 5 ? pageType : 4][nightMode ? 1 : 0];
}

// The background, scaled 4/3 at its place, covers every pixel with opaque colour.
static bool Render_CoversScreen(Int32 id)
{
    if (id < 0 || pngStatus[id] != Png_TexGen || !IsOpaqueImage(&pngImg[id])) return false;
    const Image& img = pngImg[id];
    return img.ltx <= 0 && img.lty <= 0 && img.ltx + img.w * 4 / 3 >= 1920 && img.lty + img.h * 4 / 3 >= 720;
}

// Depth always; colour only where the background will not replace every pixel anyway.
static void Render_ClearUnder(Int32 background)
{
    const bool covered = RenderTune_On(RENDER_TUNE_SKIP_CLEAR) && Render_CoversScreen(background);
    glClear(covered ? GL_DEPTH_BUFFER_BIT : GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// A screen's animation set, released once the screen stops drawing; the screen loads its pictures
// again, one by one as it draws them, when it shows next. The first self-test picture stays: its
// load state tells the first power-on from later ones.
struct Render_Releasable {
    Int32 first, last;  // picture identifiers of the set
    Int08 shown;        // the screen drew on the previous frame
};
static Render_Releasable mRender_SelfTestSet = {PNG_check_000 + 1, PNG_check_092, 0};
static Render_Releasable mRender_ChargingSet = {PNG_Charge_Charging_000, PNG_Charge_Charging_043, 0};
static Render_Releasable mRender_VoiceSet = {PNG_VAI_in_000, PNG_VAI_speaking_039, 0};
static Render_Releasable mRender_FaceSet = {PNG_sampling_000, PNG_sampling_269, 0};

static void Render_TrackShown(Render_Releasable& set, Int08 shownNow)
{
    if (set.shown && !shownNow && RenderTune_On(RENDER_TUNE_RELEASE_HIDDEN)) DestroyPngResources(set.first, set.last);
    set.shown = shownNow;
}

static void Render_BuildPagePrograms(void)
{
    static const Int32 programs[] = {Prgm_Simple_Texture, Prgm_Simple_Font, Prgm_Mask_Texture,
                                     Prgm_Complex_Texture, Prgm_Simple_Color, Prgm_Color_TexAlpha,
                                     Prgm_Model_Ads};
    for (Int32 id : programs) Once_LoadShaderProgram(id);
}

static void Render_BlendOn(void)
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

static Int08 Render_NightMode(void) { return OrvShared_Load(Indicator[4]).sbit.b3; }
static Int08 Render_ChargerConnected(void) { return OrvShared_Load(Indicator[7]).sbit.b6; }

/* ---- Frame time, first call, screen test -------------------------------------------------- */

static void Render_UpdateFrameTime(void)
{
    static UInt32 preTick = 0xFFFFFFFF;
    UInt32 tick = OrvPlat_GetTickCount();
    UInt32 elapsed;
    if (preTick == 0xFFFFFFFF) elapsed = 0;
    else if (tick < preTick) elapsed = (0xFFFFFFFF - preTick) + tick;  // the counter wrapped
    else elapsed = tick - preTick;
    preTick = (tick == 0xFFFFFFFF) ? 0 : tick;
    // Limited before it becomes signed: a long stall must not turn into a negative frame time.
    mFrameTimeMs = (Int32)(elapsed > 100 ? 100 : elapsed);
}

static void Render_InitBase(void)
{
    if (globReboot == 1)
        puts("restart: the saved screen image (cat /data/screen.dat > /dev/fb) is restored on the car only");
    puts("Render initing...");
    Once_InitFontBase();
    Once_InitTgaInfo();
    Once_InitPngInfo();
    Once_InitBmpPoolInfo();
    Once_InitVboModelInfo();

    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    Once_LoadShaderProgram(Prgm_Simple_Color);
    Once_LoadShaderProgram(Prgm_Simple_Texture);

    Render_ResetModelView();
    mPrjMatStack.idx = 0;
    SetPerspectiveParameters(10.0f, 1920, 720, 100.0f, 200.0f);
    CalcPerspectiveMatrix(mPrjMatStack.mat[0]);

    glDisable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glDepthFunc(GL_LEQUAL);
    glClearDepth(1.0);
    glViewport(0, 0, 1920, 720);

    NimboState = Nimbo_OFF;
    if (globReboot == 1) mRebootRecover = 0;
    puts("Render inited");
}

// Pattern 1: red, green and blue bands, each fading in from the left.
static void Render_ColorBands(void)
{
    static const GLfloat bands[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    static const GLfloat alpha[4] = {0.3f, 1.0f, 1.0f, 0.3f};  // bottom-left, bottom-right, top-right, top-left
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    Render_ResetModelView();
    Render_BlendOn();  // the fade of the bands is their alpha
    glUseProgram(shader[Prgm_Simple_Color]);
    glUniformMatrix4fv(Prgm_Simple_Color_UNFM_Prj, 1, GL_FALSE, RENDER_PRJ_TOP);
    glUniformMatrix4fv(Prgm_Simple_Color_UNFM_Mdv, 1, GL_FALSE, RENDER_MDV_TOP);
    glUniform1f(Prgm_Simple_Color_UNFM_Alp, 0.0f);
    glEnableVertexAttribArray(Prgm_Simple_Color_ATTR_Vtx);
    glEnableVertexAttribArray(Prgm_Simple_Color_ATTR_Clr);
    for (Int32 b = 0; b < 3; b++) {
        GLfloat clr[16];
        for (Int32 v = 0; v < 4; v++) {
            clr[v * 4 + 0] = bands[b][0];
            clr[v * 4 + 1] = bands[b][1];
            clr[v * 4 + 2] = bands[b][2];
            clr[v * 4 + 3] = alpha[v];
        }
        Recti rect = {0, 240 * b, 1920, 240};
        DrawGlClrRect(-150.0f, &rect, Prgm_Simple_Color_ATTR_Vtx, Prgm_Simple_Color_ATTR_Clr, clr);
    }
    glDisableVertexAttribArray(Prgm_Simple_Color_ATTR_Vtx);
    glDisableVertexAttribArray(Prgm_Simple_Color_ATTR_Clr);
}

// Draws and presents test pattern 1 to 5; 0 for any other value (no pattern).
static Int08 Render_ScreenTest(UInt08 pattern)
{
    static const GLfloat fills[6][3] = {{0, 0, 0}, {0, 0, 0}, {1, 1, 1}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    if (pattern < 1 || pattern > 5) return 0;
    mRender_PreRenderState = POWER_OFF_INIT;  // the state's entry step runs again afterwards
    if (pattern == 1) {
        Render_ColorBands();
    } else {
        glClearColor(fills[pattern][0], fills[pattern][1], fills[pattern][2], 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    SwapGLBuffer();
    return 1;
}

/* ---- Render ------------------------------------------------------------------------------- */

void* Render(void*)
{
    static Int08 baseInit = 0;
    // Every draw of the frame is recorded and drawn where it changed when the frame is presented.
    RenderRecFrameScope recorded;
    Render_UpdateFrameTime();
    if (baseInit != 1) {
        Render_InitBase();
        baseInit = 1;
    }

    if (mRebootRecover <= 1999) {
        mRebootRecover += (UInt32)mFrameTimeMs;
        if (mRebootRecover > 1999) globReboot = 0;
    }

    if (Render_ScreenTest(OrvShared_Load(ScreenColorTest))) return nullptr;

    if (OrvShared_Load(OtaState) != 0) {
        OrvShared_Store(HmiDspState, HMI_DSP_LAUNCHING);
        Show(EL.ShowUpgradeUI);
        return nullptr;
    }
    if (OrvShared_Load(Indicator[7]).sbit.b5) {
        NimboState = Nimbo_ON;
        Show(EL.ShowNimboUpgrade);
        return nullptr;
    }

    UInt08 workMode = OrvShared_Load(WorkMode);
    if (NimboState == Nimbo_ON) {
        // The system upgrade has just ended: pass through the power-off page and power on again.
        NimboState = Nimbo_OFF;
        workMode = WORK_MODE_OFF;
    }

    if (workMode != mRender_WorkMode) {
        if (workMode == WORK_MODE_ON && mRender_RenderState == POWER_OFF_STATE) {
            mRender_WorkMode = WORK_MODE_ON;
            mRender_RenderState = POWER_ON_BMP_PLAYING;
        } else if (workMode != WORK_MODE_ON && mRender_RenderState == POWER_ON_STATE) {
            mRender_WorkMode = WORK_MODE_OFF;
            mRender_RenderState = POWER_OFF_STATE;
        }
        // Otherwise (during the logo) the change takes effect when the logo has finished.
    }

    switch (mRender_RenderState) {
    case POWER_ON_STATE:
        Render_PwrOnState();
        break;
    case POWER_ON_BMP_PLAYING:
        if (RenderProf_Step("logo", Render_PwrOnBmpPlaying) == 1) {
            OrvShared_Store(HmiDspState, HMI_DSP_LAUNCHING);
        } else if (workMode == WORK_MODE_ON) {
            mRender_RenderState = POWER_ON_STATE;
            mRender_WorkMode = WORK_MODE_ON;
            Render_PwrOnState();
        } else {
            OrvShared_Store(HmiDspState, HMI_DSP_OFF);
            mRender_RenderState = POWER_OFF_STATE;
            mRender_WorkMode = WORK_MODE_OFF;
            Render_PwrOffState();
        }
        break;
    case POWER_OFF_BMP_PLAYING:
        OrvShared_Store(HmiDspState, HMI_DSP_OFF);
        if (Render_PwrOffBmpPlaying() == 0) {
            mRender_RenderState = POWER_OFF_STATE;
            Render_PwrOffState();
        }
        break;
    default:
        OrvShared_Store(HmiDspState, HMI_DSP_OFF);
        Render_PwrOffState();
        break;
    }
    return nullptr;
}

void* CleanUpRender(void*)
{
    DestroyFontResouces();
    DestroyTgaResources(0, TGA_NUM);
    DestroyPngResources(0, PNG_NUM);
    DestroyBmpPoolResouces();
    DestroyShaderResources();
    DestroyVboResources();
    RenderRec_Invalidate();
    if (RenderProf_Enabled()) RenderProf_Print();
    return nullptr;
}

/* ---- Power-on logo ------------------------------------------------------------------------ */

// The pictures of the self test and of the normal page, loaded while the first logo is shown.
static void Render_FrontLoad(void)
{
    Render_LoadFontMap(Style_SiYuan_R);
    Render_LoadFontMap(Style_SiYuan_M);
    ShowLoadPng(PNG_check_background);
    for (Int32 id = PNG_check_000; id <= PNG_check_092; id += 2) ShowLoadPng(id);
    static const Int32 tgas[] = {TGA_ui3_basic_bg_bottom, TGA_ui3_basic_temperature_icon, TGA_ui3_basic_mute_icon,
                                 TGA_ui3_basic_bg_bottom_night};
    for (Int32 id : tgas) ShowLoadTga(id);
    static const Int32 pngs[] = {PNG_ui3_basic_bg_backing,       PNG_ui3_basic_bg_parking,
                                 PNG_ui3_basic_bg_driving,       PNG_ui3_basic_bg_backing_night,
                                 PNG_ui3_basic_bg_parking_night, PNG_ui3_basic_bg_driving_night,
                                 PNG_style_led_eco,              PNG_style_led_sport};
    for (Int32 id : pngs) ShowLoadPng(id);
}

Int08 Render_PwrOnBmpPlaying(void)
{
    static GLfloat invAlpha = 0.0f;
    static GLfloat step = 0.001f;

    OrvShared_Store(RightSideState, RightSide_MODULE);
    Render_ResetModelView();
    if (mRender_RenderState != mRender_PreRenderState) {
        mRender_PreRenderState = mRender_RenderState;
        invAlpha = 0.0f;
        OrvShared_Store(HmiDspState, HMI_DSP_LAUNCHING);
        Render_BuildPagePrograms();
        glClearColor(0, 0, 0, 0);
        Render_BlendOn();
        if (pngStatus[PNG_check_000] == Png_Unload) {
            // First power-on since start: show the logo at once, then load what comes next.
            step = 0.002f;
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            ShowLoadPng(PNG_logo);
            for (Int32 id = PNG_ui3_speed_digit_0; id <= PNG_ui3_speed_digit_9; id++) ShowLoadPng(id);
            Render_DrawPng(PNG_logo, 0.0f);
            Render_Present();
            Render_FrontLoad();
            OrvPlat_SleepMs(1000);
        } else {
            step = 0.001f;
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            Render_DrawPng(PNG_logo, 0.0f);
            Render_Present();
            OrvPlat_SleepMs(400);
        }
        return 1;
    }

    if (invAlpha < 1.0f) {
        invAlpha += (GLfloat)mFrameTimeMs * step;
        if (invAlpha > 1.0f) invAlpha = 1.0f;
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    Render_DrawPng(PNG_logo, invAlpha);
    Render_Present();
    return invAlpha <= 0.95f ? 1 : 0;
}

/* ---- Self test ---------------------------------------------------------------------------- */

void ShowSelfTest(Int32 duration)
{
    if (pngStatus[PNG_check_000] != Png_TexGen) return;
    glActiveTexture(GL_TEXTURE0);
    if (duration < 0 || duration > SelfTest_Total_Duration) return;

    if (duration <= SelfTest_Background_black) {
        glClearColor(0, 0, 0, 1);
    } else if (duration <= SelfTest_Background_black_disappear) {
        Render_DrawPng(PNG_check_background, (GLfloat)(SelfTest_Background_black_disappear - duration) / 500.0f, 9, 2);
    } else if (duration <= SelfTest_Background) {
        Render_DrawPng(PNG_check_background, 0.0f, 9, 2);
    } else {
        GLfloat fade = (GLfloat)(SelfTest_Disapear_Background - duration) / 500.0f;
        Render_DrawPng(PNG_check_background, 1.0f - fade, 9, 2);
        RenderProf_Step("background", Render_DrawPngScaled43,
                        Render_NightMode() ? PNG_ui3_basic_bg_backing_night : PNG_ui3_basic_bg_parking_night, fade);
    }

    Int32 k = duration / 75;
    if (k > 53) k = 53;
    if (k >= 15) {
        ShowLoadPng(PNG_check_000 + k + 39);
        Render_DrawPng(PNG_check_000 + k + 39, 0.0f, 5, 4, 5, 4);
    }
    ShowLoadPng(PNG_check_000 + k);
    Render_DrawPng(PNG_check_000 + k, 0.0f);
}

/* ---- Powered-on cluster ------------------------------------------------------------------- */

static Int08 Render_InCallDisplay(UInt08 phoneStatus)
{
    return phoneStatus == PHONE_InCall || phoneStatus == PHONE_OutCall || phoneStatus == PHONE_Connect;
}

// The modules of one side in their drawing order; the phone module serves the right side only.
static void Render_LeftModules(UInt08 moduleId)
{
    Show(EL.ShowModuleClock, (UInt08)0, moduleId);
    Show(EL.ShowModuleTrip, (UInt08)0, moduleId);
    Show(EL.ShowModuleEngCost, (UInt08)0, moduleId);
    Show(EL.ShowModuleVehicleStatus, (UInt08)0, moduleId);
    Show(EL.ShowModuleNav, (UInt08)0, moduleId);
    Show(EL.ShowModuleMedia, (UInt08)0, moduleId);
    Show(EL.ShowModuleWeather, (UInt08)0, moduleId);
}

// withPhone 0 leaves the phone module alone (a call shows it elsewhere this frame).
static void Render_RightModules(UInt08 moduleId, UInt08 phone, Int08 withPhone)
{
    Show(EL.ShowModuleClock, (UInt08)1, moduleId);
    Show(EL.ShowModuleTrip, (UInt08)1, moduleId);
    Show(EL.ShowModuleEngCost, (UInt08)1, moduleId);
    Show(EL.ShowModuleVehicleStatus, (UInt08)1, moduleId);
    if (withPhone) Show(EL.ShowModulePhone, phone, moduleId);
    Show(EL.ShowModuleNav, (UInt08)1, moduleId);
    Show(EL.ShowModuleMedia, (UInt08)1, moduleId);
    Show(EL.ShowModuleWeather, (UInt08)1, moduleId);
}

// Hides every element once, so that a page entered anew starts from hidden elements.
static void Render_HideAll(void)
{
    Show(EL.ShowDrivingCar, (Int08)0);
    Show(EL.ShowParkingCar, (Int08)0, (Int08)0);
    Show(EL.ShowBackingCar, (Int08)0, (UInt08)0, (UInt08)0);
    Show(EL.ShowSpeed, (UInt08)254);
    Show(EL.ShowChargineUI, (Int08)0, (UInt08)0, (UInt16)0);
    Render_LeftModules(255);
    Show(EL.ShowModuleClock, (UInt08)1, (UInt08)255);
    Show(EL.ShowModuleTrip, (UInt08)1, (UInt08)255);
    Show(EL.ShowModuleEngCost, (UInt08)1, (UInt08)255);
    Show(EL.ShowModuleVehicleStatus, (UInt08)1, (UInt08)255);
    Show(EL.ShowModulePhone, (UInt08)0, (UInt08)255);
    Show(EL.ShowModuleNav, (UInt08)1, (UInt08)255);
    Show(EL.ShowModuleMedia, (UInt08)1, (UInt08)255);
    Show(EL.ShowModuleWeather, (UInt08)1, (UInt08)255);
    Show(EL.ShowMenuNull, (UInt08)255);
    Show(EL.ShowMenuList, (UInt08)255);
    Show(EL.ShowMenuValueSetting, (Int08)-1);
    Show(EL.ShowMenuMediaSrcSelecting, (UInt08)255);
    Show(EL.ShowMenuWindyModeSelecting, (UInt08)255);
    Show(EL.ShowMenuVersion, (UInt08)255);
    Show(EL.ShowVoiceAssistant, (UInt08)255);
    Show(EL.ShowFaceRecognition, (UInt08)255);
}

// Time, temperature and range share the font program, bound once for the three.
static void Render_FontReadouts(void)
{
    ShowBeginFont();
    Show(EL.ShowTime, OrvShared_Load(SysTimeOfDayInMin), OrvShared_Load(SysTimeFmt));
    Show(EL.ShowTemprature, OrvShared_Load(Temperature));
    Show(EL.ShowTripRange, OrvShared_Load(TripRange));
    ShowEndFont();
}

void Render_PwrOnState(void)
{
    static Int08 resetNeeded = 0;
    static UInt08 pageType = 0;
    static Int32 selfTestDuration = 0;
    static UInt08 preLeftModuleID = 0, isLeftModuleIDAlter = 0, navAutoCut = 0;
    static UInt08 PhoneStatus = 0, prePhoneStatus = 0;

    UInt08 rightSide = RightSide_MODULE;
    const Int08 nightMode = Render_NightMode();
    Int08 chargingUI = Render_ChargerConnected();

    // Entry step.
    if (mRender_RenderState != mRender_PreRenderState) {
        mRender_PreRenderState = mRender_RenderState;
        resetNeeded = 1;
        pageType = 0;
        preLeftModuleID = OrvShared_Load(LeftModuleID);
        selfTestDuration = (globReboot == 1) ? SelfTest_Total_Duration : 0;  // no self test after a restart
        glClearColor(0, 0, 0, 1);
        glEnable(GL_TEXTURE_2D);
        glActiveTexture(GL_TEXTURE0);
        Render_BlendOn();
    }

    const Int08 selfTest = selfTestDuration <= SelfTest_Total_Duration;
    Render_TrackShown(mRender_SelfTestSet, selfTest);
    Render_TrackShown(mRender_ChargingSet, chargingUI && !selfTest);
    if (selfTest) {
        OrvShared_Store(HmiDspState, HMI_DSP_LAUNCHING);
        chargingUI = 0;  // the self test always plays whole
    } else {
        OrvShared_Store(HmiDspState, HMI_DSP_ON);
    }

    if (chargingUI) {
        resetNeeded = 1;
    } else {
        switch (OrvShared_Load(Gear)) {
        case GEAR_D:
        case GEAR_N: pageType = 1; break;
        case GEAR_R: pageType = 3; break;
        case GEAR_P: pageType = 4; break;
        default: break;  // the page stays as it was
        }
    }

    // Background. The clear colours take effect from the next frame's clear.
    const Int32 background = Render_BackgroundId(chargingUI, selfTestDuration, pageType, nightMode);
    Render_ClearUnder(background);
    Render_ResetModelView();
    if (chargingUI || selfTestDuration <= SelfTest_Background_black) {
        glClearColor(0, 0, 0, 1);
    } else if (selfTest && selfTestDuration > SelfTest_Background_black_disappear) {
        const GLfloat* c = nightMode ? mRender_ClearNight : mRender_ClearNormal;
        glClearColor(c[0], c[1], c[2], c[3]);
    }
    if (background >= 0) RenderProf_Step("background", Render_DrawPngScaled43, background, 0.0f);

    // Scene.
    const UInt08 radarAlarm = OrvShared_Load(RadarAlarm);
    const Int08 driving = pageType == 1 || pageType == 3;
    if (chargingUI || selfTest || !driving) {
        Show(EL.ShowBackingCar, (Int08)0, (UInt08)0, (UInt08)0);
    } else {
        Show(EL.ShowTrafficLines);
        Show(EL.ShowAiParking);
        Show(EL.ShowDrivingCar, (Int08)1);
        if (radarAlarm == 1 || radarAlarm == 2)
            Show(EL.ShowBackingCar, (Int08)1, (UInt08)0, OrvShared_Load(RadarPriority));
        else
            Show(EL.ShowBackingCar, (Int08)0, (UInt08)0, (UInt08)0);
    }
    if (!chargingUI && !selfTest) Show(EL.ShowDrivingMode, (UInt08)nightMode);

    if (chargingUI) {
        Show(EL.ShowChargineUI, (Int08)1, OrvShared_Load(Battery), OrvShared_Load(TripRange));
    } else {
        if (resetNeeded) {
            resetNeeded = 0;
            Render_HideAll();
        }

        if (selfTest) {
            selfTestDuration += mFrameTimeMs;
            RenderProf_Step("self test", ShowSelfTest, selfTestDuration);
            goto end;
        }

        // Upper part.
        Render_LoadFontMap(Style_SiYuan_M);
        Show(EL.ShowParkingCar, (Int08)(pageType == 4 || pageType == 0), (Int08)0);
        Show(EL.ShowDrivingCar, (Int08)driving);
        Render_FontReadouts();
        Show(EL.ShowGreeting);
        Show(EL.ShowSpeed, driving ? OrvShared_Load(Speed) : (UInt08)254);
        Show(EL.ShowBattery, OrvShared_Load(Battery), OrvShared_Load(TripRange));

        // Side panels.
        UInt08 menu = OrvShared_Load(MenuID);
        UInt08 rightModule = OrvShared_Load(RightModuleID);
        const UInt08 phone = OrvShared_Load(BlueToothInfo.PhoneStatus);

        // A contact list arriving while a call rings does not end the call display.
        if (phone != PhoneStatus && !(PhoneStatus == PHONE_InCall && phone == PHONE_List)) {
            prePhoneStatus = PhoneStatus;
            PhoneStatus = phone;
        }
        (void)prePhoneStatus;

        // Left side.
        const UInt08 leftModule = OrvShared_Load(LeftModuleID), leftCursor = OrvShared_Load(LeftListCursor);
        const Int08 radarView = radarAlarm != 0 && (pageType == 1 || pageType == 2 || pageType == 3);
        if (radarView || Ask(EL.ShowMenuLeft, OrvShared_Load(MenuLeftId)) == 1) {
            Ask(EL.ShowLeftModuleList, leftCursor, (UInt08)255);
            Render_LeftModules(255);
        } else if (Ask(EL.ShowLeftModuleList, leftCursor, leftModule) == 1) {
            preLeftModuleID = 1;
            navAutoCut = 0;
            Render_LeftModules(255);
        } else {
            // Route guidance takes the left panel over until the driver picks another module.
            if (OrvShared_Load(NavInfo.Enable) != 0) {
                if (preLeftModuleID == 1 || preLeftModuleID != leftModule || rightModule == MODULE_R_NAVIGATION) {
                    preLeftModuleID = leftModule;
                    isLeftModuleIDAlter = 1;
                    navAutoCut = 0;
                }
                if (isLeftModuleIDAlter == 0) navAutoCut = 1;
            } else {
                preLeftModuleID = leftModule;
                isLeftModuleIDAlter = 0;
                navAutoCut = 0;
            }
            if (navAutoCut)
                Show(EL.ShowModuleNav, (UInt08)0, (UInt08)6);
            else
                Render_LeftModules(leftModule);
        }

        // Overlays of the right side: a call, then the voice assistant, then face recognition.
        Int08 voiceShown = 0, faceShown = 0;
        if (Render_InCallDisplay(PhoneStatus)) {
            rightSide = PhoneStatus == PHONE_InCall ? RightSide_PHONE_INCALL : RightSide_PHONE_SPEAKING;
            Show(EL.ShowModulePhone, phone, (UInt08)4);
            voiceShown = Ask(EL.ShowVoiceAssistant, (UInt08)255);
            faceShown = Ask(EL.ShowFaceRecognition, (UInt08)255);
            menu = rightModule = 255;
        } else if ((voiceShown = Ask(EL.ShowVoiceAssistant, OrvShared_Load(CduRecordState))) == 1) {
            rightSide = RightSide_VOICE_AI;
            menu = rightModule = 255;
            faceShown = Ask(EL.ShowFaceRecognition, (UInt08)255);
        } else if ((faceShown = Ask(EL.ShowFaceRecognition, OrvShared_Load(FaceRecognitionstate))) == 1) {
            menu = rightModule = 255;
        }
        Render_TrackShown(mRender_VoiceSet, voiceShown);
        Render_TrackShown(mRender_FaceSet, faceShown);

        // Right side.
        if (menu != 0) {
            if (menu != 255) rightSide = RightSide_MENU;
            Show(EL.ShowMenuList, menu);
            Show(EL.ShowMenuValueSetting, (Int08)menu);
            Show(EL.ShowMenuMediaSrcSelecting, menu);
            Show(EL.ShowMenuWindyModeSelecting, menu);
            Show(EL.ShowMenuVersion, menu);
            Ask(EL.ShowRightModuleList, OrvShared_Load(RightListCursor), (UInt08)255);
            Render_RightModules(255, phone, !Render_InCallDisplay(PhoneStatus));
        } else if (Ask(EL.ShowRightModuleList, OrvShared_Load(RightListCursor), rightModule) == 1) {
            rightSide = RightSide_MODULE;
            Show(EL.ShowMenuNull, menu);
            Render_RightModules(255, phone, 1);
        } else {
            Show(EL.ShowMenuNull, menu);
            Render_RightModules(rightModule, phone, 1);
            if (rightModule == MODULE_R_PHONE)
                rightSide = PhoneStatus == PHONE_Unavailable ? RightSide_PHONE_UNAVAILABLE : RightSide_PHONE_LIST;
            else
                rightSide = RightSide_MODULE;
        }
    }

    // Lower part (the charging page joins here).
    if (!chargingUI) Show(EL.ShowSpeedLimit, pageType, OrvShared_Load(SpeedLimit));
    Ask(EL.ShowHintInfo, OrvShared_Load(HintID));
    Ask(EL.ShowAlarmInfo, OrvShared_Load(AlarmID));
    if (!chargingUI) Show(EL.ShowGear, OrvShared_Load(Gear));
    Show(EL.ShowVuskSpeed, OrvShared_Load(CruiseState), OrvShared_Load(VuskSpeed));
    Show(EL.ShowFixLeds);
    Show(EL.ShowDynamicLeds);

end:
    Render_ResetModelView();
    Show(EL.ShowFPS);
    OrvShared_Store(RightSideState, rightSide);
    Render_Present();
}

/* ---- Power-off page ----------------------------------------------------------------------- */

Int08 Render_PwrOffBmpPlaying(void)
{
    OrvShared_Store(RightSideState, RightSide_MODULE);
    if (mRender_RenderState != mRender_PreRenderState) {
        mRender_PreRenderState = mRender_RenderState;
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        Render_Present();
    }
    return 0;
}

void Render_PwrOffState(void)
{
    OrvShared_Store(RightSideState, RightSide_MODULE);
    if (mRender_RenderState != mRender_PreRenderState) {
        mRender_PreRenderState = mRender_RenderState;
        Once_InitFontBase();
        Once_InitTgaInfo();
        Render_BuildPagePrograms();
        Show(EL.ShowChargineUI, (Int08)0, (UInt08)0, (UInt16)0);
        glClearColor(0, 0, 0, 0);
    }

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    Render_ResetModelView();
    Show(EL.ShowFPS);

    glUseProgram(shader[Prgm_Simple_Texture]);
    glEnable(GL_TEXTURE_2D);
    glActiveTexture(GL_TEXTURE0);
    Render_BlendOn();

    if (Render_ChargerConnected()) {
        Show(EL.ShowParkingCar, (Int08)0, (Int08)1);
        Show(EL.ShowChargineUI, (Int08)1, OrvShared_Load(Battery), OrvShared_Load(TripRange));
    } else {
        Show(EL.ShowParkingCar, (Int08)1, (Int08)1);
        Show(EL.ShowChargineUI, (Int08)0, OrvShared_Load(Battery), OrvShared_Load(TripRange));
    }

    ShowBeginFont();
    Show(EL.ShowTime, OrvShared_Load(SysTimeOfDayInMin), OrvShared_Load(SysTimeFmt));
    Show(EL.ShowTemprature, OrvShared_Load(Temperature));
    ShowEndFont();

    Ask(EL.ShowHintInfo, OrvShared_Load(HintID));
    Ask(EL.ShowAlarmInfo, OrvShared_Load(AlarmID));
    Show(EL.ShowFixLeds);
    Show(EL.ShowDynamicLeds);
    Render_Present();
}

// Font styles, glyph atlases, glyph sizes and text anchor points.
#include "OrvRender/Res_Font.h"

#include <GL/glew.h>
#include <stdio.h>
#include <stdlib.h>

#include "OrvRender/RenderUtils.h"
#include "lib/OrvFont.h"

// Every atlas: 32-pixel glyphs packed tightly into a 1024-pixel-wide alpha texture.
static const Int32 FONT_MAP_CHAR_SIZE = 32;
static const Int32 FONT_MAP_TEX_WIDTH = 1024;

const char* fontFilePath[Style_NUM] = {
    "./Res/font/Halvik-Regular.ttf",
    "./Res/font/Halvik-Medium.ttf",
};
Int32 fontLibId[Style_NUM] = {-1, -1};

UInt08 fontMapStatus[Style_NUM] = {Ftm_Unload, Ftm_Unload};
Int32 fontTexHigh[Style_NUM] = {0, 0};
UInt08* fontMapBmpData0[Style_NUM] = {NULL, NULL};
Flt32* fontWidthRate[Style_NUM] = {NULL, NULL};
Flt32* fontTexcoord[Style_NUM] = {NULL, NULL};
UInt32 fontTexture[Style_NUM] = {0, 0};

static Int08 mFontBaseInit = 0;

const Int32 fontSize_SiYuan_R_70[3] = {70, 120, 3};
const Int32 fontSize_SiYuan_R_30[3] = {30, 48, 4};
const Int32 fontSize_SiYuan_R_28[3] = {28, 42, 2};
const Int32 fontSize_SiYuan_R_27[3] = {27, 45, 2};
const Int32 fontSize_SiYuan_R_26[3] = {26, 39, 1};
const Int32 fontSize_SiYuan_R_26_3[3] = {26, 39, 3};
const Int32 fontSize_SiYuan_R_26_2[3] = {26, 39, 2};
const Int32 fontSize_SiYuan_R_24[3] = {24, 36, 1};
const Int32 fontSize_SiYuan_M_60[3] = {60, 90, 5};
const Int32 fontSize_SiYuan_M_48[3] = {48, 75, 2};
const Int32 fontSize_SiYuan_M_46[3] = {46, 75, 4};
const Int32 fontSize_SiYuan_M_30[3] = {30, 48, 2};
const Int32 fontSize_SiYuan_M_28[3] = {28, 42, 2};
const Int32 fontSize_SiYuan_M_28_1[3] = {28, 50, 2};
const Int32 fontSize_SiYuan_M_26[3] = {26, 39, 1};

const Int32* const fs_Trip_0 = fontSize_SiYuan_M_30;
const Int32* const fs_Trip_1 = fontSize_SiYuan_R_27;
const Int32* const fs_Time = fontSize_SiYuan_R_27;
const Int32* const fs_Temperature = fontSize_SiYuan_R_27;
const Int32* const fs_SpeedUnit = fontSize_SiYuan_R_28;
const Int32* const fs_SpeedLimit = fontSize_SiYuan_R_26;
const Int32* const fs_ChargeTips0 = fontSize_SiYuan_M_46;
const Int32* const fs_RadarTips0 = fontSize_SiYuan_M_48;
const Int32* const fs_RadarTips1 = fontSize_SiYuan_M_28_1;
const Int32* const fs_HintInfo = fontSize_SiYuan_R_28;
const Int32* const fs_AlarmInfoTxt = fontSize_SiYuan_R_28;
const Int32* const fs_AlarmInfoConfirm = fontSize_SiYuan_M_28;
const Int32* const fs_MdTripValue = fontSize_SiYuan_R_28;
const Int32* const fs_MdEngCostAvgValue = fontSize_SiYuan_R_28;
const Int32* const fs_MdStatusTitle = fontSize_SiYuan_R_30;
const Int32* const fs_MdStatusPressure = fontSize_SiYuan_M_28;
const Int32* const fs_MdStatusTemperature = fontSize_SiYuan_M_28;
const Int32* const fs_MdWeatherStatus = fontSize_SiYuan_R_26_2;
const Int32* const fs_MdWeatherTemp = fontSize_SiYuan_R_30;
const Int32* const fs_MdPhoneAction = fontSize_SiYuan_M_30;
const Int32* const fs_MdPhoneOper = fontSize_SiYuan_R_28;
const Int32* const fs_VuskSpeed = fontSize_SiYuan_M_28;
const Int32* const fs_MenuValueSetTxt = fontSize_SiYuan_M_60;
const Int32* const fs_MenuValueSetUnit = fontSize_SiYuan_M_26;
const Int32* const fs_MenuTipsTxt = fontSize_SiYuan_R_26_2;

static_assert(CTP_Facergnsuccess_2 == 54 && CTP_NUM == 55, "one anchor point per CTP_ value");
const Vec2i txtPos[CTP_NUM] = {
    {1359, 667}, // CTP_Time
    {1523, 667}, // CTP_Temperature
    {923, 89},   // CTP_Speed_X
    {888, 89},   // CTP_Speed_XX
    {859, 89},   // CTP_Speed_XXX
    {960, 89},   // CTP_Speed_Invalid
    {926, 212},  // CTP_Speed_Unit
    {850, 318},  // CTP_Speed_Limit
    {960, 603},  // CTP_ChargingBat
    {1004, 667}, // CTP_TripRange
    {200, 201},  // CTP_ChargeStatus
    {165, 315},  // CTP_ChargeTips0
    {200, 320},  // CTP_ChargeTips1
    {960, 336},  // CTP_HintInfo
    {960, 583},  // CTP_AlarmInfoSimpleTxt
    {960, 516},  // CTP_AlarmInfoDialogTxt
    {960, 587},  // CTP_AlarmInfoDialogCfm
    {601, 259},  // CTP_MdTripValue0
    {601, 306},  // CTP_MdTripValue1
    {508, 353},  // CTP_MdTripValue2
    {601, 457},  // CTP_MdTripValue3
    {603, 502},  // CTP_MdTripValue4
    {396, 481},  // CTP_MdEngCostAvgValue
    {433, 177},  // CTP_MdStatusTitle
    {346, 258},  // CTP_MdStatusPressureLf
    {567, 258},  // CTP_MdStatusPressureRf
    {346, 460},  // CTP_MdStatusPressureLb
    {567, 460},  // CTP_MdStatusPressureRb
    {345, 289},  // CTP_MdStatusTempLf
    {567, 289},  // CTP_MdStatusTempRf
    {345, 492},  // CTP_MdStatusTempLb
    {567, 492},  // CTP_MdStatusTempRb
    {1533, 231}, // CTP_MdPhoneCti
    {1400, 229}, // CTP_MdPhoneListCtiName1
    {1400, 265}, // CTP_MdPhoneListCtiNum1
    {1400, 332}, // CTP_MdPhoneListCtiName2
    {1400, 370}, // CTP_MdPhoneListCtiNum2
    {1400, 441}, // CTP_MdPhoneListCtiName3
    {1400, 476}, // CTP_MdPhoneListCtiNum3
    {1533, 280}, // CTP_MdPhoneAction
    {1516, 371}, // CTP_MdPhoneOper0
    {1516, 439}, // CTP_MdPhoneOper1
    {1516, 498}, // CTP_MdPhoneOper2
    {1510, 343}, // CTP_MenuValueSetTxt
    {822, 181},  // CTP_VuskSpeed
    {400, 200},  // CTP_RadarFront
    {400, 450},  // CTP_RadarBack
    {1388, 557}, // CTP_Facergnidentification_1
    {1373, 559}, // CTP_Facergnfront
    {1418, 557}, // CTP_Facergnleft
    {1418, 557}, // CTP_Facergnright
    {1385, 560}, // CTP_Facergncover
    {1400, 524}, // CTP_Facergnsuccess_1
    {1430, 550}, // CTP_Facergnidentification_2
    {1430, 484}, // CTP_Facergnsuccess_2
};

static bool Font_StyleValid(Int32 style)
{
    return style >= 0 && style < Style_NUM;
}

void Once_InitFontBase(void)
{
    if (mFontBaseInit)
        return;
    mFontBaseInit = 1;
    if (!InitFtLibs(fontFilePath, fontLibId, Style_NUM)) {
        // Name the first font that did not open.
        const char* failed = fontFilePath[0];
        for (Int32 s = 0; s < Style_NUM; s++)
            if (fontLibId[s] == -1) {
                failed = fontFilePath[s];
                break;
            }
        printf("init font libs failure[%s]\n", failed);
    }
    for (Int32 s = 0; s < Style_NUM; s++) {
        fontMapStatus[s] = fontLibId[s] == -1 ? Ftm_LoadFail : Ftm_Unload;
        fontTexHigh[s] = 0;
        fontMapBmpData0[s] = NULL;
    }
}

void Once_LoadFontMapBmpData(const Int32 style, const Int32 codeNum, const UInt32* code)
{
    if (!Font_StyleValid(style) || fontMapStatus[style] != Ftm_Unload)
        return;
    if (GenFontBmps(fontLibId[style], FONT_MAP_CHAR_SIZE, FONT_MAP_TEX_WIDTH, codeNum, code,
                    &fontTexHigh[style], &fontMapBmpData0[style], &fontWidthRate[style],
                    &fontTexcoord[style], 1)) {
        fontMapStatus[style] = Ftm_Loaded;
        printf("font texture[%d] width:%d, high:%d\n", style, FONT_MAP_TEX_WIDTH, fontTexHigh[style]);
    } else {
        fontMapStatus[style] = Ftm_LoadFail;
        puts("generate font texture bitmap failure");
    }
}

void Once_GenFontMapTexture(const Int32 style, const Int32 codeNum, const Int32 codeIdxForInvalid)
{
    if (!Font_StyleValid(style) || fontMapStatus[style] != Ftm_Loaded)
        return;
    fontMapStatus[style] = Ftm_TexGen;
    GLuint tex = 0;
    glGenTextures(1, &tex);
    fontTexture[style] = tex;
    printf("fontTexture_Style_%d[%d]\n", style, (int)tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, FONT_MAP_TEX_WIDTH, fontTexHigh[style], 0, GL_ALPHA,
                 GL_UNSIGNED_BYTE, fontMapBmpData0[style]);
    glGenerateMipmap(GL_TEXTURE_2D);
    free(fontMapBmpData0[style]);
    fontMapBmpData0[style] = NULL;
    // From here on the registry owns the texture and the two arrays; fontWidthRate and
    // fontTexcoord only look at them.
    RegisterFontParameters(style, tex, fontTexcoord[style], fontWidthRate[style], codeNum,
                           codeIdxForInvalid);
}

void DestroyFontResouces(void)
{
    for (Int32 s = 0; s < Style_NUM; s++) {
        if (fontMapStatus[s] == Ftm_TexGen) {
            // Registered: the registry frees the arrays and deletes the texture, and forgets
            // them, so that nothing is freed twice and no entry points at freed memory.
            UnregisterFontParameters(s);
        } else {
            free(fontWidthRate[s]);
            free(fontTexcoord[s]);
            if (fontTexture[s] != 0) {
                GLuint tex = fontTexture[s];
                glDeleteTextures(1, &tex);
            }
        }
        free(fontMapBmpData0[s]);
        fontMapBmpData0[s] = NULL;
        fontWidthRate[s] = NULL;
        fontTexcoord[s] = NULL;
        fontTexture[s] = 0;
        fontTexHigh[s] = 0;
        fontMapStatus[s] = Ftm_Unload;
    }
}

Int32 GetAssicIdx(char ch)
{
    const unsigned char c = (unsigned char)ch;
    if (c >= 0x21 && c <= 0x7E)
        return (Int32)c - 31;
    return 1;
}

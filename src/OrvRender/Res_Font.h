/* Fonts of the cluster: the two font styles with their files and FreeType faces, the glyph atlas
 * of each style (built once from the basic character table, then kept as an alpha texture in the
 * font registry of the text primitives), the glyph-size triples of every text, and the anchor
 * points of the texts on the screen. Render thread only. */
#ifndef RES_FONT_H
#define RES_FONT_H

#include "BaseTypes.h"

/* Font styles; a style number is also the style's slot in the font registry. */
enum {
    Style_SiYuan_R = 0, /* regular weight */
    Style_SiYuan_M = 1, /* medium weight */
    Style_NUM = 2
};

/* Life of a style's atlas. */
enum {
    Ftm_Unload = 0,   /* nothing built */
    Ftm_Loaded = 1,   /* bitmap built */
    Ftm_TexGen = 2,   /* texture made and registered: text may be drawn */
    Ftm_LoadFail = 3  /* font missing or atlas failed; never retried */
};

/* "./Res/font/Halvik-Regular.ttf", "./Res/font/Halvik-Medium.ttf". */
extern const char* fontFilePath[Style_NUM];
/* FreeType face id of each style, -1 until opened or when the file could not be opened. */
extern Int32 fontLibId[Style_NUM];

/* Atlas of each style: state, height in pixels, pixels (until the texture exists), per-glyph width
 * rates and texcoords (owned by the font registry once the texture is registered), texture. */
extern UInt08 fontMapStatus[Style_NUM];
extern Int32 fontTexHigh[Style_NUM];
extern UInt08* fontMapBmpData0[Style_NUM];
extern Flt32* fontWidthRate[Style_NUM];
extern Flt32* fontTexcoord[Style_NUM];
extern UInt32 fontTexture[Style_NUM];

/* Glyph sizes: width, height, gap in pixels (glyphW, glyphH, glyphGap of the text primitive). */
extern const Int32 fontSize_SiYuan_R_70[3];
extern const Int32 fontSize_SiYuan_R_30[3];
extern const Int32 fontSize_SiYuan_R_28[3];
extern const Int32 fontSize_SiYuan_R_27[3];
extern const Int32 fontSize_SiYuan_R_26[3];
extern const Int32 fontSize_SiYuan_R_26_3[3];
extern const Int32 fontSize_SiYuan_R_26_2[3];
extern const Int32 fontSize_SiYuan_R_24[3];
extern const Int32 fontSize_SiYuan_M_60[3];
extern const Int32 fontSize_SiYuan_M_48[3];
extern const Int32 fontSize_SiYuan_M_46[3];
extern const Int32 fontSize_SiYuan_M_30[3];
extern const Int32 fontSize_SiYuan_M_28[3];
extern const Int32 fontSize_SiYuan_M_28_1[3];
extern const Int32 fontSize_SiYuan_M_26[3];

/* The glyph size of each text, by use. */
extern const Int32* const fs_Trip_0;
extern const Int32* const fs_Trip_1;
extern const Int32* const fs_Time;
extern const Int32* const fs_Temperature;
extern const Int32* const fs_SpeedUnit;
extern const Int32* const fs_SpeedLimit;
extern const Int32* const fs_ChargeTips0;
extern const Int32* const fs_RadarTips0;
extern const Int32* const fs_RadarTips1;
extern const Int32* const fs_HintInfo;
extern const Int32* const fs_AlarmInfoTxt;
extern const Int32* const fs_AlarmInfoConfirm;
extern const Int32* const fs_MdTripValue;
extern const Int32* const fs_MdEngCostAvgValue;
extern const Int32* const fs_MdStatusTitle;
extern const Int32* const fs_MdStatusPressure;
extern const Int32* const fs_MdStatusTemperature;
extern const Int32* const fs_MdWeatherStatus;
extern const Int32* const fs_MdWeatherTemp;
extern const Int32* const fs_MdPhoneAction;
extern const Int32* const fs_MdPhoneOper;
extern const Int32* const fs_VuskSpeed;
extern const Int32* const fs_MenuValueSetTxt;
extern const Int32* const fs_MenuValueSetUnit;
extern const Int32* const fs_MenuTipsTxt;

/* Text anchor points, indices into txtPos. */
enum {
    CTP_Time = 0,
    CTP_Temperature,
    CTP_Speed_X,
    CTP_Speed_XX,
    CTP_Speed_XXX,
    CTP_Speed_Invalid,
    CTP_Speed_Unit,
    CTP_Speed_Limit,
    CTP_ChargingBat,
    CTP_TripRange,
    CTP_ChargeStatus,
    CTP_ChargeTips0,
    CTP_ChargeTips1,
    CTP_HintInfo,
    CTP_AlarmInfoSimpleTxt,
    CTP_AlarmInfoDialogTxt,
    CTP_AlarmInfoDialogCfm,
    CTP_MdTripValue0,
    CTP_MdTripValue1,
    CTP_MdTripValue2,
    CTP_MdTripValue3,
    CTP_MdTripValue4,
    CTP_MdEngCostAvgValue,
    CTP_MdStatusTitle,
    CTP_MdStatusPressureLf,
    CTP_MdStatusPressureRf,
    CTP_MdStatusPressureLb,
    CTP_MdStatusPressureRb,
    CTP_MdStatusTempLf,
    CTP_MdStatusTempRf,
    CTP_MdStatusTempLb,
    CTP_MdStatusTempRb,
    CTP_MdPhoneCti,
    CTP_MdPhoneListCtiName1,
    CTP_MdPhoneListCtiNum1,
    CTP_MdPhoneListCtiName2,
    CTP_MdPhoneListCtiNum2,
    CTP_MdPhoneListCtiName3,
    CTP_MdPhoneListCtiNum3,
    CTP_MdPhoneAction,
    CTP_MdPhoneOper0,
    CTP_MdPhoneOper1,
    CTP_MdPhoneOper2,
    CTP_MenuValueSetTxt,
    CTP_VuskSpeed,
    CTP_RadarFront,
    CTP_RadarBack,
    CTP_Facergnidentification_1,
    CTP_Facergnfront,
    CTP_Facergnleft,
    CTP_Facergnright,
    CTP_Facergncover,
    CTP_Facergnsuccess_1,
    CTP_Facergnidentification_2,
    CTP_Facergnsuccess_2,
    CTP_NUM
};

/* Screen points (pixels, top-left origin) where the screens anchor their texts, by CTP_*. */
extern const Vec2i txtPos[CTP_NUM];

/* First call only: opens both fonts; a style whose font did not open is Ftm_LoadFail from then
 * on and never draws atlas text. */
void Once_InitFontBase(void);
/* Builds the atlas bitmap of a style (32-pixel glyphs, 1024 pixels wide, tight packing) when the
 * style is Ftm_Unload; Ftm_Loaded on success, Ftm_LoadFail otherwise. */
void Once_LoadFontMapBmpData(const Int32 style, const Int32 codeNum, const UInt32* code);
/* Makes the atlas texture of a Ftm_Loaded style, frees its bitmap and registers the style with
 * the text primitives (glyph codeIdxForInvalid stands in for indices out of range). */
void Once_GenFontMapTexture(const Int32 style, const Int32 codeNum, const Int32 codeIdxForInvalid);
/* Releases both atlases (memory, texture, registry entry); both styles become Ftm_Unload. Needs
 * the render context when a texture exists. The FreeType faces stay open. */
void DestroyFontResouces(void);
/* The basic-table glyph index of an ASCII character: ch - 31 for 0x21..0x7E, else 1 (space). */
Int32 GetAssicIdx(char ch);

#endif

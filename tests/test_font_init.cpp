// Opening fonts: a missing font file fails its style only, and the face slots run out after ten.
// A program of its own, because the fonts are opened once per process.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OrvRender/Res_Font.h"
#include "OrvRender/Res_TxtBasic.h"
#include "lib/OrvFont.h"

TEST(FontInit, MissingFontFailsItsStyleFromTheStart)
{
    fontFilePath[Style_SiYuan_M] = "./Res/font/Missing-Medium.ttf";
    testing::internal::CaptureStdout();
    Once_InitFontBase();
    Once_InitFontBase();  // only the first call opens anything
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "FT_New_Face ./Res/font/Missing-Medium.ttf fail\n"
                   "init font libs failure[./Res/font/Missing-Medium.ttf]\n");
    EXPECT_GE(fontLibId[Style_SiYuan_R], 0);
    EXPECT_EQ(fontLibId[Style_SiYuan_M], -1);
    EXPECT_EQ(fontMapStatus[Style_SiYuan_R], Ftm_Unload);
    EXPECT_EQ(fontMapStatus[Style_SiYuan_M], Ftm_LoadFail);

    // The failed style builds nothing; the other one still does.
    testing::internal::CaptureStdout();
    Once_LoadFontMapBmpData(Style_SiYuan_M, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
    Once_GenFontMapTexture(Style_SiYuan_M, BASIC_FONT_CODE_NUM, str_invalid_char_idx[0]);
    out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "");
    EXPECT_EQ(fontMapStatus[Style_SiYuan_M], Ftm_LoadFail);
    EXPECT_EQ(fontMapBmpData0[Style_SiYuan_M], nullptr);
    Once_LoadFontMapBmpData(Style_SiYuan_R, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
    EXPECT_EQ(fontMapStatus[Style_SiYuan_R], Ftm_Loaded);

    // Run-time text with the missing face fails quietly.
    UInt08 buf[100 * 40];
    const UInt32 text[2] = {'A', 0};
    Int32 w = 100, h = 40, drawn = 1;
    EXPECT_EQ(DrawSingleLineTxtBmp(fontLibId[Style_SiYuan_M], 28, &w, &h, text, buf, 1, &drawn), 0);
    EXPECT_EQ(drawn, 0);
    DestroyFontResouces();
    EXPECT_EQ(fontMapBmpData0[Style_SiYuan_R], nullptr);
}

TEST(FontInit, FacesBeyondTheTenthAreRefused)
{
    DeInitFtLibs(NULL, 0);
    // Eleven files: ten open as faces 0..9, the eleventh gets -1 and the call reports failure.
    std::vector<const char*> files(11, ORV_BOX_FONT);
    std::vector<Int32> ids(11, 77);
    EXPECT_EQ(InitFtLibs(files.data(), ids.data(), 11), 0);
    for (int i = 0; i < 10; i++)
        EXPECT_EQ(ids[i], i);
    EXPECT_EQ(ids[10], -1);
    // Every slot is taken now: one more file cannot open, and the ten faces still work.
    Int32 more = 77;
    EXPECT_EQ(InitFtLibs(files.data(), &more, 1), 0);
    EXPECT_EQ(more, -1);
    UInt08 buf[100 * 48] = {0};
    const UInt32 text[2] = {'A', 0};
    Int32 w = 100, h = 48;
    EXPECT_EQ(DrawSingleLineTxtBmp(9, 32, &w, &h, text, buf, 1, NULL), 1);
    EXPECT_EQ(w, 20);

    // After closing everything, faces are numbered from 0 again.
    DeInitFtLibs(NULL, 0);
    w = 100;
    EXPECT_EQ(DrawSingleLineTxtBmp(0, 32, &w, &h, text, buf, 1, NULL), 0);
    Int32 id = 77;
    EXPECT_EQ(InitFtLibs(files.data(), &id, 1), 1);
    EXPECT_EQ(id, 0);
    DeInitFtLibs(NULL, 0);
}

TEST(FontInit, UnreadableFileGetsMinusOne)
{
    const char* files[3] = {ORV_BOX_FONT, "./no/such/font.ttf", ORV_BOX_FONT};
    Int32 ids[3] = {77, 77, 77};
    testing::internal::CaptureStdout();
    const Int08 ok = InitFtLibs(files, ids, 3);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(ok, 0);
    EXPECT_GE(ids[0], 0);
    EXPECT_EQ(ids[1], -1);
    EXPECT_EQ(ids[2], ids[0] + 1) << "a failed file does not use up a face slot";
    EXPECT_EQ(out, "FT_New_Face ./no/such/font.ttf fail\n");
    DeInitFtLibs(NULL, 0);
}

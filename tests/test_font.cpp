// Glyph atlases, run-time text bitmaps and the text tables, without a GL context.
//
// Layout is checked on a box font whose glyphs are whole pixels wide (tests/support/
// make_box_font.py); the real fonts of Res/font/ are checked for every character the tables use.
#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdlib.h>
#include <string.h>

#include <set>
#include <string>
#include <vector>

#include "OrvRender/Res_Font.h"
#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Res_TxtHintAlarm.h"
#include "lib/OrvFont.h"

namespace {

// The box font, opened once per process (faces stay open, and there are only ten slots).
Int32 BoxFace()
{
    static Int32 id = -2;
    if (id == -2) {
        const char* files[1] = {ORV_BOX_FONT};
        InitFtLibs(files, &id, 1);
    }
    return id;
}

// An atlas built by GenFontBmps, freed at the end of the test.
struct Atlas {
    Int32 high = 0;
    UInt08* pixels = NULL;
    Flt32* rates = NULL;
    Flt32* txc = NULL;
    Int08 ok = 0;
    Atlas(Int32 face, const std::vector<UInt32>& codes, Int08 tight = 1, Int32 size = 32)
    {
        ok = GenFontBmps(face, size, 1024, (Int32)codes.size(), codes.data(), &high, &pixels, &rates,
                         &txc, tight);
    }
    ~Atlas()
    {
        free(pixels);
        free(rates);
        free(txc);
    }
    // Pixel at column x of top-down row y (the bitmap is stored bottom row first).
    int At(int x, int y) const { return pixels[(size_t)(high - 1 - y) * 1024 + x]; }
    Flt32 SLeft(int n) const { return txc[n * 4 + 0]; }
    Flt32 TTop(int n) const { return txc[n * 4 + 1]; }
    Flt32 SRight(int n) const { return txc[n * 4 + 2]; }
    Flt32 TBottom(int n) const { return txc[n * 4 + 3]; }
};

std::vector<UInt32> Codes(const char* s)
{
    std::vector<UInt32> v;
    for (; *s; s++)
        v.push_back((unsigned char)*s);
    return v;
}

const Flt32 px = 1.0f / 1024.0f;

}  // namespace

TEST(GetAssicIdx, MapsPrintableAsciiAndBlanksTheRest)
{
    struct { char ch; Int32 idx; } cases[] = {
        {'A', 34}, {'0', 17}, {' ', 1}, {'~', 95}, {'\n', 1}, {'!', 2},
        {'\0', 1}, {(char)0x7F, 1}, {(char)0x80, 1}, {(char)0xFF, 1},
    };
    for (auto& c : cases)
        EXPECT_EQ(GetAssicIdx(c.ch), c.idx) << "char 0x" << std::hex << (int)(unsigned char)c.ch;
    for (int ch = 0x21; ch <= 0x7E; ch++)
        EXPECT_EQ(Basic_FONT_CODE[GetAssicIdx((char)ch)], (UInt32)ch);
}

TEST(GenFontBmps, ThreeCharactersMakeOneRowPackedByInkWidth)
{
    ASSERT_GE(BoxFace(), 0);
    Atlas a(BoxFace(), Codes("ABC"));  // 20, 30 and 10 pixels of ink
    ASSERT_TRUE(a.ok);
    EXPECT_EQ(a.high, 48);
    EXPECT_FLOAT_EQ(a.SLeft(0), 0.0f);
    EXPECT_FLOAT_EQ(a.SRight(0), 20 * px);
    EXPECT_FLOAT_EQ(a.SLeft(1), 22 * px);  // two pixels of gap
    EXPECT_FLOAT_EQ(a.SRight(1), 52 * px);
    EXPECT_FLOAT_EQ(a.SLeft(2), 54 * px);
    EXPECT_FLOAT_EQ(a.SRight(2), 64 * px);
    for (int n = 0; n < 3; n++) {
        EXPECT_FLOAT_EQ(a.TTop(n), 1.0f);
        EXPECT_FLOAT_EQ(a.TBottom(n), 0.0f);
    }
    EXPECT_FLOAT_EQ(a.rates[0], 20.0f / 32);
    EXPECT_FLOAT_EQ(a.rates[1], 30.0f / 32);
    EXPECT_FLOAT_EQ(a.rates[2], 10.0f / 32);
    // Ink stands on the baseline 32 rows below the cell top: rows 12..31 of A.
    EXPECT_EQ(a.At(5, 12), 255);
    EXPECT_EQ(a.At(5, 31), 255);
    EXPECT_EQ(a.At(5, 11), 0);
    EXPECT_EQ(a.At(5, 32), 0);
    EXPECT_EQ(a.At(19, 20), 255);
    EXPECT_EQ(a.At(20, 20), 0);  // the gap
    EXPECT_EQ(a.At(21, 20), 0);
    EXPECT_EQ(a.At(22, 20), 255);
    // Tight packing drops C's two-pixel left bearing.
    EXPECT_EQ(a.At(54, 20), 255);
    EXPECT_EQ(a.At(63, 20), 255);
    EXPECT_EQ(a.At(64, 20), 0);
}

TEST(GenFontBmps, SpaceIsHalfASizeWithoutInkAndMissingGlyphsTakeNoRoom)
{
    ASSERT_GE(BoxFace(), 0);
    Atlas a(BoxFace(), {' ', 0x4E00, 'A'});
    ASSERT_TRUE(a.ok);
    EXPECT_FLOAT_EQ(a.rates[0], 0.5f);
    EXPECT_FLOAT_EQ(a.SRight(0), 16 * px);
    for (int n = 0; n < 4; n++)
        EXPECT_EQ(a.txc[4 + n], 0.0f) << "texcoord " << n << " of the missing glyph";
    EXPECT_EQ(a.rates[1], 0.0f);
    EXPECT_FLOAT_EQ(a.SLeft(2), 18 * px);  // right after the space and its gap
    for (int y = 0; y < 48; y++)
        for (int x = 0; x < 18; x++)
            ASSERT_EQ(a.At(x, y), 0) << x << "," << y;
}

TEST(GenFontBmps, WrapsToTheNextRowAndFlipsTheAtlas)
{
    ASSERT_GE(BoxFace(), 0);
    // 32 glyphs of 30 pixels plus gap fill 1024 columns exactly; the 33rd starts a new row.
    Atlas a(BoxFace(), std::vector<UInt32>(33, 'B'));
    ASSERT_TRUE(a.ok);
    EXPECT_EQ(a.high, 96);
    EXPECT_FLOAT_EQ(a.SLeft(31), 992 * px);
    EXPECT_FLOAT_EQ(a.SLeft(32), 0.0f);
    EXPECT_FLOAT_EQ(a.TTop(0), 1.0f);
    EXPECT_FLOAT_EQ(a.TBottom(0), 0.5f);
    EXPECT_FLOAT_EQ(a.TTop(32), 0.5f);
    EXPECT_FLOAT_EQ(a.TBottom(32), 0.0f);
    // Stored bottom row first: the first row's ink lies in the upper half of the buffer.
    EXPECT_EQ(a.pixels[(size_t)(96 - 1 - 20) * 1024 + 5], 255);
    EXPECT_EQ(a.pixels[(size_t)(96 - 1 - 20 - 48) * 1024 + 5], 255);
    EXPECT_EQ(a.pixels[(size_t)(96 - 1 - 20) * 1024 + 1000], 255);
    EXPECT_EQ(a.pixels[(size_t)(96 - 1 - 20 - 48) * 1024 + 1000], 0);
}

TEST(GenFontBmps, KeepsInkInsideItsCell)
{
    ASSERT_GE(BoxFace(), 0);
    // D hangs 20 pixels below the baseline, 4 more than its cell holds; T is taller than the
    // size. The 32nd B wraps to the second row, right under D, and T follows it.
    std::vector<UInt32> codes = {'D'};
    codes.insert(codes.end(), 32, 'B');
    codes.push_back('T');
    Atlas a(BoxFace(), codes);
    ASSERT_TRUE(a.ok);
    ASSERT_EQ(a.high, 96);
    EXPECT_FLOAT_EQ(a.SLeft(32), 0.0f);
    EXPECT_FLOAT_EQ(a.SLeft(33), 32 * px);
    EXPECT_EQ(a.At(5, 22), 255);  // D: 10 above the baseline ...
    EXPECT_EQ(a.At(5, 47), 255);  // ... down to the cell bottom
    for (int y = 48; y < 60; y++)  // the B below has no ink above row 60
        EXPECT_EQ(a.At(15, y), 0) << "row " << y << " under D";
    EXPECT_EQ(a.At(15, 60), 255);
    // T's top is limited to the size: its 36 rows start at the top of its cell, 4 rows lower
    // than its outline says.
    EXPECT_EQ(a.At(35, 48), 255);
    EXPECT_EQ(a.At(35, 48 + 35), 255);
    EXPECT_EQ(a.At(35, 48 + 36), 0);
}

TEST(GenFontBmps, FixedCellsKeepTheLeftBearing)
{
    ASSERT_GE(BoxFace(), 0);
    Atlas a(BoxFace(), Codes("CA"), 0);
    ASSERT_TRUE(a.ok);
    EXPECT_FLOAT_EQ(a.rates[0], 1.0f);
    EXPECT_FLOAT_EQ(a.SRight(0), 32 * px);
    EXPECT_FLOAT_EQ(a.SLeft(1), 32 * px);
    EXPECT_EQ(a.At(1, 20), 0);
    EXPECT_EQ(a.At(2, 20), 255);
    EXPECT_EQ(a.At(11, 20), 255);
    EXPECT_EQ(a.At(12, 20), 0);
    EXPECT_EQ(a.At(32, 20), 255);
}

TEST(GenFontBmps, RefusesBadArguments)
{
    ASSERT_GE(BoxFace(), 0);
    const UInt32 codes[1] = {'A'};
    Int32 high = 0;
    UInt08* pixels = NULL;
    struct { const char* what; Int32 face, size, width, num; bool noPixels, noHigh; } cases[] = {
        {"width below size", BoxFace(), 32, 31, 1, false, false},
        {"no pixel pointer", BoxFace(), 32, 1024, 1, true, false},
        {"no height pointer", BoxFace(), 32, 1024, 1, false, true},
        {"no characters", BoxFace(), 32, 1024, 0, false, false},
        {"face not open", -1, 32, 1024, 1, false, false},
        {"face beyond the open ones", ORV_FT_FACE_MAX - 1, 32, 1024, 1, false, false},
    };
    for (auto& c : cases) {
        EXPECT_EQ(GenFontBmps(c.face, c.size, c.width, c.num, codes, c.noHigh ? NULL : &high,
                              c.noPixels ? NULL : &pixels, NULL, NULL, 1), 0)
            << c.what;
        EXPECT_EQ(pixels, nullptr) << c.what;
    }
}

namespace {
// A run-time text bitmap, pre-filled with a marker so that untouched pixels can be told apart.
struct Line {
    std::vector<UInt08> buf;
    Int32 w, h, drawn = -1;
    Int08 ok;
    Line(Int32 face, Int32 size, Int32 width, Int32 high, const std::vector<UInt32>& text,
         Int08 tight = 1, UInt08 fill = 0)
        : buf((size_t)width * high, fill), w(width), h(high)
    {
        std::vector<UInt32> z = text;
        z.push_back(0);
        ok = DrawSingleLineTxtBmp(face, size, &w, &h, z.data(), buf.data(), tight, &drawn);
    }
    // Pixel at column x of top-down row y, in the repacked rows of the used width.
    int At(int x, int y) const { return buf[(size_t)(h - 1 - y) * w + x]; }
};
}  // namespace

TEST(DrawSingleLineTxtBmp, DropsWhatDoesNotFitAndReportsTheUsedWidth)
{
    ASSERT_GE(BoxFace(), 0);
    // 30 + 2 + 30 + 2 + 30 = 94 pixels; a fourth glyph would need 126.
    Line l(BoxFace(), 32, 100, 48, Codes("BBBB"), 1, 7);
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.drawn, 3);
    EXPECT_EQ(l.w, 94);
    EXPECT_EQ(l.h, 48);
    EXPECT_EQ(l.At(0, 12), 255);
    EXPECT_EQ(l.At(29, 31), 255);
    EXPECT_EQ(l.At(30, 20), 7);  // the gap keeps what the caller put there
    EXPECT_EQ(l.At(32, 20), 255);
    EXPECT_EQ(l.At(93, 20), 255);
    EXPECT_EQ(l.At(5, 11), 7);
    // After the 94-wide rows, the rest of the 100 x 48 buffer is cleared.
    for (size_t i = (size_t)94 * 48; i < l.buf.size(); i++)
        ASSERT_EQ(l.buf[i], 0) << "byte " << i;
}

TEST(DrawSingleLineTxtBmp, CutsRowsBelowTheBitmapAndStoresBottomRowFirst)
{
    ASSERT_GE(BoxFace(), 0);
    // 36 rows high: D's ink (rows 22..51 from the top) is cut at row 35.
    Line l(BoxFace(), 32, 64, 36, Codes("DA"));
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.w, 42);
    EXPECT_EQ(l.buf[(size_t)(36 - 1 - 22) * 42 + 5], 255);
    EXPECT_EQ(l.buf[(size_t)(36 - 1 - 21) * 42 + 5], 0);
    EXPECT_EQ(l.buf[5], 255);  // bottom row of the buffer: D's ink at top-down row 35
    EXPECT_EQ(l.At(25, 12), 255);
    EXPECT_EQ(l.At(25, 31), 255);
    EXPECT_EQ(l.At(25, 32), 0);
}

TEST(DrawSingleLineTxtBmp, MissingGlyphIsABlankAsWideAsTheUnderscore)
{
    ASSERT_GE(BoxFace(), 0);
    testing::internal::CaptureStdout();
    Line l(BoxFace(), 32, 200, 48, {'A', 0x4E00, ' ', 'A'});
    const std::string out = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(l.ok);
    EXPECT_NE(out.find("load glyph fail[ucs:0x4e00]\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("0x20"), std::string::npos) << "a space is not a missing glyph: " << out;
    EXPECT_EQ(l.drawn, 4);
    // A 0..19, blank 22..33, space 36..47, A 50..69.
    EXPECT_EQ(l.w, 70);
    for (int x = 20; x < 50; x++)
        EXPECT_EQ(l.At(x, 20), 0) << "column " << x;
    EXPECT_EQ(l.At(50, 20), 255);
}

TEST(DrawSingleLineTxtBmp, FixedCellsAdvanceBySizeAndKeepTheLeftBearing)
{
    ASSERT_GE(BoxFace(), 0);
    Line l(BoxFace(), 32, 100, 48, Codes("CCCC"), 0);
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.drawn, 3);
    EXPECT_EQ(l.w, 96);
    EXPECT_EQ(l.At(33, 20), 0);
    EXPECT_EQ(l.At(34, 20), 255);
    EXPECT_EQ(l.At(43, 20), 255);
    EXPECT_EQ(l.At(44, 20), 0);
}

TEST(DrawSingleLineTxtBmp, EmptyTextUsesNoWidth)
{
    ASSERT_GE(BoxFace(), 0);
    Line l(BoxFace(), 32, 100, 48, {}, 1, 9);
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.drawn, 0);
    EXPECT_EQ(l.w, 0);
    for (UInt08 b : l.buf)
        ASSERT_EQ(b, 0);
}

TEST(DrawSingleLineTxtBmp, RefusesBadArguments)
{
    ASSERT_GE(BoxFace(), 0);
    UInt08 buf[100 * 48];
    const UInt32 text[2] = {'A', 0};
    struct { const char* what; Int32 face, width; UInt08* pixels; } cases[] = {
        {"bitmap narrower than the size", BoxFace(), 31, buf},
        {"no bitmap", BoxFace(), 100, NULL},
        {"face not open", -1, 100, buf},
        {"face beyond the open ones", 99, 100, buf},
    };
    for (auto& c : cases) {
        Int32 w = c.width, h = 48, drawn = 5;
        EXPECT_EQ(DrawSingleLineTxtBmp(c.face, 32, &w, &h, text, c.pixels, 1, &drawn), 0) << c.what;
        EXPECT_EQ(drawn, 0) << c.what;
        EXPECT_EQ(w, c.width) << c.what;
    }
}

// ---- The character tables and their texts ----------------------------------------------------

namespace {
struct Text {
    const char* name;
    const unsigned int* idx;
    int len;
};
#define ORV_TEXT_ENTRY(name, len) {#name, name, len},
const Text basicTexts[] = {RES_TXT_BASIC_LIST(ORV_TEXT_ENTRY)};
const Text hintTexts[] = {RES_TXT_HINT_ALARM_LIST(ORV_TEXT_ENTRY)};
#undef ORV_TEXT_ENTRY

void ExpectValidTexts(const Text* texts, size_t num, int tableSize)
{
    for (size_t t = 0; t < num; t++) {
        const Text& x = texts[t];
        for (int i = 0; i < x.len; i++) {
            EXPECT_GT(x.idx[i], 0u) << x.name << " ends early at " << i;
            EXPECT_LT(x.idx[i], (unsigned)tableSize) << x.name << " index " << i;
        }
        EXPECT_EQ(x.idx[x.len], 0u) << x.name << " is not terminated after " << x.len;
    }
}
}  // namespace

TEST(TextTables, BasicTableIsAsciiThenDistinctCharacters)
{
    EXPECT_EQ(Basic_FONT_CODE[0], 0u);
    for (int i = 1; i <= 95; i++)
        EXPECT_EQ(Basic_FONT_CODE[i], (UInt32)(0x20 + i - 1));
    std::set<UInt32> seen(Basic_FONT_CODE + 1, Basic_FONT_CODE + BASIC_FONT_CODE_NUM);
    EXPECT_EQ(seen.size(), (size_t)BASIC_FONT_CODE_NUM - 1) << "a character appears twice";
    EXPECT_EQ(seen.count(0), 0u);
}

TEST(TextTables, HintAlarmTableHoldsDistinctCharacters)
{
    EXPECT_EQ(HintAlarm_FONT_CODE[0], 0u);
    std::set<UInt32> seen(HintAlarm_FONT_CODE + 1, HintAlarm_FONT_CODE + HINT_ALARM_FONT_CODE_NUM);
    EXPECT_EQ(seen.size(), (size_t)HINT_ALARM_FONT_CODE_NUM - 1) << "a character appears twice";
    EXPECT_EQ(seen.count(0), 0u);
}

TEST(TextTables, EveryTextHasItsLengthAndValidIndices)
{
    ExpectValidTexts(basicTexts, sizeof basicTexts / sizeof basicTexts[0], BASIC_FONT_CODE_NUM);
    ExpectValidTexts(hintTexts, sizeof hintTexts / sizeof hintTexts[0], HINT_ALARM_FONT_CODE_NUM);
}

TEST(TextTables, AsciiRunsAndInvalidGlyphAreWhatTheScreensAssume)
{
    for (int i = 0; i < 10; i++)
        EXPECT_EQ(Basic_FONT_CODE[str_digits_idx[i]], (UInt32)('0' + i));
    for (int i = 0; i < 26; i++) {
        EXPECT_EQ(Basic_FONT_CODE[str_letters_idx[i]], (UInt32)('a' + i));
        EXPECT_EQ(Basic_FONT_CODE[str_LETTERs_idx[i]], (UInt32)('A' + i));
    }
    // The invalid glyph must be a drawable glyph, never index 0 or the space.
    EXPECT_GT(str_invalid_char_idx[0], 1u);
    // The face-welcome text is followed by the user's name.
    EXPECT_EQ(HintAlarm_FONT_CODE[str_hint_face_welcome_idx[5]], 0xFF0Cu);
}

// ---- The real fonts ---------------------------------------------------------------------------

namespace {
// Code points of a table that the font at path has no glyph for.
std::vector<UInt32> Missing(const char* path, const UInt32* codes, int num)
{
    std::vector<UInt32> missing;
    FT_Library lib;
    FT_Face face;
    if (FT_Init_FreeType(&lib) != 0)
        return {0xFFFFFFFFu};
    if (FT_New_Face(lib, path, 0, &face) != 0) {
        FT_Done_FreeType(lib);
        return {0xFFFFFFFFu};
    }
    for (int i = 1; i < num; i++)
        if (FT_Get_Char_Index(face, codes[i]) == 0)
            missing.push_back(codes[i]);
    FT_Done_Face(face);
    FT_Done_FreeType(lib);
    return missing;
}
}  // namespace

TEST(Fonts, HaveAGlyphForEveryCharacterOfBothTables)
{
    for (int s = 0; s < Style_NUM; s++) {
        EXPECT_EQ(Missing(fontFilePath[s], Basic_FONT_CODE, BASIC_FONT_CODE_NUM),
                  std::vector<UInt32>()) << fontFilePath[s];
        EXPECT_EQ(Missing(fontFilePath[s], HintAlarm_FONT_CODE, HINT_ALARM_FONT_CODE_NUM),
                  std::vector<UInt32>()) << fontFilePath[s];
    }
}

TEST(Fonts, BothAtlasesHoldEveryBasicGlyph)
{
    Once_InitFontBase();
    for (int s = 0; s < Style_NUM; s++) {
        ASSERT_EQ(fontMapStatus[s], Ftm_Unload) << "style " << s;
        Once_LoadFontMapBmpData(s, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
        ASSERT_EQ(fontMapStatus[s], Ftm_Loaded) << "style " << s;
        const Int32 high = fontTexHigh[s];
        const Flt32* txc = fontTexcoord[s];
        const Flt32* rates = fontWidthRate[s];
        const UInt08* pixels = fontMapBmpData0[s];
        ASSERT_TRUE(txc && rates && pixels);

        // Walk the layout: each glyph follows the previous one after a 2-pixel gap, or opens a
        // new 48-pixel row at column 0 because it did not fit; the height is the rows used.
        int rows = 1, prevRight = -2;
        for (int n = 1; n < BASIC_FONT_CODE_NUM; n++) {
            const int left = (int)(txc[n * 4] * 1024 + 0.5f);
            const int right = (int)(txc[n * 4 + 2] * 1024 + 0.5f);
            const int w = right - left;
            ASSERT_GT(w, 0) << "style " << s << " glyph " << n << " is missing";
            EXPECT_FLOAT_EQ(rates[n], w / 32.0f) << "glyph " << n;
            if (left == prevRight + 2) {
                EXPECT_LE(right, 1024);
            } else {
                EXPECT_EQ(left, 0) << "glyph " << n;
                EXPECT_GT(prevRight + 2 + w, 1024) << "glyph " << n << " wrapped needlessly";
                rows++;
            }
            EXPECT_FLOAT_EQ(txc[n * 4 + 1], (Flt32)(high - (rows - 1) * 48) / high) << n;
            EXPECT_FLOAT_EQ(txc[n * 4 + 3], (Flt32)(high - rows * 48) / high) << n;
            prevRight = right;

            // Every glyph but the space has ink inside its cell.
            if (n == 1)
                continue;
            int ink = 0;
            for (int y = (rows - 1) * 48; y < rows * 48; y++)
                for (int x = left; x < right; x++)
                    ink += pixels[(size_t)(high - 1 - y) * 1024 + x];
            EXPECT_GT(ink, 0) << "style " << s << " glyph " << n << " U+" << std::hex
                              << Basic_FONT_CODE[n];
        }
        EXPECT_EQ(high, rows * 48) << "style " << s;
        EXPECT_FLOAT_EQ(rates[1], 0.5f) << "the space";
        EXPECT_EQ(rates[0], 0.0f) << "index 0 holds no character";

        // A second build request for a built style changes nothing.
        Once_LoadFontMapBmpData(s, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
        EXPECT_EQ(fontMapBmpData0[s], pixels);
        EXPECT_EQ(fontTexcoord[s], txc);
    }
    DestroyFontResouces();
    for (int s = 0; s < Style_NUM; s++) {
        EXPECT_EQ(fontMapStatus[s], Ftm_Unload);
        EXPECT_EQ(fontMapBmpData0[s], nullptr);
        EXPECT_EQ(fontTexcoord[s], nullptr);
        EXPECT_EQ(fontWidthRate[s], nullptr);
    }
}

TEST(Fonts, TextureStepWaitsForTheBitmap)
{
    Once_InitFontBase();
    ASSERT_EQ(fontMapStatus[0], Ftm_Unload);
    // No bitmap yet: nothing happens (and no GL call is made; there is no context here).
    Once_GenFontMapTexture(0, BASIC_FONT_CODE_NUM, str_invalid_char_idx[0]);
    EXPECT_EQ(fontMapStatus[0], Ftm_Unload);
    EXPECT_EQ(fontTexture[0], 0u);
    // Out-of-range styles are ignored.
    Once_LoadFontMapBmpData(-1, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
    Once_LoadFontMapBmpData(Style_NUM, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
    EXPECT_EQ(fontMapStatus[0], Ftm_Unload);
    EXPECT_EQ(fontMapStatus[1], Ftm_Unload);
}

TEST(Fonts, EveryRunTimeTextRendersWholeInItsBitmap)
{
    Once_InitFontBase();
    // The hint and alarm pop-ups render at 28 pixels into 700 x 56 with the medium font, the
    // face-recognition lines at 23 pixels into 690 x 29; 28 pixels into 690 covers both, in
    // both fonts.
    for (int s = 0; s < Style_NUM; s++) {
        ASSERT_GE(fontLibId[s], 0);
        for (const Text& t : hintTexts) {
            std::vector<UInt32> codes;
            for (int i = 0; i < t.len; i++)
                codes.push_back(HintAlarm_FONT_CODE[t.idx[i]]);
            testing::internal::CaptureStdout();
            Line l(fontLibId[s], 28, 690, 56, codes);
            const std::string out = testing::internal::GetCapturedStdout();
            EXPECT_TRUE(l.ok) << t.name;
            EXPECT_EQ(l.drawn, t.len) << t.name << " does not fit";
            EXPECT_EQ(out, "") << t.name;
            int ink = 0;
            for (int i = 0; i < l.w * l.h; i++)
                ink += l.buf[(size_t)i] != 0;
            EXPECT_GT(ink, 0) << t.name;
        }
    }
}

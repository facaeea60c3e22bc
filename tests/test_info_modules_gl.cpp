// The media, weather and navigation modules on a real GL context (software Mesa), frame by frame
// with a driven frame time: the lines they build, the pictures they choose and where those land,
// the progress bar and its times, the scrolling of titles, the covers and the fades.
//
// The modules keep their state in function statics for the life of the process, so every test
// first brings the module it looks at into a known state (a change counter step rebuilds texts).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
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
#include "support/InfoModulesText.h"
#include "support/RenderTestGl.h"
#include "support/StdoutCapture.h"

namespace {

const ShowInfoModulesView* V() { return ShowInfoModules_View(); }

void SetText(Int08* field, size_t size, const char* text)
{
    memset(field, 0, size);
    memcpy(field, text, std::min(strlen(text), size - 1));
}
#define SET(field, text) SetText(field, sizeof(field), text)

// Pixels of r that are not black.
int Lit(const Recti& r)
{
    return RenderTestGl_CountBrighter(r.x, r.y, r.w, r.h, 30);
}
// Mean colour of r.
void Mean(const Recti& r, double* rgb)
{
    std::vector<uint8_t> px = RenderTestGl_Read(r.x, r.y, r.w, r.h);
    rgb[0] = rgb[1] = rgb[2] = 0;
    for (int i = 0; i < r.w * r.h; i++)
        for (int c = 0; c < 3; c++) rgb[c] += px[i * 4 + c];
    for (int c = 0; c < 3; c++) rgb[c] /= r.w * r.h;
}

void LoadPng(Int32 id)
{
    Once_LoadPngData(id);
    Once_GenPngTexture(id, pngImg[id].fmt, pngImg[id].fmt);
}

class InfoModules : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(RenderTestGl_Open());
        RenderTestGl_PageState();
        Stdout([] {
            RenderTestGl_PrepareScreens({Prgm_Simple_Texture, Prgm_Simple_Font, Prgm_AttrAlpha_Font},
                                        {Style_SiYuan_R, Style_SiYuan_M});
            // Every picture the modules draw, so that a test may read sizes before its first frame.
            for (Int32 id : {(Int32)PNG_ui3_speed_digit_0, (Int32)PNG_ui3_speed_digit_dot, (Int32)PNG_ui3_speed_digit_degree,
                             (Int32)PNG_ui3_speed_digit_negative})
                for (Int32 p = id; p <= (id == PNG_ui3_speed_digit_0 ? PNG_ui3_speed_digit_9 : id); p++) LoadPng(p);
            for (Int32 p = PNG_module_media_black_tape; p <= PNG_module_media_shadow; p++) LoadPng(p);
            for (Int32 p = PNG_weather_icon_01; p <= PNG_weather_shadow; p++) LoadPng(p);
            for (Int32 t = TGA_nav_icon_nav_disable; t <= TGA_nav_tips_disable; t++) {
                Once_LoadTgaData(t);
                Once_GenTgaTexture(t, tgaImg[t].fmt, tgaImg[t].fmt);
            }
        });
        ASSERT_NE(shader[Prgm_AttrAlpha_Font], 0xFFFFFFFFu);
        ASSERT_EQ(fontMapStatus[0], Ftm_TexGen);
        RenderTestGl_ResetMatrices();
    }
    static void TearDownTestSuite() { RenderTestGl_Close(); }
    void SetUp() override
    {
        mFrameTimeMs = 16;
        RenderTestGl_Clear(0, 0, 0);
    }

    // Hides the module on both sides, then shows it on side for frames of ms each.
    template <typename F>
    static void Show(F module, UInt08 side, UInt08 id, int frames = 1, Int32 ms = 16)
    {
        module(MODULE_Left, 255);
        module(MODULE_Right, 255);
        mFrameTimeMs = ms;
        for (int i = 0; i < frames; i++) {
            RenderTestGl_Clear(0, 0, 0);
            module(side, id);
        }
    }
    static void Media(int frames = 1, Int32 ms = 16) { Show(ShowModuleMedia, MODULE_Left, MODULE_L_MEDIA, frames, ms); }
    static void Weather(int frames = 1) { Show(ShowModuleWeather, MODULE_Left, MODULE_L_WEATHER, frames); }
    static void Nav(int frames = 1) { Show(ShowModuleNav, MODULE_Left, MODULE_L_NAVIGATION, frames); }

    // Local music playing: the given times and texts, no cover.
    static void Song(const char* title, const char* artist, UInt32 duration, UInt32 progress)
    {
        CduMediaSrc = Media_Src_Music;
        SET(MusicInfo.SongName, title);
        SET(MusicInfo.ArtistName, artist);
        MusicInfo.Duration = duration;
        MusicInfo.Progress = progress;
        MusicInfo.Type = MUSIC_TYPE_LOCAL;
        MusicInfo.Status = PlayStatus_Playing;
        MusicInfo.HasCover = 0;
        MusicInfo.UpdMusic++;
    }
    static void WeatherDoc(const char* status, const char* city, Int08 tmp, Int08 night, Int08 day, Int08 id)
    {
        WeatherInfo.Enable = 1;
        SET(WeatherInfo.Status, status);
        SET(WeatherInfo.City, city);
        WeatherInfo.Tmp = tmp;
        WeatherInfo.NightTmp = night;
        WeatherInfo.DayTmp = day;
        WeatherInfo.StatusId = id;
        WeatherInfo.UpdWth++;
    }
};

// ---- Weather ------------------------------------------------------------------------------------

TEST_F(InfoModules, WeatherLinesCutTheDescriptionAndWriteBothTemperatures)
{
    struct Case { const char* status; const char* city; Int08 night, day; const char* desc; const char* cityLine; };
    const Case cases[] = {
        {"Showers", "Lakeside", -5, 3, "Showers | -5*/3*", "Lakeside"},          // 7 characters: whole
        {"Overcast", "Lakeside", 1, 9, "Overcas... | 1*/9*", "Lakeside"},        // 8: cut to 7 and dots
        {"Overcast", "Lakeside", -12, 12, "Overcas... | -12*/1", "Lakeside"},    // the line holds 19
        {"", "", 0, 0, "| 0*/0*", ""},                                          // no description, no city
        {"Fog", "Nineteen Chars Town", -100, 127, "Fog | -100*/127*", "Nineteen Chars T..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        WeatherDoc(c.status, c.city, 0, c.night, c.day, 1);
        Weather();
        EXPECT_EQ(V()->weatherTip, 0);
        EXPECT_EQ(Line(V()->weatherDesc, 20), c.desc);
        EXPECT_EQ(Line(V()->weatherCity, 20), c.cityLine);
    }
}

// A reconnection zeroes the change counters: back on the screen, a module must not trust a counter
// that came back to the value it last built with.
TEST_F(InfoModules, ModulesBackOnASideRebuildTheirTexts)
{
    WeatherDoc("Fog", "Lakeside", 0, 1, 2, 1);
    const UInt08 counter = WeatherInfo.UpdWth;
    Weather();
    ShowModuleWeather(MODULE_Left, 255);
    WeatherDoc("Rain", "Hilltop", 0, 3, 4, 1);
    WeatherInfo.UpdWth = counter;
    ShowModuleWeather(MODULE_Left, MODULE_L_WEATHER);
    EXPECT_EQ(Line(V()->weatherCity, 20), "Hilltop");

    Song("First Song", "Artist", 245, 12);
    const UInt08 music = MusicInfo.UpdMusic;
    Media();
    ShowModuleMedia(MODULE_Left, 255);
    Song("Second Song", "Artist", 245, 12);
    MusicInfo.UpdMusic = music;
    ShowModuleMedia(MODULE_Left, MODULE_L_MEDIA);
    EXPECT_EQ(Line(V()->mediaTitle, 20), "Second Song");

    NavInfo.Enable = 1;
    NavInfo.NavIcon = 1;
    SET(NavInfo.NextRoadName, "Old Road");
    NavInfo.UpdNextRoadName++;
    const UInt08 road = NavInfo.UpdNextRoadName;
    Nav();
    ShowModuleNav(MODULE_Left, 255);
    SET(NavInfo.NextRoadName, "New Road");
    NavInfo.UpdNextRoadName = road;
    ShowModuleNav(MODULE_Left, MODULE_L_NAVIGATION);
    EXPECT_EQ(Line(V()->navRoad, 15), "New Road");
}

// The render clean-up empties the pool's slots; a module drawn afterwards renews its own slots and
// draws its texts again.
TEST_F(InfoModules, TextsComeBackAfterThePoolWasReleased)
{
    WeatherDoc("Fog", "Lakeside", 0, 1, 2, 1);
    Weather(40);
    const Recti city = {415, 413 - 15, 120, 30};
    ASSERT_GT(Lit(city), 30);
    DestroyBmpPoolResouces();
    RenderTestGl_Clear(0, 0, 0);
    ShowModuleWeather(MODULE_Left, MODULE_L_WEATHER);
    EXPECT_GT(Lit(city), 30);
    EXPECT_EQ(Line(V()->weatherCity, 20), "Lakeside");
}

TEST_F(InfoModules, WeatherLargeTemperatureAndIcon)
{
    const Int32 D0 = PNG_ui3_speed_digit_0, NEG = PNG_ui3_speed_digit_negative, DEG = PNG_ui3_speed_digit_degree;
    struct Case { Int08 tmp; Int08 id; std::vector<Int32> pics; Int32 icon; };
    const Case cases[] = {
        {-12, 0, {NEG, D0 + 1, D0 + 2, DEG}, -1},
        {5, 37, {D0 + 5, DEG}, PNG_weather_icon_37},
        {0, 38, {D0, DEG}, -1},
        {-128, 1, {NEG, D0 + 2, D0 + 8, DEG}, PNG_weather_icon_01},  // modulo 100
        {99, -3, {D0 + 9, D0 + 9, DEG}, -1},
    };
    const Int32 cell = pngImg[D0].w * 134 / 177;
    for (const Case& c : cases) {
        SCOPED_TRACE((int)c.tmp);
        WeatherDoc("Snow", "Lakeside", c.tmp, 0, 0, c.id);
        Weather();
        ASSERT_EQ(V()->weatherTmpNum, (Int32)c.pics.size());
        for (size_t i = 0; i < c.pics.size(); i++) {
            EXPECT_EQ(V()->weatherTmpPics[i], c.pics[i]) << i;
            const Image& g = pngImg[c.pics[i]];
            const Recti& r = V()->weatherTmpRects[i];
            EXPECT_EQ(r.w, g.w * 3 / 5);
            EXPECT_EQ(r.x, (cell - r.w) / 2 + 495 + (Int32)i * cell - 84) << "one cell per glyph";
            EXPECT_EQ(r.y, (g.lty - pngImg[D0].lty) * 2 / 3 + 283);
        }
        EXPECT_EQ(V()->weatherIcon, c.icon);
    }
    // The minus picture is on the screen where the view says.
    WeatherDoc("Snow", "Lakeside", -12, 0, 0, 14);
    Weather(40);
    EXPECT_GT(Lit(V()->weatherTmpRects[0]), 10);
}

TEST_F(InfoModules, WeatherRightSideMovesByItsOffsetAndDisabledShowsTheTipOnly)
{
    WeatherDoc("Snow", "Lakeside", -3, -6, 1, 14);
    const Image& icon = pngImg[PNG_weather_icon_14];
    const Recti left = {icon.ltx, icon.lty, icon.w, icon.h}, right = {icon.ltx + 1072, icon.lty, icon.w, icon.h};
    Show(ShowModuleWeather, MODULE_Right, MODULE_R_WEATHER, 40);
    EXPECT_GT(Lit(right), 20);
    EXPECT_EQ(Lit(left), 0);
    EXPECT_EQ(V()->weatherTmpRects[0].x, (pngImg[PNG_ui3_speed_digit_0].w * 134 / 177 - V()->weatherTmpRects[0].w) / 2 +
                                             495 - 84 + 1072);
    // The right side's id on the left side means another module there: nothing drawn.
    RenderTestGl_Clear(0, 0, 0);
    ShowModuleWeather(MODULE_Left, MODULE_L_TRIP);
    EXPECT_EQ(Lit(Recti{0, 150, 960, 450}), 0);

    WeatherInfo.Enable = 0;
    Weather(40);
    EXPECT_EQ(V()->weatherTip, 1);
    EXPECT_EQ(Lit(left), 0) << "no icon";
    EXPECT_GT(Lit(Recti{348 - 80, 300, 160, 40}), 20) << "the tip centred on (348, 320)";
}

// ---- Navigation ---------------------------------------------------------------------------------

TEST_F(InfoModules, NavigationDistanceDigitsAndUnitAcrossTheUnitChange)
{
    const Int32 D = PNG_ui3_speed_digit_0, DOT = PNG_ui3_speed_digit_dot;
    const Int32 M = TGA_nav_unit_next_distance_m, KM = TGA_nav_unit_next_distance_km;
    struct Case { Int32 dist; std::vector<Int32> pics; };
    const Case cases[] = {
        {0, {D, M}},
        {9, {D + 9, M}},
        {10, {D + 1, D, M}},
        {999, {D + 9, D + 9, D + 9, M}},
        {1000, {D + 1, DOT, D, KM}},
        {1049, {D + 1, DOT, D, KM}},
        {1050, {D + 1, DOT, D + 1, KM}},
        {12345, {D + 1, D + 2, DOT, D + 3, KM}},
        {99950, {D + 1, D, D, DOT, D, KM}},
        {-250, {D + 2, D + 5, D, M}},
    };
    NavInfo.Enable = 1;
    NavInfo.NavIcon = 2;
    const Int32 cell = pngImg[D].w * 134 / 177;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dist);
        NavInfo.RoadRemainDis = c.dist;
        Nav();
        ASSERT_EQ(V()->navDistNum, (Int32)c.pics.size());
        for (size_t i = 0; i < c.pics.size(); i++) {
            EXPECT_EQ(V()->navDistPics[i], c.pics[i]) << i;
            const Recti& r = V()->navDistRects[i];
            EXPECT_EQ(r.y + r.h, 333) << "bottom-aligned";
            if (i + 1 < c.pics.size()) {
                EXPECT_EQ(r.w, pngImg[c.pics[i]].w * 2 / 3);
                EXPECT_EQ(r.x, 332 + (Int32)i * cell + (cell - r.w) / 2);
            } else {
                EXPECT_EQ(r.x, 332 + (Int32)i * cell) << "the unit in the next cell";
            }
        }
    }
}

TEST_F(InfoModules, NavigationIconsTextsAndDisabledPictures)
{
    NavInfo.Enable = 1;
    NavInfo.RoadRemainDis = 350;
    SET(NavInfo.NextRoadName, "Station Road");
    SET(NavInfo.RemainDis1, "12.4 km");
    SET(NavInfo.RemainTime1, "18 min");
    NavInfo.UpdNextRoadName++;
    NavInfo.UpdRemainInfo1++;
    struct Case { UInt08 icon; Int32 pic; bool distance; };
    const Case cases[] = {
        {0, -1, true}, {1, TGA_nav_icon_turn_left, true}, {12, TGA_nav_icon_destination, false},
        {13, TGA_nav_icon_enter_tunnel, true}, {14, -1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((int)c.icon);
        NavInfo.NavIcon = c.icon;
        Nav();
        EXPECT_EQ(V()->navIcon, c.pic);
        EXPECT_EQ(V()->navDistNum > 0, c.distance);
        EXPECT_EQ(V()->navTexts, c.distance ? 1 : 0) << "arrival shows no texts";
    }
    EXPECT_EQ(Line(V()->navRoad, 15), "Station Road");
    EXPECT_EQ(Line(V()->navRemain, 20), "12.4 km 18 min");

    // Long texts: dots in the last three places.
    SET(NavInfo.NextRoadName, "Long Harbour Street East");
    SET(NavInfo.RemainTime1, "1 h 25 min left");
    NavInfo.UpdNextRoadName++;
    NavInfo.UpdRemainInfo1++;
    NavInfo.NavIcon = 1;
    Nav(40);
    EXPECT_EQ(Line(V()->navRoad, 15), "Long Harbou...");
    EXPECT_EQ(Line(V()->navRemain, 20), "12.4 km 1 h 25 m...");
    const Image& next = tgaImg[TGA_nav_tips_next_enter];
    EXPECT_GT(Lit(Recti{337 + next.w, next.lty - 5, 150, 40}), 50) << "the road name is drawn";

    NavInfo.Enable = 0;
    Nav(40);
    EXPECT_EQ(V()->navIcon, TGA_nav_icon_nav_disable);
    EXPECT_EQ(V()->navDistNum, 0);
    const Image& dis = tgaImg[TGA_nav_icon_nav_disable];
    EXPECT_GT(Lit(Recti{dis.ltx, dis.lty, dis.w, dis.h}), 20);
}

// ---- Media --------------------------------------------------------------------------------------

TEST_F(InfoModules, MediaProgressBarCursorAndTimes)
{
    const Image& bar = pngImg[PNG_module_media_progress_bar];
    const Image& cur = pngImg[PNG_module_media_progress_cursor];
    struct Case { UInt32 duration, progress; Int32 filled; const char* prg; const char* dur; };
    const Case cases[] = {
        {245, 12, bar.w * 12 / 245, "00:12", "04:05"},
        {245, 0, 0, "00:00", "04:05"},
        {245, 400, bar.w, "06:40", "04:05"},  // beyond the duration: full bar
        {0, 5, 0, "00:05", "00:00"},
        {3725, 65, bar.w * 65 / 3725, "00:01:05", "01:02:05"},
        {400000, 200000, bar.w / 2, "55:33:20", "99:06:40"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.duration);
        Song("Blue Morning", "The Quiet Lanes", c.duration, c.progress);
        Media();
        EXPECT_EQ(V()->mediaBar, 2);
        EXPECT_EQ(V()->mediaBarWidth, c.filled);
        EXPECT_EQ(V()->mediaCursorX, bar.ltx + c.filled - cur.w / 2) << "cursor centred on the end";
        EXPECT_EQ(Glyphs(V()->mediaProgressTxt, 12), c.prg);
        EXPECT_EQ(Glyphs(V()->mediaDurationTxt, 12), c.dur);
    }
    // Bluetooth music has neither bar nor times; no source shows the background and zero times.
    Song("Blue Morning", "The Quiet Lanes", 245, 12);
    MusicInfo.Type = MUSIC_TYPE_BLUETOOTH;
    Media();
    EXPECT_EQ(V()->mediaBar, 0);
    EXPECT_EQ(V()->mediaProgressTxt[0], 0u);
    CduMediaSrc = Media_Src_None;
    Media();
    EXPECT_EQ(V()->mediaBar, 1);
    EXPECT_EQ(Glyphs(V()->mediaDurationTxt, 12), "00:00");

    // The full bar is on the screen up to its right end.
    Song("Blue Morning", "The Quiet Lanes", 245, 400);
    Media(40);
    EXPECT_GT(Lit(Recti{bar.ltx + bar.w - 12, bar.lty, 10, bar.h}), 0);
}

TEST_F(InfoModules, MediaTitleScrollsOnlyWhenWiderThanItsBox)
{
    // Frames of 50 ms: the title moves one pixel per frame.
    struct Case { const char* title; bool scrolls; };
    const Case cases[] = {{"Hi", false}, {"Blue Morning Long Song", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        Song(c.title, "The Quiet Lanes", 245, 12);
        Media(1, 50);
        const Int32 w = V()->mediaTitleWidth, x0 = V()->mediaTitleX;
        ASSERT_GT(w, 0);
        EXPECT_EQ(w + 149 >= 270, c.scrolls) << "width " << w;
        for (int i = 0; i < 30; i++) ShowModuleMedia(MODULE_Left, MODULE_L_MEDIA);
        EXPECT_EQ(x0 - V()->mediaTitleX, c.scrolls ? 30 : 0);
    }
    // A long title: the second copy follows, then takes the first copy's place.
    Song("A Title Far Wider Than The Box", "Artist", 245, 12);
    Media(1, 50);
    const Int32 w = V()->mediaTitleWidth;
    bool second = false;
    for (int i = 0; i < w + 40 && !second; i++) {
        ShowModuleMedia(MODULE_Left, MODULE_L_MEDIA);
        second = V()->mediaTitle2X != INT32_MIN;
    }
    EXPECT_TRUE(second);
    EXPECT_GE(395 - V()->mediaTitleX, w - 60);
    for (int i = 0; i < 200; i++) ShowModuleMedia(MODULE_Left, MODULE_L_MEDIA);
    EXPECT_GT(V()->mediaTitleX, 395 - w) << "the copy took over, still on the screen";
}

TEST_F(InfoModules, MediaSubtitleWiderThanItsBoxScrollsOnceThenStays)
{
    // Thirteen dense CJK characters: the longest subtitle without dots, wider than the box.
    Song("Song", "鑫鑫鑫鑫鑫鑫鑫鑫鑫鑫鑫鑫鑫", 245, 12);
    mFrameTimeMs = 33;  // one pixel per frame
    Media(1, 33);
    const Int32 w = V()->mediaSubtitleWidth;
    ASSERT_GT(w, 270);
    EXPECT_EQ(V()->mediaSubtitleX, 395 - 1);
    int moved = 0;
    for (int i = 0; i < w + 40; i++) {
        ShowModuleMedia(MODULE_Left, MODULE_L_MEDIA);
        moved = std::max(moved, 395 - V()->mediaSubtitleX);
    }
    EXPECT_EQ(moved, w + 20);
    EXPECT_EQ(V()->mediaSubtitleX, 395) << "back at its start, for good";

    // Narrower than its box: never moves.
    Song("Song", "Duo", 245, 12);
    Media(50, 33);
    EXPECT_EQ(V()->mediaSubtitleX, 395);
}

TEST_F(InfoModules, MediaCoverUploadOrTheSourceDefault)
{
    // A 2 x 2 red cover, and covers that cannot be uploaded.
    const Int32 MUS = PNG_module_media_cover_music_default, FM = PNG_module_media_cover_fm_default,
                BOOK = PNG_module_media_cover_netbook_default;
    struct Case { UInt08 src; UInt08 nrType; UInt08 has; UInt32 fmt; Int32 w; Int32 pic; };
    const Case cases[] = {
        {Media_Src_Music, 0, 1, GL_RGB, 2, -1},
        {Media_Src_Music, 0, 0, GL_RGB, 2, MUS},           // no cover
        {Media_Src_Music, 0, 1, 0x1234, 2, MUS},           // the upload reports an error
        {Media_Src_Music, 0, 1, GL_RGB, 200000, MUS},      // larger than the record's buffer
        {Media_Src_Radio, 0, 1, 0x1234, 2, FM},
        {Media_Src_Radio, 0, 1, GL_RGB, 2, -1},
        {Media_Src_NetRadio, NRADIO_TYPE_NET, 1, 0x1234, 2, FM},
        {Media_Src_NetRadio, NRADIO_TYPE_BOOK, 1, 0x1234, 2, BOOK},
        {Media_Src_NetRadio, NRADIO_TYPE_BOOK, 0, GL_RGB, 2, BOOK},
    };
    const UInt08 red[12] = {220, 0, 0, 220, 0, 0, 220, 0, 0, 220, 0, 0};
    const Image& frame = pngImg[MUS];
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (int)c.src << " fmt " << c.fmt << " w " << c.w);
        auto fill = [&](UInt08* pix, Int32* w, Int32* h, UInt08* has, UInt08* upd) {
            memcpy(pix, red, sizeof(red));
            *w = c.w, *h = 2, *has = c.has;
            (*upd)++;
        };
        CduMediaSrc = c.src;
        if (c.src == Media_Src_Music) {
            fill(MusicInfo.PicBmp, &MusicInfo.PicWidth, &MusicInfo.PicHeight, &MusicInfo.HasCover, &MusicInfo.UpdMusic);
            MusicInfo.picFmt = (Int32)c.fmt;
        } else if (c.src == Media_Src_Radio) {
            fill(RadioInfo.PicBmp, &RadioInfo.PicWidth, &RadioInfo.PicHeight, &RadioInfo.HasCover, &RadioInfo.UpdRadio);
            RadioInfo.picFmt = c.fmt;
        } else {
            NetRadioInfo.Type = c.nrType;
            fill(NetRadioInfo.PicBmp, &NetRadioInfo.PicWidth, &NetRadioInfo.PicHeight, &NetRadioInfo.HasCover,
                 &NetRadioInfo.UpdNetRadio);
            NetRadioInfo.picFmt = c.fmt;
        }
        Media(40);
        EXPECT_EQ(V()->mediaCoverPic, c.pic);
        if (c.pic >= 0) {
            EXPECT_EQ(V()->mediaCoverTex, pngImg[c.pic].tex);
        }
        double rgb[3];
        Mean(Recti{166 + 10, 263 + 10, frame.w - 20, frame.h - 20}, rgb);
        if (c.pic < 0) {
            EXPECT_GT(rgb[0], 150);
            EXPECT_LT(rgb[1], 40);
        } else {
            EXPECT_LT(rgb[0] - rgb[1], 60) << "not the red cover";
        }
    }
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR) << "a failed upload leaves no error behind";
}

TEST_F(InfoModules, MediaTextsPerSourceTapeAndFade)
{
    struct Case { UInt08 src; const char* title; const char* sub; };
    CduMediaSrc = Media_Src_Radio;
    SET(RadioInfo.Name, "City Radio");
    SET(RadioInfo.System, "FM");
    SET(RadioInfo.Frequency, "97.4");
    RadioInfo.UpdRadio++;
    Media();
    EXPECT_EQ(V()->mediaSrc, Media_Src_Radio);
    EXPECT_EQ(Line(V()->mediaTitle, 20), "City Radio");
    EXPECT_EQ(Line(V()->mediaSubtitle, 15), "FM97.4");
    SET(RadioInfo.Frequency, "101.1 MHz Stereo");  // the store keeps 11 bytes
    RadioInfo.UpdRadio++;
    Media();
    EXPECT_EQ(Line(V()->mediaSubtitle, 15), "FM101.1 MHz S");

    // No source: the placeholders of the code table.
    CduMediaSrc = Media_Src_None;
    Media();
    EXPECT_EQ(V()->mediaTitle[0], HintAlarm_FONT_CODE[str_module_media_null_song_idx[0]]);
    EXPECT_EQ(V()->mediaTitle[3], 0u);
    EXPECT_EQ(V()->mediaSubtitle[1], HintAlarm_FONT_CODE[str_module_media_null_artist_idx[1]]);

    // The tape turns 36 degrees a second while playing, not when paused.
    Song("Song", "Artist", 245, 12);
    Media(1, 100);
    Flt32 a0 = V()->mediaTapeAngle;
    Media(10, 100);
    EXPECT_NEAR(V()->mediaTapeAngle - a0, 36.0f, 0.01f);
    MusicInfo.Status = PlayStatus_Pause;
    a0 = V()->mediaTapeAngle;
    Media(10, 100);
    EXPECT_FLOAT_EQ(V()->mediaTapeAngle, a0);

    // Fade in over 500 ms, again after a source change.
    Media(1, 100);
    EXPECT_NEAR(V()->mediaInvAlpha, 0.8f, 1e-4);
    for (int i = 0; i < 4; i++) ShowModuleMedia(MODULE_Left, MODULE_L_MEDIA);
    EXPECT_NEAR(V()->mediaInvAlpha, 0.0f, 1e-6);
    CduMediaSrc = Media_Src_Radio;
    ShowModuleMedia(MODULE_Left, MODULE_L_MEDIA);
    EXPECT_FLOAT_EQ(V()->mediaInvAlpha, 1.0f) << "a new source fades in again";
}

}  // namespace

// The service decoder on its own: the document rules (enable, msgtype, numbers as text, texts cut
// to their fields), the cover pictures, the media-source arbitration and each service's rules.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "HuSimImage.h"
#include "lib/OrvPixFmt.h"
#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"

namespace {

void Decode(UInt08 srv, const std::string& json, const std::vector<uint8_t>& bin = {})
{
    std::vector<UInt08> text(json.begin(), json.end());
    text.push_back(0);
    std::vector<UInt08> b = bin;
    CDU_TCP_Decode(srv, text.data(), (UInt32)json.size(), b.empty() ? nullptr : b.data(), (UInt32)b.size());
}

std::string MusicDoc(const std::string& song, const std::string& status = "playing", const std::string& progress = "10",
                     const std::string& total = "200", const std::string& msgtype = "\"1\"",
                     const std::string& enable = "\"1\"")
{
    return "{\"enable\":" + enable + ",\"msgtype\":" + msgtype + ",\"music\":{\"song\":\"" + song +
           "\",\"artist\":\"Band\",\"status\":\"" + status + "\",\"total\":\"" + total + "\",\"progress\":\"" +
           progress + "\"}}";
}

std::string RadioDoc(const std::string& fre, const std::string& status)
{
    return "{\"enable\":\"1\",\"msgtype\":\"1\",\"radio\":{\"sys\":\"FM\",\"fre\":\"" + fre +
           "\",\"name\":\"Station\",\"status\":\"" + status + "\"}}";
}

std::string NetRadioDoc(const std::string& name)
{
    return "{\"enable\":\"1\",\"msgtype\":\"1\",\"net_radio\":{\"fre\":\"Jazz\",\"name\":\"" + name + "\"}}";
}

std::vector<uint8_t> Jpeg(int w, int h, uint32_t seed)
{
    auto px = HuSim_CoverPixels(w, h, seed);
    return HuSim_EncodeJpeg(px.data(), w, h, 3, 80);
}

std::vector<uint8_t> Png(int w, int h, int colorType = HUSIM_PNG_RGB)
{
    int ch = colorType == HUSIM_PNG_RGBA ? 4 : 3;
    std::vector<uint8_t> px((size_t)w * h * ch, 0x80);
    HuSimPngOptions opt;
    opt.colorType = colorType;
    return HuSim_EncodePng(px.data(), w, h, opt);
}

class CduDecode : public ::testing::Test {
protected:
    void SetUp() override { CDU_TCP_SetInitialValue(); }
};

TEST_F(CduDecode, EnableAndMsgTypeForms)
{
    struct Case {
        const char* name;
        std::string doc;
        bool        applied;
        UInt08      type; /* MusicInfo.Type when applied */
    };
    const std::string body = ",\"music\":{\"song\":\"S\",\"status\":\"playing\"}}";
    const Case cases[] = {
        {"string forms", "{\"enable\":\"1\",\"msgtype\":\"1\"" + body, true, MUSIC_TYPE_LOCAL},
        {"enable as the number 1", "{\"enable\":1,\"msgtype\":\"1\"" + body, true, MUSIC_TYPE_LOCAL},
        {"msgtype as a number", "{\"enable\":\"1\",\"msgtype\":3" + body, true, MUSIC_TYPE_UPAN},
        {"msgtype 2 is bluetooth", "{\"enable\":\"1\",\"msgtype\":\"2\"" + body, true, MUSIC_TYPE_BLUETOOTH},
        {"msgtype -3", "{\"enable\":\"1\",\"msgtype\":\"-3\"" + body, true, (UInt08)-3},
        {"msgtype +7", "{\"enable\":\"1\",\"msgtype\":\"+7\"" + body, true, 7},
        {"enable \"true\"", "{\"enable\":\"true\",\"msgtype\":\"1\"" + body, false, 0},
        {"enable 2", "{\"enable\":2,\"msgtype\":\"1\"" + body, false, 0},
        {"enable true (not a number)", "{\"enable\":true,\"msgtype\":\"1\"" + body, false, 0},
        {"enable missing", "{\"msgtype\":\"1\"" + body, false, 0},
        {"msgtype missing", "{\"enable\":\"1\"" + body, false, 0},
        {"msgtype empty", "{\"enable\":\"1\",\"msgtype\":\"\"" + body, false, 0},
        {"msgtype 1x", "{\"enable\":\"1\",\"msgtype\":\"1x\"" + body, false, 0},
        {"not JSON", "{\"enable\":\"1\",", false, 0},
        {"nested 5000 deep", std::string(5000, '[') + std::string(5000, ']'), false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDU_TCP_SetInitialValue();
        Decode(FRM_SRV_CDU_MUSIC, c.doc);
        EXPECT_EQ(MusicInfo.Enable, c.applied ? 1 : 0);
        EXPECT_STREQ((const char*)MusicInfo.SongName, c.applied ? "S" : "");
        if (c.applied) {
            EXPECT_EQ(MusicInfo.Type, c.type);
            EXPECT_EQ(MusicInfo.Status, PlayStatus_Playing);
        }
    }
}

TEST_F(CduDecode, DecimalRuleOnMusicTimes)
{
    struct Case {
        const char* progress;
        bool        dropped;       /* the document stops at the number */
        UInt32      wantProgress;  /* after a first document with progress 10 */
    };
    const Case cases[] = {
        {"0", false, 0},
        {"359999", false, 359999},
        {"+42", false, 42},
        {"360000", false, 10},     // out of range: unchanged
        {"-1", false, 10},         // out of range: unchanged
        {"4294967297", false, 1},  // 32-bit arithmetic wraps
        {"12a", true, 10},
        {"", true, 10},
        {"-", true, 10},
        {" 12", true, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.progress);
        CDU_TCP_SetInitialValue();
        Decode(FRM_SRV_CDU_MUSIC, MusicDoc("First", "playing", "10", "200"));
        UInt08 upd = MusicInfo.UpdMusic;
        Decode(FRM_SRV_CDU_MUSIC, MusicDoc("Second", "pause", c.progress, "300", "\"2\""));
        EXPECT_EQ(MusicInfo.Progress, c.wantProgress);
        // Enable and Type are stored before the music object is read, whatever follows.
        EXPECT_EQ(MusicInfo.Enable, 1);
        EXPECT_EQ(MusicInfo.Type, MUSIC_TYPE_BLUETOOTH);
        if (c.dropped) {
            EXPECT_STREQ((const char*)MusicInfo.SongName, "First");
            EXPECT_EQ(MusicInfo.Status, PlayStatus_Playing);
            EXPECT_EQ(MusicInfo.Duration, 200u);
            EXPECT_EQ(MusicInfo.UpdMusic, upd);
        } else {
            EXPECT_STREQ((const char*)MusicInfo.SongName, "Second");
            EXPECT_EQ(MusicInfo.Status, PlayStatus_Pause);
            EXPECT_EQ(MusicInfo.Duration, 300u);
            EXPECT_EQ(MusicInfo.UpdMusic, (UInt08)(upd + 1));
        }
    }
}

TEST_F(CduDecode, TextsAreCutToTheirFieldAndCountOnlyRealChanges)
{
    const std::string longTitle(150, 'x');
    Decode(FRM_SRV_CDU_MUSIC, MusicDoc(longTitle));
    EXPECT_EQ(strlen((const char*)MusicInfo.SongName), 99u);
    UInt08 upd = MusicInfo.UpdMusic;
    Decode(FRM_SRV_CDU_MUSIC, MusicDoc(longTitle, "playing", "11"));
    EXPECT_EQ(MusicInfo.UpdMusic, upd) << "the same cut title is no change";
    EXPECT_EQ(MusicInfo.Progress, 11u);

    // Cut by bytes, even inside a multi-byte character: 33 two-byte characters in a 32-byte field.
    std::string wide;
    for (int i = 0; i < 33; i++) wide += "\xC3\xA9";
    Decode(FRM_SRV_CDU_NAVIGATION,
           "{\"enable\":\"1\",\"msgtype\":\"1\",\"nav\":{\"NavIcon\":\"1\",\"CurRoadName\":\"" + wide + "\"}}");
    EXPECT_EQ(strlen((const char*)NavInfo.CurrRoadName), 31u);
    EXPECT_EQ(0, memcmp(NavInfo.CurrRoadName, wide.data(), 31));

    // The radio band has room for 3 bytes.
    Decode(FRM_SRV_CDU_RADIO, "{\"enable\":\"1\",\"msgtype\":\"1\",\"radio\":{\"sys\":\"FMAM\",\"fre\":\"1\"}}");
    EXPECT_STREQ((const char*)RadioInfo.System, "FMA");
}

TEST_F(CduDecode, SameCoverIsDecodedOnceWhileItsSourceIsShown)
{
    auto cover = Jpeg(120, 90, 7);
    Decode(FRM_SRV_CDU_MUSIC, MusicDoc("Song"), cover);
    ASSERT_EQ(MusicInfo.HasCover, 1);
    EXPECT_EQ(MusicInfo.PicWidth, 120);
    EXPECT_EQ(MusicInfo.PicHeight, 90);
    EXPECT_EQ((UInt32)MusicInfo.picFmt, (UInt32)GL_RGB);
    ASSERT_EQ(CduMediaSrc, Media_Src_Music);

    // Mark the pixels: a second decode would overwrite the mark.
    const UInt08 pixel0 = MusicInfo.PicBmp[0];
    MusicInfo.PicBmp[0] = (UInt08)(pixel0 ^ 0xFF);
    UInt08 upd = MusicInfo.UpdMusic;
    Decode(FRM_SRV_CDU_MUSIC, MusicDoc("Song", "playing", "11"), cover);
    EXPECT_EQ(MusicInfo.PicBmp[0], (UInt08)(pixel0 ^ 0xFF)) << "decoded again";
    EXPECT_EQ(MusicInfo.UpdMusic, upd);

    // After the radio took the media over, the same cover is decoded again.
    Decode(FRM_SRV_CDU_RADIO, RadioDoc("98.1", "start"));
    ASSERT_EQ(CduMediaSrc, Media_Src_Radio);
    Decode(FRM_SRV_CDU_MUSIC, MusicDoc("Song", "playing", "12"), cover);
    EXPECT_EQ(MusicInfo.PicBmp[0], pixel0);
    EXPECT_EQ(MusicInfo.UpdMusic, (UInt08)(upd + 1));
    EXPECT_EQ(MusicInfo.HasCover, 1);
}

TEST_F(CduDecode, CoverPictureKinds)
{
    std::vector<uint8_t> bmp(64, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    struct Case {
        const char*          name;
        std::vector<uint8_t> bin;
        UInt08               hasCover;
        bool                 steps; /* UpdMusic steps although the texts are the same */
        Int32                w, h;
    };
    const Case cases[] = {
        {"jpeg 500 x 500", Jpeg(500, 500, 2), 1, true, 500, 500},
        {"png rgba 500 x 500 fills the buffer exactly", Png(500, 500, HUSIM_PNG_RGBA), 1, true, 500, 500},
        {"png 600 x 400 is too wide", Png(600, 400), 0, true, 0, 0},
        {"jpeg 400 x 501 is too high", Jpeg(400, 501, 3), 0, true, 0, 0},
        {"bitmap", bmp, 0, true, 0, 0},
        {"damaged jpeg", std::vector<uint8_t>{0xFF, 0xD8, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0, true, 0, 0},
        {"unknown bytes", std::vector<uint8_t>(40, 0x33), 0, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDU_TCP_SetInitialValue();
        Decode(FRM_SRV_CDU_MUSIC, MusicDoc("Song"));
        UInt08 upd = MusicInfo.UpdMusic;
        Decode(FRM_SRV_CDU_MUSIC, MusicDoc("Song"), c.bin);
        EXPECT_EQ(MusicInfo.HasCover, c.hasCover);
        EXPECT_EQ(MusicInfo.UpdMusic, (UInt08)(c.steps ? upd + 1 : upd));
        EXPECT_NE(MusicInfo.PicHashCode, 0) << "the check value is kept";
        if (c.hasCover) {
            EXPECT_EQ(MusicInfo.PicWidth, c.w);
            EXPECT_EQ(MusicInfo.PicHeight, c.h);
        }
    }

    // A document without a picture drops the cover when something changed.
    CDU_TCP_SetInitialValue();
    Decode(FRM_SRV_CDU_MUSIC, MusicDoc("Song"), Jpeg(50, 50, 1));
    ASSERT_EQ(MusicInfo.HasCover, 1);
    Decode(FRM_SRV_CDU_MUSIC, MusicDoc("Song"));
    EXPECT_EQ(MusicInfo.HasCover, 1) << "nothing changed: the cover stays";
    Decode(FRM_SRV_CDU_MUSIC, MusicDoc("Other song"));
    EXPECT_EQ(MusicInfo.HasCover, 0);
    EXPECT_EQ(MusicInfo.PicHashCode, 0);
}

TEST_F(CduDecode, MediaSourceTakeOverOrder)
{
    struct Step {
        const char* what;
        UInt08      srv;
        std::string doc;
        UInt08      want;
    };
    const Step steps[] = {
        {"music paused takes it", FRM_SRV_CDU_MUSIC, MusicDoc("S", "pause"), Media_Src_Music},
        {"radio searching takes it over", FRM_SRV_CDU_RADIO, RadioDoc("1", "searching"), Media_Src_Radio},
        {"music stopping leaves it with the radio", FRM_SRV_CDU_MUSIC, MusicDoc("S", "stop"), Media_Src_Radio},
        {"music disabled leaves it with the radio", FRM_SRV_CDU_MUSIC,
         "{\"enable\":\"0\",\"msgtype\":\"1\"}", Media_Src_Radio},
        {"net radio takes it", FRM_SRV_CDU_NETRADIO, NetRadioDoc("Show"), Media_Src_NetRadio},
        {"radio stopped does not take it", FRM_SRV_CDU_RADIO, RadioDoc("1", "stop"), Media_Src_NetRadio},
        {"radio without status plays and takes it", FRM_SRV_CDU_RADIO,
         "{\"enable\":\"1\",\"msgtype\":\"1\",\"radio\":{\"sys\":\"FM\",\"fre\":\"2\"}}", Media_Src_Radio},
        {"net radio with the same content takes it back", FRM_SRV_CDU_NETRADIO, NetRadioDoc("Show"),
         Media_Src_NetRadio},
        {"net radio disabled gives it up", FRM_SRV_CDU_NETRADIO, "{\"enable\":0,\"msgtype\":1}", Media_Src_None},
        {"music playing takes it", FRM_SRV_CDU_MUSIC, MusicDoc("S", "playing"), Media_Src_Music},
        {"music stopping gives it up", FRM_SRV_CDU_MUSIC, MusicDoc("S", "st"), Media_Src_None},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        Decode(s.srv, s.doc);
        EXPECT_EQ(CduMediaSrc, s.want);
    }
}

TEST_F(CduDecode, NetRadioAndTalkingBook)
{
    UInt08 upd = NetRadioInfo.UpdNetRadio;
    Decode(FRM_SRV_CDU_NETRADIO, "{\"enable\":\"1\",\"msgtype\":\"3\",\"net_radio\":{\"fre\":\"a\",\"name\":\"b\"}}");
    EXPECT_EQ(NetRadioInfo.Enable, 0) << "msgtype 3 changes nothing";
    EXPECT_EQ(NetRadioInfo.UpdNetRadio, upd);
    EXPECT_EQ(CduMediaSrc, Media_Src_None);

    Decode(FRM_SRV_CDU_NETRADIO, "{\"enable\":\"1\",\"msgtype\":\"2\",\"talking_book\":{\"fre\":\"Chapter 2\","
                                 "\"name\":\"Book\",\"progress\":\"65\",\"total\":\"3600\"}}",
           Jpeg(64, 64, 5));
    EXPECT_EQ(NetRadioInfo.Enable, 1);
    EXPECT_EQ(NetRadioInfo.Type, NRADIO_TYPE_BOOK);
    EXPECT_EQ(NetRadioInfo.Progress, 65u);
    EXPECT_EQ(NetRadioInfo.Duration, 3600u);
    EXPECT_STREQ((const char*)NetRadioInfo.Frequency, "Chapter 2");
    EXPECT_EQ(NetRadioInfo.HasCover, 1);
    EXPECT_EQ(CduMediaSrc, Media_Src_NetRadio);

    // A talking book document whose object is missing stops before Enable and Type.
    CDU_TCP_SetInitialValue();
    Decode(FRM_SRV_CDU_NETRADIO, "{\"enable\":\"1\",\"msgtype\":\"2\",\"net_radio\":{\"fre\":\"a\",\"name\":\"b\"}}");
    EXPECT_EQ(NetRadioInfo.Enable, 0);
    EXPECT_EQ(NetRadioInfo.Type, NRADIO_TYPE_NET);
}

TEST_F(CduDecode, Weather)
{
    const std::string full = "{\"enable\":\"1\",\"msgtype\":\"1\",\"weather\":{\"city\":\"Lakeside\",\"date\":\"d\","
                             "\"wendu\":\"-3\",\"type\":\"Snow\",\"typeid\":\"14\",\"day\":\"300\",\"night\":\"-6\"}}";
    Decode(FRM_SRV_CDU_WEATHER, full);
    EXPECT_EQ(WeatherInfo.Enable, 1);
    EXPECT_EQ(WeatherInfo.Tmp, -3);
    EXPECT_EQ(WeatherInfo.DayTmp, 44) << "low 8 bits of 300";
    EXPECT_EQ(WeatherInfo.NightTmp, -6);
    EXPECT_EQ(WeatherInfo.StatusId, 14);
    EXPECT_STREQ((const char*)WeatherInfo.City, "Lakeside");
    EXPECT_STREQ((const char*)WeatherInfo.Status, "Snow");
    UInt08 upd = WeatherInfo.UpdWth;
    Decode(FRM_SRV_CDU_WEATHER, full);
    EXPECT_EQ(WeatherInfo.UpdWth, upd) << "nothing changed";

    CDU_TCP_SetInitialValue();
    Decode(FRM_SRV_CDU_WEATHER, "{\"enable\":\"1\",\"msgtype\":\"1\",\"weather\":{\"city\":\"Lakeside\","
                                "\"wendu\":\"-3\",\"type\":\"Snow\",\"typeid\":\"14\",\"day\":\"1\",\"night\":\"-6\"}}");
    EXPECT_EQ(WeatherInfo.Enable, 1) << "stored before the keys are checked";
    EXPECT_STREQ((const char*)WeatherInfo.City, "") << "without \"date\" the document is dropped";
    EXPECT_EQ(WeatherInfo.UpdWth, 0);
}

TEST_F(CduDecode, Navigation)
{
    Decode(FRM_SRV_CDU_NAVIGATION, "{\"enable\":\"1\",\"msgtype\":\"1\",\"nav\":{\"NavIcon\":5,\"CurRoadName\":\"A\"}}");
    EXPECT_EQ(NavInfo.Enable, 1);
    EXPECT_STREQ((const char*)NavInfo.CurrRoadName, "") << "NavIcon as a number drops the document";
    EXPECT_EQ(NavInfo.UpdCurrRoadName, 0);

    const std::string noRoad = "{\"enable\":\"1\",\"msgtype\":\"1\",\"nav\":{\"NavIcon\":\"258\",\"SegRemainDis1\":\"300 m\","
                               "\"SegRemaintime1\":\"1 min\",\"NexRoadName\":\"B\",\"RoadRemainDis\":\"-40\"}}";
    Decode(FRM_SRV_CDU_NAVIGATION, noRoad);
    EXPECT_EQ(NavInfo.NavIcon, 2) << "low 8 bits of 258";
    EXPECT_EQ(NavInfo.RoadRemainDis, -40);
    EXPECT_STREQ((const char*)NavInfo.RemainDis1, "300 m");
    EXPECT_EQ(NavInfo.UpdRemainInfo1, 1) << "one step for both remaining texts";
    UInt08 cur = NavInfo.UpdCurrRoadName, next = NavInfo.UpdNextRoadName, remain = NavInfo.UpdRemainInfo1;
    Decode(FRM_SRV_CDU_NAVIGATION, noRoad);
    EXPECT_EQ(NavInfo.UpdCurrRoadName, (UInt08)(cur + 1)) << "an absent CurRoadName steps every time";
    EXPECT_EQ(NavInfo.UpdNextRoadName, next);
    EXPECT_EQ(NavInfo.UpdRemainInfo1, remain);

    Decode(FRM_SRV_CDU_NAVIGATION, "{\"enable\":\"1\",\"msgtype\":\"1\",\"nav\":{\"NavIcon\":\"3x\"}}");
    EXPECT_EQ(NavInfo.NavIcon, 2) << "a malformed NavIcon stores nothing";
}

TEST_F(CduDecode, Account)
{
    Decode(FRM_SRV_CDU_ACCOUNT, "{\"enable\":\"1\",\"msgtype\":\"1\",\"account\":{\"main\":\"Alex\"}}");
    EXPECT_STREQ((const char*)AccountInfo.CurrUsrName, "Alex");
    EXPECT_EQ(AccountInfo.UpdAccount, 1u);
    Decode(FRM_SRV_CDU_ACCOUNT, "{\"enable\":\"1\",\"msgtype\":\"1\",\"account\":{\"main\":\"Alex\"}}");
    EXPECT_EQ(AccountInfo.UpdAccount, 1u);
    Decode(FRM_SRV_CDU_ACCOUNT, "{\"enable\":\"0\",\"msgtype\":\"1\"}");
    EXPECT_STREQ((const char*)AccountInfo.CurrUsrName, "");
    EXPECT_EQ(AccountInfo.Enable, 0);
    EXPECT_EQ(AccountInfo.UpdAccount, 2u);
}

// A disabled document gives its record the values the store's reset after a connection gives it.
template <typename Rec> void ExpectSameAsReset(Rec& rec, UInt08 srv, const std::string& fill, const std::vector<uint8_t>& bin,
                                               void (*alignCounters)(Rec& got, const Rec& want))
{
    CDU_TCP_SetInitialValue();
    Decode(srv, fill, bin);
    Decode(srv, "{\"enable\":\"0\",\"msgtype\":\"1\"}");
    auto disabled = std::make_unique<Rec>(rec);
    CDU_TCP_SetInitialValue();
    Decode(srv, fill, bin);
    CDU_TCP_EndServe();
    alignCounters(*disabled, rec);
    EXPECT_EQ(0, memcmp(disabled.get(), &rec, sizeof(Rec)));
}

TEST_F(CduDecode, DisabledServicesTakeTheResetValues)
{
    auto cover = Jpeg(40, 40, 1);
    ExpectSameAsReset<JsonMusic>(MusicInfo, FRM_SRV_CDU_MUSIC, MusicDoc("Song"), cover,
                                 [](JsonMusic& g, const JsonMusic& w) { g.UpdMusic = w.UpdMusic; });
    ExpectSameAsReset<JsonRadio>(RadioInfo, FRM_SRV_CDU_RADIO, RadioDoc("97.1", "start"), cover,
                                 [](JsonRadio& g, const JsonRadio& w) { g.UpdRadio = w.UpdRadio; });
    ExpectSameAsReset<JsonNetRadio>(NetRadioInfo, FRM_SRV_CDU_NETRADIO,
                                    "{\"enable\":\"1\",\"msgtype\":\"2\",\"talking_book\":{\"fre\":\"c\",\"name\":\"n\","
                                    "\"progress\":\"5\",\"total\":\"9\"}}",
                                    cover, [](JsonNetRadio& g, const JsonNetRadio& w) { g.UpdNetRadio = w.UpdNetRadio; });
    ExpectSameAsReset<JsonWeather>(WeatherInfo, FRM_SRV_CDU_WEATHER,
                                   "{\"enable\":\"1\",\"msgtype\":\"1\",\"weather\":{\"city\":\"c\",\"date\":\"d\","
                                   "\"wendu\":\"5\",\"type\":\"t\",\"typeid\":\"3\",\"day\":\"7\",\"night\":\"1\"}}",
                                   {}, [](JsonWeather& g, const JsonWeather& w) { g.UpdWth = w.UpdWth; });
    ExpectSameAsReset<JsonNav>(NavInfo, FRM_SRV_CDU_NAVIGATION,
                               "{\"enable\":\"1\",\"msgtype\":\"1\",\"nav\":{\"NavIcon\":\"4\",\"CurRoadName\":\"a\","
                               "\"NexRoadName\":\"b\",\"SegRemainDis1\":\"c\",\"RoadRemainDis\":\"9\"}}",
                               {}, [](JsonNav& g, const JsonNav& w) {
                                   g.UpdRemainInfo1 = w.UpdRemainInfo1;
                                   g.UpdCurrRoadName = w.UpdCurrRoadName;
                                   g.UpdNextRoadName = w.UpdNextRoadName;
                               });
    ExpectSameAsReset<JsonAccount>(AccountInfo, FRM_SRV_CDU_ACCOUNT,
                                   "{\"enable\":\"1\",\"msgtype\":\"1\",\"account\":{\"main\":\"m\"}}", {},
                                   [](JsonAccount& g, const JsonAccount& w) { g.UpdAccount = w.UpdAccount; });
}

} // namespace

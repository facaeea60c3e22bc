// The infotainment store's two resets: the same empty state, counters zeroed or stepped, the
// upgrade buffers forgotten or freed, OtaState kept.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <vector>

#include "Protocol/Cdu_TCP_App.h"

namespace {

// Puts something into every record so that a reset has work to do.
void FillStore(void)
{
    strcpy((char*)NavInfo.RemainDis1, "1.2km");
    strcpy((char*)NavInfo.RemainTime1, "3min");
    strcpy((char*)NavInfo.CurrRoadName, "A");
    strcpy((char*)NavInfo.NextRoadName, "B");
    NavInfo.NavIcon = 7; NavInfo.Enable = 1; NavInfo.CameraType = 1; NavInfo.CameraSpeed = 2;
    NavInfo.LimitedSpeed = 3; NavInfo.RoadRemainDis = 1200;
    strcpy((char*)MusicInfo.SongName, "song");
    strcpy((char*)MusicInfo.ArtistName, "artist");
    MusicInfo.PicWidth = 10; MusicInfo.PicHeight = 10; MusicInfo.picFmt = 0x1907;
    MusicInfo.Duration = 250; MusicInfo.Progress = 20; MusicInfo.PicHashCode = 99;
    MusicInfo.Status = PlayStatus_Playing; MusicInfo.Type = MUSIC_TYPE_UPAN; MusicInfo.HasCover = 1;
    MusicInfo.Enable = 1;
    strcpy((char*)RadioInfo.System, "FM");
    strcpy((char*)RadioInfo.Frequency, "101.1");
    strcpy((char*)RadioInfo.Name, "station");
    RadioInfo.PicWidth = 5; RadioInfo.HasCover = 1; RadioInfo.Enable = 1;
    RadioInfo.Status = PlayStatus_Search;
    strcpy((char*)WeatherInfo.City, "city");
    strcpy((char*)WeatherInfo.Status, "sunny");
    WeatherInfo.StatusId = 3; WeatherInfo.Enable = 1; WeatherInfo.Tmp = -5; WeatherInfo.DayTmp = 2;
    WeatherInfo.NightTmp = -9;
    strcpy((char*)AccountInfo.CurrUsrName, "user"); AccountInfo.Enable = 1;
    strcpy((char*)NetRadioInfo.Name, "book"); NetRadioInfo.Type = NRADIO_TYPE_BOOK;
    NetRadioInfo.Duration = 1; NetRadioInfo.Progress = 1; NetRadioInfo.Enable = 1;
    UpgradeInfo.Sign = (Int08*)malloc(256);
    UpgradeInfo.Md5 = (Int08*)strdup("abc");
    UpgradeInfo.SignSize = 256; UpgradeInfo.FileSize = 1000; UpgradeInfo.RecvSize = 500;
    BlueToothInfo.PhoneStatus = PHONE_Connect; BlueToothInfo.MuteStatus = 1;
    BlueToothInfo.CtiListSize = 2; BlueToothInfo.ConnectDuration = 1234;
    strcpy((char*)BlueToothInfo.Name, "caller");
    strcpy((char*)BlueToothInfo.CtiList[31].Number, "555");
    strcpy((char*)BlueToothReqUnmute.Number, "555");
    BlueToothReqUnmute.Status = PHONE_REQ_Unmute; BlueToothReqUnmute.Action = 1;
    BlueToothReqFlag.value = 0x1F;
    CduMediaSrc = Media_Src_Radio; CduRecordState = CduRecord_Speaking; CduUsbState = 1;
    BlutsMusicState = 1; CduWeatherState = 1; CduNavigationState = 1;
    OtaState = OTA_HMI_UPGRADING;
    strcpy((char*)SpeechContent, "hello");
    strcpy((char*)NormalRoadName, "road");
    SpeechContentSize = 5; NormalRoadNameSize = 4;
}

void ExpectEmptyStore(void)
{
    EXPECT_STREQ((char*)NavInfo.RemainDis1, "");
    EXPECT_STREQ((char*)NavInfo.RemainTime1, "");
    EXPECT_STREQ((char*)NavInfo.CurrRoadName, "");
    EXPECT_STREQ((char*)NavInfo.NextRoadName, "");
    EXPECT_EQ(NavInfo.NavIcon + NavInfo.Enable + NavInfo.CameraType + NavInfo.CameraSpeed +
              NavInfo.LimitedSpeed, 0);
    EXPECT_EQ(NavInfo.RoadRemainDis, 0);
    EXPECT_STREQ((char*)MusicInfo.SongName, "");
    EXPECT_STREQ((char*)MusicInfo.ArtistName, "");
    EXPECT_EQ(MusicInfo.PicWidth + MusicInfo.PicHeight + MusicInfo.picFmt, 0);
    EXPECT_EQ(MusicInfo.Progress, 0u);
    EXPECT_EQ(MusicInfo.PicHashCode, 0);
    EXPECT_EQ(MusicInfo.Type + MusicInfo.HasCover + MusicInfo.Enable, 0);
    EXPECT_EQ(MusicInfo.Duration, 100u);
    EXPECT_EQ(MusicInfo.Status, PlayStatus_Stop);
    EXPECT_STREQ((char*)RadioInfo.System, "");
    EXPECT_STREQ((char*)RadioInfo.Frequency, "");
    EXPECT_STREQ((char*)RadioInfo.Name, "");
    EXPECT_EQ(RadioInfo.PicWidth + RadioInfo.HasCover + RadioInfo.Enable, 0);
    EXPECT_EQ(RadioInfo.Status, PlayStatus_Stop);
    EXPECT_STREQ((char*)WeatherInfo.City, "");
    EXPECT_STREQ((char*)WeatherInfo.Status, "");
    EXPECT_EQ(WeatherInfo.StatusId + WeatherInfo.Enable + WeatherInfo.Tmp + WeatherInfo.DayTmp +
              WeatherInfo.NightTmp, 0);
    EXPECT_STREQ((char*)AccountInfo.CurrUsrName, "");
    EXPECT_EQ(AccountInfo.Enable, 0);
    EXPECT_STREQ((char*)NetRadioInfo.Name, "");
    EXPECT_EQ(NetRadioInfo.Enable, 0);
    EXPECT_EQ(NetRadioInfo.Duration, 100u);
    EXPECT_EQ(NetRadioInfo.Progress, 60u);
    EXPECT_EQ(NetRadioInfo.Type, NRADIO_TYPE_NET);
    EXPECT_EQ(UpgradeInfo.Sign, nullptr);
    EXPECT_EQ(UpgradeInfo.Md5, nullptr);
    EXPECT_EQ(UpgradeInfo.SignSize, 0);
    EXPECT_EQ(UpgradeInfo.FileSize + UpgradeInfo.RecvSize, 0u);
    EXPECT_EQ(BlueToothInfo.PhoneStatus, PHONE_Unavailable);
    EXPECT_EQ(BlueToothInfo.MuteStatus, 0);
    EXPECT_EQ(BlueToothInfo.CtiListSize, -1);
    EXPECT_EQ(BlueToothInfo.ConnectDuration, 0u);
    EXPECT_STREQ((char*)BlueToothInfo.Name, "");
    EXPECT_STREQ((char*)BlueToothInfo.CtiList[31].Number, "");
    EXPECT_STREQ((char*)BlueToothReqUnmute.Number, "");
    EXPECT_EQ(BlueToothReqUnmute.Status + BlueToothReqUnmute.Action, 0);
    EXPECT_EQ(BlueToothReqFlag.value, 0);
    EXPECT_EQ(CduMediaSrc, Media_Src_None);
    EXPECT_EQ(CduRecordState, CduRecord_Exit);
    EXPECT_EQ(CduUsbState + BlutsMusicState + CduWeatherState + CduNavigationState, 0);
    EXPECT_STREQ((char*)SpeechContent, "");
    EXPECT_STREQ((char*)NormalRoadName, "");
    EXPECT_EQ(SpeechContentSize + NormalRoadNameSize, 0);
    EXPECT_EQ(OtaState, OTA_HMI_UPGRADING) << "an upgrade's state outlives the connection";
}

// Every change counter of the store, read as one list.
std::vector<UInt32> Counters(void)
{
    return {NavInfo.UpdRemainInfo1, NavInfo.UpdCurrRoadName, NavInfo.UpdNextRoadName,
            MusicInfo.UpdMusic, RadioInfo.UpdRadio, WeatherInfo.UpdWth, AccountInfo.UpdAccount,
            NetRadioInfo.UpdNetRadio, UpgradeInfo.UpdUpgrade, BlueToothInfo.UpdCtiList,
            BlueToothInfo.UpdSpeaker, UpdSpeechContent, UpdNormalRoadName};
}

TEST(CduStore, InitialResetEmptiesEverythingAndZeroesCounters)
{
    FillStore();
    Int08* sign = UpgradeInfo.Sign;
    Int08* md5 = UpgradeInfo.Md5;
    NavInfo.UpdRemainInfo1 = 5; AccountInfo.UpdAccount = 9; UpdSpeechContent = 3;
    CDU_TCP_SetInitialValue();
    ExpectEmptyStore();
    for (UInt32 c : Counters()) EXPECT_EQ(c, 0u);
    free(sign); // forgotten by the initial reset, not freed
    free(md5);
}

TEST(CduStore, ResetAfterConnectionStepsCountersAndFreesBuffers)
{
    CDU_TCP_SetInitialValue();
    NavInfo.UpdRemainInfo1 = 255; // wraps
    std::vector<UInt32> before = Counters();
    FillStore();
    CDU_TCP_EndServe(); // frees Sign and Md5
    ExpectEmptyStore();
    std::vector<UInt32> after = Counters();
    ASSERT_EQ(before.size(), after.size());
    EXPECT_EQ(after[0], 0u);
    for (size_t i = 1; i < after.size(); ++i) EXPECT_EQ(after[i], before[i] + 1) << "counter " << i;
    CDU_TCP_EndServe(); // a second call is harmless: buffers are already null
    EXPECT_EQ(UpgradeInfo.Sign, nullptr);
    EXPECT_EQ(Counters()[1], before[1] + 2);
}

} // namespace

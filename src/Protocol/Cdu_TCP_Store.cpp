// The infotainment store's globals and its two resets. Both resets leave every record in the same
// empty state; they differ only in the change counters: the initial reset zeroes them, the reset
// after a connection steps each one so that every reader rebuilds what it shows.
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/Cdu_TCP_Rules.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <initializer_list>

JsonNav       NavInfo;
JsonMusic     MusicInfo;
JsonRadio     RadioInfo;
JsonNetRadio  NetRadioInfo;
JsonWeather   WeatherInfo;
JsonAccount   AccountInfo;
JsonUpgrade   UpgradeInfo;
JsonBlueTooth BlueToothInfo;

ReqBlueTooth BlueToothReqRing;
ReqBlueTooth BlueToothReqConn;
ReqBlueTooth BlueToothReqCancel;
ReqBlueTooth BlueToothReqMute;
ReqBlueTooth BlueToothReqUnmute;

UInt08 CduMediaSrc        = Media_Src_None;
UInt08 CduRecordState     = CduRecord_Exit;
UInt08 CduUsbState        = CduUsb_Default;
UInt08 BlutsMusicState    = BlutsMusic_Default;
UInt08 CduWeatherState    = CduWeather_Invalid;
UInt08 CduNavigationState = CduNavigation_Invalid;
UInt08 OtaState           = OTA_Normal;
Un08   BlueToothReqFlag   = {0};
Int08  SpeechContent[100];
Int08  NormalRoadName[60];
UInt16 SpeechContentSize  = 0;
UInt16 NormalRoadNameSize = 0;
UInt16 UpdSpeechContent   = 0;
UInt16 UpdNormalRoadName  = 0;

namespace {

// How a reset treats the change counters.
enum CounterRule { COUNTERS_ZERO, COUNTERS_STEP };

template <typename T> void ApplyCounter(T& counter, CounterRule rule)
{
    counter = (rule == COUNTERS_ZERO) ? (T)0 : (T)(counter + 1);
}

void ClearText(Int08* text) { text[0] = 0; }

void ResetNav(CounterRule rule)
{
    ClearText(NavInfo.RemainDis1);
    ClearText(NavInfo.RemainTime1);
    ClearText(NavInfo.CurrRoadName);
    ClearText(NavInfo.NextRoadName);
    NavInfo.NavIcon = 0;
    NavInfo.Enable = 0;
    NavInfo.CameraType = 0;
    NavInfo.CameraSpeed = 0;
    NavInfo.LimitedSpeed = 0;
    NavInfo.RoadRemainDis = 0;
    ApplyCounter(NavInfo.UpdRemainInfo1, rule);
    ApplyCounter(NavInfo.UpdCurrRoadName, rule);
    ApplyCounter(NavInfo.UpdNextRoadName, rule);
}

void ResetMusic(CounterRule rule)
{
    ClearText(MusicInfo.SongName);
    ClearText(MusicInfo.ArtistName);
    MusicInfo.PicWidth = 0;
    MusicInfo.PicHeight = 0;
    MusicInfo.picFmt = 0;
    MusicInfo.Progress = 0;
    MusicInfo.PicHashCode = 0;
    MusicInfo.Type = 0;
    MusicInfo.HasCover = 0;
    MusicInfo.Enable = 0;
    MusicInfo.Duration = 100;
    MusicInfo.Status = PlayStatus_Stop;
    ApplyCounter(MusicInfo.UpdMusic, rule);
}

void ResetRadio(CounterRule rule)
{
    ClearText(RadioInfo.System);
    ClearText(RadioInfo.Frequency);
    ClearText(RadioInfo.Name);
    RadioInfo.PicWidth = 0;
    RadioInfo.PicHeight = 0;
    RadioInfo.picFmt = 0;
    RadioInfo.PicHashCode = 0;
    RadioInfo.HasCover = 0;
    RadioInfo.Enable = 0;
    RadioInfo.Status = PlayStatus_Stop;
    ApplyCounter(RadioInfo.UpdRadio, rule);
}

void ResetWeather(CounterRule rule)
{
    ClearText(WeatherInfo.City);
    ClearText(WeatherInfo.Date);
    ClearText(WeatherInfo.Status);
    ClearText(WeatherInfo.Enviroment);
    WeatherInfo.StatusId = 0;
    WeatherInfo.Enable = 0;
    WeatherInfo.Tmp = 0;
    WeatherInfo.DayTmp = 0;
    WeatherInfo.NightTmp = 0;
    ApplyCounter(WeatherInfo.UpdWth, rule);
}

void ResetAccount(CounterRule rule)
{
    ClearText(AccountInfo.CurrUsrName);
    AccountInfo.Enable = 0;
    ApplyCounter(AccountInfo.UpdAccount, rule);
}

void ResetNetRadio(CounterRule rule)
{
    ClearText(NetRadioInfo.Frequency);
    ClearText(NetRadioInfo.Name);
    NetRadioInfo.PicWidth = 0;
    NetRadioInfo.PicHeight = 0;
    NetRadioInfo.picFmt = 0;
    NetRadioInfo.PicHashCode = 0;
    NetRadioInfo.Enable = 0;
    NetRadioInfo.HasCover = 0;
    NetRadioInfo.Duration = 100;
    NetRadioInfo.Progress = 60;
    NetRadioInfo.Type = NRADIO_TYPE_NET;
    ApplyCounter(NetRadioInfo.UpdNetRadio, rule);
}

// The initial reset forgets the buffers: at start-up they hold nothing, and before a connection the
// previous connection's reset has already freed them.
void ResetUpgrade(CounterRule rule)
{
    if (rule == COUNTERS_STEP) {
        free(UpgradeInfo.Sign);
        free(UpgradeInfo.Md5);
    }
    CDU_TCP_OtaReleaseFile(rule == COUNTERS_STEP);
    UpgradeInfo.Sign = nullptr;
    UpgradeInfo.Md5 = nullptr;
    UpgradeInfo.SignSize = 0;
    UpgradeInfo.FileSize = 0;
    UpgradeInfo.RecvSize = 0;
    ApplyCounter(UpgradeInfo.UpdUpgrade, rule);
}

void ResetBlueTooth(CounterRule rule)
{
    ClearText(BlueToothInfo.Name);
    ClearText(BlueToothInfo.Number);
    for (ContactInfo& entry : BlueToothInfo.CtiList) {
        ClearText(entry.Name);
        ClearText(entry.Number);
    }
    BlueToothInfo.PhoneStatus = PHONE_Unavailable;
    BlueToothInfo.MuteStatus = 0;
    BlueToothInfo.CtiListSize = -1;
    BlueToothInfo.ConnectDuration = 0;
    ApplyCounter(BlueToothInfo.UpdCtiList, rule);
    ApplyCounter(BlueToothInfo.UpdSpeaker, rule);
}

void ResetRequests(void)
{
    __atomic_store_n(&BlueToothReqFlag.value, (U08)0, __ATOMIC_SEQ_CST);
    for (ReqBlueTooth* req : {&BlueToothReqRing, &BlueToothReqConn, &BlueToothReqCancel,
                              &BlueToothReqMute, &BlueToothReqUnmute}) {
        ClearText(req->Name);
        ClearText(req->Number);
        req->Status = 0;
        req->Action = 0;
    }
}

void ResetSingles(CounterRule rule)
{
    CduMediaSrc = Media_Src_None;
    CduRecordState = CduRecord_Exit;
    CduUsbState = 0;
    CduNavigationState = 0;
    CduWeatherState = 0;
    BlutsMusicState = 0;
    ClearText(SpeechContent);
    ClearText(NormalRoadName);
    SpeechContentSize = 0;
    NormalRoadNameSize = 0;
    ApplyCounter(UpdSpeechContent, rule);
    ApplyCounter(UpdNormalRoadName, rule);
}

// OtaState is left alone on purpose: an upgrade's outcome outlives the connection that brought it.
void ResetStore(CounterRule rule)
{
    ResetNav(rule);
    ResetMusic(rule);
    ResetRadio(rule);
    ResetWeather(rule);
    ResetAccount(rule);
    ResetNetRadio(rule);
    ResetUpgrade(rule);
    ResetBlueTooth(rule);
    ResetRequests();
    ResetSingles(rule);
}

} // namespace

void CDU_TCP_SetOtaState(UInt08 state)
{
    UInt08 old = OtaState;
    if (old == state) return;
    OtaState = state;
    printf("   OtaState Update[%u]->[%u]\n", (unsigned)old, (unsigned)state);
}

void CDU_TCP_SetInitialValue(void) { ResetStore(COUNTERS_ZERO); }

void CDU_TCP_EndServe(void) { ResetStore(COUNTERS_STEP); }

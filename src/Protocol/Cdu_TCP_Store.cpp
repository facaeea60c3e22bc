// The infotainment store's globals, the empty state of each record and the store's two resets.
// Both resets leave every record in the same empty state; they differ only in the change counters:
// the initial reset zeroes them, the reset after a connection steps each one so that every reader
// rebuilds what it shows. The decoder gives a disabled service's record the same empty state.
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/Cdu_TCP_Rules.h"
#include "Protocol/Cdu_TCP_Store.h"

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

template <typename T> void ApplyCounter(T& counter, CDU_TCP_CounterRule rule)
{
    switch (rule) {
    case CDU_COUNTERS_ZERO: counter = (T)0; break;
    case CDU_COUNTERS_STEP: counter = (T)(counter + 1); break;
    case CDU_COUNTERS_PUBLISH: CDU_TCP_StepCounter(counter); break;
    }
}

void ClearText(Int08* text) { text[0] = 0; }

// The cover fields that music, radio and net radio share; the pixels themselves stay as they are.
template <typename Rec> void ClearCover(Rec& rec)
{
    rec.PicWidth = 0;
    rec.PicHeight = 0;
    rec.picFmt = 0;
    rec.PicHashCode = 0;
    rec.HasCover = 0;
}

} // namespace

void CDU_TCP_ResetNav(CDU_TCP_CounterRule rule)
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

void CDU_TCP_ResetMusic(CDU_TCP_CounterRule rule)
{
    ClearText(MusicInfo.SongName);
    ClearText(MusicInfo.ArtistName);
    ClearCover(MusicInfo);
    MusicInfo.Progress = 0;
    MusicInfo.Type = 0;
    MusicInfo.Enable = 0;
    MusicInfo.Duration = 100;
    MusicInfo.Status = PlayStatus_Stop;
    ApplyCounter(MusicInfo.UpdMusic, rule);
}

void CDU_TCP_ResetRadio(CDU_TCP_CounterRule rule)
{
    ClearText(RadioInfo.System);
    ClearText(RadioInfo.Frequency);
    ClearText(RadioInfo.Name);
    ClearCover(RadioInfo);
    RadioInfo.Enable = 0;
    RadioInfo.Status = PlayStatus_Stop;
    ApplyCounter(RadioInfo.UpdRadio, rule);
}

void CDU_TCP_ResetNetRadio(CDU_TCP_CounterRule rule)
{
    ClearText(NetRadioInfo.Frequency);
    ClearText(NetRadioInfo.Name);
    ClearCover(NetRadioInfo);
    NetRadioInfo.Enable = 0;
    NetRadioInfo.Duration = 100;
    NetRadioInfo.Progress = 60;
    NetRadioInfo.Type = NRADIO_TYPE_NET;
    ApplyCounter(NetRadioInfo.UpdNetRadio, rule);
}

void CDU_TCP_ResetWeather(CDU_TCP_CounterRule rule)
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

void CDU_TCP_ResetAccount(CDU_TCP_CounterRule rule)
{
    ClearText(AccountInfo.CurrUsrName);
    AccountInfo.Enable = 0;
    ApplyCounter(AccountInfo.UpdAccount, rule);
}

void CDU_TCP_ResetBlueTooth(CDU_TCP_CounterRule rule)
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

namespace {

// The initial reset forgets the buffers: at start-up they hold nothing, and before a connection the
// previous connection's reset has already freed them.
void ResetUpgrade(CDU_TCP_CounterRule rule)
{
    if (rule != CDU_COUNTERS_ZERO) {
        free(UpgradeInfo.Sign);
        free(UpgradeInfo.Md5);
    }
    CDU_TCP_OtaReleaseFile(rule != CDU_COUNTERS_ZERO);
    UpgradeInfo.Sign = nullptr;
    UpgradeInfo.Md5 = nullptr;
    UpgradeInfo.SignSize = 0;
    UpgradeInfo.FileSize = 0;
    UpgradeInfo.RecvSize = 0;
    ApplyCounter(UpgradeInfo.UpdUpgrade, rule);
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

void ResetSingles(CDU_TCP_CounterRule rule)
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
void ResetStore(CDU_TCP_CounterRule rule)
{
    CDU_TCP_ResetNav(rule);
    CDU_TCP_ResetMusic(rule);
    CDU_TCP_ResetRadio(rule);
    CDU_TCP_ResetWeather(rule);
    CDU_TCP_ResetAccount(rule);
    CDU_TCP_ResetNetRadio(rule);
    ResetUpgrade(rule);
    CDU_TCP_ResetBlueTooth(rule);
    ResetRequests();
    ResetSingles(rule);
}

} // namespace

void CDU_TCP_SetOtaState(UInt08 state)
{
    // The link thread sets the upgrade's progress, the render thread its return to idle.
    UInt08 old = __atomic_exchange_n(&OtaState, state, __ATOMIC_SEQ_CST);
    if (old == state) return;
    printf("   OtaState Update[%u]->[%u]\n", (unsigned)old, (unsigned)state);
}

void CDU_TCP_SetInitialValue(void) { ResetStore(CDU_COUNTERS_ZERO); }

void CDU_TCP_EndServe(void) { ResetStore(CDU_COUNTERS_STEP); }

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
    case CDU_COUNTERS_ZERO: OrvShared_Publish(counter, 0); break;
    // Every step is a release store, so the reset after a connection publishes like a disabled
    // service's does.
    case CDU_COUNTERS_STEP:
    case CDU_COUNTERS_PUBLISH: OrvShared_Step(counter); break;
    }
}

void ClearText(Int08* text) { OrvShared_Store(text[0], 0); }

// The cover fields that music, radio and net radio share; the pixels themselves stay as they are.
template <typename Rec> void ClearCover(Rec& rec)
{
    OrvShared_Store(rec.PicWidth, 0);
    OrvShared_Store(rec.PicHeight, 0);
    OrvShared_Store(rec.picFmt, 0);
    OrvShared_Store(rec.PicHashCode, 0);
    OrvShared_Store(rec.HasCover, 0);
}

} // namespace

void CDU_TCP_ResetNav(CDU_TCP_CounterRule rule)
{
    ClearText(NavInfo.RemainDis1);
    ClearText(NavInfo.RemainTime1);
    ClearText(NavInfo.CurrRoadName);
    ClearText(NavInfo.NextRoadName);
    OrvShared_Store(NavInfo.NavIcon, 0);
    OrvShared_Store(NavInfo.Enable, 0);
    OrvShared_Store(NavInfo.CameraType, 0);
    OrvShared_Store(NavInfo.CameraSpeed, 0);
    OrvShared_Store(NavInfo.LimitedSpeed, 0);
    OrvShared_Store(NavInfo.RoadRemainDis, 0);
    ApplyCounter(NavInfo.UpdRemainInfo1, rule);
    ApplyCounter(NavInfo.UpdCurrRoadName, rule);
    ApplyCounter(NavInfo.UpdNextRoadName, rule);
}

void CDU_TCP_ResetMusic(CDU_TCP_CounterRule rule)
{
    ClearText(MusicInfo.SongName);
    ClearText(MusicInfo.ArtistName);
    ClearCover(MusicInfo);
    OrvShared_Store(MusicInfo.Progress, 0);
    OrvShared_Store(MusicInfo.Type, 0);
    OrvShared_Store(MusicInfo.Enable, 0);
    OrvShared_Store(MusicInfo.Duration, 100);
    OrvShared_Store(MusicInfo.Status, PlayStatus_Stop);
    ApplyCounter(MusicInfo.UpdMusic, rule);
}

void CDU_TCP_ResetRadio(CDU_TCP_CounterRule rule)
{
    ClearText(RadioInfo.System);
    ClearText(RadioInfo.Frequency);
    ClearText(RadioInfo.Name);
    ClearCover(RadioInfo);
    OrvShared_Store(RadioInfo.Enable, 0);
    OrvShared_Store(RadioInfo.Status, PlayStatus_Stop);
    ApplyCounter(RadioInfo.UpdRadio, rule);
}

void CDU_TCP_ResetNetRadio(CDU_TCP_CounterRule rule)
{
    ClearText(NetRadioInfo.Frequency);
    ClearText(NetRadioInfo.Name);
    ClearCover(NetRadioInfo);
    OrvShared_Store(NetRadioInfo.Enable, 0);
    OrvShared_Store(NetRadioInfo.Duration, 100);
    OrvShared_Store(NetRadioInfo.Progress, 60);
    OrvShared_Store(NetRadioInfo.Type, NRADIO_TYPE_NET);
    ApplyCounter(NetRadioInfo.UpdNetRadio, rule);
}

void CDU_TCP_ResetWeather(CDU_TCP_CounterRule rule)
{
    ClearText(WeatherInfo.City);
    ClearText(WeatherInfo.Date);
    ClearText(WeatherInfo.Status);
    ClearText(WeatherInfo.Enviroment);
    OrvShared_Store(WeatherInfo.StatusId, 0);
    OrvShared_Store(WeatherInfo.Enable, 0);
    OrvShared_Store(WeatherInfo.Tmp, 0);
    OrvShared_Store(WeatherInfo.DayTmp, 0);
    OrvShared_Store(WeatherInfo.NightTmp, 0);
    ApplyCounter(WeatherInfo.UpdWth, rule);
}

void CDU_TCP_ResetAccount(CDU_TCP_CounterRule rule)
{
    ClearText(AccountInfo.CurrUsrName);
    OrvShared_Store(AccountInfo.Enable, 0);
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
    OrvShared_Store(BlueToothInfo.PhoneStatus, PHONE_Unavailable);
    OrvShared_Store(BlueToothInfo.MuteStatus, 0);
    OrvShared_Store(BlueToothInfo.CtiListSize, -1);
    OrvShared_Store(BlueToothInfo.ConnectDuration, 0);
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
    OrvShared_Store(UpgradeInfo.Sign, nullptr);
    OrvShared_Store(UpgradeInfo.Md5, nullptr);
    OrvShared_Store(UpgradeInfo.SignSize, 0);
    OrvShared_Store(UpgradeInfo.FileSize, 0);
    OrvShared_Store(UpgradeInfo.RecvSize, 0);
    ApplyCounter(UpgradeInfo.UpdUpgrade, rule);
}

void ResetRequests(void)
{
    __atomic_store_n(&BlueToothReqFlag.value, (U08)0, __ATOMIC_SEQ_CST);
    for (ReqBlueTooth* req : {&BlueToothReqRing, &BlueToothReqConn, &BlueToothReqCancel,
                              &BlueToothReqMute, &BlueToothReqUnmute}) {
        ClearText(req->Name);
        ClearText(req->Number);
        OrvShared_Store(req->Status, 0);
        OrvShared_Store(req->Action, 0);
    }
}

void ResetSingles(CDU_TCP_CounterRule rule)
{
    OrvShared_Store(CduMediaSrc, Media_Src_None);
    OrvShared_Store(CduRecordState, CduRecord_Exit);
    OrvShared_Store(CduUsbState, 0);
    OrvShared_Store(CduNavigationState, 0);
    OrvShared_Store(CduWeatherState, 0);
    OrvShared_Store(BlutsMusicState, 0);
    ClearText(SpeechContent);
    ClearText(NormalRoadName);
    OrvShared_Store(SpeechContentSize, 0);
    OrvShared_Store(NormalRoadNameSize, 0);
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

// The service decoder: applies each JSON document of the head unit to the infotainment store.
// The rules common to every document (enable, msgtype, numbers sent as text, texts cut to their
// field) and the cover pictures are here once; each service is a short function over them.
// Change counters step only after the fields they announce, and HasCover drops before a
// picture's pixels are rewritten, because the render thread reads the store without a lock.
#include <cjson/cJSON.h>
#include <cstring>
#include <initializer_list>

#include "OrvTask/CduCommunication.h"
#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/Cdu_TCP_Rules.h"
#include "Protocol/Cdu_TCP_Store.h"
#include "lib/OrvJpeg.h"
#include "lib/OrvPng.h"

/* --- common rules ---------------------------------------------------------------------------- */

bool CDU_TCP_ParseDecimal(const char* s, Int32* out)
{
    if (s == nullptr) return false;
    UInt32 sign = 1;
    if (*s == '-') {
        sign = (UInt32)-1;
        s++;
    } else if (*s == '+') {
        s++;
    }
    if (*s == 0) return false;
    UInt32 v = 0;
    for (; *s; s++) {
        if (*s < '0' || *s > '9') return false;
        v = v * 10u + sign * (UInt32)(*s - '0');
    }
    *out = (Int32)v;
    return true;
}

bool CDU_TCP_GetDecimal(const cJSON* obj, const char* key, Int32* out)
{
    const cJSON* item = cJSON_GetObjectItem(obj, key);
    if (item == nullptr || !cJSON_IsString(item)) {
        *out = 0;
        return true;
    }
    return CDU_TCP_ParseDecimal(item->valuestring, out);
}

bool CDU_TCP_IsStringItem(const cJSON* obj, const char* key) { return cJSON_IsString(cJSON_GetObjectItem(obj, key)); }

bool CDU_TCP_SetText(Int08* field, size_t size, const cJSON* obj, const char* key)
{
    const cJSON* item = cJSON_GetObjectItem(obj, key);
    if (item == nullptr || !cJSON_IsString(item) || item->valuestring == nullptr) {
        OrvShared_Store(field[0], 0);
        return true;
    }
    const char* text = item->valuestring;
    size_t n = strnlen(text, size - 1);
    if (strncmp((const char*)field, text, n) == 0 && field[n] == 0) return false;
    // The render thread may be reading the field: byte-wise atomic stores, then the zero.
    OrvShared_CopyIn(field, text, n);
    OrvShared_Store(field[n], 0);
    return true;
}

namespace {

const Int32  CDU_TIME_MAX = 359999; // 99 h 59 min 59 s
const Int32  CDU_COVER_MAX_SIDE = 500;
const UInt32 CDU_COVER_MIN_BYTES = 10;

// "enable": the string "1" or "0", or the number 1 or 0.
bool GetEnable(const cJSON* doc, Int32* enable)
{
    const cJSON* item = cJSON_GetObjectItem(doc, "enable");
    if (item == nullptr) return false;
    if (cJSON_IsString(item)) {
        if (strcmp(item->valuestring, "1") == 0) *enable = 1;
        else if (strcmp(item->valuestring, "0") == 0) *enable = 0;
        else return false;
        return true;
    }
    if (!cJSON_IsNumber(item) || (item->valueint != 0 && item->valueint != 1)) return false;
    *enable = item->valueint;
    return true;
}

// "msgtype": a string read with the decimal rule, or a number.
bool GetMsgType(const cJSON* doc, Int32* msgType)
{
    const cJSON* item = cJSON_GetObjectItem(doc, "msgtype");
    if (item == nullptr) return false;
    if (cJSON_IsString(item)) return CDU_TCP_ParseDecimal(item->valuestring, msgType);
    if (!cJSON_IsNumber(item)) return false;
    *msgType = item->valueint;
    return true;
}

// The decoder's own short names for the shared rules.
inline bool GetDecimal(const cJSON* obj, const char* key, Int32* out) { return CDU_TCP_GetDecimal(obj, key, out); }
inline bool IsStringItem(const cJSON* obj, const char* key) { return CDU_TCP_IsStringItem(obj, key); }
#define SET_TEXT(field, obj, key) CDU_TCP_SET_TEXT(field, obj, key)
template <typename T> inline void StepCounter(T& counter) { CDU_TCP_StepCounter(counter); }

bool InTimeRange(Int32 v) { return v >= 0 && v <= CDU_TIME_MAX; }

/* --- cover pictures -------------------------------------------------------------------------- */

UInt16 CoverCheckValue(const UInt08* bin, UInt32 binSz)
{
    UInt16 h = bin[binSz / 2];
    for (UInt32 i = 0; i < binSz; i += 20) h = (UInt16)((h ^ 0x6718) ^ bin[i]);
    return h;
}

const UInt08 kJpegMagic[] = {0xFF, 0xD8};
const UInt08 kPngMagic[] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
const UInt08 kBmpMagic[] = {0x42, 0x4D};

template <size_t N> bool StartsWith(const UInt08* bin, UInt32 binSz, const UInt08 (&magic)[N])
{
    return binSz >= N && memcmp(bin, magic, N) == 0;
}

// The cover picture of music, radio or net radio: decoded only when the check value, the media
// source or the record's texts changed.
template <typename Rec> void ApplyCover(Rec& rec, UInt08 source, const UInt08* bin, UInt32 binSz, bool* updFlg)
{
    if (binSz <= CDU_COVER_MIN_BYTES) {
        if (*updFlg) {
            OrvShared_Store(rec.HasCover, 0);
            OrvShared_Store(rec.PicHashCode, 0);
        }
        return;
    }
    UInt16 h = CoverCheckValue(bin, binSz);
    if (!*updFlg && CduMediaSrc == source && h == rec.PicHashCode) return;
    OrvShared_Store(rec.PicHashCode, h);

    typedef Int08 (*Loader)(void*, UInt32, Int32*, Int32*, UInt32*, void**, UInt32);
    Loader load = nullptr;
    if (StartsWith(bin, binSz, kJpegMagic)) load = LoadJpegFromMem;
    else if (StartsWith(bin, binSz, kPngMagic)) load = LoadPngFromMem;
    else if (StartsWith(bin, binSz, kBmpMagic)) {
        OrvShared_Store(rec.HasCover, 0); // bitmaps are not shown
        *updFlg = true;
        return;
    } else {
        return;
    }
    // HasCover drops before the pixels change: the acquire half of the exchange keeps every later
    // write of this thread after it (a fence would do the same, but ThreadSanitizer cannot see one).
    (void)__atomic_exchange_n(&rec.HasCover, (decltype(rec.HasCover))0, __ATOMIC_ACQ_REL);
    Int32 w = 0, hgt = 0;
    UInt32 fmt = 0;
    // The decoders write the pixels in their own order; they land in a private buffer first and
    // reach the store with atomic stores, since the render thread may still be reading the last one.
    static UInt08 scratch[CDU_PIC_BMP_SIZE];
    void* pixels = scratch;
    if (load((void*)bin, binSz, &w, &hgt, &fmt, &pixels, (UInt32)sizeof(scratch)) == 1 &&
        w <= CDU_COVER_MAX_SIDE && hgt <= CDU_COVER_MAX_SIDE) {
        size_t bytes = (size_t)w * (size_t)hgt * 4u;
        OrvShared_CopyIn(rec.PicBmp, scratch, bytes < sizeof(rec.PicBmp) ? bytes : sizeof(rec.PicBmp));
        OrvShared_Store(rec.PicWidth, w);
        OrvShared_Store(rec.PicHeight, hgt);
        OrvShared_Store(rec.picFmt, fmt);
        OrvShared_Store(rec.HasCover, 1);
    }
    *updFlg = true;
}

// A source that stops or is disabled gives the media up only if it holds it.
void ReleaseMediaSrc(UInt08 source)
{
    if (CduMediaSrc == source) OrvShared_Store(CduMediaSrc, Media_Src_None);
}

/* --- disabled services: the record's empty state, its counters stepped behind the fence ----- */

// A disabled media service: HasCover drops before the cover's fields are cleared, and the service
// gives up the media source only after its record is empty.
template <typename Rec> void DisableMedia(Rec& rec, void (*reset)(CDU_TCP_CounterRule), UInt08 source)
{
    OrvShared_Store(rec.HasCover, 0); // readers stop showing the cover before its size and check value go
    reset(CDU_COUNTERS_PUBLISH);
    ReleaseMediaSrc(source); // only if it holds it; the reset after a connection clears it for all
}

/* --- services: each returns false where the document breaks off ------------------------------ */

bool DecodeNav(const cJSON* doc, Int32 enable)
{
    if (!enable) {
        CDU_TCP_ResetNav(CDU_COUNTERS_PUBLISH);
        return true;
    }
    OrvShared_Store(CduComSrvPnt, 0x201B);
    OrvShared_Store(NavInfo.Enable, 1);
    const cJSON* nav = cJSON_GetObjectItem(doc, "nav");
    if (nav == nullptr || !IsStringItem(nav, "NavIcon")) return false;
    Int32 icon, remain;
    if (!GetDecimal(nav, "NavIcon", &icon) || !GetDecimal(nav, "RoadRemainDis", &remain)) return false;
    OrvShared_Store(NavInfo.NavIcon, (UInt08)icon);
    OrvShared_Store(NavInfo.RoadRemainDis, remain);
    if (SET_TEXT(NavInfo.CurrRoadName, nav, "CurRoadName")) StepCounter(NavInfo.UpdCurrRoadName);
    if (SET_TEXT(NavInfo.NextRoadName, nav, "NexRoadName")) StepCounter(NavInfo.UpdNextRoadName);
    bool dis = SET_TEXT(NavInfo.RemainDis1, nav, "SegRemainDis1");
    bool time = SET_TEXT(NavInfo.RemainTime1, nav, "SegRemaintime1");
    if (dis || time) StepCounter(NavInfo.UpdRemainInfo1);
    return true;
}

bool DecodeMusic(const cJSON* doc, Int32 enable, Int32 msgType, const UInt08* bin, UInt32 binSz)
{
    if (!enable) {
        DisableMedia(MusicInfo, CDU_TCP_ResetMusic, Media_Src_Music);
        return true;
    }
    OrvShared_Store(CduComSrvPnt, 0x201C);
    OrvShared_Store(MusicInfo.Enable, 1);
    OrvShared_Store(MusicInfo.Type, msgType == 2 ? MUSIC_TYPE_BLUETOOTH : msgType == 3 ? MUSIC_TYPE_UPAN : MUSIC_TYPE_LOCAL);
    const cJSON* music = cJSON_GetObjectItem(doc, "music");
    if (music == nullptr) return false;
    Int32 progress, total;
    if (!GetDecimal(music, "progress", &progress) || !GetDecimal(music, "total", &total)) return false;
    const cJSON* status = cJSON_GetObjectItem(music, "status");
    if (cJSON_IsString(status)) {
        const char* s = status->valuestring;
        OrvShared_Store(MusicInfo.Status, strncmp(s, "pl", 2) == 0   ? PlayStatus_Playing
                                          : strncmp(s, "pa", 2) == 0 ? PlayStatus_Pause
                                                                     : PlayStatus_Stop);
    }
    if (InTimeRange(total)) OrvShared_Store(MusicInfo.Duration, (UInt32)total);
    if (InTimeRange(progress)) OrvShared_Store(MusicInfo.Progress, (UInt32)progress);
    bool updFlg = SET_TEXT(MusicInfo.SongName, music, "song");
    updFlg = SET_TEXT(MusicInfo.ArtistName, music, "artist") || updFlg;
    if (msgType != MusicInfo.Type) {
        OrvShared_Store(MusicInfo.Type, (UInt08)msgType);
        updFlg = true;
    }
    ApplyCover(MusicInfo, Media_Src_Music, bin, binSz, &updFlg);
    if (updFlg) StepCounter(MusicInfo.UpdMusic);
    if (MusicInfo.Status == PlayStatus_Playing || MusicInfo.Status == PlayStatus_Pause) OrvShared_Store(CduMediaSrc, Media_Src_Music);
    else ReleaseMediaSrc(Media_Src_Music);
    return true;
}

bool DecodeRadio(const cJSON* doc, Int32 enable, const UInt08* bin, UInt32 binSz)
{
    if (!enable) {
        DisableMedia(RadioInfo, CDU_TCP_ResetRadio, Media_Src_Radio);
        return true;
    }
    OrvShared_Store(CduComSrvPnt, 0x201D);
    OrvShared_Store(RadioInfo.Enable, 1);
    const cJSON* radio = cJSON_GetObjectItem(doc, "radio");
    if (radio == nullptr || !IsStringItem(radio, "sys") || !IsStringItem(radio, "fre")) return false;
    const cJSON* status = cJSON_GetObjectItem(radio, "status");
    const char* s = cJSON_IsString(status) ? status->valuestring : "";
    OrvShared_Store(RadioInfo.Status, strncmp(s, "sto", 3) == 0  ? PlayStatus_Stop
                                      : strncmp(s, "se", 2) == 0 ? PlayStatus_Search
                                                                 : PlayStatus_Playing);
    bool updFlg = SET_TEXT(RadioInfo.System, radio, "sys");
    updFlg = SET_TEXT(RadioInfo.Frequency, radio, "fre") || updFlg;
    updFlg = SET_TEXT(RadioInfo.Name, radio, "name") || updFlg;
    ApplyCover(RadioInfo, Media_Src_Radio, bin, binSz, &updFlg);
    if (updFlg) StepCounter(RadioInfo.UpdRadio);
    if (RadioInfo.Status == PlayStatus_Playing || RadioInfo.Status == PlayStatus_Search) OrvShared_Store(CduMediaSrc, Media_Src_Radio);
    else ReleaseMediaSrc(Media_Src_Radio);
    return true;
}

bool DecodeNetRadio(const cJSON* doc, Int32 enable, Int32 msgType, const UInt08* bin, UInt32 binSz)
{
    if (!enable) {
        DisableMedia(NetRadioInfo, CDU_TCP_ResetNetRadio, Media_Src_NetRadio);
        return true;
    }
    if (msgType != NRADIO_TYPE_NET && msgType != NRADIO_TYPE_BOOK) return true;
    OrvShared_Store(CduComSrvPnt, 0x2022);
    const cJSON* obj = cJSON_GetObjectItem(doc, msgType == NRADIO_TYPE_NET ? "net_radio" : "talking_book");
    if (obj == nullptr) return false;
    OrvShared_Store(NetRadioInfo.Enable, 1);
    OrvShared_Store(NetRadioInfo.Type, (UInt08)msgType);
    if (!IsStringItem(obj, "fre") || !IsStringItem(obj, "name")) return false;
    if (msgType == NRADIO_TYPE_BOOK) {
        Int32 progress, total;
        if (!GetDecimal(obj, "progress", &progress) || !GetDecimal(obj, "total", &total)) return false;
        if (InTimeRange(total)) OrvShared_Store(NetRadioInfo.Duration, (UInt32)total);
        if (InTimeRange(progress)) OrvShared_Store(NetRadioInfo.Progress, (UInt32)progress);
    }
    bool updFlg = SET_TEXT(NetRadioInfo.Frequency, obj, "fre");
    updFlg = SET_TEXT(NetRadioInfo.Name, obj, "name") || updFlg;
    ApplyCover(NetRadioInfo, Media_Src_NetRadio, bin, binSz, &updFlg);
    if (updFlg) StepCounter(NetRadioInfo.UpdNetRadio);
    OrvShared_Store(CduMediaSrc, Media_Src_NetRadio);
    return true;
}

// Stores a number into a signed byte field; true when the field changed.
bool SetSignedByte(Int08* field, Int32 value)
{
    Int08 v = (Int08)(UInt08)value;
    if (*field == v) return false;
    OrvShared_Store(*field, v);
    return true;
}

bool DecodeWeather(const cJSON* doc, Int32 enable)
{
    if (!enable) {
        CDU_TCP_ResetWeather(CDU_COUNTERS_PUBLISH);
        return true;
    }
    OrvShared_Store(CduComSrvPnt, 0x201F);
    OrvShared_Store(WeatherInfo.Enable, 1);
    const cJSON* w = cJSON_GetObjectItem(doc, "weather");
    if (w == nullptr) return false;
    for (const char* key : {"city", "date", "wendu", "type", "typeid", "day", "night"})
        if (!IsStringItem(w, key)) return false;
    Int32 wendu, day, night, typeId;
    if (!GetDecimal(w, "wendu", &wendu) || !GetDecimal(w, "day", &day) || !GetDecimal(w, "night", &night) ||
        !GetDecimal(w, "typeid", &typeId))
        return false;
    bool updFlg = SetSignedByte(&WeatherInfo.Tmp, wendu);
    updFlg = SetSignedByte(&WeatherInfo.DayTmp, day) || updFlg;
    updFlg = SetSignedByte(&WeatherInfo.NightTmp, night) || updFlg;
    updFlg = SetSignedByte(&WeatherInfo.StatusId, typeId) || updFlg;
    updFlg = SET_TEXT(WeatherInfo.City, w, "city") || updFlg;
    updFlg = SET_TEXT(WeatherInfo.Status, w, "type") || updFlg;
    if (updFlg) StepCounter(WeatherInfo.UpdWth);
    return true;
}

bool DecodeAccount(const cJSON* doc, Int32 enable)
{
    if (!enable) {
        CDU_TCP_ResetAccount(CDU_COUNTERS_PUBLISH);
        return true;
    }
    OrvShared_Store(CduComSrvPnt, 0x2020);
    OrvShared_Store(AccountInfo.Enable, 1);
    const cJSON* account = cJSON_GetObjectItem(doc, "account");
    if (account == nullptr || !IsStringItem(account, "main")) return false;
    if (SET_TEXT(AccountInfo.CurrUsrName, account, "main")) StepCounter(AccountInfo.UpdAccount);
    return true;
}

bool DecodeService(UInt08 srvType, const cJSON* doc, const UInt08* bin, UInt32 binSz)
{
    Int32 enable = 0, msgType = 0;
    if (srvType != FRM_SRV_CDU_UPGRADE) {
        if (!GetEnable(doc, &enable)) return false;
        OrvShared_Store(CduComSrvPnt, 0x2019);
        if (!GetMsgType(doc, &msgType)) return false;
        OrvShared_Store(CduComSrvPnt, 0x201A);
    }
    switch (srvType) {
    case FRM_SRV_CDU_NAVIGATION: return DecodeNav(doc, enable);
    case FRM_SRV_CDU_MUSIC: return DecodeMusic(doc, enable, msgType, bin, binSz);
    case FRM_SRV_CDU_RADIO: return DecodeRadio(doc, enable, bin, binSz);
    case FRM_SRV_CDU_WEATHER: return DecodeWeather(doc, enable);
    case FRM_SRV_CDU_ACCOUNT: return DecodeAccount(doc, enable);
    case FRM_SRV_CDU_NETRADIO: return DecodeNetRadio(doc, enable, msgType, bin, binSz);
    case FRM_SRV_CDU_BLUETOOTH: return CDU_TCP_DecodePhone(doc, enable, msgType);
    case FRM_SRV_CDU_NOTIFICATION: return CDU_TCP_DecodeNotify(doc, enable);
    case FRM_SRV_CDU_UPGRADE: return CDU_TCP_DecodeUpgrade(doc, bin, binSz);
    default: return true;
    }
}

} // namespace

void CDU_TCP_Decode(UInt08 srvType, UInt08* jsonData, UInt32 jsonSz, UInt08* binData, UInt32 binSz)
{
    OrvShared_Store(CduComSrvPnt, 0x2018);
    if (jsonData == nullptr) return;
    // The text ends at jsonSz at the latest, whatever zero the caller put after it.
    cJSON* doc = cJSON_ParseWithLength((const char*)jsonData, jsonSz);
    if (doc == nullptr) return;
    if (DecodeService(srvType, doc, binData, binData ? binSz : 0)) OrvShared_Store(CduComSrvPnt, 0x2024);
    cJSON_Delete(doc);
    OrvShared_Store(CduComSrvPnt, 0x2025);
}

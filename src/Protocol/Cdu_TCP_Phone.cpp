// The phone and notification services of the decoder. The phone service reports the head unit's
// paired phone: its contact list, the call state with the moment the call connected, and the
// microphone's mute feedback. The notification service carries single values picked by
// "MsgIndex": the voice assistant's state, USB storage, Bluetooth music, a road name and a speech
// text. The render thread reads all of it without a lock, so the contact list's size is -1 while
// the list is rebuilt and every counter steps after the fields it announces.
#include <cjson/cJSON.h>
#include <cstring>
#include <initializer_list>
#include <sys/time.h>

#include "OrvTask/CduCommunication.h"
#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/Cdu_TCP_Rules.h"
#include "Protocol/Cdu_TCP_Store.h"

namespace {

// A list message fills at most this many of the 32 entries.
const Int32 CDU_CTI_LIST_FILL = 31;

enum {
    PHONE_MSG_LIST = 1,
    PHONE_MSG_CALL = 2,
    PHONE_MSG_FEEDBACK = 3,
};

enum {
    NOTIFY_ROAD_NAME = 0,
    NOTIFY_RECORDING = 1,
    NOTIFY_USB = 2,
    NOTIFY_BT_MUSIC = 3,
    NOTIFY_SPEED_LIMIT = 4,
    NOTIFY_CHARGE_TIME = 5,
    NOTIFY_SPEECH = 6,
};

void ClearContact(ContactInfo& c)
{
    OrvShared_Store(c.Name[0], 0);
    OrvShared_Store(c.Number[0], 0);
}

// Wall-clock milliseconds kept to 32 bits: the phone module shows the time elapsed since then.
UInt32 WallClockMs(void)
{
    struct timeval tv;
    gettimeofday(&tv, nullptr);
    return (UInt32)((UInt32)tv.tv_sec * 1000u + (UInt32)(tv.tv_usec / 1000));
}

void DisablePhone(void)
{
    OrvShared_Store(BlueToothInfo.CtiListSize, -1); // the list is withdrawn before its entries are cleared
    CDU_TCP_ResetBlueTooth(CDU_COUNTERS_PUBLISH);
}

// "title" of a list element: -1 when absent, the integer of a number, 0 for anything else.
Int32 ContactTitle(const cJSON* element)
{
    const cJSON* title = cJSON_GetObjectItem(element, "title");
    if (title == nullptr) return -1;
    return cJSON_IsNumber(title) ? title->valueint : 0;
}

bool DecodeContactList(const cJSON* doc)
{
    const cJSON* list = cJSON_GetObjectItem(doc, "btcall");
    if (list == nullptr) return false;
    Int32 n = cJSON_GetArraySize(list);
    if (n > CDU_CTI_LIST_FILL) n = CDU_CTI_LIST_FILL;

    Int32 old = BlueToothInfo.CtiListSize;
    OrvShared_Store(BlueToothInfo.CtiListSize, -1);
    for (Int32 i = 0; i < old && i < CDU_CTI_LIST_SIZE; i++) ClearContact(BlueToothInfo.CtiList[i]);

    if (n == 0) {
        OrvShared_Store(BlueToothInfo.CtiListSize, 0);
        OrvShared_Store(BlueToothInfo.PhoneStatus, PHONE_List);
        CDU_TCP_StepCounter(BlueToothInfo.UpdCtiList);
        return true;
    }
    const cJSON* element = list->child;
    for (Int32 i = 0; i < n && element != nullptr; i++, element = element->next) {
        Int32 title = ContactTitle(element);
        if (title >= 1 && title <= n) {
            ContactInfo& c = BlueToothInfo.CtiList[title - 1];
            CDU_TCP_SET_TEXT(c.Name, element, "name");
            CDU_TCP_SET_TEXT(c.Number, element, "num");
            OrvShared_Store(BlueToothInfo.PhoneStatus, PHONE_List);
        } else if (title == 0 && n == 1) {
            // An empty list sent as one placeholder element.
            if (BlueToothInfo.PhoneStatus == PHONE_Unavailable) OrvShared_Store(BlueToothInfo.PhoneStatus, PHONE_List);
            else if (BlueToothInfo.PhoneStatus == PHONE_List) OrvShared_Store(BlueToothInfo.CtiListSize, 0);
            CDU_TCP_StepCounter(BlueToothInfo.UpdCtiList);
            return true;
        }
    }
    // The size goes last, after the entries, and the counter announces both.
    OrvShared_Store(BlueToothInfo.CtiListSize, (Int08)n);
    CDU_TCP_StepCounter(BlueToothInfo.UpdCtiList);
    return true;
}

// "name" and "num" of the other party; UpdSpeaker steps when either changed.
void SetSpeaker(const cJSON* obj)
{
    bool name = CDU_TCP_SET_TEXT(BlueToothInfo.Name, obj, "name");
    bool num = CDU_TCP_SET_TEXT(BlueToothInfo.Number, obj, "num");
    if (name || num) CDU_TCP_StepCounter(BlueToothInfo.UpdSpeaker);
}

bool HasStrings(const cJSON* obj, std::initializer_list<const char*> keys)
{
    if (obj == nullptr) return false;
    for (const char* key : keys)
        if (!CDU_TCP_IsStringItem(obj, key)) return false;
    return true;
}

bool DecodeCallState(const cJSON* doc)
{
    const cJSON* call = cJSON_GetObjectItem(doc, "incall");
    if (!HasStrings(call, {"name", "num", "status", "action"})) return false;
    SetSpeaker(call);
    const char* status = cJSON_GetObjectItem(call, "status")->valuestring;
    bool outgoing = cJSON_GetObjectItem(call, "action")->valuestring[0] == 'o';
    if (status[0] == 'r') {
        OrvShared_Store(BlueToothInfo.PhoneStatus, outgoing ? PHONE_OutCall : PHONE_InCall);
    } else if (strncmp(status, "co", 2) == 0) {
        // A repeated "connected" keeps the call's start; any other state before it restarts it.
        if (BlueToothInfo.PhoneStatus != PHONE_Connect) OrvShared_Store(BlueToothInfo.ConnectDuration, WallClockMs());
        OrvShared_Store(BlueToothInfo.PhoneStatus, PHONE_Connect);
    } else if (strncmp(status, "ca", 2) == 0) {
        OrvShared_Store(BlueToothInfo.PhoneStatus, outgoing ? PHONE_Cancel_OutCall : PHONE_Cancel_InCall);
    }
    return true;
}

bool DecodeFeedback(const cJSON* doc)
{
    const cJSON* fb = cJSON_GetObjectItem(doc, "feedback");
    if (!HasStrings(fb, {"name", "num", "status"})) return false;
    SetSpeaker(fb);
    const char* status = cJSON_GetObjectItem(fb, "status")->valuestring;
    if (status[0] == 'm') OrvShared_Store(BlueToothInfo.MuteStatus, 1);
    else if (status[0] == 'u') OrvShared_Store(BlueToothInfo.MuteStatus, 0);
    return true;
}

// A state sent as a decimal text, stored when it lies in 0..max. A negative value would wrap into
// a byte the screens do not know, so it is refused like one above the range.
bool SetRangedState(const cJSON* notify, const char* key, Int32 max, UInt08* state)
{
    if (!CDU_TCP_IsStringItem(notify, key)) return false;
    Int32 v;
    if (!CDU_TCP_GetDecimal(notify, key, &v)) return false;
    if (v >= 0 && v <= max) OrvShared_Store(*state, (UInt08)v);
    return true;
}

} // namespace

bool CDU_TCP_DecodePhone(const cJSON* doc, Int32 enable, Int32 msgType)
{
    if (!enable) {
        DisablePhone();
        return true;
    }
    OrvShared_Store(CduComSrvPnt, 0x201E);
    switch (msgType) {
    case PHONE_MSG_LIST: return DecodeContactList(doc);
    case PHONE_MSG_CALL: return DecodeCallState(doc);
    case PHONE_MSG_FEEDBACK: return DecodeFeedback(doc);
    default: return true;
    }
}

bool CDU_TCP_DecodeNotify(const cJSON* doc, Int32 enable)
{
    OrvShared_Store(CduComSrvPnt, 0x2021);
    const cJSON* notify = cJSON_GetObjectItem(doc, "notify");
    if (notify == nullptr || !CDU_TCP_IsStringItem(notify, "MsgIndex")) return false;
    Int32 index;
    if (!CDU_TCP_GetDecimal(notify, "MsgIndex", &index)) return false;
    switch (index) {
    case NOTIFY_ROAD_NAME:
        if (!CDU_TCP_IsStringItem(notify, "NomalRoadName")) return false;
        if (CDU_TCP_SET_TEXT(NormalRoadName, notify, "NomalRoadName")) CDU_TCP_StepCounter(UpdNormalRoadName);
        return true;
    case NOTIFY_RECORDING:
        // Any report of this segment restarts the 18 s fall-back, even one that stores nothing.
        OrvShared_Store(cduRecordStateUpd, 1);
        if (!enable) {
            OrvShared_Store(CduRecordState, CduRecord_Exit);
            return true;
        }
        return SetRangedState(notify, "CDUrecording", CduRecord_MAX, &CduRecordState);
    case NOTIFY_USB: return SetRangedState(notify, "CDUUSBInsert", CduUsb_MAX, &CduUsbState);
    case NOTIFY_BT_MUSIC: return SetRangedState(notify, "BluetoothMusic", BlutsMusic_MAX, &BlutsMusicState);
    case NOTIFY_SPEED_LIMIT: return CDU_TCP_IsStringItem(notify, "NomalSpeedLimit");
    case NOTIFY_CHARGE_TIME: return CDU_TCP_IsStringItem(notify, "ChargeTime");
    case NOTIFY_SPEECH:
        if (!CDU_TCP_IsStringItem(notify, "SpeechContent")) return false;
        if (CDU_TCP_SET_TEXT(SpeechContent, notify, "SpeechContent")) CDU_TCP_StepCounter(UpdSpeechContent);
        return true;
    default: return true;
    }
}

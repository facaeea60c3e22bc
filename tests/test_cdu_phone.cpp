// The phone and notification services of the decoder: contact lists (placement by title, the
// 31-entry limit, the empty-list placeholder), the call state and its timer, mute feedback, and
// the notification segments picked by "MsgIndex".
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <sys/time.h>
#include <thread>
#include <vector>

#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"

namespace {

void Decode(UInt08 srv, const std::string& json)
{
    std::vector<UInt08> text(json.begin(), json.end());
    text.push_back(0);
    CDU_TCP_Decode(srv, text.data(), (UInt32)json.size(), nullptr, 0);
}

void Phone(const std::string& json) { Decode(FRM_SRV_CDU_BLUETOOTH, json); }
void Notify(const std::string& json) { Decode(FRM_SRV_CDU_NOTIFICATION, json); }

std::string Contact(const std::string& title, const std::string& name, const std::string& num)
{
    return "{\"title\":" + title + ",\"name\":\"" + name + "\",\"num\":\"" + num + "\"}";
}

std::string ListDoc(const std::vector<std::string>& elements)
{
    std::string doc = "{\"enable\":\"1\",\"msgtype\":\"1\",\"btcall\":[";
    for (size_t i = 0; i < elements.size(); i++) doc += (i ? "," : "") + elements[i];
    return doc + "]}";
}

std::string NumberedList(int n)
{
    std::vector<std::string> e;
    for (int i = 1; i <= n; i++) e.push_back(Contact(std::to_string(i), "C" + std::to_string(i), std::to_string(100 + i)));
    return ListDoc(e);
}

std::string CallDoc(const std::string& status, const std::string& action, const std::string& name = "Ann",
                    const std::string& num = "555")
{
    return "{\"enable\":\"1\",\"msgtype\":\"2\",\"incall\":{\"name\":\"" + name + "\",\"num\":\"" + num +
           "\",\"status\":\"" + status + "\",\"action\":\"" + action + "\"}}";
}

std::string FeedbackDoc(const std::string& status)
{
    return "{\"enable\":\"1\",\"msgtype\":\"3\",\"feedback\":{\"name\":\"Ann\",\"num\":\"555\",\"status\":\"" + status +
           "\"}}";
}

std::string NotifyDoc(const std::string& enable, const std::string& members)
{
    return "{\"enable\":\"" + enable + "\",\"msgtype\":\"1\",\"notify\":{" + members + "}}";
}

const char* Entry(int i) { return (const char*)BlueToothInfo.CtiList[i].Name; }
const char* EntryNum(int i) { return (const char*)BlueToothInfo.CtiList[i].Number; }

UInt32 NowWallMs()
{
    struct timeval tv;
    gettimeofday(&tv, nullptr);
    return (UInt32)((UInt32)tv.tv_sec * 1000u + (UInt32)(tv.tv_usec / 1000));
}

class CduPhone : public ::testing::Test {
protected:
    void SetUp() override
    {
        CDU_TCP_SetInitialValue();
        cduRecordStateUpd = 0;
    }
};

TEST_F(CduPhone, ContactLists)
{
    struct Case {
        const char*           name;
        UInt08                stateBefore;
        std::string           doc;
        Int08                 size;
        UInt08                state;
        std::function<void()> entries;
    };
    const Case cases[] = {
        {"40 contacts keep the first 31", PHONE_Unavailable, NumberedList(40), 31, PHONE_List,
         [] {
             EXPECT_STREQ(Entry(0), "C1");
             EXPECT_STREQ(EntryNum(0), "101");
             EXPECT_STREQ(Entry(30), "C31");
             EXPECT_STREQ(Entry(31), "") << "the 32nd entry is never filled";
         }},
        {"titles 3, 1, 7 place 3 and 1, skip 7", PHONE_Unavailable,
         ListDoc({Contact("3", "Cara", "3"), Contact("1", "Abe", "1"), Contact("7", "Gil", "7")}), 3, PHONE_List,
         [] {
             EXPECT_STREQ(Entry(2), "Cara");
             EXPECT_STREQ(Entry(0), "Abe");
             EXPECT_STREQ(Entry(1), "") << "no element had title 2";
             EXPECT_STREQ(Entry(6), "");
         }},
        {"a title given as text counts as 0 and is skipped", PHONE_Unavailable,
         ListDoc({Contact("\"1\"", "Text", "1"), Contact("2", "Two", "2")}), 2, PHONE_List,
         [] {
             EXPECT_STREQ(Entry(0), "");
             EXPECT_STREQ(Entry(1), "Two");
         }},
        {"placeholder while unavailable: a list, no entries", PHONE_Unavailable, ListDoc({Contact("0", "", "")}), -1,
         PHONE_List, [] {}},
        {"placeholder while listing: an empty list", PHONE_List, ListDoc({Contact("0", "", "")}), 0, PHONE_List,
         [] {}},
        {"placeholder during a call leaves the call", PHONE_Connect, ListDoc({Contact("0", "", "")}), -1,
         PHONE_Connect, [] {}},
        {"an empty array is an empty list", PHONE_InCall, ListDoc({}), 0, PHONE_List, [] {}},
        {"titles all out of range keep the state", PHONE_InCall, ListDoc({Contact("5", "X", "5")}), 1, PHONE_InCall,
         [] { EXPECT_STREQ(Entry(0), ""); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDU_TCP_SetInitialValue();
        BlueToothInfo.PhoneStatus = c.stateBefore;
        UInt08 upd = BlueToothInfo.UpdCtiList;
        Phone(c.doc);
        EXPECT_EQ(BlueToothInfo.CtiListSize, c.size);
        EXPECT_EQ(BlueToothInfo.PhoneStatus, c.state);
        EXPECT_EQ(BlueToothInfo.UpdCtiList, (UInt08)(upd + 1));
        c.entries();
    }
}

TEST_F(CduPhone, ShorterListClearsTheOldEntriesAndLongTextsAreCut)
{
    Phone(NumberedList(5));
    ASSERT_EQ(BlueToothInfo.CtiListSize, 5);
    std::string longName(150, 'n'), longNum(30, '9');
    Phone(ListDoc({Contact("1", longName, longNum), Contact("2", "Bo", "2")}));
    EXPECT_EQ(BlueToothInfo.CtiListSize, 2);
    EXPECT_EQ(std::string(Entry(0)), longName.substr(0, 99));
    EXPECT_EQ(std::string(EntryNum(0)), longNum.substr(0, 19));
    for (int i = 2; i < 5; i++) EXPECT_STREQ(Entry(i), "") << "entry " << i << " of the longer list stays";

    // A list without "btcall" is dropped: the list stays as it was.
    Phone("{\"enable\":\"1\",\"msgtype\":\"1\"}");
    EXPECT_EQ(BlueToothInfo.CtiListSize, 2);
    EXPECT_STREQ(Entry(1), "Bo");
}

TEST_F(CduPhone, CallStates)
{
    struct Case {
        const char* status;
        const char* action;
        UInt08      state;
    };
    const Case cases[] = {
        {"ring", "in", PHONE_InCall},           {"ring", "out", PHONE_OutCall},
        {"r", "", PHONE_InCall},                {"connected", "in", PHONE_Connect},
        {"cancel", "out", PHONE_Cancel_OutCall}, {"cancel", "in", PHONE_Cancel_InCall},
        {"cancel", "", PHONE_Cancel_InCall},    {"hold", "out", PHONE_List},
        {"c", "out", PHONE_List},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.status) + "/" + c.action);
        CDU_TCP_SetInitialValue();
        BlueToothInfo.PhoneStatus = PHONE_List;
        Phone(CallDoc(c.status, c.action));
        EXPECT_EQ(BlueToothInfo.PhoneStatus, c.state);
        EXPECT_STREQ((const char*)BlueToothInfo.Name, "Ann");
        EXPECT_STREQ((const char*)BlueToothInfo.Number, "555");
    }

    // Every member is required.
    CDU_TCP_SetInitialValue();
    Phone("{\"enable\":\"1\",\"msgtype\":\"2\",\"incall\":{\"name\":\"A\",\"num\":\"1\",\"status\":\"ring\"}}");
    EXPECT_EQ(BlueToothInfo.PhoneStatus, PHONE_Unavailable);
    EXPECT_STREQ((const char*)BlueToothInfo.Name, "");
}

TEST_F(CduPhone, CallTimerKeepsOnRepeatedConnectAndRestartsAfterRing)
{
    Phone(CallDoc("connected", "in"));
    UInt32 started = BlueToothInfo.ConnectDuration;
    EXPECT_NE(started, 0u);
    EXPECT_LE((UInt32)(NowWallMs() - started), 1000u) << "the start is the wall clock in milliseconds";

    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    Phone(CallDoc("connected", "in"));
    EXPECT_EQ(BlueToothInfo.ConnectDuration, started) << "a second \"co\" keeps the call running";

    Phone(CallDoc("ring", "in"));
    EXPECT_EQ(BlueToothInfo.PhoneStatus, PHONE_InCall);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    Phone(CallDoc("connected", "in"));
    EXPECT_EQ(BlueToothInfo.PhoneStatus, PHONE_Connect);
    EXPECT_GE((UInt32)(BlueToothInfo.ConnectDuration - started), 20u) << "\"r\" then \"co\" restarts the timer";
}

TEST_F(CduPhone, SpeakerCounterStepsOnlyOnChange)
{
    UInt08 upd = BlueToothInfo.UpdSpeaker;
    Phone(CallDoc("ring", "in", "Ann", "555"));
    EXPECT_EQ(BlueToothInfo.UpdSpeaker, (UInt08)(upd + 1));
    Phone(CallDoc("connected", "in", "Ann", "555"));
    EXPECT_EQ(BlueToothInfo.UpdSpeaker, (UInt08)(upd + 1)) << "same party, same counter";
    Phone(CallDoc("connected", "in", "Ann", "556"));
    EXPECT_EQ(BlueToothInfo.UpdSpeaker, (UInt08)(upd + 2));
}

TEST_F(CduPhone, MuteFeedback)
{
    struct Case {
        UInt08      before;
        const char* status;
        UInt08      after;
    };
    const Case cases[] = {
        {0, "mute", 1}, {1, "unmute", 0}, {1, "other", 1}, {0, "other", 0}, {0, "m", 1}, {1, "", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        BlueToothInfo.MuteStatus = c.before;
        Phone(FeedbackDoc(c.status));
        EXPECT_EQ(BlueToothInfo.MuteStatus, c.after);
    }
}

TEST_F(CduPhone, DisabledPhoneForgetsEverything)
{
    Phone(NumberedList(4));
    Phone(CallDoc("connected", "in"));
    BlueToothInfo.MuteStatus = 1;
    UInt08 updList = BlueToothInfo.UpdCtiList, updSpeaker = BlueToothInfo.UpdSpeaker;
    Phone("{\"enable\":\"0\",\"msgtype\":\"1\"}");
    EXPECT_EQ(BlueToothInfo.PhoneStatus, PHONE_Unavailable);
    EXPECT_EQ(BlueToothInfo.CtiListSize, -1);
    EXPECT_EQ(BlueToothInfo.MuteStatus, 0);
    EXPECT_EQ(BlueToothInfo.ConnectDuration, 0u);
    EXPECT_STREQ((const char*)BlueToothInfo.Name, "");
    EXPECT_STREQ(Entry(0), "");
    EXPECT_EQ(BlueToothInfo.UpdCtiList, (UInt08)(updList + 1));
    EXPECT_EQ(BlueToothInfo.UpdSpeaker, (UInt08)(updSpeaker + 1));

    // Another msgtype changes nothing.
    Phone("{\"enable\":\"1\",\"msgtype\":\"4\",\"incall\":{}}");
    EXPECT_EQ(BlueToothInfo.PhoneStatus, PHONE_Unavailable);
}

TEST_F(CduPhone, NotificationSegments)
{
    struct State {
        UInt08      record, usb, music;
        Int08       timerRestart;
        std::string road, speech;
    };
    auto now = [] {
        return State{CduRecordState, CduUsbState, BlutsMusicState, cduRecordStateUpd, (const char*)NormalRoadName,
                     (const char*)SpeechContent};
    };
    const std::string road80(80, 'r');
    struct Case {
        const char* name;
        std::string doc;
        State       expect; /* from the start state: record 2, usb 0, music 0, no restart, empty texts */
    };
    const Case cases[] = {
        {"voice assistant speaking", NotifyDoc("1", "\"MsgIndex\":\"1\",\"CDUrecording\":\"3\""),
         {CduRecord_Speaking, 0, 0, 1, "", ""}},
        {"voice state above 6: kept, timer restarts", NotifyDoc("1", "\"MsgIndex\":\"1\",\"CDUrecording\":\"9\""),
         {CduRecord_Recognizing, 0, 0, 1, "", ""}},
        {"negative voice state: kept", NotifyDoc("1", "\"MsgIndex\":\"1\",\"CDUrecording\":\"-1\""),
         {CduRecord_Recognizing, 0, 0, 1, "", ""}},
        {"voice segment disabled: exit", NotifyDoc("0", "\"MsgIndex\":\"1\""), {CduRecord_Exit, 0, 0, 1, "", ""}},
        {"voice state not a number: kept, timer restarts", NotifyDoc("1", "\"MsgIndex\":\"1\",\"CDUrecording\":\"x\""),
         {CduRecord_Recognizing, 0, 0, 1, "", ""}},
        {"USB inserted", NotifyDoc("1", "\"MsgIndex\":\"2\",\"CDUUSBInsert\":\"1\""),
         {CduRecord_Recognizing, 1, 0, 0, "", ""}},
        {"USB value 2 ignored", NotifyDoc("1", "\"MsgIndex\":\"2\",\"CDUUSBInsert\":\"2\""),
         {CduRecord_Recognizing, 0, 0, 0, "", ""}},
        {"Bluetooth music", NotifyDoc("1", "\"MsgIndex\":\"3\",\"BluetoothMusic\":\"1\""),
         {CduRecord_Recognizing, 0, 1, 0, "", ""}},
        {"road name of 80 bytes keeps 59", NotifyDoc("1", "\"MsgIndex\":\"0\",\"NomalRoadName\":\"" + road80 + "\""),
         {CduRecord_Recognizing, 0, 0, 0, road80.substr(0, 59), ""}},
        {"speech text", NotifyDoc("1", "\"MsgIndex\":\"6\",\"SpeechContent\":\"Turn left\""),
         {CduRecord_Recognizing, 0, 0, 0, "", "Turn left"}},
        {"segment 7 stores nothing", NotifyDoc("1", "\"MsgIndex\":\"7\",\"CDUrecording\":\"3\""),
         {CduRecord_Recognizing, 0, 0, 0, "", ""}},
        {"MsgIndex as a number is dropped", NotifyDoc("1", "\"MsgIndex\":1,\"CDUrecording\":\"3\""),
         {CduRecord_Recognizing, 0, 0, 0, "", ""}},
        {"MsgIndex not decimal is dropped", NotifyDoc("1", "\"MsgIndex\":\"1a\",\"CDUrecording\":\"3\""),
         {CduRecord_Recognizing, 0, 0, 0, "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDU_TCP_SetInitialValue();
        CduRecordState = CduRecord_Recognizing;
        cduRecordStateUpd = 0;
        Notify(c.doc);
        State s = now();
        EXPECT_EQ(s.record, c.expect.record);
        EXPECT_EQ(s.usb, c.expect.usb);
        EXPECT_EQ(s.music, c.expect.music);
        EXPECT_EQ(s.timerRestart, c.expect.timerRestart);
        EXPECT_EQ(s.road, c.expect.road);
        EXPECT_EQ(s.speech, c.expect.speech);
    }
}

TEST_F(CduPhone, NotificationTextCountersStepOnChangeOnly)
{
    UInt16 road = UpdNormalRoadName, speech = UpdSpeechContent;
    const std::string doc = NotifyDoc("1", "\"MsgIndex\":\"0\",\"NomalRoadName\":\"Main St\"");
    Notify(doc);
    Notify(doc);
    EXPECT_EQ(UpdNormalRoadName, (UInt16)(road + 1));
    // A road-name segment without its member is dropped; the name is not cleared.
    Notify(NotifyDoc("1", "\"MsgIndex\":\"0\""));
    EXPECT_STREQ((const char*)NormalRoadName, "Main St");
    EXPECT_EQ(UpdNormalRoadName, (UInt16)(road + 1));
    Notify(NotifyDoc("1", "\"MsgIndex\":\"6\",\"SpeechContent\":\"a\""));
    Notify(NotifyDoc("1", "\"MsgIndex\":\"6\",\"SpeechContent\":\"b\""));
    EXPECT_EQ(UpdSpeechContent, (UInt16)(speech + 2));
}

} // namespace

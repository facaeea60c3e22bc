// The signal table against the real decoders: every raw value of every field decodes to what the
// table predicts (in range, special values, the rule for the rest), every accepted value set by
// name comes back out of the decoder, and every signal a decoder writes is in the table.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <set>
#include <string>

#include "Protocol/MainBoard_IIC_App.h"
#include "Protocol/MainBoard_IIC_Sys.h"
#include "Protocol/MainBoard_Signals.h"
#include "support/MbSignalSnapshot.h"

namespace {

typedef UInt08 Frames[ID_FRAME_R_NUM][8];

// Decoders read a few signals of other frames: ChargingTips is kept only while charging.
void PrepareCar()
{
    memset(srcDataBuf, 0, sizeof srcDataBuf);
    MB_IIC_SetInitialValue();
    ChargingState = CHARGE_CHARGING;
}

// Stores the frames of a mask through the checksum check, as the bus does, and decodes them.
void Deliver(const Frames& frames, UInt32 mask)
{
    for (UInt08 id = 0; id < ID_FRAME_R_NUM; ++id) {
        if ((mask & (1u << id)) == 0) continue;
        UInt08 nine[9];
        memcpy(nine, frames[id], 8);
        UInt32 sum = id;
        for (int k = 0; k < 8; ++k) sum += nine[k];
        nine[8] = (UInt08)sum;
        ASSERT_EQ(MB_IIC_VerifyAndStore(id, nine), 0);
        MB_IIC_DecodeData(id);
    }
}

}  // namespace

TEST(SignalTable, EveryRawValueDecodesAsTheTableSays)
{
    for (UInt16 i = 0; i < MB_SIG_Count(); ++i) {
        const MbSignal* sig = MB_SIG_At(i);
        if (sig->Get == nullptr) continue;  // a selector only, exercised by the signals it selects
        SCOPED_TRACE(sig->Name);
        const UInt32 mask = MB_SIG_RawMask(sig);
        const MbSignal* selector = MB_SIG_Find(sig->Selector);
        unsigned long wrong = 0;
        for (long previous : {(long)sig->Min, (long)sig->Max}) {
            for (UInt32 raw = 0; raw <= mask; ++raw) {
                if ((raw & ~mask) != 0) continue;
                PrepareCar();
                Frames frames = {};
                if (selector != nullptr) {
                    UInt32 selectRaw = 0;
                    ASSERT_EQ(MB_SIG_ValueToRaw(selector, sig->SelectValue, &selectRaw), 0);
                    MB_SIG_PutRaw(selector, selectRaw, frames[selector->Frame]);
                }
                MB_SIG_PutRaw(sig, raw, frames[sig->Frame]);
                ASSERT_EQ(MB_SIG_GetRaw(sig, frames[sig->Frame]), raw);
                sig->Set(previous);
                Deliver(frames, (1u << sig->Frame) | (1u << sig->DecodedBy));
                long expected = MB_SIG_Decoded(sig, raw, previous);
                if (sig->Get() != expected && wrong++ < 3)
                    ADD_FAILURE() << "raw " << raw << " previous " << previous << ": decoder stored "
                                  << sig->Get() << ", table says " << expected;
            }
        }
        EXPECT_EQ(wrong, 0u);
    }
}

TEST(SignalTable, EveryAcceptedValueSetByNameComesBackFromTheDecoder)
{
    for (UInt16 i = 0; i < MB_SIG_Count(); ++i) {
        const MbSignal* sig = MB_SIG_At(i);
        if (sig->Get == nullptr) continue;
        SCOPED_TRACE(sig->Name);
        std::set<long> values;
        const UInt32 mask = MB_SIG_RawMask(sig);
        for (UInt32 raw = 0; raw <= mask; ++raw) {
            long v = (long)raw * sig->Factor + sig->Offset;
            if ((raw & ~mask) == 0 && v >= sig->Min && v <= sig->Max) values.insert(v);
        }
        for (unsigned k = 0; k < sig->SpecialNum; ++k) values.insert(sig->Specials[k].Value);
        ASSERT_FALSE(values.empty());
        unsigned long wrong = 0;
        for (long v : values) {
            PrepareCar();
            Frames frames = {};
            const char* why = "";
            Int32 changed = MB_SIG_Set(sig, v, frames, &why);
            ASSERT_GE(changed, 0) << v << ": " << why;
            // Start from another value, so that a value the decoder ignored would show.
            sig->Set(v == sig->Min ? sig->Max : sig->Min);
            Deliver(frames, (UInt32)changed);
            if (sig->Get() != v && wrong++ < 3) ADD_FAILURE() << "set " << v << ", decoded " << sig->Get();
        }
        EXPECT_EQ(wrong, 0u);
    }
}

TEST(SignalTable, ValuesAreReadByNumberOrNameAndRefusedOutsideTheField)
{
    struct Case { const char* signal; const char* text; bool ok; long value; };
    const Case cases[] = {
        {"Speed", "120", true, 120},
        {"Speed", "250", true, 250},          // in the field: the decoder clamps it
        {"Speed", "256", false, 0},           // not in eight bits
        {"Gear", "D", true, GEAR_D},
        {"Gear", "GEAR_R", true, GEAR_R},
        {"Gear", "X", false, 0},
        {"LeftModuleID", "MODULE_L_TRIP", true, MODULE_L_TRIP},
        {"RightModuleID", "CHARGING_INFO", true, MODULE_R_CHARGING_INFO},
        {"Power", "-250", true, -250},
        {"Power", "121", false, 0},           // not a step of 2
        {"Power", "-252", false, 0},
        {"Temperature", "-40", true, -40},
        {"Temperature", "255", true, 255},    // the special "no value"
        {"Indicator[6]", "0x64", true, 0x64},
        {"Indicator[6]", "0x", false, 0},
        {"TripRange", "1023", true, 1023},
        {"TripRange", "1024", false, 0},
        {"HintID", "POWER_READY", true, ID_HINT_POWER_READY},
        {"MenuMediaSrcFlg", "0x1F", true, 0x1F},
        {"MenuMediaSrcFlg", "0x18", false, 0},  // bits 0, 1, 2 and 4 are always set
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.signal) + " " + c.text);
        const MbSignal* sig = MB_SIG_Find(c.signal);
        ASSERT_NE(sig, nullptr);
        long v = 0;
        const char* why = "";
        Frames frames = {};
        bool ok = MB_SIG_ParseValue(sig, c.text, &v, &why) == 0 && MB_SIG_Set(sig, v, frames, &why) >= 0;
        EXPECT_EQ(ok, c.ok) << why;
        if (ok) {
            EXPECT_EQ(v, c.value);
        }
    }
    EXPECT_EQ(MB_SIG_Find("Sped"), nullptr);
}

TEST(SignalTable, SettingASelectedSignalSetsItsSelectorAndSendsTheDecodingFrame)
{
    Frames frames = {};
    const char* why = "";
    EXPECT_EQ(MB_SIG_Set(MB_SIG_Find("TimeAVD"), 100, frames, &why), 1 << 0x03);
    EXPECT_EQ((frames[3][2] >> 5) & 3, 2) << "time selector";
    EXPECT_EQ(frames[3][5], 100);
    EXPECT_EQ(MB_SIG_Set(MB_SIG_Find("RadarColorF0"), 5, frames, &why), (1 << 0x0B) | (1 << 0x0C));
    EXPECT_EQ(frames[0x0B][2], 5);
    EXPECT_EQ(MB_SIG_Set(MB_SIG_Find("ChargingTimeNeed"), 0x1234, frames, &why), 1 << 0x04);
    EXPECT_EQ(frames[4][4], MODULE_R_CHARGING_INFO);
    EXPECT_EQ(frames[4][6], 0x12) << "the more significant byte first";
    EXPECT_EQ(frames[4][7], 0x34);
}

TEST(SignalTable, EverySignalADecoderWritesIsInTheTable)
{
    // Written by the decoders but derived, not a field of a frame: click memories and counters,
    // the consumption history, the radar priority that follows the alarm.
    const std::set<std::string> derived = {
        "McuBltOpListClick", "McuBltOpInCallClick", "McuBltOpSpeakClick", "McuBltOpListClickCnt",
        "McuBltOpInCallClickCnt", "McuBltOpSpeakClickCnt", "EnergyCostIdx", "EnergyCostIdx0",
        "RadarPriority"};
    std::set<std::string> inTable;
    for (UInt16 i = 0; i < MB_SIG_Count(); ++i) {
        std::string name = MB_SIG_At(i)->Name;
        inTable.insert(name.substr(0, name.find('.')));
    }
    std::mt19937 random(7);
    std::set<std::string> missing;
    for (UInt08 id = 0; id < ID_FRAME_R_NUM; ++id) {
        for (int n = 0; n < 300; ++n) {
            PrepareCar();
            MbSignalSnapshot before = MbTakeSnapshot();
            for (int k = 0; k < 8; ++k) srcDataBuf[id][k].value = (U08)random();
            MB_IIC_DecodeData(id);
            if (id == 0x0B) MB_IIC_DecodeData(0x0C);
            MbSignalSnapshot after = MbTakeSnapshot();
            for (size_t k = 0; k < after.size(); ++k) {
                const std::string& name = after[k].first;
                if (after[k].second == before[k].second || derived.count(name) != 0) continue;
                if (name.rfind("EnergyCostP100m", 0) == 0) continue;
                if (inTable.count(name) == 0) missing.insert(name);
            }
        }
    }
    EXPECT_TRUE(missing.empty()) << *missing.begin();
}

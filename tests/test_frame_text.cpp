// The frame text parser of the frame-entry window: accepted entries with their bytes and their
// normalised text, refused entries that write nothing, and the reason given for a refusal.
#include <gtest/gtest.h>

#include <string.h>
#include <string>

#include "OrvTask/MainBoardCommunication.h"

namespace {

struct Accepted { const char* entry; const char* text; };

const Accepted kAccepted[] = {
    {"09 40 04 C1 04 F7 38 E0", "09 40 04 C1 04 F7 38 E0"},
    {"1 2 3", "10 20 30 00 00 00 00 00"},                 // a lone digit is the high digit
    {"  ff   0a ", "FF 0A 00 00 00 00 00 00"},            // leading, repeated, trailing spaces
    {"01 02 03 04 05 06 07 08 09", "01 02 03 04 05 06 07 08"},  // the ninth group is ignored
    {"0FF", "FF 00 00 00 00 00 00 00"},                   // longer only by leading zeros
    {"00000001", "01 00 00 00 00 00 00 00"},
    {"ab", "AB 00 00 00 00 00 00 00"},                    // lower case
    {"5 05", "50 05 00 00 00 00 00 00"},
    {"   ", "00 00 00 00 00 00 00 00"},                   // spaces only: no group, all bytes 0
    {"F", "F0 00 00 00 00 00 00 00"},
};

TEST(FrameText, AcceptedEntries)
{
    for (const Accepted& c : kAccepted) {
        char src[64], des[64];
        unsigned char bytes[8];
        memset(des, '#', sizeof(des));
        memset(bytes, 0xEE, sizeof(bytes));
        strcpy(src, c.entry);
        ASSERT_EQ(format(src, des, bytes), 1) << "'" << c.entry << "'";
        EXPECT_STREQ(des, c.text) << "'" << c.entry << "'";
        char expect[64];
        snprintf(expect, sizeof(expect), "%02X %02X %02X %02X %02X %02X %02X %02X", bytes[0], bytes[1],
                 bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7]);
        EXPECT_STREQ(expect, c.text) << "the bytes match the text for '" << c.entry << "'";
    }
}

struct Refused { const char* entry; const char* why; };

const Refused kRefused[] = {
    {"", "the entry is empty"},
    {"0x12", "'x' is not a hex digit"},
    {"1FF", "1FF is above FF"},
    {"12 100", "100 is above FF"},
    {"12,34", "',' is not a hex digit"},
    {"12\t34", "byte 0x09 is not a hex digit"},
    {"g", "'g' is not a hex digit"},
    {"\xC3\xA4", "byte 0xC3 is not a hex digit"},          // UTF-8 text, bytes above 127
    {"00 11 22 33 44 55 66 77 1FF", "1FF is above FF"},   // checked even beyond the eighth group
};

TEST(FrameText, RefusedEntriesWriteNothing)
{
    for (const Refused& c : kRefused) {
        char src[64], des[64] = "previous text";
        unsigned char bytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        strcpy(src, c.entry);
        EXPECT_EQ(format(src, des, bytes), 0) << "'" << c.entry << "'";
        EXPECT_STREQ(des, "previous text");
        for (int k = 0; k < 8; ++k) EXPECT_EQ(bytes[k], k + 1) << "'" << c.entry << "'";
        char why[64] = "";
        EXPECT_EQ(MBC_Task_Format(src, des, bytes, why, sizeof(why)), 0);
        EXPECT_STREQ(why, c.why) << "'" << c.entry << "'";
    }
}

TEST(FrameText, LongGroupIsShortenedInTheReason)
{
    std::string entry(500, '0');
    entry += "123";
    char des[64];
    unsigned char bytes[8];
    char why[40];
    EXPECT_EQ(MBC_Task_Format(entry.c_str(), des, bytes, why, sizeof(why)), 0);
    EXPECT_STREQ(why, "0000000000000000... is above FF");
}

} // namespace

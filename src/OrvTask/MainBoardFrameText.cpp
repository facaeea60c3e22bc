// The text of a typed frame: eight bytes as groups of hexadecimal digits separated by spaces.
// Kept apart from the window so that the link library (and its tests) hold it without a toolkit.
#include "OrvTask/MainBoardCommunication.h"

#include <stdio.h>
#include <string.h>

static Int32 MBC_HexDigit(unsigned char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

static void MBC_Why(char* why, Int32 whySize, const char* fmt, const char* what)
{
    if (why != nullptr && whySize > 0) snprintf(why, (size_t)whySize, fmt, what);
}

Int08 MBC_Task_Format(const char* buff_src, char* buff_des, unsigned char* array, char* why,
                      Int32 whySize)
{
    const unsigned char* src = (const unsigned char*)buff_src;
    if (src == nullptr || src[0] == 0) {
        MBC_Why(why, whySize, "%s", "the entry is empty");
        return 0;
    }
    // Only spaces and hexadecimal digits; bytes above 127 (any non-ASCII text) are refused too.
    for (const unsigned char* p = src; *p; ++p) {
        if (*p == ' ' || MBC_HexDigit(*p) >= 0) continue;
        char shown[16];
        if (*p > ' ' && *p < 127) snprintf(shown, sizeof(shown), "'%c'", *p);
        else snprintf(shown, sizeof(shown), "byte 0x%02X", *p);
        MBC_Why(why, whySize, "%s is not a hex digit", shown);
        return 0;
    }
    // A group may be longer than two digits only by leading zeros.
    const unsigned char* group = src;
    UInt32 running = 0;
    for (const unsigned char* p = src; *p; ++p) {
        if (*p == ' ') {
            running = 0;
            group = p + 1;
            continue;
        }
        running = running * 16 + (UInt32)MBC_HexDigit(*p);
        if (running > 255) {
            char shown[24];
            size_t n = strcspn((const char*)group, " ");
            snprintf(shown, sizeof(shown), "%.*s%s", (int)(n > 16 ? 16 : n), (const char*)group,
                     n > 16 ? "..." : "");
            MBC_Why(why, whySize, "%s is above FF", shown);
            return 0;
        }
    }
    memset(array, 0, FRAME_TEXT_BYTES);
    int count = 0;
    for (const unsigned char* p = src; *p && count < FRAME_TEXT_BYTES;) {
        if (*p == ' ') { ++p; continue; }
        UInt32 value = 0;
        int digits = 0;
        for (; *p && *p != ' '; ++p, ++digits) value = value * 16 + (UInt32)MBC_HexDigit(*p);
        // A lone digit is the high digit of its byte: "5" means 0x50.
        array[count++] = (unsigned char)(digits == 1 ? value << 4 : value);
    }
    snprintf(buff_des, 24, "%X%X %X%X %X%X %X%X %X%X %X%X %X%X %X%X",
             array[0] >> 4, array[0] & 15, array[1] >> 4, array[1] & 15, array[2] >> 4, array[2] & 15,
             array[3] >> 4, array[3] & 15, array[4] >> 4, array[4] & 15, array[5] >> 4, array[5] & 15,
             array[6] >> 4, array[6] & 15, array[7] >> 4, array[7] & 15);
    return 1;
}

Int08 format(char* buff_src, char* buff_des, unsigned char* array)
{
    return MBC_Task_Format(buff_src, buff_des, array, nullptr, 0);
}

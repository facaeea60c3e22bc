// The text of a frame-entry field, as a user may type or paste it.
#include <cstdint>
#include <cstring>
#include <vector>

#include "OrvTask/MainBoardCommunication.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The window hands over at most 998 characters with their zero.
    if (size > 998) size = 998;
    std::vector<char> text(data, data + size);
    text.push_back(0);
    char out[24 * 3 + 1];
    unsigned char bytes[8];
    char why[64];
    if (format(text.data(), out, bytes) == 1 && strnlen(out, sizeof out) != 23) __builtin_trap();
    MBC_Task_Format(text.data(), out, bytes, why, (Int32)sizeof why);
    MBC_Task_Format(text.data(), out, bytes, why, 1);
    return 0;
}

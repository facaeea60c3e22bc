// Drive scripts of the main-board simulator: the input is the script's text.
#include <cstdint>
#include <string>
#include <vector>

#include "DriveScript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text((const char*)data, size);
    std::vector<DriveFrame> frames;
    std::string error;
    if (DriveScript_Parse(text, "fuzz", &frames, &error)) {
        if (frames.size() > DRIVE_MAX_FRAMES) __builtin_trap();
        for (size_t i = 1; i < frames.size(); ++i)
            if (frames[i].TimeMs < frames[i - 1].TimeMs) __builtin_trap(); // sorted by time
    } else if (error.empty()) {
        __builtin_trap(); // a refusal always says why
    }
    return 0;
}

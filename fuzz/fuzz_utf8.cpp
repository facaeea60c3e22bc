// UTF-8 texts (titles, names, road names from the head unit) into code points. The first byte
// chooses the size of the output array.
#include <cstdint>
#include <vector>

#include "OrvRender/RenderUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    Int32 nUcs = data[0] % 130;
    std::vector<Int08> text(data + 1, data + size);
    text.push_back(0);
    std::vector<UInt32> ucs((size_t)nUcs); // exactly sized: a write past nUcs entries is caught
    ConvUtf8ToUcs(ucs.data(), text.data(), nUcs);
    if (nUcs > 0 && ucs[(size_t)nUcs - 1] != 0) __builtin_trap(); // always terminated
    return 0;
}

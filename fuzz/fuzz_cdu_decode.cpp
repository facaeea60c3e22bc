// One head-unit document with its binary part, straight into the service decoder. Input: one
// byte choosing the service, two bytes of JSON length (little-endian), the JSON, the binary part.
#include <cstdint>
#include <vector>

#include "FuzzCommon.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz_InitHeadUnitLink();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3) return 0;
    UInt08 srv = kFuzz_CduServices[data[0] % (sizeof kFuzz_CduServices)];
    bool endLink = (data[0] & 0x80) != 0;
    size_t jsonLen = data[1] | (size_t)data[2] << 8;
    data += 3;
    size -= 3;
    if (jsonLen > size) jsonLen = size;
    // Exactly sized copies, so that a read past either part is caught.
    std::vector<UInt08> json(data, data + jsonLen);
    json.push_back(0);
    std::vector<UInt08> bin(data + jsonLen, data + size);
    CDU_TCP_Decode(srv, json.data(), (UInt32)jsonLen, bin.empty() ? nullptr : bin.data(), (UInt32)bin.size());
    // Now and then the link ends, as after a connection, so that resets meet every state.
    if (endLink) CDU_TCP_EndServe();
    return 0;
}

// One head-unit document with its binary part, straight into the service decoder. Input: one
// byte choosing the service, two bytes of JSON length (little-endian), the JSON, the binary part.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"

static const UInt08 kServices[] = {
    FRM_SRV_CDU_NAVIGATION, FRM_SRV_CDU_MUSIC,        FRM_SRV_CDU_RADIO,
    FRM_SRV_CDU_BLUETOOTH,  FRM_SRV_CDU_WEATHER,      FRM_SRV_CDU_ACCOUNT,
    FRM_SRV_CDU_NOTIFICATION, FRM_SRV_CDU_NETRADIO,   FRM_SRV_CDU_UPGRADE,
};

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::string root = "/tmp/orv_fuzz_ota_" + std::to_string(getpid());
    setenv("CLUSTER_OTA_ROOT", root.c_str(), 1);
    CDU_TCP_SetInitialValue();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3) return 0;
    UInt08 srv = kServices[data[0] % (sizeof kServices)];
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

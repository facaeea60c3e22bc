// Main-board frames in any order: records of ten bytes [frame][B0..B7][sum]. A frame number with
// its top bit set gets its checksum made right, so that decoding is reached as often as refusal.
#include <cstdint>

#include "Protocol/MainBoard_IIC_App.h"
#include "Protocol/MainBoard_IIC_Sys.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    MB_IIC_SetInitialValue();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (; size >= 10; data += 10, size -= 10) {
        UInt08 frame[9];
        UInt08 id = data[0];
        unsigned sum = id & 0x7F;
        for (int k = 0; k < 8; ++k) sum += frame[k] = data[1 + k];
        frame[8] = (id & 0x80) ? (UInt08)sum : data[9];
        if (id & 0x80) id &= 0x7F;
        if (MB_IIC_VerifyAndStore(id, frame) == 0) MB_IIC_DecodeData(id);
        MB_IIC_EncodeData(ID_FRAME_W_0x00);
        MB_IIC_EncodeData(id);
    }
    MB_IIC_DecodeData(ID_FRAME_R_NUM); // an unknown number decodes nothing
    return 0;
}

// Cover pictures as the head unit sends them: the same bytes through the PNG and the JPEG decoder,
// both into a caller's buffer of the cover size and into a buffer the decoder allocates.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "Protocol/Cdu_TCP_App.h"
#include "lib/OrvJpeg.h"
#include "lib/OrvPng.h"

typedef Int08 (*Loader)(void*, UInt32, Int32*, Int32*, UInt32*, void**, UInt32);

static void Decode(Loader load, const uint8_t* data, size_t size)
{
    static std::vector<UInt08> cover(CDU_PIC_BMP_SIZE);
    std::vector<uint8_t> mem(data, data + size); // exactly sized: a read past it is caught
    Int32 w = 0, h = 0;
    UInt32 fmt = 0;
    void* bmp = cover.data();
    if (load(mem.data(), (UInt32)mem.size(), &w, &h, &fmt, &bmp, (UInt32)cover.size()) == 1) {
        if (bmp != cover.data() || w <= 0 || h <= 0) __builtin_trap();
        if ((size_t)w * (size_t)h * 3 > cover.size()) __builtin_trap();
    }
    void* own = nullptr;
    if (load(mem.data(), (UInt32)mem.size(), &w, &h, &fmt, &own, 0) == 1) {
        if (own == nullptr) __builtin_trap();
        ((volatile UInt08*)own)[(size_t)w * (size_t)h * 3 - 1]; // the whole picture is there
        free(own);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Decode(LoadPngFromMem, data, size);
    Decode(LoadJpegFromMem, data, size);
    return 0;
}

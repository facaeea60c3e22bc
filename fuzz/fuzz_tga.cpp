// TGA picture files: the input is the file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "OrvRender/RenderUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/orv_fuzz_tga_" + std::to_string(getpid()) + ".tga";
    FILE* fp = fopen(path.c_str(), "wb");
    if (fp == nullptr) return 0;
    fwrite(data, 1, size, fp);
    fclose(fp);
    Image image = {};
    if (LoadTga(path.c_str(), &image) == 1) {
        if (image.dat == nullptr || image.w <= 0 || image.h <= 0) __builtin_trap();
        size_t bpp = image.fmt == GL_RGBA ? 4 : 3;
        ((volatile UInt08*)image.dat)[(size_t)image.w * image.h * bpp - 1]; // every pixel is there
        free(image.dat);
    }
    return 0;
}

// TGA picture files: the input is the file.
#include <cstdint>
#include <cstdlib>

#include "FuzzCommon.h"
#include "OrvRender/RenderUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string path = Fuzz_InputFile(data, size, "tga");
    if (path.empty()) return 0;
    Image image = {};
    if (LoadTga(path.c_str(), &image) == 1) {
        if (image.dat == nullptr || image.w <= 0 || image.h <= 0) __builtin_trap();
        size_t bpp = image.fmt == GL_RGBA ? 4 : 3;
        ((volatile UInt08*)image.dat)[(size_t)image.w * image.h * bpp - 1]; // every pixel is there
        free(image.dat);
    }
    return 0;
}

// PNG pictures from memory. libpng reads through a callback over a MemPng record and leaves any
// error by long jump back into OrvPng_Decode. The header is read first, so that the size of the
// picture is checked against the caller's buffer before a single row is decoded: a cover from
// the head unit that claims an enormous size costs nothing but its header.
#include "lib/OrvPng.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <png.h>

typedef struct Struct_MemPng {
    UInt08* data;
    Int32   size;
    Int32   offset;
} MemPng;

// What a decode has made so far, kept outside the frame that calls setjmp so that it is still
// known after a long jump.
typedef struct Struct_OrvPngDecode {
    UInt08*    owned; /* pixel buffer allocated here, freed on failure */
    png_bytep* rows;
} OrvPngDecode;

static void OrvPng_ReadMem(png_structp png, png_bytep out, png_size_t length)
{
    MemPng* src = (MemPng*)png_get_io_ptr(png);
    if (src == nullptr) png_error(png, "not mem png source define");
    if ((size_t)src->offset + length > (size_t)src->size) png_error(png, "more mem png data is needed");
    memcpy(out, src->data + src->offset, length);
    src->offset += (Int32)length;
}

static Int08 OrvPng_Decode(png_structp png, png_infop info, MemPng* src, OrvPngDecode* dec, Int32* width,
                           Int32* height, UInt32* format, void** bmp, UInt32 bmpSize)
{
    if (setjmp(png_jmpbuf(png))) return 0;

    png_set_read_fn(png, src, OrvPng_ReadMem);
    png_read_info(png, info);
    // The one transform: palette pictures become RGB or RGBA, low-depth grey is widened.
    png_set_expand(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    png_uint_32 w = png_get_image_width(png, info);
    png_uint_32 h = png_get_image_height(png, info);
    int colorType = png_get_color_type(png, info);
    if (png_get_bit_depth(png, info) != 8 || w == 0 || h == 0) return 0;
    if (w > ORV_PIC_MAX_SIDE || h > ORV_PIC_MAX_SIDE) return 0;
    UInt32 bpp, fmt;
    if (colorType == PNG_COLOR_TYPE_RGB) {
        bpp = 3;
        fmt = GL_RGB;
    } else if (colorType == PNG_COLOR_TYPE_RGB_ALPHA) {
        bpp = 4;
        fmt = GL_RGBA;
    } else {
        return 0;
    }
    size_t rowBytes = (size_t)w * bpp;
    if (png_get_rowbytes(png, info) != rowBytes) return 0;
    unsigned long long need = (unsigned long long)rowBytes * h;

    UInt08* out;
    if (*bmp != nullptr) {
        if (need > bmpSize) return 0;
        out = (UInt08*)*bmp;
    } else {
        if (need > (unsigned long long)SIZE_MAX) return 0;
        out = (UInt08*)malloc((size_t)need);
        if (out == nullptr) return 0;
        dec->owned = out;
    }
    dec->rows = (png_bytep*)malloc(sizeof(png_bytep) * h);
    if (dec->rows == nullptr) return 0;
    // Bottom row first, as the textures want it.
    for (png_uint_32 i = 0; i < h; i++) dec->rows[i] = out + (size_t)(h - 1 - i) * rowBytes;
    png_read_image(png, dec->rows);
    png_read_end(png, nullptr);

    *bmp = out;
    *width = (Int32)w;
    *height = (Int32)h;
    *format = fmt;
    return 1;
}

Int08 LoadPngFromMem(void* mem, UInt32 memSz, Int32* width, Int32* height, UInt32* format, void** bmp,
                     UInt32 bmpSize)
{
    if (mem == nullptr || width == nullptr || height == nullptr || format == nullptr || bmp == nullptr) return 0;
    if (*bmp != nullptr && bmpSize == 0) return 0;
    if (memSz > (UInt32)INT32_MAX) return 0;

    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return 0;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return 0;
    }
    MemPng src = {(UInt08*)mem, (Int32)memSz, 0};
    OrvPngDecode dec = {nullptr, nullptr};
    Int08 ok = OrvPng_Decode(png, info, &src, &dec, width, height, format, bmp, bmpSize);
    png_destroy_read_struct(&png, &info, nullptr);
    free(dec.rows);
    if (!ok) free(dec.owned);
    return ok;
}

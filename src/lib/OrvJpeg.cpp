// JPEG pictures from memory with libjpeg. A fatal library error prints the library's message and
// jumps back into OrvJpeg_Decode, which then fails. The picture size is known after the header
// and is checked against the caller's buffer before decompression starts.
#include "lib/OrvJpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

typedef struct Struct_OrvJpegErr {
    struct jpeg_error_mgr pub;
    jmp_buf               jump;
} OrvJpegErr;

// Everything a decode owns, kept outside the frame that calls setjmp.
typedef struct Struct_OrvJpegDecode {
    struct jpeg_decompress_struct cinfo;
    OrvJpegErr                    err;
    UInt08*                       owned; /* pixel buffer allocated here, freed on failure */
} OrvJpegDecode;

static void OrvJpeg_OutputMessage(j_common_ptr cinfo)
{
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    printf("jpeg: %s\n", text);
}

static void OrvJpeg_ErrorExit(j_common_ptr cinfo)
{
    (*cinfo->err->output_message)(cinfo);
    longjmp(((OrvJpegErr*)cinfo->err)->jump, 1);
}

static Int08 OrvJpeg_Decode(OrvJpegDecode* dec, void* mem, UInt32 memSz, Int32* width, Int32* height,
                            UInt32* format, void** bmp, UInt32 bmpSize)
{
    if (setjmp(dec->err.jump)) return 0;

    j_decompress_ptr cinfo = &dec->cinfo;
    jpeg_create_decompress(cinfo);
    jpeg_mem_src(cinfo, (const unsigned char*)mem, memSz);
    jpeg_read_header(cinfo, TRUE);
    jpeg_calc_output_dimensions(cinfo);
    if (cinfo->output_components != 3 || cinfo->output_width == 0 || cinfo->output_height == 0) return 0;
    if (cinfo->output_width > ORV_PIC_MAX_SIDE || cinfo->output_height > ORV_PIC_MAX_SIDE) return 0;

    size_t rowBytes = (size_t)cinfo->output_width * 3;
    unsigned long long need = (unsigned long long)rowBytes * cinfo->output_height;
    UInt08* out;
    if (*bmp != nullptr) {
        if (need > bmpSize) return 0;
        out = (UInt08*)*bmp;
    } else {
        out = (UInt08*)malloc((size_t)need);
        if (out == nullptr) return 0;
        dec->owned = out;
    }

    jpeg_start_decompress(cinfo);
    UInt32 h = cinfo->output_height;
    // Bottom row first: scan line i goes to output row h - 1 - i.
    while (cinfo->output_scanline < h) {
        JSAMPROW row = out + (size_t)(h - 1 - cinfo->output_scanline) * rowBytes;
        if (jpeg_read_scanlines(cinfo, &row, 1) != 1) return 0;
    }
    jpeg_finish_decompress(cinfo);

    *bmp = out;
    *width = (Int32)cinfo->output_width;
    *height = (Int32)h;
    *format = GL_RGB;
    return 1;
}

Int08 LoadJpegFromMem(void* mem, UInt32 memSz, Int32* width, Int32* height, UInt32* format, void** bmp,
                      UInt32 bmpSize)
{
    if (mem == nullptr || memSz == 0 || width == nullptr || height == nullptr || format == nullptr ||
        bmp == nullptr)
        return 0;
    if (*bmp != nullptr && bmpSize == 0) return 0;

    OrvJpegDecode* dec = (OrvJpegDecode*)calloc(1, sizeof(OrvJpegDecode));
    if (dec == nullptr) return 0;
    dec->cinfo.err = jpeg_std_error(&dec->err.pub);
    dec->err.pub.error_exit = OrvJpeg_ErrorExit;
    dec->err.pub.output_message = OrvJpeg_OutputMessage;
    Int08 ok = OrvJpeg_Decode(dec, mem, memSz, width, height, format, bmp, bmpSize);
    jpeg_destroy_decompress(&dec->cinfo); // safe also when creation itself failed
    if (!ok) free(dec->owned);
    free(dec);
    return ok;
}

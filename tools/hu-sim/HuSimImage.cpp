// In-memory PNG and JPEG encoding for the simulator and the tests.
#include "HuSimImage.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <jpeglib.h>
#include <png.h>

static void HuSim_PngWrite(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = (std::vector<uint8_t>*)png_get_io_ptr(png);
    out->insert(out->end(), data, data + length);
}

static void HuSim_PngFlush(png_structp) {}

static int HuSim_PngChannels(int colorType)
{
    switch (colorType) {
    case HUSIM_PNG_GREY: return 1;
    case HUSIM_PNG_GREY_ALPHA: return 2;
    case HUSIM_PNG_RGB: return 3;
    case HUSIM_PNG_RGBA: return 4;
    default: return 1; /* palette index */
    }
}

static bool HuSim_PngRun(png_structp png, png_infop info, const uint8_t* pixels, int w, int h,
                         const HuSimPngOptions& opt, std::vector<uint8_t>* out)
{
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, out, HuSim_PngWrite, HuSim_PngFlush);
    png_set_IHDR(png, info, (png_uint_32)w, (png_uint_32)h, opt.bitDepth, opt.colorType,
                 opt.interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> pal;
    if (opt.colorType == HUSIM_PNG_PALETTE) {
        for (size_t i = 0; i + 2 < opt.palette.size(); i += 3)
            pal.push_back(png_color{opt.palette[i], opt.palette[i + 1], opt.palette[i + 2]});
        png_set_PLTE(png, info, pal.data(), (int)pal.size());
        if (!opt.trns.empty())
            png_set_tRNS(png, info, (png_bytep)opt.trns.data(), (int)opt.trns.size(), nullptr);
    }
    png_write_info(png, info);
    size_t rowBits = (size_t)w * HuSim_PngChannels(opt.colorType) * opt.bitDepth;
    size_t rowBytes = (rowBits + 7) / 8;
    std::vector<png_bytep> rows((size_t)h);
    for (int y = 0; y < h; y++) rows[(size_t)y] = (png_bytep)(pixels + (size_t)y * rowBytes);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    return true;
}

std::vector<uint8_t> HuSim_EncodePng(const uint8_t* pixels, int w, int h, const HuSimPngOptions& opt)
{
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return out;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || !HuSim_PngRun(png, info, pixels, w, h, opt, &out)) out.clear();
    png_destroy_write_struct(&png, &info);
    return out;
}

namespace {
struct HuSimJpegErr {
    jpeg_error_mgr pub;
    jmp_buf        jump;
};
}

static void HuSim_JpegError(j_common_ptr cinfo) { longjmp(((HuSimJpegErr*)cinfo->err)->jump, 1); }

struct HuSimJpegEnc {
    jpeg_compress_struct cinfo;
    HuSimJpegErr         err;
    unsigned char*       mem;
    unsigned long        size;
};

static bool HuSim_JpegRun(HuSimJpegEnc* enc, const uint8_t* pixels, int w, int h, int components, int quality)
{
    if (setjmp(enc->err.jump)) return false;
    jpeg_create_compress(&enc->cinfo);
    jpeg_mem_dest(&enc->cinfo, &enc->mem, &enc->size);
    enc->cinfo.image_width = (JDIMENSION)w;
    enc->cinfo.image_height = (JDIMENSION)h;
    enc->cinfo.input_components = components;
    enc->cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&enc->cinfo);
    jpeg_set_quality(&enc->cinfo, quality, TRUE);
    jpeg_start_compress(&enc->cinfo, TRUE);
    while (enc->cinfo.next_scanline < enc->cinfo.image_height) {
        JSAMPROW row = (JSAMPROW)(pixels + (size_t)enc->cinfo.next_scanline * w * components);
        jpeg_write_scanlines(&enc->cinfo, &row, 1);
    }
    jpeg_finish_compress(&enc->cinfo);
    return true;
}

std::vector<uint8_t> HuSim_EncodeJpeg(const uint8_t* pixels, int w, int h, int components, int quality)
{
    std::vector<uint8_t> out;
    auto* enc = (HuSimJpegEnc*)calloc(1, sizeof(HuSimJpegEnc));
    if (enc == nullptr) return out;
    enc->cinfo.err = jpeg_std_error(&enc->err.pub);
    enc->err.pub.error_exit = HuSim_JpegError;
    if (HuSim_JpegRun(enc, pixels, w, h, components, quality) && enc->mem != nullptr)
        out.assign(enc->mem, enc->mem + enc->size);
    jpeg_destroy_compress(&enc->cinfo);
    free(enc->mem);
    free(enc);
    return out;
}

std::vector<uint8_t> HuSim_CoverPixels(int w, int h, uint32_t seed)
{
    std::vector<uint8_t> px((size_t)w * h * 3);
    uint32_t noise = seed * 2654435761u + 1;
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            noise = noise * 1664525u + 1013904223u;
            uint8_t* p = &px[((size_t)y * w + x) * 3];
            p[0] = (uint8_t)((x * 255) / (w > 1 ? w - 1 : 1) ^ (seed * 37));
            p[1] = (uint8_t)((y * 255) / (h > 1 ? h - 1 : 1) + (seed * 91));
            p[2] = (uint8_t)(((x + y) * 4) ^ (noise >> 24));
        }
    }
    return px;
}

bool HuSim_ReadFile(const std::string& path, std::vector<uint8_t>* out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool HuSim_LoadCover(const std::string& spec, const std::string& baseDir, std::vector<uint8_t>* out)
{
    if (spec.rfind("gen:", 0) == 0) {
        char kind[8] = {0};
        int w = 0, h = 0;
        unsigned seed = 1;
        if (sscanf(spec.c_str(), "gen:%7[a-z]:%dx%d:%u", kind, &w, &h, &seed) < 3 || w <= 0 || h <= 0 ||
            w > 4000 || h > 4000)
            return false;
        std::vector<uint8_t> px = HuSim_CoverPixels(w, h, seed);
        if (strcmp(kind, "jpeg") == 0) *out = HuSim_EncodeJpeg(px.data(), w, h, 3, 85);
        else if (strcmp(kind, "png") == 0) *out = HuSim_EncodePng(px.data(), w, h, HuSimPngOptions{});
        else return false;
        return !out->empty();
    }
    return HuSim_ReadFile((spec.empty() || spec[0] == '/' || baseDir.empty()) ? spec : baseDir + "/" + spec, out);
}

// In-memory PNG and JPEG decoding: formats accepted and refused, the bottom-row-first layout, the
// buffer contract, and damaged or hostile input.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>
#include <zlib.h>

#include "HuSimImage.h"
#include "lib/OrvJpeg.h"
#include "lib/OrvPng.h"
#include "support/ProcMemory.h"

namespace {

struct Decoded {
    Int08   ok = 0;
    Int32   w = -1, h = -1;
    UInt32  fmt = 0;
    std::vector<UInt08> px;
};

using Loader = Int08 (*)(void*, UInt32, Int32*, Int32*, UInt32*, void**, UInt32);

// Decodes into a caller buffer of bufSize bytes (the head unit's way).
Decoded DecodeInto(Loader load, std::vector<uint8_t> data, UInt32 bufSize)
{
    Decoded d;
    d.px.assign(bufSize ? bufSize : 1, 0xEE);
    void* bmp = d.px.data();
    d.ok = load(data.data(), (UInt32)data.size(), &d.w, &d.h, &d.fmt, &bmp, bufSize);
    return d;
}

// Top-first RGB(A) pixels whose every byte tells its row, column and channel.
std::vector<uint8_t> Pattern(int w, int h, int ch)
{
    std::vector<uint8_t> px((size_t)w * h * ch);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            for (int c = 0; c < ch; c++) px[((size_t)y * w + x) * ch + c] = (uint8_t)(y * 40 + x * 8 + c + 1);
    return px;
}

// The same pixels with the rows in reverse order: what the decoders must produce.
std::vector<uint8_t> BottomFirst(const std::vector<uint8_t>& top, int w, int h, int ch)
{
    std::vector<uint8_t> out(top.size());
    size_t row = (size_t)w * ch;
    for (int y = 0; y < h; y++) memcpy(&out[(size_t)(h - 1 - y) * row], &top[(size_t)y * row], row);
    return out;
}

TEST(PngDecode, TrueColourPicturesArriveBottomRowFirst)
{
    struct Case { const char* name; int colorType; int ch; bool interlace; UInt32 fmt; };
    const Case cases[] = {
        {"rgb", HUSIM_PNG_RGB, 3, false, GL_RGB},
        {"rgba", HUSIM_PNG_RGBA, 4, false, GL_RGBA},
        {"rgb interlaced", HUSIM_PNG_RGB, 3, true, GL_RGB},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int w = 5, h = 4;
        auto px = Pattern(w, h, c.ch);
        HuSimPngOptions opt;
        opt.colorType = c.colorType;
        opt.interlace = c.interlace;
        Decoded d = DecodeInto(LoadPngFromMem, HuSim_EncodePng(px.data(), w, h, opt), 1000);
        ASSERT_EQ(d.ok, 1);
        EXPECT_EQ(d.w, w);
        EXPECT_EQ(d.h, h);
        EXPECT_EQ(d.fmt, c.fmt);
        auto want = BottomFirst(px, w, h, c.ch);
        EXPECT_EQ(0, memcmp(d.px.data(), want.data(), want.size()));
        EXPECT_EQ(d.px[want.size()], 0xEE) << "wrote past the picture";
    }
}

TEST(PngDecode, PalettePicturesExpandToRgbOrRgba)
{
    const uint8_t idx[] = {0, 1, 1, 0}; // 2 x 2, top row first
    HuSimPngOptions opt;
    opt.colorType = HUSIM_PNG_PALETTE;
    opt.palette = {10, 20, 30, 200, 100, 50};
    Decoded rgb = DecodeInto(LoadPngFromMem, HuSim_EncodePng(idx, 2, 2, opt), 100);
    ASSERT_EQ(rgb.ok, 1);
    EXPECT_EQ(rgb.fmt, (UInt32)GL_RGB);
    const uint8_t wantRgb[] = {200, 100, 50, 10, 20, 30, 10, 20, 30, 200, 100, 50}; // bottom row first
    EXPECT_EQ(0, memcmp(rgb.px.data(), wantRgb, sizeof wantRgb));

    opt.trns = {0, 255};
    Decoded rgba = DecodeInto(LoadPngFromMem, HuSim_EncodePng(idx, 2, 2, opt), 100);
    ASSERT_EQ(rgba.ok, 1);
    EXPECT_EQ(rgba.fmt, (UInt32)GL_RGBA);
    const uint8_t wantRgba[] = {200, 100, 50, 255, 10, 20, 30, 0, 10, 20, 30, 0, 200, 100, 50, 255};
    EXPECT_EQ(0, memcmp(rgba.px.data(), wantRgba, sizeof wantRgba));
}

TEST(PngDecode, GreyAndSixteenBitPicturesAreRefused)
{
    struct Case { const char* name; int colorType; int bitDepth; int bytesPerPixel; };
    const Case cases[] = {
        {"grey", HUSIM_PNG_GREY, 8, 1},
        {"grey alpha", HUSIM_PNG_GREY_ALPHA, 8, 2},
        {"rgb 16 bit", HUSIM_PNG_RGB, 16, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> px(4 * 4 * c.bytesPerPixel, 0x55);
        HuSimPngOptions opt;
        opt.colorType = c.colorType;
        opt.bitDepth = c.bitDepth;
        auto png = HuSim_EncodePng(px.data(), 4, 4, opt);
        ASSERT_FALSE(png.empty());
        EXPECT_EQ(DecodeInto(LoadPngFromMem, png, 1000).ok, 0);
    }
}

// Rewrites the width and height of the IHDR chunk (and its CRC) of an encoded PNG.
std::vector<uint8_t> WithClaimedSize(std::vector<uint8_t> png, uint32_t w, uint32_t h)
{
    auto put = [&](size_t at, uint32_t v) {
        png[at] = (uint8_t)(v >> 24); png[at + 1] = (uint8_t)(v >> 16); png[at + 2] = (uint8_t)(v >> 8); png[at + 3] = (uint8_t)v;
    };
    put(16, w);
    put(20, h);
    put(29, (uint32_t)crc32(0, &png[12], 17));
    return png;
}

TEST(PngDecode, DamagedOrHostileDataFails)
{
    auto px = Pattern(8, 8, 3);
    auto png = HuSim_EncodePng(px.data(), 8, 8, HuSimPngOptions{});
    struct Case { const char* name; std::vector<uint8_t> data; };
    const Case cases[] = {
        {"cut in the image data", std::vector<uint8_t>(png.begin(), png.begin() + (long)png.size() / 2)},
        {"signature only", std::vector<uint8_t>(png.begin(), png.begin() + 8)},
        {"garbage", std::vector<uint8_t>(300, 0xA5)},
        {"claims 60000 x 60000", WithClaimedSize(png, 60000, 60000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Decoded d = DecodeInto(LoadPngFromMem, c.data, 1000000);
        EXPECT_EQ(d.ok, 0);
    }
}

TEST(PictureDecode, BufferContract)
{
    auto px = Pattern(6, 5, 3);
    auto png = HuSim_EncodePng(px.data(), 6, 5, HuSimPngOptions{});
    auto jpg = HuSim_EncodeJpeg(px.data(), 6, 5, 3, 90);
    struct Case { const char* name; Loader load; std::vector<uint8_t>* data; };
    Case cases[] = {{"png", LoadPngFromMem, &png}, {"jpeg", LoadJpegFromMem, &jpg}};
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A buffer one byte short, and a buffer given with size 0, are refused.
        EXPECT_EQ(DecodeInto(c.load, *c.data, 6 * 5 * 3 - 1).ok, 0);
        {
            UInt08 buf[200];
            void* bmp = buf;
            Int32 w, h;
            UInt32 fmt;
            EXPECT_EQ(c.load(c.data->data(), (UInt32)c.data->size(), &w, &h, &fmt, &bmp, 0), 0);
        }
        // Exactly enough is accepted.
        EXPECT_EQ(DecodeInto(c.load, *c.data, 6 * 5 * 3).ok, 1);
        // No buffer: the decoder allocates one for the caller.
        void* bmp = nullptr;
        Int32 w = 0, h = 0;
        UInt32 fmt = 0;
        ASSERT_EQ(c.load(c.data->data(), (UInt32)c.data->size(), &w, &h, &fmt, &bmp, 0), 1);
        ASSERT_NE(bmp, nullptr);
        EXPECT_EQ(w, 6);
        EXPECT_EQ(h, 5);
        free(bmp);
        // A failed decode into no buffer hands nothing out.
        bmp = nullptr;
        std::vector<uint8_t> cut(c.data->begin(), c.data->begin() + 12);
        EXPECT_EQ(c.load(cut.data(), (UInt32)cut.size(), &w, &h, &fmt, &bmp, 0), 0);
        EXPECT_EQ(bmp, nullptr);
    }
}

TEST(JpegDecode, ColourPictureArrivesBottomRowFirst)
{
    // Top half red, bottom half blue: the first output row must be blue.
    const int w = 16, h = 16;
    std::vector<uint8_t> px((size_t)w * h * 3, 0);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) px[((size_t)y * w + x) * 3 + (y < h / 2 ? 0 : 2)] = 250;
    Decoded d = DecodeInto(LoadJpegFromMem, HuSim_EncodeJpeg(px.data(), w, h, 3, 95), 1000);
    ASSERT_EQ(d.ok, 1);
    EXPECT_EQ(d.w, w);
    EXPECT_EQ(d.h, h);
    EXPECT_EQ(d.fmt, (UInt32)GL_RGB);
    const UInt08* first = &d.px[0];
    const UInt08* last = &d.px[(size_t)(h - 1) * w * 3];
    EXPECT_GT(first[2], 200);
    EXPECT_LT(first[0], 50);
    EXPECT_GT(last[0], 200);
    EXPECT_LT(last[2], 50);
    EXPECT_EQ(d.px[(size_t)w * h * 3], 0xEE) << "wrote past the picture";
}

// A JPEG whose frame header claims w x h; its data are those of a 32 x 32 picture.
std::vector<uint8_t> JpegClaiming(uint16_t w, uint16_t h)
{
    auto px = HuSim_CoverPixels(32, 32, 3);
    std::vector<uint8_t> jpg = HuSim_EncodeJpeg(px.data(), 32, 32, 3, 80);
    for (size_t i = 0; i + 8 < jpg.size(); i++) {
        if (jpg[i] == 0xFF && jpg[i + 1] == 0xC0) {
            jpg[i + 5] = (uint8_t)(h >> 8), jpg[i + 6] = (uint8_t)h;
            jpg[i + 7] = (uint8_t)(w >> 8), jpg[i + 8] = (uint8_t)w;
            break;
        }
    }
    return jpg;
}

// Decoding into a buffer of the decoder's own: a header that lies about the size is refused before
// the pixels are allocated (and before a JPEG decoder grinds through 235 million grey pixels).
TEST(PictureDecode, HeadersThatLieAboutTheSizeAreRefusedBeforeAllocating)
{
    auto px = Pattern(8, 8, 3);
    struct Case {
        const char* name;
        Int08 (*load)(void*, UInt32, Int32*, Int32*, UInt32*, void**, UInt32);
        std::vector<uint8_t> data;
    };
    const Case cases[] = {
        {"JPEG claims 7168 x 32816", LoadJpegFromMem, JpegClaiming(7168, 32816)},
        {"PNG claims 20000 x 20000", LoadPngFromMem, WithClaimedSize(HuSim_EncodePng(px.data(), 8, 8, HuSimPngOptions{}), 20000, 20000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> data = c.data;
        Int32 w = 0, h = 0;
        UInt32 fmt = 0;
        void* own = nullptr;
        const long before = PeakVirtualKiB();
        EXPECT_EQ(c.load(data.data(), (UInt32)data.size(), &w, &h, &fmt, &own, 0), 0);
        EXPECT_EQ(own, nullptr);
        EXPECT_LT(PeakVirtualKiB() - before, 256 * 1024) << "the announced size was allocated";
        free(own);
    }
}

TEST(JpegDecode, GreyDamagedAndOversizedPicturesAreRefused)
{
    std::vector<uint8_t> grey(32 * 32, 128);
    auto rgb = HuSim_CoverPixels(32, 32, 1);
    auto jpg = HuSim_EncodeJpeg(rgb.data(), 32, 32, 3, 80);
    std::vector<uint8_t> garbage(jpg.size(), 0x5A);
    garbage[0] = 0xFF;
    garbage[1] = 0xD8;
    struct Case { const char* name; std::vector<uint8_t> data; UInt32 buf; };
    const Case cases[] = {
        {"grey", HuSim_EncodeJpeg(grey.data(), 32, 32, 1, 80), 100000},
        {"header cut", std::vector<uint8_t>(jpg.begin(), jpg.begin() + 40), 100000},
        {"garbage after the start marker", garbage, 100000},
        {"larger than the buffer", jpg, 32 * 32 * 3 - 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeInto(LoadJpegFromMem, c.data, c.buf).ok, 0);
    }
}

} // namespace

// Picture and model loading without a GL context: the PNG file path, TGA and .vbo readers with
// their refusals, the load states and messages of the tables, the identifier ranges, the pool.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "OrvRender/RenderUtils.h"
#include "OrvRender/Res_BmpPool.h"
#include "OrvRender/Res_Model.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Tga.h"
#include "support/ProcMemory.h"
#include "support/RenderFixtureFiles.h"
#include "support/StdoutCapture.h"

#include <png.h>

namespace {

class RenderRes : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(dir.root.empty());
        Once_InitPngInfo();
        Once_InitTgaInfo();
        Once_InitBmpPoolInfo();
        Once_InitVboModelInfo();
    }
    void TearDown() override
    {
        // No textures or buffers exist without a context, so this frees memory only.
        DestroyPngResources(0, PNG_NUM);
        DestroyTgaResources(0, TGA_NUM);
        DestroyVboResources();
    }
    FixtureResDir dir;
};

TEST_F(RenderRes, PngRowsAreStoredBottomFirst)
{
    // 2 x 2 RGB: top row red, bottom row blue.
    const std::vector<uint8_t> rows = {255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255};
    ASSERT_TRUE(WriteFixturePng("rgb.png", 2, 2, PNG_COLOR_TYPE_RGB, rows));
    Image im = {};
    ASSERT_EQ(LoadPngFile("rgb.png", &im), 1);
    EXPECT_EQ(im.w, 2);
    EXPECT_EQ(im.h, 2);
    EXPECT_EQ(im.fmt, GL_RGB);
    const UInt08 expect[12] = {0, 0, 255, 0, 0, 255, 255, 0, 0, 255, 0, 0};
    EXPECT_EQ(memcmp(im.dat, expect, 12), 0);
    free(im.dat);
}

TEST_F(RenderRes, PngFormats)
{
    // A 16-colour palette with transparency expands to RGBA.
    std::vector<uint8_t> pal, trns, idx = {0, 1, 15, 7};
    for (int i = 0; i < 16; i++) {
        pal.insert(pal.end(), {(uint8_t)(i * 16), (uint8_t)(255 - i * 16), 9});
        trns.push_back((uint8_t)(i * 17));
    }
    ASSERT_TRUE(WriteFixturePng("pal.png", 2, 2, PNG_COLOR_TYPE_PALETTE, idx, pal, trns));
    Image im = {};
    ASSERT_EQ(LoadPngFile("pal.png", &im), 1);
    EXPECT_EQ(im.fmt, GL_RGBA);
    // Bottom row first: entry 15 then entry 7, then the top row 0, 1.
    const UInt08 expect[16] = {240, 15, 9, 255, 112, 143, 9, 119, 0, 255, 9, 0, 16, 239, 9, 17};
    EXPECT_EQ(memcmp(im.dat, expect, 16), 0);
    free(im.dat);

    // Grey pictures are refused and leave the record alone.
    ASSERT_TRUE(WriteFixturePng("grey.png", 2, 2, PNG_COLOR_TYPE_GRAY, {1, 2, 3, 4}));
    Image grey = {};
    EXPECT_EQ(LoadPngFile("grey.png", &grey), 0);
    EXPECT_EQ(grey.dat, nullptr);
    EXPECT_EQ(LoadPngFile("missing.png", &grey), 0);
    ASSERT_TRUE(WriteFixtureFile("empty.png", {}));
    EXPECT_EQ(LoadPngFile("empty.png", &grey), 0);
}

TEST_F(RenderRes, PngTableStatesAndMessages)
{
    const Int32 id = PNG_logo;
    const std::string path = pngFilePath[id];
    EXPECT_EQ(pngImg[id].ltx, 531);
    EXPECT_EQ(pngImg[id].lty, 312);
    EXPECT_EQ(pngImg[id].tex, 0xFFFFFFFFu);

    // Missing file: one message, failed, not retried.
    EXPECT_EQ(Stdout([&] { Once_LoadPngData(id); }), "load png file fail[" + path + "]\n");
    EXPECT_EQ(pngStatus[id], Png_LoadFail);
    EXPECT_EQ(Stdout([&] { Once_LoadPngData(id); }), "");
    Once_GenPngTexture(id, GL_RGB, GL_RGB);  // after a failure: nothing (no context needed)
    EXPECT_EQ(pngStatus[id], Png_LoadFail);

    DestroyPngResources(id, id);
    EXPECT_EQ(pngStatus[id], Png_Unload);
    ASSERT_TRUE(WriteFixturePng(path, 2, 1, PNG_COLOR_TYPE_RGB, {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Stdout([&] { Once_LoadPngData(id); }), "");
    EXPECT_EQ(pngStatus[id], Png_Loaded);
    EXPECT_EQ(pngImg[id].w, 2);
    ASSERT_NE(pngImg[id].dat, nullptr);
    UInt08* first = pngImg[id].dat;
    Once_LoadPngData(id);  // a second load does nothing
    EXPECT_EQ(pngImg[id].dat, first);

    // A texture step before any load does nothing either.
    Once_GenPngTexture(0, GL_RGB, GL_RGB);
    EXPECT_EQ(pngStatus[0], Png_Unload);
}

TEST_F(RenderRes, IdentifiersOutsideTablesAreIgnored)
{
    for (Int32 id : {(Int32)PNG_NUM, -1, -943}) {
        EXPECT_EQ(Stdout([&] { Once_LoadPngData(id); }), "");
        Once_GenPngTexture(id, GL_RGB, GL_RGB);
    }
    for (Int32 id : {(Int32)TGA_NUM, -1}) {
        EXPECT_EQ(Stdout([&] { Once_LoadTgaData(id); }), "");
        Once_GenTgaTexture(id, GL_RGB, GL_RGB);
    }
    for (Int32 id : {(Int32)VBO_NUM, -1}) {
        EXPECT_EQ(Stdout([&] { Once_LoadVboModelData(id); }), "");
        Once_GenVboBuffer(id);
    }
}

TEST_F(RenderRes, DestroyRangesAreClamped)
{
    struct Case {
        Int32 begin, end, first, last;  // identifiers expected to be reset
        bool png;
    } cases[] = {
        {-5, 3, 0, 3, true},
        {0, PNG_NUM, 0, PNG_NUM - 1, true},
        {940, 2000, 940, PNG_NUM - 1, true},
        {0, TGA_NUM, 0, TGA_NUM - 1, false},
    };
    for (const Case& c : cases) {
        UInt08* status = c.png ? pngStatus : tgaStatus;
        Image* img = c.png ? pngImg : tgaImg;
        Int32 num = c.png ? (Int32)PNG_NUM : (Int32)TGA_NUM;
        for (Int32 i = 0; i < num; i++) status[i] = Png_LoadFail;
        img[c.first].dat = (UInt08*)malloc(4);
        if (c.png)
            DestroyPngResources(c.begin, c.end);
        else
            DestroyTgaResources(c.begin, c.end);
        for (Int32 i = 0; i < num; i++) {
            bool reset = i >= c.first && i <= c.last;
            ASSERT_EQ(status[i], reset ? Png_Unload : Png_LoadFail) << c.begin << ".." << c.end << " id " << i;
        }
        EXPECT_EQ(img[c.first].dat, nullptr);
    }
}

TEST_F(RenderRes, TgaByteOrderAndRefusals)
{
    // 32 bits, 2 x 1, an image-ID field of 3 bytes to skip: B G R A stored, R G B A read.
    std::vector<uint8_t> f = FixtureTgaHeader(2, 2, 1, 32, 3);
    f.insert(f.end(), {1, 2, 3, 4, 10, 20, 30, 40});
    ASSERT_TRUE(WriteFixtureFile("a.tga", f));
    Image im = {};
    ASSERT_EQ(LoadTga("a.tga", &im), 1);
    EXPECT_EQ(im.w, 2);
    EXPECT_EQ(im.h, 1);
    EXPECT_EQ(im.fmt, GL_RGBA);
    const UInt08 expect[8] = {3, 2, 1, 4, 30, 20, 10, 40};
    EXPECT_EQ(memcmp(im.dat, expect, 8), 0);
    free(im.dat);

    // Run-length coded 24 bits, 3 x 2: a run of 4 then 2 raw pixels across the row end.
    std::vector<uint8_t> r = FixtureTgaHeader(10, 3, 2, 24);
    r.insert(r.end(), {0x83, 7, 8, 9, 0x01, 1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(WriteFixtureFile("rle.tga", r));
    Image rle = {};
    ASSERT_EQ(LoadTga("rle.tga", &rle), 1);
    EXPECT_EQ(rle.fmt, GL_RGB);
    const UInt08 expectRle[18] = {9, 8, 7, 9, 8, 7, 9, 8, 7, 9, 8, 7, 3, 2, 1, 6, 5, 4};
    EXPECT_EQ(memcmp(rle.dat, expectRle, 18), 0);
    free(rle.dat);

    struct Bad {
        const char* what;
        std::vector<uint8_t> bytes;
    } bad[] = {
        {"16 bits", [] { auto b = FixtureTgaHeader(2, 1, 1, 16); b.insert(b.end(), {1, 2}); return b; }()},
        {"pixels cut", [] { auto b = FixtureTgaHeader(2, 2, 2, 24); b.insert(b.end(), {1, 2, 3}); return b; }()},
        {"runs cut", [] { auto b = FixtureTgaHeader(10, 4, 1, 24); b.insert(b.end(), {0x81, 1, 2, 3}); return b; }()},
        {"grey type", [] { auto b = FixtureTgaHeader(3, 1, 1, 24); b.insert(b.end(), {1, 2, 3}); return b; }()},
        {"no pixels", FixtureTgaHeader(2, 0, 5, 24)},
        {"header cut", {0, 0, 2, 0, 0}},
    };
    for (const Bad& b : bad) {
        ASSERT_TRUE(WriteFixtureFile("bad.tga", b.bytes));
        Image x = {};
        EXPECT_EQ(LoadTga("bad.tga", &x), 0) << b.what;
        EXPECT_EQ(x.dat, nullptr) << b.what;
    }
    Image x = {};
    EXPECT_EQ(LoadTga("missing.tga", &x), 0);
}

// A header that announces 16384 x 16384 pixels (1 GiB) over a few bytes is refused before the
// pixels are allocated.
TEST_F(RenderRes, TgaThatLiesAboutItsSizeAllocatesNothing)
{
    const struct {
        const char* what;
        UInt08 type;
    } cases[] = {{"plain", 2}, {"run-length", 10}};
    for (const auto& c : cases) {
        std::vector<uint8_t> b = FixtureTgaHeader(c.type, 16384, 16384, 32);
        b.insert(b.end(), 64, 0x7F);
        ASSERT_TRUE(WriteFixtureFile("liar.tga", b));
        const long before = PeakVirtualKiB();
        Image x = {};
        EXPECT_EQ(LoadTga("liar.tga", &x), 0) << c.what;
        EXPECT_EQ(x.dat, nullptr) << c.what;
        EXPECT_LT(PeakVirtualKiB() - before, 256 * 1024) << c.what << ": the announced size was allocated";
    }
}

TEST_F(RenderRes, TgaTableRefusesSixteenBitsWithMessage)
{
    const Int32 id = TGA_logo;
    const std::string path = tgaFilePath[id];
    std::vector<uint8_t> f = FixtureTgaHeader(2, 1, 1, 16);
    f.insert(f.end(), {1, 2});
    ASSERT_TRUE(WriteFixtureFile(path, f));
    EXPECT_EQ(Stdout([&] { Once_LoadTgaData(id); }), "load tga file fail[" + path + "]\n");
    EXPECT_EQ(tgaStatus[id], Tga_LoadFail);
}

TEST_F(RenderRes, VboReaderChecks)
{
    struct Case {
        const char* what;
        FixtureVbo vbo;
        size_t cut;  // bytes removed from the end
        bool ok;
    };
    auto with = [](auto f) { FixtureVbo v; f(v); return v; };
    const Case cases[] = {
        {"full model", FixtureVbo(), 0, true},
        {"positions only", with([](FixtureVbo& v) { v.hdr = 0; }), 0, true},
        {"4-byte indices", with([](FixtureVbo& v) { v.idxType = 4; v.faceNum = 2; }), 0, true},
        {"header 4", with([](FixtureVbo& v) { v.hdr = 4; }), 0, false},
        {"idx_type 3", with([](FixtureVbo& v) { v.idxType = 3; }), 0, false},
        {"face_num 0", with([](FixtureVbo& v) { v.faceNum = 0; }), 0, false},
        {"idx_num 0", with([](FixtureVbo& v) { v.idxNum = 0; }), 0, false},
        // Without the indices (6 bytes) and 4 of the 36 normal bytes.
        {"cut inside normals", FixtureVbo(), 6 + 4, false},
        {"cut inside indices", FixtureVbo(), 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> bytes = c.vbo.Bytes();
        bytes.resize(bytes.size() - c.cut);
        ASSERT_TRUE(WriteFixtureFile("m.vbo", bytes));
        Model3DVbo m = {};
        std::string out = Stdout([&] { EXPECT_EQ(LoadVbo(&m, "m.vbo"), c.ok ? 1 : 0); });
        if (c.ok) {
            EXPECT_EQ(out, "min(x,y,z):(-1.000000, -2.000000, -3.000000)\n"
                           "max(x,y,z):(1.000000, 2.000000, 3.000000)\n");
            EXPECT_EQ(m.idx_num, c.vbo.idxNum);
            EXPECT_EQ(m.face_num, c.vbo.faceNum);
            EXPECT_EQ(m.idx_type, c.vbo.idxType);
            ASSERT_NE(m.vtxs, nullptr);
            EXPECT_EQ(m.vtxs[4], 4.0f);
            EXPECT_EQ(m.txcs != nullptr, (c.vbo.hdr & 2) != 0);
            EXPECT_EQ(m.nors != nullptr, (c.vbo.hdr & 1) != 0);
            EXPECT_NE(m.idx, nullptr);
        }
        free(m.vtxs);
        free(m.txcs);
        free(m.nors);
        free(m.idx);
    }
    // Counts the file cannot hold are refused before anything is allocated.
    FixtureVbo small;
    std::vector<uint8_t> huge = small.Bytes();
    const uint32_t hugeNum = 0x40000000;
    memcpy(&huge[30], &hugeNum, 4);
    ASSERT_TRUE(WriteFixtureFile("huge.vbo", huge));
    Model3DVbo m = {};
    Stdout([&] { EXPECT_EQ(LoadVbo(&m, "huge.vbo"), 0); });
    EXPECT_EQ(m.vtxs, nullptr);

    EXPECT_EQ(LoadVbo(&m, nullptr), 0);
    EXPECT_EQ(LoadVbo(nullptr, "m.vbo"), 0);
    EXPECT_EQ(LoadVbo(&m, "missing.vbo"), 0);

    // An index naming no vertex would make the GPU read past the buffer: refused.
    FixtureVbo v;
    std::vector<uint8_t> bytes = v.Bytes();
    bytes[bytes.size() - 2] = 3;  // last index (16 bits) = 3 with 3 vertices
    ASSERT_TRUE(WriteFixtureFile("idx.vbo", bytes));
    EXPECT_EQ(Stdout([&] { EXPECT_EQ(LoadVbo(&m, "idx.vbo"), 0); }).find("min(x,y,z)"), 0u);
    free(m.vtxs);
    free(m.txcs);
    free(m.nors);
    free(m.idx);
}

TEST_F(RenderRes, VboTableStatesAndMessages)
{
    const Int32 id = VBO_CarMedium;
    const std::string path = vboFilePath[id];
    EXPECT_EQ(Stdout([&] { Once_LoadVboModelData(id); }),
              "loading vbo file[" + path + "]\nload vbo file fail[" + path + "]\n");
    EXPECT_EQ(vboStatus[id], Vbo_LoadFail);
    EXPECT_EQ(Stdout([&] { Once_LoadVboModelData(id); }), "");

    DestroyVboResources();
    EXPECT_EQ(vboStatus[id], Vbo_Unload);
    FixtureVbo v;
    v.hdr = 0;
    ASSERT_TRUE(WriteFixtureFile(path, v.Bytes()));
    Stdout([&] { Once_LoadVboModelData(id); });
    EXPECT_EQ(vboStatus[id], Vbo_Loaded);
    // Positions only: no buffers are made (and no GL call is needed for that).
    Once_GenVboBuffer(id);
    EXPECT_EQ(vboStatus[id], Vbo_Loaded);
    for (UInt32 b : vboModel[id].buf) EXPECT_EQ(b, 0xFFFFFFFFu);
}

TEST_F(RenderRes, PoolHandsOutLowestFreeSlot)
{
    for (Int32 i = 0; i < BMP_POOL_NUM; i++) ASSERT_EQ(GrabAvailableBmpPoolIdx(), i);
    EXPECT_EQ(bmpPool[5], BMP_POOL_RESERVED);
    EXPECT_EQ(texPool[5], 0xFFFFFFFFu);
    EXPECT_EQ(GrabAvailableBmpPoolIdx(), -1);  // the 101st

    bmpPool[42] = (UInt08*)malloc(16);  // a slot with a buffer of its own
    DropBmpPool(42);
    DropBmpPool(7);                      // a reserved slot
    DropBmpPool(100);                    // out of range: nothing
    DropBmpPool(-1);
    EXPECT_EQ(bmpPool[42], nullptr);
    EXPECT_EQ(GrabAvailableBmpPoolIdx(), 7);
    EXPECT_EQ(GrabAvailableBmpPoolIdx(), 42);
    EXPECT_EQ(GrabAvailableBmpPoolIdx(), -1);

    bmpPool[3] = (UInt08*)malloc(16);
    DestroyBmpPoolResouces();  // frees the buffer; the slot stays taken
    EXPECT_EQ(bmpPool[3], BMP_POOL_RESERVED);
    for (Int32 i = 0; i < BMP_POOL_NUM; i++) DropBmpPool(i);
    EXPECT_EQ(GrabAvailableBmpPoolIdx(), 0);
    DropBmpPool(0);
}

}  // namespace

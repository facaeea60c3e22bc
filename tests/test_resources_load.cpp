// The generated Res/ tree read by the renderer's own loaders: every picture of both tables
// decodes and becomes a texture, and every model loads with its buffers.
#include <gtest/gtest.h>

#include "OrvRender/RenderUtils.h"
#include "OrvRender/Res_Model.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Tga.h"
#include "support/RenderTestGl.h"

namespace {

class LoadedResources : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RenderTestGl_Open()); }
    static void TearDownTestSuite() { RenderTestGl_Close(); }
};

// One table's worth of loader calls, so both picture tables run the same checks.
struct PictureTable {
    const char* name;
    Int32 count;
    const char* const* paths;
    UInt08* status;
    Image* images;
    void (*load)(Int32);
    void (*gen)(Int32, GLint, GLenum);
    void (*destroy)(Int32, Int32);
};

void ExpectEveryPictureLoads(const PictureTable& t)
{
    for (Int32 id = 0; id < t.count; ++id) {
        SCOPED_TRACE(std::string(t.name) + " " + t.paths[id]);
        t.load(id);
        ASSERT_EQ(t.status[id], 1) << "decoded into memory";
        const Image& img = t.images[id];
        EXPECT_TRUE(img.fmt == GL_RGB || img.fmt == GL_RGBA);
        EXPECT_GT(img.w, 0);
        EXPECT_GT(img.h, 0);
        EXPECT_LE(img.w, 1920);
        EXPECT_LE(img.h, 720);
        ASSERT_NE(img.dat, nullptr);
        t.gen(id, img.fmt, img.fmt);
        EXPECT_EQ(t.status[id], 2) << "texture made";
        EXPECT_NE(img.tex, 0xFFFFFFFFu);
        EXPECT_EQ(img.dat, nullptr) << "pixels are released once the texture exists";
        t.destroy(id, id);  // keep the software renderer's memory small
    }
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

}  // namespace

TEST_F(LoadedResources, EveryPngAndTgaPictureBecomesATexture)
{
    Once_InitPngInfo();
    Once_InitTgaInfo();
    ExpectEveryPictureLoads({"png", PNG_NUM, pngFilePath, pngStatus, pngImg, Once_LoadPngData,
                             Once_GenPngTexture, DestroyPngResources});
    ExpectEveryPictureLoads({"tga", TGA_NUM, tgaFilePath, tgaStatus, tgaImg, Once_LoadTgaData,
                             Once_GenTgaTexture, DestroyTgaResources});
}

TEST_F(LoadedResources, EveryModelLoadsWithItsBuffers)
{
    Once_InitVboModelInfo();
    for (Int32 id = 0; id < VBO_NUM; ++id) {
        SCOPED_TRACE(vboFilePath[id]);
        Once_LoadVboModelData(id);
        ASSERT_EQ(vboStatus[id], 1);
        const Model3DVbo& m = vboModel[id];
        EXPECT_EQ(m.hdr & 3, 3) << "normals and texture coordinates";
        EXPECT_GT(m.face_num, 0u);
        Once_GenVboBuffer(id);
        EXPECT_EQ(vboStatus[id], 2);
        for (int b : {VBO_BUF_VTX, VBO_BUF_TXC, VBO_BUF_NOR, VBO_BUF_IDX}) EXPECT_NE(m.buf[b], 0xFFFFFFFFu) << b;
    }
    DestroyVboResources();
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

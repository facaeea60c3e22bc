// Damage-limited redraw on small frames drawn through the screens' own drawing steps: what a
// change of the recorded draws damages, how several changes are gathered into rectangles, what
// lands on the target and on the window shown in parts, a texture changed under a recorded draw,
// and the frame profiler's table of a known page.
#include <gtest/gtest.h>

#include <GL/glew.h>
#include <GL/glx.h>  // after GLEW, which must come before gl.h

#include <algorithm>
#include <chrono>
#include <thread>
#include <cstring>
#include <string>
#include <vector>

#include "OrvRender/RenderProfile.h"
#include "OrvRender/RenderRecord.h"
#include "OrvRender/RenderUtils.h"
#include "OrvRender/Res_Shader.h"
#include "OrvRender/Screens/ShowCommon.h"
#include "Snapshot.h"
#include "lib/OrvGL.h"
#include "platform/OrvRenderWindow.h"
#include "support/RenderTestGl.h"
#include "support/XDriver.h"

namespace {

const uint32_t kRed = 0xFF0000FF, kGreen = 0x00FF00FF, kBlack = 0x000000FF;

struct Pic {
    Recti rect;
};

class RenderDamage : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(RenderTestGl_Open());
        RenderTestGl_PrepareScreens({Prgm_Simple_Texture}, {});
    }
    void SetUp() override
    {
        RenderRec_SetEnabled(1);
        RenderTestGl_PageState();
        RenderTestGl_ResetMatrices();
        mImg = {};
        mImg.tex = Solid(0, kRed);
    }
    void TearDown() override { glDeleteTextures(1, &mImg.tex); }

    // An 8 x 8 texture of one colour (0xRRGGBBAA), new or uploaded again into tex.
    static GLuint Solid(GLuint tex, uint32_t rgba)
    {
        std::vector<uint8_t> px(8 * 8 * 4);
        for (size_t i = 0; i < px.size(); i += 4)
            for (int c = 0; c < 4; c++) px[i + c] = (uint8_t)(rgba >> (24 - 8 * c));
        if (tex == 0) return RenderTestGl_Texture(8, 8, GL_RGBA, px.data());
        glBindTexture(GL_TEXTURE_2D, tex);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 8, 8, 0, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
        return tex;
    }

    // One presented frame: cleared black, the picture at each rectangle.
    void Frame(const std::vector<Recti>& rects)
    {
        RenderRec_FrameBegin();
        RenderTestGl_Clear(0, 0, 0);
        ShowBeginTexture();
        for (const Recti& r : rects) ShowDrawImageRect(&mImg, r);
        ShowEndTexture();
        SwapGLBuffer();
        RenderRec_FrameEnd();
    }

    static uint32_t At(int x, int y) { return RenderTestGl_Pixel(RenderTestGl_Read(x, y, 1, 1), 1, 0, 0); }

    Image mImg;
};

bool Inside(const RenderRecRect& outer, const Recti& r)
{
    return r.x >= outer.x && r.y >= outer.y && r.x + r.w <= outer.x + outer.w && r.y + r.h <= outer.y + outer.h;
}

Recti Union(const std::vector<Recti>& rs)
{
    Recti u = rs[0];
    for (const Recti& r : rs) CollectMergeRect(&u, &u, &r);
    return u;
}

// The damage of the second frame against the first, and what the target shows afterwards.
TEST_F(RenderDamage, ChangedDrawsDamageTheirOldAndNewRectangles)
{
    const Recti a = {100, 100, 64, 32}, b = {900, 500, 40, 80};
    struct Case {
        const char* name;
        std::vector<Recti> before, after;
        bool reupload;  // the picture's texture gets new content of the same colour between the frames
        std::vector<Recti> damaged;
    };
    const Case cases[] = {
        {"unchanged", {a}, {a}, false, {}},
        {"moved", {a}, {b}, false, {a, b}},
        {"appears", {a}, {a, b}, false, {b}},
        {"vanishes", {a, b}, {a}, false, {b}},
        {"texture uploaded again", {a, b}, {a, b}, true, {a, b}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Frame({});  // whatever the previous case left, the next frames start from a known list
        Frame(c.before);
        if (c.reupload) Solid(mImg.tex, kRed);
        Frame(c.after);
        const RenderRecView* v = RenderRec_View();
        ASSERT_TRUE(v->enabled);
        EXPECT_FALSE(v->full);
        if (c.damaged.empty()) {
            EXPECT_EQ(v->changed, 0);
            EXPECT_EQ(v->damage.w * v->damage.h, 0);
        } else {
            const Recti u = Union(c.damaged);
            EXPECT_TRUE(Inside(v->damage, u)) << v->damage.x << "," << v->damage.y << " " << v->damage.w << "x" << v->damage.h;
            const Recti grown = {u.x - 2, u.y - 2, u.w + 4, u.h + 4};
            EXPECT_TRUE(Inside({grown.x, grown.y, grown.w, grown.h}, {v->damage.x, v->damage.y, v->damage.w, v->damage.h}));
        }
        // The target shows the second frame whole.
        for (const Recti& r : {a, b}) {
            const bool drawn = std::any_of(c.after.begin(), c.after.end(),
                                           [&](const Recti& d) { return memcmp(&d, &r, sizeof r) == 0; });
            EXPECT_EQ(At(r.x + r.w / 2, r.y + r.h / 2), drawn ? kRed : kBlack) << r.x;
        }
    }
}

bool Meets(const RenderRecRect& a, const Recti& r)
{
    return a.w > 0 && a.h > 0 && r.x < a.x + a.w && a.x < r.x + r.w && r.y < a.y + a.h && a.y < r.y + r.h;
}

// Several changes in one frame: each changed draw's old and new places lie inside one redrawn
// rectangle, draws kept between them are not redrawn, there are never more rectangles than the
// limit, and the target shows the second frame whole.
TEST_F(RenderDamage, SeveralChangesAreRedrawnInTheirOwnRectangles)
{
    const Recti a = {100, 60, 64, 32}, a2 = {110, 60, 64, 32}, m = {900, 340, 64, 32}, n = {900, 500, 64, 32},
                b = {1700, 620, 64, 32}, b2 = {1700, 630, 64, 32};
    std::vector<Recti> grid, gridMoved;  // twelve changes spread over the screen
    for (int i = 0; i < 12; i++) {
        grid.push_back({60 + (i % 6) * 300, 80 + (i / 6) * 400, 40, 40});
        gridMoved.push_back({64 + (i % 6) * 300, 84 + (i / 6) * 400, 40, 40});
    }
    std::vector<Recti> gridDamaged = grid;
    gridDamaged.insert(gridDamaged.end(), gridMoved.begin(), gridMoved.end());
    struct Case {
        const char* name;
        std::vector<Recti> before, after;
        std::vector<Recti> damaged;    // each inside one redrawn rectangle
        std::vector<Recti> untouched;  // outside every redrawn rectangle
        int rects;                     // rectangles expected, 0: any number up to the limit
    };
    const Case cases[] = {
        {"first and last draw change, the one between stays", {a, m, b}, {a2, m, b2}, {a, a2, b, b2}, {m}, 2},
        {"a draw appears, the ones around the kept one change", {a, m, b}, {a2, n, m, b2}, {a, a2, n, b, b2}, {m}, 3},
        {"a draw vanishes, the ones around the kept one change", {a, n, m, b}, {a2, m, b2}, {a, a2, n, b, b2}, {m}, 3},
        {"twelve draws move", grid, gridMoved, gridDamaged, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Frame({});
        Frame(c.before);
        Frame(c.after);
        const RenderRecView* v = RenderRec_View();
        ASSERT_FALSE(v->full);
        if (c.rects > 0) {
            EXPECT_EQ(v->rectNum, c.rects);
        }
        EXPECT_LE(v->rectNum, (Int32)RENDER_REC_RECTS_MAX);
        for (const Recti& d : c.damaged)
            EXPECT_TRUE(std::any_of(v->rects, v->rects + v->rectNum, [&](const RenderRecRect& r) { return Inside(r, d); }))
                << d.x << "," << d.y;
        for (const Recti& u : c.untouched)
            EXPECT_FALSE(std::any_of(v->rects, v->rects + v->rectNum, [&](const RenderRecRect& r) { return Meets(r, u); }))
                << u.x << "," << u.y;
        std::vector<Recti> all = c.before;
        all.insert(all.end(), c.after.begin(), c.after.end());
        for (const Recti& r : all) {
            // A corner pixel that only this rectangle covers tells drawn from not drawn.
            const bool drawn = std::any_of(c.after.begin(), c.after.end(), [&](const Recti& d) {
                return r.x >= d.x && r.x < d.x + d.w && r.y >= d.y && r.y < d.y + d.h;
            });
            EXPECT_EQ(At(r.x, r.y), drawn ? kRed : kBlack) << r.x << "," << r.y;
        }
    }
}

// The window itself as the target: after the first frame only the redrawn rectangles are copied
// and shown, at their places (rows count from the top on the screen and from the bottom in GL),
// and the window shows every frame whole.
TEST_F(RenderDamage, WindowShownInPartsShowsEveryFrameWhole)
{
    GLint testFbo = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &testFbo);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    OrvPlat_ShowWindow(OrvRenderHwnd);
    const unsigned long window = OrvPlat_NativeWindowId(OrvRenderHwnd);
    const Recti top = {100, 40, 64, 32}, bottom = {1700, 640, 64, 32}, still = {900, 340, 64, 32};
    const std::vector<Recti> frames[] = {{still}, {still, top}, {still, top, bottom}, {still, bottom}, {still}};
    int inParts = 0;
    for (const std::vector<Recti>& f : frames) {
        Frame(f);
        if (!RenderRec_View()->copiedAll) inParts++;
        // The X server may show the picture a moment after the present: look again for a while.
        std::string wrong;
        for (int attempt = 0; attempt < 40; attempt++) {
            const std::vector<unsigned char> rgb = XDrv_Capture(window);
            ASSERT_EQ(rgb.size(), 1920u * 720u * 3u);
            wrong.clear();
            for (const Recti& r : {top, bottom, still}) {
                const bool drawn = std::any_of(f.begin(), f.end(), [&](const Recti& d) { return d.x == r.x && d.y == r.y; });
                const size_t at = ((size_t)(r.y + r.h / 2) * 1920 + r.x + r.w / 2) * 3;
                if ((rgb[at] > 128) != drawn || rgb[at + 1] > 128) wrong += " " + std::to_string(r.x);
            }
            if (wrong.empty()) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        EXPECT_EQ(wrong, "") << "frame with " << f.size() << " pictures";
    }
    glBindFramebuffer(GL_FRAMEBUFFER, (GLuint)testFbo);
    Display* d = XOpenDisplay(nullptr);
    ASSERT_NE(d, nullptr);
    const std::string glx = glXQueryExtensionsString(d, DefaultScreen(d));
    XCloseDisplay(d);
    if (glx.find("GLX_MESA_copy_sub_buffer") != std::string::npos) {
        EXPECT_GT(inParts, 0);
    }
}

// A texture given new content after a draw of the same frame used it: each draw shows the content
// it was made with, as when drawing at once.
TEST_F(RenderDamage, TextureChangedUnderARecordedDrawKeepsEachDrawsContent)
{
    const Recti a = {100, 100, 64, 32}, b = {400, 100, 64, 32};
    Frame({a, b});
    RenderRec_FrameBegin();
    RenderTestGl_Clear(0, 0, 0);
    ShowBeginTexture();
    ShowDrawImageRect(&mImg, a);
    Solid(mImg.tex, kGreen);
    ShowDrawImageRect(&mImg, b);
    ShowEndTexture();
    SwapGLBuffer();
    RenderRec_FrameEnd();
    EXPECT_TRUE(RenderRec_View()->full);
    EXPECT_EQ(At(a.x + 5, a.y + 5), kRed);
    EXPECT_EQ(At(b.x + 5, b.y + 5), kGreen);
    // The next frame compares with that one: only the first picture changed (now green).
    Frame({a, b});
    EXPECT_FALSE(RenderRec_View()->full);
    EXPECT_TRUE(Inside(RenderRec_View()->damage, a));
    EXPECT_LT(RenderRec_View()->damage.x + RenderRec_View()->damage.w, b.x);
    EXPECT_EQ(At(a.x + 5, a.y + 5), kGreen);
}

// Draws after the frame's last present land on the target as they would without recording, and
// with recording off every present is a plain one.
TEST_F(RenderDamage, UnpresentedDrawsAndRecordingOffDrawAtOnce)
{
    const Recti a = {300, 300, 50, 50};
    Frame({});
    RenderRec_FrameBegin();
    ShowBeginTexture();
    ShowDrawImageRect(&mImg, a);
    ShowEndTexture();
    RenderRec_FrameEnd();
    EXPECT_EQ(At(a.x + 5, a.y + 5), kRed);

    RenderRec_SetEnabled(0);
    const uint32_t presents = RenderRec_View()->presents;
    Frame({});
    EXPECT_EQ(At(a.x + 5, a.y + 5), kBlack);
    EXPECT_EQ(RenderRec_View()->presents, presents);
    EXPECT_FALSE(RenderRec_View()->enabled);
}

// The profiler's table of the driving page lists the elements that draw there, with their draws
// and pixels, and elements that only hide themselves without draws.
TEST(RenderProfile, DrivingPageTableListsItsElements)
{
    ASSERT_TRUE(RenderTestGl_Open());
    RenderProf_Reset();
    RenderProf_SetEnabled(1);
    Snapshot_Begin();
    std::string err;
    for (const char* line : {"frame 00 00 50 00 7D 04 40 09 00", "wait 5500", "frame 00 78 50 64 7D 01 40 09 50",
                             "frame 01 FF FF FF FF F7 FF FF 9F", "frames 10"})
        ASSERT_TRUE(Snapshot_Command(line, ".", &err)) << line << ": " << err;
    RenderProf_SetEnabled(0);

    const RenderProfView* v = RenderProf_View();
    EXPECT_GT(v->frames, 300u);
    auto row = [v](const char* name) -> const RenderProfRow* {
        for (Int32 i = 0; i < v->rowNum; i++)
            if (strcmp(v->rows[i].name, name) == 0) return &v->rows[i];
        return nullptr;
    };
    for (const char* name : {"background", "ShowSpeed", "ShowGear", "ShowBattery", "ShowFixLeds", "ShowDynamicLeds",
                             "ShowDrivingCar", "self test", "logo"}) {
        SCOPED_TRACE(name);
        const RenderProfRow* r = row(name);
        ASSERT_NE(r, nullptr);
        EXPECT_GT(r->calls, 0u);
        EXPECT_GT(r->draws, 0u);
        EXPECT_GT(r->pixels, 0u);
        EXPECT_GE(r->ms, 0.0);
    }
    const RenderProfRow* hidden = row("ShowMenuNull");
    ASSERT_NE(hidden, nullptr);
    EXPECT_GT(hidden->calls, 0u);
    EXPECT_EQ(hidden->draws, 0u);
    // The background covers the whole screen once a frame.
    EXPECT_EQ(row("background")->pixels % (1920u * 720u), 0u);
}

}  // namespace

// The display task under a real X server: its window, its loop and how it ends.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include "OrvTask/DisplayRender.h"
#include "lib/OrvGL.h"
#include "support/TestWait.h"
#include "support/XDriver.h"

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<int>  gRenderCalls{0};
std::atomic<int>  gQuitCalls{0};
std::atomic<bool> gQuitHadContext{false};

void* CountingRender(void*)
{
    gRenderCalls++;
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    SwapGLBuffer();
    return nullptr;
}

void* CountingQuit(void*)
{
    gQuitCalls++;
    gQuitHadContext = glGetString(GL_VERSION) != nullptr;
    return nullptr;
}

class DisplayTaskTest : public ::testing::Test {
protected:
    unsigned long window = 0;

    void Start(CommonFun render)
    {
        OrvShared_Store(globAppQuit, 0);
        gRenderCalls = 0;
        gQuitCalls = 0;
        gQuitHadContext = false;
        ASSERT_EQ(gDisplayRender.Init(), 1);
        RegisterRenderFuncs(render, nullptr, CountingQuit, nullptr);
        gDisplayRender.Excute();
        ASSERT_EQ(gDisplayRender.GetState(), OrvTask_Running);
        window = XDrv_FindWindow("Render", 5000);
        ASSERT_NE(window, 0u) << "no window titled Render";
    }

    // Stop after the worker has ended: it must return at once, having found the one post.
    void ExpectEndedOnce()
    {
        ASSERT_TRUE(WaitFor([] { return OrvShared_Load(globAppQuit) == 1; }, 2000));
        auto start = Clock::now();
        gDisplayRender.Stop();
        EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1500));
        EXPECT_EQ(gQuitCalls, 1);
        EXPECT_TRUE(gQuitHadContext) << "the quit function runs before the context goes";
        EXPECT_EQ(gDisplayRender.GetState(), OrvTask_Stop);
        EXPECT_FALSE(XDrv_WindowExists("Render"));
    }

    void TearDown() override
    {
        if (gDisplayRender.GetState() == OrvTask_Running) gDisplayRender.Stop();
        gDisplayRender.DeInit();
    }
};

}  // namespace

TEST_F(DisplayTaskTest, EscapeEndsTheLoopAndPostsTheQuitSemaphoreOnce)
{
    Start(CountingRender);
    XDrv_Geometry g{};
    ASSERT_TRUE(XDrv_GetGeometry(window, &g));
    EXPECT_EQ(g.x, 0);
    EXPECT_EQ(g.y, 0);
    EXPECT_EQ(g.w, 1920);
    EXPECT_EQ(g.h, 720);
    EXPECT_TRUE(g.viewable);
    EXPECT_TRUE(WaitFor([&] { return gRenderCalls >= 3; }, 3000)) << "the loop renders on idle passes";

    XDrv_PressKey(window, "a");
    OrvPlat_SleepMs(200);
    EXPECT_EQ(OrvShared_Load(globAppQuit), 0) << "other keys do nothing";
    int before = gRenderCalls;
    EXPECT_TRUE(WaitFor([&] { return gRenderCalls >= before + 2; }, 2000)) << "and rendering goes on";

    XDrv_PressKey(window, "Escape");
    ExpectEndedOnce();

    // No second post: a second Stop waits its whole 2 s.
    auto start = Clock::now();
    gDisplayRender.Stop();
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(1990));
    EXPECT_EQ(gDisplayRender.DeInit(), 1);
}

TEST_F(DisplayTaskTest, CloseBoxEndsTheApplication)
{
    Start(CountingRender);
    XDrv_Close(window);
    ExpectEndedOnce();
}

TEST_F(DisplayTaskTest, StopRequestEndsTheLoopAndTheQuitFunctionStillRuns)
{
    Start(CountingRender);
    ASSERT_TRUE(WaitFor([&] { return gRenderCalls >= 1; }, 3000));
    gDisplayRender.TryStop();
    ExpectEndedOnce();
    EXPECT_EQ(OrvShared_Load(globAppQuit), 1) << "the worker raises it when it ends";
}

TEST_F(DisplayTaskTest, WithoutARenderFunctionMessagesAreStillHandled)
{
    Start(nullptr);
    XDrv_PressKey(window, "Escape");
    ExpectEndedOnce();
    EXPECT_EQ(gRenderCalls, 0);
}

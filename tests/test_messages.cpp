// Per-thread window-message queues: one message per peek, posting to another thread's window,
// and the bounded wait.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/OrvPlatform.h"
#include "../src/platform/OrvPlatWindow.h"

namespace {

Int32 gLastMessage = -1;

Int32 RecordingProc(OrvPlat_Window*, UInt32 message, Int32, Int32)
{
    gLastMessage = (Int32)message;
    return 7;
}

}  // namespace

TEST(OrvPlatMessages, OneMessagePerPeekInOrderAndQuitIsNotDispatched)
{
    OrvPlat_Window window{RecordingProc, OrvPlat_CurrentQueue(), nullptr};
    OrvPlat_Msg msg;
    EXPECT_EQ(OrvPlat_PeekMessage(&msg), 0);

    OrvPlat_PostMessage(&window, ORV_MSG_KEYDOWN, ORV_KEY_ESCAPE, 0);
    OrvPlat_PostQuitMessage(0);
    ASSERT_EQ(OrvPlat_PeekMessage(&msg), 1);
    EXPECT_EQ(msg.message, (UInt32)ORV_MSG_KEYDOWN);
    EXPECT_EQ(msg.wParam, ORV_KEY_ESCAPE);
    EXPECT_EQ(OrvPlat_DispatchMessage(&msg), 7);
    EXPECT_EQ(gLastMessage, ORV_MSG_KEYDOWN);

    ASSERT_EQ(OrvPlat_PeekMessage(&msg), 1);
    EXPECT_EQ(msg.message, (UInt32)ORV_MSG_QUIT);
    EXPECT_EQ(msg.window, nullptr);
    EXPECT_EQ(OrvPlat_DispatchMessage(&msg), 0);
    EXPECT_EQ(OrvPlat_PeekMessage(&msg), 0);
}

TEST(OrvPlatMessages, MessageForAWindowReachesTheThreadThatOwnsIt)
{
    OrvPlat_Window window{RecordingProc, OrvPlat_CurrentQueue(), nullptr};
    std::thread other([&] { OrvPlat_PostMessage(&window, ORV_MSG_CLOSE, 0, 0); });
    other.join();
    OrvPlat_Msg msg;
    ASSERT_EQ(OrvPlat_WaitMessage(&msg, 1000), 1);
    EXPECT_EQ(msg.message, (UInt32)ORV_MSG_CLOSE);
    EXPECT_EQ(msg.window, &window);
}

TEST(OrvPlatMessages, WaitGivesUpAfterItsTimeout)
{
    auto start = std::chrono::steady_clock::now();
    OrvPlat_Msg msg;
    EXPECT_EQ(OrvPlat_WaitMessage(&msg, 30), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(25));
}

TEST(OrvPlatTick, DrivenTickIsExactAndWraps)
{
    OrvPlat_DriveTick(0xFFFFFFF0u);
    EXPECT_EQ(OrvPlat_GetTickCount(), 0xFFFFFFF0u);
    OrvPlat_AdvanceTick(0x20);
    EXPECT_EQ(OrvPlat_GetTickCount(), 0x10u);
    OrvPlat_ReleaseTick();
    UInt32 a = OrvPlat_GetTickCount();
    OrvPlat_SleepMs(20);
    EXPECT_GE((UInt32)(OrvPlat_GetTickCount() - a), 19u);
}

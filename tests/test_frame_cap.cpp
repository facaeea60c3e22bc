// The render loop's frame-rate cap on a fake clock: how long it sleeps after each frame, how it
// keeps its rhythm, gives up a missed deadline, survives the tick's wrap, and what
// CLUSTER_FPS_CAP turns into.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "lib/OrvFrameCap.h"
#include "support/StdoutCapture.h"

namespace {

struct CapCase {
    const char* what;
    UInt32 fps;
    UInt32 firstTick;
    std::vector<UInt32> drawMs;   // how long each frame draws, from the end of the previous sleep
    std::vector<UInt32> sleepMs;  // what the cap answers after each frame
};

TEST(FrameCap, SleepsTheRestOfEachFramesShare)
{
    const CapCase cases[] = {
        {"no cap never sleeps", 0, 1000, {5, 5, 5}, {0, 0, 0}},
        {"50 frames/s: the rest of 20 ms", 50, 1000, {5, 3, 12, 20}, {0, 17, 8, 0}},
        {"a late frame starts a new rhythm, no catching up", 50, 1000, {5, 45, 4, 4}, {0, 0, 16, 16}},
        {"60 frames/s averages 16.67 ms", 60, 1000, {1, 1, 1, 1}, {0, 15, 16, 15}},
        {"the tick wraps inside a frame", 50, 0xFFFFFFF0u, {5, 10, 10}, {0, 10, 10}},
    };
    for (const CapCase& c : cases) {
        SCOPED_TRACE(c.what);
        OrvFrameCap cap = OrvFrameCap_Make(c.fps);
        UInt32 tick = c.firstTick;
        for (size_t i = 0; i < c.drawMs.size(); i++) {
            tick += c.drawMs[i];
            const UInt32 sleep = OrvFrameCap_SleepMs(&cap, tick);
            EXPECT_EQ(sleep, c.sleepMs[i]) << "frame " << i;
            tick += sleep;
        }
    }
}

// Over many frames of any drawing time below the share the frames end on the cap's rhythm.
TEST(FrameCap, KeepsTheRateOverManyFrames)
{
    for (UInt32 fps : {24u, 30u, 60u, 144u}) {
        OrvFrameCap cap = OrvFrameCap_Make(fps);
        UInt32 tick = 5000;
        OrvFrameCap_SleepMs(&cap, tick);
        const UInt32 start = tick;
        for (int i = 0; i < 600; i++) {
            tick += 1 + (UInt32)i % 3;
            tick += OrvFrameCap_SleepMs(&cap, tick);
        }
        const UInt32 expected = 600 * 1000 / fps;
        EXPECT_NEAR((double)(tick - start), (double)expected, 2.0) << fps << " frames/s";
    }
}

TEST(FrameCap, EnvironmentVariable)
{
    struct EnvCase {
        const char* value;  // nullptr: unset
        UInt32 fps;
        const char* line;   // printed line, "" for none
    } cases[] = {
        {nullptr, 0, ""},
        {"0", 0, ""},
        {"60", 60, "frame-rate cap: 60 frames per second\n"},
        {"1000", 1000, "frame-rate cap: 1000 frames per second\n"},
        {"1001", 0, "CLUSTER_FPS_CAP=1001 ignored (1..1000 frames per second)\n"},
        {"-5", 0, "CLUSTER_FPS_CAP=-5 ignored (1..1000 frames per second)\n"},
        {"60fps", 0, "CLUSTER_FPS_CAP=60fps ignored (1..1000 frames per second)\n"},
    };
    for (const EnvCase& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(unset)");
        if (c.value) setenv("CLUSTER_FPS_CAP", c.value, 1);
        else unsetenv("CLUSTER_FPS_CAP");
        OrvFrameCap cap = OrvFrameCap_Make(7);
        EXPECT_EQ(Stdout([&] { cap = OrvFrameCap_FromEnv(); }), c.line);
        EXPECT_EQ(cap.fps, c.fps);
    }
    unsetenv("CLUSTER_FPS_CAP");
}

}  // namespace

// Benchmark of damage-limited redraw on this machine (software Mesa under Xvfb, 1920 x 720
// framebuffer object): milliseconds per frame of the steady driving page, with only the speed and
// the clock changing, and of the same page standing still, with recording on and off, and the share
// of the screen redrawn. Prints figures; asserts nothing.
//   bench_render_damage [FRAMES]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "OrvRender/Render.h"
#include "OrvRender/RenderRecord.h"
#include "Snapshot.h"
#include "support/RenderTestGl.h"

using Clock = std::chrono::steady_clock;

static bool Run(const std::string& line)
{
    std::string err;
    if (Snapshot_Command(line, ".", &err)) return true;
    fprintf(stderr, "bench: %s: %s\n", line.c_str(), err.c_str());
    return false;
}

struct Figures {
    double ms;
    double damagedShare;  // mean share of the screen redrawn per frame
};

// frames frames of the page, the speed stepping every frame when moving.
static Figures Measure(bool damage, bool moving, int frames)
{
    RenderRec_SetEnabled(damage ? 1 : 0);
    Run("frames 3");  // the first frame after a switch redraws everything
    double share = 0;
    Clock::time_point a = Clock::now();
    for (int i = 0; i < frames; i++) {
        if (moving) Run("set Speed " + std::to_string(100 + i % 30));
        Run("frames 1");
        const RenderRecView* v = RenderRec_View();
        share += (double)v->damage.w * v->damage.h / (1920.0 * 720.0);
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - a).count() / frames;
    return {ms, damage ? share / frames : 1.0};
}

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? atoi(argv[1]) : 120;
    if (frames <= 0 || !RenderTestGl_OpenBesideRes(argv[0])) return 1;
    Snapshot_Begin();
    if (!Run("frame 02 2E FE 05 1A 76 00 00 00") || !Run("frame 00 00 50 00 7D 04 40 09 00") || !Run("wait 5500") ||
        !Run("frame 00 78 50 64 7D 01 40 09 50") || !Run("frame 01 FF FF FF FF F7 FF FF 9F") || !Run("wait 1000"))
        return 1;
    for (bool moving : {true, false}) {
        const Figures on = Measure(true, moving, frames), off = Measure(false, moving, frames);
        printf("driving page, %s, %d frames: %.2f ms/frame with damage-limited redraw (%.1f %% of the screen "
               "redrawn), %.2f ms/frame drawing every frame whole\n",
               moving ? "speed and clock changing" : "standing still", frames, on.ms, on.damagedShare * 100.0, off.ms);
    }
    CleanUpRender(nullptr);
    RenderTestGl_Close();
    return 0;
}

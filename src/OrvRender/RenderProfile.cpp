// Frame profiler: sections, counters, fenced time and the periodic table.
#include "OrvRender/RenderProfile.h"

#include <GL/glew.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

const double kPrintEveryMs = 5000.0;
const char* const kPageSection = "page";  // draws outside every element and step
const Int32 kDepthMax = 16;

Int08 mProf_Enabled = -1;  // -1: not read from the environment yet
RenderProfView mProf_View;
RenderProfView mProf_Printed;  // the totals at the last print
Int32 mProf_Stack[kDepthMax];
Int32 mProf_Depth = 0;
double mProf_SectionStart = 0;
double mProf_LastPrint = -1;

double RenderProf_NowMs(void)
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

Int32 RenderProf_Row(const char* name)
{
    for (Int32 i = 0; i < mProf_View.rowNum; i++)
        if (mProf_View.rows[i].name == name || strcmp(mProf_View.rows[i].name, name) == 0) return i;
    if (mProf_View.rowNum == RENDER_PROF_ROW_MAX) return RENDER_PROF_ROW_MAX - 1;  // the last row takes the rest
    RenderProfRow& row = mProf_View.rows[mProf_View.rowNum];
    memset(&row, 0, sizeof row);
    row.name = name;
    return mProf_View.rowNum++;
}

RenderProfRow& RenderProf_Current(void)
{
    return mProf_View.rows[mProf_Depth > 0 ? mProf_Stack[mProf_Depth - 1] : RenderProf_Row(kPageSection)];
}

// Ends the running time slice: everything the GPU was given so far is finished and counted to
// the open section.
void RenderProf_Fence(void)
{
    glFinish();
    double now = RenderProf_NowMs();
    if (mProf_SectionStart > 0) RenderProf_Current().ms += now - mProf_SectionStart;
    mProf_SectionStart = now;
}

}  // namespace

Int08 RenderProf_Enabled(void)
{
    if (mProf_Enabled < 0) {
        const char* env = getenv("CLUSTER_PROFILE");
        mProf_Enabled = (env != nullptr && env[0] != '\0' && strcmp(env, "0") != 0) ? 1 : 0;
    }
    return mProf_Enabled;
}

void RenderProf_SetEnabled(Int08 on)
{
    mProf_Enabled = on ? 1 : 0;
    mProf_SectionStart = 0;
}

void RenderProf_Enter(const char* name)
{
    if (!RenderProf_Enabled()) return;
    RenderProf_Fence();
    Int32 row = RenderProf_Row(name);
    mProf_View.rows[row].calls++;
    if (mProf_Depth < kDepthMax) mProf_Stack[mProf_Depth++] = row;
}

void RenderProf_Leave(void)
{
    if (!RenderProf_Enabled()) return;
    RenderProf_Fence();
    if (mProf_Depth > 0) mProf_Depth--;
}

void RenderProf_Draw(uint64_t pixels)
{
    if (!RenderProf_Enabled()) return;
    RenderProfRow& row = RenderProf_Current();
    row.draws++;
    row.pixels += pixels;
}

void RenderProf_ProgramSwitch(void)
{
    if (RenderProf_Enabled()) RenderProf_Current().programs++;
}

void RenderProf_FrameEnd(void)
{
    if (!RenderProf_Enabled()) return;
    RenderProf_Fence();
    mProf_View.frames++;
    double now = RenderProf_NowMs();
    if (mProf_LastPrint < 0) mProf_LastPrint = now;
    if (now - mProf_LastPrint >= kPrintEveryMs) {
        RenderProf_Print();
        mProf_LastPrint = now;
    }
}

void RenderProf_Print(void)
{
    UInt32 frames = mProf_View.frames - mProf_Printed.frames;
    if (frames == 0) return;
    printf("render profile: %u frames, per frame:\n", frames);
    printf("  %-28s %7s %7s %7s %10s %8s\n", "element", "calls", "draws", "progs", "kpixels", "ms");
    double total = 0;
    for (Int32 i = 0; i < mProf_View.rowNum; i++) {
        const RenderProfRow& r = mProf_View.rows[i];
        RenderProfRow before = {};
        if (i < mProf_Printed.rowNum) before = mProf_Printed.rows[i];
        double ms = (r.ms - before.ms) / frames;
        total += ms;
        printf("  %-28s %7.1f %7.1f %7.1f %10.1f %8.3f\n", r.name, (double)(r.calls - before.calls) / frames,
               (double)(r.draws - before.draws) / frames, (double)(r.programs - before.programs) / frames,
               (double)(r.pixels - before.pixels) / frames / 1000.0, ms);
    }
    printf("  %-28s %7s %7s %7s %10s %8.3f\n", "total", "", "", "", "", total);
    mProf_Printed = mProf_View;
}

void RenderProf_Reset(void)
{
    memset(&mProf_View, 0, sizeof mProf_View);
    memset(&mProf_Printed, 0, sizeof mProf_Printed);
    mProf_Depth = 0;
    mProf_SectionStart = 0;
    mProf_LastPrint = -1;
}

const RenderProfView* RenderProf_View(void) { return &mProf_View; }

/* Frame profiler of the render thread, on with CLUSTER_PROFILE=1.
 *
 * The page composition opens a section per element (named after its slot) and per fixed step;
 * the draw calls, program switches and pixels covered (the screen rectangle of each draw, as the
 * frame recorder computes it) are counted to the open section, and its milliseconds are measured
 * between glFinish fences, which only run while profiling. With damage-limited redraw the
 * elements' time is the recording; the replay, the copy to the window's back buffer and the
 * present (glFinish and the swap or the partial showing) have a row of their own.
 * A table per frame is printed every 5 seconds and by the render clean-up. Render thread only. */
#ifndef RENDER_PROFILE_H
#define RENDER_PROFILE_H

#include <cstdint>

#include "BaseTypes.h"

enum { RENDER_PROF_ROW_MAX = 64 };

/* Totals of one section since the last reset. */
typedef struct Struct_RenderProfRow {
    const char* name;
    UInt32 calls;     /* times the section was entered */
    UInt32 draws;     /* draw calls and clears */
    UInt32 programs;  /* program switches */
    uint64_t pixels;    /* screen pixels covered by its draws */
    double ms;        /* time inside the section, fenced */
} RenderProfRow;

/* The table: rows in order of first appearance, and the frames presented. */
typedef struct Struct_RenderProfView {
    Int32 rowNum;
    UInt32 frames;
    RenderProfRow rows[RENDER_PROF_ROW_MAX];
} RenderProfView;

/* 1 while profiling (start value from CLUSTER_PROFILE). */
Int08 RenderProf_Enabled(void);
/* Turns profiling on or off. */
void RenderProf_SetEnabled(Int08 on);
/* Opens a section (a string that lives for the program); sections nest, time counts to the innermost. */
void RenderProf_Enter(const char* name);
/* Closes the innermost section. */
void RenderProf_Leave(void);
/* Counts a draw covering the given pixels to the open section. */
void RenderProf_Draw(uint64_t pixels);
/* Counts a program switch to the open section. */
void RenderProf_ProgramSwitch(void);
/* A frame was presented; prints the table when 5 seconds have passed since the last one. */
void RenderProf_FrameEnd(void);
/* Prints the table of the frames since the last print. */
void RenderProf_Print(void);
/* Forgets every total. */
void RenderProf_Reset(void);
/* The totals since the last reset. */
const RenderProfView* RenderProf_View(void);

/* Helper: a section open for the lifetime of the object (only while profiling). */
struct RenderProfSection {
    explicit RenderProfSection(const char* name) : open(RenderProf_Enabled())
    {
        if (open) RenderProf_Enter(name);
    }
    ~RenderProfSection()
    {
        if (open) RenderProf_Leave();
    }
    RenderProfSection(const RenderProfSection&) = delete;
    RenderProfSection& operator=(const RenderProfSection&) = delete;
    Int08 open;
};

/* Runs one fixed step of the frame as a section of its own: RenderProf_Step("logo", f, args...)
 * returns f(args...). */
template <typename F, typename... A>
auto RenderProf_Step(const char* name, F&& f, A&&... a) -> decltype(f(static_cast<A&&>(a)...))
{
    RenderProfSection prof(name);
    return f(static_cast<A&&>(a)...);
}

#endif

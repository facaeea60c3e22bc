/* Damage-limited redraw of the render thread's frames.
 *
 * While a frame is recorded (from RenderRec_FrameBegin to its present), the drawing calls of the
 * render sources (glDrawArrays, glDrawElements, glClear) do not draw: each is kept with
 * everything it draws from (program and uniform values, textures with a content version, vertex
 * arrays, client arrays copied, blend and depth state) and the screen rectangle it covers. State
 * calls and resource calls (texture and buffer uploads, shader builds) still run at once; an upload
 * steps the content version of what it changes. At the present the frame's list is compared with
 * the list of the previous presented frame: the rectangles of the draws that differ, appear or
 * vanish make the damage. The two lists are matched in order (the longest common run of equal
 * draws), so that a change early in the frame and one late in it damage only their own places,
 * not everything drawn between them. The damaged boxes are gathered into a few rectangles
 * (RENDER_REC_RECTS_MAX at most; two are joined when their union costs little more than the pair),
 * and for each rectangle the draws that touch it are replayed under its scissor into a retained
 * framebuffer. What changed is then copied to the frame's target: only the redrawn rectangles when
 * the target still holds the previous picture (RenderRec_TargetKept), else the whole picture.
 * A frame in which nothing changed costs the comparison only. CLUSTER_DAMAGE=0 turns recording
 * off: every call then draws at once.
 *
 * The render sources reach the recorder through RenderRecordGl.h, which maps those GL names onto
 * it. Render thread only. */
#ifndef RENDER_RECORD_H
#define RENDER_RECORD_H

#include "BaseTypes.h"

/* A screen rectangle in pixels, origin top left, y downward; w or h 0 means empty. */
typedef struct Struct_RenderRecRect {
    Int32 x, y, w, h;
} RenderRecRect;

/* The most rectangles a present redraws one by one; more damage is joined into these. */
enum { RENDER_REC_RECTS_MAX = 8 };

/* What the last present did. */
typedef struct Struct_RenderRecView {
    Int08 enabled;         /* recording on (CLUSTER_DAMAGE not 0 and framebuffer copies possible) */
    Int08 full;            /* the whole screen was redrawn: first frame, clean-up, new target, or a
                              texture or buffer changed under a draw of the frame */
    Int32 draws;           /* draws and clears recorded in the frame */
    Int32 changed;         /* of those, the ones that differ from the previous frame's */
    RenderRecRect damage;  /* bounds of the redrawn area; empty when nothing changed */
    Int32 rectNum;         /* the redrawn rectangles, disjoint or not; the whole screen when full */
    RenderRecRect rects[RENDER_REC_RECTS_MAX];
    Int08 toWindow;        /* the frame's target is the window's own framebuffer */
    Int08 copiedAll;       /* the whole picture was copied to the target, not only the rectangles */
    UInt32 presents;       /* frames presented through the recorder since start */
} RenderRecView;

/* Starts recording the frame the render function is about to draw (when recording is on). */
void RenderRec_FrameBegin(void);
/* Ends the render function's frame: draws recorded after its last present are drawn at once on
 * the target, as they would have been without recording; recording stops until the next begin. */
void RenderRec_FrameEnd(void);
/* Called by the present before the swap: finds the damage, redraws it into the retained
 * framebuffer and copies that to the target. Does nothing while not recording. */
void RenderRec_Present(void);
/* The next present redraws the whole screen (render clean-up, new window size). */
void RenderRec_Invalidate(void);
/* Told by the presenter after each present: 1 when the target still holds the picture just copied
 * to it (the window showed it without a buffer swap), so that the next present copies only what
 * changed; 0 when the target's content is no longer known (after a swap). */
void RenderRec_TargetKept(Int08 kept);

/* Turns recording on or off for the following frames (start value from CLUSTER_DAMAGE). */
void RenderRec_SetEnabled(Int08 on);
/* 1 when recording is on. */
Int08 RenderRec_Enabled(void);
/* What the last present did. */
const RenderRecView* RenderRec_View(void);

/* Helper of a frame function: begins a frame on construction and ends it when it goes out of
 * scope, whichever way the function returns. */
struct RenderRecFrameScope {
    RenderRecFrameScope() { RenderRec_FrameBegin(); }
    ~RenderRecFrameScope() { RenderRec_FrameEnd(); }
    RenderRecFrameScope(const RenderRecFrameScope&) = delete;
    RenderRecFrameScope& operator=(const RenderRecFrameScope&) = delete;
};

#endif

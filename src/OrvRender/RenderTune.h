/* Switches of the renderer's drawing shortcuts. Each shortcut leaves the picture as it was and only
 * saves work; each can be turned off for comparison (the frame-budget benchmark measures the page
 * with and without them in one run) or as a fall-back, from the environment at start or at run time:
 *
 *   CLUSTER_SKIP_CLEAR=0      clear the colour buffer even under an opaque full-screen background
 *   CLUSTER_OPAQUE_NOBLEND=0  blend pictures without transparency too
 *   CLUSTER_RELEASE_HIDDEN=0  keep the pictures of a screen that is no longer shown
 *
 * Every shortcut is on unless its variable is "0". Render thread only. */
#ifndef RENDER_TUNE_H
#define RENDER_TUNE_H

#include "BaseTypes.h"

typedef enum {
    RENDER_TUNE_SKIP_CLEAR = 0,     /* no colour clear where an opaque background covers the screen */
    RENDER_TUNE_OPAQUE_NOBLEND = 1, /* pictures without transparency drawn opaque with blending off */
    RENDER_TUNE_RELEASE_HIDDEN = 2, /* animation sets of a screen released when the screen goes */
    RENDER_TUNE_NUM = 3,
} RenderTuneSwitch;

/* The switch is on (read from its environment variable on first use, then as last set). */
Int08 RenderTune_On(RenderTuneSwitch which);
/* Turns one switch on or off from now on. */
void RenderTune_Set(RenderTuneSwitch which, Int08 on);
/* Turns every switch on or off. */
void RenderTune_SetAll(Int08 on);
/* The environment variable of a switch ("CLUSTER_SKIP_CLEAR" ...). */
const char* RenderTune_EnvName(RenderTuneSwitch which);

#endif

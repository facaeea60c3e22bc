// The drawing shortcuts' switches, each read once from its environment variable.
#include "RenderTune.h"

#include <cstdlib>
#include <cstring>

static const char* const mRenderTune_Env[RENDER_TUNE_NUM] = {
    "CLUSTER_SKIP_CLEAR",
    "CLUSTER_OPAQUE_NOBLEND",
    "CLUSTER_RELEASE_HIDDEN",
};

// -1 until read from the environment.
static Int08 mRenderTune_State[RENDER_TUNE_NUM] = {-1, -1, -1};

static bool RenderTune_Valid(RenderTuneSwitch which) { return which >= 0 && which < RENDER_TUNE_NUM; }

Int08 RenderTune_On(RenderTuneSwitch which)
{
    if (!RenderTune_Valid(which)) return 0;
    if (mRenderTune_State[which] < 0) {
        const char* v = getenv(mRenderTune_Env[which]);
        mRenderTune_State[which] = (v != nullptr && strcmp(v, "0") == 0) ? 0 : 1;
    }
    return mRenderTune_State[which];
}

void RenderTune_Set(RenderTuneSwitch which, Int08 on)
{
    if (RenderTune_Valid(which)) mRenderTune_State[which] = on ? 1 : 0;
}

void RenderTune_SetAll(Int08 on)
{
    for (Int32 i = 0; i < RENDER_TUNE_NUM; i++) RenderTune_Set((RenderTuneSwitch)i, on);
}

const char* RenderTune_EnvName(RenderTuneSwitch which)
{
    return RenderTune_Valid(which) ? mRenderTune_Env[which] : "";
}

// The render loop's optional frame-rate cap: a steady rhythm of deadlines, kept in microseconds so
// that a cap whose period is not a whole number of milliseconds still averages its rate.
#include "lib/OrvFrameCap.h"

#include <cstdio>
#include <cstdlib>

static const UInt32 kOrvFrameCap_MaxFps = 1000;

OrvFrameCap OrvFrameCap_Make(UInt32 fps)
{
    OrvFrameCap cap = {};
    cap.fps = fps <= kOrvFrameCap_MaxFps ? fps : kOrvFrameCap_MaxFps;
    return cap;
}

OrvFrameCap OrvFrameCap_FromEnv(void)
{
    const char* env = getenv("CLUSTER_FPS_CAP");
    if (env == nullptr || env[0] == '\0') return OrvFrameCap_Make(0);
    char* end = nullptr;
    const long fps = strtol(env, &end, 10);
    if (*end != '\0' || fps < 0 || fps > (long)kOrvFrameCap_MaxFps) {
        printf("CLUSTER_FPS_CAP=%s ignored (1..1000 frames per second)\n", env);
        return OrvFrameCap_Make(0);
    }
    if (fps > 0) printf("frame-rate cap: %ld frames per second\n", fps);
    return OrvFrameCap_Make((UInt32)fps);
}

UInt32 OrvFrameCap_SleepMs(OrvFrameCap* cap, UInt32 nowTick)
{
    if (cap == nullptr || cap->fps == 0) return 0;
    const uint64_t periodUs = 1000000u / cap->fps;
    if (!cap->started) {
        cap->started = 1;
        cap->lastTick = nowTick;
        cap->nowUs = 0;
        cap->deadlineUs = periodUs;
        return 0;  // no measured frame start yet: the rhythm starts here
    }
    cap->nowUs += (uint64_t)(UInt32)(nowTick - cap->lastTick) * 1000u;  // unsigned: a wrap still counts forward
    cap->lastTick = nowTick;
    if (cap->nowUs >= cap->deadlineUs) {
        cap->deadlineUs = cap->nowUs + periodUs;  // late: a new rhythm from now, no catching up
        return 0;
    }
    const UInt32 sleepMs = (UInt32)((cap->deadlineUs - cap->nowUs) / 1000u);
    cap->deadlineUs += periodUs;
    return sleepMs;
}

/* Optional frame-rate cap of the render loop, for desktops that should not spend a whole core on
 * the cluster: after each frame the loop sleeps what is left of the frame's share of a second.
 * Off by default (the loop renders as fast as it can); CLUSTER_FPS_CAP=N (1..1000) caps it at N
 * frames per second. Animations advance by the measured frame time either way, so a capped loop
 * shows the same picture at the same moment, only fewer of them. Render thread only. */
#ifndef ORV_FRAME_CAP_H
#define ORV_FRAME_CAP_H

#include <stdint.h>

#include "BaseTypes.h"

typedef struct Struct_OrvFrameCap {
    UInt32 fps;        /* frames per second; 0 = no cap */
    Int08 started;     /* a frame has ended since the cap was set */
    UInt32 lastTick;   /* tick of the previous frame end, ms */
    uint64_t nowUs;      /* time since the first frame end, microseconds (survives tick wraps) */
    uint64_t deadlineUs; /* when the current frame's share of time ends */
} OrvFrameCap;

/* A cap of fps frames per second (0: none), not started. */
OrvFrameCap OrvFrameCap_Make(UInt32 fps);
/* The cap CLUSTER_FPS_CAP asks for: 1..1000 caps, unset or "0" means none; anything else is
 * refused with "CLUSTER_FPS_CAP=%s ignored (1..1000 frames per second)". */
OrvFrameCap OrvFrameCap_FromEnv(void);
/* Called when a frame has ended at tick nowTick (ms): the milliseconds to sleep before the next
 * one. Frames keep a steady rhythm of 1/fps s; a frame that ran past its share starts a new rhythm
 * from now instead of hurrying the following frames. Always 0 without a cap. */
UInt32 OrvFrameCap_SleepMs(OrvFrameCap* cap, UInt32 nowTick);

#endif

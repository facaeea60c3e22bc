/* The per-frame render function of the cluster and its clean-up, registered with the display task. */
#ifndef RENDER_H
#define RENDER_H

#include "BaseTypes.h"

/* Draws and presents one frame. */
void* Render(void* argv);
/* Releases every render resource; runs once on the display worker while the context is current. */
void* CleanUpRender(void* argv);

#endif

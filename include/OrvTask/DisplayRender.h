/* The display task: owns the render window, the OpenGL context and every OpenGL call. Its loop
 * handles one window message per pass and, on a pass that found none, calls the registered render
 * function; when stopped it calls the quit function once while the context is still current. */
#ifndef DISPLAY_RENDER_H
#define DISPLAY_RENDER_H

#include "OrvTask.h"

extern const OrvTask gDisplayRender;

/* Slot 0: render function and its argument; slot 1: quit function and its argument. Replaces
 * what was registered. Call before the task is started. */
void RegisterRenderFuncs(CommonFun RenderFunc, void* argR, CommonFun QuitFunc, void* argQ);

Int08 DR_Task_Init(void);
Int08 DR_Task_DeInit(void);
Int08 DR_Task_GetState(void);
void  DR_Task_Excute(void);
Int08 DR_Task_PostRequest(void* argv);
void  DR_Task_Stop(void);
void  DR_Task_TryStop(void);
void  DR_Task_BeatDog(void);
Int08 DR_Task_IsDogAlive(void);
/* Watchdog hook, called once per loop pass; the watchdog has no logic on this build. */
void  DR_Task_FeedDog(void);

#endif

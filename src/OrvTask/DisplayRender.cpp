// The display task: render window, OpenGL context and render loop on one worker thread.
#include "OrvTask/DisplayRender.h"

#include "OrvTask/OrvTaskBase.h"
#include "lib/OrvFrameCap.h"
#include "lib/OrvGL.h"
#include "platform/OrvPlatform.h"
#include "platform/OrvRenderWindow.h"

enum { DR_SLOT_RENDER = 0, DR_SLOT_QUIT = 1 };

static OrvTaskBase mDr_Task = ORV_TASK_BASE_INIT(2000);

static CommonFun OrvRenderFuncs[2] = {nullptr, nullptr};
static void*     OrvRenderFuncsArgv[2] = {nullptr, nullptr};

void RegisterRenderFuncs(CommonFun RenderFunc, void* argR, CommonFun QuitFunc, void* argQ)
{
    OrvRenderFuncs[DR_SLOT_RENDER] = RenderFunc;
    OrvRenderFuncsArgv[DR_SLOT_RENDER] = argR;
    OrvRenderFuncs[DR_SLOT_QUIT] = QuitFunc;
    OrvRenderFuncsArgv[DR_SLOT_QUIT] = argQ;
}

void DR_Task_FeedDog(void) {}

// Close box and Escape end the application; every other key is swallowed here, so it reaches
// neither the default procedure nor the render function.
static Int32 DR_Task_WndProc(OrvPlat_Window* window, UInt32 message, Int32 wParam, Int32 lParam)
{
    switch (message) {
    case ORV_MSG_CLOSE:
        OrvPlat_PostQuitMessage(0);
        return 0;
    case ORV_MSG_KEYDOWN:
        if (wParam == ORV_KEY_ESCAPE) OrvPlat_PostQuitMessage(0);
        return 0;
    case ORV_MSG_DESTROY:
        return 0;
    default:
        return OrvPlat_DefWindowProc(window, message, wParam, lParam);
    }
}

static void DR_Task_RunLoop(void)
{
    OrvFrameCap cap = OrvFrameCap_FromEnv();  // off unless CLUSTER_FPS_CAP asks for one
    while (!OrvTaskBase_StopRequested(&mDr_Task)) {
        DR_Task_FeedDog();
        OrvPlat_Msg msg;
        if (!OrvPlat_PeekMessage(&msg)) {
            if (OrvRenderFuncs[DR_SLOT_RENDER]) OrvRenderFuncs[DR_SLOT_RENDER](OrvRenderFuncsArgv[DR_SLOT_RENDER]);
            const UInt32 restMs = OrvFrameCap_SleepMs(&cap, OrvPlat_GetTickCount());
            if (restMs > 0) OrvPlat_SleepMs(restMs);
        } else if (msg.message == ORV_MSG_QUIT) {
            OrvTaskBase_TryStop(&mDr_Task);
            OrvShared_Store(globAppQuit, 1);
        } else {
            OrvPlat_DispatchMessage(&msg);
        }
    }
}

static void* DR_Task_Render(void*)
{
    if (!OrvTaskBase_StopRequested(&mDr_Task)) {
        if (!OrvPlat_RegisterRenderClass("OrvRender")) {
            OrvTaskBase_TryStop(&mDr_Task);
            return nullptr;
        }
        OrvRenderHwnd = OrvPlat_CreateRenderWindow("OrvRender", "Render", 0, 0, 1920, 720, DR_Task_WndProc);
        if (OrvRenderHwnd != nullptr) {
            OrvPlat_ShowWindow(OrvRenderHwnd);
            InitGL();
        }
    }
    // Window and context creation are not checked on the target; without a window there is nothing to
    // draw on, so the loop then only waits for the stop request.
    if (OrvRenderHwnd != nullptr) {
        DR_Task_RunLoop();
        if (OrvRenderFuncs[DR_SLOT_QUIT]) {
            OrvRenderFuncs[DR_SLOT_QUIT](OrvRenderFuncsArgv[DR_SLOT_QUIT]);
            SwapGLBuffer();
        }
        DeInitGL();
        OrvPlat_DestroyWindow(OrvRenderHwnd);
        OrvRenderHwnd = nullptr;
    } else {
        while (!OrvTaskBase_StopRequested(&mDr_Task)) OrvPlat_SleepMs(10);
    }
    OrvShared_Store(globAppQuit, 1);
    OrvTaskBase_WorkerEnded(&mDr_Task);
    return nullptr;
}

Int08 DR_Task_Init(void) { return OrvTaskBase_Init(&mDr_Task, nullptr); }
Int08 DR_Task_DeInit(void) { return OrvTaskBase_DeInit(&mDr_Task, nullptr); }
Int08 DR_Task_GetState(void) { return (Int08)mDr_Task.State; }
void  DR_Task_Excute(void) { OrvTaskBase_Excute(&mDr_Task, DR_Task_Render, nullptr, nullptr); }
Int08 DR_Task_PostRequest(void*) { return 1; }
void  DR_Task_Stop(void) { OrvTaskBase_Stop(&mDr_Task); }
void  DR_Task_TryStop(void) { OrvTaskBase_TryStop(&mDr_Task); }
void  DR_Task_BeatDog(void) {}
Int08 DR_Task_IsDogAlive(void) { return 1; }

const OrvTask gDisplayRender = {
    DR_Task_Init, DR_Task_DeInit, DR_Task_GetState, DR_Task_Excute, DR_Task_PostRequest,
    DR_Task_Stop, DR_Task_TryStop, DR_Task_BeatDog, DR_Task_IsDogAlive,
};

// Program entry: starts the main-board, display and head-unit tasks, waits until a window asks
// the application to quit, and stops them in a fixed order.
#include "OrvRender/Render.h"
#include "OrvTask/CduCommunication.h"
#include "OrvTask/DisplayRender.h"
#include "OrvTask/MainBoardCommunication.h"

int WinMain(OrvPlat_Instance* hInstance, OrvPlat_Instance* hPrevInstance, char* lpCmdLine, int nCmdShow)
{
    (void)hPrevInstance; (void)lpCmdLine; (void)nCmdShow;
    globHInstance = hInstance;

    gMainBoardCommunication.Init();
    gDisplayRender.Init();
    gCduCommunication.Init();

    RegisterRenderFuncs(Render, nullptr, CleanUpRender, nullptr);

    gMainBoardCommunication.Excute();
    gDisplayRender.Excute();
    gCduCommunication.Excute();

    while (globAppQuit != 1) OrvPlat_SleepMs(500);

    gMainBoardCommunication.TryStop();
    gDisplayRender.TryStop();
    gCduCommunication.TryStop();

    OrvPlat_SleepMs(200);

    gMainBoardCommunication.Stop();
    gDisplayRender.Stop();
    gCduCommunication.Stop();

    gMainBoardCommunication.DeInit();
    gDisplayRender.DeInit();
    gCduCommunication.DeInit();
    return 0;
}

int main(int argc, char** argv)
{
    (void)argc;
    OrvPlat_Instance* instance = OrvPlat_InitProcess(argv[0]);
    return WinMain(instance, nullptr, nullptr, 0);
}

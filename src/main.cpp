// Program entry: starts the main-board, display and head-unit tasks, waits until a window asks
// the application to quit, and stops them in a fixed order.
#include <cstdio>

#include "OrvRender/Render.h"
#include "OrvTask/CduCommunication.h"
#include "OrvTask/DisplayRender.h"
#include "OrvTask/MainBoardCommunication.h"
#include "platform/OrvPlatform.h"

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

    while (OrvShared_Load(globAppQuit) != 1) OrvPlat_SleepMs(500);

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
    // Ctrl-C and SIGTERM raise the same flag as closing a window: an orderly stop, exit code 0.
    OrvPlat_QuitOnSignals(&globAppQuit);
    // A restart holds the first frames back and skips the self test.
    globReboot = OrvPlat_IsRestart();
    if (globReboot == 1) printf("restart recognised (CLUSTER_RESTART=1)\n");
    // The head-unit server opens once the network bring-up has found IPv6 usable.
    char huHost[128], huPort[16];
    if (CDUC_Task_ListenAddress(huHost, sizeof(huHost), huPort, sizeof(huPort)))
        OrvPlat_StartNetworkBringUp(huHost, &globIpv6_NetworkInstalled);
    else
        printf("head-unit link: bad CLUSTER_HU_ADDR, the link stays down\n");
    return WinMain(instance, nullptr, nullptr, 0);
}

// The head-unit link task. Its worker will serve the head unit over TCP; until the server exists
// the worker and its monitor only wait for the stop request.
#include "OrvTask/CduCommunication.h"

#include "OrvTask/OrvTaskBase.h"

volatile Int08  globIpv6_NetworkInstalled = 0;
volatile UInt32 CduComSrvPnt = 0;

static OrvTaskBase mCduc_Task = ORV_TASK_BASE_INIT(3000);
static pthread_t   mCduc_Task_SelfMoniter;

static void* CDUC_Task_TcpService(void*)
{
    while (mCduc_Task.Stop != 1) OrvPlat_SleepMs(20);
    OrvTaskBase_WorkerEnded(&mCduc_Task);
    return nullptr;
}

static void* CDUC_Task_Monitor(void*)
{
    while (mCduc_Task.Stop != 1) OrvPlat_SleepMs(200);
    return nullptr;
}

Int08 CDUC_Task_Init(void) { return OrvTaskBase_Init(&mCduc_Task, nullptr); }
Int08 CDUC_Task_DeInit(void) { return OrvTaskBase_DeInit(&mCduc_Task, nullptr); }
Int08 CDUC_Task_GetState(void) { return (Int08)mCduc_Task.State; }
void  CDUC_Task_Excute(void)
{
    OrvTaskBase_Excute(&mCduc_Task, CDUC_Task_TcpService, CDUC_Task_Monitor, &mCduc_Task_SelfMoniter);
}
Int08 CDUC_Task_PostRequest(void*) { return 1; }
void  CDUC_Task_Stop(void) { OrvTaskBase_Stop(&mCduc_Task); }
void  CDUC_Task_TryStop(void) { OrvTaskBase_TryStop(&mCduc_Task); }
void  CDUC_Task_BeatDog(void) {}
Int08 CDUC_Task_IsDogAlive(void) { return 1; }

const OrvTask gCduCommunication = {
    CDUC_Task_Init, CDUC_Task_DeInit, CDUC_Task_GetState, CDUC_Task_Excute, CDUC_Task_PostRequest,
    CDUC_Task_Stop, CDUC_Task_TryStop, CDUC_Task_BeatDog, CDUC_Task_IsDogAlive,
};

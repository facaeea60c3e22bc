// The main-board link task. Its worker will own the frame-entry window; until that window exists
// the worker only waits for its stop request.
#include "OrvTask/MainBoardCommunication.h"

#include "OrvTask/OrvTaskBase.h"

static OrvTaskBase mMbc_Task = ORV_TASK_BASE_INIT(2000);

static void* MBC_Task_I2cDispatch(void*)
{
    while (mMbc_Task.Stop != 1) OrvPlat_SleepMs(20);
    OrvTaskBase_WorkerEnded(&mMbc_Task);
    return nullptr;
}

Int08 MBC_Task_Init(void) { return OrvTaskBase_Init(&mMbc_Task, nullptr); }
Int08 MBC_Task_DeInit(void) { return OrvTaskBase_DeInit(&mMbc_Task, nullptr); }
Int08 MBC_Task_GetState(void) { return (Int08)mMbc_Task.State; }
void  MBC_Task_Excute(void) { OrvTaskBase_Excute(&mMbc_Task, MBC_Task_I2cDispatch, nullptr, nullptr); }
Int08 MBC_Task_PostRequest(void*) { return 1; }
void  MBC_Task_Stop(void) { OrvTaskBase_Stop(&mMbc_Task); }
void  MBC_Task_TryStop(void) { OrvTaskBase_TryStop(&mMbc_Task); }
void  MBC_Task_BeatDog(void) {}
Int08 MBC_Task_IsDogAlive(void) { return 1; }

const OrvTask gMainBoardCommunication = {
    MBC_Task_Init, MBC_Task_DeInit, MBC_Task_GetState, MBC_Task_Excute, MBC_Task_PostRequest,
    MBC_Task_Stop, MBC_Task_TryStop, MBC_Task_BeatDog, MBC_Task_IsDogAlive,
};

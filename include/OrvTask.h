/* The task interface: every long-running activity of the cluster (main-board link, display,
 * head-unit link, resource loader) is started and stopped through a constant table of nine
 * operations, and reports its lifecycle as an OrvTaskState. */
#ifndef ORV_TASK_H
#define ORV_TASK_H

#include "BaseTypes.h"
#include "lib/OrvShared.h"
#include "platform/OrvPlatform.h"

typedef enum Enum_OrvTaskState {
    OrvTask_Uninit   = 0,  /* task: not initialised */
    OrvTask_Initing  = 1,  /* task: inside Init */
    OrvTask_Inited   = 2,  /* task: initialised, worker not running */
    OrvTask_Running  = 3,  /* task: worker created; loader item: its load runs */
    OrvTask_Pause    = 4,  /* declared, never entered */
    OrvTask_Stop     = 5,  /* task: worker creation failed, or the worker has ended */
    OrvTask_Setup    = 6,  /* loader item */
    OrvTask_Request  = 7,  /* loader item: being handed over */
    OrvTask_PostFail = 8,  /* loader item: not accepted */
    OrvTask_Abort    = 9,  /* loader item: refused, the waiting queue is full */
    OrvTask_Waiting  = 10, /* loader item: queued */
    OrvTask_Finish   = 11  /* loader item finished; idle loader worker */
} OrvTaskState;

typedef struct Struct_OrvTask {
    Int08 (*Init)(void);
    Int08 (*DeInit)(void);
    Int08 (*GetState)(void);
    void  (*Excute)(void);
    Int08 (*PostRequest)(void* argv);
    void  (*Stop)(void);
    void  (*TryStop)(void);
    void  (*BeatDog)(void);
    Int08 (*IsDogAlive)(void);
} OrvTask;

/* 1 = the application is to quit: set by a window's worker on its quit message and when it ends. */
extern volatile Int08 globAppQuit;
/* The program instance that window-creating workers use. */
extern OrvPlat_Instance* globHInstance;
/* 1 = the program was restarted without a power cycle; cleared by the render loop. */
extern volatile Int08 globReboot;

#endif

/* The resource loader: a pool of up to five worker threads that run caller-supplied load
 * functions. A requester hands over one work item at a time; every change of the item's state is
 * reported through the item's response callback. Carried ready for use; WinMain does not start it. */
#ifndef RESOURCE_LOADER_H
#define RESOURCE_LOADER_H

#include "OrvTask.h"

enum {
    RSL_TASK_WORKER_NUM = 5,   /* workers at the most */
    RSL_TASK_WAIT_LIMIT = 50,  /* a request that finds more items than this waiting is refused */
};

/* A work item. It belongs to the requester and must stay valid until it reaches OrvTask_Finish,
 * OrvTask_Abort or OrvTask_PostFail. */
typedef struct Struct_RslTaskItem {
    UInt16       cntabort;     /* the requester's; the loader neither reads nor writes it */
    UInt16       uniformid;    /* the requester's; the loader neither reads nor writes it */
    OrvTaskState state;        /* written only through RSL_Task_ChangeTaskItemState */
    CommonFun    load;         /* the work, called once on a worker as load(argvload) */
    void*        argvload;
    CommonFun    response;     /* optional: called as response(argvresponse) after every change */
    void*        argvresponse;
} RslTaskItem;

extern const OrvTask gResourceLoader;

Int08 RSL_Task_Init(void);
Int08 RSL_Task_DeInit(void);
Int08 RSL_Task_GetState(void);
void  RSL_Task_Excute(void);
/* argv is an RslTaskItem*. 1 when the serve thread has queued (OrvTask_Waiting) or refused
 * (OrvTask_Abort) it; 0 when it was not accepted (OrvTask_PostFail): NULL item, task not running,
 * task asked to stop, or the hand-over lock not had within 10 ms. */
Int08 RSL_Task_PostRequest(void* argv);
void  RSL_Task_Stop(void);
void  RSL_Task_TryStop(void);
void  RSL_Task_BeatDog(void);
Int08 RSL_Task_IsDogAlive(void);
/* Sets the item's state, then calls its response on the calling thread. NULL does nothing. */
void  RSL_Task_ChangeTaskItemState(RslTaskItem* pItm, OrvTaskState state);

#endif

/* The lifecycle every task shares: the stop flag, the state, the quit semaphore the worker posts
 * when it has ended, the worker thread and the mutex that serialises Init and Excute. Each task
 * module keeps one OrvTaskBase as its file-level state (mDr_Task, mMbc_Task, ...) and builds its
 * nine operations on these functions, so that the handshake is written once. */
#ifndef ORV_TASK_BASE_H
#define ORV_TASK_BASE_H

#include <pthread.h>
#include <semaphore.h>

#include "OrvTask.h"
#include "lib/OrvShared.h"

typedef struct Struct_OrvTaskBase {
    volatile Int08        Stop;          /* 1 (start value): the worker is to end; OrvShared access */
    volatile OrvTaskState State;         /* OrvTask_Uninit at start */
    sem_t                 SemQuit;       /* posted once by the worker when it has ended */
    pthread_t             Thread;
    pthread_mutex_t       Mutex;
    UInt32                StopTimeoutMs; /* how long Stop waits for the worker: 2000 or 3000 */
} OrvTaskBase;

/* Start value of a task's module state. */
#define ORV_TASK_BASE_INIT(timeoutMs) { 1, OrvTask_Uninit, {}, {}, {}, (timeoutMs) }

/* Creates more of a task's own resources inside Init, with the task mutex held; returns 1, or 0
 * after releasing whatever it had created. */
typedef Int08 (*OrvTaskBase_CreateFun)(void);
/* Releases a task's own resources inside DeInit. */
typedef void (*OrvTaskBase_DestroyFun)(void);

/* Init: Uninit -> Initing -> Inited (1), or back to Uninit (0); 0 at once in any other state. */
Int08 OrvTaskBase_Init(OrvTaskBase* task, OrvTaskBase_CreateFun createMore);
/* DeInit: only from Inited or Stop; destroys the semaphore and the mutex (after destroyMore). */
Int08 OrvTaskBase_DeInit(OrvTaskBase* task, OrvTaskBase_DestroyFun destroyMore);
/* Excute: from Inited or Stop, clears the stop flag and creates the worker (Running), or records a
 * failed creation (stop flag 1, Stop). A companion thread, when given, is created after it in the
 * same way whatever the first creation gave, and its result is not checked. */
void OrvTaskBase_Excute(OrvTaskBase* task, CommonFun worker, CommonFun companion, pthread_t* companionThread);
/* TryStop: sets the stop flag. Safe from any thread. */
void OrvTaskBase_TryStop(OrvTaskBase* task);
/* Whether the stop flag is 1; the worker polls it while another thread may set it. */
inline bool OrvTaskBase_StopRequested(const OrvTaskBase* task) { return OrvShared_Load(task->Stop) == 1; }
/* Waits for the quit semaphore at most StopTimeoutMs counted from startTick of the monotonic clock
 * (OrvTaskBase_Now). Returns 1 when the worker had posted, 0 on time-out. */
Int08 OrvTaskBase_WaitQuit(OrvTaskBase* task, struct timespec start);
/* Stop: sets the stop flag and waits for the worker, bounded; a worker that posted in time leaves
 * its task in OrvTask_Stop, one that did not leaves it Running. */
void OrvTaskBase_Stop(OrvTaskBase* task);
/* The worker's last act: posts the quit semaphore once. */
void OrvTaskBase_WorkerEnded(OrvTaskBase* task);

/* sem_clockwait and pthread_mutex_clocklock on the monotonic clock (0, or -1 / an error number as
 * those return). ThreadSanitizer does not know these two calls: in its builds a success is
 * announced to it as the wait or the lock it is, so that it sees the ordering they give. */
int OrvTaskBase_SemClockWait(sem_t* sem, const struct timespec* deadline);
int OrvTaskBase_MutexClockLock(pthread_mutex_t* mutex, const struct timespec* deadline);

/* The monotonic clock, for time-outs counted from a call. */
struct timespec OrvTaskBase_Now(void);
/* start + ms. */
struct timespec OrvTaskBase_After(struct timespec start, UInt32 ms);

#endif

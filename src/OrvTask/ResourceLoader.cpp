// The resource loader: a serve thread that queues handed-over items and wakes or creates workers.
#include "OrvTask/ResourceLoader.h"

#include <cerrno>

#include "OrvTask/OrvTaskBase.h"
#include "lib/OrvQueue.h"

static OrvTaskBase  mRsl_Task = ORV_TASK_BASE_INIT(2000);
static sem_t        mRsl_Task_SemRequest;
static sem_t        mRsl_Task_SemResponse;
static RslTaskItem* mRsl_Task_ItemRequest = nullptr;
// Raised by the serve thread, under the sub-thread mutex, once it answers no more: a requester
// still waiting then takes its item back instead of waiting for an answer that never comes.
static volatile Int08 mRsl_Task_ServeEnded = 0;

static pthread_t             mRsl_Task_SubThread[RSL_TASK_WORKER_NUM];
static Int32                 mRsl_Task_SubThreadID[RSL_TASK_WORKER_NUM];
static sem_t                 mRsl_Task_SubThread_Sem[RSL_TASK_WORKER_NUM];
static volatile Int08        mRsl_Task_SubThread_Stop[RSL_TASK_WORKER_NUM];
static volatile OrvTaskState mRsl_Task_SubThread_State[RSL_TASK_WORKER_NUM];
static Int32                 mRsl_Task_SubThreadNum = 0;
static pthread_mutex_t       mRsl_Task_SubThread_Mutex;
static OrvQueue              mRsl_Task_WaitTaskQueue = {nullptr, nullptr, 0};
static OrvQueue              mRsl_Task_AvaiSubThreadQueue = {nullptr, nullptr, 0};

void RSL_Task_ChangeTaskItemState(RslTaskItem* pItm, OrvTaskState state)
{
    if (pItm == nullptr) return;
    // Workers change the state while the requester and its caller may be reading it.
    OrvShared_Store(pItm->state, state);
    if (pItm->response != nullptr) pItm->response(pItm->argvresponse);
}

static void RSL_Task_DestroyWorkerSems(int count)
{
    for (int i = count - 1; i >= 0; --i) sem_destroy(&mRsl_Task_SubThread_Sem[i]);
}

// Created in a fixed order; the first failure releases the rest in reverse.
static Int08 RSL_Task_CreateMore(void)
{
    if (sem_init(&mRsl_Task_SemResponse, 0, 0) != 0) return 0;
    if (sem_init(&mRsl_Task_SemRequest, 0, 0) != 0) goto no_request;
    if (pthread_mutex_init(&mRsl_Task_SubThread_Mutex, nullptr) != 0) goto no_mutex;
    for (int i = 0; i < RSL_TASK_WORKER_NUM; ++i) {
        if (sem_init(&mRsl_Task_SubThread_Sem[i], 0, 0) != 0) {
            RSL_Task_DestroyWorkerSems(i);
            goto no_workers;
        }
        mRsl_Task_SubThread_State[i] = OrvTask_Finish;
    }
    mRsl_Task_ServeEnded = 0;
    return 1;
no_workers:
    pthread_mutex_destroy(&mRsl_Task_SubThread_Mutex);
no_mutex:
    sem_destroy(&mRsl_Task_SemRequest);
no_request:
    sem_destroy(&mRsl_Task_SemResponse);
    return 0;
}

static void RSL_Task_EmptyQueue(OrvQueue* q)
{
    while (q->length != 0) popQ(q);
}

static void RSL_Task_DestroyMore(void)
{
    RSL_Task_DestroyWorkerSems(RSL_TASK_WORKER_NUM);
    pthread_mutex_destroy(&mRsl_Task_SubThread_Mutex);
    sem_destroy(&mRsl_Task_SemResponse);
    sem_destroy(&mRsl_Task_SemRequest);
    RSL_Task_EmptyQueue(&mRsl_Task_WaitTaskQueue);
    RSL_Task_EmptyQueue(&mRsl_Task_AvaiSubThreadQueue);
    mRsl_Task_SubThreadNum = 0;
}

static void* RSL_Task_WorkerFunc(void* argv)
{
    Int32 n = *static_cast<Int32*>(argv);
    if (n < 0 || n >= RSL_TASK_WORKER_NUM) return nullptr;
    while (OrvShared_Load(mRsl_Task_SubThread_Stop[n]) != 1) {
        sem_wait(&mRsl_Task_SubThread_Sem[n]);
        if (OrvShared_Load(mRsl_Task_SubThread_Stop[n]) == 1) break;
        OrvShared_Store(mRsl_Task_SubThread_State[n], OrvTask_Running);
        for (;;) {
            pthread_mutex_lock(&mRsl_Task_SubThread_Mutex);
            OrvNode* first = head(&mRsl_Task_WaitTaskQueue);
            if (first == nullptr || OrvShared_Load(mRsl_Task_SubThread_Stop[n]) == 1) break;  // keeps the mutex
            RslTaskItem* item = static_cast<RslTaskItem*>(first->data);
            popQ(&mRsl_Task_WaitTaskQueue);
            pthread_mutex_unlock(&mRsl_Task_SubThread_Mutex);
            RSL_Task_ChangeTaskItemState(item, OrvTask_Running);
            item->load(item->argvload);
            RSL_Task_ChangeTaskItemState(item, OrvTask_Finish);
        }
        // Parked under the lock in which the waiting queue was found empty, so an item queued
        // afterwards always finds this worker idle or still draining.
        OrvNode self = {argv, nullptr};
        pushQ(&self, &mRsl_Task_AvaiSubThreadQueue);
        pthread_mutex_unlock(&mRsl_Task_SubThread_Mutex);
    }
    // Release: the serve thread, which waits for every worker's Finish, then lets the task end and
    // its semaphores be destroyed; everything this worker did comes before.
    OrvShared_Publish(mRsl_Task_SubThread_State[n], OrvTask_Finish);
    return nullptr;
}

static void RSL_Task_WakeWorker(void)
{
    if (mRsl_Task_AvaiSubThreadQueue.length != 0) {
        Int32 n = *static_cast<Int32*>(head(&mRsl_Task_AvaiSubThreadQueue)->data);
        popQ(&mRsl_Task_AvaiSubThreadQueue);
        OrvShared_Store(mRsl_Task_SubThread_Stop[n], 0);
        sem_post(&mRsl_Task_SubThread_Sem[n]);
        return;
    }
    if (mRsl_Task_SubThreadNum >= RSL_TASK_WORKER_NUM) return;  // a busy worker will take it
    Int32 n = mRsl_Task_SubThreadNum;
    mRsl_Task_SubThreadID[n] = n;
    OrvShared_Store(mRsl_Task_SubThread_Stop[n], 0);
    if (pthread_create(&mRsl_Task_SubThread[n], nullptr, RSL_Task_WorkerFunc, &mRsl_Task_SubThreadID[n]) != 0) {
        OrvShared_Store(mRsl_Task_SubThread_Stop[n], 1);  // the next request tries the same number again
        return;
    }
    pthread_detach(mRsl_Task_SubThread[n]);
    sem_post(&mRsl_Task_SubThread_Sem[n]);
    mRsl_Task_SubThreadNum += 1;
}

static void RSL_Task_TakeRequest(void)
{
    RslTaskItem* item = mRsl_Task_ItemRequest;
    if (item == nullptr) {
        sem_post(&mRsl_Task_SemResponse);
        return;
    }
    if (mRsl_Task_WaitTaskQueue.length > RSL_TASK_WAIT_LIMIT) {
        RSL_Task_ChangeTaskItemState(item, OrvTask_Abort);
        mRsl_Task_ItemRequest = nullptr;
        sem_post(&mRsl_Task_SemResponse);
        return;
    }
    OrvNode node = {item, nullptr};
    pushQ(&node, &mRsl_Task_WaitTaskQueue);
    RSL_Task_ChangeTaskItemState(item, OrvTask_Waiting);
    mRsl_Task_ItemRequest = nullptr;
    sem_post(&mRsl_Task_SemResponse);
    RSL_Task_WakeWorker();
}

static Int08 RSL_Task_AllWorkersFinished(void)
{
    for (int i = 0; i < RSL_TASK_WORKER_NUM; ++i)
        if (OrvShared_Acquire(mRsl_Task_SubThread_State[i]) != OrvTask_Finish) return 0;
    return 1;
}

static void* RSL_Task_Serve(void*)
{
    while (!OrvTaskBase_StopRequested(&mRsl_Task)) {
        sem_wait(&mRsl_Task_SemRequest);
        if (OrvTaskBase_StopRequested(&mRsl_Task)) break;
        pthread_mutex_lock(&mRsl_Task_SubThread_Mutex);
        RSL_Task_TakeRequest();
        pthread_mutex_unlock(&mRsl_Task_SubThread_Mutex);
    }
    pthread_mutex_lock(&mRsl_Task_SubThread_Mutex);
    OrvShared_Store(mRsl_Task_ServeEnded, 1);
    pthread_mutex_unlock(&mRsl_Task_SubThread_Mutex);

    for (int i = 0; i < RSL_TASK_WORKER_NUM; ++i) {
        OrvShared_Store(mRsl_Task_SubThread_Stop[i], 1);
        sem_post(&mRsl_Task_SubThread_Sem[i]);
    }
    while (!RSL_Task_AllWorkersFinished()) OrvPlat_SleepMs(1);
    OrvTaskBase_WorkerEnded(&mRsl_Task);
    return nullptr;
}

// Waits for the serve thread's answer. Once the serve thread has ended no answer comes: the item
// is taken back (still OrvTask_Request, so the caller reports it not accepted).
static void RSL_Task_AwaitResponse(RslTaskItem* item)
{
    for (;;) {
        struct timespec slice = OrvTaskBase_After(OrvTaskBase_Now(), 20);
        if (OrvTaskBase_SemClockWait(&mRsl_Task_SemResponse, &slice) == 0) return;
        if (errno == EINTR || OrvShared_Load(mRsl_Task_ServeEnded) != 1) continue;
        pthread_mutex_lock(&mRsl_Task_SubThread_Mutex);
        if (mRsl_Task_ItemRequest == item) mRsl_Task_ItemRequest = nullptr;
        pthread_mutex_unlock(&mRsl_Task_SubThread_Mutex);
        while (sem_trywait(&mRsl_Task_SemResponse) == 0) {}
        return;
    }
}

Int08 RSL_Task_PostRequest(void* argv)
{
    struct timespec start = OrvTaskBase_Now();
    RslTaskItem* item = static_cast<RslTaskItem*>(argv);
    if (item == nullptr) return 0;
    // After a stop request the serve thread no longer answers: refuse at once.
    if (mRsl_Task.State != OrvTask_Running || OrvTaskBase_StopRequested(&mRsl_Task)) {
        RSL_Task_ChangeTaskItemState(item, OrvTask_PostFail);
        return 0;
    }
    RSL_Task_ChangeTaskItemState(item, OrvTask_Request);
    struct timespec deadline = OrvTaskBase_After(start, 10);
    if (OrvTaskBase_MutexClockLock(&mRsl_Task.Mutex, &deadline) != 0) {
        RSL_Task_ChangeTaskItemState(item, OrvTask_PostFail);
        return 0;
    }
    mRsl_Task_ItemRequest = item;
    sem_post(&mRsl_Task_SemRequest);
    RSL_Task_AwaitResponse(item);
    if (OrvShared_Load(item->state) == OrvTask_Request) {
        RSL_Task_ChangeTaskItemState(item, OrvTask_PostFail);
        pthread_mutex_unlock(&mRsl_Task.Mutex);
        return 0;
    }
    pthread_mutex_unlock(&mRsl_Task.Mutex);
    return 1;
}

Int08 RSL_Task_Init(void) { return OrvTaskBase_Init(&mRsl_Task, RSL_Task_CreateMore); }
Int08 RSL_Task_DeInit(void) { return OrvTaskBase_DeInit(&mRsl_Task, RSL_Task_DestroyMore); }
Int08 RSL_Task_GetState(void) { return (Int08)mRsl_Task.State; }
void  RSL_Task_Excute(void)
{
    // A restart after a stop begins with no workers: the old ones ended with the serve thread.
    if (mRsl_Task.State == OrvTask_Stop) {
        RSL_Task_EmptyQueue(&mRsl_Task_AvaiSubThreadQueue);
        mRsl_Task_SubThreadNum = 0;
    }
    OrvShared_Store(mRsl_Task_ServeEnded, 0);
    OrvTaskBase_Excute(&mRsl_Task, RSL_Task_Serve, nullptr, nullptr);
}

void RSL_Task_TryStop(void)
{
    OrvTaskBase_TryStop(&mRsl_Task);
    sem_post(&mRsl_Task_SemRequest);
}

void RSL_Task_Stop(void)
{
    struct timespec start = OrvTaskBase_Now();
    RSL_Task_TryStop();
    if (OrvTaskBase_WaitQuit(&mRsl_Task, start) && mRsl_Task.State == OrvTask_Running)
        mRsl_Task.State = OrvTask_Stop;
}

void  RSL_Task_BeatDog(void) {}
Int08 RSL_Task_IsDogAlive(void) { return 1; }

const OrvTask gResourceLoader = {
    RSL_Task_Init, RSL_Task_DeInit, RSL_Task_GetState, RSL_Task_Excute, RSL_Task_PostRequest,
    RSL_Task_Stop, RSL_Task_TryStop, RSL_Task_BeatDog, RSL_Task_IsDogAlive,
};

// The shared task lifecycle. Timed waits use the monotonic clock so that a change of the wall
// clock can neither shorten nor stretch a stop time-out.
#include "OrvTask/OrvTaskBase.h"

#include <cerrno>
#include <ctime>

#if defined(__SANITIZE_THREAD__)
#define ORV_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define ORV_TSAN 1
#endif
#endif
#ifdef ORV_TSAN
#include <sanitizer/tsan_interface.h>
#endif

int OrvTaskBase_SemClockWait(sem_t* sem, const struct timespec* deadline)
{
    int rc = sem_clockwait(sem, CLOCK_MONOTONIC, deadline);
#ifdef ORV_TSAN
    if (rc == 0) __tsan_acquire(sem);  // pairs with the release of the intercepted sem_post
#endif
    return rc;
}

int OrvTaskBase_MutexClockLock(pthread_mutex_t* mutex, const struct timespec* deadline)
{
#ifdef ORV_TSAN
    __tsan_mutex_pre_lock(mutex, __tsan_mutex_try_lock);
#endif
    int rc = pthread_mutex_clocklock(mutex, CLOCK_MONOTONIC, deadline);
#ifdef ORV_TSAN
    __tsan_mutex_post_lock(mutex, __tsan_mutex_try_lock | (rc != 0 ? __tsan_mutex_try_lock_failed : 0), 0);
#endif
    return rc;
}

struct timespec OrvTaskBase_Now(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now;
}

struct timespec OrvTaskBase_After(struct timespec start, UInt32 ms)
{
    start.tv_sec += ms / 1000;
    start.tv_nsec += (long)(ms % 1000) * 1000000L;
    if (start.tv_nsec >= 1000000000L) {
        start.tv_sec += 1;
        start.tv_nsec -= 1000000000L;
    }
    return start;
}

Int08 OrvTaskBase_Init(OrvTaskBase* task, OrvTaskBase_CreateFun createMore)
{
    if (task->State != OrvTask_Uninit) return 0;
    task->State = OrvTask_Initing;
    if (pthread_mutex_init(&task->Mutex, nullptr) != 0) {
        task->State = OrvTask_Uninit;
        return 0;
    }
    pthread_mutex_lock(&task->Mutex);
    Int08 ok = sem_init(&task->SemQuit, 0, 0) == 0 ? 1 : 0;
    if (ok && createMore != nullptr && !createMore()) {
        sem_destroy(&task->SemQuit);
        ok = 0;
    }
    if (ok) {
        task->State = OrvTask_Inited;
        pthread_mutex_unlock(&task->Mutex);
        return 1;
    }
    task->State = OrvTask_Uninit;
    pthread_mutex_unlock(&task->Mutex);
    pthread_mutex_destroy(&task->Mutex);
    return 0;
}

static bool OrvTaskBase_IsStartable(const OrvTaskBase* task)
{
    return task->State == OrvTask_Inited || task->State == OrvTask_Stop;
}

Int08 OrvTaskBase_DeInit(OrvTaskBase* task, OrvTaskBase_DestroyFun destroyMore)
{
    if (!OrvTaskBase_IsStartable(task)) return 0;
    if (destroyMore != nullptr) destroyMore();
    sem_destroy(&task->SemQuit);
    pthread_mutex_destroy(&task->Mutex);
    task->State = OrvTask_Uninit;
    return 1;
}

void OrvTaskBase_Excute(OrvTaskBase* task, CommonFun worker, CommonFun companion, pthread_t* companionThread)
{
    if (!OrvTaskBase_IsStartable(task)) return;
    pthread_mutex_lock(&task->Mutex);
    if (!OrvTaskBase_IsStartable(task)) {
        pthread_mutex_unlock(&task->Mutex);
        return;
    }
    OrvShared_Store(task->Stop, 0);
    if (pthread_create(&task->Thread, nullptr, worker, nullptr) != 0) {
        OrvShared_Store(task->Stop, 1);
        task->State = OrvTask_Stop;
    } else {
        pthread_detach(task->Thread);
        task->State = OrvTask_Running;
    }
    if (companion != nullptr && companionThread != nullptr &&
        pthread_create(companionThread, nullptr, companion, nullptr) == 0)
        pthread_detach(*companionThread);
    pthread_mutex_unlock(&task->Mutex);
}

void OrvTaskBase_TryStop(OrvTaskBase* task) { OrvShared_Store(task->Stop, 1); }

Int08 OrvTaskBase_WaitQuit(OrvTaskBase* task, struct timespec start)
{
    struct timespec deadline = OrvTaskBase_After(start, task->StopTimeoutMs);
    int rc;
    while ((rc = OrvTaskBase_SemClockWait(&task->SemQuit, &deadline)) != 0 && errno == EINTR) {}
    return rc == 0 ? 1 : 0;
}

void OrvTaskBase_Stop(OrvTaskBase* task)
{
    struct timespec start = OrvTaskBase_Now();
    OrvShared_Store(task->Stop, 1);
    // A worker that has posted is gone: record it, so that DeInit can release the task and Excute
    // may start it again. A worker that never posted may still run; its task stays Running.
    if (OrvTaskBase_WaitQuit(task, start) && task->State == OrvTask_Running) task->State = OrvTask_Stop;
}

void OrvTaskBase_WorkerEnded(OrvTaskBase* task) { sem_post(&task->SemQuit); }

volatile Int08    globAppQuit = 0;
OrvPlat_Instance* globHInstance = nullptr;
volatile Int08    globReboot = 0;

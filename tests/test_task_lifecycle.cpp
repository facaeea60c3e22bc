// The task lifecycle shared by every task: states, the stop handshake and its bounded waits.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include "OrvTask/CduCommunication.h"
#include "OrvTask/DisplayRender.h"
#include "OrvTask/MainBoardCommunication.h"
#include "OrvTask/OrvTaskBase.h"
#include "OrvTask/ResourceLoader.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct NamedTask { const char* name; const OrvTask* task; };

const NamedTask kTaskTables[] = {
    {"main-board", &gMainBoardCommunication},
    {"display", &gDisplayRender},
    {"head-unit", &gCduCommunication},
    {"resource loader", &gResourceLoader},
};

// A task built on the shared lifecycle whose worker either posts when stopped or never does.
OrvTaskBase gTestTask = ORV_TASK_BASE_INIT(2000);
std::atomic<bool> gWorkerPosts{true};
std::atomic<bool> gWorkerLeft{false};

void* TestWorker(void*)
{
    while (gTestTask.Stop != 1) OrvPlat_SleepMs(1);
    if (gWorkerPosts) OrvTaskBase_WorkerEnded(&gTestTask);
    gWorkerLeft = true;
    return nullptr;
}

class TaskBaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gTestTask = OrvTaskBase ORV_TASK_BASE_INIT(2000);
        gWorkerPosts = true;
        gWorkerLeft = false;
    }
};

}  // namespace

TEST(TaskTables, SecondInitIsRefusedAndDeInitReleases)
{
    for (const NamedTask& t : kTaskTables) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(t.task->GetState(), OrvTask_Uninit);
        EXPECT_EQ(t.task->DeInit(), 0) << "nothing to release yet";
        ASSERT_EQ(t.task->Init(), 1);
        EXPECT_EQ(t.task->GetState(), OrvTask_Inited);
        EXPECT_EQ(t.task->Init(), 0);
        EXPECT_EQ(t.task->GetState(), OrvTask_Inited);
        EXPECT_EQ(t.task->DeInit(), 1);
        EXPECT_EQ(t.task->GetState(), OrvTask_Uninit);
    }
}

TEST(TaskTables, ExcuteOnUninitialisedTaskDoesNothing)
{
    for (const NamedTask& t : kTaskTables) {
        SCOPED_TRACE(t.name);
        t.task->Excute();
        EXPECT_EQ(t.task->GetState(), OrvTask_Uninit);
    }
}

TEST(TaskTables, WindowAndLinkTasksAcceptAnyRequestAndHaveALiveDog)
{
    int anything = 0;
    for (const OrvTask* task : {&gMainBoardCommunication, &gDisplayRender, &gCduCommunication}) {
        EXPECT_EQ(task->PostRequest(nullptr), 1);
        EXPECT_EQ(task->PostRequest(&anything), 1);
        task->BeatDog();
        EXPECT_EQ(task->IsDogAlive(), 1);
    }
}

TEST_F(TaskBaseTest, RunningTaskCannotBeReleasedOrStartedTwice)
{
    ASSERT_EQ(OrvTaskBase_Init(&gTestTask, nullptr), 1);
    OrvTaskBase_Excute(&gTestTask, TestWorker, nullptr, nullptr);
    ASSERT_EQ(gTestTask.State, OrvTask_Running);
    EXPECT_EQ(gTestTask.Stop, 0);
    EXPECT_EQ(OrvTaskBase_DeInit(&gTestTask, nullptr), 0);
    EXPECT_EQ(gTestTask.State, OrvTask_Running);
    OrvTaskBase_Excute(&gTestTask, TestWorker, nullptr, nullptr);  // ignored while running
    OrvTaskBase_Stop(&gTestTask);
    EXPECT_EQ(gTestTask.State, OrvTask_Stop) << "a worker that posted is recorded as stopped";
    EXPECT_EQ(OrvTaskBase_DeInit(&gTestTask, nullptr), 1);
}

TEST_F(TaskBaseTest, StopReturnsAtOnceWhenTheWorkerHasAlreadyPosted)
{
    ASSERT_EQ(OrvTaskBase_Init(&gTestTask, nullptr), 1);
    OrvTaskBase_Excute(&gTestTask, TestWorker, nullptr, nullptr);
    OrvTaskBase_TryStop(&gTestTask);
    while (!gWorkerLeft) OrvPlat_SleepMs(1);
    auto start = Clock::now();
    OrvTaskBase_Stop(&gTestTask);
    EXPECT_LT(SecondsSince(start), 0.5);
    EXPECT_EQ(OrvTaskBase_DeInit(&gTestTask, nullptr), 1);
}

TEST_F(TaskBaseTest, StopWaitsItsWholeTimeoutForAWorkerThatNeverPosts)
{
    for (UInt32 timeoutMs : {2000u, 3000u}) {
        SCOPED_TRACE(timeoutMs);
        SetUp();
        gTestTask.StopTimeoutMs = timeoutMs;
        gWorkerPosts = false;
        ASSERT_EQ(OrvTaskBase_Init(&gTestTask, nullptr), 1);
        OrvTaskBase_Excute(&gTestTask, TestWorker, nullptr, nullptr);
        auto start = Clock::now();
        OrvTaskBase_Stop(&gTestTask);
        double waited = SecondsSince(start);
        EXPECT_GE(waited, timeoutMs / 1000.0 - 0.01);
        EXPECT_LT(waited, timeoutMs / 1000.0 + 0.5);
        EXPECT_EQ(gTestTask.State, OrvTask_Running) << "a worker that never posted may still run";
        EXPECT_EQ(OrvTaskBase_DeInit(&gTestTask, nullptr), 0);
    }
}

TEST_F(TaskBaseTest, FailedExtraResourceLeavesTheTaskUninitialised)
{
    EXPECT_EQ(OrvTaskBase_Init(&gTestTask, [] { return (Int08)0; }), 0);
    EXPECT_EQ(gTestTask.State, OrvTask_Uninit);
    EXPECT_EQ(OrvTaskBase_Init(&gTestTask, [] { return (Int08)1; }), 1) << "a later Init may succeed";
    EXPECT_EQ(OrvTaskBase_DeInit(&gTestTask, nullptr), 1);
}

TEST_F(TaskBaseTest, CompanionThreadStartsWithTheWorker)
{
    static std::atomic<bool> companionRan{false};
    pthread_t companion;
    ASSERT_EQ(OrvTaskBase_Init(&gTestTask, nullptr), 1);
    OrvTaskBase_Excute(&gTestTask, TestWorker, [](void*) -> void* { companionRan = true; return nullptr; },
                       &companion);
    for (int i = 0; i < 1000 && !companionRan; ++i) OrvPlat_SleepMs(1);
    EXPECT_TRUE(companionRan);
    OrvTaskBase_Stop(&gTestTask);
    EXPECT_EQ(OrvTaskBase_DeInit(&gTestTask, nullptr), 1);
}

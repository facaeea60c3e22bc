// The resource loader: hand-over, five workers, the waiting limit, and refusals.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "OrvTask/ResourceLoader.h"

namespace {

// A work item that records every state it is reported in and whose load can be held.
struct Job {
    RslTaskItem item{};
    std::mutex lock;
    std::vector<OrvTaskState> seen;
    std::atomic<bool>* gate = nullptr;  // load waits while *gate is false

    Job()
    {
        item.load = [](void* argv) -> void* {
            Job* job = static_cast<Job*>(argv);
            while (job->gate && !job->gate->load()) OrvPlat_SleepMs(1);
            return nullptr;
        };
        item.argvload = this;
        item.response = [](void* argv) -> void* {
            Job* job = static_cast<Job*>(argv);
            std::lock_guard<std::mutex> guard(job->lock);
            job->seen.push_back(OrvShared_Load(job->item.state));
            return nullptr;
        };
        item.argvresponse = this;
    }
    std::vector<OrvTaskState> Seen()
    {
        std::lock_guard<std::mutex> guard(lock);
        return seen;
    }
};

// Waits until the item's response has recorded the state: the loader sets the state before it
// calls the response, so a job is not released while its response still runs.
bool WaitForState(Job& job, OrvTaskState state, int timeoutMs = 2000)
{
    auto reached = [&] {
        std::vector<OrvTaskState> seen = job.Seen();
        return !seen.empty() && seen.back() == state;
    };
    for (int i = 0; i < timeoutMs; ++i) {
        if (reached()) return true;
        OrvPlat_SleepMs(1);
    }
    return reached();
}

class LoaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(gResourceLoader.Init(), 1);
        gResourceLoader.Excute();
        ASSERT_EQ(gResourceLoader.GetState(), OrvTask_Running);
    }
    void TearDown() override
    {
        gResourceLoader.Stop();
        EXPECT_EQ(gResourceLoader.DeInit(), 1);
    }
};

const std::vector<OrvTaskState> kFullLife = {OrvTask_Request, OrvTask_Waiting, OrvTask_Running, OrvTask_Finish};

}  // namespace

TEST(LoaderRefusals, NullAndNotRunning)
{
    EXPECT_EQ(RSL_Task_PostRequest(nullptr), 0);

    Job early;
    EXPECT_EQ(RSL_Task_PostRequest(&early.item), 0) << "before Init";
    ASSERT_EQ(gResourceLoader.Init(), 1);
    Job beforeExcute;
    EXPECT_EQ(RSL_Task_PostRequest(&beforeExcute.item), 0);
    EXPECT_EQ(beforeExcute.Seen(), std::vector<OrvTaskState>{OrvTask_PostFail});
    EXPECT_EQ(gResourceLoader.DeInit(), 1);
}

TEST_F(LoaderTest, ItemGoesThroughEveryStateToFinish)
{
    Job job;
    EXPECT_EQ(RSL_Task_PostRequest(&job.item), 1);
    ASSERT_TRUE(WaitForState(job, OrvTask_Finish));
    EXPECT_EQ(job.Seen(), kFullLife);
}

TEST_F(LoaderTest, FiveWorkersRunAndTheSixthItemWaitsForOne)
{
    std::atomic<bool> gate{false};
    std::vector<Job> jobs(6);
    for (Job& job : jobs) {
        job.gate = &gate;
        ASSERT_EQ(RSL_Task_PostRequest(&job.item), 1);
    }
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(WaitForState(jobs[i], OrvTask_Running)) << i;
    OrvPlat_SleepMs(50);
    EXPECT_EQ(OrvShared_Load(jobs[5].item.state), OrvTask_Waiting);

    gate = true;
    for (Job& job : jobs) EXPECT_TRUE(WaitForState(job, OrvTask_Finish));
    EXPECT_EQ(jobs[5].Seen(), kFullLife);
}

TEST_F(LoaderTest, RequestFindingFiftyOneWaitingIsAborted)
{
    std::atomic<bool> gate{false};
    std::vector<Job> busy(5), waiting(51);
    for (Job& job : busy) {
        job.gate = &gate;
        ASSERT_EQ(RSL_Task_PostRequest(&job.item), 1);
    }
    for (Job& job : busy) ASSERT_TRUE(WaitForState(job, OrvTask_Running));
    for (Job& job : waiting) {
        job.gate = &gate;
        ASSERT_EQ(RSL_Task_PostRequest(&job.item), 1);
        ASSERT_EQ(OrvShared_Load(job.item.state), OrvTask_Waiting);
    }
    Job refused;
    EXPECT_EQ(RSL_Task_PostRequest(&refused.item), 1) << "the serve thread dealt with it";
    EXPECT_EQ(refused.Seen(), (std::vector<OrvTaskState>{OrvTask_Request, OrvTask_Abort}));

    gate = true;
    // Every job, the busy ones too, until its last answer is in: the workers use the jobs until then.
    auto answered = [](Job& job) {
        for (int i = 0; i < 2000; ++i) {
            std::vector<OrvTaskState> seen = job.Seen();
            if (!seen.empty() && seen.back() == OrvTask_Finish) return true;
            OrvPlat_SleepMs(1);
        }
        return false;
    };
    for (Job& job : busy) EXPECT_TRUE(answered(job));
    for (Job& job : waiting) EXPECT_TRUE(answered(job));
}

TEST_F(LoaderTest, RequestAfterAStopRequestIsRefusedAtOnce)
{
    gResourceLoader.TryStop();
    Job late;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(RSL_Task_PostRequest(&late.item), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_EQ(late.Seen(), std::vector<OrvTaskState>{OrvTask_PostFail});
}

TEST_F(LoaderTest, RequestsFromSeveralThreadsAreEachDealtWith)
{
    std::vector<Job> jobs(40);
    std::vector<std::thread> requesters;
    std::atomic<int> accepted{0}, refused{0};
    for (int t = 0; t < 4; ++t)
        requesters.emplace_back([&, t] {
            for (int i = t; i < 40; i += 4)
                (RSL_Task_PostRequest(&jobs[i].item) ? accepted : refused) += 1;
        });
    for (auto& r : requesters) r.join();
    EXPECT_EQ(accepted + refused, 40);
    // A requester that could not have the hand-over lock within 10 ms is refused, never lost.
    for (Job& job : jobs) {
        if (OrvShared_Load(job.item.state) == OrvTask_PostFail) continue;
        EXPECT_TRUE(WaitForState(job, OrvTask_Finish));
    }
}

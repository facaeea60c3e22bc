// Per-thread window-message queues. Toolkit backends register a pump for their thread; peeking
// first lets every pump turn pending toolkit events into messages, then takes one message. This
// mirrors the thread message queue of the cluster's window code: one message per pass, the quit
// message is never dispatched, and messages of another thread's window go to that thread's queue.
#include "OrvPlatWindow.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <vector>

struct OrvPlat_ThreadQueue {
    std::mutex              lock;
    std::condition_variable posted;
    std::deque<OrvPlat_Msg> msgs;
    struct Pump { OrvPlat_PumpFun pump; OrvPlat_WaitFun wait; };
    std::vector<Pump>       pumps;   // touched only by the owning thread
};

struct OrvPlat_ThreadQueue* OrvPlat_CurrentQueue(void)
{
    // Leaked on purpose: a window may outlive its creator's last call into the queue, and the
    // queues of the handful of window threads cost nothing.
    thread_local OrvPlat_ThreadQueue* queue = new OrvPlat_ThreadQueue;
    return queue;
}

void OrvPlat_RegisterThreadPump(OrvPlat_PumpFun pump, OrvPlat_WaitFun wait)
{
    auto& pumps = OrvPlat_CurrentQueue()->pumps;
    for (auto& p : pumps) if (p.pump == pump) return;
    pumps.push_back({pump, wait});
}

void OrvPlat_UnregisterThreadPump(OrvPlat_PumpFun pump)
{
    auto& pumps = OrvPlat_CurrentQueue()->pumps;
    pumps.erase(std::remove_if(pumps.begin(), pumps.end(),
                               [pump](const OrvPlat_ThreadQueue::Pump& p) { return p.pump == pump; }),
                pumps.end());
}

static Int08 OrvPlat_TakeMessage(OrvPlat_ThreadQueue* q, OrvPlat_Msg* msg)
{
    std::lock_guard<std::mutex> guard(q->lock);
    if (q->msgs.empty()) return 0;
    *msg = q->msgs.front();
    q->msgs.pop_front();
    return 1;
}

static void OrvPlat_RunPumps(OrvPlat_ThreadQueue* q)
{
    // A pump may register or unregister pumps (a window closing); iterate over a copy.
    auto pumps = q->pumps;
    for (auto& p : pumps) p.pump();
}

Int08 OrvPlat_PeekMessage(OrvPlat_Msg* msg)
{
    OrvPlat_ThreadQueue* q = OrvPlat_CurrentQueue();
    if (OrvPlat_TakeMessage(q, msg)) return 1;
    OrvPlat_RunPumps(q);
    return OrvPlat_TakeMessage(q, msg);
}

Int08 OrvPlat_WaitMessage(OrvPlat_Msg* msg, UInt32 timeoutMs)
{
    OrvPlat_ThreadQueue* q = OrvPlat_CurrentQueue();
    if (OrvPlat_PeekMessage(msg)) return 1;
    if (!q->pumps.empty()) {
        // A toolkit can only wait for its own events; wait on the first one, then take whatever
        // arrived (its events, or messages other threads posted meanwhile).
        q->pumps.front().wait(timeoutMs);
    } else {
        std::unique_lock<std::mutex> guard(q->lock);
        q->posted.wait_for(guard, std::chrono::milliseconds(timeoutMs), [q] { return !q->msgs.empty(); });
    }
    return OrvPlat_PeekMessage(msg);
}

Int32 OrvPlat_DispatchMessage(const OrvPlat_Msg* msg)
{
    if (msg->window == nullptr || msg->window->proc == nullptr) return 0;
    return msg->window->proc(msg->window, msg->message, msg->wParam, msg->lParam);
}

static void OrvPlat_Append(OrvPlat_ThreadQueue* q, const OrvPlat_Msg& msg)
{
    {
        std::lock_guard<std::mutex> guard(q->lock);
        q->msgs.push_back(msg);
    }
    q->posted.notify_one();
}

void OrvPlat_PostMessage(OrvPlat_Window* window, UInt32 message, Int32 wParam, Int32 lParam)
{
    OrvPlat_ThreadQueue* q = (window && window->owner) ? window->owner : OrvPlat_CurrentQueue();
    OrvPlat_Append(q, OrvPlat_Msg{window, message, wParam, lParam});
}

void OrvPlat_PostQuitMessage(Int32 exitCode)
{
    OrvPlat_Append(OrvPlat_CurrentQueue(), OrvPlat_Msg{nullptr, ORV_MSG_QUIT, exitCode, 0});
}

Int32 OrvPlat_DefWindowProc(OrvPlat_Window*, UInt32, Int32, Int32) { return 0; }

/* Waiting on the head-unit link task that runs inside a test process: polls of a condition with a
 * time-out, and the marker the link's worker leaves between connections. */
#ifndef LINK_WAIT_H
#define LINK_WAIT_H

#include <chrono>
#include <functional>
#include <thread>

#include "OrvTask/CduCommunication.h"
#include "lib/OrvShared.h"

/* Milliseconds since t on the steady clock. */
inline long long MsSince(std::chrono::steady_clock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t).count();
}

/* Polls pred every 5 ms; false when it has not held within timeoutMs. */
inline bool WaitFor(const std::function<bool()>& pred, int timeoutMs)
{
    const auto start = std::chrono::steady_clock::now();
    while (!pred()) {
        if (MsSince(start) > timeoutMs) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

/* The marker the worker leaves when a connection has ended and the store has been reset. */
inline bool ServerIdle()
{
    const UInt32 mark = OrvShared_Load(CduComSrvPnt);
    return mark == 0x2017 || mark == 0x1001;
}

#endif

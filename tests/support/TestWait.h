/* Waiting in a test for something another thread or process brings about: a condition polled
 * with a time-out, so a slow machine makes the test slower, never wrong. */
#ifndef TEST_WAIT_H
#define TEST_WAIT_H

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

/* Milliseconds since t on the steady clock. */
inline long long MsSince(std::chrono::steady_clock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t).count();
}

/* How many times longer than designed an instrumented build may take over a time-limited step
 * (E2E_PACE, a whole number, as for the end-to-end scripts; 1 when unset). */
inline int TestPace()
{
    const char* pace = std::getenv("E2E_PACE");
    const int n = pace != nullptr ? std::atoi(pace) : 1;
    return n > 1 ? n : 1;
}

/* Polls pred every 5 ms; false when it has not held within timeoutMs. */
inline bool WaitFor(const std::function<bool()>& pred, int timeoutMs = 5000)
{
    const auto start = std::chrono::steady_clock::now();
    while (!pred()) {
        if (MsSince(start) > timeoutMs) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

#endif

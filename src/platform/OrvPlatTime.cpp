// Tick counter and sleeps. The tick is CLOCK_MONOTONIC in milliseconds, cut to 32 bits so that it
// wraps like the target's counter; tests may drive it by hand to step animations exactly.
#include "platform/OrvPlatform.h"

#include <atomic>
#include <ctime>
#include <cerrno>

static std::atomic<bool>   mPlat_TickDriven{false};
static std::atomic<UInt32> mPlat_DrivenTick{0};

UInt32 OrvPlat_GetTickCount(void)
{
    if (mPlat_TickDriven.load(std::memory_order_acquire)) return mPlat_DrivenTick.load();
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (UInt32)((uint64_t)ts.tv_sec * 1000u + (uint64_t)ts.tv_nsec / 1000000u);
}

void OrvPlat_DriveTick(UInt32 tick)
{
    mPlat_DrivenTick.store(tick);
    mPlat_TickDriven.store(true, std::memory_order_release);
}

void OrvPlat_AdvanceTick(UInt32 ms) { mPlat_DrivenTick.fetch_add(ms); }

void OrvPlat_ReleaseTick(void) { mPlat_TickDriven.store(false, std::memory_order_release); }

static void OrvPlat_SleepNs(uint64_t ns)
{
    timespec ts{(time_t)(ns / 1000000000u), (long)(ns % 1000000000u)};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {}
}

void OrvPlat_SleepMs(UInt32 ms) { OrvPlat_SleepNs((uint64_t)ms * 1000000u); }

void OrvPlat_SleepUs(UInt32 us) { OrvPlat_SleepNs((uint64_t)us * 1000u); }

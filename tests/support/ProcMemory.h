/* Memory figures of the test process, read from /proc/self/status: a test that feeds a lying size
 * or a hostile peer checks that the process did not grow by what was announced. */
#ifndef PROC_MEMORY_H
#define PROC_MEMORY_H

#include <cstdio>
#include <string>

/* The value in KiB of a "Name: N kB" line of /proc/self/status; -1 when missing. */
inline long ProcMemoryKiB(const char* name)
{
    FILE* f = fopen("/proc/self/status", "r");
    if (f == nullptr) return -1;
    const std::string format = std::string(name) + ": %ld kB";
    char line[256];
    long kib = -1;
    while (fgets(line, sizeof line, f) != nullptr)
        if (sscanf(line, format.c_str(), &kib) == 1) break;
    fclose(f);
    return kib;
}

/* Virtual memory high-water mark in KiB. */
inline long PeakVirtualKiB() { return ProcMemoryKiB("VmPeak"); }
/* Resident memory in KiB. */
inline long ResidentKiB() { return ProcMemoryKiB("VmRSS"); }

#endif

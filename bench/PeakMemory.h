// The resident memory of the benchmark's own process, read from /proc: now, and the peak since the
// peak was last reset. A Winelib program is a Linux process too, so the application benchmark reads
// the same figures.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <malloc.h>

// The value of the line `field` ("VmRSS:", "VmHWM:") of /proc/self/status in MB; 0 when unknown.
inline double ProcessStatusMegabytes(const char* field)
{
    FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr)
        return 0.0;
    const size_t length = std::strlen(field);
    char line[256];
    double kilobytes = 0.0;
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, field, length) == 0)
            kilobytes = std::atof(line + length);
    }
    std::fclose(status);
    return kilobytes / 1024.0;
}

// The resident memory of the process now, in MB (0 when unknown).
inline double ResidentMegabytes()
{
    return ProcessStatusMegabytes("VmRSS:");
}

// Hands the memory freed so far back to the system and makes the resident memory of now the peak, so
// that the next PeakResidentMegabytes shows what the work in between took at its highest, not what
// earlier work left in the allocator. Returns false when the peak cannot be reset (then the peak is
// the process's whole life).
inline bool ResetPeakResident()
{
    ::malloc_trim(0);
    FILE* refs = std::fopen("/proc/self/clear_refs", "w");
    if (refs == nullptr)
        return false;
    const bool written = std::fputs("5", refs) >= 0;
    return std::fclose(refs) == 0 && written;
}

// The highest resident memory of the process since the last ResetPeakResident (or its start), in MB
// (0 when unknown).
inline double PeakResidentMegabytes()
{
    return ProcessStatusMegabytes("VmHWM:");
}

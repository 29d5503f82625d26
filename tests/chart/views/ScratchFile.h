// A scratch file of the chart view and dialog tests. Include "wine_gtest.h" first.
#pragma once

// the standard headers before windows.h, which defines min and max as macros
#include <cstdio>
#include <string>

#include <windows.h>

// A scratch file in /tmp: its host path and the Windows path a file dialog answers for it. Removed at
// the end.
class ScratchFile {
public:
    explicit ScratchFile(const char* pszName)
    {
        char szHost[160];
        std::snprintf(szHost, sizeof szHost, "/tmp/ondrix_chart_view_%lu_%s", (unsigned long)::GetCurrentProcessId(),
                      pszName);
        host = szHost;
        windows = "Z:" + host;
        for (char& c : windows)
            if (c == '/')
                c = '\\';
        std::remove(host.c_str());
    }
    ~ScratchFile() { std::remove(host.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    std::string host;
    std::string windows;
};

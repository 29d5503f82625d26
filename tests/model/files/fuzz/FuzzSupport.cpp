#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

struct ScratchFiles {
    std::string paths[2];
    ScratchFiles()
    {
        const char* tmp = std::getenv("TMPDIR");
        const std::string folder = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
        for (std::string& path : paths) {
            std::string pattern = folder + "/ondrix-fuzz-XXXXXX";
            const int fd = ::mkstemp(&pattern[0]);
            if (fd < 0) {
                std::perror("ondrix fuzz: mkstemp");
                std::abort();
            }
            ::close(fd);
            path = pattern;
        }
    }
    ~ScratchFiles()
    {
        for (const std::string& path : paths)
            ::unlink(path.c_str());
    }
};

ScratchFiles& Files()
{
    static ScratchFiles files;
    return files;
}

} // namespace

const std::string& FuzzScratchPath(int n)
{
    return Files().paths[n == 0 ? 0 : 1];
}

const std::string& WriteFuzzInput(int n, const uint8_t* data, size_t size)
{
    const std::string& path = FuzzScratchPath(n);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr || (size > 0 && std::fwrite(data, 1, size, f) != size) || std::fclose(f) != 0) {
        std::perror("ondrix fuzz: writing the input");
        std::abort();
    }
    return path;
}

void FuzzCheck(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "ondrix fuzz: property broken: %s\n", what);
        std::abort();
    }
}

std::string FuzzTableText(const ZQTable& table, int skip)
{
    std::string text;
    for (const ZQRow& row : table) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (int(i) == skip)
                continue;
            text.append(row[i].GetString(), size_t(row[i].GetLength()));
            text += '\x1f';
        }
        text += '\x1e';
    }
    return text;
}

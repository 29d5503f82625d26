#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

std::string ModelDataPath(const std::string& relative)
{
    const char* root = std::getenv("ONDRIX_TEST_DATA");
    EXPECT_NE(root, nullptr) << "ONDRIX_TEST_DATA is not set";
    return std::string(root != nullptr ? root : "tests/data") + "/model/" + relative;
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot read " << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    EXPECT_TRUE(out.good()) << "cannot write " << path;
}

bool PathExists(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

ScratchDir::ScratchDir()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/ondrix-files-XXXXXX";
    if (::mkdtemp(&pattern[0]) == nullptr)
        ADD_FAILURE() << "cannot create a scratch folder from " << pattern;
    m_path = pattern;
}

ScratchDir::~ScratchDir()
{
    for (const std::string& name : Entries())
        ::unlink(File(name).c_str());
    ::rmdir(m_path.c_str());
}

std::vector<std::string> ScratchDir::Entries() const
{
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(m_path.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void BuildExampleProject(CZQInterfaceData& project)
{
    project.AddCriterion("size", "", ZQ_KIND_ORDINAL, 1);
    project.AddScaleValue("size", "big", 1);
    project.AddScaleValue("size", "small", 2);
    project.AddCriterion("w", "weight", ZQ_KIND_GAIN, 2);
    project.AddAlternative("A1");
    project.AddAlternative("A2");
    project.AlternativesTable[0] = ZQRow{"A1", "note", "1"};
    project.EvaluationsTable[1] = ZQRow{"A1", "big", "2.5"};
    project.EvaluationsTable[2] = ZQRow{"A2", "small", "10"};
}

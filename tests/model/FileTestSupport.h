// Helpers of the project file tests: the test data folder, a scratch folder, whole-file bytes, and
// the worked example project.
#pragma once

#include "model/ZQInterfaceData.h"

#include <string>
#include <vector>

// The path of a file under tests/data/model (ONDRIX_TEST_DATA names tests/data).
std::string ModelDataPath(const std::string& relative);

// The bytes of a file; fails the calling test when it cannot be read.
std::string ReadFileBytes(const std::string& path);
// Replaces the file with bytes; fails the calling test when it cannot be written.
void WriteFileBytes(const std::string& path, const std::string& bytes);
// True when something exists at path.
bool PathExists(const std::string& path);

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // The path of name inside the folder.
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    // The names of the entries of the folder, sorted.
    std::vector<std::string> Entries() const;

private:
    std::string m_path;
};

// Fills an empty project with the worked example: the ordinal criterion size (big 1, small 2, one
// segment), the gain criterion w ("weight", two segments), A1 (information "note", rank 1, big,
// 2.5) and A2 (small, 10). The project needs its shell.
void BuildExampleProject(CZQInterfaceData& project);

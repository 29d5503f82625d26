// Helpers of the project file tests: the test data folder with its good and bad files, a scratch
// folder, whole-file bytes, and the project the file tests write.
#pragma once

#include "FakeShell.h"

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
// The names of the entries of a folder (without "." and ".."), sorted; none when it cannot be read.
std::vector<std::string> FolderEntries(const std::string& path);

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
    std::vector<std::string> Entries() const { return FolderEntries(m_path); }

private:
    std::string m_path;
};

// Fills an empty project with the ordinal criterion size (big 1, small 2, one segment), the gain
// criterion w ("weight", two segments), A1 (information "note", rank 1, big, 2.5) and A2 (small,
// 10). The project needs its shell.
void BuildSizeAndWeightProject(CZQInterfaceData& project);

// The paths of the files of tests/data/model/FORMAT/good, sorted by name. Each must read.
std::vector<std::string> GoodFiles(const std::string& format);

// What a bad project file must leave behind when its read fails, as the first line of the file
// NAME.expected beside it says: "left as it was" (refused before the project was touched) or
// "emptied" (refused after the project was reset: a new project is left). The lines after it say
// why the file is bad.
enum class BadFileOutcome { LeftAsItWas, Emptied };

struct BadFile {
    std::string path;
    BadFileOutcome outcome = BadFileOutcome::LeftAsItWas;
    // The file's name and why it is bad, for failure messages.
    std::string trace;
};

// Every bad file of tests/data/model/FORMAT/bad (any file there but the .expected ones), sorted by
// name, with the outcome its NAME.expected file gives; then a path where no file is, which must leave
// the project as it was. Fails the calling test for a bad file whose .expected file is missing or
// does not start with one of the two outcomes, and for an .expected file that no bad file has.
std::vector<BadFile> BadFiles(const std::string& format);

// A project for a bad file to be read into: the size-and-weight project, a credibility choice
// and the modified flag set, the shell's calls forgotten.
struct BadFileTarget {
    CZQInterfaceData project;
    FakeShell shell{&project};

    BadFileTarget();
    // Checks what the failed read left: with LeftAsItWas no action of the shell and the project,
    // the credibility choice and the modified flag as they were; with Emptied the project reset and
    // its tables those of a new project.
    void ExpectLeft(BadFileOutcome outcome) const;
};

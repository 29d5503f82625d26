// Helpers of the project file tests: the test data folder with its good and bad files, a scratch
// folder, whole-file bytes, and the project the file tests write.
#pragma once

#include "FakeShell.h"

#include "model/ZQInterfaceData.h"

#include <functional>
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

// How a test reads a project file at path into a project, with the settings its format needs;
// returns the reader's result.
typedef std::function<int(CZQInterfaceData& project, const char* path)> ProjectFileRead;

// Reads every file of tests/data/model/FORMAT/good with `read` into a new project and expects
// success (a nonzero result).
void ExpectGoodFilesRead(const std::string& format, const ProjectFileRead& read);

// Reads every bad file of tests/data/model/FORMAT/bad with `read` and expects 0 and what the note
// beside it says the read must leave. A bad file is any file there but the notes; its note
// NAME.expected starts with the line "left as it was" (refused before the project was touched: no
// action of the shell, the project, its credibility choice and its modified flag as they were) or
// "emptied" (refused after the project was reset: the tables of a new project); the lines after it
// say why the file is bad and name the case in failures. A path where no file is must leave the
// project as it was too. `checkEmptied`, when given, checks more of a project a bad file emptied.
// A bad file without its note, a note without its file, or a note of another first line fails the
// test: a file dropped into the folder is tested without a change of code once it has its note.
void ExpectBadFilesFail(const std::string& format, const ProjectFileRead& read,
                        const std::function<void(const CZQInterfaceData&)>& checkEmptied = nullptr);

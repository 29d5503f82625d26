#include "FileTestSupport.h"

#include "TableText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The note beside a bad file: NAME.expected for NAME.EXT.
const char kNoteSuffix[] = ".expected";
const char kLeftAsItWas[] = "left as it was";
const char kEmptied[] = "emptied";

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The name without its last extension.
std::string Stem(const std::string& name)
{
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

} // namespace

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

std::vector<std::string> FolderEntries(const std::string& path)
{
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(path.c_str())) {
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

void BuildSizeAndWeightProject(CZQInterfaceData& project)
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

void ExpectGoodFilesRead(const std::string& format, const ProjectFileRead& read)
{
    const std::string folder = ModelDataPath(format + "/good");
    const std::vector<std::string> names = FolderEntries(folder);
    EXPECT_FALSE(names.empty()) << "no good files in " << folder;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        CZQInterfaceData project;
        FakeShell shell(&project);
        EXPECT_NE(read(project, (folder + "/" + name).c_str()), 0);
    }
}

namespace {

// What a bad project file must leave behind when its read fails.
enum class Outcome { LeftAsItWas, Emptied };

struct BadFile {
    std::string path;
    Outcome outcome = Outcome::LeftAsItWas;
    // The file's name and why it is bad.
    std::string trace;
};

// The bad files of the folder with the outcomes their notes give, then a path where no file is.
std::vector<BadFile> BadFiles(const std::string& folder)
{
    const std::vector<std::string> names = FolderEntries(folder);
    std::set<std::string> notes;
    for (const std::string& name : names) {
        if (EndsWith(name, kNoteSuffix))
            notes.insert(name);
    }

    std::vector<BadFile> files;
    for (const std::string& name : names) {
        if (EndsWith(name, kNoteSuffix))
            continue;
        const std::string note = Stem(name) + kNoteSuffix;
        if (notes.erase(note) == 0) {
            ADD_FAILURE() << folder << "/" << name << " has no " << note << " saying what it must leave: \""
                          << kLeftAsItWas << "\" or \"" << kEmptied << "\"";
            continue;
        }
        std::ifstream in(folder + "/" + note);
        std::string outcome, line, why;
        std::getline(in, outcome);
        while (std::getline(in, line))
            why += (why.empty() ? "" : " ") + line;
        BadFile file;
        file.path = folder + "/" + name;
        file.trace = name + ": " + why;
        if (outcome == kEmptied) {
            file.outcome = Outcome::Emptied;
        } else if (outcome != kLeftAsItWas) {
            ADD_FAILURE() << folder << "/" << note << " starts with \"" << outcome << "\", not \"" << kLeftAsItWas
                          << "\" or \"" << kEmptied << "\"";
            continue;
        }
        files.push_back(file);
    }
    EXPECT_FALSE(files.empty()) << "no bad files in " << folder;
    for (const std::string& orphan : notes)
        ADD_FAILURE() << folder << "/" << orphan << " belongs to no bad file";

    BadFile missing;
    missing.path = folder + "/no such file";
    missing.trace = "a file that does not exist";
    files.push_back(missing);
    return files;
}

} // namespace

void ExpectBadFilesFail(const std::string& format, const ProjectFileRead& read,
                        const std::function<void(const CZQInterfaceData&)>& checkEmptied)
{
    for (const BadFile& file : BadFiles(ModelDataPath(format + "/bad"))) {
        SCOPED_TRACE(file.trace);
        // What the read must leave as it was: a project, a credibility choice and the modified flag.
        CZQInterfaceData project;
        FakeShell shell(&project);
        BuildSizeAndWeightProject(project);
        project.CredibilityList = {"A1"};
        project.CredibilityDefined = 1;
        shell.modified = 1;
        shell.ClearCalls();

        EXPECT_EQ(read(project, file.path.c_str()), 0);
        if (file.outcome == Outcome::LeftAsItWas) {
            CZQInterfaceData original;
            FakeShell originalShell(&original);
            BuildSizeAndWeightProject(original);
            EXPECT_EQ(shell.Actions(), std::vector<std::string>{});
            EXPECT_EQ(Text(project.CriteriaTable), Text(original.CriteriaTable));
            EXPECT_EQ(Text(project.ScaleValuesTable), Text(original.ScaleValuesTable));
            EXPECT_EQ(Text(project.AlternativesTable), Text(original.AlternativesTable));
            EXPECT_EQ(Text(project.EvaluationsTable), Text(original.EvaluationsTable));
            EXPECT_EQ(project.CredibilityList.size(), 1u);
            EXPECT_EQ(project.CredibilityDefined, 1);
            EXPECT_EQ(shell.modified, 1);
        } else {
            EXPECT_NE(std::find(shell.calls.begin(), shell.calls.end(), "ResetProject()"), shell.calls.end());
            EXPECT_TRUE(project.CriteriaTable.empty());
            EXPECT_TRUE(project.ScaleValuesTable.empty());
            EXPECT_TRUE(project.AlternativesTable.empty());
            EXPECT_EQ(Text(project.EvaluationsTable), (TextTable{{""}}));
            if (checkEmptied)
                checkEmptied(project);
        }
    }
}

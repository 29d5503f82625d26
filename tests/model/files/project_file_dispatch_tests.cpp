// OpenProject and SaveProject: the file types; saves that a format cannot hold, that may not replace
// the file, or that fail part-way through, each warned of by the Save command.
#include "FakeShell.h"
#include "FileTestSupport.h"
#include "TableText.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const struct {
    int type;
    const char* name;
} kFormats[] = {{ZQ_FILE_CSV, "p.csv"}, {ZQ_FILE_XML, "p.zex"}, {ZQ_FILE_ZEK, "p.zek"}};

TEST(ProjectFileDispatchTest, EachTypeRoundTripsAndOtherTypesDoNothing)
{
    ScratchDir dir;
    CZQInterfaceData project;
    FakeShell shell(&project);
    BuildSizeAndWeightProject(project);
    for (const auto& format : kFormats) {
        SCOPED_TRACE(format.name);
        const std::string path = dir.File(format.name);
        ASSERT_NE(project.SaveProject(path.c_str(), format.type, '.', ','), 0);
        CZQInterfaceData copy;
        FakeShell copyShell(&copy);
        ASSERT_NE(copy.OpenProject(path.c_str(), format.type, '.', ','), 0);
        EXPECT_EQ(copy.AlternativesTable.size(), 2u);
        EXPECT_EQ(Text(copy.EvaluationsTable)[1][2], "2.5");
    }
    EXPECT_EQ(project.SaveProject(dir.File("p.other").c_str(), 3, '.', ','), 0);
    EXPECT_EQ(project.SaveProject(dir.File("p.other").c_str(), -1, '.', ','), 0);
    EXPECT_FALSE(PathExists(dir.File("p.other")));
    shell.ClearCalls();
    EXPECT_EQ(project.OpenProject(dir.File("p.zex").c_str(), 3, '.', ','), 0);
    EXPECT_EQ(shell.Actions(), std::vector<std::string>{});
}

// A save that the disk cuts short (here: the file size limit of the process) leaves the file it was
// to replace as it was, and no temporary file behind.
TEST(ProjectFileDispatchTest, ASaveThatFailsWhileWritingLeavesTheOldFile)
{
    ScratchDir dir;
    CZQInterfaceData project;
    FakeShell shell(&project);
    BuildSizeAndWeightProject(project);
    for (int i = 0; i < 200; ++i) {
        CString name;
        name.Format("alternative number %d", i);
        project.AddAlternative(name);
    }

    const std::string old = "the previous file, which must survive";
    for (const auto& format : kFormats) {
        SCOPED_TRACE(format.name);
        const std::string path = dir.File(format.name);
        WriteFileBytes(path, old);

        struct rlimit saved;
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        void (*previous)(int) = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = 512;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        shell.modified = 1;
        const int result = project.SaveProject(path.c_str(), format.type, '.', ',');
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);

        EXPECT_EQ(result, 0);
        EXPECT_EQ(shell.modified, 1);
        EXPECT_EQ(ReadFileBytes(path), old);
        EXPECT_EQ(dir.Entries().size(), size_t(&format - kFormats) + 1);
    }
}

// What the shell shows when a save fails.
const std::vector<std::string> kCantWrite = {"ShowMessage(Can't write file!, Ondrix, 48)"};

// Two numeric criteria and the alternatives a (1, 2) and b (3, 4).
void BuildPriceAndQualityProject(CZQInterfaceData& project)
{
    project.AddCriterion("price", "", ZQ_KIND_GAIN, 2);
    project.AddCriterion("quality", "", ZQ_KIND_COST, 2);
    project.AddAlternative("a");
    project.AddAlternative("b");
    project.EvaluationsTable[1] = ZQRow{"a", "1", "2"};
    project.EvaluationsTable[2] = ZQRow{"b", "3", "4"};
}

// Renames the alternative in row `row` (from 0) of the alternatives table, in both tables.
void RenameAlternative(CZQInterfaceData& project, size_t row, const char* name)
{
    project.AlternativesTable[row][0] = project.EvaluationsTable[row + 1][0] = name;
}

// A save that the file's format cannot take back as it was is refused before the disk is touched,
// with the same warning as any failed save; CSV, which holds duplicate names, keeps writing them. A
// file that a save writes opens again.
TEST(ProjectFileDispatchTest, ProjectsAFormatCannotHoldAreRefusedWithTheWarningAndTheOldFileStays)
{
    const struct {
        const char* what;
        std::function<void(CZQInterfaceData&)> change;
        bool xmlHolds, csvHolds, zekHolds;
    } cases[] = {
        {"two alternatives of one name", [](CZQInterfaceData& p) { RenameAlternative(p, 1, "a"); }, false, true, false},
        {"two criteria of one name",
         [](CZQInterfaceData& p) { p.CriteriaTable[1][0] = p.EvaluationsTable[0][2] = "price"; }, false, true, false},
        {"two criteria equal but for case",
         [](CZQInterfaceData& p) { p.CriteriaTable[1][0] = p.EvaluationsTable[0][2] = "PRICE"; }, true, true, false},
        {"evaluations beyond the float range",
         [](CZQInterfaceData& p) {
             p.EvaluationsTable[1][1] = "1e+41";
             p.EvaluationsTable[2][2] = "-1e+41";
         },
         true, true, false},
        {"alternatives equal once the XML reader folds them (0xB9 reads 'a')",
         [](CZQInterfaceData& p) { RenameAlternative(p, 1, "\xB9"); }, false, true, true},
        {"an empty alternative name", [](CZQInterfaceData& p) { RenameAlternative(p, 1, ""); }, false, false, true},
        {"criteria without an alternative",
         [](CZQInterfaceData& p) {
             p.AlternativesTable.clear();
             p.EvaluationsTable.resize(1);
         },
         true, true, true},
        {"alternatives without a criterion",
         [](CZQInterfaceData& p) {
             p.CriteriaTable.clear();
             for (ZQRow& row : p.EvaluationsTable)
                 row.resize(1);
         },
         true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir dir;
        CZQInterfaceData project;
        FakeShell shell(&project);
        BuildPriceAndQualityProject(project);
        c.change(project);
        const bool holds[] = {c.csvHolds, c.xmlHolds, c.zekHolds};
        for (const auto& format : kFormats) {
            SCOPED_TRACE(format.name);
            const std::string path = dir.File(format.name);
            WriteFileBytes(path, "an earlier file");
            shell.modified = 1;
            shell.ClearCalls();

            const int result = project.SaveProjectOrWarn(path.c_str(), format.type, '.', ';');

            if (holds[format.type]) {
                EXPECT_EQ(result, 1);
                EXPECT_EQ(shell.Actions(), std::vector<std::string>{"SetModified(0)"});
            } else {
                EXPECT_EQ(result, 0);
                EXPECT_EQ(shell.Actions(), kCantWrite);
                EXPECT_EQ(ReadFileBytes(path), "an earlier file");
                EXPECT_EQ(shell.modified, 1);
            }
        }
        EXPECT_EQ(dir.Entries().size(), 3u);  // no temporary file left behind

        for (const auto& format : kFormats) {
            if (!holds[format.type])
                continue;
            SCOPED_TRACE(std::string("reopening ") + format.name);
            CZQInterfaceData copy;
            FakeShell copyShell(&copy);
            ASSERT_NE(copy.OpenProject(dir.File(format.name).c_str(), format.type, '.', ';'), 0);
            EXPECT_EQ(copy.CriteriaTable.size(), project.CriteriaTable.size());
            EXPECT_EQ(copy.AlternativesTable.size(), project.AlternativesTable.size());
            if (format.type == ZQ_FILE_CSV) {
                EXPECT_EQ(Text(copy.AlternativesTable), Text(project.AlternativesTable));
                EXPECT_EQ(Text(copy.EvaluationsTable), Text(project.EvaluationsTable));
            }
        }
    }
}

// A file that may not be written is not replaced, whoever saves it; nor is a file made in a folder
// that cannot take one.
TEST(ProjectFileDispatchTest, AReadOnlyFileOrFolderRefusesTheSaveWithTheWarning)
{
    ScratchDir dir;
    CZQInterfaceData project;
    FakeShell shell(&project);
    BuildSizeAndWeightProject(project);
    for (const auto& format : kFormats) {
        SCOPED_TRACE(format.name);
        const std::string path = dir.File(format.name);
        WriteFileBytes(path, "read-only file");
        ASSERT_EQ(chmod(path.c_str(), 0444), 0);
        shell.modified = 1;
        shell.ClearCalls();
        EXPECT_EQ(project.SaveProjectOrWarn(path.c_str(), format.type, '.', ';'), 0);
        EXPECT_EQ(shell.Actions(), kCantWrite);
        EXPECT_EQ(ReadFileBytes(path), "read-only file");
        struct stat st;
        ASSERT_EQ(stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0444u);
        EXPECT_EQ(shell.modified, 1);

        // /proc takes no new file, not even from the administrator
        const std::string unwritable = std::string("/proc/ondrix-") + format.name;
        shell.ClearCalls();
        EXPECT_EQ(project.SaveProjectOrWarn(unwritable.c_str(), format.type, '.', ';'), 0);
        EXPECT_EQ(shell.Actions(), kCantWrite);
        EXPECT_FALSE(PathExists(unwritable));
    }
    EXPECT_EQ(dir.Entries().size(), 3u);
}

} // namespace

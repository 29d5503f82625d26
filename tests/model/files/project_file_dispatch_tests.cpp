// OpenProject and SaveProject: the file types, and saves that fail part-way through.
#include "FakeShell.h"
#include "FileTestSupport.h"
#include "TableText.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>

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

} // namespace

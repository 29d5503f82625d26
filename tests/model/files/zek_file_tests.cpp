// The sibling program's binary file: a project of an ordinal and a gain criterion byte for byte,
// segment codes, the texts the reader drops, and what a bad file leaves behind.
#include "FakeShell.h"
#include "FileTestSupport.h"
#include "TableText.h"

#include "model/files/ProjectZek.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ZekFileTest : ::testing::Test {
    CZQInterfaceData project;
    FakeShell shell{&project};
    ScratchDir dir;
};

TEST_F(ZekFileTest, SizeAndWeightIsWrittenByteForByteAndReadsBackInItsOwnTerms)
{
    BuildSizeAndWeightProject(project);
    const std::string path = dir.File("e.zek");
    shell.modified = 1;
    ASSERT_NE(project.WriteZekFile(path.c_str()), 0);
    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes.size(), 81u);
    EXPECT_EQ(bytes, ReadFileBytes(ModelDataPath("zek/good/size_and_weight.zek")));
    EXPECT_EQ(shell.modified, 0);

    CZQInterfaceData copy;
    FakeShell copyShell(&copy);
    copy.AddCriterion("old", "", ZQ_KIND_GAIN, 2);
    copy.CredibilityList = {"A1"};
    copy.CredibilityDefined = 1;
    ASSERT_NE(copy.ReadZekFile(path.c_str()), 0);
    // names upper case, the ordinal a cost criterion of scale positions, no information or rank
    EXPECT_EQ(Text(copy.CriteriaTable), (TextTable{{"SIZE", "", "cost", "2"}, {"W", "weight", "gain", "2"}}));
    EXPECT_EQ(Text(copy.AlternativesTable), (TextTable{{"A1", "", ""}, {"A2", "", ""}}));
    EXPECT_EQ(Text(copy.EvaluationsTable), (TextTable{{"", "SIZE", "W"}, {"A1", "1", "2.5"}, {"A2", "2", "10"}}));
    EXPECT_TRUE(copy.ScaleValuesTable.empty());
    EXPECT_EQ(copyShell.alternativeItems.size(), 2u);
    EXPECT_TRUE(copy.CredibilityList.empty());
    EXPECT_EQ(copy.CredibilityDefined, 0);
    EXPECT_EQ(copyShell.modified, 0);
}

TEST_F(ZekFileTest, SegmentsAreWrittenAsCodesWithinOneToNine)
{
    const struct {
        const char* segments;
        int code;
        const char* readBack;
    } cases[] = {
        {"0", 1, "2"}, {"1", 2, "2"}, {"2", 3, "2"}, {"7", 8, "7"},
        {"8", 9, "8"}, {"12", 9, "8"}, {"-3", 1, "2"}, {"99999999999", 9, "8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.segments);
        CZQInterfaceData p;
        FakeShell s(&p);
        p.AddCriterion("c", "", ZQ_KIND_GAIN, 0);
        p.CriteriaTable[0][3] = c.segments;
        std::string bytes;
        ASSERT_NE(p.WriteZekBytes(&bytes), 0);
        // magic 9 bytes, "CrTab" 7, count 2, name "C" 3, empty description 1: the code is byte 22
        ASSERT_GT(bytes.size(), 23u);
        EXPECT_EQ(int(static_cast<unsigned char>(bytes[22])), c.code);
        EXPECT_EQ(bytes[23], 1);

        CZQInterfaceData copy;
        FakeShell copyShell(&copy);
        ASSERT_NE(copy.ReadZekBytes(bytes), 0);
        EXPECT_EQ(Text(copy.CriteriaTable), (TextTable{{"C", "", "gain", c.readBack}}));
    }
}

TEST_F(ZekFileTest, GoodFilesRead)
{
    const struct {
        const char* file;
        TextTable criteria;
        TextTable evaluations;
    } cases[] = {
        {"segment_codes.zek",
         {{"C0", "", "cost", "2"},
          {"C1", "", "gain", "2"},
          {"C2", "", "cost", "2"},
          {"C3", "", "cost", "2"},
          {"C8", "", "cost", "7"},
          {"C9", "", "gain", "8"}},
         {{"", "C0", "C1", "C2", "C3", "C8", "C9"}, {"A", "1", "2", "3", "4", "5", "6"}}},
        // a 40-byte name and a 10-byte description read back empty; 39 and 9 bytes are kept
        {"long_texts.zek",
         {{"", "", "gain", "2"}, {std::string(39, 'N'), std::string(9, 'D'), "cost", "2"}},
         {{"", "", std::string(39, 'N')}, {"", "1", "2"}, {"", "3", "4"}}},
        // no alternatives: the file ends after the count, without "Ok"
        {"zero_alternatives.zek", {{"G", "", "gain", "2"}}, {{"", "G"}}},
        {"negative_alternatives.zek", {{"G", "", "gain", "2"}}, {{"", "G"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        CZQInterfaceData p;
        FakeShell s(&p);
        ASSERT_NE(p.ReadZekFile(ModelDataPath(std::string("zek/good/") + c.file).c_str()), 0);
        EXPECT_EQ(Text(p.CriteriaTable), c.criteria);
        EXPECT_EQ(Text(p.EvaluationsTable), c.evaluations);
        EXPECT_EQ(p.AlternativesTable.size() + 1, c.evaluations.size());
    }
}

// A file refused in its header leaves the project as it was; one refused after it leaves an empty
// project, not a partial one, and no credibility choice.
TEST(ZekFileFolders, EveryGoodFileReadsAndEveryBadFileFailsAsItsNoteSays)
{
    const ProjectFileRead read = [](CZQInterfaceData& p, const char* path) { return p.ReadZekFile(path); };
    ExpectGoodFilesRead("zek", read);
    ExpectBadFilesFail("zek", read, [](const CZQInterfaceData& p) { EXPECT_TRUE(p.CredibilityList.empty()); });
}

// A float keeps about seven digits and nothing beyond its range: values that only lose precision (or
// are infinite already) are stored; one that would turn into an infinity refuses the save (see the
// table of refused projects).
TEST_F(ZekFileTest, ValuesThatOnlyLosePrecisionAreKept)
{
    project.AddCriterion("g", "", ZQ_KIND_GAIN, 2);
    const char* const values[][2] = {
        {"3.40282e+38", "3.40282e+38"}, {"-3.40282e+38", "-3.40282e+38"}, {"3.14159265", "3.14159"},
        {"1e-50", "0"},                 {"inf", "inf"},                   {"-inf", "-inf"},
    };
    for (const auto& value : values) {
        project.AddAlternative(value[0]);
        project.EvaluationsTable.back()[1] = value[0];
    }
    std::string bytes;
    ASSERT_NE(project.WriteZekBytes(&bytes), 0);
    CZQInterfaceData copy;
    FakeShell copyShell(&copy);
    ASSERT_NE(copy.ReadZekBytes(bytes), 0);
    ASSERT_EQ(copy.EvaluationsTable.size(), 1 + sizeof values / sizeof values[0]);
    for (size_t i = 0; i < sizeof values / sizeof values[0]; ++i)
        EXPECT_EQ(S(copy.EvaluationsTable[i + 1][1]), values[i][1]) << values[i][0];
}

TEST_F(ZekFileTest, SavesTheFormatCannotHoldAreRefused)
{
    const std::string path = dir.File("kept.zek");
    WriteFileBytes(path, "previous");

    // no criterion: no file is created
    EXPECT_EQ(project.WriteZekFile(dir.File("none.zek").c_str()), 0);
    EXPECT_FALSE(PathExists(dir.File("none.zek")));

    // a text its length byte cannot count; 255 bytes still fit
    for (size_t length : {size_t(256), size_t(1000)}) {
        for (int where = 0; where < 3; ++where) {
            CZQInterfaceData p;
            FakeShell s(&p);
            BuildSizeAndWeightProject(p);
            const CString text(std::string(length, 'x').c_str());
            if (where == 0)
                p.CriteriaTable[1][0] = p.EvaluationsTable[0][2] = text;
            else if (where == 1)
                p.CriteriaTable[1][1] = text;
            else
                p.AlternativesTable[1][0] = p.EvaluationsTable[2][0] = text;
            SCOPED_TRACE(where);
            EXPECT_EQ(p.WriteZekFile(path.c_str()), 0);
            EXPECT_EQ(ReadFileBytes(path), "previous");
        }
    }
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"kept.zek"});

    BuildSizeAndWeightProject(project);
    project.CriteriaTable[1][1] = CString(std::string(255, 'd').c_str());
    EXPECT_NE(project.WriteZekFile(path.c_str()), 0);
}

TEST_F(ZekFileTest, NamesTheReaderWouldEmptyAreRefused)
{
    // The reader empties a name of 40 bytes or more: two such alternatives would come back as two
    // alternatives of no name. 39 bytes still read back.
    const std::string path = dir.File("kept.zek");
    WriteFileBytes(path, "previous");
    for (size_t length : {size_t(39), size_t(40)}) {
        for (bool criterion : {true, false}) {
            CZQInterfaceData p;
            FakeShell s(&p);
            BuildSizeAndWeightProject(p);
            const CString name(std::string(length, criterion ? 'C' : 'a').c_str());
            const CString other(std::string(length, 'b').c_str());
            if (criterion) {
                p.CriteriaTable[1][0] = p.EvaluationsTable[0][2] = name;
            } else {
                p.AlternativesTable[0][0] = p.EvaluationsTable[1][0] = name;
                p.AlternativesTable[1][0] = p.EvaluationsTable[2][0] = other;
            }
            SCOPED_TRACE(testing::Message() << length << (criterion ? " criterion" : " alternatives"));
            if (length >= 40) {
                EXPECT_EQ(p.WriteZekFile(path.c_str()), 0);
                EXPECT_EQ(ReadFileBytes(path), "previous");
                continue;
            }
            ASSERT_NE(p.WriteZekFile(path.c_str()), 0);
            CZQInterfaceData copy;
            FakeShell copyShell(&copy);
            ASSERT_NE(copy.ReadZekFile(path.c_str()), 0);
            if (criterion) {
                EXPECT_EQ(copy.CriteriaTable[1][0], name);
            } else {
                EXPECT_EQ(copy.AlternativesTable[0][0], name);
                EXPECT_EQ(copy.AlternativesTable[1][0], other);
            }
            WriteFileBytes(path, "previous");
        }
    }
}

} // namespace

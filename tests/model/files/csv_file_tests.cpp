// The project CSV file: the worked example, the reader's line rules and number forms, and the saves
// the writer refuses.
#include "FakeShell.h"
#include "FileTestSupport.h"
#include "TableText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CsvFileTest : ::testing::Test {
    CZQInterfaceData project;
    FakeShell shell{&project};
    ScratchDir dir;

    int Read(const std::string& name, char decimalSymbol = ',', char listSeparator = ';')
    {
        return project.ReadCsv(ModelDataPath("csv/" + name).c_str(), decimalSymbol, listSeparator);
    }
};

const TextTable kExampleCriteria{{"size", "", "cost", "2"}, {"w", "", "gain", "2"}};
const TextTable kExampleAlternatives{{"A1", "", ""}, {"A2", "", ""}};
const TextTable kExampleEvaluations{{"", "size", "w"}, {"A1", "1", "2.5"}, {"A2", "2", "10"}};

TEST_F(CsvFileTest, ExampleIsWrittenAsExpectedAndReadsBackWithoutScalesOrRanks)
{
    BuildExampleProject(project);
    const std::string path = dir.File("e.csv");
    shell.modified = 1;
    ASSERT_EQ(project.WriteCsv(path.c_str(), ',', ';'), 1);
    EXPECT_EQ(ReadFileBytes(path), ";c;g\n;size;w\nA1;1;2,5\nA2;2;10\n");
    EXPECT_EQ(ReadFileBytes(path), ReadFileBytes(ModelDataPath("csv/example_e.csv")));
    EXPECT_EQ(shell.modified, 0);

    CZQInterfaceData copy;
    FakeShell copyShell(&copy);
    copy.CredibilityList = {"A1"};
    copy.CredibilityDefined = 1;
    copyShell.modified = 1;
    ASSERT_EQ(copy.ReadCsv(path.c_str(), ',', ';'), 1);
    EXPECT_EQ(Text(copy.CriteriaTable), kExampleCriteria);
    EXPECT_EQ(Text(copy.AlternativesTable), kExampleAlternatives);
    EXPECT_EQ(Text(copy.EvaluationsTable), kExampleEvaluations);
    EXPECT_TRUE(copy.ScaleValuesTable.empty());
    EXPECT_EQ(copyShell.alternativeItems.size(), 2u);
    EXPECT_EQ(copyShell.criterionItems.size(), 2u);
    EXPECT_TRUE(copy.CredibilityList.empty());
    EXPECT_EQ(copy.CredibilityDefined, 0);
    EXPECT_EQ(copyShell.modified, 0);
}

TEST_F(CsvFileTest, GoodFilesRead)
{
    const struct {
        const char* file;
        TextTable evaluations;
    } cases[] = {
        {"example_e_crlf.csv", kExampleEvaluations},
        {"blank_lines.csv", kExampleEvaluations},
        // not a number, the "3." and "5.e-002" forms of older files, and six significant digits
        {"number_forms.csv", {{"", "p", "q", "r", "s"}, {"N", "0", "3", "0.05", "3.14159"}}},
        // a last line cut short by the end of the file keeps empty cells
        {"last_line_short.csv", {{"", "p", "q"}, {"A", "1", "2"}, {"B", "3", ""}}},
        {"last_line_no_feed.csv", {{"", "p", "q"}, {"A", "1", "2"}, {"B", "3", "4"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        CZQInterfaceData p;
        FakeShell s(&p);
        ASSERT_EQ(p.ReadCsv(ModelDataPath(std::string("csv/") + c.file).c_str(), ',', ';'), 1);
        EXPECT_EQ(Text(p.EvaluationsTable), c.evaluations);
        EXPECT_EQ(p.AlternativesTable.size() + 1, c.evaluations.size());
    }
}

TEST_F(CsvFileTest, BadFilesFailAndLeaveTheTablesAsTheyWere)
{
    BuildExampleProject(project);
    const TextTable criteria = Text(project.CriteriaTable), alternatives = Text(project.AlternativesTable),
                    evaluations = Text(project.EvaluationsTable);
    for (const char* file : {"bad_kind_upper_g.csv", "bad_kind_missing.csv", "bad_no_criterion.csv",
                             "bad_empty_cell.csv", "bad_empty_last_cell.csv", "bad_too_few_cells.csv",
                             "bad_too_many_cells.csv", "bad_last_line_long.csv", "bad_last_line_name_only.csv",
                             "bad_no_alternative.csv", "bad_name_count.csv", "bad_empty_name.csv",
                             "bad_name_line_start.csv", "bad_alternative_without_name.csv",
                             "bad_blank_then_separator.csv", "bad_empty.csv", "no_such_file.csv"}) {
        SCOPED_TRACE(file);
        shell.ClearCalls();
        EXPECT_EQ(Read(file), 0);
        EXPECT_EQ(Text(project.CriteriaTable), criteria);
        EXPECT_EQ(Text(project.AlternativesTable), alternatives);
        EXPECT_EQ(Text(project.EvaluationsTable), evaluations);
        EXPECT_EQ(shell.Actions(), std::vector<std::string>{});
    }
}

TEST_F(CsvFileTest, NumbersKeepSevenDigitsOnWriteAndSixOnRead)
{
    project.AddCriterion("g", "", ZQ_KIND_GAIN, 2);
    const struct {
        const char* cell;
        const char* written;  // decimal symbol ','
        const char* read;
    } cases[] = {
        {"3.14159265", "3,141593", "3.14159"},
        {"3", "3", "3"},
        {"0.05", "0,05", "0.05"},
        {"-12.5", "-12,5", "-12.5"},
        {"1234567.8", "1234568", "1.23457e+06"},
        {"abc", "0", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        project.EvaluationsTable.resize(1);
        project.AlternativesTable.clear();
        project.AddAlternative("a");
        project.EvaluationsTable[1][1] = c.cell;
        const std::string path = dir.File("n.csv");
        ASSERT_EQ(project.WriteCsv(path.c_str(), ',', ';'), 1);
        EXPECT_EQ(ReadFileBytes(path), std::string(";g\n;g\na;") + c.written + "\n");

        CZQInterfaceData copy;
        FakeShell copyShell(&copy);
        ASSERT_EQ(copy.ReadCsv(path.c_str(), ',', ';'), 1);
        EXPECT_EQ(Text(copy.EvaluationsTable), (TextTable{{"", "g"}, {"a", c.read}}));
    }
}

TEST_F(CsvFileTest, SavesThatCouldNotBeReadBackAreRefused)
{
    const struct {
        const char* what;
        const char* criterion;
        const char* alternative;
        const char* value;
        char decimalSymbol;
        char listSeparator;
    } cases[] = {
        {"separator in a criterion name", "a;b", "x", "1", ',', ';'},
        {"separator in an alternative name", "c", "x;y", "1", ',', ';'},
        {"line feed in a name", "c", "x\ny", "1", ',', ';'},
        {"carriage return in a name", "c\r", "x", "1", ',', ';'},
        {"decimal symbol equal to the separator", "c", "x", "2.5", ',', ','},
        {"minus sign equal to the separator", "c", "x", "-1", '.', '-'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CZQInterfaceData p;
        FakeShell s(&p);
        p.AddCriterion(c.criterion, "", ZQ_KIND_GAIN, 2);
        p.AddAlternative(c.alternative);
        p.EvaluationsTable[1][1] = c.value;
        const std::string path = dir.File("kept.csv");
        WriteFileBytes(path, "previous");
        s.modified = 1;
        EXPECT_EQ(p.WriteCsv(path.c_str(), c.decimalSymbol, c.listSeparator), 0);
        EXPECT_EQ(ReadFileBytes(path), "previous");
        EXPECT_EQ(s.modified, 1);
        EXPECT_EQ(dir.Entries(), std::vector<std::string>{"kept.csv"});
    }
}

TEST_F(CsvFileTest, OtherSeparatorsAndTheEmptyProject)
{
    BuildExampleProject(project);
    const std::string path = dir.File("tab.csv");
    ASSERT_EQ(project.WriteCsv(path.c_str(), '.', '\t'), 1);
    EXPECT_EQ(ReadFileBytes(path), "\tc\tg\n\tsize\tw\nA1\t1\t2.5\nA2\t2\t10\n");
    CZQInterfaceData copy;
    FakeShell copyShell(&copy);
    ASSERT_EQ(copy.ReadCsv(path.c_str(), '.', '\t'), 1);
    EXPECT_EQ(Text(copy.EvaluationsTable), kExampleEvaluations);

    // a project without alternatives is written, but such a file does not read back
    CZQInterfaceData empty;
    FakeShell emptyShell(&empty);
    empty.AddCriterion("c", "", ZQ_KIND_COST, 2);
    const std::string emptyPath = dir.File("empty.csv");
    ASSERT_EQ(empty.WriteCsv(emptyPath.c_str(), ',', ';'), 1);
    EXPECT_EQ(ReadFileBytes(emptyPath), ";c\n;c\n");
    EXPECT_EQ(copy.ReadCsv(emptyPath.c_str(), ',', ';'), 0);
}

} // namespace

// The project CSV file: a project of an ordinal and a gain criterion, the reader's line rules and
// number forms, the bad files, and the saves the writer refuses.
#include "FakeShell.h"
#include "FileTestSupport.h"
#include "TableText.h"

#include "model/files/ProjectCsv.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct CsvFileTest : ::testing::Test {
    CZQInterfaceData project;
    FakeShell shell{&project};
    ScratchDir dir;

};

// The size-and-weight project as a CSV file reads it back: the ordinal criterion as a cost one of
// scale positions, without scales, information or ranks.
const TextTable kSizeAndWeightCriteria{{"size", "", "cost", "2"}, {"w", "", "gain", "2"}};
const TextTable kSizeAndWeightAlternatives{{"A1", "", ""}, {"A2", "", ""}};
const TextTable kSizeAndWeightEvaluations{{"", "size", "w"}, {"A1", "1", "2.5"}, {"A2", "2", "10"}};

TEST_F(CsvFileTest, SizeAndWeightIsWrittenAsExpectedAndReadsBackWithoutScalesOrRanks)
{
    BuildSizeAndWeightProject(project);
    const std::string path = dir.File("e.csv");
    shell.modified = 1;
    ASSERT_EQ(project.WriteCsv(path.c_str(), ',', ';'), 1);
    EXPECT_EQ(ReadFileBytes(path), ";c;g\n;size;w\nA1;1;2,5\nA2;2;10\n");
    EXPECT_EQ(ReadFileBytes(path), ReadFileBytes(ModelDataPath("csv/good/size_and_weight.csv")));
    EXPECT_EQ(shell.modified, 0);

    CZQInterfaceData copy;
    FakeShell copyShell(&copy);
    copy.CredibilityList = {"A1"};
    copy.CredibilityDefined = 1;
    copyShell.modified = 1;
    ASSERT_EQ(copy.ReadCsv(path.c_str(), ',', ';'), 1);
    EXPECT_EQ(Text(copy.CriteriaTable), kSizeAndWeightCriteria);
    EXPECT_EQ(Text(copy.AlternativesTable), kSizeAndWeightAlternatives);
    EXPECT_EQ(Text(copy.EvaluationsTable), kSizeAndWeightEvaluations);
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
        {"size_and_weight_crlf.csv", kSizeAndWeightEvaluations},
        {"blank_lines.csv", kSizeAndWeightEvaluations},
        // not a number, the "3." and "5.e-002" forms of older files, and six significant digits
        {"number_forms.csv", {{"", "p", "q", "r", "s"}, {"N", "0", "3", "0.05", "3.14159"}}},
        // a last line cut short by the end of the file keeps empty cells
        {"last_line_short.csv", {{"", "p", "q"}, {"A", "1", "2"}, {"B", "3", ""}}},
        {"last_line_no_feed.csv", {{"", "p", "q"}, {"A", "1", "2"}, {"B", "3", "4"}}},
        // criteria without an alternative, as a project is saved before its alternatives are added
        {"no_alternative.csv", {{"", "p", "q"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        CZQInterfaceData p;
        FakeShell s(&p);
        ASSERT_EQ(p.ReadCsv(ModelDataPath(std::string("csv/good/") + c.file).c_str(), ',', ';'), 1);
        EXPECT_EQ(Text(p.EvaluationsTable), c.evaluations);
        EXPECT_EQ(p.AlternativesTable.size() + 1, c.evaluations.size());
    }
}

// A CSV file is checked whole before any table changes.
TEST(CsvFileFolders, EveryGoodFileReadsAndEveryBadFileFailsAsItsNoteSays)
{
    const ProjectFileRead read = [](CZQInterfaceData& p, const char* path) { return p.ReadCsv(path, ',', ';'); };
    ExpectGoodFilesRead("csv", read);
    ExpectBadFilesFail("csv", read);
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
        std::string bytes;
        ASSERT_EQ(project.WriteCsvBytes(&bytes, ',', ';'), 1);
        EXPECT_EQ(bytes, std::string(";g\n;g\na;") + c.written + "\n");

        CZQInterfaceData copy;
        FakeShell copyShell(&copy);
        ASSERT_EQ(copy.ReadCsvBytes(bytes, ',', ';'), 1);
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

TEST_F(CsvFileTest, OtherSeparators)
{
    BuildSizeAndWeightProject(project);
    std::string tabs;
    ASSERT_EQ(project.WriteCsvBytes(&tabs, '.', '\t'), 1);
    EXPECT_EQ(tabs, "\tc\tg\n\tsize\tw\nA1\t1\t2.5\nA2\t2\t10\n");
    CZQInterfaceData copy;
    FakeShell copyShell(&copy);
    ASSERT_EQ(copy.ReadCsvBytes(tabs, '.', '\t'), 1);
    EXPECT_EQ(Text(copy.EvaluationsTable), kSizeAndWeightEvaluations);
}

// Every file a save writes reads back to the project it was written from, as far as the format
// holds it; a project the format cannot hold is refused, and the old file stays.
TEST_F(CsvFileTest, EverySavedFileReadsBackOrTheSaveIsRefused)
{
    const struct {
        const char* what;
        std::function<void(CZQInterfaceData&)> build;
        const char* written;  // null: refused
        TextTable evaluations;
    } cases[] = {
        {"criteria without an alternative",
         [](CZQInterfaceData& p) {
             p.AddCriterion("price", "", ZQ_KIND_GAIN, 2);
             p.AddCriterion("c", "", ZQ_KIND_COST, 2);
         },
         ";g;c\n;price;c\n", {{"", "price", "c"}}},
        {"alternatives without a criterion",
         [](CZQInterfaceData& p) {
             p.AddAlternative("a");
             p.AddAlternative("b");
         },
         nullptr, {}},
        {"a new project", [](CZQInterfaceData&) {}, nullptr, {}},
        // a missing evaluation is written as an empty one is, a cell under no criterion not at all
        {"rows shorter and longer than the header",
         [](CZQInterfaceData& p) {
             p.AddCriterion("g", "", ZQ_KIND_GAIN, 2);
             p.AddCriterion("c", "", ZQ_KIND_COST, 2);
             p.AddAlternative("a");
             p.AddAlternative("b");
             p.EvaluationsTable[1] = ZQRow{"a", "1.5"};
             p.EvaluationsTable[2] = ZQRow{"b", "3", "4", "5"};
         },
         ";g;c\n;g;c\na;1,5;0\nb;3;4\n", {{"", "g", "c"}, {"a", "1.5", "0"}, {"b", "3", "4"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CZQInterfaceData p;
        FakeShell s(&p);
        c.build(p);
        const std::string path = dir.File("p.csv");
        WriteFileBytes(path, "previous");
        s.modified = 1;
        const int saved = p.WriteCsv(path.c_str(), ',', ';');
        if (c.written == nullptr) {
            EXPECT_EQ(saved, 0);
            EXPECT_EQ(ReadFileBytes(path), "previous");
            EXPECT_EQ(s.modified, 1);
            continue;
        }
        ASSERT_EQ(saved, 1);
        EXPECT_EQ(ReadFileBytes(path), c.written);
        CZQInterfaceData copy;
        FakeShell copyShell(&copy);
        ASSERT_EQ(copy.ReadCsv(path.c_str(), ',', ';'), 1);
        EXPECT_EQ(Text(copy.EvaluationsTable), c.evaluations);
        EXPECT_EQ(copy.CriteriaTable.size(), p.CriteriaTable.size());
        EXPECT_EQ(copy.AlternativesTable.size(), p.AlternativesTable.size());
    }
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"p.csv"});
}

// A decimal symbol that a written number may hold (a digit, a sign, an exponent letter, a letter of
// "inf" or "nan") or that the reader takes for something else (the separator, a quote, a line end)
// would bring other numbers back: the save is refused whatever the numbers. Any other symbol reads
// back what was written.
TEST_F(CsvFileTest, DecimalSymbolsThatCollideWithNumbersRefuseTheSave)
{
    project.AddCriterion("g", "", ZQ_KIND_GAIN, 2);
    for (const char* name : {"a", "b", "c"})
        project.AddAlternative(name);
    project.EvaluationsTable[1][1] = "10";
    project.EvaluationsTable[2][1] = "1.5e41";
    project.EvaluationsTable[3][1] = "-2.25";
    const std::string path = dir.File("kept.csv");
    for (char symbol : std::string("0159eE+-;\"\n\rinfa") + '\0') {
        SCOPED_TRACE(testing::Message() << "symbol 0x" << std::hex << int(static_cast<unsigned char>(symbol)));
        EXPECT_FALSE(IsCsvDecimalSymbol(symbol, ';'));
        WriteFileBytes(path, "previous");
        shell.modified = 1;
        EXPECT_EQ(project.WriteCsv(path.c_str(), symbol, ';'), 0);
        EXPECT_EQ(ReadFileBytes(path), "previous");
        EXPECT_EQ(shell.modified, 1);
    }
    EXPECT_FALSE(IsCsvDecimalSymbol(',', ','));
    for (char symbol : {',', '.', ' ', 'x', '\t'}) {
        SCOPED_TRACE(testing::Message() << "symbol 0x" << std::hex << int(static_cast<unsigned char>(symbol)));
        EXPECT_TRUE(IsCsvDecimalSymbol(symbol, ';'));
        std::string bytes;
        ASSERT_EQ(project.WriteCsvBytes(&bytes, symbol, ';'), 1);
        CZQInterfaceData copy;
        FakeShell copyShell(&copy);
        ASSERT_EQ(copy.ReadCsvBytes(bytes, symbol, ';'), 1);
        EXPECT_EQ(Text(copy.EvaluationsTable), (TextTable{{"", "g"}, {"a", "10"}, {"b", "1.5e+41"}, {"c", "-2.25"}}));
    }
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"kept.csv"});
}

} // namespace

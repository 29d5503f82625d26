// The project XML file: a project of an ordinal and a gain criterion byte for byte, what the reader
// makes of small files, the bad files, and the writer's escaping and settings.
#include "FakeShell.h"
#include "FileTestSupport.h"
#include "GeneratedProblem.h"
#include "TableText.h"

#include "model/files/ProjectXml.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct XmlFileTest : ::testing::Test {
    CZQInterfaceData project;
    FakeShell shell{&project};
    ScratchDir dir;

};

// The path of a good file of the test data.
std::string Good(const std::string& name)
{
    return ModelDataPath("xml/good/" + name);
}

// The size-and-weight file as the writer must produce it, with the named lines left out.
std::string SizeAndWeightWithout(const std::string& lineStart)
{
    const std::string full = ReadFileBytes(Good("size_and_weight.zex"));
    std::string out;
    size_t pos = 0;
    while (pos < full.size()) {
        const size_t end = full.find('\n', pos) + 1;
        const std::string line = full.substr(pos, end - pos);
        if (line.compare(0, lineStart.size(), lineStart) != 0)
            out += line;
        pos = end;
    }
    return out;
}

TEST_F(XmlFileTest, SizeAndWeightIsWrittenByteForByteAndReadsBackToTheSameFile)
{
    BuildSizeAndWeightProject(project);
    const std::string path = dir.File("e.zex");
    shell.modified = 1;
    ASSERT_EQ(project.WriteXml(path.c_str()), 1);
    EXPECT_EQ(ReadFileBytes(path), ReadFileBytes(Good("size_and_weight.zex")));
    EXPECT_EQ(shell.modified, 0);

    CZQInterfaceData copy;
    FakeShell copyShell(&copy);
    copy.CredibilityList = {"A1"};
    copy.CredibilityDefined = 1;
    ASSERT_EQ(copy.ReadXml(path.c_str()), 1);
    EXPECT_EQ(Text(copy.CriteriaTable), Text(project.CriteriaTable));
    EXPECT_EQ(Text(copy.ScaleValuesTable), Text(project.ScaleValuesTable));
    EXPECT_EQ(Text(copy.AlternativesTable), Text(project.AlternativesTable));
    EXPECT_EQ(Text(copy.EvaluationsTable), Text(project.EvaluationsTable));
    EXPECT_EQ(copyShell.RankNames(1), std::vector<std::string>{"A1"});
    EXPECT_EQ(copyShell.criterionItems.size(), 2u);
    EXPECT_TRUE(copy.CredibilityList.empty());
    EXPECT_EQ(copy.CredibilityDefined, 0);
    EXPECT_EQ(copyShell.modified, 0);

    std::string again;
    ASSERT_EQ(copy.WriteXmlBytes(&again), 1);
    EXPECT_EQ(again, ReadFileBytes(path));
}

TEST_F(XmlFileTest, SettingsDropSegmentsAndReferenceLines)
{
    BuildSizeAndWeightProject(project);

    shell.addSegmentsInfoToXml = 0;
    std::string noSegments;
    ASSERT_EQ(project.WriteXmlBytes(&noSegments), 1);
    EXPECT_EQ(noSegments, SizeAndWeightWithout("      <SEGMENTS "));
    {
        CZQInterfaceData copy;
        FakeShell copyShell(&copy);
        ASSERT_EQ(copy.ReadXmlBytes(noSegments), 1);
        // w falls back on the default, size counts its scale values
        EXPECT_EQ(Text(copy.CriteriaTable), (TextTable{{"size", "", "rank", "1"}, {"w", "weight", "gain", "2"}}));
    }

    shell.addSegmentsInfoToXml = 1;
    shell.addReferenceInfoToXml = 0;
    std::string noReference;
    ASSERT_EQ(project.WriteXmlBytes(&noReference), 1);
    // only the object's rank goes; the scale's RANK lines stand deeper
    EXPECT_EQ(noReference, SizeAndWeightWithout("      <RANK "));
}

TEST_F(XmlFileTest, LowerCaseNamesAndCrLfReadLikeTheSizeAndWeightFile)
{
    ASSERT_EQ(project.ReadXml(Good("size_and_weight.zex").c_str()), 1);
    const TextTable criteria = Text(project.CriteriaTable), scale = Text(project.ScaleValuesTable),
                    alternatives = Text(project.AlternativesTable), evaluations = Text(project.EvaluationsTable);
    for (const char* file : {"lower_case_names.zex", "size_and_weight_crlf.zex"}) {
        SCOPED_TRACE(file);
        CZQInterfaceData other;
        FakeShell otherShell(&other);
        otherShell.infoAttributeDescription = "changed";
        ASSERT_EQ(other.ReadXml(Good(file).c_str()), 1);
        EXPECT_EQ(Text(other.CriteriaTable), criteria);
        EXPECT_EQ(Text(other.ScaleValuesTable), scale);
        EXPECT_EQ(Text(other.AlternativesTable), alternatives);
        EXPECT_EQ(Text(other.EvaluationsTable), evaluations);
        EXPECT_EQ(std::string(otherShell.infoAttributeDescription), "Information about an alternative");
    }
}

TEST_F(XmlFileTest, SmallFilesReadAsExpected)
{
    const struct {
        const char* file;
        TextTable criteria;
        TextTable scale;
        TextTable alternatives;
        TextTable evaluations;
    } cases[] = {
        {"identifier_not_first.zex",  // the ATTRIBUTE and OBJECT without their identifier first are ignored
         {{"g", "", "gain", "2"}, {"c", "", "cost", "2"}},
         {},
         {{"A", "", ""}, {"C", "", ""}},
         {{"", "g", "c"}, {"A", "1", "2"}, {"C", "3", "0"}}},
        {"segments_defaults.zex",  // none or "0": 2; an ordinal counts its values whatever SEGMENTS says
         {{"none", "", "gain", "2"},
          {"zero", "", "gain", "2"},
          {"five", "", "cost", "5"},
          {"o3", "", "rank", "2"},
          {"o0", "", "rank", "-1"}},
         {{"o3", "a", "1"}, {"o3", "b", "2"}, {"o3", "c", "3"}},
         {},
         {{"", "none", "zero", "five", "o3", "o0"}}},
        {"scale_positions.zex",  // RANK 10, 30, 20; an ENUM without RANK and a RANK without ENUM drop out
         {{"q", "", "rank", "2"}},
         {{"q", "x", "1"}, {"q", "z", "2"}, {"q", "y", "3"}},
         {},
         {{"", "q"}}},
        {"object_ranks.zex",  // "0" and "-2" are outside the reference ranking
         {{"g", "", "gain", "2"}},
         {},
         {{"zero", "", ""}, {"negative", "", ""}, {"third", "", "3"}, {"none", "", ""}},
         {{"", "g"}, {"zero", "0"}, {"negative", "0"}, {"third", "0"}, {"none", "0"}}},
        {"unknown_value.zex",  // an unknown attribute is ignored, the last value counts, missing ones default
         {{"g", "", "gain", "2"}, {"o", "", "rank", "0"}},
         {{"o", "a", "1"}},
         {{"A", "", ""}, {"B", "", ""}},
         {{"", "g", "o"}, {"A", "5", ""}, {"B", "0", ""}}},
        {"polish_letters.zex",  // 0xB9 reads 'a', 0xF1 reads '_'
         {{"krag", "", "gain", "2"}},
         {},
         {{"_x", "", ""}},
         {{"", "krag"}, {"_x", "1"}}},
        {"nesting_9_levels.zex",  // the deepest element a row holds
         {{"g", "", "gain", "2"}},
         {},
         {{"A", "", ""}},
         {{"", "g"}, {"A", "0"}}},
        {"escaped_names.zex",
         {{"a&b", "<x> \"q\"", "gain", "2"}},
         {},
         {{"o\"k", "", ""}},
         {{"", "a&b"}, {"o\"k", "1"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        CZQInterfaceData p;
        FakeShell s(&p);
        p.CredibilityList = {"x"};
        p.CredibilityDefined = 1;
        s.modified = 1;
        ASSERT_NE(p.ReadXml(Good(c.file).c_str()), 0);
        EXPECT_EQ(Text(p.CriteriaTable), c.criteria);
        EXPECT_EQ(Text(p.ScaleValuesTable), c.scale);
        EXPECT_EQ(Text(p.AlternativesTable), c.alternatives);
        EXPECT_EQ(Text(p.EvaluationsTable), c.evaluations);
        EXPECT_TRUE(p.CredibilityList.empty());
        EXPECT_EQ(p.CredibilityDefined, 0);
        EXPECT_EQ(s.modified, 0);
        EXPECT_EQ(s.alternativeItems.size(), c.alternatives.size());
    }
}

// A file that does not parse leaves the project as it was; one whose content is refused was read
// into the project after its reset, which is then reset again.
TEST(XmlFileFolders, EveryGoodFileReadsAndEveryBadFileFailsAsItsNoteSays)
{
    const ProjectFileRead read = [](CZQInterfaceData& p, const char* path) { return p.ReadXml(path); };
    ExpectGoodFilesRead("xml", read);
    ExpectBadFilesFail("xml", read);
}

TEST_F(XmlFileTest, MarkupInTextsIsEscapedAndReadsBack)
{
    shell.infoAttributeId = "I&D";
    shell.infoAttributeDescription = "say \"<hi>\"";
    project.AddCriterion("a&b<c>", "\"quoted\" & more", ZQ_KIND_ORDINAL, 1);
    project.AddScaleValue("a&b<c>", "<low>", 1);
    project.AddScaleValue("a&b<c>", "high & dry", 2);
    project.AddCriterion("plain", "two\nlines,\ta tab\r", ZQ_KIND_COST, 3);
    project.AddAlternative("x\"y");
    project.AlternativesTable[0] = ZQRow{"x\"y", "1 < 2 & 3 > 2", "2"};
    project.EvaluationsTable[1] = ZQRow{"x\"y", "high & dry", "-1.5"};

    std::string text;
    ASSERT_EQ(project.WriteXmlBytes(&text), 1);
    EXPECT_NE(text.find("<ATTRIBUTE AttrID=\"a&amp;b&lt;c&gt;\">"), std::string::npos) << text;
    EXPECT_NE(text.find("<OBJECT ObjID=\"x&quot;y\">"), std::string::npos) << text;

    CZQInterfaceData copy;
    FakeShell copyShell(&copy);
    ASSERT_EQ(copy.ReadXmlBytes(text), 1);
    EXPECT_EQ(Text(copy.CriteriaTable), Text(project.CriteriaTable));
    EXPECT_EQ(Text(copy.ScaleValuesTable), Text(project.ScaleValuesTable));
    EXPECT_EQ(Text(copy.AlternativesTable), Text(project.AlternativesTable));
    EXPECT_EQ(Text(copy.EvaluationsTable), Text(project.EvaluationsTable));
    EXPECT_EQ(std::string(copyShell.infoAttributeId), "I&D");
    EXPECT_EQ(std::string(copyShell.infoAttributeDescription), "say \"<hi>\"");
}

TEST_F(XmlFileTest, TextThatXmlCannotCarryRefusesTheSave)
{
    BuildSizeAndWeightProject(project);
    project.AlternativesTable[1][1] = CString("bell\x07");
    const std::string path = dir.File("old.zex");
    WriteFileBytes(path, "previous");
    shell.modified = 1;
    EXPECT_EQ(project.WriteXml(path.c_str()), 0);
    EXPECT_EQ(ReadFileBytes(path), "previous");
    EXPECT_EQ(shell.modified, 1);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"old.zex"});
}

// A criterion the reader would take for the information attribute (its name as the reader sees it)
// refuses the save, and the old file keeps its bytes: its values would come back as the
// alternatives' information texts.
TEST_F(XmlFileTest, ACriterionNamedAsTheInformationAttributeRefusesTheSave)
{
    const struct {
        const char* infoId;
        const char* criterion;
        bool reserved;
    } cases[] = {
        {"INFO", "INFO", true},
        {"INFO", "INF\xD3", true},  // 0xD3 reads 'O'
        {"Opis", "Opis", true},
        {"INFO", "info", false},
        {"INFO", "INFO2", false},
    };
    const std::string path = dir.File("old.zex");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.criterion);
        CZQInterfaceData p;
        FakeShell s(&p);
        s.infoAttributeId = c.infoId;
        BuildSizeAndWeightProject(p);
        p.CriteriaTable[1][0] = p.EvaluationsTable[0][2] = c.criterion;
        EXPECT_EQ(p.IsReservedCriterionName(c.criterion), c.reserved);
        WriteFileBytes(path, "previous");
        s.modified = 1;
        if (c.reserved) {
            EXPECT_EQ(p.WriteXml(path.c_str()), 0);
            EXPECT_EQ(ReadFileBytes(path), "previous");
            EXPECT_EQ(s.modified, 1);
            continue;
        }
        ASSERT_EQ(p.WriteXml(path.c_str()), 1);
        CZQInterfaceData copy;
        FakeShell copyShell(&copy);
        ASSERT_EQ(copy.ReadXml(path.c_str()), 1);
        EXPECT_EQ(Text(copy.AlternativesTable), Text(p.AlternativesTable));
        EXPECT_EQ(Text(copy.EvaluationsTable), Text(p.EvaluationsTable));
    }
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"old.zex"});
}

// A scale value that the reader would meet twice (the same text, or texts equal once folded) refuses
// the save; scale rows of no ordinal criterion are not written and refuse nothing.
TEST_F(XmlFileTest, ScaleValuesTheReaderWouldMeetTwiceRefuseTheSave)
{
    const struct {
        const char* what;
        const char* criterion;
        const char* value;
        int expected;
    } cases[] = {
        {"the same value twice", "size", "big", 0},
        {"values equal once folded (0xB9 reads 'a')", "size", "sm\xB9ll", 0},
        {"a value of a criterion that is gone", "gone", "x", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CZQInterfaceData p;
        FakeShell s(&p);
        BuildSizeAndWeightProject(p);
        p.AddScaleValue(c.criterion, c.value, 3);
        p.AddScaleValue("gone", "x", 1);
        std::string bytes = "untouched";
        EXPECT_EQ(p.WriteXmlBytes(&bytes), c.expected);
        if (c.expected == 0) {
            EXPECT_EQ(bytes, "untouched");
        }
    }
}

// Files far beyond what the reader once took in one piece read back to the project that was written
// (how long they take is the file benchmark's to show).
TEST(XmlLargeFiles, OneAttributeOf16MegabytesReadsBack)
{
    CZQInterfaceData project;
    FakeShell shell(&project);
    BuildSizeAndWeightProject(project);
    std::string huge(size_t(16) << 20, 'x');
    for (size_t i = 0; i < huge.size(); i += 4096)
        huge[i] = '&';  // escaped, so the token holds references too
    project.AlternativesTable[1][1] = CString(huge.data(), int(huge.size()));
    std::string bytes;
    ASSERT_EQ(project.WriteXmlBytes(&bytes), 1);

    CZQInterfaceData copy;
    FakeShell copyShell(&copy);
    ASSERT_EQ(copy.ReadXmlBytes(bytes), 1);
    ASSERT_EQ(copy.AlternativesTable.size(), 2u);
    EXPECT_TRUE(copy.AlternativesTable[1][1] == project.AlternativesTable[1][1]);
    EXPECT_EQ(Text(copy.EvaluationsTable), Text(project.EvaluationsTable));
}

// (read from the file, which the reader takes a piece at a time, tags running across the pieces)
TEST(XmlLargeFiles, SeventyFiveThousandAlternativesReadBack)
{
    CZQInterfaceData project;
    FakeShell shell(&project);
    GenerateLargeProject(project, 75000, 1, 4, 75);
    ScratchDir dir;
    const std::string path = dir.File("large.zex");
    ASSERT_EQ(project.WriteXml(path.c_str()), 1);

    CZQInterfaceData copy;
    FakeShell copyShell(&copy);
    ASSERT_EQ(copy.ReadXml(path.c_str()), 1);
    // (compared whole: a difference among 75,000 rows would be too long to print)
    EXPECT_EQ(Text(copy.CriteriaTable), Text(project.CriteriaTable));
    EXPECT_TRUE(copy.AlternativesTable == project.AlternativesTable);
    EXPECT_TRUE(copy.EvaluationsTable == project.EvaluationsTable);
    EXPECT_EQ(copyShell.alternativeItems.size(), 75000u);
    EXPECT_EQ(copyShell.RankNames(1), (std::vector<std::string>{"alternative 0000001", "alternative 0018751"}));
    EXPECT_EQ(copyShell.RankNames(2), (std::vector<std::string>{"alternative 0037501", "alternative 0056251"}));
}

// The stream of elements itself: the depth stays true through overflowing subtrees, and the elements
// after them are still known by their place.
TEST(XmlProjectStreamTest, DepthAndPlacesStayTrueAcrossOverflows)
{
    XmlProjectStream stream;
    const char* noAttributes[] = {nullptr};
    const char* object[] = {"ObjID", "a", nullptr};
    const char* value[] = {"AttrID", "g", "Value", "7", nullptr};
    XmlStartElement(&stream, "DATA", noAttributes);
    XmlStartElement(&stream, "OBJECTS", noAttributes);
    for (int subtree = 0; subtree < 3; ++subtree) {
        for (int depth = 2; depth <= 11; ++depth)
            XmlStartElement(&stream, "OBJECT", depth == 2 ? noAttributes : object);
        for (int depth = 11; depth >= 2; --depth)
            XmlEndElement(&stream, "OBJECT");
        EXPECT_EQ(stream.Depth, 2);
    }
    XmlStartElement(&stream, "OBJECT", object);
    XmlStartElement(&stream, "VALUE", value);
    XmlEndElement(&stream, "VALUE");
    XmlEndElement(&stream, "OBJECT");
    XmlEndElement(&stream, "OBJECTS");
    XmlEndElement(&stream, "DATA");
    EXPECT_EQ(stream.Depth, 0);
    EXPECT_TRUE(stream.Overflow);
    EXPECT_TRUE(stream.OpenPlaces.empty());

    // (a file would fail the read here; the elements kept are there all the same)
    CZQInterfaceData project;
    FakeShell shell(&project);
    project.AddCriterion("g", "", ZQ_KIND_GAIN, 2);
    ASSERT_EQ(InterpretXmlElements(project, stream), 1);
    EXPECT_EQ(Text(project.EvaluationsTable), (TextTable{{"", "g"}, {"a", "7"}}));
}

} // namespace

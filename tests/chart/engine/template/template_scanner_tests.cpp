// The chart template scanner: lines, keywords, and the bounds and refusals of each part. The formats
// of the parts as the components store them are tested with the components (tests/chart/engine).
#include <gtest/gtest.h>

#include "chart/engine/template/ChartTemplateScanner.h"

#include <string>
#include <vector>

namespace {

// The lines of text (its bytes, no terminating zero needed), joined by '|'.
std::string Lines(const std::string& text)
{
    ChartTemplateLines reader(text.data(), text.size());
    std::string joined;
    std::string line;
    bool bFirst = true;
    while (reader.Next(line)) {
        joined += (bFirst ? "" : "|") + line;
        bFirst = false;
    }
    return joined;
}

} // namespace

TEST(ChartTemplateScanner, LinesEndAtCrAtLfAndAtCrLf)
{
    struct Case {
        std::string text;
        const char* pszLines;
    } cases[] = {
        {"a\rb\rc", "a|b|c"},
        {"a\nb\nc\n", "a|b|c"},
        {"a\r\nb\r\nc", "a|b|c"},
        {"a\n\rb", "a||b"},  // LF then CR: two line ends
        {"a\r\n\r\nb", "a||b"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Lines(c.text), c.pszLines) << c.pszLines;

    // the reader stops at the size it is given
    const char text[] = "one\ntwo\nthree";
    ChartTemplateLines reader(text, 7);
    std::string line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "one");
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "two");
    EXPECT_FALSE(reader.Next(line));
    EXPECT_FALSE(ChartTemplateLines(nullptr, 5).Next(line));
}

TEST(ChartTemplateScanner, ALongLineIsCutAfter254Characters)
{
    const std::string head(254, 'x');
    const std::string tail(46, 'y');
    EXPECT_EQ(Lines(head + tail + "\nz"), head + "|" + tail + "|z");
    // a line of exactly 254 characters keeps its own line end
    EXPECT_EQ(Lines(head + "\r\nz"), head + "|z");
}

TEST(ChartTemplateScanner, SkippedLinesAndKeywords)
{
    for (const char* pszLine : {"", "//", "// comment", "//DEDized template output system V1.0"})
        EXPECT_TRUE(ChartTemplateIsSkipped(pszLine)) << pszLine;
    for (const char* pszLine : {"/ comment", " //", "title"})
        EXPECT_FALSE(ChartTemplateIsSkipped(pszLine)) << pszLine;

    struct Case {
        const char* pszLine;
        int nKeyword;
        const char* pszRest;
    } cases[] = {
        {"surface", templateSurface, ""},
        {"background 1 2", templateBackground, " 1 2"},
        {"  title\t1", templateTitle, "\t1"},
        {"legend", templateLegend, ""},
        {"data 0", templateData, " 0"},
        {"rect", templateRect, ""},
        {"font", templateFont, ""},
        {"style x", templateStyle, " x"},
        {"label", templateLabel, ""},
        {"labelblock", templateLabelBlock, ""},
        {"annotation 1 a", templateAnnotation, " 1 a"},
        {"endblock", templateEndBlock, ""},
        {"textpanel", templateTextPanel, ""},
        {"datawatcher", templateDataWatcher, ""},
        {"Title", templateUnknown, ""},       // case-sensitive
        {"titles 1", templateUnknown, " 1"},  // exact
        {"\x80\xff", templateUnknown, ""},
    };
    for (const Case& c : cases) {
        int nKeyword = 99;
        const char* pRest = nullptr;
        EXPECT_EQ(ChartTemplateScanKeyword(c.pszLine, nKeyword, &pRest), templateOk) << c.pszLine;
        EXPECT_EQ(nKeyword, c.nKeyword) << c.pszLine;
        EXPECT_STREQ(pRest, c.pszRest) << c.pszLine;
    }
    int nKeyword = 0;
    for (const char* pszLine : {"", "   ", "\t\r"})
        EXPECT_EQ(ChartTemplateScanKeyword(pszLine, nKeyword, nullptr), templateErrorKeyword);
    // a word too long for a keyword is unknown, whatever it starts with
    const std::string longWord = "background" + std::string(100, 'x');
    EXPECT_EQ(ChartTemplateScanKeyword(longWord.c_str(), nKeyword, nullptr), templateOk);
    EXPECT_EQ(nKeyword, templateUnknown);
}

TEST(ChartTemplateScanner, CommonPartRecordsAndBounds)
{
    ChartTemplateCommon part;
    const char* pEnd = nullptr;
    const char* const kLine = "1 2.5 3 4 3 1 4 2 10 20 30 40 50 60 45 rest";
    ASSERT_EQ(ChartTemplateScanCommon(kLine, part, &pEnd), templateOk);
    EXPECT_STREQ(pEnd, "rest");
    EXPECT_EQ(part.rect[1], 2.5f);
    EXPECT_EQ(part.measurement, 3);
    EXPECT_EQ(part.border, 1);
    EXPECT_EQ(part.fill, 4);
    EXPECT_EQ(part.shadow, 2);
    EXPECT_EQ(part.colour2[2], 60);
    EXPECT_EQ(part.angle, 45);
    // a part that ends with the text
    ASSERT_EQ(ChartTemplateScanCommon("0 0 1 1 0 0 1 0 1 2 3", part, &pEnd), templateOk);
    EXPECT_STREQ(pEnd, "");

    const std::string name259(259, 'a');
    const std::string name260(260, 'a');
    ASSERT_EQ(ChartTemplateScanCommon(("0 0 1 1 0 0 5 0 \"" + name259 + "\" 1").c_str(), part, nullptr), templateOk);
    EXPECT_EQ(part.image, name259);
    EXPECT_EQ(part.placement, 1);

    struct Refusal {
        std::string text;
        int nCode;
    } refusals[] = {
        {"0 0 1 1 0 0 5 0 \"" + name260 + "\" 1", templateErrorFill},
        {"0 0 1 1 0 0 5 0 \"a\\b\" 1", templateErrorFill},
        {"0 0 1 1 0 0 6 0", templateErrorFill},
        {"0 0 1 1 0 0 2 0 1 2 3 4 5", templateErrorFill},
        {"0 0 1 1 0 0 0", templateErrorCommon},
        {"nan 0 1 1 0 0 0 0", templateErrorCommon},
        {"0 inf 1 1 0 0 0 0", templateErrorCommon},
        {"0 0 1e39 1 0 0 0 0", templateErrorCommon},  // beyond single precision
    };
    for (const Refusal& r : refusals) {
        ChartTemplateCommon untouched;
        untouched.border = 7;
        pEnd = "kept";
        EXPECT_EQ(ChartTemplateScanCommon(r.text.c_str(), untouched, &pEnd), r.nCode) << r.text;
        EXPECT_EQ(untouched.border, 7) << r.text;
        EXPECT_STREQ(pEnd, "kept") << r.text;
    }
}

TEST(ChartTemplateScanner, TextDisplayLegendLabelAndAnnotationParts)
{
    ChartTemplateText text;
    const char* pEnd = nullptr;
    const std::string face30(30, 'F');
    ASSERT_EQ(ChartTemplateScanText((" 1 2 3 \"" + face30 + "\" 12 3 1 more").c_str(), text, &pEnd), templateOk);
    EXPECT_EQ(text.face, face30);
    EXPECT_EQ(text.alignment, 1);
    EXPECT_EQ(ChartTemplateScanText((" 1 2 3 \"" + face30 + "F\" 12 3 1").c_str(), text, nullptr), templateErrorText);
    EXPECT_EQ(ChartTemplateScanText(" 1 2 3 \"Ari@l\" 12 3 1", text, nullptr), templateErrorText);
    EXPECT_EQ(ChartTemplateScanText(" 1 2 3 \"\" 12 3 1", text, nullptr), templateErrorText);

    ChartTemplateDisplay display;
    ASSERT_EQ(ChartTemplateScanDisplay(" 2 1 4 1", display, &pEnd), templateOk);
    EXPECT_EQ(display.graphType, 1);
    EXPECT_EQ(display.logarithmic, 1);
    EXPECT_EQ(ChartTemplateScanDisplay(" 2 1 4", display, nullptr), templateErrorDisplay);

    ChartTemplateLegend legend;
    // the writer's form: key size with "%f" and the key kind, which is not read
    ASSERT_EQ(ChartTemplateScanLegend(" 5 20.000000 4 0 1 ", legend, &pEnd), templateOk);
    EXPECT_EQ(legend.layoutFlags, 5);
    EXPECT_EQ(legend.keySize, 20.0);
    EXPECT_EQ(legend.sourceKind, 4);
    EXPECT_EQ(legend.showLine, 0);
    EXPECT_STREQ(pEnd, " 1 ");
    for (const char* pszBad : {" 5 20 4", " 5 x 4 0", " 5 inf 4 0", ""})
        EXPECT_EQ(ChartTemplateScanLegend(pszBad, legend, nullptr), templateErrorLegend) << pszBad;

    ChartTemplateLabel label;
    ASSERT_TRUE(ChartTemplateScanLabel(" 10.5 20 0 1 45 6 1 rest", label, &pEnd));
    EXPECT_EQ(label.anchorX, 10.5f);
    EXPECT_EQ(label.angle, 45.0f);
    EXPECT_EQ(label.position, 6);
    EXPECT_STREQ(pEnd, " rest");
    ChartTemplateLabel untouched;
    untouched.position = 3;
    EXPECT_FALSE(ChartTemplateScanLabel(" 10.5 20 0 1 45 6", untouched, nullptr));
    EXPECT_FALSE(ChartTemplateScanLabel(" nan 20 0 1 45 6 1", untouched, nullptr));
    EXPECT_EQ(untouched.position, 3);

    ChartTemplateAnnotation annotation;
    ASSERT_EQ(ChartTemplateScanAnnotation(" 2 Sales in  2024 ", annotation), templateOk);
    EXPECT_EQ(annotation.index, 2);
    EXPECT_EQ(annotation.text, "Sales in  2024 ");
    ASSERT_EQ(ChartTemplateScanAnnotation(" 3", annotation), templateOk);
    EXPECT_EQ(annotation.text, "");
    EXPECT_EQ(ChartTemplateScanAnnotation(" x", annotation), templateErrorKeyword);
}

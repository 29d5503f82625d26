// Chart templates: reading lines into components (keywords, label blocks, annotations, failures and
// what they report), the resource-or-file lookup, the writer, and the folders of good and bad
// templates.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "FakeServices.h"
#include "chart/engine/DEDizedTemplate.h"
#include "chart/engine/axes/SRGDataWatcher.h"
#include "chart/engine/components/DEDizedBackground.h"
#include "chart/engine/components/DEDizedLabelBlock.h"
#include "chart/engine/components/DEDizedLegend.h"
#include "chart/engine/components/SRGTextPanel.h"
#include "chart/engine/display/DEDizedDisplay.h"

#include "chart_draw_support.h"
#include "chart_test_support.h"

namespace {

const char kHeader[] = "//DEDized template output system V1.0\r\n\r\n";
const char kTrailer[] = "// End of template/n/n";
const char kBackground[] = "background 0 0 100 100 3 0 1 0 255 255 255 ";
const char kTitle[] = "title 0 0 100 15 3 0 0 0 0 0 128 \"Arial\" 16 1 2 ";

// A chart that reads template text directly and records the lines its hook receives.
class TemplateChart : public DEDized {
public:
    void Read(const std::string& text) { ReadTemplateText(text.data(), text.size()); }
    void OnTemplateLineError(const char* lpszLine) override { hookLines.push_back(lpszLine); }

    DEDizedComponent* At(int n) { return GetComponent(n, -1); }
    int Count() { return int(GetComponentList()->GetCount()); }

    std::vector<std::string> hookLines;
};

std::string Template(const std::string& body)
{
    return kHeader + body + kTrailer;
}

// The path of a template under tests/data/chart/template.
std::string DataPath(const char* lpszName)
{
    const char* pszRoot = std::getenv("ONDRIX_TEST_DATA");
    return std::string(pszRoot != nullptr ? pszRoot : "") + "/chart/template/" + lpszName;
}

void WriteFile(const char* lpszPath, const std::string& text)
{
    FILE* f = std::fopen(lpszPath, "wb");
    ASSERT_NE(f, nullptr) << lpszPath;
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
}

} // namespace

TEST_F(ChartTest, TemplateLinesMakeComponentsOrFailWithCode13)
{
    CFakeServices fake;
    {
        TemplateChart chart;
        chart.Read(Template(""));
        EXPECT_EQ(chart.Count(), 0);
    }
    {
        // a background over the whole parent with a solid white fill
        TemplateChart chart;
        chart.Read(Template(std::string(kBackground) + "\n"));
        ASSERT_EQ(chart.Count(), 1);
        DEDizedComponent* pBackground = chart.At(0);
        EXPECT_TRUE(pBackground->IsKindOf(RUNTIME_CLASS(DEDizedBackground)));
        EXPECT_EQ(pBackground->GetRect()->GetMeasurement(), DEDizedRect::measurePerCent);
        EXPECT_EQ(pBackground->GetStyle()->m_nStyle, 0x100);
        EXPECT_EQ(pBackground->GetStyle()->m_crFill1, RGB(255, 255, 255));
        DibCanvas canvas(60, 40);
        canvas.dc.FillSolidRect(0, 0, 60, 40, RGB(0, 0, 0));
        chart.SetBuffered(0);
        chart.Draw(&canvas.dc, nullptr);
        for (const POINT& pt : {POINT{0, 0}, POINT{59, 0}, POINT{0, 39}, POINT{59, 39}})
            EXPECT_EQ(canvas.At(pt.x, pt.y), RGB(255, 255, 255)) << pt.x << "," << pt.y;
    }
    // each of these ends the reading at its line, through the hook and without a message; the
    // component of the line before stays
    const char* const failing[] = {
        "style 0 0 100 100 3 0 0 0",
        "rect 0 0 1 1 0 0 0 0",
        "font 0 0 1 1 0 0 0 0",
        "Background 0 0 1 1 0 0 0 0",
        "annotation 1 after a title",
        "   ",
    };
    for (const char* lpszLine : failing) {
        TemplateChart chart;
        chart.Read(Template(std::string(kTitle) + "\n" + lpszLine + "\n" + kBackground + "\n"));
        EXPECT_EQ(chart.Count(), 1) << lpszLine;
        ASSERT_EQ(chart.hookLines.size(), 1u) << lpszLine;
        EXPECT_EQ(chart.hookLines[0], lpszLine);
    }
    EXPECT_TRUE(fake.CallsOf("MessageBox").empty());
}

TEST_F(ChartTest, TemplatePartFailuresShowTheirMessageAndTheLine)
{
    struct Case {
        const char* pszLine;
        UINT nMessage;
    } cases[] = {
        {"background 0 0 100 100 3 0 6 0", IDS_CHART_ERR_TEMPLATE_FILL},
        {"background 0 0 100", IDS_CHART_ERR_TEMPLATE_COMMON},
        {"title 0 0 1 1 0 0 0 0 0 0 0 \"Arial\" 10", IDS_CHART_ERR_TEMPLATE_TEXT},
        {"data 0 0 1 1 0 0 0 0 0 0 0 \"Arial\" 10 0 2 2 1 4", IDS_CHART_ERR_TEMPLATE_DISPLAY},
        {"legend 0 0 1 1 0 0 0 0 0 0 0 \"Arial\" 10 0 2 5 20 1", IDS_CHART_ERR_TEMPLATE_LEGEND},
    };
    for (const Case& c : cases) {
        CFakeServices fake;
        fake.ExpectMessageBox(IDOK, ResourceText(c.nMessage));
        fake.ExpectMessageBox(IDOK, (ResourceText(IDS_CHART_TEMPLATE_LINE_ERROR) + c.pszLine).GetString());
        TemplateChart chart;
        chart.Read(Template(std::string(kBackground) + "\n" + c.pszLine + "\n" + kTitle + "\n"));
        EXPECT_EQ(chart.Count(), 1) << c.pszLine;
        EXPECT_TRUE(chart.At(0)->IsKindOf(RUNTIME_CLASS(DEDizedBackground))) << c.pszLine;
        EXPECT_TRUE(chart.hookLines.empty()) << c.pszLine;
        for (const CFakeServices::Call& call : fake.CallsOf("MessageBox"))
            EXPECT_EQ(call.nType & MB_ICONMASK, UINT(MB_ICONEXCLAMATION)) << c.pszLine;
    }
}

TEST_F(ChartTest, TemplateLineRules)
{
    CFakeServices fake;
    // comments and empty lines are skipped; "surface" is accepted; what follows the parts is ignored
    TemplateChart chart;
    chart.Read(Template("// a comment\n\nsurface 1 2 3\n" + std::string(kBackground) + " and more\n"));
    EXPECT_EQ(chart.Count(), 1);
    EXPECT_TRUE(chart.hookLines.empty());

    // a line of 300 characters is cut after 254, the rest being the next line
    std::string line = kBackground;
    line.resize(254, ' ');
    line += kTitle;
    ASSERT_GT(line.size(), 254u);
    TemplateChart cut;
    cut.Read(Template(line + "\n"));
    ASSERT_EQ(cut.Count(), 2);
    EXPECT_TRUE(cut.At(1)->IsKindOf(RUNTIME_CLASS(DEDizedTitle)));

    // CR, LF and CR LF read alike
    const std::string body = std::string(kBackground) + "\n" + kTitle + "\n" + kBackground;
    for (const char* lpszEnd : {"\r", "\n", "\r\n"}) {
        std::string text = Template(body + "\n");
        for (size_t pos = text.find('\n'); pos != std::string::npos; pos = text.find('\n', pos + std::strlen(lpszEnd))) {
            text.replace(pos, 1, lpszEnd);
        }
        TemplateChart chart;
        chart.Read(text);
        EXPECT_EQ(chart.Count(), 3) << int(lpszEnd[0]) << int(lpszEnd[1]);
        EXPECT_TRUE(chart.hookLines.empty());
    }
}

TEST_F(ChartTest, TemplateLabelBlocksCollectLabelsAndAnnotationsSetTexts)
{
    const std::string label = "label 0 0 1 1 2 0 0 0 0 0 255 \"Arial\" 10 0 0  0.5 0.25 1 0 0 8 1\n";
    TemplateChart chart;
    chart.Read(Template("labelblock 0 0 1 1 2 0 0 0 0 0 0 \"Arial\" 12 0 0  0 0 1 0 0 8 0\n"
                        "annotation 1 Block\n" +
                        label + "annotation 1 First\nannotation 2 Erste\n" + label + "annotation 1 Second\n" +
                        "endblock\n" + label + "annotation 1 Free\n" +
                        "labelblock 0 0 1 1 2 0 0 0 0 0 0 \"Arial\" 12 0 0  0 0 1 0 0 8 0\n" + label +
                        "textpanel 0 0 1 1 2 0 0 0 0 0 0 \"Arial\" 10 0 0 1 2 3 \"Arial\" 9 1 2 \n" + label));
    EXPECT_TRUE(chart.hookLines.empty());
    // block, free label, block, text panel, label (the panel closed the second block)
    ASSERT_EQ(chart.Count(), 5);
    DEDizedLabelBlock* pBlock = dynamic_cast<DEDizedLabelBlock*>(chart.At(0));
    ASSERT_NE(pBlock, nullptr);
    EXPECT_EQ(pBlock->GetText(1), "Block");
    ASSERT_EQ(pBlock->GetLabelCount(), 2);
    DEDizedLabel* pFirst = pBlock->GetLabel(0);
    EXPECT_EQ(pFirst->GetText(1), "First");
    EXPECT_EQ(pFirst->GetText(2), "Erste");
    EXPECT_EQ(pFirst->GetAnchorY(), 0.25);
    EXPECT_EQ(pFirst->HasOwnStyle(), 1);
    EXPECT_EQ(pFirst->GetTextColour(), RGB(0, 0, 255));
    EXPECT_EQ(pBlock->GetLabel(1)->GetText(1), "Second");
    DEDizedLabel* pFree = dynamic_cast<DEDizedLabel*>(chart.At(1));
    ASSERT_NE(pFree, nullptr);
    EXPECT_FALSE(pFree->IsKindOf(RUNTIME_CLASS(DEDizedLabelBlock)));
    EXPECT_EQ(pFree->GetText(1), "Free");
    EXPECT_EQ(static_cast<DEDizedLabelBlock*>(chart.At(2))->GetLabelCount(), 1);
    EXPECT_TRUE(chart.At(3)->IsKindOf(RUNTIME_CLASS(SRGTextPanel)));
    EXPECT_TRUE(chart.At(4)->IsKindOf(RUNTIME_CLASS(DEDizedLabel)));
}

TEST_F(ChartTest, ReadTemplateTakesAResourceFirstThenAFile)
{
    CFakeServices fake;
    // a file of the resource's name is not read while the resource is there
    WriteFile("CHART_TEMPLATE_TITLE", Template(std::string(kBackground) + "\n"));
    TemplateChart fromResource;
    fromResource.ReadTemplate("CHART_TEMPLATE_TITLE");
    std::remove("CHART_TEMPLATE_TITLE");
    ASSERT_EQ(fromResource.Count(), 1);
    EXPECT_TRUE(fromResource.At(0)->IsKindOf(RUNTIME_CLASS(DEDizedTitle)));
    TemplateChart byId;
    byId.ReadTemplate(MAKEINTRESOURCE(901));
    EXPECT_EQ(byId.Count(), 1);

    char szPath[80];
    std::snprintf(szPath, sizeof szPath, "/tmp/ondrix_chart_template_%lu.tpl", (unsigned long)GetCurrentProcessId());
    WriteFile(szPath, Template(std::string(kBackground) + "\n" + kTitle + "\n"));
    TemplateChart fromFile;
    fromFile.ReadTemplate(szPath);
    std::remove(szPath);
    EXPECT_EQ(fromFile.Count(), 2);

    // an unreadable file: the stop icon, nothing added
    fake.ExpectMessageBox(IDOK, ResourceText(IDS_CHART_TEMPLATE_UNREADABLE));
    TemplateChart missing;
    missing.ReadTemplate(szPath);
    EXPECT_EQ(missing.Count(), 0);
    ASSERT_EQ(fake.CallsOf("MessageBox").size(), 1u);
    EXPECT_EQ(fake.CallsOf("MessageBox")[0].nType & MB_ICONMASK, UINT(MB_ICONSTOP));
}

TEST_F(ChartTest, WrittenTemplateReadsBackToTheSameComponents)
{
    DEDized chart;
    DEDizedBackground* pBackground = new DEDizedBackground;
    pBackground->ReadTemplateCommon("-1 -1 -1 -1 0 1 4 2 10 20 30 40 50 60 45");
    chart.AddComponent(pBackground);
    DEDizedTitle* pTitle = new DEDizedTitle;
    pTitle->ReadTemplateCommon("0 0 100 12 3 0 0 0");
    pTitle->SetFont(14, 1, "Times New Roman");
    pTitle->SetTextColour(RGB(0, 0, 128));
    chart.AddComponent(pTitle);
    DEDizedDisplay* pDisplay = new DEDizedDisplay;
    pDisplay->ReadTemplateCommon("0 12 70 100 3 0 0 0");
    pDisplay->SetGraphType(GT_LINE);
    pDisplay->SetAxisType(AXIS_STANDARD);
    chart.AddComponent(pDisplay);
    DEDizedLegend* pLegend = new DEDizedLegend;
    pLegend->ReadTemplateCommon("72 20 98 60 2 1 1 1 240 240 240");
    pLegend->SetKeySize(0.3);
    pLegend->SetLayoutFlags(DEDizedLegend::fitWidth | DEDizedLegend::anchorTop);
    pLegend->SetKeyKind(DEDizedLegend::keyMarker);
    chart.AddComponent(pLegend);
    DEDizedLabel* pLabel = new DEDizedLabel;
    pLabel->ReadTemplateCommon("0 0 0 0 0 0 0 0");
    pLabel->SetAnchor(50, 95);
    pLabel->SetText(1, "Watched");
    chart.AddComponent(pLabel);
    DEDizedLabelBlock* pBlock = new DEDizedLabelBlock;
    pBlock->AddLabel("not written");
    chart.AddComponent(pBlock);

    const std::string text = WrittenText([&](CStdioFile& f) { WriteChartTemplate(chart, f); });
    ASSERT_EQ(text.compare(0, std::strlen(kHeader), kHeader), 0) << text;
    ASSERT_GE(text.size(), std::strlen(kTrailer));
    EXPECT_EQ(text.substr(text.size() - std::strlen(kTrailer)), kTrailer);
    // every line ends in CR LF
    for (size_t n = 0; n < text.size(); ++n) {
        if (text[n] == '\n')
            EXPECT_TRUE(n > 0 && text[n - 1] == '\r') << "a line feed alone at byte " << n;
        if (text[n] == '\r')
            EXPECT_TRUE(n + 1 < text.size() && text[n + 1] == '\n') << "a carriage return alone at byte " << n;
    }
    // (a label's part ends its line itself: an empty line follows its annotations)
    std::vector<std::string> keywords;
    for (size_t pos = std::strlen(kHeader); pos < text.size() - std::strlen(kTrailer);) {
        const size_t end = text.find("\r\n", pos);
        if (end > pos)
            keywords.push_back(text.substr(pos, text.find(' ', pos) - pos));
        pos = end + 2;
    }
    EXPECT_EQ(keywords, (std::vector<std::string>{"background", "title", "data", "legend", "label", "annotation",
                                                   "label"}));
    // the legend's line ends with its key kind
    EXPECT_NE(text.find(" 9 0.300000 1 1 4 \r\n"), std::string::npos) << text;

    TemplateChart copy;
    copy.Read(text);
    EXPECT_TRUE(copy.hookLines.empty());
    ASSERT_EQ(copy.Count(), 6);
    for (int i = 0; i < 6; ++i) {
        DEDizedComponent* pOriginal = chart.GetComponent(i, -1);
        DEDizedComponent* pRead = copy.At(i);
        const DEDizedRect& a = *pOriginal->GetRect();
        const DEDizedRect& b = *pRead->GetRect();
        EXPECT_EQ(b.m_dLeft, a.m_dLeft) << i;
        EXPECT_EQ(b.m_dTop, a.m_dTop) << i;
        EXPECT_EQ(b.m_dRight, a.m_dRight) << i;
        EXPECT_EQ(b.m_dBottom, a.m_dBottom) << i;
        EXPECT_EQ(b.GetMeasurement(), a.GetMeasurement()) << i;
        EXPECT_EQ(pRead->GetStyle()->m_nStyle & 0xFFF, pOriginal->GetStyle()->m_nStyle & 0xFFF) << i;
        EXPECT_EQ(pRead->GetStyle()->m_crFill1, pOriginal->GetStyle()->m_crFill1) << i;
        EXPECT_EQ(pRead->GetStyle()->m_crFill2, pOriginal->GetStyle()->m_crFill2) << i;
        if (DEDizedTitle* pText = dynamic_cast<DEDizedTitle*>(pOriginal)) {
            DEDizedTitle* pTextRead = static_cast<DEDizedTitle*>(pRead);
            EXPECT_EQ(pTextRead->GetFace(), pText->GetFace()) << i;
            EXPECT_EQ(pTextRead->GetStoredFontSize(), pText->GetStoredFontSize()) << i;
            EXPECT_EQ(pTextRead->GetFontFlags(), pText->GetFontFlags()) << i;
            EXPECT_EQ(pTextRead->GetTextColour(), pText->GetTextColour()) << i;
        }
    }
    EXPECT_EQ(copy.At(0)->GetStyle()->m_dGradientAngle, 45.0);
    EXPECT_EQ(static_cast<DEDizedDisplay*>(copy.At(2))->GetGraphType(), GT_LINE);
    DEDizedLegend* pLegendRead = static_cast<DEDizedLegend*>(copy.At(3));
    EXPECT_EQ(pLegendRead->GetKeySize(), 0.3);
    EXPECT_EQ(pLegendRead->GetLayoutFlags(), DEDizedLegend::fitWidth | DEDizedLegend::anchorTop);
    EXPECT_EQ(pLegendRead->GetKeyKind(), DEDizedLegend::keyByGraphType);
    EXPECT_EQ(static_cast<DEDizedLabel*>(copy.At(4))->GetText(1), "Watched");
    // the label block comes back as a plain label
    EXPECT_FALSE(copy.At(5)->IsKindOf(RUNTIME_CLASS(DEDizedLabelBlock)));
    EXPECT_TRUE(copy.At(5)->IsKindOf(RUNTIME_CLASS(DEDizedLabel)));
}

TEST_F(ChartTest, TemplateFilesGoodAndBad)
{
    CFakeServices fake;
    for (const char* lpszName : {"background_and_title.tpl", "chart_with_legend_and_panel.tpl",
                                 "label_block_and_comments.tpl", "old_line_ends.tpl"}) {
        TemplateChart chart;
        chart.ReadTemplate(DataPath((std::string("good/") + lpszName).c_str()).c_str());
        EXPECT_GT(chart.Count(), 0) << lpszName;
        EXPECT_TRUE(chart.hookLines.empty()) << lpszName;
    }
    EXPECT_TRUE(fake.CallsOf("MessageBox").empty());

    // each bad file fails at one line: code 13 through the hook, the others with two messages
    struct Bad {
        const char* pszName;
        int nCode;
        int nKept;
    } bad[] = {
        {"annotation_after_title.tpl", 13, 1}, {"reserved_keyword.tpl", 13, 0},
        {"unknown_fill_kind.tpl", 9, 1},       {"image_name_too_long.tpl", 9, 0},
        {"face_too_long.tpl", 10, 0},          {"short_display_part.tpl", 12, 0},
        {"short_legend_part.tpl", 11, 0},      {"short_common_part.tpl", 8, 0},
    };
    for (const Bad& b : bad) {
        CFakeServices messages;
        if (b.nCode != 13) {
            messages.ExpectMessageBox(IDOK, ResourceText(DEDizedException(b.nCode).GetMessageId()));
            messages.ExpectMessageBox(IDOK, ResourceText(IDS_CHART_TEMPLATE_LINE_ERROR));
        }
        TemplateChart chart;
        chart.ReadTemplate(DataPath((std::string("bad/") + b.pszName).c_str()).c_str());
        EXPECT_EQ(chart.Count(), b.nKept) << b.pszName;
        EXPECT_EQ(chart.hookLines.size(), b.nCode == 13 ? 1u : 0u) << b.pszName;
    }
}

// The text panel: the body and heading laid out and drawn (by pixels and by the lines written), the
// heading rectangles of the four positions, the mode value picking the texts, the template part and
// the stored form.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <string>

#include "ArchiveTestSupport.h"
#include "chart/engine/components/SRGTextPanel.h"

#include "chart_draw_support.h"
#include "chart_test_support.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);

class TextPanelTest : public ChartTest {
protected:
    void SetUp() override
    {
        ChartTest::SetUp();
        chart.SetBuffered(0);
        chart.SetFixedRect(CRect(0, 0, canvas.Width(), canvas.Height()));
        chart.SetFixedRectFlag(1);
        pPanel = new SRGTextPanel;
        pPanel->SetRectFromRECT(CRect(10, 10, 390, 290));
        pPanel->GetStyle()->m_nStyle = 0x101;  // a raised border one pixel wide, a solid fill
        pPanel->GetStyle()->m_crFill1 = kRed;
        chart.AddComponent(pPanel);
    }
    // The extent of a text in 10-point Arial: the widest line, the lines times the line height.
    CSize Extent(const char* lpszText, int nFlags = 0)
    {
        int nWidth = 0;
        int nLines = 0;
        for (const CString& line : DEDizedTitle::SplitLines(lpszText)) {
            nWidth = (std::max)(nWidth, int(ChartTextExtent(chart, canvas.dc, "Arial", 10, nFlags, line).cx));
            ++nLines;
        }
        return CSize(nWidth, nLines * ChartTextExtent(chart, canvas.dc, "Arial", 10, nFlags, lpszText).cy);
    }
    void Draw(CDC& dc) { chart.Draw(&dc, nullptr); }

    DibCanvas canvas{400, 300};
    DEDized chart;
    SRGTextPanel* pPanel = nullptr;
    const int nMargin = 5;  // the margins of a new component, in pixels
};

} // namespace

TEST_F(TextPanelTest, WithoutHeadingThePanelHoldsTheBodyPlusBorderAndMargins)
{
    const char* const kBody = "Hello\nWorld, wide";
    pPanel->SetBodyText(1, kBody);
    const CSize body = Extent(kBody);
    const DEDizedRect stored = *pPanel->GetRect();
    TextRecorder dc(canvas);
    Draw(dc);
    EXPECT_EQ(pPanel->GetBodyRect(), CRect(11, 11, 11 + body.cx + 2 * nMargin, 11 + body.cy + 2 * nMargin));
    EXPECT_TRUE(pPanel->GetLaidOutHeadingRect().IsRectEmpty());
    const int nRight = 10 + body.cx + 2 * nMargin + 2;
    const int nBottom = 10 + body.cy + 2 * nMargin + 2;
    EXPECT_EQ(canvas.At(nRight - 1, 30), RGB(0, 0, 0));  // the border's bottom-right edge
    EXPECT_EQ(canvas.At(nRight - 2, 30), kRed);
    EXPECT_EQ(canvas.At(nRight, 30), kWhite);
    EXPECT_EQ(canvas.At(30, nBottom), kWhite);
    EXPECT_EQ(pPanel->GetRect()->m_dRight, stored.m_dRight);
    // the body's lines, left-aligned inside the margins, the block centred vertically
    ASSERT_EQ(dc.lines.size(), 2u);
    EXPECT_EQ(dc.lines[0].text, "Hello");
    EXPECT_EQ(dc.lines[0].x, 11 + nMargin);
    EXPECT_EQ(dc.lines[0].nAlign & (TA_CENTER | TA_RIGHT), UINT(TA_LEFT));
    EXPECT_EQ(dc.lines[0].y, 11 + nMargin - 1);
    EXPECT_EQ(dc.lines[1].y - dc.lines[0].y, body.cy / 2);
}

TEST_F(TextPanelTest, AHeadingAtTheLeftIsTurnedAndSetsTheHeight)
{
    const char* const kHeading = "A heading longer than the body";
    pPanel->SetBodyText(1, "Body");
    pPanel->SetHeadingText(1, kHeading);
    pPanel->SetHeadingPosition(SRGTextPanel::headingLeft);
    pPanel->SetHeadingAlignment(DEDizedTitle::alignRight);
    pPanel->SetHeadingColour(RGB(0, 0, 128));
    TextRecorder dc(canvas);
    Draw(dc);
    const CSize heading = Extent(kHeading);
    const CRect headingRect = pPanel->GetLaidOutHeadingRect();
    const CRect bodyRect = pPanel->GetBodyRect();
    EXPECT_EQ(headingRect.Width(), heading.cy + nMargin);
    EXPECT_EQ(headingRect.Height(), heading.cx + 2 * nMargin);
    EXPECT_EQ(bodyRect.left, headingRect.right);
    EXPECT_EQ(bodyRect.top, headingRect.top);
    EXPECT_EQ(bodyRect.bottom, headingRect.bottom);  // the body reaches as far as the heading
    ASSERT_EQ(dc.lines.size(), 2u);
    EXPECT_EQ(dc.lines[0].text, "Body");
    const TextRecorder::Line& line = dc.lines[1];
    EXPECT_EQ(line.text, kHeading);
    EXPECT_EQ(line.font.lfEscapement, 900);
    EXPECT_EQ(line.crColour, RGB(0, 0, 128));
    // alignment 1 at the left: the line ends at the top of the heading's text area
    EXPECT_EQ(line.nAlign & (TA_CENTER | TA_RIGHT), UINT(TA_RIGHT));
    EXPECT_EQ(line.y, headingRect.top + nMargin);
    EXPECT_EQ(line.x, (headingRect.left + nMargin / 2 + headingRect.right - nMargin / 2 - heading.cy) / 2);

    // at the right the line is turned the other way and the column starts at its right
    pPanel->SetHeadingPosition(SRGTextPanel::headingRight);
    dc.lines.clear();
    Draw(dc);
    ASSERT_EQ(dc.lines.size(), 2u);
    EXPECT_EQ(dc.lines[1].font.lfEscapement, 2700);
    EXPECT_EQ(pPanel->GetLaidOutHeadingRect().left, pPanel->GetBodyRect().right);
    EXPECT_EQ(dc.lines[1].y, pPanel->GetLaidOutHeadingRect().bottom - nMargin);

    // without body sizing the heading takes its band inside the stored rectangle
    pPanel->SetHeadingPosition(SRGTextPanel::headingTop);
    pPanel->SetBodySizing(0);
    Draw(dc);
    EXPECT_EQ(pPanel->GetLaidOutHeadingRect(), CRect(11, 11, 389, 11 + heading.cy + nMargin));
    EXPECT_EQ(pPanel->GetBodyRect(), CRect(11, 11 + heading.cy + nMargin, 389, 289));
}

TEST_F(TextPanelTest, HeadingRectanglesOfTheFourPositions)
{
    const char* const kHeading = "Heading";
    pPanel->SetBodyText(1, "A body of two\nlines");
    pPanel->SetHeadingText(1, kHeading);
    Draw(canvas.dc);
    const CRect body = pPanel->GetBodyRect();
    const CSize text = Extent(kHeading);
    const CSize dpi = ChartDeviceDpi(&canvas.dc);
    const double x = double(dpi.cy) / dpi.cx;
    struct Case {
        int nPosition;
        int nOrientation;
        CRect expected;
    } cases[] = {
        {SRGTextPanel::headingTop, 0, CRect(body.left, body.top, body.left + text.cx, body.top + text.cy)},
        {SRGTextPanel::headingLeft, 900,
         CRect(body.left, body.top, body.left + int(text.cy / x), body.top + int(x * text.cx))},
        {SRGTextPanel::headingRight, 2700,
         CRect(body.right - int(text.cy / x), body.top, body.right, body.top + int(x * text.cx))},
        {SRGTextPanel::headingBottom, 0, CRect(body.left, body.bottom - text.cy, body.left + text.cx, body.bottom)},
    };
    pPanel->BeginDrawing(&canvas.dc, nullptr);
    for (const Case& c : cases) {
        pPanel->SetHeadingPosition(c.nPosition);
        EXPECT_EQ(pPanel->GetHeadingRect(), c.expected) << c.nPosition;
        EXPECT_EQ(pPanel->GetOrientation(), c.nOrientation) << c.nPosition;
    }
    pPanel->EndDrawing();
}

TEST_F(TextPanelTest, TheModeValuePicksBothTexts)
{
    pPanel->SetBodyText(1, "First body");
    pPanel->SetHeadingText(1, "First heading");
    pPanel->SetBodyText(2, "Second body");
    pPanel->SetHeadingText(2, "Second heading");
    TextRecorder dc(canvas);
    Draw(dc);
    ASSERT_EQ(dc.lines.size(), 2u);
    EXPECT_EQ(dc.lines[0].text, "First body");
    EXPECT_EQ(dc.lines[1].text, "First heading");
    chart.SetMode(2);
    dc.lines.clear();
    Draw(dc);
    ASSERT_EQ(dc.lines.size(), 2u);
    EXPECT_EQ(dc.lines[0].text, "Second body");
    EXPECT_EQ(dc.lines[1].text, "Second heading");
    // a mode without a heading text draws the body alone
    chart.SetMode(3);
    pPanel->SetBodyText(3, "Third body");
    dc.lines.clear();
    Draw(dc);
    ASSERT_EQ(dc.lines.size(), 1u);
    EXPECT_TRUE(pPanel->GetLaidOutHeadingRect().IsRectEmpty());
}

TEST(ChartTextPanel, TemplatePartAndStoredForm)
{
    SRGTextPanel panel;
    panel.SetBodyColour(RGB(1, 2, 3));
    panel.SetBodyFace("Courier New");
    panel.SetBodyFontSize(12);
    panel.SetBodyFlags(1);
    panel.SetBodyAlignment(DEDizedTitle::alignRight);
    panel.SetHeadingColour(RGB(4, 5, 6));
    panel.SetHeadingFace("Arial");
    panel.SetHeadingFontSize(9);
    panel.SetHeadingFlags(2);
    EXPECT_EQ(WrittenText([&](CStdioFile& f) {
                  panel.WriteTemplateKeyword(f);
                  panel.WriteTemplateClassPart(f);
              }),
              "textpanel 1 2 3 \"Courier New\" 12 1 1 4 5 6 \"Arial\" 9 2 2 ");
    // reading takes the first group, into the body
    SRGTextPanel read;
    EXPECT_STREQ(read.ReadTemplateClassPart(" 10 20 30 \"Times New Roman\" 14 4 0 4 5 6 \"Arial\" 9 2 2 "),
                 " 4 5 6 \"Arial\" 9 2 2 ");
    EXPECT_EQ(read.GetBodyColour(), RGB(10, 20, 30));
    EXPECT_EQ(read.GetBodyFace(), "Times New Roman");
    EXPECT_EQ(read.GetBodyFontSize(), 14);
    EXPECT_EQ(read.GetBodyFlags(), 4);
    EXPECT_EQ(read.GetBodyAlignment(), DEDizedTitle::alignLeft);
    EXPECT_EQ(read.GetHeadingFace(), "Arial");  // untouched

    panel.SetBodyText(1, "Body");
    panel.SetBodyText(2, "Zweiter");
    panel.SetHeadingText(1, "Heading");
    panel.SetHeadingPosition(SRGTextPanel::headingBottom);
    panel.SetHeadingShown(0);
    panel.SetBodySizing(0);
    panel.SetHeadingAlignment(DEDizedTitle::alignLeft);
    panel.GetHeadingStyle()->m_crFill1 = RGB(7, 8, 9);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { panel.Serialize(ar); });
    SRGTextPanel loaded;
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.GetBodyText(2), "Zweiter");
    EXPECT_EQ(loaded.GetHeadingText(1), "Heading");
    EXPECT_EQ(loaded.GetHeadingPosition(), SRGTextPanel::headingBottom);
    EXPECT_EQ(loaded.GetHeadingShown(), 0);
    EXPECT_EQ(loaded.GetBodySizing(), 0);
    EXPECT_EQ(loaded.GetBodyFace(), "Courier New");
    EXPECT_EQ(loaded.GetHeadingFontSize(), 9);
    EXPECT_EQ(loaded.GetBodyFlags(), 1);
    EXPECT_EQ(loaded.GetHeadingColour(), RGB(4, 5, 6));
    EXPECT_EQ(loaded.GetHeadingAlignment(), DEDizedTitle::alignLeft);
    EXPECT_EQ(loaded.GetBodyAlignment(), DEDizedTitle::alignRight);
    EXPECT_EQ(loaded.GetHeadingStyle()->m_crFill1, RGB(7, 8, 9));
}

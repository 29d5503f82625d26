// Titles: the text block in the component rectangle, the chart's text for the mode value, automatic
// font size, embossed and engraved text, the resizeable title, the template part and the stored form.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cstring>
#include <string>
#include <vector>

#include "ArchiveTestSupport.h"
#include "FakePrinterDC.h"
#include "chart/engine/components/DEDizedTitle.h"

#include "chart_draw_support.h"
#include "chart_test_support.h"

namespace {

const COLORREF kGreen = RGB(0, 160, 0);
const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kRed = RGB(255, 0, 0);

// A chart of 200 by 150 pixels drawn straight into a canvas, holding one title of class T placed at
// rect in pixels (margins of 10 each side), unfilled.
template <class T = DEDizedTitle>
struct TitleScene {
    explicit TitleScene(const CRect& rect)
    {
        chart.SetBuffered(0);
        pTitle = new T;
        pTitle->SetMeasurement(DEDizedRect::measurePixels);
        pTitle->SetRectFromRECT(rect);
        pTitle->GetStyle()->m_nStyle = 0;
        chart.AddComponent(pTitle);
    }
    void SetText(const char* lpszText, int nAlignment = DEDizedTitle::alignCentre)
    {
        pTitle->SetOwnText(1);
        pTitle->SetText(lpszText, nAlignment);
    }
    // Fills the title solid in crColour.
    void Fill(COLORREF crColour)
    {
        pTitle->GetStyle()->m_nStyle = 0x100;
        pTitle->GetStyle()->m_crFill1 = crColour;
    }
    // Draws the chart; returns the lines of text written.
    std::vector<TextRecorder::Line> Draw()
    {
        TextRecorder dc(canvas);
        chart.Draw(&dc, nullptr);
        return dc.lines;
    }
    CSize Extent(const char* lpszText, int nSize = 10, int nFlags = 0)
    {
        return ChartTextExtent(chart, canvas.dc, "Arial", nSize, nFlags, lpszText);
    }

    DibCanvas canvas{200, 150};
    DEDized chart;
    T* pTitle;
};

// The box of the pixels of the canvas in rows nTop to nBottom (excluded) that are not crBackground.
CRect InkBox(const DibCanvas& canvas, int nTop, int nBottom, COLORREF crBackground = kWhite)
{
    CRect box(canvas.Width(), nBottom, -1, nTop);
    for (int y = nTop; y < nBottom; ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.At(x, y) != crBackground) {
                box.left = (std::min)(box.left, LONG(x));
                box.right = (std::max)(box.right, LONG(x + 1));
                box.top = (std::min)(box.top, LONG(y));
                box.bottom = (std::max)(box.bottom, LONG(y + 1));
            }
    return box;
}

} // namespace

TEST_F(ChartTest, TitleLinesStandOneBelowTheOtherInTheMiddle)
{
    const char* const kText = "Ab\nA longer line";
    // placed at (20, 10, 180, 130): inside the margins (30, 20, 170, 120)
    const struct {
        int nAlignment;
        UINT nAlign;
        int x;
    } cases[] = {
        {DEDizedTitle::alignCentre, TA_CENTER, 100},
        {DEDizedTitle::alignLeft, TA_LEFT, 30},
        {DEDizedTitle::alignRight, TA_RIGHT, 170},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "alignment " << c.nAlignment);
        TitleScene<> scene(CRect(20, 10, 180, 130));
        scene.SetText(kText, c.nAlignment);
        const std::vector<TextRecorder::Line> lines = scene.Draw();
        const int nLineHeight = scene.Extent(kText).cy;
        const int nTop = (100 - 2 * nLineHeight) / 2 + 20 - 1;
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].text, "Ab");
        EXPECT_EQ(lines[1].text, "A longer line");
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(lines[size_t(i)].x, c.x);
            EXPECT_EQ(lines[size_t(i)].y, nTop + i * nLineHeight);
            EXPECT_EQ(lines[size_t(i)].nAlign & (TA_CENTER | TA_RIGHT), c.nAlign);
        }
        if (c.nAlignment != DEDizedTitle::alignCentre)
            continue;
        // on the canvas: each line's ink in its own row band, centred on the middle
        const CRect first = InkBox(scene.canvas, nTop, nTop + nLineHeight);
        const CRect second = InkBox(scene.canvas, nTop + nLineHeight, nTop + 2 * nLineHeight);
        EXPECT_NEAR(first.CenterPoint().x, 100, 2) << first;
        EXPECT_NEAR(second.CenterPoint().x, 100, 2) << second;
        EXPECT_NEAR(second.Width(), scene.Extent("A longer line").cx, 4);
        EXPECT_LT(first.Width(), second.Width());
    }
}

TEST_F(ChartTest, TitleShowsTheChartsTextForTheModeValueUnlessItHasItsOwn)
{
    TitleScene<> scene(CRect(0, 0, 200, 150));
    EXPECT_TRUE(scene.Draw().empty());  // no text anywhere: nothing drawn
    scene.chart.SetChartAnnotation("First", 1);
    scene.chart.SetChartAnnotation("Second", 2);
    scene.chart.SetMode(2);
    std::vector<TextRecorder::Line> lines = scene.Draw();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, "Second");
    EXPECT_EQ(scene.pTitle->GetAlignment(), DEDizedTitle::alignCentre);

    scene.SetText("Mine");
    lines = scene.Draw();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, "Mine");
    scene.pTitle->SetText("", DEDizedTitle::alignLeft);
    EXPECT_EQ(scene.pTitle->GetText(), " ");

    const struct {
        const char* lpszText;
        int nLines;
    } counts[] = {{"", 0}, {"\n", 1}, {"one", 1}, {"one\n", 1}, {"one\ntwo", 2}, {"one\n\nthree", 3}};
    for (const auto& c : counts)
        EXPECT_EQ(scene.pTitle->CountLines(c.lpszText), c.nLines) << '"' << c.lpszText << '"';
}

TEST_F(ChartTest, AutomaticSizeFillsTheInnerRectangle)
{
    const char* const kText = "Wide title";
    const int nScreenDpiY = ChartDeviceDpi(nullptr).cy;
    const int nBase = ::MulDiv(10, nScreenDpiY, 72);
    const struct {
        const char* lpszWhat;
        CRect rect;
    } cases[] = {
        {"held by the height", CRect(0, 0, 300, 60)},
        {"held by the width", CRect(0, 0, 100, 140)},
        {"too small: three pixels", CRect(0, 0, 21, 21)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpszWhat);
        TitleScene<> scene(c.rect);
        scene.SetText(kText);
        scene.pTitle->SetFontFlags(DEDizedTitle::fontAutoSize);
        const CSize text = scene.Extent(kText, -nBase, DEDizedTitle::fontAutoSize);
        const CRect inner(c.rect.left + 10, c.rect.top + 10, c.rect.right - 10, c.rect.bottom - 10);
        const double g = (std::min)(double(inner.Height()) / text.cy, double(inner.Width()) / text.cx);
        const int nExpected = nBase * g >= 3.0 ? -int(nBase * g) : -3;
        scene.pTitle->BeginDrawing(&scene.canvas.dc, nullptr);
        EXPECT_EQ(scene.pTitle->FitFontSize(), nExpected);
        scene.pTitle->EndDrawing();
        // the text is drawn in that size
        const std::vector<TextRecorder::Line> lines = scene.Draw();
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].font.lfHeight, nExpected);
    }

    // an empty text; a printer of twice the screen's resolution scales the three-pixel floor
    TitleScene<> scene(CRect(0, 0, 30, 30));
    scene.pTitle->SetFontFlags(DEDizedTitle::fontAutoSize);
    scene.pTitle->BeginDrawing(&scene.canvas.dc, nullptr);
    EXPECT_EQ(scene.pTitle->FitFontSize(), -20);
    scene.pTitle->EndDrawing();
    scene.SetText(kText);
    CFakePrinterDC printer(300, 200, ChartDeviceDpi(nullptr).cx, 2 * nScreenDpiY);
    scene.pTitle->BeginDrawing(&printer, nullptr);
    EXPECT_EQ(scene.pTitle->FitFontSize(), -6);
    scene.pTitle->EndDrawing();
}

TEST_F(ChartTest, EmbossedAndEngravedTextLieOnAWhiteAndABlackCopy)
{
    for (const int nFlag : {int(DEDizedTitle::fontEmbossed), int(DEDizedTitle::fontEngraved)}) {
        SCOPED_TRACE(nFlag == DEDizedTitle::fontEmbossed ? "embossed" : "engraved");
        const int d = nFlag == DEDizedTitle::fontEmbossed ? 1 : -1;
        TitleScene<> scene(CRect(0, 0, 200, 150));
        scene.Fill(kGrey);
        scene.SetText("I");
        scene.pTitle->SetFont(-60, DEDizedTitle::fontBold | nFlag, "Arial");
        scene.pTitle->SetTextColour(kRed);
        const std::vector<TextRecorder::Line> lines = scene.Draw();
        ASSERT_EQ(lines.size(), 3u);
        const TextRecorder::Line& line = lines[2];
        EXPECT_EQ(line.crColour, kRed);
        EXPECT_EQ(lines[0].crColour, kWhite);
        EXPECT_EQ(CPoint(lines[0].x, lines[0].y), CPoint(line.x + d, line.y + d));
        EXPECT_EQ(lines[1].crColour, RGB(0, 0, 0));
        EXPECT_EQ(CPoint(lines[1].x, lines[1].y), CPoint(line.x - d, line.y - d));

        // across the middle of the stroke: one copy shows at its left edge, the other at its right
        const int y = line.y + scene.Extent("I", -60, DEDizedTitle::fontBold | nFlag).cy / 2;
        int nLeft = 0;
        while (nLeft < 200 && scene.canvas.At(nLeft, y) == kGrey)
            ++nLeft;
        int nRight = 199;
        while (nRight > nLeft && scene.canvas.At(nRight, y) == kGrey)
            --nRight;
        ASSERT_LT(nLeft, nRight);
        const COLORREF crLeft = scene.canvas.At(nLeft, y);
        const COLORREF crRight = scene.canvas.At(nRight, y);
        const COLORREF crDark = d > 0 ? crLeft : crRight;
        const COLORREF crLight = d > 0 ? crRight : crLeft;
        EXPECT_LT(GetRValue(crDark), 100) << std::hex << crDark;
        EXPECT_GT(GetGValue(crLight), 160) << std::hex << crLight;
        EXPECT_EQ(scene.canvas.At((nLeft + nRight) / 2, y), kRed);
    }
}

TEST_F(ChartTest, ResizeableTitleHugsItsTextInsideTheDrawingArea)
{
    const char* const kText = "Fit me";
    const struct {
        const char* lpszWhat;
        CRect rect;
    } cases[] = {
        {"in the middle of its rectangle", CRect(20, 20, 180, 120)},
        {"moved back from the right edge", CRect(150, 20, 400, 120)},
        {"kept at the left edge", CRect(-1, 20, 180, 120)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpszWhat);
        TitleScene<DEDizedTitleResizeable> scene(c.rect);
        scene.SetText(kText);
        scene.Fill(kGreen);
        scene.Draw();
        const CSize text = scene.Extent(kText);
        CRect device = c.rect;
        device.left = (std::max)(int(device.left), 0);
        const CPoint centre = CRect(device.left + 10, device.top + 10, device.right - 10, device.bottom - 10).CenterPoint();
        CRect fitted(centre.x - text.cx / 2, centre.y - text.cy / 2, 0, 0);
        fitted.right = fitted.left + text.cx + 10;
        fitted.bottom = fitted.top + text.cy + 10;
        fitted.left -= 10;
        fitted.top -= 10;
        if (fitted.right > 200)
            fitted.OffsetRect(200 - fitted.right, 0);
        if (c.rect.left == -1)
            fitted.OffsetRect(-fitted.left, 0);
        EXPECT_EQ(InkBox(scene.canvas, 0, 150), fitted);
        EXPECT_EQ(scene.canvas.At(fitted.left, fitted.top), kGreen);
        // the stored placement is kept
        const DEDizedRect* pRect = scene.pTitle->GetRect();
        EXPECT_EQ(CRect(int(pRect->m_dLeft), int(pRect->m_dTop), int(pRect->m_dRight), int(pRect->m_dBottom)), c.rect);

        // the fitted rectangle without drawing, the chart's area left as it was
        DEDizedRect result;
        scene.pTitle->GetFittedRect(result, &scene.canvas.dc, nullptr);
        EXPECT_EQ(result.m_dTop, fitted.top);
        EXPECT_EQ(result.m_dBottom, fitted.bottom);
        EXPECT_EQ(scene.chart.GetDrawingRect(), CRect(0, 0, 200, 150));
        EXPECT_EQ(scene.chart.GetFixedRectFlag(), 0);
        scene.pTitle->SetAutoResize(0);
        scene.pTitle->GetFittedRect(result, &scene.canvas.dc, nullptr);
        EXPECT_EQ(result.m_dRight, c.rect.right);
    }
}

TEST(ChartTitle, TemplatePartHoldsColourFontAndAlignment)
{
    DEDizedTitle title;
    const char* const kLine = " 255 0 300 \"Times New Roman\" 14 3 1 rest";
    EXPECT_STREQ(title.ReadTemplateClassPart(kLine), " rest");
    EXPECT_EQ(title.GetTextColour(), RGB(255, 0, 44));  // each number's low byte
    EXPECT_EQ(title.GetFace(), "Times New Roman");
    EXPECT_EQ(title.GetStoredFontSize(), 14);
    EXPECT_EQ(title.GetFontFlags(), 3);
    EXPECT_EQ(title.GetAlignment(), DEDizedTitle::alignRight);
    EXPECT_EQ(title.GetText(), " ");
    EXPECT_EQ(WrittenText([&](CStdioFile& f) {
                  title.WriteTemplateKeyword(f);
                  title.WriteTemplateClassPart(f);
              }),
              "title 255 0 44 \"Times New Roman\" 14 3 1 ");

    for (const char* lpszBad : {" 1 2 3 \"Arial\" 10 0", " 1 2 3 \"Ari@l\" 10 0 1", " 1 2 \"Arial\" 10 0 1", ""})
        EXPECT_EQ(ChartCode([&] { title.ReadTemplateClassPart(lpszBad); }), 10) << lpszBad;
}

TEST(ChartTitle, StoredFormKeepsTheOwnTextFlagFromVersionThree)
{
    DEDizedTitle title;
    title.SetText("Two\nlines", DEDizedTitle::alignLeft);
    title.SetOwnText(1);
    title.SetFont(-17, DEDizedTitle::fontItalic, "Courier New");
    title.SetTextColour(RGB(1, 2, 3));
    const Bytes bytes = StoreBytes([&](CArchive& ar) { title.Serialize(ar); });
    DEDizedTitle loaded;
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.GetText(), "Two\nlines");
    EXPECT_EQ(loaded.GetAlignment(), DEDizedTitle::alignLeft);
    EXPECT_EQ(loaded.GetOwnText(), 1);
    EXPECT_EQ(loaded.GetStoredFontSize(), -17);
    EXPECT_EQ(loaded.GetFontFlags(), DEDizedTitle::fontItalic);
    EXPECT_EQ(loaded.GetFace(), "Courier New");
    EXPECT_EQ(loaded.GetTextColour(), RGB(1, 2, 3));
    EXPECT_EQ(loaded.IsFontDirty(), 1);

    // the version is the minimum of the inverted range after the component's style and rectangle
    const Bytes style = StoreBytes([&](CArchive& ar) { DEDizedStyle(DEDizedStyle::kindComponent).Serialize(ar); });
    const size_t nVersionAt = style.size() + 4 * 8 + 4 + 8;
    auto withVersion = [&](Bytes stored, double dVersion, bool bDropLastInt) {
        std::memcpy(&stored[nVersionAt], &dVersion, 8);
        if (bDropLastInt)
            stored.resize(stored.size() - 4);
        return stored;
    };
    DEDizedTitle older;
    LoadBytes(withVersion(bytes, 2.0, true), [&](CArchive& ar) { older.Serialize(ar); });
    EXPECT_EQ(older.GetOwnText(), 0);
    EXPECT_EQ(older.GetText(), "Two\nlines");

    DEDizedTitleResizeable resizeable;
    resizeable.SetOwnText(1);
    resizeable.SetAutoResize(0);
    const Bytes stored = StoreBytes([&](CArchive& ar) { resizeable.Serialize(ar); });
    DEDizedTitleResizeable loadedResizeable;
    LoadBytes(stored, [&](CArchive& ar) { loadedResizeable.Serialize(ar); });
    EXPECT_EQ(loadedResizeable.GetAutoResize(), 0);
    EXPECT_EQ(loadedResizeable.GetOwnText(), 1);
    DEDizedTitleResizeable fromVersion3;
    LoadBytes(withVersion(stored, 3.0, true), [&](CArchive& ar) { fromVersion3.Serialize(ar); });
    EXPECT_EQ(fromVersion3.GetAutoResize(), 1);
    EXPECT_EQ(fromVersion3.GetOwnText(), 1);
}

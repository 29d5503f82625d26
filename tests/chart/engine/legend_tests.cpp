// The chart legend: its entries by source kind and linked display, the grid of columns and rows, fit
// and resize, key sizes, the keys by pixels and its stored form.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <string>

#include "ArchiveTestSupport.h"
#include "chart/engine/components/DEDizedLegend.h"
#include "chart/engine/display/DEDizedDisplay.h"

#include "chart_draw_support.h"
#include "chart_test_support.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

class LegendTest : public ChartTest {
protected:
    void SetUp() override
    {
        ChartTest::SetUp();
        DEDizedLegend::ResetSharedCellSize();
        chart.SetBuffered(0);
        // the drawing area is the canvas (a resized legend is kept inside it)
        chart.SetFixedRect(CRect(0, 0, canvas.Width(), canvas.Height()));
        chart.SetFixedRectFlag(1);
    }
    void TearDown() override
    {
        DEDizedLegend::ResetSharedCellSize();
        ChartTest::TearDown();
    }

    // nGroups groups of two values, named "G0", "G1" ...
    void AddGroups(int nGroups)
    {
        for (int g = 0; g < nGroups; ++g) {
            chart.SetValue(0, g, g + 1.0, 1);
            chart.SetValue(1, g, g + 2.0, 1);
            chart.SetGroupAnnotation(g, ("G" + std::to_string(g)).c_str(), 0);
        }
    }
    // A legend in pixels, without border or fill, whose inner rectangle is inner.
    DEDizedLegend* AddLegend(const CRect& inner)
    {
        DEDizedLegend* pLegend = new DEDizedLegend;
        pLegend->GetStyle()->m_nStyle = 0;
        CRect rect = inner;
        rect.InflateRect(int(pLegend->GetHorizontalMargin()), int(pLegend->GetVerticalMargin()));
        pLegend->SetRectFromRECT(rect);
        chart.AddComponent(pLegend);
        return pLegend;
    }
    // The width of one entry (key cell and text) in the legend's 10-point Arial.
    int EntryWidth(DEDizedLegend& legend)
    {
        legend.BeginDrawing(&canvas.dc, nullptr);
        const CSize cell = legend.GetCharCell(chart.GetFont("Arial", 10, 0, 0, &canvas.dc));
        legend.EndDrawing();
        rowHeight = int(std::ceil(1.15 * cell.cy));
        return int(std::ceil(legend.GetKeySize() * 1.2)) + 10 * cell.cx;
    }
    void Draw() { chart.Draw(&canvas.dc, nullptr); }

    DibCanvas canvas{400, 300};
    DEDized chart;
    int rowHeight = 0;
};

} // namespace

TEST_F(LegendTest, SevenEntriesInThreeColumnsTakeThreeRows)
{
    AddGroups(7);
    DEDizedLegend probe;
    const int nEntry = EntryWidth(probe);
    DEDizedLegend* pLegend = AddLegend(CRect(10, 10, 10 + 3 * nEntry + nEntry / 2, 200));
    Draw();
    EXPECT_EQ(pLegend->GetLinkedDisplay(), nullptr);  // placed first: no display, groups listed
    EXPECT_EQ(pLegend->GetEntryCount(), 7);
    EXPECT_EQ(pLegend->GetColumnCount(), 3);
    EXPECT_EQ(pLegend->GetRowCount(), 3);
    DEDizedLabelBlock& entries = pLegend->GetEntries();
    ASSERT_EQ(entries.GetLabelCount(), 7);
    EXPECT_EQ(entries.GetLabel(6)->GetText(1), "G6");
    // the last row holds entry 6 alone, in the first column; the shared cell is the grid's third
    const CSize cell = DEDizedLegend::GetSharedCellSize();
    EXPECT_EQ(cell.cx, (3 * nEntry + nEntry / 2) / 3);
    EXPECT_EQ(cell.cy, 190 / 3);
    const CPoint first = entries.GetLabel(0)->GetPixelAnchor();
    const CPoint seventh = entries.GetLabel(6)->GetPixelAnchor();
    EXPECT_EQ(seventh.x, first.x);
    EXPECT_EQ(seventh.y - first.y, 2 * cell.cy);
    EXPECT_EQ(entries.GetLabel(5)->GetPixelAnchor().x - first.x, 2 * cell.cx);
    // the text starts after the key and its gap (the smaller of a tenth of the key and 3 pixels)
    EXPECT_EQ(first.x, 10 + 20 + 2);
    EXPECT_EQ(first.y, 10 + rowHeight / 2);

    // a source kind whose bit 1 is set lays out as any other
    pLegend->SetSourceKind(DEDizedLegend::entriesGroups);
    Draw();
    EXPECT_EQ(pLegend->GetColumnCount(), 3);
    EXPECT_EQ(pLegend->GetRowCount(), 3);
    // the style's symbol sizes give the columns and rows when its option word asks for them
    pLegend->GetStyle()->m_nOptions |= DEDizedLegend::optionFixedGrid;
    pLegend->GetStyle()->m_dLimit1 = 2.0;
    pLegend->GetStyle()->m_dLimit2 = 4.0;
    Draw();
    EXPECT_EQ(pLegend->GetColumnCount(), 2);
    EXPECT_EQ(pLegend->GetRowCount(), 4);
    EXPECT_EQ(entries.GetLabel(6)->GetPixelAnchor().y - first.y, 3 * (190 / 4));

    // fewer entries than fit in one row: one column each, the row centred vertically
    DEDized two;
    two.SetBuffered(0);
    for (int g = 0; g < 2; ++g)
        two.SetValue(0, g, 1.0, 1);
    DEDizedLegend* pWide = new DEDizedLegend;
    pWide->GetStyle()->m_nStyle = 0;
    pWide->SetRectFromRECT(CRect(0, 0, 400, 100));
    two.AddComponent(pWide);
    two.Draw(&canvas.dc, nullptr);
    EXPECT_EQ(pWide->GetColumnCount(), 2);
    EXPECT_EQ(pWide->GetRowCount(), 1);
    const CRect grid = pWide->GetGridRect();
    EXPECT_EQ(pWide->GetEntries().GetLabel(1)->GetPixelAnchor().y,
              grid.top + (grid.Height() - rowHeight) / 2 + rowHeight / 2);
    EXPECT_EQ(DEDizedLegend::GetSharedCellSize(), CSize(grid.Width() / 2, grid.Height()));
}

TEST_F(LegendTest, FitWidthAndResize)
{
    AddGroups(2);
    DEDizedLegend probe;
    const int nEntry = EntryWidth(probe);
    const CRect inner(50, 20, 350, 120);
    DEDizedLegend* pLegend = AddLegend(inner);
    pLegend->SetLayoutFlags(DEDizedLegend::fitWidth);  // anchored at the right
    Draw();
    EXPECT_EQ(pLegend->GetGridRect(), CRect(350 - 2 * nEntry, 20, 350, 120));
    pLegend->SetLayoutFlags(DEDizedLegend::fitWidth | DEDizedLegend::fitHeight | DEDizedLegend::anchorLeft |
                            DEDizedLegend::anchorTop);
    Draw();
    EXPECT_EQ(pLegend->GetGridRect(), CRect(50, 20, 50 + 2 * nEntry, 20 + rowHeight));

    // with the resize flag the red legend is drawn round its grid: its left edge moves, its right stays;
    // the stored rectangle is kept
    pLegend->SetLayoutFlags(DEDizedLegend::fitWidth);
    pLegend->SetResize(1);
    pLegend->GetStyle()->m_nStyle = 0x100;
    pLegend->GetStyle()->m_crFill1 = kRed;
    const DEDizedRect stored = *pLegend->GetRect();
    Draw();
    const int nMarginX = int(pLegend->GetHorizontalMargin());
    const int nMarginY = int(pLegend->GetVerticalMargin());
    const int nLeft = 350 - 2 * nEntry - nMarginX;
    const int nBand = 20 - nMarginY / 2;  // inside the top margin, clear of keys and texts
    EXPECT_EQ(canvas.At(nLeft - 1, nBand), kWhite);
    EXPECT_EQ(canvas.At(nLeft, nBand), kRed);
    EXPECT_EQ(canvas.At(350 + nMarginX - 1, nBand), kRed);
    EXPECT_EQ(canvas.At(350 + nMarginX, nBand), kWhite);
    EXPECT_EQ(canvas.At(300, 120 + nMarginY - 1), kRed);
    EXPECT_EQ(canvas.At(300, 120 + nMarginY), kWhite);
    // without a fit flag the grid keeps its width and takes the rows' height
    pLegend->SetLayoutFlags(0);
    canvas.dc.FillSolidRect(0, 0, canvas.Width(), canvas.Height(), kWhite);
    Draw();
    EXPECT_EQ(pLegend->GetGridRect(), CRect(50, 20, 350, 20 + rowHeight));
    EXPECT_EQ(canvas.At(50 - nMarginX, nBand), kRed);
    EXPECT_EQ(canvas.At(300, 20 + rowHeight + nMarginY - 1), kRed);
    EXPECT_EQ(canvas.At(300, 20 + rowHeight + nMarginY), kWhite);
    EXPECT_EQ(pLegend->GetRect()->m_dLeft, stored.m_dLeft);
    EXPECT_EQ(pLegend->GetRect()->m_dBottom, stored.m_dBottom);
}

TEST_F(LegendTest, EntriesBySourceKindAndLinkedDisplay)
{
    AddGroups(2);
    chart.SetItemAnnotation(0, 0, "Apples");
    DEDizedDisplay* pDisplay = new DEDizedDisplay;
    pDisplay->SetRectFromRECT(CRect(0, 0, 200, 200));
    pDisplay->SetFlags(SRGDisplayBase::flagNoAxes);
    chart.AddComponent(pDisplay);
    DEDizedLegend* pLegend = AddLegend(CRect(210, 10, 390, 290));
    Draw();
    EXPECT_EQ(pLegend->GetLinkedDisplay(), pDisplay);

    // the automatic kind by the display's graph type
    struct Kind {
        int nGraphType;
        int nEntryKind;
    } kinds[] = {{0x04, 4}, {0x0D, 4}, {0x14, 2}, {0x21, 2}, {0x32, 2}, {0x03, 3}, {0x01, 3}};
    for (const Kind& k : kinds) {
        pDisplay->SetGraphType(k.nGraphType);
        EXPECT_EQ(pLegend->GetEntryKind(), k.nEntryKind) << k.nGraphType;
    }

    // kind 4: every item of every group, an unnamed one by IDS_CHART_UNNAMED_ITEM
    pLegend->SetSourceKind(DEDizedLegend::entriesItems);
    pLegend->LayoutHook();
    ASSERT_EQ(pLegend->GetEntryCount(), 4);
    CString unnamed;
    unnamed.Format(ResourceText(IDS_CHART_UNNAMED_ITEM), 0, 1);
    EXPECT_EQ(pLegend->GetEntries().GetLabel(0)->GetText(1), "Apples");
    EXPECT_EQ(pLegend->GetEntries().GetLabel(1)->GetText(1), unnamed);
    // kind 6: the items of the first group of the window; the window follows the display's
    pDisplay->SetDataWindow(-1, 1, -1, -1);
    chart.SetItemAnnotation(1, 1, "Pears");
    pLegend->SetSourceKind(DEDizedLegend::entriesFirstGroupItems);
    Draw();
    ASSERT_EQ(pLegend->GetEntryCount(), 2);
    EXPECT_EQ(pLegend->GetEntries().GetLabel(1)->GetText(1), "Pears");
    // groups stepped by the group step; labels past the entries are removed
    pDisplay->SetDataWindow(-1, -1, -1, -1);
    AddGroups(5);
    pLegend->SetSourceKind(DEDizedLegend::entriesGroups);
    pLegend->SetGroupStep(2);
    Draw();
    EXPECT_EQ(pLegend->GetEntryCount(), 3);
    EXPECT_EQ(pLegend->GetEntries().GetLabelCount(), 3);
    EXPECT_EQ(pLegend->GetEntries().GetLabel(2)->GetText(1), "G4");
    // source kind 0 lays nothing out (a layout would list the five groups)
    pLegend->SetSourceKind(0);
    pLegend->SetGroupStep(1);
    Draw();
    EXPECT_EQ(pLegend->GetEntries().GetLabelCount(), 3);
}

TEST_F(LegendTest, KeySizesByMeasurementKind)
{
    DEDizedLegend legend;
    EXPECT_EQ(legend.GetKeySizePixels(), 30);  // outside drawing
    struct Case {
        int nMeasurement;
        double dDefault;
    } cases[] = {{0, 20.0}, {1, 10.0}, {2, 0.4}, {3, 5.0}};
    for (const Case& c : cases) {
        legend.SetMeasurement(c.nMeasurement);
        EXPECT_EQ(legend.GetKeySize(), c.dDefault) << c.nMeasurement;
    }
    legend.SetChart(&chart);
    chart.SetDrawingRect(CRect(0, 0, 200, 100));
    legend.BeginDrawing(&canvas.dc, nullptr);
    const int nDpi = ChartDeviceDpi(&canvas.dc).cx;
    legend.SetMeasurement(DEDizedRect::measurePixels);
    EXPECT_EQ(legend.GetKeySizePixels(), 20);
    legend.SetMeasurement(DEDizedRect::measureMillimetres);
    EXPECT_EQ(legend.GetKeySizePixels(), int(10.0 * nDpi * 0.03937007874015748 + 0.5));
    legend.SetMeasurement(DEDizedRect::measureInches);
    EXPECT_EQ(legend.GetKeySizePixels(), int(0.4 * nDpi + 0.5));
    legend.SetMeasurement(DEDizedRect::measurePerCent);
    EXPECT_EQ(legend.GetKeySizePixels(), 10);  // 200 x 5 % = 10
    legend.SetKeySize(8.0);
    EXPECT_EQ(legend.GetKeySizePixels(), 16);
    legend.SetKeySize(2.0);
    EXPECT_EQ(legend.GetKeySizePixels(), int(10 * legend.GetDeviceScaleX()));  // at least 10 pixels
    legend.EndDrawing();
}

TEST_F(LegendTest, KeysByKind)
{
    chart.SetValue(0, 0, 1.0, 1);
    DEDizedStyle* pItem = chart.GetDataItem(0, 0)->GetStyle();
    pItem->m_nLineKind = 2 | (2 << 4) | (13 << 8);  // solid line, solid fill, square marker
    pItem->m_crColor = kRed;
    pItem->m_crFill1 = kBlue;
    DEDizedDisplay* pDisplay = new DEDizedDisplay;
    chart.AddComponent(pDisplay);
    DEDizedLegend* pLegend = new DEDizedLegend;
    chart.AddComponent(pLegend);
    pLegend->SetLinkedDisplay(pDisplay);

    // a box of 40 by 20: the line runs across row 10, the marker (half size 5) sits at (20, 10)
    auto key = [&](int nKind, int nGraphType, bool bLine) {
        canvas.dc.FillSolidRect(0, 0, 400, 300, kWhite);
        pLegend->SetKeyKind(nKind);
        pDisplay->SetGraphType(nGraphType);
        if (bLine)
            pLegend->GetStyle()->m_nOptions &= ~DEDizedLegend::optionNoKeyLine;
        else
            pLegend->GetStyle()->m_nOptions |= DEDizedLegend::optionNoKeyLine;
        pLegend->BeginDrawing(&canvas.dc, nullptr);
        pLegend->DrawKey(0, 0, 40, 20, 0, 0, 0);
        pLegend->EndDrawing();
        // line at the left end, marker at the centre, fill in a corner of the box
        return std::string(canvas.At(2, 10) == kRed ? "L" : "") + (canvas.At(20, 10) == kBlue ? "M" : "") +
               (canvas.At(3, 3) == kBlue ? "B" : "");
    };
    EXPECT_EQ(key(DEDizedLegend::keyLine, GT_LINE, true), "L");
    EXPECT_EQ(key(DEDizedLegend::keyBox, GT_LINE, true), "MB");
    EXPECT_EQ(key(DEDizedLegend::keyMarker, GT_LINE, true), "M");
    EXPECT_EQ(key(DEDizedLegend::keyByGraphType, GT_LINE, true), "LM");
    EXPECT_EQ(key(DEDizedLegend::keyByGraphType, GT_LINE, false), "M");
    EXPECT_EQ(key(DEDizedLegend::keyByGraphType, 0x1F, true), "L");
    EXPECT_EQ(key(DEDizedLegend::keyByGraphType, GT_VBAR, true), "MB");
    EXPECT_EQ(key(DEDizedLegend::keyNone, GT_LINE, true), "");
    // kind 5: the item's own key kind (bits 12-15 of its kind word)
    pItem->m_nKind = (pItem->m_nKind & ~0xF000) | (DEDizedLegend::keyLine << 12);
    EXPECT_EQ(key(DEDizedLegend::keyItemStyle, GT_LINE, true), "L");
    // a marker kind of 4 leaves the marker out of the display type's key
    pItem->m_nLineKind = 2 | (2 << 4) | (4 << 8);
    EXPECT_EQ(key(DEDizedLegend::keyByGraphType, GT_LINE, true), "L");
}

TEST(ChartLegend, StoredFormAndTemplatePart)
{
    DEDizedLegend legend;
    legend.SetLayoutFlags(DEDizedLegend::fitHeight | DEDizedLegend::anchorTop);
    legend.SetKeySize(12.5);
    legend.SetTextWidth(14);
    legend.SetRowSpacing(2);
    legend.SetResize(1);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { legend.Serialize(ar); });
    DEDizedLegend loaded;
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.GetLayoutFlags(), DEDizedLegend::fitHeight | DEDizedLegend::anchorTop);
    EXPECT_EQ(loaded.GetKeySize(), 12.5);
    EXPECT_EQ(loaded.GetTextWidth(), 14);
    EXPECT_EQ(loaded.GetRowSpacing(), 2);
    EXPECT_EQ(loaded.GetResize(), 1);

    // layout flags, key size, source kind, show-line; the key kind becomes 1
    legend.SetKeyKind(DEDizedLegend::keyMarker);
    EXPECT_STREQ(legend.ReadTemplateClassPart(" 0 0 0 \"Arial\" 9 0 0 3 7.5 4 0 2 rest"), " 2 rest");
    EXPECT_EQ(legend.GetLayoutFlags(), DEDizedLegend::fitWidth | DEDizedLegend::fitHeight);
    EXPECT_EQ(legend.GetKeySize(), 7.5);
    EXPECT_EQ(legend.GetSourceKind(), DEDizedLegend::entriesItems);
    EXPECT_NE(legend.GetStyle()->m_nOptions & DEDizedLegend::optionNoKeyLine, 0);
    EXPECT_EQ(legend.GetKeyKind(), DEDizedLegend::keyByGraphType);
    EXPECT_EQ(WrittenText([&](CStdioFile& f) { legend.WriteTemplateExtra(f); }), " 3 7.500000 4 0 1 ");
    EXPECT_EQ(ChartCode([&] { legend.ReadTemplateClassPart(" 0 0 0 \"Arial\" 9 0 0 3 7.5 4"); }), 11);
}

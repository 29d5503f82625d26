// The static text cell: its text margin and rectangles, and what it draws (text, bitmaps, children)
// into memory DCs read back pixel by pixel.
#include "control_test_support.h"

#include "grid/controls/GXHeader.h"
#include "grid/controls/GXStatic.h"
#include "grid/engine/GXChild.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXFont.h"
#include "grid/engine/GXState.h"

#include <memory>
#include <set>

namespace {

// The drawing service with its text calls noted: which call, its format, text rectangle and clip.
class CNotedDrawing : public CGXDrawingAndFormatting {
public:
    struct Text {
        std::string kind;
        UINT nFormat;
        CRect rect;
        CRect rectClip;
        std::string text;
    };
    void DrawTextWrapped(CDC* pDC, const char* pszText, int nLength, const CRect& rect, UINT nFormat,
                         const CRect* pClipRect) override
    {
        m_texts.push_back({"wrapped", nFormat, rect, pClipRect != nullptr ? *pClipRect : rect,
                           std::string(pszText, size_t(nLength))});
        CGXDrawingAndFormatting::DrawTextWrapped(pDC, pszText, nLength, rect, nFormat, pClipRect);
    }
    void DrawTextEllipsis(CDC*, const char*, int, const CRect& rect, UINT nFormat, const CRect* pClipRect,
                          int nEllipsis) override
    {
        m_texts.push_back({"ellipsis " + std::to_string(nEllipsis), nFormat, rect, *pClipRect, ""});
    }
    void DrawRotatedText(CDC*, const char*, int, const CRect& rect, UINT nFormat, LONG nOrientation,
                         const CRect* pClipRect) override
    {
        m_texts.push_back({"rotated " + std::to_string(nOrientation), nFormat, rect, *pClipRect, ""});
    }
    std::vector<Text> m_texts;
};

// A gadget that notes its draws.
class CNotedChild : public CGXChild {
public:
    using CGXChild::CGXChild;
    void DrawButton(CDC*, BOOL) override { ++m_nDraws; }
    int m_nDraws = 0;
};

// A grid of static cells whose controls draw their backgrounds, and the static control.
struct StaticFixture {
    StaticFixture() : pStatic(new CGXStatic(&grid))
    {
        grid.CreateGrid(4, 4);
        grid.RegisterControl(GX_IDS_CTRL_STATIC, pStatic);
        grid.SetDrawCellBackground(TRUE);
    }
    void Apply(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
    {
        grid.SetStyleRange(CGXCellRange(nRow, nCol, nRow, nCol), &style, CGXStyle::gxOverride, 0, nullptr, 2,
                           CGXGridCore::gxRollback);
    }
    // Draws the cell through the static control into canvas, in rect.
    void Draw(DibCanvas& canvas, ROWCOL nRow, ROWCOL nCol, const CRect& rect)
    {
        const CGXComposedStyle style(&grid, nRow, nCol);
        pStatic->Draw(&canvas.dc, rect, nRow, nCol, style.Get(), nullptr);
    }
    CTestGridWnd grid;
    CGXStatic* pStatic;  // owned by the grid
};

// The bounds of the pixels of canvas that are not white (empty when all are).
CRect Inked(const DibCanvas& canvas)
{
    CRect bounds(canvas.Width(), canvas.Height(), 0, 0);
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.At(x, y) != kWhite) {
                bounds.left = std::min(bounds.left, LONG(x));
                bounds.top = std::min(bounds.top, LONG(y));
                bounds.right = std::max(bounds.right, LONG(x + 1));
                bounds.bottom = std::max(bounds.bottom, LONG(y + 1));
            }
    return bounds.IsRectEmpty() ? CRect() : bounds;
}

}  // namespace

TEST(StaticMargin, HalfTheFrameMetricFromThreePixelsOnElseTwo)
{
    const struct {
        int nMetric;
        int nMargin;
    } cases[] = {{0, 2}, {4, 2}, {5, 2}, {6, 3}, {7, 3}, {8, 4}, {12, 6}};
    for (const auto& c : cases)
        EXPECT_EQ(GXStaticTextMargin(c.nMetric), c.nMargin) << "SM_CXFRAME " << c.nMetric;
    EXPECT_EQ(CGXStatic::GetTextMargin(), GXStaticTextMargin(::GetSystemMetrics(SM_CXFRAME)));
}

TEST(StaticMargin, TheTextRectangleAndTheSizeGrowByTheMargin)
{
    StaticFixture f;
    f.Apply(1, 2, CGXStyle().SetHorizontalAlignment(DT_RIGHT));
    f.Apply(1, 3, CGXStyle().SetHorizontalAlignment(DT_CENTER));
    const int m = CGXStatic::GetTextMargin();
    for (ROWCOL nCol : {1u, 2u, 3u}) {
        SCOPED_TRACE(testing::Message() << "column " << nCol);
        const CRect base = f.pStatic->CGXControl::GetCellRect(1, nCol);
        const CRect text = f.pStatic->GetCellRect(1, nCol);
        EXPECT_EQ(text.left, base.left + m);
        EXPECT_EQ(text.right, base.right - (nCol == 2 ? m + 1 : m / 2));
        EXPECT_EQ(text.top, base.top);
        EXPECT_EQ(text.bottom, base.bottom);
    }
    const CGXComposedStyle style(&f.grid, 1, 1);
    const CSize base = f.pStatic->CGXControl::AddBorders(CSize(10, 10), style.Get());
    EXPECT_EQ(f.pStatic->AddBorders(CSize(10, 10), style.Get()), CSize(base.cx + 2 * m + 1, base.cy));
}

TEST(StaticDrawing, TheTextIsDrawnInTheTextRectangleWithTheCellsFormat)
{
    struct Case {
        const char* pszName;
        CGXStyle style;
        const char* pszKind;
        UINT nFormat;
    };
    CGXFont turned;
    turned.SetOrientation(900);
    const Case cases[] = {
        {"single line", CGXStyle().SetWrapText(FALSE), "wrapped", 0x820},
        {"wrapping", CGXStyle().SetWrapText(TRUE), "wrapped", 0x810},
        {"right and bottom",
         CGXStyle().SetWrapText(FALSE).SetHorizontalAlignment(DT_RIGHT).SetVerticalAlignment(DT_BOTTOM), "wrapped",
         0x820 | DT_RIGHT | DT_BOTTOM},
        {"centred both ways",
         CGXStyle().SetWrapText(FALSE).SetHorizontalAlignment(DT_CENTER).SetVerticalAlignment(DT_VCENTER), "wrapped",
         0x820 | DT_CENTER | DT_VCENTER},
        {"ellipses", CGXStyle().SetWrapText(FALSE).SetUserAttribute(GX_IDS_UA_ELLIPSISTYPE, "2"), "ellipsis 2", 0x820},
        {"turned font", CGXStyle().SetWrapText(FALSE).ChangeFont(turned, CGXStyle::gxOverride), "rotated 900", 0x820},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        StaticFixture f;
        f.Apply(2, 2, CGXStyle(c.style).SetValue("Text"));
        CNotedDrawing drawing;
        const WithModule<CGXDrawingAndFormatting> withDrawing(GXGetLibraryState()->m_pDrawingAndFormatting,
                                                              &drawing);
        DibCanvas canvas(300, 200);
        const CRect rect = f.grid.CalcCellRect(2, 2);
        f.Draw(canvas, 2, 2, rect);
        ASSERT_EQ(drawing.m_texts.size(), 1u);
        EXPECT_EQ(drawing.m_texts[0].kind, c.pszKind);
        EXPECT_EQ(drawing.m_texts[0].nFormat, c.nFormat);
        EXPECT_EQ(drawing.m_texts[0].rect, f.pStatic->GetCellRect(2, 2, &rect));
        EXPECT_EQ(drawing.m_texts[0].rectClip, rect);
    }
}

TEST(StaticDrawing, TextPixelsStayInsideTheTextRectangle)
{
    StaticFixture f;
    f.Apply(1, 1, CGXStyle().SetValue("Wide"));
    f.Apply(1, 2, CGXStyle().SetValue("Wide").SetHorizontalAlignment(DT_RIGHT));
    for (ROWCOL nCol : {1u, 2u}) {
        SCOPED_TRACE(testing::Message() << "column " << nCol);
        const CRect rect = f.grid.CalcCellRect(1, nCol);
        DibCanvas canvas(rect.right + 20, rect.bottom + 20);
        f.Draw(canvas, 1, nCol, rect);
        const CRect text = f.pStatic->GetCellRect(1, nCol, &rect);
        const CRect inked = Inked(canvas);
        ASSERT_FALSE(inked.IsRectEmpty());
        EXPECT_GE(inked.left, text.left);
        EXPECT_LE(inked.right, text.right);
        EXPECT_GE(inked.top, text.top);
        EXPECT_LE(inked.bottom, text.bottom);
    }
}

TEST(StaticDrawing, ATinyCellShowsOnlyItsBackgroundAnEmptyOneStillItsChildren)
{
    StaticFixture f;
    const COLORREF clrInterior = RGB(0, 0, 200);
    f.Apply(1, 1, CGXStyle().SetValue("Text").SetInterior(CGXCellBrush(CGXCellBrush::gxSolid, clrInterior)));
    auto* pChild = new CNotedChild(f.pStatic);
    f.pStatic->AddChild(pChild);
    pChild->SetRect(CRect(0, 0, 1, 1));
    for (const CRect& rect : {CRect(10, 10, 11, 40), CRect(10, 10, 60, 11)}) {
        DibCanvas canvas(80, 60);
        f.Draw(canvas, 1, 1, rect);
        EXPECT_EQ(Inked(canvas), rect);
        EXPECT_EQ(canvas.At(rect.left, rect.top), clrInterior);
    }
    EXPECT_EQ(pChild->m_nDraws, 0) << "no children in a cell too small for its text";

    DibCanvas canvas(200, 60);
    f.Draw(canvas, 1, 2, CRect(10, 10, 110, 40));
    EXPECT_EQ(pChild->m_nDraws, 1) << "an empty cell draws its children";
    EXPECT_TRUE(Inked(canvas).IsRectEmpty()) << "and no text";
}

TEST(StaticDrawing, PrintingInBlackAndWhiteDrawsBlackTextOnWhite)
{
    StaticFixture f;
    f.Apply(1, 1, CGXStyle()
                      .SetValue("Text")
                      .SetTextColor(RGB(255, 0, 0))
                      .SetInterior(CGXCellBrush(CGXCellBrush::gxSolid, RGB(0, 0, 255))));
    const CRect rect = f.grid.CalcCellRect(1, 1);
    DibCanvas screen(rect.right + 10, rect.bottom + 10);
    f.Draw(screen, 1, 1, rect);
    EXPECT_EQ(screen.At(rect.left + 1, rect.bottom - 2), RGB(0, 0, 255));

    DibCanvas printed(rect.right + 10, rect.bottom + 10);
    f.grid.GetParam()->GetProperties()->SetBlackWhite(TRUE);
    f.grid.SetPrinting(&printed.dc, FALSE);
    f.Draw(printed, 1, 1, rect);
    f.grid.SetPrinting(nullptr);
    std::set<COLORREF> colours;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            colours.insert(printed.At(x, y));
    EXPECT_TRUE(colours.count(RGB(0, 0, 0))) << "black text";
    for (COLORREF colour : colours)
        EXPECT_EQ(GetRValue(colour), GetBValue(colour)) << "only greys: " << std::hex << colour;
    EXPECT_EQ(printed.At(rect.left + 1, rect.bottom - 2), kWhite);
}

TEST(StaticDrawing, ATextNamingABitmapShowsTheBitmapInTheCell)
{
    StaticFixture f;
    f.Apply(1, 1, CGXStyle().SetValue("#BMP(20028)"));
    const CRect rect = f.grid.CalcCellRect(1, 1);
    DibCanvas canvas(rect.right + 10, rect.bottom + 10);
    f.Draw(canvas, 1, 1, rect);
    // the arrow's first row: 7 black pixels from the base rectangle's corner, without text margin
    const CRect base = f.pStatic->CGXControl::GetCellRect(1, 1, &rect);
    EXPECT_EQ(canvas.At(base.left, base.top), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(base.left + 6, base.top), RGB(0, 0, 0));
    EXPECT_EQ(Inked(canvas).right, base.left + 7);
}

TEST(StaticDrawing, StoredValuesAreShownAndEditedUnformattedWhereTheGridAsks)
{
    EditGridFixture f;
    FakeNumberFormattingImp formatting;  // formats every value as "7"
    const WithModule<CGXAbstractNumberFormattingImp> withFormatting(GXGetLibraryState()->m_pNumberFormattingImp,
                                                                     &formatting);
    f.grid.SetStyleRange(CGXCellRange(1, 1, 1, 1), &CGXStyle().SetValue("1234").SetFormat(1), CGXStyle::gxOverride, 0,
                         nullptr, 2, CGXGridCore::gxRollback);
    CGXStatic control(&f.grid);
    for (BOOL bStored : {FALSE, TRUE}) {
        SCOPED_TRACE(bStored ? "stored values" : "formatted values");
        CGXGridParam::ControlOptions& options = f.grid.GetParam()->GetControlOptions();
        options.bShowStoredValues = options.bEditStoredValues = bStored;
        CNotedDrawing drawing;
        const WithModule<CGXDrawingAndFormatting> withDrawing(GXGetLibraryState()->m_pDrawingAndFormatting,
                                                              &drawing);
        DibCanvas canvas(200, 100);
        const CGXComposedStyle style(&f.grid, 1, 1);
        control.Draw(&canvas.dc, CRect(0, 0, 100, 30), 1, 1, style.Get(), nullptr);
        ASSERT_EQ(drawing.m_texts.size(), 1u);
        EXPECT_EQ(drawing.m_texts[0].text, bStored ? "1234" : "7");
        f.MakeCurrent(1, 1);
        EXPECT_EQ(f.m_pEdit->Text(), bStored ? "1234" : "7");
        f.MakeCurrent(2, 2);
    }
}

TEST(ControlFactory, TheFactoryMakesTheLandedCellsForTheirIds)
{
    CTestGridWnd grid;
    grid.CreateGrid(2, 2);
    const struct {
        UINT nId;
        const GXControlClass* pClass;
    } cases[] = {
        {GX_IDS_CTRL_EDIT, &CGXEditControl::classRecord},
        {GX_IDS_CTRL_ROWHEADER, &CGXEditControl::classRecord},
        {GX_IDS_CTRL_STATIC, &CGXStatic::classRecord},
        {GX_IDS_CTRL_HEADER, &CGXHeader::classRecord},
    };
    for (const auto& c : cases) {
        std::unique_ptr<CGXControl> pControl(GXGetControlFactory()->CreateControl(c.nId, &grid));
        ASSERT_NE(pControl, nullptr);
        EXPECT_EQ(pControl->GetControlClass(), c.pClass) << c.nId;
        EXPECT_NE(pControl->GetCellTip(), nullptr);
    }
    // every grid draws its headers through the header cell
    EXPECT_TRUE(grid.GetControl(0, 1)->IsKindOf(&CGXHeader::classRecord));
    EXPECT_TRUE(grid.GetControl(1, 0)->IsKindOf(&CGXHeader::classRecord));
    EXPECT_TRUE(grid.GetControl(1, 1)->IsKindOf(&CGXEditControl::classRecord));
}

// Cell tips: which cells need one and why (the need bits), where a cut-off text starts, where the text
// and bitmap tips are placed and what they paint, the factory's tip objects, and the grid's handler
// showing a tip after the delay and hiding it again.
#include "input_test_support.h"

#include "grid/engine/GXCellTip.h"
#include "grid/engine/GXCellTipHandler.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXTipWnd.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

GX_IMPLEMENT_CONTROL(CTestControl, CGXControl)

namespace {

const char kLongText[] = "a text far too long for its cell";

// The bitmap control of the grid controls: its "#BMP" text is a picture reference, not a bitmap name.
class CBitmapTestControl : public CGXControl {
public:
    explicit CBitmapTestControl(CGXGridCore* pGrid) : CGXControl(pGrid) {}
    const GXControlClass* GetControlClass() const override
    {
        static const GXControlClass record = {"CGXDaoBitmap", &CGXControl::classRecord};
        return &record;
    }
};

// A grid of 6 by 4 cells, 60 by 20 pixels, whose control has a tip object (the window stays hidden:
// only the tips show).
struct TipFixture {
    CFakeServices services;
    CInputGridWnd grid;
    TipFixture()
    {
        ReleaseModifierKeys(services);
        grid.CreateInputGrid(6, 4);
        grid.StoreDefaultColWidth(60);
        grid.StoreDefaultRowHeight(20);
        grid.m_pControl->AttachCellTip();
    }
    // Stores style at the cell, on one line unless it says otherwise (the standard style wraps).
    void Set(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
    {
        CGXStyle stored = style;
        if (!stored.GetIncludeWrapText())
            stored.SetWrapText(FALSE);
        grid.StoreStyleRowCol(nRow, nCol, &stored, CGXStyle::gxOverride);
    }
    void SetText(ROWCOL nRow, ROWCOL nCol, const char* pszText) { Set(nRow, nCol, CGXStyle().SetValue(pszText)); }
    CGXControl* Control(ROWCOL nRow, ROWCOL nCol) { return grid.GetControl(nRow, nCol); }
    UINT Need(ROWCOL nRow, ROWCOL nCol)
    {
        const CGXComposedStyle style(&grid, nRow, nCol);
        return Control(nRow, nCol)->NeedShowCellTip(nRow, nCol, style.Get());
    }
    CRect TextRect(ROWCOL nRow, ROWCOL nCol)
    {
        const CGXComposedStyle style(&grid, nRow, nCol);
        return GetCellTipTextRect(Control(nRow, nCol), nRow, nCol, style.Get());
    }
    // The width of pszText in the cell's font.
    int Width(ROWCOL nRow, ROWCOL nCol, const char* pszText)
    {
        const CGXComposedStyle style(&grid, nRow, nCol);
        return GetCellTipTextExtent(Control(nRow, nCol), nRow, nCol, style.Get(), pszText).cx;
    }
    // Sizes the column so that its text rectangle holds nWidth pixels (right - left + 1).
    void SetRoom(ROWCOL nRow, ROWCOL nCol, int nWidth)
    {
        const CRect rect = TextRect(nRow, nCol);
        grid.StoreColWidth(nCol, grid.GetColWidth(nCol) + nWidth - (rect.right - rect.left + 1));
    }
    CPoint Origin(ROWCOL nRow, ROWCOL nCol)
    {
        const CGXComposedStyle style(&grid, nRow, nCol);
        return GetCellTipTextOrigin(Control(nRow, nCol), nRow, nCol, style.Get());
    }
    // The visible part of the cell, on the screen.
    CRect Visible(ROWCOL nRow, ROWCOL nCol) { return GetCellTipVisibleRect(Control(nRow, nCol), nRow, nCol); }
    // Has the cell's control fill and place the handler's tip window; returns the window.
    CGXTipWnd* ShowTip(ROWCOL nRow, ROWCOL nCol)
    {
        grid.EnableCellTips();
        const CGXComposedStyle style(&grid, nRow, nCol);
        CGXControl* pControl = Control(nRow, nCol);
        CGXCellTipHandler* pHandler = grid.GetCellTipHandler();
        CGXTipWnd* pWnd = pHandler->GetTipWnd(pControl->GetCellTip()->GetTipKind(nRow, nCol, style.Get()));
        pControl->ShowCellTip(nRow, nCol, style.Get());
        return pWnd;
    }
    // The mouse comes to rest on the cell (the cursor there too) at tick dwTicks. Returns the point.
    CPoint Hover(ROWCOL nRow, ROWCOL nCol, DWORD dwTicks)
    {
        const CPoint point = grid.CalcCellRect(nRow, nCol).CenterPoint();
        CPoint screen = point;
        grid.ClientToScreen(&screen);
        services.SetCursorPos(screen, grid.m_hWnd);
        services.SetTickCount(dwTicks);
        Mouse(grid, WM_MOUSEMOVE, point.x, point.y, 0);
        return point;
    }
    // The handler's timer runs a few periods at tick dwTicks.
    void Wait(DWORD dwTicks)
    {
        services.SetTickCount(dwTicks);
        PumpWaitingMessages(3 * CGXCellTipHandler::gxPollPeriod);
    }
    BOOL TipShown() { return grid.GetCellTipHandler()->GetTextTip().IsWindowVisible(); }
    static CRect WindowRect(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        return rect;
    }
    // Moves the grid window so that its client area starts at (x, y) on the screen.
    void MoveClientTo(int x, int y)
    {
        CPoint origin(0, 0);
        grid.ClientToScreen(&origin);
        CRect rect = WindowRect(&grid);
        grid.SetWindowPos(nullptr, rect.left + x - origin.x, rect.top + y - origin.y, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
};

}  // namespace

TEST(CellTipNeed, CutOffContentNeedsATipAndWrappedTurnedOrMissingContentNone)
{
    TipFixture f;
    f.SetText(1, 1, "ab");
    f.SetText(1, 2, kLongText);
    f.Set(1, 3, CGXStyle().SetValue(kLongText).SetWrapText(TRUE));
    CGXFont turned;
    turned.SetOrientation(900);
    f.Set(2, 1, CGXStyle().SetValue(kLongText).ChangeFont(turned, CGXStyle::gxApplyNew));
    f.SetText(2, 2, "#BMP(4711)");
    f.SetText(2, 3, "");
    EXPECT_EQ(f.Need(1, 1), 0u);
    EXPECT_EQ(f.Need(1, 2), UINT(gxTipWider));
    EXPECT_EQ(f.Need(1, 3), 0u) << "a wrapped text";
    EXPECT_EQ(f.Need(2, 1), 0u) << "a turned font";
    EXPECT_EQ(f.Need(2, 2), 0u) << "a bitmap that does not exist";
    EXPECT_EQ(f.Need(2, 3), 0u) << "no text";
    // a text lower than its row
    f.grid.StoreRowHeight(3, 6);
    f.SetText(3, 1, "ab");
    EXPECT_EQ(f.Need(3, 1), UINT(gxTipTaller));

    // a bitmap text asks for a bitmap tip, unless the control is the bitmap control
    CGXCellTipBase* pTip = f.grid.m_pControl->GetCellTip();
    const CGXComposedStyle bitmapText(&f.grid, 2, 2), text(&f.grid, 1, 2);
    EXPECT_EQ(pTip->GetTipKind(2, 2, bitmapText.Get()), gxBitmapTip);
    EXPECT_EQ(pTip->GetTipKind(1, 2, text.Get()), gxTextTip);
    CBitmapTestControl bitmapControl(&f.grid);
    bitmapControl.AttachCellTip();
    f.grid.StoreColWidth(2, 10);
    EXPECT_EQ(bitmapControl.GetCellTip()->GetTipKind(2, 2, bitmapText.Get()), gxTextTip);
    EXPECT_EQ(bitmapControl.NeedShowCellTip(2, 2, bitmapText.Get()), BOOL(gxTipWider))
        << "its text is a text like any other";
    CGXCellTipStatic noControl(nullptr);
    EXPECT_EQ(noControl.NeedShowTip(1, 2, text.Get()), 0u);
    EXPECT_EQ(noControl.GetTipKind(2, 2, bitmapText.Get()), gxTextTip);
}

TEST(CellTipNeed, AControlWithoutTipObjectNeverShowsOne)
{
    TipFixture f;
    CTestControl plain(&f.grid);
    f.SetText(1, 2, kLongText);
    const CGXComposedStyle style(&f.grid, 1, 2);
    EXPECT_FALSE(plain.NeedShowCellTip(1, 2, style.Get()));
    EXPECT_EQ(plain.GetCellTipDelay(), 2147483647u);
    EXPECT_EQ(f.grid.m_pControl->GetCellTipDelay(), DWORD(GX_CELLTIP_DELAY));
    f.grid.EnableCellTips();
    plain.ShowCellTip(1, 2, style.Get());
    EXPECT_FALSE(f.grid.GetCellTipHandler()->GetTextTip().IsWindowVisible());
    EXPECT_TRUE(f.grid.GetCellTipHandler()->GetTextTip().GetTipText().IsEmpty()) << "nothing was filled in";
}

TEST(CellTipNeed, TheFactoryGivesTipsToTheControlsItsTableMarks)
{
    TipFixture f;
    CGXControlFactory factory;
    for (const GXControlEntry& entry : std::vector<GXControlEntry>(GXControlTable, GXControlTable + GXControlTableSize)) {
        std::unique_ptr<CGXControl> pControl(factory.CreateControl(entry.nId, &f.grid));
        if (!pControl)
            continue;
        EXPECT_EQ(pControl->GetCellTip() != nullptr, bool(entry.bCellTip)) << entry.nId;
    }
    std::unique_ptr<CGXControl> pUnknown(factory.CreateControl(4711, &f.grid));
    EXPECT_NE(pUnknown->GetCellTip(), nullptr) << "an unknown id gets the edit control";
}

TEST(CellTipNeed, AStyleWithoutFontMeasuresNothing)
{
    TipFixture f;
    f.grid.StoreColWidth(2, 10);
    CGXStyle bare;
    bare.SetValue(kLongText);
    CGXControl* pControl = f.Control(1, 2);
    EXPECT_EQ(GetCellTipTextExtent(pControl, 1, 2, bare), CSize(0, 0));
    EXPECT_EQ(NeedTextTip(pControl, 1, 2, bare) & (gxTipWider | gxTipTaller), 0u);
}

TEST(CellTipMeasure, TheExtentIsTheZoomedStyleFontsOnTheScreen)
{
    TipFixture f;
    f.SetText(1, 1, kLongText);
    f.grid.StoreZoom(200);
    const CGXComposedStyle style(&f.grid, 1, 1);
    LOGFONTA lf = style.Get().GetFontRef().GetLogFontRef();
    lf.lfHeight *= 2;
    CFont font;
    font.CreateFontIndirect(&lf);
    CClientDC dc(nullptr);
    CFont* pOld = dc.SelectObject(&font);
    const CSize expected = dc.GetTextExtent(kLongText, int(std::strlen(kLongText)));
    dc.SelectObject(pOld);
    EXPECT_EQ(GetCellTipTextExtent(f.Control(1, 1), 1, 1, style.Get()), expected);
}

// Placement bits: a text cut by the window's client area and by the screen.
TEST(CellTipMeasure, TheNeedBitsTellWhereTheTextLeavesTheWindowOrTheScreen)
{
    TipFixture f;
    CRect rectClient;
    f.grid.GetClientRect(&rectClient);
    // column 4 and row 6 reach beyond the client area
    const int xCol4 = f.grid.CalcCellRect(1, 4).left;
    f.grid.StoreColWidth(4, rectClient.right - xCol4 + 100);
    const int yRow6 = f.grid.CalcCellRect(6, 1).top;
    f.grid.StoreRowHeight(6, rectClient.bottom - yRow6 + 40);
    // a text longer than the visible part of the cell, shorter than the cell
    CString strText;
    while (f.Width(1, 4, strText) < rectClient.right - xCol4 + 20)
        strText += 'x';
    f.Set(1, 4, CGXStyle().SetValue(strText));
    f.Set(6, 1, CGXStyle().SetValue("ab").SetVerticalAlignment(DT_BOTTOM));
    EXPECT_EQ(f.Need(1, 4), UINT(gxTipOutClientX)) << "longer than the visible part, shorter than the cell";
    EXPECT_EQ(f.Need(6, 1), UINT(gxTipOutClientY));

    // the window moved so that column 2 crosses the screen's right edge and row 4 its bottom
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN), cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    const CRect rect2 = f.grid.CalcCellRect(1, 2), rect4 = f.grid.CalcCellRect(4, 1);
    f.MoveClientTo(cxScreen - rect2.left - 30, cyScreen - rect4.top - 10);
    f.Set(1, 2, CGXStyle().SetValue("abcdefghij"));
    f.Set(4, 1, CGXStyle().SetValue("ab").SetVerticalAlignment(DT_BOTTOM));
    const UINT nAcross = f.Need(1, 2), nDown = f.Need(4, 1);
    EXPECT_TRUE(nAcross & gxTipOutScreenX) << nAcross;
    EXPECT_TRUE(nDown & gxTipOutScreenY) << nDown;
}

// Where a too-wide centred or right-aligned text starts once it is shortened as the cell shows it.
TEST(CellTipMeasure, TheTextOriginFollowsTheAlignmentOfTheShortenedText)
{
    struct Case {
        const char* name;
        UINT nAlign;
        const char* pszText;
        BOOL bDots;
        const char* pszRoomFor;  // the column holds this text
        int nExtra;              // and this many pixels more
        const char* pszShown;    // the text whose width places the origin
    };
    const Case cases[] = {
        {"right, fits", DT_RIGHT, "abcdefgh", FALSE, "abcdefgh", 3, "abcdefgh"},
        {"right, shortened", DT_RIGHT, "abcdefgh", FALSE, "abc", 2, "abc"},
        {"right, dotted", DT_RIGHT, "abcdefgh", TRUE, "abc...", 2, "abc..."},
        {"right, one character left", DT_RIGHT, "abcdefgh", TRUE, "a..", 1, "a.."},
        {"right, one wide character", DT_RIGHT, "W", FALSE, "", 4, "W"},
        {"right, the dots gone too", DT_RIGHT, "abcdefgh", TRUE, "a", 1, "a"},
        {"centred, shortened", DT_CENTER, "ABCDEFGH", FALSE, "ABCDE", 4, "ABCDE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TipFixture f;
        CGXStyle style;
        style.SetValue(c.pszText).SetHorizontalAlignment(c.nAlign);
        if (c.bDots)
            style.SetUserAttribute(GX_IDS_UA_ELLIPSISTYPE, "1");
        f.Set(1, 1, style);
        f.SetRoom(1, 1, f.Width(1, 1, c.pszRoomFor) + c.nExtra);
        const CRect rect = f.TextRect(1, 1);
        const int nRoom = rect.right - rect.left + 1, nShown = f.Width(1, 1, c.pszShown);
        const int xExpected = c.nAlign == DT_RIGHT ? std::max(rect.right - nShown + 1, rect.left)
                                                   : rect.left + (nRoom - nShown) / 2;
        EXPECT_EQ(f.Origin(1, 1).x, xExpected);
        EXPECT_EQ(f.Origin(1, 1).y, rect.top) << "top aligned";
    }

    // down: bottom and middle of a high row
    TipFixture f;
    f.grid.StoreRowHeight(2, 50);
    f.Set(2, 1, CGXStyle().SetValue("ab").SetVerticalAlignment(DT_BOTTOM));
    f.Set(2, 2, CGXStyle().SetValue("ab").SetVerticalAlignment(DT_VCENTER));
    const CGXComposedStyle low(&f.grid, 2, 1);
    const int nHeight = GetCellTipTextExtent(f.Control(2, 1), 2, 1, low.Get()).cy;
    const CRect rect1 = f.TextRect(2, 1), rect2 = f.TextRect(2, 2);
    EXPECT_EQ(f.Origin(2, 1), CPoint(rect1.left, rect1.bottom - nHeight));
    EXPECT_EQ(f.Origin(2, 2), CPoint(rect2.left, rect2.top + (rect2.bottom - nHeight - rect2.top) / 2));
}

TEST(CellTipWindow, ATextTipReachesFromTheVisibleCellToTheTextsEnd)
{
    TipFixture f;
    f.SetText(1, 2, kLongText);
    const CRect rectVisible = f.Visible(1, 2);
    const CPoint origin = f.Origin(1, 2);
    const CGXComposedStyle style(&f.grid, 1, 2);
    const CSize size = GetCellTipTextExtent(f.Control(1, 2), 1, 2, style.Get());
    ASSERT_EQ(f.Need(1, 2), UINT(gxTipWider));
    auto* pTip = static_cast<CGXTextTipWnd*>(f.ShowTip(1, 2));
    EXPECT_FALSE(pTip->IsWindowVisible()) << "placing leaves it hidden";
    const CRect rectTip = TipFixture::WindowRect(pTip);
    EXPECT_EQ(rectTip.left, rectVisible.left);
    EXPECT_EQ(rectTip.top, rectVisible.top);
    EXPECT_EQ(rectTip.right, origin.x + size.cx + 6);
    EXPECT_EQ(rectTip.bottom, std::max(origin.y + size.cy + 2, rectVisible.bottom));
    EXPECT_EQ(pTip->GetTipText(), kLongText);
    EXPECT_EQ(pTip->GetTipTextRect().TopLeft(), CPoint(origin.x - rectTip.left, origin.y - rectTip.top));

    // a short text in a low row: as wide as the visible cell, as high as the text
    f.grid.StoreRowHeight(2, 6);
    f.SetText(2, 2, "ab");
    ASSERT_EQ(f.Need(2, 2), UINT(gxTipTaller));
    const CRect rectLow = f.Visible(2, 2);
    const CPoint originLow = f.Origin(2, 2);
    const CRect rectLowTip = TipFixture::WindowRect(f.ShowTip(2, 2));
    EXPECT_EQ(rectLowTip.left, rectLow.left);
    EXPECT_EQ(rectLowTip.Width(), rectLow.Width());
    EXPECT_EQ(rectLowTip.bottom, originLow.y + size.cy + 2);
}

TEST(CellTipWindow, ATextTipNearTheScreensEdgeStaysOnTheScreen)
{
    TipFixture f;
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    // column 3 ends 5 pixels before the screen's right edge
    f.MoveClientTo(cxScreen - f.grid.CalcCellRect(1, 3).right - 5, 100);
    f.SetText(1, 3, kLongText);
    ASSERT_EQ(f.Need(1, 3), UINT(gxTipWider));
    auto* pTip = static_cast<CGXTextTipWnd*>(f.ShowTip(1, 3));
    const CRect rectTip = TipFixture::WindowRect(pTip);
    EXPECT_EQ(rectTip.right, cxScreen) << "moved left onto the screen";
    EXPECT_LT(rectTip.left, f.Visible(1, 3).left);
    EXPECT_EQ(pTip->GetTipTextRect().left, 2) << "the whole text in the tip";
}

TEST(CellTipWindow, ATextTipPaintsItsTextOnTheTipBackgroundInABlackFrame)
{
    TipFixture f;
    f.SetText(1, 2, kLongText);
    CGXTipWnd* pTip = f.ShowTip(1, 2);
    CRect rect;
    pTip->GetClientRect(&rect);
    DibCanvas canvas(rect.Width(), rect.Height());
    pTip->DrawTip(&canvas.dc);
    const COLORREF clrBack = ::GetSysColor(COLOR_INFOBK), clrText = ::GetSysColor(COLOR_INFOTEXT);
    for (const CPoint& corner : {CPoint(0, 0), CPoint(rect.right - 1, 0), CPoint(0, rect.bottom - 1),
                                 CPoint(rect.right - 1, rect.bottom - 1)})
        EXPECT_EQ(canvas.At(corner.x, corner.y), RGB(0, 0, 0)) << corner.x << "," << corner.y;
    EXPECT_EQ(canvas.At(rect.right - 3, rect.Height() / 2), clrBack) << "after the text";
    int nTextPixels = 0;
    for (int y = 1; y < rect.bottom - 1; ++y)
        for (int x = 1; x < rect.right - 1; ++x)
            nTextPixels += canvas.At(x, y) == clrText;
    EXPECT_GT(nTextPixels, 20);
}

TEST(CellTipWindow, ABitmapTipHoldsTheBitmapAndTheVisibleCell)
{
    TipFixture f;
    // the drop-down arrow, 7 by 4 pixels: a black row over shorter ones, on light grey
    f.grid.StoreColWidth(2, 5);
    f.SetText(1, 2, "#BMP(20028)");
    ASSERT_EQ(f.Need(1, 2), UINT(gxTipWider));
    auto* pTip = static_cast<CGXBitmapTipWnd*>(f.ShowTip(1, 2));
    const CRect rectVisible = f.Visible(1, 2);
    const CRect rectTip = TipFixture::WindowRect(pTip);
    EXPECT_EQ(rectTip.TopLeft(), rectVisible.TopLeft());
    EXPECT_EQ(rectTip.Width(), 8) << "the bitmap plus 1";
    EXPECT_EQ(rectTip.Height(), std::max(5, rectVisible.Height()));

    CRect rect;
    pTip->GetClientRect(&rect);
    DibCanvas canvas(rect.Width(), rect.Height());
    pTip->DrawTip(&canvas.dc);
    const CRect rectBitmap = pTip->GetTipBitmapRect();
    EXPECT_EQ(rectBitmap.Size(), CSize(7, 4));
    EXPECT_EQ(canvas.At(rectBitmap.left + 3, rectBitmap.top + 2), RGB(0, 0, 0)) << "the arrow";
    EXPECT_EQ(canvas.At(rectBitmap.left + 1, rectBitmap.top + 3), RGB(0xC0, 0xC0, 0xC0)) << "beside it";
    EXPECT_EQ(canvas.At(rect.right - 1, rect.bottom - 1), RGB(0, 0, 0)) << "the frame";
    EXPECT_EQ(canvas.At(rect.Width() / 2, rect.bottom - 2), ::GetSysColor(COLOR_INFOBK)) << "below the bitmap";

    // taller than a bottom-aligned cell: the tip ends at the cell's bottom
    f.grid.StoreRowHeight(2, 3);
    f.Set(2, 2, CGXStyle().SetValue("#BMP(20028)").SetVerticalAlignment(DT_BOTTOM));
    const CRect rectLow = f.Visible(2, 2);
    const CRect rectLowTip = TipFixture::WindowRect(f.ShowTip(2, 2));
    EXPECT_EQ(rectLowTip.bottom, rectLow.bottom);
    EXPECT_EQ(rectLowTip.Height(), 5);

    // near the bottom-right corner the tip moves into the full-screen area
    f.MoveClientTo(::GetSystemMetrics(SM_CXFULLSCREEN) - f.grid.CalcCellRect(1, 2).right + 2,
                   ::GetSystemMetrics(SM_CYFULLSCREEN) - f.grid.CalcCellRect(1, 2).bottom + 15);
    const CRect rectMoved = TipFixture::WindowRect(f.ShowTip(1, 2));
    EXPECT_LE(rectMoved.right, ::GetSystemMetrics(SM_CXFULLSCREEN));
    EXPECT_LE(rectMoved.bottom, ::GetSystemMetrics(SM_CYFULLSCREEN));
}

// The handler: a move over a cut-off cell starts the delay, read from the tick count.
TEST(CellTipHandler, ATipShowsAfterTheDelayAndGoesWhenTheMouseLeavesTheCell)
{
    TipFixture f;
    f.SetText(2, 2, kLongText);
    f.SetText(2, 3, "ab");
    f.grid.EnableCellTips();
    CGXCellTipHandler* pHandler = f.grid.GetCellTipHandler();
    f.Hover(2, 2, 1000);
    EXPECT_TRUE(pHandler->IsTipPending());
    f.Wait(1000 + GX_CELLTIP_DELAY - 1);
    EXPECT_FALSE(f.TipShown()) << "the delay has not passed";
    f.Wait(1000 + GX_CELLTIP_DELAY);
    ASSERT_TRUE(f.TipShown());
    EXPECT_EQ(pHandler->GetTextTip().GetTipText(), kLongText);

    // to a cell whose text fits
    f.Hover(2, 3, 2000);
    EXPECT_FALSE(f.TipShown());
    EXPECT_FALSE(pHandler->IsTipPending());

    // back, shown, then the cursor leaves the grid window
    f.Hover(2, 2, 3000);
    f.Wait(4000);
    ASSERT_TRUE(f.TipShown());
    f.services.SetCursorPos(CPoint(-100, -100), nullptr);
    f.Wait(4000);
    EXPECT_FALSE(f.TipShown());
}

TEST(CellTipHandler, AButtonAKeyAScrollOrNewRowsHideTheTip)
{
    const struct {
        const char* name;
        std::function<void(TipFixture&, CPoint)> act;
    } cases[] = {
        {"button",
         [](TipFixture& f, CPoint p) {
             Mouse(f.grid, WM_RBUTTONDOWN, p.x, p.y, MK_RBUTTON);
             Mouse(f.grid, WM_RBUTTONUP, p.x, p.y, 0);
         }},
        {"key", [](TipFixture& f, CPoint) { PostAndPump(f.grid, WM_KEYDOWN, VK_F12); }},
        {"scroll bar", [](TipFixture& f, CPoint) { PostAndPump(f.grid, WM_VSCROLL, SB_LINEDOWN); }},
        {"rows inserted", [](TipFixture& f, CPoint) { f.grid.InsertRows(1, 1); }},
        {"top row", [](TipFixture& f, CPoint) { f.grid.SetTopRow(3, 1); }},
        {"new size", [](TipFixture& f, CPoint) { f.grid.OnGridSize(SIZE_RESTORED, 300, 200); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TipFixture f;
        f.SetText(2, 2, kLongText);
        f.grid.EnableCellTips();
        const CPoint point = f.Hover(2, 2, 1000);
        f.Wait(2000);
        ASSERT_TRUE(f.TipShown());
        c.act(f, point);
        EXPECT_FALSE(f.TipShown());
    }
}

TEST(CellTipHandler, NoTipWhileTheGridHoldsTheCaptureOrTheTipsAreOff)
{
    TipFixture f;
    f.SetText(2, 2, kLongText);
    f.grid.EnableCellTips();
    CGXCellTipHandler* pHandler = f.grid.GetCellTipHandler();
    f.grid.SetCapture();
    f.Hover(2, 2, 1000);
    EXPECT_FALSE(pHandler->IsTipPending());
    ::ReleaseCapture();

    f.grid.EnableCellTips(FALSE);
    f.Hover(2, 2, 1000);
    EXPECT_FALSE(pHandler->IsTipPending());

    // the edited current cell shows its own text
    f.grid.EnableCellTips();
    f.grid.SetCurrentCell(2, 2);
    f.grid.m_pControl->m_bActive = TRUE;
    f.Hover(2, 2, 1000);
    EXPECT_FALSE(pHandler->IsTipPending());
}

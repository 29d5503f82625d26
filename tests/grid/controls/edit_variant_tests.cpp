// The password, scroll-bar, hot-spot and spin edit cells: the spin steps, the buttons' places, the
// masked text and the clipboard, in grid windows and on their own.
#include "cell_test_support.h"
#include "ClipboardText.h"

#include "grid/controls/GXButton.h"
#include "grid/controls/GXEditVariants.h"

namespace {

}  // namespace

TEST(SpinEdit, StepsWithinTheBoundsAndWraps)
{
    struct Case {
        const char* pszMin;
        const char* pszMax;
        const char* pszWrap;
        const char* pszStart;
        const char* pszText;
        BOOL bUp;
        LONG nExpected;
    };
    const Case cases[] = {
        {"1", "3", "1", "", "3", TRUE, 1},
        {"1", "3", "1", "", "1", FALSE, 3},
        {"1", "3", "0", "", "3", TRUE, 3},
        {"", "3", "1", "", "3", TRUE, 3},
        {"", "", "", "10", "", TRUE, 10},
        {"", "", "", "10", "4", TRUE, 5},
        {"", "", "", "", "abc", TRUE, 1},
        {"5", "", "", "", "2", TRUE, 5},
        // at the limits of a 32-bit number the value stays
        {"", "", "", "", "2147483647", TRUE, 2147483647},
        {"", "", "", "", "-2147483648", FALSE, -2147483647 - 1},
        {"", "", "", "", "99999999999", TRUE, 2147483647},
    };
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    CGXSpinEdit spin(&grid, GX_IDS_CTRL_SPINEDIT);
    for (const Case& c : cases) {
        CGXStyle style;
        style.SetUserAttribute(GX_IDS_UA_SPINBOUND_MIN, c.pszMin)
            .SetUserAttribute(GX_IDS_UA_SPINBOUND_MAX, c.pszMax)
            .SetUserAttribute(GX_IDS_UA_SPINBOUND_WRAP, c.pszWrap)
            .SetUserAttribute(GX_IDS_UA_SPINSTART, c.pszStart);
        spin.ReadSpinAttributes(style);
        EXPECT_EQ(spin.StepValue(c.pszText, c.bUp), c.nExpected)
            << c.pszMin << ".." << c.pszMax << " wrap " << c.pszWrap << " from '" << c.pszText << "'";
    }
}

TEST(SpinEdit, ArrowsSplitTheColumnAtTheRightAndAddTheirWidth)
{
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    CGXSpinEdit spin(&grid, GX_IDS_CTRL_SPINEDIT);
    const CRect rect(10, 20, 110, 41);
    spin.LayoutChildren(1, 1, rect);
    EXPECT_EQ(spin.GetUpButton()->GetRect(), CRect(95, 21, 109, 21 + 19 / 2));
    EXPECT_EQ(spin.GetDownButton()->GetRect(), CRect(95, 21 + 19 / 2, 109, 40));
    CGXStatic text(&grid);
    const CGXStyle style;
    EXPECT_EQ(spin.AddBorders(CSize(30, 12), style).cx, text.AddBorders(CSize(30, 12), style).cx + 14);
    EXPECT_EQ(spin.GetCellRect(1, 1, &rect, &style).right, text.GetCellRect(1, 1, &rect, &style).right - 14);
    EXPECT_FALSE(spin.CanFloatCell(1, 1, style, TRUE));
}

TEST(SpinEdit, AnArrowClickStepsTheCellAndAReadOnlyCellKeepsItsValue)
{
    CGXStyle column;
    column.SetUserAttribute(GX_IDS_UA_SPINBOUND_MIN, "1").SetUserAttribute(GX_IDS_UA_SPINBOUND_MAX, "3");
    CellGridFixture f(GX_IDS_CTRL_SPINEDIT, column);
    f.SetValue(1, 2, "2");
    f.SetValue(2, 2, "2");
    f.ApplyStyle(2, 2, CGXStyle().SetReadOnly(TRUE));
    for (ROWCOL nRow : {ROWCOL(1), ROWCOL(2)}) {
        f.MakeCurrent(nRow, 2);
        CGXSpinEdit* pSpin = f.Control<CGXSpinEdit>();
        pSpin->LayoutChildren(nRow, 2, pSpin->CGXControl::GetCellRect(nRow, 2));
        f.Click(pSpin->GetUpButton()->GetRect().CenterPoint());
        f.MakeCurrent(5, 1);
        EXPECT_EQ(f.grid.m_buttonClicks.back(), std::to_string(nRow) + ",2");
    }
    EXPECT_EQ(f.Stored(1, 2), "3");
    EXPECT_EQ(f.Stored(2, 2), "2");
}

TEST(HotSpotEdit, TheButtonSitsInTheTopRightCornerClippedToTheCell)
{
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    CGXHotSpotEdit hotSpot(&grid, GX_IDS_CTRL_HOTSPOT);
    hotSpot.LayoutChildren(1, 1, CRect(0, 0, 80, 10));
    EXPECT_EQ(hotSpot.GetButton()->GetRect(), CRect(66, 0, 79, 10));
    hotSpot.LayoutChildren(1, 1, CRect(0, 0, 80, 30));
    EXPECT_EQ(hotSpot.GetButton()->GetRect(), CRect(66, 1, 79, 14));
    CGXStatic text(&grid);
    const CGXStyle style;
    EXPECT_EQ(hotSpot.AddBorders(CSize(30, 12), style).cx, text.AddBorders(CSize(30, 12), style).cx + 13);
}

TEST(HotSpotEdit, AClickOnTheButtonReachesTheGridsButtonHook)
{
    CellGridFixture f(GX_IDS_CTRL_HOTSPOT);
    f.SetValue(3, 2, "text");
    f.MakeCurrent(3, 2);
    CGXHotSpotEdit* pHotSpot = f.Control<CGXHotSpotEdit>();
    pHotSpot->LayoutChildren(3, 2, pHotSpot->CGXControl::GetCellRect(3, 2));
    f.Click(pHotSpot->GetButton()->GetRect().CenterPoint());
    ASSERT_EQ(f.grid.m_buttonClicks.size(), 1u);
    EXPECT_EQ(f.grid.m_buttonClicks[0], "3,2");
    EXPECT_EQ(f.Stored(3, 2), "text");
}

TEST(PasswordEdit, ShowsStarsKeepsItsWindowSingleLineAndCopiesNothing)
{
    CGXStyle column;
    column.SetWrapText(TRUE);
    CellGridFixture f(GX_IDS_CTRL_PASSWORD, column);
    f.grid.SetRowHeight(1, 1, 80);
    f.SetValue(1, 2, "secret");
    CGXPasswordControl* pPassword = f.Control<CGXPasswordControl>();
    CString strShown;
    CGXComposedStyle style(&f.grid, 1, 2);
    pPassword->GetControlText(strShown, 1, 2, nullptr, style.Get());
    EXPECT_STREQ(strShown, "******");

    SetClipboardText("before", f.frame.m_hWnd);
    f.MakeCurrent(1, 2);
    // Copy of the inactive cell copies nothing either (the grid would copy the cell)
    EXPECT_TRUE(pPassword->Copy());
    pPassword->SetActive(TRUE);
    pPassword->Refresh();
    f.grid.UpdateWindow();
    ASSERT_EQ(::GetFocus(), pPassword->m_hWnd);
    const DWORD dwStyle = pPassword->CWnd::GetStyle();
    EXPECT_TRUE(dwStyle & ES_PASSWORD);
    EXPECT_FALSE(dwStyle & ES_MULTILINE);
    CString strWindow;
    pPassword->GetWindowText(strWindow);
    EXPECT_STREQ(strWindow, "secret");
    pPassword->SetSel(0, -1);
    f.fake.SetKeyState(VK_CONTROL, SHORT(0x8000));
    f.Press('C');
    f.fake.SetKeyState(VK_CONTROL, 0);
    EXPECT_EQ(ClipboardText(f.frame.m_hWnd), "before");
}

TEST(VScrollEdit, TheTextRectangleLeavesRoomForTheScrollBar)
{
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    CGXVScrollEdit scroll(&grid, GX_IDS_CTRL_SCROLLEDIT);
    CGXStatic text(&grid);
    const CRect rect(0, 0, 100, 40);
    const CGXStyle style;
    EXPECT_EQ(scroll.GetCellRect(1, 1, &rect, &style).right,
              text.GetCellRect(1, 1, &rect, &style).right - ::GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_FALSE(scroll.CanFloatCell(1, 1, style, TRUE));
}

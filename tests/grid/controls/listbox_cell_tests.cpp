// The list box cell: the lines drawn in inactive cells, the active list, clicks, keys and stores, in a
// shown grid window.
#include "combo_test_support.h"

#include "grid/controls/GXListBox.h"
#include "grid/engine/GXGridParam.h"

namespace {

struct ListBoxFixture : ComboGridFixture {
    // Rows 2 to 4 are nLines text lines tall.
    ListBoxFixture(const char* pszLines, int nLines) : ComboGridFixture(GX_IDS_CTRL_LISTBOX, pszLines)
    {
        m_nLineHeight = LineHeight();
        grid.SetRowHeight(2, 4, nLines * m_nLineHeight + 2);
        grid.UpdateWindow();
    }
    CGXListBox* List() { return ControlAs<CGXListBox>(); }
    int LineHeight()
    {
        CDC* pDC = grid.GetClientDC();
        CFont* pOld = grid.SelectStyleFont(pDC, *grid.LookupStyleRowCol(2, 2));
        TEXTMETRICA tm;
        pDC->GetTextMetrics(&tm);
        pDC->SelectObject(pOld);
        grid.ReleaseClientDC();
        return tm.tmHeight + tm.tmExternalLeading;
    }
    // The shown lines of the cell that are inverted: a pixel near the right end of each line slot
    // (where no text stands) is dark.
    std::string InvertedSlots(ROWCOL nRow, ROWCOL nCol, int nSlots)
    {
        grid.Invalidate();
        grid.UpdateWindow();
        const CRect rect = List()->GetCellRect(nRow, nCol);
        std::string strSlots;
        CClientDC dc(&grid);
        for (int i = 0; i < nSlots; ++i) {
            const COLORREF clr = dc.GetPixel(rect.right - 3, rect.top + i * m_nLineHeight + m_nLineHeight / 2);
            strSlots += GetRValue(clr) < 128 ? '#' : '.';
        }
        return strSlots;
    }
    // The cell made current and its list shown.
    void Activate(ROWCOL nRow, ROWCOL nCol)
    {
        MakeCurrent(nRow, nCol);
        List()->SetActive(TRUE);
        List()->Refresh();
        grid.UpdateWindow();
        PumpMessages();
    }

    int m_nLineHeight = 0;
};

const char kFive[] = "one\ntwo\nthree\nfour\nfive";

}  // namespace

TEST(ListBoxCell, InactiveCellsShowTheValuesLineInvertedAndInView)
{
    ListBoxFixture f(kFive, 2);
    f.MakeCurrent(5, 1);
    struct Case {
        const char* pszValue;
        const char* pszSlots;
    };
    // two lines fit: a value further down shows as the last visible line
    for (const Case& c : {Case{"one", "#."}, Case{"two", ".#"}, Case{"four", ".#"}, Case{"nine", ".."},
                          Case{"FOUR", ".."}}) {
        SCOPED_TRACE(c.pszValue);
        f.SetValue(3, 2, c.pszValue);
        EXPECT_EQ(f.InvertedSlots(3, 2, 2), c.pszSlots);
    }
}

TEST(ListBoxCell, AClickOnALineOfAnInactiveCellChoosesIt)
{
    ListBoxFixture f(kFive, 5);
    f.grid.GetParam()->SetActivateCellFlags(3);
    f.SetValue(2, 2, "one");
    f.MakeCurrent(2, 2);
    EXPECT_FALSE(f.List()->IsActive());
    const CRect rect = f.List()->GetCellRect(2, 2);
    f.Click(CPoint(rect.left + 10, rect.top + 2 * f.m_nLineHeight + f.m_nLineHeight / 2));
    EXPECT_TRUE(f.List()->IsActive());
    EXPECT_TRUE(f.List()->IsWindowVisible());
    EXPECT_EQ(f.List()->GetCurSel(), 2);
    EXPECT_TRUE(f.List()->GetModify());
    f.MakeCurrent(3, 2);
    EXPECT_EQ(f.Stored(2, 2), "three");
}

TEST(ListBoxCell, UpAndDownMoveInTheListAndRightMovesToTheNextCell)
{
    ListBoxFixture f(kFive, 5);
    f.SetValue(2, 2, "two");
    f.Activate(2, 2);
    ASSERT_EQ(::GetFocus(), f.List()->m_hWnd);
    EXPECT_EQ(f.List()->GetCurSel(), 1);
    f.Press(VK_DOWN);
    f.Press(VK_DOWN);
    f.Press(VK_UP);
    EXPECT_EQ(f.List()->GetCurSel(), 2);
    EXPECT_EQ(f.Current(), "2,2");
    f.Press(VK_RIGHT);
    EXPECT_EQ(f.Current(), "2,3");
    EXPECT_EQ(f.Stored(2, 2), "three");
}

TEST(ListBoxCell, VisitingACellStoresNothing)
{
    // a value that is no line, and one that only begins a line
    for (const char* pszValue : {"nine", "tw"}) {
        SCOPED_TRACE(pszValue);
        ListBoxFixture f(kFive, 5);
        f.SetValue(2, 2, pszValue);
        f.grid.m_stores.clear();
        f.Activate(2, 2);
        EXPECT_FALSE(f.List()->GetModify());
        f.MakeCurrent(3, 2);
        EXPECT_TRUE(f.grid.m_stores.empty());
        EXPECT_EQ(f.Stored(2, 2), pszValue);
    }
}

TEST(ListBoxCell, TheLineEqualToTheValueIsSelectedBeforeOneThatBeginsWithIt)
{
    ListBoxFixture f("abc\nab", 2);
    f.SetValue(2, 2, "ab");
    f.Activate(2, 2);
    EXPECT_EQ(f.List()->GetCurSel(), 1);
    CString strText;
    f.List()->GetCurrentText(strText);
    EXPECT_EQ(std::string(strText), "ab");
}

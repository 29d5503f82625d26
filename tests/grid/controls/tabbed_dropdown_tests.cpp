// The tabbed drop-down combo cell: the shared lookups of cells with one choice-list id, completion of
// typed text, the kept list and its refill, sorting, the values and the open list with its titles, in
// a shown grid window, and inactive cells that show the bitmap their text names.
#include "combo_test_support.h"

#include "grid/controls/GXTabbedComboBox.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXUserAttribute.h"

namespace {

const char kLevels[] = "1\tLow\n2\tMedium\n3\tHigh";

std::string WindowText(CWnd* pWnd)
{
    CString strText;
    pWnd->GetWindowText(strText);
    return strText.GetString();
}

struct TabbedFixture : ComboGridFixture {
    // Column 2 lists pszChoices, keyed by column 0 and showing column 1 (nTextCol), with the unique id
    // pszId unless null.
    TabbedFixture(const char* pszChoices, const char* pszId, int nTextCol = 1)
        : ComboGridFixture(GX_IDS_CTRL_TABBED_COMBOBOX, pszChoices)
    {
        CGXStyle style;
        style.SetUserAttribute(GX_IDS_UA_TABLIST_TEXTCOL, std::to_string(nTextCol).c_str());
        if (pszId != nullptr)
            style.SetUserAttribute(GX_IDS_UA_TABLIST_UNIQUEID, pszId);
        grid.SetStyleRange(CGXCellRange().SetCols(2, 2), &style, CGXStyle::gxOverride, 0, nullptr, 2,
                           CGXGridCore::gxRollback);
    }
    CGXTabbedComboBox* Tabbed() { return ControlAs<CGXTabbedComboBox>(); }
    CGXGridParam* Param() { return grid.GetParam(); }
    std::string Shown(ROWCOL nRow, ROWCOL nCol)
    {
        CString strText;
        Tabbed()->GetControlText(strText, nRow, nCol, nullptr, *grid.LookupStyleRowCol(nRow, nCol));
        return strText.GetString();
    }
    void Activate(ROWCOL nRow, ROWCOL nCol)
    {
        MakeCurrent(nRow, nCol);
        Tabbed()->SetActive(TRUE);
        Tabbed()->Refresh();
        grid.UpdateWindow();
        PumpMessages();
    }
    CListBox* List() { return Tabbed()->GetListBox(); }
};

}  // namespace

TEST(TabbedDropDown, CellsWithOneIdShareMapsUntilAStyleChangeFreesThem)
{
    TabbedFixture f(kLevels, "7");
    f.SetValue(2, 2, "2");
    f.SetValue(3, 2, "3");
    EXPECT_EQ(f.Shown(2, 2), "Medium");
    CMapStringToString* pKeys = f.Param()->GetChoiceMap(7, FALSE);
    ASSERT_TRUE(pKeys != nullptr);
    EXPECT_EQ(pKeys->GetHashTableSize(), 257u);
    EXPECT_EQ(f.Shown(3, 2), "High");
    EXPECT_EQ(f.Param()->GetChoiceMap(7, FALSE), pKeys) << "the second cell uses the first one's map";

    f.MakeCurrent(2, 2);
    const int nStamp = f.Param()->GetChoiceMapStamp();
    CGXStyle style;
    style.SetChoiceList("1\tLow\n2\tMid\n3\tTop");
    f.grid.SetStyleRange(CGXCellRange(2, 2, 3, 2), &style, CGXStyle::gxOverride, 0, nullptr, 2,
                         CGXGridCore::gxRollback);
    // freed, and rebuilt from the new list by the first cell that looks a row up (the current cell
    // starting again)
    EXPECT_EQ(f.Param()->GetChoiceMapStamp(), nStamp + 1);
    CString strRow;
    ASSERT_TRUE(f.Param()->GetChoiceMap(7, FALSE) != nullptr);
    EXPECT_TRUE(f.Param()->GetChoiceMap(7, FALSE)->Lookup("2", strRow));
    EXPECT_EQ(std::string(strRow), "2\tMid");
    EXPECT_EQ(f.Shown(3, 2), "Top");
    EXPECT_EQ(f.Shown(2, 2), "Mid");
    EXPECT_EQ(WindowText(f.Tabbed()), "Mid");
}

TEST(TabbedDropDown, WithoutAnIdTheChoiceListIsScanned)
{
    TabbedFixture f(kLevels, "0");
    f.SetValue(2, 2, "2");
    EXPECT_EQ(f.Shown(2, 2), "Medium");
    EXPECT_EQ(f.Param()->GetChoiceMap(0, FALSE), nullptr);
    // a value without a row shows nothing
    f.SetValue(3, 2, "9");
    EXPECT_EQ(f.Shown(3, 2), "");
    CString strText;
    EXPECT_FALSE(f.Tabbed()->GetControlText(strText, 3, 2, nullptr, *f.grid.LookupStyleRowCol(3, 2)));
    // ids below 1 free nothing
    const int nStamp = f.Param()->GetChoiceMapStamp();
    f.Param()->FreeChoiceMaps(0);
    EXPECT_EQ(f.Param()->GetChoiceMapStamp(), nStamp);
}

TEST(TabbedDropDown, TypingCompletesToARowAndACharacterThatContinuesNoneLeavesTheTextUncompleted)
{
    for (const char* pszId : {static_cast<const char*>("7"), static_cast<const char*>(nullptr)}) {
        SCOPED_TRACE(pszId != nullptr ? pszId : "no id");
        TabbedFixture f("Low\nMedium\nHigh", pszId, 0);
        f.Activate(2, 2);
        ASSERT_EQ(::GetFocus(), f.Tabbed()->m_hWnd);
        f.Type("me");
        EXPECT_EQ(WindowText(f.Tabbed()), "Medium");
        int nStart = 0, nEnd = 0;
        f.Tabbed()->GetSel(nStart, nEnd);
        EXPECT_EQ(nStart, 2);
        EXPECT_EQ(nEnd, 6);
        f.Type("x");
        EXPECT_EQ(WindowText(f.Tabbed()), "Me");
        f.Tabbed()->GetSel(nStart, nEnd);
        EXPECT_EQ(nStart, nEnd) << "nothing completed";
        f.Type("d");
        EXPECT_EQ(WindowText(f.Tabbed()), "Medium");
    }
}

TEST(TabbedDropDown, TheKeptListIsRefilledOnlyWhenTheIdOrTheStampChanged)
{
    TabbedFixture f(kLevels, "7");
    f.Activate(2, 2);
    f.Tabbed()->DropDown(TRUE);
    ASSERT_TRUE(f.Tabbed()->IsDroppedDown());
    CListBox* pList = f.List();
    EXPECT_EQ(pList->GetCount(), 3);
    pList->AddString("marker");
    f.Tabbed()->DropDown(FALSE);

    f.Activate(3, 2);
    f.Tabbed()->DropDown(TRUE);
    ASSERT_TRUE(f.Tabbed()->IsDroppedDown());
    EXPECT_EQ(f.List(), pList) << "the list is kept";
    EXPECT_EQ(pList->GetCount(), 4) << "same id, same stamp: not refilled";
    f.Tabbed()->DropDown(FALSE);

    f.Param()->FreeChoiceMaps(7);
    f.Activate(2, 2);
    f.Tabbed()->DropDown(TRUE);
    EXPECT_EQ(f.List()->GetCount(), 3);
    f.Tabbed()->DropDown(FALSE);
}

TEST(TabbedDropDown, ASortColumnSortsTheCachedChoiceListOnce)
{
    TabbedFixture f("3\tc\n1\ta\n2\tb", nullptr);
    CGXStyle style;
    style.SetUserAttribute(GX_IDS_UA_TABLIST_SORT, "1");
    f.ApplyStyle(2, 2, style);
    f.Activate(2, 2);
    f.Tabbed()->DropDown(TRUE);
    ASSERT_TRUE(f.Tabbed()->IsDroppedDown());
    CString strItem;
    f.List()->GetText(0, strItem);
    EXPECT_EQ(std::string(strItem), "a\t1\ta");
    const CGXStyle& cached = f.Tabbed()->CGXControl::GetStyle();
    EXPECT_EQ(std::string(cached.GetChoiceListRef()), "1\ta\n2\tb\n3\tc");
    EXPECT_EQ(std::string(cached.GetUserAttribute(GX_IDS_UA_TABLIST_SORT).GetValue()), "-1");
    f.Tabbed()->DropDown(FALSE);
}

TEST(TabbedDropDown, TheValueIsTheKeyOfTheRowWhoseTextEqualsTheEdit)
{
    TabbedFixture f(kLevels, nullptr);
    f.SetValue(2, 2, "1");
    f.Activate(2, 2);
    EXPECT_EQ(WindowText(f.Tabbed()), "Low");
    struct Case {
        const char* pszText;
        BOOL bFound;
        const char* pszValue;
    };
    for (const Case& c : {Case{"Medium", TRUE, "2"}, Case{"", TRUE, ""}, Case{"Med", FALSE, ""}}) {
        SCOPED_TRACE(c.pszText);
        f.Tabbed()->SetWindowText(c.pszText);
        CString strValue;
        EXPECT_EQ(f.Tabbed()->GetValue(strValue), c.bFound);
        if (c.bFound) {
            EXPECT_EQ(std::string(strValue), c.pszValue);
        }
        CString strText(c.pszText);
        EXPECT_EQ(f.Tabbed()->ConvertTextToValue(strText, 2, 2, nullptr), c.bFound);
    }
    // choosing a row in the list stores its key
    f.Tabbed()->DropDown(TRUE);
    f.List()->SetCurSel(2);
    f.Tabbed()->SendMessage(GX_WM_COMBO_CHOOSE);
    EXPECT_EQ(WindowText(f.Tabbed()), "High");
    f.MakeCurrent(3, 2);
    EXPECT_EQ(f.Stored(2, 2), "3");
}

TEST(TabbedDropDown, TheTitlesStandAtTheListBelowOrAboveTheCell)
{
    TabbedFixture f("Key\tLevel\n1\tLow\n2\tMedium\n3\tHigh", nullptr);
    CGXStyle style;
    style.SetUserAttribute(GX_IDS_UA_TABLIST_TITLES, "1");
    f.ApplyStyle(2, 2, style);
    f.Activate(2, 2);
    f.Tabbed()->DropDown(TRUE);
    ASSERT_TRUE(f.Tabbed()->IsDroppedDown());
    CGXTabbedLBoxHeader& titles = f.Tabbed()->GetTitleWindow();
    ASSERT_TRUE(titles.IsWindowVisible());
    EXPECT_EQ(f.List()->GetCount(), 3) << "the title row is no item";
    CRect rectTitles = f.WindowRect(&titles), rectList = f.WindowRect(f.Tabbed()->GetPopup());
    EXPECT_EQ(rectTitles.top, f.ScreenCell(2, 2).bottom);
    EXPECT_EQ(rectList.top, rectTitles.bottom);
    EXPECT_GE(rectList.Width(), f.Tabbed()->GetLayout().nTotalWidth);
    f.Tabbed()->DropDown(FALSE);
    EXPECT_FALSE(titles.IsWindowVisible());

    f.MoveCellToScreenBottom(2, 2);
    f.Activate(2, 2);
    f.Tabbed()->DropDown(TRUE);
    ASSERT_TRUE(f.Tabbed()->IsDroppedDown());
    rectTitles = f.WindowRect(&titles);
    rectList = f.WindowRect(f.Tabbed()->GetPopup());
    EXPECT_EQ(rectList.bottom, f.ScreenCell(2, 2).top);
    EXPECT_EQ(rectTitles.bottom, rectList.top);
    f.Tabbed()->DropDown(FALSE);
}

TEST(TabbedDropDown, AnInactiveCellNamingABitmapShowsItPlacedByTheAlignmentAsTheWindowCellDoes)
{
    const COLORREF kBlack = RGB(0, 0, 0);
    for (UINT nId : {GX_IDS_CTRL_TABBED_COMBOBOX, GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST}) {
        SCOPED_TRACE(nId);
        ComboGridFixture f(nId, "1\t#BMP(20028)\n2\tText");
        CGXStyle style;
        style.SetUserAttribute(GX_IDS_UA_TABLIST_TEXTCOL, "1").SetHorizontalAlignment(DT_RIGHT).SetVerticalAlignment(DT_BOTTOM);
        f.grid.SetStyleRange(CGXCellRange().SetCols(2, 2), &style, CGXStyle::gxOverride, 0, nullptr, 2,
                             CGXGridCore::gxRollback);
        f.grid.SetRowHeight(3, 3, 30);
        f.SetValue(3, 2, "1");
        f.MakeCurrent(1, 1);

        DibCanvas canvas(480, 360);
        CGXComposedStyle composed(&f.grid, 3, 2);
        CGXControl* pControl = f.grid.GetControl(3, 2);
        const CRect rect = f.grid.CalcCellRect(3, 2);
        pControl->Draw(&canvas.dc, rect, 3, 2, composed.Get(), nullptr);
        // the drop arrow (a black triangle 7 wide, 4 high) in the bottom right corner, no text
        const CRect rectBitmap = pControl->GetCellRect(3, 2, &rect, &composed.Get());
        const CRect rectArrow(rectBitmap.right - 7, rectBitmap.bottom - 4, rectBitmap.right, rectBitmap.bottom);
        int nBlack = 0, nBlackOutside = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                if (canvas.At(x, y) == kBlack)
                    ++(rectArrow.PtInRect(CPoint(x, y)) ? nBlack : nBlackOutside);
        EXPECT_EQ(canvas.At(rectArrow.left, rectArrow.top), kBlack);
        EXPECT_EQ(canvas.At(rectArrow.right - 1, rectArrow.top), kBlack);
        EXPECT_GE(nBlack, 7 + 1);
        EXPECT_EQ(nBlackOutside, 0);
    }
}

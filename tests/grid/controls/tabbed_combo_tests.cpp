// The tabbed combo box window cell: the values, keys and texts of a multi-column choice list, the
// column widths and sorting, and the open list with its title window, in a shown grid window.
#include "combo_test_support.h"

#include "grid/controls/GXTabbedComboBoxWnd.h"
#include "grid/controls/GXTabbedRow.h"

#include <algorithm>

namespace {

const char kRanks[] = "Value\tRank\nlow\t1\nmid\t2\nhigh\t3";
const char kLevels[] = "Id\tLevel\n1\tLow\n2\tMedium\n3\tHigh";

// A grid whose column 2 holds the tabbed drop-down list with the choices and the given attributes
// (id, value pairs).
struct TabbedFixture : ComboGridFixture {
    TabbedFixture(const char* pszChoices, std::initializer_list<std::pair<WORD, const char*>> attributes,
                  UINT nControlId = GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST)
        : ComboGridFixture(nControlId, pszChoices)
    {
        CGXStyle style;
        for (const auto& attribute : attributes)
            style.SetUserAttribute(attribute.first, attribute.second);
        grid.SetStyleRange(CGXCellRange().SetCols(2, 2), &style, CGXStyle::gxOverride, 0, nullptr, 2,
                           CGXGridCore::gxRollback);
    }
    CGXTabbedComboBoxWnd* Tabbed() { return static_cast<CGXTabbedComboBoxWnd*>(Combo()); }
    // The text the inactive cell shows.
    std::string Shown(ROWCOL nRow, ROWCOL nCol)
    {
        CString strText;
        const CGXStyle& style = *grid.LookupStyleRowCol(nRow, nCol);
        if (!Combo()->GetControlText(strText, nRow, nCol, nullptr, style))
            return "<none>";
        return strText.GetString();
    }
    // A click on the inactive cell, then the posted clicks that open the list handled (waiting up to
    // two seconds for them on a loaded machine).
    void ClickCell(ROWCOL nRow, ROWCOL nCol)
    {
        Click(grid.CalcCellRect(nRow, nCol).CenterPoint());
        for (int i = 0; i < 200 && !Combo()->GetDroppedState(); ++i) {
            ::Sleep(10);
            PumpMessages();
        }
    }
    // Opens the list on (nRow, 2), moves its choice nDown rows down, and closes it with Enter.
    void Choose(ROWCOL nRow, int nDown)
    {
        ClickCell(nRow, 2);
        ASSERT_TRUE(Combo()->GetDroppedState());
        for (int i = 0; i < nDown; ++i)
            Press(VK_DOWN);
        Press(VK_RETURN);
        EXPECT_FALSE(Combo()->GetDroppedState()) << "Enter closes the list";
    }
};

CRect ListRect(CComboBox* pCombo)
{
    COMBOBOXINFO info = {sizeof(info)};
    ::GetComboBoxInfo(pCombo->m_hWnd, &info);
    CRect rect;
    ::GetWindowRect(info.hwndList, &rect);
    return rect;
}

}  // namespace

TEST(TabbedCombo, AnOrdinalCellShowsItsValueOpensOnAClickAndStoresTheChoice)
{
    TabbedFixture f(kRanks, {{GX_IDS_UA_TABLIST_TITLES, "1"}});
    f.SetValue(2, 2, "mid");
    EXPECT_EQ(f.Shown(2, 2), "mid");
    f.grid.m_stores.clear();

    f.ClickCell(2, 2);
    EXPECT_EQ(f.Current(), "2,2");
    ASSERT_TRUE(f.Combo()->IsActive());
    ASSERT_TRUE(f.Combo()->GetDroppedState()) << "a click on the inactive cell opens the list";
    EXPECT_EQ(f.Combo()->CComboBox::GetCount(), 3) << "the title row is no item";
    EXPECT_EQ(f.Combo()->GetCurSel(), 1);
    CGXTabbedLBoxHeader& title = f.Tabbed()->GetTitleWindow();
    ASSERT_TRUE(title.m_hWnd != nullptr);
    EXPECT_TRUE(title.IsWindowVisible());
    EXPECT_EQ(std::string(title.GetTitleText()), "Value\tRank");

    f.Press(VK_DOWN);
    f.Press(VK_RETURN);
    EXPECT_FALSE(f.Combo()->GetDroppedState());
    EXPECT_FALSE(title.IsWindowVisible()) << "the titles go with the list";
    EXPECT_TRUE(f.Combo()->GetModify());
    EXPECT_EQ(f.Stored(2, 2), "mid") << "nothing stored before the cell is left";
    f.MakeCurrent(4, 2);
    EXPECT_EQ(f.Stored(2, 2), "high");
    EXPECT_EQ(f.Shown(2, 2), "high");
}

TEST(TabbedCombo, AltDownAndF4OpenTheListHoweverTheCellBecameCurrent)
{
    TabbedFixture f(kRanks, {{GX_IDS_UA_TABLIST_TITLES, "1"}});
    // Alt+Down as the keyboard sends it: a system key with the context bit
    auto pressAltDown = [] {
        ::PostMessageA(::GetFocus(), WM_SYSKEYDOWN, VK_DOWN, MAKELPARAM(1, 0x2000));
        ::PostMessageA(::GetFocus(), WM_SYSKEYUP, VK_DOWN, MAKELPARAM(1, 0xE000));
        PumpMessages();
    };
    // a click opened the list: the keys leave it open
    f.ClickCell(2, 2);
    ASSERT_TRUE(f.Combo()->GetDroppedState());
    pressAltDown();
    EXPECT_TRUE(f.Combo()->GetDroppedState()) << "Alt+Down after a click";
    f.Press(VK_F4);
    EXPECT_TRUE(f.Combo()->GetDroppedState()) << "F4 after a click";
    // the grid has the focus again: both open the list
    f.Press(VK_ESCAPE);
    ASSERT_FALSE(f.Combo()->GetDroppedState());
    ASSERT_EQ(::GetFocus(), f.grid.m_hWnd);
    f.Press(VK_F4);
    EXPECT_TRUE(f.Combo()->GetDroppedState()) << "F4 on the grid";
    f.Press(VK_ESCAPE);
    f.Press(VK_DOWN);
    EXPECT_EQ(f.Current(), "3,2");
    pressAltDown();
    EXPECT_TRUE(f.Combo()->GetDroppedState()) << "Alt+Down on the grid";
    // the active cell's closed list
    f.Press(VK_RETURN);
    ASSERT_FALSE(f.Combo()->GetDroppedState());
    ASSERT_EQ(::GetFocus(), f.Combo()->m_hWnd);
    f.Press(VK_F4);
    EXPECT_TRUE(f.Combo()->GetDroppedState()) << "F4 in the combo";
    f.Press(VK_RETURN);
    pressAltDown();
    EXPECT_TRUE(f.Combo()->GetDroppedState()) << "Alt+Down in the combo";
    f.Press(VK_ESCAPE);
}

TEST(TabbedCombo, KeyAndTextColumnsShowOneFieldAndStoreTheOther)
{
    TabbedFixture f(kLevels, {{GX_IDS_UA_TABLIST_KEYCOL, "0"},
                              {GX_IDS_UA_TABLIST_TEXTCOL, "1"},
                              {GX_IDS_UA_TABLIST_TITLES, "1"}});
    f.SetValue(2, 2, "2");
    f.SetValue(3, 2, "9");
    EXPECT_EQ(f.Shown(2, 2), "Medium");
    EXPECT_EQ(f.Shown(3, 2), "<none>") << "a value no row has draws an empty cell";

    f.Choose(2, 1);
    f.MakeCurrent(5, 2);
    EXPECT_EQ(f.Stored(2, 2), "3");

    f.MakeCurrent(3, 2);
    EXPECT_EQ(f.Combo()->GetCurSel(), CB_ERR) << "a value no row has selects nothing";

    // pasted texts must name a row
    f.MakeCurrent(4, 2);
    EXPECT_TRUE(f.Combo()->StoreTextInCell("Medium"));
    EXPECT_EQ(f.Stored(4, 2), "2");
    EXPECT_FALSE(f.Combo()->StoreTextInCell("xyz"));
    EXPECT_EQ(f.Stored(4, 2), "2");
}

TEST(TabbedCombo, AnEarlierRowBeginningWithTheChoiceDoesNotTakeItsPlace)
{
    TabbedFixture f("Id\tLevel\n1\tLowest\n2\tLow", {{GX_IDS_UA_TABLIST_TEXTCOL, "1"},
                                                    {GX_IDS_UA_TABLIST_TITLES, "1"}});
    f.SetValue(2, 2, "1");
    f.Choose(2, 1);
    f.MakeCurrent(4, 2);
    EXPECT_EQ(f.Stored(2, 2), "2");
    EXPECT_EQ(f.Shown(2, 2), "Low");
}

TEST(TabbedCombo, AnActiveEditableCellWhoseTextNamesNoItemKeepsTheCurrentCell)
{
    TabbedFixture f(kLevels, {{GX_IDS_UA_TABLIST_TEXTCOL, "1"}, {GX_IDS_UA_TABLIST_TITLES, "1"}},
                    GX_IDS_CTRL_CBS_TABBED_DROPDOWN);
    f.SetValue(2, 2, "2");
    f.Activate(2, 2);
    COMBOBOXINFO info = {sizeof(info)};
    ::GetComboBoxInfo(f.Combo()->m_hWnd, &info);
    ::SetWindowTextA(info.hwndItem, "xyz");
    f.Combo()->SetModify(TRUE);
    EXPECT_FALSE(f.Combo()->ValidateInput());
    f.grid.SetCurrentCell(4, 2);
    EXPECT_EQ(f.Current(), "2,2");
    EXPECT_EQ(f.Stored(2, 2), "2");
}

TEST(TabbedCombo, ColumnWidthsComeFromTheAttributeOrTheWidestField)
{
    struct Case {
        const char* pszName;
        const char* pszChoices;
        const char* pszWidths;   // null: attribute absent
        const char* pszShowAll;  // null: attribute absent
        std::vector<int> widths; // -1: the widest field of the column plus 4
    };
    const char kThree[] = "a\tbb\tcccc\nd\te\tf";
    const char kEleven[] = "0\t1\t2\t3\t4\t5\t6\t7\t8\t9\tten";
    const Case cases[] = {
        {"explicit widths, the rest measured", kThree, "30;80", nullptr, {30, 80, -1}},
        {"a width text not beginning with a digit", kThree, "x30", nullptr, {-1, -1, -1}},
        {"only ten of eleven columns sized", kEleven, nullptr, nullptr, {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
        {"show-all off keeps the text column only", kThree, nullptr, "0", {-1, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        std::vector<std::pair<WORD, const char*>> attributes;
        if (c.pszWidths != nullptr)
            attributes.push_back({GX_IDS_UA_TABLIST_COLWIDTHS, c.pszWidths});
        if (c.pszShowAll != nullptr)
            attributes.push_back({GX_IDS_UA_TABLIST_SHOWALLCOLS, c.pszShowAll});
        TabbedFixture f(c.pszChoices, {});
        CGXStyle style;
        for (const auto& attribute : attributes)
            style.SetUserAttribute(attribute.first, attribute.second);
        f.ApplyStyle(2, 2, style);
        f.MakeCurrent(2, 2);

        // the expected widths, measured with the combo's font
        CDC* pDC = f.grid.GetClientDC();
        CFont* pOld = f.grid.SelectStyleFont(pDC, *f.grid.LookupStyleRowCol(2, 2));
        std::vector<int> expected = c.widths;
        int nEdge = 0;
        std::vector<int> edges;
        for (size_t i = 0; i < expected.size(); ++i) {
            if (expected[i] < 0) {
                int nWidest = 0;
                for (const char* pszRow : {c.pszChoices}) {
                    CString strChoices(pszRow);
                    for (int nStart = 0; nStart <= strChoices.GetLength();) {
                        int nEnd = strChoices.Find('\n', nStart);
                        if (nEnd < 0)
                            nEnd = strChoices.GetLength();
                        const CString strField = TabbedRow_GetField(strChoices.Mid(nStart, nEnd - nStart), int(i));
                        nWidest = std::max(nWidest, int(pDC->GetTextExtent(strField).cx));
                        nStart = nEnd + 1;
                    }
                }
                expected[i] = nWidest + 4;
            }
            nEdge += expected[i];
            edges.push_back(nEdge);
        }
        pDC->SelectObject(pOld);
        f.grid.ReleaseClientDC();
        const std::vector<int>& actual = f.Tabbed()->GetColumnEdges();
        ASSERT_GE(actual.size(), edges.size());
        EXPECT_EQ(std::vector<int>(actual.begin(), actual.begin() + long(edges.size())), edges);
        EXPECT_EQ(f.Tabbed()->GetTotalWidth(), nEdge + ::GetSystemMetrics(SM_CXVSCROLL));
    }
}

TEST(TabbedCombo, SortingByAColumnKeepsTheTitlesFirst)
{
    TabbedFixture f("Name\tCode\nx\tb\ny\tC\nz\ta",
                    {{GX_IDS_UA_TABLIST_TITLES, "1"}, {GX_IDS_UA_TABLIST_SORT, "1"}});
    f.MakeCurrent(2, 2);
    EXPECT_EQ(f.Entries(), "z\ta|x\tb|y\tC|");
    EXPECT_EQ(std::string(f.Tabbed()->GetTitleWindow().GetTitleText()), "Name\tCode");
}

TEST(TabbedCombo, TheOpenListIsWidenedAndTitledAndEscapeDiscardsTheChoice)
{
    TabbedFixture f(kRanks, {{GX_IDS_UA_TABLIST_TITLES, "1"}});
    f.SetValue(2, 2, "mid");
    CSizeRecorder size(f.Combo()->m_hWnd);
    f.ClickCell(2, 2);
    ASSERT_TRUE(f.Combo()->GetDroppedState());
    const int nTextHeight = f.TextHeight(2, 2);

    CRect rectCombo, rectClient, rectTitle;
    f.Combo()->GetWindowRect(&rectCombo);
    f.Combo()->GetClientRect(&rectClient);
    f.Tabbed()->GetTitleWindow().GetWindowRect(&rectTitle);
    const CRect rectList = ListRect(f.Combo());
    EXPECT_EQ(rectList.Width(), std::max(f.Tabbed()->GetTotalWidth(), int(rectClient.Width())));
    EXPECT_EQ(rectTitle.Height(), nTextHeight + 4);
    EXPECT_EQ(rectTitle.top, rectCombo.bottom) << "the titles take the list's place below the combo";
    EXPECT_EQ(rectList.top, rectTitle.bottom);
    const CRect rectCell = f.Combo()->CGXControl::GetCellRect(2, 2);
    EXPECT_EQ(size.TallestHeight(), 1 + rectCell.Height() + 2 * 3 + 3 * (nTextHeight + 2) + 3)
        << "the grid line above, the cell with the frame allowance, then the drop part";

    f.Press(VK_DOWN);
    EXPECT_TRUE(f.Combo()->GetModify());
    f.Press(VK_ESCAPE);
    EXPECT_FALSE(f.Combo()->GetDroppedState());
    EXPECT_FALSE(f.Combo()->GetModify());
    CString strText;
    f.Combo()->GetCurrentText(strText);
    EXPECT_EQ(std::string(strText), "mid");
    EXPECT_EQ(::GetFocus(), f.grid.m_hWnd);
    f.MakeCurrent(4, 2);
    EXPECT_EQ(f.Stored(2, 2), "mid");
}

TEST(TabbedCombo, TheTitlesHaveRoomInTheirFramesAndTheOpenListIsNotInTheCellsColour)
{
    // a heading wider than its column's values, in a cell marked green
    TabbedFixture f("Heading\tRank\nab\t1\ncd\t2", {{GX_IDS_UA_TABLIST_TITLES, "1"}});
    const COLORREF kGreen = RGB(128, 255, 128);
    f.ApplyStyle(2, 2, CGXStyle().SetInterior(CGXCellBrush(CGXCellBrush::gxSolid, kGreen)));
    f.ClickCell(2, 2);
    ASSERT_TRUE(f.Combo()->GetDroppedState());

    // the heading, its raised frame on both sides and a little air inside fit its column
    CDC* pDC = f.grid.GetClientDC();
    CFont* pOld = f.grid.SelectStyleFont(pDC, *f.grid.LookupStyleRowCol(2, 2));
    const int nHeading = pDC->GetTextExtent("Heading").cx;
    pDC->SelectObject(pOld);
    f.grid.ReleaseClientDC();
    ASSERT_FALSE(f.Tabbed()->GetColumnEdges().empty());
    EXPECT_GE(f.Tabbed()->GetColumnEdges()[0], nHeading + 2 * ::GetSystemMetrics(SM_CXEDGE) + 4);

    // an item of the open list on the window's colour, the selection field on the cell's
    const auto background = [&](UINT nState) {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CBitmap bitmap;
        CClientDC screen(nullptr);
        bitmap.CreateCompatibleBitmap(&screen, 200, 20);
        CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_COMBOBOX;
        item.itemID = 0;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = nState;
        item.hDC = dc.m_hDC;
        item.rcItem = {0, 0, 200, 20};
        f.Tabbed()->DrawItem(&item);
        const COLORREF color = dc.GetPixel(190, 18);
        dc.SelectObject(pOldBitmap);
        return color;
    };
    EXPECT_EQ(background(0), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(background(ODS_COMBOBOXEDIT), kGreen);
}

TEST(TabbedCombo, AListOpenedAtTheScreensRightEdgeEndsAtTheCombosRightEdge)
{
    TabbedFixture f("Value\tA rather long description of the rank\nlow\t1\nmid\t2", {});
    const int nScreen = ::GetSystemMetrics(SM_CXSCREEN);
    f.frame.MoveWindow(nScreen - 300, 0, 300, 400);
    f.grid.MoveWindow(0, 0, 280, 360);
    f.grid.SetColWidth(2, 2, 280 - f.grid.CalcCellRect(1, 2).left);
    f.grid.UpdateWindow();
    f.ClickCell(2, 2);
    ASSERT_TRUE(f.Combo()->GetDroppedState());
    CRect rectCombo;
    f.Combo()->GetWindowRect(&rectCombo);
    const CRect rectList = ListRect(f.Combo());
    ASSERT_GT(f.Tabbed()->GetTotalWidth(), rectCombo.Width());
    EXPECT_EQ(rectList.right, rectCombo.right);
    EXPECT_EQ(rectList.Width(), f.Tabbed()->GetTotalWidth());
}

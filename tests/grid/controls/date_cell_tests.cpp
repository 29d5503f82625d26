// The date/time cell in a grid window: display texts, editing a cell field by field and storing its
// date number, the text-to-date rule, typing and Delete on an inactive cell, the allowed range, the
// gadgets drawn in the current cell only, clicks, and pasted free text.
#include "date_test_support.h"

namespace {

// 1 January 2000, date number 36526 (made when asked: the date tables are not there before main)
COleDateTime NewYear2000()
{
    return COleDateTime(2000, 1, 1, 0, 0, 0);
}

// A shown grid of 6 rows by 4 columns whose every cell is a date/time cell with the calendar button
// (m_pDate); Ctrl, Shift, Alt and Tab are up and the grid has the focus.
struct DateGridFixture {
    DateGridFixture()
    {
        ReleaseDateKeys(fake);
        fake.SetTickCount(0);
        EXPECT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600,
                                   400, nullptr, nullptr));
        EXPECT_TRUE(grid.Create("CGXGridWnd", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 580, 360), &frame, 1));
        grid.Initialize();
        grid.GetParam()->GetData()->SetRowCount(6);
        grid.GetParam()->GetData()->SetColCount(4);
        grid.SetColWidth(1, 4, 130);
        m_pDate = static_cast<CGXDateTimeCtrl*>(GXCreateDateTimeCtrl(&grid, GXFindControlEntry(GX_IDS_CTRL_DATETIME)));
        grid.RegisterControl(GX_IDS_CTRL_DATETIME, m_pDate, TRUE);
        grid.SetStyleRange(CGXCellRange(1, 1, 6, 4), &CGXStyle().SetControl(GX_IDS_CTRL_DATETIME),
                           CGXStyle::gxOverride, 0, nullptr, 2, CGXGridCore::gxRollback);
        grid.SetFocus();
        grid.UpdateWindow();
    }
    ~DateGridFixture() { frame.DestroyWindow(); }

    // Stores a style into a cell (no undo).
    void SetStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
    {
        grid.SetStyleRange(CGXCellRange(nRow, nCol, nRow, nCol), &style, CGXStyle::gxOverride, 0, nullptr, 2,
                           CGXGridCore::gxRollback);
    }
    std::string Stored(ROWCOL nRow, ROWCOL nCol) { return grid.GetStoredValueRowCol(nRow, nCol).GetString(); }
    // Makes (nRow, nCol) current, then its control active with the window shown and focused.
    void Activate(ROWCOL nRow, ROWCOL nCol)
    {
        ASSERT_TRUE(grid.SetCurrentCell(nRow, nCol));
        ASSERT_TRUE(m_pDate->OnStartEditing());
        m_pDate->SetActive(TRUE);
        m_pDate->Refresh();
        grid.UpdateWindow();
        ASSERT_EQ(::GetFocus(), m_pDate->m_hWnd);
    }
    // The display text of a cell.
    std::string Shown(ROWCOL nRow, ROWCOL nCol)
    {
        const CGXComposedStyle style(&grid, nRow, nCol);
        CString strText;
        m_pDate->GetControlText(strText, nRow, nCol, nullptr, style.Get());
        return strText.GetString();
    }
    // The id of the editing window's focused field (0 when none).
    int FocusedField() const
    {
        const CGXBDTGadget* pGadget = m_pDate->GetGadget(m_pDate->GetFocusIndex());
        return pGadget != nullptr && pGadget->HasFocus() ? pGadget->GetId() : 0;
    }

    CFakeServices fake;
    CWnd frame;
    CNotingGrid grid;
    CGXDateTimeCtrl* m_pDate = nullptr;  // owned by the grid
};

CGXStyle ForcedNumber(const char* pszValue)
{
    CGXStyle style;
    style.SetValue(pszValue).SetUserAttribute(GX_IDS_UA_DATETIMEASNUMBER, "1");
    return style;
}

}  // namespace

TEST(DateCell, AForcedDateNumberShowsInTheShortDateAndStaysAfterADayUpAndDown)
{
    DateGridFixture f;
    f.SetStyle(2, 2, ForcedNumber("36526"));
    EXPECT_EQ(f.Shown(2, 2), LocaleDateText(NewYear2000(), LOCALE_SSHORTDATE));

    f.Activate(2, 2);
    EXPECT_EQ(f.m_pDate->GetDateTime(), NewYear2000());
    EXPECT_EQ(f.FocusedField(), CGXBDTGadget::gxDay) << "the short date starts with the day here";
    f.m_pDate->SendMessage(WM_KEYDOWN, VK_UP, 1);
    EXPECT_EQ(f.m_pDate->GetDateTime(), COleDateTime(2000, 1, 2, 0, 0, 0));
    f.m_pDate->SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_TRUE(f.m_pDate->GetModify());

    f.grid.m_stores.clear();
    ASSERT_TRUE(f.grid.SetCurrentCell(3, 2));
    ASSERT_EQ(f.grid.m_stores.size(), 1u);
    EXPECT_EQ(f.grid.m_stores[0].value, "36526");
    EXPECT_EQ(f.Stored(2, 2), "36526");
}

TEST(DateCell, AnEmptyValueEditsAsMidnightOfDate0WithATimeFormatAndAsTodayWithADate)
{
    DateGridFixture f;
    CGXStyle time;
    time.SetUserAttribute(GX_IDS_UA_DATEFORMATTYPE, "0");
    f.SetStyle(2, 2, time);
    f.Activate(2, 2);
    EXPECT_EQ(double(DATE(f.m_pDate->GetDateTime())), 0.0);
    EXPECT_EQ(f.m_pDate->GetFormatType(), CGXBDateTimeCtrl::gxTimeFormat);
    for (int i = f.m_pDate->GetFixedGadgetCount(); i < f.m_pDate->GetGadgetCount(); ++i) {
        const CGXBDTGadget* pGadget = f.m_pDate->GetGadget(i);
        if (dynamic_cast<const CGXBDTNumericGadget*>(pGadget) != nullptr && pGadget->GetId() != CGXBDTGadget::gxHour12) {
            EXPECT_EQ(pGadget->GetValue(), 0) << "field " << pGadget->GetId();
        }
    }

    const COleDateTime before = COleDateTime::GetCurrentTime();
    f.Activate(3, 2);
    const COleDateTime after = COleDateTime::GetCurrentTime();
    const COleDateTime value = f.m_pDate->GetDateTime();
    EXPECT_TRUE(value == COleDateTime(before.GetYear(), before.GetMonth(), before.GetDay(), 0, 0, 0) ||
                value == COleDateTime(after.GetYear(), after.GetMonth(), after.GetDay(), 0, 0, 0));
}

TEST(DateCell, ForcedNumbersReadTheTextAsADateNumberButPastingTriesTheParserFirst)
{
    DateGridFixture f;
    f.SetStyle(2, 2, ForcedNumber("36526"));
    f.Activate(2, 2);
    f.m_pDate->SetCurrentText("1/2/2003");
    EXPECT_EQ(double(DATE(f.m_pDate->GetDateTime())), 1.0) << "the number before the first slash";

    CString strText = "29.02.2000";
    ASSERT_TRUE(f.m_pDate->ConvertTextToValue(strText, 2, 2, nullptr));
    EXPECT_EQ(std::string(strText), "36585");
    // values keep their time as "%.13g"
    strText = "1.1.2000 12:00";
    ASSERT_TRUE(f.m_pDate->ConvertTextToValue(strText, 2, 2, nullptr));
    EXPECT_EQ(std::string(strText), "36526.5");
    strText = "";
    EXPECT_TRUE(f.m_pDate->ConvertTextToValue(strText, 2, 2, nullptr));
    EXPECT_EQ(std::string(strText), "");
}

TEST(DateCell, ADigitTypedOnAnInactiveCellStartsTheFirstField)
{
    DateGridFixture f;
    f.SetStyle(2, 2, ForcedNumber("36526"));
    ASSERT_TRUE(f.grid.SetCurrentCell(2, 2));
    f.grid.UpdateWindow();
    ASSERT_FALSE(f.m_pDate->IsActive());
    f.grid.SendMessage(WM_CHAR, '2', 1);
    EXPECT_TRUE(f.m_pDate->IsActive());
    PumpWaitingMessages();
    auto* pDay = dynamic_cast<CGXBDTNumericGadget*>(f.m_pDate->GetGadget(f.m_pDate->GetFocusIndex()));
    ASSERT_NE(pDay, nullptr);
    EXPECT_EQ(pDay->GetId(), CGXBDTGadget::gxDay);
    EXPECT_TRUE(pDay->IsTyping());
    EXPECT_EQ(::GetFocus(), f.m_pDate->m_hWnd);
    ::SendMessageA(::GetFocus(), WM_CHAR, '5', 1);
    EXPECT_EQ(f.m_pDate->GetDateTime(), COleDateTime(2000, 1, 25, 0, 0, 0));
    EXPECT_EQ(f.FocusedField(), CGXBDTGadget::gxMonth) << "a complete field moves on";
    // Enter reaches the grid, which stores the cell and moves on
    f.grid.m_passedKeys.clear();
    ::SendMessageA(::GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(f.grid.m_passedKeys, std::vector<UINT>{VK_RETURN});
}

TEST(DateCell, DeleteOnAnInactiveWritableCellEmptiesIt)
{
    DateGridFixture f;
    f.SetStyle(2, 2, ForcedNumber("36526"));
    CGXStyle readOnly = ForcedNumber("36526");
    readOnly.SetReadOnly(TRUE);
    f.SetStyle(3, 2, readOnly);

    ASSERT_TRUE(f.grid.SetCurrentCell(3, 2));
    f.grid.SendMessage(WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(f.Stored(3, 2), "36526");

    ASSERT_TRUE(f.grid.SetCurrentCell(2, 2));
    f.grid.SendMessage(WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(f.Stored(2, 2), "");
    EXPECT_FALSE(f.m_pDate->IsActive());
    EXPECT_FALSE(f.m_pDate->GetModify());
}

TEST(DateCell, AValueOutsideTheAllowedRangeTakesTheNearerBoundWithoutAModification)
{
    DateGridFixture f;
    CGXStyle style = ForcedNumber("37000");
    style.SetUserAttribute(GX_IDS_UA_DATEMIN, "36526").SetUserAttribute(GX_IDS_UA_DATEMAX, "36891");
    style.SetUserAttribute(GX_IDS_UA_DATEVALIDMODE, "3");
    f.SetStyle(2, 2, style);
    f.Activate(2, 2);
    EXPECT_EQ(double(DATE(f.m_pDate->GetDateTime())), 36891.0);
    EXPECT_FALSE(f.m_pDate->GetModify());
    // the year cannot leave the range either
    f.m_pDate->SendMessage(WM_KEYDOWN, VK_RIGHT, 1);
    f.m_pDate->SendMessage(WM_KEYDOWN, VK_RIGHT, 1);
    ASSERT_EQ(f.FocusedField(), CGXBDTGadget::gxYear4);
    f.m_pDate->SendMessage(WM_KEYDOWN, VK_UP, 1);
    EXPECT_EQ(double(DATE(f.m_pDate->GetDateTime())), 36891.0);
}

TEST(DateCell, TheButtonAndArrowsShowOnlyInTheCurrentCellAndTheArrowsNotInAReadOnlyOne)
{
    DateGridFixture f;
    f.SetStyle(2, 2, ForcedNumber("36526"));
    CGXStyle readOnly = ForcedNumber("36526");
    readOnly.SetReadOnly(TRUE);
    f.SetStyle(3, 2, readOnly);
    ASSERT_TRUE(f.grid.SetCurrentCell(2, 2));

    // which of the button and the arrows an inactive cell's drawing placed
    auto drawn = [&](ROWCOL nRow, ROWCOL nCol) {
        const CGXComposedStyle style(&f.grid, nRow, nCol);
        CClientDC dc(&f.grid);
        f.m_pDate->Draw(&dc, f.grid.CalcCellRect(nRow, nCol), nRow, nCol, style.Get(), nullptr);
        const CGXCaptiveDateTimeCtrl& wnd = f.m_pDate->DrawWnd();
        return std::make_pair(!wnd.GetGadget(0)->GetRect().IsRectEmpty(), !wnd.GetGadget(1)->GetRect().IsRectEmpty());
    };
    EXPECT_EQ(drawn(2, 2), std::make_pair(true, true)) << "the current cell";
    EXPECT_EQ(drawn(2, 3), std::make_pair(false, false)) << "another cell";
    ASSERT_TRUE(f.grid.SetCurrentCell(3, 2));
    EXPECT_EQ(drawn(3, 2), std::make_pair(true, false)) << "a read-only current cell";
    f.m_pDate->m_bSpinAlways = TRUE;
    f.m_pDate->m_bButtonAlways = TRUE;
    EXPECT_EQ(drawn(2, 3), std::make_pair(true, true)) << "shown in every cell on request";
}

TEST(DateCell, AClickActivatesTheCellWithTheFieldUnderThePointer)
{
    DateGridFixture f;
    f.grid.GetParam()->SetActivateCellFlags(2);
    f.SetStyle(2, 2, ForcedNumber("36526"));
    f.SetStyle(3, 2, CGXStyle().SetValue(""));
    ASSERT_TRUE(f.grid.SetCurrentCell(2, 2));
    f.grid.UpdateWindow();
    // beyond the fields, left of the button and the arrows: the last field
    const CRect rect = f.m_pDate->GetCellRect(2, 2);
    f.m_pDate->OnLButtonUp(0, CPoint(rect.right - 40, rect.CenterPoint().y));
    EXPECT_TRUE(f.m_pDate->IsActive());
    EXPECT_EQ(f.FocusedField(), CGXBDTGadget::gxYear4);

    // a cell without a value is activated by a click only when forced (a double click)
    ASSERT_TRUE(f.grid.SetCurrentCell(3, 2));
    const CRect rectEmpty = f.m_pDate->GetCellRect(3, 2);
    f.m_pDate->OnLButtonUp(0, rectEmpty.CenterPoint());
    EXPECT_FALSE(f.m_pDate->IsActive());
    EXPECT_TRUE(f.m_pDate->ActivateAtPoint(0, rectEmpty.CenterPoint(), TRUE));
    EXPECT_TRUE(f.m_pDate->IsActive());
}

TEST(DateCell, PastedFreeTextSetsEachFieldFromItsPart)
{
    DateGridFixture f;
    CGXStyle style = ForcedNumber("36526");
    style.SetUserAttribute(GX_IDS_UA_DATEFORMATTYPE, "3").SetUserAttribute(GX_IDS_UA_CUSTOMFORMAT, "d MMMM yyyy");
    f.SetStyle(2, 2, style);
    const char* pszText = "7 Aug, 2011 more";
    ASSERT_FALSE(COleDateTime().ParseDateTime(pszText)) << "a text the date parser does not read";
    CString strText = pszText;
    ASSERT_TRUE(f.m_pDate->ConvertTextToValue(strText, 2, 2, nullptr));
    EXPECT_EQ(std::string(strText), "40762") << "7 August 2011";
    strText = " ,\r\n";
    EXPECT_FALSE(f.m_pDate->ConvertTextToValue(strText, 2, 2, nullptr)) << "no parts";
}

TEST(DateCell, RegistersItsAttributesForTheStyleDialog)
{
    CGXStylesMap stylesMap;
    CGXDateTimeCtrl::RegisterUserAttributes(stylesMap);
    const auto& attributes = stylesMap.GetUserAttributes();
    for (WORD nId : {51034, 51035, 51036, 51037, 51038, 51039, 51044, 52571})
        EXPECT_TRUE(attributes.count(nId)) << nId;
}

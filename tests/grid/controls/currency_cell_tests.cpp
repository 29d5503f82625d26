// The currency cell in a grid window: its format from the cell's attributes, the drop button, the
// text of an inactive cell, typing and storing plain values, the calculator's result, the sign key and
// the arrow keys that leave the window, and the editor in the cell's colours.
#include "control_test_support.h"

#include "grid/controls/GXCurrencyEdit.h"
#include "grid/engine/GXProperties.h"

#include <cstdio>

namespace {

using Format = CGXBCurrencyEdit::Format;

class CTestCurrencyCell : public CGXCurrencyEdit {
public:
    explicit CTestCurrencyCell(CGXGridCore* pGrid) : CGXCurrencyEdit(pGrid, GX_IDS_CTRL_CURRENCY) {}
    std::string Text() const
    {
        CString strText;
        GetWindowText(strText);
        return strText.GetString();
    }
    Format CurrentFormat() const
    {
        Format format;
        GetFormat(format);
        return format;
    }
    // The pop-up itself is the calculator tests' business: here it is only counted.
    BOOL OpenCalculator() override
    {
        ++m_nCalculatorsOpened;
        return TRUE;
    }
    int m_nCalculatorsOpened = 0;
};

// The plain value text of an amount with the locale's fractional digits.
std::string PlainValue(double dValue)
{
    char szText[64];
    std::snprintf(szText, sizeof(szText), "%.*f", Format(TRUE).m_nFracDigits, dValue);
    return szText;
}

std::string LocaleShown(double dAmount, BOOL bNegative = FALSE)
{
    CString strText;
    Format(TRUE).FormatValue(dAmount, strText, bNegative);
    return strText.GetString();
}

// A shown grid of 6 rows by 4 columns whose cells are currency cells (m_pCell); the grid has the
// focus and Ctrl, Shift and Alt are up.
struct CurrencyGridFixture {
    CurrencyGridFixture()
    {
        ReleaseModifierKeys(fake);
        fake.SetTickCount(0);
        EXPECT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500,
                                   400, nullptr, nullptr));
        EXPECT_TRUE(grid.Create("CGXGridWnd", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 480, 360), &frame, 1));
        grid.Initialize();
        grid.GetParam()->GetData()->SetRowCount(6);
        grid.GetParam()->GetData()->SetColCount(4);
        m_pCell = new CTestCurrencyCell(&grid);
        EXPECT_TRUE(m_pCell->CreateWindows(WS_CHILD));
        grid.RegisterControl(GX_IDS_CTRL_CURRENCY, m_pCell, TRUE);
        grid.SetStyleRange(CGXCellRange().SetCols(1, 4), &CGXStyle().SetControl(GX_IDS_CTRL_CURRENCY),
                           CGXStyle::gxOverride, 0, nullptr, 2, CGXGridCore::gxRollback);
        grid.SetFocus();
        grid.UpdateWindow();
    }
    ~CurrencyGridFixture() { frame.DestroyWindow(); }

    void SetStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
    {
        grid.SetStyleRange(CGXCellRange(nRow, nCol, nRow, nCol), &style, CGXStyle::gxOverride, 0, nullptr, 2,
                           CGXGridCore::gxRollback);
    }
    std::string Stored(ROWCOL nRow, ROWCOL nCol) { return grid.GetStoredValueRowCol(nRow, nCol).GetString(); }
    void MakeCurrent(ROWCOL nRow, ROWCOL nCol)
    {
        ASSERT_TRUE(grid.SetCurrentCell(nRow, nCol));
        grid.UpdateWindow();
    }
    // Makes the cell current and active with its window shown and focused.
    void Activate(ROWCOL nRow, ROWCOL nCol)
    {
        MakeCurrent(nRow, nCol);
        m_pCell->SetActive(TRUE);
        m_pCell->Refresh();
        grid.UpdateWindow();
        ASSERT_EQ(::GetFocus(), m_pCell->m_hWnd);
    }
    void Press(UINT nKey) { ::SendMessageA(::GetFocus(), WM_KEYDOWN, nKey, MAKELPARAM(1, 0)); }
    void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    std::string Current()
    {
        ROWCOL nRow, nCol;
        return grid.GetCurrentCell(nRow, nCol) ? std::to_string(nRow) + "," + std::to_string(nCol) : "none";
    }

    CFakeServices fake;
    CWnd frame;
    CNotingGrid grid;
    CTestCurrencyCell* m_pCell = nullptr;  // owned by the grid
};

}  // namespace

TEST(CurrencyCell, TheCellsAttributesChangeTheLocalesFormat)
{
    CurrencyGridFixture f;
    const Format locale(TRUE);
    struct Case {
        WORD nId;
        const char* pszValue;
        void (*pfnExpect)(const Format&, const Format&);
    };
    const Case cases[] = {
        {GX_IDS_UA_CURRENCYDEF, "0110",
         [](const Format& format, const Format&) {
             EXPECT_FALSE(format.m_bLeadingZero);
             EXPECT_TRUE(format.m_bSeparatorLine);
             EXPECT_EQ(format.m_chFill, ' ') << "a fill digit other than 0 is refused";
         }},
        {GX_IDS_UA_CURRENCYDEF, "111",  // another length counts as "11 1"
         [](const Format& format, const Format&) {
             EXPECT_TRUE(format.m_bLeadingZero);
             EXPECT_TRUE(format.m_bSeparatorLine);
             EXPECT_EQ(format.m_chFill, ' ');
         }},
        {GX_IDS_UA_CURRENCYSEP, "0,",
         [](const Format& format, const Format&) {
             EXPECT_EQ(format.m_chThousands, 0);
             EXPECT_EQ(format.m_chDecimal, ',');
         }},
        {GX_IDS_UA_CURRENCYSYMBOL, "0", [](const Format& format, const Format&) { EXPECT_EQ(format.m_strSymbol, ""); }},
        {GX_IDS_UA_CURRENCYSYMBOL, "EUR",
         [](const Format& format, const Format&) { EXPECT_EQ(format.m_strSymbol, "EUR"); }},
        {GX_IDS_UA_CURRENCYNEGFMT, "14",
         [](const Format& format, const Format&) { EXPECT_EQ(format.m_nNegativeFormat, 14); }},
        {GX_IDS_UA_CURRENCYDECIMALS, "3", [](const Format& format, const Format&) { EXPECT_EQ(format.m_nIntDigits, 3); }},
        {GX_IDS_UA_CURRENCYFRACTIONS, "4",
         [](const Format& format, const Format&) { EXPECT_EQ(format.m_nFracDigits, 4); }},
        {GX_IDS_UA_CURRENCYFRACTIONS, "",  // an empty attribute changes nothing
         [](const Format& format, const Format& locale) { EXPECT_TRUE(format.IsEqual(locale)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.nId) + " \"" + c.pszValue + "\"");
        CGXStyle style;
        style.SetUserAttribute(c.nId, c.pszValue);
        f.m_pCell->ApplyStyleAttributes(f.m_pCell, style);
        Format format = f.m_pCell->CurrentFormat();
        format.m_crBack = locale.m_crBack;  // the colours are not the attributes' business
        c.pfnExpect(format, locale);
    }

    // a positive row past the table shows as its last row
    CGXStyle style;
    style.SetUserAttribute(GX_IDS_UA_CURRENCYPOSFMT, "4");
    f.m_pCell->ApplyStyleAttributes(f.m_pCell, style);
    Format lastRow(TRUE);
    lastRow.m_nPositiveFormat = 3;
    CString strShown, strLastRow;
    f.m_pCell->CurrentFormat().FormatValue(1.5, strShown, FALSE);
    lastRow.FormatValue(1.5, strLastRow, FALSE);
    EXPECT_EQ(strShown, strLastRow);
}

TEST(CurrencyCell, TheFourthAttributeCharacterShowsTheCalculatorButton)
{
    CurrencyGridFixture f;
    for (const char* pszAttributes : {"1001", "1000", "111"}) {
        SCOPED_TRACE(pszAttributes);
        f.SetStyle(2, 2, CGXStyle().SetUserAttribute(GX_IDS_UA_CURRENCYDEF, pszAttributes));
        f.Activate(2, 2);
        EXPECT_EQ(f.m_pCell->m_nBitmapId, std::string(pszAttributes) == "1001" ? UINT(GX_IDB_CALCBUTTON) : 0u);
        EXPECT_EQ(f.m_pCell->m_rcButton.IsRectEmpty(), f.m_pCell->m_nBitmapId == 0);
        f.MakeCurrent(3, 3);
    }
}

TEST(CurrencyCell, AnInactiveCellShowsTheLocalesTextAndStoresPlainValues)
{
    CurrencyGridFixture f;
    f.SetStyle(2, 2, CGXStyle().SetValue("1234.5"));
    CString strText;
    EXPECT_TRUE(f.m_pCell->GetControlText(strText, 2, 2, nullptr, *f.grid.LookupStyleRowCol(2, 2)));
    EXPECT_EQ(strText.GetString(), LocaleShown(1234.5));

    // typing a digit into the inactive cell activates it and the digit reaches the window
    f.MakeCurrent(3, 2);
    ASSERT_FALSE(f.m_pCell->IsActive());
    ::SendMessageA(::GetFocus(), WM_CHAR, '7', MAKELPARAM(1, 0));
    f.Pump();
    EXPECT_TRUE(f.m_pCell->IsActive());
    EXPECT_EQ(f.m_pCell->Text(), LocaleShown(7));
    EXPECT_TRUE(f.m_pCell->GetModify());
    f.MakeCurrent(4, 2);
    EXPECT_EQ(f.Stored(3, 2), PlainValue(7));

    // Space flips the sign, of the active window and of the current cell's value alike
    f.Activate(2, 2);
    f.Press(VK_SPACE);
    EXPECT_EQ(f.m_pCell->Text(), LocaleShown(1234.5, TRUE));
    f.MakeCurrent(4, 2);
    EXPECT_EQ(f.Stored(2, 2), PlainValue(-1234.5));
    f.MakeCurrent(2, 2);
    f.Press(VK_SPACE);
    f.MakeCurrent(4, 2);
    EXPECT_EQ(f.Stored(2, 2), PlainValue(1234.5));
}

TEST(CurrencyCell, TheCalculatorsResultIsStoredUnlessTheCellIsReadOnly)
{
    CurrencyGridFixture f;
    f.SetStyle(2, 2, CGXStyle().SetValue("5").SetUserAttribute(GX_IDS_UA_CURRENCYDEF, "1001"));
    f.MakeCurrent(2, 2);
    // Alt+Down activates the cell and opens the calculator, whose result then arrives as a message
    f.grid.SendMessage(WM_SYSKEYDOWN, VK_DOWN, 0x20000000);
    f.Pump();
    ASSERT_TRUE(f.m_pCell->IsActive());
    EXPECT_EQ(f.m_pCell->m_nCalculatorsOpened, 1);
    CString strResult;
    strResult.Format("15%c", Format(TRUE).m_chDecimal);
    f.m_pCell->SendMessage(GX_WM_CALCULATOR_RESULT, 0, LPARAM(strResult.GetString()));
    EXPECT_EQ(f.m_pCell->Text(), LocaleShown(15));
    EXPECT_TRUE(f.m_pCell->GetModify());
    f.MakeCurrent(3, 2);
    EXPECT_EQ(f.Stored(2, 2), PlainValue(15));

    f.SetStyle(4, 2, CGXStyle().SetValue("5").SetReadOnly(TRUE));
    f.Activate(4, 2);
    strResult.Format("12%c5", Format(TRUE).m_chDecimal);
    f.m_pCell->SendMessage(GX_WM_CALCULATOR_RESULT, 0, LPARAM(strResult.GetString()));
    EXPECT_EQ(f.m_pCell->Text(), LocaleShown(5));
    EXPECT_FALSE(f.m_pCell->GetModify());
}

TEST(CurrencyCell, LeftAtTheStartAndRightAtTheEndMoveToTheNeighbouringCells)
{
    CurrencyGridFixture f;
    f.SetStyle(2, 2, CGXStyle().SetValue("12"));
    f.Activate(2, 2);
    f.Press(VK_HOME);
    f.Press(VK_RIGHT);
    EXPECT_EQ(f.Current(), "2,2") << "inside the text the caret moves";
    f.Press(VK_LEFT);
    f.Press(VK_LEFT);
    EXPECT_EQ(f.Current(), "2,1");

    f.Activate(2, 2);
    f.Press(VK_END);
    f.Press(VK_RIGHT);
    EXPECT_EQ(f.Current(), "2,3");
}

TEST(CurrencyCell, TheEditorTakesTheCellsColoursOnTheScreenWhateverThePrintOption)
{
    const COLORREF kRed = RGB(255, 0, 0), kYellow = RGB(255, 255, 0);
    CurrencyGridFixture f;
    ASSERT_TRUE(f.grid.GetParam()->GetProperties()->GetBlackWhite()) << "printing in black and white by default";
    f.SetStyle(2, 2, CGXStyle().SetValue("5").SetTextColor(kRed).SetInterior(CGXCellBrush(BS_SOLID, kYellow)));
    f.Activate(2, 2);
    COLORREF clr = 0;
    EXPECT_TRUE(f.m_pCell->CurrentFormat().GetBackgroundColor(clr));
    EXPECT_EQ(clr, kYellow);
    EXPECT_TRUE(f.m_pCell->CurrentFormat().GetPositiveColor(clr));
    EXPECT_EQ(clr, kRed);
    // what the window shows: its background in the cell's interior, the amount (not selected) in its
    // text colour
    f.m_pCell->SetSel(-1, 0);
    f.m_pCell->Invalidate();
    f.m_pCell->UpdateWindow();
    CRect rectClient;
    f.m_pCell->GetClientRect(&rectClient);
    CClientDC dc(f.m_pCell);
    int nRed = 0;
    for (int x = rectClient.left; x < rectClient.right; ++x)
        for (int y = rectClient.top; y < rectClient.bottom; ++y)
            nRed += dc.GetPixel(x, y) == kRed ? 1 : 0;
    EXPECT_EQ(dc.GetPixel(rectClient.right - 2, rectClient.top + 1), kYellow);
    EXPECT_GT(nRed, 0);
}

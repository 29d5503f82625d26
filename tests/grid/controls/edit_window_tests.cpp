// The edit cell's window: the style it is made with, its re-creation, style changes made in it that
// reach the cell, and the clicks that place the caret.
#include "control_test_support.h"

#include "grid/engine/GXDrawing.h"

namespace {

const DWORD kBase = CGXEditControl::gxEditBaseStyle | CGXEditControl::gxEditStyles;

// Applies style to the cell (no undo).
void ApplyStyle(EditGridFixture& f, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    f.grid.SetStyleRange(CGXCellRange(nRow, nCol, nRow, nCol), &style, CGXStyle::gxOverride, 0, nullptr, 2,
                         CGXGridCore::gxRollback);
}

// The stored style of a cell.
CGXStyle StoredStyle(EditGridFixture& f, ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle style;
    f.grid.GetStyleRowCol(nRow, nCol, style);
    return style;
}

// The client-coordinates point inside character nIndex of the cell's text, measured in the cell's
// font.
CPoint PointOnChar(EditGridFixture& f, ROWCOL nRow, ROWCOL nCol, const char* pszText, int nIndex)
{
    const CGXComposedStyle style(&f.grid, nRow, nCol);
    CClientDC dc(&f.grid);
    f.grid.SelectStyleFont(&dc, style.Get());
    const CRect rect = f.m_pEdit->GetCellRect(nRow, nCol);
    const int x = dc.GetTextExtent(pszText, nIndex).cx + dc.GetTextExtent(pszText + nIndex, 1).cx / 2;
    return CPoint(rect.left + x, rect.top + 3);
}

void Click(CWnd& wnd, CPoint point)
{
    Mouse(wnd, WM_LBUTTONDOWN, point.x, point.y, MK_LBUTTON);
    Mouse(wnd, WM_LBUTTONUP, point.x, point.y, 0);
}

}  // namespace

TEST(EditWindow, TheWindowIsMadeWithTheStyleTheCellNeeds)
{
    struct Case {
        const char* pszName;
        CGXStyle style;
        const char* pszText;
        DWORD dwStyle;
    };
    const std::string strLong(200, 'w');
    const Case cases[] = {
        {"plain", CGXStyle(), "abc", kBase | ES_AUTOHSCROLL},
        {"Enter allowed", CGXStyle().SetAllowEnter(TRUE), "abc", kBase | ES_WANTRETURN | ES_AUTOHSCROLL},
        {"wrapping with a scroll bar", CGXStyle().SetWrapText(TRUE).SetVerticalScrollbar(TRUE), "abc",
         0x50210000 | 0x144},
        {"right-aligned", CGXStyle().SetHorizontalAlignment(DT_RIGHT), "abc", kBase | ES_AUTOHSCROLL | ES_RIGHT},
        {"right-aligned, too wide", CGXStyle().SetHorizontalAlignment(DT_RIGHT), strLong.c_str(),
         kBase | ES_AUTOHSCROLL},
        {"centred", CGXStyle().SetHorizontalAlignment(DT_CENTER), "abc", kBase | ES_AUTOHSCROLL | ES_CENTER},
    };
    EXPECT_EQ(kBase, 0x50010000u | 0x144u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        EditGridFixture f;
        ApplyStyle(f, 2, 2, c.style);
        f.SetValue(2, 2, c.pszText);
        f.Activate(2, 2);
        EXPECT_EQ(f.m_pEdit->LastStyle(), c.dwStyle);
        EXPECT_EQ(f.m_pEdit->CWnd::GetStyle() & 0xFFFF11C7, c.dwStyle & 0xFFFF11C7) << "the window has it";
    }
}

TEST(EditWindow, AWrappingCellTallerThanALineAndAThirdIsEditedInManyLines)
{
    EditGridFixture f;
    CGXStyle style;
    style.SetWrapText(TRUE).SetMaxLength(5);
    ApplyStyle(f, 2, 2, style);
    f.SetValue(2, 2, "abc");
    f.Activate(2, 2);
    const int nLine = f.m_pEdit->LineHeight();
    ASSERT_GT(nLine, 0);
    const int nBoundary = nLine + nLine / 3;
    f.m_pEdit->MoveWindow(10, 10, 80, nBoundary, FALSE);
    f.m_pEdit->UpdateEditStyle();
    EXPECT_TRUE(f.m_pEdit->LastStyle() & ES_AUTOHSCROLL) << "one line at the boundary";

    // the window made again for more lines keeps what the old one held
    f.m_pEdit->SetSel(1, 2);
    f.m_pEdit->SetModify(TRUE);
    f.m_pEdit->SetReadOnly(TRUE);
    const HWND hOld = f.m_pEdit->m_hWnd;
    f.m_pEdit->MoveWindow(10, 10, 80, nBoundary + 1, FALSE);
    EXPECT_TRUE(f.m_pEdit->UpdateEditStyle());
    EXPECT_NE(f.m_pEdit->m_hWnd, hOld);
    EXPECT_FALSE(f.m_pEdit->LastStyle() & ES_AUTOHSCROLL) << "many lines beyond it";
    EXPECT_EQ(f.m_pEdit->Text(), "abc");
    EXPECT_EQ(f.m_pEdit->Sel(), CPoint(1, 2));
    EXPECT_TRUE(f.m_pEdit->GetModify());
    EXPECT_TRUE(f.m_pEdit->CWnd::GetStyle() & ES_READONLY);
    EXPECT_EQ(f.m_pEdit->GetLimitText(), 5u);
    EXPECT_EQ(::GetFocus(), f.m_pEdit->m_hWnd) << "the focus moves to the new window";
    EXPECT_FALSE(f.m_pEdit->UpdateEditStyle()) << "nothing to make again";
}

TEST(EditWindow, AlignmentAndReadingOrderChangedInTheWindowReachTheCell)
{
    EditGridFixture f;
    f.SetValue(1, 1, "abc");
    f.Activate(1, 1);
    f.m_pEdit->ModifyStyle(0, ES_CENTER);
    EXPECT_FALSE(StoredStyle(f, 1, 1).GetIncludeHorizontalAlignment()) << "centred alone changes nothing";

    f.m_pEdit->ModifyStyle(ES_CENTER, ES_RIGHT);
    EXPECT_EQ(StoredStyle(f, 1, 1).GetHorizontalAlignment(), UINT(DT_RIGHT));
    f.m_pEdit->ModifyStyle(ES_RIGHT, 0);
    CGXStyle stored = StoredStyle(f, 1, 1);
    EXPECT_TRUE(stored.GetIncludeHorizontalAlignment());
    EXPECT_EQ(stored.GetHorizontalAlignment(), UINT(DT_LEFT));

    f.m_pEdit->ModifyStyleEx(0, WS_EX_RTLREADING);
    EXPECT_STREQ(StoredStyle(f, 1, 1).GetUserAttribute(GX_IDS_UA_RTLREADING).GetValue(), "1");
    f.m_pEdit->ModifyStyleEx(WS_EX_RTLREADING, 0);
    EXPECT_STREQ(StoredStyle(f, 1, 1).GetUserAttribute(GX_IDS_UA_RTLREADING).GetValue(), "0");
    EXPECT_TRUE(f.m_pEdit->IsActive());
}

TEST(EditWindow, AClickPutsTheCaretOnTheCharacterOrSelectsTheWholeTextBesideIt)
{
    EditGridFixture f;
    f.grid.GetParam()->SetActivateCellFlags(2);
    f.SetValue(2, 1, "abcdef");
    f.MakeCurrent(2, 1);
    Click(f.grid, PointOnChar(f, 2, 1, "abcdef", 2));
    f.grid.UpdateWindow();
    EXPECT_TRUE(f.m_pEdit->IsActive());
    EXPECT_EQ(f.m_pEdit->Sel(), CPoint(2, 2));

    f.MakeCurrent(1, 1);
    f.MakeCurrent(2, 1);
    const CRect rect = f.m_pEdit->GetCellRect(2, 1);
    Click(f.grid, CPoint(rect.right - 2, rect.top + 3));
    f.grid.UpdateWindow();
    EXPECT_EQ(f.m_pEdit->Sel(), CPoint(0, 6)) << "beside the text";
}

TEST(EditWindow, APressInsideTheSelectedTextTellsTheGridAndPlacesTheCaret)
{
    EditGridFixture f;
    f.SetValue(2, 1, "abcdef");
    f.Activate(2, 1);
    f.m_pEdit->SetSel(1, 5);
    const LRESULT lPos = f.m_pEdit->SendMessage(EM_POSFROMCHAR, 3);
    const CPoint point(short(LOWORD(lPos)) + 1, short(HIWORD(lPos)) + 2);
    Click(*f.m_pEdit, point);
    EXPECT_EQ(f.grid.m_selectionClicks, std::vector<CPoint>{CPoint(2, 1)});
    EXPECT_EQ(f.m_pEdit->Sel(), CPoint(3, 3));

    f.m_pEdit->SetSel(0, 0);
    Click(*f.m_pEdit, point);
    EXPECT_EQ(f.grid.m_selectionClicks.size(), 1u) << "no selection, nothing to tell";
}

TEST(EditWindow, AnInactiveEditCellDrawsABitmapNameAsText)
{
    EditGridFixture f;
    f.SetValue(1, 1, "#BMP(20028)");
    const CGXComposedStyle style(&f.grid, 1, 1);
    const CRect rect = f.grid.CalcCellRect(1, 1);
    DibCanvas canvas(rect.right + 10, rect.bottom + 10);
    f.m_pEdit->Draw(&canvas.dc, rect, 1, 1, style.Get(), nullptr);
    const CRect rectBase = f.m_pEdit->CGXControl::GetCellRect(1, 1, &rect);
    // the bitmap would start black at the base rectangle's corner; the text starts a margin further in
    EXPECT_NE(canvas.At(rectBase.left, rectBase.top), RGB(0, 0, 0));
    int nDark = 0;
    for (int x = rect.left; x < rect.right; ++x)
        for (int y = rect.top; y < rect.bottom; ++y)
            nDark += canvas.At(x, y) != kWhite;
    EXPECT_GT(nDark, 20) << "the name is written out";
}

TEST(EditWindow, ItWantsArrowsTabsAndCharactersAndNotesInputMethodComposition)
{
    EditGridFixture f;
    f.Activate(1, 1);
    const UINT nWanted = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
    EXPECT_EQ(UINT(f.m_pEdit->SendMessage(WM_GETDLGCODE)) & nWanted, nWanted);
    f.m_pEdit->SendMessage(WM_IME_STARTCOMPOSITION);
    EXPECT_TRUE(CGXEditControl::IsImeComposition());
    f.m_pEdit->SendMessage(WM_IME_ENDCOMPOSITION);
    EXPECT_FALSE(CGXEditControl::IsImeComposition());
    f.m_pEdit->SendMessage(WM_IME_STARTCOMPOSITION);
    f.MakeCurrent(2, 1);
    EXPECT_FALSE(CGXEditControl::IsImeComposition()) << "a new cell starts without one";
}

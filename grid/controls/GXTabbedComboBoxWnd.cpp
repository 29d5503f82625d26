// CGXTabbedComboBoxWnd: the tabbed combo window cell and its edit field (see GXTabbedComboBoxWnd.h).
#include "grid/controls/GXTabbedComboBoxWnd.h"

#include "grid/controls/GXButton.h"
#include "grid/controls/GXControls.h"
#include "grid/controls/GXTabbedRow.h"

#include "grid/engine/GXChoiceList.h"
#include "grid/engine/GXColor.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "grid/engine/GXUserAttribute.h"
#include "win/Win.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// A list laying itself out moves and repaints itself, which asks for its colours again.
BOOL s_bLayingOutList = FALSE;

}  // namespace

// ---- the edit field ------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CGXTabbedCBEditWnd, CGXComboEditPart)
    ON_WM_CHAR()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

LRESULT CGXTabbedCBEditWnd::OnSetText(WPARAM wParam, LPARAM lParam)
{
    const char* pszText = reinterpret_cast<const char*>(lParam);
    if (pszText != nullptr) {
        const void* pTab = std::memchr(pszText, '\t', std::min(std::strlen(pszText), size_t(255)));
        if (pTab != nullptr) {
            const CString strFirst(pszText, int(static_cast<const char*>(pTab) - pszText));
            return DefWindowProc(WM_SETTEXT, wParam, reinterpret_cast<LPARAM>(strFirst.GetString()));
        }
    }
    return Default();
}

void CGXTabbedCBEditWnd::OnChar(UINT nChar, UINT, UINT)
{
    if (m_pCombo->IsReadOnlyCell())
        return;
    CString strOld;
    GetWindowText(strOld);
    int nStart, nEnd;
    GetSel(nStart, nEnd);
    Default();
    const BYTE ch = BYTE(nChar);
    if (!std::isalnum(ch) && !std::ispunct(ch) && ch != ' ' && ch != '\t')
        return;
    // the first item that continues the typed text; a character none continues is refused
    CString strTyped;
    GetWindowText(strTyped);
    const int nItem = m_pCombo->FindString(-1, strTyped);
    if (nItem == CB_ERR) {
        SetWindowText(strOld);
        SetSel(nStart, nEnd);
        return;
    }
    CString strItem;
    m_pCombo->GetLBText(nItem, strItem);
    SetWindowText(strItem);
    SetSel(strTyped.GetLength(), -1);
    SendMessage(EM_SCROLLCARET);
}

// ---- construction ----------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXTabbedComboBoxWnd, CGXComboBoxWnd)
GX_IMPLEMENT_CONTROL(CGXTabbedComboBoxWnd, CGXComboBoxWnd)

BEGIN_MESSAGE_MAP(CGXTabbedComboBoxWnd, CGXComboBoxWnd)
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CGXTabbedComboBoxWnd::CGXTabbedComboBoxWnd(CGXGridCore* pGrid) : CGXComboBoxWnd(pGrid)
{
    m_bDropOnClick = FALSE;
    m_bTextSearch = TRUE;
}

CGXTabbedComboBoxWnd::~CGXTabbedComboBoxWnd()
{
    if (m_wndTitle.m_hWnd != nullptr)
        m_wndTitle.DestroyWindow();
}

BOOL CGXTabbedComboBoxWnd::CreateComboWindow(DWORD dwStyle, UINT nID)
{
    if (!CreateComboAndButton(dwStyle | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                              nID))
        return FALSE;
    AttachEditPart(new CGXTabbedCBEditWnd(this));
    m_bTextSearch = TRUE;
    return TRUE;
}

void CGXTabbedComboBoxWnd::RegisterUserAttributes(CGXStylesMap& stylesMap)
{
    stylesMap.AddUserAttribute(GX_IDS_UA_TABLIST_KEYCOL, nullptr);
    stylesMap.AddUserAttribute(GX_IDS_UA_TABLIST_TEXTCOL, nullptr);
    CGXStyle checkBox;
    checkBox.SetControl(GX_IDS_CTRL_CHECKBOX3D).SetHorizontalAlignment(DT_CENTER).SetVerticalAlignment(DT_VCENTER);
    stylesMap.AddUserAttribute(GX_IDS_UA_TABLIST_SHOWALLCOLS, &checkBox);
    stylesMap.AddUserAttribute(GX_IDS_UA_TABLIST_TITLES, &checkBox);
    stylesMap.AddUserAttribute(GX_IDS_UA_TABLIST_SORT, nullptr);
}

void CGXTabbedComboBoxWnd::SetReadOnlyState(BOOL bReadOnly)
{
    if (m_hWnd == nullptr)
        return;
    EnableWindow(!bReadOnly);
    if (m_pEditPart != nullptr && m_pEditPart->m_hWnd != nullptr) {
        m_pEditPart->EnableWindow(TRUE);
        m_pEditPart->SetReadOnly(bReadOnly);
    }
}

// ---- the list ---------------------------------------------------------------------------------------------

void CGXTabbedComboBoxWnd::ReadAttributes(const CGXStyle& style)
{
    GXTabbedLayout layout;
    layout.ReadAttributes(style);
    m_nKeyCol = layout.nKeyCol;
    m_nTextCol = layout.nTextCol;
    m_bDispTitles = layout.bDispTitles;
    m_bShowAllCols = layout.bShowAllCols;
    m_nSortCol = layout.nSortCol;
    m_strColWidths = layout.strColWidths;
}

void CGXTabbedComboBoxWnd::FillList(const CGXStyle& style)
{
    GXTabbedLayout layout;
    layout.nTextCol = m_nTextCol;
    layout.bShowAllCols = m_bShowAllCols;
    layout.bDispTitles = m_bDispTitles;
    layout.nSortCol = m_nSortCol;
    layout.strColWidths = m_strColWidths;
    ResetContent();
    m_wndTitle.SetTitleText(CString());
    m_strChoices.Empty();
    std::vector<CString> items;
    CString strTitle;
    if (m_bFillChoiceList && style.GetIncludeChoiceList() && !style.GetChoiceListRef().IsEmpty()) {
        CString strList = style.GetChoiceListRef();
        CDC* pDC = m_pGrid->GetClientDC();
        CFont* pOldFont = pDC != nullptr ? m_pGrid->SelectStyleFont(pDC, style) : nullptr;
        if (pDC != nullptr) {
            // the items' height (MeasureItem) is the cell font's line plus 2, as the drop part reserves
            TEXTMETRICA tm;
            pDC->GetTextMetrics(&tm);
            m_nTextHeight = tm.tmHeight;
        }
        layout.PrepareRows(pDC, strList, items, strTitle);
        if (pOldFont != nullptr)
            pDC->SelectObject(pOldFont);
        if (pDC != nullptr)
            m_pGrid->ReleaseClientDC();
        m_strChoices = strList;
        m_wndTitle.SetTitleText(strTitle);
        for (const CString& strItem : items) {
            m_strItemAdding = strItem;
            AddString(strItem);
        }
        m_strItemAdding.Empty();
    } else {
        const int anNone[1] = {-1};
        layout.SizeColumns(anNone);
    }
    m_anEdges = layout.anEdges;
    m_nColCount = layout.nColCount;
    m_nTotalWidth = layout.nTotalWidth;
}

// ---- the cell control ---------------------------------------------------------------------------------

void CGXTabbedComboBoxWnd::Init(ROWCOL nRow, ROWCOL nCol)
{
    m_nTextHeight = 0;
    CGXControl::Init(nRow, nCol);
    SetEditSelection(0, -1);
    SetReadOnlyState(FALSE);
    SetActive(FALSE);
    const CGXStyle& style = CGXControl::GetStyle();
    ReadAttributes(style);
    if (m_hWnd != nullptr)
        FillList(style);
    SetCurrentText(style.GetValueRef());
    SetModify(FALSE);
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && (pParam->GetActivateCellFlags() & 4) != 0 && OnStartEditing())
        SetActive(TRUE);
    SetReadOnlyState(IsReadOnlyCell());
    SaveChoice();
    if (!m_bActive && m_pButton != nullptr)
        m_pButton->Refresh();
}

BOOL CGXTabbedComboBoxWnd::ValidateInput()
{
    CString strValue;
    if (m_bActive && GetModify() && !GetValue(strValue))
        return FALSE;
    return CGXComboBoxWnd::ValidateInput();
}

CSize CGXTabbedComboBoxWnd::CalcSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle*, BOOL)
{
    return AddBorders(TabbedRow_CalcCellSize(m_pGrid, pDC, style, m_bFillChoiceList), style);
}

void CGXTabbedComboBoxWnd::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                const CGXStyle* pStandardStyle)
{
    if (!IsAttachedTo(nRow, nCol) || !m_bActive || m_pGrid->IsPrinting() || m_hWnd == nullptr) {
        DrawInactiveCell(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    if (m_bSkipNextDraw) {
        // the list the button just opened stays open
        m_bSkipNextDraw = FALSE;
        return;
    }
    Hide();
    const HGDIOBJ hOldFont = RecreateFont(style);
    if (m_pGrid->IsPrintingBlackWhite()) {
        m_clrListBack = RGB(255, 255, 255);
        m_clrListText = RGB(0, 0, 0);
    } else {
        const CGXCellBrush& interior = style.GetInterior();
        m_clrListBack = GXResolveColor(interior.GetStyle() == 0 ? interior.GetColor() : interior.GetBkColor());
        m_clrListText = GXResolveColor(style.GetTextColor());
    }

    CRect rectWnd = GetCellRect(nRow, nCol, &rect, &style);
    const int nTextHeight = MeasureWithCellFont(pDC);
    SetFont(&m_font, TRUE);
    if (hOldFont != nullptr)
        ::DeleteObject(hOldFont);
    // the window covers the grid lines above and left of the cell
    const CGXProperties* pProperties = m_pGrid->GetParam()->GetProperties();
    if (pProperties != nullptr && pProperties->GetDisplayHorzLines())
        rectWnd.top--;
    if (pProperties != nullptr && pProperties->GetDisplayVertLines())
        rectWnd.left--;
    const int nItemHeight = FitWindowToCell(rectWnd, style, nTextHeight);
    rectWnd.bottom += std::min(EntryCount(), 8) * (nTextHeight + 2) + 3;

    DrawBackground(pDC, rect, style, TRUE);
    CellToWindowRect(rectWnd);
    SetItemHeight(-1, UINT(std::max(nItemHeight, 1)));
    MoveWindow(&rectWnd, FALSE);
    SetActive(TRUE);
    ShowWindow(SW_SHOW);
    RepaintInsideClip(pDC);
    UpdateWindow();
    if (GridHasFocus()) {
        const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
        SetFocus();
        Invalidate(FALSE);
        UpdateWindow();
    }
    if (style.GetIncludeMaxLength() && style.GetMaxLength() != 0)
        LimitText(style.GetMaxLength());
    SetReadOnlyState(IsReadOnlyCell());
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGXTabbedComboBoxWnd::DrawInactiveCell(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol,
                                            const CGXStyle& style, const CGXStyle* pStandardStyle)
{
    if (m_bSizeToText)
        MeasureTextHeight(pDC, style);
    if (!TabbedRow_DrawBitmapCell(this, pDC, rect, nRow, nCol, style, pStandardStyle))
        CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGXTabbedComboBoxWnd::Hide()
{
    HideTitles();
    CGXComboBoxWnd::Hide();
}

void CGXTabbedComboBoxWnd::OnShowWindow(BOOL bShow, UINT)
{
    Default();
    if (!bShow)
        HideTitles();
}

// ---- text and value --------------------------------------------------------------------------------------

void CGXTabbedComboBoxWnd::GetCurrentText(CString& strResult)
{
    strResult.Empty();
    if (m_hWnd == nullptr)
        return;
    if (!IsDropDownList()) {
        GetWindowText(strResult);
        if (strResult.IsEmpty() && GetCurSel() >= 0)
            GetLBText(GetCurSel(), strResult);
        return;
    }
    if (GetCurSel() >= 0) {
        CString strItem;
        GetLBText(GetCurSel(), strItem);
        strResult = TabbedRow_GetField(strItem, 0);
    }
}

BOOL CGXTabbedComboBoxWnd::GetValue(CString& strResult)
{
    if (!m_bInit || m_hWnd == nullptr)
        return FALSE;
    CString strText;
    if (!IsDropDownList())
        GetWindowText(strText);
    if (strText.IsEmpty() && GetCurSel() >= 0)
        GetLBText(GetCurSel(), strText);
    if (strText.IsEmpty()) {
        strResult.Empty();
        return TRUE;
    }
    const int nItem = FindString(-1, strText);
    if (nItem == CB_ERR)
        return FALSE;
    CString strItem;
    GetLBText(nItem, strItem);
    // the leading display field comes before the row's own columns
    strResult = TabbedRow_GetField(strItem, m_nKeyCol + (m_nTextCol > 0 ? 1 : 0));
    return TRUE;
}

void CGXTabbedComboBoxWnd::SetCurrentText(const char* pszText)
{
    if (m_hWnd == nullptr)
        return;
    CString strRow;
    SetCurSel(FindChoiceListEntry(pszText != nullptr ? pszText : "", m_nKeyCol, m_strChoices, m_bDispTitles, strRow,
                                  TRUE));
}

BOOL CGXTabbedComboBoxWnd::GetControlText(CString& strResult, ROWCOL, ROWCOL, const char* pszValue,
                                          const CGXStyle& style)
{
    strResult.Empty();
    if (!style.GetIncludeChoiceList())
        return FALSE;
    const GXTabListColumns columns(style);
    CString strRow;
    if (FindChoiceListEntry(pszValue != nullptr ? pszValue : style.GetValueRef().GetString(), columns.nKeyCol,
                            style.GetChoiceListRef(), columns.bTitles, strRow, TRUE) < 0)
        return FALSE;
    strResult = TabbedRow_GetField(strRow, columns.nTextCol);
    return TRUE;
}

BOOL CGXTabbedComboBoxWnd::ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle)
{
    if (strText.IsEmpty())
        return TRUE;
    std::unique_ptr<CGXComposedStyle> pComposed;
    if (pStyle == nullptr) {
        pComposed = std::make_unique<CGXComposedStyle>(m_pGrid, nRow, nCol);
        pStyle = &pComposed->Get();
    }
    if (!pStyle->GetIncludeChoiceList())
        return FALSE;
    const GXTabListColumns columns(*pStyle);
    CString strRow;
    if (FindChoiceListEntry(strText, columns.nTextCol, pStyle->GetChoiceListRef(), columns.bTitles, strRow, TRUE) < 0)
        return FALSE;
    strText = TabbedRow_GetField(strRow, columns.nKeyCol);
    return TRUE;
}

BOOL CGXTabbedComboBoxWnd::ValidateString(const CString& strText)
{
    if (strText.IsEmpty() || !m_bFillChoiceList)
        return TRUE;
    CString strRow;
    return FindChoiceListEntry(strText, m_nTextCol, m_strChoices, m_bDispTitles, strRow, FALSE) >= 0;
}

BOOL CGXTabbedComboBoxWnd::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind,
                                            const CGXStyle* pCurrentStyle)
{
    const BOOL bModified = GetModify();
    const BOOL bResult = CGXComboBoxWnd::StoreStyleRowCol(nRow, nCol, pStyle, nMode, nKind, pCurrentStyle);
    if (pStyle == nullptr || (nMode != CGXStyle::gxOverride && nMode != CGXStyle::gxApplyNew) ||
        !m_pGrid->IsCurrentCell(nRow, nCol) || !IsAttachedTo(nRow, nCol))
        return bResult;
    BOOL bRestart = pStyle->GetIncludeChoiceList() || (pStyle->GetIncludeValue() && !bModified) ||
                    pStyle->GetIncludeControl();
    for (WORD nId = GX_IDS_UA_TABLIST_KEYCOL; nId <= GX_IDS_UA_TABLIST_SORT && !bRestart; ++nId)
        bRestart = pStyle->HasUserAttribute(nId);
    if (bRestart)
        Reset();
    return bResult;
}

// ---- clicks and notifications -----------------------------------------------------------------------------

BOOL CGXTabbedComboBoxWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    const BOOL bTaken = CGXStatic::OnLButtonUp(nFlags, point);
    if (nFlags & MK_RBUTTON)
        return bTaken;
    if (m_bDropOnClick && m_hWnd != nullptr && ActivateAndShow() && !GetDroppedState())
        PostDropClick(ButtonClickPoint());
    return TRUE;
}

void CGXTabbedComboBoxWnd::OnClickedButton(CGXChild* pChild)
{
    if (m_hWnd != nullptr && (m_bActive || !m_bDropOnClick)) {
        if (!ActivateAndShow())
            return;
        if (!GetDroppedState() && !m_bDropOnClick) {
            // the release redraws the button; that draw must not close the list the click opens
            GridWnd()->UpdateWindow();
            m_bSkipNextDraw = TRUE;
            PostDropClick(ButtonClickPoint());
        }
    }
    CGXStatic::OnClickedButton(pChild);
}

BOOL CGXTabbedComboBoxWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_hWnd != nullptr && HWND(lParam) == m_hWnd && m_bActive) {
        if (HIWORD(wParam) == CBN_CLOSEUP)
            HideTitles();
        if (HIWORD(wParam) == CBN_CLOSEUP || HIWORD(wParam) == CBN_DROPDOWN)
            m_rectListCache.SetRectEmpty();
    }
    return CGXComboBoxWnd::OnCommand(wParam, lParam);
}

BOOL CGXTabbedComboBoxWnd::FilterKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar != VK_ESCAPE || IsKeyDown(VK_CONTROL))
        return CGXComboBoxWnd::FilterKeyDown(nChar, nRepCnt, nFlags);
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2);
    if (GetDroppedState())
        ShowDropDown(FALSE);
    if (!OnCancelEditing())
        return CGXComboBoxWnd::FilterKeyDown(nChar, nRepCnt, nFlags);
    // the choice is discarded: the cell shows its stored value again
    Init(m_nRow, m_nCol);
    Refresh();
    OnCanceledEditing();
    const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
    if (CWnd* pGridWnd = GridWnd())
        pGridWnd->SetFocus();
    return TRUE;
}

// ---- the open list ---------------------------------------------------------------------------------------

BOOL CGXTabbedComboBoxWnd::OnGridCtlColor(CDC*, CWnd* pWnd, UINT nCtlColor, HBRUSH&)
{
    if (nCtlColor == CTLCOLOR_EDIT && m_hWnd != nullptr && !GetDroppedState())
        HideTitles();
    char szClass[16] = "";
    if (nCtlColor != CTLCOLOR_LISTBOX || !m_bActive || m_hWnd == nullptr || pWnd == nullptr || s_bLayingOutList ||
        ::GetClassNameA(pWnd->m_hWnd, szClass, sizeof(szClass)) == 0 || ::lstrcmpiA(szClass, "ComboLBox") != 0)
        return FALSE;
    const FlagScope layingOut(s_bLayingOutList, TRUE);
    CRect rectList, rectClient, rectDesktop;
    pWnd->GetWindowRect(&rectList);
    GetClientRect(&rectClient);
    ::GetClientRect(::GetDesktopWindow(), &rectDesktop);
    rectList.right = rectList.left + std::max(m_nTotalWidth, int(rectClient.Width()));
    // a list that would pass the screen's edge ends at the combo's right edge instead
    if (rectList.right > rectDesktop.right)
        rectList.OffsetRect(-(rectList.Width() - rectClient.Width()), 0);
    if (m_bDispTitles && !m_wndTitle.IsWindowVisible())
        ShowTitles(rectList);
    rectList.IntersectRect(rectList, rectDesktop);
    if (rectList != m_rectListCache) {
        m_rectListCache = rectList;
        pWnd->MoveWindow(&rectList, TRUE);
        if (m_wndTitle.m_hWnd != nullptr)
            m_wndTitle.UpdateWindow();
    }
    return FALSE;
}

void CGXTabbedComboBoxWnd::ShowTitles(CRect& rectList)
{
    int nHeight = m_nTextHeight;
    TabbedRow_CalcHeight(m_wndTitle.GetTitleText(), nHeight, !m_bShowAllCols, m_nTextCol > 0, m_nColCount);
    nHeight += 4;
    if (m_wndTitle.m_hWnd == nullptr &&
        !m_wndTitle.CreateEx(GXGetLibraryState()->m_bWin32s ? 0 : WS_EX_TOOLWINDOW, "GXWND", "", WS_CHILD, 0, 0, 0, 0,
                             ::GetDesktopWindow(), nullptr))
        return;
    m_wndTitle.SetLayout(m_bShowAllCols, m_nTextCol, m_nColCount, m_anEdges.data(), &m_font);
    CRect rectCombo;
    GetWindowRect(&rectCombo);
    CRect rectTitle(rectList.left, rectList.top, rectList.right, rectList.top + nHeight);
    if (rectList.top > rectCombo.top)
        rectList.OffsetRect(0, nHeight);  // the list opens below the combo: the titles go first
    else
        rectTitle.OffsetRect(0, -nHeight);  // above it: the titles go on top of it
    m_wndTitle.SetWindowPos(&CWnd::wndTopMost, rectTitle.left, rectTitle.top, rectTitle.Width(), rectTitle.Height(),
                            SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CGXTabbedComboBoxWnd::HideTitles()
{
    if (m_wndTitle.m_hWnd != nullptr && m_wndTitle.IsWindowVisible())
        m_wndTitle.ShowWindow(SW_HIDE);
}

// ---- items --------------------------------------------------------------------------------------------

void CGXTabbedComboBoxWnd::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (int(lpDrawItemStruct->itemID) < 0)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rect(lpDrawItemStruct->rcItem);
    const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    GridSysColors* pColors = GXGetSysColors();
    if (lpDrawItemStruct->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        // the selection field shows one column
        const BOOL bField = (lpDrawItemStruct->itemState & ODS_COMBOBOXEDIT) != 0;
        const BOOL bSingle = !m_bShowAllCols || bField;
        CString strItem;
        GetLBText(int(lpDrawItemStruct->itemID), strItem);
        // the selection field is the cell and has its colours; the open list is a list of the
        // desktop's, not a place of the cell (whose colour may mark it, as the evaluations grid marks
        // an empty cell)
        const COLORREF clrBack = bField ? m_clrListBack : pColors->GetSysColor(COLOR_WINDOW);
        const COLORREF clrText = bField ? m_clrListText : pColors->GetSysColor(COLOR_WINDOWTEXT);
        TabbedRow_Draw(pDC, rect, strItem, bSingle, m_nTextCol, m_nColCount, m_anEdges.data(), m_clrGridLine,
                       bSelected ? pColors->GetSysColor(COLOR_HIGHLIGHT) : clrBack,
                       bSelected ? pColors->GetSysColor(COLOR_HIGHLIGHTTEXT) : clrText);
    }
    if (lpDrawItemStruct->itemAction & ODA_FOCUS)
        pDC->DrawFocusRect(&rect);
}

void CGXTabbedComboBoxWnd::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    const int nItem = int(lpMeasureItemStruct->itemID);
    if (nItem < 0)
        return;
    CString strText;
    if (m_hWnd != nullptr && nItem < EntryCount())
        GetLBText(nItem, strText);
    if (strText.IsEmpty())
        strText = m_strItemAdding;  // the combo measures an item before it holds its text
    if (strText.IsEmpty())
        return;
    int nHeight = m_nTextHeight > 0 ? m_nTextHeight + 2 : int(lpMeasureItemStruct->itemHeight);
    TabbedRow_CalcHeight(strText, nHeight, !m_bShowAllCols, m_nTextCol > 0, gxTabbedMaxColumns - 1);
    lpMeasureItemStruct->itemHeight = UINT(nHeight);
}

int CGXTabbedComboBoxWnd::CompareItem(LPCOMPAREITEMSTRUCT)
{
    return -1;
}

CGXControl* GXCreateTabbedComboBoxWnd(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    std::unique_ptr<CGXTabbedComboBoxWnd> pControl(new CGXTabbedComboBoxWnd(pGrid));
    pControl->CreateComboWindow(entry.dwWndStyle, entry.nId);
    if (entry.nId == GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST)
        pControl->m_bDropOnClick = TRUE;
    return pControl.release();
}

void GXRegisterTabbedComboBoxWndAttributes(CGXStylesMap& stylesMap)
{
    CGXTabbedComboBoxWnd::RegisterUserAttributes(stylesMap);
}

// CGXTabbedComboBox: the tabbed drop-down combo cell and its list (see GXTabbedComboBox.h).
#include "grid/controls/GXTabbedComboBox.h"

#include "grid/controls/GXControls.h"
#include "grid/controls/GXListBox.h"
#include "grid/controls/GXTabbedComboBoxWnd.h"

#include "grid/engine/GXChoiceList.h"
#include "grid/engine/GXColor.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "grid/engine/GXUserAttribute.h"
#include "win/Win.h"

#include <algorithm>
#include <cstdlib>

// ---- the list ---------------------------------------------------------------------------------------

CGXTabbedComboLBox::CGXTabbedComboLBox(CGXTabbedComboBox* pCombo) : CGXComboListBox(pCombo), m_pCombo(pCombo) {}

void CGXTabbedComboLBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (int(lpDrawItemStruct->itemID) < 0)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rect(lpDrawItemStruct->rcItem);
    if (lpDrawItemStruct->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
        GridSysColors* pColors = GXGetSysColors();
        const GXTabbedLayout& layout = m_pCombo->GetLayout();
        CString strItem;
        GetText(int(lpDrawItemStruct->itemID), strItem);
        TabbedRow_Draw(pDC, rect, strItem, !layout.bShowAllCols, layout.nTextCol, layout.nColCount,
                       layout.anEdges.data(), m_pCombo->m_clrGridLine,
                       bSelected ? pColors->GetSysColor(COLOR_HIGHLIGHT) : m_pCombo->m_clrListBack,
                       bSelected ? pColors->GetSysColor(COLOR_HIGHLIGHTTEXT) : m_pCombo->m_clrListText);
    }
    if (lpDrawItemStruct->itemAction & ODA_FOCUS)
        pDC->DrawFocusRect(&rect);
}

void CGXTabbedComboLBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    const GXTabbedLayout& layout = m_pCombo->GetLayout();
    int nHeight = m_pCombo->m_nItemHeight;
    const int nItem = int(lpMeasureItemStruct->itemID);
    if (m_hWnd != nullptr && nItem >= 0 && nItem < GetCount()) {
        CString strItem;
        GetText(nItem, strItem);
        TabbedRow_CalcHeight(strItem, nHeight, !layout.bShowAllCols, layout.nTextCol > 0, gxTabbedMaxColumns - 1);
    }
    lpMeasureItemStruct->itemHeight = UINT(std::max(nHeight, 1));
}

int CGXTabbedComboLBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    return -1;
}

// ---- construction -----------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXTabbedComboBox, CGXComboBox)
GX_IMPLEMENT_CONTROL(CGXTabbedComboBox, CGXComboBox)

BEGIN_MESSAGE_MAP(CGXTabbedComboBox, CGXComboBox)
    ON_WM_CHAR()
END_MESSAGE_MAP()

CGXTabbedComboBox::CGXTabbedComboBox(CGXGridCore* pGrid, UINT nEditID, UINT nListBoxID)
    : CGXComboBox(pGrid, nEditID, nListBoxID, gxComboFreeText)
{
    m_bSizeToText = FALSE;
}

CGXTabbedComboBox::~CGXTabbedComboBox()
{
    ClosePopup();
    if (m_wndTitle.m_hWnd != nullptr)
        m_wndTitle.DestroyWindow();
    delete m_pKeptPopup;  // with its list
}

void CGXTabbedComboBox::RegisterUserAttributes(CGXStylesMap& stylesMap)
{
    CGXTabbedComboBoxWnd::RegisterUserAttributes(stylesMap);
    stylesMap.AddUserAttribute(GX_IDS_UA_TABLIST_UNIQUEID, nullptr);
}

// ---- lookups --------------------------------------------------------------------------------------------

int CGXTabbedComboBox::UniqueId(const CGXStyle& style)
{
    return GXTabListColumns::Number(style, GX_IDS_UA_TABLIST_UNIQUEID, 0);
}

CMapStringToString* CGXTabbedComboBox::SharedMap(const CGXStyle& style, BOOL bText)
{
    const int nId = UniqueId(style);
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (nId <= 0 || pParam == nullptr)
        return nullptr;
    CMapStringToString* pMap = pParam->GetChoiceMap(nId, bText);
    if (pMap != nullptr)
        return pMap;
    // built from the first cell that asks; a later row with the same field replaces an earlier one
    pMap = pParam->CreateChoiceMap(nId, bText, bText ? 0 : 257);
    if (!style.GetIncludeChoiceList())
        return pMap;
    const GXTabListColumns columns(style);
    CString strList = style.GetChoiceListRef(), strRow;
    for (BOOL bFirst = TRUE; !strList.IsEmpty(); bFirst = FALSE) {
        ExtractFirstLine(strList, strRow);
        if (!(bFirst && columns.bTitles))
            pMap->SetAt(TabbedRow_GetField(strRow, bText ? columns.nTextCol : columns.nKeyCol), strRow);
    }
    return pMap;
}

BOOL CGXTabbedComboBox::FindRow(const CGXStyle& style, const char* pszField, BOOL bText, CString& strRow)
{
    strRow.Empty();
    if (CMapStringToString* pMap = SharedMap(style, bText))
        return pMap->Lookup(pszField, strRow);
    if (!style.GetIncludeChoiceList())
        return FALSE;
    const GXTabListColumns columns(style);
    return FindChoiceListEntry(pszField, bText ? columns.nTextCol : columns.nKeyCol, style.GetChoiceListRef(),
                               columns.bTitles, strRow, TRUE) >= 0;
}

// ---- the cell control ---------------------------------------------------------------------------------

void CGXTabbedComboBox::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXComboBox::Init(nRow, nCol);
    const CGXStyle& style = CGXControl::GetStyle();
    m_layout.ReadAttributes(style);
    SetModify(FALSE);
    m_bListFilled = FALSE;
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && (pParam->GetActivateCellFlags() & 4) != 0 && OnStartEditing())
        SetActive(TRUE);
    if (m_hWnd != nullptr)
        SetReadOnly((pParam != nullptr && pParam->IsLockReadOnly()) || (style.GetIncludeReadOnly() && style.GetReadOnly()));
}

BOOL CGXTabbedComboBox::ValidateInput()
{
    CString strValue;
    if (m_bActive && GetModify() && !GetValue(strValue))
        return FALSE;
    return CGXComboBox::ValidateInput();
}

CSize CGXTabbedComboBox::CalcSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle*, BOOL)
{
    return AddBorders(TabbedRow_CalcCellSize(m_pGrid, pDC, style, m_bFillChoiceList), style);
}

void CGXTabbedComboBox::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                             const CGXStyle* pStandardStyle)
{
    if (IsAttachedTo(nRow, nCol) && !m_pGrid->IsPrinting()) {
        const CGXCellBrush& interior = style.GetInterior();
        m_clrListBack = GXResolveColor(interior.GetStyle() == 0 ? interior.GetColor() : interior.GetBkColor());
        m_clrListText = GXResolveColor(style.GetTextColor());
        if (m_bActive)
            m_nItemHeight = std::max(StyleTextHeight(style), 1);
    }
    const BOOL bEditing = IsAttachedTo(nRow, nCol) && m_bActive && !m_pGrid->IsPrinting() && m_hWnd != nullptr;
    if (!bEditing && TabbedRow_DrawBitmapCell(this, pDC, rect, nRow, nCol, style, pStandardStyle))
        return;
    CGXComboBox::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

BOOL CGXTabbedComboBox::GetValue(CString& strResult)
{
    if (!m_bInit)
        return FALSE;
    CString strText;
    GetCurrentText(strText);
    strResult.Empty();
    if (strText.IsEmpty())
        return TRUE;
    const CGXStyle& style = CGXControl::GetStyle();
    CString strRow;
    if (!FindRow(style, strText, TRUE, strRow))
        return FALSE;
    strResult = TabbedRow_GetField(strRow, GXTabListColumns(style).nKeyCol);
    return TRUE;
}

void CGXTabbedComboBox::SetCurrentText(const char* pszText)
{
    if (m_hWnd == nullptr || !m_bInit)
        return;
    const CGXStyle& style = CGXControl::GetStyle();
    CString strRow;
    if (!FindRow(style, pszText != nullptr ? pszText : "", FALSE, strRow)) {
        SetWindowText("");
        return;
    }
    const GXTabListColumns columns(style);
    SetWindowText(TabbedRow_GetField(strRow, columns.nTextCol));
    SetSel(0, -1);
    if (m_bListFilled && m_pKeptList != nullptr)
        m_pKeptList->SetCurSel(m_pKeptList->FindStringExact(-1, TabbedRow_ItemText(strRow, columns.nTextCol)));
}

BOOL CGXTabbedComboBox::GetControlText(CString& strResult, ROWCOL, ROWCOL, const char* pszValue, const CGXStyle& style)
{
    strResult.Empty();
    CString strRow;
    if (!FindRow(style, pszValue != nullptr ? pszValue : style.GetValueRef().GetString(), FALSE, strRow))
        return FALSE;
    strResult = TabbedRow_GetField(strRow, GXTabListColumns(style).nTextCol);
    return TRUE;
}

BOOL CGXTabbedComboBox::ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle)
{
    if (strText.IsEmpty())
        return TRUE;
    std::unique_ptr<CGXComposedStyle> pBorrowed;
    const CGXStyle& style = pStyle != nullptr ? *pStyle : CellStyle(nRow, nCol, pBorrowed);
    CString strRow;
    if (!style.GetIncludeChoiceList() || !FindRow(style, strText, TRUE, strRow))
        return FALSE;
    strText = TabbedRow_GetField(strRow, GXTabListColumns(style).nKeyCol);
    return TRUE;
}

BOOL CGXTabbedComboBox::ValidateString(const CString& strText)
{
    if (strText.IsEmpty() || !m_bFillChoiceList)
        return TRUE;
    const CGXStyle& style = CGXControl::GetStyle();
    CMapStringToString* pMap = SharedMap(style, TRUE);
    CString strRow;
    if (pMap != nullptr && pMap->Lookup(strText, strRow))
        return TRUE;
    if (!style.GetIncludeChoiceList())
        return FALSE;
    const GXTabListColumns columns(style);
    if (FindChoiceListEntry(strText, columns.nTextCol, style.GetChoiceListRef(), columns.bTitles, strRow, FALSE) < 0)
        return FALSE;
    // the typed beginning names that row from now on
    if (pMap != nullptr)
        pMap->SetAt(strText, strRow);
    return TRUE;
}

BOOL CGXTabbedComboBox::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind,
                                         const CGXStyle* pCurrentStyle)
{
    const BOOL bModified = GetModify();
    const BOOL bAttached = IsAttachedTo(nRow, nCol);
    const int nOldId = bAttached ? UniqueId(CGXControl::GetStyle()) : 0;
    const BOOL bResult = CGXComboBox::StoreStyleRowCol(nRow, nCol, pStyle, nMode, nKind, pCurrentStyle);
    if (pStyle == nullptr || (nMode != CGXStyle::gxOverride && nMode != CGXStyle::gxApplyNew) ||
        !m_pGrid->IsCurrentCell(nRow, nCol) || !bAttached)
        return bResult;
    BOOL bList = pStyle->GetIncludeChoiceList() || pStyle->HasUserAttribute(GX_IDS_UA_TABLIST_UNIQUEID);
    for (WORD nId = GX_IDS_UA_TABLIST_KEYCOL; nId <= GX_IDS_UA_TABLIST_SORT && !bList; ++nId)
        bList = pStyle->HasUserAttribute(nId);
    if (bList) {
        if (CGXGridParam* pParam = m_pGrid->GetParam())
            pParam->FreeChoiceMaps(pStyle->HasUserAttribute(GX_IDS_UA_TABLIST_UNIQUEID) ? UniqueId(*pStyle) : nOldId);
        Reset();
    } else if ((pStyle->GetIncludeValue() && !bModified) || pStyle->GetIncludeControl()) {
        Reset();
    }
    return bResult;
}

// ---- typing -----------------------------------------------------------------------------------------

BOOL CGXTabbedComboBox::ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const BOOL bResult = CGXComboBox::ProcessKeyMessage(nMessage, nChar, nRepCnt, nFlags);
    if (nMessage == WM_CHAR && nChar >= 32 && !IsReadOnlyCell())
        AutoComplete();
    return bResult;
}

void CGXTabbedComboBox::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar < 32 || IsReadOnlyCell()) {
        CGXComboBox::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    // the completed tail goes before the character is checked and inserted; a refused character
    // leaves the typed text as it is, not completed again
    CEdit::ReplaceSel("");
    CString strBefore, strAfter;
    GetWindowText(strBefore);
    CGXComboBox::OnChar(nChar, nRepCnt, nFlags);
    GetWindowText(strAfter);
    if (strAfter != strBefore)
        AutoComplete();
}

void CGXTabbedComboBox::AutoComplete()
{
    if (!m_bAutoComplete || !m_bFillChoiceList || !m_bActive || m_hWnd == nullptr || IsReadOnlyCell())
        return;
    CString strTyped;
    GetWindowText(strTyped);
    if (strTyped.IsEmpty())
        return;
    const CGXStyle& style = CGXControl::GetStyle();
    const GXTabListColumns columns(style);
    const int nId = UniqueId(style);
    CString strRow;
    BOOL bFound = FALSE;
    if (nId > 0) {
        CMapStringToString* pMap = SharedMap(style, TRUE);
        bFound = pMap != nullptr && pMap->Lookup(strTyped, strRow);
    } else if (style.GetIncludeChoiceList()) {
        const CString& strList = style.GetChoiceListRef();
        bFound = FindChoiceListEntry(strTyped, columns.nTextCol, strList, columns.bTitles, strRow, TRUE) >= 0 ||
                 FindChoiceListEntry(strTyped, columns.nTextCol, strList, columns.bTitles, strRow, FALSE) >= 0;
    }
    if (!bFound)
        return;
    SetWindowText(TabbedRow_GetField(strRow, columns.nTextCol));
    SetSel(strTyped.GetLength(), -1);
}

// ---- the list ------------------------------------------------------------------------------------------

CGXGridCombo* CGXTabbedComboBox::CreatePopup(const CRect& rect)
{
    if (m_pKeptPopup == nullptr)
        m_pKeptPopup = CGXComboBox::CreatePopup(rect);
    return m_pKeptPopup;
}

CListBox* CGXTabbedComboBox::CreateListBox(CWnd* pParent, UINT nID)
{
    if (m_pKeptList != nullptr)
        return m_pKeptList;
    CGXTabbedComboLBox* pList = new CGXTabbedComboLBox(this);
    if (!pList->CreateEx(0, "COMBOLBOX", nullptr,
                         ListStyle() | WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS |
                             LBS_NOINTEGRALHEIGHT,
                         CRect(0, 0, 1, 1), pParent, nID)) {
        delete pList;
        return nullptr;
    }
    m_pKeptList = pList;
    return pList;
}

void CGXTabbedComboBox::FillList(CListBox* pList)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    const int nStamp = pParam != nullptr ? pParam->GetChoiceMapStamp() : 0;
    CGXStyle& style = const_cast<CGXStyle&>(CGXControl::GetStyle());
    const int nId = UniqueId(style);
    if (!m_bListFilled && m_bFillChoiceList && (nId <= 0 || nId != m_nFilledId || nStamp != m_nFilledStamp)) {
        m_nItemHeight = std::max(StyleTextHeight(style), 1);
        pList->ResetContent();
        std::vector<CString> items;
        CString strTitle;
        CString strList = style.GetIncludeChoiceList() ? CString(style.GetChoiceListRef()) : CString();
        CDC* pDC = m_pGrid->GetClientDC();
        CFont* pOldFont = pDC != nullptr ? m_pGrid->SelectStyleFont(pDC, style) : nullptr;
        const BOOL bSort = m_layout.nSortCol >= 0;
        m_layout.PrepareRows(pDC, strList, items, strTitle);
        if (pOldFont != nullptr)
            pDC->SelectObject(pOldFont);
        if (pDC != nullptr)
            m_pGrid->ReleaseClientDC();
        if (bSort && m_pStyle != nullptr) {
            // the cached style keeps the sorted list, so it is sorted once
            m_pStyle->SetChoiceList(strList);
            m_pStyle->SetUserAttribute(GX_IDS_UA_TABLIST_SORT, "-1");
            m_layout.nSortCol = -1;
        }
        m_wndTitle.SetTitleText(strTitle);
        for (const CString& strItem : items)
            pList->AddString(strItem);
    }
    CString strText;
    GetWindowText(strText);
    GXSelectListEntry(pList, strText);
    m_nFilledId = nId;
    m_nFilledStamp = nStamp;
    m_bListFilled = TRUE;
}

void CGXTabbedComboBox::CalcDropRect(CRect& rectDrop, const CRect& rectCell)
{
    CGXComboBox::CalcDropRect(rectDrop, rectCell);
    rectDrop.right = std::max(rectCell.right, rectCell.left + m_layout.nTotalWidth);
}

void CGXTabbedComboBox::PlaceList(CListBox* pList, const CRect& rectCell, const CRect& rectScreen)
{
    int nTitleHeight = 0;
    if (m_layout.bDispTitles &&
        (m_wndTitle.m_hWnd != nullptr ||
         m_wndTitle.CreateEx(GXGetLibraryState()->m_bWin32s ? 0 : WS_EX_TOOLWINDOW, "GXWND", "", WS_CHILD, 0, 0, 0, 0,
                             ::GetDesktopWindow(), nullptr))) {
        nTitleHeight = m_nItemHeight;
        TabbedRow_CalcHeight(m_wndTitle.GetTitleText(), nTitleHeight, !m_layout.bShowAllCols, m_layout.nTextCol > 0,
                             m_layout.nColCount);
        nTitleHeight += 4;
        m_wndTitle.SetLayout(m_layout.bShowAllCols, m_layout.nTextCol, m_layout.nColCount, m_layout.anEdges.data(),
                             &m_fontList);
    }
    CRect rectDrop;
    CalcDropRect(rectDrop, rectCell);
    const BOOL bAbove = FitDropRect(rectDrop, rectCell, rectScreen, pList, nTitleHeight);
    // titles at the top of a list below the cell, just above a list above it
    CRect rectTitle(rectDrop.left, rectDrop.top, rectDrop.right, rectDrop.top + nTitleHeight);
    if (bAbove)
        rectTitle.OffsetRect(0, -nTitleHeight);
    else
        rectDrop.OffsetRect(0, nTitleHeight);
    rectDrop.IntersectRect(rectDrop, rectScreen);
    ShowList(pList, rectDrop);
    if (nTitleHeight > 0)
        m_wndTitle.SetWindowPos(&CWnd::wndTopMost, rectTitle.left, rectTitle.top, rectTitle.Width(),
                                rectTitle.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CGXTabbedComboBox::DestroyPopup(CGXGridCombo* pPopup)
{
    if (pPopup != nullptr && pPopup->m_hWnd != nullptr)
        pPopup->ShowWindow(SW_HIDE);
    if (m_wndTitle.m_hWnd != nullptr)
        m_wndTitle.ShowWindow(SW_HIDE);
    if (m_pKeptList != nullptr) {
        m_pKeptList->m_bKeyboardUsed = FALSE;
        m_pKeptList->m_bMousePressed = FALSE;
    }
}

void CGXTabbedComboBox::TakeListSelection(CListBox* pList)
{
    const int nSel = pList != nullptr ? pList->GetCurSel() : LB_ERR;
    if (nSel == LB_ERR)
        return;
    CString strItem;
    pList->GetText(nSel, strItem);
    if (!m_bActive)
        SetActive(TRUE);
    SetWindowText(TabbedRow_GetField(strItem, 0));
    SetSel(0, -1);
    SetModify(TRUE);
    if (m_bLiveValue)
        Refresh();
}

// ---- the factory -------------------------------------------------------------------------------------

CGXControl* GXCreateTabbedComboBox(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    return new CGXTabbedComboBox(pGrid, entry.adwArgs[0], entry.adwArgs[1]);
}

void GXRegisterTabbedComboBoxAttributes(CGXStylesMap& stylesMap)
{
    CGXTabbedComboBox::RegisterUserAttributes(stylesMap);
}

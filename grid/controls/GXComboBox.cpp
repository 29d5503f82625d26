// CGXComboBox: the combo cell's side as a cell control: values, geometry, drawing, keys and the
// button (see GXComboBox.h). The pop-up, its list and their messages are in GXComboBoxPopup.cpp.
#include "grid/controls/GXComboBox.h"

#include "grid/controls/GXControls.h"

#include "grid/engine/GXChoiceList.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXStyle.h"
#include "win/Win.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

IMPLEMENT_DYNAMIC(CGXComboBox, CGXEditControl)
GX_IMPLEMENT_CONTROL(CGXComboBox, CGXEditControl)

BEGIN_MESSAGE_MAP(CGXComboBox, CGXEditControl)
    ON_WM_SETFOCUS()
    ON_WM_SYSKEYDOWN()
    ON_MESSAGE(GX_WM_COMBO_CHOOSE, OnListChoose)
    ON_MESSAGE(GX_WM_COMBO_CLOSEUP, OnListCloseUp)
    ON_MESSAGE(GX_WM_COMBO_SELCHANGE, OnListSelChange)
    ON_MESSAGE(GX_WM_COMBO_KILLFOCUS, OnListKillFocus)
END_MESSAGE_MAP()

// ---- the button -------------------------------------------------------------------------------------

CGXComboBoxButton::CGXComboBoxButton(CGXControl* pControl) : CGXButton(pControl) {}

void CGXComboBoxButton::Draw(CDC* pDC, BOOL bFocusCell, const CGXStyle&)
{
    DrawButton(pDC, bFocusCell);
}

void CGXComboBoxButton::DrawButton(CDC* pDC, BOOL bFocusCell)
{
    if (!bFocusCell && (!m_pControl->IsKindOf(&CGXComboBox::classRecord) ||
                        !static_cast<CGXComboBox*>(m_pControl)->m_bButtonInEveryCell))
        return;
    GXDrawDropDownFace(pDC, m_rect, FaceState(bFocusCell) == 5, FALSE);
}

// ---- the control ------------------------------------------------------------------------------------

CGXComboBox::CGXComboBox(CGXGridCore* pGrid, UINT nEditID, UINT nListBoxID, UINT nFlags)
    : CGXEditControl(pGrid, nEditID), m_nOptions(nFlags), m_nListBoxID(nListBoxID)
{
    m_pButton = new CGXComboBoxButton(this);
    AddChild(m_pButton);
}

CGXComboBox::~CGXComboBox()
{
    ClosePopup();
}

void CGXComboBox::SetActive(BOOL bActive)
{
    if (!bActive)
        ClosePopup();
    CGXEditControl::SetActive(bActive);
}

void CGXComboBox::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXEditControl::Init(nRow, nCol);
    CWnd* pGridWnd = GridWnd();
    const CRect rectButton = m_pButton->GetRect();
    if (pGridWnd != nullptr && pGridWnd->m_hWnd != nullptr && !rectButton.IsRectEmpty())
        pGridWnd->InvalidateRect(&rectButton, FALSE);
}

void CGXComboBox::Reset()
{
    ClosePopup();
    CGXEditControl::Reset();
}

CRect CGXComboBox::GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect, const CGXStyle* pStyle)
{
    CRect rect = CGXEditControl::GetCellRect(nRow, nCol, pRect, pStyle);
    if (m_pGrid->IsCurrentCell(nRow, nCol) || !m_bButtonRoomOnlyInCurrentCell || m_bButtonInEveryCell)
        rect.right = std::max(rect.left, rect.right - 15);
    return rect;
}

CSize CGXComboBox::AddBorders(CSize size, const CGXStyle& style)
{
    size.cx += 15;
    return CGXEditControl::AddBorders(size, style);
}

CSize CGXComboBox::CalcSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle*, BOOL)
{
    CFont* pOldFont = m_pGrid->SelectStyleFont(pDC, style);
    TEXTMETRICA tm;
    pDC->GetTextMetrics(&tm);
    CSize size(0, tm.tmHeight + tm.tmExternalLeading + 1);
    if (m_bFillChoiceList && style.GetIncludeChoiceList()) {
        CString strList(style.GetChoiceListRef()), strLine;
        while (!strList.IsEmpty()) {
            ExtractFirstLine(strList, strLine);
            size.cx = std::max(size.cx, pDC->GetTextExtent(strLine, strLine.GetLength()).cx);
        }
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    return AddBorders(size, style);
}

void CGXComboBox::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                       const CGXStyle* pStandardStyle)
{
    if (m_bLiveValue && IsAttachedTo(nRow, nCol) && m_bActive && !m_pGrid->IsPrinting()) {
        CString strValue;
        GetValue(strValue);
        CGXStyle styleLive(style);
        styleLive.SetValue(strValue);
        CGXEditControl::Draw(pDC, rect, nRow, nCol, styleLive, pStandardStyle);
        return;
    }
    CGXEditControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

CString CGXComboBox::ConvertText(const CString& strText, const CGXStyle& style)
{
    if (!m_bFillChoiceList || (m_nOptions & (gxComboTextFit | gxComboDispChoice)) == 0 ||
        !style.GetIncludeChoiceList())
        return strText;
    CString strEntry;
    const int nIndex = FindChoiceListItem(strEntry, strText, style.GetChoiceListRef(), FALSE);
    if ((m_nOptions & gxComboDispChoice) == 0)
        return strEntry;
    if (nIndex < 0)
        return CString();
    CString strIndex;
    strIndex.Format("%d", nIndex + ((m_nOptions & gxComboOneBased) != 0 ? 1 : 0));
    return strIndex;
}

BOOL CGXComboBox::GetValue(CString& strResult)
{
    if (!m_bInit)
        return FALSE;
    GetCurrentText(strResult);
    strResult = ConvertText(strResult, CGXControl::GetStyle());
    return TRUE;
}

BOOL CGXComboBox::GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const char* pszValue,
                                 const CGXStyle& style)
{
    if ((m_nOptions & gxComboDispChoice) == 0 || !m_bFillChoiceList || !style.GetIncludeChoiceList())
        return CGXEditControl::GetControlText(strResult, nRow, nCol, pszValue, style);
    const CString strValue = pszValue != nullptr ? CString(pszValue)
                             : style.GetIncludeValue() ? CString(style.GetValueRef())
                                                       : CString();
    if (strValue.IsEmpty()) {
        strResult.Empty();
        return FALSE;
    }
    int nIndex = short(std::atoi(strValue));
    if ((m_nOptions & gxComboOneBased) != 0 && nIndex != -1)
        nIndex--;
    CString strEntry;
    GetChoiceListItem(strEntry, style.GetChoiceListRef(), nIndex);
    return CGXEditControl::GetControlText(strResult, nRow, nCol, strEntry, style);
}

BOOL CGXComboBox::ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle)
{
    std::unique_ptr<CGXComposedStyle> pBorrowed;
    const CGXStyle& style = pStyle != nullptr ? *pStyle : CellStyle(nRow, nCol, pBorrowed);
    strText = ConvertText(strText, style);
    return TRUE;
}

BOOL CGXComboBox::ValidateString(const CString& strText)
{
    if (strText.IsEmpty() || !m_bFillChoiceList || (m_nOptions & (gxComboTextFit | gxComboDispChoice)) == 0)
        return TRUE;
    const CGXStyle& style = CGXControl::GetStyle();
    CString strEntry;
    return style.GetIncludeChoiceList() && FindChoiceListItem(strEntry, strText, style.GetChoiceListRef(), FALSE) >= 0;
}

BOOL CGXComboBox::StoreTextInCell(const char* pszText)
{
    if (!m_bActive || m_hWnd == nullptr)
        return CGXEditControl::StoreTextInCell(pszText);
    CEdit::ReplaceSel(pszText != nullptr ? pszText : "");
    SetModify(TRUE);
    OnModifyCell();
    return TRUE;
}

// ---- geometry -------------------------------------------------------------------------------------

void CGXComboBox::LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect)
{
    CRect rectButton(std::max(rect.right - 16, rect.left + 1), rect.top + 1, rect.right - 1, rect.bottom - 1);
    if (m_bSizeToText) {
        std::unique_ptr<CGXComposedStyle> pBorrowed;
        const CGXStyle& style = CellStyle(nRow, nCol, pBorrowed);
        const int nTextHeight = StyleTextHeight(style);
        if (nTextHeight > 0) {
            const int nHeight = std::min(nTextHeight + 2, int(rect.Height()) - 2);
            const UINT nAlign = style.GetIncludeVerticalAlignment() ? style.GetVerticalAlignment() : DT_TOP;
            if (nAlign == DT_VCENTER)
                rectButton.top = rect.top + (rect.Height() - nHeight) / 2;
            else if (nAlign == DT_BOTTOM)
                rectButton.top = rect.bottom - 1 - nHeight;
            rectButton.bottom = rectButton.top + nHeight;
        }
    }
    m_pButton->SetRect(rectButton);
}

int CGXComboBox::StyleTextHeight(const CGXStyle& style)
{
    CDC* pDC = m_pGrid->GetClientDC();
    if (pDC == nullptr)
        return 0;
    CFont* pOldFont = m_pGrid->SelectStyleFont(pDC, style);
    TEXTMETRICA tm;
    pDC->GetTextMetrics(&tm);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    m_pGrid->ReleaseClientDC();
    return tm.tmHeight;
}

// ---- keys and the button --------------------------------------------------------------------------

BOOL CGXComboBox::ActivateForList()
{
    if (m_bActive)
        return TRUE;
    if (!OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    Refresh();
    return TRUE;
}

BOOL CGXComboBox::OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bLiveValue || nChar != '(')
        return CGXEditControl::OnGridChar(nChar, nRepCnt, nFlags);
    const CGXStyle& style = CGXControl::GetStyle();
    CString strEntry;
    if (style.GetIncludeChoiceList() && FindChoiceListItem(strEntry, "(", style.GetChoiceListRef(), FALSE) >= 0)
        SetValue(strEntry);
    return TRUE;
}

BOOL CGXComboBox::OnGridSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar != VK_DOWN || m_hWnd == nullptr)
        return CGXEditControl::OnGridSysKeyDown(nChar, nRepCnt, nFlags);
    if (!m_bActive) {
        if (!OnStartEditing())
            return FALSE;
        SetActive(TRUE);
    }
    if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2))
        Refresh();
    if (CWnd* pGridWnd = GridWnd())
        pGridWnd->UpdateWindow();
    DropDown(TRUE);
    return TRUE;
}

void CGXComboBox::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN) {
        OnGridSysKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    CGXEditControl::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CGXComboBox::OnClickedButton(CGXChild* pChild)
{
    if (m_hWnd != nullptr && ActivateForList()) {
        if (CWnd* pGridWnd = GridWnd())
            pGridWnd->UpdateWindow();
        if (IsDroppedDown())
            SendMessage(GX_WM_COMBO_CLOSEUP, 0, FALSE);
        else
            DropDown(TRUE);
    }
    CGXEditControl::OnClickedButton(pChild);
}

UINT CGXComboBox::OnGridScroll(UINT nMessage)
{
    if (nMessage == WM_HSCROLL || nMessage == WM_VSCROLL)
        ClosePopup();
    return CGXEditControl::OnGridScroll(nMessage);
}

BOOL CGXComboBox::OnGridMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT nMessage, int& nResult)
{
    if (!IsDroppedDown())
        return CGXEditControl::OnGridMouseActivate(pDesktopWnd, nHitTest, nMessage, nResult);
    SendMessage(GX_WM_COMBO_CLOSEUP, 0, TRUE);
    nResult = 2;
    return TRUE;
}

void CGXComboBox::OnSetFocus(CWnd* pOldWnd)
{
    if (IsDroppedDown())
        SendMessage(GX_WM_COMBO_CLOSEUP, 0, TRUE);
    CGXEditControl::OnSetFocus(pOldWnd);
}

// ---- the factory -------------------------------------------------------------------------------------

CGXControl* GXCreateComboBox(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    return new CGXComboBox(pGrid, entry.adwArgs[0], entry.adwArgs[1], entry.adwArgs[2]);
}

// The password, scroll-bar, hot-spot and spin edit cells (see GXEditVariants.h).
#include "grid/controls/GXEditVariants.h"

#include "grid/controls/GXButton.h"
#include "grid/controls/GXCellNumbers.h"
#include "grid/controls/GXControls.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "win/Win.h"

#include <climits>
#include <cstdio>

CRect GXHotSpotButtonRect(const CRect& rect)
{
    CRect rectButton(rect.right - GXHotSpotSize - 1, rect.top, rect.right - 1, rect.top + GXHotSpotSize);
    rectButton.IntersectRect(rectButton, rect);
    if (rectButton.Height() < rect.Height() - 1)
        rectButton.OffsetRect(0, 1);
    return rectButton;
}

// ---- password ----------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXPasswordControl, CGXEditControl)
GX_IMPLEMENT_CONTROL(CGXPasswordControl, CGXEditControl)

BEGIN_MESSAGE_MAP(CGXPasswordControl, CGXEditControl)
    ON_MESSAGE(WM_LBUTTONDOWN, OnPasswordLButtonDown)
END_MESSAGE_MAP()

CGXPasswordControl::CGXPasswordControl(CGXGridCore* pGrid, UINT nID) : CGXEditControl(pGrid, nID) {}

BOOL CGXPasswordControl::CanFloatCell(ROWCOL, ROWCOL, const CGXStyle&, BOOL)
{
    return FALSE;
}

void CGXPasswordControl::SetCurrentText(const char* pszText)
{
    m_bMaskDisplay = FALSE;
    try {
        CGXEditControl::SetCurrentText(pszText);
    } catch (...) {
        m_bMaskDisplay = TRUE;
        throw;
    }
    m_bMaskDisplay = TRUE;
    if (m_hWnd != nullptr)
        SendMessage(EM_SETPASSWORDCHAR, WPARAM(BYTE(m_chPassword)));
}

BOOL CGXPasswordControl::GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const char* pszValue,
                                        const CGXStyle& style)
{
    const BOOL bResult = CGXEditControl::GetControlText(strResult, nRow, nCol, pszValue, style);
    if (m_bMaskDisplay) {
        // one password character per character, a double-byte pair counting once
        int nChars = 0;
        for (const char* p = strResult.GetString(); *p != 0; p = ::CharNextA(p))
            ++nChars;
        strResult = CString(m_chPassword, nChars);
    }
    return bResult;
}

BOOL CGXPasswordControl::Copy()
{
    return TRUE;
}

BOOL CGXPasswordControl::Cut()
{
    return TRUE;
}

DWORD CGXPasswordControl::CalcEditStyle(CRect& rectFormat, int nLineHeight)
{
    return (CGXEditControl::CalcEditStyle(rectFormat, nLineHeight) & ~DWORD(ES_MULTILINE)) | ES_PASSWORD;
}

LRESULT CGXPasswordControl::OnPasswordLButtonDown(WPARAM, LPARAM)
{
    Default();
    return 0;
}

// ---- scroll bar --------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXVScrollEdit, CGXEditControl)
GX_IMPLEMENT_CONTROL(CGXVScrollEdit, CGXEditControl)

CGXVScrollEdit::CGXVScrollEdit(CGXGridCore* pGrid, UINT nID) : CGXEditControl(pGrid, nID)
{
    m_bScrollBar = TRUE;
}

CRect CGXVScrollEdit::GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect, const CGXStyle* pStyle)
{
    CRect rect = CGXStatic::GetCellRect(nRow, nCol, pRect, pStyle);
    if (m_bScrollBar)
        rect.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    return rect;
}

BOOL CGXVScrollEdit::CanFloatCell(ROWCOL, ROWCOL, const CGXStyle&, BOOL)
{
    return FALSE;
}

DWORD CGXVScrollEdit::CalcEditStyle(CRect& rectFormat, int nLineHeight)
{
    m_bScrollBar = TRUE;
    return CGXEditControl::CalcEditStyle(rectFormat, nLineHeight);
}

// ---- hot spot ----------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXHotSpotEdit, CGXEditControl)
GX_IMPLEMENT_CONTROL(CGXHotSpotEdit, CGXEditControl)

CGXHotSpotEdit::CGXHotSpotEdit(CGXGridCore* pGrid, UINT nID) : GXButtonColumnEdit(pGrid, nID)
{
    m_pButton = new CGXHotSpotButton(this);
    AddChild(m_pButton);
}

void CGXHotSpotEdit::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXEditControl::Init(nRow, nCol);
    m_pButton->Refresh();
}

void CGXHotSpotEdit::LayoutChildren(ROWCOL, ROWCOL, const CRect& rect)
{
    m_pButton->SetRect(GXHotSpotButtonRect(rect));
}

// ---- spin ----------------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXSpinEdit, CGXEditControl)
GX_IMPLEMENT_CONTROL(CGXSpinEdit, CGXEditControl)

CGXSpinEdit::CGXSpinEdit(CGXGridCore* pGrid, UINT nID) : GXButtonColumnEdit(pGrid, nID)
{
    m_pUpButton = new CGXUpArrowButton(this);
    AddChild(m_pUpButton);
    m_pDownButton = new CGXDownArrowButton(this);
    AddChild(m_pDownButton);
}

void CGXSpinEdit::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXEditControl::Init(nRow, nCol);
    m_pUpButton->Refresh();
    m_pDownButton->Refresh();
    CGXControl::GetStyle();
}

void CGXSpinEdit::ReadSpinAttributes(const CGXStyle& style)
{
    // an empty attribute sets no bound (and no start value)
    auto read = [&style](WORD nId, BOOL& bHas, LONG& nValue) {
        const CString strText = style.GetUserAttribute(nId).GetValueText();
        bHas = !strText.IsEmpty();
        if (bHas)
            nValue = GXReadClampedLong(strText);
    };
    m_bWrap = GXReadClampedLong(style.GetUserAttribute(GX_IDS_UA_SPINBOUND_WRAP).GetValueText()) != 0;
    read(GX_IDS_UA_SPINBOUND_MIN, m_bMinBound, m_nMinBound);
    read(GX_IDS_UA_SPINBOUND_MAX, m_bMaxBound, m_nMaxBound);
    read(GX_IDS_UA_SPINSTART, m_bStartValue, m_nStartValue);
}

BOOL CGXSpinEdit::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bInit)
        ReadSpinAttributes(CGXControl::GetStyle());
    return CGXStatic::OnLButtonDown(nFlags, point);
}

LONG CGXSpinEdit::StepValue(const char* pszText, BOOL bUp) const
{
    if (m_bStartValue && (pszText == nullptr || *pszText == 0))
        return m_nStartValue;
    LONG nValue = GXReadClampedLong(pszText);
    BOOL bClampMin = TRUE;
    if (bUp) {
        if (!m_bMaxBound || nValue < m_nMaxBound) {
            if (nValue < INT_MAX)
                ++nValue;
        } else if (m_bWrap) {
            if (m_bMinBound)
                nValue = m_nMinBound;
            else
                bClampMin = FALSE;
        }
    } else {
        if (!m_bMinBound || nValue > m_nMinBound) {
            if (nValue > INT_MIN)
                --nValue;
        } else if (m_bWrap && m_bMaxBound) {
            nValue = m_nMaxBound;
        }
    }
    if (bClampMin && m_bMinBound && nValue < m_nMinBound)
        nValue = m_nMinBound;
    if (m_bMaxBound && nValue > m_nMaxBound)
        nValue = m_nMaxBound;
    return nValue;
}

void CGXSpinEdit::OnClickedButton(CGXChild* pChild)
{
    const BOOL bWasActive = IsActive();
    if (!bWasActive) {
        if (!OnStartEditing())
            return;
        SetActive(TRUE);
    }
    if (!IsReadOnlyCell() && m_hWnd != nullptr) {
        CString strText;
        GetWindowText(strText);
        char szValue[16];
        std::snprintf(szValue, sizeof(szValue), "%ld", long(StepValue(strText, pChild == m_pUpButton)));
        SetWindowText(szValue);
        SetModify(TRUE);
        OnModifyCell();
        SetSel(0, -1);
    }
    if (bWasActive)
        UpdateEditStyle();
    else
        Refresh();
    CGXControl::OnClickedButton(pChild);
}

void CGXSpinEdit::LayoutChildren(ROWCOL, ROWCOL, const CRect& rect)
{
    CRect rectColumn(rect.right - gxColumnWidth - 1, rect.top + 1, rect.right - 1, rect.bottom - 1);
    rectColumn.IntersectRect(rectColumn, rect);
    const int nUpHeight = rectColumn.Height() / 2;
    m_pUpButton->SetRect(CRect(rectColumn.left, rectColumn.top, rectColumn.right, rectColumn.top + nUpHeight));
    m_pDownButton->SetRect(CRect(rectColumn.left, rectColumn.top + nUpHeight, rectColumn.right, rectColumn.bottom));
}

// ---- makers ----------------------------------------------------------------------------------------------

CGXControl* GXCreatePasswordControl(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    return new CGXPasswordControl(pGrid, entry.adwArgs[0]);
}

CGXControl* GXCreateVScrollEdit(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    return new CGXVScrollEdit(pGrid, entry.adwArgs[0]);
}

CGXControl* GXCreateHotSpotEdit(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    return new CGXHotSpotEdit(pGrid, entry.adwArgs[0]);
}

CGXControl* GXCreateSpinEdit(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    return new CGXSpinEdit(pGrid, entry.adwArgs[0]);
}

void GXRegisterSpinEditAttributes(CGXStylesMap& stylesMap)
{
    CGXStyle bound;
    bound.SetControl(GX_IDS_CTRL_SPINEDIT).SetWrapText(FALSE);
    stylesMap.AddUserAttribute(GX_IDS_UA_SPINBOUND_MIN, &bound);
    stylesMap.AddUserAttribute(GX_IDS_UA_SPINBOUND_MAX, &bound);
    stylesMap.AddUserAttribute(GX_IDS_UA_SPINSTART, &bound);
    CGXStyle wrap;
    wrap.SetControl(GX_IDS_CTRL_CHECKBOX3D).SetHorizontalAlignment(DT_CENTER).SetVerticalAlignment(DT_VCENTER);
    stylesMap.AddUserAttribute(GX_IDS_UA_SPINBOUND_WRAP, &wrap);
}

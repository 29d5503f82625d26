// CGXComboBoxWnd: the combo window cell's side as a cell control: the window, the list and the value,
// the geometry and the drawing (see GXComboBoxWnd.h). Keys, clicks, notifications and find and
// replace are in GXComboBoxWndInput.cpp.
#include "grid/controls/GXComboBoxWnd.h"

#include "grid/controls/GXButton.h"
#include "grid/controls/GXControls.h"

#include "grid/engine/GXChoiceList.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXFont.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXStyle.h"
#include "win/CWindowDC.h"
#include "win/Win.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

IMPLEMENT_DYNAMIC(CGXComboBoxWnd, CComboBox)
GX_IMPLEMENT_CONTROL(CGXComboBoxWnd, CGXStatic)

BEGIN_MESSAGE_MAP(CGXComboBoxWnd, CComboBox)
    ON_WM_ERASEBKGND()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CGXComboBoxWnd::CGXComboBoxWnd(CGXGridCore* pGrid) : CGXStatic(pGrid) {}

CGXComboBoxWnd::~CGXComboBoxWnd()
{
    if (m_hWnd != nullptr) {
        const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
        DestroyWindow();
    }
    delete m_pEditPart;
}

BOOL CGXComboBoxWnd::CreateComboWindow(DWORD dwStyle, UINT nID)
{
    if (!CreateComboAndButton(dwStyle, nID))
        return FALSE;
    AttachEditPart(new CGXComboEditPart(this));
    m_bTextSearch = !IsOwnerDrawn();
    return TRUE;
}

BOOL CGXComboBoxWnd::CreateComboAndButton(DWORD dwStyle, UINT nID)
{
    if (m_pButton == nullptr) {
        m_pButton = new CGXComboBoxWndButton(this);
        AddChild(m_pButton);
    }
    CWnd* pGridWnd = GridWnd();
    if (pGridWnd == nullptr || pGridWnd->m_hWnd == nullptr)
        return FALSE;
    m_dwComboStyle = dwStyle;
    return CreateEx(0, "GXCOMBOBOX", nullptr, dwStyle | WS_CHILD, CRect(0, 0, 0, 0), pGridWnd, nID);
}

void CGXComboBoxWnd::AttachEditPart(CGXComboEditPart* pEditPart)
{
    std::unique_ptr<CGXComboEditPart> pOwned(pEditPart);
    const HWND hEdit = ::GetWindow(m_hWnd, GW_CHILD);
    char szClass[16] = "";
    if (hEdit == nullptr || ::GetClassNameA(hEdit, szClass, sizeof(szClass)) == 0 || ::lstrcmpiA(szClass, "Edit") != 0)
        return;  // the drop-down list has no edit field
    if (pOwned->SubclassWindow(hEdit)) {
        delete m_pEditPart;
        m_pEditPart = pOwned.release();
    }
}

// ---- small helpers -------------------------------------------------------------------------------------

CGXCellRange CGXComboBoxWnd::CellRange() const
{
    return CGXCellRange(m_nRow, m_nCol, m_nRow, m_nCol);
}

BOOL CGXComboBoxWnd::GridHasFocus() const
{
    CWnd* pGridWnd = GridWnd();
    return pGridWnd != nullptr && ::GetFocus() == pGridWnd->m_hWnd;
}

BOOL CGXComboBoxWnd::ComboHasFocus() const
{
    const HWND hFocus = ::GetFocus();
    return m_hWnd != nullptr && hFocus != nullptr && (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus));
}

int CGXComboBoxWnd::EntryCount() const
{
    return m_hWnd != nullptr ? CComboBox::GetCount() : 0;
}

BOOL CGXComboBoxWnd::SelectEntry(const char* pszText)
{
    // an entry equal to the text wins over an earlier one that only begins with it
    int nIndex = FindStringExact(-1, pszText);
    if (nIndex == CB_ERR)
        nIndex = FindString(-1, pszText);
    return nIndex != CB_ERR && SetCurSel(nIndex) != CB_ERR;
}

void CGXComboBoxWnd::FillEntries(const CString& strChoices)
{
    ResetContent();
    CString strList(strChoices), strLine;
    while (!strList.IsEmpty()) {
        ExtractFirstLine(strList, strLine);
        AddString(strLine);
    }
}

void CGXComboBoxWnd::GetEditSelection(int& nStart, int& nEnd)
{
    nStart = m_nEditSelStart;
    nEnd = m_nEditSelEnd;
    if (m_hWnd != nullptr && !IsDropDownList() && IsWindowVisible()) {
        const DWORD dwSel = GetEditSel();
        nStart = LOWORD(dwSel);
        nEnd = HIWORD(dwSel);
    }
}

void CGXComboBoxWnd::SetEditSelection(int nStart, int nEnd)
{
    m_nEditSelStart = nStart;
    m_nEditSelEnd = nEnd;
    if (m_hWnd != nullptr && !IsDropDownList())
        SetEditSel(nStart, nEnd);
}

void CGXComboBoxWnd::SaveChoice()
{
    m_nSavedSel = m_hWnd != nullptr ? GetCurSel() : -1;
    GetCurrentText(m_strSavedText);
}

void CGXComboBoxWnd::RestoreSavedChoice()
{
    if (IsDropDownList())
        SetCurSel(m_nSavedSel);
    else
        SetWindowText(m_strSavedText);
}

int CGXComboBoxWnd::MeasureTextHeight(CDC* pDC, const CGXStyle& style)
{
    if (m_nTextHeight > 0)
        return m_nTextHeight;
    CDC* pMeasureDC = pDC != nullptr ? pDC : m_pGrid->GetClientDC();
    if (pMeasureDC == nullptr)
        return 0;
    CFont* pOldFont = m_pGrid->SelectStyleFont(pMeasureDC, style);
    TEXTMETRICA tm;
    pMeasureDC->GetTextMetrics(&tm);
    m_nTextHeight = tm.tmHeight;
    if (pOldFont != nullptr)
        pMeasureDC->SelectObject(pOldFont);
    if (pDC == nullptr)
        m_pGrid->ReleaseClientDC();
    return m_nTextHeight;
}

HGDIOBJ CGXComboBoxWnd::RecreateFont(const CGXStyle& style)
{
    const HGDIOBJ hOldFont = m_font.Detach();
    LOGFONTA lf;
    style.GetFontRef().GetZoomedLogFont(lf, m_pGrid->GetZoom());
    lf.lfEscapement = lf.lfOrientation = 0;
    m_font.CreateFontIndirect(&lf);
    return hOldFont;
}

int CGXComboBoxWnd::MeasureWithCellFont(CDC* pDC)
{
    CFont* pOldFont = pDC->SelectObject(&m_font);
    TEXTMETRICA tm;
    pDC->GetTextMetrics(&tm);
    pDC->SelectObject(pOldFont);
    m_nTextHeight = tm.tmHeight;
    return m_nTextHeight;
}

CRect CGXComboBoxWnd::PlaceOneLine(const CRect& rectCell, const CGXStyle& style, int nTextHeight) const
{
    const int nHeight = std::min(nTextHeight + 2, int(rectCell.Height()) - 2 * m_nExtraFrame);
    CRect rect = rectCell;
    if (style.GetIncludeVerticalAlignment()) {
        if (style.GetVerticalAlignment() == DT_VCENTER)
            rect.top += (rectCell.Height() - nHeight) / 2 - m_nExtraFrame;
        else if (style.GetVerticalAlignment() == DT_BOTTOM)
            rect.top = rectCell.bottom - 2 * m_nExtraFrame - nHeight;
    }
    rect.bottom = rect.top + nHeight + 2 * m_nExtraFrame - 1;
    return rect;
}

void CGXComboBoxWnd::RepaintInsideClip(CDC* pDC)
{
    CRect rectClip;
    if (pDC->GetClipBox(&rectClip) == ERROR)
        return;
    GridWnd()->MapWindowPoints(this, &rectClip);
    ValidateRect(nullptr);
    InvalidateRect(&rectClip, TRUE);
}

// ---- the cell control -------------------------------------------------------------------------------

CRuntimeClass* CGXComboBoxWnd::GetWndRuntimeClass()
{
    return GetRuntimeClass();
}

CWnd* CGXComboBoxWnd::GetWndPtr() const
{
    return const_cast<CGXComboBoxWnd*>(this);
}

void CGXComboBoxWnd::SetActive(BOOL bActive)
{
    if (bActive && !m_bActive && m_hWnd != nullptr) {
        m_bActive = TRUE;
        if (m_bInit) {
            FreeStyle();
            CGXControl::GetStyle();
        }
    } else {
        m_bActive = bActive && m_hWnd != nullptr;
    }
}

BOOL CGXComboBoxWnd::IsActive()
{
    return m_bActive;
}

void CGXComboBoxWnd::SetModify(BOOL bModified)
{
    m_bModified = bModified;
}

BOOL CGXComboBoxWnd::GetModify()
{
    return m_bModified;
}

void CGXComboBoxWnd::Init(ROWCOL nRow, ROWCOL nCol)
{
    m_nTextHeight = 0;
    CGXStatic::Init(nRow, nCol);
    SetEditSelection(0, -1);
    SetActive(FALSE);
    const CGXStyle& style = CGXControl::GetStyle();
    if (m_bFillChoiceList && m_hWnd != nullptr)
        FillEntries(style.GetIncludeChoiceList() ? style.GetChoiceListRef() : CString());
    SetCurrentText(style.GetValueRef());
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && (pParam->GetActivateCellFlags() & 4) != 0 && OnStartEditing())
        SetActive(TRUE);
    SetModify(FALSE);
    SaveChoice();
    if (!m_bActive && m_pButton != nullptr)
        m_pButton->Refresh();
}

BOOL CGXComboBoxWnd::Store()
{
    if (IsReadOnlyCell()) {
        // a read-only cell keeps what it holds
        Init(m_nRow, m_nCol);
        SetModify(FALSE);
        Refresh();
    }
    CString strValue;
    if (m_pStyle == nullptr || !GetModify() || !GetValue(strValue))
        return TRUE;
    SetActive(FALSE);
    return m_pGrid->ApplyValueToRange(CellRange(), strValue, CGXStyle::gxOverride, m_pGrid->m_nStyleKind, 1);
}

CRect CGXComboBoxWnd::GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect, const CGXStyle* pStyle)
{
    CRect rect = CGXControl::GetCellRect(nRow, nCol, pRect, pStyle);
    const BOOL bCurrent = m_pGrid->IsCurrentCell(nRow, nCol);
    if (bCurrent && m_bActive)
        return rect;  // the window covers the whole cell
    if (bCurrent || m_bButtonInEveryCell || !m_bButtonOnlyInCurrentCell)
        rect.right -= 15;
    if (!m_bActive || !(bCurrent || m_bButtonInEveryCell || !m_bButtonOnlyInCurrentCell))
        rect.left += 2;
    return rect;
}

CSize CGXComboBoxWnd::AddBorders(CSize size, const CGXStyle& style)
{
    size.cx += 19;
    return CGXControl::AddBorders(size, style);
}

CSize CGXComboBoxWnd::CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                               const CGXStyle* pStandardStyle, BOOL bVertical)
{
    if (IsOwnerDrawn())
        return CSize(0, 0);
    const CSize sizeInherited = CGXStatic::CalcSize(pDC, nRow, nCol, style, pStandardStyle, bVertical);
    CFont* pOldFont = m_pGrid->SelectStyleFont(pDC, style);
    TEXTMETRICA tm;
    pDC->GetTextMetrics(&tm);
    CSize size(0, tm.tmHeight + tm.tmExternalLeading + 2 + (m_bShrinkToCell ? 2 * m_nExtraFrame : 0));
    if (!bVertical && m_bFillChoiceList && style.GetIncludeChoiceList()) {
        CString strList(style.GetChoiceListRef()), strLine;
        while (!strList.IsEmpty()) {
            ExtractFirstLine(strList, strLine);
            size.cx = std::max(size.cx, pDC->GetTextExtent(strLine, strLine.GetLength()).cx);
        }
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    size = AddBorders(size, style);
    return CSize(std::max(size.cx, sizeInherited.cx), std::max(size.cy, sizeInherited.cy));
}

BOOL CGXComboBoxWnd::CanFloatCell(ROWCOL, ROWCOL, const CGXStyle&, BOOL)
{
    return FALSE;
}

void CGXComboBoxWnd::LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect)
{
    if (m_pButton == nullptr)
        return;
    CRect rectButton(std::max(rect.right - 16, rect.left + 1), rect.top, rect.right - 1, rect.bottom - 1);
    // one text line high, placed as the cell's text, in the current cell or in every cell that has one
    if (m_bSizeToText && (IsAttachedTo(nRow, nCol) || m_bButtonInEveryCell)) {
        std::unique_ptr<CGXComposedStyle> pBorrowed;
        const CGXStyle& style = CellStyle(nRow, nCol, pBorrowed);
        const CRect rectLine = PlaceOneLine(rect, style, MeasureTextHeight(nullptr, style));
        rectButton.top = rectLine.top;
        rectButton.bottom = rectLine.bottom;
    }
    m_pButton->SetRect(rectButton);
}

// ---- drawing ---------------------------------------------------------------------------------------

int CGXComboBoxWnd::FitWindowToCell(CRect& rectWnd, const CGXStyle& style, int nTextHeight)
{
    int nItemHeight = rectWnd.Height();
    if (m_bSizeToText) {
        const int nCellHeight = rectWnd.Height();
        nItemHeight = std::min(nTextHeight + 2, nCellHeight);
        if (style.GetIncludeVerticalAlignment()) {
            if (style.GetVerticalAlignment() == DT_VCENTER)
                rectWnd.top += (nCellHeight - nItemHeight) / 2;
            else if (style.GetVerticalAlignment() == DT_BOTTOM)
                rectWnd.top = rectWnd.bottom - nItemHeight - 2;
        }
        rectWnd.bottom = rectWnd.top + nItemHeight;
    }
    if (m_bShrinkToCell)
        nItemHeight -= 2 * m_nExtraFrame;
    else
        rectWnd.InflateRect(0, m_nExtraFrame);
    ExcludeRectFromPaint(rectWnd);
    return nItemHeight;
}

void CGXComboBoxWnd::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle)
{
    if (!IsAttachedTo(nRow, nCol) || !m_bActive || m_pGrid->IsPrinting() || m_hWnd == nullptr) {
        DrawInactive(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    GetEditSelection(m_nEditSelStart, m_nEditSelEnd);
    Hide();
    const HGDIOBJ hOldFont = RecreateFont(style);
    DrawBackground(pDC, rect, style, TRUE);
    const int nTextHeight = MeasureWithCellFont(pDC);
    SetFont(&m_font, TRUE);
    if (hOldFont != nullptr)
        ::DeleteObject(hOldFont);

    CRect rectWnd = GetCellRect(nRow, nCol, &rect, &style);
    const int nItemHeight = FitWindowToCell(rectWnd, style, nTextHeight);
    rectWnd.bottom += std::min(EntryCount(), 8) * (nTextHeight + 2 * m_nExtraFrame + 2);
    CellToWindowRect(rectWnd);
    SetItemHeight(-1, UINT(std::max(nItemHeight, 1)));
    MoveWindow(&rectWnd, FALSE);
    SetActive(TRUE);
    // still hidden: the focus, the limit and the selection are set before the window shows
    if (GridHasFocus()) {
        const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
        SetFocus();
    }
    if (style.GetIncludeMaxLength() && style.GetMaxLength() != 0)
        LimitText(style.GetMaxLength());
    SetEditSelection(m_nEditSelStart, m_nEditSelEnd);
    ShowWindow(SW_SHOW);
    if (nRow > m_pGrid->GetFrozenRows() && nCol > m_pGrid->GetFrozenCols())
        RepaintInsideClip(pDC);
    UpdateWindow();
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGXComboBoxWnd::DrawInactive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                  const CGXStyle* pStandardStyle)
{
    if (m_bSizeToText)
        MeasureTextHeight(pDC, style);
    if (!IsOwnerDrawn() || m_hWnd == nullptr) {
        CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    DrawBackground(pDC, rect, style, TRUE);
    CRect rectItem = GetCellRect(nRow, nCol, &rect, &style);
    if (m_bSizeToText) {
        const CRect rectLine = PlaceOneLine(rectItem, style, m_nTextHeight);
        rectItem.top = rectLine.top;
        rectItem.bottom = rectLine.bottom;
    }
    const int nItem = style.GetIncludeValue() && !style.GetValueRef().IsEmpty() ? std::atoi(style.GetValueRef()) : 0;
    if (!m_pGrid->IsPrinting() && !(style.GetIncludeDraw3dFrame() && style.GetDraw3dFrame() != 0) && m_bDrawFrame) {
        GetDrawingAndFormatting()->Draw3dRect(pDC, rectItem.left, rectItem.top, rectItem.right - 1, rectItem.bottom - 1, 1,
                                              RGB(0, 0, 0), RGB(255, 255, 255));
        rectItem.DeflateRect(2, 2);
    }
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_COMBOBOX;
    dis.CtlID = UINT(GetDlgCtrlID());
    dis.itemID = UINT(nItem);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = ODS_SELECTED;
    dis.hwndItem = m_hWnd;
    dis.hDC = pDC->m_hDC;
    dis.rcItem = rectItem;
    dis.itemData = GetItemData(nItem);
    DrawItem(&dis);
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGXComboBoxWnd::CellToWindowRect(CRect&) {}

void CGXComboBoxWnd::Hide()
{
    if (m_hWnd == nullptr || !IsWindowVisible())
        return;
    const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
    if (GetDroppedState())
        ShowDropDown(FALSE);
    const BOOL bHadFocus = ComboHasFocus();
    ::HideCaret(nullptr);
    ShowWindow(SW_HIDE);
    if (bHadFocus && GridWnd() != nullptr)
        GridWnd()->SetFocus();
}

BOOL CGXComboBoxWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    FillRectWithColor(pDC, rect, RGB(255, 255, 255));
    if (m_pStyle != nullptr && m_pStyle->GetIncludeInterior())
        m_pGrid->FillRectWithBrush(pDC, rect, m_pStyle->GetInterior());
    return TRUE;
}

void CGXComboBoxWnd::OnKillFocus(CWnd* pNewWnd)
{
    Default();
    ForwardKillFocus(pNewWnd);
}

// ---- text and value ----------------------------------------------------------------------------------

void CGXComboBoxWnd::GetCurrentText(CString& strResult)
{
    strResult.Empty();
    if (!m_bInit || m_hWnd == nullptr)
        return;
    if (!IsDropDownList()) {
        GetWindowText(strResult);
        if (!strResult.IsEmpty())
            return;
    }
    const int nSel = GetCurSel();
    if (nSel >= 0)
        GetLBText(nSel, strResult);
}

BOOL CGXComboBoxWnd::GetValue(CString& strResult)
{
    if (!m_bInit)
        return FALSE;
    if (m_nIndexValue < 0) {
        GetCurrentText(strResult);
        return TRUE;
    }
    const int nSel = m_hWnd != nullptr ? GetCurSel() : -1;
    if (nSel < 0)
        strResult.Empty();
    else
        strResult.Format("%d", nSel + m_nIndexValue);
    return TRUE;
}

void CGXComboBoxWnd::SetValue(const char* pszValue)
{
    if (!m_bInit || m_hWnd == nullptr)
        return;
    if (!m_bActive)
        SetActive(TRUE);
    const CString strValue(pszValue != nullptr ? pszValue : "");
    if (ValidateString(strValue)) {
        if (IsDropDownList())
            SelectEntry(strValue);
        else
            SetWindowText(strValue);
    }
    SetModify(TRUE);
    OnModifyCell();
}

void CGXComboBoxWnd::SetCurrentText(const char* pszText)
{
    if (m_hWnd == nullptr)
        return;
    const CString strText(pszText != nullptr ? pszText : "");
    BOOL bSelected = FALSE;
    if (!strText.IsEmpty())
        bSelected = m_nIndexValue < 0 ? SelectEntry(strText) : SetCurSel(std::atoi(strText) - m_nIndexValue) != CB_ERR;
    if (!bSelected && !IsDropDownList()) {
        SetWindowText(strText);
        SetEditSel(0, -1);
    }
}

BOOL CGXComboBoxWnd::GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const char* pszValue,
                                    const CGXStyle& style)
{
    if (m_nIndexValue < 0 || !m_bDispChoice || !m_bFillChoiceList || !style.GetIncludeChoiceList())
        return CGXStatic::GetControlText(strResult, nRow, nCol, pszValue, style);
    const CString strValue = pszValue != nullptr ? CString(pszValue) : style.GetValueRef();
    if (strValue.IsEmpty()) {
        strResult.Empty();
        return FALSE;
    }
    int nIndex = short(std::atoi(strValue));
    if (nIndex != -1)
        nIndex -= m_nIndexValue;
    CString strEntry;
    GetChoiceListItem(strEntry, style.GetChoiceListRef(), nIndex);
    return CGXStatic::GetControlText(strResult, nRow, nCol, strEntry, style);
}

BOOL CGXComboBoxWnd::SetControlText(ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags,
                                    const CGXStyle* pOldStyle)
{
    // a choice cannot be emptied by storing nothing
    if (IsDropDownList() && (pszText == nullptr || *pszText == '\0'))
        return TRUE;
    return CGXStatic::SetControlText(nRow, nCol, pszText, nFlags, pOldStyle);
}

BOOL CGXComboBoxWnd::ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle)
{
    if (!m_bFillChoiceList || (m_nIndexValue < 0 && !m_bDispChoice))
        return TRUE;
    std::unique_ptr<CGXComposedStyle> pComposed;
    if (pStyle == nullptr) {
        pComposed = std::make_unique<CGXComposedStyle>(m_pGrid, nRow, nCol);
        pStyle = &pComposed->Get();
    }
    if (!pStyle->GetIncludeChoiceList())
        return TRUE;
    CString strEntry;
    const int nIndex = FindChoiceListItem(strEntry, strText, pStyle->GetChoiceListRef(), FALSE);
    if (!m_bDispChoice)
        strText = strEntry;
    else if (nIndex < 0)
        strText.Empty();
    else
        strText.Format("%d", m_nIndexValue + nIndex);
    return TRUE;
}

BOOL CGXComboBoxWnd::ValidateString(const CString& strText)
{
    if (strText.IsEmpty() || !m_bFillChoiceList || m_nIndexValue < 0 || !m_bDispChoice || !m_bInit)
        return TRUE;
    const CGXStyle& style = CGXControl::GetStyle();
    if (!style.GetIncludeChoiceList() || style.GetChoiceListRef().IsEmpty())
        return FALSE;
    CString strEntry;
    return FindChoiceListItem(strEntry, strText, style.GetChoiceListRef(), FALSE) >= 0;
}

CGXControl* GXCreateComboBoxWnd(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    std::unique_ptr<CGXComboBoxWnd> pControl(new CGXComboBoxWnd(pGrid));
    pControl->CreateComboWindow(entry.dwWndStyle, entry.nId);
    return pControl.release();
}

// CGXEditControl: the edit cell's side as a cell control: activation, the text and value, the store,
// the drawing of the active cell, the window style and its re-creation, find and replace (see
// GXEditControl.h). The edit window's messages are in GXEditControlInput.cpp.
#include "grid/controls/GXEditControl.h"

#include "grid/controls/GXControls.h"
#include "grid/controls/GXEditorRepaint.h"
#include "grid/engine/GXTextSearch.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXFindReplace.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXFont.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "win/CWindowDC.h"
#include "win/Win.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGXEditControl, CEdit)
GX_IMPLEMENT_CONTROL(CGXEditControl, CGXStatic)

BOOL CGXEditControl::s_bImeComposition = FALSE;

CGXEditControl::CGXEditControl(CGXGridCore* pGrid, UINT nID) : CGXStatic(pGrid), m_nID(nID) {}

CGXEditControl::~CGXEditControl()
{
    if (m_hWnd != nullptr) {
        const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
        DestroyWindow();
    }
}

BOOL CGXEditControl::IsImeComposition()
{
    return s_bImeComposition;
}

BOOL CGXEditControl::IsKeyDown(int nVirtKey)
{
    return (AfxGetServices()->GetKeyState(nVirtKey) & 0x8000) != 0;
}

CGXCellRange CGXEditControl::CellRange() const
{
    return CGXCellRange(m_nRow, m_nCol, m_nRow, m_nCol);
}

BOOL CGXEditControl::IsEditing(ROWCOL nRow, ROWCOL nCol) const
{
    return m_hWnd != nullptr && m_bActive && IsAttachedTo(nRow, nCol);
}

BOOL CGXEditControl::EvaluateFloating()
{
    const CGXCellRange range = CellRange();
    m_pGrid->DelayFloatCells(range, ROWCOL(-1));
    return m_pGrid->EvalFloatCells(range, TRUE, nullptr, FALSE);
}

CString CGXEditControl::TextWithSelectionReplaced(const char* pszText) const
{
    CString strText;
    GetWindowText(strText);
    int nStart, nEnd;
    GetSel(nStart, nEnd);
    return strText.Left(nStart) + pszText + strText.Mid(nEnd);
}

void CGXEditControl::SetCaret(int nPos)
{
    SetSel(nPos, nPos);
}

void CGXEditControl::EmptyClipboard()
{
    CWnd* pGridWnd = GridWnd();
    if (::OpenClipboard(pGridWnd != nullptr ? pGridWnd->m_hWnd : nullptr)) {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
}

// ---- the cell control ------------------------------------------------------------------------------

CRuntimeClass* CGXEditControl::GetWndRuntimeClass()
{
    return GetRuntimeClass();
}

CWnd* CGXEditControl::GetWndPtr() const
{
    return const_cast<CGXEditControl*>(this);
}

void CGXEditControl::SetActive(BOOL bActive)
{
    if (bActive && !m_bActive && m_hWnd != nullptr) {
        // the style the edit starts from is fetched afresh
        m_bActive = TRUE;
        FreeStyle();
        CGXControl::GetStyle();
    } else {
        m_bActive = bActive && m_hWnd != nullptr;
    }
    if (m_hWnd != nullptr && m_bInit)
        EvaluateFloating();
}

BOOL CGXEditControl::IsActive()
{
    return m_bActive;
}

void CGXEditControl::SetModify(BOOL bModified)
{
    if (m_hWnd != nullptr)
        CEdit::SetModify(bModified);
}

BOOL CGXEditControl::GetModify()
{
    return m_hWnd != nullptr && CEdit::GetModify();
}

void CGXEditControl::Init(ROWCOL nRow, ROWCOL nCol)
{
    s_bImeComposition = FALSE;
    CGXStatic::Init(nRow, nCol);
    if (m_hWnd == nullptr)
        CreateEditWindow(0, CRect(0, 0, 0, 0));
    const CGXStyle& style = CGXControl::GetStyle();
    const CString strValue = m_pGrid->GetStoredValueRowCol(nRow, nCol);
    if (style.GetIncludeAutoSize())
        m_bAutoSize = style.GetAutoSize();
    SetCurrentText(strValue);
    if (m_hWnd != nullptr) {
        SetSel(0, -1);
        if (m_bActive)
            LineScroll(255);
    }
    SetModify(FALSE);
}

BOOL CGXEditControl::Store()
{
    CString strText;
    if (m_pStyle == nullptr || !GetModify() || !GetValue(strText))
        return TRUE;
    SetActive(FALSE);
    FreeStyle();
    return m_pGrid->ApplyValueToRange(CellRange(), strText, CGXStyle::gxOverride, m_pGrid->m_nStyleKind, 1);
}

BOOL CGXEditControl::OnValidateCell()
{
    if (!CGXStatic::OnValidateCell())
        return FALSE;
    m_pGrid->DelayFloatCells(CellRange(), ROWCOL(-1));
    return TRUE;
}

BOOL CGXEditControl::CanFloatCell(ROWCOL, ROWCOL, const CGXStyle& style, BOOL bFloatCell)
{
    const BOOL bEmpty = !style.GetIncludeValue() || style.GetValueRef().IsEmpty();
    return bFloatCell ? !bEmpty : bEmpty;
}

void CGXEditControl::GetCurrentText(CString& strResult)
{
    if (m_bActive && m_hWnd != nullptr)
        GetWindowText(strResult);
    else if (m_bInit)
        GetControlText(strResult, m_nRow, m_nCol, nullptr, CGXControl::GetStyle());
    else
        strResult.Empty();
}

void CGXEditControl::SetValue(const char* pszValue)
{
    if (!m_bInit || m_hWnd == nullptr)
        return;
    if (!m_bActive)
        SetActive(TRUE);
    const CString strValue(pszValue != nullptr ? pszValue : "");
    if (ValidateString(strValue)) {
        SetWindowText(strValue);
        SetModify(TRUE);
        OnModifyCell();
    }
    EvaluateFloating();
}

BOOL CGXEditControl::GetValue(CString& strResult)
{
    if (!m_bInit)
        return FALSE;
    GetCurrentText(strResult);
    return TRUE;
}

void CGXEditControl::SetCurrentText(const char* pszText)
{
    if (m_hWnd == nullptr || !m_bInit)
        return;
    CString strText;
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && pParam->GetControlOptions().bEditStoredValues)
        strText = pszText != nullptr ? CString(pszText) : m_pGrid->GetStoredValueRowCol(m_nRow, m_nCol);
    else
        GetControlText(strText, m_nRow, m_nCol, pszText, CGXControl::GetStyle());
    SetWindowText(strText);
    if (m_bActive) {
        EvaluateFloating();
        m_pGrid->DrawVisibleSpannedCells(
            CGXCellRange(m_nRow, m_nCol, m_pGrid->GetLastVisibleRow(), m_pGrid->GetLastVisibleCol()), TRUE, nullptr,
            FALSE);
    }
}

void CGXEditControl::Hide()
{
    if (m_hWnd == nullptr || !IsWindowVisible())
        return;
    const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
    ::HideCaret(m_hWnd);
    MoveWindow(0, 0, 0, 0, FALSE);
    ShowWindow(SW_HIDE);
}

// ---- drawing ---------------------------------------------------------------------------------------

void CGXEditControl::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle)
{
    if (!IsAttachedTo(nRow, nCol) || !m_bActive || m_pGrid->IsPrinting() || m_hWnd == nullptr) {
        CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    if (s_bImeComposition)
        return;
    if (m_bFloatChange && IsWindowVisible()) {
        // the text changed the floating of its neighbours: only the window follows the cell
        const CRect rectCell = GetCellRect(nRow, nCol);
        MoveWindow(&rectCell, TRUE);
        DrawBackground(pDC, rect, style, TRUE);
        ExcludeRectFromPaint(rectCell);
        CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        m_bFloatChange = FALSE;
        return;
    }
    Hide();
    // the cell's font at the grid's zoom, upright; the window lets the old one go before it is deleted
    const HGDIOBJ hOldFont = m_font.Detach();
    LOGFONTA lf;
    style.GetFontRef().GetZoomedLogFont(lf, m_pGrid->GetZoom());
    lf.lfEscapement = lf.lfOrientation = 0;
    m_font.CreateFontIndirect(&lf);
    CFont* pOldFont = pDC->SelectObject(&m_font);
    TEXTMETRICA tm;
    pDC->GetTextMetrics(&tm);
    m_nLineHeight = tm.tmHeight + tm.tmExternalLeading;
    m_nMaxCharWidth = tm.tmMaxCharWidth;
    pDC->SelectObject(pOldFont);

    // a cell that does not wrap is edited in one line, placed as the text would be
    CRect rectEdit = GetCellRect(nRow, nCol);
    if (!style.GetWrapText()) {
        if (style.GetIncludeVerticalAlignment()) {
            if (style.GetVerticalAlignment() == DT_VCENTER) {
                const int nFree = rectEdit.bottom - m_nLineHeight - rectEdit.top;
                if (nFree >= 0)
                    rectEdit.top += nFree / 2;
            } else if (style.GetVerticalAlignment() == DT_BOTTOM && rectEdit.bottom - m_nLineHeight >= rectEdit.top) {
                rectEdit.top = rectEdit.bottom - m_nLineHeight;
            }
        }
        rectEdit.bottom = std::min(rectEdit.bottom, LONG(rectEdit.top + m_nLineHeight));
    }
    const UINT nAlign = style.GetHorizontalAlignment();
    if (nAlign == DT_RIGHT)
        rectEdit.right++;
    DrawBackground(pDC, rect, style, TRUE);
    SetFont(&m_font, TRUE);
    if (hOldFont != nullptr)
        ::DeleteObject(hOldFont);
    MoveWindow(&rectEdit, FALSE);
    m_nHorzAlign = nAlign == DT_RIGHT ? 2 : nAlign == DT_CENTER ? 1 : 0;
    if (style.GetIncludeVerticalScrollbar())
        m_bScrollBar = style.GetVerticalScrollbar();
    if (style.GetIncludeAutoSize())
        m_bAutoSize = style.GetAutoSize();
    m_bAllowEnter = style.GetAllowEnter();
    m_bWrapText = style.GetWrapText();
    m_bRightToLeft = style.HasUserAttribute(GX_IDS_UA_RTLREADING) &&
                     style.GetUserAttribute(GX_IDS_UA_RTLREADING).GetLongValue() != 0;

    SetActive(TRUE);
    CWnd* pGridWnd = GridWnd();
    if (pGridWnd != nullptr && ::GetFocus() == pGridWnd->m_hWnd) {
        const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
        SetFocus();
    }
    m_nMaxLength = style.GetIncludeMaxLength() ? style.GetMaxLength() : 0;
    LimitText(int(m_nMaxLength));
    ShowWindow(SW_SHOW);
    SetReadOnly(IsReadOnlyCell());

    GXRepaintPartlyHiddenEditor(m_pGrid, *this, pDC, rect, nRow, nCol);
    UpdateWindow();
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    ExcludeRectFromPaint(rectEdit);
}

// ---- window style ----------------------------------------------------------------------------------

BOOL CGXEditControl::CreateEditWindow(DWORD dwStyle, const CRect& rect)
{
    CWnd* pGridWnd = GridWnd();
    if (pGridWnd == nullptr || pGridWnd->m_hWnd == nullptr)
        return FALSE;
    return CreateEx(m_bRightToLeft ? WS_EX_RTLREADING : 0, "GXEDIT", "", dwStyle | WS_CHILD, rect, pGridWnd, m_nID);
}

DWORD CGXEditControl::CalcEditStyle(CRect& rectFormat, int nLineHeight)
{
    DWORD dwEdit = gxEditStyles | (m_bAllowEnter ? ES_WANTRETURN : 0);
    DWORD dwAlign = m_pSuppressAlignment != nullptr ? 0 : DWORD(m_nHorzAlign);
    CRect rectClient;
    GetClientRect(&rectClient);
    CString strText;
    GetWindowText(strText);
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(GetFont());
    const CSize sizeText = dc.GetTextExtent(strText, strText.GetLength());
    TEXTMETRICA tm;
    dc.GetTextMetrics(&tm);
    m_nLineHeight = tm.tmHeight + tm.tmExternalLeading;
    m_nMaxCharWidth = tm.tmMaxCharWidth;
    dc.SelectObject(pOldFont);
    DWORD dwWindow = gxEditBaseStyle;
    if (m_bWrapText && (m_bScrollBar || nLineHeight < rectClient.Height() - nLineHeight / 3)) {
        if (m_bScrollBar)
            dwWindow |= WS_VSCROLL;
    } else {
        dwEdit |= ES_AUTOHSCROLL;
        // a text that does not fit is shown from its start
        if (sizeText.cx > rectClient.Width() - m_nMaxCharWidth)
            dwAlign = 0;
    }
    rectFormat = rectClient;
    rectFormat.bottom = std::max(rectFormat.bottom, LONG(m_nLineHeight + 1));
    return dwWindow | dwEdit | dwAlign;
}

BOOL CGXEditControl::UpdateEditStyle()
{
    if (m_bRecreating || m_hWnd == nullptr)
        return FALSE;
    CRect rectFormat;
    const DWORD dwStyle = CalcEditStyle(rectFormat, m_nLineHeight);
    const BOOL bRtlWindow = (GetExStyle() & WS_EX_RTLREADING) != 0;
    int nCaretLine;
    BOOL bRecreated = FALSE;
    if (dwStyle == m_dwLastStyle && bool(m_bRightToLeft) == bool(bRtlWindow)) {
        SetRectNP(&rectFormat);
        nCaretLine = LineFromChar(-1);
    } else {
        BOOL bFocus;
        int nEnd;
        {
            const FlagScope recreating(m_bRecreating, TRUE);
            const BOOL bModified = GetModify();
            const BOOL bReadOnly = (CWnd::GetStyle() & ES_READONLY) != 0;
            bFocus = ::GetFocus() == m_hWnd;
            int nStart;
            GetSel(nStart, nEnd);
            CString strText;
            GetWindowText(strText);
            const WPARAM hFont = WPARAM(SendMessage(WM_GETFONT));
            CRect rect;
            GetClientRect(&rect);
            MapWindowPoints(GridWnd(), &rect);
            ::HideCaret(m_hWnd);
            MoveWindow(0, 0, 0, 0, FALSE);
            const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
            DestroyWindow();
            m_dwLastStyle = dwStyle;
            if (!CreateEditWindow(dwStyle, rect))
                return TRUE;
            SetRect(&rectFormat);
            SendMessage(WM_SETFONT, hFont, TRUE);
            SetWindowText(strText);
            SetSel(nStart, nEnd);
            SetModify(bModified);
            SetReadOnly(bReadOnly);
            LimitText(int(m_nMaxLength));
        }
        nCaretLine = LineFromChar(nEnd);
        ::HideCaret(m_hWnd);
        UpdateWindow();
        ::ShowCaret(m_hWnd);
        SendMessage(EM_SCROLLCARET);
        if (bFocus) {
            const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
            SetFocus();
        }
        bRecreated = TRUE;
    }
    // the caret's line stays in view
    CRect rectClient;
    GetClientRect(&rectClient);
    const int nFirst = GetFirstVisibleLine();
    const int nLast = GetLastVisibleLine(rectClient);
    if (nCaretLine > nLast || nCaretLine < nFirst) {
        ::HideCaret(m_hWnd);
        LineScroll(nCaretLine > nLast ? nCaretLine - nLast : nCaretLine - nFirst);
        SendMessage(EM_SCROLLCARET);
        UpdateWindow();
        ::ShowCaret(m_hWnd);
    } else {
        SendMessage(EM_SCROLLCARET);
    }
    return bRecreated;
}

int CGXEditControl::GetLastVisibleLine(const CRect& rect)
{
    if (m_nLineHeight == 0) {
        CClientDC dc(this);
        CFont* pOldFont = dc.SelectObject(GetFont());
        TEXTMETRICA tm;
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOldFont);
        m_nLineHeight = std::max(1, int(tm.tmHeight + tm.tmExternalLeading));
    }
    return GetFirstVisibleLine() + rect.Height() / m_nLineHeight;
}

int CGXEditControl::CalcCaretPosFromPoint(CPoint point)
{
    if (m_hWnd == nullptr)
        return -1;
    CString strText;
    GetWindowText(strText);
    return HitTestCellText(strText, point, (GetExStyle() & WS_EX_RTLREADING) != 0);
}

// ---- text ------------------------------------------------------------------------------------------

BOOL CGXEditControl::StoreTextInCell(const char* pszText)
{
    if (!m_bActive || m_hWnd == nullptr)
        return CGXStatic::StoreTextInCell(pszText);
    if (IsReadOnlyCell())
        return FALSE;
    SetModify(TRUE);
    CEdit::ReplaceSel(pszText, FALSE);
    return TRUE;
}

BOOL CGXEditControl::GetSelectedText(CString& strResult)
{
    if (!m_bActive || m_hWnd == nullptr) {
        GetCurrentText(strResult);
        return FALSE;
    }
    GetWindowText(strResult);
    int nStart, nEnd;
    GetSel(nStart, nEnd);
    if (nStart >= nEnd)
        return FALSE;
    strResult = strResult.Mid(nStart, nEnd - nStart);
    return TRUE;
}

BOOL CGXEditControl::ValidatePasteText(const CString& strText)
{
    return m_hWnd != nullptr && ValidateString(TextWithSelectionReplaced(strText));
}

BOOL CGXEditControl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_hWnd == nullptr || HWND(lParam) != m_hWnd || !m_bActive)
        return CGXStatic::OnCommand(wParam, lParam);
    if (HIWORD(wParam) != EN_CHANGE)
        return CEdit::OnCommand(wParam, lParam) || CGXStatic::OnCommand(wParam, lParam);
    OnModifyCell();
    if (EvaluateFloating()) {
        m_bFloatChange = TRUE;
    } else if (m_bAutoSize) {
        // the cell (with the block it spans) grows with its text
        CGXCellRange range = CellRange();
        CGXCellRange span;
        if (m_pGrid->GetSpannedCellsRowCol(m_nRow, m_nCol, span))
            range = span;
        if (m_bWrapText)
            m_pGrid->ResizeRowHeightsToFit(range, TRUE, 10);
        else
            m_pGrid->ResizeColWidthsToFit(range, TRUE, 10);
        LineScroll(255);
    }
    return TRUE;
}

// ---- find and replace ------------------------------------------------------------------------------

const CGXStyle& CGXEditControl::SearchStyle(const GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol,
                                            std::unique_ptr<CGXComposedStyle>& rpComposed)
{
    if (state.m_pStyle != nullptr)
        return *state.m_pStyle;
    rpComposed = std::make_unique<CGXComposedStyle>(m_pGrid, nRow, nCol);
    return rpComposed->Get();
}

BOOL CGXEditControl::FindText(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos, BOOL bSelect)
{
    if (state.m_strFind.IsEmpty())
        return FALSE;
    if (IsEditing(nRow, nCol)) {
        CString strText;
        GetWindowText(strText);
        int nStart, nEnd;
        GetSel(nStart, nEnd);
        // a search that goes on passes the match it stands on
        if (!bCurrentPos && nStart < strText.GetLength())
            nStart += GXCharLength(strText, nStart);
        const int nFound = GXFindInText(strText, state, nStart);
        if (nFound < 0)
            return FALSE;
        if (bSelect) {
            m_pGrid->ScrollCellInView(nRow, nCol, 2);
            SetSel(nFound, nFound + state.m_strFind.GetLength());
        }
        return TRUE;
    }
    CString strText;
    {
        std::unique_ptr<CGXComposedStyle> pComposed;
        if (!GetControlText(strText, nRow, nCol, nullptr, SearchStyle(state, nRow, nCol, pComposed)))
            strText.Empty();
    }
    if (GXFindInText(strText, state, 0) < 0)
        return FALSE;
    if (bSelect) {
        m_pGrid->ScrollCellInView(nRow, nCol, 2);
        m_pGrid->SetCurrentCell(nRow, nCol, CGXGridCore::gxUpdateNow2 | CGXGridCore::gxKeepFocus);
        if (IsAttachedTo(nRow, nCol)) {
            SetActive(TRUE);
            FindText(state, nRow, nCol, TRUE, TRUE);
            Refresh();
        }
    }
    return TRUE;
}

BOOL CGXEditControl::ReplaceSel(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol)
{
    if (state.m_strFind.IsEmpty())
        return FALSE;
    const BOOL bEditing = IsEditing(nRow, nCol);
    std::unique_ptr<CGXComposedStyle> pComposed;
    const CGXStyle* pStyle;
    CString strText;
    int nFrom = 0;
    if (bEditing) {
        GetWindowText(strText);
        int nEnd;
        GetSel(nFrom, nEnd);
        pStyle = &CGXControl::GetStyle();
    } else {
        pStyle = &SearchStyle(state, nRow, nCol, pComposed);
        if (!GetControlText(strText, nRow, nCol, nullptr, *pStyle))
            strText.Empty();
    }
    CString strResult;
    if (!GXReplaceAllInText(strText, state, nFrom, strResult))
        return FALSE;
    if (!m_pGrid->SetControlTextRowCol(nRow, nCol, strResult, 2, pStyle))
        return FALSE;
    // the edit shows what the cell now holds
    if (bEditing && IsEditing(nRow, nCol))
        SetWindowText(strResult);
    return TRUE;
}

CGXControl* GXCreateEditControl(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    return new CGXEditControl(pGrid, entry.nArgCount > 0 ? UINT(entry.adwArgs[0]) : entry.nId);
}

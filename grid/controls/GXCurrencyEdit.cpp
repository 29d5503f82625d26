// CGXCurrencyEdit: the currency cell: its format from the cell's attributes, the text and value, the
// store, the drawing of the active cell, find and replace (see GXCurrencyEdit.h). The keys and the
// window's messages are in GXCurrencyEditInput.cpp.
#include "grid/controls/GXCurrencyEdit.h"

#include "grid/controls/GXControls.h"
#include "grid/controls/GXEditorRepaint.h"
#include "grid/engine/GXColor.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXFindReplace.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXFont.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "win/AfxResource.h"
#include "win/CWindowDC.h"
#include "win/Win.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

// The attribute's text; FALSE when style has none or an empty one.
BOOL AttributeText(const CGXStyle& style, WORD nId, CString& strValue)
{
    if (!style.HasUserAttribute(nId))
        return FALSE;
    strValue = style.GetUserAttribute(nId).GetValue();
    return !strValue.IsEmpty();
}

// A stored value (a point before its fraction) in the format's decimal separator.
CString WithDecimal(const char* pszValue, char chDecimal)
{
    CString strValue(pszValue != nullptr ? pszValue : "");
    const int nPoint = strValue.Find('.');
    if (nPoint >= 0 && chDecimal != 0)
        strValue.SetAt(nPoint, chDecimal);
    return strValue;
}

// text for comparing: upper-cased unless the search matches case.
CString ComparedText(const CString& text, const GridFindReplaceState& state)
{
    CString strResult(text);
    if (!state.m_bCase)
        strResult.MakeUpper();
    return strResult;
}

}  // namespace

IMPLEMENT_DYNAMIC(CGXCaptiveCurEdit, CGXBCurrencyEdit)

CGXCaptiveCurEdit::CGXCaptiveCurEdit() = default;

CGXCaptiveCurEdit::~CGXCaptiveCurEdit() = default;

IMPLEMENT_DYNAMIC(CGXCurrencyEdit, CGXBCurrencyEdit)
GX_IMPLEMENT_CONTROL(CGXCurrencyEdit, CGXStatic)

CGXCurrencyEdit::CGXCurrencyEdit(CGXGridCore* pGrid, UINT nID) : CGXStatic(pGrid), m_nID(nID) {}

CGXCurrencyEdit::~CGXCurrencyEdit()
{
    const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
    if (m_wndFormatter.m_hWnd != nullptr)
        m_wndFormatter.DestroyWindow();
    if (m_hWnd != nullptr)
        DestroyWindow();
}

CGXCellRange CGXCurrencyEdit::CellRange() const
{
    return CGXCellRange(m_nRow, m_nCol, m_nRow, m_nCol);
}

BOOL CGXCurrencyEdit::IsEditing(ROWCOL nRow, ROWCOL nCol) const
{
    return m_hWnd != nullptr && m_bActive && IsAttachedTo(nRow, nCol);
}

CString CGXCurrencyEdit::ValueText(const Format& format, double dValue)
{
    const double dAmount = format.LimitIntegerDigits(std::fabs(dValue));
    CString strText;
    strText.Format("%.*f", std::max(0, format.m_nFracDigits), dValue < 0 ? -dAmount : dAmount);
    return strText;
}

// ---- format and windows --------------------------------------------------------------------------------

void CGXCurrencyEdit::ApplyStyleAttributes(CGXBCurrencyEdit* pTarget, const CGXStyle& style)
{
    Format format(TRUE);
    format.m_bDropLeadingDigits = m_bShiftEntry;
    format.m_bPadBeforeGrouping = m_bPadBeforeGrouping;
    CString strValue;
    if (AttributeText(style, GX_IDS_UA_CURRENCYDEF, strValue)) {
        if (strValue.GetLength() != 4)
            strValue = "11 1";
        format.m_bLeadingZero = strValue[0] - '0';
        format.m_bSeparatorLine = strValue[1] - '0';
        format.SetFillChar(strValue[2]);
    }
    if (AttributeText(style, GX_IDS_UA_CURRENCYPOSFMT, strValue))
        format.m_nPositiveFormat = std::atoi(strValue);
    if (AttributeText(style, GX_IDS_UA_CURRENCYNEGFMT, strValue))
        format.m_nNegativeFormat = std::atoi(strValue);
    if (AttributeText(style, GX_IDS_UA_CURRENCYDECIMALS, strValue))
        format.m_nIntDigits = std::atoi(strValue);
    if (AttributeText(style, GX_IDS_UA_CURRENCYFRACTIONS, strValue))
        format.m_nFracDigits = std::atoi(strValue);
    if (AttributeText(style, GX_IDS_UA_CURRENCYSYMBOL, strValue))
        format.m_strSymbol = strValue[0] == '0' ? CString() : strValue;
    if (AttributeText(style, GX_IDS_UA_CURRENCYSEP, strValue)) {
        if (strValue.GetLength() != 2)
            strValue = ",.";
        format.m_chThousands = strValue[0] == '0' ? 0 : strValue[0];
        format.m_chDecimal = strValue[1];
    }
    pTarget->SetFormat(format);
}

BOOL CGXCurrencyEdit::CreateWindows(DWORD dwStyle)
{
    RegisterWndClass();
    CWnd* pGridWnd = GridWnd();
    if (pGridWnd == nullptr || pGridWnd->m_hWnd == nullptr)
        return FALSE;
    // a currency window is one line of its own drawing; it is always a child of the grid
    const DWORD dwNotHere = ES_MULTILINE | ES_UPPERCASE | ES_LOWERCASE | ES_PASSWORD | ES_AUTOVSCROLL | ES_WANTRETURN;
    const DWORD dwWindow = (dwStyle & ~dwNotHere) | WS_CHILD;
    const CRect rectEmpty(0, 0, 0, 0);
    if (m_hWnd == nullptr)
        CreateEx(0, "CGXBCurrencyEdit", "", dwWindow, rectEmpty, pGridWnd, m_nID);
    if (m_wndFormatter.m_hWnd == nullptr)
        m_wndFormatter.CreateEx(0, "CGXBCurrencyEdit", "", dwWindow, rectEmpty, pGridWnd, m_nID + 4);
    return m_hWnd != nullptr && m_wndFormatter.m_hWnd != nullptr;
}

void CGXCurrencyEdit::RegisterUserAttributes(CGXStylesMap& stylesMap)
{
    CGXStyle masked;
    masked.SetControl(GX_IDS_CTRL_MASKEDIT).SetUserAttribute(GX_IDS_UA_INPUTMASK, "##AAAA#");
    stylesMap.AddUserAttribute(GX_IDS_UA_CURRENCYDEF, &masked);
    const struct {
        WORD nId;
        UINT nChoices;
    } kCombos[] = {{GX_IDS_UA_CURRENCYPOSFMT, GX_IDS_CURRENCY_POSFORMATS},
                   {GX_IDS_UA_CURRENCYNEGFMT, GX_IDS_CURRENCY_NEGFORMATS}};
    for (const auto& combo : kCombos) {
        CString strChoices;
        if (!AfxLoadString(combo.nChoices, strChoices))
            AfxThrowResourceException();
        CGXStyle style;
        style.SetControl(GX_IDS_CTRL_ZEROBASED_EX).SetChoiceList(strChoices);
        stylesMap.AddUserAttribute(combo.nId, &style);
    }
    for (WORD nId : {GX_IDS_UA_CURRENCYDECIMALS, GX_IDS_UA_CURRENCYFRACTIONS, GX_IDS_UA_CURRENCYSYMBOL,
                     GX_IDS_UA_CURRENCYSEP})
        stylesMap.AddUserAttribute(nId);
}

// ---- the cell control ------------------------------------------------------------------------------

CRuntimeClass* CGXCurrencyEdit::GetWndRuntimeClass()
{
    return GetRuntimeClass();
}

CWnd* CGXCurrencyEdit::GetWndPtr() const
{
    return const_cast<CGXCurrencyEdit*>(this);
}

void CGXCurrencyEdit::SetActive(BOOL bActive)
{
    m_bActive = bActive && m_hWnd != nullptr;
}

BOOL CGXCurrencyEdit::IsActive()
{
    return m_bActive;
}

void CGXCurrencyEdit::SetModify(BOOL bModified)
{
    m_bModified = bModified;
}

BOOL CGXCurrencyEdit::GetModify()
{
    return m_bModified;
}

void CGXCurrencyEdit::Init(ROWCOL nRow, ROWCOL nCol)
{
    {
        const FlagScope updating(m_bUpdating, TRUE);
        CGXStatic::Init(nRow, nCol);
        if (m_hWnd == nullptr)
            CreateWindows(0);
        const CGXStyle& style = CGXControl::GetStyle();
        ApplyStyleAttributes(this, style);
        SetCurrentText(style.GetIncludeValue() ? style.GetValueRef().GetString() : "");
        if (m_hWnd != nullptr) {
            if (style.GetIncludeHorizontalAlignment()) {
                const UINT nAlign = style.GetHorizontalAlignment();
                ModifyStyle(ES_CENTER | ES_RIGHT, nAlign == DT_RIGHT ? ES_RIGHT : nAlign == DT_CENTER ? ES_CENTER : ES_LEFT);
            }
            SendMessage(EM_SETSEL, 0, 0);
            const CGXGridParam* pParam = m_pGrid->GetParam();
            if (pParam != nullptr && (pParam->GetActivateCellFlags() & 4) && OnStartEditing())
                SetActive(TRUE);
        }
    }
    SetModify(FALSE);
}

BOOL CGXCurrencyEdit::Store()
{
    CString strValue;
    if (m_pStyle == nullptr || !GetModify() || !GetValue(strValue))
        return TRUE;
    SetActive(FALSE);
    FreeStyle();
    return m_pGrid->ApplyValueToRange(CellRange(), strValue, CGXStyle::gxOverride, m_pGrid->m_nStyleKind, 1);
}

void CGXCurrencyEdit::GetCurrentText(CString& strResult)
{
    if (m_bActive && m_hWnd != nullptr)
        GetWindowText(strResult);
    else if (m_bInit)
        GetControlText(strResult, m_nRow, m_nCol, nullptr, CGXControl::GetStyle());
    else
        strResult.Empty();
}

void CGXCurrencyEdit::SetValue(const char* pszValue)
{
    if (!m_bInit || m_hWnd == nullptr)
        return;
    if (!m_bActive)
        SetActive(TRUE);
    const CString strValue(pszValue != nullptr ? pszValue : "");
    if (ValidateString(strValue)) {
        SendMessage(WM_SETTEXT, 0, LPARAM(strValue.GetString()));
        SetModify(TRUE);
        OnModifyCell();
    }
}

BOOL CGXCurrencyEdit::GetValue(CString& strResult)
{
    if (!m_bInit)
        return FALSE;
    strResult = ValueText(*m_pFormat, CGXBCurrencyEdit::GetValue());
    return TRUE;
}

void CGXCurrencyEdit::SetCurrentText(const char* pszText)
{
    CString strText;
    GetControlText(strText, m_nRow, m_nCol, pszText, CGXControl::GetStyle());
    if (m_hWnd != nullptr)
        SetWindowText(strText);
}

BOOL CGXCurrencyEdit::FormatterTakes(const CGXStyle& style, const char* pszValue)
{
    ApplyStyleAttributes(&m_wndFormatter, style);
    Format format;
    m_wndFormatter.GetFormat(format);
    const CString strValue = WithDecimal(pszValue, format.m_chDecimal);
    return m_wndFormatter.m_hWnd != nullptr &&
           m_wndFormatter.SendMessage(WM_SETTEXT, 0, LPARAM(strValue.GetString())) != FALSE;
}

BOOL CGXCurrencyEdit::GetControlText(CString& strResult, ROWCOL, ROWCOL, const char* pszValue, const CGXStyle& style)
{
    if (pszValue != nullptr) {
        const CString strValue = WithDecimal(pszValue, m_pFormat->m_chDecimal);
        if (m_hWnd != nullptr && SendMessage(WM_SETTEXT, 0, LPARAM(strValue.GetString())) == FALSE)
            return FALSE;
        strResult = strValue;
        return TRUE;
    }
    if (!style.GetIncludeValue() || style.GetValueRef().IsEmpty()) {
        strResult.Empty();
        return FALSE;
    }
    // a value that is no amount is shown as it is, not as the amount formatted before it
    if (FormatterTakes(style, style.GetValueRef()))
        m_wndFormatter.GetWindowText(strResult);
    else
        strResult = style.GetValueRef();
    return !strResult.IsEmpty();
}

BOOL CGXCurrencyEdit::ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle)
{
    std::unique_ptr<CGXComposedStyle> pComposed;
    if (pStyle == nullptr) {
        pComposed = std::make_unique<CGXComposedStyle>(m_pGrid, nRow, nCol);
        pStyle = &pComposed->Get();
    }
    ApplyStyleAttributes(&m_wndFormatter, *pStyle);
    if (strText.IsEmpty())
        return TRUE;
    Format format;
    m_wndFormatter.GetFormat(format);
    double dValue;
    BOOL bNegative;
    if (!format.Parse(strText, dValue, bNegative))
        return FALSE;
    strText = ValueText(format, bNegative ? -dValue : dValue);
    return TRUE;
}

void CGXCurrencyEdit::GetStyleValueText(ROWCOL, ROWCOL, const CGXStyle& style, CString& strResult)
{
    strResult = style.GetIncludeValue() ? style.GetValueRef() : CString();
    if (strResult.IsEmpty())
        return;
    ApplyStyleAttributes(&m_wndFormatter, style);
    Format format;
    m_wndFormatter.GetFormat(format);
    double dValue;
    BOOL bNegative;
    if (format.Parse(WithDecimal(strResult, format.m_chDecimal), dValue, bNegative))
        strResult = ValueText(format, bNegative ? -dValue : dValue);
}

BOOL CGXCurrencyEdit::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind,
                                       const CGXStyle* pCurrentStyle)
{
    const BOOL bModified = GetModify();
    const BOOL bStored = CGXStatic::StoreStyleRowCol(nRow, nCol, pStyle, nMode, nKind, pCurrentStyle);
    if (!bStored || (nMode != CGXStyle::gxOverride && nMode != CGXStyle::gxApplyNew) || pStyle == nullptr ||
        !m_pGrid->IsCurrentCell(nRow, nCol))
        return bStored;
    if ((pStyle->GetIncludeValue() && !bModified) || pStyle->GetIncludeControl()) {
        Reset();
    } else if (m_bInit && m_hWnd != nullptr) {
        for (WORD nId = GX_IDS_UA_CURRENCYDEF; nId <= GX_IDS_UA_CURRENCYFRACTIONS; ++nId)
            if (pStyle->HasUserAttribute(nId)) {
                ApplyStyleAttributes(this, CGXControl::GetStyle());
                break;
            }
    }
    return bStored;
}

void CGXCurrencyEdit::Hide()
{
    if (m_hWnd == nullptr || !IsWindowVisible())
        return;
    const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
    ::HideCaret(m_hWnd);
    MoveWindow(0, 0, 0, 0, FALSE);
    ShowWindow(SW_HIDE);
}

// ---- drawing ---------------------------------------------------------------------------------------

void CGXCurrencyEdit::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandardStyle)
{
    if (!IsAttachedTo(nRow, nCol) || !m_bActive || m_pGrid->IsPrinting() || m_hWnd == nullptr) {
        CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    const FlagScope updating(m_bUpdating, TRUE);
    FreeStyle();
    const CGXStyle& cellStyle = CGXControl::GetStyle();
    // the cell's font at the grid's zoom; the window lets the old one go before it is deleted
    const HGDIOBJ hOldFont = m_font.Detach();
    LOGFONTA lf;
    cellStyle.GetFontRef().GetZoomedLogFont(lf, m_pGrid->GetZoom());
    lf.lfEscapement = lf.lfOrientation = 0;
    m_font.CreateFontIndirect(&lf);

    COLORREF clrText = GXResolveColor(cellStyle.GetTextColor());
    COLORREF clrBack = GXResolveColor(cellStyle.GetInterior().GetColor());
    if (m_pGrid->IsPrintingBlackWhite()) {
        clrText = RGB(0, 0, 0);
        clrBack = RGB(255, 255, 255);
    }
    DrawBackground(pDC, rect, cellStyle, TRUE);
    CRect rectEdit = GetCellRect(nRow, nCol);
    CFont* pOldFont = pDC->SelectObject(&m_font);
    TEXTMETRICA tm;
    pDC->GetTextMetrics(&tm);
    m_nLineHeight = tm.tmHeight + tm.tmExternalLeading + 1;
    m_nMaxCharWidth = tm.tmMaxCharWidth;
    pDC->SelectObject(pOldFont);
    // an amount is one line, placed as the cell's text would be
    if (!cellStyle.GetWrapText()) {
        if (cellStyle.GetIncludeVerticalAlignment()) {
            if (cellStyle.GetVerticalAlignment() == DT_VCENTER) {
                const int nFree = rectEdit.bottom - m_nLineHeight - rectEdit.top;
                if (nFree >= 0)
                    rectEdit.top += nFree / 2;
            } else if (cellStyle.GetVerticalAlignment() == DT_BOTTOM && rectEdit.bottom - m_nLineHeight >= rectEdit.top) {
                rectEdit.top = rectEdit.bottom - m_nLineHeight;
            }
        }
        rectEdit.bottom = std::min(rectEdit.bottom, LONG(rectEdit.top + m_nLineHeight - 1));
    }
    SendMessage(WM_SETFONT, WPARAM(m_font.m_hObject), TRUE);
    if (hOldFont != nullptr)
        ::DeleteObject(hOldFont);
    CString strAttributes;
    const BOOL bButton = AttributeText(cellStyle, GX_IDS_UA_CURRENCYDEF, strAttributes) &&
                         strAttributes.GetLength() > 3 && strAttributes[3] != '0';
    const UINT nBitmap = bButton ? GX_IDB_CALCBUTTON : 0;
    if (nBitmap != m_nBitmapId)
        SetBitmap(nBitmap);
    MoveWindow(&rectEdit, FALSE);
    Format format;
    GetFormat(format);
    format.SetBackgroundColor(clrBack);
    format.SetNegativeColor(clrText);
    format.SetPositiveColor(clrText);
    SetFormat(format);

    SetActive(TRUE);
    CWnd* pGridWnd = GridWnd();
    if (pGridWnd != nullptr && ::GetFocus() == pGridWnd->m_hWnd) {
        const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
        SetFocus();
        Invalidate();
        UpdateWindow();
    }
    ShowWindow(SW_SHOW);
    SendMessage(EM_SETREADONLY, IsReadOnlyCell());

    GXRepaintPartlyHiddenEditor(m_pGrid, *this, pDC, rect, nRow, nCol);
    UpdateWindow();
    CGXControl::Draw(pDC, rect, nRow, nCol, cellStyle, pStandardStyle);
    ExcludeRectFromPaint(rectEdit);
}

// ---- text ------------------------------------------------------------------------------------------

BOOL CGXCurrencyEdit::StoreTextInCell(const char* pszText)
{
    if (!m_bActive || m_hWnd == nullptr)
        return CGXStatic::StoreTextInCell(pszText);
    if (IsReadOnlyCell())
        return FALSE;
    CString strText(pszText != nullptr ? pszText : "");
    FilterPasteText(strText);
    int nStart, nEnd;
    if (!strText.IsEmpty())
        InsertText(strText);
    else if (GetSelRange(nStart, nEnd))
        DeleteChar();
    SetModify(TRUE);
    OnModifyCell();
    return TRUE;
}

BOOL CGXCurrencyEdit::GetSelectedText(CString& strResult)
{
    if (!m_bActive || m_hWnd == nullptr) {
        GetCurrentText(strResult);
        return FALSE;
    }
    GetWindowText(strResult);
    int nStart, nEnd;
    if (!GetSelRange(nStart, nEnd))
        return FALSE;
    strResult = strResult.Mid(nStart, nEnd - nStart);
    return TRUE;
}

BOOL CGXCurrencyEdit::OnCommand(WPARAM wParam, LPARAM lParam)
{
    BOOL bTaken = FALSE;
    if (m_hWnd != nullptr && HWND(lParam) == m_hWnd && HIWORD(wParam) == EN_CHANGE && m_bActive) {
        OnModifyCell();
        bTaken = TRUE;
    }
    return CGXBCurrencyEdit::OnCommand(wParam, lParam) || bTaken;
}

// ---- find and replace ------------------------------------------------------------------------------

BOOL CGXCurrencyEdit::FindText(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos, BOOL bSelect)
{
    if (state.m_strFind.IsEmpty())
        return FALSE;
    if (IsEditing(nRow, nCol)) {
        // the window shows the symbol; a search for an amount may name it or not
        CString strFind = state.m_strFind;
        const CString& strSymbol = m_pFormat->m_strSymbol;
        if (!strSymbol.IsEmpty() && strFind.Left(strSymbol.GetLength()) == strSymbol)
            strFind = strFind.Mid(strSymbol.GetLength());
        if (strFind.IsEmpty())
            return FALSE;
        const CString strText = ComparedText(GetText(), state);
        strFind = ComparedText(strFind, state);
        int nStart, nEnd;
        GetSelRange(nStart, nEnd);
        if (!bCurrentPos && nStart < strText.GetLength())
            ++nStart;
        const int nFound = strText.Find(strFind, nStart);
        if (nFound < 0)
            return FALSE;
        if (bSelect) {
            m_pGrid->ScrollCellInView(nRow, nCol, 2);
            CGXBCurrencyEdit::SetSel(nFound, nFound + strFind.GetLength());
        }
        return TRUE;
    }
    CString strText;
    {
        std::unique_ptr<CGXComposedStyle> pComposed;
        const CGXStyle* pStyle = state.m_pStyle;
        if (pStyle == nullptr) {
            pComposed = std::make_unique<CGXComposedStyle>(m_pGrid, nRow, nCol);
            pStyle = &pComposed->Get();
        }
        GetControlText(strText, nRow, nCol, nullptr, *pStyle);
    }
    if (ComparedText(strText, state).Find(ComparedText(state.m_strFind, state)) < 0)
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

BOOL CGXCurrencyEdit::ReplaceSel(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol)
{
    if (state.m_strFind.IsEmpty())
        return FALSE;
    const BOOL bEditing = IsEditing(nRow, nCol);
    CString strText, strReplace = state.m_strReplace;
    int nFrom = 0;
    Format format;
    if (bEditing) {
        strText = GetText();
        int nEnd;
        GetSelRange(nFrom, nEnd);
        GetFormat(format);
        // a decimal separator replaced by none would join the fraction to the integer part
        if (state.m_strFind.Find(format.m_chDecimal) >= 0 && strReplace.Find(format.m_chDecimal) < 0)
            strReplace += ".";
    } else {
        std::unique_ptr<CGXComposedStyle> pComposed;
        const CGXStyle* pStyle = state.m_pStyle;
        if (pStyle == nullptr) {
            pComposed = std::make_unique<CGXComposedStyle>(m_pGrid, nRow, nCol);
            pStyle = &pComposed->Get();
        }
        if (!GetControlText(strText, nRow, nCol, nullptr, *pStyle) || strText.IsEmpty())
            strText = "0";
        ApplyStyleAttributes(&m_wndFormatter, *pStyle);
        m_wndFormatter.GetFormat(format);
    }
    CString strResult = strText.Left(nFrom);
    int nPos = nFrom;
    BOOL bReplaced = FALSE;
    for (int nFound; (nFound = strText.Find(state.m_strFind, nPos)) >= 0;) {
        strResult += strText.Mid(nPos, nFound - nPos) + strReplace;
        nPos = nFound + state.m_strFind.GetLength();
        bReplaced = TRUE;
    }
    strResult += strText.Mid(nPos);
    double dValue;
    BOOL bNegative;
    if (!bReplaced || !format.Parse(strResult, dValue, bNegative))
        return FALSE;
    // the cell keeps a plain value, as every store of this control does
    if (!m_pGrid->ApplyValueToRange(CGXCellRange(nRow, nCol, nRow, nCol),
                                    ValueText(format, bNegative ? -dValue : dValue), CGXStyle::gxOverride,
                                    m_pGrid->m_nStyleKind, 1))
        return FALSE;
    if (bEditing && IsEditing(nRow, nCol)) {
        const FlagScope updating(m_bUpdating, TRUE);
        SetValueEx(dValue, bNegative, TRUE);
    }
    return TRUE;
}

CGXControl* GXCreateCurrencyEdit(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    auto pControl = std::make_unique<CGXCurrencyEdit>(pGrid, entry.nArgCount > 0 ? UINT(entry.adwArgs[0]) : entry.nId);
    pControl->CreateWindows(entry.dwWndStyle);
    return pControl.release();
}

void GXRegisterCurrencyEditAttributes(CGXStylesMap& stylesMap)
{
    CGXCurrencyEdit::RegisterUserAttributes(stylesMap);
}

// CGXDateTimeCtrl: the date/time cell's side as a cell control: its windows, the value and its
// texts, the store, drawing, searching and the style dialog's attributes (see GXDateTimeCtrl.h). The
// window's messages and the keys are in GXDateTimeCtrlInput.cpp.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "grid/controls/GXDateTimeCtrl.h"

#include "grid/controls/GXControls.h"
#include "grid/engine/GXColor.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXFindReplace.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXFont.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "grid/engine/GXUserAttribute.h"
#include "win/CDC.h"
#include "win/Win.h"

namespace {

// The off-screen place of the hidden windows.
const CRect kHiddenRect(30000, 30000, 30500, 30100);

// The style's user attribute as text (empty when absent).
CString Attribute(const CGXStyle& style, WORD nId)
{
    return style.HasUserAttribute(nId) ? style.GetUserAttribute(nId).GetValue() : CString();
}

// The number strText begins with (after blanks), as atof reads it: "1/2/2003" gives 1. FALSE when it
// begins with none.
BOOL ReadNumber(const CString& strText, double& dValue)
{
    const char* psz = strText.GetString();
    char* pEnd = nullptr;
    dValue = std::strtod(psz, &pEnd);
    return pEnd != psz;
}

// strText read as a date: the locale's parser unless numbers are forced, else a number other than 0.
BOOL ReadDate(const CString& strText, BOOL bForceNumber, COleDateTime& date)
{
    if (strText.IsEmpty())
        return FALSE;
    if (!bForceNumber && date.ParseDateTime(strText, 0, LANG_USER_DEFAULT))
        return TRUE;
    double dValue;
    if (!ReadNumber(strText, dValue) || dValue == 0.0)
        return FALSE;
    date = COleDateTime(dValue);
    return date.GetStatus() == COleDateTime::valid;
}

// A bound of the allowed range from its attribute text: a date unless numbers are forced, a date
// number, else the whole range's bound.
COleDateTime ReadBound(const CString& strText, BOOL bForceNumber, double dDefault)
{
    COleDateTime date;
    if (!strText.IsEmpty() && !bForceNumber && date.ParseDateTime(strText, 0, LANG_USER_DEFAULT))
        return date;
    double dValue;
    if (!strText.IsEmpty() && ReadNumber(strText, dValue) && COleDateTime(dValue).GetStatus() == COleDateTime::valid)
        return COleDateTime(dValue);
    return COleDateTime(dDefault);
}

CString DateNumberText(const COleDateTime& date)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.13g", double(DATE(date)));
    return CString(buffer);
}

}  // namespace

// ---- the hidden windows ------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXCaptiveDateTimeCtrl, CGXBDateTimeCtrl)

void CGXCaptiveDateTimeCtrl::LayoutGadgets() {}

// ---- the cell ----------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXDateTimeCtrl, CGXBDateTimeCtrl)
GX_IMPLEMENT_CONTROL(CGXDateTimeCtrl, CGXStatic)

CGXDateTimeCtrl::CGXDateTimeCtrl(CGXGridCore* pGrid, UINT nCtrlId) : CGXStatic(pGrid), m_nCtrlId(nCtrlId) {}

CGXDateTimeCtrl::~CGXDateTimeCtrl()
{
    const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
    if (m_wndDraw.m_hWnd != nullptr)
        m_wndDraw.DestroyWindow();
    if (m_wndMeasure.m_hWnd != nullptr)
        m_wndMeasure.DestroyWindow();
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CGXDateTimeCtrl::CreateChildWindows(DWORD dwStyle)
{
    CWnd* pGridWnd = GridWnd();
    if (pGridWnd == nullptr || pGridWnd->m_hWnd == nullptr)
        return FALSE;
    const DWORD dwWindow = (dwStyle | WS_CHILD) & ~WS_VISIBLE;
    if (m_hWnd == nullptr && !Create(0, dwWindow, CRect(0, 0, 0, 0), pGridWnd, m_nCtrlId))
        return FALSE;
    if (m_wndMeasure.m_hWnd == nullptr && !m_wndMeasure.Create(0, dwWindow, kHiddenRect, pGridWnd, m_nCtrlId + 1))
        return FALSE;
    return m_wndDraw.m_hWnd != nullptr || m_wndDraw.Create(0, dwWindow, kHiddenRect, pGridWnd, m_nCtrlId + 2);
}

CGXCellRange CGXDateTimeCtrl::CellRange() const
{
    return CGXCellRange(m_nRow, m_nCol, m_nRow, m_nCol);
}

BOOL CGXDateTimeCtrl::IsKeyDown(int nVirtKey)
{
    return (AfxGetServices()->GetKeyState(nVirtKey) & 0x8000) != 0;
}

CRuntimeClass* CGXDateTimeCtrl::GetWndRuntimeClass()
{
    return GetRuntimeClass();
}

CWnd* CGXDateTimeCtrl::GetWndPtr() const
{
    return const_cast<CGXDateTimeCtrl*>(this);
}

void CGXDateTimeCtrl::SetActive(BOOL bActive)
{
    m_bActive = bActive;
}

BOOL CGXDateTimeCtrl::IsActive()
{
    return m_bActive;
}

void CGXDateTimeCtrl::SetModify(BOOL bModified)
{
    m_bModified = bModified;
}

BOOL CGXDateTimeCtrl::GetModify()
{
    return m_bModified;
}

COleDateTime CGXDateTimeCtrl::TextToDate(const CString& strText, BOOL bForceNumber, BOOL bHasDatePart)
{
    COleDateTime date;
    if (ReadDate(strText, bForceNumber, date))
        return date;
    if (!bHasDatePart)
        return COleDateTime(0.0);
    const COleDateTime now = COleDateTime::GetCurrentTime();
    return COleDateTime(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
}

BOOL CGXDateTimeCtrl::ApplyStyleFormat(CGXBDateTimeCtrl* pWnd, const CGXStyle& style)
{
    const CString strType = Attribute(style, GX_IDS_UA_DATEFORMATTYPE);
    const CString strCustom = Attribute(style, GX_IDS_UA_CUSTOMFORMAT);
    int nType = strType.IsEmpty() ? -1 : std::atoi(strType);
    if (nType > CGXBDateTimeCtrl::gxShortDateTime)
        nType = CGXBDateTimeCtrl::gxShortDateTime;
    if (nType == CGXBDateTimeCtrl::gxCustomFormat || (strType.IsEmpty() && !strCustom.IsEmpty()))
        pWnd->SetCustomFormat(strCustom);
    else if (strType.IsEmpty())
        pWnd->SetFormatType(CGXBDateTimeCtrl::gxShortDate);
    else
        pWnd->SetFormatType(nType < 0 ? CGXBDateTimeCtrl::gxTimeFormat : nType);
    return pWnd->HasDateCode();
}

BOOL CGXDateTimeCtrl::LoadValue(CGXCaptiveDateTimeCtrl& wnd, const CGXStyle& style, const char* pszValue, BOOL bStrict)
{
    wnd.m_bForceNumber = style.HasUserAttribute(GX_IDS_UA_DATETIMEASNUMBER) &&
                         style.GetUserAttribute(GX_IDS_UA_DATETIMEASNUMBER).GetLongValue() != 0;
    const CString strValue = pszValue != nullptr ? CString(pszValue) : style.GetValueRef();
    COleDateTime date;
    if (bStrict && !ReadDate(strValue, wnd.m_bForceNumber, date))
        return FALSE;
    wnd.SetNoEditFields(UINT(std::atoi(Attribute(style, GX_IDS_UA_DATENOEDIT))));
    const BOOL bHasDate = ApplyStyleFormat(&wnd, style);
    if (!bStrict)
        date = TextToDate(strValue, wnd.m_bForceNumber, bHasDate);
    wnd.SetDateTime(date);
    return TRUE;
}

CString CGXDateTimeCtrl::GadgetText(const CGXBDTGadget* pGadget)
{
    if (const CGXBDTNumericGadget* pNumber = dynamic_cast<const CGXBDTNumericGadget*>(pGadget))
        return pNumber->FormatValue(pNumber->GetValue());
    if (const CGXBDTListGadget* pList = dynamic_cast<const CGXBDTListGadget*>(pGadget))
        return pList->GetString(pList->GetValue());
    if (const CGXBDTStaticGadget* pStatic = dynamic_cast<const CGXBDTStaticGadget*>(pGadget))
        return pStatic->GetText();
    return CString();
}

// ---- attaching, storing ------------------------------------------------------------------------------

void CGXDateTimeCtrl::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXStatic::Init(nRow, nCol);
    if (m_hWnd == nullptr || m_wndMeasure.m_hWnd == nullptr || m_wndDraw.m_hWnd == nullptr)
        CreateChildWindows(WS_CHILD | gxSpinArrows | (m_nCtrlId == GX_IDS_CTRL_DATETIMENOCAL ? 0u : DWORD(gxDropDownButton)));
    const CGXStyle& style = CGXControl::GetStyle();
    SetNoEditFields(UINT(std::atoi(Attribute(style, GX_IDS_UA_DATENOEDIT))));
    m_bHasDatePart = ApplyStyleFormat(this, style);
    m_bForceNumber = style.HasUserAttribute(GX_IDS_UA_DATETIMEASNUMBER) &&
                     style.GetUserAttribute(GX_IDS_UA_DATETIMEASNUMBER).GetLongValue() != 0;
    SetDateTime(TextToDate(style.GetIncludeValue() ? style.GetValueRef() : CString(), m_bForceNumber, m_bHasDatePart));
    // a value outside the range takes the nearer bound; that is no change of the user's
    SetRange(ReadBound(Attribute(style, GX_IDS_UA_DATEMIN), m_bForceNumber, gxMinDate),
             ReadBound(Attribute(style, GX_IDS_UA_DATEMAX), m_bForceNumber, gxMaxDate),
             std::atoi(Attribute(style, GX_IDS_UA_DATEVALIDMODE)));
    const CString strFast = Attribute(style, GX_IDS_UA_DATEFASTINPUT);
    SetFastInput(strFast.IsEmpty() || std::atoi(strFast) != 0);
    m_nFlags = 0;
    ResetSearch();
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && (pParam->GetActivateCellFlags() & 4) && OnStartEditing())
        SetActive(TRUE);
    SetModify(FALSE);
}

BOOL CGXDateTimeCtrl::Store()
{
    CString strText;
    if (m_pStyle == nullptr || !GetModify() || !GetValue(strText))
        return TRUE;
    SetActive(FALSE);
    FreeStyle();
    return m_pGrid->ApplyValueToRange(CellRange(), strText, CGXStyle::gxOverride, m_pGrid->m_nStyleKind, 1);
}

void CGXDateTimeCtrl::StoreEmpty()
{
    SetActive(FALSE);
    SetModify(FALSE);
    m_pGrid->ApplyValueToRange(CellRange(), "", CGXStyle::gxOverride, m_pGrid->m_nStyleKind, 1);
    Refresh();
}

BOOL CGXDateTimeCtrl::ValidateInput()
{
    if (m_nFlags & gxTypingField)
        if (CGXBDTGadget* pFocus = GetFocusedField())
            pFocus->SetFocus(FALSE);
    return CGXStatic::ValidateInput();
}

void CGXDateTimeCtrl::HighlightField(int nIndex)
{
    if (nIndex >= 0)
        m_nFocus = nIndex;
    for (int i = 0; i < GetGadgetCount(); ++i) {
        CGXBDTGadget* pGadget = GetGadget(i);
        if (i == nIndex)
            pGadget->SetFocus(TRUE);
        else if (pGadget->HasFocus())
            pGadget->SetFocus(FALSE);
    }
    if (nIndex >= 0)
        ScrollToGadget(nIndex);
}

int CGXDateTimeCtrl::EdgeField(BOOL bLast) const
{
    const int nCount = GetGadgetCount() - m_nFixedGadgets;
    for (int n = 0; n < nCount; ++n) {
        const int i = bLast ? GetGadgetCount() - 1 - n : m_nFixedGadgets + n;
        if (GetGadget(i)->GetStyle() & CGXBDTGadget::gxFocusable)
            return i;
    }
    return -1;
}

BOOL CGXDateTimeCtrl::OnStartEditing()
{
    if (!CGXStatic::OnStartEditing())
        return FALSE;
    EnsureFocusField();
    HighlightField(GetFocusedField() != nullptr ? m_nFocus : -1);
    return TRUE;
}

CRect CGXDateTimeCtrl::GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect, const CGXStyle* pStyle)
{
    return CGXControl::GetCellRect(nRow, nCol, pRect, pStyle);
}

CSize CGXDateTimeCtrl::AddBorders(CSize size, const CGXStyle& style)
{
    size.cx += 5;
    return CGXControl::AddBorders(size, style);
}

// ---- texts -------------------------------------------------------------------------------------------

BOOL CGXDateTimeCtrl::GetControlText(CString& strResult, ROWCOL, ROWCOL, const char* pszValue, const CGXStyle& style)
{
    strResult.Empty();
    if (m_wndMeasure.m_hWnd == nullptr && !CreateChildWindows(WS_CHILD | gxSpinArrows | gxDropDownButton))
        return FALSE;
    if (!LoadValue(m_wndMeasure, style, pszValue, TRUE))
        return FALSE;
    for (int i = m_wndMeasure.GetFixedGadgetCount(); i < m_wndMeasure.GetGadgetCount(); ++i)
        strResult += GadgetText(m_wndMeasure.GetGadget(i));
    return TRUE;
}

void CGXDateTimeCtrl::GetCurrentText(CString& strResult)
{
    if (!m_bInit || !GetModify()) {
        CGXStatic::GetCurrentText(strResult);
        return;
    }
    const CString strValue = m_dtValue.Format(0, LANG_USER_DEFAULT);
    GetControlText(strResult, m_nRow, m_nCol, strValue, CGXControl::GetStyle());
}

void CGXDateTimeCtrl::SetValue(const char* pszValue)
{
    if (!m_bInit || m_hWnd == nullptr)
        return;
    if (!m_bActive)
        SetActive(TRUE);
    const CString strValue(pszValue != nullptr ? pszValue : "");
    COleDateTime date;
    if (strValue.IsEmpty()) {
        SetDateTime(COleDateTime(0.0));
        SetModify(TRUE);
    } else if (ValidateString(strValue) && date.ParseDateTime(strValue, 0, LANG_USER_DEFAULT)) {
        SetDateTime(date);
        SetModify(TRUE);
    }
    OnModifyCell();
}

BOOL CGXDateTimeCtrl::GetValue(CString& strResult)
{
    if (!m_bInit)
        return FALSE;
    if (!GetModify())
        return CGXStatic::GetValue(strResult);
    strResult = m_bStoreAsNumber ? DateNumberText(m_dtValue) : m_dtValue.Format("%#c");
    return TRUE;
}

void CGXDateTimeCtrl::SetCurrentText(const char* pszText)
{
    if (m_hWnd == nullptr)
        return;
    SetDateTime(TextToDate(pszText != nullptr ? pszText : "", m_bForceNumber, m_bHasDatePart));
    Invalidate();
    OnModifyCell();
}

BOOL CGXDateTimeCtrl::SplitText(const CString& strText, CStringArray& parts)
{
    parts.RemoveAll();
    CString strPart;
    for (int i = 0; i <= strText.GetLength(); ++i) {
        const char ch = i < strText.GetLength() ? strText[i] : ' ';
        if (ch == ' ' || ch == '\r' || ch == '\n' || ch == '\t' || m_strSeparators.Find(ch) >= 0) {
            if (!strPart.IsEmpty())
                parts.Add(strPart);
            strPart.Empty();
        } else {
            strPart += ch;
        }
    }
    return parts.GetSize() > 0;
}

BOOL CGXDateTimeCtrl::ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle)
{
    if (strText.IsEmpty())
        return TRUE;
    std::unique_ptr<CGXComposedStyle> pComposed;
    if (pStyle == nullptr)
        pStyle = &CellStyle(nRow, nCol, pComposed);
    COleDateTime date;
    if (date.ParseDateTime(strText, 0, LANG_USER_DEFAULT) && DATE(date) != 0.0) {
        // the editing window shows what its own cell takes
        if (IsAttachedTo(nRow, nCol) && m_hWnd != nullptr)
            SetDateTime(date);
        strText = m_bStoreAsNumber ? DateNumberText(date) : date.Format();
        return TRUE;
    }
    CStringArray parts;
    if (!SplitText(strText, parts) || (m_wndMeasure.m_hWnd == nullptr &&
                                       !CreateChildWindows(WS_CHILD | gxSpinArrows | gxDropDownButton)))
        return FALSE;
    // each field of the cell's format takes the next part, from the cell's own value on
    LoadValue(m_wndMeasure, *pStyle, nullptr, FALSE);
    INT_PTR nPart = 0;
    for (int i = m_wndMeasure.GetFixedGadgetCount(); i < m_wndMeasure.GetGadgetCount() && nPart < parts.GetSize();
         ++i) {
        CGXBDTGadget* pGadget = m_wndMeasure.GetGadget(i);
        const CString& strPart = parts[nPart];
        if (CGXBDTListGadget* pList = dynamic_cast<CGXBDTListGadget*>(pGadget)) {
            pList->FindMatch(strPart, pList->GetValue() + 1);
            ++nPart;
        } else if (dynamic_cast<CGXBDTNumericGadget*>(pGadget) != nullptr) {
            double dValue;
            if (ReadNumber(strPart, dValue))
                m_wndMeasure.OnGadgetNotify(CGXBDTGadget::gxSetValue, pGadget->GetId(), int(dValue));
            ++nPart;
        }
    }
    const COleDateTime& result = m_wndMeasure.GetDateTime();
    strText = m_bStoreAsNumber ? DateNumberText(result) : result.Format();
    return TRUE;
}

void CGXDateTimeCtrl::GetStyleValueText(ROWCOL, ROWCOL, const CGXStyle& style, CString& strResult)
{
    strResult = style.GetValueRef();
    COleDateTime date;
    if (!strResult.IsEmpty() && date.ParseDateTime(strResult, 0, LANG_USER_DEFAULT)) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%f", double(DATE(date)));
        strResult = buffer;
    }
}

BOOL CGXDateTimeCtrl::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind,
                                       const CGXStyle* pCurrentStyle)
{
    const BOOL bModified = GetModify();
    if (!CGXStatic::StoreStyleRowCol(nRow, nCol, pStyle, nMode, nKind, pCurrentStyle))
        return FALSE;
    if (pStyle == nullptr || (nMode != 0 && nMode != 1) || !m_pGrid->IsCurrentCell(nRow, nCol) ||
        !IsAttachedTo(nRow, nCol))
        return TRUE;
    if (pStyle->GetIncludeValue() && !bModified) {
        const BOOL bActive = m_bActive;
        Init(nRow, nCol);
        if (bActive)
            SetActive(TRUE);
    } else if (pStyle->HasUserAttribute(GX_IDS_UA_DATENOEDIT) || pStyle->HasUserAttribute(GX_IDS_UA_DATEFORMATTYPE) ||
               pStyle->HasUserAttribute(GX_IDS_UA_CUSTOMFORMAT)) {
        const CGXStyle& style = CGXControl::GetStyle();
        SetNoEditFields(UINT(std::atoi(Attribute(style, GX_IDS_UA_DATENOEDIT))));
        m_bHasDatePart = ApplyStyleFormat(this, style);
        EnsureFocusField();
        HighlightField(m_bActive && GetFocusedField() != nullptr ? m_nFocus : -1);
    }
    return TRUE;
}

BOOL CGXDateTimeCtrl::StoreTextInCell(const char* pszText)
{
    return m_bInit && CGXStatic::StoreTextInCell(pszText);
}

BOOL CGXDateTimeCtrl::GetSelectedText(CString& strResult)
{
    strResult.Empty();
    const CGXBDTGadget* pFocus = m_bActive ? GetFocusedField() : nullptr;
    if (pFocus == nullptr)
        return FALSE;
    if (const CGXBDTNumericGadget* pNumber = dynamic_cast<const CGXBDTNumericGadget*>(pFocus))
        strResult.Format("%d", pNumber->GetValue());
    else
        strResult = GadgetText(pFocus);
    return TRUE;
}

// ---- the window's changes ----------------------------------------------------------------------------

BOOL CGXDateTimeCtrl::OnChanging(const COleDateTime&)
{
    ResetSearch();
    if (m_bInit) {
        FreeStyle();
        CGXControl::GetStyle();
        if (IsReadOnlyCell())
            return FALSE;
    }
    SetModify(TRUE);
    return TRUE;
}

void CGXDateTimeCtrl::OnChanged()
{
    if (m_hWnd != nullptr && IsWindowVisible())
        Invalidate(FALSE);
    else if (m_bInit)
        Refresh();
    if (GetModify())
        OnModifyCell();
}

// ---- showing and drawing -----------------------------------------------------------------------------

void CGXDateTimeCtrl::Hide()
{
    if (m_hWnd == nullptr || !IsWindowVisible())
        return;
    const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
    ::HideCaret(m_hWnd);
    MoveWindow(10000, 10000, 0, 0, FALSE);
    ShowWindow(SW_HIDE);
}

CSize CGXDateTimeCtrl::CalcSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle*, BOOL bVertical)
{
    if (m_wndMeasure.m_hWnd == nullptr && !CreateChildWindows(WS_CHILD | gxSpinArrows | gxDropDownButton))
        return CSize(0, 0);
    if (!style.GetIncludeValue() || !LoadValue(m_wndMeasure, style, nullptr, TRUE))
        return CSize(0, 0);
    CFont* pOldFont = SelectStyleFont(pDC, style);
    TEXTMETRICA tm;
    pDC->GetTextMetrics(&tm);
    CSize size(0, tm.tmHeight + tm.tmExternalLeading + 1);
    for (int i = 0; i < m_wndMeasure.GetGadgetCount(); ++i) {
        CGXBDTGadget* pGadget = m_wndMeasure.GetGadget(i);
        pGadget->CalcSize(pDC);
        const CRect& rect = pGadget->GetRect();
        size.cx += rect.Width();
        if (rect.bottom > size.cy)
            size.cy = rect.bottom;
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    if (bVertical)
        size.cx = 0;
    else
        size.cy = 0;
    return AddBorders(size, style);
}

void CGXDateTimeCtrl::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandardStyle)
{
    if (!IsAttachedTo(nRow, nCol) || !m_bActive || m_pGrid->IsPrinting() || m_hWnd == nullptr) {
        CGXControl::DrawBackground(pDC, rect, style);
        if (m_wndDraw.m_hWnd == nullptr && !CreateChildWindows(WS_CHILD | gxSpinArrows | gxDropDownButton))
            return;
        const CRect rectContent = GetCellRect(nRow, nCol, &rect, &style);
        CFont* pOldFont = SelectStyleFont(pDC, style);
        LoadValue(m_wndDraw, style, nullptr, FALSE);
        const BOOL bCurrent = m_pGrid->IsCurrentCell(nRow, nCol) && !m_pGrid->IsPrinting();
        const BOOL bButton = (CWnd::GetStyle() & gxDropDownButton) && (m_bButtonAlways || bCurrent);
        const BOOL bSpin = m_bSpinAlways || (bCurrent && !style.GetReadOnly() && !m_pGrid->IsReadOnly());
        // fields from the left, the button and the arrows at the right edge, all the cell's height
        int x = rectContent.left + 1, xRight = rectContent.right;
        for (int i = 0; i < m_wndDraw.GetGadgetCount(); ++i) {
            CGXBDTGadget* pGadget = m_wndDraw.GetGadget(i);
            pGadget->CalcSize(pDC);
            const int nWidth = pGadget->GetRect().Width();
            const BOOL bShown = pGadget->GetId() == CGXBDTGadget::gxButton ? bButton
                                : pGadget->GetId() == CGXBDTGadget::gxSpin ? bSpin
                                                                            : TRUE;
            if (!bShown) {
                pGadget->SetRect(CRect(0, 0, 0, 0));
            } else if (pGadget->GetStyle() & CGXBDTGadget::gxAnchorRight) {
                pGadget->SetRect(CRect(xRight - nWidth, rectContent.top, xRight, rectContent.bottom));
                xRight -= nWidth;
            } else {
                pGadget->SetRect(CRect(x, rectContent.top, x + nWidth, rectContent.bottom));
                x += nWidth;
            }
        }
        const BOOL bBlackWhite = m_pGrid->IsPrintingBlackWhite();
        const COLORREF crText = bBlackWhite ? RGB(0, 0, 0) : GXResolveColor(style.GetTextColor());
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        const COLORREF crOldText = pDC->SetTextColor(crText);
        const int nSaved = pDC->SaveDC();
        pDC->IntersectClipRect(&rectContent);
        const BOOL bHasValue = style.GetIncludeValue() && !style.GetValueRef().IsEmpty();
        for (int i = m_wndDraw.GetGadgetCount() - 1; i >= 0; --i) {
            CGXBDTGadget* pGadget = m_wndDraw.GetGadget(i);
            CRect rectMeet;
            if (!rectMeet.IntersectRect(&pGadget->GetRect(), &rectContent))
                continue;
            if (CGXBDTSpinGadget* pSpin = dynamic_cast<CGXBDTSpinGadget*>(pGadget))
                DrawSpinGadget(pDC, pSpin);
            else if (CGXBDTButtonGadget* pButtonGadget = dynamic_cast<CGXBDTButtonGadget*>(pGadget))
                DrawButtonGadget(pDC, pButtonGadget);
            else if (!bHasValue)
                continue;
            else if (CGXBDTNumericGadget* pNumber = dynamic_cast<CGXBDTNumericGadget*>(pGadget))
                DrawNumericGadget(pDC, pNumber);
            else if (CGXBDTListGadget* pList = dynamic_cast<CGXBDTListGadget*>(pGadget))
                DrawListGadget(pDC, pList);
            else if (CGXBDTStaticGadget* pStatic = dynamic_cast<CGXBDTStaticGadget*>(pGadget))
                DrawStaticGadget(pDC, pStatic);
        }
        pDC->RestoreDC(nSaved);
        pDC->SetTextColor(crOldText);
        pDC->SetBkMode(nOldMode);
        if (pOldFont != nullptr)
            pDC->SelectObject(pOldFont);
        CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }

    // the active current cell: the editing window over the cell, in the cell's font and colours
    const HGDIOBJ hOldFont = m_font.Detach();
    LOGFONTA lf;
    style.GetFontRef().GetZoomedLogFont(lf, m_pGrid->GetZoom());
    lf.lfEscapement = lf.lfOrientation = 0;
    m_font.CreateFontIndirect(&lf);
    SetColors(GXResolveColor(style.GetTextColor()), GXResolveColor(style.GetInterior().GetColor()));
    CGXControl::DrawBackground(pDC, rect, style, TRUE);
    SendMessage(WM_SETFONT, WPARAM(m_font.m_hObject), FALSE);
    if (hOldFont != nullptr)
        ::DeleteObject(hOldFont);
    const CRect rectWindow = GetCellRect(nRow, nCol, &rect, &style);
    MoveWindow(&rectWindow, FALSE);
    ShowWindow(SW_SHOW);
    CWnd* pGridWnd = GridWnd();
    // a cell only partly in view beside frozen rows or columns: only its visible part is painted again
    const ROWCOL nFrozenRows = m_pGrid->GetFrozenRows(), nFrozenCols = m_pGrid->GetFrozenCols();
    if (pGridWnd != nullptr && nRow > nFrozenRows &&
        (nRow < m_pGrid->GetTopRow() || (nCol > nFrozenCols && nCol < m_pGrid->GetLeftCol()))) {
        CRect rectVisible;
        rectVisible.IntersectRect(rect, m_pGrid->GetGridRect());
        pGridWnd->MapWindowPoints(this, &rectVisible);
        CRect rectClient;
        GetClientRect(&rectClient);
        ValidateRect(&rectClient);
        InvalidateRect(&rectVisible, TRUE);
    } else {
        Invalidate();
    }
    UpdateWindow();
    if (pGridWnd != nullptr && ::GetFocus() == pGridWnd->m_hWnd) {
        const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
        CWnd::SetFocus();
    }
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    ExcludeRectFromPaint(rectWindow);
}

void CGXDateTimeCtrl::DrawSpinGadget(CDC* pDC, CGXBDTSpinGadget* pGadget)
{
    pGadget->Draw(pDC);
}

void CGXDateTimeCtrl::DrawButtonGadget(CDC* pDC, CGXBDTButtonGadget* pGadget)
{
    pGadget->Draw(pDC);
}

namespace {

// A field's text centred on one line through the library's text drawing, in the highlight colours
// when highlighted.
void DrawCellField(CDC* pDC, const CString& strText, const CRect& rect, BOOL bHighlight)
{
    const GridSysColors* pColors = GXGetSysColors();
    COLORREF crOld = 0;
    if (bHighlight) {
        pDC->FillSolidRect(&rect, pColors->GetSysColor(COLOR_HIGHLIGHT));
        crOld = pDC->SetTextColor(pColors->GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    GetDrawingAndFormatting()->DrawTextWrapped(pDC, strText, strText.GetLength(), rect,
                                               DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (bHighlight)
        pDC->SetTextColor(crOld);
}

}  // namespace

void CGXDateTimeCtrl::DrawNumericGadget(CDC* pDC, CGXBDTNumericGadget* pGadget)
{
    DrawCellField(pDC, GadgetText(pGadget), pGadget->GetRect(), pGadget->HasFocus());
}

void CGXDateTimeCtrl::DrawListGadget(CDC* pDC, CGXBDTListGadget* pGadget)
{
    DrawCellField(pDC, GadgetText(pGadget), pGadget->GetRect(), pGadget->HasFocus());
}

void CGXDateTimeCtrl::DrawStaticGadget(CDC* pDC, CGXBDTStaticGadget* pGadget)
{
    DrawCellField(pDC, pGadget->GetText(), pGadget->GetRect(), FALSE);
}

// ---- clipboard ---------------------------------------------------------------------------------------

BOOL CGXDateTimeCtrl::Copy()
{
    if (!m_bInit || !m_pGrid->IsCurrentCell(m_nRow, m_nCol))
        return FALSE;
    return m_pGrid->CopyRange(CellRange());
}

BOOL CGXDateTimeCtrl::CanPaste()
{
    return !m_pGrid->IsReadOnly() && m_bInit && m_bActive && !IsReadOnlyCell() &&
           ::IsClipboardFormatAvailable(CF_TEXT);
}

BOOL CGXDateTimeCtrl::Paste()
{
    if (m_pGrid->IsReadOnly() || !m_bInit || !m_bActive || IsReadOnlyCell())
        return FALSE;
    CString strText;
    return ReadClipboardText(strText) && StoreTextInCell(strText);
}

// ---- find and replace --------------------------------------------------------------------------------

void CGXDateTimeCtrl::ResetSearch()
{
    m_nFindRow = m_nFindCol = ROWCOL(INT_MAX);
    m_strFindText.Empty();
    m_nFindGadget = 0;
    m_bFound = FALSE;
}

const CGXStyle& CGXDateTimeCtrl::SearchStyle(const GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol,
                                             std::unique_ptr<CGXComposedStyle>& rpComposed)
{
    if (state.m_pStyle != nullptr)
        return *state.m_pStyle;
    return CellStyle(nRow, nCol, rpComposed);
}

int CGXDateTimeCtrl::FindField(const CGXBDateTimeCtrl& wnd, const CString& strFind, BOOL bCase, int nStart) const
{
    const BOOL bDigit = !strFind.IsEmpty() && strFind[0] >= '0' && strFind[0] <= '9';
    for (int i = nStart < wnd.GetFixedGadgetCount() ? wnd.GetFixedGadgetCount() : nStart; i < wnd.GetGadgetCount();
         ++i) {
        const CGXBDTGadget* pGadget = wnd.GetGadget(i);
        if (dynamic_cast<const CGXBDTNumericGadget*>(pGadget) != nullptr) {
            if (bDigit && std::atoi(strFind) == pGadget->GetValue())
                return i;
        } else if (const CGXBDTListGadget* pList = dynamic_cast<const CGXBDTListGadget*>(pGadget)) {
            const CString strName = pList->GetString(pList->GetValue());
            const int nLength = strFind.GetLength();
            if (strName.GetLength() >= nLength &&
                ::CompareStringA(LOCALE_USER_DEFAULT, bCase ? 0 : NORM_IGNORECASE, strName, nLength, strFind,
                                 nLength) == CSTR_EQUAL)
                return i;
        }
    }
    return -1;
}

BOOL CGXDateTimeCtrl::FindText(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL, BOOL bSelect)
{
    if (state.m_strFind.IsEmpty() || m_hWnd == nullptr)
        return FALSE;
    if (m_bActive && IsAttachedTo(nRow, nCol)) {
        // the same text in the same cell goes on after the last hit
        const BOOL bGoOn = m_bFound && m_nFindRow == nRow && m_nFindCol == nCol && m_strFindText == state.m_strFind;
        const int nHit = FindField(*this, state.m_strFind, state.m_bCase, bGoOn ? m_nFindGadget + 1 : 0);
        if (nHit < 0) {
            ResetSearch();
            return FALSE;
        }
        m_nFindRow = nRow;
        m_nFindCol = nCol;
        m_strFindText = state.m_strFind;
        m_nFindGadget = nHit;
        m_bFound = TRUE;
        if (bSelect)
            HighlightField(nHit);
        return TRUE;
    }
    int nHit;
    {
        std::unique_ptr<CGXComposedStyle> pComposed;
        const CGXStyle& style = SearchStyle(state, nRow, nCol, pComposed);
        if (!style.GetIncludeValue() || !LoadValue(m_wndMeasure, style, nullptr, TRUE))
            return FALSE;
        nHit = FindField(m_wndMeasure, state.m_strFind, state.m_bCase, 0);
    }
    if (nHit < 0)
        return FALSE;
    if (bSelect) {
        m_pGrid->SetCurrentCell(nRow, nCol, CGXGridCore::gxUpdateNow2 | CGXGridCore::gxKeepFocus);
        m_pGrid->ScrollCellInView(nRow, nCol, 2);
        if (IsAttachedTo(nRow, nCol)) {
            SetActive(TRUE);
            HighlightField(nHit);
            m_nFindRow = nRow;
            m_nFindCol = nCol;
            m_strFindText = state.m_strFind;
            m_nFindGadget = nHit;
            m_bFound = TRUE;
            Refresh();
        }
    }
    return TRUE;
}

BOOL CGXDateTimeCtrl::ReplaceSel(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol)
{
    if (state.m_strFind.IsEmpty() || m_hWnd == nullptr)
        return FALSE;
    {
        std::unique_ptr<CGXComposedStyle> pComposed;
        if (SearchStyle(state, nRow, nCol, pComposed).GetReadOnly())
            return FALSE;
    }
    if (!FindText(state, nRow, nCol, TRUE, TRUE))
        return FALSE;
    return StoreTextInCell(state.m_strReplace);
}

// ---- the style dialog --------------------------------------------------------------------------------

void CGXDateTimeCtrl::RegisterUserAttributes(CGXStylesMap& stylesMap)
{
    CGXStyle noEdit;
    noEdit.SetControl(GX_IDS_CTRL_CHECKLIST_COMBOBOX)
        .SetChoiceList("No Edit\nFixed Year\nFixed Month\nFixed Day\nFixed Hour\nFixed Minute\nFixed Second");
    stylesMap.AddUserAttribute(GX_IDS_UA_DATENOEDIT, &noEdit);
    stylesMap.AddUserAttribute(GX_IDS_UA_DATEMIN, nullptr);
    stylesMap.AddUserAttribute(GX_IDS_UA_DATEMAX, nullptr);
    // the two lists show their names and store their numbers
    auto tabbedList = [](const char* pszChoices) {
        CGXStyle style;
        style.SetControl(GX_IDS_CTRL_TABBED_COMBOBOX).SetChoiceList(pszChoices);
        style.SetUserAttribute(GX_IDS_UA_TABLIST_KEYCOL, "1");
        style.SetUserAttribute(GX_IDS_UA_TABLIST_TEXTCOL, "0");
        style.SetUserAttribute(GX_IDS_UA_TABLIST_SHOWALLCOLS, "0");
        return style;
    };
    const CGXStyle mode = tabbedList("No Validation\t0\nTime\t1\nDate\t2\nDate and Time\t3\n");
    stylesMap.AddUserAttribute(GX_IDS_UA_DATEVALIDMODE, &mode);
    const CGXStyle type = tabbedList("Time\t0\nShortDate\t1\nLongDate\t2\nCustom\t3\nDateTime\t4\n");
    stylesMap.AddUserAttribute(GX_IDS_UA_DATEFORMATTYPE, &type);
    stylesMap.AddUserAttribute(GX_IDS_UA_CUSTOMFORMAT, nullptr);
    CGXStyle fastInput;
    fastInput.SetControl(GX_IDS_CTRL_CHECKBOX3D);
    stylesMap.AddUserAttribute(GX_IDS_UA_DATEFASTINPUT, &fastInput);
    stylesMap.AddUserAttribute(GX_IDS_UA_DATETIMEASNUMBER, nullptr);
}

CGXControl* GXCreateDateTimeCtrl(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    CGXDateTimeCtrl* pControl = new CGXDateTimeCtrl(pGrid, entry.nArgCount > 0 ? UINT(entry.adwArgs[0]) : entry.nId);
    pControl->CreateChildWindows(entry.dwWndStyle);
    pControl->m_bSpinAlways = FALSE;
    pControl->m_bButtonAlways = FALSE;
    return pControl;
}

void GXRegisterDateTimeCtrlAttributes(CGXStylesMap& stylesMap)
{
    CGXDateTimeCtrl::RegisterUserAttributes(stylesMap);
}

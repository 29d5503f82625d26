// CGXControl: the base of the cell controls (see GXControl.h).
#include "grid/engine/GXControl.h"

#include "grid/engine/GXCellTip.h"
#include "grid/engine/GXCellTipHandler.h"
#include "grid/engine/GXChild.h"
#include "grid/engine/GXChoiceList.h"
#include "grid/engine/GXColor.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXFindReplace.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "win/Win.h"

#include <cstdlib>
#include <cstring>

namespace {

BOOL IncludesReadOnly(const CGXStyle* pStyle)
{
    return pStyle != nullptr && pStyle->GetIncludeReadOnly() && pStyle->GetReadOnly();
}

}  // namespace

const GXControlClass CGXControl::classRecord = {"CGXControl", nullptr};

CGXControl::CGXControl(CGXGridCore* pGrid)
    : m_pGrid(pGrid), m_nRow(ROWCOL(-1)), m_nCol(ROWCOL(-1)), m_pStyle(nullptr), m_bInit(FALSE),
      m_pChildList(nullptr), m_pFocusChild(nullptr), m_bPendingLeadByte(FALSE), m_chLeadByte(0)
{
    if (pGrid == nullptr)
        AfxThrowInvalidArgException("CGXControl: null grid");
}

CGXControl::~CGXControl()
{
    delete m_pCellTip;
    delete m_pStyle;
    if (m_pChildList != nullptr) {
        for (POSITION pos = m_pChildList->GetHeadPosition(); pos != nullptr;)
            delete static_cast<CGXChild*>(m_pChildList->GetNext(pos));
        delete m_pChildList;
    }
}

const GXControlClass* CGXControl::GetControlClass() const
{
    return &classRecord;
}

CRuntimeClass* CGXControl::GetWndRuntimeClass()
{
    return nullptr;
}

CWnd* CGXControl::GetWndPtr() const
{
    return nullptr;
}

// ---- editing state ------------------------------------------------------------------------------

void CGXControl::SetActive(BOOL) {}

BOOL CGXControl::IsActive()
{
    return FALSE;
}

void CGXControl::SetModify(BOOL) {}

BOOL CGXControl::GetModify()
{
    return FALSE;
}

void CGXControl::Init(ROWCOL nRow, ROWCOL nCol)
{
    m_nRow = nRow;
    m_nCol = nCol;
    m_bInit = TRUE;
    SetActive(FALSE);
    SetModify(FALSE);
    FreeStyle();
    SetFocusChild(nullptr);
    m_bLeftChildHeld = FALSE;
    LayoutChildren(nRow, nCol, CGXControl::GetCellRect(nRow, nCol));
    m_pGrid->OnInitCurrentCell(nRow, nCol);
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && (pParam->GetActivateCellFlags() & 4) != 0 && OnStartEditing())
        SetActive(TRUE);
}

void CGXControl::Reset()
{
    if (GetModify() || IsActive())
        m_pGrid->RedrawRowCol(m_nRow, m_nCol, m_nRow, m_nCol, 1, FALSE);
    Hide();
    SetModify(FALSE);
    SetActive(FALSE);
    FreeStyle(TRUE);
    m_bInit = FALSE;
}

BOOL CGXControl::Store()
{
    return FALSE;
}

BOOL CGXControl::ValidateInput()
{
    if (!IsActive() || !GetModify())
        return TRUE;
    CString strText;
    GetCurrentText(strText);
    if (!strText.IsEmpty()) {
        const CGXStyle& style = GetStyle();
        const CString strMin = style.GetUserAttribute(GX_IDS_UA_VALID_MIN).GetValue();
        const CString strMax = style.GetUserAttribute(GX_IDS_UA_VALID_MAX).GetValue();
        const double dValue = std::atof(strText);
        if ((!strMin.IsEmpty() && dValue < std::atof(strMin)) || (!strMax.IsEmpty() && dValue > std::atof(strMax))) {
            m_pGrid->SetWarningText(style.GetUserAttribute(GX_IDS_UA_VALID_MSG).GetValue());
            return FALSE;
        }
    }
    if (!ValidateString(strText)) {
        OnInvalidInput(strText);
        return FALSE;
    }
    return m_pGrid->OnValidateInput(m_nRow, m_nCol);
}

BOOL CGXControl::OnStartEditing()
{
    return m_bInit && m_pGrid->OnStartEditing(m_nRow, m_nCol);
}

void CGXControl::OnModifyCell()
{
    if (GetModify())
        m_pGrid->OnModifyCell(m_nRow, m_nCol);
}

BOOL CGXControl::OnCancelEditing()
{
    return m_pGrid->OnCancelEditing(m_nRow, m_nCol);
}

void CGXControl::OnCanceledEditing()
{
    m_pGrid->OnCanceledEditing(m_nRow, m_nCol);
}

BOOL CGXControl::OnValidateCell()
{
    return m_pGrid->OnValidateCell(m_nRow, m_nCol);
}

BOOL CGXControl::OnLeftCell(ROWCOL nNewRow, ROWCOL nNewCol)
{
    return m_pGrid->OnLeftCell(m_nRow, m_nCol, nNewRow, nNewCol);
}

BOOL CGXControl::OnEndEditing()
{
    return m_pGrid->OnDeleteCell(m_nRow, m_nCol);
}

// ---- geometry -------------------------------------------------------------------------------------

CRect CGXControl::GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect, const CGXStyle* pStyle)
{
    std::unique_ptr<CGXComposedStyle> pBorrowed;
    if (pStyle == nullptr)
        pStyle = &CellStyle(nRow, nCol, pBorrowed);
    CRect rect = m_pGrid->SubtractBorders(pRect != nullptr ? *pRect : m_pGrid->CalcCellRect(nRow, nCol), *pStyle);
    const CGXGridParam* pParam = m_pGrid->GetParam();
    const CGXProperties* pProp = pParam != nullptr ? pParam->GetProperties() : nullptr;
    if (pProp == nullptr || pParam->GetLineOffset())
        return rect;
    // the last frozen column and row draw their edge line themselves
    const BOOL bPrint = m_pGrid->IsPrinting();
    const BOOL bVert = bPrint ? pProp->GetPrintVertLines() : pProp->GetDisplayVertLines();
    const BOOL bHorz = bPrint ? pProp->GetPrintHorzLines() : pProp->GetDisplayHorzLines();
    if (bVert && nCol == m_pGrid->GetFrozenCols() && nCol > m_pGrid->GetHeaderCols() &&
        !pStyle->GetIncludeBorders(CGXStyle::gxBorderRight))
        rect.right--;
    if (bHorz && nRow == m_pGrid->GetFrozenRows() && nRow > m_pGrid->GetHeaderRows() &&
        !pStyle->GetIncludeBorders(CGXStyle::gxBorderBottom))
        rect.bottom--;
    return rect;
}

CSize CGXControl::AddBorders(CSize size, const CGXStyle& style)
{
    return m_pGrid->AddBorders(size, style);
}

CSize CGXControl::CalcSize(CDC*, ROWCOL, ROWCOL, const CGXStyle&, const CGXStyle*, BOOL)
{
    return CSize(0, 0);
}

BOOL CGXControl::CanFloatCell(ROWCOL, ROWCOL, const CGXStyle&, BOOL)
{
    return FALSE;
}

BOOL CGXControl::HasValueText(ROWCOL, ROWCOL, const CGXStyle& style)
{
    return style.GetIncludeValue() && !style.GetValueRef().IsEmpty();
}

// ---- drawing --------------------------------------------------------------------------------------

void CGXControl::DrawCurrentCellFrame(CDC* pDC, const CRect& rect, const CGXStyle&)
{
    const CGXGridParam* pParam = m_pGrid->GetParam();
    const CGXProperties* pProp = pParam != nullptr ? pParam->GetProperties() : nullptr;
    if (pProp == nullptr || m_pGrid->m_bHideCurrentCell)
        return;
    if (pParam->GetActivateCellFlags() == 4 && GetWndPtr() != nullptr)
        return;
    const int nMarking = m_pGrid->m_nMarkCurrentCell;
    if (nMarking != 0 && !(nMarking == 2 && m_pGrid->HasFocus()))
        return;
    // the marking names of the properties, in their order
    enum { gxInvertThin, gxInvertThick, gxThinBorder, gxThickBorder, gxNoBorder };
    const CString& strForm = pProp->GetUserProperty(GX_IDS_UP_CURRENTCELL).GetValueRef();
    if (strForm == pProp->GetMarkingName(gxNoBorder))
        return;
    if (strForm == pProp->GetMarkingName(gxThinBorder) || strForm == pProp->GetMarkingName(gxThickBorder)) {
        const CGXCellPen pen(CGXCellPen::gxSolid, strForm == pProp->GetMarkingName(gxThinBorder) ? 1 : 2, RGB(0, 0, 0));
        for (int nSide : {CGXStyle::gxBorderTop, CGXStyle::gxBorderBottom, CGXStyle::gxBorderLeft, CGXStyle::gxBorderRight})
            m_pGrid->DrawBorderSide(pDC, rect, pen, nSide);
        return;
    }
    const int w = strForm == pProp->GetMarkingName(gxInvertThick) ? 2 : 1;
    const CRect strips[] = {CRect(rect.left, rect.top, rect.left + w, rect.bottom),
                            CRect(rect.right - w, rect.top, rect.right, rect.bottom),
                            CRect(rect.left + w, rect.top, rect.right - w, rect.top + w),
                            CRect(rect.left + w, rect.bottom - w, rect.right - w, rect.bottom)};
    for (const CRect& strip : strips)
        pDC->InvertRect(&strip);
}

void CGXControl::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      const CGXStyle*)
{
    if (GetCount() == 0)
        return;
    LayoutChildren(nRow, nCol, CGXControl::GetCellRect(nRow, nCol, &rect, &style));
    const BOOL bFocus = m_pGrid->IsCurrentCell(nRow, nCol) && !m_pGrid->IsPrinting() && m_pGrid->HasFocus();
    for (POSITION pos = m_pChildList->GetHeadPosition(); pos != nullptr;)
        static_cast<CGXChild*>(m_pChildList->GetNext(pos))->Draw(pDC, bFocus, style);
}

void CGXControl::DrawBackground(CDC* pDC, const CRect& rect, const CGXStyle& style, BOOL bErase)
{
    if ((bErase || m_pGrid->GetDrawCellBackground()) && style.GetIncludeInterior()) {
        CGXCellBrush brush = style.GetInterior();
        if (m_pGrid->IsPrintingBlackWhite()) {
            brush.SetColor(RGB(255, 255, 255));
            brush.SetBkColor(RGB(255, 255, 255));
        }
        const LOGBRUSH lb = brush.GetLogBrush();
        CBrush gdiBrush;
        if (gdiBrush.CreateBrushIndirect(&lb)) {
            // a pattern brush draws its set bits in the background colour, the others in the text colour
            const COLORREF clrOldText = pDC->SetTextColor(GXResolveColor(brush.GetColor()));
            const COLORREF clrOldBk = pDC->SetBkColor(GXResolveColor(brush.GetBkColor()));
            pDC->FillRect(&rect, &gdiBrush);
            pDC->SetTextColor(clrOldText);
            pDC->SetBkColor(clrOldBk);
        }
    }
    Draw3dFrame(pDC, rect, style);
}

void CGXControl::Draw3dFrame(CDC* pDC, const CRect& rect, const CGXStyle& style)
{
    if (m_pGrid->IsPrintingBlackWhite() || !style.GetIncludeDraw3dFrame())
        return;
    const UINT nFrame = style.GetDraw3dFrame();
    if (nFrame != 1 && nFrame != 2)
        return;
    const COLORREF clrHighlight = GXGetSysColors()->GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF clrBlack = RGB(0, 0, 0);
    const CRect r = m_pGrid->SubtractBorders(rect, style, TRUE);
    GetDrawingAndFormatting()->Draw3dRect(pDC, r.left - 1, r.top - 1, r.right, r.bottom, 1,
                                          nFrame == 1 ? clrHighlight : clrBlack, nFrame == 1 ? clrBlack : clrHighlight);
}

// ---- text and value ---------------------------------------------------------------------------------

void CGXControl::GetCurrentText(CString& strResult)
{
    if (m_pStyle != nullptr && m_pStyle->GetIncludeValue())
        strResult = m_pStyle->GetValueRef();
    else if (m_bInit)
        GetControlText(strResult, m_nRow, m_nCol, nullptr, GetStyle());
    else
        strResult.Empty();
}

void CGXControl::SetValue(const char* pszValue)
{
    if (m_bInit)
        m_pGrid->SetControlTextRowCol(m_nRow, m_nCol, pszValue, 2, &GetStyle());
}

BOOL CGXControl::GetValue(CString& strResult)
{
    if (!m_bInit || !GetStyle().GetIncludeValue())
        return FALSE;
    strResult = m_pStyle->GetValueRef();
    return TRUE;
}

void CGXControl::SetCurrentText(const char* pszText)
{
    if (!m_bInit)
        return;
    GetStyle();
    m_pStyle->SetValue(pszText);
}

BOOL CGXControl::GetControlText(CString& strResult, ROWCOL, ROWCOL, const char* pszValue, const CGXStyle& style)
{
    if (pszValue == nullptr) {
        if (!style.GetIncludeValue()) {
            strResult.Empty();
            return FALSE;
        }
        pszValue = style.GetValueRef();
    }
    if (style.GetIncludeFormat() && style.GetFormat() != 0)
        FormatValueText(strResult, style, pszValue, style.GetValueType());
    else
        strResult = pszValue;
    return TRUE;
}

BOOL CGXControl::SetControlText(ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags, const CGXStyle* pOldStyle)
{
    std::unique_ptr<CGXComposedStyle> pBorrowed;
    if (pOldStyle == nullptr) {
        pBorrowed = std::make_unique<CGXComposedStyle>(m_pGrid, nRow, nCol);
        pOldStyle = &pBorrowed->Get();
    }
    CString strText(pszText != nullptr ? pszText : "");
    if (!ConvertTextToValue(strText, nRow, nCol, pOldStyle))
        return FALSE;
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && pParam->GetReadOnlyGuard() && (m_pGrid->IsReadOnly() || IncludesReadOnly(pOldStyle)))
        return FALSE;
    if (pOldStyle->GetIncludeMaxLength() && pOldStyle->GetMaxLength() > 0 &&
        strText.GetLength() > int(pOldStyle->GetMaxLength()))
        strText = strText.Left(GXCharBoundaryLength(strText, pOldStyle->GetMaxLength()));
    return m_pGrid->ApplyValueToRange(CGXCellRange(nRow, nCol, nRow, nCol), strText, CGXStyle::gxOverride, 0, nFlags);
}

BOOL CGXControl::ConvertTextToValue(CString&, ROWCOL, ROWCOL, const CGXStyle*)
{
    return TRUE;
}

BOOL CGXControl::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind,
                                  const CGXStyle* pCurrentStyle)
{
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && pParam->GetReadOnlyGuard() && (m_pGrid->IsReadOnly() || IncludesReadOnly(pCurrentStyle)))
        return FALSE;
    const BOOL bResult = m_pGrid->StoreStyleRowCol(nRow, nCol, pStyle, nMode, nKind);
    if (!bResult || !m_pGrid->IsCurrentCell(nRow, nCol))
        return bResult;
    if (!IsAttachedTo(nRow, nCol) || nMode == 4) {
        Init(nRow, nCol);
        return bResult;
    }
    const BOOL bModified = GetModify();
    FreeStyle(TRUE);
    GetStyle();
    if (pStyle != nullptr && pStyle->GetIncludeControl())
        m_pGrid->FreeCurrentCellControl();
    else if (pStyle != nullptr && pStyle->GetIncludeValue())
        SetCurrentText(m_pStyle->GetValueRef());
    Refresh();
    SetModify(nMode == CGXStyle::gxCopy ? FALSE : bModified);
    return bResult;
}

void CGXControl::GetValueIntoStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style)
{
    CString strValue;
    if (m_bInit && m_pGrid->IsCurrentCell(nRow, nCol) && GetValue(strValue))
        style.SetValue(strValue);
}

BOOL CGXControl::GetChoiceListItem(CString& strResult, const char* pszChoiceList, int nIndex)
{
    strResult.Empty();
    if (nIndex < 0 || pszChoiceList == nullptr)
        return FALSE;
    CString strList(pszChoiceList);
    CString strLine;
    for (int i = 0; !strList.IsEmpty(); ++i) {
        ExtractFirstLine(strList, strLine);
        if (i == nIndex) {
            strResult = strLine;
            return TRUE;
        }
    }
    return FALSE;
}

int CGXControl::FindChoiceListItem(CString& strResult, const char* pszText, const char* pszChoiceList, BOOL bExact)
{
    strResult.Empty();
    const CString strText(pszText != nullptr ? pszText : "");
    if (strText.IsEmpty() || pszChoiceList == nullptr)
        return -1;
    CString strList(pszChoiceList);
    CString strLine;
    int nPrefix = -1;
    CString strPrefix;
    for (int i = 0; !strList.IsEmpty(); ++i) {
        ExtractFirstLine(strList, strLine);
        if (strLine.CompareNoCase(strText) == 0) {
            strResult = strLine;
            return i;
        }
        if (!bExact && nPrefix < 0 && strLine.GetLength() >= strText.GetLength() &&
            strLine.Left(strText.GetLength()).CompareNoCase(strText) == 0) {
            nPrefix = i;
            strPrefix = strLine;
        }
    }
    if (nPrefix >= 0)
        strResult = strPrefix;
    return nPrefix;
}

void CGXControl::GetStyleValueText(ROWCOL, ROWCOL, const CGXStyle& style, CString& strResult)
{
    strResult = style.GetValueRef();
}

BOOL CGXControl::FindText(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos, BOOL bSelect)
{
    CGXAbstractGridFindReplaceImp* pImp = m_pGrid->m_pFindReplaceImp;
    return !state.m_strFind.IsEmpty() && pImp != nullptr &&
           pImp->FindTextInCell(this, state, nRow, nCol, bCurrentPos, bSelect);
}

BOOL CGXControl::ReplaceSel(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol)
{
    CGXAbstractGridFindReplaceImp* pImp = m_pGrid->m_pFindReplaceImp;
    return !state.m_strFind.IsEmpty() && pImp != nullptr && pImp->ReplaceInCell(this, state, nRow, nCol);
}

BOOL CGXControl::StoreTextInCell(const char* pszText)
{
    if (!m_bInit || !m_pGrid->IsCurrentCell(m_nRow, m_nCol))
        return FALSE;
    return m_pGrid->SetControlTextRowCol(m_nRow, m_nCol, pszText, 2, &GetStyle());
}

BOOL CGXControl::GetSelectedText(CString& strResult)
{
    GetCurrentText(strResult);
    return FALSE;
}

// ---- showing ------------------------------------------------------------------------------------------

void CGXControl::Hide() {}

void CGXControl::Refresh()
{
    if (!m_bInit)
        return;
    Hide();
    m_pGrid->RedrawRowCol(m_nRow, m_nCol, m_nRow, m_nCol, 1, FALSE);
}

// ---- mouse and keys -------------------------------------------------------------------------------

void CGXControl::LayoutInCell()
{
    if (GetCount() > 0)
        LayoutChildren(m_nRow, m_nCol, CGXControl::GetCellRect(m_nRow, m_nCol));
}

WORD CGXControl::ActivationFlags() const
{
    const CGXGridParam* pParam = m_pGrid != nullptr ? m_pGrid->GetParam() : nullptr;
    return pParam != nullptr ? pParam->GetActivateCellFlags() : 0;
}

CGXChild* CGXControl::ChildFromPoint(CPoint point) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (GetChild(i)->PtInRect(point))
            return GetChild(i);
    return nullptr;
}

BOOL CGXControl::RouteButtonDown(BOOL (CGXChild::*pfnChild)(UINT, CPoint), UINT nFlags, CPoint point)
{
    LayoutInCell();
    CGXChild* pChild = ChildFromPoint(point);
    if (pChild == nullptr)
        return FALSE;
    SetFocusChild(pChild);
    return (pChild->*pfnChild)(nFlags, point);
}

BOOL CGXControl::RouteButtonUp(BOOL (CGXChild::*pfnChild)(UINT, CPoint),
                               BOOL (CGXGridCore::*pfnGrid)(ROWCOL, ROWCOL, UINT, CPoint), UINT nFlags, CPoint point)
{
    LayoutInCell();
    BOOL bTaken = m_pFocusChild != nullptr && (m_pFocusChild->*pfnChild)(nFlags, point);
    if (m_pGrid->CalcCellRect(m_nRow, m_nCol).PtInRect(point))
        bTaken = (m_pGrid->*pfnGrid)(m_nRow, m_nCol, nFlags, point) || bTaken;
    return bTaken;
}

BOOL CGXControl::RouteDblClk(BOOL (CGXChild::*pfnChild)(UINT, CPoint),
                             BOOL (CGXGridCore::*pfnGrid)(ROWCOL, ROWCOL, UINT, CPoint), UINT nFlags, CPoint point)
{
    LayoutInCell();
    for (int i = 0; i < GetCount(); ++i)
        if (GetChild(i)->PtInRect(point) && (GetChild(i)->*pfnChild)(nFlags, point))
            return TRUE;
    return (m_pGrid->*pfnGrid)(m_nRow, m_nCol, nFlags, point);
}

BOOL CGXControl::OnMouseMove(UINT nFlags, CPoint point)
{
    LayoutInCell();
    return m_bLeftChildHeld && (nFlags & MK_LBUTTON) != 0 && m_pFocusChild != nullptr &&
           m_pFocusChild->OnMouseMove(nFlags, point);
}

BOOL CGXControl::OnMouseOverCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point)
{
    LayoutInCell();
    for (int i = 0; i < GetCount(); ++i)
        if (GetChild(i)->OnMouseOverCell(nRow, nCol, nFlags, point))
            return TRUE;
    return m_pGrid->OnMouseOverCell(nRow, nCol, nFlags, point);
}

BOOL CGXControl::OnLButtonDown(UINT nFlags, CPoint point)
{
    const BOOL bTaken = RouteButtonDown(&CGXChild::OnLButtonDown, nFlags, point);
    m_bLeftChildHeld = m_pFocusChild != nullptr && m_pFocusChild->PtInRect(point);
    return bTaken;
}

BOOL CGXControl::OnLButtonUp(UINT nFlags, CPoint point)
{
    m_bLeftChildHeld = FALSE;
    return RouteButtonUp(&CGXChild::OnLButtonUp, &CGXGridCore::OnLButtonClickedRowCol, nFlags, point);
}

BOOL CGXControl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    return RouteDblClk(&CGXChild::OnLButtonDblClk, &CGXGridCore::OnLButtonDblClkRowCol, nFlags, point);
}

BOOL CGXControl::OnRButtonDown(UINT nFlags, CPoint point)
{
    return RouteButtonDown(&CGXChild::OnRButtonDown, nFlags, point);
}

BOOL CGXControl::OnRButtonUp(UINT nFlags, CPoint point)
{
    return RouteButtonUp(&CGXChild::OnRButtonUp, &CGXGridCore::OnRButtonClickedRowCol, nFlags, point);
}

BOOL CGXControl::OnRButtonDblClk(UINT nFlags, CPoint point)
{
    return RouteDblClk(&CGXChild::OnRButtonDblClk, &CGXGridCore::OnRButtonDblClkRowCol, nFlags, point);
}

BOOL CGXControl::OnMButtonDown(UINT nFlags, CPoint point)
{
    return RouteButtonDown(&CGXChild::OnMButtonDown, nFlags, point);
}

BOOL CGXControl::OnMButtonUp(UINT nFlags, CPoint point)
{
    return RouteButtonUp(&CGXChild::OnMButtonUp, &CGXGridCore::OnMButtonClickedRowCol, nFlags, point);
}

BOOL CGXControl::OnMButtonDblClk(UINT nFlags, CPoint point)
{
    return RouteDblClk(&CGXChild::OnMButtonDblClk, &CGXGridCore::OnMButtonDblClkRowCol, nFlags, point);
}

BOOL CGXControl::ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pFocusChild != nullptr && m_pFocusChild->ProcessKeyMessage(nMessage, nChar, nRepCnt, nFlags))
        return TRUE;
    switch (nMessage) {
    case WM_KEYDOWN:
        return OnGridKeyDown(nChar, nRepCnt, nFlags);
    case WM_KEYUP:
        return OnGridKeyUp(nChar, nRepCnt, nFlags);
    case WM_CHAR: {
        CString strChar;
        if (!ComposeMultiByteChar(nChar, strChar, m_bPendingLeadByte, m_chLeadByte))
            return OnGridChar(nChar, nRepCnt, nFlags);
        return m_bPendingLeadByte || OnGridDoubleByteChar(strChar, nRepCnt, nFlags);
    }
    case WM_DEADCHAR:
        return OnGridDeadChar(nChar, nRepCnt, nFlags);
    case WM_SYSKEYDOWN:
        return OnGridSysKeyDown(nChar, nRepCnt, nFlags);
    case WM_SYSKEYUP:
        return OnGridSysKeyUp(nChar, nRepCnt, nFlags);
    case WM_SYSCHAR:
        return OnGridSysChar(nChar, nRepCnt, nFlags);
    case WM_SYSDEADCHAR:
        return OnGridSysDeadChar(nChar, nRepCnt, nFlags);
    default:
        return FALSE;
    }
}

BOOL CGXControl::OnGridKeyDown(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXControl::OnGridKeyUp(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXControl::OnGridChar(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXControl::OnGridDoubleByteChar(const CString&, UINT, UINT)
{
    return FALSE;
}

BOOL CGXControl::OnGridDeadChar(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXControl::OnGridSysKeyDown(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXControl::OnGridSysKeyUp(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXControl::OnGridSysChar(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXControl::OnGridSysDeadChar(UINT, UINT, UINT)
{
    return FALSE;
}

// ---- clipboard ------------------------------------------------------------------------------------

BOOL CGXControl::Copy()
{
    if (!IsActive()) {
        if (m_bInit && m_pGrid->IsCurrentCell(m_nRow, m_nCol))
            return m_pGrid->CopyRange(CGXCellRange(m_nRow, m_nCol, m_nRow, m_nCol));
        return FALSE;
    }
    CString strText;
    GetSelectedText(strText);
    CSharedFile file;
    file.Write(strText.GetString(), uint32_t(strText.GetLength()) + 1);  // with its terminating 0
    CWnd* pWnd = GridWnd();
    if (!::OpenClipboard(pWnd != nullptr ? pWnd->m_hWnd : nullptr))
        return FALSE;
    // emptied first: an older block of the grid's own format would otherwise win the next paste
    ::EmptyClipboard();
    HGLOBAL hData = file.Detach();
    const BOOL bSet = ::SetClipboardData(CF_TEXT, hData) != nullptr;
    if (!bSet)
        ::GlobalFree(hData);
    ::CloseClipboard();
    return bSet;
}

BOOL CGXControl::CanPasteNow()
{
    if (!m_bInit || !IsActive() || IsReadOnlyCell())
        return FALSE;
    const CGXGridParam* pParam = m_pGrid->GetParam();
    return !(pParam != nullptr && pParam->GetPreferPrivateClipboardFormat() &&
             ::IsClipboardFormatAvailable(GXGetLibraryState()->m_nClipboardFormat));
}

BOOL CGXControl::ReadClipboardText(CString& strText) const
{
    // another window may hold the clipboard open for us (a paste in progress)
    const BOOL bOpen = ::GetOpenClipboardWindow() == nullptr;
    CWnd* pWnd = GridWnd();
    if (bOpen && !::OpenClipboard(pWnd != nullptr ? pWnd->m_hWnd : nullptr))
        return FALSE;
    HANDLE hData = ::GetClipboardData(CF_TEXT);
    if (hData == nullptr)
        hData = ::GetClipboardData(CF_OEMTEXT);
    const char* psz = hData != nullptr ? static_cast<const char*>(::GlobalLock(hData)) : nullptr;
    if (psz != nullptr) {
        strText = CString(psz, int(strnlen(psz, ::GlobalSize(hData))));
        ::GlobalUnlock(hData);
    }
    if (bOpen)
        ::CloseClipboard();
    return psz != nullptr;
}

BOOL CGXControl::Paste()
{
    CString strText;
    if (!CanPasteNow() || !ReadClipboardText(strText) || !ValidatePasteText(strText))
        return FALSE;
    return StoreTextInCell(strText);
}

BOOL CGXControl::Cut()
{
    if (IsActive())
        return Copy() && StoreTextInCell("");
    if (!m_bInit || !m_pGrid->IsCurrentCell(m_nRow, m_nCol) || IsReadOnlyCell())
        return FALSE;
    CGXRangeList list;
    list.AddRange(CGXCellRange(m_nRow, m_nCol, m_nRow, m_nCol));
    return m_pGrid->ClearCells(list, FALSE);
}

BOOL CGXControl::CanCopy()
{
    return m_bInit;
}

BOOL CGXControl::CanCut()
{
    return m_bInit && !IsReadOnlyCell();
}

BOOL CGXControl::CanPaste()
{
    return CanPasteNow() &&
           (::IsClipboardFormatAvailable(CF_TEXT) || ::IsClipboardFormatAvailable(CF_OEMTEXT));
}

// ---- notices --------------------------------------------------------------------------------------

UINT CGXControl::OnGridScroll(UINT nMessage)
{
    if (nMessage != WM_HSCROLL && nMessage != WM_VSCROLL)
        return nMessage;
    CGXCellRange range;
    if (!IsActive() || !m_pGrid->GetCoveredCellsRowCol(m_nRow, m_nCol, range))
        return 0;
    // a covered range that straddles the frozen part would scroll apart from its control
    const ROWCOL nFrozenCols = m_pGrid->GetFrozenCols();
    const ROWCOL nFrozenRows = m_pGrid->GetFrozenRows();
    if ((range.left <= nFrozenCols && range.right > nFrozenCols) ||
        (range.top <= nFrozenRows && range.bottom > nFrozenRows)) {
        if (GetModify())
            Store();
        SetActive(FALSE);
        Refresh();
    }
    return 0;
}

BOOL CGXControl::OnGridCtlColor(CDC*, CWnd*, UINT, HBRUSH&)
{
    return FALSE;
}

BOOL CGXControl::OnCommand(WPARAM, LPARAM)
{
    return FALSE;
}

BOOL CGXControl::OnGridMouseActivate(CWnd*, UINT, UINT, int&)
{
    return FALSE;
}

BOOL CGXControl::IsCoveredCellUnit()
{
    return FALSE;
}

void CGXControl::OnClickedButton(CGXChild* pChild)
{
    m_pGrid->OnClickedButton(m_nRow, m_nCol, pChild);
}

BOOL CGXControl::MarkEditHeader(ROWCOL nRow, ROWCOL nCol, UINT nFlags)
{
    CGXAbstractGridMarkEditHeaderImp* pImp = m_pGrid->m_pMarkEditHeaderImp;
    return pImp != nullptr && pImp->IsHeaderMarked(this, nRow, nCol, nFlags);
}

void CGXControl::OnInvalidInput(const CString&) {}

BOOL CGXControl::PreTranslateMessage(MSG*)
{
    return FALSE;
}

void CGXControl::OnGridWinIniChange(LPCSTR lpszSection)
{
    for (int i = 0; i < GetCount(); ++i)
        GetChild(i)->OnGridWinIniChange(lpszSection);
}

void CGXControl::OnGridSysColorChange()
{
    for (int i = 0; i < GetCount(); ++i)
        GetChild(i)->OnGridSysColorChange();
}

void CGXControl::OnGridCancelMode()
{
    m_bLeftChildHeld = FALSE;
    for (int i = 0; i < GetCount(); ++i)
        GetChild(i)->OnGridCancelMode();
}

BOOL CGXControl::IsReadOnlyCell()
{
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && pParam->GetReadOnlyGuard() && m_pGrid->IsReadOnly())
        return TRUE;
    return m_bInit && IncludesReadOnly(&GetStyle());
}

BOOL CGXControl::NeedShowCellTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    return m_pCellTip != nullptr ? BOOL(m_pCellTip->NeedShowTip(nRow, nCol, style)) : FALSE;
}

DWORD CGXControl::GetCellTipDelay()
{
    return m_pCellTip != nullptr ? GX_CELLTIP_DELAY : GX_CELLTIP_NEVER;
}

void CGXControl::ShowCellTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    CGXCellTipHandler* pHandler = m_pGrid->GetCellTipHandler();
    if (m_pCellTip == nullptr || pHandler == nullptr)
        return;
    m_pCellTip->ShowTip(nRow, nCol, style, pHandler->GetTipWnd(m_pCellTip->GetTipKind(nRow, nCol, style)));
}

void CGXControl::AttachCellTip()
{
    if (m_pCellTip == nullptr)
        AfxAllocating([&] { m_pCellTip = new CGXCellTipStatic(this); });
}

// ---- children ------------------------------------------------------------------------------------

void CGXControl::AddChild(CGXChild* pChild)
{
    if (pChild == nullptr)
        AfxThrowInvalidArgException("CGXControl::AddChild: null child");
    if (m_pChildList == nullptr)
        m_pChildList = new CPtrList;
    m_pChildList->AddTail(pChild);
}

BOOL CGXControl::RemoveChild(CGXChild* pChild)
{
    POSITION pos = m_pChildList != nullptr ? m_pChildList->Find(pChild) : nullptr;
    if (pos == nullptr)
        return FALSE;
    m_pChildList->RemoveAt(pos);
    if (m_pFocusChild == pChild)
        m_pFocusChild = nullptr;
    return TRUE;
}

CGXChild* CGXControl::GetChild(int nIndex) const
{
    POSITION pos = m_pChildList != nullptr && nIndex >= 0 ? m_pChildList->FindIndex(nIndex) : nullptr;
    return pos != nullptr ? static_cast<CGXChild*>(m_pChildList->GetAt(pos)) : nullptr;
}

int CGXControl::GetCount() const
{
    return m_pChildList != nullptr ? int(m_pChildList->GetCount()) : 0;
}

CGXChild* CGXControl::GetFocusChild() const
{
    return m_pFocusChild;
}

void CGXControl::SetFocusChild(CGXChild* pChild)
{
    m_pFocusChild = pChild;
}

void CGXControl::LayoutChildren(ROWCOL, ROWCOL, const CRect&) {}

BOOL CGXControl::ValidateString(const CString&)
{
    return TRUE;
}

BOOL CGXControl::ValidatePasteText(const CString&)
{
    return TRUE;
}

// ---- non-virtual ---------------------------------------------------------------------------------

const CGXStyle& CGXControl::GetStyle()
{
    if (m_pStyle == nullptr) {
        std::unique_ptr<CGXStyle> pStyle(m_pGrid->CreateStyle());
        m_pGrid->ComposeStyleRowCol(m_nRow, m_nCol, pStyle.get());
        m_pStyle = pStyle.release();
    }
    return *m_pStyle;
}

void CGXControl::FreeStyle(BOOL)
{
    delete m_pStyle;
    m_pStyle = nullptr;
}

const CGXStyle& CGXControl::CellStyle(ROWCOL nRow, ROWCOL nCol, std::unique_ptr<CGXComposedStyle>& rpBorrowed)
{
    if (IsAttachedTo(nRow, nCol))
        return GetStyle();
    rpBorrowed = std::make_unique<CGXComposedStyle>(m_pGrid, nRow, nCol);
    return rpBorrowed->Get();
}

CWnd* CGXControl::GridWnd() const
{
    return m_pGrid->GridWnd();
}

BOOL CGXControl::IsKindOf(const GXControlClass* pClass) const
{
    if (pClass == nullptr)
        return FALSE;
    for (const GXControlClass* p = GetControlClass(); p != nullptr; p = p->pBaseClass)
        if (p == pClass || std::strcmp(p->pszClassName, pClass->pszClassName) == 0)
            return TRUE;
    return FALSE;
}

BOOL CGXControl::IsWndKindOf(CRuntimeClass* pClass) const
{
    CWnd* pWnd = GetWndPtr();
    return pWnd != nullptr && pWnd->IsKindOf(pClass);
}

CFont* CGXControl::SelectStyleFont(CDC* pDC, const CGXStyle& style, const CGXStyle* pPreviousStyle)
{
    return m_pGrid->SelectStyleFont(pDC, style, pPreviousStyle);
}

void CGXControl::ForwardKillFocus(CWnd* pNewWnd)
{
    CWnd* pGridWnd = GridWnd();
    if (pNewWnd == nullptr || pGridWnd == nullptr || pNewWnd->m_hWnd == pGridWnd->m_hWnd || m_pGrid->m_bFocusChange)
        return;
    pGridWnd->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(pNewWnd->m_hWnd));
}

void CGXControl::ExcludeRectFromPaint(const CRect& rect)
{
    m_pGrid->GetExcludedRects().push_back(rect);
}

void CGXControl::RegisterUserAttributes(CGXStylesMap& stylesMap)
{
    CGXStyle message;
    message.SetWrapText(TRUE).SetAutoSize(TRUE);
    stylesMap.AddUserAttribute(GX_IDS_UA_VALID_MSG, &message);
    CGXStyle bound;
    bound.SetControl(GX_IDS_CTRL_SPINEDIT).SetWrapText(FALSE);
    stylesMap.AddUserAttribute(GX_IDS_UA_VALID_MAX, &bound);
    stylesMap.AddUserAttribute(GX_IDS_UA_VALID_MIN, &bound);
    CGXStyle rtl;
    rtl.SetControl(GX_IDS_CTRL_CHECKBOX3D).SetHorizontalAlignment(DT_CENTER).SetVerticalAlignment(DT_VCENTER);
    stylesMap.AddUserAttribute(GX_IDS_UA_RTLREADING, &rtl);
}

int GXCharBoundaryLength(const char* pszText, int nMaxBytes, UINT nCodePage)
{
    const int nLength = pszText != nullptr ? int(std::strlen(pszText)) : 0;
    int n = 0;
    while (n < nLength) {
        const int nStep = ::IsDBCSLeadByteEx(nCodePage, BYTE(pszText[n])) && n + 1 < nLength ? 2 : 1;
        if (n + nStep > nMaxBytes)
            break;
        n += nStep;
    }
    return n;
}

// CGXHeader: the row and column header cell (see GXHeader.h).
#include "grid/controls/GXHeader.h"

#include "grid/controls/GXControls.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXFont.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "win/CDC.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kDarkGrey = RGB(128, 128, 128);

// Whether nIndex lies in one of the intervals.
BOOL InIntervals(const CDWordArray& starts, const CDWordArray& ends, ROWCOL nIndex)
{
    for (INT_PTR i = 0; i < starts.GetSize(); ++i)
        if (nIndex >= starts[i] && nIndex <= ends[i])
            return TRUE;
    return FALSE;
}

}  // namespace

GX_IMPLEMENT_CONTROL(CGXHeader, CGXStatic)

CGXHeader::CGXHeader(CGXGridCore* pGrid) : CGXStatic(pGrid) {}

void CGXHeader::DrawCurrentCellFrame(CDC* pDC, const CRect& rect, const CGXStyle&)
{
    pDC->DrawFocusRect(&rect);
}

BOOL CGXHeader::MarkEditHeader(ROWCOL nRow, ROWCOL nCol, UINT nFlags)
{
    if (CGXStatic::MarkEditHeader(nRow, nCol, nFlags))
        return TRUE;
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam == nullptr || !pParam->GetControlOptions().bSelectionHeaders)
        return FALSE;
    // a cell of the header rows heads its column, any other header cell its row
    CDWordArray starts, ends;
    if (nRow <= m_pGrid->GetHeaderRows())
        return pParam->GetRangeList1().GetColArray(m_pGrid->GetColCount(), starts, ends, TRUE) &&
               InIntervals(starts, ends, nCol);
    return pParam->GetRangeList1().GetRowArray(m_pGrid->GetRowCount(), starts, ends, TRUE) &&
           InIntervals(starts, ends, nRow);
}

void CGXHeader::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                     const CGXStyle* pStandardStyle)
{
    const CRect rectText = GetCellRect(nRow, nCol, &rect, &style);
    if (rectText.Width() <= 1 || rectText.Height() <= 1)
        return;
    const CGXGridParam* pParam = m_pGrid->GetParam();
    const CGXProperties* pProp = pParam != nullptr ? pParam->GetProperties() : nullptr;
    const BOOL bSelectionHeaders = pParam != nullptr && pParam->GetControlOptions().bSelectionHeaders;
    const BOOL bMarked = MarkEditHeader(nRow, nCol, 0);
    // with selection headers the marked ones stand out raised and bold among pressed ones
    const BOOL bPressed = bSelectionHeaders ? !bMarked : bMarked;
    const CGXStyle* pStyle = &style;
    std::unique_ptr<CGXStyle> pWeighted;
    if (bSelectionHeaders) {
        pWeighted.reset(style.Clone());
        pWeighted->ChangeFont(CGXFont().SetWeight(bMarked ? FW_BOLD : FW_NORMAL), CGXStyle::gxOverride);
        pStyle = pWeighted.get();
    }
    DrawBackground(pDC, rect, *pStyle, FALSE);
    const CRect rectFrame = CGXControl::GetCellRect(nRow, nCol, &rect, pStyle);
    CSize sizeShift(0, 0);
    const BOOL bOwnFrame = pStyle->GetIncludeDraw3dFrame() && pStyle->GetDraw3dFrame() != 0;
    if (bOwnFrame || pProp == nullptr || !pProp->GetDisplay3dHeader()) {
        if (bPressed)
            sizeShift = CSize(1, 1);
    } else if (m_pGrid->IsPrinting()) {
        const int w = rectFrame.Width(), h = rectFrame.Height();
        if (pProp->GetPrintHorzLines()) {
            pDC->FillSolidRect(rectFrame.left, rectFrame.top, w, 1, kBlack);
            pDC->FillSolidRect(rectFrame.left, rectFrame.bottom - 1, w, 1, kBlack);
        }
        if (pProp->GetPrintVertLines()) {
            pDC->FillSolidRect(rectFrame.left, rectFrame.top, 1, h, kBlack);
            pDC->FillSolidRect(rectFrame.right - 1, rectFrame.top, 1, h, kBlack);
        }
    } else {
        DrawScreenFrame(pDC, rectFrame, bPressed, bSelectionHeaders);
        if (bPressed)
            sizeShift = CSize(1, 1);
    }
    GetDrawingAndFormatting()->DrawCellContent(this, pDC, rect, nRow, nCol, *pStyle, pStandardStyle, sizeShift);
}

void CGXHeader::DrawScreenFrame(CDC* pDC, const CRect& rect, BOOL bPressed, BOOL bSelectionHeaders)
{
    const COLORREF clrShadow = bSelectionHeaders ? kDarkGrey : kBlack;
    const int l = rect.left, t = rect.top, r = rect.right - 1, b = rect.bottom - 1;
    const int w = rect.Width(), h = rect.Height();
    const COLORREF clrOldBk = pDC->GetBkColor();
    if (bPressed) {
        pDC->FillSolidRect(l, b, w, 1, clrShadow);
        pDC->FillSolidRect(r, t, 1, h, clrShadow);
        if (bSelectionHeaders)
            pDC->FillSolidRect(l, t, 1, h - 1, kWhite);
    } else {
        GetDrawingAndFormatting()->Draw3dRect(pDC, l, t, r, b, 1, GXGetSysColors()->GetSysColor(COLOR_BTNHIGHLIGHT),
                                              clrShadow);
        if (bSelectionHeaders) {
            pDC->FillSolidRect(l, t, 1, h, kWhite);
            pDC->FillSolidRect(l, b, w, 1, kBlack);
            pDC->FillSolidRect(r, t, 1, h, kBlack);
            pDC->FillSolidRect(l + 1, b - 1, w - 2, 1, clrShadow);
            pDC->FillSolidRect(r - 1, t + 1, 1, h - 2, clrShadow);
        }
    }
    pDC->SetBkColor(clrOldBk);
}

CGXControl* GXCreateHeader(CGXGridCore* pGrid, const GXControlEntry&)
{
    return new CGXHeader(pGrid);
}

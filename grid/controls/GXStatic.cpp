// CGXStatic: the static text cell (see GXStatic.h).
#include "grid/controls/GXStatic.h"

#include "grid/controls/GXControls.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXStyle.h"
#include "win/CDC.h"

int GXStaticTextMargin(int nFrameMetric)
{
    const int nHalf = nFrameMetric / 2;
    return nHalf >= 3 ? nHalf : 2;
}

GX_IMPLEMENT_CONTROL(CGXStatic, CGXControl)

CGXStatic::CGXStatic(CGXGridCore* pGrid) : CGXControl(pGrid) {}

int CGXStatic::GetTextMargin()
{
    return GXStaticTextMargin(::GetSystemMetrics(SM_CXFRAME));
}

CRect CGXStatic::GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect, const CGXStyle* pStyle)
{
    std::unique_ptr<CGXComposedStyle> pBorrowed;
    if (pStyle == nullptr)
        pStyle = &CellStyle(nRow, nCol, pBorrowed);
    CRect rect = CGXControl::GetCellRect(nRow, nCol, pRect, pStyle);
    const int m = GetTextMargin();
    rect.left += m;
    rect.right -= pStyle->GetIncludeHorizontalAlignment() && pStyle->GetHorizontalAlignment() == DT_RIGHT ? m + 1 : m / 2;
    return rect;
}

CSize CGXStatic::AddBorders(CSize size, const CGXStyle& style)
{
    size.cx += 2 * GetTextMargin() + 1;
    return CGXControl::AddBorders(size, style);
}

CSize CGXStatic::CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                          BOOL bVertical)
{
    CGXAbstractCalcSizeImp* pImp = m_pGrid->m_pCalcSizeImp;
    return pImp != nullptr ? pImp->CalcSize(m_pGrid, pDC, this, nRow, nCol, style, pStandardStyle, bVertical)
                           : CSize(0, 0);
}

BOOL CGXStatic::CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, BOOL bFloatCell)
{
    CGXAbstractGridFloatCellsImp* pImp = m_pGrid->m_pFloatCellsImp;
    return pImp != nullptr && pImp->CanFloatStaticCell(this, nRow, nCol, style, bFloatCell);
}

void CGXStatic::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                     const CGXStyle* pStandardStyle)
{
    GetDrawingAndFormatting()->DrawCellText(this, pDC, rect, nRow, nCol, style, pStandardStyle);
}

CGXControl* GXCreateStatic(CGXGridCore* pGrid, const GXControlEntry&)
{
    return new CGXStatic(pGrid);
}

int CGXStatic::HitTestCellText(const CString& strText, CPoint point, BOOL bRtlReading)
{
    if (!m_bInit)
        return -1;
    const CRect rect = GetCellRect(m_nRow, m_nCol);
    const CGXStyle& style = CGXControl::GetStyle();
    CDC* pDC = m_pGrid->GetClientDC();
    if (pDC == nullptr)
        return -1;
    CFont* pOldFont = m_pGrid->SelectStyleFont(pDC, style);
    UINT nFormat = DT_NOPREFIX | style.GetHorizontalAlignment() | style.GetVerticalAlignment();
    nFormat |= style.GetWrapText() ? UINT(DT_WORDBREAK) : UINT(DT_SINGLELINE);
    const UINT nOldAlign = pDC->GetTextAlign();
    if (bRtlReading)
        pDC->SetTextAlign(nOldAlign | TA_RTLREADING);
    const int nPos = GetDrawingAndFormatting()->HitTestText(pDC, strText, strText.GetLength(), rect, nFormat, point);
    pDC->SetTextAlign(nOldAlign);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    m_pGrid->ReleaseClientDC();
    return nPos;
}

// CGXCalcSizeImp: the preferred size of a cell's content (see GXCalcSizeImp.h).
#include "grid/engine/GXCalcSizeImp.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXDIB.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "win/CDC.h"

#include <algorithm>
#include <cstdlib>

void CGXGridCore::AttachCalcSizeImp()
{
    AttachModule(m_pCalcSizeImp, +[]() -> CGXAbstractCalcSizeImp* { return new CGXCalcSizeImp; });
}

namespace {

// The lines of pszText laid out in a rectangle nWidth wide (any height; at most 32 lines): their
// number, and the widest line's extent in rnWidest.
int LayOutLines(CDC* pDC, const CString& strText, const CRect& rectText, int nWidth, UINT nFormat, int& rnWidest)
{
    int anStarts[CGXDrawingAndFormatting::gxMaxLines], anLengths[CGXDrawingAndFormatting::gxMaxLines];
    CRect rect(rectText.left, rectText.top, rectText.left + nWidth, rectText.top + 32767);
    const int nLines = GetDrawingAndFormatting()->BreakTextLines(pDC, strText, strText.GetLength(), rect, nFormat,
                                                                 anStarts, anLengths,
                                                                 CGXDrawingAndFormatting::gxMaxLines);
    rnWidest = 0;
    for (int i = 0; i < nLines; ++i)
        rnWidest = std::max(rnWidest, int(pDC->GetTextExtent(LPCSTR(strText) + anStarts[i], anLengths[i]).cx));
    return nLines;
}

// The width and height of the packed DIB hDIB.
CSize DIBSize(HGLOBAL hDIB)
{
    const auto* pHeader = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(hDIB));
    if (pHeader == nullptr)
        return CSize(0, 0);
    const CSize size(pHeader->biWidth, std::abs(pHeader->biHeight));
    ::GlobalUnlock(hDIB);
    return size;
}

}  // namespace

CSize CGXCalcSizeImp::CalcSize(CGXGridCore* pGrid, CDC* pDC, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                               const CGXStyle& style, const CGXStyle*, BOOL bHeightOnly)
{
    CString strText;
    if (pGrid->GetParam()->GetDisplayOptions().bSizeStoredValues)
        strText = style.GetValueRef();
    else
        pControl->GetControlText(strText, nRow, nCol, nullptr, style);

    const WORD nControl = style.GetIncludeControl() ? style.GetControl() : 0;
    if (nControl != GX_IDS_CTRL_STATIC) {
        if (HGLOBAL hDIB = GetDIBPool()->LookupDIB(strText))
            return pControl->AddBorders(DIBSize(hDIB), style);
    }

    CFont* pOldFont = style.GetIncludeFont() ? pDC->SelectObject(pGrid->LookupFont(style.GetFontRef())) : nullptr;
    TEXTMETRICA tm = {};
    pDC->GetTextMetrics(&tm);
    const int nLineHeight = tm.tmHeight + tm.tmExternalLeading;
    // the cell's place does not matter, only its size (that of its covered span)
    CGXCellRange span(nRow, nCol, nRow, nCol);
    if (!pGrid->GetCoveredCellsRowCol(nRow, nCol, span) || !span.IsValid())
        span = CGXCellRange(nRow, nCol, nRow, nCol);
    const CRect rectCell(0, 0, pGrid->SumColWidths(span.left, span.right), pGrid->SumRowHeights(span.top, span.bottom));
    const CRect rectText = pControl->GetCellRect(nRow, nCol, &rectCell, &style);
    CSize size(tm.tmMaxCharWidth, nLineHeight + 1);
    if (!strText.IsEmpty()) {
        UINT nFormat = DT_NOPREFIX | DT_WORDBREAK;
        if (style.GetIncludeHorizontalAlignment())
            nFormat |= style.GetHorizontalAlignment();
        if (style.GetIncludeVerticalAlignment())
            nFormat |= style.GetVerticalAlignment();
        const BOOL bWrap = style.GetIncludeWrapText() && style.GetWrapText();
        int nWidest = 0;
        if (bHeightOnly) {
            const int nLines = bWrap ? LayOutLines(pDC, strText, rectText, rectText.Width(), nFormat, nWidest) : 1;
            size = CSize(rectText.Width(), nLineHeight * nLines + 1);
        } else {
            int nLines = bWrap ? LayOutLines(pDC, strText, rectText, rectText.Width(), nFormat, nWidest) : 0;
            // what does not fit the cell's height is measured by the text's own lines
            if (!bWrap || nLines * nLineHeight > rectText.Height())
                nLines = LayOutLines(pDC, strText, rectText, 32767, nFormat, nWidest);
            size = CSize(nWidest, nLines * nLineHeight);
        }
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    return pControl->AddBorders(size, style);
}

// CGXGridOldDrawingImp: the grid's older way of painting a paint matrix (see GXOldDrawingImp.h).
#include "grid/ops/GXOldDrawingImp.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXPaintMatrix.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "win/CDC.h"
#include "win/CGdiObject.h"

#include <optional>

namespace {

const WORD kOwn = CellPaintMatrix::gxOwnBackground;
const WORD kSpanned = CellPaintMatrix::gxSpanned;

// brush as matrix m shows it: on a monochrome matrix white on black when its colour is light (grey
// level above 63), else black on white.
CGXCellBrush MatrixBrush(const CellPaintMatrix& m, const CGXCellBrush& brush)
{
    if (m.bColor)
        return brush;
    const COLORREF clr = GXResolveColor(brush.GetColor());
    const BOOL bLight = (GetRValue(clr) * 30 + GetGValue(clr) * 59 + GetBValue(clr) * 11) / 100 > 63;
    CGXCellBrush mono = brush;
    mono.SetColor(bLight ? RGB(255, 255, 255) : RGB(0, 0, 0));
    mono.SetBkColor(bLight ? RGB(0, 0, 0) : RGB(255, 255, 255));
    return mono;
}

// Cell n still fills its own background with brush and may join a block.
BOOL JoinsBlock(const CellPaintMatrix& m, int n, const CGXCellBrush& brush)
{
    return (m.anFlags[n] & kOwn) && !(m.anFlags[n] & kSpanned) && m.apStyles[n] != nullptr &&
           m.apStyles[n]->GetInterior() == brush;
}

// Joins the cells of m that fill their own backgrounds into blocks of one interior, row by row: a
// block grows to the right, then down by whole rows; a block of more than one cell is filled once
// and its cells lose their own-background flag.
void FillJoinedBackgrounds(CGXGridCore* pGrid, CellPaintMatrix& m)
{
    for (int i = 0; i < m.nRows; ++i) {
        for (int j = 0; j < m.nCols; ++j) {
            const int n = m.Index(i, j);
            if (!(m.anFlags[n] & kOwn) || (m.anFlags[n] & kSpanned) || m.apStyles[n] == nullptr)
                continue;
            const CGXCellBrush brush = m.apStyles[n]->GetInterior();
            int jEnd = j + 1;
            while (jEnd < m.nCols && JoinsBlock(m, m.Index(i, jEnd), brush))
                ++jEnd;
            // a row below joins when each of its cells under the block is unstyled or of the block
            int iEnd = i + 1;
            for (; iEnd < m.nRows; ++iEnd) {
                BOOL bJoins = TRUE;
                for (int c = j; c < jEnd && bJoins; ++c) {
                    const int nBelow = m.Index(iEnd, c);
                    bJoins = !(m.anFlags[nBelow] & kSpanned) &&
                             (m.apStyles[nBelow] == nullptr || JoinsBlock(m, nBelow, brush));
                }
                if (!bJoins)
                    break;
            }
            if (jEnd - j == 1 && iEnd - i == 1)
                continue;
            for (int r = i; r < iEnd; ++r)
                for (int c = j; c < jEnd; ++c)
                    m.anFlags[m.Index(r, c)] &= WORD(~kOwn);
            const CRect rect(m.anLefts[j], m.anTops[i], m.anLefts[jEnd - 1] + m.anWidths[jEnd - 1],
                             m.anTops[iEnd - 1] + m.anHeights[iEnd - 1]);
            pGrid->FillRectWithBrush(m.pDC, rect, MatrixBrush(m, brush));
            j = jEnd - 1;
        }
    }
}

// A DC's clip region narrowed to a rectangle for as long as the object lives.
class NarrowedClip {
public:
    NarrowedClip(CDC* pDC, const CRect& rect) : m_pDC(pDC)
    {
        m_saved.CreateRectRgn(0, 0, 0, 0);
        m_bHadRegion = ::GetClipRgn(pDC->m_hDC, m_saved) == 1;
        pDC->IntersectClipRect(&rect);
    }
    ~NarrowedClip() { m_pDC->SelectClipRgn(m_bHadRegion ? &m_saved : nullptr); }
    NarrowedClip(const NarrowedClip&) = delete;
    NarrowedClip& operator=(const NarrowedClip&) = delete;

private:
    CDC* m_pDC;
    CRgn m_saved;
    BOOL m_bHadRegion = FALSE;
};

}  // namespace

BOOL CGXGridOldDrawingImp::DrawMatrixCells(CGXGridCore* pGrid, CDC* pDC, CellPaintMatrix& m)
{
    const CGXGridParam* pParam = pGrid->GetParam();
    const BOOL bSwitch = pParam->GetOldDrawing();
    if (!pGrid->m_bOldDrawing && !bSwitch)
        return FALSE;
    pGrid->m_bOldDrawing = TRUE;
    const DWORD nType = ::GetObjectType(pDC->m_hDC);
    const BOOL bMetafile = nType == OBJ_METADC || nType == OBJ_ENHMETADC;
    const BOOL bClip = !(bMetafile && pDC->m_hAttribDC == nullptr) &&
                       !(pDC->m_hAttribDC != nullptr && GXGetLibraryState()->m_bNoRowClipWithAttribDC);

    if (!pParam->GetDisplayOptions().bNoBackground) {
        if (bSwitch) {
            // each cell fills its own background, as the grid's own paint lets a lone cell do
            for (WORD& nFlags : m.anFlags)
                if (!(nFlags & kSpanned))
                    nFlags |= kOwn;
            pGrid->FillBeyondMatrix(m);
        } else {
            pGrid->DrawOldStyleGrid(m);
        }
    }

    const int xLeft = m.anLefts[0], xRight = m.anLefts[m.nCols - 1] + m.anWidths[m.nCols - 1];
    for (int i = 0; i < m.nRows; ++i) {
        std::optional<NarrowedClip> clip;
        if (bClip)
            clip.emplace(pDC, CRect(xLeft, m.anTops[i], xRight, m.anTops[i] + m.anHeights[i]));
        for (int j = 0; j < m.nCols; ++j)
            pGrid->DrawMatrixCell(m, i, j);
    }
    for (int j = 0; j < m.nCols; ++j)
        pGrid->DrawColumnLines(m, j);
    for (int i = 0; i < m.nRows; ++i)
        pGrid->DrawRowLines(m, i);
    if (m.pCurrentControl != nullptr && !m.rectCurrentCell.IsRectEmpty()) {
        CGXControl* pControl = m.pCurrentControl;
        const CGXStyle* pStyle = pGrid->LookupStyleRowCol(pControl->GetRow(), pControl->GetCol());
        pControl->DrawCurrentCellFrame(pDC, m.rectCurrentCell, *pStyle);
    }
    if (m.bMarking)
        pGrid->DrawMatrixMarkedCells(m);
    return TRUE;
}

void CGXGridOldDrawingImp::DrawMatrixBackground(CGXGridCore* pGrid, CellPaintMatrix& m)
{
    if (pGrid->GetParam()->GetOldDrawing())
        return;
    const CGXCellBrush standard = MatrixBrush(m, pGrid->GetStandardStyle().GetInterior());
    if (!pGrid->IsPrinting())
        pGrid->FillBeyondMatrix(m);
    const CRect cells(m.anLefts[0], m.anTops[0], m.anLefts[m.nCols - 1] + m.anWidths[m.nCols - 1],
                      m.anTops[m.nRows - 1] + m.anHeights[m.nRows - 1]);
    pGrid->FillRectWithBrush(m.pDC, cells, standard);
    FillJoinedBackgrounds(pGrid, m);
}

CGXAbstractGridOldDrawingImp* GXCreateOldDrawingImp()
{
    return new CGXGridOldDrawingImp;
}

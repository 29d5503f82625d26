// CGXGridCore: painting (the paint entry, direct and buffered paints, the paint matrix, backgrounds,
// cells, grid lines, borders and marking), redrawing, and the caches of GDI objects and composed styles
// (see GXCore.h and GXPaintMatrix.h).
#include "grid/engine/GXCore.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXControl.h"
#include "grid/engine/GXData.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXFont.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXPaintMatrix.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "win/Win.h"

#include <algorithm>
#include <cstring>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// The cached GDI object of key, made by create on a miss or when its handle is gone; a failed creation
// throws CResourceException*.
template <class T, class K, class F>
T* LookupCached(std::map<K, std::unique_ptr<T>>& cache, const K& key, F create)
{
    std::unique_ptr<T>& rpObject = cache[key];
    if (rpObject == nullptr || rpObject->m_hObject == nullptr) {
        rpObject = std::make_unique<T>();
        if (!create(*rpObject))
            AfxThrowResourceException();
    }
    return rpObject.get();
}

// A brush record as printing in black and white shows it: a solid one white, any other black on white.
CGXCellBrush BlackWhiteBrush(const CGXCellBrush& brush)
{
    CGXCellBrush bw = brush;
    if (brush.GetStyle() == CGXCellBrush::gxSolid) {
        bw.SetColor(kWhite);
        bw.SetBkColor(kBlack);
    } else {
        bw.SetColor(kBlack);
        bw.SetBkColor(kWhite);
    }
    return bw;
}

// The font selected into a DC for as long as the object lives.
class FontSelection {
public:
    FontSelection(CDC* pDC, CFont* pOldFont) : m_pDC(pDC), m_pOldFont(pOldFont) {}
    ~FontSelection()
    {
        if (m_pOldFont != nullptr)
            m_pDC->SelectObject(m_pOldFont);
    }
    FontSelection(const FontSelection&) = delete;
    FontSelection& operator=(const FontSelection&) = delete;

private:
    CDC* m_pDC;
    CFont* m_pOldFont;
};

}  // namespace

// ---- the paint entry ----------------------------------------------------------------------------------

void CGXGridCore::OnGridPrepareDC(CDC*, CPrintInfo*) {}

void CGXGridCore::PreloadCells(ROWCOL, ROWCOL) {}

int CGXGridCore::SetBufferedPaint(int nMode)
{
    const int nOld = m_nPaintMode;
    m_nPaintMode = nMode;
    return nOld;
}

void CGXGridCore::OnGridDraw(CDC* pDC)
{
    if (m_pOptionalImp != nullptr)
        m_pOptionalImp->OnGridDrawStart(this, 0, 0, 1, 0);
    if (m_pParam == nullptr || m_pParam->IsLockRedraw())
        return;
    const CRect rectGrid = GetGridRect();
    CRect rectClip;
    const int nRegion = pDC->GetClipBox(&rectClip);
    if (nRegion == NULLREGION || (nRegion != ERROR && rectClip.IsRectEmpty()))
        return;
    if (IsPrinting()) {
        m_bPrintPaintRequested = TRUE;
        return;
    }
    // a derived grid may load the cells it is about to show
    const int nDefaultHeight = GetDefaultRowHeight();
    const int nDefaultWidth = GetDefaultColWidth();
    const int nFitRows = nDefaultHeight > 0 ? rectGrid.Height() / nDefaultHeight : rectGrid.Height();
    const int nFitCols = nDefaultWidth > 0 ? rectGrid.Width() / nDefaultWidth : rectGrid.Width();
    PreloadCells(CalcBottomRowFromRect(rectClip) + ROWCOL(nFitRows), CalcRightColFromRect(rectClip) + ROWCOL(nFitCols));
    // a scroll-bar change that moves the layout makes this paint pointless: the next one replaces it
    m_bLayoutChanged = FALSE;
    UpdateScrollbars(TRUE, TRUE);
    if (m_bLayoutChanged) {
        if (m_pGridWnd != nullptr && m_pGridWnd->m_hWnd != nullptr)
            m_pGridWnd->Invalidate(TRUE);
        return;
    }
    if (m_nPaintMode == 1)
        PaintBuffered(pDC, rectGrid);
    else
        PaintDirect(pDC, rectGrid);
}

void CGXGridCore::PaintDirect(CDC* pDC, const CRect& rectGrid)
{
    LookupBaseStyles();
    FreeObjectCache();
    const FontSelection font(pDC, m_pStyleStandard != nullptr ? SelectStyleFont(pDC, *m_pStyleStandard) : nullptr);
    OnGridPrepareDC(pDC);
    CRect rectClip;
    if (pDC->GetClipBox(&rectClip) == ERROR)
        rectClip = rectGrid;
    else if (!rectClip.IntersectRect(rectClip, rectGrid))
        return;
    if (m_bGridFrame) {
        pDC->FillSolidRect(rectGrid.left - 1, rectGrid.top - 1, rectGrid.Width() + 2, 1, kBlack);
        pDC->FillSolidRect(rectGrid.left - 1, rectGrid.bottom, rectGrid.Width() + 2, 1, kBlack);
        pDC->FillSolidRect(rectGrid.left - 1, rectGrid.top, 1, rectGrid.Height(), kBlack);
        pDC->FillSolidRect(rectGrid.right, rectGrid.top, 1, rectGrid.Height(), kBlack);
    }
    pDC->IntersectClipRect(&rectGrid);
    DrawClipArea(pDC, rectClip, FALSE, rectGrid);
    m_excludedRects.clear();
    ReleaseClientDC();
}

void CGXGridCore::PaintBuffered(CDC* pDC, const CRect& rectGrid)
{
    CRect rectClip;
    if (pDC->GetClipBox(&rectClip) == ERROR)
        rectClip = rectGrid;
    else
        rectClip.IntersectRect(rectClip, rectGrid);
    if (rectClip.Width() <= 0 || rectClip.Height() <= 0)
        return;
    LookupBaseStyles();
    FreeObjectCache();
    CDC memDC;
    CBitmap bitmap;
    if (!memDC.CreateCompatibleDC(pDC) || !bitmap.CreateCompatibleBitmap(pDC, rectClip.Width(), rectClip.Height()))
        AfxThrowResourceException();
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    try {
        OnGridPrepareDC(&memDC);
        memDC.SetViewportOrg(-rectClip.left, -rectClip.top);
        memDC.SetBrushOrg(rectClip.left % 8, rectClip.top % 8);
        const FontSelection font(&memDC,
                                 m_pStyleStandard != nullptr ? SelectStyleFont(&memDC, *m_pStyleStandard) : nullptr);
        if (m_bGridFrame) {
            memDC.FillSolidRect(rectGrid.left - 1, rectGrid.top - 1, rectGrid.Width() + 1, 1, kBlack);
            memDC.FillSolidRect(rectGrid.left - 1, rectGrid.bottom - 1, rectGrid.Width() + 1, 1, kBlack);
            memDC.FillSolidRect(rectGrid.left - 1, rectGrid.top, 1, rectGrid.Height(), kBlack);
            memDC.FillSolidRect(rectGrid.right - 1, rectGrid.top, 1, rectGrid.Height(), kBlack);
        }
        DrawClipArea(&memDC, rectClip, TRUE, rectGrid);
    } catch (...) {
        memDC.SelectObject(pOldBitmap);
        m_excludedRects.clear();
        throw;
    }
    // the areas of child windows and untouched cells keep what the screen shows
    for (const CRect& rect : m_excludedRects)
        pDC->ExcludeClipRect(&rect);
    m_excludedRects.clear();
    pDC->BitBlt(rectClip.left, rectClip.top, rectClip.Width(), rectClip.Height(), &memDC, rectClip.left, rectClip.top,
                SRCCOPY);
    memDC.SelectObject(pOldBitmap);
    ReleaseClientDC();
}

void CGXGridCore::DrawClipArea(CDC* pDC, const CRect& rectClip, BOOL, const CRect&)
{
    // the display rows and columns under the clip box; beyond the last ones, the last visible ones
    int nFirstRow = CalcClientRowFromY(rectClip.top);
    int nFirstCol = CalcClientColFromX(rectClip.left);
    int nLastRow = CalcClientRowFromY(rectClip.bottom - 1);
    int nLastCol = CalcClientColFromX(rectClip.right - 1);
    const int nLastVisibleRow = RowToDisplayIndex(GetLastVisibleRow());
    const int nLastVisibleCol = ColToDisplayIndex(GetLastVisibleCol());
    if (nFirstRow < 0)
        nFirstRow = nLastVisibleRow;
    if (nFirstCol < 0)
        nFirstCol = nLastVisibleCol;
    if (nLastRow < 0)
        nLastRow = nLastVisibleRow;
    if (nLastCol < 0)
        nLastCol = nLastVisibleCol;
    const BOOL bFrame = m_pExcelLikeFrameImp != nullptr && m_pParam->GetDisplayOptions().bExcelLikeFrame;
    if (bFrame)
        m_pExcelLikeFrameImp->UpdateFrame(this, pDC, TRUE, nullptr);
    DrawCellMatrix(nFirstRow, nFirstCol, nLastRow, nLastCol, pDC);
    if (bFrame)
        m_pExcelLikeFrameImp->UpdateFrame(this, pDC, FALSE, nullptr);
}

// ---- the paint matrix ---------------------------------------------------------------------------

void CGXGridCore::DrawCellMatrix(int nFirstRow, int nFirstCol, int nLastRow, int nLastCol, CDC* pDC)
{
    if (nLastRow < nFirstRow || nLastCol < nFirstCol || m_pParam == nullptr)
        return;
    CellPaintMatrix m;
    CellPaintMatrix* pPrevious = m_pPaintMatrix;
    m_pPaintMatrix = &m;
    ++m_nDrawDepth;
    try {
        m.nRows = nLastRow - nFirstRow + 1;
        m.nCols = nLastCol - nFirstCol + 1;
        m.nTopRow = GetTopRow();
        m.nLeftCol = GetLeftCol();
        m.nFrozenCols = GetFrozenCols();
        m.nFrozenRows = GetFrozenRows();
        m.nHeaderCols = GetHeaderCols();
        m.nHeaderRows = GetHeaderRows();
        const CRect rectFirst = StartCellRectScan(nFirstRow, nFirstCol);
        m.xOrigin = rectFirst.left;
        m.yOrigin = rectFirst.top;
        const size_t nCells = size_t(m.nRows) * size_t(m.nCols);
        AfxAllocating([&] {
            m.anHeights.resize(m.nRows);
            m.anTops.resize(m.nRows);
            m.anRows.resize(m.nRows + 1);
            m.anWidths.resize(m.nCols);
            m.anLefts.resize(m.nCols);
            m.anCols.resize(m.nCols + 1);
            m.apStyles.assign(nCells, nullptr);
            m.anFlags.assign(nCells, 0);
        });
        m.bMarking = !IsPrinting() && !pDC->IsPrinting() && m_pParam->GetMarkSelection();
        m.bColor = !IsPrintingBlackWhite();
        const CGXStyle* pStandard = m_pStyleStandard;
        m.clrBackground = !m.bColor ? kWhite
                          : pStandard != nullptr && pStandard->GetIncludeInterior()
                              ? GXResolveColor(pStandard->GetInterior().GetColor())
                              : kWhite;
        m.nFirstRow = nFirstRow;
        m.nFirstCol = nFirstCol;
        m.nLastRow = nLastRow;
        m.nLastCol = nLastCol;
        m.pDC = pDC;
        pDC->GetClipBox(&m.rectClip);

        const ROWCOL nRowCount = GetRowCount(), nColCount = GetColCount();
        int y = m.yOrigin;
        for (int i = 0; i < m.nRows; ++i) {
            m.anRows[i] = DisplayIndexToRow(nFirstRow + i);
            m.anHeights[i] = GetRowHeight(m.anRows[i]);
            m.anTops[i] = y;
            y += m.anHeights[i];
        }
        const ROWCOL nRowAfter = DisplayIndexToRow(nLastRow + 1);
        m.anRows[m.nRows] = nRowAfter >= nRowCount ? 0 : nRowAfter;
        int x = m.xOrigin;
        for (int j = 0; j < m.nCols; ++j) {
            m.anCols[j] = DisplayIndexToCol(nFirstCol + j);
            m.anWidths[j] = GetColWidth(m.anCols[j]);
            m.anLefts[j] = x;
            x += m.anWidths[j];
        }
        const ROWCOL nColAfter = DisplayIndexToCol(nLastCol + 1);
        m.anCols[m.nCols] = nColAfter >= nColCount ? 0 : nColAfter;

        ROWCOL nCurRow, nCurCol;
        if (GetCurrentCell(nCurRow, nCurCol) && !m_bLockCurrentCell) {
            const int i = RowToDisplayIndex(nCurRow), j = ColToDisplayIndex(nCurCol);
            if (i >= nFirstRow && i <= nLastRow && j >= nFirstCol && j <= nLastCol)
                FreeCurrentCellStyle();
        }
        if (m_pParam->GetDisplayOptions().nComposeAllFirst == 1) {
            for (int i = 0; i < m.nRows; ++i)
                for (int j = 0; j < m.nCols; ++j)
                    m.apStyles[m.Index(i, j)] = LookupStyleRowCol(m.anRows[i], m.anCols[j]);
        }
        // floated text beside a formula cell is evaluated again
        if (m_pFloatCellsImp != nullptr) {
            for (int i = 0; i < m.nRows; ++i)
                for (int j = 0; j < m.nCols; ++j)
                    if (IsFormulaCellRowCol(m.anRows[i], m.anCols[j]))
                        DelayFloatCells(CGXCellRange(m.anRows[i], m.anCols[j], m.anRows[i], m.anCols[j]));
        }
        if (m_pDrawSpannedCellsImp != nullptr)
            EvalVisibleSpans(CGXCellRange(m.anRows[0], m.anCols[0], m.anRows[m.nRows - 1], m.anCols[m.nCols - 1]),
                             m.nFrozenRows, m.nFrozenCols, m.nTopRow, m.nLeftCol, m.anRows[m.nRows - 1],
                             m.anCols[m.nCols - 1], TRUE, nullptr, FALSE);
        for (int i = 0; i < m.nRows; ++i) {
            int jFirst = 0;
            if (m_bRecalcRedraw) {
                // only the cells from a row's first formula cell on change: the others stay as shown
                while (jFirst < m.nCols && !IsFormulaCellRowCol(m.anRows[i], m.anCols[jFirst]))
                    ++jFirst;
                for (int j = 0; j < jFirst; ++j)
                    AfxAllocating([&] { m_excludedRects.push_back(m.CellRect(i, j)); });
            }
            for (int j = jFirst; j < m.nCols; ++j)
                PrepareMatrixCell(m, i, j);
        }

        if (m_pOldDrawingImp == nullptr || !m_pOldDrawingImp->DrawMatrixCells(this, pDC, m)) {
            for (int i = 0; i < m.nRows; ++i) {
                DrawRowBackground(m, i);
                for (int j = 0; j < m.nCols; ++j)
                    DrawMatrixCell(m, i, j);
                DrawRowLines(m, i);
            }
            FillBeyondMatrix(m);
            for (int j = 0; j < m.nCols; ++j)
                DrawColumnLines(m, j);
            if (m.bMarking)
                DrawMatrixMarkedCells(m);
            if (m.pCurrentControl != nullptr && !m.rectCurrentCell.IsRectEmpty()) {
                const CGXStyle* pStyle = LookupStyleRowCol(m.pCurrentControl->GetRow(), m.pCurrentControl->GetCol());
                m.pCurrentControl->DrawCurrentCellFrame(pDC, m.rectCurrentCell, *pStyle);
            }
        }
    } catch (...) {
        m_pPaintMatrix = pPrevious;
        --m_nDrawDepth;
        throw;
    }
    m_pPaintMatrix = pPrevious;
    --m_nDrawDepth;
}

void CGXGridCore::DrawMatrixCell(CellPaintMatrix& m, int i, int j)
{
    const int n = m.Index(i, j);
    if ((m.anFlags[n] & CellPaintMatrix::gxSpanned) && m_pDrawSpannedCellsImp != nullptr &&
        m_pDrawSpannedCellsImp->DrawSpannedCell(this, m, i, j))
        return;
    if (m.apStyles[n] == nullptr || m.anWidths[j] <= 0 || m.anHeights[i] <= 0)
        return;
    m.rectCell = m.CellRect(i, j);
    const BOOL bOld = GetDrawCellBackground();
    SetDrawCellBackground((m.anFlags[n] & CellPaintMatrix::gxOwnBackground) != 0);
    try {
        DrawCell(m.pDC, m.anRows[i], m.anCols[j], m.rectCell, *m.apStyles[n]);
    } catch (...) {
        SetDrawCellBackground(bOld);
        throw;
    }
    SetDrawCellBackground(bOld);
}

void CGXGridCore::DrawColumnLines(CellPaintMatrix& m, int j)
{
    DrawMatrixLines(m, TRUE, j);
}

void CGXGridCore::DrawRowLines(CellPaintMatrix& m, int i)
{
    DrawMatrixLines(m, FALSE, i);
}

void CGXGridCore::DrawMatrixMarkedCells(CellPaintMatrix& m)
{
    for (int i = 0; i < m.nRows; ++i)
        for (int j = 0; j < m.nCols; ++j)
            if (m.anFlags[m.Index(i, j)] & CellPaintMatrix::gxMarked)
                MarkCell(m.pDC, m.anRows[i], m.anCols[j], m.CellRect(i, j));
}

void CGXGridCore::DrawOldStyleGrid(CellPaintMatrix& m)
{
    if (m_pOldDrawingImp != nullptr)
        m_pOldDrawingImp->DrawMatrixBackground(this, m);
}

void CGXGridCore::PrepareMatrixCell(CellPaintMatrix& m, int i, int j)
{
    const int n = m.Index(i, j);
    if (m.anFlags[n] & CellPaintMatrix::gxSpanned)
        return;
    if (m_pDrawSpannedCellsImp != nullptr && m_pDrawSpannedCellsImp->PrepareSpannedCell(this, m, i, j))
        return;
    const ROWCOL nRow = m.anRows[i], nCol = m.anCols[j];
    if (m.apStyles[n] == nullptr)
        m.apStyles[n] = LookupStyleRowCol(nRow, nCol);
    if (m.anWidths[j] <= 0 || m.anHeights[i] <= 0)
        return;
    const CGXStyle& style = *m.apStyles[n];
    WORD nFlags = 0;
    if (style.GetIncludeInterior() &&
        (m_pStyleStandard == nullptr || style.GetInterior() != m_pStyleStandard->GetInterior()))
        nFlags |= CellPaintMatrix::gxOwnBackground;
    for (int nSide = CGXStyle::gxBorderLeft; nSide <= CGXStyle::gxBorderBottom; ++nSide)
        if (style.GetIncludeBorders(nSide))
            nFlags |= WORD(1 << nSide);
    const BOOL bLineAfter = m_pParam->GetLineOffset();
    if (!style.GetIncludeBorders(bLineAfter ? CGXStyle::gxBorderRight : CGXStyle::gxBorderLeft))
        nFlags |= CellPaintMatrix::gxVertLine;
    if (nCol == m.nFrozenCols && nCol > m.nHeaderCols)
        nFlags |= CellPaintMatrix::gxLastFrozenCol;
    if (!style.GetIncludeBorders(bLineAfter ? CGXStyle::gxBorderBottom : CGXStyle::gxBorderTop))
        nFlags |= CellPaintMatrix::gxHorzLine;
    if (nRow == m.nFrozenRows && nRow > m.nHeaderRows)
        nFlags |= CellPaintMatrix::gxLastFrozenRow;
    if (m.bMarking && m_pParam->GetRangeList1().IsCellInList(nRow, nCol))
        nFlags |= CellPaintMatrix::gxMarked;
    if (m_bRecalcRedraw && IsFormulaCellRowCol(nRow, nCol))
        AfxAllocating([&] { m_recalcDrawnCells.push_back(CGXCellRange(nRow, nCol, nRow, nCol)); });
    m.anFlags[n] |= nFlags;
}

void CGXGridCore::DrawRowBackground(CellPaintMatrix& m, int i)
{
    if (m_pParam->GetDisplayOptions().bNoBackground)
        return;
    const WORD nOwn = CellPaintMatrix::gxOwnBackground, nSpanned = CellPaintMatrix::gxSpanned;
    for (int j = 0; j < m.nCols; ++j)
        m.anFlags[m.Index(i, j)] |= nOwn;
    // runs of equal interiors are filled at once; a cell alone fills its own background
    for (int j = 0; j < m.nCols;) {
        const int n = m.Index(i, j);
        const CGXStyle* pStyle = m.apStyles[n];
        if (!(m.anFlags[n] & nOwn) || (m.anFlags[n] & nSpanned) || pStyle == nullptr) {
            ++j;
            continue;
        }
        const CGXCellBrush brush = pStyle->GetInterior();
        int k = j + 1;
        while (k < m.nCols) {
            const int nk = m.Index(i, k);
            if (!(m.anFlags[nk] & nOwn) || (m.anFlags[nk] & nSpanned) || m.apStyles[nk] == nullptr ||
                m.apStyles[nk]->GetInterior() != brush)
                break;
            ++k;
        }
        if (k - j >= 2) {
            const CRect rect(m.anLefts[j], m.anTops[i], m.anLefts[k - 1] + m.anWidths[k - 1], m.anTops[i] + m.anHeights[i]);
            FillRectWithBrush(m.pDC, rect, m.bColor ? brush : BlackWhiteBrush(brush));
            for (int c = j; c < k; ++c)
                m.anFlags[m.Index(i, c)] &= WORD(~nOwn);
        }
        j = k;
    }
}

void CGXGridCore::DrawMatrixLines(CellPaintMatrix& m, BOOL bVertical, int nIndex)
{
    const CGXProperties* pProp = m_pParam->GetProperties();
    if (pProp == nullptr)
        return;
    const BOOL bPrint = IsPrinting();
    const BOOL bLinesOn = bVertical ? (bPrint ? pProp->GetPrintVertLines() : pProp->GetDisplayVertLines())
                                    : (bPrint ? pProp->GetPrintHorzLines() : pProp->GetDisplayHorzLines());
    const BOOL bLineAfter = m_pParam->GetLineOffset();
    const int nLinePass = bLineAfter ? 1 : 0;
    const WORD nLineFlag = bVertical ? CellPaintMatrix::gxVertLine : CellPaintMatrix::gxHorzLine;
    const WORD nFrozenFlag = bVertical ? CellPaintMatrix::gxLastFrozenCol : CellPaintMatrix::gxLastFrozenRow;
    const int nCount = bVertical ? m.nRows : m.nCols;
    const COLORREF clrGrid = m.bColor ? pProp->GetColor(CGXProperties::gxGridLineColor) : kBlack;
    const COLORREF clrFixed = m.bColor ? pProp->GetColor(CGXProperties::gxFixedLineColor) : kBlack;
    const UINT nLineStyle = std::min<UINT>(m_pParam->GetDisplayOptions().nGridLineStyle, CGXCellPen::gxExcluded);

    for (int nPass = 0; nPass < 2; ++nPass) {
        const int nSide = bVertical ? (nPass == 0 ? CGXStyle::gxBorderLeft : CGXStyle::gxBorderRight)
                                    : (nPass == 0 ? CGXStyle::gxBorderTop : CGXStyle::gxBorderBottom);
        const WORD nSideFlag = WORD(1 << nSide);
        // what cell k draws on this pass: nothing (FALSE), or a segment with its pen
        auto lineOf = [&](int k, CGXCellPen& pen, BOOL& bBorder) -> BOOL {
            const int n = bVertical ? m.Index(k, nIndex) : m.Index(nIndex, k);
            const CGXStyle* pStyle = m.apStyles[n];
            const WORD f = m.anFlags[n];
            if (pStyle == nullptr || (bVertical ? m.anHeights[k] : m.anWidths[k]) <= 0 ||
                (bVertical ? m.anWidths[nIndex] : m.anHeights[nIndex]) <= 0)
                return FALSE;
            bBorder = (f & nSideFlag) != 0;
            if (bBorder) {
                pen = pStyle->GetBorders(nSide);
                return TRUE;
            }
            const BOOL bFrozenEdge = (f & nFrozenFlag) && nPass == 1;
            if (!((bLinesOn && (f & nLineFlag) && nPass == nLinePass) || bFrozenEdge))
                return FALSE;
            pen = CGXCellPen(nLineStyle, 1, bFrozenEdge ? clrFixed : clrGrid);
            return TRUE;
        };
        for (int k = 0; k < nCount;) {
            CGXCellPen pen;
            BOOL bBorder = FALSE;
            if (!lineOf(k, pen, bBorder)) {
                ++k;
                continue;
            }
            // the following cells with the same pen on this side join the segment
            int kEnd = k + 1;
            for (; kEnd < nCount; ++kEnd) {
                CGXCellPen next;
                BOOL bNextBorder = FALSE;
                if (!lineOf(kEnd, next, bNextBorder) || next != pen)
                    break;
                const int n = bVertical ? m.Index(kEnd, nIndex) : m.Index(nIndex, kEnd);
                m.anFlags[n] &= WORD(~(bNextBorder ? nSideFlag : nLineFlag));
            }
            const int nFirstCell = bVertical ? m.Index(k, nIndex) : m.Index(nIndex, k);
            CRect rect = bVertical ? CRect(m.anLefts[nIndex], m.anTops[k], m.anLefts[nIndex] + m.anWidths[nIndex],
                                           m.anTops[kEnd - 1] + m.anHeights[kEnd - 1])
                                   : CRect(m.anLefts[k], m.anTops[nIndex], m.anLefts[kEnd - 1] + m.anWidths[kEnd - 1],
                                           m.anTops[nIndex] + m.anHeights[nIndex]);
            const CGXCellBrush interior = m.apStyles[nFirstCell]->GetInterior();
            if (bBorder || pen.GetStyle() != CGXCellPen::gxSolid) {
                DrawBorderSide(m.pDC, rect, pen, nSide, &interior);
            } else if (bVertical) {
                // a plain line lies on the cell's first pixel, or on its last in line-after mode
                const int x = nPass == 0 ? rect.left : rect.right - 1;
                FillRectWithColor(m.pDC, CRect(x, rect.top, x + 1, rect.bottom), pen.GetColor());
            } else {
                const int y = nPass == 0 ? rect.top : rect.bottom - 1;
                FillRectWithColor(m.pDC, CRect(rect.left, y, rect.right, y + 1), pen.GetColor());
            }
            k = kEnd;
        }
    }
}

void CGXGridCore::FillBeyondMatrix(CellPaintMatrix& m)
{
    if (m_pParam->GetDisplayOptions().bNoBackground)
        return;
    const CGXProperties* pProp = m_pParam->GetProperties();
    const COLORREF clr = IsPrinting() || pProp == nullptr
                             ? kWhite
                             : GXResolveColor(pProp->GetColor(CGXProperties::gxBackgroundColor));
    const CRect rectGrid = GetGridRect();
    const int xRight = m.anLefts[m.nCols - 1] + m.anWidths[m.nCols - 1];
    const int yBottom = m.anTops[m.nRows - 1] + m.anHeights[m.nRows - 1];
    const BOOL bPrint = IsPrinting();
    const BOOL bLineAfter = m_pParam->GetLineOffset();
    // no cell lies right of the last column or below the last row: both areas reach the grid's far
    // edges, so that the corner beyond both is painted too
    if (m.anCols[m.nCols - 1] >= GetColCount()) {
        const CRect rect(xRight, rectGrid.top, std::max(rectGrid.right, xRight), std::max(rectGrid.bottom, yBottom + 5));
        FillRectWithColor(m.pDC, rect, clr);
        if (pProp != nullptr && !bLineAfter && (bPrint ? pProp->GetPrintVertLines() : pProp->GetDisplayVertLines()))
            DrawLineRect(m.pDC, xRight, m.yOrigin, 1, yBottom - m.yOrigin, gxColLine, m.nLastCol + 1, 0);
    }
    if (m.anRows[m.nRows - 1] >= GetRowCount()) {
        const CRect rect(rectGrid.left, yBottom, std::max(rectGrid.right, xRight + 5), std::max(rectGrid.bottom, yBottom));
        FillRectWithColor(m.pDC, rect, clr);
        if (pProp != nullptr && !bLineAfter && (bPrint ? pProp->GetPrintHorzLines() : pProp->GetDisplayHorzLines()))
            DrawLineRect(m.pDC, m.xOrigin, yBottom, xRight - m.xOrigin, 1, gxRowLine, m.nLastRow + 1, 0);
    }
}

// ---- cells, marking, lines and borders ------------------------------------------------------------

void CGXGridCore::DrawCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGXStyle& style)
{
    const BOOL bCurrent = IsCurrentCell(nRow, nCol);
    CGXControl* pControl = bCurrent ? GetCurrentCellControl() : nullptr;
    if (pControl == nullptr)
        pControl = GetRegisteredControl(style.GetIncludeControl() ? style.GetControl() : 0);
    if (pControl == nullptr)
        return;
    if (bCurrent && !pControl->IsAttachedTo(nRow, nCol))
        pControl->Init(nRow, nCol);
    pControl->Draw(pDC, rect, nRow, nCol, style, m_pStyleStandard);
    if (bCurrent && !pControl->IsActive() && m_pPaintMatrix != nullptr) {
        m_pPaintMatrix->pCurrentControl = pControl;
        m_pPaintMatrix->rectCurrentCell = SubtractBorders(rect, style, TRUE);
    }
}

void CGXGridCore::MarkCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect)
{
    const CGXGridParam::DisplayOptions& options = m_pParam->GetDisplayOptions();
    if (!IsCurrentCell(nRow, nCol) || m_bInvertCurrentCell || options.nMarkingMode == 1) {
        pDC->InvertRect(&rect);
    } else if (options.bCurrentCellFrame) {
        // the current cell keeps its inside: only a frame around it is inverted
        const BOOL bLineAfter = m_pParam->GetLineOffset();
        const int nTopLeft = bLineAfter ? 2 : 3, nBottomRight = bLineAfter ? 3 : 2;
        const CRect strips[] = {
            CRect(rect.left, rect.top, rect.right, rect.top + nTopLeft),
            CRect(rect.left, rect.bottom - nBottomRight, rect.right, rect.bottom),
            CRect(rect.left, rect.top + nTopLeft, rect.left + nTopLeft, rect.bottom - nBottomRight),
            CRect(rect.right - nBottomRight, rect.top + nTopLeft, rect.right, rect.bottom - nBottomRight)};
        for (const CRect& strip : strips)
            pDC->InvertRect(&strip);
    }
    m_bInvertCurrentCell = FALSE;
}

void CGXGridCore::DrawLineRect(CDC* pDC, int x, int y, int nWidth, int nHeight, int nKind, int, UINT nFlags)
{
    const CRect rect(x, y, x + nWidth, y + nHeight);
    const CGXProperties* pProp = m_pParam != nullptr ? m_pParam->GetProperties() : nullptr;
    const BOOL bBlackWhite = IsPrintingBlackWhite();
    const COLORREF clrGrid =
        bBlackWhite || pProp == nullptr ? kBlack : GXResolveColor(pProp->GetColor(CGXProperties::gxGridLineColor));
    if (nFlags & gxLineInvertFirst) {
        pDC->InvertRect(&rect);
    } else if (nFlags & gxLineDragging) {
        CPen pen;
        pen.CreatePen(PS_DOT, 1,
                      pProp != nullptr ? GXResolveColor(pProp->GetColor(CGXProperties::gxDraggingLineColor)) : kBlack);
        CPen* pOldPen = pDC->SelectObject(&pen);
        const int nOldMode = pDC->SetBkMode(OPAQUE);
        const COLORREF clrOld = pDC->SetBkColor(clrGrid);
        pDC->FillSolidRect(&rect, clrGrid);
        pDC->MoveTo(x, y);
        if (nKind == gxColLine)
            pDC->LineTo(x, y + nHeight);
        else
            pDC->LineTo(x + nWidth, y);
        pDC->SetBkColor(clrOld);
        pDC->SetBkMode(nOldMode);
        pDC->SelectObject(pOldPen);
    } else if (nFlags & gxLineTracking) {
        const COLORREF clr = bBlackWhite || pProp == nullptr
                                 ? kBlack
                                 : GXResolveColor(pProp->GetColor(CGXProperties::gxTrackingLineColor));
        FillRectWithColor(pDC, rect, clr);
    } else if (nFlags & gxLineInvert) {
        pDC->InvertRect(&rect);
    } else if (pDC->IsPrinting()) {
        pDC->FillRect(&rect, LookupBrush(CGXCellBrush(CGXCellBrush::gxSolid, clrGrid)));
    } else {
        FillRectWithColor(pDC, rect, clrGrid);
    }
}

void CGXGridCore::CalcTrackingLineRect(CRect& rect, int nKind, int nIndex)
{
    const CRect rectGrid = GetGridRect();
    const int nShift = m_pParam != nullptr && m_pParam->GetLineOffset() ? 1 : 0;
    if (nKind == gxColLine) {
        const int x = rectGrid.left + SumDisplayColWidths(0, nIndex) - nShift;
        rect.SetRect(x, rectGrid.top, x + 1, rectGrid.bottom);
    } else {
        const int y = rectGrid.top + SumDisplayRowHeights(0, nIndex) - nShift;
        rect.SetRect(rectGrid.left, y, rectGrid.right, y + 1);
    }
}

void CGXGridCore::InvertTrackingLine(CDC* pDC, int nKind, int nIndex, UINT nFlags)
{
    CRect rect;
    CalcTrackingLineRect(rect, nKind, nIndex);
    DrawLineRect(pDC, rect.left, rect.top, rect.Width(), rect.Height(), nKind, nIndex, nFlags);
}

void CGXGridCore::DrawCellBorders(CDC* pDC, const CRect& rect, const CGXStyle& style)
{
    for (int nSide : {CGXStyle::gxBorderTop, CGXStyle::gxBorderBottom, CGXStyle::gxBorderLeft, CGXStyle::gxBorderRight})
        if (style.GetIncludeBorders(nSide))
            DrawBorderSide(pDC, rect, style.GetBorders(nSide), nSide, &style.GetInterior());
}

void CGXGridCore::DrawBorderSide(CDC* pDC, const CRect& rect, const CGXCellPen& pen, int nSide,
                                 const CGXCellBrush* pInterior)
{
    const int w = int(pen.GetWidth());
    if (w <= 0 || !pen.GetInclude())
        return;
    CRect strip = rect;
    switch (nSide) {
    case CGXStyle::gxBorderLeft:
        strip.right = rect.left + w;
        break;
    case CGXStyle::gxBorderRight:
        strip.left = rect.right - w;
        break;
    case CGXStyle::gxBorderTop:
        strip.bottom = rect.top + w;
        break;
    case CGXStyle::gxBorderBottom:
        strip.top = rect.bottom - w;
        break;
    default:
        AfxThrowInvalidArgFormat("CGXGridCore::DrawBorderSide: side %d is not 0..3", nSide);
    }
    // dashed, dotted and null pens are drawn as brushes: a pattern in the pen's colour, or the interior
    CGXCellBrush brush;
    const BOOL bRow = nSide == CGXStyle::gxBorderTop || nSide == CGXStyle::gxBorderBottom;
    if (pen.CreateDashBrush(brush, pInterior != nullptr ? *pInterior : CGXCellBrush(), bRow, IsPrintingBlackWhite())) {
        FillRectWithBrush(pDC, strip, brush);
        return;
    }
    FillRectWithColor(pDC, strip, IsPrintingBlackWhite() ? kBlack : pen.GetColor());
}

void CGXGridCore::FillRectWithBrush(CDC* pDC, const CRect& rect, const CGXCellBrush& brush)
{
    if (brush.GetStyle() == CGXCellBrush::gxHollow) {
        FillRectWithColor(pDC, rect, brush.GetBkColor());
        return;
    }
    // a pattern brush draws its set bits in the background colour, the others in the text colour
    const COLORREF clrOldText = pDC->SetTextColor(GXResolveColor(brush.GetColor()));
    const COLORREF clrOldBk = pDC->SetBkColor(GXResolveColor(brush.GetBkColor()));
    pDC->FillRect(&rect, LookupBrush(brush));
    pDC->SetTextColor(clrOldText);
    pDC->SetBkColor(clrOldBk);
}

CRect CGXGridCore::SubtractBorders(const CRect& rect, const CGXStyle& style, BOOL bFrame)
{
    CRect r = rect;
    if (bFrame && style.GetIncludeDraw3dFrame() && style.GetDraw3dFrame() != 0)
        r.DeflateRect(1, 1, 1, 1);
    const CGXProperties* pProp = m_pParam != nullptr ? m_pParam->GetProperties() : nullptr;
    const BOOL bLineAfter = m_pParam != nullptr && m_pParam->GetLineOffset();
    const BOOL bPrint = IsPrinting();
    const BOOL bVert = pProp != nullptr && (bPrint ? pProp->GetPrintVertLines() : pProp->GetDisplayVertLines());
    const BOOL bHorz = pProp != nullptr && (bPrint ? pProp->GetPrintHorzLines() : pProp->GetDisplayHorzLines());
    // per side: the border's width, else the grid line where one lies on that side
    const struct {
        int nSide;
        BOOL bLine;
        LONG CRect::*pEdge;
        int nDir;
    } sides[] = {{CGXStyle::gxBorderLeft, bVert && !bLineAfter, &CRect::left, 1},
                 {CGXStyle::gxBorderRight, bVert && bLineAfter, &CRect::right, -1},
                 {CGXStyle::gxBorderTop, bHorz && !bLineAfter, &CRect::top, 1},
                 {CGXStyle::gxBorderBottom, bHorz && bLineAfter, &CRect::bottom, -1}};
    for (const auto& s : sides) {
        int nWidth = s.bLine ? 1 : 0;
        if (style.GetIncludeBorders(s.nSide)) {
            const CGXCellPen& pen = style.GetBorders(s.nSide);
            nWidth = pen.GetStyle() == CGXCellPen::gxNull ? 0 : int(pen.GetWidth());
        }
        r.*s.pEdge += s.nDir * nWidth;
    }
    return r;
}

CSize CGXGridCore::AddBorders(CSize size, const CGXStyle& style)
{
    // what SubtractBorders takes from a cell, given back, and 2 each way for a 3D frame
    const CRect inner = SubtractBorders(CRect(0, 0, 0, 0), style, FALSE);
    size.cx += inner.left - inner.right;
    size.cy += inner.top - inner.bottom;
    if (style.GetIncludeDraw3dFrame() && style.GetDraw3dFrame() != 0) {
        size.cx += 2;
        size.cy += 2;
    }
    return size;
}

// ---- redrawing --------------------------------------------------------------------------------------

void CGXGridCore::RedrawRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, UINT nFlags,
                               BOOL bCreateHint)
{
    if (nFlags == 0 || m_pGridWnd == nullptr || m_pGridWnd->m_hWnd == nullptr || !m_pGridWnd->IsWindowVisible() ||
        m_pParam == nullptr || m_pParam->IsLockRedraw())
        return;
    const CRect rect = CalcSpannedRangeRect(CGXCellRange(nTop, nLeft, nBottom, nRight));
    m_pGridWnd->InvalidateRect(&rect, TRUE);
    if (nFlags & 2)
        m_pGridWnd->UpdateWindow();
    if (bCreateHint && m_pUpdateHintImp != nullptr && m_pGridDoc != nullptr)
        m_pUpdateHintImp->RedrawRange(this, nTop, nLeft, nBottom, nRight, nFlags);
}

void CGXGridCore::RedrawRange(const CGXCellRange& range, UINT nFlags)
{
    if (range.IsRows())
        RedrawRowCol(range.top, 0, range.bottom, GetColCount(), nFlags, FALSE);
    else if (range.IsCols())
        RedrawRowCol(0, range.left, GetRowCount(), range.right, nFlags, FALSE);
    else if (range.IsTable())
        RedrawRowCol(0, 0, GetRowCount(), GetColCount(), nFlags, FALSE);
    else
        RedrawRowCol(range.top, range.left, range.bottom, range.right, nFlags, FALSE);
}

void CGXGridCore::Redraw(UINT nFlags, BOOL bCreateHint)
{
    ResetLastVisible();
    if (nFlags == 0 || m_pParam == nullptr || m_pParam->IsLockRedraw())
        return;
    // the top row and left column come back within the counts
    m_nTopRow = std::min(m_nTopRow, std::max(GetRowCount(), GetFrozenRows() + 1));
    m_nLeftCol = std::min(m_nLeftCol, std::max(GetColCount(), GetFrozenCols() + 1));
    FreeObjectCache();
    if (m_pGridWnd != nullptr && m_pGridWnd->m_hWnd != nullptr) {
        const CRect rect = GetGridRect();
        m_pGridWnd->InvalidateRect(&rect, TRUE);
    }
    UpdateScrollbars();
    if ((nFlags & 2) && m_pGridWnd != nullptr && m_pGridWnd->m_hWnd != nullptr)
        m_pGridWnd->UpdateWindow();
    if (bCreateHint && m_pUpdateHintImp != nullptr && m_pGridDoc != nullptr)
        m_pUpdateHintImp->RedrawAll(this, nFlags);
}

// ---- the caches -------------------------------------------------------------------------------------

CFont* CGXGridCore::SelectStyleFont(CDC* pDC, const CGXStyle& style, const CGXStyle* pPreviousStyle)
{
    if (!style.GetIncludeFont())
        return nullptr;
    if (pPreviousStyle != nullptr && pPreviousStyle->GetIncludeFont() &&
        std::memcmp(&style.GetFontRef().GetLogFontRef(), &pPreviousStyle->GetFontRef().GetLogFontRef(),
                    sizeof(LOGFONTA)) == 0)
        return nullptr;
    return SelectFont(pDC, style.GetFontRef());
}

CFont* CGXGridCore::SelectFont(CDC* pDC, const CGXFont& font)
{
    LOGFONTA lf;
    font.GetZoomedLogFont(lf, m_nZoom);
    return pDC->SelectObject(LookupLogFont(lf));
}

CFont* CGXGridCore::LookupFont(const CGXFont& font)
{
    return LookupLogFont(font.GetLogFontRef());
}

CFont* CGXGridCore::LookupLogFont(const LOGFONTA& lf)
{
    const BYTE* p = reinterpret_cast<const BYTE*>(&lf);
    return LookupCached(m_fontCache, std::vector<BYTE>(p, p + sizeof(LOGFONTA)),
                        [&](CFont& font) { return font.CreateFontIndirect(&lf); });
}

CBrush* CGXGridCore::LookupBrush(const CGXCellBrush& brush)
{
    return LookupCached(m_brushCache, std::make_pair(brush.m_dwWord0, brush.m_dwWord1), [&](CBrush& gdiBrush) {
        const LOGBRUSH lb = brush.GetLogBrush();
        return gdiBrush.CreateBrushIndirect(&lb);
    });
}

CPen* CGXGridCore::LookupPen(const CGXCellPen& pen)
{
    return LookupCached(m_penCache, std::make_pair(pen.m_dwWord0, pen.m_dwWord1), [&](CPen& gdiPen) {
        const LOGPEN lp = pen.GetLogPen();
        // a geometric pen with square ends, unless the platform is too old for one
        if (!m_pAppData->m_bWin32s) {
            LOGBRUSH lb = {BS_SOLID, lp.lopnColor, 0};
            if (gdiPen.CreatePen(int(lp.lopnStyle) | PS_GEOMETRIC | PS_ENDCAP_SQUARE, int(lp.lopnWidth.x), &lb))
                return TRUE;
        }
        return gdiPen.CreatePenIndirect(&lp);
    });
}

CDC* CGXGridCore::GetClientDC()
{
    if (m_pClientDC == nullptr) {
        std::unique_ptr<CClientDC> pDC;
        AfxAllocating([&] {
            pDC = std::make_unique<CClientDC>(m_pGridWnd != nullptr && m_pGridWnd->m_hWnd != nullptr ? m_pGridWnd
                                                                                                     : nullptr);
        });
        m_pOldClientFont = m_pStyleStandard != nullptr ? SelectStyleFont(pDC.get(), *m_pStyleStandard) : nullptr;
        m_pClientDC = pDC.release();
    }
    return m_pClientDC;
}

void CGXGridCore::ReleaseClientDC()
{
    if (m_pClientDC == nullptr || m_nDrawDepth > 0)
        return;
    if (m_pOldClientFont != nullptr)
        m_pClientDC->SelectObject(m_pOldClientFont);
    delete m_pClientDC;
    m_pClientDC = nullptr;
    m_pOldClientFont = nullptr;
}

void CGXGridCore::FreeObjectCache()
{
    if (m_nDrawDepth > 0 || m_nLockUpdate > 0)
        return;
    if (!m_bKeepGdiObjects) {
        ReleaseClientDC();
        m_fontCache.clear();
        m_brushCache.clear();
        m_penCache.clear();
    }
    auto isKept = [this](ROWCOL nRow, ROWCOL nCol) {
        for (int i = 0; i < 4; ++i)
            if ((m_anKeepRows[i] != 0 && m_anKeepRows[i] == nRow) || (m_anKeepCols[i] != 0 && m_anKeepCols[i] == nCol))
                return true;
        return false;
    };
    const BOOL bKeep = std::any_of(std::begin(m_anKeepRows), std::end(m_anKeepRows), [](ROWCOL n) { return n != 0; }) ||
                       std::any_of(std::begin(m_anKeepCols), std::end(m_anKeepCols), [](ROWCOL n) { return n != 0; });
    for (auto it = m_styleCache.begin(); it != m_styleCache.end();) {
        if (bKeep && isKept(it->first.first, it->first.second)) {
            ++it;
            continue;
        }
        RecycleStyle(it->second);
        it = m_styleCache.erase(it);
    }
    if (!bKeep && !m_bLockCurrentCell)
        FreeCurrentCellStyle();
    for (CGXStyle* pStyle : m_pendingStyles)
        delete pStyle;
    m_pendingStyles.clear();
}

size_t CGXGridCore::GetCachedObjectCount() const
{
    return m_fontCache.size() + m_brushCache.size() + m_penCache.size() + m_styleCache.size();
}

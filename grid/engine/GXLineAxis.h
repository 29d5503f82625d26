// GXLineAxis: the rows (bRow) or the columns of a grid core, so that every row operation and its
// column twin is written once: what the twins read and call, and the operations themselves. Internal
// to the engine; a friend of CGXGridCore. The operations are defined by area: sizes, coordinates and
// the hit test in GXCoreCoords.cpp; counts, inserting, removing, moving, freezing and the first
// scrolled line in GXCoreRowCol.cpp; scroll bars and scrolling in GXCoreScroll.cpp; the scroll bars'
// messages in GXCoreWindow.cpp.
#pragma once

#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"

class GXLineAxis {
public:
    GXLineAxis(CGXGridCore& grid, BOOL bRow) : g(grid), m_bRow(bRow) {}

    // ---- what the twins differ in ----
    int Size(ROWCOL n) const { return m_bRow ? g.GetRowHeight(n) : g.GetColWidth(n); }
    int DefaultSize() const { return m_bRow ? g.GetDefaultRowHeight() : g.GetDefaultColWidth(); }
    ROWCOL Count() const { return m_bRow ? g.GetRowCount() : g.GetColCount(); }
    ROWCOL OtherCount() const { return m_bRow ? g.GetColCount() : g.GetRowCount(); }
    ROWCOL Frozen() const { return m_bRow ? g.GetFrozenRows() : g.GetFrozenCols(); }
    ROWCOL Headers() const { return m_bRow ? g.GetHeaderRows() : g.GetHeaderCols(); }
    ROWCOL FirstScrolled() const { return m_bRow ? g.GetTopRow() : g.GetLeftCol(); }
    BOOL Hidden(ROWCOL n) const { return m_bRow ? g.IsRowHidden(n) : g.IsColHidden(n); }
    BOOL TestSizing(WORD nMask) const
    {
        return m_bRow ? g.m_pParam->TestRowSizingFlags(nMask) : g.m_pParam->TestColSizingFlags(nMask);
    }
    CGXMapDWordToLong& StoredSizes() const
    {
        return m_bRow ? g.m_pParam->GetRowHeights() : g.m_pParam->GetColWidths();
    }
    int CharSize() const { return m_bRow ? g.GetFontHeight() : g.GetFontWidth(); }
    BOOL Limited() const { return m_bRow ? g.m_bLimitRowHeight : g.m_bLimitColWidth; }
    ROWCOL& LastVisibleCache() const { return m_bRow ? g.m_nLastVisibleRow : g.m_nLastVisibleCol; }
    // The first scrolled line on the screen and on the printed page.
    ROWCOL& ScreenFirst() const { return m_bRow ? g.m_nTopRow : g.m_nLeftCol; }
    ROWCOL& PrintFirst() const { return m_bRow ? g.m_nPrintTopRow : g.m_nPrintLeftCol; }
    // The current cell's line.
    ROWCOL& CurrentLine() const { return m_bRow ? g.m_nCurrentRow : g.m_nCurrentCol; }
    // The parameter object's frozen and header counts, whatever the switches say.
    ROWCOL StoredFrozen() const { return m_bRow ? g.m_pParam->GetFrozenRows() : g.m_pParam->GetFrozenCols(); }
    ROWCOL StoredHeaders() const { return m_bRow ? g.m_pParam->GetHeaderRows() : g.m_pParam->GetHeaderCols(); }
    BOOL FrozenOff() const { return m_bRow ? g.m_bFrozenRowsOff : g.m_bFrozenColsOff; }
    // The headers show numbers (rows) or letters (columns).
    BOOL Numbered() const
    {
        return m_bRow ? g.m_pParam->GetNumberedRowHeaders() : g.m_pParam->GetLetteredColHeaders();
    }
    // The whole lines a..b as a range.
    CGXCellRange Lines(ROWCOL a, ROWCOL b) const
    {
        return m_bRow ? CGXCellRange().SetRows(a, b) : CGXCellRange().SetCols(a, b);
    }
    // The scroll bar, its mode, its scale and the count it last showed.
    int Bar() const { return m_bRow ? SB_VERT : SB_HORZ; }
    DWORD& ScrollMode() const { return m_bRow ? g.m_dwVScrollMode : g.m_dwHScrollMode; }
    int& ScrollScale() const { return m_bRow ? g.m_nVScrollScale : g.m_nHScrollScale; }
    ROWCOL& ShownCount() const { return m_bRow ? g.m_nVScrollCount : g.m_nHScrollCount; }
    // The scroll directions towards line 1 and away from it, and the window style of the bar.
    int BackDirection() const { return m_bRow ? CGXGridCore::gxUp : CGXGridCore::gxLeft; }
    int ForwardDirection() const { return m_bRow ? CGXGridCore::gxDown : CGXGridCore::gxRight; }
    DWORD BarStyle() const { return m_bRow ? WS_VSCROLL : WS_HSCROLL; }
    // The rectangle's extent, start and end along the axis.
    int Extent(const CRect& r) const { return m_bRow ? r.Height() : r.Width(); }
    LONG Start(const CRect& r) const { return m_bRow ? r.top : r.left; }
    LONG End(const CRect& r) const { return m_bRow ? r.bottom : r.right; }
    LONG Coord(CPoint pt) const { return m_bRow ? pt.y : pt.x; }
    LONG& StartRef(CRect& r) const { return m_bRow ? r.top : r.left; }
    LONG& EndRef(CRect& r) const { return m_bRow ? r.bottom : r.right; }
    // The grid rectangle beyond the display line nIndex.
    CRect After(int nIndex) const { return m_bRow ? g.CalcRectBelowRow(nIndex) : g.CalcRectRightOfCol(nIndex); }

    // ---- sizes ----
    int StoredToPixels(LONG nStored) const;
    LONG PixelsToStored(int nPixels) const;
    // The base of GetRowHeight / GetColWidth.
    int BaseSize(ROWCOL n) const;
    int BaseDefaultSize() const;
    BOOL StoreDefault(int nSize) const;
    BOOL StoreSize(ROWCOL n, int nSize) const;
    void GetSizes(ROWCOL nFirst, ROWCOL nLast, int* an) const;
    int Sum(ROWCOL nFirst, ROWCOL nLast, int nLimit) const;
    int SumDisplay(int nFirst, int nLast, int nLimit) const;

    // ---- setting sizes with undo ----
    BOOL SetSizes(ROWCOL nFirst, ROWCOL nLast, int nSize, const int* anSizes, UINT nFlags, int nCommandType) const;
    BOOL SetDefault(int nSize, UINT nFlags, int nCommandType) const;
    // Records an undo command; an undo or redo moves the current cell to line nFirst.
    void Record(CGXCommand* pCommand, int nCommandType, ROWCOL nFirst) const;
    // The base of OnRowHeightChanged / OnColWidthChanged.
    void OnSizesChanged(ROWCOL nFirst, ROWCOL nLast, const int* anOld, UINT nFlags, BOOL bCreateHint) const;

    // ---- display indexes ----
    // Header and frozen lines keep their number; a line scrolled out before the first scrolled one
    // has index 0; -1 maps to -1.
    int ToDisplay(ROWCOL n) const;
    ROWCOL FromDisplay(int nIndex) const;
    // The display index under a client position, with the start of that line in *pStart; -1 beyond
    // the last line.
    int IndexAt(int nPos, int* pStart) const;
    // The line under the far edge of rect, or the count when it lies beyond the last line.
    ROWCOL LineAtEnd(const CRect& rect, BOOL& bBeyond) const;
    ROWCOL LastVisible() const;
    // The last line shown whole (the first scrolled line when even that one is cut).
    ROWCOL LastFullyVisible() const;
    // The pixels of lines nFrom..nTo of a range rectangle (CalcRangeRect): FALSE when they lie wholly
    // in the scrolled-out part or after the last visible line.
    BOOL Span(ROWCOL nFrom, ROWCOL nTo, int nLimit, LONG& nStart, LONG& nEnd) const;

    // ---- hit test ----
    // The boundary at nPos of the line at display index nIndex starting at nStart: the boundary code
    // (column 1 and hidden 7, or row 2 and hidden 8) with the line in rnLine, else 0 (rnLine kept).
    // bOtherIsHeader: the point lies in a header of the other axis.
    int BoundaryHit(int nPos, int nIndex, int nStart, BOOL bOtherIsHeader, ROWCOL& rnLine) const;

    // ---- counts, inserting, removing, moving (GXCoreRowCol.cpp) ----
    BOOL SetCount(ROWCOL nCount, UINT nFlags) const;
    BOOL StoreCount(ROWCOL nCount) const;
    void UpdateChangedCount(ROWCOL nOldCount, UINT nFlags, BOOL bCreateHint) const;
    BOOL Insert(ROWCOL nFirst, ROWCOL nCount, const int* anSizes, const CObArray* pCellStyles,
                const CObArray* pBaseStyles, ROWCOL nOtherCount, UINT nFlags, int nCommandType) const;
    BOOL StoreInsert(ROWCOL nFirst, ROWCOL nCount, BOOL bProcessed) const;
    void UpdateInsert(ROWCOL nFirst, ROWCOL nCount, UINT nFlags, BOOL bCreateHint) const;
    BOOL Remove(ROWCOL nFrom, ROWCOL nTo, UINT nFlags, int nCommandType) const;
    BOOL StoreRemove(ROWCOL nFrom, ROWCOL nTo, BOOL bProcessed) const;
    void UpdateRemove(ROWCOL nFrom, ROWCOL nTo, const int* anSizes, UINT nFlags, BOOL bCreateHint) const;
    BOOL Move(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags, int nCommandType) const;
    BOOL StoreMove(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL bProcessed) const;
    void UpdateMove(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags, BOOL bCreateHint) const;

    // ---- frozen and header lines, the first scrolled line (GXCoreRowCol.cpp) ----
    BOOL SetFrozen(ROWCOL nFrozen, ROWCOL nHeaders, UINT nFlags, int nCommandType) const;
    ROWCOL GetFrozen() const;
    BOOL StoreFrozen(ROWCOL nFrozen, ROWCOL nHeaders) const;
    void UpdateFrozen(ROWCOL nOldFrozen, ROWCOL nOldHeaders, UINT nFlags, BOOL bCreateHint) const;
    BOOL SetFirstScrolled(ROWCOL n, UINT nFlags, BOOL bCreateHint) const;

    // ---- scrolling (GXCoreScroll.cpp) ----
    // The largest first scrolled line that still shows lines up to the last one (the first scrollable
    // one when everything fits).
    ROWCOL LargestFirstScrolled() const;
    // Sets the bar's range and position for mode (bit 3 masked off): 0 hides the bar, 1 shows it, 2
    // shows it unless everything fits, 4 only keeps range and position. TRUE when the bar was shown
    // or hidden.
    BOOL ApplyScrollBar(DWORD dwMode, ROWCOL nLargest) const;
    // Scrolls by nCount lines towards line 1 (bBack) or away from it. TRUE when it scrolled.
    BOOL Scroll(BOOL bBack, ROWCOL nCount) const;
    // Brings lines nFirst..nLast into view. TRUE when it scrolled.
    BOOL ScrollInView(ROWCOL nFirst, ROWCOL nLast, UINT nFlags) const;
    // A scroll bar's message (GXCoreWindow.cpp): the base of OnGridVScroll / OnGridHScroll.
    BOOL ScrollByMessage(UINT nSBCode, UINT nPos) const;

private:
    // The store step of a set operation, run with the formula engine's undo option on exactly when the
    // operation records an undo command; a refused store discards what the engine prepared. Returns
    // the store's answer.
    template <class F>
    BOOL StoreWithEngineUndo(int nCommandType, F store) const;
    // Merged spans (and, for columns, floated spans) of lines nFrom..nTo are evaluated again.
    void DelaySpans(ROWCOL nFrom, ROWCOL nTo) const;
    // The parameter object's span pools, their queues and the coverings follow inserted, removed or
    // moved lines (kind: the operation; a moved block's queues are marked from the lower line on).
    enum ShiftKind { gxShiftInsert, gxShiftRemove, gxShiftMove };
    void ShiftSpans(ShiftKind kind, ROWCOL nFirst, ROWCOL nSecond, ROWCOL nDest = 0) const;
    // Before lines nFrom..nTo move to nDest: every covering the move cuts through is removed (a
    // normal move records the command that restores it in the move's undo block, so that an undo moves
    // the lines back first and then covers again). TRUE when there was one.
    BOOL UncoverCutCoverings(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, int nCommandType) const;
    // After lines nFrom..nTo moved to nDest inside the visible band rectBand (client coordinates, cut
    // to the grid rectangle): the band's pixels are scrolled by the block's size (ScrollWindowEx,
    // children with them), which leaves only the block's new place to paint.
    void ScrollMovedBand(const CRect& rectBand, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) const;
    // The line n follows lines nFrom..nTo moved so that nFrom ends at nDest.
    ROWCOL MovedLine(ROWCOL n, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) const;
    // The current cell's control initialised again when the current line moved to nNew.
    void MoveCurrentLine(ROWCOL nNew) const;

    CGXGridCore& g;
    BOOL m_bRow;
};

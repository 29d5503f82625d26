// CGXGridCore: the engine of every grid. It holds the grid's state (current cell, scroll position,
// printing, the parameter object with the cell data, styles and properties, the drawing caches, the
// operation modules and plug-ins) and offers the grid's behaviour as virtual operations. It is not a
// window: a window form holds it beside its window part, stores itself as the grid window and
// forwards the window's messages (OnGridWindowProc lets the plug-ins see each one first).
//
// Life: constructed (defaults only; the library's control factory then attaches the operation
// modules, GXGridModules.h) -> given its window -> Initialize (makes what the parameter object lacks:
// properties, styles map, cell data, each owned by the parameter object, and registers the grid with
// each shared object in the library state) -> initialised -> printing on and off (SetPrinting) ->
// destroyed with its window form.
//
// Ownership: the core deletes its registered controls, its scratch styles, the objects of its
// auto-delete list (the attached modules) and of its owned-object list, and its parameter object only
// when it made it or was told so (SetParam). Plug-ins in its plug-in list are attached, not owned; the
// auto-scroll plug-in its attach step makes is owned, though (otherwise nothing would free it).
//
// Modules: every operation that needs a module calls it only when its pointer is set and otherwise
// does nothing and answers 0 (FALSE). Tests and the grid operations plug modules into the public
// pointers below. The forwarding operations pass the grid and their arguments unchanged.
//
// Styles (GXCoreStyles.cpp): a cell shows its stored style merged with the base styles of its row,
// its column and the table, its base-style chain, the header styles, a generated header text
// (column letters, row numbers), "Standard", the highlight and the negative-number colour
// (ComposeStyleRowCol). Composed styles are cached per cell until the next flush (LookupStyleRowCol).
// SetStyleRange saves the range's old styles for undo when a command factory is attached, inside a
// long operation that the user may abort.
//
// Geometry (GXCoreCoords.cpp): sizes are stored in the parameter object as pixels times (1000 / the
// character size), the quotient taken in integers and at least 1, so that a character size above
// 1000 pixels or of 0 still gives sizes. Display indexes: header and frozen rows keep their row
// number, the rows from the top row on follow the frozen ones; columns likewise. While printing the
// print top row and left column stand for the screen ones.
//
// Painting (GXCoreDraw.cpp): OnGridDraw paints directly or into a memory bitmap (SetBufferedPaint 1)
// through a CellPaintMatrix (GXPaintMatrix.h): row backgrounds filled in runs, each cell through its
// control, grid lines joined into runs and borders, the marked cells inverted. GDI fonts, brushes and
// pens are cached per record until the next flush; a flush never happens inside a paint. The
// old-drawing module (GXOldDrawingImp.h) may draw a matrix itself through the virtual matrix steps.
//
// Rows and columns (GXCoreRowCol.cpp, GXMoveRowsColsImp.h): counts, inserting, removing, moving,
// frozen and header lines and the first scrolled line, each row operation and its column twin written
// once (GXLineAxis.h). Scrolling (GXCoreScroll.cpp): the scroll bars' modes and scale, scrolling the
// window's pixels by lines, bringing a cell into view, starting automatic scrolling. The current cell
// (GXCoreCurrentCell.cpp): it moves only with the consent of its control (a modified edit must pass
// and be stored); moves by direction skip disabled, hidden and covered cells. Keys, mouse and focus
// (GXCoreInput.cpp): the window forms hand their messages to ProcessKeys and the OnGrid... handlers.
//
// Window messages (GXCoreWindow.cpp): the window forms (CGXGridView, CGXGridWnd) hand the scroll bars,
// size, colours, settings, dialog codes, translation, child commands, the private messages of the
// grid's controls and tab windows and find and replace to the OnGrid... handlers, and prepare their DCs
// with PrepareGridDC.
//
// Focus: an activated grid becomes the library state's active grid; the state's focus hooks hear of
// every activation and every new current cell (GXState.h).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXCellBrush.h"
#include "grid/engine/GXCellPen.h"
#include "grid/engine/GXGridModules.h"
#include "grid/engine/GXRange.h"
#include "win/CRect.h"
#include "win/CWheelTurns.h"

#include <map>
#include <memory>
#include <vector>

class CBrush;
class CDC;
class CFont;
class CPen;
class CScrollBar;
class CWnd;
class CDocument;
class CGXCellTipHandler;
class CGXChild;
class CGXControl;
class CGXData;
class CGXFont;
class CGXGridParam;
class CGXLongOperation;
class CGXProperties;
class CGXSpanCellPool;
class CGXStyle;
class CGXStylesMap;
class CGXPluginComponent;
class GridLibraryState;
struct CellPaintMatrix;

class CGXGridCore {
    // the row and column twins of the geometry, written once (GXCoreCoords.cpp)
    friend class GXLineAxis;

public:
    // Hit codes of HitTest.
    enum {
        gxHitNothing = 0, gxHitColBoundary = 1, gxHitRowBoundary = 2, gxHitCell = 3, gxHitHeader = 4,
        gxHitSelectionFrame = 5, gxHitFillHandle = 6, gxHitHiddenCol = 7, gxHitHiddenRow = 8
    };
    // Kinds and flags of DrawLineRect and the tracking lines: a column (1) or row (other) line; flag 8
    // and 4 invert, 2 draws the dragging line, 1 the tracking line.
    enum { gxColLine = 1, gxRowLine = 2 };
    enum { gxLineTracking = 1, gxLineDragging = 2, gxLineInvert = 4, gxLineInvertFirst = 8 };
    // Command types of undoable operations (GXGridModules.h).
    enum { gxDo = 0, gxRollback = 1, gxUndo = 2, gxRedo = 3 };

    // Defaults only: pGridWnd (the window forms pass null and store themselves afterwards), pGridDoc
    // (null for a window grid), bIsViewContext (0 for both window forms). Reads the frame and border
    // metrics and loads the arrow cursor; then, when the library has a control factory, lets it attach
    // the grid's operation modules.
    CGXGridCore(CWnd* pGridWnd = nullptr, CDocument* pGridDoc = nullptr, BOOL bIsViewContext = FALSE);
    // Deletes the registered controls, the owned parameter object, the scratch and cached styles, the
    // attached modules and the owned objects, lets the plug-ins go (not deleting them) and leaves the
    // library state's registry.
    virtual ~CGXGridCore();
    CGXGridCore(const CGXGridCore&) = delete;
    CGXGridCore& operator=(const CGXGridCore&) = delete;

    // ---- printing, document, initialisation ----------------------------------------------------------
    // pDC null ends printing. Otherwise an active edit of the current cell is stored first
    // (TransferCurrentCell(TRUE, 2, TRUE)) and the control deactivated. The printer DC is kept; with
    // bUpdatePrintRect the print rectangle becomes the client rectangle, the printer's character size
    // is measured and the print top row and left column become the frozen counts plus 1. The properties
    // keep the printer DC (null when printing ends).
    virtual void SetPrinting(CDC* pDC, BOOL bUpdatePrintRect = TRUE);
    // Marks the document modified, only when the document link is on and a document exists.
    virtual void SetModifiedFlag(BOOL bModified = TRUE);
    // Prepares pDC for drawing the grid (mapping mode and extents of the window forms); nothing here.
    virtual void OnGridPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // Initialises the grid (see the top of this file). Without the window class "GXWND" raises
    // CNotSupportedException* and the grid stays uninitialised. Returns UpdateScrollbars' answer.
    virtual BOOL Initialize();
    // Passes a hint to the document's views (nothing without a document).
    virtual void UpdateAllViews(CWnd* pSender, LPARAM lHint, CObject* pHint);
    // A hint another view sent: the update-hint module replays it. Its answer, FALSE without it.
    virtual BOOL OnGridUpdate(CObject* pHint);

    // ---- styles --------------------------------------------------------------------------------------
    // The stored style of a cell (nKind 0) or base style (nKind -1) merged into style with nMode (the
    // data object's GetCellStyle). FALSE when there is no data object or nothing is stored.
    virtual BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, int nMode = 2, int nKind = 0);
    // The composed style of a cell into pStyle (emptied first): see the top of this file; with
    // bApplyStandard "Standard" fills what nothing else set.
    virtual void ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, BOOL bApplyStandard = TRUE);
    // The composed style of a cell from the style cache, composed on a miss (read-only while the grid
    // is locked). The grid keeps it until the next flush.
    virtual const CGXStyle* LookupStyleRowCol(ROWCOL nRow, ROWCOL nCol);
    // Stores pStyle (null or nMode 4: removes) at a cell or base style through the data object. FALSE
    // while the read-only guard is on and the grid is locked, or without a data object. Spans are
    // evaluated again (outside SetStyleRange); a change of the current cell drops its cached style.
    virtual BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind = 0);
    // Applies pStyle, or each cell's entry of pStyleArray (rows outer, null entries remove; an entry
    // beyond the cells is formula undo information), to range: a range of rows, columns or the table
    // addresses base styles (kind -1), cells go through their control. With a command factory, undo on
    // and a command type other than 1, the old styles are saved first and recorded; a range too large
    // for that asks string 20082 (Cancel: FALSE, nothing changed; OK: no undo). A user abort ends with
    // FALSE after the done area is rolled back (the long operation's rollback flag) or recorded. TRUE
    // when any cell changed.
    virtual BOOL SetStyleRange(const CGXCellRange& range, const CGXStyle* pStyle, int nMode, int nKind = 0,
                               const CObArray* pStyleArray = nullptr, UINT nFlags = 2, int nCommandType = gxDo);
    // A copy of the stored style of each cell of range (rows outer, null where nothing is stored); the
    // caller owns the array and its styles (DeleteStyleArray). Progress and abort through pOperation
    // (may be null): an abort throws CUserException* after freeing the partial array.
    virtual CObArray* CreateStyleArray(const CGXCellRange& range, int nKind, CGXLongOperation* pOperation);
    // Redraws the range and hands a hint on.
    virtual void OnChangedStyleRange(const CGXCellRange& range, const CGXStyle* pStyle, int nMode, int nKind,
                                     UINT nFlags, BOOL bCreateHint);
    // A new empty style of the style class (from the recycled ones when there are any); the caller
    // gives it back with RecycleStyle (emptied and kept while 500 or fewer wait, else deleted).
    virtual CGXStyle* CreateStyle();
    virtual void RecycleStyle(CGXStyle* pStyle);
    // The styles map, the properties or base style nId become copies of the ones given (a base style
    // changed with nMode), recorded for undo as for SetStyleRange. FALSE while the read-only guard is on
    // and the grid is locked. The notifications look the base styles up again and redraw.
    virtual BOOL ChangeStylesMap(const CGXStylesMap& stylesMap, UINT nFlags = 2, int nCommandType = gxDo);
    virtual void OnChangedStylesMap(UINT nFlags, BOOL bCreateHint);
    virtual BOOL ChangeProperties(const CGXProperties& properties, UINT nFlags = 2, int nCommandType = gxDo);
    virtual void OnChangedProperties(UINT nFlags, BOOL bCreateHint);
    virtual BOOL ChangeBaseStyle(WORD nId, const CGXStyle& style, int nMode = 0, UINT nFlags = 2,
                                 int nCommandType = gxDo);
    virtual void OnChangedBaseStyle(WORD nId, UINT nFlags, BOOL bCreateHint);
    // ChangeBaseStyle of "Row Header" / "Column Header".
    BOOL ChangeRowHeaderStyle(const CGXStyle& style, int nMode = 0, UINT nFlags = 2, int nCommandType = gxDo);
    BOOL ChangeColHeaderStyle(const CGXStyle& style, int nMode = 0, UINT nFlags = 2, int nCommandType = gxDo);
    // Lets the cell's control store pszText as the cell's value (pStyle null: the composed style).
    virtual BOOL SetControlTextRowCol(ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags = 2,
                                      const CGXStyle* pStyle = nullptr);
    // Empties the scratch style, sets its Value to pszValue and applies it to range with nMode.
    BOOL ApplyValueToRange(const CGXCellRange& range, const char* pszValue, int nMode = 0, int nKind = 0,
                           UINT nFlags = 2);
    // The Value of the composed (GetValueRowCol) or the stored style (GetStoredValueRowCol) of a cell;
    // valid until the next call.
    const CString& GetValueRowCol(ROWCOL nRow, ROWCOL nCol);
    const CString& GetStoredValueRowCol(ROWCOL nRow, ROWCOL nCol);
    // The "Standard" style, and base style nId, of the styles map. CNotSupportedException* without a
    // parameter object, styles map or such a style.
    const CGXStyle& GetStandardStyle();
    const CGXStyle& LookupBaseStyle(WORD nId);
    // The kind SetStyleRange uses for a cell range given kind 0 (0; Initialize makes it 1 when the
    // parameter object's entered-values option is on, as a formula sheet sets it).
    int m_nStyleKind = 0;

    // ---- rows and columns (GXCoreRowCol.cpp) ----------------------------------------------------------
    // Each row operation has a column twin with the same arguments. A shape change comes in three
    // layers a derived grid may override one by one: the set operation (stores or discards the current
    // cell's edit first, FALSE when that fails; records the undo command; runs inside a long
    // operation), the store operation (changes the data, the row heights, the hidden rows, the range
    // lists and the spans; refused, FALSE, while the read-only guard is on and the grid is locked) and
    // the update operation (repairs the current cell and the screen, hands a hint on with
    // bCreateHint). nFlags are redraw flags (1 invalidate, 2 also update the window at once, 4 a
    // further redraw mode); nCommandType that of an undoable operation.
    //
    // The data object's counts (0 without one).
    virtual ROWCOL GetRowCount();
    virtual ROWCOL GetColCount();
    // A larger count inserts rows after the last (InsertRows, no arrays), a smaller one removes the
    // tail (RemoveRows, command type 0). TRUE when the count is unchanged; else the operation's answer.
    virtual BOOL SetRowCount(ROWCOL nCount, UINT nFlags = 2);
    virtual BOOL SetColCount(ROWCOL nCount, UINT nFlags = 2);
    // The data object takes the count; the document is marked modified.
    virtual BOOL StoreRowCount(ROWCOL nCount);
    virtual BOOL StoreColCount(ROWCOL nCount);
    // After StoreRowCount: a current cell beyond the count is reset; unless redraw is locked and with
    // nFlags, the scroll bars are updated and what lay after the old count is redrawn.
    virtual void UpdateChangedRowCount(ROWCOL nOldCount, UINT nFlags = 2, BOOL bCreateHint = TRUE);
    virtual void UpdateChangedColCount(ROWCOL nOldCount, UINT nFlags = 2, BOOL bCreateHint = TRUE);
    // Inserts nCount rows before nFirst. anSizes (nCount heights), pCellStyles (nCount times
    // nOtherCount styles from column 0, rows outer; null entries store nothing; an entry beyond them
    // is formula undo information) and pBaseStyles (nCount row base styles) may be null. Records a
    // command that removes the rows again. TRUE when inserted (FALSE for nCount 0).
    virtual BOOL InsertRows(ROWCOL nFirst, ROWCOL nCount, const int* anSizes = nullptr,
                            const CObArray* pCellStyles = nullptr, const CObArray* pBaseStyles = nullptr,
                            ROWCOL nOtherCount = 0, UINT nFlags = 2, int nCommandType = gxDo);
    virtual BOOL InsertCols(ROWCOL nFirst, ROWCOL nCount, const int* anSizes = nullptr,
                            const CObArray* pCellStyles = nullptr, const CObArray* pBaseStyles = nullptr,
                            ROWCOL nOtherCount = 0, UINT nFlags = 2, int nCommandType = gxDo);
    // The store layer: FALSE when neither the data object inserted nor bProcessed is set.
    virtual BOOL StoreInsertRows(ROWCOL nFirst, ROWCOL nCount, BOOL bProcessed = FALSE);
    virtual BOOL StoreInsertCols(ROWCOL nFirst, ROWCOL nCount, BOOL bProcessed = FALSE);
    // The update layer: a current cell at or after nFirst moves down by nCount.
    virtual void UpdateInsertRows(ROWCOL nFirst, ROWCOL nCount, UINT nFlags = 2, BOOL bCreateHint = TRUE);
    virtual void UpdateInsertCols(ROWCOL nFirst, ROWCOL nCount, UINT nFlags = 2, BOOL bCreateHint = TRUE);
    // Removes rows nFrom..nTo (nFrom <= nTo, else CInvalidArgException*). With undo the rows' styles
    // are saved first (the command factory asks whether to go on without undo when they are too many;
    // Cancel: FALSE, nothing changed) and a command that inserts them again is recorded, inside an
    // undo transaction. Then the selection is emptied. TRUE when removed.
    virtual BOOL RemoveRows(ROWCOL nFrom, ROWCOL nTo, UINT nFlags = 2, int nCommandType = gxDo);
    virtual BOOL RemoveCols(ROWCOL nFrom, ROWCOL nTo, UINT nFlags = 2, int nCommandType = gxDo);
    virtual BOOL StoreRemoveRows(ROWCOL nFrom, ROWCOL nTo, BOOL bProcessed = FALSE);
    virtual BOOL StoreRemoveCols(ROWCOL nFrom, ROWCOL nTo, BOOL bProcessed = FALSE);
    // A current cell inside nFrom..nTo is given up without storing; one after them moves up.
    // anSizes: the removed rows' old heights (may be null).
    virtual void UpdateRemoveRows(ROWCOL nFrom, ROWCOL nTo, const int* anSizes = nullptr, UINT nFlags = 2,
                                  BOOL bCreateHint = TRUE);
    virtual void UpdateRemoveCols(ROWCOL nFrom, ROWCOL nTo, const int* anSizes = nullptr, UINT nFlags = 2,
                                  BOOL bCreateHint = TRUE);
    // Frozen rows 1..nFrozen and header rows 1..nHeaders (row 0 is always a header). SetFrozenRows
    // stores both, brings the top row below the frozen rows and records the old counts for undo.
    virtual BOOL SetFrozenRows(ROWCOL nFrozen, ROWCOL nHeaders = 0, UINT nFlags = 2, int nCommandType = gxDo);
    virtual BOOL SetFrozenCols(ROWCOL nFrozen, ROWCOL nHeaders = 0, UINT nFlags = 2, int nCommandType = gxDo);
    // The parameter object's frozen count (0 without one), or 0 while the frozen-rows-off switch is on
    // (ignored while printing unless the print-frozen switch is on).
    virtual ROWCOL GetFrozenRows();
    virtual ROWCOL GetFrozenCols();
    // The parameter object's header counts (0 without one).
    virtual ROWCOL GetHeaderRows();
    virtual ROWCOL GetHeaderCols();
    // Browsing grids: the record a grid row shows, counted from 0: the row's browse number
    // (GetBrowseRowNumber) less the header rows and 1; negative for row 0 and the header rows.
    virtual LONG GetDataRowIndex(ROWCOL nRow);
    // The row number the grid keeps for grid row nRow in its order of records: nRow itself here; a
    // browsing grid that shows its records in another order answers its own.
    virtual ROWCOL GetBrowseRowNumber(ROWCOL nRow);
    virtual BOOL StoreFrozenRows(ROWCOL nFrozen, ROWCOL nHeaders);
    virtual BOOL StoreFrozenCols(ROWCOL nFrozen, ROWCOL nHeaders);
    virtual void UpdateFrozenRows(ROWCOL nOldFrozen, ROWCOL nOldHeaders, UINT nFlags = 2, BOOL bCreateHint = TRUE);
    virtual void UpdateFrozenCols(ROWCOL nOldFrozen, ROWCOL nOldHeaders, UINT nFlags = 2, BOOL bCreateHint = TRUE);
    // A row other than 0 not beyond the frozen rows.
    virtual BOOL IsFrozenRow(ROWCOL nRow);
    virtual BOOL IsFrozenCol(ROWCOL nCol);
    // The first scrolled row: brought within 1..row count (1 for row 0 or no rows) and below the
    // frozen rows. While printing only the print top row changes. With nFlags 2 or 4 the window
    // scrolls (DoScroll); else OnTopRowChange may refuse (FALSE), the row is stored, the scroll bars
    // follow and, with flag 1, the grid is invalidated. TRUE when set.
    virtual BOOL SetTopRow(ROWCOL nRow, UINT nFlags = 2, BOOL bCreateHint = TRUE);
    virtual BOOL SetLeftCol(ROWCOL nCol, UINT nFlags = 2, BOOL bCreateHint = TRUE);
    // Asked before the top row (left column) changes: FALSE keeps it. TRUE in the base.
    virtual BOOL OnTopRowChange(ROWCOL nNewTopRow);
    virtual BOOL OnLeftColChange(ROWCOL nNewLeftCol);
    // Told after it changed; nothing in the base.
    virtual void OnTopRowChanged();
    virtual void OnLeftColChanged();
    // The frozen rows (columns) count 0 while set (off); the print-frozen switch lets printing ignore
    // them (off).
    BOOL m_bFrozenRowsOff = FALSE;
    BOOL m_bFrozenColsOff = FALSE;
    BOOL m_bPrintFrozen = FALSE;

    // ---- scroll bars and scrolling (GXCoreScroll.cpp) ------------------------------------------------
    // Scroll directions of DoScroll, and the move directions of MoveCurrentCell (1 to 12).
    enum {
        gxUp = 1, gxLeft = 2, gxDown = 3, gxRight = 4, gxPageDown = 5, gxPageUp = 6, gxFirstRow = 7,
        gxLastRow = 8, gxFirstCol = 9, gxLastCol = 10, gxFirstCell = 11, gxLastCell = 12
    };
    // Scroll-bar modes: no bar, always shown, shown only when not everything fits, range and position
    // kept without showing or hiding; plus keep the end in view (no empty space after the last row or
    // column, and a proportional thumb).
    enum { gxScrollNone = 0, gxScrollAlways = 1, gxScrollAuto = 2, gxScrollKeep = 4, gxScrollKeepEnd = 8 };
    // The timer of automatic scrolling.
    enum { gxAutoScrollTimer = 992 };
    // Scrolls so that the cell (widened by its covered span, with bSpans also by its merged span) is
    // fully visible. TRUE when the grid scrolled.
    virtual BOOL ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT nFlags = 2, BOOL bSpans = FALSE);
    // Scrolls by nCount rows or columns in nDirection (gxUp .. gxRight), moving the window's pixels and
    // repainting the exposed band (the whole scroll area when the distance reaches its size). FALSE
    // when nothing scrolled (already at the edge, or OnTopRowChange / OnLeftColChange refused).
    virtual BOOL DoScroll(int nDirection, ROWCOL nCount);
    // DoScroll, then a hint to the document's other views when it scrolled.
    virtual BOOL OnScrollBySteps(int nDirection, ROWCOL nCount);
    // Brings the bars up to date with the counts, the top row and left column and the modes (see the
    // modes above). bQuiet: no window update and no repaint of the strip a bar left or took;
    // bOnlyWhenCountsChanged: nothing when the counts are those last shown. Nothing while the bars are
    // locked, redraw is locked or the window is hidden; while printing the bars are hidden. TRUE.
    virtual BOOL UpdateScrollbars(BOOL bQuiet = TRUE, BOOL bOnlyWhenCountsChanged = FALSE);
    // Sets the mode of bar SB_VERT, SB_HORZ or SB_BOTH; with bApply shows or hides the bars at once.
    virtual void SetScrollBarMode(int nBar, DWORD dwMode, BOOL bApply = TRUE);
    DWORD GetScrollBarMode(int nBar) const { return nBar == SB_HORZ ? m_dwHScrollMode : m_dwVScrollMode; }
    // The bars' positions and ranges in rows or columns: a range sets the bar's scale (each bar unit
    // stands for maximum / 32767 + 1 lines); positions are divided and the getters multiply by it.
    // Nothing (0) for a bar whose mode is 0. SetScrollPos returns the previous position.
    virtual int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    virtual void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    virtual int GetScrollPos(int nBar);
    virtual void GetScrollRange(int nBar, int& nMinPos, int& nMaxPos);
    // Lines per bar unit.
    int GetScrollScale(int nBar) const { return nBar == SB_HORZ ? m_nHScrollScale : m_nVScrollScale; }
    // Shows or hides a bar of the grid window.
    virtual void ShowScrollBar(int nBar, BOOL bShow = TRUE);
    // While locked UpdateScrollbars does nothing; unlocking brings the bars up to date when the counts
    // changed. Returns the previous state.
    BOOL LockScrollbars(BOOL bLock);
    // Scrolls the window's pixels (ScrollWindowEx scrolling the children, invalidating and erasing),
    // after the fill handle was taken off the screen.
    void ScrollGridWindow(int dx, int dy, const CRect& rectScroll, const CRect& rectClip);
    // Starts automatic scrolling: the scroll permissions kept for the timer's handler, the mouse
    // captured when asked, timer 992 set at 10 ms and one WM_TIMER 992 posted at once. When no timer
    // can be made, automatic scrolling stays off.
    void StartAutoScroll(BOOL bCapture, BOOL bVertical, BOOL bHorizontal);
    // Kills the timer of automatic scrolling; auto scrolling is off afterwards.
    void EndAutoScroll();
    BOOL IsAutoScrolling() const { return m_bAutoScrollRunning; }
    // Automatic scrolling may start from the mouse (off; the auto-scroll plug-in turns it on) and from
    // held keys (off).
    BOOL m_bAutoScroll = FALSE;
    BOOL m_bKeyRepeatAutoScroll = FALSE;
    // Set when a button is released: the auto-scroll plug-in stops at its next tick.
    BOOL m_bAutoScrollStop = FALSE;

    // ---- sizes ---------------------------------------------------------------------------------------
    // The height of a row (width of a column) in pixels: 0 when hidden, else the stored size or the
    // default; while the limit-to-window switch is on and the window visible, a row below the frozen
    // rows is cut to the grid rectangle less the heights of rows 0 to the frozen count.
    virtual int GetRowHeight(ROWCOL nRow);
    virtual int GetColWidth(ROWCOL nCol);
    virtual int GetDefaultRowHeight();
    virtual int GetDefaultColWidth();
    // The default size in pixels: 0 or less refused (FALSE); else stored and the document modified.
    virtual BOOL StoreDefaultRowHeight(int nHeight);
    virtual BOOL StoreDefaultColWidth(int nWidth);
    // A size in pixels for one row (column); a negative one removes it, so the default applies. TRUE.
    virtual BOOL StoreColWidth(ROWCOL nCol, int nWidth);
    virtual BOOL StoreRowHeight(ROWCOL nRow, int nHeight);
    // Sets rows nFirst..nLast (nLast 0: nFirst) to anHeights[i] or nHeight, inside a long operation;
    // when any changed, the floated cells are marked, OnRowHeightChanged reports the old sizes and an
    // undo command keeps them (command factory, undo on, type not 1). TRUE when any size changed.
    virtual BOOL SetRowHeight(ROWCOL nFirst, ROWCOL nLast, int nHeight, const int* anHeights = nullptr,
                              UINT nFlags = 2, int nCommandType = gxDo);
    virtual BOOL SetColWidth(ROWCOL nFirst, ROWCOL nLast, int nWidth, const int* anWidths = nullptr,
                             UINT nFlags = 2, int nCommandType = gxDo);
    // The default size, undoable as above. FALSE when the size is refused.
    virtual BOOL SetDefaultRowHeight(int nHeight, UINT nFlags = 2, int nCommandType = gxDo);
    virtual BOOL SetDefaultColWidth(int nWidth, UINT nFlags = 2, int nCommandType = gxDo);
    // Sizes nFirst..nLast changed from anOldSizes (may be null): the current cell in the range is
    // stored and reset, the optimised-update module or a full redraw shows it, a hint goes on.
    virtual void OnRowHeightChanged(ROWCOL nFirst, ROWCOL nLast, const int* anOldSizes, UINT nFlags,
                                    BOOL bCreateHint = TRUE);
    virtual void OnColWidthChanged(ROWCOL nFirst, ROWCOL nLast, const int* anOldSizes, UINT nFlags,
                                   BOOL bCreateHint = TRUE);
    // The sizes of nFirst..nLast into an (room for nLast - nFirst + 1).
    void GetRowHeights(ROWCOL nFirst, ROWCOL nLast, int* an);
    void GetColWidths(ROWCOL nFirst, ROWCOL nLast, int* an);
    // The sum of the sizes of nFirst..nLast; with a limit (0: none) the sum stops once it exceeds it,
    // so it may exceed it by the last size added. The display forms run over display indexes.
    int SumRowHeights(ROWCOL nFirst, ROWCOL nLast, int nLimit = 0);
    int SumColWidths(ROWCOL nFirst, ROWCOL nLast, int nLimit = 0);
    int SumDisplayRowHeights(int nFirst, int nLast, int nLimit = 0);
    int SumDisplayColWidths(int nFirst, int nLast, int nLimit = 0);
    // The standard font's line height and character width in pixels (the printer's while printing).
    virtual int GetFontHeight();
    virtual int GetFontWidth();
    // TRUE when the user-resize module lets rows or columns be resized.
    virtual BOOL CanResizeRow(ROWCOL nRow);
    virtual BOOL CanResizeCol(ROWCOL nCol);
    // Row heights (column widths) are cut to the window while on (both on at construction).
    BOOL m_bLimitRowHeight = TRUE;
    BOOL m_bLimitColWidth = TRUE;

    // ---- coordinates ---------------------------------------------------------------------------------
    // Row (column) number <-> display index: header and frozen rows keep their number; a row scrolled
    // out above the top row has index 0; -1 maps to -1.
    int RowToDisplayIndex(ROWCOL nRow);
    int ColToDisplayIndex(ROWCOL nCol);
    ROWCOL DisplayIndexToRow(int nIndex);
    ROWCOL DisplayIndexToCol(int nIndex);
    // The display row (column) under a client y (x), with the top (left) edge of that row in *pTop
    // (may be null); -1 below (right of) the last one.
    int CalcClientRowFromY(int y, int* pTop = nullptr);
    int CalcClientColFromX(int x, int* pLeft = nullptr);
    // The row (column) under the bottom-right corner of rect, or the count when it lies beyond the
    // last one (bBeyond TRUE).
    ROWCOL CalcBottomRowFromRect(const CRect& rect);
    ROWCOL CalcRightColFromRect(const CRect& rect);
    ROWCOL CalcBottomRowFromRectEx(const CRect& rect, BOOL& bBeyond);
    ROWCOL CalcRightColFromRectEx(const CRect& rect, BOOL& bBeyond);
    void CalcBottomRightRowColFromRect(const CRect& rect, ROWCOL& nRow, ROWCOL& nCol);
    // The last visible row (column) of the grid rectangle; cached until the top row, the left column
    // or the shape changes.
    ROWCOL GetLastVisibleRow();
    ROWCOL GetLastVisibleCol();
    // Forgets the last visible row and column.
    void ResetLastVisible();
    // The grid rectangle with its left (top) edge at the right (bottom) edge of display column (row) n.
    CRect CalcRectRightOfCol(int nCol);
    CRect CalcRectBelowRow(int nRow);
    // The client rectangle of a range of cells: empty when it is scrolled out; unless bNoClip the sums
    // stop beyond twice the grid rectangle.
    CRect CalcRangeRect(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, BOOL bNoClip = FALSE);
    // The client rectangle of a cell, widened to its covered range.
    virtual CRect CalcCellRect(ROWCOL nRow, ROWCOL nCol);
    // The client rectangle of range widened by merged, floated and covered cells.
    CRect CalcSpannedRangeRect(const CGXCellRange& range);
    // The rectangle of the cell at display indexes (nRowIndex, nColIndex): Start begins summing from
    // the grid rectangle's top-left corner, Next continues from the last place while the indexes grow.
    CRect StartCellRectScan(int nRowIndex, int nColIndex);
    CRect NextCellRectScan(int nRowIndex, int nColIndex);

    // ---- hit test and cursor -------------------------------------------------------------------------
    // What lies under point (a hit code), with the row, column and cell rectangle there; outside the
    // grid rectangle 0 and the out-values untouched.
    virtual int HitTest(CPoint point, ROWCOL& nRow, ROWCOL& nCol, CRect& rectCell);
    // 5 on the frame of the selection, 6 on its fill handle, else 0.
    virtual int HitTestSelectionFrame(ROWCOL nRow, ROWCOL nCol, CPoint point, const CRect& rectCell);
    // Shows the cursor the hit code under point asks for (resources 20190 to 20196 and 20209).
    virtual void OnGridSetCursor(CPoint point);
    // Shows cursor resource nID (0: the grid's arrow), falling back to system cursor lpszSystem (null:
    // the arrow).
    virtual void SetGridCursor(UINT nID, LPCSTR lpszSystem = nullptr);
    // A cursor resource shown in place of the hit test's (0: none), shown at once.
    virtual void SetCursorOverride(UINT nID);
    // The hit-test tolerance in pixels (8).
    int m_nHitTolerance = 8;
    // The selection's frame is hit-tested (off).
    BOOL m_bHitTestSelEdge = FALSE;

    // ---- zoom and lock switch ------------------------------------------------------------------------
    virtual int GetZoom();
    // Keeps nZoom (percent) in the grid and the properties.
    virtual void StoreZoom(int nZoom);
    // StoreZoom; with bCreateHint the other views of the document take the zoom too (update hints).
    virtual void SetZoomValue(int nZoom, BOOL bCreateHint = TRUE);
    // After the zoom changed from nOldZoom: when it differs the character size is measured again and
    // the grid redrawn with nFlags; with bCreateHint the other views do the same.
    virtual void OnZoomChanged(int nOldZoom, UINT nFlags = 2, BOOL bCreateHint = TRUE);
    // Zooms to nZoom percent and redraws with nFlags (SetZoomValue, then OnZoomChanged); the other
    // views of the document follow as the update hints say.
    virtual void SetZoom(int nZoom, UINT nFlags = 2);
    // The parameter object's lock switch: set stores it and then updates; an active current-cell
    // control is reset and initialised again after a change, in this view and (bCreateHint, through
    // the update hints) in the other views of the document.
    virtual void SetReadOnly(BOOL bReadOnly);
    virtual BOOL IsReadOnly();
    virtual void StoreReadOnly(BOOL bReadOnly);
    virtual void UpdateReadOnly(BOOL bCreateHint = TRUE);
    // The user-resize state: TRUE while the user resizes, with the kind and the row or column.
    BOOL IsUserResizing(int& nKind, ROWCOL& nIndex) const;
    // Set by the user-resize module from the start of a drag to its end (kind 1 a row, 2 a column).
    void SetUserResizing(BOOL bResizing, int nKind = 0, ROWCOL nIndex = 0)
    {
        m_bUserResizing = bResizing;
        m_nResizeKind = nKind;
        m_nResizeIndex = nIndex;
    }

    // ---- current cell (GXCoreCurrentCell.cpp) ----------------------------------------------------------
    // FALSE when there is no current cell, when it lies beyond the counts (it is then forgotten) or,
    // unless bIgnorePrinting, while printing.
    virtual BOOL GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol, BOOL bIgnorePrinting = FALSE);
    // TRUE when (nRow, nCol) is the current cell; -1 matches any row or column.
    virtual BOOL IsCurrentCell(ROWCOL nRow = ROWCOL(-1), ROWCOL nCol = ROWCOL(-1), BOOL bIgnorePrinting = FALSE);
    // Not printing and the current cell's control is active.
    virtual BOOL IsActiveCurrentCell();
    // The current cell's control; null without a current cell.
    virtual CGXControl* GetCurrentCellControl();
    // Flags of SetCurrentCell: update the window at once (2 or 4), scroll the cell into view, activate
    // its control, leave the focus alone, send no hint, leave the selection alone.
    enum {
        gxUpdateNow = 0x02, gxUpdateNow2 = 0x04, gxScrollInView = 0x08, gxActivate = 0x10, gxKeepFocus = 0x20,
        gxNoHint = 0x40, gxKeepSelection = 0x80
    };
    // Makes (nRow, nCol) the current cell (a covered cell's span by its top-left cell). The old cell's
    // control must let it go: a modified control passes its validation and stores its value, and may
    // end editing; a refusal keeps the old cell with its edit, shows the warning text once and
    // answers FALSE. The new cell must lie within the counts and be enabled (else FALSE, the old cell
    // stays current); (-1, -1) gives the current cell up (its edit stored) and answers FALSE. The new
    // cell's control is initialised there; see the flags above. TRUE when (nRow, nCol) is now the
    // current cell.
    virtual BOOL SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags = 6);
    // bSave with an active control stores the edit by entering the same cell again; without bSave the
    // control, when it agrees to cancel, is initialised again at the cell, refreshed and told. With
    // bCreateHint the other views do the same. FALSE when the store was refused here or in a view.
    virtual BOOL TransferCurrentCell(BOOL bSave = TRUE, UINT nFlags = 6, BOOL bCreateHint = TRUE);
    // From (nRow, nCol) (inclusive) towards gxUp .. gxRight, the first cell that has a size, is the
    // top-left cell of its covered span and is enabled; rows stop at 1 and the row count, columns
    // likewise. TRUE with that cell in nRow, nCol.
    virtual BOOL FindNextEnabledCell(int nDirection, ROWCOL& nRow, ROWCOL& nCol);
    // Moves the current cell nCount times (below 2: once) in nDirection (gxUp .. gxLastCell), skipping
    // cells FindNextEnabledCell skips and leaving a covered span whole; a cell found in a header row
    // or column is not taken. nFlags 1: the selection may follow the current cell. TRUE when it moved.
    virtual BOOL MoveCurrentCell(int nDirection, UINT nCount = 1, UINT nFlags = 1);
    // The key moves: the select-range module's move (which extends the selection while Shift is
    // held), else MoveCurrentCell with flags 1 (the range being built is forgotten).
    virtual BOOL MoveCurrentCellEx(int nDirection, UINT nCount = 1);
    // Gives the current cell up (bStore: its edit stored first); no cell is current afterwards.
    virtual void ResetCurrentCell(BOOL bStore = TRUE);
    // The current cell's control refreshed.
    virtual void RefreshCurrentCellControl();
    // The text the current cell's control shows (its selected text); empty without a current cell.
    virtual void GetCurrentCellText(CString& strText);
    // The warning text a refusal left, and showing it: a non-empty text goes to a message box (the
    // services seam), the current cell scrolled into view first and the focus given back afterwards;
    // the warning-shown flag is set. The text is emptied in every case.
    virtual void SetWarningText(const char* pszWarning);
    virtual void ShowWarningText();
    const CString& GetWarningText() const { return m_strWarningText; }
    BOOL IsWarningShown() const { return m_bWarningShown; }
    // Whether the current cell may be left for (nRow, nCol) (bNew FALSE: a modified control of the old
    // cell must pass its validation) or (nRow, nCol) may become current (bNew TRUE: within the counts
    // and enabled).
    virtual BOOL CanSelectCurrentCell(BOOL bNew, ROWCOL nRow, ROWCOL nCol, ROWCOL nOldRow, ROWCOL nOldCol);
    // A new current cell: the focus hooks are told (NotifyFocusHooks), then OnMovedCurrentCell when
    // it differs from the last one told.
    virtual void OnCurrentCellChanged(ROWCOL nRow, ROWCOL nCol);
    // Tells the library state's focus hooks, in order, of this grid (GXState.h).
    virtual void NotifyFocusHooks();
    // Nothing in the base.
    virtual void OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol);
    // The control of a cell: the current cell's cached control, else the registered control of the
    // composed style's control id.
    virtual CGXControl* GetControl(ROWCOL nRow, ROWCOL nCol);
    // Forgets the current cell's cached control (its cell's control id changed); the next
    // GetControl fetches it again.
    void FreeCurrentCellControl() { m_pCurrentControl = nullptr; }
    // Drops the current cell's cached style (its stored style changed).
    void FreeCurrentCellStyle();
    // The selection (the parameter object's first range list) holds the cell.
    BOOL IsCellInSelection(ROWCOL nRow, ROWCOL nCol);
    // The selection forwarders of the select-range module: the range given, or made from the corners at
    // a position of the selection (pos null: the selection emptied); a cell clicked that is not the
    // current cell's.
    virtual void SelectRange(const CGXCellRange& range, BOOL bSelect = TRUE, BOOL bUpdate = TRUE);
    virtual void SetRangeAtPosition(POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
    virtual BOOL OnClickedHeaderCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);

    // ---- keyboard (GXCoreInput.cpp) --------------------------------------------------------------------
    // The key messages of the grid window (pSender the window they come from): while the grid window
    // holds the capture every key is eaten (Escape cancels the mouse action); the current cell's
    // control gets a key of the grid window first; then the key handlers below. TRUE when the key was
    // taken.
    virtual BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags);
    // Backspace with Ctrl redoes; Tab stores the cell and moves right (left with Shift); Escape
    // discards the edit; the arrows, Page Up and Down and Ctrl+Home and End move the current cell
    // (Ctrl+arrows to the first or last row or column); Ctrl+Insert copies, Shift+Insert pastes,
    // Delete clears (Shift+Delete cuts); F2 starts or stores an edit; Enter (without Ctrl, Shift and
    // Alt) stores the cell and moves in the parameter's Enter direction. Ctrl, Shift and Alt are read
    // from the key state. TRUE when the key was taken.
    virtual BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // Ctrl+C, Ctrl+V and Ctrl+X copy, paste and cut; Ctrl+R redoes, Ctrl+Z undoes; Tab, Enter and
    // Delete are eaten. TRUE for those.
    virtual BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    // Alt+Backspace undoes (TRUE).
    virtual BOOL OnGridSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // FALSE in the base.
    virtual BOOL OnGridKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridDoubleByteChar(const CString& strChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridSysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    // ---- mouse and focus (GXCoreInput.cpp) -------------------------------------------------------------
    // The mouse messages of the grid window (nFlags the message's key flags, point in client
    // coordinates). A press while the grid already holds the capture, or while another button is held,
    // cancels the mouse action (WM_CANCELMODE). A left press on a cell or header makes it current
    // (flags 4, 0x84 with Ctrl) through OnLButtonHitRowCol, starts the select-range module and captures
    // the mouse; on a boundary the user-resize module takes it; on the fill handle the fill module.
    // Moves with the button held report the cell under the mouse; the release ends the action. A double
    // click makes the cell current with flags 10 and offers it to its control. Nothing before the grid
    // is initialised. TRUE when handled.
    virtual BOOL OnGridMouseMove(UINT nFlags, CPoint point);
    virtual BOOL OnGridLButtonDown(UINT nFlags, CPoint point);
    virtual BOOL OnGridLButtonUp(UINT nFlags, CPoint point);
    virtual BOOL OnGridLButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL OnGridRButtonDown(UINT nFlags, CPoint point);
    virtual BOOL OnGridRButtonUp(UINT nFlags, CPoint point);
    virtual BOOL OnGridRButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL OnGridMButtonDown(UINT nFlags, CPoint point);
    virtual BOOL OnGridMButtonUp(UINT nFlags, CPoint point);
    virtual BOOL OnGridMButtonDblClk(UINT nFlags, CPoint point);
    // Hit states of the button hooks: the button went down, the mouse moved with it held, it went up;
    // over the cell last reported, over the cell where it went down. The modifier bits travel with
    // them: Ctrl at the press, the press was on the current cell with an initialised control.
    enum {
        gxHitStateDown = 0x04, gxHitStateMove = 0x08, gxHitStateUp = 0x10, gxHitStateOverLast = 0x20,
        gxHitStateOverDown = 0x40, gxHitStateCtrl = 0x80, gxHitStateOnCurrent = 0x100
    };
    // The button hooks (down cell, the cell under the mouse, point, message flags, hit state). At the
    // press the down cell (its covered span's top-left) becomes current (flags 4, 0x84 with Ctrl;
    // FALSE when that showed a warning or the cell lies beyond the counts, and the caller cancels the
    // mouse action); the current cell's control gets the press, moves and release. At the left
    // release of a click that never left its cell the cell is scrolled into view. TRUE.
    virtual BOOL OnLButtonHitRowCol(ROWCOL nDownRow, ROWCOL nDownCol, ROWCOL nRow, ROWCOL nCol, CPoint point,
                                    UINT nFlags, UINT nHitState);
    virtual BOOL OnRButtonHitRowCol(ROWCOL nDownRow, ROWCOL nDownCol, ROWCOL nRow, ROWCOL nCol, CPoint point,
                                    UINT nFlags, UINT nHitState);
    virtual BOOL OnMButtonHitRowCol(ROWCOL nDownRow, ROWCOL nDownCol, ROWCOL nRow, ROWCOL nCol, CPoint point,
                                    UINT nFlags, UINT nHitState);
    // Ends the mouse action: a user resize is cancelled, a selection being made is emptied (and, in
    // the row-list modes of the selection flags, the current cell given up), a drag ends, the capture
    // is released and the current cell's control told. TRUE.
    virtual BOOL OnGridCancelMode();
    // The focus came from pOldWnd: a grid that did not give it away itself is activated.
    virtual void OnGridSetFocus(CWnd* pOldWnd);
    // The focus went to pNewWnd: outside the grid window the grid is deactivated.
    virtual void OnGridKillFocus(CWnd* pNewWnd);
    // Activating makes the grid the library state's active grid, refreshes the current cell's control
    // (activating it first when the activation flags ask for it), brings the scroll bars up to date,
    // forgets the remembered size and tells the focus hooks; deactivating lets the control store its
    // value. Only the active grid is set while a current-cell change runs or before initialisation.
    virtual void OnActivateGrid(BOOL bActive);
    // Cancels the user-resize module's resize in progress.
    virtual void CancelResizeTracking();
    // Mouse moves over a cell go to its control (off: only the cursor follows the mouse).
    BOOL m_bControlMouse = FALSE;

    // ---- hooks the cell controls call (with their cell) ----------------------------------------------
    // TRUE in the base: editing may start, editing may be cancelled, the current cell may be left, the
    // control's text passes, Delete may empty the cell, the cell was left.
    virtual BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnCancelEditing(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnValidateInput(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnDeleteCell(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnLeftCell(ROWCOL nRow, ROWCOL nCol, ROWCOL nNewRow, ROWCOL nNewCol);
    // The cell was modified: marks the document modified.
    virtual void OnModifyCell(ROWCOL nRow, ROWCOL nCol);
    // Nothing in the base: editing was cancelled, a gadget was clicked.
    virtual void OnCanceledEditing(ROWCOL nRow, ROWCOL nCol);
    virtual void OnClickedButton(ROWCOL nRow, ROWCOL nCol, CGXChild* pChild);
    // A control was initialised on the cell (the base remembers it: GetInitCell).
    virtual void OnInitCurrentCell(ROWCOL nRow, ROWCOL nCol);
    // A button was released, or double-clicked, inside the cell; the mouse is over the cell. FALSE in
    // the base.
    virtual BOOL OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnMButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnLButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnRButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnMButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnMouseOverCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    // The cell the last OnInitCurrentCell named (0, 0 before any).
    void GetInitCell(ROWCOL& nRow, ROWCOL& nCol) const;

    // ---- controls ------------------------------------------------------------------------------------
    // Registers pControl (owned from now on) under nID, deleting a control registered before under it;
    // with bAddName its name joins the styles map's control names; with bDefault, or when there is no
    // default control yet, it becomes the default control.
    void RegisterControl(WORD nID, CGXControl* pControl, BOOL bDefault = FALSE, BOOL bAddName = FALSE);
    // The control of nID: 0 gives the default control; a registered one; else the factory's new
    // control, registered; else the default control (null when there is none).
    virtual CGXControl* GetRegisteredControl(WORD nID);
    // The default control.
    CGXControl* GetDefaultControl() const { return m_pDefaultControl; }

    // ---- forwarding operations (see the top of this file) --------------------------------------------
    // Moving rows and columns.
    virtual BOOL MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags = 2, int nCommandType = gxDo);
    virtual BOOL MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags = 2, int nCommandType = gxDo);
    virtual BOOL StoreMoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL bProcessed = FALSE);
    virtual BOOL StoreMoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL bProcessed = FALSE);
    virtual void UpdateMoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags = 2, BOOL bCreateHint = TRUE);
    virtual void UpdateMoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags = 2, BOOL bCreateHint = TRUE);
    // Sorting.
    virtual void QuickSortKeys(CGXSortInfoArray& keys, CPtrArray& rows);
    virtual BOOL SortRows(CGXCellRange range, CGXSortInfoArray& keys, UINT nFlags = 2);
    virtual BOOL SortCols(CGXCellRange range, CGXSortInfoArray& keys, UINT nFlags = 2);
    virtual BOOL MoveDataRows(const CGXCellRange& range, CDWordArray& awOrder, UINT nFlags = 2,
                              int nCommandType = gxDo);
    virtual BOOL StoreMoveDataRows(const CGXCellRange& range, CDWordArray& awOrder);
    virtual void UpdateMoveDataRows(const CGXCellRange& range, UINT nFlags = 2, BOOL bCreateHint = TRUE);
    virtual void GetSortKeysRow(ROWCOL nRow, CGXSortInfoArray& keys, CStringArray& texts);
    virtual BOOL MoveDataCols(const CGXCellRange& range, CDWordArray& awOrder, UINT nFlags = 2,
                              int nCommandType = gxDo);
    virtual BOOL StoreMoveDataCols(const CGXCellRange& range, CDWordArray& awOrder);
    virtual void UpdateMoveDataCols(const CGXCellRange& range, UINT nFlags = 2, BOOL bCreateHint = TRUE);
    virtual void GetSortKeysCol(ROWCOL nCol, CGXSortInfoArray& keys, CStringArray& texts);
    // Hidden rows and columns.
    virtual BOOL HideRows(ROWCOL nFrom, ROWCOL nTo, BOOL bHide = TRUE, const int* anHide = nullptr,
                          UINT nFlags = 2, int nCommandType = gxDo);
    virtual BOOL HideCols(ROWCOL nFrom, ROWCOL nTo, BOOL bHide = TRUE, const int* anHide = nullptr,
                          UINT nFlags = 2, int nCommandType = gxDo);
    virtual BOOL IsRowHidden(ROWCOL nRow);
    virtual BOOL IsColHidden(ROWCOL nCol);
    virtual BOOL StoreHideRow(ROWCOL nRow, BOOL bHide);
    virtual BOOL StoreHideCol(ROWCOL nCol, BOOL bHide);
    // Resizing to the contents.
    virtual BOOL ResizeColWidthsToFit(CGXCellRange range, BOOL bIncludeCovered = TRUE, UINT nFlags = 2);
    virtual BOOL ResizeRowHeightsToFit(CGXCellRange range, BOOL bIncludeCovered = TRUE, UINT nFlags = 2);
    // Covered cells.
    virtual BOOL SetCoveredCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, UINT nFlags = 2,
                                       int nCommandType = gxDo);
    virtual BOOL GetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range);
    virtual BOOL StoreCoveredCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, BOOL bSet);
    virtual void UpdateCoveredCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, UINT nFlags,
                                          BOOL bCreateHint);
    virtual CGXCellRange GetCoveredCellsInRange(const CGXCellRange& range);
    // Floating cells.
    virtual void DelayFloatCells(const CGXCellRange& range, ROWCOL nMaxCol = ROWCOL(-1));
    virtual BOOL EvalFloatCells(const CGXCellRange& range, BOOL bAlreadyLocked = FALSE,
                                CGXCellRange* pChanged = nullptr, BOOL bUseGridStyles = TRUE);
    virtual BOOL GetFloatedCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range);
    virtual BOOL CanFloatCell(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, BOOL bFloat);
    virtual BOOL SetFloatedCellsRowCol(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT nFlags = 2);
    virtual void RedrawFloatedCells(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT nFlags = 2,
                                    BOOL bCreateHint = TRUE);
    // Merged cells.
    virtual void DelayMergeCells(const CGXCellRange& range, ROWCOL nMaxRow = ROWCOL(-1), ROWCOL nMaxCol = ROWCOL(-1));
    virtual BOOL EvalMergeCells(const CGXCellRange& range, BOOL bAlreadyLocked = FALSE,
                                CGXCellRange* pChanged = nullptr, BOOL bUseGridStyles = TRUE);
    virtual BOOL GetMergedCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range, int nDirection = -1);
    virtual BOOL CanMergeCell(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, int nDirection);
    virtual BOOL CanMergeStyles(const CGXStyle& style1, const CGXStyle& style2);
    virtual BOOL SetMergedCellsRowCol(int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                      UINT nFlags = 2);
    virtual void RedrawMergedCells(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT nFlags = 2,
                                   BOOL bCreateHint = TRUE);
    // The parameter's merge mode, bits 0-1 (0 off; the undefined 3 counts as off), and float mode (0
    // off; values other than 1 and 2 count as off). The floated spans' pool: the print pool while
    // printing, else the screen pool (null where the mode has none).
    WORD GetMergeCellsMode() const;
    WORD GetFloatCellsMode() const;
    CGXSpanCellPool* GetFloatCellsPool() const;
    // Evaluating merged (floating) cells does nothing while the lock is nonzero.
    WORD m_nLockMergeEval = 0;
    WORD m_nLockFloatEval = 0;
    // The covered span that holds the cell, else its merged span (either way), else its floated span.
    // FALSE when none does.
    virtual BOOL GetSpannedCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range);
    // Evaluates the spans of range in the visible areas (the spanned-cell module).
    virtual BOOL EvalVisibleSpans(const CGXCellRange& range, ROWCOL nFrozenRows, ROWCOL nFrozenCols, ROWCOL nTopRow,
                                  ROWCOL nLeftCol, ROWCOL nLastRow, ROWCOL nLastCol, BOOL bAlreadyLocked,
                                  CGXCellRange* pChanged, BOOL bUseGridStyles);
    // EvalVisibleSpans with the grid's own frozen counts, top row, left column and last visible cell.
    BOOL DrawVisibleSpannedCells(const CGXCellRange& range, BOOL bAlreadyLocked = TRUE,
                                 CGXCellRange* pChanged = nullptr, BOOL bUseGridStyles = FALSE);
    // The freeze commands.
    virtual BOOL CanFreezeCols();
    virtual BOOL CanUnfreezeCols();
    virtual void FreezeCols();
    virtual void UnfreezeCols();
    virtual BOOL CanFreezeRows();
    virtual BOOL CanUnfreezeRows();
    virtual void FreezeRows();
    virtual void UnfreezeRows();
    // Undo and redo, through the command factory.
    virtual BOOL Undo();
    virtual BOOL Redo();
    virtual void BeginTrans(const char* pszName);
    virtual void CommitTrans();
    virtual void Rollback();
    virtual void AddCommand(CGXCommand* pCommand, int nCommandType);
    virtual void RemoveLastCommand(int nCommandType);
    virtual BOOL GetUndoMenuText(CCmdUI* pCmdUI);
    virtual BOOL GetRedoMenuText(CCmdUI* pCmdUI);
    virtual BOOL SetEngineUndoOption(BOOL bGenerate);
    virtual CObject* DetachFormulaUndoInfo();
    virtual BOOL ApplyFormulaUndoInfo(CObject* pInfo, BOOL bUndo, int nPhase);
    virtual void DiscardFormulaUndoInfo();
    virtual BOOL ExecuteCommand(CGXCommand* pCommand, int nCommandType);
    virtual void MoveCurrentCellAfterUndo(ROWCOL nRow, ROWCOL nCol, UINT nFlags);
    // Fills target from source through the fill module (which takes them as source, target).
    virtual BOOL FillRange(const CGXCellRange& target, const CGXCellRange& source);
    // Cut, copy and paste (the one-range forms build a list holding a copy of the range).
    virtual BOOL CanCopy();
    virtual BOOL Copy();
    virtual BOOL CopyRange(const CGXRangeList& selList);
    BOOL CopyRange(const CGXCellRange& range);
    virtual BOOL CopyTextToClipboard(const CGXRangeList& selList);
    virtual BOOL CopyCellsToClipboard(const CGXRangeList& selList, BOOL bFull);
    virtual BOOL CanCut();
    virtual BOOL Cut();
    virtual BOOL CutRange(const CGXRangeList& selList, BOOL bStyles);
    BOOL CutRange(const CGXCellRange& range, BOOL bStyles);
    virtual BOOL CanPaste();
    virtual BOOL IsPasteFormatAvailable();
    virtual BOOL Paste();
    virtual BOOL PasteCellsFromClipboard(const CGXCellRange& range);
    virtual BOOL PasteFromClipboard(const CGXCellRange& range);
    virtual BOOL AskContinue();
    // Clearing cells (bStyleOnly as the clear-cells module reads it).
    virtual BOOL CanClear();
    virtual BOOL Clear(BOOL bStyleOnly);
    virtual BOOL ClearCells(const CGXRangeList& selList, BOOL bStyleOnly);
    // Cells as text and as styles.
    virtual BOOL CopyTextToFile(CFile& file, const CGXRangeList& selList);
    virtual void GetCopyTextRowCol(ROWCOL nRow, ROWCOL nCol, CString& strText);
    virtual BOOL PasteTextFromBuffer(const char* pszBuffer, DWORD nSize, const CGXCellRange& range);
    virtual BOOL PasteTextRowCol(ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags, const CGXStyle* pStyle);
    virtual BOOL CalcBufferDimension(const char* pszBuffer, DWORD nSize, ROWCOL& nRows, ROWCOL& nCols);
    virtual BOOL CopyCellsToArchive(CArchive& ar, const CGXRangeList& selList, BOOL bFull);
    virtual BOOL GetClipboardStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, BOOL bFull);
    virtual BOOL PasteCellsFromArchive(CArchive& ar, const CGXCellRange& range, BOOL bNoSizeCheck);
    // Copying and moving blocks of cells.
    virtual BOOL CopyCells(CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol, UINT nFlags = 2);
    virtual BOOL StoreCopyCells(CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol);
    virtual BOOL MoveCells(CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol, CObject*& rpUndoInfo,
                           UINT nFlags = 2, int nCommandType = gxDo);
    virtual BOOL StoreMoveCells(CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol, CObject*& rpUndoInfo,
                                BOOL bCreateUndoInfo, int nCommandType);
    // The selection frame: a part of it, the frame of a range, erasing or drawing the selection's.
    virtual void DrawFramePart(CDC* pDC, const CRect& rectClip, const CRect& rectFrame, BOOL bTopVisible,
                               BOOL bLeftVisible, int nKnob, BOOL bKnobOnly);
    virtual void DrawExcelLikeFrame(CDC* pDC, const CGXCellRange& range, int nKnob, BOOL bKnobOnly);
    virtual void UpdateExcelLikeFrame(CDC* pDC, BOOL bErase, const CGXCellRange* pRange = nullptr);
    // The selection: adding or excluding a range, redrawing a change of it.
    virtual BOOL AddOrExcludeRange(const CGXCellRange& range, BOOL bAdd);
    virtual void RedrawSelectionDifference(const CGXCellRange& range, const CGXRangeList* pOldList,
                                           BOOL bCreateHint = TRUE);
    virtual void RedrawRangeChange(POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                   BOOL bCreateHint = TRUE);
    virtual void RedrawSelection(BOOL bCreateHint = TRUE);
    // Tracking a boundary of row nRow or column nCol (nType: bit 1 rows, bit 2 columns), through the
    // user-resize module.
    virtual BOOL StartResizeTracking(ROWCOL nRow, ROWCOL nCol, int nType);
    virtual void MoveResizeTracking(ROWCOL nRow, ROWCOL nCol, int nType, CSize size);
    virtual void EndResizeTracking(ROWCOL nRow, ROWCOL nCol, int nType, CSize size);
    // Find and replace, through the find module.
    virtual void ShowFindReplaceDialog(BOOL bFindOnly);
    virtual BOOL FindText(const char* pszText, BOOL bDown, BOOL bMatchCase);
    virtual BOOL FindTextInCells(ROWCOL& nRow, ROWCOL& nCol, BOOL bSelect);
    virtual void ReplaceSelection(const char* pszFind, BOOL bDown, BOOL bMatchCase, const char* pszReplace);
    virtual void ReplaceAll(const char* pszFind, const char* pszReplace, BOOL bMatchCase);
    virtual void OnFindReplaceMessage(FINDREPLACEA* pFindReplace);
    // Dragging the selected rows or columns.
    virtual BOOL StartSelDrag(ROWCOL nRow, ROWCOL nCol);
    virtual void DragSelectionTo(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL DropSelection(ROWCOL nRow, ROWCOL nCol);
    virtual void EndSelDrag();
    // ---- approval hooks the operation modules ask (a derived grid may refuse) -------------------------
    // Before rows or columns are dragged: FALSE while Ctrl or Shift is held (the key-state seam).
    virtual BOOL ApproveDragRows(ROWCOL nFrom, ROWCOL nTo);
    virtual BOOL ApproveDragCols(ROWCOL nFrom, ROWCOL nTo);
    // TRUE here: a drop of rows (columns) nFrom..nTo at nDest, the move that follows.
    virtual BOOL ApproveDropRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    virtual BOOL ApproveDropCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    virtual BOOL ApproveMoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    virtual BOOL ApproveMoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    // TRUE here: a user resize of a row (column) starts, follows nSize, ends at nSize.
    virtual BOOL ApproveRowResizeStart(ROWCOL nRow);
    virtual BOOL ApproveColResizeStart(ROWCOL nCol);
    virtual BOOL ApproveRowHeightTracking(ROWCOL nRow, int nSize);
    virtual BOOL ApproveColWidthTracking(ROWCOL nCol, int nSize);
    virtual BOOL ApproveRowHeightEnd(ROWCOL nRow, int nSize);
    virtual BOOL ApproveColWidthEnd(ROWCOL nCol, int nSize);
    // TRUE here: filling may start from range at the press (nFlags, point); target may be filled from
    // source.
    virtual BOOL CanStartFill(const CGXCellRange& range, UINT nFlags, CPoint point);
    virtual BOOL CanFillRange(const CGXCellRange& target, const CGXCellRange& source);
    // The selection module asks before a change of the selection on the user's behalf (pRange null:
    // the selection is emptied; TRUE here) and tells after it: the headers of pRange are redrawn when
    // the properties mark the current row's or column's header.
    virtual BOOL ApproveSelectionChange(const CGXCellRange* pRange, BOOL bFlagA, BOOL bFlagB);
    virtual void AfterSelectionChange(const CGXCellRange* pRange, BOOL bFlagA, BOOL bFlagB);
    // Before a selection starts at (nRow, nCol) (TRUE here).
    virtual BOOL ApproveCellSelection(ROWCOL nRow, ROWCOL nCol, UINT nFlags, int x, int y);
    // Printing.
    virtual void OnGridBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnGridPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnGridEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // The edited cell's header marks.
    virtual void RedrawHeaderMarks(ROWCOL nRow, ROWCOL nCol, int nWhich, UINT nFlags);
    // Named ranges of the formula engine.
    virtual BOOL SetRangeName(const char* pszName, const CGXCellRange& range, CObject* pUndoInfo = nullptr,
                              UINT nFlags = 2, int nCommandType = gxDo);
    virtual BOOL GetRangeName(const char* pszName, CGXCellRange& range);
    virtual BOOL DeleteRangeName(const char* pszName, UINT nFlags = 2, int nCommandType = gxDo);
    // A click into the selected text of an editing cell.
    virtual void OnEditSelectionClick(ROWCOL nRow, ROWCOL nCol);
    // Hides (bHide) or shows the Excel-like frame, through its module; returns whether it was hidden
    // (FALSE without the module).
    virtual BOOL HideExcelLikeFrame(BOOL bHide, BOOL bFlag = FALSE);
    // Hides the Excel-like frame while it lives, then puts its previous state back.
    class ExcelLikeFrameHider {
    public:
        explicit ExcelLikeFrameHider(CGXGridCore* pGrid);
        ~ExcelLikeFrameHider();
        ExcelLikeFrameHider(const ExcelLikeFrameHider&) = delete;
        ExcelLikeFrameHider& operator=(const ExcelLikeFrameHider&) = delete;

    private:
        CGXGridCore* m_pGrid;
        BOOL m_bWasHidden;
    };

    // ---- formula hooks of the cell data (nothing, FALSE without a data object) -----------------------
    // The cell, widened by its covered span, holds a formula at its top-left cell.
    virtual BOOL IsFormulaCellRowCol(ROWCOL nRow, ROWCOL nCol);
    virtual void SetCellEngineFlag(ROWCOL nRow, ROWCOL nCol, BOOL bFlag);
    // Skipped while the grid is inside SetStyleRange.
    virtual void AddRecalcRange(const CGXCellRange& range);
    virtual void Recalc(BOOL bForce);
    virtual void ResetEngineError();
    virtual BOOL GetEngineMessageText(CString& strText);
    // Recalculates and redraws the formula cells: FALSE for a grid without rows or columns, or when the
    // evaluation failed; with bResetFirst a message of the engine goes to pstrText (null: a message box)
    // and the answer is FALSE. A hint goes on with bCreateHint.
    virtual BOOL RecalcAndShowErrors(BOOL bResetFirst, CString* pstrText = nullptr, BOOL bCreateHint = TRUE);

    // ---- modules -------------------------------------------------------------------------------------
    // The attach steps of the operation modules (see GXGridModules.h), in the factory's order.
    void AttachFindReplaceImp();
    void AttachHideCellsImp();
    void AttachAutoScrollPlugin();
    void AttachResizeToFitImp();
    void AttachUpdateHintImp();
    void AttachCommandFactory();
    void AttachSortImp();
    void AttachOldDrawingImp();
    void AttachCoveredCellsImp();
    void AttachMergeCellsImp();
    void AttachFloatCellsImp();
    void AttachPrintImp();
    void AttachUserSelectRangeImp();
    void AttachExcelLikeFrameImp();
    void AttachUserDragSelectRangeImp();
    void AttachUserResizeCellsImp();
    void AttachOptimizedUpdateImp();
    void AttachMarkEditHeaderImp();
    void AttachFreezeMenuHelperImp();
    void AttachDirectCopyMoveCellsImp();
    void AttachTextDataExchangeImp();
    void AttachStyleDataExchangeImp();
    void AttachCutPasteImp();
    void AttachClearCellsImp();
    void AttachExcelLikeFillImp();
    // Makes the engine's row-and-column move module (CGXGridMoveRowsColsImp) when the grid has none.
    void AttachMoveRowsColsImp();
    // Make the engine's spanned-cell drawing module (CGXDrawSpannedCellsImp) and content-size module
    // (CGXCalcSizeImp) when the grid has none; the covered, merged and floating cells attach them.
    void AttachDrawSpannedCellsImp();
    void AttachCalcSizeImp();

    // Adds pObject (owned from now on) to the head of the objects deleted with the grid.
    void AddAutoDeleteObject(CObject* pObject);
    // Appends pPlugin (not owned) to the plug-in list and plugs it into the grid window at once.
    void AddPlugin(CGXPluginComponent* pPlugin);
    // Offers a message of the grid window to the plug-ins in list order: TRUE (with rResult) when one
    // of them marked it fully handled; a plug-in that sets its skip flag ends the round, and the grid
    // handles the message itself.
    virtual BOOL OnGridWindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT& rResult);

    // ---- painting ------------------------------------------------------------------------------------
    // The paint entry: nothing while redraw is locked, for an empty clip box, or while printing (the
    // request is only noted); else a direct or buffered paint of the clip box.
    virtual void OnGridDraw(CDC* pDC);
    // The paint mode: 1 buffered, anything else direct. Returns the previous one.
    int SetBufferedPaint(int nMode);
    // Draws the cells of the display rows nFirstRow..nLastRow and columns nFirstCol..nLastCol.
    virtual void DrawCellMatrix(int nFirstRow, int nFirstCol, int nLastRow, int nLastCol, CDC* pDC);
    // The steps of drawing a paint matrix m (GXPaintMatrix.h) that the old-style drawing calls too:
    // cell (i, j) into its rectangle through DrawCell (a spanned one through the spanned-cell module),
    // filling its background itself while its flag word holds 0x20; the vertical lines and borders
    // along column index j; the horizontal ones along row index i; the cells flagged 0x10 marked.
    virtual void DrawMatrixCell(CellPaintMatrix& m, int i, int j);
    virtual void DrawColumnLines(CellPaintMatrix& m, int j);
    virtual void DrawRowLines(CellPaintMatrix& m, int i);
    virtual void DrawMatrixMarkedCells(CellPaintMatrix& m);
    // Fills what lies right of the grid's last column and below its last row with the properties'
    // background colour (white while printing) and closes the cells with a grid line; nothing when m
    // reaches neither or the parameter asks for no backgrounds.
    void FillBeyondMatrix(CellPaintMatrix& m);
    // Draws the backgrounds of m the older way: the old-drawing module's DrawMatrixBackground, nothing
    // without the module.
    void DrawOldStyleGrid(CellPaintMatrix& m);
    // Set once the grid paints the older way (the old-drawing module sets it when it first draws for
    // the parameter's old-drawing switch; a program may set it for this grid alone).
    BOOL m_bOldDrawing = FALSE;
    // Draws one cell through its control (the current cell's control is initialised there first).
    virtual void DrawCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGXStyle& style);
    // Inverts a marked cell (the current cell: its frame strips when the parameter asks for them).
    virtual void MarkCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect);
    // One grid line, tracking line or inverted strip of nWidth by nHeight at (x, y) (see the kinds and
    // flags above).
    virtual void DrawLineRect(CDC* pDC, int x, int y, int nWidth, int nHeight, int nKind, int nIndex, UINT nFlags);
    // The sides of style's borders into rect (top, bottom, left, right).
    void DrawCellBorders(CDC* pDC, const CRect& rect, const CGXStyle& style);
    // Draws side nSide (0 left, 1 right, 2 top, 3 bottom) of rect with pen's width: a solid pen in its
    // colour, a dashed or dotted one as a pattern of the pen's colour on interior's, a null pen as
    // interior.
    virtual void DrawBorderSide(CDC* pDC, const CRect& rect, const CGXCellPen& pen, int nSide,
                                const CGXCellBrush* pInterior = nullptr);
    // Fills rect with the brush of a brush record (system colours resolved).
    void FillRectWithBrush(CDC* pDC, const CRect& rect, const CGXCellBrush& brush);
    // The one-pixel line at the boundary after display column (nKind 1) or row nIndex, and inverting it.
    void CalcTrackingLineRect(CRect& rect, int nKind, int nIndex);
    void InvertTrackingLine(CDC* pDC, int nKind, int nIndex, UINT nFlags);
    // rect reduced by what the grid draws around a cell of style: one pixel each side for a 3D frame
    // (with bFrame), each border's width (a pen of style 5 counts 0), or one pixel for the grid line on
    // the top and left (bottom and right in line-after mode) where no border is set.
    virtual CRect SubtractBorders(const CRect& rect, const CGXStyle& style, BOOL bFrame = TRUE);
    // size grown by the same amounts, and by 2 each way for a 3D frame.
    virtual CSize AddBorders(CSize size, const CGXStyle& style);
    // Redraws a range of cells (widened by spans): nothing for nFlags 0, an invisible window or a
    // locked redraw; flag 2 updates the window at once; a hint goes on with bCreateHint.
    virtual void RedrawRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, UINT nFlags = 2,
                              BOOL bCreateHint = TRUE);
    // Redraws the rows, columns, table or cells of range.
    void RedrawRange(const CGXCellRange& range, UINT nFlags = 2);
    // Redraws the whole grid (the top row and left column brought back within the counts, the caches
    // flushed).
    virtual void Redraw(UINT nFlags = 2, BOOL bCreateHint = TRUE);
    // Selects style's zoomed font into pDC; null (nothing selected) when style has no font or its
    // LOGFONT equals pPreviousStyle's. Returns the font selected before.
    virtual CFont* SelectStyleFont(CDC* pDC, const CGXStyle& style, const CGXStyle* pPreviousStyle = nullptr);
    // Selects font zoomed. Returns the font selected before.
    CFont* SelectFont(CDC* pDC, const CGXFont& font);
    // The cached GDI object of a record, made on a miss and kept until the next flush.
    CFont* LookupFont(const CGXFont& font);
    CBrush* LookupBrush(const CGXCellBrush& brush);
    CPen* LookupPen(const CGXCellPen& pen);
    // A client DC of the grid window shared until ReleaseClientDC (kept while a paint runs).
    CDC* GetClientDC();
    void ReleaseClientDC();
    // Flushes the caches: nothing inside a paint or while an update lock is held; the GDI objects
    // (unless m_bKeepGdiObjects), the cached styles (but those of the keep rows and columns and the
    // current cell's), then the styles waiting for deletion.
    virtual void FreeObjectCache();
    // Called by a paint with the last row and column it is about to show, so a derived grid can load
    // them; nothing here.
    virtual void PreloadCells(ROWCOL nBottomRow, ROWCOL nRightCol);
    // The areas the next paint leaves alone (ExcludeRectFromPaint of the controls and the cells a
    // formula-recalculation redraw does not touch).
    std::vector<CRect>& GetExcludedRects() { return m_excludedRects; }
    // The cells of a formula-recalculation redraw whose engine flag is to be cleared.
    std::vector<CGXCellRange>& GetRecalcDrawnCells() { return m_recalcDrawnCells; }
    // The number of cached fonts, brushes, pens and composed styles, and of styles waiting for reuse.
    size_t GetCachedObjectCount() const;
    size_t GetRecycledStyleCount() const { return m_recycledStyles.size(); }
    // The matrix of the paint in progress (null outside a paint).
    CellPaintMatrix* GetPaintMatrix() const { return m_pPaintMatrix; }
    // A paint was asked for while printing.
    BOOL m_bPrintPaintRequested = FALSE;
    // Draw a one-pixel black frame around the grid rectangle (off).
    BOOL m_bGridFrame = FALSE;
    // The GDI objects survive flushes while set (off).
    BOOL m_bKeepGdiObjects = FALSE;
    // A formula-recalculation redraw is in progress: only rows from their first formula cell are drawn.
    BOOL m_bRecalcRedraw = FALSE;
    // The current cell is drawn inverted whole by MarkCell (cleared after each MarkCell).
    BOOL m_bInvertCurrentCell = FALSE;
    // Up to four rows and columns whose cached styles survive a flush (0: none).
    ROWCOL m_anKeepRows[4] = {0, 0, 0, 0};
    ROWCOL m_anKeepCols[4] = {0, 0, 0, 0};

    // ---- plain state ---------------------------------------------------------------------------------
    // The print rectangle while printing, the explicit rectangle when one is set, else the client
    // rectangle; an inverted rectangle gives 0, 0, 0, 0.
    CRect GetGridRect();
    // Sets (bSet) or drops the explicit grid rectangle.
    void SetGridRect(BOOL bSet, const RECT* pRect = nullptr);
    CWnd* GridWnd() const { return m_pGridWnd; }
    void SetGridWnd(CWnd* pGridWnd) { m_pGridWnd = pGridWnd; }
    CDocument* GetGridDoc() const { return m_pGridDoc; }
    // The document link: edits mark the document modified, and update hints reach the document's other
    // views, while it is on.
    void SetDocumentLink(BOOL bLink) { m_bDocLink = bLink; }
    BOOL GetDocumentLink() const { return m_bDocLink; }
    BOOL IsInitialized() const { return m_bInitDone; }
    BOOL IsPrinting() const { return m_pPrinterDC != nullptr; }
    // Printing while the properties ask for black and white output.
    BOOL IsPrintingBlackWhite() const;
    CDC* GetPrinterDC() const { return m_pPrinterDC; }
    ROWCOL GetTopRow() const { return IsPrinting() ? m_nPrintTopRow : m_nTopRow; }
    ROWCOL GetLeftCol() const { return IsPrinting() ? m_nPrintLeftCol : m_nLeftCol; }
    void SetTopRowValue(ROWCOL nRow);
    void SetLeftColValue(ROWCOL nCol);
    // The parameter object: pParam null makes a new CGXGridParam (owned); a previous one is deleted
    // when owned. bOwn: the core deletes pParam.
    void SetParam(CGXGridParam* pParam, BOOL bOwn = TRUE);
    CGXGridParam* GetParam() const { return m_pParam; }
    BOOL GetOwnParam() const { return m_bOwnParam; }
    // The run-time class of the cell data Initialize makes (CGXData).
    void SetDataClass(CRuntimeClass* pClass) { m_pDataClass = pClass; }
    // The grid has the focus.
    BOOL HasFocus() const { return m_bHasFocus; }
    void SetFocusFlag(BOOL b) { m_bHasFocus = b; }
    // The controls fill their cell's background (set while such a cell is drawn).
    BOOL GetDrawCellBackground() const { return m_bDrawCellBackground; }
    void SetDrawCellBackground(BOOL b) { m_bDrawCellBackground = b; }
    // Composition stops once the stored style holds a value (set by the value shortcuts).
    BOOL m_bValueOnly = FALSE;
    // Set while SetStyleRange stores: single stores leave the spans to the range's end.
    BOOL m_bInsideStyleSetter = FALSE;
    // The no-redraw flag: while set, storing a merged or floated span does not redraw it (a program
    // that stores many spans redraws once afterwards). Off.
    BOOL m_bNoSpanRedraw = FALSE;
    // The recalculation-range lock: while set, AddRecalcRange registers nothing (an operation that
    // registered a whole block holds it while it changes the block's cells one by one).
    BOOL m_bLockAddRecalcRange = FALSE;
    // SetStyleRange shows no progress and checks no abort.
    BOOL m_bNoProgress = FALSE;
    // LookupStyleRowCol gives the current cell's cached style back unchanged while set; each store
    // clears it.
    BOOL m_bReuseCurrentCellStyle = FALSE;
    // The current cell's cached style survives flushes and is not composed again while set.
    BOOL m_bLockCurrentCell = FALSE;
    // The current cell's frame is hidden; the current-cell marking (0 always, 2 only with the focus,
    // anything else never).
    BOOL m_bHideCurrentCell;
    int m_nMarkCurrentCell;
    // Set while the grid itself moves the focus (a control then does not forward its focus loss).
    BOOL m_bFocusChange;
    // Set while a combo cell's list is open.
    BOOL m_bListDropped = FALSE;

    // ---- what the command factory keeps in the grid (GXCommandFactory.h) ----------------------------
    // Set while a block of undo commands runs: the commands the grid records meanwhile go into the
    // block at the head of their list, and a move of the current cell after an undo is only remembered
    // (row, column, flags) and made when the block ends.
    BOOL m_bExecutingBlock = FALSE;
    BOOL m_bDeferredCurrentCell = FALSE;
    ROWCOL m_nDeferredRow = 0;
    ROWCOL m_nDeferredCol = 0;
    UINT m_nDeferredFlags = 0;
    // The name of the open undo transaction; the Undo and Redo items' formats (empty until first used).
    CString m_strTransactionName;
    CString m_strUndoMenuFormat;
    CString m_strRedoMenuFormat;

    // ---- what the clipboard operations keep in the grid (GXCutPasteImp.h) ----------------------------
    // The bits of the clipboard option word: blocks start at row 0 and at column 0 (the headers
    // included); cells travel as text (CF_TEXT) and as styles (the library's private format), the
    // styles composed in full; a style block of another size than the selection is pasted only after
    // a question; a paste adds no rows and no columns; stored styles are read with the style-kind word;
    // carriage return, line feed and tab travel as backslash sequences.
    enum {
        gxClipRowHeaders = 0x01, gxClipColHeaders = 0x02, gxClipText = 0x08, gxClipStyles = 0x10,
        gxClipFullStyles = 0x20, gxClipCheckSize = 0x100, gxClipNoNewRows = 0x200, gxClipNoNewCols = 0x400,
        gxClipStyleKind = 0x800, gxClipEscapes = 0x1000
    };
    // The clipboard option word (text, styles, full styles).
    UINT m_nClipboardFlags = gxClipText | gxClipStyles | gxClipFullStyles;
    // Written between two cells of a copied row; every character of the other ends a pasted field
    // (empty: a tab).
    CString m_strCopySeparator;
    CString m_strPasteSeparators;
    // The rows and columns of the block copied last.
    ROWCOL m_nLastCopiedRows = 0;
    ROWCOL m_nLastCopiedCols = 0;

    // ---- what the mouse operations keep in the grid (GXUserDragSelectRangeImp.h, GXExcelLikeFrameImp.h,
    // GXExcelLikeFillImp.h, GXAutoScrollPlugin.h) ---------------------------------------------------------
    // Dragging selected rows or columns: a press may start a drag; the kind (2 rows, 1 columns, 0 none);
    // the target row and column (at least 1); the dragged range's place in the selection; the drop line
    // (made on first use, owned by the grid's auto-delete list).
    BOOL m_bSelDragPending = FALSE;
    int m_nSelDragType = 0;
    ROWCOL m_nSelDragRow = 1;
    ROWCOL m_nSelDragCol = 1;
    POSITION m_posSelDragRange = nullptr;
    CWnd* m_pSelDragLineWnd = nullptr;
    // Set while a drag keeps the selection frame and the current cell's frame off the screen (each only
    // when the drag took it away; the drop or the cancel brings it back).
    BOOL m_bSelDragHidesFrame = FALSE;
    BOOL m_bSelDragHidesCurrentCell = FALSE;
    // The selection frame: its range (plain cells), its knob (0 bottom-right, 2 bottom-left for whole
    // rows, 7 top-right for whole columns), whether it is on the screen and whether it is hidden.
    CGXCellRange m_rangeExcelLikeFrame;
    int m_nExcelLikeFrameKnob = 0;
    BOOL m_bExcelLikeFrameShown = FALSE;
    BOOL m_bExcelLikeFrameHidden = FALSE;
    // Set while the fill handle is dragged.
    BOOL m_bFilling = FALSE;
    // Automatic scrolling: its scroll permissions, its timer (0: none), the key it repeats (0: none, the
    // pointer or a fixed direction decides) with its key data; the first tick after a start is still
    // due; a fixed scroll direction (gxUp .. gxRight, -1: none); the focus may leave without stopping it.
    BOOL m_bAutoScrollVert = FALSE;
    BOOL m_bAutoScrollHorz = FALSE;
    UINT_PTR m_nAutoScrollTimer = 0;
    UINT m_nAutoScrollKey = 0;
    UINT m_nAutoScrollKeyFlags = 0;
    BOOL m_bAutoScrollStartPending = FALSE;
    int m_nAutoScrollDirection = -1;
    BOOL m_bAutoScrollKeepFocus = FALSE;

    // ---- cell tips (GXCellTipHandler.h) --------------------------------------------------------------
    // Switches the cell tips on (the handler is made on first use and initialised when the grid is) or
    // off (a tip shown or waiting goes).
    void EnableCellTips(BOOL bEnable = TRUE);
    BOOL GetCellTipsEnabled() const { return m_bCellTips; }
    // The handler, null until the tips were first switched on.
    CGXCellTipHandler* GetCellTipHandler() const { return m_pCellTipHandler; }
    // Hides the tip shown or waiting: what lies under the mouse changed (rows, columns, scrolling).
    void HideCellTip();

    // ---- the window forms' messages (GXCoreWindow.cpp) -------------------------------------------------
    // CGXGridView and CGXGridWnd hand these messages of the grid window to the core; an answer of 0
    // (FALSE, null) lets the window form do its default processing.
    //
    // A scroll bar's message (nSBCode SB_..., nPos the thumb position in bar units): nothing before
    // initialisation or while the update lock is held; the current cell's control sees the message
    // first; then the grid scrolls through DoScroll: by one line, by a page (up: the lines above the
    // first scrolled one that fill the area below the frozen lines; down: the lines from the first
    // scrolled one to the last visible one), to the mapped thumb position (SB_THUMBTRACK only with the
    // parameter's thumb-track option), to the first or the last line. SB_ENDSCROLL asks automatic
    // scrolling to stop. TRUE when initialised and not locked.
    virtual BOOL OnGridVScroll(UINT nSBCode, UINT nPos);
    virtual BOOL OnGridHScroll(UINT nSBCode, UINT nPos);
    // WM_MOUSEWHEEL: the rows scroll while the grid shows its vertical bar, else the columns, by the
    // lines or pages a notch scrolls as the system is set (CWheelTurns), as their bar's arrows and
    // page clicks do; the current cell stays where it is. A grid without bars, or one not initialised
    // or under the update lock, answers FALSE (the wheel goes on to the parent).
    virtual BOOL OnGridMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    // WM_SIZE: the last-visible caches are reset; SIZE_MAXIMIZED updates the scroll bars, other types
    // but SIZE_RESTORED only note the parent frame's state (0). A restore repaints what the new size
    // uncovered (the whole window unless the parameter's smart-resize option says otherwise), tells
    // the cell-tip handler (its tip goes) and updates the scroll bars; while the suspend-resize switch
    // is on a restore that keeps the maximised state only validates the window. TRUE.
    virtual BOOL OnGridSize(UINT nType, int cx, int cy);
    // WM_SHOWWINDOW: hiding forgets the last visible lines and the remembered size.
    virtual void OnGridShowWindow(BOOL bShow, UINT nStatus);
    // WM_CTLCOLOR... of the current cell's edit window: the control may answer itself; otherwise pDC
    // gets the cell's text and interior colours and the interior's cached brush is returned. Null
    // without a current cell.
    virtual HBRUSH OnGridCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // The system colours or settings changed: the library's colour cache is refreshed and every
    // registered control told; a settings change also invalidates the window.
    virtual void OnGridWinIniChange(LPCSTR lpszSection);
    virtual void OnGridSysColorChange();
    // nDefault plus DLGC_WANTARROWS, DLGC_WANTTAB and DLGC_WANTCHARS.
    virtual UINT OnGridGetDlgCode(UINT nDefault);
    // A message before it is dispatched: the current cell's control may translate it. FALSE before
    // initialisation, while the window is hidden and when nothing took it.
    virtual BOOL OnGridPreTranslateMessage(MSG* pMsg);
    // WM_COMMAND of a child: the current cell's control's answer, FALSE without a current cell.
    virtual BOOL OnGridCommand(WPARAM wParam, LPARAM lParam);
    // WM_MOUSEACTIVATE: in a view whose parameter object eats activating clicks, a click on the client
    // area while the focus was last outside the view, or in another frame than the window that has
    // it, gives the view the focus and answers MA_ACTIVATEANDEAT. Else the current cell's control's
    // answer when it gives one, else 0 (the window form's own handling).
    virtual int OnGridMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT nMessage);
    // WM_TIMER: nothing here (the auto-scroll plug-in sees its timer first).
    virtual void OnGridTimer(UINT_PTR nIDEvent);
    // WM_SETCURSOR: TRUE when the grid shows its own cursors (initialised, the message is the grid
    // window's own and over its client area).
    virtual BOOL OnGridSetCursorMessage(CWnd* pWnd, UINT nHitTest, UINT nMessage);
    // The scroll bar of the grid window: the shared bar (59920 vertical, 59904 horizontal) of a
    // parent of the registered splitter classes when the window has no bar of its own; else null.
    virtual CScrollBar* GetGridScrollBarCtrl(int nBar);
    // WM_DESTROY: closes the shared find and replace dialog when this grid window owns it. 0.
    virtual LRESULT CloseFindReplaceDialog();
    // Find and replace through the find-replace module: opens the find (bFind) or replace dialog;
    // finds the next occurrence (TRUE when found); takes the dialog's notification. Nothing (FALSE)
    // without the module.
    virtual void OnShowFindReplaceDialog(BOOL bFind);
    virtual BOOL FindNextText(BOOL bNext);
    virtual LRESULT OnFindReplace(FINDREPLACEA* pFindReplace);
    // A search found nothing: beeps (the services seam).
    virtual void OnTextNotFound(LPCSTR lpszFind);
    // Prepares a DC of the window forms: a printer DC (bPrinting) gets MM_ANISOTROPIC mapping with
    // the screen's dots per inch as window extent and the printer's as viewport extent, so that
    // screen pixels scale to printer pixels. A screen DC gets the same when the parameter object's
    // printed look is on and its print device gives a printer DC: that DC becomes the screen DC's
    // attribute DC (it measures) and gives the viewport extent. Then OnGridPrepareDC.
    virtual void PrepareGridDC(CDC* pDC, BOOL bPrinting);

    // The private messages of the grid's controls and tab windows:
    // 0x7A3 (nType, nCount): 0 to 3 move the current cell to the first row, up, down, to the last row
    // (MoveCurrentCellEx with count 1); 4 makes the cell at row nCount plus the header rows (the last
    // row beyond) and the first column after the header columns (the last column when there is none)
    // current with flags 10 and gives the grid window the focus. 0.
    virtual LRESULT OnMoveCurrentCellMessage(int nType, ROWCOL nCount);
    // 0x792: TRUE when the current cell may be left (a modified control's text passes).
    virtual BOOL ValidateCurrentCell();
    // 0x790: the parameter's rename-allowed option.
    virtual BOOL CanRenameGrid();
    // 0x791: the library's naming callback (GXState.h) turns nIndex into the parameter's title; the
    // other views are told. 0.
    virtual LRESULT OnGridRenamed(WPARAM nIndex);
    // The window form's first update or creation places it in a splitter (null: none) at pane (nRow,
    // nCol); bFirstRow / bFirstCol: the pane lies in the splitter's first row / column.
    void SetSplitterPane(CWnd* pSplitter, int nRow, int nCol, BOOL bFirstRow, BOOL bFirstCol);
    CWnd* GetSplitterWnd() const { return m_pSplitterWnd; }
    int GetSplitterRow() const { return m_nSplitterRow; }
    int GetSplitterCol() const { return m_nSplitterCol; }
    // Forgets the remembered size, so that the next resize repaints the whole window.
    void ForgetLastSize();
    // While set (0x7CB 1) resizing repaints nothing; 0 invalidates the whole window.
    BOOL m_bSuspendResize = FALSE;
    // The identity of the grid among the views of its document: hints (CGXGridHint) carry the
    // sender's and are acted on by the grids of the same identity (or by all for -1). 0.
    int m_nGridId = 0;

    // ---- the user's selection (the range-selection module, GXUserSelectRangeImp.h) ---------------------
    // Copies the selection's valid ranges (the parameter object's first range list), in order, into
    // list (emptied first); with bAddCurrentCell and an empty selection, the current cell as a one-cell
    // range instead. TRUE when list holds a range afterwards.
    virtual BOOL CopySelection(CGXRangeList& list, BOOL bAddCurrentCell = FALSE);
    // Whether a range of list covers the cell (the test behind the marking of selected cells).
    virtual BOOL IsCellInSelectionList(ROWCOL nRow, ROWCOL nCol, const CGXRangeList& list);
    // The range the user is building: its position in the selection (null: none) and the cell where
    // it started. The module keeps them; a position that left the list counts as none.
    POSITION m_posSelecting = nullptr;
    ROWCOL m_nAnchorRow = 0;
    ROWCOL m_nAnchorCol = 0;
    // The parameter object's saved selection (CGXGridParam::SaveSelection) becomes the range being
    // built, found in the selection or added to it, with its anchor (nothing when none is saved).
    void TakeSavedSelection();
    // Set while the module inverts the marking of cells outside a paint: it walks the visible cells
    // (m_bDrawingSelection) and inverts those whose state changed (m_bInvertingSelection).
    BOOL m_bDrawingSelection = FALSE;
    BOOL m_bInvertingSelection = FALSE;
    // The selecting bit of the mouse-action word: a mouse selection is under way (set by the module
    // at the press, cleared with the whole word after the release).
    enum { gxMouseSelecting = 0x02 };
    UINT GetMouseAction() const { return m_nMouseAction; }
    void SetMouseAction(UINT nAction) { m_nMouseAction = nAction; }
    // The cell the mouse or the keys reached last (the press sets it, each tracked move too).
    void GetLastTrackedCell(ROWCOL& nRow, ROWCOL& nCol) const
    {
        nRow = m_nLastRow;
        nCol = m_nLastCol;
    }
    void SetLastTrackedCell(ROWCOL nRow, ROWCOL nCol)
    {
        m_nLastRow = nRow;
        m_nLastCol = nCol;
    }
    // The update lock is held: the selection's marking is not drawn.
    BOOL IsUpdateLocked() const { return m_nLockUpdate > 0; }

    // ---- operation modules (null: absent) --------------------------------------------------------------
    CGXAbstractGridPrintImp* m_pPrintImp;
    CGXAbstractGridSortImp* m_pSortImp;
    CGXAbstractGridOldDrawingImp* m_pOldDrawingImp;
    CGXAbstractGridCoveredCellsImp* m_pCoveredCellsImp;
    CGXAbstractDrawSpannedCellsImp* m_pDrawSpannedCellsImp;
    CGXAbstractGridFloatCellsImp* m_pFloatCellsImp;
    CGXAbstractGridMergeCellsImp* m_pMergeCellsImp;
    CGXAbstractCommandFactory* m_pCommandFactory;
    CGXAbstractCalcSizeImp* m_pCalcSizeImp;
    CGXAbstractGridUpdateHintImp* m_pUpdateHintImp;
    CGXAbstractGridResizeToFitImp* m_pResizeToFitImp;
    CGXAbstractGridHideCellsImp* m_pHideCellsImp;
    CGXAbstractGridFindReplaceImp* m_pFindReplaceImp;
    CGXAbstractGridUserSelectRangeImp* m_pUserSelectRangeImp;
    CGXAbstractGridExcelLikeFrameImp* m_pExcelLikeFrameImp;
    CGXAbstractGridExcelLikeFillImp* m_pExcelLikeFillImp;
    CGXAbstractGridUserDragSelectRangeImp* m_pUserDragSelectRangeImp;
    CGXAbstractGridMoveRowsColsImp* m_pMoveRowsColsImp;
    CGXAbstractGridUserResizeCellsImp* m_pUserResizeCellsImp;
    CGXAbstractGridOptimizedUpdateImp* m_pOptimizedUpdateImp;
    CGXAbstractGridMarkEditHeaderImp* m_pMarkEditHeaderImp;
    CGXAbstractGridFreezeMenuHelperImp* m_pFreezeMenuHelperImp;
    CGXAbstractGridDirectCopyMoveCellsImp* m_pDirectCopyMoveCellsImp;
    CGXAbstractGridTextDataExchangeImp* m_pTextDataExchangeImp;
    CGXAbstractGridStyleDataExchangeImp* m_pStyleDataExchangeImp;
    CGXAbstractGridCutPasteImp* m_pCutPasteImp;
    CGXAbstractGridClearCellsImp* m_pClearCellsImp;
    CGXAbstractGridRangeNameImp* m_pRangeNameImp = nullptr;  // never attached in this program
    CGXAbstractGridOptionalImp* m_pOptionalImp = nullptr;    // never attached in this program
    CGXPluginComponent* m_pAutoScrollPlugin;

protected:
    // Attaches the module pfnCreate makes into rpModule unless the grid holds one (see
    // GXGridModules.h); a creator that makes none leaves the pointer null.
    template <class T>
    void AttachModule(T*& rpModule, T* (*pfnCreate)());
    // Measures pDC's font: the line height (height plus external leading) and the average character
    // width (times 3/2 for a variable-pitch font).
    static void CalcFontMetrics(CDC* pDC, int& nWidth, int& nHeight);
    // The character size of the standard style's font (10 by 15 without a font), on pDC (null: a
    // client DC of the grid window, or the screen).
    void ComputeCharSize(CDC* pDC, int& nWidth, int& nHeight);
    // The three base styles looked up in the styles map again (null when missing).
    void LookupBaseStyles();
public:
    // The parameter object's styles map, properties and data were replaced by new objects (a parameter
    // copy into it): the grid registers with the new objects only, forgets its cached styles and GDI
    // objects, looks its base styles up again and redraws.
    void OnParamObjectsReplaced();

protected:
    // After a change of the styles map, the properties or a base style: the caches flushed, the base
    // styles looked up again, the grid redrawn with nFlags.
    void RedrawWithNewBaseStyles(UINT nFlags);
    // The cached GDI font of a LOGFONT.
    CFont* LookupLogFont(const LOGFONTA& lf);
    // The paints of OnGridDraw (GXCoreDraw.cpp).
    void PaintDirect(CDC* pDC, const CRect& rectGrid);
    void PaintBuffered(CDC* pDC, const CRect& rectGrid);
    // The display rows and columns under the clip box rectClip (within the grid rectangle) drawn into pDC.
    void DrawClipArea(CDC* pDC, const CRect& rectClip, BOOL bFrameInside, const CRect& rectGrid);
    // The steps of DrawCellMatrix.
    void PrepareMatrixCell(CellPaintMatrix& m, int i, int j);
    void DrawRowBackground(CellPaintMatrix& m, int i);
    void DrawMatrixLines(CellPaintMatrix& m, BOOL bVertical, int nIndex);
    // An undo command is recorded for nCommandType: a command factory, undo on, not a rollback.
    BOOL IsUndoRecorded(int nCommandType) const;
    // The composed current cell's style dropped; the reuse state cleared.
    void OnStoredCell(ROWCOL nRow, ROWCOL nCol);
    // Applies pStyle or the array entries to the cells of range, rows outer (step of SetStyleRange).
    // Stops at a user abort with the last row and column done.
    BOOL StoreRangeCells(const CGXCellRange& range, const CGXStyle* pStyle, int nMode, int nKind,
                         const CObArray* pStyleArray, CGXLongOperation* pOperation, BOOL bCancelAllowed,
                         BOOL& bAborted, ROWCOL& nDoneRow, ROWCOL& nDoneCol);

    GridLibraryState* m_pAppData;
    CPtrList m_autoDeleteList;  // CObject*, deleted with the grid
    CWnd* m_pGridWnd;
    CDocument* m_pGridDoc;
    BOOL m_bIsViewContext;
    BOOL m_bDocLink;
    CPtrList m_ownedList;  // CObject*, deleted from the head with the grid
    CGXStyle* m_pStyleEdit;      // scratch styles of composing, storing and editing
    CGXStyle* m_pStyleValue;
    CGXStyle* m_pStyleScratch;
    CRuntimeClass* m_pStyleClass;
    CString m_strWarningText;
    BOOL m_bWarningBoxShowing;
    BOOL m_bWarningShown;
    std::map<WORD, CGXControl*> m_controls;  // owned
    CGXControl* m_pDefaultControl;
    WORD m_nLastControlId;
    CGXControl* m_pLastControl;
    CPtrList m_pluginList;  // CGXPluginComponent*, not owned
    CRuntimeClass* m_pDataClass;
    int m_nLockUpdate;
    CWheelTurns m_wheelTurns;
    // The GDI caches, keyed by the records' bytes.
    std::map<std::vector<BYTE>, std::unique_ptr<CFont>> m_fontCache;
    std::map<std::pair<DWORD, DWORD>, std::unique_ptr<CBrush>> m_brushCache;
    std::map<std::pair<DWORD, DWORD>, std::unique_ptr<CPen>> m_penCache;
    // Composed styles by cell (owned), the current cell's, and the styles waiting for deletion.
    std::map<std::pair<ROWCOL, ROWCOL>, CGXStyle*> m_styleCache;
    CGXStyle* m_pStyleCurrentCell = nullptr;
    std::vector<CGXStyle*> m_pendingStyles;
    const CGXStyle* m_pStyleStandard;
    const CGXStyle* m_pStyleRowHeader;
    const CGXStyle* m_pStyleColHeader;
    std::vector<CGXStyle*> m_recycledStyles;
    int m_nZoom;
    int m_dxChar;
    int m_dyChar;
    int m_dxCharPrint;
    int m_dyCharPrint;
    ROWCOL m_nCurrentRow;
    ROWCOL m_nCurrentCol;
    BOOL m_bCurrentValid;
    CGXControl* m_pCurrentControl;
    BOOL m_bHasFocus;
    BOOL m_bBusy;  // a current-cell change is in progress
    ROWCOL m_nInitRow;
    ROWCOL m_nInitCol;
    ROWCOL m_nTopRow;
    ROWCOL m_nLeftCol;
    CGXGridParam* m_pParam;
    BOOL m_bOwnParam;
    BOOL m_bInitDone;
    CDC* m_pPrinterDC;
    CRect m_rectPrint;
    ROWCOL m_nPrintTopRow;
    ROWCOL m_nPrintLeftCol;
    // The pages of a print job, kept by the print module (GXPrintImp.h): the first row (column) of each
    // row (column) page and then the first row (column) after the last page; the row and column page
    // that hold the screen's top row and left column; the job prints the selection or the screen.
    CDWordArray m_awPrintRowStarts;
    CDWordArray m_awPrintColStarts;
    UINT m_nPrintTopRowPage = 0;
    UINT m_nPrintLeftColPage = 0;
    BOOL m_bPrintSelection = FALSE;
    friend class CGXGridPrintImp;
    CRect m_rectGrid;
    BOOL m_bGridRectSet;
    int m_nFrameWidth;
    int m_nFrameHeight;
    int m_nBorderWidth;
    int m_nBorderHeight;
    HCURSOR m_hcurArrow;
    UINT m_nCursorOverride = 0;
    ROWCOL m_nLastVisibleRow = ROWCOL(-1);  // -1: not known
    ROWCOL m_nLastVisibleCol = ROWCOL(-1);
    BOOL m_bUserResizing;
    int m_nResizeKind;
    ROWCOL m_nResizeIndex;
    BOOL m_bDrawCellBackground;
    std::vector<CRect> m_excludedRects;
    std::vector<CGXCellRange> m_recalcDrawnCells;
    // Painting.
    int m_nPaintMode = 0;
    int m_nDrawDepth = 0;
    CellPaintMatrix* m_pPaintMatrix = nullptr;
    BOOL m_bLayoutChanged = FALSE;
    CDC* m_pClientDC = nullptr;
    CFont* m_pOldClientFont = nullptr;
    // The running place of StartCellRectScan / NextCellRectScan.
    int m_nScanRow = 0;
    int m_nScanCol = 0;
    int m_yScan = 0;
    int m_xScan = 0;
    // Scroll bars: the modes, the lines per bar unit, the counts last shown, the lock, and the
    // re-entry guards of a bar update (showing a bar resizes the window) and of a scroll.
    DWORD m_dwVScrollMode = gxScrollNone;
    DWORD m_dwHScrollMode = gxScrollNone;
    int m_nVScrollScale = 2;
    int m_nHScrollScale = 2;
    ROWCOL m_nVScrollCount = 0;
    ROWCOL m_nHScrollCount = 0;
    BOOL m_bLockScrollbars = FALSE;
    BOOL m_bUpdatingScrollbars = FALSE;
    BOOL m_bScrolling = FALSE;
    // Automatic scrolling: running and its step counter.
    BOOL m_bAutoScrollRunning = FALSE;
    int m_nAutoScrollStep = 0;
    // Current cell: a move is in progress; moves are tracked (on) unless suppressed (off); the cell
    // last told to OnMovedCurrentCell.
    BOOL m_bInMove = FALSE;
    BOOL m_bTrackMoves = TRUE;
    BOOL m_bSuppressTracking = FALSE;
    ROWCOL m_nNotifiedRow = ROWCOL(-1);
    ROWCOL m_nNotifiedCol = ROWCOL(-1);
    // The focus left the grid while a current-cell change ran; the window that had the focus before
    // the grid; the key messages' double-byte collector.
    BOOL m_bFocusLost = FALSE;
    HWND m_hWndPrevFocus = nullptr;
    BOOL m_bPendingLeadByte = FALSE;
    BYTE m_chLeadByte = 0;
    // Mouse: the flags of the last button press, the mouse action's modifier bits (gxHitStateCtrl,
    // gxHitStateOnCurrent), a button is down, where it went down, the cell last reported to the
    // hooks, the mouse left the down cell.
    UINT m_nMouseFlags = 0;
    UINT m_nMouseAction = 0;
    BOOL m_bButtonDown = FALSE;
    ROWCOL m_nDownRow = 0;
    ROWCOL m_nDownCol = 0;
    ROWCOL m_nLastRow = 1;
    ROWCOL m_nLastCol = 1;
    BOOL m_bLeftDownCell = FALSE;
    // The cell-tip handler (owned) and whether it sees the grid's mouse moves and messages.
    CGXCellTipHandler* m_pCellTipHandler = nullptr;
    BOOL m_bCellTips = FALSE;
    // The splitter holding the view pane, the pane's place, and the size at the last resize (the
    // client size less the scroll-bar metrics), the window rectangle then and whether the parent
    // frame was maximised.
    CWnd* m_pSplitterWnd = nullptr;
    int m_nSplitterRow = 0;
    int m_nSplitterCol = 0;
    BOOL m_bFirstRowPane = TRUE;
    BOOL m_bFirstColPane = TRUE;
    CSize m_sizeLast = CSize(0, 0);
    CRect m_rectWndLast = CRect(0, 0, 0, 0);
    BOOL m_bParentMaximized = FALSE;

    // pWnd is the grid window or one of its children.
    BOOL HoldsWindow(const CWnd* pWnd) const;
    // The registered control attached to (nRow, nCol), null when none is (the current cell's cached
    // control may have been dropped while its control stays attached).
    CGXControl* FindAttachedControl(ROWCOL nRow, ROWCOL nCol) const;
    // Stores are refused: no parameter object, or the read-only guard is on and the grid is locked.
    BOOL IsStoreRefused();
    // The update-hint module when bCreateHint asks for a hint and the grid belongs to a document.
    CGXAbstractGridUpdateHintImp* HintModule(BOOL bCreateHint) const;
    // The grid window, null when it has no window yet.
    CWnd* GridHwndWnd() const;
    // The start of every button press: FALSE when the press cancelled the mouse action (the grid held
    // the capture, or one of nOtherButtons is down in nFlags); else the hit code, cell and rectangle.
    BOOL BeginButtonPress(UINT nFlags, UINT nOtherButtons, CPoint point, int& nHit, ROWCOL& nRow, ROWCOL& nCol);
    // The down cell and modifier bits of a press on a cell (nRow, nCol); the hit state of the press.
    UINT NoteButtonPress(ROWCOL nRow, ROWCOL nCol, UINT nFlags);
    // Captures the mouse for the grid window, starting automatic scrolling first when it is on (rows
    // unless nRow is 0 or frozen, columns likewise).
    void CaptureMouse(ROWCOL nRow, ROWCOL nCol);
    // The cell under point clamped into the grid rectangle less the frame and to the counts, with
    // the hit state's over-down / over-last bit.
    UINT CellUnderMouse(CPoint& point, ROWCOL& nRow, ROWCOL& nCol);
    // A release or move over a cell of a covered block whose current control takes the block as one
    // unit (CGXControl::IsCoveredCellUnit) counts on the block's top-left cell.
    void MapToCoveredUnit(ROWCOL& nRow, ROWCOL& nCol);
    // The button hooks, written once: button 0 left, 1 right, 2 middle.
    BOOL ButtonHitRowCol(int nButton, ROWCOL nDownRow, ROWCOL nDownCol, ROWCOL nRow, ROWCOL nCol, CPoint point,
                         UINT nFlags, UINT nHitState);
    // Release and double click of the right and middle buttons.
    BOOL OtherButtonUp(int nButton, UINT nFlags, CPoint point);
    BOOL OtherButtonDblClk(int nButton, UINT nFlags, CPoint point);
    BOOL OtherButtonDown(int nButton, UINT nFlags, CPoint point);
    // Discards the current cell's edit (Escape): a control that agrees is initialised again,
    // refreshed and told; else refreshed.
    void DiscardCurrentCellEdit();
    // Removes the key messages waiting for the focus window.
    static void RemoveWaitingKeys();
    // TRUE while the key is down (the key-state seam).
    static BOOL IsKeyDown(int nVirtKey);
};

// A style the grid composes for one cell and takes back when the object goes.
class CGXComposedStyle {
public:
    CGXComposedStyle(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL bApplyStandard = TRUE);
    ~CGXComposedStyle();
    CGXComposedStyle(const CGXComposedStyle&) = delete;
    CGXComposedStyle& operator=(const CGXComposedStyle&) = delete;
    const CGXStyle& Get() const { return *m_pStyle; }
    CGXStyle& Get() { return *m_pStyle; }

private:
    CGXGridCore* m_pGrid;
    CGXStyle* m_pStyle;
};

template <class T>
void CGXGridCore::AttachModule(T*& rpModule, T* (*pfnCreate)())
{
    if (rpModule != nullptr || pfnCreate == nullptr)
        return;
    T* pModule = pfnCreate();
    if (pModule == nullptr)
        return;
    AddAutoDeleteObject(pModule);
    rpModule = pModule;
}

// Deletes the styles of an array CreateStyleArray made (and any object after them), then the array.
void DeleteStyleArray(CObArray* pArray);

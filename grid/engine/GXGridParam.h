// CGXGridParam: what the views of one grid share: the cell data, the base styles (CGXStylesMap), the
// display and print settings (CGXProperties) and the print device, each owned or borrowed; the undo
// and redo command lists; the option words the grid core and its operations test; row heights and
// column widths; the hidden rows and columns; the range lists; header and frozen counts.
//
// Sizes: the default row height 1200 and column width 10000, and the sizes of row 0 and column 0 (the
// headers) 1400 and 6000, are in the grid's character height or width times 1000 (the grid core turns
// them into pixels).
//
// Stored form (Serialize, forwarded to the document-serialisation module; nothing without it), schema
// 10: see GXDocSerializeImp.h. The fields this file names "option" are stored and copied in that form;
// their roles belong to the grid core and its operations. Copying (operator=) goes through the
// parameter-copy module (nothing without it).
//
// The pools of floating and merged cells (GXSpanCellPool.h) and of covered cells belong to the object:
// it deletes them, its stored form holds the screen float pools and the merge pools (schema 6 on), and
// a copy gets its own, made by the process-wide pool modules.
//
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "core/Maps.h"
#include "grid/engine/GXCollMap.h"
#include "grid/engine/GXRange.h"

#include <map>
#include <memory>
#include <vector>

class CGXCoveredCellPool;
class CGXData;
class CGXDelayedRangePool;
class CGXProperties;
class CGXSpanCellPool;
class CGXPrintDevice;
class CGXStylesMap;
class GridLibraryState;

class CGXGridParam : public CObject {
    DECLARE_SERIAL(CGXGridParam)
public:
    // The defaults (see the top of this file and the fields below); no data, styles map, properties
    // or print device.
    CGXGridParam();
    // Deletes the undo and redo commands, the objects of the two pointer arrays and the owned data,
    // styles map, properties and print device.
    ~CGXGridParam() override;
    CGXGridParam(const CGXGridParam&) = delete;

    // The stored form.
    void Serialize(CArchive& ar) override;
    // Makes this parameter object a copy of other through the parameter-copy module (nothing
    // without it, nothing for itself). Returns *this.
    virtual CGXGridParam& operator=(const CGXGridParam& other);

    // The shared objects: each setter deletes the previous object when it was owned (unless it is the
    // object given again), then keeps the new pointer (may be null) and ownership flag.
    void SetProperties(CGXProperties* pProperties, BOOL bOwn = TRUE);
    void SetData(CGXData* pData, BOOL bOwn = TRUE);
    void SetStylesMap(CGXStylesMap* pStylesMap, BOOL bOwn = TRUE);
    void SetPrintDevice(CGXPrintDevice* pPrintDevice, BOOL bOwn = TRUE);
    CGXProperties* GetProperties() const { return m_pProperties; }
    CGXData* GetData() const { return m_pData; }
    CGXStylesMap* GetStylesMap() const { return m_pStylesMap; }
    CGXPrintDevice* GetPrintDevice() const { return m_pPrintDevice; }
    BOOL GetOwnProperties() const { return m_bOwnProperties; }
    BOOL GetOwnData() const { return m_bOwnData; }
    BOOL GetOwnStylesMap() const { return m_bOwnStylesMap; }
    BOOL GetOwnPrintDevice() const { return m_bOwnPrintDevice; }

    // The undo and redo command lists (the parameter object owns the commands).
    CObList& GetUndoList() { return m_undoList; }
    CObList& GetRedoList() { return m_redoList; }
    // Deletes every command of the redo list.
    void EmptyRedoList();
    // Deletes every command of the undo list; a transaction still open goes with its block (the
    // level becomes 0, so that nothing is collected into a block that is gone).
    void EmptyUndoList();
    // Switches the recording of undo commands.
    void EnableUndo(BOOL bEnable) { m_bUndoEnabled = bEnable; }
    BOOL IsEnableUndo() const { return m_bUndoEnabled; }
    // The longest a list grows before its oldest command goes (512): a list holds at most one more.
    // It is the stored form's dword of schema 5.
    DWORD GetMaxUndoListLength() const { return m_dwOption5; }
    void SetMaxUndoListLength(DWORD nMax) { m_dwOption5 = nMax; }
    // The open undo transactions (0: none); only the outermost one collects the commands in a block.
    int GetTransactionLevel() const { return m_nTransactionLevel; }
    void SetTransactionLevel(int nLevel) { m_nTransactionLevel = nLevel; }
    // What removing rows (columns) saves for undo: bit 0 their base styles, bit 1 their cells'
    // styles (3, both).
    enum { gxUndoBaseStyles = 1, gxUndoCellStyles = 2 };
    WORD GetRowUndoContents() const { return m_wRowUndoContents; }
    void SetRowUndoContents(WORD w) { m_wRowUndoContents = w; }
    WORD GetColUndoContents() const { return m_wColUndoContents; }
    void SetColUndoContents(WORD w) { m_wColUndoContents = w; }

    // TRUE when any bit of nMask is set in the option word.
    BOOL TestSelectModeFlags(WORD nMask) const { return (m_wSelectMode & nMask) != 0; }
    BOOL TestRowSizingFlags(WORD nMask) const { return (m_wRowSizing & nMask) != 0; }
    BOOL TestColSizingFlags(WORD nMask) const { return (m_wColSizing & nMask) != 0; }
    BOOL TestSelectionFlags(WORD nMask) const { return (m_wAllowSelection & nMask) != 0; }
    // The option words: selection behaviour (255), row-height tracking (178), column-width tracking
    // (178), allowed selections (0).
    WORD GetSelectModeFlags() const { return m_wSelectMode; }
    void SetSelectModeFlags(WORD w) { m_wSelectMode = w; }
    WORD GetRowSizingFlags() const { return m_wRowSizing; }
    void SetRowSizingFlags(WORD w) { m_wRowSizing = w; }
    WORD GetColSizingFlags() const { return m_wColSizing; }
    void SetColSizingFlags(WORD w) { m_wColSizing = w; }
    WORD GetSelectionFlags() const { return m_wAllowSelection; }
    void SetSelectionFlags(WORD w) { m_wAllowSelection = w; }

    // The read-only guard (while set, a locked grid refuses changes) and the immediate-update switch.
    BOOL GetReadOnlyGuard() const { return m_bReadOnlyGuard; }
    void SetReadOnlyGuard(BOOL b) { m_bReadOnlyGuard = b; }
    BOOL GetImmediateUpdate() const { return m_bImmediateUpdate; }
    void SetImmediateUpdate(BOOL b) { m_bImmediateUpdate = b; }

    // Sizes (see the top of this file).
    LONG GetDefaultRowHeight() const { return m_nDefaultRowHeight; }
    void SetDefaultRowHeight(LONG n) { m_nDefaultRowHeight = n; }
    LONG GetDefaultColWidth() const { return m_nDefaultColWidth; }
    void SetDefaultColWidth(LONG n) { m_nDefaultColWidth = n; }
    // Row to height and column to width; row 0 and column 0 start at 1400 and 6000.
    CGXMapDWordToLong& GetRowHeights() { return m_rowHeights; }
    const CGXMapDWordToLong& GetRowHeights() const { return m_rowHeights; }
    CGXMapDWordToLong& GetColWidths() { return m_colWidths; }
    const CGXMapDWordToLong& GetColWidths() const { return m_colWidths; }

    // Header and frozen counts.
    ROWCOL GetHeaderRows() const { return m_nHeaderRows; }
    ROWCOL GetHeaderCols() const { return m_nHeaderCols; }
    void SetHeaderRows(ROWCOL n) { m_nHeaderRows = n; }
    void SetHeaderCols(ROWCOL n) { m_nHeaderCols = n; }
    ROWCOL GetFrozenRows() const { return m_nFrozenRows; }
    ROWCOL GetFrozenCols() const { return m_nFrozenCols; }
    void SetFrozenRows(ROWCOL n) { m_nFrozenRows = n; }
    void SetFrozenCols(ROWCOL n) { m_nFrozenCols = n; }

    // The hidden rows and columns, one bit per row (column): bit i is bit i % 8 (least significant
    // first) of byte i / 8, set when row (column) i is hidden. Empty at first; the hide-cells module
    // grows them and reads a bit beyond the end as 0.
    std::vector<BYTE>& GetHiddenRows() { return m_abHiddenRows; }
    std::vector<BYTE>& GetHiddenCols() { return m_abHiddenCols; }
    const std::vector<BYTE>& GetHiddenRows() const { return m_abHiddenRows; }
    const std::vector<BYTE>& GetHiddenCols() const { return m_abHiddenCols; }
    // The smallest height (width) in pixels a user's drag leaves a row (column) (0).
    int GetMinRowHeight() const { return m_nMinRowHeight; }
    void SetMinRowHeight(int n) { m_nMinRowHeight = n; }
    int GetMinColWidth() const { return m_nMinColWidth; }
    void SetMinColWidth(int n) { m_nMinColWidth = n; }
    // What the freeze commands remember of the rows (columns) they froze: the first frozen position,
    // how many, and the position they came from (all 0 until a freeze).
    struct FreezeRecord {
        ROWCOL nFirst = 0;
        ROWCOL nCount = 0;
        ROWCOL nFrom = 0;
    };
    FreezeRecord& GetRowFreezeRecord() { return m_rowFreeze; }
    FreezeRecord& GetColFreezeRecord() { return m_colFreeze; }

    // The remembered current cell (1, 1) and the title (empty).
    ROWCOL GetCurrentRow() const { return m_nCurrentRow; }
    ROWCOL GetCurrentCol() const { return m_nCurrentCol; }
    void SetCurrentCell(ROWCOL nRow, ROWCOL nCol)
    {
        m_nCurrentRow = nRow;
        m_nCurrentCol = nCol;
    }
    const CString& GetTitle() const { return m_strTitle; }
    void SetTitle(const char* pszTitle) { m_strTitle = pszTitle; }

    // The two range lists (the first and the second of the stored form): the selection and the
    // highlighted ranges.
    CGXRangeList& GetRangeList1() { return m_rangeList1; }
    CGXRangeList& GetRangeList2() { return m_rangeList2; }
    const CGXRangeList& GetRangeList1() const { return m_rangeList1; }
    const CGXRangeList& GetRangeList2() const { return m_rangeList2; }
    // After loading: hands the second range list to the library state's hook (nothing without one).
    void NotifyRangeListsLoaded();
    // The selection a grid takes over when it is initialised on this object (not stored): the range
    // the user was building and the cell it started from. A program that restores a grid's state sets
    // it beside the remembered current cell; a grid initialised afterwards goes on building that range
    // (CGXGridCore::Initialize). None at first.
    struct SelectionRecord {
        BOOL bSaved = FALSE;
        CGXCellRange range;
        ROWCOL nAnchorRow = 0;
        ROWCOL nAnchorCol = 0;
    };
    const SelectionRecord& GetSavedSelection() const { return m_savedSelection; }
    // Keeps range (valid, else CInvalidArgException*) with its anchor cell as the saved selection.
    void SaveSelection(const CGXCellRange& range, ROWCOL nAnchorRow, ROWCOL nAnchorCol);
    void ClearSavedSelection() { m_savedSelection = SelectionRecord(); }

    // Options of the grid core that the stored form does not hold (each 0 / FALSE at construction):
    // the lock switch (while set, with the read-only guard, the grid refuses changes); the cell
    // activation flags (4: a control is activated when its cell becomes current); the line-offset
    // option (grid lines lie on a cell's last pixel, so the last frozen column and row keep their
    // full width); whether paste prefers the grid's private clipboard format to text; whether a grid
    // initialised the object; the old-drawing switch (the grids paint their cells row by row with
    // per-row clipping, each cell filling its own background, through the old-drawing module).
    BOOL IsLockReadOnly() const { return m_bLockReadOnly; }
    void SetLockReadOnly(BOOL b) { m_bLockReadOnly = b; }
    WORD GetActivateCellFlags() const { return m_wActivateCell; }
    void SetActivateCellFlags(WORD w) { m_wActivateCell = w; }
    BOOL GetLineOffset() const { return m_bLineOffset; }
    void SetLineOffset(BOOL b) { m_bLineOffset = b; }
    BOOL GetPreferPrivateClipboardFormat() const { return m_bPreferPrivateFormat; }
    void SetPreferPrivateClipboardFormat(BOOL b) { m_bPreferPrivateFormat = b; }
    BOOL IsInit() const { return m_bIsInit; }
    void SetInit(BOOL b) { m_bIsInit = b; }
    BOOL GetOldDrawing() const { return m_bOldDrawing; }
    void SetOldDrawing(BOOL b) { m_bOldDrawing = b; }

    // Options of the stored form: the row headers show row numbers and the column headers column
    // letters (both on); selected cells are marked (on); the highlighted ranges (the second range
    // list) are drawn patterned while both highlight switches are on (both off).
    BOOL GetNumberedRowHeaders() const { return m_abOptions[0] != 0; }
    void SetNumberedRowHeaders(BOOL b) { m_abOptions[0] = BYTE(b ? 1 : 0); }
    BOOL GetLetteredColHeaders() const { return m_abOptions[1] != 0; }
    void SetLetteredColHeaders(BOOL b) { m_abOptions[1] = BYTE(b ? 1 : 0); }
    BOOL GetMarkSelection() const { return m_abOptions[3] != 0; }
    void SetMarkSelection(BOOL b) { m_abOptions[3] = BYTE(b ? 1 : 0); }
    BOOL GetHighlight() const { return m_abOptions3[0] != 0 && m_abOptions3[1] != 0; }
    void SetHighlight(BOOL bFirst, BOOL bSecond)
    {
        m_abOptions3[0] = BYTE(bFirst ? 1 : 0);
        m_abOptions3[1] = BYTE(bSecond ? 1 : 0);
    }

    // Display options of the grid core that the stored form does not hold:
    // - lock redraw (off): nothing paints and redraw requests are ignored;
    // - grid-line style (0): the pen style (0..7, CGXCellPen) of the grid lines;
    // - no background (off): the paint leaves cell and outside backgrounds undrawn;
    // - compose all first (0): 1 composes every cell of a paint before drawing;
    // - current-cell frame (on): a marked current cell gets inverted frame strips instead of being
    //   inverted whole; marking mode (0): 1 inverts it whole anyway;
    // - Excel-like frame and fill (off): the selection shows a frame, and its fill handle; the fill
    //   word's bit 0 repeats values, bit 1 styles (which win when both are set);
    // - only in the active view (off): views other than the active one show the arrow cursor;
    // - dragging selected rows and columns allowed (on);
    struct DisplayOptions {
        BOOL bLockRedraw = FALSE;
        UINT nGridLineStyle = 0;
        BOOL bNoBackground = FALSE;
        int nComposeAllFirst = 0;
        BOOL bCurrentCellFrame = TRUE;
        int nMarkingMode = 0;
        BOOL bExcelLikeFrame = FALSE;
        BOOL bExcelLikeFill = FALSE;
        BOOL bOnlyInActiveView = FALSE;
        BOOL bDragSelectedRows = TRUE;
        BOOL bDragSelectedCols = TRUE;
        // - the thumb scrolls while it is dragged (off), not only where it is let go;
        // - a restored window that grew repaints only the uncovered strips (off);
        // - a tab window may rename the grid (on);
        // - a cell's content is measured by its stored value instead of the text its control shows (off).
        BOOL bThumbTrack = FALSE;
        BOOL bSmartResize = FALSE;
        BOOL bAllowRename = TRUE;
        BOOL bSizeStoredValues = FALSE;
        // - printed look (off): a grid view measures its text on the printer of its print device, with
        //   the printer's scaling, so the screen shows the lines and pages as they will print;
        // - activating click eaten (off): a click that activates a grid view from another window only
        //   gives it the focus, without moving the current cell or selecting.
        BOOL bPrintedLook = FALSE;
        BOOL bEatActivatingClick = FALSE;
    };
    DisplayOptions& GetDisplayOptions() { return m_display; }
    const DisplayOptions& GetDisplayOptions() const { return m_display; }
    BOOL IsLockRedraw() const { return m_display.bLockRedraw; }
    void SetLockRedraw(BOOL b) { m_display.bLockRedraw = b; }

    // Options of the current cell and its keys that the stored form does not hold:
    // - Enter direction (0): where Enter moves the current cell after storing it (1 up, 2 left, 3 down,
    //   4 right; 0 stays);
    // - scroll at the edge (off): Up and Left from the top row or left column take the line before it
    //   and scroll, instead of going on at the last frozen row or column;
    // - lock activation (off): a new current cell is only made current and its control initialised;
    // - no highlight (0): 1 leaves a new current cell undrawn until the next paint;
    // - selection follows the current cell (off): a cell that becomes current outside the selection
    //   becomes the selection, and Escape keeps the selection;
    // - current-cell hints (off): the other views are told when the current cell moves;
    // - copy marquee (off): a copied range is marked; Escape clears the mark.
    struct CurrentCellOptions {
        int nEnterDirection = 0;
        BOOL bScrollAtEdge = FALSE;
        BOOL bLockActivation = FALSE;
        int nNoHighlight = 0;
        BOOL bSelectionFollowsCell = FALSE;
        BOOL bCurrentCellHints = FALSE;
        BOOL bCopyMarquee = FALSE;
    };
    CurrentCellOptions& GetCurrentCellOptions() { return m_currentCell; }
    const CurrentCellOptions& GetCurrentCellOptions() const { return m_currentCell; }

    // Options of the user's selection and of how the views follow a change, which the stored form
    // does not hold:
    // - single click (off): a click that does not drag leaves the selection as the press left it,
    //   instead of emptying it;
    // - zoom all views (off): every view of the document follows a zoom, not only the other panes of
    //   the splitter of the view that zoomed;
    // - redraw following rows, columns (off): after rows (columns) were inserted or removed, those
    //   after them are redrawn too (for headers that number them).
    struct ViewOptions {
        BOOL bSingleClick = FALSE;
        BOOL bZoomAllViews = FALSE;
        BOOL bRedrawFollowingRows = FALSE;
        BOOL bRedrawFollowingCols = FALSE;
    };
    ViewOptions& GetViewOptions() { return m_view; }
    const ViewOptions& GetViewOptions() const { return m_view; }

    // Sorting (GXGridSortImp.h), not stored: the row (column) the last sort ordered the columns (rows)
    // by, -1 when it ordered the other kind of line, and whether it sorted ascending; whether a double
    // click on a row header sorts the columns by that row, on a column header the rows (both off).
    struct SortOptions {
        int nLastSortedRow = -1;
        int nLastSortedCol = -1;
        BOOL bLastAscending = TRUE;
        BOOL bSortOnRowHeader = FALSE;
        BOOL bSortOnColHeader = FALSE;
    };
    SortOptions& GetSortOptions() { return m_sort; }
    const SortOptions& GetSortOptions() const { return m_sort; }

    // Options of the cell controls that the stored form does not hold:
    // - show stored values (off): static cells show the stored value itself, unformatted;
    // - edit stored values (off): an edit cell edits the stored value instead of its formatted text;
    // - Delete clears (off): the grid empties a cell on Delete itself, the edit cell leaves the key to
    //   it;
    // - selection headers (off): a header whose whole row or column is selected counts as marked,
    //   headers look pressed unless marked, and marked ones are bold;
    // - drop-down height (150): the tallest a cell's drop-down list opens, in pixels;
    // - entered values (off): cell values are stored and read as entered texts (the cell data's kind
    //   1), so that a formula sheet computes what is typed and an edit shows a cell's formula; the
    //   cell data switches it on (CGXData::AdjustParamOptions) and a grid that initialises on the
    //   object then takes kind 1 as its style kind.
    struct ControlOptions {
        BOOL bShowStoredValues = FALSE;
        BOOL bEditStoredValues = FALSE;
        BOOL bDeleteClears = FALSE;
        BOOL bSelectionHeaders = FALSE;
        int nDropDownHeight = 150;
        BOOL bEnteredValues = FALSE;
    };
    ControlOptions& GetControlOptions() { return m_controlOptions; }
    const ControlOptions& GetControlOptions() const { return m_controlOptions; }

    // The lookups that cells sharing a tabbed choice list share (not stored, not copied): per unique
    // choice-list id above 0, a key map and a text map from a row's field to the whole row, and a stamp
    // advanced whenever maps are freed, so that a control can tell its cached list is stale.
    // The map of nId (bText: the text map), or null while none was made.
    CMapStringToString* GetChoiceMap(int nId, BOOL bText) const;
    // A new, empty map of nId with nHashSize buckets (0: the default), replacing any before. nId must
    // be above 0, else CInvalidArgException*.
    CMapStringToString* CreateChoiceMap(int nId, BOOL bText, UINT nHashSize);
    // Frees both maps of nId (-1: of every id) and advances the stamp; ids below 1 other than -1 free
    // nothing and leave the stamp.
    void FreeChoiceMaps(int nId);
    int GetChoiceMapStamp() const { return m_nChoiceMapStamp; }

    // The clipboard's state (GXCutPasteImp.h): the ranges of the last copy or cut; the direct-copy
    // and direct-move modes (both off), in which a paste inside this grid copies or moves those cells
    // without the clipboard; and the cut that, in direct-move mode, waits for the paste that moves its
    // cells.
    CGXRangeList& GetClipboardSourceList() { return m_clipboardSourceList; }
    BOOL GetDirectCopyMode() const { return m_bDirectCopyMode; }
    void SetDirectCopyMode(BOOL b) { m_bDirectCopyMode = b; }
    BOOL GetDirectMoveMode() const { return m_bDirectMoveMode; }
    void SetDirectMoveMode(BOOL b) { m_bDirectMoveMode = b; }
    BOOL GetCutPending() const { return m_bCutPending; }
    void SetCutPending(BOOL b) { m_bCutPending = b; }

    // The float-cells and merge-cells modes (0).
    WORD GetFloatCellsMode() const { return m_wFloatCellsMode; }
    void SetFloatCellsMode(WORD w) { m_wFloatCellsMode = w; }
    WORD GetMergeCellsMode() const { return m_wMergeCellsMode; }
    void SetMergeCellsMode(WORD w) { m_wMergeCellsMode = w; }

    // The pools of floating and merged cells, null where the mode has none: the span pools (the screen
    // and print float pools, the horizontal and vertical merge pools) and the delayed-range pools (the
    // screen and print float queues, the merge queue). Each setter deletes the pool it replaces (unless
    // it is the pool given again) and owns the new one (may be null).
    enum SpanPool { gxFloatPool, gxPrintFloatPool, gxMergeHorzPool, gxMergeVertPool, gxSpanPoolCount };
    enum DelayedRangePool { gxFloatDelayed, gxPrintFloatDelayed, gxMergeDelayed, gxDelayedPoolCount };
    CGXSpanCellPool* GetSpanPool(SpanPool n) const { return m_apSpanPools[n]; }
    void SetSpanPool(SpanPool n, CGXSpanCellPool* pPool);
    CGXDelayedRangePool* GetDelayedRangePool(DelayedRangePool n) const { return m_apDelayedPools[n]; }
    void SetDelayedRangePool(DelayedRangePool n, CGXDelayedRangePool* pPool);
    // Gives the screen float pools and the merge pools the float and merge modes need (made by the
    // process-wide pool modules; nothing is made without them) and deletes those the modes do not need:
    // float mode 1 a span pool and a queue, 2 a span pool; merge mode (bits 0-1) 1 both span pools and a
    // queue, 2 both span pools; any other mode none.
    void MatchSpanPoolsToModes();
    // After loading: spans are worked out again, so every queue holds the whole table and every span
    // pool is empty.
    void ResetSpanPools();

    // The coverings: the covered-ranges list (owned CGXCellRange, in the order they were made) and the
    // covered-cell pool (null until the covered-cells module makes it; the setter deletes the old pool).
    CGXRangeList& GetCoveredRanges() { return m_coveredRanges; }
    const CGXRangeList& GetCoveredRanges() const { return m_coveredRanges; }
    CGXCoveredCellPool* GetCoveredCellPool() const { return m_pCoveredCellPool; }
    void SetCoveredCellPool(CGXCoveredCellPool* pPool);

    // The shared object: made by the library state's creator when the slot is empty (it stays empty
    // without a creator). Returns it.
    CObject* EnsureSharedObject();
    CObject* GetSharedObject() const { return m_pSharedObject; }

    // The library state the object was made in.
    GridLibraryState* GetAppData() const { return m_pAppData; }

private:
    friend class CGXGridDocSerializeImp;
    friend class CGXGridParamCopyOperatorImp;

    // Deletes the owned data, styles map, properties and print device and nulls their pointers and
    // ownership flags (borrowed objects stay).
    void DeleteOwnedObjects();

    GridLibraryState* m_pAppData;
    BOOL m_bOwnProperties;
    CGXProperties* m_pProperties;
    BOOL m_bOwnStylesMap;
    CGXStylesMap* m_pStylesMap;
    BOOL m_bOwnData;
    CGXData* m_pData;
    BOOL m_bOwnPrintDevice;
    CGXPrintDevice* m_pPrintDevice;
    CObList m_undoList;
    CObList m_redoList;
    BOOL m_bUndoEnabled;
    WORD m_wSelectMode;
    WORD m_wRowSizing;
    WORD m_wColSizing;
    WORD m_wAllowSelection;
    LONG m_nDefaultRowHeight;
    LONG m_nDefaultColWidth;
    CGXMapDWordToLong m_rowHeights;
    CGXMapDWordToLong m_colWidths;
    ROWCOL m_nHeaderRows;
    ROWCOL m_nHeaderCols;
    BOOL m_bReadOnlyGuard;
    BOOL m_bImmediateUpdate;
    ROWCOL m_nCurrentRow;
    ROWCOL m_nCurrentCol;
    CString m_strTitle;
    CGXRangeList m_rangeList1;
    CGXRangeList m_rangeList2;
    CPtrArray m_apObjects1;  // two arrays of owned objects (of the grid core)
    CPtrArray m_apObjects2;
    ROWCOL m_nFrozenRows;
    ROWCOL m_nFrozenCols;
    WORD m_wFloatCellsMode;
    WORD m_wMergeCellsMode;
    CGXSpanCellPool* m_apSpanPools[gxSpanPoolCount] = {};
    CGXDelayedRangePool* m_apDelayedPools[gxDelayedPoolCount] = {};
    CGXRangeList m_coveredRanges;
    CGXCoveredCellPool* m_pCoveredCellPool = nullptr;
    CObject* m_pSharedObject = nullptr;
    CObject* m_apStoredObjects[2];  // the two further owned objects of the stored form (null)

    // Option fields of the stored form, in its order; their roles belong to the grid core.
    BYTE m_abOptions[10];    // the option bytes 1, 2, 3, 5, 6, 9, 10, 15 and 16 of the form, and
                             // the byte of schema 2 (defaults 1, 1, 0, 1, 1, 1, 1, 0, 0, 1)
    WORD m_awOptions[5];     // the words after the title (1, 2, 0, 0, 0)
    BYTE m_abOptions3[2];    // schema 3: two bytes (0, 0)
    DWORD m_adwOptions3[3];  // schema 3: three dwords (0, 0, 0)
    BYTE m_bOption5;         // schema 5: a byte (0),
    WORD m_wOption5;         // a word (4)
    DWORD m_dwOption5;       // and a dword (512)
    BYTE m_abOptions6[5];    // schema 6: five bytes (0)
    WORD m_wOption6;         // schema 6: the word after the pools (0)
    BYTE m_abOptions8[3];    // schema 8: three bytes (0)
    WORD m_wOption9;         // schema 9: a word (0)
    BYTE m_bOption10;        // schema 10: a byte (0)

    DisplayOptions m_display;
    SelectionRecord m_savedSelection;
    CurrentCellOptions m_currentCell;
    ViewOptions m_view;
    SortOptions m_sort;
    ControlOptions m_controlOptions;
    std::map<int, std::unique_ptr<CMapStringToString>> m_choiceKeyMaps;
    std::map<int, std::unique_ptr<CMapStringToString>> m_choiceTextMaps;
    int m_nChoiceMapStamp = 0;
    BOOL m_bLockReadOnly = FALSE;
    WORD m_wActivateCell = 0;
    BOOL m_bLineOffset = FALSE;
    BOOL m_bPreferPrivateFormat = FALSE;
    BOOL m_bIsInit = FALSE;
    BOOL m_bOldDrawing = FALSE;
    int m_nTransactionLevel = 0;
    WORD m_wRowUndoContents = gxUndoBaseStyles | gxUndoCellStyles;
    WORD m_wColUndoContents = gxUndoBaseStyles | gxUndoCellStyles;
    std::vector<BYTE> m_abHiddenRows;
    std::vector<BYTE> m_abHiddenCols;
    int m_nMinRowHeight = 0;
    int m_nMinColWidth = 0;
    FreezeRecord m_rowFreeze;
    FreezeRecord m_colFreeze;
    CGXRangeList m_clipboardSourceList;
    BOOL m_bDirectCopyMode = FALSE;
    BOOL m_bDirectMoveMode = FALSE;
    BOOL m_bCutPending = FALSE;
};

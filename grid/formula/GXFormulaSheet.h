// CGXFormulaSheet: the grid's cell data for grids whose cells hold formulas. The value and the own
// style of every inner cell live in the formula engine (one EngineSheet) instead of the style arrays
// of CGXData; header cells (row 0 or column 0) and base styles (negative kinds) stay with CGXData.
// The grid reaches the sheet only through CGXData's virtual operations.
//
// Coordinates: grid row r is engine row max(r, 1) and grid column c engine column max(c - 1, 0).
// Engine rows are 1 to 8388607 and engine columns 0 to 4095; operations on a cell beyond them answer
// FALSE and change nothing.
//
// Value kinds written into a returned CGXStyle: 0 text, 1 number, 2 formula (an edit text), 3 error.
//
// Undo: the engine records the cells that structural changes remove, overwrite or rewrite (while the
// option word set by SetEngineOption is on, and always for removed rows and columns); the sheet
// gathers them into a pending CGXFormulaUndoInfo, which the grid's undo command takes with
// DetachUndoInfo and hands back to ApplyUndoInfo.
//
// Stored form (Serialize), schema 1: WORD 1; the CGXData part; five WORDs (iteration limit, blank
// cells as zero, recalculation mode, recalculation method, constraint checking); the named ranges as a
// CStringArray of "name=reference"; then each linked cell of the general, formula and placeholder
// pools: BYTE 1, BYTE cell type, BYTE value kind, BYTE the cell's flag bits 15 to 22, DWORD engine
// row, DWORD engine column, the own CGXStyle as an object (may be null), for a formula or constant
// formula its printed text as a CString, then an error's WORD code, a number's double or a text's
// CString; then BYTE 0. Reading checks every count, kind and position and leaves the sheet empty
// when anything is wrong (the archive exception is thrown on).
//
// A grid whose parameter object holds a sheet keeps its cell values as entered texts: the sheet
// switches the parameter object's entered-values option on (AdjustParamOptions), and a grid that
// initialises on it takes kind 1 as its style kind, so what the user types is interpreted (a formula
// is computed) and an edit shows a cell's formula.
#pragma once

#include <windows.h>

#include "grid/engine/GXData.h"
#include "grid/formula/GXEngineSheet.h"

struct CompiledFormula;
class CGXStylesMap;

// The formula sheet's undo record: the cells as they were before an operation, the cells a
// recalculation after it changed, the block it touched (cleared on undo when the recalc flag is set)
// and the named ranges a deletion removed. Owns all of them.
class CGXFormulaUndoInfo : public CGXUndoEngineCellsInfo {
    DECLARE_DYNAMIC(CGXFormulaUndoInfo)
public:
    CGXFormulaUndoInfo() = default;
    ~CGXFormulaUndoInfo() override;
    CGXFormulaUndoInfo(const CGXFormulaUndoInfo&) = delete;
    CGXFormulaUndoInfo& operator=(const CGXFormulaUndoInfo&) = delete;

    // Replaces a list by pNew (the old one is freed).
    void SetCellsBefore(EngineCell* pNew);
    void SetCellsAfter(EngineCell* pNew);
    void SetNames(RangeName* pNew);

    EngineCell* m_pCellsBefore = nullptr;  // saved cells chained through pNext, newest first
    EngineCell* m_pCellsAfter = nullptr;
    CellRangeRef m_range = {};
    BOOL m_bRecalc = FALSE;
    RangeName* m_pNames = nullptr;  // saved named ranges chained through pNext
};

class CGXFormulaSheet : public CGXData {
    DECLARE_SERIAL(CGXFormulaSheet)
public:
    // An empty sheet with an engine sheet of its own.
    CGXFormulaSheet();
    // Deletes the pending undo record and releases the engine sheet.
    ~CGXFormulaSheet() override;
    CGXFormulaSheet(const CGXFormulaSheet&) = delete;
    CGXFormulaSheet& operator=(const CGXFormulaSheet&) = delete;

    // The engine sheet's handle.
    SheetHandle GetSheetHandle() const { return m_hSheet; }

    // ---- CGXData ----
    // The stored form (see the top of this file). Loading another schema throws badSchema.
    void Serialize(CArchive& ar) override;
    // The base styles go, and the engine is emptied (cells, names, options).
    void DeleteAllStyles() override;
    // From another formula sheet: its cells, options and named ranges, then the CGXData part. From
    // plain cell data: the CGXData copy, then every inner cell's style moves into the engine (its
    // value through SetEnteredText, or SetTextValue when empty). Nothing for itself.
    void CopyFrom(const CGXData& other) override;
    // Switches param's entered-values option on (see the top of this file).
    void AdjustParamOptions(CGXGridParam& param) override;

    // Structure: the engine moves its cells and references, the undo information is gathered, then
    // CGXData changes its arrays. Each returns CGXData's answer.
    BOOL InsertRows(ROWCOL nRow, ROWCOL nCount) override;
    BOOL InsertCols(ROWCOL nCol, ROWCOL nCount) override;
    BOOL RemoveRows(ROWCOL nFrom, ROWCOL nTo) override;
    BOOL RemoveCols(ROWCOL nFrom, ROWCOL nTo) override;
    BOOL MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override;
    BOOL MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override;
    // Copies the inner cells of range with their formulas (relative references move along), queues
    // the destination for recalculation and gathers undo information. TRUE.
    BOOL CopyCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol) override;
    // Moves the inner cells of range. A CGXFormulaUndoInfo in rpUndoInfo (an undo) has its second
    // list put back first and its first list after the move; with bCreateUndoInfo the cells the move
    // recorded become its first list (the record is made when rpUndoInfo is null) and those the
    // recalculation that follows recorded its second. TRUE.
    BOOL MoveCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol, CObject*& rpUndoInfo,
                   BOOL bCreateUndoInfo = FALSE) override;
    // Stores pStyle at an inner cell (headers and base styles: CGXData). Mode 2 (copy): an empty style
    // removes the cell, a style of only a value drops the cell's own style. Mode 3 (exclude): a style
    // with a value empties the cell's value (a cell left without style goes). Mode 4, or a null style:
    // the cell goes. Then a value is stored: a number value as a number, a non-empty text of kind 1
    // through SetEnteredText, any other through SetTextValue; the other attributes merge into the
    // cell's own style with the mode. Returns the value's store result when the style held no more
    // than the value, else TRUE.
    BOOL StoreCellStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind) override;
    // The own style of an inner cell merged into style with the mode, with the cell's edit text
    // (kind 1; value kind 2) or its value text (any other kind). FALSE when no engine cell is there.
    // A violated constraint, while checking is on, applies the base style "Constraint Violation"
    // (registered in the grid's styles map on first need, red interior) and flags the cell as changed.
    BOOL GetCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, int nMode, int nKind) const override;
    // Reorder the inner cells as the sort's move map says (single-cell references follow), then
    // CGXData's arrays. FALSE, changing nothing, for a map that is not an order.
    BOOL ReorderRowsAfterSort(const CGXCellRange& range, CDWordArray& awMoveMap) override;
    BOOL ReorderColsAfterSort(const CGXCellRange& range, CDWordArray& awMoveMap) override;
    // TRUE for a formula cell not evaluated in this pass, or a cell flagged as changed.
    BOOL IsFormulaCell(ROWCOL nRow, ROWCOL nCol) override;

    // ---- formula-engine hooks ----
    // Sets or clears the cell's changed flag.
    void SetCellEngineFlag(ROWCOL nRow, ROWCOL nCol, BOOL bFlag) override;
    // Queues range (clamped to the counts, empty bounds taken as 1) for recalculation, once.
    void AddRecalcRange(const CGXCellRange& range) override;
    // Recalculates (bForce: whatever the recalculation mode).
    void Recalc(BOOL bForce) override;
    // Arms the message slot and returns the EngineSheet.
    void* GetEngineContext() override;
    // FALSE while the slot is armed; else the waiting message and TRUE.
    BOOL GetEngineMessageText(CString& strText) override;
    // Arms the message slot, so that the next error is reported.
    void ResetEngineError() override;
    // Hands out the pending undo record (null when none) and forgets it.
    CGXUndoEngineCellsInfo* DetachUndoInfo() override;
    // Puts the cells of a CGXFormulaUndoInfo back (nValue: record what the restoration overwrites;
    // bFlag: only the second list): its block is cleared first when its recalc flag is set. FALSE for
    // another record.
    BOOL ApplyUndoInfo(CGXUndoEngineCellsInfo* pUndoInfo, DWORD nValue, BOOL bFlag) override;
    // Sets the option word, the engine's undo switch (on when not 0). Returns the previous word.
    BOOL SetEngineOption(DWORD nValue) override;
    // Defines the name for range (columns as grid columns) and recalculates; with a CGXFormulaUndoInfo
    // the named ranges and cells it saved are put back instead. TRUE.
    BOOL SetRangeName(const char* pszName, const CGXCellRange& range, CGXUndoEngineCellsInfo* pUndoInfo) override;
    // The range of a name (grid columns); FALSE when it is not defined.
    BOOL GetRangeName(const char* pszName, CGXCellRange& range) override;
    // Deletes the name; formulas using it keep its reference. With bWantUndo the rewritten cells and
    // the definition go into pUndoInfo (a CGXFormulaUndoInfo), or into the pending record when it is
    // null. Returns whether the name existed.
    BOOL DeleteRangeName(const char* pszName, CGXUndoEngineCellsInfo* pUndoInfo, BOOL bWantUndo) override;

    // ---- cell values ----
    // Stores a formula (must begin with '='). A parse error leaves "Cell <col><row>: ERROR: <text>
    // (Pos <n>)" in the message buffer and answers FALSE.
    virtual BOOL SetFormulaText(ROWCOL nRow, ROWCOL nCol, const char* pszText);
    // Stores a text constant (escapes decoded unless the engine's raw-text switch is on); an empty
    // text stores an empty value.
    virtual BOOL SetTextValue(ROWCOL nRow, ROWCOL nCol, const char* pszText);
    virtual BOOL SetNumberValue(ROWCOL nRow, ROWCOL nCol, double dValue);
    // Gives the cell the number format and places (a cell is made when none is there).
    virtual BOOL SetNumberFormat(ROWCOL nRow, ROWCOL nCol, UINT nFormat, UINT nPlaces);
    // The format of the cell's own style (0 when it has none) and its places.
    virtual UINT GetNumberFormat(ROWCOL nRow, ROWCOL nCol, UINT* pnPlaces = nullptr);
    // Stores what the user typed: empty, a number, "#N/A", an apostrophe text, a formula, a date or
    // time of the user's locale, or a text (see GXFormulaSheet.cpp for the order).
    virtual BOOL SetEnteredText(ROWCOL nRow, ROWCOL nCol, const char* pszText);
    // The cell's number (a formula evaluated first when needed); 0 and FALSE when it holds none.
    virtual BOOL GetNumberValue(ROWCOL nRow, ROWCOL nCol, double& dValue);
    // The value text and the edit text of a cell (empty for a cell off the sheet or missing).
    virtual BOOL GetValueText(ROWCOL nRow, ROWCOL nCol, CString& strText);
    virtual BOOL GetFormulaText(ROWCOL nRow, ROWCOL nCol, CString& strText);
    // Evaluates pFormula into a scratch cell and gives its value text. FALSE when it is an error.
    virtual BOOL EvaluateParsed(const CompiledFormula* pFormula, CString& strText);
    // Parses and evaluates pszExpression; a parse error gives the message in strText and FALSE.
    virtual BOOL EvaluateExpression(CString& strText, const char* pszExpression);
    // Parses pszText into rpFormula (free it with EngineFreeFormula). FALSE when it does not parse.
    virtual BOOL ParseExpression(const char* pszText, CompiledFormula*& rpFormula);
    // The value text of a cell: "Cycle!", "", "#N/A", "Error!", "%.14g", the text; null gives "".
    virtual void FormatCellValue(EngineCell* pCell, CString& strText);
    // The edit text: a formula printed, "#N/A", "Error!", a number ("%.14g" or its date format), an
    // apostrophe and the text.
    virtual void FormatCellFormula(EngineCell* pCell, CString& strText);

    // ---- options (values outside their range are refused with FALSE) ----
    BOOL SetIterationLimit(DWORD n) { return SetOption(kOptionIterationLimit, n); }  // 0 to 100
    DWORD GetIterationLimit() const { return GetOption(kOptionIterationLimit); }
    BOOL SetBlankCellsAsZero(DWORD n) { return SetOption(kOptionBlankAsZero, n); }  // 0 or 1
    DWORD GetBlankCellsAsZero() const { return GetOption(kOptionBlankAsZero); }
    BOOL SetRecalcMode(DWORD n) { return SetOption(kOptionRecalcMode, n); }  // 0 automatic, 1 manual
    DWORD GetRecalcMode() const { return GetOption(kOptionRecalcMode); }
    BOOL SetRecalcMethod(DWORD n) { return SetOption(kOptionRecalcMethod, n); }  // 0 as needed, 1 every formula
    DWORD GetRecalcMethod() const { return GetOption(kOptionRecalcMethod); }
    // 0 or 1; switching it on also registers the base style "Constraint Violation" when missing.
    BOOL SetConstraintCheck(DWORD n);
    DWORD GetConstraintCheck() const { return GetOption(kOptionConstraintCheck); }

    // The named ranges as "name=reference" entries in list order; defining them from such entries
    // (split at the first '='; entries that do not read are left out). SetRangeNameList returns
    // whether every entry was defined.
    void GetRangeNameList(CStringArray& names) const;
    BOOL SetRangeNameList(const CStringArray& names);

    // Moves the cells the engine recorded into the pending undo record (bRecalc: recalculate first
    // and file them as changed by the recalculation). bKeepRange: the
    // record's block is cleared on undo.
    void CollectUndoInfo(BOOL bKeepRange, BOOL bRecalc);
    // Empties the engine: cells, names, options, the message; the pending undo record goes.
    void ResetEngine();

private:
    BOOL SetOption(EngineOption nOption, DWORD n);
    DWORD GetOption(EngineOption nOption) const;
    EngineCell* FindCell(ROWCOL nRow, ROWCOL nCol) const;
    EngineCell* ValueCell(ROWCOL nRow, ROWCOL nCol);
    void EvaluateIfNeeded(EngineCell* pCell) const;
    BOOL StoreValueOf(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, int nKind);
    WORD ConstraintStyleId() const;
    CGXStylesMap* StylesMap() const;
    CGXFormulaUndoInfo& PendingUndo();
    void LoadCells(CArchive& ar);
    void StoreCells(CArchive& ar);

    mutable WORD m_nConstraintStyleId = 0;
    SheetHandle m_hSheet = 0;
    DWORD m_nOptionWord = 0;
    CGXFormulaUndoInfo* m_pPendingUndo = nullptr;
};

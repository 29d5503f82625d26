// CGXData: what a grid stores: the row and column counts, a style per cell, and a base style per row
// and per column. The grid reaches it only through its virtual operations, so that a formula sheet
// can take its place; the formula-engine hooks do nothing here.
//
// Cells are stored sparsely: a row array exists only once one of its cells was stored, and arrays may
// be shorter than the counts (a missing entry is an empty one). Access is by direct index, so a row
// or column number is also an array index: numbers from 0x7FFFFFFF on, which no array can reach,
// throw CMemoryException* when something would be stored there; reads there find nothing.
//
// Addressing (StoreCellStyle, GetCellStyle): nKind -1 addresses a base style, the row's when nRow is
// not 0, else the column's; any other kind addresses the cell (nRow, nCol). Kind 1 also asks for
// number recognition when a value is stored (see StoreCellStyle).
//
// Stored form (Serialize, forwarded to the document-serialisation module; nothing without it):
//   WORD schema 1 (required exactly); DWORD row count; DWORD column count; the cell rows (array of
//   style arrays); the row base styles; the column base styles (GXStyleArray.h).
//
// Copying, moving and sorting blocks of cells forward to the data copy/move and sort-move modules of
// the grid operations (the operations answer FALSE while a module is not installed).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "grid/engine/GXStyleArray.h"

class CGXStyle;
class CGXGridParam;
class GridLibraryState;
class CGXSortInfoArray;

// The formula engine's undo record of the cells an operation changed: the data object hands it out
// (DetachUndoInfo) and takes it back (ApplyUndoInfo); the undo commands only own it. A formula sheet
// derives its own record from it.
class CGXUndoEngineCellsInfo : public CObject {
    DECLARE_DYNAMIC(CGXUndoEngineCellsInfo)
};

class CGXData : public CObject {
    DECLARE_SERIAL(CGXData)
public:
    // Kinds of StoreCellStyle / GetCellStyle.
    enum { gxBaseStyle = -1, gxCellStyle = 0, gxCellValue = 1 };

    // An empty store: no rows, no columns.
    CGXData();
    // Deletes every stored style.
    ~CGXData() override;
    CGXData(const CGXData&) = delete;
    CGXData& operator=(const CGXData&) = delete;

    // The stored form (see the top of this file).
    void Serialize(CArchive& ar) override;
    // Deletes every stored style; the counts stay.
    virtual void DeleteAllStyles();
    // Makes this store a copy of other (every style cloned, both counts). Nothing for itself.
    virtual void CopyFrom(const CGXData& other);
    // Lets the store adjust the parameter object's options (nothing here); a grid calls it when it
    // initialises on the parameter object.
    virtual void AdjustParamOptions(CGXGridParam& param);

    // The counts.
    virtual ROWCOL GetRowCount() const;
    virtual ROWCOL GetColCount() const;
    // A smaller count removes rows nCount + 1 .. count (RemoveRows), a larger one inserts the new
    // rows after the last (InsertRows). TRUE.
    virtual BOOL SetRowCount(ROWCOL nCount);
    // The same for columns.
    virtual BOOL SetColCount(ROWCOL nCount);
    // Inserts nCount empty rows before nRow (their cells and base styles empty); the row count
    // grows by nCount. TRUE.
    virtual BOOL InsertRows(ROWCOL nRow, ROWCOL nCount);
    // The same for columns, in the column base styles and every row.
    virtual BOOL InsertCols(ROWCOL nCol, ROWCOL nCount);
    // Deletes rows nFrom..nTo with their styles; the rows behind move up. The row count shrinks by
    // the number of those rows that lay within it. Nothing when nFrom > the row count or nFrom > nTo.
    // TRUE.
    virtual BOOL RemoveRows(ROWCOL nFrom, ROWCOL nTo);
    // The same for columns.
    virtual BOOL RemoveCols(ROWCOL nFrom, ROWCOL nTo);
    // Moves rows nFrom..nTo so that nFrom ends up at nDest (the rows between close up). TRUE.
    virtual BOOL MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    // The same for columns.
    virtual BOOL MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    // Copies the cells of range to (nDestRow, nDestCol) through the data copy/move module. Returns
    // its answer, FALSE without the module.
    virtual BOOL CopyCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol);
    // Moves them through the module. With bCreateUndoInfo rpUndoInfo receives the module's record of
    // what the move overwrote (a given record, from an undo, is put back). FALSE without the module.
    virtual BOOL MoveCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol, CObject*& rpUndoInfo,
                           BOOL bCreateUndoInfo = FALSE);
    // Stores pStyle (not owned; null deletes what is stored) at the place nKind and nRow, nCol
    // address (see the top of this file). The counts grow to nRow and nCol first, also when deleting.
    // A stored style is merged with ChangeStyle(*pStyle, nMode); without one, mode 3 stores nothing
    // and other modes store a Clone. With the library's number recognition on, kind 1, a mode other
    // than 3 and a Value of value type other than 1 that the drawing service's number parser reads as
    // a number (CGXDrawingAndFormatting::ParseValue: "$1,234.50" and "(12)" too; nothing without the
    // number-formatting module), the stored style's value type becomes 1; the Value keeps its text. A
    // mode outside 0..3 throws CInvalidArgException*. Returns TRUE.
    virtual BOOL StoreCellStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind);
    // The style stored at the place addressed: mode 2 assigns it to style, other modes merge it
    // into style with ChangeStyle(stored, nMode). FALSE (style unchanged) when nRow or nCol lies beyond
    // the counts or nothing is stored there.
    virtual BOOL GetCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, int nMode, int nKind) const;
    // Reorder the rows (columns) of a sorted block from range's first row (column) on by the move map,
    // through the sort-move module. FALSE without it.
    virtual BOOL ReorderRowsAfterSort(const CGXCellRange& range, CDWordArray& awMoveMap);
    virtual BOOL ReorderColsAfterSort(const CGXCellRange& range, CDWordArray& awMoveMap);
    // TRUE when the cell holds a formula: never here (the first scratch style's Value is emptied).
    virtual BOOL IsFormulaCell(ROWCOL nRow, ROWCOL nCol);

    // The formula-engine hooks; a formula sheet overrides them. Here they do nothing and answer
    // FALSE, null or 0.
    virtual void SetCellEngineFlag(ROWCOL nRow, ROWCOL nCol, BOOL bFlag);
    virtual void AddRecalcRange(const CGXCellRange& range);
    virtual void Recalc(BOOL bForce);
    virtual void* GetEngineContext();
    virtual BOOL GetEngineMessageText(CString& strText);
    virtual CGXUndoEngineCellsInfo* DetachUndoInfo();
    virtual BOOL ApplyUndoInfo(CGXUndoEngineCellsInfo* pUndoInfo, DWORD nValue, BOOL bFlag);
    virtual BOOL SetEngineOption(DWORD nValue);
    virtual BOOL SetRangeName(const char* pszName, const CGXCellRange& range, CGXUndoEngineCellsInfo* pUndoInfo);
    virtual BOOL GetRangeName(const char* pszName, CGXCellRange& range);
    virtual BOOL DeleteRangeName(const char* pszName, CGXUndoEngineCellsInfo* pUndoInfo, BOOL bWantUndo);

    // Clears the engine's error (nothing here).
    virtual void ResetEngineError();
    // The error state a formula sheet sets while it evaluates: bit 2 of the flag byte (the evaluation
    // failed) and the message. The grid reads and clears them before it asks for an evaluation.
    enum { gxEngineError = 0x04 };
    BYTE m_nEngineFlags = 0;
    CString m_strEngineError;
    BOOL HasEngineError() const { return (m_nEngineFlags & gxEngineError) != 0; }
    void ClearEngineError()
    {
        m_nEngineFlags &= BYTE(~gxEngineError);
        m_strEngineError.Empty();
    }

    // The arrays, for the modules of the grid operations: cells by row then column, row base styles
    // by row, column base styles by column.
    CGXStylePtrArrayPtrArray& GetCellStyles() { return m_apapCellStyle; }
    const CGXStylePtrArrayPtrArray& GetCellStyles() const { return m_apapCellStyle; }
    CGXStylePtrArray& GetRowBaseStyles() { return m_apRowBaseStyle; }
    const CGXStylePtrArray& GetRowBaseStyles() const { return m_apRowBaseStyle; }
    CGXStylePtrArray& GetColBaseStyles() { return m_apColBaseStyle; }
    const CGXStylePtrArray& GetColBaseStyles() const { return m_apColBaseStyle; }

private:
    friend class CGXGridDocSerializeImp;

    CGXStyle* StoredStyle(ROWCOL nRow, ROWCOL nCol, int nKind) const;

    ROWCOL m_nRows;
    ROWCOL m_nCols;
    CGXStylePtrArray m_apRowBaseStyle;
    CGXStylePtrArray m_apColBaseStyle;
    CGXStylePtrArrayPtrArray m_apapCellStyle;
    CGXStyle* m_pStyleValue;  // scratch styles for the formula engine
    CGXStyle* m_pStyleScratch;
    GridLibraryState* m_pAppData;
};

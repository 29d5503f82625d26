// The pools the parameter object keeps for floating and merged cells:
// - CGXSpanCellPool records for every cell the first column of the horizontal span and the first row
//   of the vertical span that hold it (-1: none). A span is a run of equal entries; a span one cell
//   wide in a direction is not stored in that direction.
// - CGXDelayedRangePool lists the ranges still to evaluate (CGXDelayedRange), each with the intervals
//   of its rows already evaluated.
// The grid engine reaches these classes through their virtual operations and the process-wide pool
// modules (GXSpanCellPoolImp.h) only, so that it needs none of their code.
//
// Stored forms (each class tagged with schema 1):
// - CGXDWordArrayPtrArray: WORD 1; DWORD slot count; for every non-null slot in ascending order a DWORD
//   index and the CDWordArray (its count, then its DWORDs); DWORD 0xFFFFFFFF. Reading refuses another
//   version (badSchema), a slot count above kMaxSlots or an index not below the count or not ascending
//   (badIndex), keeping nothing it read.
// - CGXSpanCellPool: the per-row arrays, then the per-column arrays.
// - CGXDelayedRange: its range, then the starts and the ends (CDWordArray each). The done flag is not
//   stored: a read entry is pending.
// - CGXDelayedRangePool: its entries as a CObArray of object references.
//
// Row and column numbers above 0x7FFFFFFE count as negative: operations refuse them (the value
// 0xFFFFFFFE, "to the end", where an operation says so).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

// An array of owned CDWordArray pointers (null where there is none).
class CGXDWordArrayPtrArray : public CPtrArray {
    DECLARE_SERIAL(CGXDWordArrayPtrArray)
public:
    // The largest slot count a stored form may give (reading more is refused before allocating).
    enum { kMaxSlots = 0x1000000 };

    CGXDWordArrayPtrArray() = default;
    // Deletes every element array.
    ~CGXDWordArrayPtrArray() override;
    CGXDWordArrayPtrArray(const CGXDWordArrayPtrArray&) = delete;

    void Serialize(CArchive& ar) override;
    // Makes this a deep copy of src: a new array per slot (a null slot of src gives an empty array).
    virtual void CopyFrom(const CGXDWordArrayPtrArray& src);
    // Deletes every element array and empties the array.
    void DeleteAll();
    // The array at nIndex; null when there is none or nIndex is beyond the array.
    CDWordArray* GetArrayAt(ROWCOL nIndex) const;
};

class CGXSpanCellPool : public CObject {
    DECLARE_SERIAL(CGXSpanCellPool)
public:
    CGXSpanCellPool() = default;
    CGXSpanCellPool(const CGXSpanCellPool&) = delete;

    void Serialize(CArchive& ar) override;
    // The spans that hold (nRow, nCol): the horizontal one sets range's left and right, the vertical
    // one its top and bottom (set range to the cell first). TRUE when either exists; FALSE for a
    // negative row or column.
    virtual BOOL GetSpan(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range) const;
    // Writes (bSet) or clears the span (nTop, nLeft)-(nBottom, nRight) in both directions. A span
    // written over the start of a longer one cuts its tail. FALSE for a negative bottom or right, when
    // nothing was written, or when memory ran out (what was written stays).
    virtual BOOL SetRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, BOOL bSet);
    // Rows follow an insertion (nCount empty rows at nFirst), a removal (nFirst..nLast; nLast
    // 0xFFFFFFFE: to the end) and a move (the block nFirst..nLast to start at nDest, the rows between
    // shifting). Span anchors follow inserted and removed rows; a span whose anchor row goes starts at
    // the first row after the gap. A moved block keeps its entries as they are (the grid evaluates
    // the rows again). FALSE when the pool holds nothing or an index is refused.
    virtual BOOL InsertRows(ROWCOL nFirst, ROWCOL nCount);
    virtual BOOL RemoveRows(ROWCOL nFirst, ROWCOL nLast);
    virtual BOOL MoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest);
    virtual BOOL InsertCols(ROWCOL nFirst, ROWCOL nCount);
    virtual BOOL RemoveCols(ROWCOL nFirst, ROWCOL nLast);
    virtual BOOL MoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest);
    // Makes this a deep copy of src.
    virtual void CopyFrom(const CGXSpanCellPool& src);
    // Forgets every span.
    virtual void DeleteAll();

    // Slot r: for each column, the first column of its horizontal span. Slot c: for each row, the
    // first row of its vertical span.
    CGXDWordArrayPtrArray m_apRowArrays;
    CGXDWordArrayPtrArray m_apColArrays;
};

class CGXDelayedRange : public CObject {
    DECLARE_SERIAL(CGXDelayedRange)
public:
    CGXDelayedRange() = default;
    explicit CGXDelayedRange(const CGXCellRange& range) : m_range(range) {}
    CGXDelayedRange(const CGXDelayedRange&) = delete;

    void Serialize(CArchive& ar) override;
    // Makes this a copy of src (range, done flag and marks).
    virtual void CopyFrom(const CGXDelayedRange& src);
    // Marks the rows range.top..range.bottom evaluated. FALSE when they all were; else TRUE, with range
    // narrowed to the rows that are new where one interval grew at one end. The whole range evaluated
    // makes the entry done.
    virtual BOOL MarkRowsEvaluated(CGXCellRange& range);
    // Empties the marks and sets the done flag.
    virtual void MarkAllEvaluated();

    CGXCellRange m_range;  // the pending range
    CDWordArray m_ends;    // last rows of the evaluated intervals
    CDWordArray m_starts;  // first rows of the evaluated intervals, ascending and disjoint
    DWORD m_bDone = 0;
};

class CGXDelayedRangePool : public CObject {
    DECLARE_SERIAL(CGXDelayedRangePool)
public:
    CGXDelayedRangePool() = default;
    // Deletes every entry.
    ~CGXDelayedRangePool() override;
    CGXDelayedRangePool(const CGXDelayedRangePool&) = delete;

    void Serialize(CArchive& ar) override;
    // Makes this a copy of src, entry by entry (nothing for itself).
    virtual void CopyFrom(const CGXDelayedRangePool& src);
    // Queues range: entries it holds are dropped (their slot reused), an unevaluated entry that it
    // adjoins on the right or below grows over it; else a new entry goes to the head. Out of memory:
    // nothing is added.
    virtual void AddRange(const CGXCellRange& range);
    // The pending columns of each row of range, marking them evaluated: firstCols/lastCols get one
    // entry per row (row - range.top), -1/0 for a row with nothing pending. TRUE when any row had
    // pending columns; FALSE for an inverted range or when memory ran out.
    virtual BOOL GetPendingColumns(const CGXCellRange& range, CDWordArray& firstCols, CDWordArray& lastCols);
    // Every entry's rows (columns) limited to nMax.
    virtual void ClampRows(ROWCOL nMax);
    virtual void ClampCols(ROWCOL nMax);
    // Deletes all entries; the done ones.
    virtual void DeleteAll();
    virtual void RemoveDone();
    // The entries follow inserted and removed rows (columns) as the ranges of a CGXRangeList do
    // (nLast 0xFFFFFFFE: to the end); an entry whose rows went is done, one that moved is pending
    // again as a whole.
    virtual void InsertRows(ROWCOL nFirst, ROWCOL nCount);
    virtual void RemoveRows(ROWCOL nFirst, ROWCOL nLast);
    virtual void InsertCols(ROWCOL nFirst, ROWCOL nCount);
    virtual void RemoveCols(ROWCOL nFirst, ROWCOL nLast);
    // Queues every cell from row (column) nFirst on.
    virtual void MarkRowsFrom(ROWCOL nFirst);
    virtual void MarkColsFrom(ROWCOL nFirst);

    int32_t GetCount() const { return m_entries.GetSize(); }
    CGXDelayedRange* GetAt(int32_t nIndex) const { return static_cast<CGXDelayedRange*>(m_entries.GetAt(nIndex)); }

    CObArray m_entries;  // owned CGXDelayedRange
};

// The row and column number that means "to the end".
constexpr ROWCOL GX_MAXROWCOL = 0xFFFFFFFE;

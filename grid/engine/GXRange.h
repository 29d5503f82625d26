// Cell ranges and range lists: how every grid operation names a block of cells, whole rows, whole
// columns or the whole table, and the ordered lists of such blocks that the grid parameters keep
// (selections, covered cells and the like).
//
// Rows and columns are unsigned 32-bit numbers; row 0 and column 0 are the headers. All comparisons
// of bounds are unsigned. A rows range keeps its columns at 0..0, a columns range its rows at 0..0,
// and a table range's bounds mean nothing.
//
// Stored forms (little-endian):
// - a range: top, left, bottom, right as DWORDs, then the kind as a BYTE and the valid flag as a
//   BYTE (18 bytes);
// - a range list: WORD schema 1, DWORD count, the ranges. Storing first deletes the invalid ranges;
//   loading appends to the list and refuses any schema but 1 (CArchiveException badSchema).
//
// Renumbering of a list when rows (columns) are inserted, removed or moved touches only the ranges
// whose rows (columns) are bounds: cells and rows ranges for row operations, cells and columns ranges
// for column operations. The rows of a columns range and the bounds of a table range are left alone,
// so removing row 0 never invalidates a whole-columns selection.
#pragma once

#include <windows.h>

#include "core/Core.h"

typedef DWORD ROWCOL;

class CGXCellRange {
public:
    // Kinds of range.
    enum { rtCells = 0, rtRows = 1, rtCols = 2, rtTable = 3 };

    // The empty range: kind cells, bounds 0, not valid.
    CGXCellRange();
    // A copy of *pRange; null gives the empty range.
    explicit CGXCellRange(const CGXCellRange* pRange);
    // A cells range from two corners in any order (see SetCells).
    CGXCellRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
    CGXCellRange(const CGXCellRange& other) = default;
    CGXCellRange& operator=(const CGXCellRange& other) = default;

    // Makes this a valid cells range with top/bottom the smaller/larger of the two rows and
    // left/right the smaller/larger of the two columns. Returns *this.
    CGXCellRange& SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
    // Makes this a valid range of the whole rows between the two rows (any order); columns 0.
    CGXCellRange& SetRows(ROWCOL nRow1, ROWCOL nRow2);
    // Makes this a valid range of the whole columns between the two columns (any order); rows 0.
    CGXCellRange& SetCols(ROWCOL nCol1, ROWCOL nCol2);
    // Makes this a valid table range (the bounds are left as they are).
    CGXCellRange& SetTable();

    // Turns a rows, columns or table range into a cells range: rows take nFirstCol..nLastCol,
    // columns nFirstRow..nLastRow, the table all four. A cells range is unchanged. Returns *this.
    CGXCellRange& ExpandToCells(ROWCOL nFirstRow, ROWCOL nFirstCol, ROWCOL nLastRow, ROWCOL nLastCol);

    // TRUE when this valid range covers the cell (rows ranges ignore the column, columns ranges the
    // row, the table covers every cell).
    BOOL IsCellInRange(ROWCOL nRow, ROWCOL nCol) const;

    // Sets this range to the intersection of a and b (either may be this range). Returns the valid
    // flag: FALSE when they do not meet.
    BOOL IntersectRange(const CGXCellRange& a, const CGXCellRange& b);
    // Sets this range to the smallest range that holds a and b: the table when either is the table or
    // rows meet columns; else columns, rows or cells bounds. Always valid; returns TRUE.
    BOOL UnionRange(const CGXCellRange& a, const CGXCellRange& b);

    // The valid flag and kind tests.
    BOOL IsValid() const { return m_bValid; }
    BOOL IsCells() const { return rtType == rtCells; }
    BOOL IsRows() const { return rtType == rtRows; }
    BOOL IsCols() const { return rtType == rtCols; }
    BOOL IsTable() const { return rtType == rtTable; }
    // Number of rows / columns from top to bottom / left to right.
    ROWCOL GetHeight() const { return bottom - top + 1; }
    ROWCOL GetWidth() const { return right - left + 1; }

    // Writes the 18-byte stored form (see the top of this file).
    void WriteRangeToArchive(CArchive& ar) const;
    // Reads the 18-byte stored form.
    void ReadRangeFromArchive(CArchive& ar);

    LONG rtType;    // rtCells, rtRows, rtCols or rtTable
    ROWCOL top;
    ROWCOL left;
    ROWCOL bottom;
    ROWCOL right;
    BOOL m_bValid;
};

// An ordered list of owned ranges. FindRange and the other queries walk it from the head.
class CGXRangeList : public CPtrList {
    DECLARE_SERIAL(CGXRangeList)
public:
    CGXRangeList();
    // Deletes every range.
    ~CGXRangeList() override;
    CGXRangeList(const CGXRangeList&) = delete;

    // Replaces the contents with copies of the valid ranges of other, each added at the head, so the
    // copy holds them in reverse order. Assignment from itself does nothing. Returns *this.
    CGXRangeList& operator=(const CGXRangeList& other);

    // The range at a position of this list.
    CGXCellRange* GetRangeAt(POSITION pos) const { return static_cast<CGXCellRange*>(GetAt(pos)); }
    // Appends a new copy of range. Returns its position.
    POSITION AddRange(const CGXCellRange& range);

    // Deletes every range and empties the list.
    void DeleteAll();
    // Deletes every range whose valid flag is clear.
    void RemoveInvalid();

    // TRUE when a range other than the one at posSkip (null: none skipped) covers the cell.
    BOOL IsCellInList(ROWCOL nRow, ROWCOL nCol, POSITION posSkip = nullptr) const;
    // The position of the first range that covers the cell; null when none does.
    POSITION FindRange(ROWCOL nRow, ROWCOL nCol) const;
    // TRUE when a valid range is a columns or table range, or holds the row within its rows.
    BOOL IsRowInList(ROWCOL nRow) const;
    // TRUE when a valid range is a rows or table range, or holds the column within its columns.
    BOOL IsColInList(ROWCOL nCol) const;

    // Fills starts/ends (both emptied first) with the sorted, disjoint, non-adjacent row intervals
    // that the valid ranges cover; columns and table ranges reach from 0 to nLastRow. bOnlyWhole:
    // only rows and table ranges count. Returns TRUE when any range contributed.
    BOOL GetRowArray(ROWCOL nLastRow, CDWordArray& starts, CDWordArray& ends, BOOL bOnlyWhole) const;
    // The same for columns: rows and table ranges reach from 0 to nLastCol; bOnlyWhole keeps
    // columns and table ranges.
    BOOL GetColArray(ROWCOL nLastCol, CDWordArray& starts, CDWordArray& ends, BOOL bOnlyWhole) const;

    // Rows nRow and below move down by nCount in every range.
    void InsertRows(ROWCOL nRow, ROWCOL nCount);
    void InsertCols(ROWCOL nCol, ROWCOL nCount);
    // Rows nFrom..nTo are removed (nFrom <= nTo, else CInvalidArgException*): ranges inside them
    // become invalid, the others shrink or move up; bottoms are limited to nLimit.
    void RemoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nLimit);
    void RemoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nLimit);
    // Rows nFrom..nTo (nFrom <= nTo) move so that nFrom ends up at nDest; every range moves with its
    // top row; bottoms are limited to nLimit.
    void MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, ROWCOL nLimit);
    void MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, ROWCOL nLimit);

    // The stored form (see the top of this file).
    void Serialize(CArchive& ar) override;
};

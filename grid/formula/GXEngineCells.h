// The cell store of a sheet: finding cells by position, linking them into the hash table, the row and
// column occupancy and the used area, storing constants, cell values, placeholders, copies, and the
// walk over the cells of a block.
//
// Positions are engine rows 1 to 8388607 and engine columns 0 to 4095. A cell position hashes to
// bucket (row + column * 8388607) mod 32749 in unsigned 32-bit arithmetic; a linked cell goes to the
// head of its chain. The occupancy arrays count linked cells per row and per column; they grow to at
// least the size needed, and by 4 entries while their capacity is under 32, by an eighth of it up to
// 8199 and by 1024 from 8200 on.
//
// Storing over a position removes the cell there but keeps its own style for the new cell. Every
// store refuses a position off the sheet with null before anything changes.
#pragma once

#include "grid/formula/GXCellPool.h"
#include "grid/formula/GXEngineSheet.h"

// Returns the hash bucket of (nRow, nCol).
int32_t EngineCellBucket(int32_t nRow, int32_t nCol);

// Returns the linked cell of sheet h at (nRow, nCol), or null. When pBucket is given it receives the
// bucket of the position (-1 for a position off the sheet).
EngineCell* EngineFindCell(SheetHandle h, int32_t nRow, int32_t nCol, int32_t* pBucket = nullptr);

// Links pCell into sheet h at its position: heads its bucket chain, sets its linked flag, counts it in
// the row and column occupancy, the used area and the cell count, and sets the dirty flag. A linked
// cell, a position off the sheet or one that holds a cell already throws CInvalidArgException*.
void EngineLinkCell(SheetHandle h, EngineCell* pCell);

// Unlinks pCell from sheet h, the reverse of EngineLinkCell. When an edge row or column of the used
// area empties, that bound moves inward to the next occupied row or column; with no cell left the
// area becomes invalid. A cell that is not linked throws CInvalidArgException*.
void EngineUnlinkCell(SheetHandle h, EngineCell* pCell);

// Unlinks pCell (when linked) from sheet h and frees it (EngineFreeCell).
void EngineRemoveCell(SheetHandle h, EngineCell* pCell);

// Frees an unlinked cell: its own style is deleted, its compiled formula, long text and error text
// freed, and its slot given back to its pool (a standalone cell is freed). Null does nothing.
void EngineFreeCell(EngineCell* pCell);

// Frees a list of unlinked cells chained through pNext (saved cells), from pFirst to its end.
void EngineFreeCellList(EngineCell* pFirst);

// Stores the number dValue at (nRow, nCol) of sheet h as a number constant (type 1) of the general
// pool, replacing the cell there but keeping its own style. Returns the new cell, or null when the
// position is off the sheet.
EngineCell* EngineStoreNumber(SheetHandle h, int32_t nRow, int32_t nCol, double dValue);

// Stores the text pszText (null: "") at (nRow, nCol) of sheet h as a text constant (type 2) of the
// general pool, replacing the cell there but keeping its own style. Escape sequences are decoded first
// (EngineDecodeEscapes) unless the sheet's raw-text switch is on; the value is then set as by
// EngineSetCellText. Returns the new cell, or null when the
// position is off the sheet.
EngineCell* EngineStoreText(SheetHandle h, int32_t nRow, int32_t nCol, const char* pszText);

// A cell value as a caller gives it (the value an archived formula cell had).
struct EngineTypedValue {
    uint32_t nKind;        // a value kind, kValueEmpty to kValueShortText
    double dNumber;        // kValueNumber
    const char* pszText;   // kValueLongText and kValueShortText; kValueError: the error's own text or null
    int32_t nErrorCode;    // kValueError
};

// Parses the formula text pszText and stores it at (nRow, nCol) of sheet h, replacing the cell there
// but keeping its own style. A formula that is one number written in decimal, with no constraint,
// dependency list or comment, becomes a number constant. A formula that refers to cells (directly,
// through a name or by an offset) or calls a function becomes a formula cell (type 3) of the formula
// pool; any other a constant formula (type 4) of the general pool, which is computed at once. The
// cell takes the compiled formula and the sheet's generation as its stamp; with pValue it takes that
// value instead of being computed and is flagged as evaluated and changed. Returns the new cell, or
// null, leaving the cell there alone, when the position is off the sheet or the text does not parse
// (the engine state then holds the parse error).
EngineCell* EngineStoreFormula(SheetHandle h, int32_t nRow, int32_t nCol, const char* pszText,
                               const EngineTypedValue* pValue = nullptr);

// Links a placeholder (type 0, empty value) of the placeholder pool at (nRow, nCol) of sheet h and
// returns it. Returns null, changing nothing, when the position is off the sheet or holds a cell.
EngineCell* EnginePlaceholder(SheetHandle h, int32_t nRow, int32_t nCol);

// Returns a new cell of pPool (null: a standalone cell) with the contents of pCell: position, type,
// value (long and error texts copied), compiled formula (copied), generation stamp, state flags and
// own style (copied through the installed style cloner). The copy is not linked. A cell with a style
// while no cloner is installed throws CInvalidArgException*.
EngineCell* EngineCopyCell(CellPool* pPool, const EngineCell* pCell);

// ---- Values (the cell's type stays; a long or error text held before is freed) ----

// Sets a number value.
void EngineSetCellNumber(EngineCell* pCell, double dValue);
// Sets a text value (null: ""): more than 8 characters on the heap (cut to 511), else inside the cell.
void EngineSetCellText(EngineCell* pCell, const char* pszText);
// Sets an error value: the code and an optional text of the error's own (null: none).
void EngineSetCellError(EngineCell* pCell, int32_t nCode, const char* pszText);
// Sets a value without contents: nKind kValueEmpty or kValueNotAvailable (others throw
// CInvalidArgException*).
void EngineSetCellKind(EngineCell* pCell, uint32_t nKind);
// Sets the value given as value (a kind outside kValueEmpty to kValueShortText throws
// CInvalidArgException*).
void EngineSetCellValue(EngineCell* pCell, const EngineTypedValue& value);
// Returns the text of a long or short text value, or "" for a value of another kind.
const char* EngineCellText(const EngineCell* pCell);

// ---- The cells of a block ----

// Walks the linked cells of sheet h inside a block that belong to the pools of a pool mask:
//   EngineRangeCells walk(h, ref, kGeneralPoolBit | kFormulaPoolBit);
//   while (EngineCell* pCell = walk.Next()) ...
// When the block has fewer positions than the selected pools hold cells, its positions are visited
// column by column, top to bottom, by hash look-up; otherwise the selected pools are walked (general,
// formula, placeholder) and their linked cells inside the block returned. An invalid reference gives
// no cell. Lock the pools when cells are added or freed during the walk.
class EngineRangeCells {
public:
    EngineRangeCells(SheetHandle h, const CellRangeRef& ref, uint32_t nPoolMask);
    // Returns the next cell, or null after the last one.
    EngineCell* Next();
    // True when the walk visits positions by look-up, false when it walks the pools.
    bool ByPositions() const { return m_bByPositions; }

private:
    bool Selected(const EngineCell* pCell) const;

    EngineSheet* m_pSheet;
    uint32_t m_nPoolMask;
    int32_t m_nTop, m_nLeft, m_nBottom, m_nRight;
    bool m_bByPositions;
    bool m_bDone;
    // by positions: the next position to look at
    int32_t m_nRow, m_nCol;
    // by pools: the pool walked now (-1 before the first) and the walk in it
    int32_t m_nPool;
    EnginePoolCells m_poolWalk;
};

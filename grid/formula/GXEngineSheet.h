// The formula engine's sheet record (EngineSheet) and the records it is made of: the cells
// (EngineCell), the block pools that hold them (CellPool, PoolBlock), named ranges (RangeName) and the
// recalculation list; the options and the message slot of a sheet.
//
// A sheet is named by a SheetHandle, the 1-based index into the engine state's sheet table
// (GXEngineState.h). Its cells live in three pools: the general pool (number and text constants and
// constant formulas), the formula pool (formulas with references or function calls) and the
// placeholder pool (empty positions that only mark a cell for repainting). A cell is found by its
// position through a hash table of 32749 chains; only linked cells are in the chains, are counted in
// the row and column occupancy and make the used area.
//
// A sheet record is created zero-filled: every option 0, no cell, no name, the used area invalid and
// the message slot not armed.
#pragma once

#include "grid/formula/GXCellRangeRef.h"

#include <cstdint>

class CObject;
struct CompiledFormula;

typedef int32_t SheetHandle;

// Pools of a sheet, by index, and their bits in a pool mask.
enum : int32_t { kGeneralPool = 0, kFormulaPool = 1, kPlaceholderPool = 2, kPoolCount = 3 };
enum : uint32_t { kGeneralPoolBit = 1u, kFormulaPoolBit = 2u, kPlaceholderPoolBit = 4u, kAllPoolBits = 7u };

// Cell types (flag bits 0-3).
enum : uint32_t {
    kCellPlaceholder = 0,
    kCellNumber = 1,
    kCellText = 2,
    kCellFormula = 3,
    kCellConstFormula = 4  // a formula without cell references or function calls
};

// Value kinds (flag bits 4-7).
enum : uint32_t {
    kValueEmpty = 0,
    kValueNotAvailable = 1,
    kValueError = 2,
    kValueNumber = 3,
    kValueLongText = 4,   // more than 8 characters, on the heap
    kValueShortText = 5   // up to 8 characters, inside the cell
};

// Flag bits of a cell.
enum : uint32_t {
    kCellTypeMask = 0xFu,
    kValueKindShift = 4,
    kValueKindMask = 0xFu << kValueKindShift,
    kCellLinked = 1u << 8,
    kCellSlotShift = 9,
    kCellSlotMask = 0x3Fu << kCellSlotShift,
    kCellNeedsRecalc = 1u << 15,
    kCellEvaluated = 1u << 16,
    kCellInProgress = 1u << 17,
    kCellChanged = 1u << 18,  // the grid must repaint the cell
    kCellInCycle = 1u << 19,
    kCellConstraintViolated = 1u << 20
};

// The slot index of a cell that lives outside every pool (a saved copy).
constexpr int32_t kStandaloneSlot = 0x3F;

// The longest text a cell value holds; longer texts are cut.
constexpr int32_t kEngineMaxText = 511;
// The longest text held inside the cell itself.
constexpr int32_t kEngineShortText = 8;

struct EngineCell {
    EngineCell* pNext;  // next cell of its hash chain, or of a list of saved cells
    int32_t nRow;
    int32_t nCol;
    union {
        double dNumber;
        char* pszLong;                 // tracked text
        char szShort[kEngineShortText + 1];
        struct {
            int32_t nCode;
            char* pszText;             // tracked text of the error's own, or null
        } error;
    } value;
    CompiledFormula* pFormula;  // owned, or null
    uint32_t nGeneration;       // recalculation generation of the last evaluation
    uint32_t nFlags;
    CObject* pStyle;            // the cell's own style, owned, or null

    uint32_t Type() const { return nFlags & kCellTypeMask; }
    uint32_t ValueKind() const { return (nFlags & kValueKindMask) >> kValueKindShift; }
    int32_t Slot() const { return int32_t((nFlags & kCellSlotMask) >> kCellSlotShift); }
    bool IsLinked() const { return (nFlags & kCellLinked) != 0; }
    void SetType(uint32_t nType) { nFlags = (nFlags & ~kCellTypeMask) | (nType & kCellTypeMask); }
    void SetValueKind(uint32_t nKind)
    {
        nFlags = (nFlags & ~kValueKindMask) | ((nKind << kValueKindShift) & kValueKindMask);
    }
};

struct CellPool;

// A block of 32 cell slots; bit i of the mask is set while slot i holds a cell.
struct PoolBlock {
    enum { kSlots = 32 };
    uint32_t nMask;
    bool bNeedsCompaction;  // a cell was freed here while the pool was locked
    PoolBlock* pNext;
    PoolBlock* pPrev;
    CellPool* pPool;
    EngineCell cells[kSlots];
};

struct CellPool {
    PoolBlock* pHead;
    PoolBlock* pTail;
    int32_t nCells;          // cells allocated from the pool, linked or not
    bool bLocked;            // while set no block is freed or moved
    bool bNeedsCompaction;   // blocks changed while locked; unlocking compacts
};

struct RangeName {
    RangeName* pNext;
    char* pszName;  // tracked text, at most 31 characters
    CellRangeRef ref;
};

struct RecalcEntry {
    RecalcEntry* pNext;
    CellRangeRef ref;
};

// Recalculation flags of a sheet.
enum : uint32_t { kRecalcRunning = 1u << 0, kRecalcForced = 1u << 1, kRecalcIterating = 1u << 6 };

struct EngineSheet {
    enum { kBuckets = 32749, kMessageSize = 256 };

    EngineCell* pBuckets[kBuckets];
    CellPool pools[kPoolCount];
    RangeName* pNames;       // in definition order
    RangeName* pSavedName;   // a deleted name kept for undo
    // options
    int32_t nRecalcMode;        // 0 automatic, 1 manual
    int32_t nRecalcMethod;      // 0 as needed, 1 every formula
    int32_t nConstraintCheck;   // 0 or 1
    int32_t nIterationLimit;    // 0 to 100
    int32_t nBlankAsZero;       // 0 or 1
    int32_t nCellCount;         // linked cells
    bool bDirty;                // set by every change of cells or names
    // occupancy: linked cells per row (index = row) and per column (index = column)
    uint32_t* pRowCounts;
    int32_t nRowCapacity;
    uint32_t* pColCounts;
    int32_t nColCapacity;
    // used area of the linked cells
    int32_t nTop, nBottom, nLeft, nRight;
    bool bAreaValid;
    bool bPlaceholders;      // removed cells leave a placeholder flagged as changed
    uint32_t nGeneration;    // raised by each recalculation pass that found work
    RecalcEntry* pRecalcList;
    uint32_t nRecalcFlags;
    bool bCycleFound;
    bool bMessageArmed;      // armed: the next error writes its message; not armed: a message waits
    // undo recording
    bool bRecordUndo;
    CellRangeRef recordedRange;
    bool bRangeRecorded;
    EngineCell* pRecordedCells;  // saved cells, chained through pNext
    bool bRawText;               // text constants are stored without decoding their escapes
    char szMessage[kMessageSize];
    void* pOwner;                // the formula sheet that owns this record
};

// ---- Options ----

enum EngineOption : int32_t {
    kOptionRecalcMode = 0,       // 0 automatic, 1 manual
    kOptionRecalcMethod = 1,     // 0 as needed, 1 every formula
    kOptionConstraintCheck = 2,  // 0 or 1
    kOptionIterationLimit = 3,   // 0 to 100
    kOptionBlankAsZero = 4       // 0 or 1
};

// Sets option nOption of sheet h to nValue. Returns false, changing nothing, when nValue is outside
// 0 to 1 (0 to 100 for the iteration limit). An unknown sheet or option throws CInvalidArgException*.
bool EngineSetOption(SheetHandle h, EngineOption nOption, int32_t nValue);

// Returns option nOption of sheet h. An unknown sheet or option throws CInvalidArgException*.
int32_t EngineGetOption(SheetHandle h, EngineOption nOption);

// ---- Message slot ----

// Arms the message slot of sheet h: the next error message is kept.
void EngineArmMessage(SheetHandle h);

// Writes pszText (null: "") into the message buffer of sheet h, cut to 255 characters, when the slot
// is armed, and disarms it. Returns true when the text was written, false when the slot already
// held a message (which stays).
bool EnginePutMessage(SheetHandle h, const char* pszText);

// ---- Recalculation list ----

// Adds ref to the recalculation list of sheet h unless an equal reference is listed already.
void EngineAddRecalcRange(SheetHandle h, const CellRangeRef& ref);

// Empties the recalculation list of sheet h.
void EngineEmptyRecalcList(SheetHandle h);

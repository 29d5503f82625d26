// CellRangeRef: the formula engine's packed reference to one cell or a block of cells, its text form
// ("B7", "$A$1..C$9"), and the column letters of the text form.
//
// Three 32-bit words:
// - top row and bottom row, 24 bits each: valid rows are 1 to 8388607; a value with bit 23 set (8388608
//   or more) marks an invalid row;
// - the column word: left column in bits 0-12 and right column in bits 15-27 (valid columns are 0 to
//   4095, so bit 12, the left column's top bit, doubles as the broken flag: a reference moved off
//   the sheet); the absolute-row and absolute-column flags of the first corner in bits 13 and 14 and
//   of the second corner in bits 28 and 29; the single-cell flag in bit 30.
// The first corner is (top, left), the second (bottom, right). A normalised range has top <= bottom and
// left <= right, each absolute flag staying with its coordinate; a normalised single cell has its
// second corner equal to its first, flags included.
//
// Column letters count in bijective base 26: 0 is "A", 25 "Z", 26 "AA", 4095 "FAN".
//
// EngineColumnLetters and EngineReferenceText return a buffer of the engine state that the next call
// of the same function overwrites; copy the text to keep it.
#pragma once

#include <cstdint>

// The bounds of the engine's sheet.
constexpr int32_t kEngineMaxRow = 8388607;
constexpr int32_t kEngineMaxCol = 4095;

// The character classes of formula texts, cell words and names: ASCII only, whatever the locale.
inline bool EngineIsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
inline bool EngineIsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// True when (nRow, nCol) lies on the sheet: rows 1 to 8388607, columns 0 to 4095.
inline bool EngineIsValidPosition(int32_t nRow, int32_t nCol)
{
    return nRow >= 1 && nRow <= kEngineMaxRow && nCol >= 0 && nCol <= kEngineMaxCol;
}

struct CellRangeRef {
    enum : uint32_t {
        kRowField = 0xFFFFFFu,
        kRowInvalid = 1u << 23,
        kColField = 0x1FFFu,
        kColInvalid = 1u << 12,
        kBroken = 1u << 12,
        kAbsRow1 = 1u << 13,
        kAbsCol1 = 1u << 14,
        kRightShift = 15,
        kAbsRow2 = 1u << 28,
        kAbsCol2 = 1u << 29,
        kSingleCell = 1u << 30,
        kFlagBits = kAbsRow1 | kAbsCol1 | kAbsRow2 | kAbsCol2 | kSingleCell
    };

    uint32_t nTopRow;
    uint32_t nBottomRow;
    uint32_t nColumns;

    int32_t Top() const { return int32_t(nTopRow & kRowField); }
    int32_t Bottom() const { return int32_t(nBottomRow & kRowField); }
    int32_t Left() const { return int32_t(nColumns & kColField); }
    int32_t Right() const { return int32_t((nColumns >> kRightShift) & kColField); }

    // The setters store a value that does not fit its field as the field's invalid marker.
    void SetTop(int32_t nRow) { nTopRow = RowField(nRow); }
    void SetBottom(int32_t nRow) { nBottomRow = RowField(nRow); }
    void SetLeft(int32_t nCol) { nColumns = (nColumns & ~kColField) | ColField(nCol); }
    void SetRight(int32_t nCol)
    {
        nColumns = (nColumns & ~(kColField << kRightShift)) | (ColField(nCol) << kRightShift);
    }

    bool IsSingleCell() const { return (nColumns & kSingleCell) != 0; }
    // True when the block is one cell, whether or not it was written as one.
    bool IsOneCell() const { return Top() == Bottom() && Left() == Right(); }
    bool IsBroken() const { return (nColumns & kBroken) != 0; }
    // True when both rows are 1 to 8388607, both columns 0 to 4095 and the broken flag is clear.
    bool IsValid() const;

private:
    static uint32_t RowField(int32_t nRow) { return nRow < 0 || uint32_t(nRow) > kRowField ? kRowInvalid : uint32_t(nRow); }
    static uint32_t ColField(int32_t nCol) { return nCol < 0 || uint32_t(nCol) > kColField ? kColInvalid : uint32_t(nCol); }
};

// Returns the letters of column nCol ("A" for 0, "AA" for 26), or null when nCol is below 0 or above
// 4095. The text lives in the engine state's column-letter buffer until the next call.
const char* EngineColumnLetters(int32_t nCol);

// Returns the column that the letters at the start of psz name (either case; reading stops at the
// first character that is not an ASCII letter), or -1 when psz is null, starts with no letter, or the
// letters name a column above 4095.
int32_t EngineColumnFromLetters(const char* psz);

// Reads the reference text psz into *pRef, normalised. The form is a corner (an optional '$', column
// letters, an optional '$', row digits), then either the end (a single cell) or '.', ':' or ".."
// and a second corner and the end. A '$' before the letters makes the column absolute, before the
// digits the row. Returns false, leaving *pRef alone, when psz (or pRef) is null, the text has another
// form, a row lies outside 1 to 8388607 or a column above 4095.
bool EngineParseReference(const char* psz, CellRangeRef* pRef);

// Returns the text of ref: the first corner as "%s%d", "$%s%d" (absolute column), "%s$%d" (absolute
// row) or "$%s$%d" (both); for a reference without the single-cell flag ".." and the second corner
// in the same way. Null for an invalid reference. The text lives in the engine state's reference
// buffer until the next call.
const char* EngineReferenceText(const CellRangeRef& ref);

// Normalises *pRef: a single cell gets its second corner (and that corner's flags) from the first;
// a range gets its rows and its columns in order, each absolute flag moving with its coordinate.
void EngineNormalizeReference(CellRangeRef* pRef);

// Returns the range from the first corner of a to the first corner of b, each corner keeping its
// absolute flags, normalised.
CellRangeRef EngineRangeBetween(const CellRangeRef& a, const CellRangeRef& b);

// Returns the reference with the given corners and flags (only the absolute and single-cell bits of
// nFlags are taken). A row outside 1 to 8388607 or a column outside 0 to 4095 becomes 0. The result
// is not normalised.
CellRangeRef EngineMakeReference(int32_t nTop, int32_t nLeft, int32_t nBottom, int32_t nRight, uint32_t nFlags);

// True when both references are valid and their blocks share a cell.
bool EngineReferencesIntersect(const CellRangeRef& a, const CellRangeRef& b);

// True when both references name the same block: equal rows and columns (the absolute and single-cell
// flags do not count).
bool EngineReferencesEqual(const CellRangeRef& a, const CellRangeRef& b);

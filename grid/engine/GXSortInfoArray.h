// CGXSortInfoArray: the growable array of sort-key records the sort module fills (one per key column
// or row) and the cell data reorders by.
//
// Growing beyond the capacity allocates the count asked for or the capacity plus the grow step,
// whichever is larger; the step is the one given to SetSize or, when none was given, the count / 8
// kept within 4..1024. New records are zeroed, also when the array grows within its capacity. A count
// whose records would not fit in 2^31 - 1 bytes is refused with CMemoryException*.
#pragma once

#include <windows.h>

#include "core/Core.h"

#include <cstdint>
#include <memory>

// One sort key (28 bytes): seven signed 32-bit fields whose meaning is the sort module's.
struct CGXSortInfo {
    int32_t nKey;        // the column (row) whose values order the rows (columns)
    int32_t nKind;       // 0 numeric, 1 text, 2 date/time, 3 detect from the values
    int32_t bDescending;
    int32_t bCase;       // text keys compare case-sensitively
    int32_t nReserved;
    int32_t bNumeric;    // work flags of the sort module
    int32_t bDate;
};
static_assert(sizeof(CGXSortInfo) == 28, "a sort key is 28 bytes");

class CGXSortInfoArray : public CObject {
public:
    CGXSortInfoArray() = default;
    ~CGXSortInfoArray() override = default;
    CGXSortInfoArray(const CGXSortInfoArray&) = delete;
    CGXSortInfoArray& operator=(const CGXSortInfoArray&) = delete;

    // nNewSize records (0 frees the block; negative: CInvalidArgException*), the new ones zeroed;
    // nGrowBy (-1: keep the one set before) becomes the grow step.
    void SetSize(int nNewSize, int nGrowBy = -1);
    int GetSize() const { return m_nSize; }
    // The records allocated.
    int GetCapacity() const { return m_nCapacity; }
    // Record nIndex (0..size - 1, else CInvalidArgException*).
    CGXSortInfo& operator[](int nIndex);
    const CGXSortInfo& operator[](int nIndex) const;

private:
    std::unique_ptr<CGXSortInfo[]> m_pData;
    int m_nSize = 0;
    int m_nCapacity = 0;
    int m_nGrowBy = 0;  // 0: count / 8 within 4..1024
};

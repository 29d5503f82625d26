// DEDizedDynamicData: an item that holds a whole series of values, for data that grows while it is
// shown. The values live in one buffer of 8-byte cells (doubles); the storage type decides what a
// cell may hold: any double, an int, or a byte (0..255), kept as the double of that int or byte.
// Optionally every cell keeps the range of the values stored in it (per-value ranges).
//
// Appends (SetValue, AppendInt, AppendByte) write at the write position, which then advances; at the
// end of the buffer it wraps to 0 when the wrap flag is set, else the buffer grows by the grow-by
// amount (none when that is not above 0). Reads (GetValue, GetRange) take the cell at the read
// position and advance it, wrapping to 0 at the end. Positions may be set from 0 to the size; a read
// or an append at a position at or past the size (as after a growth that failed) raises code 3.
//
// Failures (DEDizedException codes): 6 for an append, a shift or a value read without storage
// (Allocate makes it); 15 for an int or byte append to a series that holds another type; 5 for a
// double that does not fit the storage type (out of range, not a number, a negative byte) or a
// storage type the series does not know (an archive may bring one); 3 for positions outside
// 0..size. When memory runs short, Allocate and EnableValueRanges show a message box (through the
// services object) and leave the series as it was.
//
// Stored form (schema 1, versionable): the item's part (DEDizedData), then wrap flag, per-value
// ranges flag, allocated flag, size, storage type, grow-by (ints); when allocated, the size cells,
// each as a double followed by its range (CScale) when per-value ranges are on. Loading makes the
// storage for the size read and sets both positions to 0.
#pragma once

// the standard headers before windows.h, which defines min and max as macros
#include <memory>

#include "chart/engine/DEDizedData.h"

class DEDizedDynamicData : public DEDizedData {
    DECLARE_SERIAL(DEDizedDynamicData)
public:
    // Storage types.
    enum { storageNone = 0, storageDouble = 1, storageInt = 2, storageByte = 3 };

    // No storage, storage type none, grow-by 10, no wrap, no per-value ranges, positions 0.
    DEDizedDynamicData();
    ~DEDizedDynamicData() override;

    void Serialize(CArchive& ar) override;
    // 1.
    int IsDynamic() const override;
    // The value at the read position (log10 of its absolute value, or -99 for 0, with bLogarithmic
    // non-zero); the read position advances.
    double GetValue(int bLogarithmic = 0) override;
    // Appends dValue in the storage type (a series without a type takes doubles). Also widens the
    // item's range and clears its null flag.
    void SetValue(double dValue) override;
    // The per-value range at the read position, which advances; an empty range when per-value
    // ranges are off or there is no storage.
    CScale GetRange() override;

    // Moves every cell (and its range) one place, towards the front when bAtEnd, else towards the
    // back, and stores dValue in the storage type in the cell freed at that end, whose range is reset.
    virtual void ShiftValue(double dValue, int bAtEnd);
    virtual void SetWrap(int bWrap);
    // Sets the write position (0..size, else code 3).
    virtual void SetWritePosition(int nPosition);
    virtual void RewindWrite();
    virtual int HasValueRanges() const;
    // Switches per-value ranges on (empty ranges for the present cells) or off (they are dropped).
    virtual void EnableValueRanges(int bEnable);
    // Sets the read position (0..size, else code 3).
    virtual void SetReadPosition(int nPosition);
    virtual void RewindRead();
    // The number of cells.
    virtual int GetSize() const;
    virtual int GetGrowBy() const;
    virtual void SetGrowBy(int nGrowBy);
    // Makes nSize (at least 1) cells: zeroed ones without storage, else the present cells and ranges
    // copied as far as they fit into the new size. A size below 1 throws CInvalidArgException.
    virtual void Allocate(int nSize);
    // Appends an int (the storage type becomes int, code 15 when it is another).
    virtual void AppendInt(int nValue);
    // Appends a byte (the storage type becomes byte, code 15 when it is another).
    virtual void AppendByte(BYTE byValue);

    int GetStorageType() const { return m_nStorageType; }
    bool HasStorage() const { return m_pCells != nullptr; }

protected:
    // The memory of the storage, for tests that run out of it: a new array of nCount zeroed cells /
    // empty ranges, or null when memory runs short.
    virtual double* NewCells(int nCount);
    virtual CScale* NewRanges(int nCount);

private:
    void RequireStorage() const;
    // Takes the storage type nType (when there is none yet); code 15 when the series holds another.
    void RequireType(int nType);
    // dValue as the storage type keeps it (a series without a type takes doubles); code 5 when it
    // does not fit.
    double ToStorage(double dValue);
    // Stores dValue at the write position and advances it.
    void Append(double dValue);
    // The read position, checked, and advanced past it.
    int NextReadPosition();
    void CheckPosition(int nPosition) const;

    std::unique_ptr<CScale[]> m_pRanges;  // per-value ranges (only with storage and ranges on)
    int m_nStorageType;
    int m_nGrowBy;
    int m_bWrap;
    int m_bValueRanges;
    int m_nSize;
    std::unique_ptr<double[]> m_pCells;   // the cells; null without storage
    int m_nWrite;
    int m_nRead;
};

// The grid's own hash maps: sparse per-row and per-column values (row heights, column widths),
// per-cell objects, pointer maps keyed by two words and the intern table of font data, plus helpers
// that delete the objects a container points to.
//
// They are the class library's maps (CMap: a bucket table made on the first insertion, so a look-up
// in an empty map allocates nothing; 17 buckets unless InitHashTable chose others; new keys at the
// front of their bucket) with keys and hashing suited to row and column numbers:
// - CGXCollMapDWordToLong: bucket of a key = key / 16 modulo the bucket count;
// - CMapNdxToOb: bucket of (row, col) = ((col & 0xFFFF) << 12 | (row & 0xFFFF) >> 4) modulo the count;
// - CGXMapByte8ToPtr, CGXMapFontData: bucket of the first key word modulo the count.
//
// Stored forms (little-endian):
// - CGXCollMapDWordToLong, CGXMapDWordToLong: WORD entry count, then per entry in bucket order the
//   key and the value as DWORDs. Loading adds the pairs to what the map holds.
// - CGXCollMapDWordToString: WORD entry count, then per entry the key as a DWORD and the text.
// - CMapNdxToOb, CGXMapCellToOb: WORD entry count, then per entry row and column as DWORDs and the
//   object as a tagged object reference. Loading adds the pairs.
// The count has 16 bits: storing a map of more than 65535 entries throws CArchiveException generic
// before anything is written, rather than writing a cut count and a stream that cannot be read back.
// Loading checks a count against the data left before it reads anything for it.
// The pointer maps have no stored form (their Serialize writes and reads nothing).
#pragma once

#include <windows.h>

#include "core/Core.h"

#include <utility>
#include <vector>

// The start position of CGXCollMapDWordToLong::GetNextAssoc: "before the first entry".
#define GX_START_POSITION (reinterpret_cast<POSITION>(intptr_t(-1)))

// Row or column number to a 32-bit value.
class CGXCollMapDWordToLong : public CMap<DWORD, DWORD, LONG, LONG> {
    DECLARE_SERIAL(CGXCollMapDWordToLong)
public:
    // nBlockSize: entries per allocation block (kept for compatibility; changes nothing).
    explicit CGXCollMapDWordToLong(int32_t nBlockSize = 10);

    // The value slot of key, inserted with 0 when absent (the bucket table is made on first use).
    LONG& SetAt(DWORD key);
    // Sets the value of key (inserting it when absent).
    void SetAt(DWORD key, LONG value) { SetAt(key) = value; }

    // Copies the entry at rPos into rKey/rValue and moves rPos on (null after the last entry).
    // GX_START_POSITION starts at the first entry. Returns FALSE (rPos null, rKey and rValue
    // unchanged) when there is no entry at the position.
    BOOL GetNextAssoc(POSITION& rPos, DWORD& rKey, LONG& rValue) const;

    // Keys below nFirst stay; every other key grows by nCount.
    void InsertKeys(DWORD nFirst, DWORD nCount);
    // Keys below nFirst stay; keys nFirst..nLast are dropped; keys above nLast shrink by
    // nLast - nFirst + 1. nFirst > nLast throws CInvalidArgException*.
    void RemoveKeys(DWORD nFirst, DWORD nLast);
    // The block nFrom..nTo (nFrom <= nTo, else CInvalidArgException*) ends up at nDest..nDest + count
    // - 1; the keys between the block and its destination close the gap; other keys stay.
    void MoveKeys(DWORD nFrom, DWORD nTo, DWORD nDest);

    // The stored form (see the top of this file).
    void Serialize(CArchive& ar) override;

protected:
    // Replaces the contents with the pairs given (in that order).
    void Rebuild(const std::vector<std::pair<DWORD, LONG>>& pairs);
    // Every pair in enumeration order.
    std::vector<std::pair<DWORD, LONG>> Pairs() const;
};

// A CGXCollMapDWordToLong that can be assigned.
class CGXMapDWordToLong : public CGXCollMapDWordToLong {
    DECLARE_SERIAL(CGXMapDWordToLong)
public:
    explicit CGXMapDWordToLong(int32_t nBlockSize = 10) : CGXCollMapDWordToLong(nBlockSize) {}
    // Replaces the contents with a copy of every pair of other. Returns *this.
    CGXMapDWordToLong& operator=(const CGXCollMapDWordToLong& other);
    CGXMapDWordToLong& operator=(const CGXMapDWordToLong& other)
    {
        return operator=(static_cast<const CGXCollMapDWordToLong&>(other));
    }
};

// A 32-bit id to a text (17 buckets): the user attributes of style archives older than schema 5.
// Stored form: WORD entry count, then per entry in bucket order the key as a DWORD and the text as a
// string. Loading adds the pairs to what the map holds.
class CGXCollMapDWordToString : public CMap<DWORD, DWORD, CString, const char*> {
    DECLARE_SERIAL(CGXCollMapDWordToString)
public:
    // nBlockSize: entries per allocation block (kept for compatibility; changes nothing).
    explicit CGXCollMapDWordToString(int32_t nBlockSize = 10) : CMap(nBlockSize) {}

    // The stored form (see above).
    void Serialize(CArchive& ar) override;
};

// Key of the cell maps: a row and a column.
struct GXNdxKey {
    DWORD nRow;
    DWORD nCol;
    bool operator==(const GXNdxKey& o) const { return nRow == o.nRow && nCol == o.nCol; }
};
inline uint32_t HashKey(const GXNdxKey& key)
{
    return ((key.nCol & 0xFFFFu) << 12) | ((key.nRow & 0xFFFFu) >> 4);
}

// (row, column) to a CObject pointer. The map does not own the objects (see DeleteMapObjects).
class CMapNdxToOb : public CMap<GXNdxKey, const GXNdxKey&, CObject*, CObject*> {
    DECLARE_SERIAL(CMapNdxToOb)
public:
    explicit CMapNdxToOb(int32_t nBlockSize = 10) : CMap(nBlockSize) {}

    // Copies the object of (nRow, nCol) into rpOb. Returns FALSE (rpOb unchanged) when absent.
    BOOL Lookup(DWORD nRow, DWORD nCol, CObject*& rpOb) const;
    // The object slot of (nRow, nCol), inserted null when absent.
    CObject*& SetAt(DWORD nRow, DWORD nCol);
    // Removes (nRow, nCol). Returns FALSE when it was absent. The object is not deleted.
    BOOL RemoveKey(DWORD nRow, DWORD nCol);
    // Copies the entry at rPos and moves rPos on (null after the last entry; GetStartPosition gives
    // the first). A null rPos throws CInvalidArgException*.
    void GetNextAssoc(POSITION& rPos, DWORD& rRow, DWORD& rCol, CObject*& rpOb) const;

    // The stored form (see the top of this file).
    void Serialize(CArchive& ar) override;
};

// The cell map of the grid: a CMapNdxToOb with its own class.
class CGXMapCellToOb : public CMapNdxToOb {
    DECLARE_SERIAL(CGXMapCellToOb)
public:
    explicit CGXMapCellToOb(int32_t nBlockSize = 10) : CMapNdxToOb(nBlockSize) {}
};

// Key of two 32-bit words; its bucket is the first word modulo the bucket count.
struct GXByte8Key {
    DWORD dw1;
    DWORD dw2;
    bool operator==(const GXByte8Key& o) const { return dw1 == o.dw1 && dw2 == o.dw2; }
};
inline uint32_t HashKey(const GXByte8Key& key)
{
    return key.dw1;
}

// Two-word key to a pointer (not owned; no stored form).
class CGXMapByte8ToPtr : public CMap<GXByte8Key, const GXByte8Key&, void*, void*> {
    DECLARE_DYNAMIC(CGXMapByte8ToPtr)
public:
    explicit CGXMapByte8ToPtr(int32_t nBlockSize = 10) : CMap(nBlockSize) {}
    // Writes and reads nothing.
    void Serialize(CArchive& ar) override;
};

// One interned platform font: the number of CGXFont objects that refer to it, its LOGFONT and
// whether the LOGFONT has been built.
struct GXFontData {
    LONG nRefCount;
    LOGFONTA lf;
    BOOL bBuilt;
};

// The intern table of font data: a font description key (two words) to its data, kept in the entry.
class CGXMapFontData : public CMap<GXByte8Key, const GXByte8Key&, GXFontData, const GXFontData&> {
    DECLARE_DYNAMIC(CGXMapFontData)
public:
    explicit CGXMapFontData(int32_t nBlockSize = 10) : CMap(nBlockSize) {}
    // The data of key, or null when absent. Valid until the key is removed.
    GXFontData* Find(const GXByte8Key& key);
    // Writes and reads nothing.
    void Serialize(CArchive& ar) override;
};

// An array of pointer arrays that owns them: the destructor deletes every nested array.
class CGXPtrArrayPtrArray : public CPtrArray {
    DECLARE_DYNAMIC(CGXPtrArrayPtrArray)
public:
    CGXPtrArrayPtrArray() = default;
    ~CGXPtrArrayPtrArray() override;
    // The nested array at nIndex (may be null).
    CPtrArray* GetArrayAt(int32_t nIndex) const { return static_cast<CPtrArray*>(GetAt(nIndex)); }
};

// Deletes every object the map points to (through its virtual destructor), then empties the map.
void DeleteMapObjects(CMapNdxToOb& map);
void DeleteMapObjects(CMapWordToOb& map);
// Deletes every object of the list, then empties it. The pointers of a CPtrList must be CObjects.
void DeleteListObjects(CObList& list);
void DeleteListObjects(CPtrList& list);
// Deletes every object of the array, then empties it. The pointers of a CPtrArray must be CObjects.
void DeleteArrayObjects(CObArray& array);
void DeleteArrayObjects(CPtrArray& array);

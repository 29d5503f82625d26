// The owning style arrays of the cell data store: CGXStylePtrArray (an array of owned CGXStyle
// pointers, null = no style) and CGXStylePtrArrayPtrArray (an array of owned CGXStylePtrArray
// pointers, null = no row array). Both delete what they hold when they are destroyed.
//
// Entries are indexed from 0 by row or column number. An array may be shorter than the row or column
// count it serves: a missing entry is the same as a null one, so inserting empty entries beyond the
// end changes nothing and allocates nothing.
//
// Stored form (Serialize, forwarded to the document-serialisation module; nothing without it):
//   WORD schema 1; DWORD array size; per non-empty entry DWORD index and the style as a tagged object;
//   DWORD 0xFFFFFFFF ends the list. The array of arrays has the same frame with each row's array form
//   in place of the object. See GXDocSerializeImp.h for the checks made when loading.
#pragma once

#include <windows.h>

#include "core/Core.h"

class CGXStyle;

class CGXStylePtrArray : public CPtrArray {
    DECLARE_DYNAMIC(CGXStylePtrArray)
public:
    CGXStylePtrArray() = default;
    // Deletes every style.
    ~CGXStylePtrArray() override;
    CGXStylePtrArray(const CGXStylePtrArray&) = delete;

    // Replaces the contents with a Clone of each of other's styles (same indexes). Nothing for itself.
    // On a memory exception the array keeps its old contents. Returns *this.
    CGXStylePtrArray& operator=(const CGXStylePtrArray& other);

    // The style at nIndex; null when none is stored there or nIndex lies beyond the array (or is
    // negative).
    CGXStyle* GetStyle(int32_t nIndex) const;
    // Stores pStyle (owned from now on; may be null) at nIndex >= 0, growing the array as needed and
    // deleting the style stored there before. A negative index throws CInvalidArgException*.
    void SetStyle(int32_t nIndex, CGXStyle* pStyle);
    // Deletes every style and empties the array.
    void DeleteAll();
    // Inserts nCount empty entries before nIndex; nothing when nIndex lies at or beyond the end.
    void InsertEmpty(int32_t nIndex, int32_t nCount);
    // Deletes the styles of nFrom..nTo (inclusive, as far as the array reaches) and removes the
    // entries. Nothing when nFrom > nTo or nFrom lies beyond the array.
    void RemoveEntries(int32_t nFrom, int32_t nTo);
    // Moves the block nFrom..nTo so that its first entry ends up at nDest; the entries between close
    // up. Nothing when nFrom == nDest, nFrom > nTo, or both nFrom and nDest lie beyond the array.
    void MoveEntries(int32_t nFrom, int32_t nTo, int32_t nDest);

    // The stored form (see the top of this file).
    void Serialize(CArchive& ar) override;
};

class CGXStylePtrArrayPtrArray : public CPtrArray {
    DECLARE_DYNAMIC(CGXStylePtrArrayPtrArray)
public:
    CGXStylePtrArrayPtrArray() = default;
    // Deletes every row array (and so every style).
    ~CGXStylePtrArrayPtrArray() override;
    CGXStylePtrArrayPtrArray(const CGXStylePtrArrayPtrArray&) = delete;

    // Deep copy as CGXStylePtrArray's (a new row array per row of other). Returns *this.
    CGXStylePtrArrayPtrArray& operator=(const CGXStylePtrArrayPtrArray& other);

    // The row array at nIndex; null when none (or beyond the array, or negative).
    CGXStylePtrArray* GetRow(int32_t nIndex) const;
    // The row array at nIndex >= 0, made when missing (the array grows as needed). A negative index
    // throws CInvalidArgException*.
    CGXStylePtrArray* EnsureRow(int32_t nIndex);
    // Stores pRow (owned; may be null) at nIndex >= 0, deleting the row array stored there before.
    void SetRow(int32_t nIndex, CGXStylePtrArray* pRow);
    // As CGXStylePtrArray, with whole row arrays as entries.
    void DeleteAll();
    void InsertEmpty(int32_t nIndex, int32_t nCount);
    void RemoveEntries(int32_t nFrom, int32_t nTo);
    void MoveEntries(int32_t nFrom, int32_t nTo, int32_t nDest);

    // The stored form (see the top of this file).
    void Serialize(CArchive& ar) override;
};

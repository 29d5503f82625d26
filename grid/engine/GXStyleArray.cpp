// The owning style arrays of the cell data store (see GXStyleArray.h).
#include "grid/engine/GXStyleArray.h"

#include "grid/engine/GXModules.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"

#include <memory>
#include <vector>

IMPLEMENT_DYNAMIC(CGXStylePtrArray, CPtrArray)
IMPLEMENT_DYNAMIC(CGXStylePtrArrayPtrArray, CPtrArray)

namespace {

// The operations both arrays share, over a CPtrArray whose entries are owned T pointers.
template <class T>
struct OwnedEntries {
    static void DeleteAll(CPtrArray& a)
    {
        for (int32_t i = 0; i < a.GetSize(); ++i) {
            delete static_cast<T*>(a.GetAt(i));
            a.SetAt(i, nullptr);
        }
        a.RemoveAll();
    }

    static void Set(CPtrArray& a, const char* lpszFunc, int32_t nIndex, T* p)
    {
        std::unique_ptr<T> owned(p);
        if (nIndex < 0)
            AfxThrowInvalidArgFormat("%s: index %d is negative", lpszFunc, nIndex);
        if (nIndex >= a.GetSize()) {
            if (!owned)
                return;  // a missing entry is already empty
            a.SetSize(nIndex + 1);
        }
        T* pOld = static_cast<T*>(a.GetAt(nIndex));
        a.SetAt(nIndex, owned.release());
        delete pOld;
    }

    static void InsertEmpty(CPtrArray& a, int32_t nIndex, int32_t nCount)
    {
        if (nIndex < 0 || nCount <= 0 || nIndex >= a.GetSize())
            return;
        a.InsertAt(nIndex, nullptr, nCount);
    }

    static void Remove(CPtrArray& a, int32_t nFrom, int32_t nTo)
    {
        if (nFrom < 0 || nFrom > nTo || nFrom >= a.GetSize())
            return;
        const int32_t nLast = nTo < a.GetSize() ? nTo : a.GetSize() - 1;
        for (int32_t i = nFrom; i <= nLast; ++i) {
            delete static_cast<T*>(a.GetAt(i));
            a.SetAt(i, nullptr);
        }
        a.RemoveAt(nFrom, nLast - nFrom + 1);
    }

    static void Move(CPtrArray& a, int32_t nFrom, int32_t nTo, int32_t nDest)
    {
        if (nFrom < 0 || nDest < 0 || nFrom > nTo || nFrom == nDest)
            return;
        const int64_t n = int64_t(nTo) - nFrom + 1;
        const int32_t nSize = a.GetSize();
        if (nFrom >= nSize && nDest >= nSize)
            return;
        // n empty entries are inserted at the destination, the block is moved into them and the old
        // block removed; inserting first shifts whatever lies behind the insertion point
        int64_t nSrc = nFrom;
        int64_t nDst = nDest;
        if (nDest < nFrom)
            nSrc += n;
        else
            nDst += n;
        if (nDst > 0x7FFFFFFF - n)
            AfxThrowMemoryException();
        bool bAnyInBlock = false;
        for (int32_t i = nFrom; i < nSize && i <= nTo; ++i)
            bAnyInBlock = bAnyInBlock || a.GetAt(i) != nullptr;
        if (nDst > nSize && !bAnyInBlock) {
            // empty rows moved beyond the end: only the rows behind the block close up
            Remove(a, nFrom, nTo);
            return;
        }
        a.InsertAt(int32_t(nDst), nullptr, int32_t(n));
        for (int64_t i = 0; i < n && nSrc + i < a.GetSize(); ++i) {
            a.SetAt(int32_t(nDst + i), a.GetAt(int32_t(nSrc + i)));
            a.SetAt(int32_t(nSrc + i), nullptr);
        }
        if (nSrc < a.GetSize()) {
            const int64_t nLeft = a.GetSize() - nSrc;
            a.RemoveAt(int32_t(nSrc), int32_t(n < nLeft ? n : nLeft));
        }
    }
};

// Replaces the owned entries of a by those of from (which is left empty). Only growing a can fail, and
// it happens first, so a memory exception leaves a as it was.
template <class T>
void TakeEntries(CPtrArray& a, CPtrArray& from)
{
    if (a.GetSize() < from.GetSize())
        a.SetSize(from.GetSize());
    for (int32_t i = 0; i < a.GetSize(); ++i) {
        delete static_cast<T*>(a.GetAt(i));
        a.SetAt(i, i < from.GetSize() ? from.GetAt(i) : nullptr);
    }
    a.SetSize(from.GetSize());
    from.RemoveAll();
}

}  // namespace

// ---- CGXStylePtrArray ---------------------------------------------------------------------------

CGXStylePtrArray::~CGXStylePtrArray()
{
    DeleteAll();
}

CGXStylePtrArray& CGXStylePtrArray::operator=(const CGXStylePtrArray& other)
{
    if (&other == this)
        return *this;
    CGXStylePtrArray copy;
    copy.SetSize(other.GetSize());
    for (int32_t i = 0; i < other.GetSize(); ++i)
        if (const CGXStyle* p = other.GetStyle(i))
            copy.SetAt(i, p->Clone());
    TakeEntries<CGXStyle>(*this, copy);
    return *this;
}

CGXStyle* CGXStylePtrArray::GetStyle(int32_t nIndex) const
{
    return nIndex >= 0 && nIndex < GetSize() ? static_cast<CGXStyle*>(GetAt(nIndex)) : nullptr;
}

void CGXStylePtrArray::SetStyle(int32_t nIndex, CGXStyle* pStyle)
{
    OwnedEntries<CGXStyle>::Set(*this, "CGXStylePtrArray::SetStyle", nIndex, pStyle);
}

void CGXStylePtrArray::DeleteAll()
{
    OwnedEntries<CGXStyle>::DeleteAll(*this);
}

void CGXStylePtrArray::InsertEmpty(int32_t nIndex, int32_t nCount)
{
    OwnedEntries<CGXStyle>::InsertEmpty(*this, nIndex, nCount);
}

void CGXStylePtrArray::RemoveEntries(int32_t nFrom, int32_t nTo)
{
    OwnedEntries<CGXStyle>::Remove(*this, nFrom, nTo);
}

void CGXStylePtrArray::MoveEntries(int32_t nFrom, int32_t nTo, int32_t nDest)
{
    OwnedEntries<CGXStyle>::Move(*this, nFrom, nTo, nDest);
}

void CGXStylePtrArray::Serialize(CArchive& ar)
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (pState != nullptr && pState->m_pDocSerializeImp != nullptr)
        pState->m_pDocSerializeImp->SerializeStyleArray(*this, ar);
}

// ---- CGXStylePtrArrayPtrArray -------------------------------------------------------------------

CGXStylePtrArrayPtrArray::~CGXStylePtrArrayPtrArray()
{
    DeleteAll();
}

CGXStylePtrArrayPtrArray& CGXStylePtrArrayPtrArray::operator=(const CGXStylePtrArrayPtrArray& other)
{
    if (&other == this)
        return *this;
    CGXStylePtrArrayPtrArray copy;
    copy.SetSize(other.GetSize());
    for (int32_t i = 0; i < other.GetSize(); ++i)
        if (const CGXStylePtrArray* pRow = other.GetRow(i)) {
            std::unique_ptr<CGXStylePtrArray> pCopy(new CGXStylePtrArray);
            *pCopy = *pRow;
            copy.SetAt(i, pCopy.release());
        }
    TakeEntries<CGXStylePtrArray>(*this, copy);
    return *this;
}

CGXStylePtrArray* CGXStylePtrArrayPtrArray::GetRow(int32_t nIndex) const
{
    return nIndex >= 0 && nIndex < GetSize() ? static_cast<CGXStylePtrArray*>(GetAt(nIndex)) : nullptr;
}

CGXStylePtrArray* CGXStylePtrArrayPtrArray::EnsureRow(int32_t nIndex)
{
    if (CGXStylePtrArray* pRow = GetRow(nIndex))
        return pRow;
    CGXStylePtrArray* pRow = new CGXStylePtrArray;
    SetRow(nIndex, pRow);
    return pRow;
}

void CGXStylePtrArrayPtrArray::SetRow(int32_t nIndex, CGXStylePtrArray* pRow)
{
    OwnedEntries<CGXStylePtrArray>::Set(*this, "CGXStylePtrArrayPtrArray::SetRow", nIndex, pRow);
}

void CGXStylePtrArrayPtrArray::DeleteAll()
{
    OwnedEntries<CGXStylePtrArray>::DeleteAll(*this);
}

void CGXStylePtrArrayPtrArray::InsertEmpty(int32_t nIndex, int32_t nCount)
{
    OwnedEntries<CGXStylePtrArray>::InsertEmpty(*this, nIndex, nCount);
}

void CGXStylePtrArrayPtrArray::RemoveEntries(int32_t nFrom, int32_t nTo)
{
    OwnedEntries<CGXStylePtrArray>::Remove(*this, nFrom, nTo);
}

void CGXStylePtrArrayPtrArray::MoveEntries(int32_t nFrom, int32_t nTo, int32_t nDest)
{
    OwnedEntries<CGXStylePtrArray>::Move(*this, nFrom, nTo, nDest);
}

void CGXStylePtrArrayPtrArray::Serialize(CArchive& ar)
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (pState != nullptr && pState->m_pDocSerializeImp != nullptr)
        pState->m_pDocSerializeImp->SerializeStyleArrays(*this, ar);
}

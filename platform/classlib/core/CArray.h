// CArray<TYPE, ARG_TYPE>: a growable array of values, indexed from 0, with the framework's members.
//
// - Elements are contiguous (GetData); adding may move them, so pointers and references into the
//   array are valid only until the next change of its size.
// - New elements (SetSize, SetAtGrow, InsertAt) are value-initialised: 0 for numbers and pointers.
// - The grow size of SetSize is accepted as the least step of growth; storage grows geometrically
//   beyond it, which the framework's behaviour does not depend on.
// - An index outside the array throws CInvalidArgException* naming it; allocation failure throws
//   CMemoryException*.
// - Serialize: the count (CArchive::WriteCount), then the elements (SerializeElements). Loading
//   replaces the contents, after checking the count against the data left.
//   A pointer array does not own its pointers: RemoveAll and the destructor free no object.
#pragma once

#include "core/CollectionSupport.h"

#include <cstdint>
#include <new>
#include <stdexcept>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() = default;
    CArray(const CArray&) = default;
    CArray& operator=(const CArray&) = default;
    ~CArray() override = default;

    // Number of elements.
    int32_t GetSize() const { return int32_t(m_data.size()); }
    int32_t GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_data.empty(); }
    // The highest valid index (-1 when empty).
    int32_t GetUpperBound() const { return GetSize() - 1; }

    // Makes the array nNewSize elements long (new ones value-initialised, surplus ones dropped).
    // nGrowBy >= 0 sets the grow step; -1 keeps it. A negative size throws CInvalidArgException*.
    void SetSize(int32_t nNewSize, int32_t nGrowBy = -1)
    {
        if (nNewSize < 0)
            ThrowIndex("SetSize", nNewSize);
        if (nGrowBy >= 0)
            m_nGrowBy = nGrowBy;
        AfxAllocating([&] {
            if (size_t(nNewSize) > m_data.capacity() && m_nGrowBy > 0 &&
                size_t(nNewSize) < m_data.size() + size_t(m_nGrowBy))
                m_data.reserve(m_data.size() + size_t(m_nGrowBy));
            m_data.resize(size_t(nNewSize));
        });
    }
    // Releases unused storage.
    void FreeExtra() { m_data.shrink_to_fit(); }
    // Removes every element.
    void RemoveAll() { m_data.clear(); }

    // The element at nIndex (0 <= nIndex < GetSize(), else CInvalidArgException*).
    const TYPE& GetAt(int32_t nIndex) const { return m_data[Checked("GetAt", nIndex)]; }
    TYPE& GetAt(int32_t nIndex) { return m_data[Checked("GetAt", nIndex)]; }
    TYPE& ElementAt(int32_t nIndex) { return m_data[Checked("ElementAt", nIndex)]; }
    const TYPE& ElementAt(int32_t nIndex) const { return m_data[Checked("ElementAt", nIndex)]; }
    TYPE& operator[](int32_t nIndex) { return m_data[Checked("operator[]", nIndex)]; }
    const TYPE& operator[](int32_t nIndex) const { return m_data[Checked("operator[]", nIndex)]; }
    // Replaces the element at nIndex (which must exist).
    void SetAt(int32_t nIndex, ARG_TYPE newElement) { m_data[Checked("SetAt", nIndex)] = newElement; }
    // Sets the element at nIndex >= 0, growing the array first when needed.
    void SetAtGrow(int32_t nIndex, ARG_TYPE newElement)
    {
        if (nIndex < 0)
            ThrowIndex("SetAtGrow", nIndex);
        if (nIndex >= GetSize()) {
            TYPE copy(newElement);  // newElement may refer into the array
            SetSize(nIndex + 1);
            m_data[size_t(nIndex)] = copy;
        } else {
            m_data[size_t(nIndex)] = newElement;
        }
    }

    // Direct access to the elements (null when empty).
    TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }
    const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }

    // Appends an element. Returns its index.
    int32_t Add(ARG_TYPE newElement)
    {
        TYPE copy(newElement);
        AfxAllocating([&] { m_data.push_back(copy); });
        return GetSize() - 1;
    }
    // Appends the elements of src. Returns the index of the first one appended.
    int32_t Append(const CArray& src)
    {
        const int32_t first = GetSize();
        if (&src == this) {
            const std::vector<TYPE> copy(m_data);
            AfxAllocating([&] { m_data.insert(m_data.end(), copy.begin(), copy.end()); });
        } else {
            AfxAllocating([&] { m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end()); });
        }
        return first;
    }
    // Makes this array a copy of src.
    void Copy(const CArray& src)
    {
        if (&src != this)
            AfxAllocating([&] { m_data = src.m_data; });
    }

    // Inserts nCount copies of newElement before nIndex (0 <= nIndex; beyond the end the array grows
    // to nIndex first). nCount < 0 throws CInvalidArgException*.
    void InsertAt(int32_t nIndex, ARG_TYPE newElement, int32_t nCount = 1)
    {
        if (nIndex < 0)
            ThrowIndex("InsertAt", nIndex);
        if (nCount < 0)
            ThrowCount("InsertAt", nCount);
        TYPE copy(newElement);
        if (nIndex > GetSize())
            SetSize(nIndex);
        AfxAllocating([&] { m_data.insert(m_data.begin() + nIndex, size_t(nCount), copy); });
    }
    // Inserts the elements of pNewArray before nStartIndex (0 <= nStartIndex <= GetSize()).
    void InsertAt(int32_t nStartIndex, const CArray* pNewArray)
    {
        if (pNewArray == nullptr)
            AfxThrowInvalidArgException("CArray::InsertAt: null array");
        if (nStartIndex < 0 || nStartIndex > GetSize())
            ThrowIndex("InsertAt", nStartIndex);
        const std::vector<TYPE> copy(pNewArray->m_data);
        AfxAllocating([&] { m_data.insert(m_data.begin() + nStartIndex, copy.begin(), copy.end()); });
    }
    // Removes nCount elements from nIndex; the range must lie inside the array.
    void RemoveAt(int32_t nIndex, int32_t nCount = 1)
    {
        if (nCount < 0)
            ThrowCount("RemoveAt", nCount);
        if (nIndex < 0 || nIndex > GetSize() || nCount > GetSize() - nIndex)
            ThrowIndex("RemoveAt", nIndex, nCount);
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

    // Count, then elements (see the top of this file).
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount(uint32_t(m_data.size()));
            SerializeElements<TYPE>(ar, GetData(), GetSize());
        } else {
            const uint32_t n = ar.ReadCount();
            ar.CheckAvailable(uint64_t(n) * ArchivedElementMinSize<TYPE>());
            if (n > 0x7FFFFFFFu)
                AfxThrowMemoryException();
            SetSize(0);
            SetSize(int32_t(n));
            SerializeElements<TYPE>(ar, GetData(), int32_t(n));
        }
    }

protected:
    size_t Checked(const char* lpszFunc, int32_t nIndex) const
    {
        if (nIndex < 0 || nIndex >= GetSize())
            ThrowIndex(lpszFunc, nIndex);
        return size_t(nIndex);
    }
    [[noreturn]] void ThrowIndex(const char* lpszFunc, int32_t nIndex, int32_t nCount = 1) const
    {
        CString detail;
        if (nCount == 1)
            detail.Format("CArray::%s: index %d outside 0..%d", lpszFunc, nIndex, GetSize() - 1);
        else
            detail.Format("CArray::%s: %d elements from index %d outside 0..%d", lpszFunc, nCount, nIndex,
                          GetSize() - 1);
        AfxThrowInvalidArgException(detail);
    }
    [[noreturn]] void ThrowCount(const char* lpszFunc, int32_t nCount) const
    {
        AfxThrowInvalidArgFormat("CArray::%s: negative count %d", lpszFunc, nCount);
    }

    std::vector<TYPE> m_data;
    int32_t m_nGrowBy = -1;
};

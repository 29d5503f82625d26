// CList<TYPE, ARG_TYPE>: a doubly linked list walked with POSITION cursors, with the framework's
// members.
//
// - A POSITION names one element until that element is removed; null means "none" (past the end).
//   GetNext/GetPrev return the element at the cursor and move the cursor on.
// - Nodes are allocated one by one; the block size of the constructor is accepted for compatibility
//   and changes no behaviour.
// - A null POSITION where an element is needed, or an empty list for GetHead/RemoveHead etc., throws
//   CInvalidArgException*. A POSITION from another list is not detected (as in the framework).
// - Serialize: the count (CArchive::WriteCount), then the elements (SerializeElements). Loading
//   appends to the list, after checking the count against the data left.
//   A pointer list does not own its pointers: RemoveAll and the destructor free no object.
#pragma once

#include "core/CollectionSupport.h"

#include <cstdint>
#include <new>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
protected:
    struct CNode {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    explicit CList(int32_t nBlockSize = 10) : m_nBlockSize(nBlockSize) {}
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;
    ~CList() override { RemoveAll(); }

    int32_t GetCount() const { return m_nCount; }
    int32_t GetSize() const { return m_nCount; }
    bool IsEmpty() const { return m_nCount == 0; }

    // The first / last element (the list must not be empty).
    TYPE& GetHead() { return NonEmpty("GetHead")->data; }
    const TYPE& GetHead() const { return NonEmpty("GetHead")->data; }
    TYPE& GetTail() { return NonEmptyTail("GetTail")->data; }
    const TYPE& GetTail() const { return NonEmptyTail("GetTail")->data; }

    // Removes the first / last element and returns it (the list must not be empty).
    TYPE RemoveHead()
    {
        CNode* p = NonEmpty("RemoveHead");
        TYPE value(p->data);
        FreeNode(p);
        return value;
    }
    TYPE RemoveTail()
    {
        CNode* p = NonEmptyTail("RemoveTail");
        TYPE value(p->data);
        FreeNode(p);
        return value;
    }

    // Adds an element at the start / end. Returns its position.
    POSITION AddHead(ARG_TYPE newElement) { return Pos(NewNode(nullptr, m_pHead, newElement)); }
    POSITION AddTail(ARG_TYPE newElement) { return Pos(NewNode(m_pTail, nullptr, newElement)); }

    // Removes every element.
    void RemoveAll()
    {
        CNode* p = m_pHead;
        while (p != nullptr) {
            CNode* next = p->pNext;
            delete p;
            p = next;
        }
        m_pHead = m_pTail = nullptr;
        m_nCount = 0;
    }

    // Position of the first / last element (null when empty).
    POSITION GetHeadPosition() const { return Pos(m_pHead); }
    POSITION GetTailPosition() const { return Pos(m_pTail); }

    // The element at rPosition; rPosition moves to the next / previous one (null past the end).
    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* p = Node("GetNext", rPosition);
        rPosition = Pos(p->pNext);
        return p->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const
    {
        CNode* p = Node("GetNext", rPosition);
        rPosition = Pos(p->pNext);
        return p->data;
    }
    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* p = Node("GetPrev", rPosition);
        rPosition = Pos(p->pPrev);
        return p->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const
    {
        CNode* p = Node("GetPrev", rPosition);
        rPosition = Pos(p->pPrev);
        return p->data;
    }

    // The element at position (not null).
    TYPE& GetAt(POSITION position) { return Node("GetAt", position)->data; }
    const TYPE& GetAt(POSITION position) const { return Node("GetAt", position)->data; }
    // Replaces the element at position.
    void SetAt(POSITION pos, ARG_TYPE newElement) { Node("SetAt", pos)->data = newElement; }
    // Removes the element at position (which then is no longer valid).
    void RemoveAt(POSITION position) { FreeNode(Node("RemoveAt", position)); }

    // Inserts an element before / after position (null: at the start / the end). Returns its position.
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        if (position == nullptr)
            return AddHead(newElement);
        CNode* p = Node("InsertBefore", position);
        return Pos(NewNode(p->pPrev, p, newElement));
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        if (position == nullptr)
            return AddTail(newElement);
        CNode* p = Node("InsertAfter", position);
        return Pos(NewNode(p, p->pNext, newElement));
    }

    // The position of the first element equal to searchValue after startAfter (null: from the
    // start); null when none.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        CNode* p = startAfter == nullptr ? m_pHead : Node("Find", startAfter)->pNext;
        for (; p != nullptr; p = p->pNext)
            if (p->data == searchValue)
                return Pos(p);
        return nullptr;
    }
    // The position of the element at nIndex from the start; null when nIndex is outside the list.
    POSITION FindIndex(int32_t nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* p = m_pHead;
        while (nIndex-- > 0)
            p = p->pNext;
        return Pos(p);
    }

    // Count, then elements (see the top of this file).
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount(uint32_t(m_nCount));
            for (CNode* p = m_pHead; p != nullptr; p = p->pNext)
                SerializeElements<TYPE>(ar, &p->data, 1);
        } else {
            uint32_t n = ar.ReadCount();
            ar.CheckAvailable(uint64_t(n) * ArchivedElementMinSize<TYPE>());
            while (n-- > 0) {
                TYPE value{};
                SerializeElements<TYPE>(ar, &value, 1);
                AddTail(value);
            }
        }
    }

protected:
    static POSITION Pos(CNode* p) { return reinterpret_cast<POSITION>(p); }

    CNode* Node(const char* lpszFunc, POSITION pos) const
    {
        if (pos == nullptr)
            AfxThrowInvalidArgFormat("CList::%s: null position", lpszFunc);
        return reinterpret_cast<CNode*>(pos);
    }
    CNode* NonEmpty(const char* lpszFunc) const
    {
        if (m_pHead == nullptr)
            ThrowEmpty(lpszFunc);
        return m_pHead;
    }
    CNode* NonEmptyTail(const char* lpszFunc) const
    {
        if (m_pTail == nullptr)
            ThrowEmpty(lpszFunc);
        return m_pTail;
    }
    [[noreturn]] static void ThrowEmpty(const char* lpszFunc)
    {
        AfxThrowInvalidArgFormat("CList::%s: the list is empty", lpszFunc);
    }
    CNode* NewNode(CNode* pPrev, CNode* pNext, ARG_TYPE value)
    {
        CNode* p = nullptr;
        AfxAllocating([&] { p = new CNode{pNext, pPrev, TYPE(value)}; });
        (pPrev != nullptr ? pPrev->pNext : m_pHead) = p;
        (pNext != nullptr ? pNext->pPrev : m_pTail) = p;
        ++m_nCount;
        return p;
    }
    void FreeNode(CNode* p)
    {
        (p->pPrev != nullptr ? p->pPrev->pNext : m_pHead) = p->pNext;
        (p->pNext != nullptr ? p->pNext->pPrev : m_pTail) = p->pPrev;
        delete p;
        --m_nCount;
    }

    CNode* m_pHead = nullptr;
    CNode* m_pTail = nullptr;
    int32_t m_nCount = 0;
    int32_t m_nBlockSize;
};

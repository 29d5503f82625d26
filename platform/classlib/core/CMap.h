// CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>: a hash map with the framework's members and enumeration order.
//
// The order is part of the behaviour (it is the order in which maps are enumerated and archived), so
// it is fixed here:
// - The bucket table has 17 buckets unless InitHashTable chose another size before the first
//   insertion; it is made at the first insertion (a lookup in an empty map makes nothing).
// - The bucket of a key is HashKey(key) modulo the bucket count. HashKey: for integers and pointers
//   the low 32 bits shifted right by 4; for strings h = h * 33 + byte over the bytes (as signed chars),
//   from 0, in 32 bits.
// - A new key goes to the front of its bucket's chain. GetStartPosition/GetNextAssoc walk the buckets
//   from 0 up and each chain from the front.
// - Removing the element just returned by GetNextAssoc keeps the walk valid.
// - Entries are allocated one by one; the block size (10) is accepted for compatibility only.
// - Serialize: the count (CArchive::WriteCount), then key and value of each entry in enumeration
//   order (SerializeElements). Loading adds the pairs to what the map holds (it is not emptied).
//   A map of pointers does not own them: RemoveAll and the destructor free no object.
// Keys of other types need a HashKey overload (uint32_t HashKey(ARG_KEY)) and operator==.
#pragma once

#include "core/CollectionSupport.h"

#include <cstdint>
#include <new>
#include <type_traits>

// Hash of a text key: h = h * 33 + byte, from 0.
inline uint32_t HashKey(const char* key)
{
    uint32_t h = 0;
    if (key != nullptr)
        while (*key != '\0')
            h = (h << 5) + h + uint32_t(int32_t(static_cast<signed char>(*key++)));
    return h;
}

// Hash of an integer key: its low 32 bits shifted right by 4.
template <class ARG_KEY>
inline uint32_t HashKey(ARG_KEY key)
{
    using K = std::remove_cv_t<std::remove_reference_t<ARG_KEY>>;
    if constexpr (std::is_same_v<K, char*>)
        return HashKey(static_cast<const char*>(key));
    else if constexpr (std::is_pointer_v<K>)
        return uint32_t(reinterpret_cast<uintptr_t>(key)) >> 4;
    else
        return uint32_t(key) >> 4;
}

inline uint32_t HashKey(const CString& key)
{
    return HashKey(key.GetString());
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
protected:
    struct CAssoc {
        CAssoc* pNext;
        uint32_t nHashValue;
        KEY key;
        VALUE value;
    };

public:
    explicit CMap(int32_t nBlockSize = 10) : m_nBlockSize(nBlockSize) {}
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;
    ~CMap() override { RemoveAll(); }

    int32_t GetCount() const { return m_nCount; }
    int32_t GetSize() const { return m_nCount; }
    bool IsEmpty() const { return m_nCount == 0; }

    // Copies the value of key into rValue. Returns false (rValue unchanged) when key is absent.
    bool Lookup(ARG_KEY key, VALUE& rValue) const
    {
        uint32_t nHash;
        const CAssoc* p = GetAssocAt(key, nHash);
        if (p == nullptr)
            return false;
        rValue = p->value;
        return true;
    }
    // The value of key, inserted value-initialised (0 for numbers and pointers) when absent.
    VALUE& operator[](ARG_KEY key)
    {
        uint32_t nHash;
        CAssoc* p = GetAssocAt(key, nHash);
        if (p == nullptr)
            p = NewAssoc(key, nHash);
        return p->value;
    }
    // Sets the value of key (inserting it when absent).
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    // Removes key. Returns false when it was absent.
    bool RemoveKey(ARG_KEY key)
    {
        if (m_pHashTable == nullptr)
            return false;
        const uint32_t nHash = HashKey(key);
        CAssoc** ppPrev = &m_pHashTable[nHash % m_nHashTableSize];
        for (CAssoc* p = *ppPrev; p != nullptr; p = p->pNext) {
            if (p->nHashValue == nHash && p->key == key) {
                *ppPrev = p->pNext;
                delete p;
                --m_nCount;
                return true;
            }
            ppPrev = &p->pNext;
        }
        return false;
    }
    // Removes every entry (the bucket table too, so InitHashTable may choose a new size).
    void RemoveAll()
    {
        if (m_pHashTable != nullptr) {
            for (uint32_t i = 0; i < m_nHashTableSize; ++i) {
                CAssoc* p = m_pHashTable[i];
                while (p != nullptr) {
                    CAssoc* next = p->pNext;
                    delete p;
                    p = next;
                }
            }
            delete[] m_pHashTable;
            m_pHashTable = nullptr;
        }
        m_nCount = 0;
    }

    // The position of the first entry in enumeration order (null when empty).
    POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : Pos(FirstFrom(0)); }
    // Copies the entry at rNextPosition into rKey and rValue and moves the position on (null after
    // the last entry). A null position throws CInvalidArgException*.
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        if (rNextPosition == nullptr)
            AfxThrowInvalidArgException("CMap::GetNextAssoc: null position");
        const CAssoc* p = reinterpret_cast<const CAssoc*>(rNextPosition);
        const CAssoc* next = p->pNext;
        if (next == nullptr)
            next = FirstFrom(p->nHashValue % m_nHashTableSize + 1);
        rNextPosition = Pos(next);
        rKey = p->key;
        rValue = p->value;
    }

    // Sets the number of buckets (a prime is best). Only before the first insertion; later calls,
    // and sizes of 0, throw CInvalidArgException*. bAllocNow: make the table at once.
    void InitHashTable(uint32_t hashSize, bool bAllocNow = true)
    {
        if (m_nCount != 0 || hashSize == 0)
            AfxThrowInvalidArgFormat("CMap::InitHashTable: size %u with %d entries", hashSize, m_nCount);
        delete[] m_pHashTable;
        m_pHashTable = nullptr;
        m_nHashTableSize = hashSize;
        if (bAllocNow)
            AllocTable();
    }
    uint32_t GetHashTableSize() const { return m_nHashTableSize; }

    // Count, then key and value of each entry (see the top of this file).
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount(uint32_t(m_nCount));
            if (m_pHashTable != nullptr)
                for (uint32_t i = 0; i < m_nHashTableSize; ++i)
                    for (CAssoc* p = m_pHashTable[i]; p != nullptr; p = p->pNext) {
                        SerializeElements<KEY>(ar, &p->key, 1);
                        SerializeElements<VALUE>(ar, &p->value, 1);
                    }
        } else {
            uint32_t n = ar.ReadCount();
            ar.CheckAvailable(uint64_t(n) * (ArchivedElementMinSize<KEY>() + ArchivedElementMinSize<VALUE>()));
            while (n-- > 0) {
                KEY key{};
                VALUE value{};
                SerializeElements<KEY>(ar, &key, 1);
                SerializeElements<VALUE>(ar, &value, 1);
                SetAt(key, value);
            }
        }
    }

protected:
    static POSITION Pos(const CAssoc* p) { return reinterpret_cast<POSITION>(const_cast<CAssoc*>(p)); }

    void AllocTable()
    {
        AfxAllocating([&] { m_pHashTable = new CAssoc*[m_nHashTableSize](); });
    }
    // The first entry in buckets nBucket and above (null when none).
    const CAssoc* FirstFrom(uint32_t nBucket) const
    {
        if (m_pHashTable == nullptr)
            return nullptr;
        for (; nBucket < m_nHashTableSize; ++nBucket)
            if (m_pHashTable[nBucket] != nullptr)
                return m_pHashTable[nBucket];
        return nullptr;
    }
    CAssoc* GetAssocAt(ARG_KEY key, uint32_t& nHash) const
    {
        nHash = HashKey(key);
        if (m_pHashTable == nullptr)
            return nullptr;
        for (CAssoc* p = m_pHashTable[nHash % m_nHashTableSize]; p != nullptr; p = p->pNext)
            if (p->nHashValue == nHash && p->key == key)
                return p;
        return nullptr;
    }
    CAssoc* NewAssoc(ARG_KEY key, uint32_t nHash)
    {
        if (m_pHashTable == nullptr)
            AllocTable();
        CAssoc*& head = m_pHashTable[nHash % m_nHashTableSize];
        CAssoc* p = nullptr;
        AfxAllocating([&] { p = new CAssoc{head, nHash, KEY(key), VALUE()}; });
        head = p;
        ++m_nCount;
        return p;
    }

    CAssoc** m_pHashTable = nullptr;
    uint32_t m_nHashTableSize = 17;
    int32_t m_nCount = 0;
    int32_t m_nBlockSize;
};

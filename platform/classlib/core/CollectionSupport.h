// What every collection of the class library shares: the POSITION cursor of lists and maps,
// SerializeElements, which writes and reads the elements of the template collections, and the record
// of the objects that an object collection made by the archive owns (CArchivedObjects).
//
// SerializeElements knows the stored widths: uint8_t (BYTE) 1, uint16_t (WORD) 2, int32_t (LONG, int)
// and uint32_t (DWORD, UINT) 4, float 4, double 8, CString with its length prefix, and pointers to
// CObject-derived classes as tagged object references. Any other element type throws
// CNotSupportedException* when a collection of it is serialised, unless the program provides an
// explicit specialisation:
//   template <> void SerializeElements<CMyType>(CArchive& ar, CMyType* pElements, int32_t nCount);
#pragma once

#include "core/CArchive.h"
#include "core/CException.h"
#include "core/CObject.h"
#include "core/CString.h"

#include <cstdint>
#include <type_traits>
#include <vector>

// Cursor of a list or map: identifies an element, or is null past the end.
struct CPositionTag;
typedef CPositionTag* POSITION;

// The least number of bytes one element takes in an archive (what loading checks a count against).
template <class TYPE>
constexpr uint32_t ArchivedElementMinSize()
{
    using T = std::remove_cv_t<TYPE>;
    if constexpr (std::is_same_v<T, uint8_t> || std::is_same_v<T, uint16_t> || std::is_same_v<T, int32_t> ||
                  std::is_same_v<T, uint32_t> || std::is_same_v<T, float> || std::is_same_v<T, double>)
        return uint32_t(sizeof(T));
    else if constexpr (std::is_pointer_v<T>)
        return 2;  // an object tag
    else
        return 1;  // a string's length byte, or a type of the program's own
}

// The new objects that an object collection of this library read for itself when the archive made it
// (see CArchive::LoadCollectionElements): nobody else owns them, so the collection frees them with
// itself, whatever it holds by then. A copy of a collection owns none of them.
class CArchivedObjects {
public:
    CArchivedObjects() = default;
    CArchivedObjects(const CArchivedObjects&) {}
    CArchivedObjects& operator=(const CArchivedObjects&) { return *this; }
    ~CArchivedObjects()
    {
        for (CObject* pOb : m_objects)
            delete pOb;
    }

    // Runs serialize, the collection's own Serialize on ar. A loading collection of exactly the class
    // pClass (not a class derived from it, which may own its elements itself) keeps the new objects
    // it reads.
    template <class TSerialize>
    void Serialize(CArchive& ar, const CObject& collection, const CRuntimeClass* pClass, TSerialize serialize)
    {
        if (ar.IsLoading() && collection.GetRuntimeClass() == pClass)
            ar.LoadCollectionElements(&collection, m_objects, serialize);
        else
            serialize();
    }

private:
    std::vector<CObject*> m_objects;
};

// Writes or reads nCount elements at pElements (see the top of this file).
template <class TYPE>
void SerializeElements(CArchive& ar, TYPE* pElements, int32_t nCount)
{
    using T = std::remove_cv_t<TYPE>;
    if constexpr (std::is_same_v<T, uint8_t> || std::is_same_v<T, uint16_t> || std::is_same_v<T, int32_t> ||
                  std::is_same_v<T, uint32_t> || std::is_same_v<T, float> || std::is_same_v<T, double> ||
                  std::is_same_v<T, CString>) {
        if (ar.IsStoring())
            for (int32_t i = 0; i < nCount; ++i)
                ar << pElements[i];
        else
            for (int32_t i = 0; i < nCount; ++i)
                ar >> pElements[i];
    } else if constexpr (std::is_pointer_v<T> &&
                         std::is_base_of_v<CObject, std::remove_cv_t<std::remove_pointer_t<T>>>) {
        using Class = std::remove_cv_t<std::remove_pointer_t<T>>;
        if (ar.IsStoring()) {
            for (int32_t i = 0; i < nCount; ++i)
                ar.WriteObject(pElements[i]);
        } else {
            for (int32_t i = 0; i < nCount; ++i) {
                CObject* pOb = ar.ReadObject(nullptr, [](const CObject* p) {
                    return dynamic_cast<const Class*>(p) != nullptr;
                });
                pElements[i] = dynamic_cast<Class*>(pOb);
            }
        }
    } else {
        (void)ar;
        (void)pElements;
        (void)nCount;
        AfxThrowNotSupportedException();
    }
}

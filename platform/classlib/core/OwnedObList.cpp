#include "core/OwnedObList.h"

#include "core/CArchive.h"
#include "core/CException.h"

void AfxDeleteOwnedObjects(CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
}

POSITION AfxAddOwnedTail(CObList& list, CObject* pOb)
{
    try {
        return list.AddTail(pOb);
    } catch (...) {  // no memory for the node: the object has no owner yet
        delete pOb;
        throw;
    }
}

void AfxSerializeOwnedObList(CArchive& ar, CObList& list, const CRuntimeClass* pClass)
{
    if (pClass == nullptr)
        AfxThrowInvalidArgException("AfxSerializeOwnedObList: null class");
    if (ar.IsStoring()) {
        list.CObList::Serialize(ar);  // not the virtual one: a derived list calls this from its own
        return;
    }
    uint32_t n = ar.ReadCount();
    ar.CheckAvailable(uint64_t(n) * 2);  // at least an object tag each
    while (n-- > 0) {
        CObject* pOb = ar.ReadOwnedObject(pClass);
        if (pOb == nullptr)
            AfxThrowArchiveException(CArchiveException::badClass);
        AfxAddOwnedTail(list, pOb);
    }
}

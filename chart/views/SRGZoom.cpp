// The zoom stack of the chart views (see SRGZoom.h).
#include "chart/views/SRGZoom.h"

#include "core/OwnedObList.h"
#include "win/ArgCheck.h"

CObStack::CObStack() : CObList(10) {}

CObStack::~CObStack()
{
    AfxDeleteOwnedObjects(*this);
}

void CObStack::Push(CObject* pObject)
{
    AfxRequirePointer(pObject, "CObStack::Push", "pObject");
    try {
        AddHead(pObject);
    } catch (...) {
        delete pObject;
        throw;
    }
}

CObject* CObStack::Pop()
{
    return IsEmpty() ? nullptr : RemoveHead();
}

int CObStack::Count() const
{
    return int(GetCount());
}

IMPLEMENT_DYNAMIC(SRGZoom, CObject)

SRGZoom::SRGZoom()
    : m_nDisplay(0),
      m_nMask(0),
      m_dFixedMin(0.0),
      m_dFixedMax(0.0),
      m_dFixedXMin(0.0),
      m_dFixedXMax(0.0),
      m_nFirstIndex(0),
      m_nLastIndex(0),
      m_nFirstGroup(0),
      m_nLastGroup(0)
{
}

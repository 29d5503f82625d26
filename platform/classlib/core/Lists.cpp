#include "core/Lists.h"

IMPLEMENT_SERIAL(CObList, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_SERIAL(CStringList, CObject, 0)

void CObList::Serialize(CArchive& ar)
{
    m_archived.Serialize(ar, *this, RUNTIME_CLASS(CObList), [&] { CList::Serialize(ar); });
}

void CPtrList::Serialize(CArchive&)
{
}

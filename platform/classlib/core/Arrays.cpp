#include "core/Arrays.h"

IMPLEMENT_SERIAL(CObArray, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_SERIAL(CByteArray, CObject, 0)
IMPLEMENT_SERIAL(CWordArray, CObject, 0)
IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
IMPLEMENT_SERIAL(CStringArray, CObject, 0)

void CObArray::Serialize(CArchive& ar)
{
    m_archived.Serialize(ar, *this, RUNTIME_CLASS(CObArray), [&] { CArray::Serialize(ar); });
}

void CPtrArray::Serialize(CArchive&)
{
}

void CUIntArray::Serialize(CArchive&)
{
}

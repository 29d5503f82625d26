#include "core/Maps.h"

IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)
IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)
IMPLEMENT_SERIAL(CMapWordToOb, CObject, 0)
IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)

void CMapStringToOb::Serialize(CArchive& ar)
{
    m_archived.Serialize(ar, *this, RUNTIME_CLASS(CMapStringToOb), [&] { CMap::Serialize(ar); });
}

void CMapWordToOb::Serialize(CArchive& ar)
{
    m_archived.Serialize(ar, *this, RUNTIME_CLASS(CMapWordToOb), [&] { CMap::Serialize(ar); });
}

void CMapStringToPtr::Serialize(CArchive&)
{
}

void CMapWordToPtr::Serialize(CArchive&)
{
}

void CMapPtrToPtr::Serialize(CArchive&)
{
}

void CMapPtrToWord::Serialize(CArchive&)
{
}

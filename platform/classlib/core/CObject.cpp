#include "core/CObject.h"

#include "core/CException.h"

#include <cstring>
#include <new>

namespace {

// Head of the registry list. Constant-initialised to null, so registration from any static
// constructor finds it ready.
CRuntimeClass* g_pFirstClass = nullptr;

} // namespace

CRuntimeClass CObject::classCObject = {"CObject", int32_t(sizeof(CObject)), AFX_NO_SCHEMA, nullptr, nullptr,
                                       nullptr};
static const CClassInit ondrixClassInit_CObject(&CObject::classCObject);

CClassInit::CClassInit(CRuntimeClass* pNewClass)
{
    pNewClass->m_pNextClass = g_pFirstClass;
    g_pFirstClass = pNewClass;
}

CObject* CRuntimeClass::CreateObject() const
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    CObject* pObject = nullptr;
    AfxAllocating([&] { pObject = m_pfnCreateObject(); });
    return pObject;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p != nullptr; p = p->m_pBaseClass)
        if (p == pBaseClass)
            return true;
    return false;
}

CRuntimeClass* CRuntimeClass::FromName(const char* lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    for (CRuntimeClass* p = g_pFirstClass; p != nullptr; p = p->m_pNextClass)
        if (std::strcmp(p->m_lpszClassName, lpszClassName) == 0)
            return p;
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(const char* lpszClassName)
{
    const CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass != nullptr ? pClass->CreateObject() : nullptr;
}

CObject::~CObject() = default;

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

bool CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

bool CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != AFX_NO_SCHEMA;
}

void CObject::Serialize(CArchive&)
{
}

// User attributes and the per-style attribute map (see GXUserAttribute.h).
#include "grid/engine/GXUserAttribute.h"

#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXTextForms.h"

#include "win/CWinApp.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

IMPLEMENT_SERIAL(CGXAbstractUserAttribute, CObject, 0)
IMPLEMENT_SERIAL(CGXUserAttribute, CGXAbstractUserAttribute, 0)
IMPLEMENT_SERIAL(CGXEllipseUserAttribute, CGXAbstractUserAttribute, 0)
IMPLEMENT_SERIAL(CGXUserAttributeMap, CObArray, 0)

namespace {

// A double truncated into [lo, hi] (NaN gives 0).
double Clamp(double d, double lo, double hi)
{
    if (!(d == d))
        return 0;
    return d < lo ? lo : (d > hi ? hi : d);
}

// TRUE when the drawing service's number parser reads text as a number that "%.13g" writes back as
// the same text; the number in rd.
bool IsNumberText(const char* pszText, double& rd)
{
    double d = 0;
    UINT nFormat = 0, nPlaces = 0;
    if (!GetDrawingAndFormatting()->ParseValue(pszText, d, nFormat, nPlaces) || !std::isfinite(d))
        return false;
    CString formatted;
    formatted.Format("%.13g", d);
    if (std::strcmp(formatted, pszText) != 0)
        return false;
    rd = d;
    return true;
}

}  // namespace

// ---- CGXAbstractUserAttribute -------------------------------------------------------------------

CGXAbstractUserAttribute::CGXAbstractUserAttribute() : m_nId(0) {}

CGXAbstractUserAttribute::~CGXAbstractUserAttribute() = default;

void CGXAbstractUserAttribute::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << GetValue();
    } else {
        CString text;
        ar >> text;
        SetValue(text);
    }
}

CGXAbstractUserAttribute& CGXAbstractUserAttribute::SetValue(const char*)
{
    return *this;
}

CGXAbstractUserAttribute& CGXAbstractUserAttribute::SetValue(const CString& strValue)
{
    return SetValue(strValue.GetString());
}

CString CGXAbstractUserAttribute::GetValue() const
{
    return CString();
}

LONG CGXAbstractUserAttribute::GetLongValue() const
{
    return GXTextToLong(GetValue());
}

DWORD CGXAbstractUserAttribute::GetDWordValue() const
{
    return DWORD(GXTextToLong(GetValue()));
}

double CGXAbstractUserAttribute::GetDoubleValue() const
{
    return AfxAtof(GetValue());
}

CGXAbstractUserAttribute* CGXAbstractUserAttribute::Clone() const
{
    return nullptr;
}

BOOL CGXAbstractUserAttribute::IsEqual(const CGXAbstractUserAttribute& other) const
{
    return m_nId == other.m_nId && GetValue() == other.GetValue();
}

BOOL CGXAbstractUserAttribute::IsEmpty() const
{
    return GetValue().IsEmpty();
}

BOOL CGXAbstractUserAttribute::IsEqualValue(const CGXAbstractUserAttribute& other) const
{
    return IsEqual(other);
}

// ---- CGXUserAttribute ---------------------------------------------------------------------------

CGXUserAttribute::CGXUserAttribute() : m_vtType(vtEmpty), m_value()
{
}

CGXUserAttribute::CGXUserAttribute(const char* pszValue) : CGXUserAttribute()
{
    SetValue(pszValue);
}

CGXUserAttribute::CGXUserAttribute(DWORD nValue) : CGXUserAttribute()
{
    m_vtType = vtDWord;
    m_value.dw = nValue;
}

CGXUserAttribute::CGXUserAttribute(LONG nValue) : CGXUserAttribute()
{
    m_vtType = vtLong;
    m_value.l = nValue;
}

CGXUserAttribute::CGXUserAttribute(double dValue) : CGXUserAttribute()
{
    m_vtType = vtDouble;
    m_value.d = dValue;
}

CGXUserAttribute::CGXUserAttribute(DWORD nLow, DWORD nHigh) : CGXUserAttribute()
{
    m_vtType = vtByte8;
    m_value.dw2[0] = nLow;
    m_value.dw2[1] = nHigh;
}

CGXUserAttribute::CGXUserAttribute(const CGXUserAttribute& src) : CGXUserAttribute()
{
    *this = src;
}

CGXUserAttribute& CGXUserAttribute::operator=(const CGXUserAttribute& src)
{
    if (&src == this)
        return *this;
    m_nId = src.m_nId;
    if (src.m_vtType == vtString) {
        SetText(src.m_value.psz, std::strlen(src.m_value.psz));
    } else {
        Free();
        m_vtType = src.m_vtType;
        m_value = src.m_value;
    }
    return *this;
}

CGXUserAttribute::~CGXUserAttribute()
{
    Free();
}

void CGXUserAttribute::Free()
{
    if (m_vtType == vtString)
        delete[] m_value.psz;
    m_vtType = vtEmpty;
    std::memset(&m_value, 0, sizeof m_value);
}

void CGXUserAttribute::SetText(const char* pch, size_t nLength)
{
    if (nLength > sizeof m_value.sz) {
        char* psz = new char[nLength + 1];
        std::memcpy(psz, pch, nLength);
        psz[nLength] = '\0';
        Free();
        m_vtType = vtString;
        m_value.psz = psz;
    } else {
        char buffer[sizeof m_value.sz] = {};
        std::memcpy(buffer, pch, nLength);  // pch may point into this value
        Free();
        m_vtType = vtShortString;
        std::memcpy(m_value.sz, buffer, sizeof buffer);
    }
}

CGXAbstractUserAttribute& CGXUserAttribute::SetValue(const char* pszValue)
{
    if (pszValue == nullptr || *pszValue == '\0') {
        Free();
        return *this;
    }
    double d;
    if (GXGetLibraryState()->m_bNumberRecognition && IsNumberText(pszValue, d)) {
        Free();
        m_vtType = vtDouble;
        m_value.d = d;
        return *this;
    }
    SetText(pszValue, std::strlen(pszValue));
    return *this;
}

CString CGXUserAttribute::GetValue() const
{
    CString text;
    switch (m_vtType) {
    case vtEmpty:
        break;
    case vtDWord:
        text.Format("%lu", m_value.dw);
        break;
    case vtLong:
        text.Format("%ld", m_value.l);
        break;
    case vtShortString:
        text = CString(m_value.sz, int(strnlen(m_value.sz, sizeof m_value.sz)));
        break;
    case vtString:
        text = m_value.psz;
        break;
    case vtDouble:
        text.Format("%.13g", m_value.d);
        break;
    case vtByte8:
        text.Format("%08x%08x", m_value.dw2[0], m_value.dw2[1]);
        break;
    default:
        text = "Value?";
        break;
    }
    return text;
}

LONG CGXUserAttribute::GetLongValue() const
{
    switch (m_vtType) {
    case vtDWord:
        return LONG(m_value.dw);
    case vtLong:
        return m_value.l;
    case vtShortString:
    case vtString:
        return GXTextToLong(GetValue());
    case vtDouble:
        return LONG(Clamp(m_value.d, -2147483648.0, 2147483647.0));
    default:
        return 0;
    }
}

DWORD CGXUserAttribute::GetDWordValue() const
{
    switch (m_vtType) {
    case vtDWord:
        return m_value.dw;
    case vtLong:
        return DWORD(m_value.l);
    case vtShortString:
    case vtString:
        return DWORD(GXTextToLong(GetValue()));
    case vtDouble:
        return DWORD(Clamp(m_value.d, 0.0, 4294967295.0));
    default:
        return 0;
    }
}

double CGXUserAttribute::GetDoubleValue() const
{
    switch (m_vtType) {
    case vtDWord:
        return double(m_value.dw);
    case vtLong:
        return double(m_value.l);
    case vtShortString:
    case vtString:
        return AfxAtof(GetValue());
    case vtDouble:
        return m_value.d;
    default:
        return 0;
    }
}

CGXAbstractUserAttribute* CGXUserAttribute::Clone() const
{
    return new CGXUserAttribute(*this);
}

BOOL CGXUserAttribute::IsEqual(const CGXAbstractUserAttribute& other) const
{
    const CGXUserAttribute* p = dynamic_cast<const CGXUserAttribute*>(&other);
    if (p == nullptr || p->m_nId != m_nId || p->m_vtType != m_vtType)
        return FALSE;
    switch (m_vtType) {
    case vtEmpty:
        return TRUE;
    case vtDWord:
        return m_value.dw == p->m_value.dw;
    case vtLong:
        return m_value.l == p->m_value.l;
    case vtShortString:
    case vtString:
        return GetValue() == p->GetValue();
    case vtDouble:
        return m_value.d == p->m_value.d;
    case vtByte8:
        return std::memcmp(m_value.dw2, p->m_value.dw2, sizeof m_value.dw2) == 0;
    default:
        return FALSE;
    }
}

BOOL CGXUserAttribute::IsEmpty() const
{
    return m_vtType == vtEmpty || GetValue().IsEmpty();
}

void CGXUserAttribute::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << BYTE(m_vtType);
        if (m_vtType == vtShortString || m_vtType == vtString)
            ar << GetValue();
        else
            ar << m_value.dw2[0] << m_value.dw2[1];
    } else {
        BYTE kind;
        ar >> kind;
        if (kind == vtShortString || kind == vtString) {
            CString text;
            ar >> text;
            SetText(text, size_t(text.GetLength()));
        } else {
            DWORD lo, hi;
            ar >> lo >> hi;
            Free();
            m_vtType = kind;
            m_value.dw2[0] = lo;
            m_value.dw2[1] = hi;
        }
    }
}

// ---- CGXEllipseUserAttribute --------------------------------------------------------------------

CGXEllipseUserAttribute::CGXEllipseUserAttribute(LONG nType) : m_nType(nType) {}

void CGXEllipseUserAttribute::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << WORD(m_nType);
    } else {
        WORD w;
        ar >> w;
        m_nType = w;
    }
}

CGXAbstractUserAttribute& CGXEllipseUserAttribute::SetValue(const char*)
{
    return *this;
}

CString CGXEllipseUserAttribute::GetValue() const
{
    return CString();
}

LONG CGXEllipseUserAttribute::GetLongValue() const
{
    return m_nType;
}

DWORD CGXEllipseUserAttribute::GetDWordValue() const
{
    return DWORD(m_nType);
}

double CGXEllipseUserAttribute::GetDoubleValue() const
{
    return double(m_nType);
}

CGXAbstractUserAttribute* CGXEllipseUserAttribute::Clone() const
{
    CGXEllipseUserAttribute* p = new CGXEllipseUserAttribute(m_nType);
    p->m_nId = m_nId;
    return p;
}

BOOL CGXEllipseUserAttribute::IsEqual(const CGXAbstractUserAttribute& other) const
{
    const CGXEllipseUserAttribute* p = dynamic_cast<const CGXEllipseUserAttribute*>(&other);
    return p != nullptr && p->m_nType == m_nType;
}

BOOL CGXEllipseUserAttribute::IsEmpty() const
{
    return TRUE;
}

// ---- CGXUserAttributeMap ------------------------------------------------------------------------

CGXUserAttributeMap::CGXUserAttributeMap() = default;

CGXUserAttributeMap::~CGXUserAttributeMap()
{
    DeleteAll();
}

void CGXUserAttributeMap::DeleteAll()
{
    for (int32_t i = 0; i < GetSize(); ++i)
        delete GetAt(i);
    RemoveAll();
}

void CGXUserAttributeMap::Sort()
{
    if (GetSize() > 1)
        std::stable_sort(GetData(), GetData() + GetSize(), [](CObject* a, CObject* b) {
            return static_cast<CGXAbstractUserAttribute*>(a)->m_nId < static_cast<CGXAbstractUserAttribute*>(b)->m_nId;
        });
}

int32_t CGXUserAttributeMap::FindIndex(WORD nId) const
{
    int32_t lo = 0, hi = GetSize() - 1;
    while (lo <= hi) {
        const int32_t mid = lo + (hi - lo) / 2;
        const WORD id = GetAttributeAt(mid)->m_nId;
        if (id == nId)
            return mid;
        if (id < nId)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return -1;
}

const CGXAbstractUserAttribute* CGXUserAttributeMap::GetAttribute(WORD nId) const
{
    const int32_t i = FindIndex(nId);
    return i >= 0 ? GetAttributeAt(i) : nullptr;
}

void CGXUserAttributeMap::SetAttribute(WORD nId, CGXAbstractUserAttribute* pAttribute)
{
    if (pAttribute == nullptr)
        AfxThrowInvalidArgFormat("CGXUserAttributeMap::SetAttribute: null attribute for id %u", nId);
    pAttribute->m_nId = nId;
    const int32_t i = FindIndex(nId);
    if (i >= 0) {
        if (GetAt(i) != pAttribute) {
            delete GetAt(i);
            SetAt(i, pAttribute);
        }
        return;
    }
    try {
        Add(pAttribute);
    } catch (...) {
        delete pAttribute;
        throw;
    }
    Sort();
}

void CGXUserAttributeMap::SetAttribute(WORD nId, const CGXAbstractUserAttribute& attribute)
{
    if (CGXAbstractUserAttribute* pCopy = attribute.Clone())
        SetAttribute(nId, pCopy);
}

int32_t CGXUserAttributeMap::RemoveAttribute(WORD nId)
{
    const int32_t i = FindIndex(nId);
    if (i >= 0) {
        delete GetAt(i);
        RemoveAt(i);
    }
    return i;
}

void CGXUserAttributeMap::ChangeMap(const CGXUserAttributeMap& other, int nMode)
{
    if (nMode < 0 || nMode > 3)
        AfxThrowInvalidArgFormat("CGXUserAttributeMap::ChangeMap: mode %d outside 0..3", nMode);
    if (&other == this) {
        if (nMode == 3)
            DeleteAll();
        return;
    }
    if (nMode == 3) {
        for (int32_t i = 0; i < other.GetSize(); ++i)
            RemoveAttribute(other.GetAttributeAt(i)->m_nId);
        return;
    }
    if (nMode == 2)
        DeleteAll();
    std::vector<std::unique_ptr<CGXAbstractUserAttribute>> added;
    for (int32_t i = 0; i < other.GetSize(); ++i) {
        const CGXAbstractUserAttribute* pSrc = other.GetAttributeAt(i);
        const int32_t nExisting = FindIndex(pSrc->m_nId);
        if (nExisting >= 0 && nMode == 1)
            continue;
        std::unique_ptr<CGXAbstractUserAttribute> pCopy(pSrc->Clone());
        if (!pCopy)
            continue;
        pCopy->m_nId = pSrc->m_nId;
        if (nExisting >= 0) {
            delete GetAt(nExisting);
            SetAt(nExisting, pCopy.release());
        } else {
            added.push_back(std::move(pCopy));
        }
    }
    if (added.empty())
        return;
    const int32_t nFirst = GetSize();
    SetSize(nFirst + int32_t(added.size()));
    for (size_t i = 0; i < added.size(); ++i)
        SetAt(nFirst + int32_t(i), added[i].release());
    Sort();
}

void CGXUserAttributeMap::WriteProfile(const char* pszSection) const
{
    if (pszSection == nullptr || *pszSection == '\0')
        AfxThrowInvalidArgException("CGXUserAttributeMap::WriteProfile: empty section name");
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    for (int32_t i = 0; i < GetSize(); ++i) {
        const CGXAbstractUserAttribute* pAttribute = GetAttributeAt(i);
        CString key;
        key.Format("UA%lu", DWORD(pAttribute->m_nId));
        pApp->WriteProfileString(pszSection, key, pAttribute->GetValue());
    }
}

void CGXUserAttributeMap::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        if (GetSize() > 0xFFFF)
            AfxThrowArchiveException(CArchiveException::generic);
        ar << WORD(GetSize());
        for (int32_t i = 0; i < GetSize(); ++i) {
            ar.WriteObject(GetAttributeAt(i));
            ar << WORD(GetAttributeAt(i)->m_nId);
        }
        return;
    }
    DeleteAll();
    WORD nCount;
    ar >> nCount;
    ar.CheckAvailable(uint64_t(nCount) * (2 + 2));
    std::vector<std::unique_ptr<CGXAbstractUserAttribute>> loaded;
    loaded.reserve(nCount);
    for (WORD i = 0; i < nCount; ++i) {
        // an attribute has one owner: a reference to an object read before (in this map or any other
        // part of the archive) is refused
        CObject* pOb = ar.ReadOwnedObject(RUNTIME_CLASS(CGXAbstractUserAttribute));
        std::unique_ptr<CGXAbstractUserAttribute> owned(static_cast<CGXAbstractUserAttribute*>(pOb));
        WORD nId;
        ar >> nId;
        if (!owned)
            continue;
        owned->m_nId = nId;
        loaded.push_back(std::move(owned));
    }
    // sorted by id; an id met twice keeps the attribute read last
    std::stable_sort(loaded.begin(), loaded.end(),
                     [](const std::unique_ptr<CGXAbstractUserAttribute>& a,
                        const std::unique_ptr<CGXAbstractUserAttribute>& b) { return a->m_nId < b->m_nId; });
    std::vector<std::unique_ptr<CGXAbstractUserAttribute>> unique;
    for (auto& p : loaded) {
        if (!unique.empty() && unique.back()->m_nId == p->m_nId)
            unique.back() = std::move(p);
        else
            unique.push_back(std::move(p));
    }
    SetSize(int32_t(unique.size()));
    for (size_t i = 0; i < unique.size(); ++i)
        SetAt(int32_t(i), unique[i].release());
}

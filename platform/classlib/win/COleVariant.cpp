// COleVariant: VARIANT values that own their contents, their comparison and their archive form.
#include <cstring>

#include "win/COleVariant.h"

#include "win/COleDateTime.h"

IMPLEMENT_DYNAMIC(COleException, CException)

bool COleException::GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext) const
{
    char buf[512];
    CString text;
    if (::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, DWORD(m_sc), 0, buf,
                         sizeof buf, nullptr) != 0)
        text = buf;
    else
        text.Format("OLE error 0x%08X.", unsigned(m_sc));
    text.TrimRight();
    return CopyMessage(text, lpszError, nMaxError, pnHelpContext);
}

void AfxThrowOleException(SCODE sc)
{
    throw new COleException(sc);
}

namespace {

void Check(HRESULT hr)
{
    if (hr == E_OUTOFMEMORY)
        AfxThrowMemoryException();
    if (FAILED(hr))
        AfxThrowOleException(hr);
}

BSTR BstrFromText(LPCSTR lpsz, int nLength)
{
    const int n = nLength > 0 ? ::MultiByteToWideChar(CP_ACP, 0, lpsz, nLength, nullptr, 0) : 0;
    BSTR bstr = ::SysAllocStringLen(nullptr, UINT(n));
    if (bstr == nullptr)
        AfxThrowMemoryException();
    if (n > 0)
        ::MultiByteToWideChar(CP_ACP, 0, lpsz, nLength, bstr, n);
    return bstr;
}

// A one-dimensional SAFEARRAY of nCount bytes copied from pBytes (may be null when nCount is 0).
SAFEARRAY* ByteArrayOf(const BYTE* pBytes, DWORD nCount)
{
    SAFEARRAY* psa = ::SafeArrayCreateVector(VT_UI1, 0, nCount);
    if (psa == nullptr)
        AfxThrowMemoryException();
    if (nCount != 0) {
        void* pData = nullptr;
        Check(::SafeArrayAccessData(psa, &pData));
        std::memcpy(pData, pBytes, nCount);
        ::SafeArrayUnaccessData(psa);
    }
    return psa;
}

// The bytes of a VT_ARRAY | VT_UI1 variant: their address (valid while the array lives) and count.
const BYTE* BytesOf(const VARIANT& var, DWORD& nCount)
{
    nCount = 0;
    SAFEARRAY* psa = V_ARRAY(&var);
    if (psa == nullptr || ::SafeArrayGetDim(psa) != 1)
        return nullptr;
    nCount = psa->rgsabound[0].cElements;
    return static_cast<const BYTE*>(psa->pvData);
}

bool IsByteArray(const VARIANT& var)
{
    return V_VT(&var) == (VT_ARRAY | VT_UI1);
}

} // namespace

COleVariant::COleVariant()
{
    ::VariantInit(this);
}

COleVariant::COleVariant(const VARIANT& varSrc)
{
    ::VariantInit(this);
    Check(::VariantCopy(this, const_cast<VARIANT*>(&varSrc)));
}

COleVariant::COleVariant(const COleVariant& varSrc) : COleVariant(static_cast<const VARIANT&>(varSrc))
{
}

COleVariant::COleVariant(const VARIANT* pSrc)
{
    ::VariantInit(this);
    if (pSrc == nullptr)
        AfxThrowInvalidArgException("COleVariant: null source VARIANT");
    Check(::VariantCopy(this, const_cast<VARIANT*>(pSrc)));
}

COleVariant::COleVariant(LPCSTR lpszSrc)
{
    ::VariantInit(this);
    V_BSTR(this) = BstrFromText(lpszSrc, lpszSrc != nullptr ? int(std::strlen(lpszSrc)) : 0);
    V_VT(this) = VT_BSTR;
}

COleVariant::COleVariant(BYTE nSrc)
{
    ::VariantInit(this);
    V_VT(this) = VT_UI1;
    V_UI1(this) = nSrc;
}

COleVariant::COleVariant(short nSrc, VARTYPE vtSrc)
{
    ::VariantInit(this);
    if (vtSrc == VT_BOOL) {
        V_VT(this) = VT_BOOL;
        V_BOOL(this) = nSrc != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    } else {
        V_VT(this) = VT_I2;
        V_I2(this) = nSrc;
    }
}

COleVariant::COleVariant(LONG lSrc, VARTYPE vtSrc)
{
    ::VariantInit(this);
    if (vtSrc == VT_ERROR) {
        V_VT(this) = VT_ERROR;
        V_ERROR(this) = lSrc;
    } else {
        V_VT(this) = VT_I4;
        V_I4(this) = lSrc;
    }
}

COleVariant::COleVariant(float fltSrc)
{
    ::VariantInit(this);
    V_VT(this) = VT_R4;
    V_R4(this) = fltSrc;
}

COleVariant::COleVariant(double dblSrc)
{
    ::VariantInit(this);
    V_VT(this) = VT_R8;
    V_R8(this) = dblSrc;
}

COleVariant::COleVariant(const COleDateTime& dateSrc)
{
    ::VariantInit(this);
    V_VT(this) = VT_DATE;
    V_DATE(this) = dateSrc.m_dt;
}

COleVariant::COleVariant(const CByteArray& arrSrc)
{
    ::VariantInit(this);
    V_ARRAY(this) = ByteArrayOf(arrSrc.GetData(), DWORD(arrSrc.GetSize()));
    V_VT(this) = VT_ARRAY | VT_UI1;
}

COleVariant::~COleVariant()
{
    ::VariantClear(this);
}

COleVariant& COleVariant::operator=(const VARIANT& varSrc)
{
    if (&varSrc != this)
        Check(::VariantCopy(this, const_cast<VARIANT*>(&varSrc)));
    return *this;
}

COleVariant& COleVariant::operator=(const COleVariant& varSrc)
{
    return *this = static_cast<const VARIANT&>(varSrc);
}

void COleVariant::Clear()
{
    Check(::VariantClear(this));
}

CString COleVariant::GetString() const
{
    CString text;
    if (V_VT(this) != VT_BSTR || V_BSTR(this) == nullptr)
        return text;
    const int nWide = int(::SysStringLen(V_BSTR(this)));
    const int n = ::WideCharToMultiByte(CP_ACP, 0, V_BSTR(this), nWide, nullptr, 0, nullptr, nullptr);
    if (n > 0) {
        ::WideCharToMultiByte(CP_ACP, 0, V_BSTR(this), nWide, text.GetBuffer(n), n, nullptr, nullptr);
        text.ReleaseBuffer(n);
    }
    return text;
}

void COleVariant::GetByteArray(CByteArray& rBytes) const
{
    rBytes.RemoveAll();
    DWORD nCount = 0;
    const BYTE* pBytes = IsByteArray(*this) ? BytesOf(*this, nCount) : nullptr;
    rBytes.SetSize(int(nCount));
    if (nCount != 0)
        std::memcpy(rBytes.GetData(), pBytes, nCount);
}

bool COleVariant::operator==(const VARIANT& var) const
{
    if (V_VT(this) != V_VT(&var))
        return false;
    switch (V_VT(this)) {
    case VT_EMPTY:
    case VT_NULL: return true;
    case VT_UI1: return V_UI1(this) == V_UI1(&var);
    case VT_I2: return V_I2(this) == V_I2(&var);
    case VT_BOOL: return V_BOOL(this) == V_BOOL(&var);
    case VT_I4: return V_I4(this) == V_I4(&var);
    case VT_ERROR: return V_ERROR(this) == V_ERROR(&var);
    case VT_R4: return V_R4(this) == V_R4(&var);
    case VT_R8: return V_R8(this) == V_R8(&var);
    case VT_DATE: return V_DATE(this) == V_DATE(&var);
    case VT_BSTR: {
        const UINT n = ::SysStringLen(V_BSTR(this));
        return n == ::SysStringLen(V_BSTR(&var)) && (n == 0 || std::memcmp(V_BSTR(this), V_BSTR(&var), n * sizeof(WCHAR)) == 0);
    }
    case VT_ARRAY | VT_UI1: {
        DWORD n1 = 0, n2 = 0;
        const BYTE* p1 = BytesOf(*this, n1);
        const BYTE* p2 = BytesOf(var, n2);
        return n1 == n2 && (n1 == 0 || std::memcmp(p1, p2, n1) == 0);
    }
    default: return VarCmp(const_cast<COleVariant*>(this), const_cast<VARIANT*>(&var), LOCALE_USER_DEFAULT, 0) == VARCMP_EQ;
    }
}

CArchive& operator<<(CArchive& ar, const COleVariant& varSrc)
{
    ar << uint16_t(V_VT(&varSrc));
    switch (V_VT(&varSrc)) {
    case VT_EMPTY:
    case VT_NULL: break;
    case VT_UI1: ar << uint8_t(V_UI1(&varSrc)); break;
    case VT_I2: ar << uint16_t(V_I2(&varSrc)); break;
    case VT_BOOL: ar << uint16_t(V_BOOL(&varSrc)); break;
    case VT_I4: ar << int32_t(V_I4(&varSrc)); break;
    case VT_ERROR: ar << int32_t(V_ERROR(&varSrc)); break;
    case VT_R4: ar << V_R4(&varSrc); break;
    case VT_R8: ar << V_R8(&varSrc); break;
    case VT_DATE: ar << double(V_DATE(&varSrc)); break;
    case VT_BSTR: ar << varSrc.GetString(); break;
    case VT_ARRAY | VT_UI1: {
        DWORD nCount = 0;
        const BYTE* pBytes = BytesOf(varSrc, nCount);
        ar << uint32_t(nCount);
        ar.Write(pBytes, nCount);
        break;
    }
    default: AfxThrowArchiveException(CArchiveException::generic);
    }
    return ar;
}

CArchive& operator>>(CArchive& ar, COleVariant& varSrc)
{
    uint16_t wType = 0;
    ar >> wType;
    COleVariant value;
    switch (wType) {
    case VT_EMPTY: break;
    case VT_NULL: V_VT(&value) = VT_NULL; break;
    case VT_UI1: {
        uint8_t b = 0;
        ar >> b;
        value = COleVariant(BYTE(b));
        break;
    }
    case VT_I2:
    case VT_BOOL: {
        uint16_t w = 0;
        ar >> w;
        V_VT(&value) = wType;
        V_I2(&value) = SHORT(w); // a VT_BOOL shares these bytes
        break;
    }
    case VT_I4:
    case VT_ERROR: {
        int32_t l = 0;
        ar >> l;
        value = COleVariant(LONG(l), VARTYPE(wType));
        break;
    }
    case VT_R4: {
        float f = 0;
        ar >> f;
        value = COleVariant(f);
        break;
    }
    case VT_R8:
    case VT_DATE: {
        double d = 0;
        ar >> d;
        value = COleVariant(d);
        V_VT(&value) = wType;
        break;
    }
    case VT_BSTR: {
        CString text;
        ar >> text;
        value = COleVariant(LPCSTR(text));
        break;
    }
    case VT_ARRAY | VT_UI1: {
        uint32_t nCount = 0;
        ar >> nCount;
        ar.CheckAvailable(nCount);
        CByteArray bytes;
        bytes.SetSize(int(nCount));
        if (nCount != 0 && ar.Read(bytes.GetData(), nCount) != nCount)
            AfxThrowArchiveException(CArchiveException::endOfFile);
        value = COleVariant(bytes);
        break;
    }
    default: AfxThrowArchiveException(CArchiveException::generic);
    }
    varSrc = value;
    return ar;
}

// VARIANT user attributes and bitmaps from VARIANTs (see GXOleVarUserAttribute.h).
#include "grid/controls/GXOleVarUserAttribute.h"

#include "grid/engine/GXDIB.h"
#include "win/CDC.h"
#include "win/Win.h"

#include <cstring>

namespace {

// The pool and whether it still exists: an attribute outliving it (one destroyed at exit after the
// pool) frees its VARIANT itself.
struct VariantPoolHolder {
    CGXCaptiveManager<COleVariant> pool;
    static inline bool s_bAlive = false;
    VariantPoolHolder() { s_bAlive = true; }
    ~VariantPoolHolder() { s_bAlive = false; }
};

VariantPoolHolder& PoolHolder()
{
    static VariantPoolHolder holder;
    return holder;
}

// The little-endian values of a bitmap file's headers.
DWORD ReadDWord(const BYTE* p)
{
    return DWORD(p[0]) | (DWORD(p[1]) << 8) | (DWORD(p[2]) << 16) | (DWORD(p[3]) << 24);
}

WORD ReadWord(const BYTE* p)
{
    return WORD(p[0] | (p[1] << 8));
}

// Whether the nSize bytes at p (from "BM" on) hold a bitmap file whose headers, colour table and bits
// lie inside them.
bool IsWholeBitmapFile(const BYTE* p, size_t nSize)
{
    const size_t kFileHeader = 14, kInfoHeader = 40;
    if (nSize < kFileHeader + kInfoHeader)
        return false;
    const DWORD dwFileSize = ReadDWord(p + 2);
    const DWORD dwOffBits = ReadDWord(p + 10);
    const BYTE* pInfo = p + kFileHeader;
    const DWORD biSize = ReadDWord(pInfo);
    if (biSize < kInfoHeader || biSize > nSize - kFileHeader || dwFileSize > nSize)
        return false;
    const long long nWidth = LONG(ReadDWord(pInfo + 4));
    long long nHeight = LONG(ReadDWord(pInfo + 8));
    const WORD nBitCount = ReadWord(pInfo + 14);
    const DWORD dwCompression = ReadDWord(pInfo + 16);
    const DWORD dwSizeImage = ReadDWord(pInfo + 20);
    DWORD dwColors = ReadDWord(pInfo + 32);
    if (nWidth <= 0 || nHeight == 0 || nBitCount == 0 || nBitCount > 32)
        return false;
    if (nHeight < 0)
        nHeight = -nHeight;
    if (dwColors == 0 && nBitCount <= 8)
        dwColors = 1u << nBitCount;
    const unsigned long long nMasks = dwCompression == BI_BITFIELDS && biSize == kInfoHeader ? 12 : 0;
    const unsigned long long nTableEnd = kFileHeader + biSize + nMasks + 4ull * dwColors;
    if (nTableEnd > nSize)
        return false;
    const unsigned long long nStride = ((unsigned long long)nWidth * nBitCount + 31) / 32 * 4;
    const unsigned long long nBits =
        dwCompression == BI_RGB || dwCompression == BI_BITFIELDS ? nStride * (unsigned long long)nHeight : dwSizeImage;
    const unsigned long long nBitsStart = dwOffBits != 0 ? dwOffBits : nTableEnd;
    return nBitsStart >= nTableEnd - 4ull * dwColors && nBitsStart + nBits <= nSize;
}

}  // namespace

CGXCaptiveManager<COleVariant>& GXGetVariantPool()
{
    return PoolHolder().pool;
}

// ---- the attribute ---------------------------------------------------------------------------------------

IMPLEMENT_SERIAL(CGXOleVarUserAttribute, CGXAbstractUserAttribute, 0)

CGXOleVarUserAttribute::CGXOleVarUserAttribute() = default;

CGXOleVarUserAttribute::~CGXOleVarUserAttribute()
{
    if (m_pVariant == nullptr)
        return;
    if (VariantPoolHolder::s_bAlive)
        GXGetVariantPool().Release(m_pVariant);
    else
        m_pVariant->Clear();
}

void CGXOleVarUserAttribute::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (m_pVariant != nullptr ? *m_pVariant : COleVariant());
    } else {
        COleVariant var;
        ar >> var;
        SetVariant(var);
    }
}

CGXAbstractUserAttribute& CGXOleVarUserAttribute::SetValue(const char*)
{
    return *this;
}

CString CGXOleVarUserAttribute::GetValue() const
{
    return CString();
}

LONG CGXOleVarUserAttribute::GetLongValue() const
{
    return 0;
}

DWORD CGXOleVarUserAttribute::GetDWordValue() const
{
    return 0;
}

double CGXOleVarUserAttribute::GetDoubleValue() const
{
    return 0.0;
}

CGXAbstractUserAttribute* CGXOleVarUserAttribute::Clone() const
{
    std::unique_ptr<CGXOleVarUserAttribute> pClone(new CGXOleVarUserAttribute);
    pClone->m_nId = m_nId;
    if (m_pVariant != nullptr)
        pClone->SetVariant(*m_pVariant);
    return pClone.release();
}

BOOL CGXOleVarUserAttribute::IsEmpty() const
{
    return m_pVariant == nullptr || V_VT(m_pVariant) == VT_EMPTY;
}

BOOL CGXOleVarUserAttribute::IsEqualValue(const CGXAbstractUserAttribute& other) const
{
    const auto* pOther = dynamic_cast<const CGXOleVarUserAttribute*>(&other);
    return pOther != nullptr && m_nId == other.m_nId && m_pVariant == pOther->m_pVariant;
}

void CGXOleVarUserAttribute::SetVariant(const VARIANT& var)
{
    if (m_pVariant == nullptr)
        m_pVariant = GXGetVariantPool().Allocate();
    const HRESULT hr = ::VariantCopy(m_pVariant, const_cast<VARIANT*>(&var));
    if (FAILED(hr))
        AfxThrowOleException(hr);
}

// ---- bitmaps ---------------------------------------------------------------------------------------------

HGLOBAL VariantToDIB(const VARIANT& var, BOOL bKeepFileHeader)
{
    if (V_VT(&var) != (VT_ARRAY | VT_UI1) || V_ARRAY(&var) == nullptr)
        return nullptr;
    COleVariant copy(var);
    CByteArray bytes;
    copy.GetByteArray(bytes);
    const BYTE* pData = bytes.GetData();
    const size_t nSize = size_t(bytes.GetSize());
    size_t nStart = 0;
    while (nStart + 1 < nSize && !(pData[nStart] == 'B' && pData[nStart + 1] == 'M'))
        ++nStart;
    if (nStart + 1 >= nSize || !IsWholeBitmapFile(pData + nStart, nSize - nStart))
        return nullptr;
    if (!bKeepFileHeader)
        nStart += 14;
    HGLOBAL hDIB = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize - nStart);
    if (hDIB == nullptr)
        return nullptr;
    void* pDIB = ::GlobalLock(hDIB);
    std::memcpy(pDIB, pData + nStart, nSize - nStart);
    ::GlobalUnlock(hDIB);
    return hDIB;
}

HGLOBAL DrawVariantDIB(CDC* pDC, const VARIANT& var, const CRect& rect, int nMode, UINT nFlags, const CRect* pClip,
                       HGLOBAL hDIB, BOOL bFree)
{
    if (hDIB == nullptr)
        hDIB = VariantToDIB(var, FALSE);
    if (hDIB == nullptr)
        return nullptr;
    const int nSaved = pDC->SaveDC();
    if (pClip != nullptr)
        pDC->IntersectClipRect(pClip);
    DrawDIBInRect(pDC, hDIB, rect, nMode, nFlags);
    pDC->RestoreDC(nSaved);
    if (bFree) {
        ::GlobalFree(hDIB);
        return nullptr;
    }
    return hDIB;
}

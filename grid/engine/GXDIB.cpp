// Bitmap cells: the DIB pool, the DIB wrapper and DIB drawing (see GXDIB.h).
#include "grid/engine/GXDIB.h"

#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXState.h"
#include "win/Win.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

const size_t kPrefixLength = sizeof(GX_BITMAP_PREFIX) - 1;

// The size of the header and colour table that come before a DIB's bits.
size_t BitsOffset(const BITMAPINFOHEADER* pHeader)
{
    size_t nOffset = pHeader->biSize;
    // a 40-byte header of a BI_BITFIELDS bitmap is followed by its three colour masks
    if (pHeader->biSize == sizeof(BITMAPINFOHEADER) && pHeader->biCompression == BI_BITFIELDS)
        nOffset += 3 * sizeof(DWORD);
    return nOffset + size_t(GetDIBNumColors(pHeader)) * sizeof(RGBQUAD);
}

}  // namespace

// ---- CGXDIB -------------------------------------------------------------------------------------

CGXDIB::CGXDIB() : m_hDIB(nullptr), m_nColors(0), m_nWidth(0), m_nHeight(0), m_bGlobal(FALSE) {}

CGXDIB::~CGXDIB()
{
    Free();
}

BOOL CGXDIB::Attach(HGLOBAL hDIB)
{
    Free();
    if (hDIB == nullptr || ::GlobalSize(hDIB) < sizeof(BITMAPINFOHEADER))
        return FALSE;
    const auto* pHeader = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(hDIB));
    if (pHeader == nullptr)
        return FALSE;
    m_nColors = GetDIBNumColors(pHeader);
    m_nWidth = pHeader->biWidth;
    m_nHeight = std::abs(pHeader->biHeight);
    ::GlobalUnlock(hDIB);
    m_hDIB = hDIB;
    m_bGlobal = TRUE;
    return TRUE;
}

HGLOBAL CGXDIB::Detach()
{
    HGLOBAL hDIB = m_hDIB;
    m_hDIB = nullptr;
    m_nColors = m_nWidth = m_nHeight = 0;
    return hDIB;
}

void CGXDIB::Free()
{
    if (m_hDIB != nullptr) {
        if (m_bGlobal)
            ::GlobalFree(m_hDIB);
        else
            ::DeleteObject(m_hDIB);
    }
    m_hDIB = nullptr;
    m_nColors = m_nWidth = m_nHeight = 0;
    m_bGlobal = FALSE;
}

// ---- CGXDIBPool ---------------------------------------------------------------------------------

CGXDIBPool::CGXDIBPool() : m_map(10)
{
    RemoveAll();
}

CGXDIBPool::~CGXDIBPool()
{
    RemoveAll();
}

HGLOBAL CGXDIBPool::LookupDIB(const char* pszValue)
{
    CString strKey;
    LPCSTR lpszResource = ParseBitmapText(pszValue, strKey);
    if (lpszResource == nullptr)
        return nullptr;
    void* pHandle = nullptr;
    if (m_map.Lookup(strKey, pHandle))
        return static_cast<HGLOBAL>(pHandle);
    HGLOBAL hDIB = LoadBitmapResource(lpszResource);
    try {
        m_map.SetAt(strKey, hDIB);
    } catch (...) {
        if (hDIB != nullptr)
            ::GlobalFree(hDIB);
        throw;
    }
    return hDIB;
}

LPCSTR CGXDIBPool::ParseBitmapText(const char* pszValue, CString& strKey)
{
    strKey.Empty();
    if (pszValue == nullptr || std::strncmp(pszValue, GX_BITMAP_PREFIX, kPrefixLength) != 0)
        return nullptr;
    const char* p = pszValue + kPrefixLength;
    if (*p == '"') {
        const char* pEnd = std::strchr(p + 1, '"');
        if (pEnd == nullptr || pEnd == p + 1)
            return nullptr;
        strKey = CString(p + 1, int(pEnd - p - 1));
        return strKey.GetString();
    }
    const UINT nID = UINT(std::strtoul(p, nullptr, 10));
    if (nID == 0 || nID > 0xFFFF)
        return nullptr;
    strKey.Format("#%u", nID);
    return MAKEINTRESOURCEA(nID);
}

HGLOBAL CGXDIBPool::LoadBitmapResource(LPCSTR lpszResource)
{
    HGLOBAL hDIB = LoadResourceDIB(AfxGetResourceHandle(), lpszResource);
    if (hDIB == nullptr && AfxGetInstanceHandle() != AfxGetResourceHandle())
        hDIB = LoadResourceDIB(AfxGetInstanceHandle(), lpszResource);
    return hDIB;
}

void CGXDIBPool::FormatQuotedBitmapText(DWORD nValue, CString& strText)
{
    strText.Format("%s%c%u%c)", GX_BITMAP_PREFIX, '"', static_cast<unsigned>(nValue), '"');
}

void CGXDIBPool::FormatBitmapText(UINT nID, CString& strText)
{
    strText.Format("%s%u)", GX_BITMAP_PREFIX, nID);
}

void CGXDIBPool::RemoveAll()
{
    for (POSITION pos = m_map.GetStartPosition(); pos != nullptr;) {
        CString strKey;
        void* pHandle = nullptr;
        m_map.GetNextAssoc(pos, strKey, pHandle);
        if (pHandle != nullptr)
            ::GlobalFree(static_cast<HGLOBAL>(pHandle));
    }
    m_map.RemoveAll();
}

CGXDIBPool* GetDIBPool()
{
    GridLibraryState* pState = GXGetLibraryState();
    if (pState->m_pDIBPool == nullptr)
        AfxAllocating([&] { pState->m_pDIBPool = new CGXDIBPool; });
    return pState->m_pDIBPool;
}

// ---- drawing ----------------------------------------------------------------------------------------

void DrawDIBInRect(CDC* pDC, HGLOBAL hDIB, const CRect& rect, int nMode, UINT nFlags, const CRect* pSource)
{
    if (pDC == nullptr || hDIB == nullptr || ::GlobalSize(hDIB) < sizeof(BITMAPINFOHEADER))
        return;
    auto* pHeader = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(hDIB));
    if (pHeader == nullptr)
        return;
    const int nWidth = pHeader->biWidth;
    const int nHeight = std::abs(pHeader->biHeight);
    const size_t nOffset = BitsOffset(pHeader);
    if (nWidth <= 0 || nHeight <= 0 || nOffset >= ::GlobalSize(hDIB)) {
        ::GlobalUnlock(hDIB);
        return;
    }
    CRect source = pSource != nullptr ? *pSource : CRect(0, 0, nWidth, nHeight);
    CRect dest = rect;
    const int nSourceWidth = source.Width(), nSourceHeight = source.Height();
    // places an image of nW by nH inside rect by the alignment flags
    auto place = [&](int nW, int nH) {
        int x = rect.left, y = rect.top;
        if (nFlags & 1)
            x += (rect.Width() - nW) / 2;
        else if (nFlags & 2)
            x = rect.right - nW;
        if (nFlags & 4)
            y += (rect.Height() - nH) / 2;
        else if (nFlags & 8)
            y = rect.bottom - nH;
        return CRect(x, y, x + nW, y + nH);
    };
    if (nMode == 0) {
        // natural size: a larger image is cut, a smaller one placed
        if (rect.Width() < nSourceWidth)
            source.right = source.left + rect.Width();
        if (rect.Height() < nSourceHeight) {
            if (nFlags & 8)
                source.top = source.bottom - rect.Height();
            else
                source.bottom = source.top + rect.Height();
        }
        const CRect placed = place(source.Width(), source.Height());
        dest.SetRect(rect.Width() > nSourceWidth ? placed.left : rect.left,
                     rect.Height() > nSourceHeight ? placed.top : rect.top, 0, 0);
        dest.right = dest.left + source.Width();
        dest.bottom = dest.top + source.Height();
    } else if (nMode == 2 && nSourceWidth > 0 && nSourceHeight > 0) {
        const int64_t nScale = std::min(int64_t(rect.Width()) * 1000 / nSourceWidth,
                                        int64_t(rect.Height()) * 1000 / nSourceHeight);
        dest = place(int(nSourceWidth * nScale / 1000), int(nSourceHeight * nScale / 1000));
    }
    if (dest.Width() > 0 && dest.Height() > 0 && source.Width() > 0 && source.Height() > 0) {
        // a bottom-up DIB counts its source rows from the bottom
        const int ySource = pHeader->biHeight > 0 ? nHeight - source.bottom : source.top;
        ::StretchDIBits(pDC->m_hDC, dest.left, dest.top, dest.Width(), dest.Height(), source.left, ySource,
                        source.Width(), source.Height(), reinterpret_cast<const BYTE*>(pHeader) + nOffset,
                        reinterpret_cast<const BITMAPINFO*>(pHeader), DIB_RGB_COLORS, SRCCOPY);
    }
    ::GlobalUnlock(hDIB);
}

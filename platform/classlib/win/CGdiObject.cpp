#include "win/CGdiObject.h"

#include "win/ArgCheck.h"
#include "win/CDC.h"
#include "win/HandleMap.h"
#include "win/ResourceSource.h"

#include <cstring>

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNCREATE(CPen, CGdiObject)
IMPLEMENT_DYNCREATE(CBrush, CGdiObject)
IMPLEMENT_DYNCREATE(CFont, CGdiObject)
IMPLEMENT_DYNCREATE(CBitmap, CGdiObject)
IMPLEMENT_DYNCREATE(CPalette, CGdiObject)
IMPLEMENT_DYNCREATE(CRgn, CGdiObject)

namespace {

CHandleMap<HGDIOBJ, CGdiObject>& GdiMap()
{
    static CHandleMap<HGDIOBJ, CGdiObject> map;
    return map;
}

// The wrapper class for a handle of GDI object type nType.
CRuntimeClass* ClassForType(DWORD nType)
{
    switch (nType) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        return RUNTIME_CLASS(CPen);
    case OBJ_BRUSH:
        return RUNTIME_CLASS(CBrush);
    case OBJ_FONT:
        return RUNTIME_CLASS(CFont);
    case OBJ_BITMAP:
        return RUNTIME_CLASS(CBitmap);
    case OBJ_PAL:
        return RUNTIME_CLASS(CPalette);
    case OBJ_REGION:
        return RUNTIME_CLASS(CRgn);
    default:
        return RUNTIME_CLASS(CGdiObject);
    }
}

} // namespace

// ---- CGdiObject --------------------------------------------------------------------------------

CGdiObject::CGdiObject() : m_hObject(nullptr) {}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    return m_hObject;
}

CGdiObject* CGdiObject::FromHandleOf(HGDIOBJ hObject, CRuntimeClass* pClass)
{
    if (hObject == nullptr)
        return nullptr;
    CHandleMap<HGDIOBJ, CGdiObject>& map = GdiMap();
    CGdiObject* pObject = map.LookupPermanent(hObject);
    if (pObject != nullptr && pObject->IsKindOf(pClass))
        return pObject;
    pObject = map.LookupTemporary(hObject);
    if (pObject != nullptr && pObject->IsKindOf(pClass))
        return pObject;
    pObject = static_cast<CGdiObject*>(pClass->CreateObject());
    pObject->m_hObject = hObject;
    map.AddTemporary(hObject, pObject);
    return pObject;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return nullptr;
    return FromHandleOf(hObject, ClassForType(::GetObjectType(hObject)));
}

void CGdiObject::DeleteTempMap()
{
    GdiMap().DeleteTemps([](CGdiObject* pObject) { pObject->m_hObject = nullptr; });
}

size_t CGdiObject::GetTempCount()
{
    return GdiMap().GetTemporaryCount();
}

void CGdiObject::RequireEmpty(const char* lpszWhere) const
{
    if (m_hObject != nullptr)
        AfxThrowInvalidArgFormat("%s: the object already holds handle %p; delete or detach it first", lpszWhere,
                                 m_hObject);
}

BOOL CGdiObject::AttachCreated(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return FALSE;
    m_hObject = hObject;
    GdiMap().SetPermanent(hObject, this);
    return TRUE;
}

void CGdiObject::ThrowIfFailed(BOOL bCreated)
{
    if (!bCreated)
        AfxThrowResourceException();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    RequireEmpty("CGdiObject::Attach");
    return AttachCreated(hObject);
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != nullptr)
        GdiMap().Remove(hObject, this);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    HGDIOBJ hObject = Detach();
    // a temporary wrapper of another kind may still map this handle: the handle value can come back
    // for a new object, which must then get a fresh wrapper
    GdiMap().ForgetTemporary(hObject);
    return ::DeleteObject(hObject);
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    if (m_hObject == nullptr)
        return 0;
    if (nCount < 0)
        AfxThrowInvalidArgFormat("CGdiObject::GetObject: byte count %d is negative", nCount);
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return m_hObject == nullptr ? 0 : ::GetObjectType(m_hObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    RequireEmpty("CGdiObject::CreateStockObject");
    return AttachCreated(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject()
{
    return m_hObject != nullptr && ::UnrealizeObject(m_hObject);
}

// ---- CPen --------------------------------------------------------------------------------------

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    ThrowIfFailed(CreatePen(nPenStyle, nWidth, crColor));
}

CPen::CPen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount, const DWORD* lpStyle)
{
    ThrowIfFailed(CreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle));
}

CPen* CPen::FromHandle(HPEN hPen)
{
    return static_cast<CPen*>(FromHandleOf(hPen, RUNTIME_CLASS(CPen)));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    RequireEmpty("CPen::CreatePen");
    return AttachCreated(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount, const DWORD* lpStyle)
{
    RequireEmpty("CPen::CreatePen");
    AfxRequirePointer(pLogBrush, "CPen::CreatePen", "the brush description");
    if (nStyleCount < 0)
        AfxThrowInvalidArgFormat("CPen::CreatePen: dash count %d is negative", nStyleCount);
    if (nStyleCount > 0 && lpStyle == nullptr)
        AfxThrowInvalidArgFormat("CPen::CreatePen: %d dashes given without a dash array", nStyleCount);
    return AttachCreated(::ExtCreatePen(DWORD(nPenStyle), DWORD(nWidth), pLogBrush, DWORD(nStyleCount), lpStyle));
}

BOOL CPen::CreatePenIndirect(const LOGPEN* lpLogPen)
{
    RequireEmpty("CPen::CreatePenIndirect");
    AfxRequirePointer(lpLogPen, "CPen::CreatePenIndirect", "the pen description");
    return AttachCreated(::CreatePenIndirect(lpLogPen));
}

int CPen::GetLogPen(LOGPEN* pLogPen) const
{
    AfxRequirePointer(pLogPen, "CPen::GetLogPen", "the result");
    return GetObject(sizeof(LOGPEN), pLogPen);
}

int CPen::GetExtLogPen(EXTLOGPEN* pLogPen) const
{
    AfxRequirePointer(pLogPen, "CPen::GetExtLogPen", "the result");
    return GetObject(sizeof(EXTLOGPEN), pLogPen);
}

// ---- CBrush ------------------------------------------------------------------------------------

CBrush::CBrush(COLORREF crColor)
{
    ThrowIfFailed(CreateSolidBrush(crColor));
}

CBrush::CBrush(int nIndex, COLORREF crColor)
{
    ThrowIfFailed(CreateHatchBrush(nIndex, crColor));
}

CBrush::CBrush(CBitmap* pBitmap)
{
    ThrowIfFailed(CreatePatternBrush(pBitmap));
}

CBrush* CBrush::FromHandle(HBRUSH hBrush)
{
    return static_cast<CBrush*>(FromHandleOf(hBrush, RUNTIME_CLASS(CBrush)));
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    RequireEmpty("CBrush::CreateSolidBrush");
    return AttachCreated(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
    RequireEmpty("CBrush::CreateHatchBrush");
    return AttachCreated(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
{
    RequireEmpty("CBrush::CreateBrushIndirect");
    AfxRequirePointer(lpLogBrush, "CBrush::CreateBrushIndirect", "the brush description");
    return AttachCreated(::CreateBrushIndirect(lpLogBrush));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    RequireEmpty("CBrush::CreatePatternBrush");
    AfxRequirePointer(pBitmap, "CBrush::CreatePatternBrush", "the bitmap");
    return AttachCreated(::CreatePatternBrush(static_cast<HBITMAP>(pBitmap->m_hObject)));
}

BOOL CBrush::CreateDIBPatternBrush(HGLOBAL hPackedDIB, UINT nUsage)
{
    RequireEmpty("CBrush::CreateDIBPatternBrush");
    AfxRequirePointer(hPackedDIB, "CBrush::CreateDIBPatternBrush", "the DIB memory handle");
    const void* pBits = ::GlobalLock(hPackedDIB);
    if (pBits == nullptr)
        return FALSE;
    HBRUSH hBrush = ::CreateDIBPatternBrushPt(pBits, nUsage);
    ::GlobalUnlock(hPackedDIB);
    return AttachCreated(hBrush);
}

BOOL CBrush::CreateDIBPatternBrush(const void* lpPackedDIB, UINT nUsage)
{
    RequireEmpty("CBrush::CreateDIBPatternBrush");
    AfxRequirePointer(lpPackedDIB, "CBrush::CreateDIBPatternBrush", "the packed DIB");
    return AttachCreated(::CreateDIBPatternBrushPt(lpPackedDIB, nUsage));
}

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    RequireEmpty("CBrush::CreateSysColorBrush");
    return AttachCreated(::GetSysColorBrush(nIndex));
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) const
{
    AfxRequirePointer(pLogBrush, "CBrush::GetLogBrush", "the result");
    return GetObject(sizeof(LOGBRUSH), pLogBrush);
}

// ---- CFont -------------------------------------------------------------------------------------

CFont* CFont::FromHandle(HFONT hFont)
{
    return static_cast<CFont*>(FromHandleOf(hFont, RUNTIME_CLASS(CFont)));
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    RequireEmpty("CFont::CreateFontIndirect");
    AfxRequirePointer(lpLogFont, "CFont::CreateFontIndirect", "the font description");
    return AttachCreated(::CreateFontIndirectA(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCSTR lpszFacename)
{
    RequireEmpty("CFont::CreateFont");
    return AttachCreated(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                                       cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality,
                                       nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC)
{
    LOGFONTA logFont;
    std::memset(&logFont, 0, sizeof(logFont));
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    if (lpszFaceName != nullptr)
        ::lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    RequireEmpty("CFont::CreatePointFontIndirect");
    AfxRequirePointer(lpLogFont, "CFont::CreatePointFontIndirect", "the font description");
    HDC hDC = nullptr;
    HDC hScreen = nullptr;
    if (pDC != nullptr)
        hDC = pDC->m_hAttribDC != nullptr ? pDC->m_hAttribDC : pDC->m_hDC;
    if (hDC == nullptr)
        hDC = hScreen = ::GetDC(nullptr);

    LOGFONTA logFont = *lpLogFont;
    // tenths of a point -> device pixels -> logical units; a negative height asks for the character
    // height (the point size) rather than the cell height
    POINT pt[2] = {{0, 0}, {0, ::MulDiv(lpLogFont->lfHeight, ::GetDeviceCaps(hDC, LOGPIXELSY), 720)}};
    ::DPtoLP(hDC, pt, 2);
    LONG height = pt[1].y - pt[0].y;
    logFont.lfHeight = -(height < 0 ? -height : height);

    if (hScreen != nullptr)
        ::ReleaseDC(nullptr, hScreen);
    return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
    AfxRequirePointer(pLogFont, "CFont::GetLogFont", "the result");
    return GetObject(sizeof(LOGFONTA), pLogFont);
}

// ---- CBitmap -----------------------------------------------------------------------------------

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap)
{
    return static_cast<CBitmap*>(FromHandleOf(hBitmap, RUNTIME_CLASS(CBitmap)));
}

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName)
{
    RequireEmpty("CBitmap::LoadBitmap");
    AfxRequirePointer(lpszResourceName, "CBitmap::LoadBitmap", "the resource name");
    HINSTANCE hInst = AfxFindResourceHandleForLoad();
    HBITMAP hBitmap = ::LoadBitmapA(hInst, lpszResourceName);
    if (hBitmap == nullptr && hInst != AfxGetProgramModule())
        hBitmap = ::LoadBitmapA(AfxGetProgramModule(), lpszResourceName);
    return AttachCreated(hBitmap);
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCEA(nIDResource));
}

BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap)
{
    RequireEmpty("CBitmap::LoadOEMBitmap");
    return AttachCreated(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(nIDBitmap)));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
    RequireEmpty("CBitmap::CreateBitmap");
    return AttachCreated(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateBitmapIndirect(const BITMAP* lpBitmap)
{
    RequireEmpty("CBitmap::CreateBitmapIndirect");
    AfxRequirePointer(lpBitmap, "CBitmap::CreateBitmapIndirect", "the bitmap description");
    return AttachCreated(::CreateBitmapIndirect(lpBitmap));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    RequireEmpty("CBitmap::CreateCompatibleBitmap");
    AfxRequirePointer(pDC, "CBitmap::CreateCompatibleBitmap", "the device context");
    return AttachCreated(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight)
{
    RequireEmpty("CBitmap::CreateDiscardableBitmap");
    AfxRequirePointer(pDC, "CBitmap::CreateDiscardableBitmap", "the device context");
    return AttachCreated(::CreateDiscardableBitmap(pDC->m_hDC, nWidth, nHeight));
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const
{
    AfxRequirePointer(pBitMap, "CBitmap::GetBitmap", "the result");
    return GetObject(sizeof(BITMAP), pBitMap);
}

DWORD CBitmap::SetBitmapBits(DWORD dwCount, const void* lpBits)
{
    AfxRequirePointer(lpBits, "CBitmap::SetBitmapBits", "the bits");
    return ::SetBitmapBits(static_cast<HBITMAP>(m_hObject), dwCount, lpBits);
}

DWORD CBitmap::GetBitmapBits(DWORD dwCount, LPVOID lpBits) const
{
    AfxRequirePointer(lpBits, "CBitmap::GetBitmapBits", "the buffer");
    return ::GetBitmapBits(static_cast<HBITMAP>(m_hObject), LONG(dwCount), lpBits);
}

CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight)
{
    SIZE old = {0, 0};
    ::SetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), nWidth, nHeight, &old);
    return CSize(old);
}

CSize CBitmap::GetBitmapDimension() const
{
    SIZE size = {0, 0};
    ::GetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), &size);
    return CSize(size);
}

// ---- CPalette ----------------------------------------------------------------------------------

CPalette* CPalette::FromHandle(HPALETTE hPalette)
{
    return static_cast<CPalette*>(FromHandleOf(hPalette, RUNTIME_CLASS(CPalette)));
}

BOOL CPalette::CreatePalette(const LOGPALETTE* lpLogPalette)
{
    RequireEmpty("CPalette::CreatePalette");
    AfxRequirePointer(lpLogPalette, "CPalette::CreatePalette", "the palette description");
    return AttachCreated(::CreatePalette(lpLogPalette));
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC)
{
    RequireEmpty("CPalette::CreateHalftonePalette");
    HDC hDC = pDC != nullptr ? pDC->m_hDC : nullptr;
    HDC hScreen = nullptr;
    if (hDC == nullptr)
        hDC = hScreen = ::GetDC(nullptr);
    HPALETTE hPalette = ::CreateHalftonePalette(hDC);
    if (hScreen != nullptr)
        ::ReleaseDC(nullptr, hScreen);
    return AttachCreated(hPalette);
}

void CPalette::AnimatePalette(UINT nStartIndex, UINT nNumEntries, const PALETTEENTRY* lpPaletteColors)
{
    AfxRequirePointer(lpPaletteColors, "CPalette::AnimatePalette", "the colours");
    ::AnimatePalette(static_cast<HPALETTE>(m_hObject), nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::GetNearestPaletteIndex(COLORREF crColor) const
{
    if (m_hObject == nullptr)
        return CLR_INVALID;
    return ::GetNearestPaletteIndex(static_cast<HPALETTE>(m_hObject), crColor);
}

BOOL CPalette::ResizePalette(UINT nNumEntries)
{
    return ::ResizePalette(static_cast<HPALETTE>(m_hObject), nNumEntries);
}

int CPalette::GetEntryCount() const
{
    WORD nEntries = 0;
    if (m_hObject == nullptr || ::GetObjectA(m_hObject, sizeof(WORD), &nEntries) == 0)
        return 0;
    return nEntries;
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const
{
    AfxRequirePointer(lpPaletteColors, "CPalette::GetPaletteEntries", "the buffer");
    return ::GetPaletteEntries(static_cast<HPALETTE>(m_hObject), nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, const PALETTEENTRY* lpPaletteColors)
{
    AfxRequirePointer(lpPaletteColors, "CPalette::SetPaletteEntries", "the colours");
    return ::SetPaletteEntries(static_cast<HPALETTE>(m_hObject), nStartIndex, nNumEntries, lpPaletteColors);
}

// ---- CRgn --------------------------------------------------------------------------------------

CRgn* CRgn::FromHandle(HRGN hRgn)
{
    return static_cast<CRgn*>(FromHandleOf(hRgn, RUNTIME_CLASS(CRgn)));
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    RequireEmpty("CRgn::CreateRectRgn");
    return AttachCreated(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
    RequireEmpty("CRgn::CreateRectRgnIndirect");
    AfxRequirePointer(lpRect, "CRgn::CreateRectRgnIndirect", "the rectangle");
    return AttachCreated(::CreateRectRgnIndirect(lpRect));
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    RequireEmpty("CRgn::CreateEllipticRgn");
    return AttachCreated(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT lpRect)
{
    RequireEmpty("CRgn::CreateEllipticRgnIndirect");
    AfxRequirePointer(lpRect, "CRgn::CreateEllipticRgnIndirect", "the rectangle");
    return AttachCreated(::CreateEllipticRgnIndirect(lpRect));
}

BOOL CRgn::CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode)
{
    RequireEmpty("CRgn::CreatePolygonRgn");
    AfxRequirePointer(lpPoints, "CRgn::CreatePolygonRgn", "the points");
    if (nCount < 1)
        AfxThrowInvalidArgFormat("CRgn::CreatePolygonRgn: point count %d is below 1", nCount);
    return AttachCreated(::CreatePolygonRgn(lpPoints, nCount, nMode));
}

BOOL CRgn::CreatePolyPolygonRgn(const POINT* lpPoints, const INT* lpPolyCounts, int nCount, int nPolyFillMode)
{
    RequireEmpty("CRgn::CreatePolyPolygonRgn");
    AfxRequirePointer(lpPoints, "CRgn::CreatePolyPolygonRgn", "the points");
    AfxRequirePointer(lpPolyCounts, "CRgn::CreatePolyPolygonRgn", "the point counts");
    if (nCount < 1)
        AfxThrowInvalidArgFormat("CRgn::CreatePolyPolygonRgn: polygon count %d is below 1", nCount);
    return AttachCreated(::CreatePolyPolygonRgn(lpPoints, lpPolyCounts, nCount, nPolyFillMode));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
    RequireEmpty("CRgn::CreateRoundRectRgn");
    return AttachCreated(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}

BOOL CRgn::CreateFromPath(CDC* pDC)
{
    RequireEmpty("CRgn::CreateFromPath");
    AfxRequirePointer(pDC, "CRgn::CreateFromPath", "the device context");
    return AttachCreated(::PathToRegion(pDC->m_hDC));
}

BOOL CRgn::CreateFromData(const XFORM* lpXForm, int nCount, const RGNDATA* pRgnData)
{
    RequireEmpty("CRgn::CreateFromData");
    AfxRequirePointer(pRgnData, "CRgn::CreateFromData", "the region data");
    if (nCount < int(sizeof(RGNDATAHEADER)))
        AfxThrowInvalidArgFormat("CRgn::CreateFromData: byte count %d is smaller than the data header", nCount);
    return AttachCreated(::ExtCreateRegion(lpXForm, DWORD(nCount), pRgnData));
}

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode)
{
    AfxRequirePointer(pRgn1, "CRgn::CombineRgn", "the first region");
    if (nCombineMode != RGN_COPY)
        AfxRequirePointer(pRgn2, "CRgn::CombineRgn", "the second region");
    return ::CombineRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(pRgn1->m_hObject),
                        pRgn2 != nullptr ? static_cast<HRGN>(pRgn2->m_hObject) : nullptr, nCombineMode);
}

int CRgn::CopyRgn(const CRgn* pRgnSrc)
{
    return CombineRgn(pRgnSrc, nullptr, RGN_COPY);
}

BOOL CRgn::EqualRgn(const CRgn* pRgn) const
{
    AfxRequirePointer(pRgn, "CRgn::EqualRgn", "the other region");
    return ::EqualRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(pRgn->m_hObject));
}

int CRgn::OffsetRgn(int x, int y)
{
    return ::OffsetRgn(static_cast<HRGN>(m_hObject), x, y);
}

int CRgn::GetRgnBox(LPRECT lpRect) const
{
    AfxRequirePointer(lpRect, "CRgn::GetRgnBox", "the result");
    return ::GetRgnBox(static_cast<HRGN>(m_hObject), lpRect);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    return ::PtInRegion(static_cast<HRGN>(m_hObject), x, y);
}

BOOL CRgn::RectInRegion(LPCRECT lpRect) const
{
    AfxRequirePointer(lpRect, "CRgn::RectInRegion", "the rectangle");
    return ::RectInRegion(static_cast<HRGN>(m_hObject), lpRect);
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2)
{
    ::SetRectRgn(static_cast<HRGN>(m_hObject), x1, y1, x2, y2);
}

void CRgn::SetRectRgn(LPCRECT lpRect)
{
    AfxRequirePointer(lpRect, "CRgn::SetRectRgn", "the rectangle");
    SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CRgn::GetRegionData(LPRGNDATA lpRgnData, int nDataSize) const
{
    if (nDataSize < 0)
        AfxThrowInvalidArgFormat("CRgn::GetRegionData: byte count %d is negative", nDataSize);
    return int(::GetRegionData(static_cast<HRGN>(m_hObject), DWORD(nDataSize), lpRgnData));
}

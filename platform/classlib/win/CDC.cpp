#include "win/CDC.h"

#include "win/ArgCheck.h"
#include "win/HandleMap.h"

#include <cstdlib>

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNCREATE(CMetaFileDC, CDC)

namespace {

CHandleMap<HDC, CDC>& DCMap()
{
    static CHandleMap<HDC, CDC> map;
    return map;
}

// Applies f to the output DC (when it differs from the attribute DC) and then to the attribute DC;
// returns the attribute DC's result, or the output DC's when there is no attribute DC.
template <class F>
auto BothDCs(HDC hOutput, HDC hAttrib, F f) -> decltype(f(hAttrib))
{
    decltype(f(hAttrib)) result{};
    if (hOutput != nullptr && hOutput != hAttrib)
        result = f(hOutput);
    if (hAttrib != nullptr)
        result = f(hAttrib);
    return result;
}

void RequireCount(int nCount, const char* lpszWhere)
{
    if (nCount < 0)
        AfxThrowInvalidArgFormat("%s: count %d is negative", lpszWhere, nCount);
}

// A text argument: nCount bytes at lpsz (lpsz may be null only when there are none).
void RequireText(LPCSTR lpsz, int nCount, const char* lpszWhere)
{
    RequireCount(nCount, lpszWhere);
    if (nCount > 0 && lpsz == nullptr)
        AfxThrowInvalidArgFormat("%s: the text is null but its length is %d", lpszWhere, nCount);
}

// A point array of nCount points (at least nMin).
void RequirePoints(const POINT* lpPoints, int nCount, int nMin, const char* lpszWhere)
{
    if (nCount < nMin)
        AfxThrowInvalidArgFormat("%s: point count %d is below %d", lpszWhere, nCount, nMin);
    if (nCount > 0)
        AfxRequirePointer(lpPoints, lpszWhere, "the points");
}

HGDIOBJ HandleOf(const CGdiObject* pObject)
{
    return pObject != nullptr ? pObject->m_hObject : nullptr;
}

} // namespace

// ---- handles and life --------------------------------------------------------------------------

CDC::CDC() : m_hDC(nullptr), m_hAttribDC(nullptr), m_bPrinting(FALSE) {}

CDC::~CDC()
{
    DeleteDC();
}

CDC* CDC::FromHandle(HDC hDC)
{
    if (hDC == nullptr)
        return nullptr;
    CHandleMap<HDC, CDC>& map = DCMap();
    CDC* pDC = map.LookupPermanent(hDC);
    if (pDC == nullptr)
        pDC = map.LookupTemporary(hDC);
    if (pDC == nullptr) {
        pDC = new CDC;
        pDC->m_hDC = pDC->m_hAttribDC = hDC;
        map.AddTemporary(hDC, pDC);
    }
    return pDC;
}

void CDC::DeleteTempMap()
{
    DCMap().DeleteTemps([](CDC* pDC) { pDC->m_hDC = pDC->m_hAttribDC = nullptr; });
}

size_t CDC::GetTempCount()
{
    return DCMap().GetTemporaryCount();
}

BOOL CDC::Attach(HDC hDC)
{
    if (m_hDC != nullptr)
        AfxThrowInvalidArgFormat("CDC::Attach: the object already holds DC %p; delete or detach it first", m_hDC);
    if (hDC == nullptr)
        return FALSE;
    SetOutputDC(hDC);
    SetAttribDC(hDC);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    ReleaseOutputDC();
    ReleaseAttribDC();
    m_savedLevels.clear();
    return hDC;
}

void CDC::SetAttribDC(HDC hDC)
{
    m_hAttribDC = hDC;
}

void CDC::SetOutputDC(HDC hDC)
{
    if (m_hDC != nullptr)
        DCMap().Remove(m_hDC, this);
    m_hDC = hDC;
    if (hDC != nullptr)
        DCMap().SetPermanent(hDC, this);
}

void CDC::ReleaseAttribDC()
{
    m_hAttribDC = nullptr;
}

void CDC::ReleaseOutputDC()
{
    if (m_hDC != nullptr)
        DCMap().Remove(m_hDC, this);
    m_hDC = nullptr;
}

BOOL CDC::CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const DEVMODEA* lpInitData)
{
    if (m_hDC != nullptr)
        AfxThrowInvalidArgFormat("CDC::CreateDC: the object already holds DC %p; delete or detach it first", m_hDC);
    return Attach(::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, lpInitData));
}

BOOL CDC::CreateIC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const DEVMODEA* lpInitData)
{
    if (m_hDC != nullptr)
        AfxThrowInvalidArgFormat("CDC::CreateIC: the object already holds DC %p; delete or detach it first", m_hDC);
    return Attach(::CreateICA(lpszDriverName, lpszDeviceName, lpszOutput, lpInitData));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    if (m_hDC != nullptr)
        AfxThrowInvalidArgFormat("CDC::CreateCompatibleDC: the object already holds DC %p; delete or detach it first",
                                 m_hDC);
    return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC()
{
    HDC hOther = OtherOutput();
    if (hOther == nullptr || m_hAttribDC == nullptr)
        return GetSafeHdc() != nullptr ? ::SaveDC(GetSafeHdc()) : 0;
    int nAttrib = ::SaveDC(m_hAttribDC);
    if (nAttrib == 0)
        return 0;
    int nOutput = ::SaveDC(hOther);
    if (nOutput == 0) {
        ::RestoreDC(m_hAttribDC, -1);
        return 0;
    }
    m_savedLevels.push_back({nOutput, nAttrib});
    return nOutput;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    HDC hOther = OtherOutput();
    if (hOther == nullptr || m_hAttribDC == nullptr)
        return GetSafeHdc() != nullptr && ::RestoreDC(GetSafeHdc(), nSavedDC);
    int nAttrib = nSavedDC;
    if (nSavedDC < 0) {
        size_t nDrop = size_t(-int64_t(nSavedDC));
        m_savedLevels.resize(m_savedLevels.size() > nDrop ? m_savedLevels.size() - nDrop : 0);
    } else {
        // the two DCs may have been saved to different depths before they were paired here
        for (size_t i = m_savedLevels.size(); i-- > 0;) {
            if (m_savedLevels[i].nOutput == nSavedDC) {
                nAttrib = m_savedLevels[i].nAttrib;
                m_savedLevels.resize(i);
                break;
            }
        }
    }
    BOOL bOutput = ::RestoreDC(hOther, nSavedDC);
    BOOL bAttrib = ::RestoreDC(m_hAttribDC, nAttrib);
    return bOutput && bAttrib;
}

int CDC::GetDeviceCaps(int nIndex) const
{
    const HDC hDC = AttribOrOutput();
    const CDC* pHolder = hDC != nullptr ? DCMap().LookupPermanent(hDC) : nullptr;
    if (pHolder != nullptr && pHolder != this && pHolder->AttribOrOutput() == hDC)
        return pHolder->GetDeviceCaps(nIndex);
    return ::GetDeviceCaps(hDC, nIndex);
}

BOOL CDC::ResetDC(const DEVMODEA* lpDevMode)
{
    AfxRequirePointer(lpDevMode, "CDC::ResetDC", "the device mode");
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return BOOL(::ResetDCA(h, lpDevMode) != nullptr); });
}

CPoint CDC::GetBrushOrg() const
{
    POINT point = {0, 0};
    ::GetBrushOrgEx(GetSafeHdc(), &point);
    return CPoint(point);
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT point = {0, 0};
    ::SetBrushOrgEx(GetSafeHdc(), x, y, &point);
    return CPoint(point);
}

// ---- selection ---------------------------------------------------------------------------------

HGDIOBJ CDC::SelectBoth(HGDIOBJ hObject)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::SelectObject(h, hObject); });
}

CPen* CDC::SelectObject(CPen* pPen)
{
    if (pPen == nullptr || pPen->m_hObject == nullptr)
        return nullptr;
    return CPen::FromHandle(static_cast<HPEN>(SelectBoth(pPen->m_hObject)));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    if (pBrush == nullptr || pBrush->m_hObject == nullptr)
        return nullptr;
    return CBrush::FromHandle(static_cast<HBRUSH>(SelectBoth(pBrush->m_hObject)));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    if (pFont == nullptr || pFont->m_hObject == nullptr)
        return nullptr;
    return CFont::FromHandle(static_cast<HFONT>(SelectBoth(pFont->m_hObject)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    if (pBitmap == nullptr || pBitmap->m_hObject == nullptr)
        return nullptr;
    return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(GetSafeHdc(), pBitmap->m_hObject)));
}

int CDC::SelectObject(CRgn* pRgn)
{
    if (pRgn == nullptr || pRgn->m_hObject == nullptr)
        return ERROR;
    return SelectClipRgn(pRgn);
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return nullptr;
    switch (::GetObjectType(hObject)) {
    case OBJ_BITMAP:
        return ::SelectObject(GetSafeHdc(), hObject);
    case OBJ_REGION:
        // as Win32's SelectObject: the region type in place of a previous object
        return reinterpret_cast<HGDIOBJ>(INT_PTR(
            BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::SelectClipRgn(h, static_cast<HRGN>(hObject)); })));
    default:
        return SelectBoth(hObject);
    }
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    if (pObject == nullptr || pObject->m_hObject == nullptr)
        return nullptr;
    if (pObject->GetObjectType() == OBJ_REGION) {
        SelectObject(pObject->m_hObject);
        return nullptr;
    }
    return CGdiObject::FromHandle(SelectObject(pObject->m_hObject));
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    HGDIOBJ hObject = ::GetStockObject(nIndex);
    if (hObject == nullptr)
        return nullptr;
    return CGdiObject::FromHandle(SelectObject(hObject));
}

CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(GetSafeHdc(), OBJ_PEN)));
}

CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(GetSafeHdc(), OBJ_BRUSH)));
}

CPalette* CDC::GetCurrentPalette() const
{
    return CPalette::FromHandle(static_cast<HPALETTE>(::GetCurrentObject(GetSafeHdc(), OBJ_PAL)));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(GetSafeHdc(), OBJ_FONT)));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(GetSafeHdc(), OBJ_BITMAP)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    if (pPalette == nullptr || pPalette->m_hObject == nullptr)
        return nullptr;
    return CPalette::FromHandle(
        ::SelectPalette(GetSafeHdc(), static_cast<HPALETTE>(pPalette->m_hObject), bForceBackground));
}

UINT CDC::RealizePalette()
{
    return ::RealizePalette(GetSafeHdc());
}

// ---- colours and modes -------------------------------------------------------------------------

COLORREF CDC::GetNearestColor(COLORREF crColor) const
{
    return ::GetNearestColor(AttribOrOutput(), crColor);
}

COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(AttribOrOutput());
}

int CDC::GetBkMode() const
{
    return ::GetBkMode(AttribOrOutput());
}

int CDC::GetPolyFillMode() const
{
    return ::GetPolyFillMode(AttribOrOutput());
}

int CDC::GetROP2() const
{
    return ::GetROP2(AttribOrOutput());
}

int CDC::GetStretchBltMode() const
{
    return ::GetStretchBltMode(AttribOrOutput());
}

COLORREF CDC::GetTextColor() const
{
    return ::GetTextColor(AttribOrOutput());
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::SetBkColor(h, crColor); });
}

int CDC::SetBkMode(int nBkMode)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::SetBkMode(h, nBkMode); });
}

int CDC::SetPolyFillMode(int nPolyFillMode)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::SetPolyFillMode(h, nPolyFillMode); });
}

int CDC::SetROP2(int nDrawMode)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::SetROP2(h, nDrawMode); });
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::SetStretchBltMode(h, nStretchMode); });
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::SetTextColor(h, crColor); });
}

// ---- mapping -----------------------------------------------------------------------------------

int CDC::GetMapMode() const
{
    return ::GetMapMode(AttribOrOutput());
}

int CDC::SetMapMode(int nMapMode)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::SetMapMode(h, nMapMode); });
}

CPoint CDC::GetViewportOrg() const
{
    POINT point = {0, 0};
    ::GetViewportOrgEx(AttribOrOutput(), &point);
    return CPoint(point);
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) {
        POINT point = {0, 0};
        ::SetViewportOrgEx(h, x, y, &point);
        return CPoint(point);
    });
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) {
        POINT point = {0, 0};
        ::OffsetViewportOrgEx(h, nWidth, nHeight, &point);
        return CPoint(point);
    });
}

CSize CDC::GetViewportExt() const
{
    SIZE size = {0, 0};
    ::GetViewportExtEx(AttribOrOutput(), &size);
    return CSize(size);
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) {
        SIZE size = {0, 0};
        ::SetViewportExtEx(h, cx, cy, &size);
        return CSize(size);
    });
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) {
        SIZE size = {0, 0};
        ::ScaleViewportExtEx(h, xNum, xDenom, yNum, yDenom, &size);
        return CSize(size);
    });
}

CPoint CDC::GetWindowOrg() const
{
    POINT point = {0, 0};
    ::GetWindowOrgEx(AttribOrOutput(), &point);
    return CPoint(point);
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) {
        POINT point = {0, 0};
        ::SetWindowOrgEx(h, x, y, &point);
        return CPoint(point);
    });
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) {
        POINT point = {0, 0};
        ::OffsetWindowOrgEx(h, nWidth, nHeight, &point);
        return CPoint(point);
    });
}

CSize CDC::GetWindowExt() const
{
    SIZE size = {0, 0};
    ::GetWindowExtEx(AttribOrOutput(), &size);
    return CSize(size);
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) {
        SIZE size = {0, 0};
        ::SetWindowExtEx(h, cx, cy, &size);
        return CSize(size);
    });
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) {
        SIZE size = {0, 0};
        ::ScaleWindowExtEx(h, xNum, xDenom, yNum, yDenom, &size);
        return CSize(size);
    });
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    RequirePoints(lpPoints, nCount, 0, "CDC::DPtoLP");
    ::DPtoLP(AttribOrOutput(), lpPoints, nCount);
}

void CDC::DPtoLP(LPRECT lpRect) const
{
    AfxRequirePointer(lpRect, "CDC::DPtoLP", "the rectangle");
    ::DPtoLP(AttribOrOutput(), reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::DPtoLP(LPSIZE lpSize) const
{
    AfxRequirePointer(lpSize, "CDC::DPtoLP", "the size");
    CSize viewport = GetViewportExt();
    CSize window = GetWindowExt();
    if (viewport.cx == 0 || viewport.cy == 0)
        return;
    lpSize->cx = ::MulDiv(lpSize->cx, std::abs(int(window.cx)), std::abs(int(viewport.cx)));
    lpSize->cy = ::MulDiv(lpSize->cy, std::abs(int(window.cy)), std::abs(int(viewport.cy)));
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    RequirePoints(lpPoints, nCount, 0, "CDC::LPtoDP");
    ::LPtoDP(AttribOrOutput(), lpPoints, nCount);
}

void CDC::LPtoDP(LPRECT lpRect) const
{
    AfxRequirePointer(lpRect, "CDC::LPtoDP", "the rectangle");
    ::LPtoDP(AttribOrOutput(), reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    AfxRequirePointer(lpSize, "CDC::LPtoDP", "the size");
    CSize viewport = GetViewportExt();
    CSize window = GetWindowExt();
    if (window.cx == 0 || window.cy == 0)
        return;
    lpSize->cx = ::MulDiv(lpSize->cx, std::abs(int(viewport.cx)), std::abs(int(window.cx)));
    lpSize->cy = ::MulDiv(lpSize->cy, std::abs(int(viewport.cy)), std::abs(int(window.cy)));
}

// ---- regions and clipping ----------------------------------------------------------------------

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    AfxRequirePointer(pRgn, "CDC::FillRgn", "the region");
    AfxRequirePointer(pBrush, "CDC::FillRgn", "the brush");
    return ::FillRgn(GetSafeHdc(), static_cast<HRGN>(pRgn->m_hObject), static_cast<HBRUSH>(pBrush->m_hObject));
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    AfxRequirePointer(pRgn, "CDC::FrameRgn", "the region");
    AfxRequirePointer(pBrush, "CDC::FrameRgn", "the brush");
    return ::FrameRgn(GetSafeHdc(), static_cast<HRGN>(pRgn->m_hObject), static_cast<HBRUSH>(pBrush->m_hObject),
                      nWidth, nHeight);
}

BOOL CDC::InvertRgn(CRgn* pRgn)
{
    AfxRequirePointer(pRgn, "CDC::InvertRgn", "the region");
    return ::InvertRgn(GetSafeHdc(), static_cast<HRGN>(pRgn->m_hObject));
}

BOOL CDC::PaintRgn(CRgn* pRgn)
{
    AfxRequirePointer(pRgn, "CDC::PaintRgn", "the region");
    return ::PaintRgn(GetSafeHdc(), static_cast<HRGN>(pRgn->m_hObject));
}

int CDC::GetClipBox(LPRECT lpRect) const
{
    AfxRequirePointer(lpRect, "CDC::GetClipBox", "the result");
    return ::GetClipBox(GetSafeHdc(), lpRect);
}

BOOL CDC::PtVisible(int x, int y) const
{
    return ::PtVisible(GetSafeHdc(), x, y);
}

BOOL CDC::RectVisible(LPCRECT lpRect) const
{
    AfxRequirePointer(lpRect, "CDC::RectVisible", "the rectangle");
    return ::RectVisible(GetSafeHdc(), lpRect);
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    HRGN hRgn = static_cast<HRGN>(HandleOf(pRgn));
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::SelectClipRgn(h, hRgn); });
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    HRGN hRgn = static_cast<HRGN>(HandleOf(pRgn));
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::ExtSelectClipRgn(h, hRgn, nMode); });
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::ExcludeClipRect(h, x1, y1, x2, y2); });
}

int CDC::ExcludeClipRect(LPCRECT lpRect)
{
    AfxRequirePointer(lpRect, "CDC::ExcludeClipRect", "the rectangle");
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::IntersectClipRect(h, x1, y1, x2, y2); });
}

int CDC::IntersectClipRect(LPCRECT lpRect)
{
    AfxRequirePointer(lpRect, "CDC::IntersectClipRect", "the rectangle");
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::OffsetClipRgn(int x, int y)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::OffsetClipRgn(h, x, y); });
}

// ---- lines -------------------------------------------------------------------------------------

CPoint CDC::GetCurrentPosition() const
{
    POINT point = {0, 0};
    ::GetCurrentPositionEx(AttribOrOutput(), &point);
    return CPoint(point);
}

CPoint CDC::MoveTo(int x, int y)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) {
        POINT point = {0, 0};
        ::MoveToEx(h, x, y, &point);
        return CPoint(point);
    });
}

BOOL CDC::LineTo(int x, int y)
{
    if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, nullptr);
    return ::LineTo(GetSafeHdc(), x, y);
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Arc(GetSafeHdc(), x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    AfxRequirePointer(lpRect, "CDC::Arc", "the rectangle");
    return Arc(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x, ptEnd.y);
}

namespace {

// After a call that moved the output DC's current position, moves the attribute DC's there too.
void FollowPosition(HDC hOutput, HDC hAttrib)
{
    if (hAttrib == nullptr || hOutput == nullptr || hAttrib == hOutput)
        return;
    POINT point;
    if (::GetCurrentPositionEx(hOutput, &point))
        ::MoveToEx(hAttrib, point.x, point.y, nullptr);
}

} // namespace

BOOL CDC::ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    BOOL bDone = ::ArcTo(GetSafeHdc(), x1, y1, x2, y2, x3, y3, x4, y4);
    FollowPosition(m_hDC, m_hAttribDC);
    return bDone;
}

BOOL CDC::AngleArc(int x, int y, int nRadius, float fStartAngle, float fSweepAngle)
{
    if (nRadius < 0)
        AfxThrowInvalidArgFormat("CDC::AngleArc: radius %d is negative", nRadius);
    BOOL bDone = ::AngleArc(GetSafeHdc(), x, y, DWORD(nRadius), fStartAngle, fSweepAngle);
    FollowPosition(m_hDC, m_hAttribDC);
    return bDone;
}

int CDC::GetArcDirection() const
{
    return ::GetArcDirection(AttribOrOutput());
}

int CDC::SetArcDirection(int nArcDirection)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::SetArcDirection(h, nArcDirection); });
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
    RequirePoints(lpPoints, nCount, 0, "CDC::Polyline");
    return ::Polyline(GetSafeHdc(), lpPoints, nCount);
}

BOOL CDC::PolylineTo(const POINT* lpPoints, int nCount)
{
    RequirePoints(lpPoints, nCount, 0, "CDC::PolylineTo");
    BOOL bDone = ::PolylineTo(GetSafeHdc(), lpPoints, DWORD(nCount));
    FollowPosition(m_hDC, m_hAttribDC);
    return bDone;
}

BOOL CDC::PolyPolyline(const POINT* lpPoints, const DWORD* lpPolyPoints, int nCount)
{
    RequireCount(nCount, "CDC::PolyPolyline");
    if (nCount > 0) {
        AfxRequirePointer(lpPoints, "CDC::PolyPolyline", "the points");
        AfxRequirePointer(lpPolyPoints, "CDC::PolyPolyline", "the point counts");
    }
    return ::PolyPolyline(GetSafeHdc(), lpPoints, lpPolyPoints, DWORD(nCount));
}

BOOL CDC::PolyBezier(const POINT* lpPoints, int nCount)
{
    RequirePoints(lpPoints, nCount, 0, "CDC::PolyBezier");
    return ::PolyBezier(GetSafeHdc(), lpPoints, DWORD(nCount));
}

BOOL CDC::PolyBezierTo(const POINT* lpPoints, int nCount)
{
    RequirePoints(lpPoints, nCount, 0, "CDC::PolyBezierTo");
    BOOL bDone = ::PolyBezierTo(GetSafeHdc(), lpPoints, DWORD(nCount));
    FollowPosition(m_hDC, m_hAttribDC);
    return bDone;
}

// ---- shapes ------------------------------------------------------------------------------------

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    AfxRequirePointer(lpRect, "CDC::FillRect", "the rectangle");
    AfxRequirePointer(pBrush, "CDC::FillRect", "the brush");
    ::FillRect(GetSafeHdc(), lpRect, static_cast<HBRUSH>(pBrush->m_hObject));
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    AfxRequirePointer(lpRect, "CDC::FrameRect", "the rectangle");
    AfxRequirePointer(pBrush, "CDC::FrameRect", "the brush");
    ::FrameRect(GetSafeHdc(), lpRect, static_cast<HBRUSH>(pBrush->m_hObject));
}

void CDC::InvertRect(LPCRECT lpRect)
{
    AfxRequirePointer(lpRect, "CDC::InvertRect", "the rectangle");
    ::InvertRect(GetSafeHdc(), lpRect);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    AfxRequirePointer(lpRect, "CDC::DrawFocusRect", "the rectangle");
    ::DrawFocusRect(GetSafeHdc(), lpRect);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return ::DrawIcon(GetSafeHdc(), x, y, hIcon);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    AfxRequirePointer(lpRect, "CDC::DrawEdge", "the rectangle");
    return ::DrawEdge(GetSafeHdc(), lpRect, nEdge, nFlags);
}

BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
    AfxRequirePointer(lpRect, "CDC::DrawFrameControl", "the rectangle");
    return ::DrawFrameControl(GetSafeHdc(), lpRect, nType, nState);
}

BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Chord(GetSafeHdc(), x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Chord(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    AfxRequirePointer(lpRect, "CDC::Chord", "the rectangle");
    return Chord(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x, ptEnd.y);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    return ::Ellipse(GetSafeHdc(), x1, y1, x2, y2);
}

BOOL CDC::Ellipse(LPCRECT lpRect)
{
    AfxRequirePointer(lpRect, "CDC::Ellipse", "the rectangle");
    return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Pie(GetSafeHdc(), x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Pie(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    AfxRequirePointer(lpRect, "CDC::Pie", "the rectangle");
    return Pie(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x, ptEnd.y);
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
    RequirePoints(lpPoints, nCount, 0, "CDC::Polygon");
    return ::Polygon(GetSafeHdc(), lpPoints, nCount);
}

BOOL CDC::PolyPolygon(const POINT* lpPoints, const INT* lpPolyCounts, int nCount)
{
    RequireCount(nCount, "CDC::PolyPolygon");
    if (nCount > 0) {
        AfxRequirePointer(lpPoints, "CDC::PolyPolygon", "the points");
        AfxRequirePointer(lpPolyCounts, "CDC::PolyPolygon", "the point counts");
    }
    return ::PolyPolygon(GetSafeHdc(), lpPoints, lpPolyCounts, nCount);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return ::Rectangle(GetSafeHdc(), x1, y1, x2, y2);
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    AfxRequirePointer(lpRect, "CDC::Rectangle", "the rectangle");
    return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return ::RoundRect(GetSafeHdc(), x1, y1, x2, y2, x3, y3);
}

BOOL CDC::RoundRect(LPCRECT lpRect, POINT point)
{
    AfxRequirePointer(lpRect, "CDC::RoundRect", "the rectangle");
    return RoundRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
}

// ---- bitmaps and pixels ------------------------------------------------------------------------

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(GetSafeHdc(), x, y, nWidth, nHeight, dwRop);
}

BOOL CDC::PatBlt(LPCRECT lpRect, DWORD dwRop)
{
    AfxRequirePointer(lpRect, "CDC::PatBlt", "the rectangle");
    return PatBlt(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, dwRop);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(GetSafeHdc(), x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->GetSafeHdc() : nullptr, xSrc,
                    ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(GetSafeHdc(), x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->GetSafeHdc() : nullptr,
                        xSrc, ySrc, nSrcWidth, nSrcHeight, dwRop);
}

BOOL CDC::MaskBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, CBitmap& maskBitmap,
                  int xMask, int yMask, DWORD dwRop)
{
    return ::MaskBlt(GetSafeHdc(), x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->GetSafeHdc() : nullptr, xSrc,
                     ySrc, static_cast<HBITMAP>(maskBitmap.m_hObject), xMask, yMask, dwRop);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(GetSafeHdc(), x, y);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return ::SetPixel(GetSafeHdc(), x, y, crColor);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF crColor)
{
    return ::SetPixelV(GetSafeHdc(), x, y, crColor);
}

BOOL CDC::FloodFill(int x, int y, COLORREF crColor)
{
    return ::FloodFill(GetSafeHdc(), x, y, crColor);
}

BOOL CDC::ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType)
{
    return ::ExtFloodFill(GetSafeHdc(), x, y, crColor, nFillType);
}

// ---- text --------------------------------------------------------------------------------------

BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount)
{
    RequireText(lpszString, nCount, "CDC::TextOut");
    return ::TextOutA(GetSafeHdc(), x, y, lpszString, nCount);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount,
                     LPINT lpDxWidths)
{
    if (nCount > 0 && lpszString == nullptr)
        AfxThrowInvalidArgFormat("CDC::ExtTextOut: the text is null but its length is %u", nCount);
    return ::ExtTextOutA(GetSafeHdc(), x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

CSize CDC::TabbedTextOut(int x, int y, LPCSTR lpszString, int nCount, int nTabPositions,
                         LPINT lpnTabStopPositions, int nTabOrigin)
{
    RequireText(lpszString, nCount, "CDC::TabbedTextOut");
    LONG nSize = ::TabbedTextOutA(GetSafeHdc(), x, y, lpszString, nCount, nTabPositions, lpnTabStopPositions,
                                  nTabOrigin);
    return CSize(LOWORD(nSize), HIWORD(nSize));
}

int CDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    AfxRequirePointer(lpRect, "CDC::DrawText", "the rectangle");
    if (nCount < -1)
        AfxThrowInvalidArgFormat("CDC::DrawText: count %d is below -1", nCount);
    if (nCount != 0 && lpszString == nullptr)
        AfxThrowInvalidArgFormat("CDC::DrawText: the text is null but its length is %d", nCount);
    // measuring belongs to the attribute DC, drawing to the output DC
    HDC hDC = (nFormat & DT_CALCRECT) != 0 ? AttribOrOutput() : GetSafeHdc();
    return ::DrawTextA(hDC, lpszString, nCount, lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    RequireText(lpszString, nCount, "CDC::GetTextExtent");
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(AttribOrOutput(), lpszString, nCount, &size);
    return CSize(size);
}

CSize CDC::GetOutputTextExtent(LPCSTR lpszString, int nCount) const
{
    RequireText(lpszString, nCount, "CDC::GetOutputTextExtent");
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(GetSafeHdc(), lpszString, nCount, &size);
    return CSize(size);
}

CSize CDC::GetTabbedTextExtent(LPCSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions) const
{
    RequireText(lpszString, nCount, "CDC::GetTabbedTextExtent");
    DWORD nSize = ::GetTabbedTextExtentA(AttribOrOutput(), lpszString, nCount, nTabPositions, lpnTabStopPositions);
    return CSize(LOWORD(nSize), HIWORD(nSize));
}

CSize CDC::GetOutputTabbedTextExtent(LPCSTR lpszString, int nCount, int nTabPositions,
                                     LPINT lpnTabStopPositions) const
{
    RequireText(lpszString, nCount, "CDC::GetOutputTabbedTextExtent");
    DWORD nSize = ::GetTabbedTextExtentA(GetSafeHdc(), lpszString, nCount, nTabPositions, lpnTabStopPositions);
    return CSize(LOWORD(nSize), HIWORD(nSize));
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICA lpMetrics) const
{
    AfxRequirePointer(lpMetrics, "CDC::GetTextMetrics", "the result");
    return ::GetTextMetricsA(AttribOrOutput(), lpMetrics);
}

BOOL CDC::GetOutputTextMetrics(LPTEXTMETRICA lpMetrics) const
{
    AfxRequirePointer(lpMetrics, "CDC::GetOutputTextMetrics", "the result");
    return ::GetTextMetricsA(GetSafeHdc(), lpMetrics);
}

int CDC::GetTextFace(int nCount, LPSTR lpszFacename) const
{
    RequireCount(nCount, "CDC::GetTextFace");
    if (nCount > 0)
        AfxRequirePointer(lpszFacename, "CDC::GetTextFace", "the buffer");
    return ::GetTextFaceA(AttribOrOutput(), nCount, lpszFacename);
}

int CDC::GetTextFace(CString& rString) const
{
    char buffer[LF_FACESIZE * 2] = "";
    int nLength = ::GetTextFaceA(AttribOrOutput(), int(sizeof(buffer)), buffer);
    rString = buffer;
    return nLength;
}

BOOL CDC::GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
{
    AfxRequirePointer(lpBuffer, "CDC::GetCharWidth", "the buffer");
    return ::GetCharWidth32A(AttribOrOutput(), nFirstChar, nLastChar, lpBuffer);
}

BOOL CDC::GetOutputCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
{
    AfxRequirePointer(lpBuffer, "CDC::GetOutputCharWidth", "the buffer");
    return ::GetCharWidth32A(GetSafeHdc(), nFirstChar, nLastChar, lpBuffer);
}

UINT CDC::GetTextAlign() const
{
    return ::GetTextAlign(AttribOrOutput());
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::SetTextAlign(h, nFlags); });
}

int CDC::GetTextCharacterExtra() const
{
    return ::GetTextCharacterExtra(AttribOrOutput());
}

int CDC::SetTextCharacterExtra(int nCharExtra)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::SetTextCharacterExtra(h, nCharExtra); });
}

int CDC::SetTextJustification(int nBreakExtra, int nBreakCount)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::SetTextJustification(h, nBreakExtra, nBreakCount); });
}

// ---- scrolling, printing, paths ----------------------------------------------------------------

BOOL CDC::ScrollDC(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* pRgnUpdate,
                   LPRECT lpRectUpdate)
{
    return ::ScrollDC(GetSafeHdc(), dx, dy, lpRectScroll, lpRectClip, static_cast<HRGN>(HandleOf(pRgnUpdate)),
                      lpRectUpdate);
}

int CDC::Escape(int nEscape, int nCount, LPCSTR lpszInData, LPVOID lpOutData)
{
    RequireText(lpszInData, nCount, "CDC::Escape");
    return ::Escape(GetSafeHdc(), nEscape, nCount, lpszInData, lpOutData);
}

int CDC::Escape(int nEscape, int nInputSize, LPCSTR lpszInputData, int nOutputSize, LPSTR lpszOutputData)
{
    RequireText(lpszInputData, nInputSize, "CDC::Escape");
    RequireCount(nOutputSize, "CDC::Escape");
    return ::ExtEscape(GetSafeHdc(), nEscape, nInputSize, lpszInputData, nOutputSize, lpszOutputData);
}

int CDC::StartDoc(LPDOCINFOA lpDocInfo)
{
    AfxRequirePointer(lpDocInfo, "CDC::StartDoc", "the document information");
    return ::StartDocA(GetSafeHdc(), lpDocInfo);
}

int CDC::StartDoc(LPCSTR lpszDocName)
{
    DOCINFOA info = {};
    info.cbSize = sizeof(info);
    info.lpszDocName = lpszDocName;
    return StartDoc(&info);
}

int CDC::StartPage()
{
    return ::StartPage(GetSafeHdc());
}

int CDC::EndPage()
{
    return ::EndPage(GetSafeHdc());
}

int CDC::SetAbortProc(ABORTPROC lpfn)
{
    return ::SetAbortProc(GetSafeHdc(), lpfn);
}

int CDC::AbortDoc()
{
    return ::AbortDoc(GetSafeHdc());
}

int CDC::EndDoc()
{
    return ::EndDoc(GetSafeHdc());
}

BOOL CDC::AbortPath()
{
    return ::AbortPath(GetSafeHdc());
}

BOOL CDC::BeginPath()
{
    return ::BeginPath(GetSafeHdc());
}

BOOL CDC::CloseFigure()
{
    return ::CloseFigure(GetSafeHdc());
}

BOOL CDC::EndPath()
{
    return ::EndPath(GetSafeHdc());
}

BOOL CDC::FillPath()
{
    return ::FillPath(GetSafeHdc());
}

BOOL CDC::FlattenPath()
{
    return ::FlattenPath(GetSafeHdc());
}

BOOL CDC::StrokeAndFillPath()
{
    return ::StrokeAndFillPath(GetSafeHdc());
}

BOOL CDC::StrokePath()
{
    return ::StrokePath(GetSafeHdc());
}

BOOL CDC::WidenPath()
{
    return ::WidenPath(GetSafeHdc());
}

BOOL CDC::SelectClipPath(int nMode)
{
    return ::SelectClipPath(GetSafeHdc(), nMode);
}

float CDC::GetMiterLimit() const
{
    FLOAT fLimit = 0;
    ::GetMiterLimit(GetSafeHdc(), &fLimit);
    return fLimit;
}

BOOL CDC::SetMiterLimit(float fMiterLimit)
{
    return BothDCs(m_hDC, m_hAttribDC, [&](HDC h) { return ::SetMiterLimit(h, fMiterLimit, nullptr); });
}

// ---- helpers -----------------------------------------------------------------------------------

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    AfxRequirePointer(lpRect, "CDC::FillSolidRect", "the rectangle");
    SetBkColor(clr);
    // an opaque text output of no characters fills the rectangle with the background colour alone
    ::ExtTextOutA(GetSafeHdc(), 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    AfxRequirePointer(lpRect, "CDC::Draw3dRect", "the rectangle");
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
               clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    if (cx < 1 || cy < 1)
        return;
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

CBrush* CDC::GetHalftoneBrush()
{
    static CBrush* pBrush = [] {
        // rows of a monochrome bitmap are padded to 16 bits: one WORD per row, first byte first
        WORD bits[8];
        for (int i = 0; i < 8; i++)
            bits[i] = (i & 1) != 0 ? 0xAAAA : 0x5555;
        CBitmap pattern;
        CBrush* pNew = new CBrush;
        if (pattern.CreateBitmap(8, 8, 1, 1, bits))
            pNew->CreatePatternBrush(&pattern);
        return pNew;
    }();
    return pBrush;
}

void CDC::MakeFrameRegion(CRgn& rgn, LPCRECT lpRect, SIZE size) const
{
    HDC hDC = GetSafeHdc();
    // clip regions are in device units; working there also keeps "inside" right for mappings whose
    // y axis points up
    CRect outer(lpRect);
    ::LPtoDP(hDC, reinterpret_cast<LPPOINT>(&outer), 2);
    outer.NormalizeRect();
    POINT thickness[2] = {{0, 0}, {size.cx, size.cy}};
    ::LPtoDP(hDC, thickness, 2);
    CRect inner(outer);
    inner.DeflateRect(std::abs(int(thickness[1].x - thickness[0].x)), std::abs(int(thickness[1].y - thickness[0].y)));
    rgn.CreateRectRgnIndirect(&outer);
    if (!inner.IsRectEmpty()) {
        CRgn hole;
        hole.CreateRectRgnIndirect(&inner);
        rgn.CombineRgn(&rgn, &hole, RGN_DIFF);
    }
}

void CDC::InvertRegion(CRgn& rgn, CBrush* pBrush, HRGN hClipSaved)
{
    CRect box;
    if (rgn.GetRgnBox(&box) == NULLREGION || box.IsRectEmpty())
        return;
    HDC hDC = GetSafeHdc();
    ::SelectClipRgn(hDC, static_cast<HRGN>(rgn.m_hObject));
    if (hClipSaved != nullptr)
        ::ExtSelectClipRgn(hDC, hClipSaved, RGN_AND);
    // the clip region holds the exact pixels; the blit covers its box with a pixel to spare, so that
    // rounding between device and logical units loses nothing
    box.InflateRect(1, 1);
    ::DPtoLP(hDC, reinterpret_cast<LPPOINT>(&box), 2);
    box.NormalizeRect();
    HGDIOBJ hOldBrush = ::SelectObject(hDC, pBrush->m_hObject);
    ::PatBlt(hDC, box.left, box.top, box.Width(), box.Height(), PATINVERT);
    ::SelectObject(hDC, hOldBrush);
}

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush,
                       CBrush* pBrushLast)
{
    AfxRequirePointer(lpRect, "CDC::DrawDragRect", "the rectangle");
    HDC hDC = GetSafeHdc();
    if (hDC == nullptr)
        return;
    if (pBrush == nullptr)
        pBrush = GetHalftoneBrush();
    if (pBrushLast == nullptr)
        pBrushLast = pBrush;

    CRgn rgnNew;
    MakeFrameRegion(rgnNew, lpRect, size);
    CRgn rgnLast;
    if (lpRectLast != nullptr)
        MakeFrameRegion(rgnLast, lpRectLast, sizeLast);
    else
        rgnLast.CreateRectRgn(0, 0, 0, 0);

    HRGN hClipSaved = ::CreateRectRgn(0, 0, 0, 0);
    if (::GetClipRgn(hDC, hClipSaved) != 1) {
        ::DeleteObject(hClipSaved);
        hClipSaved = nullptr;
    }
    COLORREF clrOldText = ::SetTextColor(hDC, RGB(0, 0, 0));
    COLORREF clrOldBk = ::SetBkColor(hDC, RGB(255, 255, 255));

    if (pBrush->m_hObject == pBrushLast->m_hObject) {
        // one pass over the pixels that belong to exactly one of the two frames: erasing the old
        // frame and drawing the new one leave the shared pixels as they are
        CRgn rgnChange;
        rgnChange.CreateRectRgn(0, 0, 0, 0);
        rgnChange.CombineRgn(&rgnNew, &rgnLast, RGN_XOR);
        InvertRegion(rgnChange, pBrush, hClipSaved);
    } else {
        InvertRegion(rgnLast, pBrushLast, hClipSaved);
        InvertRegion(rgnNew, pBrush, hClipSaved);
    }

    ::SelectClipRgn(hDC, hClipSaved);
    if (hClipSaved != nullptr)
        ::DeleteObject(hClipSaved);
    ::SetTextColor(hDC, clrOldText);
    ::SetBkColor(hDC, clrOldBk);
}

// ---- CMetaFileDC -------------------------------------------------------------------------------

CMetaFileDC::CMetaFileDC() : m_bEnhanced(false) {}

CMetaFileDC::~CMetaFileDC()
{
    if (m_hDC == nullptr)
        return;
    if (m_bEnhanced)
        ::DeleteEnhMetaFile(CloseEnhanced());
    else
        ::DeleteMetaFile(Close());
}

BOOL CMetaFileDC::Create(LPCSTR lpszFilename)
{
    if (m_hDC != nullptr)
        AfxThrowInvalidArgFormat("CMetaFileDC::Create: the object already records into DC %p", m_hDC);
    HDC hDC = ::CreateMetaFileA(lpszFilename);
    if (hDC == nullptr)
        return FALSE;
    m_bEnhanced = false;
    SetOutputDC(hDC);
    return TRUE;
}

BOOL CMetaFileDC::CreateEnhanced(CDC* pDCRef, LPCSTR lpszFileName, LPCRECT lpBoundsRect, LPCSTR lpszDescription)
{
    if (m_hDC != nullptr)
        AfxThrowInvalidArgFormat("CMetaFileDC::CreateEnhanced: the object already records into DC %p", m_hDC);
    HDC hDC = ::CreateEnhMetaFileA(pDCRef != nullptr ? pDCRef->m_hDC : nullptr, lpszFileName, lpBoundsRect,
                                   lpszDescription);
    if (hDC == nullptr)
        return FALSE;
    m_bEnhanced = true;
    SetOutputDC(hDC);
    return TRUE;
}

HMETAFILE CMetaFileDC::Close()
{
    if (m_hDC == nullptr || m_bEnhanced)
        return nullptr;
    return ::CloseMetaFile(Detach());
}

HENHMETAFILE CMetaFileDC::CloseEnhanced()
{
    if (m_hDC == nullptr || !m_bEnhanced)
        return nullptr;
    return ::CloseEnhMetaFile(Detach());
}

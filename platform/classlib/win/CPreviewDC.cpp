// CPreviewDC: the printer's mapping mirrored onto the screen, scaled to the page shown.
#include "win/CPreviewDC.h"

#include <cstdint>

#include "win/ArgCheck.h"

CPreviewDC::CPreviewDC()
{
    m_bPrinting = TRUE;
}

CPreviewDC::~CPreviewDC()
{
    ReleaseOutputDC();
    ReleaseAttribDC();
}

void CPreviewDC::SetPage(HDC hDCScreen, CDC* pPrinterDC, const CRect& rectPage)
{
    AfxRequirePointer(pPrinterDC, "CPreviewDC::SetPage", "pPrinterDC");
    SetOutputDC(hDCScreen);
    SetAttribDC(pPrinterDC->m_hDC);
    m_rectPage = rectPage;
    m_sizePrinter = CSize(pPrinterDC->GetDeviceCaps(HORZRES), pPrinterDC->GetDeviceCaps(VERTRES));
    if (m_sizePrinter.cx <= 0 || m_sizePrinter.cy <= 0)
        m_sizePrinter = CSize(1, 1);
    MirrorMapping();
    CRgn rgn;
    rgn.CreateRectRgnIndirect(&m_rectPage);
    ::ExtSelectClipRgn(m_hDC, static_cast<HRGN>(rgn.m_hObject), RGN_AND);
}

namespace {

// Two extents as one ratio with small terms (GDI keeps extents in 32 bits).
void Reduce(int64_t& a, int64_t& b)
{
    int64_t g = a < 0 ? -a : a;
    for (int64_t r = b < 0 ? -b : b; r != 0;) {
        const int64_t t = g % r;
        g = r;
        r = t;
    }
    if (g > 1) {
        a /= g;
        b /= g;
    }
}

} // namespace

void CPreviewDC::MirrorMapping()
{
    if (m_hDC == nullptr || m_hAttribDC == nullptr)
        return;
    POINT ptWindowOrg, ptViewportOrg;
    SIZE sizeWindow, sizeViewport;
    ::GetWindowOrgEx(m_hAttribDC, &ptWindowOrg);
    ::GetViewportOrgEx(m_hAttribDC, &ptViewportOrg);
    ::GetWindowExtEx(m_hAttribDC, &sizeWindow);
    ::GetViewportExtEx(m_hAttribDC, &sizeViewport);
    // printer device units to screen: d * page / printer, then the page's corner
    int64_t wx = int64_t(sizeWindow.cx) * m_sizePrinter.cx, vx = int64_t(sizeViewport.cx) * m_rectPage.Width();
    int64_t wy = int64_t(sizeWindow.cy) * m_sizePrinter.cy, vy = int64_t(sizeViewport.cy) * m_rectPage.Height();
    Reduce(wx, vx);
    Reduce(wy, vy);
    ::SetMapMode(m_hDC, MM_ANISOTROPIC);
    ::SetWindowExtEx(m_hDC, int(wx), int(wy), nullptr);
    ::SetViewportExtEx(m_hDC, int(vx), int(vy), nullptr);
    ::SetWindowOrgEx(m_hDC, ptWindowOrg.x, ptWindowOrg.y, nullptr);
    ::SetViewportOrgEx(m_hDC, m_rectPage.left + ::MulDiv(ptViewportOrg.x, m_rectPage.Width(), m_sizePrinter.cx),
                       m_rectPage.top + ::MulDiv(ptViewportOrg.y, m_rectPage.Height(), m_sizePrinter.cy), nullptr);
}

template <class TResult, class TCall>
TResult CPreviewDC::OnAttribute(TCall call)
{
    TResult result = {};
    call(m_hAttribDC, &result);
    MirrorMapping();
    return result;
}

int CPreviewDC::SetMapMode(int nMapMode)
{
    return OnAttribute<int>([&](HDC h, int* p) { *p = ::SetMapMode(h, nMapMode); });
}

CPoint CPreviewDC::SetViewportOrg(int x, int y)
{
    return OnAttribute<POINT>([&](HDC h, POINT* p) { ::SetViewportOrgEx(h, x, y, p); });
}

CPoint CPreviewDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    return OnAttribute<POINT>([&](HDC h, POINT* p) { ::OffsetViewportOrgEx(h, nWidth, nHeight, p); });
}

CSize CPreviewDC::SetViewportExt(int cx, int cy)
{
    return OnAttribute<SIZE>([&](HDC h, SIZE* p) { ::SetViewportExtEx(h, cx, cy, p); });
}

CSize CPreviewDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    return OnAttribute<SIZE>([&](HDC h, SIZE* p) { ::ScaleViewportExtEx(h, xNum, xDenom, yNum, yDenom, p); });
}

CSize CPreviewDC::SetWindowExt(int cx, int cy)
{
    return OnAttribute<SIZE>([&](HDC h, SIZE* p) { ::SetWindowExtEx(h, cx, cy, p); });
}

CSize CPreviewDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    return OnAttribute<SIZE>([&](HDC h, SIZE* p) { ::ScaleWindowExtEx(h, xNum, xDenom, yNum, yDenom, p); });
}

BOOL CPreviewDC::RestoreDC(int nSavedDC)
{
    const BOOL bResult = CDC::RestoreDC(nSavedDC);
    MirrorMapping();
    return bResult;
}

// The rotated-text module (see GXDrawRotatedTextImp.h).
#include "grid/ops/GXDrawRotatedTextImp.h"

#include "win/CDC.h"

#include <cmath>
#include <cstring>

namespace {

// Degrees to radians as the grid has always converted them (not quite pi / 180): the start points of
// stored layouts stay where they were.
constexpr double kRadiansPerDegree = 0.017453292519444445;

}  // namespace

POINT GXRotatedTextStart(SIZE sizeText, const RECT& rect, UINT nFormat, LONG nOrientation)
{
    double dAngle = std::fmod(nOrientation * 0.1, 360.0);
    if (dAngle < 0)
        dAngle += 360.0;
    const double cx = sizeText.cx, cy = sizeText.cy;
    const double L = rect.left, T = rect.top, W = rect.right - rect.left, H = rect.bottom - rect.top;

    // the start of the text in the rectangle's corner, by quadrant; e is the angle within it
    double e, x0, y0;
    const bool bThirdQuadrant = dAngle >= 180.0 && dAngle <= 270.0;
    if (dAngle <= 90.0)
        e = dAngle;
    else if (dAngle < 180.0)
        e = dAngle - 90.0;
    else if (bThirdQuadrant)
        e = dAngle - 180.0;
    else
        e = dAngle - 270.0;
    const double S = std::sin(e * kRadiansPerDegree), C = std::cos(e * kRadiansPerDegree);
    if (dAngle <= 90.0) {
        x0 = L;
        y0 = T + S * cx + cy / 2;
    } else if (dAngle < 180.0) {
        x0 = L + S * cx;
        if (x0 > rect.right)
            x0 = rect.right - cy;
        y0 = T + C * cx + cy;
    } else if (bThirdQuadrant) {
        x0 = L + C * cx + cy;
        y0 = T;
    } else {
        x0 = L + S * cy;
        y0 = T;
    }

    double x = x0, y = y0;
    if (nFormat & DT_RIGHT)
        x = x0 + W - C * cx - cy;
    else if (nFormat & DT_CENTER)
        x = x0 + (W - C * cx) / 2 - cy / 2;
    if (nFormat & DT_BOTTOM)
        y = y0 + H - S * cx - cy;
    else if (nFormat & DT_VCENTER)
        y = y0 + (H - S * cx) / 2 - (bThirdQuadrant ? 0.0 : cy / 2);
    return POINT{LONG(x), LONG(y)};
}

int CGXDrawRotatedTextImp::DrawRotatedText(CDC* pDC, const char* pszText, int nLength, const RECT& rect,
                                           UINT nFormat, LONG nOrientation, const RECT* pClipRect)
{
    if (pDC == nullptr)
        AfxThrowInvalidArgFormat("CGXDrawRotatedTextImp::DrawRotatedText: no device context");
    if (pszText == nullptr)
        pszText = "";
    if (nLength < 0)
        nLength = int(std::strlen(pszText));
    const CSize sizeText = pDC->GetTextExtent(pszText, nLength);
    const POINT start = GXRotatedTextStart(sizeText, rect, nFormat, nOrientation);
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(pClipRect != nullptr ? pClipRect : &rect);
    pDC->TextOut(start.x, start.y, pszText, nLength);
    pDC->RestoreDC(nSaved);
    return 0;
}

CGXAbstractDrawRotatedTextImp* GXCreateDrawRotatedTextImp()
{
    return new CGXDrawRotatedTextImp;
}

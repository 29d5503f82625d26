#include "frames/SECMaskBlt.h"

#include "frames/SECToolkit.h"

void SECMakeFaceMask(CDC& dc, CDC& dcMask, const CRect& rect, BOOL bHilite)
{
    SECMakeFaceMask(dc, rect.TopLeft(), dcMask, rect, bHilite);
}

void SECMakeFaceMask(CDC& dc, CPoint ptSrc, CDC& dcMask, const CRect& rectMask, BOOL bHilite)
{
    // a colour-to-monochrome copy turns the source's background colour white and the rest black
    const SECDrawValues& v = SECGetDrawValues();
    const COLORREF clrOldBk = dc.SetBkColor(v.clrBtnFace);
    dcMask.BitBlt(rectMask.left, rectMask.top, rectMask.Width(), rectMask.Height(), &dc, ptSrc.x, ptSrc.y, SRCCOPY);
    if (bHilite) {
        dc.SetBkColor(v.clrBtnHilite);
        dcMask.BitBlt(rectMask.left, rectMask.top, rectMask.Width(), rectMask.Height(), &dc, ptSrc.x, ptSrc.y,
                      SRCPAINT);
    }
    dc.SetBkColor(clrOldBk);
}

void SECPaintThroughMask(CDC& dc, int x, int y, int cx, int cy, CDC& dcMask, int xMask, int yMask, HBRUSH hBrush,
                         DWORD dwRop)
{
    // a monochrome source takes the destination's text colour for black and its background for white
    const COLORREF clrOldText = dc.SetTextColor(RGB(0, 0, 0));
    const COLORREF clrOldBk = dc.SetBkColor(RGB(255, 255, 255));
    HGDIOBJ hOldBrush = hBrush != nullptr ? ::SelectObject(dc.m_hDC, hBrush) : nullptr;
    dc.BitBlt(x, y, cx, cy, &dcMask, xMask, yMask, dwRop);
    if (hOldBrush != nullptr)
        ::SelectObject(dc.m_hDC, hOldBrush);
    dc.SetTextColor(clrOldText);
    dc.SetBkColor(clrOldBk);
}

#include "frames/SECBtnDrawContext.h"

#include "frames/SECToolkit.h"
#include "win/CWindowDC.h"

namespace {

RGBQUAD Quad(COLORREF clr)
{
    RGBQUAD q = {};
    q.rgbRed = GetRValue(clr);
    q.rgbGreen = GetGValue(clr);
    q.rgbBlue = GetBValue(clr);
    return q;
}

} // namespace

SECBtnDrawContext::SECBtnDrawContext()
{
    if (!m_dcColor.CreateCompatibleDC(nullptr) || !m_dcMask.CreateCompatibleDC(nullptr)
        || !m_dcImage.CreateCompatibleDC(nullptr))
        AfxThrowResourceException();
    RebuildDitherBrush();
}

SECBtnDrawContext::~SECBtnDrawContext()
{
    ReleaseBitmaps();
}

void SECBtnDrawContext::RebuildDitherBrush()
{
    // a packed one-bit DIB: its colour table fixes the brush's two colours, whatever DC it paints in
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
        DWORD rows[8];
    } dib = {};
    dib.header.biSize = sizeof(BITMAPINFOHEADER);
    dib.header.biWidth = 8;
    dib.header.biHeight = 8;
    dib.header.biPlanes = 1;
    dib.header.biBitCount = 1;
    dib.header.biCompression = BI_RGB;
    dib.header.biClrUsed = 2;
    const SECDrawValues& values = SECGetDrawValues();
    dib.colors[0] = Quad(values.clrBtnFace);
    dib.colors[1] = Quad(values.clrBtnHilite);
    for (int i = 0; i < 8; i++)
        dib.rows[i] = i % 2 == 0 ? 0x5555AAAA : 0xAAAA5555;

    m_brDither.DeleteObject();
    if (!m_brDither.CreateDIBPatternBrush(&dib, DIB_RGB_COLORS))
        AfxThrowResourceException();
}

void SECBtnDrawContext::PrepareBitmaps(int cx, int cy)
{
    ReleaseBitmaps();
    CClientDC screen(nullptr);
    if (!m_bmpColor.CreateCompatibleBitmap(&screen, cx, cy) || !m_bmpMask.CreateBitmap(cx, cy, 1, 1, nullptr)) {
        m_bmpColor.DeleteObject();
        AfxThrowResourceException();
    }
    m_hOldColor = ::SelectObject(m_dcColor.m_hDC, m_bmpColor.m_hObject);
    m_hOldMask = ::SelectObject(m_dcMask.m_hDC, m_bmpMask.m_hObject);
}

void SECBtnDrawContext::SelectImage(HBITMAP hBitmap)
{
    if (hBitmap == nullptr) {
        if (m_hOldImage != nullptr)
            ::SelectObject(m_dcImage.m_hDC, m_hOldImage);
        m_hOldImage = nullptr;
        return;
    }
    HGDIOBJ hPrevious = ::SelectObject(m_dcImage.m_hDC, hBitmap);
    if (m_hOldImage == nullptr)
        m_hOldImage = hPrevious;
}

void SECBtnDrawContext::ReleaseBitmaps()
{
    SelectImage(nullptr);
    if (m_hOldColor != nullptr)
        ::SelectObject(m_dcColor.m_hDC, m_hOldColor);
    if (m_hOldMask != nullptr)
        ::SelectObject(m_dcMask.m_hDC, m_hOldMask);
    m_hOldColor = m_hOldMask = nullptr;
    m_bmpColor.DeleteObject();
    m_bmpMask.DeleteObject();
}

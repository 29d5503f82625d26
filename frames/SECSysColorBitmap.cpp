#include "frames/SECSysColorBitmap.h"

#include "frames/SECResourceData.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// The fixed colours of button images and the system colours that replace them.
struct ColorMapEntry {
    COLORREF rgbFrom;
    int nSysColor;
};
const ColorMapEntry kColorMap[] = {
    {RGB(0x00, 0x00, 0x00), COLOR_BTNTEXT},
    {RGB(0x80, 0x80, 0x80), COLOR_BTNSHADOW},
    {RGB(0xC0, 0xC0, 0xC0), COLOR_BTNFACE},
    {RGB(0xFF, 0xFF, 0xFF), COLOR_BTNHIGHLIGHT},
};

void MapColorTable(RGBQUAD* pColors, size_t nColors)
{
    for (size_t i = 0; i < nColors; i++) {
        RGBQUAD& q = pColors[i];
        const COLORREF rgb = RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
        for (const ColorMapEntry& entry : kColorMap) {
            if (rgb == entry.rgbFrom) {
                const COLORREF clrSys = ::GetSysColor(entry.nSysColor);
                q.rgbRed = GetRValue(clrSys);
                q.rgbGreen = GetGValue(clrSys);
                q.rgbBlue = GetBValue(clrSys);
                break;
            }
        }
    }
}

// The bytes of the pixels a DIB with this header holds (0 when the header does not say).
size_t BitsSize(const BITMAPINFOHEADER& header)
{
    if (header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS) {
        const size_t nStride = ((size_t(header.biWidth) * header.biBitCount + 31) / 32) * 4;
        return nStride * size_t(std::labs(header.biHeight));
    }
    return header.biSizeImage;
}

} // namespace

HBITMAP SECLoadSysColorBitmap(LPCSTR lpszResourceName)
{
    size_t nSize = 0;
    const BYTE* pData = SECLockResourceData(lpszResourceName, RT_BITMAP, &nSize);
    if (pData == nullptr || nSize < sizeof(BITMAPINFOHEADER))
        return nullptr;

    BITMAPINFOHEADER header;
    std::memcpy(&header, pData, sizeof(header));
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > nSize || header.biWidth <= 0
        || header.biHeight == 0 || header.biPlanes != 1 || header.biBitCount == 0 || header.biBitCount > 32)
        return nullptr;
    size_t nColors = header.biClrUsed;
    if (nColors == 0 && header.biBitCount <= 8)
        nColors = size_t(1) << header.biBitCount;
    if (nColors > 256)
        return nullptr;
    // the three channel masks of a plain header stand between it and the colour table
    const size_t nMasks = header.biCompression == BI_BITFIELDS && header.biSize == sizeof(BITMAPINFOHEADER)
        ? 3 * sizeof(DWORD) : 0;
    const size_t nInfoSize = header.biSize + nMasks + nColors * sizeof(RGBQUAD);
    const size_t nBitsSize = BitsSize(header);
    if (nInfoSize > nSize || nBitsSize == 0 || nBitsSize > nSize - nInfoSize)
        return nullptr;

    std::vector<BYTE> info(pData, pData + nInfoSize);
    MapColorTable(reinterpret_cast<RGBQUAD*>(info.data() + header.biSize + nMasks), nColors);

    const int cx = header.biWidth;
    const int cy = std::abs(header.biHeight);
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    HDC hMemDC = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    if (hBitmap != nullptr && hMemDC != nullptr) {
        HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
        // StretchDIBits (unlike SetDIBitsToDevice) also takes run-length encoded bits
        const int nLines = ::StretchDIBits(hMemDC, 0, 0, cx, cy, 0, 0, cx, cy, pData + nInfoSize,
                                           reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS, SRCCOPY);
        ::SelectObject(hMemDC, hOld);
        if (nLines <= 0 || nLines == int(GDI_ERROR)) {
            ::DeleteObject(hBitmap);
            hBitmap = nullptr;
        }
    } else if (hBitmap != nullptr) {
        ::DeleteObject(hBitmap);
        hBitmap = nullptr;
    }
    if (hMemDC != nullptr)
        ::DeleteDC(hMemDC);
    return hBitmap;
}

// Helpers of the drawing tests: a 32-bit DIB canvas whose pixels can be read back exactly, and a
// check that a call is refused with CInvalidArgException.
#pragma once

#include "wine_gtest.h"
#include <windows.h>

#include "win/CDC.h"

#include <cstdint>
#include <ostream>
#include <string>

// gtest prints values through these (found by argument-dependent look-up in the global namespace)
inline std::ostream& operator<<(std::ostream& os, const CRect& r)
{
    return os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
inline std::ostream& operator<<(std::ostream& os, const CPoint& p)
{
    return os << "(" << p.x << ", " << p.y << ")";
}
inline std::ostream& operator<<(std::ostream& os, const CSize& s)
{
    return os << "[" << s.cx << " x " << s.cy << "]";
}

const COLORREF kWhite = RGB(255, 255, 255);

// The description of a top-down 32-bit DIB of nWidth by nHeight pixels (0x00RRGGBB each).
inline BITMAPINFO TopDown32BitInfo(int nWidth, int nHeight)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = -nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A memory DC (held by a CDC) with a top-down 32-bit DIB section selected, filled white.
class DibCanvas {
public:
    DibCanvas(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight)
    {
        dc.CreateCompatibleDC(nullptr);
        const BITMAPINFO info = TopDown32BitInfo(nWidth, nHeight);
        void* pBits = nullptr;
        bitmap.Attach(::CreateDIBSection(dc.m_hDC, &info, DIB_RGB_COLORS, &pBits, nullptr, 0));
        m_pBits = static_cast<uint32_t*>(pBits);
        m_pOldBitmap = dc.SelectObject(&bitmap);
        for (int i = 0; i < nWidth * nHeight; i++)
            m_pBits[i] = 0x00FFFFFF;
    }
    ~DibCanvas() { dc.SelectObject(m_pOldBitmap); }

    // The colour of pixel (x, y) as a COLORREF.
    COLORREF At(int x, int y) const
    {
        ::GdiFlush();
        uint32_t p = m_pBits[y * m_nWidth + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

    CDC dc;
    CBitmap bitmap;

private:
    int m_nWidth;
    int m_nHeight;
    uint32_t* m_pBits = nullptr;
    CBitmap* m_pOldBitmap = nullptr;
};

// Runs f and expects a CInvalidArgException* whose detail contains lpszPart.
template <class F>
void ExpectInvalidArg(F f, const char* lpszPart)
{
    try {
        f();
        ADD_FAILURE() << "no CInvalidArgException (expected one mentioning \"" << lpszPart << "\")";
    } catch (CInvalidArgException* e) {
        std::string detail = e->m_strDetail.GetString();
        EXPECT_NE(detail.find(lpszPart), std::string::npos) << detail;
        e->Delete();
    }
}

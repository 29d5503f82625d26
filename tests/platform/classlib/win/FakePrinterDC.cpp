#include "FakePrinterDC.h"

#include "TestSupport.h"

CFakePrinterDC::CFakePrinterDC(int nPageWidth, int nPageHeight, int nDpiX, int nDpiY)
    : m_nPageWidth(nPageWidth), m_nPageHeight(nPageHeight), m_nDpiX(nDpiX), m_nDpiY(nDpiY)
{
    Attach(::CreateCompatibleDC(nullptr));
    const BITMAPINFO info = TopDown32BitInfo(nPageWidth, nPageHeight);
    void* pBits = nullptr;
    m_hBitmap = ::CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    m_pBits = static_cast<DWORD*>(pBits);
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
    m_bPrinting = TRUE;
    Whiten();
}

CFakePrinterDC::~CFakePrinterDC()
{
    // the code under test may have deleted the DC already, as it does with a printer DC
    if (::GetObjectType(m_hDC) == OBJ_MEMDC)
        ::SelectObject(m_hDC, m_hOldBitmap);
    else
        Detach();
    ::DeleteObject(m_hBitmap);
}

void CFakePrinterDC::Whiten()
{
    ::GdiFlush();
    for (int i = 0; i < m_nPageWidth * m_nPageHeight; ++i)
        m_pBits[i] = 0x00FFFFFF;
}

int CFakePrinterDC::GetDeviceCaps(int nIndex) const
{
    switch (nIndex) {
    case TECHNOLOGY: return DT_RASPRINTER;
    case HORZRES:
    case PHYSICALWIDTH: return m_nPageWidth;
    case VERTRES:
    case PHYSICALHEIGHT: return m_nPageHeight;
    case LOGPIXELSX: return m_nDpiX;
    case LOGPIXELSY: return m_nDpiY;
    case HORZSIZE: return MulDiv(m_nPageWidth, 254, m_nDpiX * 10);
    case VERTSIZE: return MulDiv(m_nPageHeight, 254, m_nDpiY * 10);
    case PHYSICALOFFSETX:
    case PHYSICALOFFSETY: return 0;
    default: return ::GetDeviceCaps(m_hDC, nIndex);
    }
}

int CFakePrinterDC::StartDoc(LPDOCINFOA lpDocInfo)
{
    m_docCalls.push_back(std::string("StartDoc ") + (lpDocInfo != nullptr && lpDocInfo->lpszDocName != nullptr
                                                         ? lpDocInfo->lpszDocName
                                                         : ""));
    return 1;
}

int CFakePrinterDC::StartPage()
{
    m_docCalls.push_back("StartPage");
    Whiten();
    return 1;
}

int CFakePrinterDC::EndPage()
{
    m_docCalls.push_back("EndPage");
    return 1;
}

int CFakePrinterDC::AbortDoc()
{
    m_docCalls.push_back("AbortDoc");
    return 1;
}

int CFakePrinterDC::EndDoc()
{
    m_docCalls.push_back("EndDoc");
    return 1;
}

COLORREF CFakePrinterDC::PixelAt(int x, int y) const
{
    ::GdiFlush();
    const DWORD p = m_pBits[y * m_nPageWidth + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

// CFakePrinterDC: a device context that stands for a printer in tests (Wine has none). It draws into a
// white memory bitmap of the page's size, says it prints (IsPrinting), answers GetDeviceCaps with the
// page and resolution it was made with, and records the document calls of the printing loop.
//
// CFakeServices answers the printer seam with these (CreatePrinterDC of a printer it knows); the code
// under test sees a printer DC handle, and CDC::FromHandle of that handle gives this object back.
#pragma once

#include "wine_gtest.h"

#include <string>
#include <vector>

#include <windows.h>

#include "win/Win.h"

class CFakePrinterDC : public CDC {
public:
    // A page of nPageWidth by nPageHeight pixels at nDpiX by nDpiY dots per inch.
    CFakePrinterDC(int nPageWidth, int nPageHeight, int nDpiX, int nDpiY);
    ~CFakePrinterDC() override;

    // TECHNOLOGY: DT_RASPRINTER; HORZRES, VERTRES, PHYSICALWIDTH, PHYSICALHEIGHT: the page in pixels;
    // LOGPIXELSX, LOGPIXELSY: the resolution; HORZSIZE, VERTSIZE: the page in millimetres;
    // PHYSICALOFFSETX, PHYSICALOFFSETY: 0; anything else: the memory DC's answer.
    int GetDeviceCaps(int nIndex) const override;
    // Each records itself ("StartDoc <document name>", "StartPage", "EndPage", "EndDoc", "AbortDoc")
    // and succeeds; StartPage also whitens the page.
    int StartDoc(LPDOCINFOA lpDocInfo) override;
    int StartPage() override;
    int EndPage() override;
    int AbortDoc() override;
    int EndDoc() override;

    // The document calls so far, in order.
    const std::vector<std::string>& DocCalls() const { return m_docCalls; }
    // The colour of page pixel (x, y).
    COLORREF PixelAt(int x, int y) const;

private:
    void Whiten();

    int m_nPageWidth;
    int m_nPageHeight;
    int m_nDpiX;
    int m_nDpiY;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    DWORD* m_pBits = nullptr;
    std::vector<std::string> m_docCalls;
};

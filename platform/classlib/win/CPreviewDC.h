// CPreviewDC: the DC a print preview draws a page with. It measures on the printer and draws on the
// screen, scaled so that the printer's page fills a rectangle of the screen.
//
// The attribute DC is the printer's: text extents, metrics, GetDeviceCaps (LOGPIXELSX, HORZRES...)
// and the view's mapping answer as on paper, and IsPrinting is TRUE. The output DC is the screen's:
// after every change of the mapping (SetMapMode, the viewport and window extents and origins) the
// output DC gets the printer's mapping followed by the scaling of the printer's page (HORZRES by
// VERTRES pixels) onto the page rectangle, so what the view draws in its logical units lands where it
// would on paper, smaller. Drawing is clipped to the page rectangle. Fonts scale with the mapping.
//
// Neither DC belongs to the object: it never deletes them.
#pragma once

#include "win/CDC.h"

class CPreviewDC : public CDC {
public:
    CPreviewDC();
    ~CPreviewDC() override;

    // Draws on hDCScreen (in its device units) into rectPage, measuring on pPrinterDC (not null). Sets
    // the printer's present mapping on the screen DC, scaled, and clips it to rectPage.
    void SetPage(HDC hDCScreen, CDC* pPrinterDC, const CRect& rectPage);

    int SetMapMode(int nMapMode) override;
    CPoint SetViewportOrg(int x, int y) override;
    CPoint OffsetViewportOrg(int nWidth, int nHeight) override;
    CSize SetViewportExt(int cx, int cy) override;
    CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) override;
    CSize SetWindowExt(int cx, int cy) override;
    CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) override;
    BOOL RestoreDC(int nSavedDC) override;

private:
    // Gives the output DC the attribute DC's mapping scaled onto the page rectangle.
    void MirrorMapping();
    // Runs call(attribute DC, &result) (a change of the mapping), then MirrorMapping. Returns result.
    template <class TResult, class TCall>
    TResult OnAttribute(TCall call);

    CRect m_rectPage;  // the page on the screen, screen device units
    CSize m_sizePrinter; // the printer's page, printer device units
};

// CGXProgressCtrl: a cell that shows its whole-number Value as a horizontal bar (52536
// "Progressbar") between user attributes 51025 "Progress: Lower Bound" (the value at the bar's left
// end; empty reads 0) and 51026 "Progress: Upper Bound" (the value at the cell's right edge). The bar
// is drawn in the TextColor over the Interior; the style's Draw3dFrame gives a bar wider than one
// pixel a raised (1) or sunken (2) edge. With equal bounds there is no bar at or below them and a
// full bar above.
//
// User attribute 51027 "Progress: Caption" is a format text for the value, centred over the bar when
// it is narrower than the cell (else not drawn), in the TextColor and, over the bar, in the Interior
// colour. Only "%%" and one integer conversion (d, i or u, with flags, a width below 1000 and an
// optional "l") are formatted: any other caption ("%s", two conversions, a precision) is drawn as it
// stands, so that a caption never hands printf an argument it does not get.
//
// The caption is drawn once more over the bar, clipped to it, except on a print-preview DC
// (CPreviewDC) that does not say it prints, and while the grid prints with the library's
// print-caption-once switch (GridLibraryState::m_bPrintCaptionOnce) set: there only the first drawing,
// in the background's caption colour, is made.
//
// Values stored through the control are held within the bounds (the style's own, else the cell's).
// Black-and-white printing draws a black bar on white with the caption black and white over it.
#pragma once

#include "grid/engine/GXControl.h"

class CGXProgressCtrl : public CGXControl {
    GX_DECLARE_CONTROL(CGXProgressCtrl)
public:
    explicit CGXProgressCtrl(CGXGridCore* pGrid);

    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // A Value outside the bounds is stored as the nearer bound (see the top of this file); every other
    // style (and mode 4) as the base stores it.
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind,
                          const CGXStyle* pCurrentStyle = nullptr) override;

    // The caption of (nRow, nCol) for style's Value: 51027 formatted (see the top of this file).
    virtual void GetCaptionText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    // The bar's colour (bBar) or the background's.
    virtual COLORREF GetBarColor(BOOL bBar, const CGXStyle& style);
    // The caption's colour over the bar (bOverBar) or over the background.
    virtual COLORREF GetCaptionColor(BOOL bOverBar, const CGXStyle& style);

    // pszFormat with nValue when it is a format this cell honours, else pszFormat as it stands.
    static CString FormatCaption(const char* pszFormat, LONG nValue);
    // The pixel where the bar of nValue ends in a cell of nWidth pixels from lower to upper.
    static int BarWidth(LONG nValue, LONG nLower, LONG nUpper, int nWidth);

private:
    // Whether the caption's second drawing, over the bar, is left out on pDC (see the top of this file).
    BOOL DrawsCaptionOnce(CDC* pDC) const;

    double m_dScale = 1.0;
};

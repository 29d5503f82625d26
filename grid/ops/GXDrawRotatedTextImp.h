// The process-wide rotated-text module: cell text drawn at the font's orientation. The caller has
// already selected a font with the wanted escapement; the module only works out where the single line
// of text starts so that it lies in the cell rectangle as the alignment flags ask, and draws it there
// clipped.
#pragma once

#include <windows.h>

#include "core/Core.h"

class CDC;

class CGXAbstractDrawRotatedTextImp : public CObject {
public:
    // Draws a text of nLength bytes (-1: up to its 0) in rect with the alignment flags nFormat, the
    // selected font turned by nOrientation tenths of a degree; clipped to pClipRect (null: rect). 0.
    virtual int DrawRotatedText(CDC* pDC, const char* pszText, int nLength, const RECT& rect, UINT nFormat,
                                LONG nOrientation, const RECT* pClipRect) = 0;
};

class CGXDrawRotatedTextImp : public CGXAbstractDrawRotatedTextImp {
public:
    // Measures the text with pDC's font, intersects the clip region with pClipRect (or rect) for the
    // call and draws the text at GXRotatedTextStart. 0.
    int DrawRotatedText(CDC* pDC, const char* pszText, int nLength, const RECT& rect, UINT nFormat,
                        LONG nOrientation, const RECT* pClipRect) override;
};

// Where a text of extent sizeText (unrotated width cx and height cy) starts when it is drawn turned
// by nOrientation tenths of a degree counter-clockwise (any value: it is brought into 0..360
// degrees) inside rect with the alignment bits of nFormat: horizontally DT_CENTER or DT_RIGHT (else
// left), vertically DT_VCENTER or DT_BOTTOM (else top). The start is first put at the corner of the
// rectangle where the turned text begins, then moved by the alignment; coordinates are truncated.
POINT GXRotatedTextStart(SIZE sizeText, const RECT& rect, UINT nFormat, LONG nOrientation);

// Makes a CGXDrawRotatedTextImp.
CGXAbstractDrawRotatedTextImp* GXCreateDrawRotatedTextImp();

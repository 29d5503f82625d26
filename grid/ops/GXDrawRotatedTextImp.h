// The process-wide rotated-text module: cell text drawn at the font's orientation.
//
// Does not do yet: the module (CGXDrawRotatedTextImp) comes with its own work; its creator
// (GXCreateDrawRotatedTextImp) plugs into the table of GXOperations.cpp when it lands.
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

CGXAbstractDrawRotatedTextImp* GXCreateDrawRotatedTextImp();

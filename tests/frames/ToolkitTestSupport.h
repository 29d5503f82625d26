// Helpers of the toolkit tests: the system's button colours and the pixels of bitmaps.
#pragma once

#include "FakeServices.h"
#include "TestSupport.h"

#include "frames/SECBmpMgr.h"
#include "frames/SECBtnDrawContext.h"
#include "frames/SECToolkit.h"

#include "frames_test_resources.h"

// The toolkit's button colours, read from the system (never fixed values).
inline COLORREF Face() { return ::GetSysColor(COLOR_BTNFACE); }
inline COLORREF Shadow() { return ::GetSysColor(COLOR_BTNSHADOW); }
inline COLORREF Hilite() { return ::GetSysColor(COLOR_BTNHIGHLIGHT); }

// The colour of pixel (x, y) of hBitmap.
inline COLORREF BitmapPixel(HBITMAP hBitmap, int x, int y)
{
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    const COLORREF clr = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return clr;
}

// The size of hBitmap.
inline CSize BitmapSize(HBITMAP hBitmap)
{
    BITMAP bm = {};
    ::GetObjectA(hBitmap, sizeof(bm), &bm);
    return CSize(bm.bmWidth, bm.bmHeight);
}

// Bitmap cells: a cell whose value is "#BMP(" followed by a resource number, or by a resource name in
// double quotes, and ")" shows that bitmap resource instead of text.
//
// CGXDIBPool parses such values, loads each named bitmap once as a packed device-independent bitmap in
// global memory and keeps it under its key ("#120" for the number 120, the name itself for a quoted
// name); a bitmap that cannot be found is kept as null, so it is not looked for again. The library
// holds one pool (GetDIBPool), made on first use and deleted at exit with the library state.
//
// CGXDIB reads the size of a packed DIB it owns; DrawDIBInRect draws one into a rectangle. Its bits
// start after the header's own size (biSize, and the three masks of a BI_BITFIELDS header of 40
// bytes) and the colour table; a DIB without width or height draws nothing.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "win/CRect.h"

class CDC;

// The text every bitmap value starts with.
#define GX_BITMAP_PREFIX "#BMP("

class CGXDIB : public CObject {
public:
    // Empty: no handle.
    CGXDIB();
    // Free.
    ~CGXDIB() override;
    CGXDIB(const CGXDIB&) = delete;
    CGXDIB& operator=(const CGXDIB&) = delete;

    // Frees the held DIB, then takes hDIB (a global block holding a packed DIB) and reads its colour
    // count, width and height. FALSE (nothing held) for null or a block too small for a header.
    BOOL Attach(HGLOBAL hDIB);
    // Gives the handle back without freeing it; nothing held afterwards.
    HGLOBAL Detach();
    // Frees the held handle (DeleteObject for a GDI object, GlobalFree for global memory).
    void Free();

    HGLOBAL GetHandle() const { return m_hDIB; }
    int GetNumColors() const { return m_nColors; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }

private:
    HGLOBAL m_hDIB;
    int m_nColors;
    int m_nWidth;
    int m_nHeight;
    BOOL m_bGlobal;  // freed with GlobalFree (else with DeleteObject)
};

class CGXDIBPool : public CObject {
public:
    // An empty pool.
    CGXDIBPool();
    // RemoveAll.
    ~CGXDIBPool() override;
    CGXDIBPool(const CGXDIBPool&) = delete;
    CGXDIBPool& operator=(const CGXDIBPool&) = delete;

    // The DIB pszValue names, loaded on its first look-up (null: the text names no bitmap, or none was
    // found; a bitmap not found is not looked for again).
    virtual HGLOBAL LookupDIB(const char* pszValue);
    // The resource pszValue names: a number (MAKEINTRESOURCE) or strKey's text (the quoted name); 0
    // when it names none (no prefix, a number that reads as 0, a name without its closing quote).
    // strKey receives the pool's key.
    virtual LPCSTR ParseBitmapText(const char* pszValue, CString& strKey);
    // The bitmap resource lpszResource as a packed DIB in a new global block (the resource handle's,
    // else the program's); null when neither has it.
    virtual HGLOBAL LoadBitmapResource(LPCSTR lpszResource);
    // The value texts: "#BMP(\"nValue\")" and "#BMP(nID)".
    virtual void FormatQuotedBitmapText(DWORD nValue, CString& strText);
    virtual void FormatBitmapText(UINT nID, CString& strText);

    // Frees every DIB and empties the pool.
    void RemoveAll();
    // The number of keys held (missing bitmaps included).
    int32_t GetCount() const { return m_map.GetCount(); }

private:
    CMapStringToPtr m_map;
};

// The library's pool, made on first use.
CGXDIBPool* GetDIBPool();

// Draws the packed DIB hDIB into rect. nMode 0: natural size, a smaller image placed by nFlags (1
// centre, 2 right, else left; 4 middle, 8 bottom, else top), a larger one cut (its top part, or its
// bottom part with 8); 1: stretched to rect; 2: scaled by the smaller of the width and height ratios
// (in thousandths), then placed by nFlags. pSource (null: the whole image) chooses a part of the image
// (top-down coordinates).
void DrawDIBInRect(CDC* pDC, HGLOBAL hDIB, const CRect& rect, int nMode, UINT nFlags, const CRect* pSource = nullptr);

// CGdiObject and its kinds: CPen, CBrush, CFont, CBitmap, CPalette, CRgn. Each wraps one GDI handle.
//
// Ownership: an object owns the handle it created or attached; DeleteObject (and the destructor)
// destroys it, Detach gives it up without destroying it. Creating into an object that already holds a
// handle is refused (CInvalidArgException*), because the old handle would leak: call DeleteObject
// first.
//
// FromHandle: the object that holds the handle when the program made or attached one; otherwise a
// temporary wrapper of the handle's own kind (a pen handle gets a CPen, a region a CRgn, ...), which
// does not own the handle and is freed by DeleteTempMap (called by the application when it goes
// idle). Keep no pointer to a temporary wrapper beyond the current message. Wrappers made by a kind's
// own FromHandle (CPen::FromHandle) are of that kind whatever the handle holds.
//
// Failures: a Create function returns FALSE when GDI refuses (the object then holds no handle); the
// constructors that create throw CResourceException* instead. Pointer and count arguments that GDI
// cannot check are checked here and refused with CInvalidArgException* naming the bad value.
//
// Measured under Wine (the tests pin these): ExtCreatePen takes a pattern brush (BS_PATTERN) and
// user dashes (PS_USERSTYLE) for geometric pens, and GetObject returns them as written.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "win/CRect.h"

class CDC;

class CGdiObject : public CObject {
    DECLARE_DYNCREATE(CGdiObject)
public:
    CGdiObject();
    // Destroys the handle the object holds (DeleteObject).
    ~CGdiObject() override;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    // The handle; null when the object holds none. Public, as drawing code reads it directly.
    HGDIOBJ m_hObject;

    // The handle (null when none).
    operator HGDIOBJ() const { return m_hObject; }
    // The handle; null when the object holds none.
    HGDIOBJ GetSafeHandle() const;

    // The object holding hObject, or a temporary wrapper of its kind (see the file comment). Null for
    // a null handle.
    static CGdiObject* FromHandle(HGDIOBJ hObject);
    // Frees every temporary wrapper of every GDI kind. Called on idle.
    static void DeleteTempMap();
    // The number of temporary wrappers alive (for tests of the idle clean-up).
    static size_t GetTempCount();

    // Takes ownership of hObject. Returns FALSE for a null handle; an object that already holds a
    // handle refuses with CInvalidArgException*.
    BOOL Attach(HGDIOBJ hObject);
    // Gives the handle up without destroying it. Returns it (null when none).
    HGDIOBJ Detach();
    // Destroys the handle. Returns FALSE when the object holds none or GDI refuses.
    BOOL DeleteObject();

    // GetObject of the handle: copies up to nCount bytes of its description into lpObject. Returns
    // the bytes copied (or, with lpObject null, needed); 0 when the object holds no handle.
    int GetObject(int nCount, LPVOID lpObject) const;
    // OBJ_PEN, OBJ_BRUSH, ...; 0 when the object holds no handle.
    UINT GetObjectType() const;
    // Holds the stock object nIndex (WHITE_BRUSH, BLACK_PEN, ...). FALSE for an unknown index.
    BOOL CreateStockObject(int nIndex);
    // Resets a brush's origin or a palette's realisation (UnrealizeObject). FALSE without a handle.
    BOOL UnrealizeObject();

    // Objects are equal when they hold the same handle.
    bool operator==(const CGdiObject& obj) const { return m_hObject == obj.m_hObject; }
    bool operator!=(const CGdiObject& obj) const { return m_hObject != obj.m_hObject; }

protected:
    // Makes the object the owner of a handle a Create function just made. Every Create calls
    // RequireEmpty before it creates, so nothing leaks and no handle is overwritten. Returns FALSE
    // when hObject is null.
    BOOL AttachCreated(HGDIOBJ hObject);
    // Throws CInvalidArgException* when the object already holds a handle (before a Create).
    void RequireEmpty(const char* lpszWhere) const;
    // FromHandle for a given kind: the holder of hObject when it is of that kind, else a temporary
    // wrapper of class pClass.
    static CGdiObject* FromHandleOf(HGDIOBJ hObject, CRuntimeClass* pClass);
    // Throws CResourceException* when bCreated is FALSE (the constructors that create).
    static void ThrowIfFailed(BOOL bCreated);
};

class CPen : public CGdiObject {
    DECLARE_DYNCREATE(CPen)
public:
    CPen() = default;
    // A cosmetic or geometric pen as CreatePen(nPenStyle, nWidth, crColor); CResourceException* on
    // failure.
    CPen(int nPenStyle, int nWidth, COLORREF crColor);
    // An extended pen as the second CreatePen; CResourceException* on failure.
    CPen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount = 0, const DWORD* lpStyle = nullptr);

    // The holder of hPen, or a temporary CPen (see the file comment).
    static CPen* FromHandle(HPEN hPen);
    // The handle as its kind\'s type (null when none).
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }

    // CreatePen: nPenStyle PS_SOLID, PS_DASH, ... (PS_INSIDEFRAME), nWidth in logical units (0: one
    // pixel), crColor the colour. Returns FALSE when GDI refuses.
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    // ExtCreatePen: nPenStyle combines PS_COSMETIC or PS_GEOMETRIC with a style, end cap and join;
    // pLogBrush gives the colour or a hatch or pattern brush (BS_PATTERN: lbHatch is the HBITMAP);
    // with PS_USERSTYLE, lpStyle holds nStyleCount (1 to 16) dash and gap lengths. pLogBrush must
    // not be null, nStyleCount not negative, lpStyle not null when nStyleCount > 0
    // (CInvalidArgException*). Returns FALSE when GDI refuses (e.g. PS_USERSTYLE without dashes).
    BOOL CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount = 0,
                   const DWORD* lpStyle = nullptr);
    // CreatePenIndirect from *lpLogPen (not null: CInvalidArgException*).
    BOOL CreatePenIndirect(const LOGPEN* lpLogPen);
    // Copies the pen's LOGPEN (not for extended pens) into *pLogPen. Returns the bytes copied.
    int GetLogPen(LOGPEN* pLogPen) const;
    // Copies the extended pen's EXTLOGPEN into *pLogPen (room for one dash entry only: pass a larger
    // buffer through GetObject for user dashes). Returns the bytes copied, 0 when it does not fit.
    int GetExtLogPen(EXTLOGPEN* pLogPen) const;
};

class CBitmap;

class CBrush : public CGdiObject {
    DECLARE_DYNCREATE(CBrush)
public:
    CBrush() = default;
    // A solid brush; CResourceException* on failure.
    explicit CBrush(COLORREF crColor);
    // A hatched brush (HS_*); CResourceException* on failure.
    CBrush(int nIndex, COLORREF crColor);
    // A pattern brush from the bitmap; CResourceException* on failure.
    explicit CBrush(CBitmap* pBitmap);

    static CBrush* FromHandle(HBRUSH hBrush);
    // The handle as its kind\'s type (null when none).
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }

    // A solid brush of the colour. FALSE on failure.
    BOOL CreateSolidBrush(COLORREF crColor);
    // A hatched brush: nIndex HS_HORIZONTAL ... HS_DIAGCROSS, lines in crColor. FALSE on failure.
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor);
    // From *lpLogBrush (not null: CInvalidArgException*).
    BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush);
    // A brush of the bitmap's pattern (8 by 8 pixels are used); pBitmap not null
    // (CInvalidArgException*). The brush does not keep the bitmap object.
    BOOL CreatePatternBrush(CBitmap* pBitmap);
    // A brush from a packed DIB (BITMAPINFO followed by the bits) in global memory / in memory;
    // nUsage DIB_RGB_COLORS or DIB_PAL_COLORS. The pointer or handle must not be null.
    BOOL CreateDIBPatternBrush(HGLOBAL hPackedDIB, UINT nUsage);
    BOOL CreateDIBPatternBrush(const void* lpPackedDIB, UINT nUsage);
    // The system's brush of colour nIndex (COLOR_*). FALSE for an unknown index.
    BOOL CreateSysColorBrush(int nIndex);
    // Copies the brush's LOGBRUSH into *pLogBrush. Returns the bytes copied.
    int GetLogBrush(LOGBRUSH* pLogBrush) const;
};

class CFont : public CGdiObject {
    DECLARE_DYNCREATE(CFont)
public:
    static CFont* FromHandle(HFONT hFont);
    // The handle as its kind\'s type (null when none).
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }

    // From *lpLogFont (not null: CInvalidArgException*).
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    // CreateFont with the fields of a LOGFONT; lpszFacename may be null (the default face).
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, LPCSTR lpszFacename);
    // A font of nPointSize tenths of a point (120 = 12 points) in face lpszFaceName (null: default;
    // cut to 31 bytes), for the device pDC (see CreatePointFontIndirect).
    BOOL CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC = nullptr);
    // As CreateFontIndirect, but lfHeight holds the size in tenths of a point. It becomes a character
    // height in pDC's logical units: points are turned into device pixels by the attribute DC's
    // LOGPIXELSY (the output DC's when there is no attribute DC; the screen's when pDC is null),
    // then into logical units by the DC's mapping. lpLogFont not null (CInvalidArgException*).
    BOOL CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC = nullptr);
    // Copies the font's LOGFONT into *pLogFont. Returns the bytes copied.
    int GetLogFont(LOGFONT* pLogFont) const;
};

class CBitmap : public CGdiObject {
    DECLARE_DYNCREATE(CBitmap)
public:
    static CBitmap* FromHandle(HBITMAP hBitmap);
    // The handle as its kind\'s type (null when none).
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

    // Loads the bitmap resource from the current resource handle, else from the program
    // (win/ResourceSource.h). FALSE when neither has it.
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    // One of the system's bitmaps (OBM_*).
    BOOL LoadOEMBitmap(UINT nIDBitmap);
    // A device-dependent bitmap of nWidth by nHeight pixels, nPlanes planes of nBitcount bits; lpBits
    // (may be null) holds its rows, each padded to 16 bits.
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    // From *lpBitmap (not null: CInvalidArgException*).
    BOOL CreateBitmapIndirect(const BITMAP* lpBitmap);
    // A bitmap compatible with pDC's output DC (not null: CInvalidArgException*). A memory DC that
    // still holds its initial bitmap gives a monochrome bitmap, as in Win32.
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    BOOL CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight);

    // Copies the bitmap's BITMAP description into *pBitMap. Returns the bytes copied.
    int GetBitmap(BITMAP* pBitMap) const;
    // Copies dwCount bytes into / out of the bitmap's bits. Returns the bytes copied.
    DWORD SetBitmapBits(DWORD dwCount, const void* lpBits);
    DWORD GetBitmapBits(DWORD dwCount, LPVOID lpBits) const;
    // The bitmap's recorded size in 0.1 mm (GDI keeps it and does not use it). Set returns the old.
    CSize SetBitmapDimension(int nWidth, int nHeight);
    CSize GetBitmapDimension() const;
};

class CPalette : public CGdiObject {
    DECLARE_DYNCREATE(CPalette)
public:
    static CPalette* FromHandle(HPALETTE hPalette);
    // The handle as its kind\'s type (null when none).
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }

    // From *lpLogPalette (not null: CInvalidArgException*).
    BOOL CreatePalette(const LOGPALETTE* lpLogPalette);
    // The halftone palette of pDC's device (its output DC; the screen when pDC is null).
    BOOL CreateHalftonePalette(CDC* pDC);
    // AnimatePalette over nNumEntries entries from nStartIndex.
    void AnimatePalette(UINT nStartIndex, UINT nNumEntries, const PALETTEENTRY* lpPaletteColors);
    // Index of the entry closest to crColor (CLR_INVALID without a handle).
    UINT GetNearestPaletteIndex(COLORREF crColor) const;
    // Changes the number of entries. FALSE on failure.
    BOOL ResizePalette(UINT nNumEntries);
    // The number of entries (0 without a handle).
    int GetEntryCount() const;
    // Copy nNumEntries entries from nStartIndex out of / into the palette. Return the entries copied.
    UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const;
    UINT SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, const PALETTEENTRY* lpPaletteColors);
};

class CRgn : public CGdiObject {
    DECLARE_DYNCREATE(CRgn)
public:
    static CRgn* FromHandle(HRGN hRgn);
    // The handle as its kind\'s type (null when none).
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }

    // Regions of a rectangle, an ellipse in a rectangle, a polygon or a rounded rectangle (x3, y3
    // the corner ellipse). FALSE on failure. Rectangle and point arguments must not be null
    // (CInvalidArgException*).
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
    BOOL CreateEllipticRgnIndirect(LPCRECT lpRect);
    // A polygon of nCount points (at least 1); nMode ALTERNATE or WINDING.
    BOOL CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode);
    // nCount polygons whose point counts are in lpPolyCounts, their points one after the other.
    BOOL CreatePolyPolygonRgn(const POINT* lpPoints, const INT* lpPolyCounts, int nCount, int nPolyFillMode);
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3);
    // The region of the path selected in pDC's output DC (not null: CInvalidArgException*).
    BOOL CreateFromPath(CDC* pDC);
    // A region from RGNDATA, transformed by lpXForm (may be null).
    BOOL CreateFromData(const XFORM* lpXForm, int nCount, const RGNDATA* pRgnData);

    // Sets this region to pRgn1 combined with pRgn2 by nCombineMode (RGN_AND, RGN_OR, RGN_XOR,
    // RGN_DIFF, RGN_COPY; pRgn2 may be null for RGN_COPY). This region must exist already (create an
    // empty one first). Returns NULLREGION, SIMPLEREGION, COMPLEXREGION or ERROR.
    int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode);
    // Sets this existing region to a copy of pRgnSrc. Returns the region type or ERROR.
    int CopyRgn(const CRgn* pRgnSrc);
    // True when both regions hold the same area.
    BOOL EqualRgn(const CRgn* pRgn) const;
    // Moves the region. Returns the region type or ERROR.
    int OffsetRgn(int x, int y);
    int OffsetRgn(POINT point) { return OffsetRgn(point.x, point.y); }
    // The bounding rectangle. Returns the region type or ERROR.
    int GetRgnBox(LPRECT lpRect) const;
    // Whether the point / some of the rectangle lies in the region.
    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }
    BOOL RectInRegion(LPCRECT lpRect) const;
    // Makes the region the rectangle (the region must exist).
    void SetRectRgn(int x1, int y1, int x2, int y2);
    void SetRectRgn(LPCRECT lpRect);
    // Copies the region's data (nDataSize bytes at most). Returns the bytes needed or copied.
    int GetRegionData(LPRGNDATA lpRgnData, int nDataSize) const;
};

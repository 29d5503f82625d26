// CDC: a device context, held as two handles.
//
// - m_hDC, the output DC, receives the drawing (lines, shapes, text output, blits, pixels) and is the
//   one whose clip box and visibility are asked.
// - m_hAttribDC, the attribute DC, answers every question about measures and state: text extents
//   and metrics, character widths, device capabilities, mapping mode, origins and extents, the
//   coordinate conversions (LPtoDP, DPtoLP), colours, modes and the current position. Without an
//   attribute DC the output DC answers.
// Usually both are the same handle (Attach, CreateDC, CreateCompatibleDC set both). Print preview
// draws on the screen (output) while measuring on the printer (attribute), so that the page
// looks as it will print; tests do the same with two memory DCs.
//
// Changes of state go to both DCs: selecting pens, brushes and fonts, clip regions, mapping mode,
// origins and extents, colours, modes, SaveDC/RestoreDC and MoveTo. The previous value returned is
// the attribute DC's (the output DC's when there is no attribute DC). Bitmaps and palettes are
// selected into the output DC only (a bitmap can be in one DC at a time; it is the drawing surface).
// A null object pointer given to SelectObject selects nothing and returns null (ERROR for a region).
//
// Ownership: the object owns m_hDC when it created it (CreateDC, CreateIC, CreateCompatibleDC) or
// attached it; DeleteDC and the destructor delete it. Derived classes for window DCs (client, window,
// paint DCs) release their handle themselves and detach before this destructor runs. A DC given by
// SetOutputDC is owned the same way: call ReleaseOutputDC first when it belongs to someone else. The
// attribute DC given by SetAttribDC is never deleted here.
//
// IsPrinting: m_bPrinting is public and settable, so that code can be made to draw "as printing"
// into a bitmap; the print loop sets it on the printer DC. CDC itself never changes it.
//
// FromHandle returns the CDC attached to a handle or a temporary wrapper (both DCs the handle), freed
// by DeleteTempMap when the application goes idle.
//
// Calls on a CDC without the DC they need return what Win32 returns for a null handle (0, FALSE,
// CLR_INVALID, an empty size). Pointer and count arguments are checked and refused with
// CInvalidArgException* naming the bad value.
//
// Not provided (nothing calls them yet): GrayString and DrawState, the HIMETRIC conversions, world
// transforms, ExcludeUpdateRgn and GetWindow (the window layer's), alpha and gradient blits.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "win/CGdiObject.h"
#include "win/CRect.h"

#include <vector>

class CDC : public CObject {
    DECLARE_DYNCREATE(CDC)
public:
    CDC();
    // Deletes the output DC the object holds (DeleteDC).
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC;          // the output DC (drawing); null when none
    HDC m_hAttribDC;    // the attribute DC (measures and state); null when none
    BOOL m_bPrinting;   // the DC draws for the printer (settable by tests and the print loop)

    // ---- handles and life --------------------------------------------------------------------

    // The output DC (the attribute DC when there is no output DC); null when neither.
    HDC GetSafeHdc() const { return m_hDC != nullptr ? m_hDC : m_hAttribDC; }
    // The output DC (null when none).
    operator HDC() const { return m_hDC; }

    // The CDC attached to hDC, else a temporary wrapper with hDC as both DCs. Null for null.
    static CDC* FromHandle(HDC hDC);
    // Frees the temporary wrappers. Called on idle.
    static void DeleteTempMap();
    // The number of temporary wrappers alive (for tests of the idle clean-up).
    static size_t GetTempCount();

    // Takes hDC as output and attribute DC and owns it. FALSE for a null handle; an object that
    // already holds an output DC refuses with CInvalidArgException*.
    BOOL Attach(HDC hDC);
    // Gives both handles up without deleting them. Returns the output DC.
    HDC Detach();
    // Sets / clears the output or attribute DC alone, without deleting the previous one.
    virtual void SetAttribDC(HDC hDC);
    virtual void SetOutputDC(HDC hDC);
    virtual void ReleaseAttribDC();
    virtual void ReleaseOutputDC();

    // A DC for a device (CreateDCA): lpszDriverName "DISPLAY" or a printer driver; FALSE on failure.
    BOOL CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const DEVMODEA* lpInitData);
    // An information context (measures only): as CreateDC.
    BOOL CreateIC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const DEVMODEA* lpInitData);
    // A memory DC compatible with pDC's output DC (the screen when pDC is null), as both DCs.
    BOOL CreateCompatibleDC(CDC* pDC);
    // Deletes the output DC and forgets both. FALSE when there is none.
    BOOL DeleteDC();

    // m_bPrinting.
    BOOL IsPrinting() const { return m_bPrinting; }

    // Saves the state of both DCs. Returns the output DC's save level (the attribute DC's when there
    // is no output DC); 0 on failure.
    virtual int SaveDC();
    // Restores both DCs to the state saved by the SaveDC that returned nSavedDC (each DC to its own
    // matching level), or, for a negative value, that many saves back. FALSE on failure.
    virtual BOOL RestoreDC(int nSavedDC);

    // GetDeviceCaps of the attribute DC. When that DC belongs to another CDC object (a printer-like DC
    // given as the attribute DC of a screen DC, as print preview does), that object answers, so that a
    // device which answers for itself is asked through whichever CDC uses it. Printing code asks its
    // device here, never ::GetDeviceCaps on a raw handle.
    virtual int GetDeviceCaps(int nIndex) const;
    // ResetDC of both DCs with the new device mode. FALSE on failure.
    BOOL ResetDC(const DEVMODEA* lpDevMode);
    // The brush origin of the output DC; Set returns the previous one.
    CPoint GetBrushOrg() const;
    CPoint SetBrushOrg(int x, int y);
    CPoint SetBrushOrg(POINT point) { return SetBrushOrg(point.x, point.y); }

    // ---- selection ---------------------------------------------------------------------------

    // Select into both DCs; return the previously selected object (the holder or a temporary).
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    virtual CFont* SelectObject(CFont* pFont);
    // Into the output DC only.
    CBitmap* SelectObject(CBitmap* pBitmap);
    // Selects a copy of the region as clip region of both DCs; returns the region type or ERROR.
    int SelectObject(CRgn* pRgn);
    // Any GDI object by kind, as above; returns the previous object of that kind.
    CGdiObject* SelectObject(CGdiObject* pObject);
    HGDIOBJ SelectObject(HGDIOBJ hObject);
    // A stock object (WHITE_BRUSH, NULL_PEN, DEFAULT_GUI_FONT, ...) into both DCs; returns the
    // previous object of its kind; null for an unknown index.
    virtual CGdiObject* SelectStockObject(int nIndex);
    // The objects now selected (in the output DC, else the attribute DC).
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CPalette* GetCurrentPalette() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;
    // SelectPalette / RealizePalette on the output DC.
    CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
    UINT RealizePalette();

    // ---- colours and modes (set: both DCs; get: attribute DC) --------------------------------
    // Win32's functions of the same names: the getters return the current value (CLR_INVALID or 0
    // without a DC), the setters the previous one.

    // The colour the device shows for crColor.
    COLORREF GetNearestColor(COLORREF crColor) const;
    COLORREF GetBkColor() const;
    int GetBkMode() const;
    int GetPolyFillMode() const;
    int GetROP2() const;
    int GetStretchBltMode() const;
    COLORREF GetTextColor() const;
    virtual COLORREF SetBkColor(COLORREF crColor);
    int SetBkMode(int nBkMode);
    int SetPolyFillMode(int nPolyFillMode);
    int SetROP2(int nDrawMode);
    int SetStretchBltMode(int nStretchMode);
    virtual COLORREF SetTextColor(COLORREF crColor);

    // ---- mapping (set: both DCs; get and conversions: attribute DC) ---------------------------
    // Win32's mapping functions: mode (MM_*), viewport and window origins and extents in device
    // and logical units. Getters return the current value; setters, offsets and scalings the
    // previous one.

    int GetMapMode() const;
    virtual int SetMapMode(int nMapMode);
    CPoint GetViewportOrg() const;
    virtual CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
    virtual CPoint OffsetViewportOrg(int nWidth, int nHeight);
    CSize GetViewportExt() const;
    virtual CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }
    virtual CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom);
    CPoint GetWindowOrg() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
    CPoint OffsetWindowOrg(int nWidth, int nHeight);
    CSize GetWindowExt() const;
    virtual CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }
    virtual CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom);
    // Convert nCount points / a rectangle / a size (a size converts as a distance: its sign is kept
    // and the origins do not count).
    void DPtoLP(LPPOINT lpPoints, int nCount = 1) const;
    void DPtoLP(LPRECT lpRect) const;
    void DPtoLP(LPSIZE lpSize) const;
    void LPtoDP(LPPOINT lpPoints, int nCount = 1) const;
    void LPtoDP(LPRECT lpRect) const;
    void LPtoDP(LPSIZE lpSize) const;

    // ---- regions and clipping ----------------------------------------------------------------

    // Fill / frame / invert / paint the region on the output DC (FrameRgn: nWidth by nHeight thick).
    // The region and brush must not be null (CInvalidArgException*). FALSE on failure.
    BOOL FillRgn(CRgn* pRgn, CBrush* pBrush);
    BOOL FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight);
    BOOL InvertRgn(CRgn* pRgn);
    BOOL PaintRgn(CRgn* pRgn);
    // The clip box of the output DC in logical units. Returns the region type or ERROR.
    virtual int GetClipBox(LPRECT lpRect) const;
    // Whether the point / some of the rectangle lies in the output DC's clip region.
    virtual BOOL PtVisible(int x, int y) const;
    BOOL PtVisible(POINT point) const { return PtVisible(point.x, point.y); }
    virtual BOOL RectVisible(LPCRECT lpRect) const;
    // Clip region of both DCs: a copy of pRgn (null removes clipping) / combined by nMode (RGN_AND,
    // RGN_COPY, RGN_DIFF, RGN_OR, RGN_XOR). Return the region type or ERROR.
    int SelectClipRgn(CRgn* pRgn);
    int SelectClipRgn(CRgn* pRgn, int nMode);
    // Cut the rectangle out of / down to the rectangle / move the clip region of both DCs (logical
    // units). Return the region type or ERROR.
    int ExcludeClipRect(int x1, int y1, int x2, int y2);
    int ExcludeClipRect(LPCRECT lpRect);
    int IntersectClipRect(int x1, int y1, int x2, int y2);
    int IntersectClipRect(LPCRECT lpRect);
    int OffsetClipRgn(int x, int y);
    int OffsetClipRgn(SIZE size) { return OffsetClipRgn(size.cx, size.cy); }

    // ---- lines (output DC; MoveTo and the current position also on the attribute DC) ----------

    CPoint GetCurrentPosition() const;
    // Moves the current position; returns the previous one.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    // A line from the current position to (x, y), which becomes the current position.
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    // Win32's line functions on the output DC: the rectangle bounds the ellipse of an arc, the two
    // points (or angles) give its ends; the "To" forms start at the current position and move it
    // (on the attribute DC too). Point arrays must not be null when counted, counts not negative
    // (CInvalidArgException*). FALSE on failure.
    BOOL Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd);
    BOOL ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL AngleArc(int x, int y, int nRadius, float fStartAngle, float fSweepAngle);
    int GetArcDirection() const;
    int SetArcDirection(int nArcDirection);
    BOOL Polyline(const POINT* lpPoints, int nCount);
    BOOL PolylineTo(const POINT* lpPoints, int nCount);
    BOOL PolyPolyline(const POINT* lpPoints, const DWORD* lpPolyPoints, int nCount);
    BOOL PolyBezier(const POINT* lpPoints, int nCount);
    BOOL PolyBezierTo(const POINT* lpPoints, int nCount);

    // ---- shapes (output DC) ------------------------------------------------------------------

    // FillRect / FrameRect with the brush (not null); InvertRect; DrawFocusRect (an XOR dotted frame:
    // drawing it twice removes it).
    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    void FrameRect(LPCRECT lpRect, CBrush* pBrush);
    void InvertRect(LPCRECT lpRect);
    void DrawFocusRect(LPCRECT lpRect);
    // Draws the icon with its top-left corner at (x, y).
    BOOL DrawIcon(int x, int y, HICON hIcon);
    BOOL DrawIcon(POINT point, HICON hIcon) { return DrawIcon(point.x, point.y, hIcon); }
    // DrawEdge (EDGE_*, BF_*) and DrawFrameControl (DFC_*, DFCS_*) of user32 on the output DC.
    BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags);
    BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState);
    // Win32's filled shapes, outlined with the current pen and filled with the current brush, on
    // the output DC; arguments as in Win32, pointers checked as above. FALSE on failure.
    BOOL Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Chord(LPCRECT lpRect, POINT ptStart, POINT ptEnd);
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Ellipse(LPCRECT lpRect);
    BOOL Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Pie(LPCRECT lpRect, POINT ptStart, POINT ptEnd);
    BOOL Polygon(const POINT* lpPoints, int nCount);
    BOOL PolyPolygon(const POINT* lpPoints, const INT* lpPolyCounts, int nCount);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect);
    BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL RoundRect(LPCRECT lpRect, POINT point);

    // ---- bitmaps and pixels (output DC) ------------------------------------------------------

    // Fills the rectangle with the current brush combined by dwRop (PATCOPY, PATINVERT, DSTINVERT...).
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);
    BOOL PatBlt(LPCRECT lpRect, DWORD dwRop);
    // pSrcDC's output DC is the source; null for raster operations without a source.
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwRop);
    // BitBlt through the monochrome mask bitmap (dwRop holds the foreground and background ROPs).
    BOOL MaskBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, CBitmap& maskBitmap,
                 int xMask, int yMask, DWORD dwRop);
    // The colour of a pixel of the output DC; CLR_INVALID outside the clip region.
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }
    // Sets the pixel; returns the colour actually set (CLR_INVALID on failure).
    COLORREF SetPixel(int x, int y, COLORREF crColor);
    COLORREF SetPixel(POINT point, COLORREF crColor) { return SetPixel(point.x, point.y, crColor); }
    // Sets the pixel to the nearest colour without returning it.
    BOOL SetPixelV(int x, int y, COLORREF crColor);
    // Fill with the current brush from (x, y) up to the border colour crColor / over the area of
    // crColor (nFillType FLOODFILLBORDER or FLOODFILLSURFACE).
    BOOL FloodFill(int x, int y, COLORREF crColor);
    BOOL ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType);

    // ---- text (output: drawing; attribute: measures) -----------------------------------------

    // nCount < 0 is refused (CInvalidArgException*); lpszString may be null only with nCount 0.
    virtual BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount);
    BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }
    // ExtTextOut: nOptions ETO_CLIPPED / ETO_OPAQUE with lpRect (may be null otherwise); lpDxWidths
    // (may be null) holds nCount advance widths.
    virtual BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount,
                            LPINT lpDxWidths);
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
    {
        return ExtTextOut(x, y, nOptions, lpRect, str, UINT(str.GetLength()), lpDxWidths);
    }
    // TabbedTextOut: returns the size of the text drawn.
    virtual CSize TabbedTextOut(int x, int y, LPCSTR lpszString, int nCount, int nTabPositions,
                                LPINT lpnTabStopPositions, int nTabOrigin);
    CSize TabbedTextOut(int x, int y, const CString& str, int nTabPositions, LPINT lpnTabStopPositions,
                        int nTabOrigin)
    {
        return TabbedTextOut(x, y, str, str.GetLength(), nTabPositions, lpnTabStopPositions, nTabOrigin);
    }
    // DrawText (DT_* flags; nCount -1 for a zero-terminated text). With DT_CALCRECT nothing is drawn
    // and the rectangle is measured on the attribute DC. Returns the text height.
    virtual int DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
    {
        return DrawText(str, str.GetLength(), lpRect, nFormat);
    }
    // The size of the text on the attribute DC / on the output DC.
    CSize GetTextExtent(LPCSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }
    CSize GetOutputTextExtent(LPCSTR lpszString, int nCount) const;
    CSize GetOutputTextExtent(const CString& str) const { return GetOutputTextExtent(str, str.GetLength()); }
    CSize GetTabbedTextExtent(LPCSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions) const;
    CSize GetTabbedTextExtent(const CString& str, int nTabPositions, LPINT lpnTabStopPositions) const
    {
        return GetTabbedTextExtent(str, str.GetLength(), nTabPositions, lpnTabStopPositions);
    }
    CSize GetOutputTabbedTextExtent(LPCSTR lpszString, int nCount, int nTabPositions,
                                    LPINT lpnTabStopPositions) const;
    // Text metrics of the font selected in the attribute DC / the output DC.
    BOOL GetTextMetrics(LPTEXTMETRICA lpMetrics) const;
    BOOL GetOutputTextMetrics(LPTEXTMETRICA lpMetrics) const;
    // The face name of the attribute DC's font: into nCount bytes / into rString. Returns its length.
    int GetTextFace(int nCount, LPSTR lpszFacename) const;
    int GetTextFace(CString& rString) const;
    // Widths of the characters nFirstChar..nLastChar (lpBuffer holds one int each).
    BOOL GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const;
    BOOL GetOutputCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const;
    // Text alignment (TA_*), extra space per character and the justification of the next output:
    // the setters reach both DCs and return the previous value.
    UINT GetTextAlign() const;
    UINT SetTextAlign(UINT nFlags);
    int GetTextCharacterExtra() const;
    int SetTextCharacterExtra(int nCharExtra);
    int SetTextJustification(int nBreakExtra, int nBreakCount);

    // ---- scrolling, printing, paths ----------------------------------------------------------

    // ScrollDC on the output DC; pRgnUpdate and lpRectUpdate (may be null) receive the uncovered area.
    BOOL ScrollDC(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* pRgnUpdate, LPRECT lpRectUpdate);
    // Printer escapes and the document calls, on the output DC.
    int Escape(int nEscape, int nCount, LPCSTR lpszInData, LPVOID lpOutData);
    int Escape(int nEscape, int nInputSize, LPCSTR lpszInputData, int nOutputSize, LPSTR lpszOutputData);
    // The document and page calls of the printing loop; Win32's results (a value <= 0 is a failure).
    // Overridable, so that a DC standing for a printer can record them. StartDoc(lpszDocName) calls
    // StartDoc(LPDOCINFOA).
    virtual int StartDoc(LPDOCINFOA lpDocInfo);
    int StartDoc(LPCSTR lpszDocName);
    virtual int StartPage();
    virtual int EndPage();
    int SetAbortProc(ABORTPROC lpfn);
    virtual int AbortDoc();
    virtual int EndDoc();
    // Win32's path functions on the output DC (BeginPath ... EndPath, then stroke, fill, widen or
    // make it the clip region with nMode RGN_*). FALSE on failure.
    BOOL AbortPath();
    BOOL BeginPath();
    BOOL CloseFigure();
    BOOL EndPath();
    BOOL FillPath();
    BOOL FlattenPath();
    BOOL StrokeAndFillPath();
    BOOL StrokePath();
    BOOL WidenPath();
    BOOL SelectClipPath(int nMode);
    // The miter limit of geometric pen joins (set on both DCs).
    float GetMiterLimit() const;
    BOOL SetMiterLimit(float fMiterLimit);

    // ---- helpers -----------------------------------------------------------------------------

    // Fills the rectangle with the solid colour (no pen, no brush). The DC keeps clr as its
    // background colour afterwards (SetBkColor), which drawing code relies on.
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    // A one-pixel frame on the inside of the rectangle: top and left edges in clrTopLeft, right and
    // bottom edges in clrBottomRight (the top-right and bottom-left corner pixels are
    // clrBottomRight's). Nothing for a rectangle narrower or lower than 1.
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    // Tracking feedback by exclusive-or: draws the frame of lpRect, size.cx thick at the left and
    // right and size.cy at the top and bottom, and erases the frame of lpRectLast (sizeLast thick)
    // drawn by the previous call. lpRectLast null: nothing to erase; a size of 0 draws nothing, so
    // DrawDragRect(r, CSize(0, 0), last, sizeLast) erases the last frame. pBrush defaults to the
    // halftone brush, pBrushLast to pBrush; with equal brushes only the pixels that change are
    // touched. The frame is drawn in black on white (the DC's text and background colours are set for
    // the call and restored), so a monochrome brush gives the same look on every DC. The DC's clip
    // region and selected brush are kept. lpRect must not be null (CInvalidArgException*).
    void DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush = nullptr,
                      CBrush* pBrushLast = nullptr);
    // The process-wide 8 by 8 checkerboard brush (alternate pixels), made on first use, never freed.
    static CBrush* GetHalftoneBrush();

private:
    // Save levels of the output and the attribute DC taken by one SaveDC.
    struct SavedLevel {
        int nOutput;
        int nAttrib;
    };
    std::vector<SavedLevel> m_savedLevels;

    // The DC that answers questions (attribute, else output) / that draws (output, else attribute).
    HDC AttribOrOutput() const { return m_hAttribDC != nullptr ? m_hAttribDC : m_hDC; }
    // The output DC when it differs from the attribute DC (the second DC to change), else null.
    HDC OtherOutput() const { return m_hDC != m_hAttribDC ? m_hDC : nullptr; }
    // Selects hObject into both DCs; returns the previous object of the attribute DC (else output).
    HGDIOBJ SelectBoth(HGDIOBJ hObject);
    // The frame between lpRect and lpRect deflated by size, in device units, into rgn.
    void MakeFrameRegion(CRgn& rgn, LPCRECT lpRect, SIZE size) const;
    // Inverts the pixels of rgn (device units) with the brush's pattern (PATINVERT), within the
    // clip region hClipSaved (null: none).
    void InvertRegion(CRgn& rgn, CBrush* pBrush, HRGN hClipSaved);
};

// CMetaFileDC: a DC that records drawing into a metafile. It has no attribute DC of its own
// (m_hAttribDC null, which drawing code checks before clipping): code that must measure gives it one
// with SetAttribDC; until then the metafile DC itself answers, as far as a recording DC can.
class CMetaFileDC : public CDC {
    DECLARE_DYNCREATE(CMetaFileDC)
public:
    CMetaFileDC();
    // Ends and deletes a metafile that is still being recorded.
    ~CMetaFileDC() override;

    // Starts a Windows metafile in the file lpszFilename (null: in memory). FALSE on failure; an
    // object that already records refuses with CInvalidArgException*.
    BOOL Create(LPCSTR lpszFilename = nullptr);
    // Starts an enhanced metafile for the device of pDCRef's output DC (null: the screen), in the file
    // lpszFileName (null: in memory), with lpBoundsRect the picture's frame in 0.01 mm (null: GDI
    // computes it) and lpszDescription (may be null). FALSE on failure.
    BOOL CreateEnhanced(CDC* pDCRef, LPCSTR lpszFileName, LPCRECT lpBoundsRect, LPCSTR lpszDescription);
    // Ends the recording of a Create / CreateEnhanced metafile and returns it (the caller deletes it
    // with DeleteMetaFile / DeleteEnhMetaFile); null when no metafile of that kind is recording.
    HMETAFILE Close();
    HENHMETAFILE CloseEnhanced();

private:
    bool m_bEnhanced;
};

// CGXDrawingAndFormatting: the grid's process-wide drawing and formatting service: text drawn
// word-wrapped, aligned and clipped, with ellipses or "#" fill; the character under a point of a text;
// three-dimensional frames, button edges and captions; the 41 monochrome 8 by 8 pattern bitmaps of
// patterned brushes; the drawing of a static text cell; value formatting and parsing. It is made on
// first use (GetDrawingAndFormatting), kept in GridLibraryState and deleted at exit. Number formatting
// and rotated text go to the process-wide modules (GXModules.h) when they are installed.
//
// Text layout (BreakTextLines): the available width is the rectangle's width plus one; lines are
// filled word by word (a word ends at a space, CR or LF, spaces stay with the word before, a
// double-byte character is one unit); a line ends at CR (a following LF is skipped), at LF, or before
// the word that would make it too wide. A word wider than the whole width is cut at the last character
// that fits when word breaking (DT_WORDBREAK) is off or the line holds only that word; with word
// breaking and more lines allowed the line ends before it. Without word breaking only the first line
// is made. The first line is always made; the lines allowed are the rectangle's height divided by the
// line height (text height plus external leading), none beyond the first when the height less a third
// of a line is one line or less. DT_VCENTER moves the rectangle's top down by half of the free height
// plus the external leading, DT_BOTTOM by the whole free height. Drawing (DrawTextWrapped) uses at most
// 32 lines, one line height apart (one pixel less when that exceeds 19 pixels), placed right
// (DT_RIGHT), centred (DT_CENTER) or left, never left of the rectangle, and clips to the clip
// rectangle (null: the text rectangle).
//
// Packed colours given to the fill functions are read as GXColor.h says (system colours through the
// cached system colours).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "win/CRect.h"

class CDC;
class CBitmap;
class CGXControl;
class CGXStyle;

class CGXDrawingAndFormatting {
public:
    // Ellipsis kinds of DrawTextEllipsis (the values of user attribute 52792).
    enum { gxNoEllipsis = 0, gxDotEllipsis = 1, gxPoundEllipsis = 2 };
    // The most lines DrawTextWrapped draws.
    enum { gxMaxLines = 32 };

    CGXDrawingAndFormatting();
    // Deletes the pattern bitmaps made so far.
    virtual ~CGXDrawingAndFormatting();
    CGXDrawingAndFormatting(const CGXDrawingAndFormatting&) = delete;
    CGXDrawingAndFormatting& operator=(const CGXDrawingAndFormatting&) = delete;

    // Pattern nIndex (0..40) as a monochrome 8 by 8 bitmap, made on first request (one byte per row,
    // top row first, bit 7 the left pixel); null for another index.
    virtual CBitmap* GetPatternBitmap(int nIndex);
    // Kind gxNoEllipsis draws as DrawTextWrapped. Otherwise each line is placed as there, and:
    // gxDotEllipsis: a line that is not the text's last and leaves less than three quarters of the
    // ascent plus a line height below it ends in "...", dropping characters before the dots while too
    // wide (with one character left the dots shrink instead), and the lines after it are not shown;
    // lines of fewer than two characters keep their text and the text's last line stays as it is. gxPoundEllipsis: a DT_SINGLELINE text wider than the rectangle
    // becomes as many "#" as fit, or one "#" clipped to the rectangle when none fits.
    virtual void DrawTextEllipsis(CDC* pDC, const char* pszText, int nLength, const CRect& rect, UINT nFormat,
                                  const CRect* pClipRect, int nEllipsis);
    // Draws the text laid out as the top of this file says. nLength -1: up to the terminating 0.
    virtual void DrawTextWrapped(CDC* pDC, const char* pszText, int nLength, const CRect& rect, UINT nFormat,
                                 const CRect* pClipRect = nullptr);
    // A text turned by nOrientation tenths of a degree, through the rotated-text module (nothing
    // without it).
    virtual void DrawRotatedText(CDC* pDC, const char* pszText, int nLength, const CRect& rect, UINT nFormat,
                                 LONG nOrientation, const CRect* pClipRect = nullptr);
    // The offset in the text of the character under point, the text laid out in rect with nFormat; -1
    // above, below or beside the lines, and for a point more than a third of the widest character
    // before a line's start or beyond its end. TA_RTLREADING of the DC mirrors the line.
    virtual int HitTestText(CDC* pDC, const char* pszText, int nLength, const CRect& rect, UINT nFormat,
                            CPoint point);
    // The number of lines BreakTextLines makes.
    virtual int CountTextLines(CDC* pDC, const char* pszText, int nLength, const CRect& rect, UINT nFormat);
    // Lays the text out (see the top of this file): the start offset and byte length of each line go
    // to anStarts and anLengths (room for nMaxLines each); rect's top moves for the vertical alignment.
    // Returns the number of lines.
    virtual int BreakTextLines(CDC* pDC, const char* pszText, int nLength, CRect& rect, UINT nFormat, int* anStarts,
                               int* anLengths, int nMaxLines);
    // The text shown for pszValue (null: style's Value) of nValueType: through the number-formatting
    // module; without it the value itself (empty when none).
    virtual void FormatValue(CString& strResult, const CGXStyle& style, const char* pszValue, UINT nValueType);
    // pszText read as a number with the format and places it shows, through the number-formatting
    // module. Nonzero when it is a number; 0 without the module.
    virtual BOOL ParseValue(const char* pszText, double& dValue, UINT& nFormat, UINT& nPlaces);
    // nWidth rings from (nLeft, nTop) to (nRight, nBottom), both corners included, each one pixel
    // further in: top and left edges in clrTopLeft, bottom and right in clrBottomRight. The DC's
    // background colour is kept.
    virtual void Draw3dRect(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom, int nWidth, COLORREF clrTopLeft,
                            COLORREF clrBottomRight);
    // With bPressedOrFlat: both inner borders, flat when bHighlighted, else both outer borders, mono;
    // when highlighted then a sunken edge. Nothing without bPressedOrFlat.
    virtual void DrawButtonEdge(CDC* pDC, CRect rect, BOOL bPressedOrFlat, BOOL bHighlighted);
    // A caption centred in rect (its measured size widened by 3 pixels each side, clipped to rect),
    // transparent; "--" stands for an empty text; with bFocus a dotted frame of COLOR_BTNSHADOW lines
    // around it, each side starting 2 pixels in from the corner.
    virtual void DrawCaptionText(CDC* pDC, const CRect& rect, BOOL bFocus, const char* pszText, UINT nFormat);
    // Draws a static text cell: the control's background, then DrawCellContent.
    virtual void DrawCellText(CGXControl* pControl, CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol,
                              const CGXStyle& style, const CGXStyle* pStandardStyle);
    // The text of a static text cell without its background: the cell's stored value when the
    // parameter object shows stored values, else the control's text (GetControlText); for an empty
    // text only the control's children, for a rectangle one pixel wide or high nothing. A text naming
    // a bitmap of the pool (GXDIB.h) draws the bitmap at its natural size in the base control's cell
    // rectangle (CGXControl::GetCellRect, no text margins), placed by the style's alignment, then the
    // children; a control whose window is an edit control draws the name as text.
    // Otherwise, in the control's cell rectangle moved by sizeShift, the style's font, text colour
    // (black on white when printing in black and white), transparent background, the style's
    // alignment, DT_WORDBREAK with WrapText else DT_SINGLELINE (always DT_NOPREFIX), TA_RTLREADING
    // when user attribute 52570 is a nonzero number; a turned font draws through DrawRotatedText,
    // user attribute 52792 through DrawTextEllipsis with its number, anything else through
    // DrawTextWrapped, clipped to rect. Then the control's children, and the DC's font and alignment
    // back.
    void DrawCellContent(CGXControl* pControl, CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol,
                         const CGXStyle& style, const CGXStyle* pStandardStyle, CSize sizeShift);

private:
    // A text laid out in a rectangle (BreakTextLines, at most gxMaxLines lines; the rectangle's top
    // moved for the vertical alignment) with the DC's text metrics.
    struct Layout {
        Layout(CGXDrawingAndFormatting& drawing, CDC* pDC, const char* pszText, int nLength, const CRect& rectText,
               UINT nFormat);
        CRect rect;
        TEXTMETRICA tm;
        int nLines;
        int anStarts[gxMaxLines];
        int anLengths[gxMaxLines];
    };

    CBitmap* m_apPatterns[41];
};

// The singleton, made on first use and kept in GridLibraryState.
CGXDrawingAndFormatting* GetDrawingAndFormatting();
// CGXDrawingAndFormatting::FormatValue of the singleton.
void FormatValueText(CString& strResult, const CGXStyle& style, const char* pszValue, UINT nValueType);

// A copy of bitmap resource lpszName of hModule in a new movable, zero-initialised global block; null
// when the resource is missing or memory runs out.
HGLOBAL LoadResourceDIB(HINSTANCE hModule, LPCSTR lpszName);
// The colour table size of a DIB header: biClrUsed when nonzero, else 2, 16 or 256 for 1, 4 or 8 bits
// per pixel, 0 otherwise.
int GetDIBNumColors(const BITMAPINFOHEADER* pHeader);
// Loads bitmap resource lpszName (resource handle, then the program) into bitmap (deleting what it
// held) as a bitmap compatible with the screen, its colour table's black, dark grey (128, 128, 128),
// light grey (192, 192, 192) and white replaced by the button text, shadow, face and highlight colours
// (the cached system colours). FALSE when the resource is missing or memory runs out.
BOOL LoadSysColorBitmap(CBitmap& bitmap, LPCSTR lpszName);
// Inverts rect, or its intersection with a non-empty clip rectangle (nothing when they do not meet).
void InvertRectClipped(CDC* pDC, const CRect& rect, const CRect& rectClip);
// Fills the area with the packed colour (an opaque empty ExtTextOut); the DC's background colour is
// kept.
void FillAreaWithColor(CDC* pDC, int x, int y, int nWidth, int nHeight, COLORREF color);
void FillRectWithColor(CDC* pDC, const CRect& rect, COLORREF color);
// DrawEdge of rect with BF_RECT, plus BF_ADJUST with bAdjust.
void DrawRectEdge(CDC* pDC, CRect& rect, UINT nEdge, BOOL bAdjust);

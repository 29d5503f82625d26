// Cell tips: whether the text or bitmap of a cell is cut off, and where a tip window must show it
// whole.
//
// The measuring functions take the cell's control, the cell and its composed style; every rectangle
// and point they answer is in screen coordinates. The cell rectangle is the grid's (widened to a
// covered span); its visible part is what of it lies inside the grid rectangle. Widths follow the
// grid's text layout, which counts a rectangle's right edge as usable (a width is right - left + 1).
//
// Need bits (NeedTextTip, NeedBitmapTip, CGXCellTipBase::NeedShowTip): gxTipWider and gxTipTaller when
// the content does not fit, then the placement bits of a rectangle: it leaves the grid window's client
// area across (gxTipOutClientX) or down (gxTipOutClientY), or the screen (SM_CXSCREEN, SM_CYSCREEN)
// across (gxTipOutScreenX) or down (gxTipOutScreenY). 0: no tip.
//
// CGXCellTipStatic is the tip object the control factory gives the controls that show text
// (CGXControl::AttachCellTip); the control owns it and forwards its three tip operations to it. A
// "#BMP" text is a bitmap tip (unless the control is the bitmap control, whose text is the picture's
// reference, not a picture name); a cell that wraps its text or turns its font needs no text tip.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "win/CRect.h"

class CGXControl;
class CGXStyle;
class CGXTipWnd;

// The need bits (see the top of this file).
enum {
    gxTipWider = 0x01, gxTipTaller = 0x02, gxTipOutClientX = 0x04, gxTipOutClientY = 0x08, gxTipOutScreenX = 0x10,
    gxTipOutScreenY = 0x20
};
// Tip kinds (CGXCellTipBase::GetTipKind, CGXTipWnd::GetKind).
enum { gxTextTip = 1, gxBitmapTip = 2 };
// The delay, in milliseconds, after which a control with a tip object shows its tip.
#define GX_CELLTIP_DELAY 500
// What a control without a tip object answers for its delay: never.
#define GX_CELLTIP_NEVER 2147483647

// ---- measuring --------------------------------------------------------------------------------------
// The cell's display text (the control's GetControlText of the cell with style).
CString GetCellTipText(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
// The cell rectangle reduced by the widths of the borders style includes: the left and top by their
// pens' widths, the right and bottom by their pens' widths less 1.
CRect GetCellTipInnerRect(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
// The control's text rectangle in the cell (its GetCellRect of the cell rectangle with style).
CRect GetCellTipTextRect(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
// The visible part of the cell rectangle (empty when the cell is scrolled out).
CRect GetCellTipVisibleRect(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol);
// The size of pszText (null: the cell text) in style's font zoomed by the grid, measured on a client
// DC of the grid window; (0, 0) when style includes no font.
CSize GetCellTipTextExtent(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const char* pszText = nullptr);
// Where the cell text starts in the text rectangle. Without horizontal centre or right and vertical
// centre or bottom alignment, its top-left corner. A centred or right-aligned text that is too wide is
// shortened first, as a cell shows it: one character at a time while it is too wide and shows two or
// more characters; with the dotted ellipsis (user attribute 52792 of type 1) "..." follows the shortened
// text, and once one character is left the dots shrink instead ("a..", "a.", "a"). Right: x = right -
// width + 1, centre: x = left + (right - width - left + 1) / 2, neither left of the rectangle; bottom:
// y = bottom - height, middle: y = top + (bottom - height - top) / 2, neither above it.
CPoint GetCellTipTextOrigin(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
// The cell's bitmap from the DIB pool (null when the text names none) and its size.
HGLOBAL GetCellTipBitmap(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CSize* pSize = nullptr);
// Where the cell's bitmap starts in the inner rectangle: a narrower bitmap centred ((width - bitmap
// width) / 2 in) or right-aligned (right - bitmap width - 1), a lower one centred or bottom-aligned
// likewise, else the left and top; (0, 0) without a bitmap.
CPoint GetCellTipBitmapOrigin(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
// The placement bits of rect (see the top of this file).
UINT GetCellTipPlacement(CGXControl* pControl, const CRect& rect);
// 0 for a turned font (orientation set and positive); else gxTipWider when the text from its origin
// passes the text rectangle's right, gxTipTaller its bottom, and the placement bits of the text at its
// origin with its right and bottom limited to the text rectangle's.
UINT NeedTextTip(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
// 0 without a bitmap; else gxTipWider when the bitmap is wider than the inner rectangle, gxTipTaller
// when it is taller, and the placement bits of the bitmap at its origin.
UINT NeedBitmapTip(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
// TRUE when pszText starts with "#BMP" and pControl is not the bitmap control.
BOOL IsCellTipBitmapText(CGXControl* pControl, const char* pszText);

// ---- tip objects ------------------------------------------------------------------------------------
class CGXCellTipBase {
public:
    virtual ~CGXCellTipBase();
    // The need bits of the cell; 0: no tip.
    virtual UINT NeedShowTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) = 0;
    // gxTextTip or gxBitmapTip.
    virtual int GetTipKind(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) = 0;
    // Fills pTipWnd with the cell's content and places it (hidden) over the cell.
    virtual void ShowTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CGXTipWnd* pTipWnd) = 0;
};

class CGXCellTipStatic : public CGXCellTipBase {
public:
    // A tip for pControl (not owned; the control owns the tip).
    explicit CGXCellTipStatic(CGXControl* pControl);

    // 0 without a control or for an empty text. A bitmap text (IsCellTipBitmapText) asks
    // NeedBitmapTip; else a style with WrapText set needs none and any other asks NeedTextTip.
    UINT NeedShowTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
    // gxBitmapTip for a bitmap text, else gxTextTip (also without a control).
    int GetTipKind(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
    // Nothing without a control or window. A text tip (see ShowTextTip) or a bitmap tip (ShowBitmapTip)
    // by the window's kind.
    void ShowTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CGXTipWnd* pTipWnd) override;

    CGXControl* GetControl() const { return m_pControl; }

protected:
    // The text, the style's font scaled by the window's zoom, and a place: the tip starts at the
    // visible cell's left and reaches the text's end plus 6 pixels, at least as wide as the visible
    // cell or the room to the screen's right edge, whichever is smaller (with gxTipOutClientX and a
    // style not centred across only to the text's end; with gxTipOutScreenX as wide as the text plus 6,
    // at the screen's left or right edge); the height likewise with the text height plus 2. The tip
    // is kept on the screen; the text starts at its origin in the tip (2 pixels in with
    // gxTipOutScreenX), one pixel higher for a bottom-aligned style.
    virtual void ShowTextTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CGXTipWnd* pTipWnd);
    // The bitmap, and a tip at least as large as the bitmap plus 1 and as the visible cell, at the
    // cell's top left moved left or up into the full-screen area (SM_CXFULLSCREEN, SM_CYFULLSCREEN);
    // ending at the cell's bottom for a bottom-aligned bitmap taller than the cell. A bitmap narrower or
    // lower than the cell keeps its place in the cell.
    virtual void ShowBitmapTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CGXTipWnd* pTipWnd);

private:
    CGXControl* m_pControl;
};

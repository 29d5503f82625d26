// CGXCellPen: one border side of a cell as an 8-byte record of two words.
//
// Word 0: bits 0-2 pen style (0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 null,
// 6 inside-frame, 7 side not included); bits 3-18 width; bits 19-20 colour kind; bits 21-31 zero.
// Word 1: bits 0-23 colour. The colour is a packed colour (GXColor.h).
#pragma once

#include <windows.h>

class CGXCellBrush;

class CGXCellPen {
public:
    enum { gxSolid = 0, gxDash = 1, gxDot = 2, gxDashDot = 3, gxDashDotDot = 4, gxNull = 5,
           gxInsideFrame = 6, gxExcluded = 7 };

    // A solid black pen of width 1.
    CGXCellPen();
    // nStyle 0..7, nWidth 0..65535 (else CInvalidArgException*), a packed colour.
    CGXCellPen(UINT nStyle, UINT nWidth, COLORREF color);

    // Style 0..7 (else CInvalidArgException*). Returns *this.
    CGXCellPen& SetStyle(UINT nStyle);
    UINT GetStyle() const { return m_dwWord0 & 7; }
    // Width 0..65535 (else CInvalidArgException*). Returns *this.
    CGXCellPen& SetWidth(UINT nWidth);
    UINT GetWidth() const { return (m_dwWord0 >> 3) & 0xFFFF; }
    // Stores the colour and includes the side (style 7 becomes 0). Returns *this.
    CGXCellPen& SetColor(COLORREF color);
    COLORREF GetColor() const;
    // TRUE turns style 7 into 0 and leaves other styles; FALSE sets style 7. Returns *this.
    CGXCellPen& SetInclude(BOOL bInclude);
    BOOL GetInclude() const { return GetStyle() != gxExcluded; }

    // The pen for GDI: style, width as the x extent, the colour resolved. A side that is not included
    // gives a null pen.
    LOGPEN GetLogPen() const;

    // The brush that draws this border side as a dashed line: styles 1-4 give a pattern brush (a
    // pattern of the row of horizontal-line patterns when bRow, else of vertical-line patterns) in the
    // pen's colour on interior's background, or black on white when bMono; style 5 copies interior.
    // Returns FALSE (brush unchanged) for other styles.
    BOOL CreateDashBrush(CGXCellBrush& brush, const CGXCellBrush& interior, BOOL bRow, BOOL bMono) const;

    // Equal when both words are equal.
    bool operator==(const CGXCellPen& o) const { return m_dwWord0 == o.m_dwWord0 && m_dwWord1 == o.m_dwWord1; }
    bool operator!=(const CGXCellPen& o) const { return !(*this == o); }

    DWORD m_dwWord0;
    DWORD m_dwWord1;
};

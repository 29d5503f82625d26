// SRGGridLines: lines across the plot area at tick positions (a list of CPoint* that an axis scale or a
// display records; not owned), with minor lines between neighbouring positions. SRGTickMarks: short
// ticks across an axis line at such positions, with minor ticks between them.
//
// Grid lines: horizontal lines at the positions' y, or vertical ones at their x ("vertical" set). Each
// runs from its position to the far edge of the line rectangle (the right or left edge for a horizontal
// line, whichever lies further from the position; the bottom or top for a vertical one). The axis type
// in bits 24-31 of the style word picks the geometry: 0x02, 0x03, 0x08, 0x0a, 0x0c, 0x0f, 0x12, 0x13,
// 0x17-0x1b straight lines; 0x0b, 0x0d, 0x10, 0x14-0x16 lines with depth (first a diagonal of the depth
// up and to the right, the depth being the style's third limit under flag bit 30, else 10 pixels, times
// the device scales, then across); other types none; axis type 0x01 first becomes the type the graph
// type in bits 16-23 implies (ChartImpliedAxisType). Pens: from the LOGPEN when one is set; else for pen
// kind 7 (PS_USERSTYLE) with a dash array an extended pen of that pattern; else the chart's cached pen
// of the kind, width and colour. m minor lines stand at i / (m + 1) of the way between two positions.
//
// Tick marks: the axis runs from the first to the last position (a single position counts as an axis
// running right); ticks point at right angles to it, to the right of the axis direction (direction
// clear: left of an axis running up, up from one running right) or to its left (set). Major ticks are
// the major length long, minor ones trunc(major x ratio + 0.5); both grow with the device scale across
// the axis on a printing DC. Ticks are solid lines of the tick width (pen value 1, minor ones pen
// value 2) in the colour.
//
// Both draw no background: their style has no fill.
//
// Stored forms: grid lines: the component's, then major and minor kind, major and minor width, major and
// minor colour, vertical and the minor count (read from version 2 on). Tick marks: the component's, then
// the two pen values, the pen kind, the colour, the direction, the major length, the minor ratio
// (double) and the minor count.
#pragma once

#include "chart/engine/components/DEDizedComponent.h"

#include <vector>

class SRGGridLines : public DEDizedComponent {
    DECLARE_SERIAL(SRGGridLines)
public:
    // No positions, solid pens of width 1 in 0x808000, horizontal lines, type id chartTypeGridLines.
    SRGGridLines();
    ~SRGGridLines() override;
    SRGGridLines(const SRGGridLines&) = delete;
    SRGGridLines& operator=(const SRGGridLines&) = delete;

    void Serialize(CArchive& ar) override;
    int GetVersion() const override;
    // The lines (see the top of this file); nothing when hidden or without positions.
    void DrawContent() override;

    virtual void SetMajorDashCount(int nCount);
    virtual int GetMajorDashCount() const;
    virtual void SetMinorCount(int nCount);
    virtual int GetMinorCount() const;
    // The dash patterns of pen kind 7: nCount lengths (1 to 16) copied from pDashes (not null when
    // nCount > 0); a count of 0 removes the pattern.
    virtual void SetMajorDashes(const DWORD* pDashes, int nCount);
    virtual void SetMinorDashes(const DWORD* pDashes, int nCount);
    virtual const std::vector<DWORD>& GetMajorDashes() const;
    virtual const std::vector<DWORD>& GetMinorDashes() const;
    virtual void SetLineRect(const RECT& rect);
    virtual CRect GetLineRect() const;
    // The positions (not owned; null for none).
    virtual void SetPositions(CPtrList* pPositions);
    virtual void SetColours(COLORREF crMajor, COLORREF crMinor);
    virtual void SetPenKinds(int nMajor, int nMinor);
    virtual void SetWidths(int nMajor, int nMinor);
    virtual int GetMajorWidth() const;
    virtual int GetMinorWidth() const;
    // Pens to use instead of the kinds (copied; null removes them).
    void SetMajorLogPen(const LOGPEN* pLogPen);
    void SetMinorLogPen(const LOGPEN* pLogPen);
    void SetVertical(int bVertical) { m_bVertical = bVertical; }
    int IsVertical() const { return m_bVertical; }

    // A horizontal / vertical grid line through (x, y) in the geometry of the axis type, with pPen.
    virtual void DrawHorizontalLine(int x, int y, CPen* pPen);
    virtual void DrawVerticalLine(int x, int y, CPen* pPen);

protected:
    // The concrete axis type of the style word (0x01 resolved; stored back into the style).
    int ResolveAxisType();
    // The pen of one kind of line: from the LOGPEN, the dash pattern or the chart's cache; a pen made
    // here is put into rOwned, which deletes it.
    CPen* MakePen(const LOGPEN* pLogPen, int nKind, int nWidth, COLORREF crColour, const std::vector<DWORD>& dashes,
                  CPen& rOwned);
    // A polyline of the grid line from (x, y) across: bHorizontal picks the direction.
    void DrawGridLine(int x, int y, CPen* pPen, bool bHorizontal);

    int m_nMinorCount;
    int m_nMajorKind;
    int m_nMinorKind;
    int m_nMajorWidth;
    int m_nMinorWidth;
    CPtrList* m_pPositions;  // not owned
    COLORREF m_crMajor;
    COLORREF m_crMinor;
    int m_bVertical;
    CRect m_rcLines;
    LOGPEN* m_pMinorLogPen;  // owned
    LOGPEN* m_pMajorLogPen;  // owned
    std::vector<DWORD> m_majorDashes;
    std::vector<DWORD> m_minorDashes;
};

class SRGTickMarks : public DEDizedComponent {
    DECLARE_SERIAL(SRGTickMarks)
public:
    // Widths 1, black, ticks of 5 pixels with minor ones of 0.75 of that, no positions, type id
    // chartTypeTickMarks.
    SRGTickMarks();

    void Serialize(CArchive& ar) override;
    // The ticks (see the top of this file); nothing when hidden or without positions.
    void DrawContent() override;

    virtual void SetMinorCount(int nCount);
    virtual int GetMinorCount() const;
    virtual void SetPenValues(int nMajorWidth, int nMinorWidth);
    virtual void SetColour(COLORREF crColour);
    virtual void SetPositions(CPtrList* pPositions);
    virtual void SetDirection(int nDirection);
    virtual void SetMajorLength(int nLength);
    virtual void SetMinorRatio(double dRatio);
    virtual int GetMajorLength() const;
    virtual double GetMinorRatio() const;
    // A tick from pt, nLength pixels long at dAngle (radians, screen coordinates), nWidth wide.
    virtual void DrawTick(const CPoint& pt, int nLength, double dAngle, int nWidth);
    // Move the two end points of an axis line outwards along it by the major length.
    virtual void ExtendStart(CPoint& rStart, const CPoint& end) const;
    virtual void ExtendEnd(const CPoint& start, CPoint& rEnd) const;

    // The lengths of the last draw (device pixels).
    int GetLastMajorLength() const { return m_nLastMajor; }
    int GetLastMinorLength() const { return m_nLastMinor; }

protected:
    int m_nMajorWidth;
    int m_nMinorWidth;
    int m_nPenKind;
    COLORREF m_crColour;
    int m_nDirection;
    int m_nMajorLength;
    double m_dMinorRatio;
    CPtrList* m_pPositions;  // not owned
    int m_nMinorCount;
    int m_nLastMajor;
    int m_nLastMinor;
};

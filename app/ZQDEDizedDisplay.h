// CZQDEDizedDisplay: the display of a marginal value chart. It draws the chart library's line chart
// with two differences: a chart whose values are all equal (their spread not above 2^-52) or that
// has no data shows the empty chart, although the display's fixed value range is wide; and under
// every point that has a marker a bar 10 pixels wide (from 5 pixels left of the point) shows the
// item's range, from the y of its minimum to the y of its maximum on the display's value scale, in
// the "charts bars color" setting. The bar is drawn first, the line and the marker over it; an item
// whose range has no height shows no bar. Markers and bars are drawn whole also where they stand on
// the plot's edges (the first and the last breakpoint, a value of 0): they are clipped to the plot
// grown by their reach, not to the plot.
#pragma once

#include <windows.h>

#include "chart/engine/display/DEDizedDisplay.h"

class CZQDEDizedDisplay : public DEDizedDisplay {
    DECLARE_SERIAL(CZQDEDizedDisplay)
public:
    CZQDEDizedDisplay();
    ~CZQDEDizedDisplay() override;

    // See the top of this file.
    void DrawLineChart() override;

    // The colour of the range bars: the application's "charts bars color", 0x00C000 without the
    // application.
    static COLORREF BarColour();

protected:
    // The range bars of the window's items (see the top of this file).
    void DrawRangeBars();
    // How far the window's points reach from their middles: the largest of the bar's half width and
    // the half sizes of their markers, in pixels.
    int PointReach();
};

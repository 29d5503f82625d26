// DEDizedDisplay: the display that the chart makes (CreateComponent with chartTypeDisplay) and archives
// recreate. It fills in the routines of SRGDisplayBase's dispatch tables that are built so far: the
// line chart of the graph types GT_LINE and GT_LINE_LABELLED, and the standard axes: the scales along
// the left (or right) and bottom edges with their frame, the depth frame, the XY frame and scales, and
// the labels of pies. The other graph types and axis layouts draw nothing yet.
//
// Line chart (DrawLineChart): one polyline per group of the window, the window's items spread evenly
// from the plot's left edge to its right (a single item stands at the left edge), values mapped
// linearly from the bottom (range minimum) to the top (minimum + range width). The axis types drawn
// with depth (0x0b, 0x0d, 0x14, 0x15) shrink the data area by the depth. Every drawn value becomes a
// point hit region of half-width 5 with its item and group (DEDized::AddMarkerFeedback). GT_LINE draws
// each value as a data point (DEDizedComponent::DrawDataPoint, marker at the value) from the one before
// it; a value whose style's marker kind is 0 draws nothing. GT_LINE_LABELLED joins the values with
// lines of the group's palette colour (a solid line kind 2 becomes the palette kind 1) and writes each
// value's label. A missing value is joined over, unless flagBreakLines, when the line starts anew after
// it. With optionThinOut a group of n values on a plot w pixels wide draws every (n / w)-th value.
// Logarithmic displays map log10 of the values; a logarithmic display whose range, or whose fixed range,
// does not lie above 0 draws the placeholder.
//
// Standard axes (BuildScales, DrawFrame; DrawFrameTransposed is DrawFrame): an index scale along the
// bottom edge (labels on the points for the line-like types, in the middle of each category for the
// others; laid horizontal unless optionXLabelAngle) and a value scale (decimal, logarithmic under
// flagLogarithmic, dates for axis types 0x12-0x15) up the left edge, or up the right edge for axis
// types 0x0c, 0x0d, 0x13 and 0x15. The scales take the display's font and text colour and stand the
// margin x 1.25 away from the plot; the label steps are the display's first (x) and second (y) extra
// values, the y format its second extra text. The plot shrinks to leave room for the labels (not under
// flagPlotFixed): the scales are laid out once to measure them, the plot shrunk, then laid out again and
// drawn. The frame fills the plot under flagFillPlot, draws tick marks outwards at the ticks (the
// margin long, in the frame colour), grid lines across the plot at the value ticks (horizontal) and at
// the category ticks (vertical) in the grid colour, and outlines the plot in the frame pen. The flags
// remove ticks, grid lines or scales one by one.
//
// Pie labels (BuildPieLabels): one label per present value around the pie, made as the label block of
// the display; they are drawn at once.
#pragma once

#include "chart/engine/display/SRGDisplayBase.h"

class SRGDecimalScale;

class DEDizedDisplay : public SRGDisplayBase {
    DECLARE_SERIAL(DEDizedDisplay)
public:
    DEDizedDisplay();

    void DrawLineChart() override;
    void BuildScales() override;
    void DrawFrame() override;
    void DrawFrameTransposed() override;
    void DrawDepthFrame() override;
    void DrawXYFrame() override;
    void BuildXYScales() override;
    void BuildPieLabels() override;

    // The text of a pie label of label kind nKind (bits 4-7 of the value style's kind word) for a value,
    // its share of the total in per cent and its annotation.
    static CString PieLabelText(int nKind, double dValue, double dPercent, const char* lpszAnnotation);
    // The pull-out factor of a pie label by bits 8-11 of the value style's kind word.
    static double PiePullOut(int nKindWord);
    // The label alignment (octant 0-7) of a slice whose middle stands at dDegrees.
    static int PieLabelOctant(double dDegrees);

protected:
    // The scales of the standard axes: made when missing (x an index scale, y by the flags and axis
    // type), their window and chart set.
    void PrepareScales(bool bXValues);
    // One scale of a pass: font, colours, gap, line and limits set by the caller; it is laid out and,
    // unless bMeasure, drawn. Returns the box of its labels (empty when it has none).
    CRect LayOutScale(SRGDecimalScale* pScale, bool bMeasure);
    // The two passes over the x and y scales with the axis lines the plot gives (see BuildScales).
    void BuildScalePasses(bool bXValues);
    // Tick marks of the margin's length in the frame pen at the points of rList (nDirection as
    // SRGTickMarks::SetDirection).
    void DrawTicks(CPtrList& rList, int nDirection);
};

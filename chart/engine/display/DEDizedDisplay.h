// DEDizedDisplay: the display that the chart makes (CreateComponent with chartTypeDisplay) and archives
// recreate. It fills in the routines of SRGDisplayBase's dispatch tables that are built so far: the
// line chart of the graph types GT_LINE and GT_LINE_LABELLED; the bar, stacked, pie, area, step,
// range and stock displays; the standard axes: the scales along the left (or right) and bottom edges
// with their frame, the depth frame, the XY frame and scales, and the labels of pies; the transposed,
// by-group and floating-bar scales; the XY, bubble, vector, radar, polar and perspective displays with
// the box, radar and polar axes.
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
// XY (GT_XY_*): value pairs, items k and k + 1 of a group (one polyline per group; by index: one per
// index pair across the groups) or item k of groups g and g + 1 (one per group pair); DEDizedException
// code 23 when the values paired are odd in number, 7 for a pair with one value missing (a pair with
// both missing is skipped, and breaks the line under flagBreakLines); a pair past its group's end is
// left out. Both axes are scanned unless fixed; against a fixed axis only the points inside its window
// count for the other. Points map from the view ranges (log10 on a logarithmic axis, the x axis of the
// dual types by optionLogX; a start of 0 counts as 0.001) and are clamped to the drawing surface,
// LOGPIXELSX / 2 - 32768 to 32767 - LOGPIXELSX / 2 of the DC, so that lines towards them keep their
// direction. Each point is a point hit region of its x value, with its value label; the first point of
// a line draws the widget of the x value's style, the others a data point from the one before.
//
// Bubbles (GT_BUBBLE, GT_BUBBLE_AREA) read triples of groups (x, y, size), vectors (GT_VECTOR,
// GT_VECTOR_B, GT_VECTOR_SEGMENT) quadruples (x, y, angle and magnitude, or the end's x and y); groups
// past the last whole set are not read, a set with an empty value is left out, sizes and magnitudes
// count by their absolute values. Code 21 for too few groups, 22 on a logarithmic display. With second
// word bit 25 (and no flagOwnDepth) the ranges take in the markers' extent. Bubbles are drawn largest
// first as circles (squares for the point mode 0x500) of radius size in data units (GT_BUBBLE_AREA: the
// root of size / pi), or under flagOwnDepth scaled to the bar width (20 when unset) for the largest;
// a bubble under a device unit is a cross. Vector angles run clockwise from the top; a vector is drawn
// as a line with its style's line ends, a marker at its anchor, both ends hit regions.
//
// Radar (GT_RADAR, GT_RADAR_FILLED): each group a ring over the items on spokes clockwise from the
// top, radius 0.4 x the plot's smaller side, code 21 for fewer than 3 items. Polar (GT_POLAR,
// GT_POLAR_FILLED): group pairs (angle in degrees clockwise from the top, magnitude), code 21 for an
// odd number of groups; a magnitude below the axis stands at the centre without marker or hit region.
// Markers and lines follow each value's point mode (0 nothing, 0x200 markers, 0x400 lines, others
// both); the filled types fill the ring in the group's style. Their frames draw rings through the
// value ticks (not under flagNoHorizontalGrid) and spokes (not under flagNoVerticalGrid): one per item,
// sixteen for polar; their scales the labels round the circle (item annotations, or degrees; not under
// flagNoXScale) and the value scale up from the centre (not under flagNoYScale), its font 1.25 times as
// tall as the display's.
//
// Perspective (GT_3D_BAR, GT_3D_AREA, GT_3D_AREA_FLAT): the groups one behind the other in an oblique
// box (receding edges at 45 degrees, half length), the largest total furthest back unless
// flagKeepGroupOrder; columns of three faces (side, front, top; under flagPatternFaces the side is
// darkened and the top lightened by the faces' pattern), bands of a front and a top (a flat band has
// its front alone). A negative value (for the bands also a single item) turns the display into GT_VBAR
// with standard axes from the next draw on; the columns draw nothing in that pass. The box frame draws
// the back wall, side wall and floor with grid lines along them; the box scales put the values up the
// front face's left edge (right for axis types 0x04 and 0x06, whose box is mirrored), the items under
// it and the group names along the floor's open edge.
//
// Standard axes (BuildScales, DrawFrame; DrawFrameTransposed is DrawFrame): an index scale along the
// bottom edge (labels on the points for the line-like types, in the middle of each category for the
// others; laid horizontal unless optionXLabelAngle) and a value scale (decimal, logarithmic under
// flagLogarithmic, dates for axis types 0x12-0x15) up the left edge, or up the right edge for axis
// types 0x0c, 0x0d, 0x13 and 0x15. The scales take the display's font and text colour and stand the
// margin x 1.25 away from the plot; the label steps are the display's first (x) and second (y) extra
// values, the y format its second extra text. The plot shrinks to leave room for the labels (not under
// flagPlotFixed): the scales are laid out once to measure them, the plot shrunk (the bottom labels
// measured again on the narrower plot until they keep to the room beside it), then laid out again and
// drawn. The frame fills the plot under flagFillPlot, draws tick marks outwards at the ticks (the
// margin long, in the frame colour), grid lines across the plot at the value ticks (horizontal) and at
// the category ticks (vertical) in the grid colour, and outlines the plot in the frame pen. The flags
// remove ticks, grid lines or scales one by one.
//
// Pie labels (BuildPieLabels): one label per present value around the pie (squeezed by the sine of the
// tilt for GT_PIE_3D), made as the label block of the display; they are drawn at once.
//
// What the routines below share. Values map linearly onto the value axis: from the range minimum at
// the bottom (left for the horizontal layouts) to the minimum plus the range width at the top (right);
// on a logarithmic display values and minimum are taken as log10 (a minimum not above 0 as -3, a value
// not above 0 as -99). Every routine draws the placeholder when the window has no group or no item or
// the value range is not wider than kTinyRange. On the axis types drawn with depth (0x0b, 0x0d, 0x14
// and 0x15 for vertical layouts, 0x10 and 0x16 for horizontal ones) and for the graph types GT_VBAR_3D
// and GT_HBAR_3D the bars, overlapped bars and stacked bars shrink their data area by the depth on the
// right and the top and are drawn with depth (symbol kind symbolWithDepth). A value whose data style
// word is 0 (for the bars, overlapped bars and bar-line; its low byte for the stacked, step, floating-bar
// and stock types) is drawn in its group's style; areas and bands take their group's. Bars and bar
// segments are drawn with DrawSymbol, their box the hit region of the value's item and group (the
// high-low columns and floating bars register their own, below); points become point hit regions of
// half-width 5; pie slices polygon regions. Under flagOwnDepth the style's sizes
// replace the standard ones: its first limit is the bar width (times the device scale, never wider
// than the bar's room), its second limit the bar thickness of stacked horizontal bars (pixels), its
// third limit the depth and the thickness of a pie's walls. Without it a bar takes 10/11 of its room.
//
// Bars (GT_VBAR, GT_VBAR_3D; GT_HBAR, GT_HBAR_3D): the groups of an item stand side by side, centred in
// the item's room, from the pixel of 0 (the bottom or left edge when the range lies above 0, the top or
// right edge when it lies below); horizontal bars run upward from item 0 at the bottom. Overlap columns
// and bars (GT_VBAR_OVERLAP, GT_HBAR_OVERLAP): the groups of an item in one bar, each stretch between
// neighbouring values drawn in the group of its end away from 0; a missing value takes no part.
// Bar-line (GT_BAR_LINE): each value at its category's centre, as a line point (marker kinds 2, 3, 4,
// 11: joined to the group's previous point, across missing values) or as a column from the bottom (the
// pixel of 0 when the range spans 0; marker kinds 5, 6, 10).
//
// Stacked (GT_STACKED_* by item, GT_GROUP_STACKED_* by group): one bar per item (group) with the
// running sums of its groups (items) stacked from the bottom or left edge; the percent types scale each
// bar to its own sum (a bar whose values sum to nothing is left out) and fix the range to 0 to 100. A
// missing value takes no room and draws nothing. Their range scans take in the running sums; a negative
// value makes the display GT_VBAR with axis type 0x02 for good (scanned again at once). A segment
// without a style of its own takes its group's (by item) or the display's (by group) style. The stacked
// area (GT_STACKED_AREA) fills, group after group, the band between the running sums of the groups
// before it and its own, points spread from the left edge to the right.
//
// Pie (GT_PIE, GT_PIE_3D): every present value of the window a slice, clockwise from 3 o'clock, in
// window order, of a circle of radius 0.4 x the plot's smaller side (the pie radius for axis types 0x09
// and 0x01) seen at the tilt (GT_PIE_3D; GT_PIE from above): an ellipse of vertical radius sin(tilt) x
// radius with walls cos(tilt) x thickness high (half the vertical radius unless flagOwnDepth), radial
// walls and the front of the rim drawn back to front before the faces. Bits 8-11 of a value style's
// kind word pull its slice out by 0.1 (0x100, 0x300), 0.05 (0x200) or 0.2 (0x400) of the radius. Each
// slice takes the palette colour of its place in the pie. A negative value makes the display GT_VBAR
// with axis type 0x02 (drawn from the next draw on); no total draws the placeholder.
//
// Area (GT_AREA): one filled area per group down to the bottom (to the 0 line when the range spans 0),
// the group with the largest mean first unless flagKeepGroupOrder. Step (GT_STEP, GT_STEP_B): a step
// line per group with markers (none for GT_STEP_B; marker kind 2 still draws them, 4 draws lines
// alone, 0 nothing). High-low (GT_HILO): per value a column from its low to its high split at the value,
// with a marker at the value; band (GT_HILO_BAND): per group the bands from the lows to the values and
// from the values to the highs; both scan the items' own ranges. Floating bars (GT_BAR_FLOAT): group
// pairs (start, end) make rows from the bottom, each item a bar between its two values; either half of
// a bar is the hit region of the group of its nearer end. Stock (GT_STOCK_BAR, GT_STOCK_TICKS,
// GT_CANDLESTICK): sets of four groups (high, low, open, close), DEDizedException code 21 unless the
// window holds a whole number of them; each item a candle per set, its four values point regions.
// Floating bars and candles need all their values: one missing leaves the bar or candle out.
//
// Transposed and by-group scales: horizontal layouts (BuildScalesTransposed for items,
// BuildScalesTransposedByGroup for groups, BuildFloatScales for the rows of group pairs) put the
// category labels up the left edge and the value scale along the bottom; BuildScalesByGroup puts group
// labels along the bottom and the value scale on the left (right for axis types 0x0c, 0x0d, 0x13,
// 0x15). Percent layouts show 0 to 100 in steps of 5 unless a step is set. The category labels go by
// flagNoXScale, the group labels by flagNoGroupLabels, the value scale by flagNoYScale; label
// placement follows flagYLabelPlacement up the side and flagXLabelPlacement along the bottom, as for
// the standard scales. The ticks of the scale up the side go to the y tick list, those along the
// bottom to the x tick list, so that the frame draws its grid across both.
#pragma once

#include "chart/engine/display/SRGDisplayBase.h"

#include <vector>

class DEDizedData;
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

    // A slice of the pie: a present value of the window and its angles (radians, clockwise from 3
    // o'clock; a full turn is 6.2831852).
    struct PieSlice {
        int nItem;
        int nGroup;
        DEDizedData* pItem;
        double dStart;
        double dAngle;
    };
    // The slices of the window's values, which add up to dTotal (not 0), in window order (group by
    // group). Storage that cannot be had leaves rSlices empty.
    void ListPieSlices(double dTotal, std::vector<PieSlice>& rSlices);

    // The text of a pie label of label kind nKind (bits 4-7 of the value style's kind word) for a value,
    // its share of the total in per cent and its annotation.
    static CString PieLabelText(int nKind, double dValue, double dPercent, const char* lpszAnnotation);
    // The pull-out factor of a pie label by bits 8-11 of the value style's kind word.
    static double PiePullOut(int nKindWord);
    // The label alignment (octant 0-7) of a slice whose middle stands at dDegrees.
    static int PieLabelOctant(double dDegrees);

    // ---- bar, stacked, pie, area, step, range and stock displays (see the top of this file) ----------------
    // The symbol kind of bars drawn with depth: marker kind 6 in its place of a data style word.
    enum { symbolWithDepth = 0x600 };

    // The three-dimensional types scan like the others.
    void ThreeDScan() override;
    // The running sums of the stacked area, the stacked bars by item and by group.
    void RunningSumScan() override;
    void StackedBarScan() override;
    void StackedGroupScan() override;

    void DrawVerticalBars() override;
    void DrawHorizontalBars() override;
    void DrawOverlapColumns() override;
    void DrawOverlapBars() override;
    void DrawBarLine() override;
    void DrawStackedBars() override;
    void DrawStackedByGroup() override;
    void DrawStackedArea() override;
    void DrawPieChart() override;
    void DrawAreaChart() override;
    void DrawStepChart() override;
    // GT_HILO and GT_HILO_BAND.
    void DrawHighLow() override;
    void DrawFloatingBars() override;
    // Code 21 for a window whose group count is not a positive multiple of 4.
    void DrawStockChart() override;

    void BuildScalesTransposed() override;
    void BuildScalesTransposedByGroup() override;
    void BuildScalesByGroup() override;
    void BuildFloatScales() override;

    // Sizes kept in the display's style: the bar width (first limit) and the thickness of stacked
    // horizontal bars (second limit), both used under flagOwnDepth; the pie's fixed radius in pixels
    // (the style's size, 100 here) and its tilt in degrees (the fifth value, 45 here).
    double GetBarWidth() const { return m_style.m_dLimit1; }
    void SetBarWidth(double dWidth) { m_style.m_dLimit1 = dWidth; }
    double GetBarThickness() const { return m_style.m_dLimit2; }
    void SetBarThickness(double dThickness) { m_style.m_dLimit2 = dThickness; }
    double GetPieRadius() const { return m_style.m_dSize; }
    void SetPieRadius(double dRadius) { m_style.m_dSize = dRadius; }
    double GetPieTilt() const { return m_style.m_dValue5; }
    void SetPieTilt(double dDegrees) { m_style.m_dValue5 = dDegrees; }

protected:
    // The scales of the standard axes: made when missing (x an index scale, y by the flags and axis
    // type), their window and chart set.
    void PrepareScales(bool bXValues);
    // One scale of a pass: font, colours, gap, line and limits set by the caller; it is laid out and,
    // unless bMeasure, drawn. Returns the box of its labels (empty when it has none).
    CRect LayOutScale(SRGDecimalScale* pScale, bool bMeasure);
    // The two passes over the x and y scales with the axis lines the plot gives (see BuildScales); the
    // x scale goes under nNoXScale.
    void BuildScalePasses(bool bXValues, int nNoXScale = flagNoXScale);
    // Tick marks of the margin's length in the frame pen at the points of rList (nDirection as
    // SRGTickMarks::SetDirection). The length is the margin as on the screen: on a printer the tick
    // marks scale it to the device themselves.
    void DrawTicks(CPtrList& rList, int nDirection);

    // ---- what the routines of the bar, stacked, pie, area, step, range and stock displays share -------------
    // True when there is data to draw; otherwise the placeholder is drawn and false returned.
    bool CanDrawData();
    // The start of the value axis: the range minimum, or its log10 on a logarithmic display (-3 for a
    // minimum not above 0).
    double GetValueBase() const;
    // The value of pItem on the value axis (log10 on a logarithmic display).
    double AxisValue(DEDizedData* pItem) const;
    // The value range width, 0 taken as 1.
    double GetValueSpan() const;
    // The plot rectangle, less the depth on the right and the top when bDepth.
    CRect GetDataRect(bool bDepth);
    // The pixel of dValue (an axis value) on a vertical value axis over rect, and on a horizontal one.
    int ValueY(double dValue, const CRect& rect) const;
    int ValueX(double dValue, const CRect& rect) const;
    // The x of item j of the window, the items spread from the left edge of rect to its right (a single
    // item at the left).
    int ItemX(int j, const CRect& rect) const;
    // The offset of the pixel of 0 from the start of a value axis dExtent pixels long with dScale pixels
    // a unit: 0 on a logarithmic axis or a range not below 0, dExtent for a range not above 0.
    double GetBaseOffset(double dExtent, double dScale) const;
    // The width of a bar with dRoom pixels: 10/11 of it, or under flagOwnDepth dOwn (not wider than
    // dRoom).
    double GetBarSize(double dRoom, double dOwn) const;
    // The style of group nGroup; null when the chart has no such group.
    DEDizedStyle* GetGroupStyle(int nGroup);
    // The style pItem is drawn in: its own, or its group's when (its data style word & nMask) is 0 and
    // the group is there.
    DEDizedStyle* GetValueStyle(DEDizedData* pItem, int nGroup, int nMask);
    // Registers rect as the hit region of (nItem, nGroup) and draws it with DrawSymbol.
    void DrawBar(const CRect& rect, int nItem, int nGroup, DEDizedStyle* pStyle, int nKind, DEDizedData* pItem);
    // The bars and overlap bars, vertical or horizontal.
    void DrawSideBySide(bool bVertical);
    void DrawOverlapped(bool bVertical);
    // The stacked bars by item or by group.
    void DrawStacked(bool bByGroup);
    // The scan of the stacked types: the running sums of the series of each category (groups of an item,
    // or items of a group with bByGroup); bFallBack turns a display with a negative value into GT_VBAR.
    void ScanRunningSums(bool bByGroup, bool bFallBack);
    void DrawHighLowColumns();
    void DrawHighLowBands();

    // ---- the transposed and by-group scales -----------------------------------------------------------
    // The x scale of pCategoryClass and a y scale for values (logarithmic, dates with bDateValues, else
    // decimal), replacing scales of other classes.
    void MakeScales(CRuntimeClass* pCategoryClass, bool bDateValues);
    // Sets the scales' window, chart, font and colour; their ticks go to the lists given.
    void AttachScales(CPtrList& rXScaleTicks, CPtrList& rYScaleTicks);
    // The value scale's format, step (the second extra value) and limits: the value range, or 0 to
    // 100 with a step of 5 unless one is set for bPercent.
    void SetValueScaleLimits(SRGDecimalScale* pScale, bool bPercent);
    // The two passes of a scale along the bottom edge and one up the left (right: bRight) edge, either
    // null, with the axis lines the plot gives less the depth: measure and shrink the plot, then lay out
    // and draw (see BuildScales). After the measuring pass the bottom labels are measured again on the
    // axis the side's labels left them (they may be others there, one at the far end) until they keep
    // to the room the plot had at first, so that the drawing pass finds them inside it.
    void LayOutAxes(SRGDecimalScale* pBottom, SRGDecimalScale* pSide, bool bRight, CSize depth);
    // The horizontal layouts: categories of pCategoryClass up the left edge (gone under nNoCategory),
    // values along the bottom.
    void BuildSideCategoryScales(CRuntimeClass* pCategoryClass, int nNoCategory, bool bPercent, bool bDepth,
                                 bool bDateValues);

public:
    // ---- XY, bubble, vector, radar, polar and perspective displays (see the top of this file) ---------------
    void XYScan() override;
    void DrawXYGraph() override;
    // Code 21 for fewer than 3 (bubbles) or 4 (vectors) groups, 22 on a logarithmic display.
    void BubbleScan() override;
    void VectorScan() override;
    void DrawBubbles() override;
    void DrawVectors() override;
    // The magnitudes (every second group) of the polar types.
    void PolarScan() override;
    // Code 21 for fewer than 3 items.
    void DrawRadarChart() override;
    // Code 21 for an odd number of groups.
    void DrawPolarChart() override;
    void DrawRadarFrame() override;
    void DrawPolarFrame() override;
    void BuildRadarScales() override;
    void BuildPolarScales() override;
    void DrawPerspectiveBars() override;
    void DrawPerspectiveAreas() override;
    void DrawBoxFrame() override;
    void BuildBoxScales() override;

    // One point of an XY display: the items and groups of its x and y values and the series (polyline)
    // it belongs to.
    struct XYPair {
        int nSeries;
        int nXItem;
        int nXGroup;
        int nYItem;
        int nYGroup;
    };
    // The pairs of the window in drawing order, series after series; pairs whose partner lies past its
    // group's end are left out. DEDizedException code 23 when the count the graph type pairs is odd.
    void ListXYPairs(std::vector<XYPair>& rPairs);
    // True when the x axis is logarithmic: the second word's optionLogX for the dual types, else
    // flagLogarithmic.
    bool IsLogXAxis() const;

    // The circle of the radar and polar types: its centre, the radius of the data (0.4 x the plot's
    // smaller side) and of the labels (0.425 x).
    struct Circle {
        int cx;
        int cy;
        double dRadius;
        double dLabelRadius;
    };
    Circle GetCircle() const;

    // What the last drawing put at the point (x, y), for the tips and the value drag (DEDizedPosition),
    // on the view ranges it drew with (after a zoom, the zoomed ones); nothing before a drawing.
    // ValuesAt: the x and y values of the XY, bubble and vector types (their view mapping turned
    // round); false when an axis has no width. PolarValuesAt: the angle of the polar types in degrees
    // clockwise from the top, taken into 0 up to 360 as the circle's angle labels read (up and to the
    // left is 315, not -45), and the magnitude (from the centre, the radius spanning the view range);
    // false when the circle is under a pixel.
    bool ValuesAt(double x, double y, double& rdX, double& rdY) const;
    bool PolarValuesAt(double x, double y, double& rdAngle, double& rdMagnitude) const;

    // The oblique box of the perspective types: the front face, the offset of the back wall from it
    // (dx to the right, negative for the mirrored box; dy upwards), the width of a column and the depth
    // (along the receding edges, in pixels) of each group.
    struct Box {
        CRect front;
        int dx;
        int dy;
        double dColumn;
        double dStep;
    };
    Box GetBoxGeometry();
    // The groups of the window in the order the perspective types draw them: by their totals, the
    // largest first (furthest back), or in window order under flagKeepGroupOrder. Storage that cannot be
    // had leaves it empty.
    void ListBoxGroups(std::vector<int>& rGroups);

protected:
    // The view ranges of the XY, bubble and vector types laid onto the plot: each axis's start (log10
    // on a logarithmic axis, a start of 0 taken as 0.001) and its pixels per unit.
    struct ViewMapping {
        double dXMin;
        double dXScale;
        double dYMin;
        double dYScale;
        bool bXLog;
        bool bYLog;
    };
    ViewMapping GetViewMapping() const;
    // The same for the view ranges given.
    ViewMapping MapViews(const CScale& xView, const CScale& yView) const;
    // The coordinates a drawing surface takes: LOGPIXELSX / 2 - 32768 to 32767 - LOGPIXELSX / 2 of the
    // DC drawn into.
    void GetPixelLimits(int& rnLow, int& rnHigh);
    // dValue clamped to [nLow, nHigh] (a value that is no number to nLow), then truncated.
    static int ClampPixel(double dValue, int nLow, int nHigh);
    // The start of the scans with two value axes: both ranges reset, and an axis whose fixed range
    // stands alone (flagFixedRange without flagCombineFixed, wider than nothing) set to it and reported
    // as fixed (not to be scanned).
    void StartTwoAxisScan(bool& rbYFixed, bool& rbXFixed);
    // The scan of the bubble (nSetSize 3) and vector (4) types.
    void ScanSets(int nSetSize);
    // The cross of a point too small to draw: two diagonals of 4 device units each way, drawn (and the
    // point registered as the hit region of nItem, nGroup) when an end lies in the plot.
    void DrawCross(int x, int y, int nItem, int nGroup);
    // The radar and polar ring of points (the last closing it) in the style of each point's value:
    // filled, or markers and lines by the styles' point modes; bMarker says which points get one.
    void DrawRing(const std::vector<POINT>& points, const std::vector<DEDizedData*>& items,
                  const std::vector<char>& markers, DEDizedStyle* pFillStyle, bool bFilled);
    // Rings through the value ticks and nSpokes spokes dStep radians apart from the top (the radar and
    // polar frames).
    void DrawCircleFrame(int nSpokes, double dStep);
    // The circle's labels (nLabels of them at angles dStep apart from the top, at dLabelRadius, with
    // texts from textOf) and the value scale up from the centre (the radar and polar scales).
    void BuildCircleScales(int nLabels, double dStep, double dLabelRadius, const CScale& range,
                           CString (*textOf)(DEDizedDisplay* pDisplay, int k));
    // One face of a perspective column or band: a polygon hit region of (nItem, nGroup), filled and
    // outlined in pStyle; with nRop (not 0) painted once more in the pattern of the faces under it.
    void DrawFace(const POINT* pPoints, int nCount, int nItem, int nGroup, DEDizedStyle* pStyle, int nRop);
    // Turns the display into columns with standard axes from the next draw on (the perspective types
    // meeting a negative value).
    void FallBackToColumns();
};
